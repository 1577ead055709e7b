#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

// A widget that keeps the gradient backdrop on screen behind its controls,
// stretched across its width: the main window's surface, and every form.
class BackdropWidget : public QWidget {
    Q_OBJECT
public:
    explicit BackdropWidget(QWidget* parent = nullptr);

    // Paints the gradient backdrop at the widget's current height; it stays
    // behind the controls for the widget's life.
    void paintBackdrop();

    // The widget's controls in creation order: its direct children that are
    // widgets or timers.
    QList<QObject*> controls() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The backdrop as one pixel column (every row is one colour).
    QImage m_backdrop;
};
