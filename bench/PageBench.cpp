// Times composing and writing the default page. Each figure is printed as a
// ratio against a baseline measured in the same run, since absolute times on
// shared machines wander: composing against copying the same number of bytes,
// a menu of 20 items of its own against the default page, the same 20 with 5
// sub-items each against the 20 alone (classic and modern), the atomic write
// against one plain write of the same bytes to the same folder, flushed to
// disk the same way.
#include "core/page/PageComposer.h"
#include "core/settings/MenuSettings.h"
#include "core/text/AtomicFile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

// Median time of one call of `work`, in microseconds, over `rounds` rounds
// of `repeats` calls each.
template <typename Work> double medianMicros(int rounds, int repeats, Work work) {
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        const auto start = Clock::now();
        for (int k = 0; k < repeats; ++k)
            work();
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        times.push_back(spent.count() / repeats);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void plainWrite(const std::string& path, const std::string& text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()) ||
        ::fsync(fd) != 0) {
        std::perror("plain write");
        std::exit(1);
    }
    ::close(fd);
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    halvero::MenuSettings settings;
    settings.initialise();
    const halvero::Timestamp stamp{2026, 1, 2, 3, 4, 5};
    const std::string page = halvero::PageComposer::compose(settings, stamp);

    volatile std::size_t sink = 0;
    const double compose = medianMicros(
        31, 2000, [&] { sink = sink + halvero::PageComposer::compose(settings, stamp).size(); });
    const double copy = medianMicros(31, 2000, [&] {
        std::string copied(page.size(), '\0');
        std::memcpy(copied.data(), page.data(), page.size());
        sink = sink + copied.size();
    });

    // Twenty items of a real site's kind, escaping included.
    halvero::MenuSettings site = settings;
    std::vector<halvero::MenuItem> items;
    for (int i = 1; i <= 20; ++i)
        items.push_back({"Section " + std::to_string(i) + " & more",
                         "section-" + std::to_string(i) + "/index.html?from=menu&x=1",
                         "About section " + std::to_string(i),
                         i % 2 ? "" : "_self",
                         false,
                         {}});
    site.setMenuItems(items);
    site.setValue(halvero::SettingTable::kItemCount, "20");
    const double composeItems = medianMicros(
        31, 2000, [&] { sink = sink + halvero::PageComposer::compose(site, stamp).size(); });

    // The same twenty with five sub-items each, in both styles, against the
    // twenty alone in the same style.
    halvero::MenuSettings nested = site;
    for (halvero::MenuItem& item : items)
        for (int k = 1; k <= 5; ++k)
            item.items.push_back({"Part " + std::to_string(k) + " & more",
                                  item.link + "#part-" + std::to_string(k),
                                  "",
                                  "",
                                  false,
                                  {}});
    nested.setMenuItems(items);
    struct Style {
        const char* name;
        halvero::MenuSettings::PageStyle style;
        double flat = 0, withSubMenus = 0;
        std::size_t flatBytes = 0, subMenuBytes = 0;
    };
    Style styles[] = {{"classic", halvero::MenuSettings::PageStyle::Classic},
                      {"modern", halvero::MenuSettings::PageStyle::Modern}};
    for (Style& style : styles) {
        site.setPageStyle(style.style);
        nested.setPageStyle(style.style);
        style.flat = medianMicros(
            31, 1000, [&] { sink = sink + halvero::PageComposer::compose(site, stamp).size(); });
        style.withSubMenus = medianMicros(
            31, 1000, [&] { sink = sink + halvero::PageComposer::compose(nested, stamp).size(); });
        style.flatBytes = halvero::PageComposer::compose(site, stamp).size();
        style.subMenuBytes = halvero::PageComposer::compose(nested, stamp).size();
    }
    site.setPageStyle(halvero::MenuSettings::PageStyle::Classic);

    const std::string safePath = halvero::AtomicFile::joinPath(folder, "bench-safe.htm");
    const std::string plainPath = halvero::AtomicFile::joinPath(folder, "bench-plain.htm");
    double safe = 0, plain = 0;
    // Interleaved so both see the same disk weather.
    std::vector<double> safeTimes, plainTimes;
    for (int r = 0; r < 15; ++r) {
        safeTimes.push_back(
            medianMicros(1, 20, [&] { halvero::AtomicFile::write(safePath, page); }));
        plainTimes.push_back(medianMicros(1, 20, [&] { plainWrite(plainPath, page); }));
    }
    std::sort(safeTimes.begin(), safeTimes.end());
    std::sort(plainTimes.begin(), plainTimes.end());
    safe = safeTimes[safeTimes.size() / 2];
    plain = plainTimes[plainTimes.size() / 2];
    ::unlink(safePath.c_str());
    ::unlink(plainPath.c_str());

    std::printf("default page: %zu bytes\n", page.size());
    std::printf("compose      %8.2f us   %6.1f x copying the same bytes (%.2f us)\n", compose,
                compose / copy, copy);
    const std::size_t siteBytes = halvero::PageComposer::compose(site, stamp).size();
    std::printf("20 items     %8.2f us   %6.2f x the default page, for %.2f x its bytes (%zu)\n",
                composeItems, composeItems / compose,
                static_cast<double>(siteBytes) / static_cast<double>(page.size()), siteBytes);
    for (const Style& style : styles)
        std::printf("20 x 5 sub   %8.2f us   %6.2f x 20 flat items, %s page, for %.2f x its bytes "
                    "(%zu)\n",
                    style.withSubMenus, style.withSubMenus / style.flat, style.name,
                    static_cast<double>(style.subMenuBytes) / static_cast<double>(style.flatBytes),
                    style.subMenuBytes);
    std::printf("atomic write %8.2f us   %6.2f x one plain flushed write (%.2f us)\n", safe,
                safe / plain, plain);
    return 0;
}
