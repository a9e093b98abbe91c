#include "LoaderTestSupport.h"
#include "config/SettingsChanges.h"

using namespace tq3;

TEST_F(MiniGame, FullLoadReadsEveryTableWithoutAMessage) {
    ASSERT_TRUE(Load());
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_TRUE(dialogs.problems.empty()) << dialogs.problems[0];
    const TGeneratorSettings& s = world->Settings;
    EXPECT_EQ(s.ScenarioFileName, "Mini");
    EXPECT_EQ(s.ProvinceCount, 12);
    EXPECT_EQ(s.GoodsNames[5], "Gold");
    EXPECT_EQ(s.ReligNames[10], "counterreform");
    EXPECT_EQ(s.SpecifiedMajors, "AAA;CCC");
    EXPECT_EQ(s.Colors[1], s.ColorRed[1] + 256 * s.ColorGreen[1] + 65536 * s.ColorBlue[1]);
    EXPECT_EQ(s.TemperClimateModif[0][0], 40);  // "Temper-4ClimateModif"
    EXPECT_EQ(s.TaxStab[4][0], static_cast<uint8_t>(-50));
    EXPECT_EQ(s.GoodsClimateModif[8][19], 100);
    EXPECT_EQ(world->NationsLoaded, 4);
    EXPECT_EQ(world->LandProvinceCount, 8);
    EXPECT_EQ(world->Provinces[8].Name, "Sib\xe9ria");
    EXPECT_EQ(world->Neighbours[1][1], 2);
    EXPECT_EQ(world->Neighbours[1][2], 5);  // the sea zone 9 is left out
    EXPECT_EQ(dialogs.busy, 1);
}

TEST_F(MiniGame, MissingSettingsOrNationsFileChangesNothing) {
    for (const char* name : {"TQ3Gener.csv", "TQ3GenerCountry.csv"}) {
        SCOPED_TRACE(name);
        std::filesystem::rename(Config(name), Config("moved"));
        world->Settings.Age = 3;
        test::RecordingDialogs d;
        EXPECT_TRUE(LoadSettings(*world, d, true).refused);
        ASSERT_EQ(d.errors.size(), 1u);
        EXPECT_EQ(d.errors[0], std::string("File ") + name + " not found");
        EXPECT_EQ(world->Settings.Age, 3);
        EXPECT_EQ(world->NationsLoaded, 0);
        std::filesystem::rename(Config("moved"), Config(name));
    }
}

TEST_F(MiniGame, MissingKeysTakeTheDefaultsOfTheirKind) {
    Write("TQ3Gener.csv", "Age;3\r\nnothing else\r\n");
    ASSERT_TRUE(Load());
    const TGeneratorSettings& s = world->Settings;
    EXPECT_EQ(s.Age, -1);  // the first line is never read
    EXPECT_TRUE(s.IsRandomClimate);
    EXPECT_EQ(s.ProvinceCount, -1);
    EXPECT_EQ(s.ScenarioFileName, "");
    EXPECT_EQ(world->LandProvinceCount, 0);
}

TEST_F(MiniGame, ValuesAreReadAsTheFileWritesThem) {
    ASSERT_TRUE(Load());
    Edit("TQ3Gener.csv", "IsRandomClimate;1", "IsRandomClimate;yes");
    Edit("TQ3Gener.csv", "Temperature;0", "Temperature; -2 ;5");
    Edit("TQ3Gener.csv", "Humidity;0", "Humidity;300");
    Edit("TQ3Gener.csv", "GoodsNames;Clothes;Coffee;Cotton", "GoodsNames;Silk; Tea\r\nX;Cotton");
    Edit("TQ3Gener.csv", "ReligProb;4;4;0;0;2;2", "ReligProb;7;8\r\nX;0;0;2;2");
    Edit("TQ3Gener.csv", "TerainProbs;300;250;150;100;100", "TerainProbs;1;2;3;4;5;6;7");
    ASSERT_TRUE(Load());
    const TGeneratorSettings& s = world->Settings;
    EXPECT_FALSE(s.IsRandomClimate);
    EXPECT_EQ(s.Temperature, -2);
    EXPECT_EQ(s.Humidity, 44);  // low 8 bits
    EXPECT_EQ(s.GoodsNames[0], "Silk");
    EXPECT_EQ(s.GoodsNames[1], " Tea");
    EXPECT_EQ(s.GoodsNames[2], "Cotton");  // kept from the first load
    EXPECT_EQ(s.ReligProb[0], 7);
    EXPECT_EQ(s.ReligProb[1], 8);
    EXPECT_EQ(s.ReligProb[4], 2);
    EXPECT_EQ(s.TerainProbs[4], 5);
}

