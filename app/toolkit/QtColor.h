#pragma once

#include <QColor>
#include <cstdint>

// Converts between the program's colour values (red in the low byte, then
// green, then blue, top byte ignored) and Qt's colours. The colour texts
// ("#RRGGBB") are the core's business, not this class's.
class QtColor {
public:
    static QColor fromValue(std::int32_t value) {
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    }
    static std::int32_t toValue(const QColor& color) {
        return color.red() + 256 * color.green() + 65536 * color.blue();
    }
};
