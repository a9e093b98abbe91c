#include <cstdlib>
#include <map>

#include "CliSupport.h"
#include "TestSupport.h"
#include "render/PngFile.h"

using namespace tq3;
using namespace clitest;

namespace fs = std::filesystem;

namespace {

struct CliGame : ::testing::Test {
    test::TempDir scratch, game;
    void SetUp() override { test::CopyTree(TQ3_TEST_DATA "/mini", game.path); }
    Result Tq3(std::vector<std::string> args) { return RunTq3(args, scratch.path); }
};

}  // namespace

TEST_F(CliGame, GenerateWritesTheGameFilesAndBacksUpTheOriginals) {
    const std::string original = test::ReadFile(game.path / "DB" / "Province.csv");
    const Result r = Tq3({"generate", "--game-dir", game.str(), "--seed", "7"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Seed: 7\n"), std::string::npos);
    for (const char* f : {"DB/Goods.csv", "DB/tax_stab.csv", "Scenarios/Mini.tqg", "DB/Revolt.txt",
                          "DB/Province.csv", "DB/Country.csv"})
        EXPECT_NE(r.out.find("Wrote " + (game.path / f).make_preferred().string() + "\n"),
                  std::string::npos)
            << f;
    EXPECT_EQ(test::ReadFile(game.path / "Backup" / "Province.csv"), original);
    EXPECT_NE(r.err.find("Welcome to TQ3 Scenario Generator.\r\n"), std::string::npos);
    EXPECT_NE(r.err.find("Scenario created succesfuly!\r\nDo you want to quit ?\n"),
              std::string::npos);
}

TEST_F(CliGame, TheSameSeedGivesByteIdenticalFiles) {
    test::TempDir second;
    test::CopyTree(TQ3_TEST_DATA "/mini", second.path);
    ASSERT_EQ(Tq3({"generate", "--game-dir", game.str(), "--seed", "99"}).status, 0);
    ASSERT_EQ(Tq3({"generate", "--game-dir", second.str(), "--seed", "99"}).status, 0);
    EXPECT_EQ(Tree(game.path), Tree(second.path));
    test::TempDir third;
    test::CopyTree(TQ3_TEST_DATA "/mini", third.path);
    ASSERT_EQ(Tq3({"generate", "--game-dir", third.str(), "--seed", "100"}).status, 0);
    EXPECT_NE(Tree(game.path), Tree(third.path));
}

TEST_F(CliGame, ModesAndSettingsFromTheCommandLine) {
    const std::string country = test::ReadFile(game.path / "DB" / "Country.csv");
    const Result r = Tq3({"generate", "--game-dir", game.str(), "--mode", "1", "--seed", "1",
                          "--set", "ScenarioFileName=Other"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Map created succesfuly!\r\nDo you want to quit ?"), std::string::npos);
    EXPECT_EQ(test::ReadFile(game.path / "DB" / "Country.csv"), country);
    EXPECT_FALSE(fs::exists(game.path / "Scenarios" / "Other.tqg"));
    EXPECT_NE(r.out.find("Wrote " + (game.path / "DB" / "Province.csv").string()),
              std::string::npos);

    // Mode 2 puts the backed-up province table back.
    const Result r2 = Tq3({"generate", "--game-dir", game.str(), "--set", "GeneratorMode=2"});
    EXPECT_EQ(r2.status, 0) << r2.err;
    EXPECT_EQ(test::ReadFile(game.path / "DB" / "Province.csv"),
              test::ReadFile(game.path / "Backup" / "Province.csv"));
    EXPECT_TRUE(fs::exists(game.path / "Scenarios" / "Mini.tqg"));
}

TEST_F(CliGame, UsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"generate", "--mode", "5"},
          {"generate", "--set", "NoSuchKey=1"},
          {"generate", "--set", "Age"},
          {"frobnicate"},
          {"generate", "--seed", "x"},
          {"generate", "--reroll", "weather=1"},
          {"generate", "--reroll", "placement=-1"},
          {"generate", "--reroll", "placement"}}) {
        const Result r = Tq3(args);
        EXPECT_EQ(r.status, 2) << args.back() << r.err;
    }
    EXPECT_EQ(Tq3({"--help"}).status, 0);
    const Result help = Tq3({"generate", "--help"});
    for (const char* option : {"--game-dir", "--mode", "--seed", "--set"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
}

TEST_F(CliGame, MissingConfigurationWritesNothing) {
    fs::remove(game.path / "Config" / "TQ3Gener.csv");
    const std::string revolt = test::ReadFile(game.path / "DB" / "Revolt.txt");
    const Result r = Tq3({"generate", "--game-dir", game.str()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("is not a game folder: it has no Config/TQ3Gener.csv"), std::string::npos)
        << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(test::ReadFile(game.path / "DB" / "Revolt.txt"), revolt);
    EXPECT_FALSE(fs::exists(game.path / "Backup"));
}

TEST_F(CliGame, CheckListsProblemsWithFileAndLine) {
    Result r = Tq3({"check", "--game-dir", game.str()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("No problems found"), std::string::npos);

    std::string settings = test::ReadFile(game.path / "Config" / "TQ3Gener.csv");
    settings.replace(settings.find("\r\nAge;0"), 7, "");
    settings += "Humidity;3\r\n";
    test::WriteFile(game.path / "Config" / "TQ3Gener.csv", settings);
    std::string nations = test::ReadFile(game.path / "Config" / "TQ3GenerCountry.csv");
    nations.replace(nations.find("Bland;orthodox;4;2"), 18, "Bland;orthodox;4;12");
    test::WriteFile(game.path / "Config" / "TQ3GenerCountry.csv", nations);
    r = Tq3({"check", "--game-dir", game.str()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("TQ3GenerCountry.csv:3: nation 2 (BBB) has size 12"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("Corrupted nations file: nation with size > 10"), std::string::npos);
    EXPECT_NE(r.err.find("TQ3Gener.csv: Age is missing"), std::string::npos);
    EXPECT_NE(r.err.find("Humidity is given again; only its first line"), std::string::npos);
}

// A broken map table is reported once, although a run reads it before and after placement.
TEST_F(CliGame, CheckReportsEachAdjacencyProblemOnce) {
    const fs::path data = game.path / "Config" / "TQ3GenerAdjDataOrig.tbl";
    std::string records = test::ReadFile(data);
    ASSERT_GE(records.size(), 2u);
    records[0] = static_cast<char>(0xff);  // the first neighbour becomes province 0x7fff
    records[1] = static_cast<char>(0x7f);
    test::WriteFile(data, records);
    const Result r = Tq3({"check", "--game-dir", game.str()});
    EXPECT_EQ(r.status, 1);
    const std::string problem = "neighbour 32767 is beyond province";
    const std::size_t first = r.err.find(problem);
    ASSERT_NE(first, std::string::npos) << r.err;
    EXPECT_EQ(r.err.find(problem, first + 1), std::string::npos) << r.err;
}

// Broken files of every kind: the program reports and ends, it never crashes or hangs.
TEST_F(CliGame, BrokenInputNeverCrashes) {
    std::string garbage;
    for (int i = 0; i < 30000; ++i) garbage += static_cast<char>((i * 2654435761u) >> 13);
    const std::vector<std::pair<std::string, std::string>> breakages = {
        {"TQ3Gener.csv", garbage},
        {"TQ3Gener.csv", ""},
        {"TQ3GenerProvince.csv", garbage},
        {"TQ3GenerProvince.csv", "h\r\n;;;;"},
        {"TQ3GenerCountry.csv", garbage},
        {"TQ3GenerCountry.csv", std::string(4000, ';')},
        {"TQ3GenerAdjIndex.tbl", garbage},
        {"TQ3GenerAdjIndex.tbl", ""},
        {"TQ3GenerAdjDataOrig.tbl", garbage},
        {"TQ3GenerAdjData.tbl", "\x01"},
        {"TQ3GenerFixedProvince.csv", garbage},
        {"TQ3GenerFixedCountry.csv", ""},
    };
    for (const auto& [file, bytes] : breakages) {
        test::TempDir copy;
        test::CopyTree(TQ3_TEST_DATA "/mini", copy.path);
        test::WriteFile(copy.path / "Config" / file, bytes);
        for (const char* mode : {"0", "1", "2"}) {
            const Result r =
                Tq3({"generate", "--game-dir", copy.str(), "--mode", mode, "--seed", "3"});
            EXPECT_TRUE(r.status == 0 || r.status == 1)
                << file << " mode " << mode << ": " << r.err;
        }
        const Result c = Tq3({"check", "--game-dir", copy.str()});
        EXPECT_TRUE(c.status == 0 || c.status == 1) << file;
    }
}

TEST_F(CliGame, OutOfTableSettingsAreRefusedOrLimited) {
    struct Case {
        std::vector<std::string> sets;
        int status;
        const char* message;  // a part of what stderr must say; nullptr: nothing beyond the run
        bool writes;          // whether DB/Province.csv is replaced
    };
    const std::vector<Case> cases = {
        // A note: the run writes every file and exits 0.
        {{"ProvinceCount=30000"},
         0,
         "ProvinceCount 30000 is above the highest province number 1620; 1620 is used",
         true},
        {{"ProvinceCount=-5"}, 1, "The run cannot start: ProvinceCount is \"-5\"", false},
        {{"NationCount=500"}, 1, "The run cannot start: NationCount is 500", false},
        {{"MajorCount=100", "IsRandomMajor=1"},
         1,
         "The run cannot start: MajorCount is 100",
         false},
        {{"RandomStartLoc=6"}, 0, nullptr, true},
        {{"Temperature=100"}, 0, nullptr, true},
        {{"ReligDispersity=-3"}, 0, nullptr, true},
        {{"StartingCountrySize=50"}, 0, nullptr, true},
        {{"ScenarioFileName=../escape"},
         1,
         "The run cannot start: ScenarioFileName \"../escape\" is not a plain file name",
         false},
    };
    const std::string original = test::ReadFile(game.path / "DB" / "Province.csv");
    for (const Case& c : cases) {
        test::WriteFile(game.path / "DB" / "Province.csv", original);
        std::vector<std::string> args{"generate", "--game-dir", game.str(), "--seed", "5"};
        for (const std::string& s : c.sets) args.insert(args.end(), {"--set", s});
        const Result r = Tq3(args);
        EXPECT_EQ(r.status, c.status) << c.sets[0] << ": " << r.err;
        if (c.message) {
            EXPECT_NE(r.err.find(c.message), std::string::npos) << c.sets[0] << ": " << r.err;
        }
        EXPECT_EQ(test::ReadFile(game.path / "DB" / "Province.csv") != original, c.writes)
            << c.sets[0];
    }
    EXPECT_FALSE(fs::exists(game.path / "escape.tqg"));
}

TEST_F(CliGame, RestoreAndScenarioBackupCommands) {
    const std::string original = test::ReadFile(game.path / "DB" / "Country.csv");
    ASSERT_EQ(Tq3({"generate", "--game-dir", game.str(), "--seed", "4"}).status, 0);
    const std::string generated = test::ReadFile(game.path / "DB" / "Country.csv");
    ASSERT_NE(generated, original);

    test::TempDir saved;
    Result r = Tq3({"backup-scenario", "--game-dir", game.str(), "--to", saved.str()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(saved.path / "Mini.tqg"));

    r = Tq3({"restore", "--game-dir", game.str()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadFile(game.path / "DB" / "Country.csv"), original);
    EXPECT_NE(r.err.find("were restored from backup\r\nDo you want to quit ?"), std::string::npos);

    r = Tq3({"restore-scenario", "--game-dir", game.str(), "--from", saved.str()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(test::ReadFile(game.path / "DB" / "Country.csv"), generated);

    test::TempDir empty;
    r = Tq3({"restore-scenario", "--game-dir", game.str(), "--from", empty.str()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "No scenario found in: " + empty.str() + " or TQ3 is running!\n");
    EXPECT_EQ(Tq3({"restore-scenario", "--game-dir", game.str()}).status, 2);
}

TEST_F(CliGame, PreviewDirSavesTheLayersAtTheEditorsPointAndTheRunGoesOn) {
    const fs::path pictures = scratch.path / "preview";
    if (!CanWritePictures()) {
        // A build without PNG support says so before it changes anything.
        const std::string original = test::ReadFile(game.path / "DB" / "Province.csv");
        const Result refused = Tq3({"generate", "--game-dir", game.str(), "--seed", "3",
                                    "--preview-dir", pictures.string()});
        EXPECT_EQ(refused.status, 1);
        EXPECT_EQ(refused.err, std::string(NoPicturesMessage) + "\n");
        EXPECT_EQ(test::ReadFile(game.path / "DB" / "Province.csv"), original);
        EXPECT_FALSE(fs::exists(pictures));
        return;
    }
    const Result r = Tq3(
        {"generate", "--game-dir", game.str(), "--seed", "3", "--preview-dir", pictures.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* name : {"terrain", "climate", "goods", "religion", "political", "minimap"}) {
        const fs::path png = pictures / (std::string(name) + ".png");
        EXPECT_TRUE(fs::exists(png)) << name;
        EXPECT_NE(r.out.find("Wrote " + png.string()), std::string::npos) << r.out;
    }
    // The run wrote the game files after the pictures, as without them.
    test::TempDir plain;
    test::CopyTree(TQ3_TEST_DATA "/mini", plain.path);
    ASSERT_EQ(Tq3({"generate", "--game-dir", plain.str(), "--seed", "3"}).status, 0);
    EXPECT_EQ(test::ReadFile(game.path / "DB" / "Province.csv"),
              test::ReadFile(plain.path / "DB" / "Province.csv"));

    // Pictures that cannot be written are an error: exit 1, the message names the file.
    test::CopyTree(TQ3_TEST_DATA "/mini", plain.path);
    const fs::path blocked = scratch.path / "blocked";
    test::WriteFile(blocked, "a file where the folder should be");
    const Result failed = Tq3(
        {"generate", "--game-dir", plain.str(), "--seed", "3", "--preview-dir", blocked.string()});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("blocked"), std::string::npos) << failed.err;
}

TEST_F(CliGame, VerifyListsTheFindingsOfTheInstalledFiles) {
    ASSERT_EQ(Tq3({"generate", "--game-dir", game.str(), "--seed", "3"}).status, 0);
    Result r = Tq3({"verify", "--game-dir", game.str()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("No findings"), std::string::npos) << r.out;

    // A hand edit that moves a nation's capital away from its minimum.
    const fs::path revolt = game.path / "DB" / "Revolt.txt";
    std::string text = test::ReadFile(revolt);
    const std::size_t at = text.find("capital = ");
    text.insert(at + 10, "1");
    test::WriteFile(revolt, text);
    const int line = 1 + static_cast<int>(std::count(text.begin(), text.begin() + at, '\n'));
    r = Tq3({"verify", "--game-dir", game.str()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("DB/Revolt.txt:" + std::to_string(line) + ": the capital"),
              std::string::npos)
        << r.err;
    r = Tq3({"verify", "--game-dir", game.str(), "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("\"file\": \"DB/Revolt.txt\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"line\": " + std::to_string(line)), std::string::npos) << r.out;
}

// tq3gen-writer-fault is tq3gen with a Revolt.txt writer that writes the first expiry year one
// past the settings' end: the run's own check stops it before anything is replaced.
TEST_F(CliGame, AWriterFaultStopsGenerateAndLeavesTheFolderAsItWas) {
    ASSERT_EQ(Tq3({"generate", "--game-dir", game.str(), "--seed", "3"}).status, 0);
    const std::map<std::string, std::string> before = Tree(game.path);
    const Result r =
        test::RunProgram(TQ3_WRITER_FAULT_EXECUTABLE,
                         {"generate", "--game-dir", game.str(), "--seed", "5"}, scratch.path);
    EXPECT_EQ(r.status, 1);
    for (const char* said : {"found a fault in its own output", "replaced nothing",
                             "DB/Revolt.txt:3: expirydate has the year \"1793\"", "seed 5"})
        EXPECT_NE(r.err.find(said), std::string::npos) << said << " in\n" << r.err;
    EXPECT_EQ(r.out.find("Wrote "), std::string::npos) << r.out;
    EXPECT_EQ(Tree(game.path), before);
    // Without the check the same fault lands: the test program does break the writer.
    EXPECT_EQ(test::RunProgram(TQ3_WRITER_FAULT_EXECUTABLE,
                               {"generate", "--game-dir", game.str(), "--seed", "5", "--no-verify"},
                               scratch.path)
                  .status,
              0);
    EXPECT_NE(test::ReadFile(game.path / "DB" / "Revolt.txt").find("year = 1793"),
              std::string::npos);
}
