// The exit status comes from what a command did: a note (an input the command works around)
// is not an error unless --strict; an error, a refusal or a file not written is.

#include "CliSupport.h"
#include "TestSupport.h"
#include "render/PngFile.h"

using namespace clitest;

namespace {

struct ExitStatus : ::testing::Test {
    test::TempDir scratch, game;
    void SetUp() override { test::CopyTree(TQ3_TEST_DATA "/mini", game.path); }
    fs::path Config(const char* name) const { return game.path / "Config" / name; }
    // Drops one key's line from the settings file.
    void DropKey(const std::string& key) {
        std::string settings = test::ReadFile(Config("TQ3Gener.csv"));
        const std::size_t at = settings.find("\r\n" + key + ";") + 2;
        settings.erase(at, settings.find("\r\n", at) + 2 - at);
        test::WriteFile(Config("TQ3Gener.csv"), settings);
    }
};

}  // namespace

TEST_F(ExitStatus, NotesPassUnlessStrictErrorsFail) {
    DropKey("ReligDispersity");
    const std::string png = (scratch.path / "map.png").string();
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;  // a part of stderr
    };
    const std::string dir = game.str();
    const std::vector<Case> cases = {
        {{"generate", "--game-dir", dir, "--seed", "2"}, 0, "ReligDispersity is missing"},
        {{"generate", "--game-dir", dir, "--seed", "2", "--strict"},
         1,
         "ReligDispersity is missing"},
        {{"render", "--game-dir", dir, "--layer", "terrain", "--out", png}, 0, ""},
        {{"check", "--game-dir", dir}, 1, "ReligDispersity is missing"},
        // A configuration that a run would refuse draws nothing.
        {{"render", "--game-dir", dir, "--layer", "terrain", "--out", png + "2"},
         1,
         "The run cannot start: ProvinceCount"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.args[0] + " case " + std::to_string(i));
        if (i + 1 == cases.size()) {
            std::string settings = test::ReadFile(Config("TQ3Gener.csv"));
            const std::size_t at = settings.find("\r\nProvinceCount;") + 2;
            settings.replace(at, settings.find("\r\n", at) - at, "ProvinceCount;abc");
            test::WriteFile(Config("TQ3Gener.csv"), settings);
        }
        const Result r = RunTq3(c.args, scratch.path);
        // A build without PNG support refuses every render, and says why.
        const bool noPictures = c.args[0] == "render" && !CanWritePictures();
        EXPECT_EQ(r.status, noPictures ? 1 : c.status) << r.err;
        EXPECT_NE(r.err.find(noPictures ? NoPicturesMessage : c.message), std::string::npos)
            << r.err;
    }
    EXPECT_FALSE(fs::exists(png + "2"));
}

// A problem found while the run reads its inputs reaches the user, and the run that wrote
// every file still exits 0.
TEST_F(ExitStatus, ProblemsFoundDuringTheRunAreShown) {
    const fs::path placement = Config("TQ3GenerAdjData.tbl");
    std::string table = test::ReadFile(placement);
    table.resize(table.size() - 3);
    test::WriteFile(placement, table);
    const Result r = RunTq3({"generate", "--game-dir", game.str(), "--seed", "2"}, scratch.path);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("TQ3GenerAdjData.tbl"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Scenario created succesfuly!"), std::string::npos) << r.err;
}
