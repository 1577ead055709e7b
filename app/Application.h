#pragma once

// The application-wide look every window is designed against: the Fusion
// style (which honours the controls' palettes, so cream buttons show cream)
// and an 8-point default font, the size the design's controls are made for.
// Qt's own settings (dialog state) are kept out of the user's folders: what
// Halvero remembers lives in its ConfigFile.
class Application {
public:
    static void configure();
};
