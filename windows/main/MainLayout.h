#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// Where the main window's controls stand and what they say: one row per
// control, in the order the window creates them. Positions are the design's,
// in twips. The table says nothing about looks (MainLook) or behaviour
// (frm1).
class MainLayout {
public:
    enum class Kind {
        Title,       // lblTitle(index): a column's heading
        Label,       // lbl(index), or lblTarget
        Entry,       // cbo(index), or cboTarget
        ColorButton, // cmdChangeColor(index)
        Command,     // cmd(index)
    };
    struct Row {
        Kind kind;
        int index; // the control array's index; MenuSettings::kTarget for the target's pair
        int left, top, width, height;
        QString caption; // for an entry: the caption of its label
    };

    // The command buttons of `cmd`. About and Exit are the last but one and
    // the last button: the window finds them by the array's count.
    enum Command : std::int16_t { CreatePage = 0, PreviewPage = 1, About = 2, Exit = 3 };

    static constexpr int kClientWidth = 13815;
    // The client area ends this far below the Exit button.
    static constexpr int kBottomMargin = 120;

    static const std::vector<Row>& rows();
};
