// Broken game folders and interrupted or concurrent runs: the game's files end either
// untouched or all from one sound run, the originals stay recoverable, and the message and
// exit status say what happened.

#include <functional>

#include "CliSupport.h"
#include "TestSupport.h"
#include "base/NameMatch.h"

using namespace clitest;

namespace {

struct NothingLost : ::testing::Test {
    test::TempDir scratch, game;
    std::string originalProvinces;
    void SetUp() override {
        test::CopyTree(TQ3_TEST_DATA "/mini", game.path);
        originalProvinces = test::ReadFile(game.path / "DB" / "Province.csv");
    }
    Result Generate(std::vector<std::string> extra = {}) {
        std::vector<std::string> args{"generate", "--game-dir", game.str(), "--seed", "3"};
        args.insert(args.end(), extra.begin(), extra.end());
        return RunTq3(args, scratch.path);
    }
    std::string Provinces() const { return test::ReadFile(game.path / "DB" / "Province.csv"); }
    std::string Config(const char* name) const { return (game.path / "Config" / name).string(); }
    // Whether the game's original province table can still be had: in DB/ or in Backup/.
    bool OriginalRecoverable() const {
        const fs::path backup = game.path / "Backup" / "Province.csv";
        return Provinces() == originalProvinces ||
               (fs::exists(backup) && test::ReadFile(backup) == originalProvinces);
    }
};

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
        text.replace(at, from.size(), to);
    return text;
}

}  // namespace

TEST_F(NothingLost, UnsoundInputsRefuseTheRunBeforeAnythingIsWritten) {
    struct Case {
        const char* name;
        std::function<void(NothingLost&)> breakFolder;
        std::vector<std::string> args;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"no province template",
         [](NothingLost& t) { fs::remove(t.Config("TQ3GenerProvince.csv")); },
         {},
         "The run cannot start: the province template"},
        {"no map adjacency",
         [](NothingLost& t) { fs::remove(t.Config("TQ3GenerAdjDataOrig.tbl")); },
         {},
         "The run cannot start: the adjacency tables"},
        {"no adjacency index",
         [](NothingLost& t) { fs::remove(t.Config("TQ3GenerAdjIndex.tbl")); },
         {},
         "The run cannot start: the adjacency tables"},
        {"no placement adjacency",
         [](NothingLost& t) { fs::remove(t.Config("TQ3GenerAdjData.tbl")); },
         {},
         "The run cannot start: the placement adjacency table"},
        {"ProvinceCount not a number",
         nullptr,
         {"--mode", "1", "--set", "ProvinceCount=abc"},
         "The run cannot start: ProvinceCount is \"abc\""},
        {"ProvinceCount empty",
         nullptr,
         {"--mode", "1", "--set", "ProvinceCount="},
         "The run cannot start: ProvinceCount is \"\""},
        {"ProvinceCount zero",
         nullptr,
         {"--mode", "1", "--set", "ProvinceCount=0"},
         "The run cannot start: ProvinceCount is \"0\""},
        {"ProvinceCount a fraction",
         nullptr,
         {"--mode", "1", "--set", "ProvinceCount=1.5"},
         "The run cannot start: ProvinceCount is \"1.5\""},
        {"GeneratorMode 3",
         nullptr,
         {"--set", "GeneratorMode=3"},
         "The run cannot start: GeneratorMode is 3"},
        {"GeneratorMode -1",
         nullptr,
         {"--set", "GeneratorMode=-1"},
         "The run cannot start: GeneratorMode is -1"},
        {"empty scenario name",
         nullptr,
         {"--set", "ScenarioFileName="},
         "The run cannot start: ScenarioFileName is empty"},
        {"blank scenario name",
         nullptr,
         {"--set", "ScenarioFileName=   "},
         "The run cannot start: ScenarioFileName is empty"},
        {"scenario name with a tab",
         nullptr,
         {"--set", "ScenarioFileName=a\tb"},
         "The run cannot start: ScenarioFileName holds a control character"},
        {"the scenario is a folder",
         [](NothingLost& t) { fs::create_directories(t.game.path / "Scenarios" / "Mini.tqg"); },
         {},
         "Mini.tqg\" is in the way: it is not a regular file."},
        {"the scenario is read-only",
         [](NothingLost& t) {
             test::WriteFile(t.game.path / "Scenarios" / "Mini.tqg", "the game's own");
             fs::permissions(t.game.path / "Scenarios" / "Mini.tqg", fs::perms::owner_read);
         },
         {},
         "Mini.tqg\" is read-only."},
        {"scenario name too long",
         nullptr,
         {"--set", "ScenarioFileName=" + std::string(252, 'a')},
         "The run cannot start: ScenarioFileName is 252 characters long"},
        {"fixed province row broken by a line feed",
         [](NothingLost& t) {
             std::string fixed = test::ReadFile(t.Config("TQ3GenerFixedProvince.csv"));
             fixed.insert(fixed.find("\r\n", fixed.find("\r\n") + 2), "\n");
             test::WriteFile(t.Config("TQ3GenerFixedProvince.csv"), fixed);
         },
         {},
         "TQ3GenerFixedProvince.csv:2: the line ends with a line feed alone"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir copy;
        game.path.swap(copy.path);  // a fresh folder for each case
        test::CopyTree(TQ3_TEST_DATA "/mini", game.path);
        if (c.breakFolder) c.breakFolder(*this);
        const auto before = Tree(game.path / "DB");
        const Result r = Generate(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("succesfuly"), std::string::npos) << r.err;
        EXPECT_EQ(Tree(game.path / "DB"), before);
        EXPECT_FALSE(fs::is_regular_file(game.path / "Scenarios" / "Mini.tqg") &&
                     test::ReadFile(game.path / "Scenarios" / "Mini.tqg") != "the game's own");
        EXPECT_FALSE(fs::exists(game.path / "Scenarios" / ".tqg"));
        game.path.swap(copy.path);
    }
}

