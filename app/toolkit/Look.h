#pragma once

#include <QColor>
#include <vector>

class QWidget;

// Halvero's look in one place: one table that says the colours, font and
// border of every kind of control, in each of the schemes a window takes. ToolkitStyle draws them
// (flat graphical buttons and boxes, the focus mark). Every row's font is
// bold Verdana, at the window's 8 points unless the row says otherwise;
// labels and titles are centred, unframed and show the backdrop.
class Look {
public:
    // Cream buttons and boxes with small captions (a form of settings);
    // lavender or cream buttons under a large title (a sheet to read).
    enum class Scheme { CreamForm, LavenderSheet, CreamSheet };
    enum class Kind { Button, Box, Label, Title };
    struct Row {
        Scheme scheme;
        Kind kind;
        QColor text;       // invalid: the standard text colour
        QColor back;       // invalid: none, the backdrop shows through
        int pointSize = 0; // 0: the window's
    };

    static const QColor kCream;
    static const QColor kNavy;
    static const QColor kOliveYellow;
    static const QColor kLavender;

    static const std::vector<Row>& table();
    // The row for a kind of control of a window, or nullptr.
    static const Row* rowFor(Scheme scheme, Kind kind);

    // The main window's surface takes the box row before its controls
    // exist: the look most of them share, which their own steps then find
    // done (set control by control, it cost a tenth of the start).
    static void prepareSurface(QWidget* surface);
    // Gives `window`'s direct children their rows: push buttons are
    // buttons, combo boxes boxes, labels labels, the label named "title" a
    // title; other controls are left alone.
    static void apply(QWidget* window, Scheme which);

    // One property each, leaving a control that already has it alone; none
    // changes a font's size. Also for colours the program sets later.
    static void setTextColor(QWidget* control, const QColor& color);
    static void setBackColor(QWidget* control, const QColor& color);
    static QColor backColor(const QWidget* control);

private:
    static void applyRow(QWidget* control, const Row& row);
};
