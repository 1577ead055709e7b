#include "core/text/AtomicFile.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace halvero;
namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

// Runs `attempt` with the rights of a normal user and returns what it
// returns: directly for a normal user, in a child process that gives up
// root's rights for root (who may write anything).
std::string asNormalUser(const std::function<std::string()>& attempt) {
    if (::geteuid() != 0)
        return attempt();
    int out[2];
    if (::pipe(out) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        std::string result = "could not drop root's rights";
        if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0)
            result = attempt();
        const ssize_t ignored = ::write(out[1], result.data(), result.size());
        (void)ignored;
        ::_exit(0);
    }
    ::close(out[1]);
    std::string result;
    char buffer[256];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    ::close(out[0]);
    ::waitpid(child, nullptr, 0);
    return result;
}

// What a write reports: "written", or the reason it failed.
std::string tryWrite(const std::string& path, std::string_view text) {
    try {
        AtomicFile::write(path, text);
        return "written";
    } catch (const FileWriteError& error) {
        return error.reason();
    }
}

class AtomicFileTest : public ::testing::Test {
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
    // Hands the folder and what is in it to the normal user the tests run
    // as, when they run as root.
    void giveToNormalUser() const {
        if (::geteuid() != 0)
            return;
        ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
        for (const auto& entry : fs::directory_iterator(folder))
            ASSERT_EQ(::lchown(entry.path().c_str(), kNobody, kNobody), 0);
    }

    std::string folder;
    std::string page;
};

} // namespace

TEST(PageFileJoin, OneSeparatorBetweenFolderAndName) {
    EXPECT_EQ(AtomicFile::joinPath("/home/user/bin", "pattern.htm"), "/home/user/bin/pattern.htm");
    EXPECT_EQ(AtomicFile::joinPath("/home/user/bin/", "pattern.htm"), "/home/user/bin/pattern.htm");
    EXPECT_EQ(AtomicFile::joinPath("/", "pattern.htm"), "/pattern.htm");
    EXPECT_EQ(AtomicFile::joinPath("C:\\", "pattern.htm"), "C:\\pattern.htm");
    EXPECT_EQ(AtomicFile::joinPath("", "pattern.htm"), "pattern.htm");
}

TEST_F(AtomicFileTest, WritesExactBytesAndReplacesTheOldPage) {
    AtomicFile::write(page, "first page, longer than the second\r\n");
    AtomicFile::write(page, "second\r\n");
    EXPECT_EQ(read(), "second\r\n");
    EXPECT_EQ(entries(), 1u) << "temporary file left behind";
}

