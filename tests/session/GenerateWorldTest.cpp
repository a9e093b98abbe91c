#include <map>

#include "TestSupport.h"
#include "config/SettingsFile.h"
#include "session/GenerateWorld.h"
#include "session/RunClosing.h"

using namespace tq3;

namespace fs = std::filesystem;

namespace {

// The game files a full run writes, in the order it writes them.
const std::vector<std::string> kWritten = {"DB/Goods.csv",  "DB/tax_stab.csv", "Scenarios/Mini.tqg",
                                           "DB/Revolt.txt", "DB/Province.csv", "DB/Country.csv"};

struct Run : ::testing::Test {
    test::TempDir dir;
    std::unique_ptr<World> world = test::NewWorld();
    test::RecordingDialogs dialogs;
    Random random{11};

    void SetUp() override {
        test::CopyTree(TQ3_TEST_DATA "/mini", dir.path);
        fs::create_directories(dir.path / "Backup");
        fs::copy_file(dir.path / "DB" / "Province.csv", dir.path / "Backup" / "Province.csv");
        world->ProgramFolder = dir.str();
        ASSERT_FALSE(LoadSettings(*world, dialogs, true).refused);
        dialogs = test::RecordingDialogs{};
    }
    RunEnd Generate(int mode, const RunHooks& hooks = {}) {
        world->Settings.GeneratorMode = static_cast<int8_t>(mode);
        return GenerateWorld(*world, random, dialogs, hooks).end;
    }
    // The driver's own progress positions, without the province writer's 8..14.
    std::vector<int> DriverProgress() const {
        std::vector<int> positions;
        for (int p : dialogs.progress)
            if (p < 8 || p > 14) positions.push_back(p);
        return positions;
    }
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const std::string& f : kWritten)
            files[f] = fs::exists(dir.path / f) ? test::ReadFile(dir.path / f) : "<none>";
        return files;
    }
    // The files a run wrote, in the order the report lists them.
    std::vector<std::string> WriteOrder(int mode) {
        world->Settings.GeneratorMode = static_cast<int8_t>(mode);
        std::vector<std::string> order;
        for (const std::string& f : GenerateWorld(*world, random, dialogs).written)
            order.push_back(fs::relative(f, dir.path).generic_string());
        return order;
    }
};

}  // namespace

TEST_F(Run, ProgressAndQuestionOfEachMode) {
    struct Case {
        int mode;
        std::vector<int> progress;
        const char* question;
        int randomizes;
    };
    for (const Case& c : {
             Case{0,
                  {0, 1, 2, 3, 4, 5, 6, 7, 15, 16},
                  "Scenario created succesfuly!\r\nDo you want to quit ?",
                  2},
             Case{1,
                  {0, 1, 2, 3, 5, 7, 15, 16},
                  "Map created succesfuly!\r\nDo you want to quit ?",
                  1},
             Case{
                 2,
                 {0, 2, 3, 4, 5, 6, 7, 15, 16},
                 "Scenario created succesfuly! (Original map is restored)\r\nDo you want to quit ?",
                 2},
         }) {
        SCOPED_TRACE(c.mode);
        dialogs = test::RecordingDialogs{};
        test::ScriptedRandom scripted;
        world->Settings.GeneratorMode = static_cast<int8_t>(c.mode);
        const RunReport run = GenerateWorld(*world, scripted, dialogs);
        EXPECT_EQ(run.end, RunEnd::Finished);
        EXPECT_EQ(DriverProgress(), c.progress);
        EXPECT_TRUE(dialogs.confirms.empty());  // the front end asks
        EXPECT_EQ(ClosingQuestion(*world, run), c.question);
        EXPECT_EQ(scripted.randomizes, c.randomizes);
        EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors[0];
        ASSERT_FALSE(LoadSettings(*world, dialogs, true).refused);
    }
}

TEST_F(Run, ModeZeroWritesEveryFileInOrder) {
    EXPECT_EQ(WriteOrder(0), kWritten);
}

TEST_F(Run, ModeOneWritesOnlyTheProvinceTable) {
    EXPECT_EQ(WriteOrder(1), std::vector<std::string>{"DB/Province.csv"});
}

TEST_F(Run, ModeTwoWritesTheScenarioAndRestoresTheMap) {
    const auto before = Files();
    EXPECT_EQ(Generate(2), RunEnd::Finished);
    const auto after = Files();
    EXPECT_NE(after.at("Scenarios/Mini.tqg"), "<none>");
    EXPECT_NE(after.at("DB/Revolt.txt"), before.at("DB/Revolt.txt"));
    EXPECT_EQ(after.at("DB/Goods.csv"), before.at("DB/Goods.csv"));
    EXPECT_EQ(after.at("DB/Country.csv"), before.at("DB/Country.csv"));
    EXPECT_EQ(after.at("DB/Province.csv"), test::ReadFile(dir.path / "Backup" / "Province.csv"));
}

