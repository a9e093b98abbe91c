#include "SettingsFileWriter.h"

#include <cstdlib>
#include <sstream>
#include <vector>

#include "Vocabulary.h"

const int kTaxStab[5][7] = {{90, 93, 96, 100, 103, 106, 110},
                            {80, 87, 94, 100, 104, 108, 112},
                            {70, 80, 90, 100, 105, 110, 115},
                            {55, 67, 80, 100, 107, 114, 122},
                            {40, 55, 70, 100, 110, 120, 130}};

namespace {

class SettingsText {
  public:
    void Comment(const std::string& text) { out_ << "# " << text << "\r\n"; }
    void Blank() { out_ << "\r\n"; }
    void Key(const std::string& key, const std::string& value) {
        out_ << key << ';' << value << "\r\n";
    }
    void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
    template <class Values>
    void List(const std::string& key, const Values& values) {
        out_ << key;
        for (const auto& v : values) out_ << ';' << v;
        out_ << "\r\n";
    }
    std::string Text() const { return out_.str(); }

  private:
    std::ostringstream out_;
};

const char* const kSteps[9] = {"-4", "-3", "-2", "-1", "0", "1", "2", "3", "4"};

// Climate ladders: what a colder or warmer world, a drier or wetter one, turns each climate
// into (tundra, tropical dry, calm dry, calm wet, tropical wet, calm, tropical hot, calm
// cold, patagonia).
const int kColder[9] = {0, 2, 7, 7, 3, 7, 1, 0, 0};
const int kWarmer[9] = {7, 6, 1, 4, 4, 6, 6, 5, 5};
const int kDrier[9] = {0, 1, 2, 5, 6, 2, 1, 7, 8};
const int kWetter[9] = {0, 6, 5, 3, 4, 3, 4, 7, 8};

// The nine chance lists and the nine target lists of one slider ("Temper" or "Humid"): a
// step below 0 moves each climate to its `lower` neighbour, a step above 0 to its `higher`
// one, with a chance of 15 percent per step; step 0 and climates that stay change nothing.
void ClimateShiftTables(SettingsText& s, const std::string& slider, const int (&lower)[9],
                        const int (&higher)[9]) {
    for (int i = 0; i < 9; ++i) {
        const int step = i - 4;
        std::vector<int> chance(9);
        for (int c = 0; c < 9; ++c) {
            const int target = step < 0 ? lower[c] : higher[c];
            chance[c] = step == 0 || target == c ? 0 : 15 * std::abs(step);
        }
        s.List(slider + kSteps[i] + "ClimateModif", chance);
    }
    for (int i = 0; i < 9; ++i) {
        const int step = i - 4;
        std::vector<int> target(9);
        for (int c = 0; c < 9; ++c) target[c] = step == 0 ? c : step < 0 ? lower[c] : higher[c];
        s.List(slider + kSteps[i] + "ClimateNew", target);
    }
}

}  // namespace

