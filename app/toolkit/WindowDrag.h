#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// Moves a window with the mouse while the left button is held, the way a
// press on a caption bar does. The window system moves it where it can (X11
// and Wayland alike); where it cannot, the window follows the pointer by
// hand until the button is released. Knows nothing of which control was
// pressed: the window decides that.
class WindowDrag : public QObject {
    Q_OBJECT
public:
    // Starts a move when the press was the left button alone with no
    // modifier key. Returns whether a move started.
    static bool begin(QWidget* window, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowDrag(QWidget* window);

    QPointer<QWidget> m_window;
    QPoint m_offset;
};
