#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tq3 {

// Every key of Config/TQ3Gener.csv, one field per key, named as the key.
//
// Keys that carry a number inside their name are held as arrays:
//   "GoodsClimate{c}Modif"      -> GoodsClimateModif[c]      (climate c = 0..8)
//   "GoodsTerain{t}Modif"       -> GoodsTerainModif[t]       (terrain t = 0..4)
//   "Temper{s}ClimateModif/New" -> TemperClimateModif/New[s + 4]   (s = -4..4)
//   "Humid{s}ClimateModif/New"  -> HumidClimateModif/New[s + 4]
//   "Terain{t}ClimateModif"     -> TerainClimateModif[t]
//   "TaxStab{n}"                -> TaxStab[n - 1]             (n = 1..5)
// Name lists hold code k in element k - 1; lists by climate or terrain hold code k in
// element k; lists by slider step s hold it in element s + 4.
struct TGeneratorSettings {
    template <std::size_t N>
    using Strings = std::array<std::string, N>;
    template <std::size_t N>
    using Shorts = std::array<int16_t, N>;
    template <std::size_t N>
    using Bytes = std::array<uint8_t, N>;

    // User settings (read only on a full load).
    std::string ScenarioFileName;
    std::string ScenarioName;
    int16_t StartYear = 0;
    int16_t EndYear = 0;
    int8_t GeneratorMode = 0;
    bool EditorEnabled = false;
    bool FantasyMode = false;
    int16_t ProvinceCount = 0;
    bool IsRandomClimate = false;
    bool ClimateAffectsSeas = false;
    bool IsRandomTerain = false;
    int8_t Temperature = 0;
    int8_t Humidity = 0;
    int8_t Diversity = 0;
    int8_t Age = 0;
    bool DontChangeEurope = false;
    bool DontChangeAsia = false;
    bool UseGalleysAnywhere = false;
    bool WorldIsExplored = false;
    bool IsRandomManpower = false;
    bool IsRandomIncome = false;
    bool IsRandomColonDiff = false;
    bool IsRandomNativTolerance = false;
    bool IsRandomNativCombat = false;
    bool IsRandomTradeNegotiation = false;
    bool IsRandomNativPopulation = false;
    int8_t ManpowerModif = 0;
    int8_t IncomeModif = 0;
    int8_t ColonDifficultyModif = 0;
    int8_t TradeNegotiationModif = 0;
    int8_t NativToleranceModif = 0;
    int8_t NativPopulationModif = 0;
    int8_t NativCombatModif = 0;
    bool IsRandomGoods = false;
    bool IsContinentSpecifs = false;
    bool IsGoodsTerrainDependency = false;
    int8_t GoodsValueModifier = 0;
    bool RandomizeGoodsValues = false;
    int8_t TaxValue = 0;
    int8_t TaxStabilImpact = 0;
    Strings<20> GoodsNames{};
    Shorts<20> GoodsValues{};
    Bytes<20> GoodsMine{};
    Bytes<20> GoodsTradePost{};
    Bytes<20> GoodsSlaves{};
    Shorts<20> GoodsProb{};
    Strings<120> CultureNames{};
    Strings<10> ContinentNames{};
    Strings<160> AreaNames{};
    Strings<70> RegionNames{};
    Strings<23> ColorNames{};
    Shorts<23> ColorRed{};
    Shorts<23> ColorGreen{};
    Shorts<23> ColorBlue{};
    bool IsRandomCots = false;
    bool ForceCoTtoMajor = false;
    bool ForceCoTtoTrade = false;
    int16_t CoTCount = 0;
    bool IsRandomReligProv = false;
    bool IsRandomReligNation = false;
    int16_t ReligDispersity = 0;
    bool AdvancedReligStart = false;
    bool EdictOfTolerance = false;
    bool AIChangesReligion = false;
    Strings<11> ReligNames{};
    Shorts<11> ReligProb{};
    int16_t NationCount = 0;
    bool NoCulture = false;
    bool AllElectors = false;
    int8_t RandomStartLoc = 0;
    bool ForceMajortoCoast = false;
    bool ForceNavaltoCoast = false;
    bool ForceMajortoEurope = false;
    bool DontMoveEuroNations = false;
    bool RandomizeUnknownsOnly = false;
    bool IsNationSpecifics = false;
    bool IsNationSpecifGold = false;
    bool IsNationSpecifTech = false;
    bool IsNationSpecifArmy = false;
    bool IsNationSpecifNavy = false;
    bool BigFortresses = false;
    bool RandomEvents = false;
    bool ReligiousEvents = false;
    bool IsNationSpecifTechGroup = false;
    int8_t CommonTechGroup = 0;
    Strings<5> TechGroupNames{};
    int8_t StartTechLand = 0;
    int8_t StartTechNaval = 0;
    int8_t StartTechInfra = 0;
    int8_t StartTechTrade = 0;
    int8_t StartStability = 0;
    bool IsNationSpecifDP = false;
    bool RandomizeDP = false;
    int8_t DefaultDPAristocracy = 0;
    int8_t DefaultDPCentralization = 0;
    int8_t DefaultDPInnovative = 0;
    int8_t DefaultDPMercantilism = 0;
    int8_t DefaultDPOffensive = 0;
    int8_t DefaultDPLand = 0;
    int8_t DefaultDPQuality = 0;
    int8_t DefaultDPSerfdom = 0;
    bool IsRandomMajor = false;
    int8_t MajorCount = 0;
    std::string SpecifiedMajors;  // the whole rest of its line: tags separated by ";"
    int16_t StartingFunds = 0;
    int16_t StartingArmy = 0;
    int16_t StartingNavy = 0;
    int8_t StartingCountrySize = 0;
    bool IndivSizeDoubled = false;
    int16_t MajorAdvantage = 0;
    bool UseHistDiplMatrix = false;
    bool RandomRelations = false;
    int16_t NationRelationModif = 0;
    int16_t BadBoy = 0;
    bool GetConquistador = false;