std::string SettingsFileText(const DemoWorld& world) {
    SettingsText s;
    s.Key("TQ3 Scenario Generator settings of the demo world", "key;values");
    s.Comment("Lines that do not begin with a key and ';' are comments. The first line is");
    s.Comment("never read. Lists name code 1 first; tables by slider step run from -4 to 4.");
    s.Blank();

    s.Comment("General: the scenario file Scenarios/<ScenarioFileName>.tqg and its years.");
    s.Key("ScenarioFileName", "Random");
    s.Key("ScenarioName", "Random World");
    s.Key("StartYear", kStartYear);
    s.Key("EndYear", kEndYear);
    s.Comment("0 new map and scenario, 1 map only, 2 scenario only on the original map.");
    s.Key("GeneratorMode", 0);
    s.Key("EditorEnabled", 0);
    s.Key("FantasyMode", 0);
    s.Comment("Provinces 0..ProvinceCount of TQ3GenerProvince.csv are in play.");
    s.Key("ProvinceCount", kProvinceCount);
    s.Blank();
    s.Comment("Map: switches and the sliders from -4 to 4.");
    s.Key("IsRandomClimate", 1);
    s.Key("ClimateAffectsSeas", 1);
    s.Key("IsRandomTerain", 1);
    s.Key("Temperature", 0);
    s.Key("Humidity", 0);
    s.Key("Diversity", 0);
    s.Key("Age", 0);
    s.Key("DontChangeEurope", 0);
    s.Key("DontChangeAsia", 0);
    s.Key("UseGalleysAnywhere", 0);
    s.Key("WorldIsExplored", 0);
    s.Key("IsRandomManpower", 1);
    s.Key("IsRandomIncome", 1);
    s.Key("IsRandomColonDiff", 1);
    s.Key("IsRandomNativTolerance", 1);
    s.Key("IsRandomNativCombat", 1);
    s.Key("IsRandomTradeNegotiation", 1);
    s.Key("IsRandomNativPopulation", 1);
    s.Comment("Province value sliders from -5 (less) to 5 (more).");
    s.Key("ManpowerModif", 0);
    s.Key("IncomeModif", 0);
    s.Key("ColonDifficultyModif", 0);
    s.Key("TradeNegotiationModif", 0);
    s.Key("NativToleranceModif", 0);
    s.Key("NativPopulationModif", 0);
    s.Key("NativCombatModif", 0);
    s.Blank();
    s.Comment("Economy.");
    s.Key("IsRandomGoods", 1);
    s.Key("IsContinentSpecifs", 1);
    s.Key("IsGoodsTerrainDependency", 1);
    s.Key("GoodsValueModifier", 3);
    s.Key("RandomizeGoodsValues", 0);
    s.Key("TaxValue", 3);
    s.Key("TaxStabilImpact", kTaxStabilImpact);
    const GoodsTables& g = Goods();
    s.Comment("The twenty goods; the goods step knows gold by the name Gold.");
    s.List("GoodsNames", kGoodsNames);
    s.Comment("Base price, and the mine, trading post and slaves columns of DB/Goods.csv.");
    s.List("GoodsValues", g.values);
    s.List("GoodsMine", g.mine);
    s.List("GoodsTradePost", g.tradePost);
    s.List("GoodsSlaves", g.slaves);
    s.Comment("Base weight of each goods; the sixth (gold) is the gold mines slider, 0..120.");
    s.List("GoodsProb", g.prob);
    s.Blank();
    s.Comment("Vocabulary: cultures, continents, areas, regions and colours by code.");
    s.List("CultureNames", world.cultureNames);
    s.List("ContinentNames", kContinentNames);
    s.List("AreaNames", world.areaNames);
    s.List("RegionNames", world.regionNames);
    std::vector<std::string> colourNames;
    std::vector<int> red, green, blue;
    for (const NamedColour& c : kColours) {
        colourNames.push_back(c.name);
        red.push_back(c.red), green.push_back(c.green), blue.push_back(c.blue);
    }
    s.List("ColorNames", colourNames);
    s.List("ColorRed", red);
    s.List("ColorGreen", green);
    s.List("ColorBlue", blue);
    s.Blank();
    s.Comment("Centres of trade.");
    s.Key("IsRandomCots", 1);
    s.Key("ForceCoTtoMajor", 1);
    s.Key("ForceCoTtoTrade", 1);
    s.Key("CoTCount", 12);
    s.Blank();
    s.Comment("Religion. ReligDispersity is the length of a run of provinces of one faith.");
    s.Key("IsRandomReligProv", 1);
    s.Key("IsRandomReligNation", 0);
    s.Key("ReligDispersity", 10);
    s.Key("AdvancedReligStart", 0);
    s.Key("EdictOfTolerance", 0);
    s.Key("AIChangesReligion", 1);
    s.List("ReligNames", kReligNames);
    s.Comment("Provinces of each faith, pagan first; together they match the ~1,000 land");
    s.Comment("provinces. Pagans take the remainder; the last (counterreform) has no quota.");
    s.List("ReligProb", std::vector<int>{300, 110, 45, 25, 80, 150, 50, 80, 70, 80, 0});
    s.Blank();
    s.Comment("Countries. NationCount may not exceed the nations of TQ3GenerCountry.csv.");
    s.Key("NationCount", 80);
    s.Key("NoCulture", 0);
    s.Key("AllElectors", 0);
    s.Comment("RandomStartLoc: 0 historical starts, 1..5 wander 4..64 steps, 6 anywhere.");
    s.Key("RandomStartLoc", 3);
    s.Key("ForceMajortoCoast", 0);
    s.Key("ForceNavaltoCoast", 1);
    s.Key("ForceMajortoEurope", 0);
    s.Key("DontMoveEuroNations", 0);
    s.Key("RandomizeUnknownsOnly", 0);
    s.Key("IsNationSpecifics", 1);
    s.Key("IsNationSpecifGold", 1);
    s.Key("IsNationSpecifTech", 1);
    s.Key("IsNationSpecifArmy", 1);
    s.Key("IsNationSpecifNavy", 1);
    s.Key("BigFortresses", 0);
    s.Key("RandomEvents", 1);
    s.Key("ReligiousEvents", 1);
    s.Key("IsNationSpecifTechGroup", 1);
    s.Key("CommonTechGroup", 1);
    s.List("TechGroupNames", kTechGroupNames);
    s.Key("StartTechLand", 5);
    s.Key("StartTechNaval", 3);
    s.Key("StartTechInfra", 2);
    s.Key("StartTechTrade", 2);
    s.Key("StartStability", 1);
    s.Key("IsNationSpecifDP", 1);
    s.Key("RandomizeDP", 0);
    for (const char* key : {"DefaultDPAristocracy", "DefaultDPCentralization",
                            "DefaultDPInnovative", "DefaultDPMercantilism", "DefaultDPOffensive",
                            "DefaultDPLand", "DefaultDPQuality", "DefaultDPSerfdom"})
        s.Key(key, 5);
    s.Comment("Majors: at most 8 tags; MajorCount is the number of random majors (1..8).");
    s.Key("IsRandomMajor", 0);
    s.Key("MajorCount", static_cast<int>(world.majors.size()));
    s.List("SpecifiedMajors", world.majors);
    s.Key("StartingFunds", 500);
    s.Key("StartingArmy", 10);
    s.Key("StartingNavy", 8);
    s.Comment("StartingCountrySize 0 takes each nation's own size.");
    s.Key("StartingCountrySize", 0);
    s.Key("IndivSizeDoubled", 0);
    s.Key("MajorAdvantage", 20);
    s.Key("UseHistDiplMatrix", 1);
    s.Key("RandomRelations", 0);
    s.Key("NationRelationModif", 0);
    s.Key("BadBoy", 0);
    s.Key("GetConquistador", 1);
    s.Blank();

    s.Comment("Goods tables: percent applied to each goods' weight, in GoodsNames order.");
    s.Comment("Fish needs a coast; salt, slaves and naval stores like one; ores like inland.");
    s.List("GoodsCoastalModif", g.coastal);
    s.List("GoodsInlandModif", g.inland);
    s.Comment("By climate 0..8: furs and fish in the cold, spices, sugar and coffee in the");
    s.Comment("wet tropics, ivory and cotton in the dry tropics, wine and wool in calm lands.");
    for (int c = 0; c < 9; ++c) s.List("GoodsClimate" + std::to_string(c) + "Modif", g.climate[c]);
    s.Comment("By terrain 0..4: grain on plains, furs and naval stores in forests, gold, iron");
    s.Comment("and minerals in mountains, salt in deserts, sugar in marshes.");
    for (int t = 0; t < 5; ++t) s.List("GoodsTerain" + std::to_string(t) + "Modif", g.terrain[t]);
    s.Comment("By continent, with continent specifics on: tobacco, sugar and gold in America,");
    s.Comment("cloth and wine in Europe, orient goods and tea in Asia, spices and wool in");
    s.Comment("Oceania, ivory and slaves in Africa.");
    s.List("GoodsAmericaModif", g.continent[0]);
    s.List("GoodsEuropaModif", g.continent[1]);
    s.List("GoodsAsiaModif", g.continent[2]);
    s.List("GoodsOceaniaModif", g.continent[3]);
    s.List("GoodsAfricaModif", g.continent[4]);
    s.Blank();
    const ProvinceRanges& r = world.ranges;
    s.Comment("Province number ranges: Europe, then the Near East; the islands where nobody");
    s.Comment("starts at random; North Africa; the Mediterranean islands.");
    s.Key("EuropeRangeMin", r.europeMin);
    s.Key("EuropeRangeMax", r.europeMax);
    s.Key("IslandsRangeMin", r.islandsMin);
    s.Key("IslandsRangeMax", r.islandsMax);
    s.Key("NearEastRangeMin", r.nearEastMin);
    s.Key("NearEastRangeMax", r.nearEastMax);
    s.Key("NorthAfricaRangeMin", r.northAfricaMin);
    s.Key("NorthAfricaRangeMax", r.northAfricaMax);
    s.Key("MediterraneanRangeMin", r.mediterraneanMin);
    s.Key("MediterraneanRangeMax", r.mediterraneanMax);
    s.Blank();

    s.Comment("Temperature: for each step, per climate 0..8, the chance in percent that a land");
    s.Comment("province changes its climate, then the climate it changes into. A cold world");
    s.Comment("turns calm lands cold and cold lands to tundra, a warm one the other way round.");
    ClimateShiftTables(s, "Temper", kColder, kWarmer);
    s.Comment("Humidity: the same for dry and wet worlds; a wet world turns calm lands wet and");
    s.Comment("the hot tropics into rain forest, a dry one the other way round.");
    ClimateShiftTables(s, "Humid", kDrier, kWetter);
    s.Comment("Terrain: percent applied to the weight of plains, forest, mountain, desert and");
    s.Comment("marsh (one key each) by climate 0..8: deserts in the dry belts, forests in");
    s.Comment("the wet and cold lands, marshes in the tropics and the tundra.");
    const std::vector<std::vector<int>> terrainByClimate = {
        {60, 80, 130, 110, 60, 120, 90, 90, 120},
        {70, 30, 50, 140, 200, 120, 120, 160, 60},
        {120, 100, 110, 100, 90, 100, 100, 110, 130},
        {10, 400, 200, 5, 0, 20, 150, 5, 60},
        {120, 5, 5, 250, 300, 60, 40, 100, 40}};
    for (int t = 0; t < 5; ++t)
        s.List("Terain" + std::to_string(t) + "ClimateModif", terrainByClimate[t]);
    s.Comment("Base weights of the five terrains, then percent on coasts and inland.");
    s.List("TerainProbs", std::vector<int>{300, 250, 150, 100, 60});
    s.List("CoastalTerainModif", std::vector<int>{120, 90, 70, 80, 150});
    s.List("InlandTerainModif", std::vector<int>{100, 110, 115, 110, 70});
    s.Comment("Age -4..4: percent on the mountain weight; young worlds are mountainous.");
    s.List("AgeMountainsModif", std::vector<int>{250, 200, 160, 125, 100, 80, 60, 40, 25});
    s.Comment("Humidity -4..4: chance of storms at sea, out of 550.");
    s.List("HumidStormModif", std::vector<int>{10, 20, 30, 45, 60, 80, 100, 130, 160});
    s.Comment("Temperature -4..4: seas of this climate code or higher freeze (tundra always);");
    s.Comment("9 freezes nothing else. Cold worlds freeze the cold (7) and southern (8) seas.");
    s.List("TemperIceModif", std::vector<int>{7, 7, 8, 8, 9, 9, 9, 9, 9});
    s.Comment("Diversity -4..4: weight a terrain gains for each neighbour that has it; large");
    s.Comment("regions of one terrain at -4, terrain independent of the neighbours at 4.");
    s.List("TerainDiversityModif", std::vector<int>{800, 450, 250, 120, 60, 35, 15, 5, 0});
    s.Comment("Manpower base by terrain 0..4, and for provinces a nation holds.");
    s.List("TerainManpowerModif", std::vector<int>{6, 4, 3, 2, 2, 8});
    s.Comment("Values a gold mine draws from.");
    s.List("MineValueGenerator", std::vector<int>{1, 2, 3, 3, 4, 5, 6});
    s.Comment("Tax modifier in percent at stability -3..3, one row per TaxStabilImpact 1..5.");
    for (int n = 0; n < 5; ++n) s.List("TaxStab" + std::to_string(n + 1), kTaxStab[n]);
    return s.Text();
}
