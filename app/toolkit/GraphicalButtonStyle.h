#pragma once

#include <QProxyStyle>

// Paints a push button the way a graphical-style button looks: its face
// flat in the button colour of its palette (exactly that colour, no
// gradient), a thin grey edge, a darker face and shifted label while
// pressed, and a dotted navy ring inside the edge while it holds the
// keyboard focus. Everything else is left to the application's style. Set
// on the buttons that ask for it (ControlLook::setButtonLook), not
// application-wide, so message boxes and dialogs keep their usual buttons.
class GraphicalButtonStyle : public QProxyStyle {
    Q_OBJECT
public:
    static GraphicalButtonStyle* instance();

    static const QColor kEdge;
    static const QColor kFocus;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;

private:
    GraphicalButtonStyle();
};