    // Derived on a full load: red + 256 * green + 65536 * blue of colours 1..23.
    std::array<int32_t, 23> Colors{};

    // Generation tables (read on every load).
    Shorts<20> GoodsCoastalModif{};
    Shorts<20> GoodsInlandModif{};
    std::array<Shorts<20>, 9> GoodsClimateModif{};
    std::array<Shorts<20>, 5> GoodsTerainModif{};
    Shorts<20> GoodsAmericaModif{};
    Shorts<20> GoodsEuropaModif{};
    Shorts<20> GoodsAsiaModif{};
    Shorts<20> GoodsOceaniaModif{};
    Shorts<20> GoodsAfricaModif{};
    int16_t EuropeRangeMin = 0;
    int16_t EuropeRangeMax = 0;
    int16_t IslandsRangeMin = 0;
    int16_t IslandsRangeMax = 0;
    int16_t NearEastRangeMin = 0;
    int16_t NearEastRangeMax = 0;
    int16_t NorthAfricaRangeMin = 0;
    int16_t NorthAfricaRangeMax = 0;
    int16_t MediterraneanRangeMin = 0;
    int16_t MediterraneanRangeMax = 0;
    std::array<Shorts<9>, 9> TemperClimateModif{};
    std::array<Bytes<9>, 9> TemperClimateNew{};
    std::array<Shorts<9>, 9> HumidClimateModif{};
    std::array<Bytes<9>, 9> HumidClimateNew{};
    std::array<Shorts<9>, 5> TerainClimateModif{};
    Shorts<5> TerainProbs{};
    Shorts<5> CoastalTerainModif{};
    Shorts<5> InlandTerainModif{};
    Shorts<9> AgeMountainsModif{};
    Shorts<9> HumidStormModif{};
    Shorts<9> TemperIceModif{};
    Shorts<9> TerainDiversityModif{};
    Shorts<6> TerainManpowerModif{};
    Shorts<7> MineValueGenerator{};
    std::array<Bytes<7>, 5> TaxStab{};
};

// Marks the one setting that is read as the whole rest of its line.
struct TextListSetting {};