TEST_F(MiniGame, ReloadKeepsUserSettingsAndRereadsTheWorld) {
    ASSERT_TRUE(Load());
    world->Settings.Age = 4;
    world->Settings.GoodsProb[0] = 77;   // a user setting: kept
    world->Settings.TerainProbs[0] = 1;  // a generation table: read again
    world->Provinces[3].Terrain = TerrainCode::Sea;
    world->Nations[1].Religion = 9;
    world->Neighbours[1][1] = 7;
    ASSERT_TRUE(Load(false));
    EXPECT_EQ(world->Settings.Age, 4);
    EXPECT_EQ(world->Settings.GoodsProb[0], 77);
    EXPECT_EQ(world->Settings.TerainProbs[0], 300);
    EXPECT_EQ(world->Provinces[3].Terrain, TerrainCode::Forest);
    EXPECT_EQ(world->Nations[1].Religion, 2);
    EXPECT_EQ(world->Neighbours[1][1], 7);  // adjacency is read on a full load only
}

TEST_F(MiniGame, IndividualSizesDoubledWithinOneToTen) {
    Edit("TQ3Gener.csv", "IndivSizeDoubled;0", "IndivSizeDoubled;1");
    Edit("TQ3GenerCountry.csv", "Bland;orthodox;4;2", "Bland;orthodox;4;7");
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->Nations[1].Size, 6);
    EXPECT_EQ(world->Nations[2].Size, 10);
    EXPECT_EQ(world->Nations[4].Size, 2);
}

TEST_F(MiniGame, ProvinceCountBeyondTheTableIsReportedAndLimited) {
    Edit("TQ3Gener.csv", "ProvinceCount;12", "ProvinceCount;5000");
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->Settings.ProvinceCount, 1620);
    ASSERT_FALSE(dialogs.problems.empty());
    EXPECT_NE(dialogs.problems[0].find("TQ3Gener.csv:"), std::string::npos);
    EXPECT_NE(dialogs.problems[0].find("ProvinceCount 5000"), std::string::npos);
}

// A number its key cannot hold is wrapped as the game's reader wraps it, and noted with the
// value used, in the words the recipe reader refuses it with.
TEST_F(MiniGame, NumbersBeyondTheirKeyAreNotedWithTheValueUsed) {
    Edit("TQ3Gener.csv", "Temperature;0", "Temperature;999");
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->Settings.Temperature, -25);
    ASSERT_EQ(dialogs.problems.size(), 1u);
    EXPECT_NE(dialogs.problems[0].find("TQ3Gener.csv:13: Temperature is 999"), std::string::npos)
        << dialogs.problems[0];
    EXPECT_NE(dialogs.problems[0].find("(" + SettingValueProblem("Temperature", "999") +
                                       "); -25 is used"),
              std::string::npos)
        << dialogs.problems[0];
}

// The report of a load holds what every loader showed, in the order shown: the settings
// first, then the province template, then the nations.
TEST_F(MiniGame, TheReportHoldsWhatEveryLoaderShowedInOrder) {
    Edit("TQ3Gener.csv", "Temperature;0", "Temperature;999");
    Write("TQ3GenerProvince.csv", Read("TQ3GenerProvince.csv").substr(0, 40));
    Write("TQ3GenerCountry.csv", "header\r\nAAA;Red;Blue\r\n");
    const OperationReport report = LoadSettings(*world, dialogs, true);
    EXPECT_FALSE(report.refused);
    EXPECT_EQ(report.Texts(MessageKind::Error), dialogs.errors);
    const std::vector<std::string> notes = report.Texts(MessageKind::Note);
    ASSERT_EQ(notes.size(), dialogs.problems.size());
    ASSERT_GE(notes.size(), 3u) << ::testing::PrintToString(notes);
    EXPECT_NE(notes.front().find("TQ3Gener.csv:13: Temperature"), std::string::npos);
    EXPECT_NE(notes[1].find("TQ3GenerProvince.csv:"), std::string::npos) << notes[1];
    EXPECT_NE(notes.back().find("TQ3GenerCountry.csv:2:"), std::string::npos) << notes.back();
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Nations file syntax error!"});
}

TEST_F(MiniGame, OverridesReadAsIfTheFileHeldThem) {
    world->SettingOverrides = {{"Age", "3"},
                               {"ProvinceCount", "9"},
                               {"IndivSizeDoubled", "1"},
                               {"ScenarioFileName", " Other "}};
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->Settings.Age, 3);
    EXPECT_EQ(world->Settings.ProvinceCount, 9);
    EXPECT_EQ(world->Nations[1].Size, 6);
    EXPECT_EQ(world->Settings.ScenarioFileName, "Other");
    EXPECT_TRUE(IsSettingKey("Temper-4ClimateNew"));
    EXPECT_TRUE(IsSettingKey("TaxStab5"));
    EXPECT_FALSE(IsSettingKey("TaxStab6"));
    EXPECT_EQ(WithOverrides("h\r\nA;1\r\nB;2", {{"B", "3"}, {"C", "4"}}),
              "h\r\nA;1\r\nB;3\r\nC;4\r\n");
}
