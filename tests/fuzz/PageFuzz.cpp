// libFuzzer target: the page composed from arbitrary entry texts. The input
// is split at NUL bytes into the entries' values, in index order. The page
// must be valid UTF-8, end with CR LF, and no message may end its script.
#include "core/page/PageComposer.h"
#include "core/settings/MenuSettings.h"
#include "core/text/TextEncoding.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    halvero::MenuSettings settings;
    settings.initialise();
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (int index = 0; index < halvero::SettingTable::kEntryCount && start <= input.size();
         ++index) {
        std::size_t end = input.find('\0', start);
        if (end == std::string::npos)
            end = input.size();
        settings.setValue(index, input.substr(start, end - start));
        start = end + 1;
    }
    const std::string page = halvero::PageComposer::compose(settings, {2026, 1, 2, 3, 4, 5});
    if (page.size() < 2 || page.compare(page.size() - 2, 2, "\r\n") != 0)
        std::abort();
    if (halvero::toValidUtf8(page) != page)
        std::abort();
    // Whatever the message, the page's own script ends at its closing line
    // and nowhere before. (Values outside the script go in as typed.)
    const std::size_t opening = page.find("    <script type='text/javascript'>\r\n");
    if (opening == std::string::npos)
        std::abort();
    constexpr std::string_view kClosingLine = "\r\n    </script>\r\n\r\n    <bgsound";
    const std::size_t closing = page.find("</script", opening);
    if (closing == std::string::npos || closing < 6 ||
        page.compare(closing - 6, kClosingLine.size(), kClosingLine) != 0)
        std::abort();
    return 0;
}
