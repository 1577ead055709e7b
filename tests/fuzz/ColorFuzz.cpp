// libFuzzer target: any text given to hexToColor either reads as a colour in
// range that round-trips through colorToHex, or is refused with the error.
#include "core/settings/ColorValues.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const std::int32_t value = halvero::hexToColor(text);
        if (value < 0 || value > 0xFFFFFF)
            std::abort();
        if (halvero::hexToColor(halvero::colorToHex(value)) != value)
            std::abort();
    } catch (const halvero::ColorTextError&) {
    }
    return 0;
}
