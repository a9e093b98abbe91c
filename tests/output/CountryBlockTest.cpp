#include "GoldenWorld.h"
#include "OutputTestSupport.h"
#include "TestSupport.h"
#include "output/CountryBlock.h"

using namespace tq3;

using namespace test;

namespace {
struct CountryBlock : ::testing::Test {
    std::unique_ptr<World> world = NewWorld();
    void SetUp() override { BuildGoldenWorld(*world, "/nonexistent"); }
    std::string Block(int n) {
        ScriptedRandom random;
        return WriteCountryBlock(*world, random, n);
    }
};
}  // namespace

TEST_F(CountryBlock, MajorFlagGoesByNationNumberNotByMajorSet) {
    // Nations 24 and 25 copy nation 3; neither is in MajorNations, nation 2 is.
    world->NationsLoaded = 25;
    world->Nations[24] = world->Nations[3];
    world->Nations[25] = world->Nations[3];
    EXPECT_TRUE(HasLine(Block(24), "  major = yes"));
    EXPECT_TRUE(HasLine(Block(25), "  major = no"));
}

TEST_F(CountryBlock, ExoticReligionIsWrittenAsPaganWithTrailingBlank) {
    world->Settings.ReligNames[10] = "exotic";
    world->Nations[3].Religion = 11;
    EXPECT_TRUE(HasLine(Block(3), "  religion = { type = pagan } "));
    world->Settings.ReligNames[10] = "Exotic";  // exact comparison only
    EXPECT_TRUE(HasLine(Block(3), "  religion = { type = Exotic }"));
}

TEST_F(CountryBlock, NoCultureWritesAztekOnly) {
    world->Settings.NoCulture = true;
    EXPECT_TRUE(HasLine(Block(1), "  culture = { type = aztek }"));
}

TEST_F(CountryBlock, PopulationBonusSpreadsTheMissingCities) {
    // Target 5, 3 received: B = (7000 + 6000) / 3 = 4333.
    TNation& t = world->Nations[3];
    t.Size = 5;
    t.SizeShortfall = 2;
    SetList(t.OwnedProvinces, {5, 6, 4});
    const std::string block = Block(3);
    EXPECT_TRUE(HasLine(block, "    population = 19333"));
    EXPECT_TRUE(HasLine(block, "    population = 13333"));
    EXPECT_TRUE(HasLine(block, "    population = 12333"));
    // A received size that has fallen to 0 writes no bonus instead of dividing by zero.
    t.SizeShortfall = 5;
    EXPECT_TRUE(HasLine(Block(3), "    population = 15000"));
}

TEST_F(CountryBlock, StartingSizeSettingOverridesTheNationsSize) {
    world->Settings.StartingCountrySize = 4;
    world->Nations[3].SizeShortfall = 3;  // 1 of 4 received: B = 9000 + 8000 + 7000
    EXPECT_TRUE(HasLine(Block(3), "    population = 39000"));
}

TEST_F(CountryBlock, FortressLevels) {
    struct Case {
        bool specifics, fortress, big;
        int capital, other;
    } cases[] = {
        {true, true, true, 4, 3},   {true, true, false, 3, 2},  {true, false, true, 3, 2},
        {true, false, false, 2, 1}, {false, true, false, 2, 1}, {false, true, true, 3, 2},
    };
    for (const Case& c : cases) {
        world->Settings.IsNationSpecifics = c.specifics;
        world->Settings.BigFortresses = c.big;
        world->Nations[1].Specifics = c.fortress ? uint32_t{SpecFortress} : 0u;
        const auto block = Block(1);
        EXPECT_EQ(CountLines(block, "    fortress = { level = " + std::to_string(c.capital) + " }"),
                  1)
            << c.specifics << c.fortress << c.big;
        EXPECT_EQ(CountLines(block, "    fortress = { level = " + std::to_string(c.other) + " }"),
                  1)
            << c.specifics << c.fortress << c.big;
    }
}

TEST_F(CountryBlock, SpecificsCountOnlyWithNationSpecificsExceptSplitArmy) {
    world->Settings.IsNationSpecifics = false;
    world->Settings.FantasyMode = true;
    world->Settings.GetConquistador = true;
    world->Nations[1].Specifics = ~0u;  // everything, SplitArmy included
    const std::string block = Block(1);
    EXPECT_FALSE(HasLine(block, "  bank = yes"));
    EXPECT_TRUE(HasLine(block, "  merchants = 0"));
    EXPECT_TRUE(HasLine(block, "  colonists = 0"));
    EXPECT_EQ(block.find("manufactory"), std::string::npos);
    EXPECT_EQ(block.find("1st Fleet"), std::string::npos);
    // SplitArmy still sends the conquistador on his own expedition.
    EXPECT_TRUE(HasLine(block, "    name = \"AAA Conquistador's Expedition\""));
    EXPECT_EQ(CountLines(block, "    cavalry = 0"), 1);
}