TEST_F(NothingLost, CheckReportsWhatARunWouldRefuse) {
    fs::remove(game.path / "Config" / "TQ3GenerAdjData.tbl");
    std::string settings = test::ReadFile(game.path / "Config" / "TQ3Gener.csv");
    const std::size_t at = settings.find("\r\nScenarioFileName;") + 2;
    settings.replace(at, settings.find("\r\n", at) - at, "ScenarioFileName;");
    test::WriteFile(game.path / "Config" / "TQ3Gener.csv", settings);
    const Result r = RunTq3({"check", "--game-dir", game.str()}, scratch.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("The run cannot start: the placement adjacency table"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("The run cannot start: ScenarioFileName is empty"), std::string::npos)
        << r.err;
}

TEST_F(NothingLost, SettingsWithLineFeedsAloneReadAsLines) {
    const Result crlf = Generate();
    ASSERT_EQ(crlf.status, 0) << crlf.err;
    const std::string expected = Provinces();

    test::TempDir other;
    test::CopyTree(TQ3_TEST_DATA "/mini", other.path);
    for (const char* name : {"TQ3Gener.csv", "TQ3GenerProvince.csv", "TQ3GenerCountry.csv",
                             "TQ3GenerFixedProvince.csv"}) {
        const fs::path file = other.path / "Config" / name;
        test::WriteFile(file, Replace(test::ReadFile(file), "\r\n", "\n"));
    }
    const Result lf = RunTq3({"generate", "--game-dir", other.str(), "--seed", "3"}, scratch.path);
    EXPECT_EQ(lf.status, 0) << lf.err;
    EXPECT_EQ(test::ReadFile(other.path / "DB" / "Province.csv"), expected);
}

TEST_F(NothingLost, OriginalsAreKeptBeforeTheyAreReplaced) {
    struct Case {
        const char* name;
        std::function<void(NothingLost&)> prepare;
        int status;
        bool provincesReplaced;
    };
    const std::vector<Case> cases = {
        // Made before the first run: the start-up question is not asked, and the run copies
        // each original before replacing it.
        {"empty Backup folder",
         [](NothingLost& t) { fs::create_directory(t.game.path / "Backup"); }, 0, true},
        // A first run killed after the backup folder was made and before the copies.
        {"backup folder with some files only",
         [](NothingLost& t) {
             fs::create_directory(t.game.path / "Backup");
             test::WriteFile(t.game.path / "Backup" / "Revolt.txt", "kept\r\n");
         },
         0, true},
        // No backup can be made: nothing of DB/ is replaced.
        {"Backup is a file",
         [](NothingLost& t) { test::WriteFile(t.game.path / "Backup", "not a folder"); }, 1, false},
        {"Backup/Province.csv is a folder",
         [](NothingLost& t) { fs::create_directories(t.game.path / "Backup" / "Province.csv"); }, 1,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir copy;
        game.path.swap(copy.path);
        test::CopyTree(TQ3_TEST_DATA "/mini", game.path);
        c.prepare(*this);
        const Result r = Generate();
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(Provinces() != originalProvinces, c.provincesReplaced);
        EXPECT_TRUE(OriginalRecoverable());
        if (c.status != 0) {
            EXPECT_EQ(r.err.find("succesfuly"), std::string::npos) << r.err;
            EXPECT_NE(r.err.find("could not be copied to"), std::string::npos) << r.err;
        }
        game.path.swap(copy.path);
    }
}

// A run lands all its files or none: when one file or one keeping copy cannot be made, no
// file is replaced and no scenario is written, and the failure is named instead of success.
TEST_F(NothingLost, ARunThatCannotWriteEveryFileReplacesNothing) {
    struct Case {
        const char* name;
        std::function<void(NothingLost&)> prepare;
        const char* named;  // a part of stderr
    };
    const std::vector<Case> cases = {
        {"Revolt.txt is a folder",
         [](NothingLost& t) {
             fs::remove(t.game.path / "DB" / "Revolt.txt");
             fs::create_directories(t.game.path / "DB" / "Revolt.txt");
         },
         "Revolt.txt\" on disk ! (it is not a regular file)"},
        {"Backup is a file",
         [](NothingLost& t) { test::WriteFile(t.game.path / "Backup", "not a folder"); },
         "could not be copied to"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::TempDir copy;
        game.path.swap(copy.path);
        test::CopyTree(TQ3_TEST_DATA "/mini", game.path);
        c.prepare(*this);
        const auto db = Tree(game.path / "DB");
        const Result r = Generate();
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err.find("succesfuly"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Some files could not be written:"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("Wrote"), std::string::npos) << r.out;
        EXPECT_EQ(Tree(game.path / "DB"), db);
        EXPECT_FALSE(fs::is_regular_file(game.path / "Scenarios" / "Mini.tqg"));
        game.path.swap(copy.path);
    }
}

TEST_F(NothingLost, LeftoverTemporaryFilesAreRemovedAtTheNextRun) {
    test::WriteFile(game.path / "DB" / ".tq3gen-a1B2c3", "half a table");
    test::WriteFile(game.path / "Scenarios" / ".tq3gen-zzzzzz", "half a scenario");
    test::WriteFile(game.path / "DB" / ".tq3gen-keep-me", "not one of ours");
    const Result r = Generate();
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(fs::exists(game.path / "DB" / ".tq3gen-a1B2c3"));
    EXPECT_FALSE(fs::exists(game.path / "Scenarios" / ".tq3gen-zzzzzz"));
    EXPECT_TRUE(fs::exists(game.path / "DB" / ".tq3gen-keep-me"));
}

TEST_F(NothingLost, OneRunAtATimePerGameFolder) {
    // Another run holds the folder's lock.
    test::HeldLock other(game.path / ".tq3gen.lock");
    ASSERT_TRUE(other.held());
    const auto before = Tree(game.path / "DB");
    Result r = Generate();
    EXPECT_EQ(r.status, 1);
    // The command waits once and says so once.
    const std::size_t said = r.err.find("is in use by another run of tq3gen");
    EXPECT_NE(said, std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("is in use", said + 1), std::string::npos) << r.err;
    EXPECT_EQ(Tree(game.path / "DB"), before);
    // (Every other operation refuses a held folder too: tests/session, without the wait.)

    // Once it is done, the folder is free again.
    other.Release();
    r = Generate();
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST_F(NothingLost, ALegalLongScenarioNameCanBeWritten) {
    const std::string name(240, 's');
    const Result r = Generate({"--set", "ScenarioFileName=" + name});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(game.path / "Scenarios" / (name + ".tqg")));
}

TEST_F(NothingLost, EveryCommandRefusesAFolderThatIsNotAGameFolder) {
    test::TempDir empty;
    const fs::path missing = empty.path / "nowhere";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"generate", "--game-dir", empty.str()},
          {"check", "--game-dir", empty.str()},
          {"restore", "--game-dir", empty.str()},
          {"backup-scenario", "--game-dir", empty.str(), "--to", scratch.str() + "/to"},
          {"restore-scenario", "--game-dir", empty.str(), "--from", scratch.str()},
          {"generate", "--game-dir", missing.string()},
          {"generate", "--game-dir", missing.string(), "--out", scratch.str() + "/out"}}) {
        const Result r = RunTq3(args, scratch.path);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_TRUE(r.err.find("is not a game folder") != std::string::npos ||
                    r.err.find("does not exist") != std::string::npos)
            << r.err;
    }
    EXPECT_TRUE(fs::is_empty(empty.path));
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_FALSE(fs::exists(scratch.path / "out"));
}

// Scenario copies and preview pictures never go into (nor copies come from) the game's own
// folders: their files would land over the game's files or among the kept originals.
TEST_F(NothingLost, CopyFoldersInsideTheGameAreRefused) {
    ASSERT_EQ(Generate().status, 0);
    const auto before = Tree(game.path);
    for (const char* inside : {"Backup", "backup", "DB", "Config", "Scenarios/mine"}) {
        SCOPED_TRACE(inside);
        const std::string folder = (game.path / inside).string();
        Result r =
            RunTq3({"backup-scenario", "--game-dir", game.str(), "--to", folder}, scratch.path);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("is inside the game folder's own"), std::string::npos) << r.err;
        r = RunTq3({"generate", "--game-dir", game.str(), "--preview-dir", folder}, scratch.path);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("Nothing was written."), std::string::npos) << r.err;
        fs::create_directories(folder);
        r = RunTq3({"restore-scenario", "--game-dir", game.str(), "--from", folder}, scratch.path);
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("Nothing was copied."), std::string::npos) << r.err;
        // The game's own folders stay (on Windows "backup" is Backup itself).
        if (!SameTextIgnoringCase(inside, "Backup") && std::string(inside) != "DB" &&
            std::string(inside) != "Config")
            fs::remove_all(folder);
    }
    EXPECT_EQ(Tree(game.path), before);
}

