#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QWidget;

// Moves a window with the mouse until the left button is released, for
// window systems that cannot move it themselves. Deletes itself at release.
class WindowDrag : public QObject {
    Q_OBJECT
public:
    static void start(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit WindowDrag(QWidget* window);

    QPointer<QWidget> m_window;
    QPoint m_offset;
};
