#include "core/site/SiteJob.h"
#include "core/items/ItemsText.h"
#include "core/settings/SettingTable.h"
#include "core/site/SiteUpdate.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace halvero;
namespace fs = std::filesystem;

namespace {

constexpr const char* kMarked = "<!DOCTYPE html>\n<html><head><title>Page</title>\n"
                                "<!-- halvero-menu-style --><!-- /halvero-menu-style -->\n"
                                "</head><body>\n<!-- halvero-menu --><!-- /halvero-menu -->\n"
                                "</body></html>\n";

MenuSettings menu() {
    MenuSettings settings;
    settings.initialise();
    settings.setValue(SettingTable::kTarget, "_self");
    settings.setMenuItems(ItemsText::parse("Home\tindex.html\nAbout\tabout.html\n"));
    return settings;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// The report's lines, one a line.
// The report without the diffs a check shows under each page that differs.
std::string reportOf(const SiteJob& job, bool check) {
    std::string text;
    for (const SiteJob::Line& line : job.report(check))
        if (!line.text.starts_with("  "))
            text += (line.problem ? "! " : "") + line.text + "\n";
    return text;
}

class SiteJobTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/halvero-site-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        top = pattern;
        site = top / "site";
        fs::create_directories(site);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(top, ignored);
    }

    fs::path top, site;
};

} // namespace

// A page or a folder swapped for a symbolic link between the walk and the
// write is refused, and nothing outside the site is written.
TEST_F(SiteJobTest, PagesSwappedForLinksAfterTheWalkAreNotWrittenThrough) {
    writeFile(site / "index.html", kMarked);
    writeFile(site / "blog" / "post.html", kMarked);
    writeFile(top / "outside" / "post.html", kMarked);
    writeFile(top / "secret.html", kMarked);
    SiteFolder folder(site.string());
    SiteFolder::Walk walk = folder.walk();
    ASSERT_EQ(walk.pages.size(), 2u);

    fs::remove(site / "index.html");
    fs::create_symlink(top / "secret.html", site / "index.html");
    fs::remove_all(site / "blog");
    fs::create_directory_symlink(top / "outside", site / "blog");
    const MenuSettings settings = menu();
    const SiteUpdate::Site style = SiteUpdate::site(settings);
    for (SiteFolder::Page& page : walk.pages) {
        folder.update(page, settings, style, false);
        EXPECT_EQ(page.outcome, SiteFolder::Outcome::Unreadable) << page.path;
        EXPECT_NE(page.problem.find("symbolic link"), std::string::npos) << page.problem;
    }
    EXPECT_EQ(readFile(top / "secret.html"), kMarked);
    EXPECT_EQ(readFile(top / "outside" / "post.html"), kMarked);
}

// What the walk passes over is said: folders it cannot read (a failure),
// files named .html that are no pages, links into hidden folders; copies a
// stopped write left are named by a check and removed by an update; a
// name holding a control character is quoted; a hard-linked page is said
// to be split from its other name.
TEST_F(SiteJobTest, WhatTheWalkPassesOverIsSaid) {
    writeFile(site / "a\nb.html", kMarked);
    writeFile(site / "shared.html", kMarked);
    fs::create_hard_link(site / "shared.html", top / "other-name.html");
    writeFile(site / ".drafts" / "x.html", kMarked);
    fs::create_symlink(".drafts/x.html", site / "draft.html");
    fs::create_symlink("nowhere.html", site / "dangling.html");
    ASSERT_EQ(::mkfifo((site / "pipe.html").c_str(), 0644), 0);
    // A leftover of a writer that has ended.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const std::string leftover = ".shared.html.halvero-" + std::to_string(ended) + "-AbCd12";
    writeFile(site / leftover, "a whole old copy");

    SiteJob job(menu(), site.string());
    ASSERT_TRUE(job.run(true, SiteJob::Busy::Refuse));
    const std::string broken = "! item 1 (Home): index.html leads to no file of the site\n"
                               "! item 2 (About): about.html leads to no file of the site\n";
    EXPECT_EQ(reportOf(job, true),
              broken +
                  "differs: \"a\\nb.html\"\n"
                  "! dangling.html: a symbolic link to nothing; left alone\n"
                  "! draft.html: leads into a hidden folder, which is left alone\n"
                  "! pipe.html: not a regular file; left alone\n"
                  "differs: shared.html\n"
                  "! " +
                  leftover +
                  ": a copy left by a write that was stopped; an update removes it\n"
                  "5 pages: 2 differ, 0 unchanged; 2 item links leading to no file; 1 leading "
                  "out of the site; 2 not pages; "
                  "1 copy left by a stopped write\n");
    EXPECT_EQ(job.status(true), 1);

    ASSERT_TRUE(job.run(false, SiteJob::Busy::Refuse));
    EXPECT_EQ(reportOf(job, false),
              broken +
                  "updated: \"a\\nb.html\"\n"
                  "! dangling.html: a symbolic link to nothing; left alone\n"
                  "! draft.html: leads into a hidden folder, which is left alone\n"
                  "! pipe.html: not a regular file; left alone\n"
                  "updated: shared.html (its other name, a hard link, keeps the old page)\n"
                  "5 pages: 2 updated, 0 unchanged; 2 item links leading to no file; 1 leading out "
                  "of the site; 2 not pages; 1 copy left by a stopped write removed\n");
    EXPECT_EQ(job.status(false), 0);
    EXPECT_FALSE(fs::exists(site / leftover));
    EXPECT_EQ(readFile(site / ".drafts" / "x.html"), kMarked);

    // A folder that cannot be read fails the run, by name.
    if (::geteuid() == 0)
        return; // root reads every folder
    fs::create_directories(site / "locked");
    fs::permissions(site / "locked", fs::perms::none);
    ASSERT_TRUE(job.run(true, SiteJob::Busy::Refuse));
    fs::permissions(site / "locked", fs::perms::owner_all);
    EXPECT_NE(reportOf(job, true).find("! locked/: cannot be read (Permission denied); its pages "
                                       "are not updated\n"),
              std::string::npos);
    EXPECT_EQ(job.status(true), 1);
}