// No run replaced the province table yet, so DB/ holds the original: the backup takes it
// first, and the scenario-only run puts it back as it was.
TEST_F(Run, ModeTwoCompletesAMissingBackupFirst) {
    fs::remove(dir.path / "Backup" / "Province.csv");
    const std::string original = test::ReadFile(dir.path / "DB" / "Province.csv");
    EXPECT_EQ(Generate(2), RunEnd::Finished);
    EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors[0];
    EXPECT_EQ(test::ReadFile(dir.path / "Backup" / "Province.csv"), original);
    EXPECT_EQ(test::ReadFile(dir.path / "DB" / "Province.csv"), original);
    EXPECT_EQ(test::ReadFile(dir.path / "Backup" / "DiplomaticMatrix.csv"),
              test::ReadFile(dir.path / "DB" / "DiplomaticMatrix.csv"));
}

TEST_F(Run, ReadOnlyDatabaseFilesAreMadeWritable) {
    const std::string country = (dir.path / "DB" / "Country.csv").string();
    test::MakeReadOnly(country);
    EXPECT_EQ(Generate(0), RunEnd::Finished);
    EXPECT_TRUE(test::OwnerMayWrite(country));
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_NE(test::ReadFile(country).find("country;main color"), std::string::npos);
}

TEST_F(Run, CancelReloadsTheWorldAndKeepsTheUserSettings) {
    world->Settings.Temperature = 4;
    world->Settings.NationCount = 3;
    EXPECT_EQ(Generate(0), RunEnd::Finished);
    StayAfterRun(*world, dialogs);
    EXPECT_EQ(dialogs.progress.back(), 0);
    EXPECT_EQ(world->Settings.Temperature, 4);
    EXPECT_EQ(world->Settings.NationCount, 3);

    auto fresh = test::NewWorld();
    fresh->ProgramFolder = dir.str();
    ASSERT_FALSE(LoadSettings(*fresh, dialogs, true).refused);
    for (int p = 0; p <= 12; ++p) {
        EXPECT_EQ(world->Provinces[p].Terrain, fresh->Provinces[p].Terrain) << p;
        EXPECT_EQ(world->Provinces[p].Goods, fresh->Provinces[p].Goods) << p;
        EXPECT_EQ(world->Provinces[p].Owner, fresh->Provinces[p].Owner) << p;
    }
    EXPECT_EQ(world->Neighbours, fresh->Neighbours);  // the map table is back in place
}

// The files due before the preview wait with the rest: Abort leaves the folder as it was.
TEST_F(Run, AbortInTheEditorLeavesTheFolderAsItWas) {
    world->Settings.EditorEnabled = true;
    const auto before = Files();
    int shown = 0;
    RunHooks hooks;
    hooks.mapEditor = [&](World&, RunRedraw*) {
        ++shown;
        EXPECT_EQ(Files(), before);
        return false;
    };
    EXPECT_EQ(Generate(0, hooks), RunEnd::Aborted);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(Files(), before);
    EXPECT_TRUE(dialogs.confirms.empty());
    EXPECT_EQ(dialogs.progress.back(), 0);
    for (const auto& e : fs::recursive_directory_iterator(dir.path))
        EXPECT_EQ(e.path().filename().string().rfind(".tq3gen-", 0), std::string::npos) << e.path();
}

TEST_F(Run, ProtectedRegionsKeepTheirTemplateRows) {
    world->Settings.DontChangeEurope = true;
    auto fresh = test::NewWorld();
    fresh->ProgramFolder = dir.str();
    ASSERT_FALSE(LoadSettings(*fresh, dialogs, true).refused);
    world->Settings.Temperature = 4;
    world->Settings.Humidity = 4;
    world->Settings.GeneratorMode = 1;
    dialogs.answers = {Answer::Ok};
    GenerateWorld(*world, random, dialogs);
    for (int p : {1, 2, 3, 5}) {  // European, Mediterranean
        EXPECT_EQ(world->Provinces[p].Climate, fresh->Provinces[p].Climate) << p;
        EXPECT_EQ(world->Provinces[p].Manpower, fresh->Provinces[p].Manpower) << p;
        EXPECT_EQ(world->Provinces[p].Goods, fresh->Provinces[p].Goods) << p;
    }
}

