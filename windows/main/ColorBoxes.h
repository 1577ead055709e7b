#pragma once

#include "core/settings/MenuSettings.h"

#include <QColor>
#include <QCoreApplication>
#include <optional>

class MainControls;
class QWidget;

// The colour entries' boxes: each painted in the colour it holds, its text
// in the window's navy or in white, whichever reads better on it; and the
// note beside the commands that says which item's text will be hard to
// read in the page. It changes no setting.
class ColorBoxes {
    Q_DECLARE_TR_FUNCTIONS(ColorBoxes)

public:
    explicit ColorBoxes(const MainControls& controls) : m_controls(controls) {}

    // Paints colour entry `index`'s box in the colour its text holds; a
    // colour being typed leaves the box as it was.
    void paint(int index) const;
    // Says which item's text reads under 4.5:1 on its background, and by
    // how much; says nothing otherwise.
    void noteContrast(const halvero::MenuSettings& settings) const;
    // Whether entry `index` is one of the colours the note weighs.
    static bool weighs(int index);
    // Qt's colour dialog with the custom colours Halvero keeps: the colour
    // chosen, or nothing when the user cancels.
    static std::optional<QColor> ask(QWidget* parent, const QColor& initial);

private:
    const MainControls& m_controls;
};
