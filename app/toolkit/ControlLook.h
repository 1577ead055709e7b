#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

class QObject;
class QWidget;

// Styles a window's controls by kind name. A window hands over its own
// table; each control gets the first row whose kind name equals its own
// exactly (case counts), and a control of an unlisted kind is left alone.
// The helpers set one visual property each, mapped onto Qt's fonts,
// palettes and frames; none of them changes a font's size.
class ControlLook {
public:
    struct Row {
        QString kind;
        std::function<void(QWidget*)> apply;
    };
    using Table = std::vector<Row>;

    static const QColor kCream;
    static const QColor kNavy;
    static const QColor kOliveYellow;

    // Styles `controls` in the order given.
    static void apply(const QList<QObject*>& controls, const Table& table);
    // The row that styles a control of this kind, or nullptr.
    static const Row* rowFor(const QString& kind, const Table& table);

    static void setBold(QWidget* control);
    static void setFace(QWidget* control, const QString& face);
    static void setTextColor(QWidget* control, const QColor& color);
    static void setBackColor(QWidget* control, const QColor& color);
    static QColor backColor(const QWidget* control);
    // Qt::AlignLeft, Qt::AlignRight or Qt::AlignHCenter, kept vertically centred.
    static void setAlignment(QWidget* control, Qt::Alignment horizontal);
    static void setTransparent(QWidget* control);
    static void setSingleBorder(QWidget* control, bool single);
    static void setRightToLeft(QWidget* control, bool rightToLeft);

    // The looks every window gives its buttons and labels: a bold Verdana
    // button on `back`; a centred, bold Verdana, olive-yellow, borderless
    // label that shows the backdrop behind its text.
    static void setButtonLook(QWidget* control, const QColor& back);
    static void setLabelLook(QWidget* control);
};
