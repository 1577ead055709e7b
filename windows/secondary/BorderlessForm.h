#pragma once

#include "app/toolkit/ControlLook.h"
#include "app/toolkit/Form.h"

class QLabel;
class QPushButton;

// What the preview and About windows share: a borderless, fixed-size window
// (10095 x 5055 twips) centred on the screen, the gradient backdrop, a title
// strip that moves the window when dragged with the left button, and the
// round close button that Escape also presses. Subclasses add their own
// controls and say which colour their buttons take.
class BorderlessForm : public Form {
    Q_OBJECT
protected:
    BorderlessForm();

    // Creates the title strip and the close button; the subclass calls it
    // where they belong in its control order.
    void createTitle();
    void createCloseButton();
    void setTitle(const QString& text);

    // The shared loading steps: backdrop, look (buttons in `buttonColor`,
    // labels olive yellow, centred and transparent), an 18-point title, and
    // the close button as the cancel button.
    void loadCommon(const QColor& buttonColor);

    QPushButton* closeButton() const { return m_closeButton; }

    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_title = nullptr;
    QPushButton* m_closeButton = nullptr;
};
