#include <filesystem>

#include "GoldenWorld.h"
#include "OutputTestSupport.h"
#include "TestSupport.h"
#include "engine/CentresOfTrade.h"
#include "engine/ScenarioDraws.h"
#include "engine/ScenarioNations.h"
#include "output/ScenarioFile.h"
#include "session/GameFileWrites.h"

using namespace tq3;

namespace fs = std::filesystem;
using namespace test;

namespace {
struct ScenarioFile : ::testing::Test {
    TempDir dir;
    std::unique_ptr<World> world = NewWorld();
    RecordingDialogs dialogs;
    void SetUp() override { BuildGoldenWorld(*world, dir.str()); }
    std::string Text() {
        ScriptedRandom random;
        DrawScenarioValues(*world, random);
        return ScenarioText(*world);
    }
    // Gives nations 5..n copies of nation 3 so that centre draws have room.
    void LoadNations(int n) {
        world->NationsLoaded = static_cast<int16_t>(n);
        for (int k = 5; k <= n; ++k) {
            world->Nations[k] = world->Nations[3];
            world->Nations[k].Tag = "N" + std::to_string(k);
        }
    }
};
}  // namespace

TEST_F(ScenarioFile, ScenarioNationsAreMajorsThenTheFirstOthersUpToNationCount) {
    LoadNations(12);
    world->Settings.NationCount = 5;
    world->MajorNations.reset();
    world->MajorNations.set(7).set(3);
    EXPECT_EQ(ScenarioNations(*world), (std::vector<int>{3, 7, 1, 2, 4}));
    // More majors than NationCount: all majors, no others.
    world->Settings.NationCount = 1;
    EXPECT_EQ(ScenarioNations(*world), (std::vector<int>{3, 7}));
    // A major number beyond the loaded nations is no scenario nation.
    world->MajorNations.set(200);
    EXPECT_EQ(ScenarioNations(*world), (std::vector<int>{3, 7}));
}

TEST_F(ScenarioFile, WithoutMajorsTheHeaderHoldsNoDescription) {
    world->MajorNations.reset();
    const auto lines = SplitLines(Text());
    ASSERT_GT(lines.size(), 15u);
    EXPECT_EQ(lines[9], "    set_conq_capital = 1");
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(lines[11], "}");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], "globaldata = {");
}

TEST_F(ScenarioFile, CentrePassesAndTheirBlankLines) {
    struct Case {
        const char* what;
        bool toMajor, toTrade;
        int nationCount, cotCount;
        std::initializer_list<int> script;
        std::vector<int> toMajors, toTraders, drawn;
        bool drawPassRan;
    } cases[] = {
        // 8 is not greater than 3 + 5: no random pass.
        {"no random pass", true, false, 8, 3, {}, {2}, {}, {}, false},
        // Random pass with enough centres already: runs, places nothing.
        {"already enough", true, true, 8, 2, {}, {2}, {1}, {}, true},
        // Draws 1 + RandInt(3): nation 2, then nation 2 again (redrawn), then nation 1.
        {"random draws", false, false, 9, 2, {1, 1, 0}, {}, {}, {2, 1}, true},
    };
    for (const Case& c : cases) {
        world->Settings.ForceCoTtoMajor = c.toMajor;
        world->Settings.ForceCoTtoTrade = c.toTrade;
        world->Settings.NationCount = static_cast<int16_t>(c.nationCount);
        world->Settings.CoTCount = static_cast<int16_t>(c.cotCount);
        ScriptedRandom random(c.script);
        const TradeCentres centres = PlaceCentresOfTrade(*world, random, ScenarioNations(*world));
        EXPECT_EQ(centres.toMajors, c.toMajors) << c.what;
        EXPECT_EQ(centres.toTraders, c.toTraders) << c.what;
        EXPECT_EQ(centres.drawn, c.drawn) << c.what;
        EXPECT_EQ(centres.drawPassRan, c.drawPassRan) << c.what;
    }
}

TEST_F(ScenarioFile, NoBlankLineForARandomPassThatDoesNotRun) {
    // The lines between the global data and the first country block.
    auto centreSection = [&] {
        const std::string text = Text();
        const std::size_t from = text.find("    }\r\n\r\n") + 9;
        return SplitLines(text.substr(from, text.find("country = {") - from));
    };
    const std::string toBBB = "cot = {\tlocation = 2 merchant = { TAG = BBB level = 1  } }";
    const std::string toAAA = "cot = {\tlocation = 1 merchant = { TAG = AAA level = 1  } }";
    world->Settings.ForceCoTtoTrade = true;
    world->Settings.NationCount = 8;
    world->Settings.CoTCount = 3;  // 8 > 8 fails: passes 1 and 2 only
    EXPECT_EQ(centreSection(), (std::vector<std::string>{toBBB, "", toAAA, ""}));
    world->Settings.CoTCount = 2;  // the random pass runs, places nothing, writes its blank line
    EXPECT_EQ(centreSection(), (std::vector<std::string>{toBBB, "", toAAA, "", ""}));
}