TEST_F(Run, TheSameSeedGivesTheSameWorld) {
    auto other = test::NewWorld();
    other->ProgramFolder = dir.str();
    ASSERT_FALSE(LoadSettings(*other, dialogs, true).refused);
    Random a{2024}, b{2024};
    world->Settings.GeneratorMode = other->Settings.GeneratorMode = 1;
    GenerateWorld(*world, a, dialogs);
    const std::string first = test::ReadFile(dir.path / "DB" / "Province.csv");
    GenerateWorld(*other, b, dialogs);
    EXPECT_EQ(test::ReadFile(dir.path / "DB" / "Province.csv"), first);
    for (int p = 0; p <= 12; ++p)
        EXPECT_EQ(world->Provinces[p].Terrain, other->Provinces[p].Terrain);
}

// A window that stays open loads again before its next run: a template that became
// unreadable since refuses that run instead of running on the template read before.
TEST_F(Run, ATemplateThatBecameUnreadableRefusesTheNextRun) {
    ASSERT_TRUE(world->ProvinceTemplateRead);
    const auto before = Files();
    fs::remove(dir.path / "Config" / "TQ3GenerProvince.csv");
    LoadSettings(*world, dialogs, true);
    EXPECT_FALSE(world->ProvinceTemplateRead);
    EXPECT_EQ(Generate(0), RunEnd::Refused);
    EXPECT_EQ(Files(), before);
}

// Without a backup (the start-up question answered No), the run's own keeping copies make
// a whole one: the diplomatic matrix, which no run writes, too.
TEST_F(Run, ARunWithoutABackupKeepsAllSixOriginals) {
    fs::remove_all(dir.path / "Backup");
    EXPECT_EQ(Generate(0), RunEnd::Finished);
    for (const char* name : {"Province.csv", "DiplomaticMatrix.csv", "Country.csv", "Revolt.txt",
                             "Goods.csv", "tax_stab.csv"})
        EXPECT_EQ(test::ReadFile(dir.path / "Backup" / name),
                  test::ReadFile(fs::path(TQ3_TEST_DATA "/mini/DB") / name))
            << name;
}

// A run that cannot go on stops before anything is replaced: a missing fixed province table
// before anything is drawn, a table that cannot be read again during the run before the
// commit, whose closing text then says that nothing was written.
TEST_F(Run, ARunThatCannotGoOnReplacesNothing) {
    struct Case {
        const char* removed;
        bool europe;  // the template is read again for the protected regions
        RunEnd end;
        const char* error;
    };
    for (const Case& c : {
             Case{"TQ3GenerFixedProvince.csv", false, RunEnd::Refused,
                  "File TQ3GenerFixedProvince.csv not found"},
             Case{"TQ3GenerProvince.csv", true, RunEnd::Finished, "TQ3GenerProvince.csv"},
             Case{"TQ3GenerAdjDataOrig.tbl", false, RunEnd::Finished, "TQ3GenerAdjDataOrig.tbl"},
         }) {
        SCOPED_TRACE(c.removed);
        ASSERT_FALSE(LoadSettings(*world, dialogs, true).refused);
        dialogs = test::RecordingDialogs{};
        world->Settings.DontChangeEurope = c.europe;
        const auto before = Files();
        fs::remove(dir.path / "Config" / c.removed);
        test::ScriptedRandom scripted;
        world->Settings.GeneratorMode = 0;
        const RunReport run = GenerateWorld(*world, scripted, dialogs);
        EXPECT_EQ(run.end, c.end);
        EXPECT_EQ(Files(), before);
        EXPECT_TRUE(run.written.empty());
        ASSERT_FALSE(dialogs.errors.empty());
        EXPECT_NE(dialogs.errors[0].find(c.error), std::string::npos) << dialogs.errors[0];
        if (c.end == RunEnd::Refused) {
            EXPECT_EQ(scripted.randomizes, 0);
        } else {
            EXPECT_NE(ClosingQuestion(*world, run).find("Nothing was written: "),
                      std::string::npos);
        }
        test::CopyTree(TQ3_TEST_DATA "/mini/Config", dir.path / "Config");
    }
}

// Without the fixed country table the nations' lines are written alone, and the run says so.
TEST_F(Run, AMissingFixedCountryTableWritesTheNationsAlone) {
    fs::remove(dir.path / "Config" / "TQ3GenerFixedCountry.csv");
    EXPECT_EQ(Generate(0), RunEnd::Finished);
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"File TQ3GenerFixedCountry.csv not found"});
    EXPECT_NE(Files().at("DB/Country.csv"), test::ReadFile(TQ3_TEST_DATA "/mini/DB/Country.csv"));
}