// Calls visit(key, field) for every user setting, in file order. SpecifiedMajors is passed
// with a TextListSetting tag as a third argument.
template <class Settings, class Visit>
void VisitUserSettings(Settings& s, Visit&& visit) {
    visit("ScenarioFileName", s.ScenarioFileName);
    visit("ScenarioName", s.ScenarioName);
    visit("StartYear", s.StartYear);
    visit("EndYear", s.EndYear);
    visit("GeneratorMode", s.GeneratorMode);
    visit("EditorEnabled", s.EditorEnabled);
    visit("FantasyMode", s.FantasyMode);
    visit("ProvinceCount", s.ProvinceCount);
    visit("IsRandomClimate", s.IsRandomClimate);
    visit("ClimateAffectsSeas", s.ClimateAffectsSeas);
    visit("IsRandomTerain", s.IsRandomTerain);
    visit("Temperature", s.Temperature);
    visit("Humidity", s.Humidity);
    visit("Diversity", s.Diversity);
    visit("Age", s.Age);
    visit("DontChangeEurope", s.DontChangeEurope);
    visit("DontChangeAsia", s.DontChangeAsia);
    visit("UseGalleysAnywhere", s.UseGalleysAnywhere);
    visit("WorldIsExplored", s.WorldIsExplored);
    visit("IsRandomManpower", s.IsRandomManpower);
    visit("IsRandomIncome", s.IsRandomIncome);
    visit("IsRandomColonDiff", s.IsRandomColonDiff);
    visit("IsRandomNativTolerance", s.IsRandomNativTolerance);
    visit("IsRandomNativCombat", s.IsRandomNativCombat);
    visit("IsRandomTradeNegotiation", s.IsRandomTradeNegotiation);
    visit("IsRandomNativPopulation", s.IsRandomNativPopulation);
    visit("ManpowerModif", s.ManpowerModif);
    visit("IncomeModif", s.IncomeModif);
    visit("ColonDifficultyModif", s.ColonDifficultyModif);
    visit("TradeNegotiationModif", s.TradeNegotiationModif);
    visit("NativToleranceModif", s.NativToleranceModif);
    visit("NativPopulationModif", s.NativPopulationModif);
    visit("NativCombatModif", s.NativCombatModif);
    visit("IsRandomGoods", s.IsRandomGoods);
    visit("IsContinentSpecifs", s.IsContinentSpecifs);
    visit("IsGoodsTerrainDependency", s.IsGoodsTerrainDependency);
    visit("GoodsValueModifier", s.GoodsValueModifier);
    visit("RandomizeGoodsValues", s.RandomizeGoodsValues);
    visit("TaxValue", s.TaxValue);
    visit("TaxStabilImpact", s.TaxStabilImpact);
    visit("GoodsNames", s.GoodsNames);
    visit("GoodsValues", s.GoodsValues);
    visit("GoodsMine", s.GoodsMine);
    visit("GoodsTradePost", s.GoodsTradePost);
    visit("GoodsSlaves", s.GoodsSlaves);
    visit("GoodsProb", s.GoodsProb);
    visit("CultureNames", s.CultureNames);
    visit("ContinentNames", s.ContinentNames);
    visit("AreaNames", s.AreaNames);
    visit("RegionNames", s.RegionNames);
    visit("ColorNames", s.ColorNames);
    visit("ColorRed", s.ColorRed);
    visit("ColorGreen", s.ColorGreen);
    visit("ColorBlue", s.ColorBlue);
    visit("IsRandomCots", s.IsRandomCots);
    visit("ForceCoTtoMajor", s.ForceCoTtoMajor);
    visit("ForceCoTtoTrade", s.ForceCoTtoTrade);
    visit("CoTCount", s.CoTCount);
    visit("IsRandomReligProv", s.IsRandomReligProv);
    visit("IsRandomReligNation", s.IsRandomReligNation);
    visit("ReligDispersity", s.ReligDispersity);
    visit("AdvancedReligStart", s.AdvancedReligStart);
    visit("EdictOfTolerance", s.EdictOfTolerance);
    visit("AIChangesReligion", s.AIChangesReligion);
    visit("ReligNames", s.ReligNames);
    visit("ReligProb", s.ReligProb);
    visit("NationCount", s.NationCount);
    visit("NoCulture", s.NoCulture);
    visit("AllElectors", s.AllElectors);
    visit("RandomStartLoc", s.RandomStartLoc);
    visit("ForceMajortoCoast", s.ForceMajortoCoast);
    visit("ForceNavaltoCoast", s.ForceNavaltoCoast);
    visit("ForceMajortoEurope", s.ForceMajortoEurope);
    visit("DontMoveEuroNations", s.DontMoveEuroNations);
    visit("RandomizeUnknownsOnly", s.RandomizeUnknownsOnly);
    visit("IsNationSpecifics", s.IsNationSpecifics);
    visit("IsNationSpecifGold", s.IsNationSpecifGold);
    visit("IsNationSpecifTech", s.IsNationSpecifTech);
    visit("IsNationSpecifArmy", s.IsNationSpecifArmy);
    visit("IsNationSpecifNavy", s.IsNationSpecifNavy);
    visit("BigFortresses", s.BigFortresses);
    visit("RandomEvents", s.RandomEvents);
    visit("ReligiousEvents", s.ReligiousEvents);
    visit("IsNationSpecifTechGroup", s.IsNationSpecifTechGroup);
    visit("CommonTechGroup", s.CommonTechGroup);
    visit("TechGroupNames", s.TechGroupNames);
    visit("StartTechLand", s.StartTechLand);
    visit("StartTechNaval", s.StartTechNaval);
    visit("StartTechInfra", s.StartTechInfra);
    visit("StartTechTrade", s.StartTechTrade);
    visit("StartStability", s.StartStability);
    visit("IsNationSpecifDP", s.IsNationSpecifDP);
    visit("RandomizeDP", s.RandomizeDP);
    visit("DefaultDPAristocracy", s.DefaultDPAristocracy);
    visit("DefaultDPCentralization", s.DefaultDPCentralization);
    visit("DefaultDPInnovative", s.DefaultDPInnovative);
    visit("DefaultDPMercantilism", s.DefaultDPMercantilism);
    visit("DefaultDPOffensive", s.DefaultDPOffensive);
    visit("DefaultDPLand", s.DefaultDPLand);
    visit("DefaultDPQuality", s.DefaultDPQuality);
    visit("DefaultDPSerfdom", s.DefaultDPSerfdom);
    visit("IsRandomMajor", s.IsRandomMajor);
    visit("MajorCount", s.MajorCount);
    visit("SpecifiedMajors", s.SpecifiedMajors, TextListSetting{});
    visit("StartingFunds", s.StartingFunds);
    visit("StartingArmy", s.StartingArmy);
    visit("StartingNavy", s.StartingNavy);
    visit("StartingCountrySize", s.StartingCountrySize);
    visit("IndivSizeDoubled", s.IndivSizeDoubled);
    visit("MajorAdvantage", s.MajorAdvantage);
    visit("UseHistDiplMatrix", s.UseHistDiplMatrix);
    visit("RandomRelations", s.RandomRelations);
    visit("NationRelationModif", s.NationRelationModif);
    visit("BadBoy", s.BadBoy);
    visit("GetConquistador", s.GetConquistador);
}

