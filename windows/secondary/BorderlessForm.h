#pragma once

#include "ControlLook.h"
#include "Form.h"

class QLabel;
class QPushButton;

// What the preview and About windows share: a borderless, fixed-size window
// (10095 x 5055 twips) centred on the screen, the gradient backdrop, a title
// strip `lblTitle` that moves the window when dragged, and the round close
// button `cmdReturn` that Escape also presses. Subclasses add their own
// controls and say which colour their buttons take.
class BorderlessForm : public Form {
    Q_OBJECT
public:
    QLabel* lblTitle = nullptr;
    QPushButton* cmdReturn = nullptr;

    void cmdReturn_Click();
    void lblTitle_MouseDown(Qt::MouseButtons button, Qt::KeyboardModifiers shift, QPoint position);

protected:
    BorderlessForm();

    // Creates the title strip and the close button; the subclass calls it
    // where they belong in its control order.
    void createTitle();
    void createCloseButton();

    // The shared loading steps: backdrop, look (buttons in `buttonColor`,
    // labels olive yellow, centred and transparent), an 18-point title, and
    // the close button as the cancel button.
    void loadCommon(const QColor& buttonColor);

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
