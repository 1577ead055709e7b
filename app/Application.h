#pragma once

#include <QFont>

// The application-wide look every window is designed against: the Fusion
// style (which honours the controls' palettes, so cream buttons show cream).
// Qt's own settings (dialog state) are kept out of the user's folders: what
// Halvero remembers lives in its ConfigFile.
class Application {
public:
    static void configure();
    // The 8-point font Halvero's own windows are made for; Qt's file,
    // colour and message dialogs keep the desktop's.
    static QFont windowFont();
};
