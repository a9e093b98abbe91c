// Targets that no command may write: tq3gen's own names in a game folder, and run folders
// that are, or reach into, a game folder. Each is refused before anything is written.

#include "CliSupport.h"
#include "TestSupport.h"
#include "render/PngFile.h"

using namespace clitest;

namespace {
// The game folder's files but the lock, which any command may make.
std::map<std::string, std::string> Files(const fs::path& game) {
    auto files = Tree(game);
    files.erase(".tq3gen.lock");
    return files;
}

struct WriteTargets : ::testing::Test {
    test::TempDir scratch, game;
    void SetUp() override { test::CopyTree(TQ3_TEST_DATA "/mini", game.path); }
};
}  // namespace

TEST_F(WriteTargets, ReservedNamesAreRefusedByEveryCommand) {
    const std::string dir = game.str();
    const std::vector<std::vector<std::string>> commands = {
        {"sweep", "--game-dir", dir, "--seeds", "1..2", "--csv"},
        {"generate", "--game-dir", dir, "--seed", "3", "--recipe"},
        {"generate", "--game-dir", dir, "--seed", "3", "--out"},
        {"generate", "--game-dir", dir, "--seed", "3", "--preview-dir"},
        {"backup-scenario", "--game-dir", dir, "--to"},
        {"render", "--game-dir", dir, "--layer", "terrain", "--out"},
    };
    const auto before = Files(game.path);
    for (const char* name : {".tq3gen-journal", ".tq3gen-abcdef", ".tq3gen.lock", ".TQ3GEN-x"}) {
        for (std::vector<std::string> args : commands) {
            args.push_back((game.path / name).string());
            SCOPED_TRACE(args[0] + " " + args[args.size() - 2] + " " + name);
            const Result r = RunTq3(args, scratch.path);
            // A build without PNG support refuses every picture before it looks at the target.
            const bool pictures = args[0] == "render" || args[args.size() - 2] == "--preview-dir";
            const char* why =
                pictures && !CanWritePictures() ? NoPicturesMessage : "keeps for its own files";
            EXPECT_EQ(r.status, 1);
            EXPECT_NE(r.err.find(why), std::string::npos) << r.err;
            EXPECT_TRUE(Files(game.path) == before);
        }
    }
}

TEST_F(WriteTargets, RunFoldersNeverReachIntoAGameFolder) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need a privilege on Windows that users seldom have";
#endif
    test::TempDir other;
    test::CopyTree(TQ3_TEST_DATA "/mini", other.path / "game");
    // A copy made of links, as `cp -rs` makes it, and a folder whose DB/ is a link.
    const fs::path linkedCopy = scratch.path / "linked";
    for (const auto& e : fs::recursive_directory_iterator(game.path)) {
        const fs::path at = linkedCopy / fs::relative(e.path(), game.path);
        if (e.is_directory())
            fs::create_directories(at);
        else
            fs::create_symlink(e.path(), at);
    }
    fs::create_directories(scratch.path / "dblink");
    fs::create_directory_symlink(game.path / "DB", scratch.path / "dblink" / "DB");
    const struct {
        fs::path out;
        const char* why;
    } cases[] = {
        {other.path / "game", "is a game folder"},
        {other.path / "game" / "mine", "lies inside the game folder"},
        {game.path / "runs", "lies inside the game folder"},
        {linkedCopy, "is a game folder"},
        {scratch.path / "dblink", "by a link"},
    };
    const auto before = Tree(game.path);
    const auto otherBefore = Tree(other.path);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        const Result r =
            RunTq3({"generate", "--game-dir", game.str(), "--seed", "3", "--out", c.out.string()},
                   scratch.path);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.why), std::string::npos) << r.err;
    }
    EXPECT_TRUE(Files(game.path) == before);
    EXPECT_TRUE(Tree(other.path) == otherBefore);
}