// Whatever a run replaces can be brought back byte for byte: a scenario of the game's own
// named by ScenarioFileName, and every original of a backup made by hand with some of them.
TEST_F(NothingLost, EveryReplacedFileCanBeBroughtBack) {
    test::WriteFile(game.path / "Scenarios" / "1492.tqg", "the game's own 1492");
    fs::create_directory(game.path / "Backup");
    fs::copy_file(game.path / "DB" / "Revolt.txt", game.path / "Backup" / "Revolt.txt");
    const auto originals = Tree(game.path / "DB");

    for (int run = 0; run < 2; ++run) {
        const Result r = Generate({"--set", "ScenarioFileName=1492"});
        ASSERT_EQ(r.status, 0) << r.err;
    }
    EXPECT_EQ(test::ReadFile(game.path / "Backup" / "Scenarios" / "1492.tqg"),
              "the game's own 1492");
    EXPECT_EQ(Tree(game.path / "Backup" / "Scenarios").size(), 2u);  // the copy and its record
    for (const auto& [name, bytes] : originals)
        EXPECT_EQ(test::ReadFile(game.path / "Backup" / name), bytes) << name;

    const Result r = RunTq3({"restore", "--game-dir", game.str()}, scratch.path);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Tree(game.path / "DB"), originals);
    EXPECT_EQ(test::ReadFile(game.path / "Scenarios" / "1492.tqg"), "the game's own 1492");
}