// A link an item has of its own in one of the site's languages is checked
// like its first one; a link only moved into a language's folder is not,
// as a page missing in a language is what page.missingTranslation answers.
TEST_F(SiteJobTest, AnItemsOwnLinkInALanguageIsChecked) {
    writeFile(site / "index.html", kMarked);
    writeFile(site / "about.html", kMarked);
    writeFile(site / "de" / "index.html", kMarked);
    MenuSettings settings = menu();
    settings.setLanguages({{"en", "English", ""}, {"de", "Deutsch", "de/"}});
    std::vector<MenuItem> items = settings.menuItems();
    items[1].links = {{"de", "de/ueber-uns.html"}, {"fr", "fr/a-propos.html"}};
    settings.setMenuItems(items);

    SiteJob job(settings, site.string());
    ASSERT_TRUE(job.run(true, SiteJob::Busy::Refuse));
    EXPECT_EQ(job.brokenLinks(),
              std::vector<std::string>{
                  "item 2 (About) in de: de/ueber-uns.html leads to no file of the site"});

    writeFile(site / "de" / "ueber-uns.html", kMarked);
    ASSERT_TRUE(job.run(true, SiteJob::Busy::Refuse));
    EXPECT_TRUE(job.brokenLinks().empty());
}

// Folders nested deeper than the descriptors a process may hold are
// walked and updated all the same.
TEST_F(SiteJobTest, FoldersDeeperThanTheOpenFileLimitAreWalked) {
    fs::path deep = site;
    for (int level = 0; level < 300; ++level)
        deep /= "d";
    writeFile(deep / "page.html", kMarked);
    writeFile(site / "index.html", kMarked);
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit few{64, 64};
        ::setrlimit(RLIMIT_NOFILE, &few);
        SiteJob job(menu(), site.string());
        const bool ran = job.run(false, SiteJob::Busy::Refuse);
        ::_exit(ran && job.status(false) == 0 && job.count(SiteJob::Outcome::Updated) == 2 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_NE(readFile(deep / "page.html"), kMarked);
}

// One update of a site at a time: a second is refused (or waits), checks
// share the site with each other.
TEST_F(SiteJobTest, OneUpdateOfASiteAtATime) {
    writeFile(site / "index.html", kMarked);
    auto updating = std::make_unique<SiteFolder>(site.string());
    ASSERT_TRUE(updating->tryLock(SiteFolder::Lock::Alone));
    EXPECT_FALSE(SiteFolder(site.string()).tryLock(SiteFolder::Lock::Shared));
    SiteJob job(menu(), site.string());
    EXPECT_FALSE(job.run(false, SiteJob::Busy::Refuse));
    EXPECT_EQ(job.problem(), "another run is updating this site; try again when it has finished");
    EXPECT_EQ(readFile(site / "index.html"), kMarked);

    updating.reset(); // the lock goes with the folder
    SiteFolder reader(site.string()), another(site.string());
    EXPECT_TRUE(reader.tryLock(SiteFolder::Lock::Shared));
    EXPECT_TRUE(another.tryLock(SiteFolder::Lock::Shared));
    EXPECT_FALSE(SiteFolder(site.string()).tryLock(SiteFolder::Lock::Alone));
}
