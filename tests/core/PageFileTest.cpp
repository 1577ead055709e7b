#include "PageFile.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace halvero;
namespace fs = std::filesystem;

namespace {

class PageFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/halvero-pagefile-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
        page = folder + "/pattern.htm";
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, ignored);
        fs::remove_all(folder, ignored);
    }

    std::string read() const {
        std::ifstream in(page, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
    }

    std::string folder;
    std::string page;
};

} // namespace

TEST(PageFileJoin, OneSeparatorBetweenFolderAndName) {
    EXPECT_EQ(PageFile::joinPath("/home/user/bin", "pattern.htm"), "/home/user/bin/pattern.htm");
    EXPECT_EQ(PageFile::joinPath("/home/user/bin/", "pattern.htm"), "/home/user/bin/pattern.htm");
    EXPECT_EQ(PageFile::joinPath("/", "pattern.htm"), "/pattern.htm");
    EXPECT_EQ(PageFile::joinPath("C:\\", "pattern.htm"), "C:\\pattern.htm");
    EXPECT_EQ(PageFile::joinPath("", "pattern.htm"), "pattern.htm");
}

TEST_F(PageFileTest, WritesExactBytesAndReplacesTheOldPage) {
    PageFile::write(page, "first page, longer than the second\r\n");
    PageFile::write(page, "second\r\n");
    EXPECT_EQ(read(), "second\r\n");
    EXPECT_EQ(entries(), 1u) << "temporary file left behind";
}

TEST_F(PageFileTest, NewPageGetsTheUsualModeAndAnOldOneKeepsItsMode) {
    const mode_t old = ::umask(022);
    PageFile::write(page, "x");
    EXPECT_EQ(fs::status(page).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    fs::permissions(page, fs::perms::owner_read | fs::perms::owner_write);
    PageFile::write(page, "y");
    EXPECT_EQ(fs::status(page).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    ::umask(old);
}

TEST_F(PageFileTest, MissingFolderIsReportedWithPathAndReason) {
    const std::string path = folder + "/missing/pattern.htm";
    try {
        PageFile::write(path, "x");
        FAIL() << "no error";
    } catch (const PageWriteError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_EQ(error.reason(), "No such file or directory");
        EXPECT_EQ(std::string(error.what()),
                  "Cannot write \"" + path + "\": No such file or directory");
    }
}

TEST_F(PageFileTest, NameTakenByAFolderIsAnError) {
    fs::create_directory(page);
    EXPECT_THROW(PageFile::write(page, "x"), PageWriteError);
    EXPECT_TRUE(fs::is_directory(page));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(PageFileTest, ReadOnlyFolderLeavesTheOldPage) {
    PageFile::write(page, "old");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(folder.c_str(), W_OK) == 0)
        GTEST_SKIP() << "permissions are not enforced for this user";
    try {
        PageFile::write(page, "new");
        FAIL() << "no error";
    } catch (const PageWriteError& error) {
        EXPECT_EQ(error.reason(), "Permission denied");
    }
    EXPECT_EQ(read(), "old");
}

TEST_F(PageFileTest, FailureHalfwayLeavesTheOldPageWhole) {
    PageFile::write(page, "old page");
    // A file-size limit makes the write fail partway, as a full disk would.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(PageFile::write(page, std::string(100000, 'n')), PageWriteError);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(read(), "old page");
    EXPECT_EQ(entries(), 1u) << "temporary file left behind";
}
