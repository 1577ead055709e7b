#pragma once

#include <QString>

class Form;

// Opens the preview window. The browser engine is a large set of libraries
// whose loading alone costs more than the rest of the program's start, so
// the preview window lives in a module of its own that is loaded the first
// time a preview opens. The executable carries that module inside it (so it
// stays one file that can be copied anywhere); the loader hands the bytes to
// the dynamic linker through an anonymous in-memory file.
class PreviewLoader {
public:
    using Factory = Form* (*)(const QString& pathName);

    // A freshly loaded preview window for the page at `pathName`, not yet
    // shown; nullptr with `error` set when the module cannot be loaded.
    static Form* Load(const QString& pathName, QString* error);

    // The module as the executable carries it.
    static void setModuleImage(const unsigned char* begin, const unsigned char* end);
    // Uses `factory` instead of the module (programs that link the preview
    // window in directly, such as its tests).
    static void setFactory(Factory factory);
};
