#pragma once

#include <QPalette>
#include <QProxyStyle>
#include <vector>

class QStyleOptionComboBox;

// The application's style: Fusion, with these changes.
//  - A push button marked graphical (by Look's button rows) is painted
//    the way a graphical-style button looks: its face flat in the button
//    colour of its palette (exactly that colour, no gradient), a thin grey
//    edge and a darker face and shifted label while pressed. Other buttons
//    (message boxes, dialogs) keep Fusion's look.
//  - Combo boxes, list-only and editable alike, have the flat face of an
//    editable box.
//  - The focus mark of graphical buttons and combo boxes is a two-pixel
//    frame over their edge, navy on light faces and bright yellow on dark
//    or saturated ones, black or white where neither would do: every pixel
//    of it differs by 3:1 or more from what it covers (the grey edge, the
//    face, a combo box's shaded arrow); shown from the first focus on.
//  - Combo boxes that show the same colours are drawn with one shared
//    palette. Fusion keeps the pictures of combo frames it has drawn, keyed
//    by the palette's identity, and Qt gives every widget with colours of
//    its own a palette of its own identity; shared, one picture serves every
//    box of a look instead of being drawn again for each (4 ms at start).
// Everything else is Fusion's.
class ToolkitStyle : public QProxyStyle {
    Q_OBJECT
public:
    ToolkitStyle();

    // The widget property that marks a graphical button.
    static constexpr char kGraphical[] = "graphical";
    static const QColor kEdge;
    static const QColor kFocus;
    static const QColor kFocusOnDark;

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    // A box's list has rows with room below the baseline: the "_" of
    // "_blank" is not cut by the next row.
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;

private:
    // The focus mark's colour on a face of colour `face`.
    static QColor focusColor(const QColor& face);
    static void drawFocusMark(QPainter* painter, const QRect& rect, const QColor& face);
    void drawFocusedComboBox(const QStyleOptionComboBox& option, const QColor& face,
                             QPainter* painter, const QWidget* widget) const;
    void drawGraphicalButton(const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const;
    // The palette of the first box drawn with the same colours.
    const QPalette& shared(const QPalette& palette) const;

    mutable std::vector<QPalette> m_palettes;
};