TEST_F(ScenarioFile, RandomCentrePassEndsWhenNoDrawableNationIsLeft) {
    // NationCount 100 would draw from 1..95, but only four nations are loaded: each gets a
    // centre and the pass stops short of CoTCount 30. The scripted source always gives 0,
    // so every redraw hits nation 1 until the pass takes the lowest free nation itself.
    world->Settings.ForceCoTtoMajor = false;
    world->Settings.NationCount = 100;
    world->Settings.CoTCount = 30;
    ScriptedRandom random;
    const TradeCentres centres = PlaceCentresOfTrade(*world, random, ScenarioNations(*world));
    EXPECT_EQ(centres.drawn, (std::vector<int>{1, 2, 3, 4}));
    for (int n : random.asked) EXPECT_EQ(n, 4);
    EXPECT_LT(random.asked.size(), 2000u);
}

TEST_F(ScenarioFile, ARandomCentreMayGoToANationOutsideTheScenario) {
    // Six majors 20..25 and NationCount 8: the scenario holds the majors and nations 1, 2;
    // the random pass draws from 1..3.
    LoadNations(25);
    world->MajorNations.reset();
    for (int n = 20; n <= 25; ++n) world->MajorNations.set(static_cast<std::size_t>(n));
    world->Settings.ForceCoTtoMajor = false;
    world->Settings.NationCount = 8;
    world->Settings.CoTCount = 1;
    ScriptedRandom random{2};
    const std::vector<int> nations = ScenarioNations(*world);
    EXPECT_EQ(nations, (std::vector<int>{20, 21, 22, 23, 24, 25, 1, 2}));
    const TradeCentres centres = PlaceCentresOfTrade(*world, random, nations);
    EXPECT_EQ(centres.drawn, std::vector<int>{3});
    EXPECT_EQ(random.asked, std::vector<int>{3});
}

TEST_F(ScenarioFile, GlobalDataFlagsDatesAndEvents) {
    TGeneratorSettings& s = world->Settings;
    std::string text = Text();
    EXPECT_TRUE(HasLine(text, "    startdate = { year = 1491 month = december day = 30 }"));
    EXPECT_TRUE(HasLine(text, "    flags = { 1 2 3 4 }"));
    EXPECT_FALSE(HasLine(text, "event = \"db\\events\\ReligiousEvents.txt\""));
    s.EdictOfTolerance = false;
    s.FantasyMode = true;
    text = Text();
    EXPECT_TRUE(HasLine(text, "    flags = { 1 2 3 }"));
    EXPECT_TRUE(HasLine(text, "    desc = fantasy"));
    s.AdvancedReligStart = false;
    s.RandomEvents = false;
    text = Text();
    EXPECT_EQ(text.find("flags"), std::string::npos);
    EXPECT_FALSE(HasLine(text, "event = \"db\\events\\RandomEvents.txt\""));
    EXPECT_TRUE(HasLine(text, "event = \"db\\events\\ReligiousEvents.txt\""));
}

TEST_F(ScenarioFile, MajorsDucatsInTheDescription) {
    for (auto [advantage, ducats] : {std::pair{20, 3000}, {-50, 1250}, {0, 2500}}) {
        world->Settings.StartingFunds = 2500;
        world->Settings.MajorAdvantage = static_cast<int16_t>(advantage);
        EXPECT_TRUE(HasLine(Text(), "  numgold = " + std::to_string(ducats))) << advantage;
    }
}

TEST_F(ScenarioFile, ProvinceOverridesInScenarioOnlyMode) {
    world->Settings.GeneratorMode = 2;
    world->Provinces[5].Religion = 0;
    std::string text = Text();
    EXPECT_TRUE(HasLine(text, "province = { id = 1 religion = catholic culture = \"castillian\"}"));
    EXPECT_TRUE(HasLine(text, "province = { id = 2 religion = pagan culture = \"none\"}"));
    EXPECT_TRUE(HasLine(text, "province = { id = 5 culture = \"galician\"}"));
    EXPECT_EQ(text.find("province = { id = 3"), std::string::npos);  // sea
    EXPECT_EQ(text.find("province = { id = 0"), std::string::npos);
    // The overrides end with a blank line before the first country block.
    EXPECT_NE(text.find("culture = \"castillian\"}\r\n\r\ncountry = {"), std::string::npos);
    world->Settings.NoCulture = true;
    EXPECT_TRUE(HasLine(Text(), "province = { id = 4 religion = protestant culture = \"aztek\"}"));
    world->Settings.GeneratorMode = 0;
    EXPECT_EQ(Text().find("province = {"), std::string::npos);
}

TEST_F(ScenarioFile, PreviewLineOnlyWithTheEditor) {
    world->Settings.EditorEnabled = false;
    EXPECT_TRUE(HasLine(Text(), "  scenariotactics = \"Capital province:     Aragon"));
}

TEST_F(ScenarioFile, RefusesAFileNameThatLeavesTheScenariosFolder) {
    for (const char* name : {"../escape", "sub/dir", "..\\up", "..", "a\\b"}) {
        world->Settings.ScenarioFileName = name;
        dialogs.errors.clear();
        FolderTransaction files(dir.str());
        EXPECT_FALSE(AddScenarioFile(*world, dialogs, files, nullptr)) << name;
        EXPECT_TRUE(files.empty());
        ASSERT_EQ(dialogs.errors.size(), 1u) << name;
        EXPECT_NE(dialogs.errors[0].find("ScenarioFileName"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(dir.path / "Scenarios"));
    EXPECT_FALSE(fs::exists(dir.path.parent_path() / "escape.tqg"));
    EXPECT_TRUE(IsPlainScenarioFileName("My Scenario.v2"));
}