TEST_F(CountryBlock, FantasyWithoutConquistadorWritesNoLeadersOrExpeditions) {
    world->Settings.FantasyMode = true;
    world->Settings.GetConquistador = false;
    ScriptedRandom random;
    const std::string block = WriteCountryBlock(*world, random, 2);  // BBB has SplitArmy
    EXPECT_EQ(block.find("leader"), std::string::npos);
    EXPECT_EQ(block.find("Expedition"), std::string::npos);
    EXPECT_TRUE(HasLine(block, "    cavalry = 2400"));  // split leaves the cavalry at home
    EXPECT_TRUE(HasLine(block, "  colonists = 2"));     // Population counts
    EXPECT_TRUE(random.asked.empty());
}

TEST_F(CountryBlock, NationSpecificFleetTurnsGalleysIntoWarshipsWhenStartsMoveFar) {
    TGeneratorSettings& s = world->Settings;
    s.IsNationSpecifArmy = true;
    s.UseGalleysAnywhere = false;
    s.RandomStartLoc = 5;
    std::string block = Block(1);  // 4 warships, 2 galleys, 3 transports
    EXPECT_TRUE(HasLine(block, "    warships = 6"));
    EXPECT_TRUE(HasLine(block, "    galleys = 0"));
    EXPECT_TRUE(HasLine(block, "    transports = 3"));
    s.RandomStartLoc = 4;
    block = Block(1);
    EXPECT_TRUE(HasLine(block, "    warships = 4"));
    EXPECT_TRUE(HasLine(block, "    galleys = 2"));
    // The nation's own army: infantry and cavalry in thousands, artillery in tens.
    EXPECT_TRUE(HasLine(block, "    infantry = 10000"));
    EXPECT_TRUE(HasLine(block, "    cavalry = 5000"));
    EXPECT_TRUE(HasLine(block, "    artillery = 20"));
}

TEST_F(CountryBlock, SplitExpeditionWithoutCavalryStillGetsAThousand) {
    world->Settings.IsNationSpecifArmy = true;
    world->Nations[2].Cavalry = 0;
    const std::string block = Block(2);
    EXPECT_TRUE(HasLine(block, "    cavalry = 1000"));
}

TEST_F(CountryBlock, AiFileAndTreasuryRules) {
    TGeneratorSettings& s = world->Settings;
    s.RandomStartLoc = 4;
    EXPECT_TRUE(HasLine(Block(1), "  ai = \"fantasia.ai\""));
    s.DontMoveEuroNations = true;
    EXPECT_TRUE(HasLine(Block(1), "  ai = \"spain.ai\""));
    s.MajorAdvantage = -50;
    EXPECT_TRUE(HasLine(Block(2), "  treasury = 500"));  // 1000 * 50 / 100
    s.IsNationSpecifGold = true;
    EXPECT_TRUE(HasLine(Block(2), "  treasury = 500"));  // its own Treasury
    EXPECT_TRUE(HasLine(Block(1), "  treasury = 100"));
    s.BadBoy = 7;
    EXPECT_TRUE(HasLine(Block(1), "  badboy = 7"));
    s.AIChangesReligion = true;
    EXPECT_EQ(Block(1).find("changedreligion"), std::string::npos);
}

TEST_F(CountryBlock, ExplorerSailsFromTheFirstProvinceOpeningToTheSea) {
    // The capital is inland; the second province opens into a sea zone.
    SetList(world->Nations[1].OwnedProvinces, {2, 4});
    const std::string block = Block(1);
    EXPECT_EQ(block.find("1st Fleet"), std::string::npos);  // the capital has no coast
    EXPECT_TRUE(HasLine(block, "    name = \"AAA Explorer's Expedition\""));
    EXPECT_TRUE(HasLine(block, "    location = 4"));
    // No province opens to the sea: no explorer, although the nation has sea access.
    SetList(world->Nations[1].OwnedProvinces, {2, 5});
    EXPECT_EQ(Block(1).find("Explorer"), std::string::npos);
}

TEST_F(CountryBlock, ShipyardNeedsACapitalOpeningToTheSea) {
    world->Nations[1].Specifics = SpecShipyard;
    EXPECT_TRUE(HasLine(Block(1), "    shipyard = yes"));
    world->Provinces[1].SeaZone = 0;
    EXPECT_FALSE(HasLine(Block(1), "    shipyard = yes"));
}

TEST_F(CountryBlock, NamesOutsideTheListsAndNumbersOutsideTheTablesWriteNothingWrong) {
    TNation& t = world->Nations[1];
    t.Religion = 99;
    t.Cultures[1] = 500;
    SetList(t.OwnedProvinces, {3000, 4});
    world->Settings.IsNationSpecifTechGroup = false;
    world->Settings.CommonTechGroup = -4;
    const std::string block = Block(1);
    EXPECT_TRUE(HasLine(block, "  religion = { type =  }"));
    EXPECT_TRUE(HasLine(block, "  culture = { type =  type = basque }"));
    EXPECT_TRUE(HasLine(block, "    location = 3000"));
    EXPECT_TRUE(HasLine(block, "    group = "));
    EXPECT_TRUE(WriteCountryBlock(*world, *std::make_unique<ScriptedRandom>(), 0).empty());
}