TEST_F(AtomicFileTest, NewPageGetsTheUsualModeAndAnOldOneKeepsItsMode) {
    const mode_t old = ::umask(022);
    AtomicFile::write(page, "x");
    EXPECT_EQ(fs::status(page).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
    fs::permissions(page, fs::perms::owner_read | fs::perms::owner_write);
    AtomicFile::write(page, "y");
    EXPECT_EQ(fs::status(page).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    ::umask(old);
}

TEST_F(AtomicFileTest, MissingFolderIsReportedWithPathAndReason) {
    const std::string path = folder + "/missing/pattern.htm";
    try {
        AtomicFile::write(path, "x");
        FAIL() << "no error";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_EQ(error.reason(), "No such file or directory");
        EXPECT_EQ(std::string(error.what()),
                  "Cannot write \"" + path + "\": No such file or directory");
    }
}

TEST_F(AtomicFileTest, NameTakenByAFolderIsAnError) {
    fs::create_directory(page);
    EXPECT_THROW(AtomicFile::write(page, "x"), FileWriteError);
    EXPECT_TRUE(fs::is_directory(page));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(AtomicFileTest, ReadOnlyFolderLeavesTheOldPage) {
    AtomicFile::write(page, "old");
    giveToNormalUser();
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(asNormalUser([&] { return tryWrite(page, "new"); }), "Permission denied");
    EXPECT_EQ(read(), "old");
}

TEST_F(AtomicFileTest, ReadOnlyPageIsReportedAndLeftUntouched) {
    AtomicFile::write(page, "old");
    fs::permissions(page, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    giveToNormalUser();
    EXPECT_EQ(asNormalUser([&] {
                  try {
                      AtomicFile::write(page, "new");
                      return std::string("written");
                  } catch (const FileWriteError& error) {
                      return error.path() + ": " + error.reason();
                  }
              }),
              page + ": Permission denied");
    EXPECT_EQ(read(), "old");
    EXPECT_EQ(fs::status(page).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(entries(), 1u);
    if (::geteuid() == 0) { // root may write any file
        AtomicFile::write(page, "root's");
        EXPECT_EQ(read(), "root's");
    }
}

TEST_F(AtomicFileTest, SymbolicLinkIsWrittenThroughAndStays) {
    fs::create_directory(folder + "/site");
    const std::string target = folder + "/site/menu.htm";
    fs::create_symlink("site/menu.htm", page); // relative, and dangling at first
    AtomicFile::write(page, "first");
    AtomicFile::write(page, "second");
    EXPECT_TRUE(fs::is_symlink(page));
    EXPECT_EQ(read(), "second");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder + "/site"), {}), 1);
    EXPECT_EQ(entries(), 2u);
}

// Only names this writer alone makes are taken for its leftovers: the
// user's own hidden backups of the page are never touched.
TEST_F(AtomicFileTest, LeftoversOfKilledWritersAreRemovedAndNothingElse) {
    const std::string dead = std::to_string(::getpid() + 4000000); // beyond pid_max
    const std::string alive = std::to_string(::getppid());
    for (const std::string& name :
         {".pattern.htm.halvero-" + dead + "-Ab12Cd", ".pattern.htm.halvero-" + alive + "-Ab12Cd",
          std::string(".pattern.htm.Ab12Cd"), std::string(".pattern.htm.backup"),
          std::string(".pattern.htm.orig01"), std::string(".pattern.htm.12345-saved1"),
          ".other.htm.halvero-" + dead + "-Ab12Cd"})
        std::ofstream(folder + "/" + name) << "x";
    AtomicFile::write(page, "page");
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".other.htm.halvero-" + dead + "-Ab12Cd",
                                              ".pattern.htm.12345-saved1", ".pattern.htm.Ab12Cd",
                                              ".pattern.htm.backup",
                                              ".pattern.htm.halvero-" + alive + "-Ab12Cd",
                                              ".pattern.htm.orig01", "pattern.htm"}));
}

// As the kernel refuses an ordinary open: a link in a shared sticky folder,
// owned by someone else, is not followed to the file it names.
TEST_F(AtomicFileTest, AnotherUsersLinkInASharedFolderIsNotFollowed) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to make a link owned by another user";
    const std::string shared = folder + "/shared", victim = folder + "/victim.htm";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all | fs::perms::sticky_bit);
    std::ofstream(victim) << "precious";
    const std::string link = shared + "/x.htm";
    fs::create_symlink(victim, link);
    ASSERT_EQ(::lchown(link.c_str(), kNobody, kNobody), 0);
    const std::string refused = tryWrite(link, "page");
    EXPECT_NE(refused.find("symbolic link of another user"), std::string::npos) << refused;
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "precious");
    EXPECT_TRUE(fs::is_symlink(link));
    // The folder's owner's own link is followed, as the kernel allows.
    ASSERT_EQ(::lchown(link.c_str(), 0, 0), 0);
    EXPECT_EQ(tryWrite(link, "page"), "written");
}