// A copy that fails says the system's reason, not that no scenario was found.
TEST_F(NothingLost, AFailedScenarioCopySaysWhy) {
    ASSERT_EQ(Generate().status, 0);
    const std::string saved = (scratch.path / "saved").string();
    ASSERT_EQ(
        RunTq3({"backup-scenario", "--game-dir", game.str(), "--to", saved}, scratch.path).status,
        0);
    fs::remove(game.path / "Scenarios" / "Mini.tqg");
    fs::create_directories(game.path / "Scenarios" / "Mini.tqg");
    const Result r =
        RunTq3({"restore-scenario", "--game-dir", game.str(), "--from", saved}, scratch.path);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.find("No scenario found"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Mini.tqg (Cannot create file"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("(it is not a regular file)"), std::string::npos) << r.err;
}

// A game folder whose path has characters beyond ASCII (as players' names often do) is found,
// locked, backed up and written like any other; the killed run's journal there is finished by
// the next command.
TEST_F(NothingLost, AGameFolderNamedBeyondAsciiWorksThroughout) {
    const fs::path folder =
        game.path / PathOf("Spiel-\xc3\x84\xc3\x96\xc3\x9c-\xc3\xa9\xc3\xa8-\xc3\xbf");
    test::CopyTree(TQ3_TEST_DATA "/mini", folder);
    const std::string dir = NameOf(folder);
    Result r = RunTq3({"generate", "--game-dir", dir, "--seed", "3"}, scratch.path);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find(dir), std::string::npos) << r.err;  // the backup message names it
    EXPECT_EQ(test::ReadFile(folder / "Backup" / "Province.csv"), originalProvinces);
    EXPECT_NE(test::ReadFile(folder / "DB" / "Province.csv"), originalProvinces);

    // A run cut short between its renames: the journal names one file still to put in place.
    test::WriteFile(folder / "DB" / ".tq3gen-cutcut", "new goods");
    test::WriteFile(folder / ".tq3gen-journal",
                    "tq3gen replace journal 2\nDB/.tq3gen-cutcut\nDB/Goods.csv\nend\n");
    r = RunTq3({"restore", "--game-dir", dir}, scratch.path);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("was cut short"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(folder / ".tq3gen-journal"));
    EXPECT_EQ(test::ReadFile(folder / "DB" / "Province.csv"), originalProvinces);
}

#ifndef _WIN32
// A restore killed between two of its files (a tracer kills it at its third rename: the
// journal's, then the first file's) leaves its journal; the next command finishes it, so
// every original is back.
TEST_F(NothingLost, ARestoreKilledBetweenTwoFilesIsFinishedByTheNextCommand) {
    const char* const tracer = "/usr/bin/strace";
    if (!fs::exists(tracer)) GTEST_SKIP() << "needs strace";
    const auto originals = Tree(game.path / "DB");
    ASSERT_EQ(Generate().status, 0);
    const auto generated = Tree(game.path / "DB");
    const Result killed =
        test::RunProgram(tracer,
                         {"-f", "-o", "/dev/null", "-e", "inject=rename:signal=SIGKILL:when=3",
                          TQ3_EXECUTABLE, "restore", "--game-dir", game.str()},
                         scratch.path);
    EXPECT_NE(killed.status, 0);
    const auto mixed = Tree(game.path / "DB");
    EXPECT_NE(mixed, originals);
    EXPECT_NE(mixed, generated);

    const Result next = RunTq3({"check", "--game-dir", game.str()}, scratch.path);
    EXPECT_NE(next.err.find("a run was cut short"), std::string::npos) << next.err;
    const Result restore = RunTq3({"restore", "--game-dir", game.str()}, scratch.path);
    EXPECT_EQ(restore.status, 0) << restore.err;
    EXPECT_NE(restore.err.find("were put in place now"), std::string::npos) << restore.err;
    EXPECT_EQ(Tree(game.path / "DB"), originals);
}
#endif
