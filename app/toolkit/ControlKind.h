#pragma once

#include <QString>

class QObject;

// The kind name a control reports when a window walks over its controls:
// "CommandButton", "CheckBox", "TextBox", "ComboBox", "Frame", "Label", and
// "WebBrowser" and "Timer" for the rest of what the windows hold. A control
// may carry its own name in the "kindName" property; anything unknown gets
// its Qt class name, which matches no styling rule.
class ControlKind {
public:
    static QString of(const QObject* control);
};
