#pragma once

#include "app/toolkit/Look.h"

#include <QDialog>
#include <QImage>

class QLabel;
class QPushButton;

// What the preview and About windows share: a borderless, fixed-size
// dialog (10095 x 5055 twips) centred on the screen, the gradient backdrop,
// a title strip that moves the window when dragged with the left button,
// and the round close button. As any dialog: modal with exec(), transient
// for its parent, Escape closes it, Enter presses the focused button.
// Subclasses add their own controls, say which colour their buttons take,
// and fill their texts in prepare(), just before each showing.
class BorderlessForm : public QDialog {
    Q_OBJECT
public:
    void setVisible(bool visible) override;

protected:
    explicit BorderlessForm(QWidget* parent = nullptr);

    // Creates the title strip and the close button; the subclass calls it
    // where they belong in its control order.
    void createTitle();
    void createCloseButton();
    void setTitle(const QString& text);

    // The shared finishing steps, for the end of a subclass's constructor:
    // the backdrop, the window's rows of the look, the close button's focus.
    void loadCommon(Look::Scheme which);
    // Runs before each showing, while the window is still hidden, so what
    // it fills in is there at the first paint.
    virtual void prepare() {}

    QPushButton* closeButton() const { return m_closeButton; }

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_title = nullptr;
    QPushButton* m_closeButton = nullptr;
    // The backdrop as one pixel column (every row is one colour).
    QImage m_backdrop;
};