// A process killed at any moment of a write leaves one of the complete
// pages, and the next write leaves no temporary file behind.
TEST_F(AtomicFileTest, KilledWritesLeaveAWholePageAndNoTemporaryFiles) {
    const std::string versions[] = {std::string(300000, 'a') + "\r\n",
                                    std::string(200000, 'b') + "\r\n"};
    const std::string next = "next\r\n";
    AtomicFile::write(page, versions[0]);
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> micros(0, 4000);
    for (int round = 0; round < 60; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i)
                AtomicFile::write(page, versions[i % 2]);
        }
        ::usleep(static_cast<useconds_t>(micros(random)));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string now = read();
        ASSERT_TRUE(now == versions[0] || now == versions[1] || now == next)
            << "round " << round << ": a page of " << now.size() << " bytes";
        AtomicFile::write(page, next);
        ASSERT_EQ(entries(), 1u) << "round " << round << ": a temporary file remains";
    }
}

TEST_F(AtomicFileTest, FailureHalfwayLeavesTheOldPageWhole) {
    AtomicFile::write(page, "old page");
    // A file-size limit makes the write fail partway, as a full disk would.
    struct rlimit saved = {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(AtomicFile::write(page, std::string(100000, 'n')), FileWriteError);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(read(), "old page");
    EXPECT_EQ(entries(), 1u) << "temporary file left behind";
}

// What is not a file is never replaced: a device node or a FIFO keeps its
// kind, and the write says why.
TEST_F(AtomicFileTest, DevicesAndFifosAreRefusedAndLeftAsTheyAre) {
    std::vector<std::string> nodes = {folder + "/page.fifo"};
    ASSERT_EQ(::mkfifo(nodes[0].c_str(), 0644), 0);
    if (::geteuid() == 0) { // a copy of /dev/null
        nodes.push_back(folder + "/null");
        ASSERT_EQ(::mknod(nodes[1].c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
    }
    for (const std::string& node : nodes) {
        EXPECT_EQ(tryWrite(node, "page"), "not a regular file; only a file is replaced");
        EXPECT_FALSE(fs::is_regular_file(node)) << node;
    }
    EXPECT_EQ(entries(), nodes.size()) << "temporary file left behind";
}

// Writing a page never changes who can read it: root's write keeps a
// user's page the user's, and a user's write keeps the page's group or,
// where the new copy cannot have it, leaves the page as it was.
TEST_F(AtomicFileTest, AReplacedPageKeepsItsOwnerAndGroupOrIsRefused) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to give pages to other users";
    std::ofstream(page) << "old";
    ASSERT_EQ(::chown(page.c_str(), kNobody, 33), 0); // nobody:www-data
    ASSERT_EQ(::chmod(page.c_str(), 0640), 0);
    EXPECT_EQ(tryWrite(page, "new by root"), "written");
    struct stat status = {};
    ASSERT_EQ(::stat(page.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kNobody);
    EXPECT_EQ(status.st_gid, 33u);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    // nobody, not in the page's group, cannot give a new copy that group.
    giveToNormalUser();
    ASSERT_EQ(::chown(page.c_str(), kNobody, 33), 0);
    EXPECT_EQ(asNormalUser([&] { return tryWrite(page, "new by nobody"); }),
              "it belongs to nobody:www-data, which a new copy written by nobody cannot keep; "
              "left as it was");
    EXPECT_EQ(read(), "new by root");
    ASSERT_EQ(::stat(page.c_str(), &status), 0);
    EXPECT_EQ(status.st_gid, 33u);
    EXPECT_EQ(entries(), 1u) << "the refused copy is gone";
}

// Writers of one page at the same time all succeed, and the page is one
// of theirs, whole: none takes another's temporary file for a leftover.
TEST_F(AtomicFileTest, ConcurrentWritersAllSucceed) {
    constexpr int kWriters = 20;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            bool ok = true;
            for (int round = 0; round < 20 && ok; ++round)
                ok = tryWrite(page, std::string(20000, static_cast<char>('a' + writer))) ==
                     "written";
            ::_exit(ok ? 0 : 1);
        }
        children.push_back(child);
    }
    int failed = 0;
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        failed += !(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(failed, 0);
    const std::string now = read();
    ASSERT_EQ(now.size(), 20000u);
    EXPECT_EQ(now.find_first_not_of(now[0]), std::string::npos);
    EXPECT_EQ(entries(), 1u);
}
