#pragma once

#include <QCoreApplication>
#include <QString>
#include <string_view>
#include <vector>

// Where the main window's controls stand and what they say: one row per
// control, in the order the window creates them. Positions are the design's,
// in twips. The entries come from SettingTable, column by column. The table
// says nothing about looks (Look) or behaviour (MainWindow).
class MainLayout {
    Q_DECLARE_TR_FUNCTIONS(MainLayout)

public:
    enum class Kind {
        Title,       // a column's heading
        Label,       // an entry's caption
        Entry,       // an entry's box
        ColorButton, // the button that picks a colour entry's colour
        Command,     // one of the command buttons
    };
    enum class Command { CreatePage, ShowPreview, ShowAbout, Exit };
    static constexpr int kCommandCount = 4;

    struct Row {
        Kind kind;
        // The entry's address; for a title its SettingGroup, for a command
        // its Command.
        int index;
        int left, top, width, height;
        QString caption; // for an entry: the caption of its label
    };

    static constexpr int kClientWidth = 13815;
    // The client area ends this far below the Exit button.
    static constexpr int kBottomMargin = 120;

    static const std::vector<Row>& rows();
    // A caption of the entry table as the window shows it: translated
    // where a translation is installed.
    static QString caption(std::string_view utf8);
};
