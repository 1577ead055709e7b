// `halvero --site` on a site of 10,000 pages of about 20 KB in 100 folders,
// against the floor of the same work without Halvero: reading each page,
// replacing the text between its markers, writing a temporary file,
// flushing it and renaming it over the page, on as many threads as
// Halvero uses. Prints, as ratios measured in the same run: a full update
// against the floor, a run with nothing to change against the floor, and
// the peak memory of each run; then a full update with one stylesheet for
// the site (page.stylesheet), and what each page carries of the menu then.
// Usage: site_bench HALVERO [FOLDER] [PAGES]
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::string_view kOpen = "<!-- halvero-menu -->", kClose = "<!-- /halvero-menu -->";

std::string pageText(int folder, int page) {
    std::string text = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Page " +
                       std::to_string(page) +
                       "</title>\n<!-- halvero-menu-style -->\n<!-- /halvero-menu-style -->\n"
                       "</head>\n<body>\n<!-- halvero-menu -->\n<!-- /halvero-menu -->\n<main>\n";
    while (text.size() < 20000)
        text += "<p>Folder " + std::to_string(folder) +
                ", a paragraph of the page's own text that the menu never touches, with a "
                "<a href=\"../index.html\">link</a> and some more words.</p>\n";
    return text + "</main>\n</body>\n</html>\n";
}

void makeSite(const fs::path& site, int pages) {
    fs::remove_all(site);
    for (int i = 0; i < pages; ++i) {
        const int folder = i % 100;
        const fs::path dir = site / ("section-" + std::to_string(folder));
        fs::create_directories(dir);
        std::ofstream(dir / ("page-" + std::to_string(i) + ".html")) << pageText(folder, i);
    }
    std::ofstream(site / "index.html") << pageText(0, -1);
}

std::vector<fs::path> pagesOf(const fs::path& site) {
    std::vector<fs::path> pages;
    for (const auto& entry : fs::recursive_directory_iterator(site))
        if (entry.is_regular_file() && entry.path().extension() == ".html")
            pages.push_back(entry.path());
    return pages;
}

// The floor: each page read, its menu replaced by `menu`, written to a
// temporary file, flushed and renamed over it.
void floorRun(const std::vector<fs::path>& pages, const std::string& menu, unsigned threads) {
    std::atomic<std::size_t> next = 0;
    auto work = [&] {
        for (std::size_t i; (i = next++) < pages.size();) {
            std::ifstream in(pages[i], std::ios::binary);
            std::stringstream buffer;
            buffer << in.rdbuf();
            std::string text = buffer.str();
            const std::size_t open = text.find(kOpen), close = text.find(kClose);
            if (open == std::string::npos || close == std::string::npos)
                continue;
            text.replace(open + kOpen.size(), close - open - kOpen.size(), menu);
            const std::string temporary = pages[i].string() + ".floor";
            const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 ||
                ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size()) ||
                ::fsync(fd) != 0 || ::close(fd) != 0 ||
                ::rename(temporary.c_str(), pages[i].c_str()) != 0) {
                std::perror("floor");
                std::exit(1);
            }
        }
    };
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t)
        workers.emplace_back(work);
    work();
    for (std::thread& worker : workers)
        worker.join();
}

struct Run {
    double seconds;
    long peakKb;
};

Run runHalvero(const std::string& halvero, const std::vector<std::string>& arguments) {
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        std::vector<char*> argv{const_cast<char*>(halvero.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, 1);
        ::unsetenv("DISPLAY");
        ::execv(halvero.c_str(), argv.data());
        std::_Exit(127);
    }
    int status = 0;
    struct rusage usage = {};
    ::wait4(child, &status, 0, &usage);
    const std::chrono::duration<double> spent = Clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "halvero --site failed\n");
        std::exit(1);
    }
    return {spent.count(), usage.ru_maxrss};
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: site_bench HALVERO [FOLDER] [PAGES]\n");
        return 2;
    }
    const std::string halvero = argv[1];
    const fs::path site = fs::path(argc > 2 ? argv[2] : ".") / "site-bench";
    const int pageCount = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10000;
    const std::string items = (site.parent_path() / "site-bench-items.tsv").string();
    {
        std::ofstream list(items);
        list << "Home\tindex.html\n";
        for (int s = 0; s < 10; ++s) {
            list << "Section " << s << "\tsection-" << s << "/page-" << s << ".html\n";
            for (int k = 1; k <= 4; ++k)
                list << "> Part " << k << "\tsection-" << s << "/page-" << (s + 100 * k)
                     << ".html\n";
        }
    }
    // Writing a page waits for the disk more than for a core: a few pages
    // per core keep both busy.
    const unsigned threads = std::clamp(4 * std::thread::hardware_concurrency(), 4u, 32u);

    const std::vector<std::string> arguments = {"--site", site.string(), "--items",
                                                items,    "--set",       "menu.target=_self"};
    // A first update, for the size of what Halvero writes between the
    // markers: the floor writes as much.
    makeSite(site, pageCount);
    const std::vector<fs::path> pages = pagesOf(site);
    std::size_t before = 0, bytes = 0;
    for (const fs::path& page : pages)
        before += fs::file_size(page);
    runHalvero(halvero, arguments);
    for (const fs::path& page : pages)
        bytes += fs::file_size(page);
    const std::string menu((bytes - before) / pages.size(), 'x');

    makeSite(site, pageCount);
    ::sync();
    const auto floorStart = Clock::now();
    floorRun(pages, menu, threads);
    const std::chrono::duration<double> floor = Clock::now() - floorStart;

    makeSite(site, pageCount);
    ::sync();
    const Run full = runHalvero(halvero, arguments);
    const Run again = runHalvero(halvero, arguments);

    std::vector<std::string> shared = arguments;
    shared.insert(shared.end(), {"--set", "page.stylesheet=assets/nav.css"});
    makeSite(site, pageCount);
    ::sync();
    const Run sheet = runHalvero(halvero, shared);
    std::size_t sheetBytes = 0;
    for (const fs::path& page : pages)
        sheetBytes += fs::file_size(page);
    fs::remove_all(site);
    fs::remove(items);

    std::printf("%zu pages, %.1f KB each after the update, %u threads\n", pages.size(),
                static_cast<double>(bytes) / static_cast<double>(pages.size()) / 1024.0, threads);
    std::printf("floor            %7.2f s\n", floor.count());
    std::printf("full update      %7.2f s   %5.2f x the floor, peak memory %ld KB\n", full.seconds,
                full.seconds / floor.count(), full.peakKb);
    std::printf("nothing to change %6.2f s   %5.2f x the floor, peak memory %ld KB\n",
                again.seconds, again.seconds / floor.count(), again.peakKb);
    std::printf("one stylesheet   %7.2f s   %5.2f x the floor; the menu adds %.1f KB a page "
                "(%.1f KB inline)\n",
                sheet.seconds, sheet.seconds / floor.count(),
                static_cast<double>(sheetBytes - before) / static_cast<double>(pages.size()) /
                    1024.0,
                static_cast<double>(bytes - before) / static_cast<double>(pages.size()) / 1024.0);
    return 0;
}
