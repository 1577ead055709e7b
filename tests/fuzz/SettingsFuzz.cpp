// libFuzzer target: any bytes given to the settings file reader are either
// refused with SettingsFileError or read as values that the writer writes
// and the reader reads back unchanged.
#include "core/settings/SettingsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const halvero::SettingsFile::Contents read = halvero::SettingsFile::parse(text);
        halvero::MenuSettings settings;
        settings.setValues(read.values);
        const auto again = halvero::SettingsFile::parse(halvero::SettingsFile::compose(settings));
        if (again.values != read.values || !again.unknownKeys.empty())
            std::abort();
    } catch (const halvero::SettingsFileError&) {
    }
    return 0;
}