// Calls visit(key, field) for every generation table, in file order.
template <class Settings, class Visit>
void VisitGenerationTables(Settings& s, Visit&& visit) {
    static const char* const kSteps[9] = {"-4", "-3", "-2", "-1", "0", "1", "2", "3", "4"};
    const auto digit = [](int i) { return std::to_string(i); };
    visit("GoodsCoastalModif", s.GoodsCoastalModif);
    visit("GoodsInlandModif", s.GoodsInlandModif);
    for (int c = 0; c < 9; ++c) visit("GoodsClimate" + digit(c) + "Modif", s.GoodsClimateModif[c]);
    for (int t = 0; t < 5; ++t) visit("GoodsTerain" + digit(t) + "Modif", s.GoodsTerainModif[t]);
    visit("GoodsAmericaModif", s.GoodsAmericaModif);
    visit("GoodsEuropaModif", s.GoodsEuropaModif);
    visit("GoodsAsiaModif", s.GoodsAsiaModif);
    visit("GoodsOceaniaModif", s.GoodsOceaniaModif);
    visit("GoodsAfricaModif", s.GoodsAfricaModif);
    visit("EuropeRangeMin", s.EuropeRangeMin);
    visit("EuropeRangeMax", s.EuropeRangeMax);
    visit("IslandsRangeMin", s.IslandsRangeMin);
    visit("IslandsRangeMax", s.IslandsRangeMax);
    visit("NearEastRangeMin", s.NearEastRangeMin);
    visit("NearEastRangeMax", s.NearEastRangeMax);
    visit("NorthAfricaRangeMin", s.NorthAfricaRangeMin);
    visit("NorthAfricaRangeMax", s.NorthAfricaRangeMax);
    visit("MediterraneanRangeMin", s.MediterraneanRangeMin);
    visit("MediterraneanRangeMax", s.MediterraneanRangeMax);
    for (int i = 0; i < 9; ++i)
        visit(std::string("Temper") + kSteps[i] + "ClimateModif", s.TemperClimateModif[i]);
    for (int i = 0; i < 9; ++i)
        visit(std::string("Temper") + kSteps[i] + "ClimateNew", s.TemperClimateNew[i]);
    for (int i = 0; i < 9; ++i)
        visit(std::string("Humid") + kSteps[i] + "ClimateModif", s.HumidClimateModif[i]);
    for (int i = 0; i < 9; ++i)
        visit(std::string("Humid") + kSteps[i] + "ClimateNew", s.HumidClimateNew[i]);
    for (int t = 0; t < 5; ++t)
        visit("Terain" + digit(t) + "ClimateModif", s.TerainClimateModif[t]);
    visit("TerainProbs", s.TerainProbs);
    visit("CoastalTerainModif", s.CoastalTerainModif);
    visit("InlandTerainModif", s.InlandTerainModif);
    visit("AgeMountainsModif", s.AgeMountainsModif);
    visit("HumidStormModif", s.HumidStormModif);
    visit("TemperIceModif", s.TemperIceModif);
    visit("TerainDiversityModif", s.TerainDiversityModif);
    visit("TerainManpowerModif", s.TerainManpowerModif);
    visit("MineValueGenerator", s.MineValueGenerator);
    for (int n = 0; n < 5; ++n) visit("TaxStab" + digit(n + 1), s.TaxStab[n]);
}

}  // namespace tq3
