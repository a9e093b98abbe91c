// Permissions and the folder's lock as a user who is not root: root may write where the
// game's users may not, so when the suite runs as root these commands run as "nobody" on a
// folder that nobody owns.

// Users, setpriv and POSIX permissions: none of it exists on Windows.
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include "CliSupport.h"
#include "TestSupport.h"

using namespace clitest;

namespace {
constexpr uid_t kNobody = 65534;
constexpr gid_t kNoGroup = 65534;

struct Unprivileged : ::testing::Test {
    test::TempDir scratch, game;
    fs::path program;
    bool asRoot = ::geteuid() == 0;

    void SetUp() override {
        if (asRoot && std::system("command -v setpriv >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "running as root without setpriv to become another user";
        test::CopyTree(TQ3_TEST_DATA "/mini", game.path);
        // The program where nobody may run it.
        program = scratch.path / "tq3gen";
        fs::copy_file(TQ3_EXECUTABLE, program);
    }
    // Hands the folder to nobody (as root) and runs the command as that user.
    Result Run(std::vector<std::string> args) {
        if (asRoot) {
            for (const auto& e : fs::recursive_directory_iterator(game.path))
                if (::lchown(e.path().c_str(), kNobody, kNoGroup) != 0) ADD_FAILURE() << e.path();
            EXPECT_EQ(::chown(game.path.c_str(), kNobody, kNoGroup), 0);
            args.insert(args.begin(), {"setpriv", "--reuid=65534", "--regid=65534",
                                       "--clear-groups", "--", program.string()});
        } else {
            args.insert(args.begin(), program.string());
        }
        std::string command;
        for (const std::string& a : args) command += Quote(a) + " ";
        const fs::path out = scratch.path / "out.txt", err = scratch.path / "err.txt";
        command += ">" + Quote(out.string()) + " 2>" + Quote(err.string()) + " </dev/null";
        Result r;
        const int raw = std::system(command.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = test::ReadFile(out);
        r.err = test::ReadFile(err);
        return r;
    }
    Result Generate() { return Run({"generate", "--game-dir", game.str(), "--seed", "3"}); }
};
}  // namespace

TEST_F(Unprivileged, RunsWriteTheFolderTheUserOwns) {
    const Result r = Generate();
    EXPECT_EQ(r.status, 0) << r.err;
    struct stat st {};
    ASSERT_EQ(::stat((game.path / ".tq3gen.lock").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & S_IRUSR, S_IRUSR);
    // The lock serves the next run of the same user.
    EXPECT_EQ(Generate().status, 0);
}

// A lock file that another user made (read-only for everyone else) still locks the folder.
TEST_F(Unprivileged, ALockFileOfAnotherUserStillLocks) {
    if (!asRoot) GTEST_SKIP() << "needs a second user";
    test::WriteFile(game.path / ".tq3gen.lock", "");
    const Result r = Generate();  // hands everything to nobody: give the lock back to root
    ASSERT_EQ(::chown((game.path / ".tq3gen.lock").c_str(), 0, 0), 0);
    ::chmod((game.path / ".tq3gen.lock").c_str(), 0644);
    std::vector<std::string> args{"setpriv", "--reuid=65534",  "--regid=65534", "--clear-groups",
                                  "--",      program.string(), "generate",      "--game-dir",
                                  game.str()};
    std::string command;
    for (const std::string& a : args) command += Quote(a) + " ";
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::system((command + ">/dev/null 2>&1 </dev/null").c_str()), 0);
}

// What a user may not write refuses the run before anything is replaced; a read-only game
// table is made writable, as the game's installer leaves them.
TEST_F(Unprivileged, PermissionsDecideBeforeAnythingIsReplaced) {
    struct Case {
        const char* name;
        const char* path;
        fs::perms perms;
        int status;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"read-only Scenarios/", "Scenarios", fs::perms::owner_read | fs::perms::owner_exec, 1,
         "cannot be written, so the scenario file cannot be made there"},
        {"read-only DB/Country.csv", "DB/Country.csv", fs::perms::owner_read, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir copy;
        game.path.swap(copy.path);
        test::CopyTree(TQ3_TEST_DATA "/mini", game.path);
        const auto db = Tree(game.path / "DB");
        fs::permissions(game.path / c.path, c.perms);
        const Result r = Generate();
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        if (c.status != 0) {
            EXPECT_EQ(Tree(game.path / "DB"), db);
        }
        fs::permissions(game.path / c.path, fs::perms::owner_all);
        game.path.swap(copy.path);
    }
}

#endif  // _WIN32
