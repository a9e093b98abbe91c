#pragma once

// The small hand-made world behind the golden files in tests/data/golden: seven provinces
// (one sea), four nations (nation 2 the only major) and settings with every random part
// either off or driven by a scripted source.

#include <initializer_list>
#include <string>

#include "engine/World.h"

using namespace tq3;

namespace test {

inline void SetProvince(World& w, int p, const char* name, bool coastal, int religion, int culture,
                        int climate, int manpower, int income, int terrain, int mine, int goods,
                        bool goodsFlag, int value19, int colon, int natPop, int natCombat,
                        int natFactor, int trade, int tolerance, int seaZone) {
    TProvince& v = w.Provinces[p];
    v.Name = name;
    v.IsCoastal = coastal;
    v.Religion = static_cast<int8_t>(religion);
    v.Culture = static_cast<int16_t>(culture);
    v.Climate = static_cast<int8_t>(climate);
    v.Manpower = static_cast<int8_t>(manpower);
    v.Income = static_cast<int8_t>(income);
    v.Terrain = static_cast<int8_t>(terrain);
    v.MineValue = static_cast<int8_t>(mine);
    v.Goods = static_cast<int8_t>(goods);
    v.GoodsFlag = goodsFlag;
    v.Value19 = static_cast<int8_t>(value19);
    v.ColonDifficulty = static_cast<int8_t>(colon);
    v.NativePopulation = static_cast<int16_t>(natPop);
    v.NativeCombat = static_cast<uint8_t>(natCombat);
    v.NativeCombatFactor = static_cast<uint8_t>(natFactor);
    v.TradeNegotiation = static_cast<int8_t>(trade);
    v.NativeTolerance = static_cast<int8_t>(tolerance);
    v.SeaZone = static_cast<int16_t>(seaZone);
}

template <std::size_t N>
void SetList(std::array<int16_t, N>& list, std::initializer_list<int> values) {
    list.fill(0);
    std::size_t k = 1;
    for (int v : values) list[k++] = static_cast<int16_t>(v);
}

inline void SetPolicies(TNation& t, std::initializer_list<int> v) {
    int8_t* fields[] = {&t.Aristocracy, &t.Centralisation, &t.Innovative, &t.Mercantilism,
                        &t.Offensive,   &t.Land,           &t.Quality,    &t.Serfdom};
    int i = 0;
    for (int x : v) *fields[i++] = static_cast<int8_t>(x);
}

inline void SetLooks(TNation& t, const char* tag, int main, int fantasia, int group,
                     const char* code) {
    t.Tag = tag;
    t.MainColor = static_cast<int8_t>(main);
    t.FantasiaColor = static_cast<int8_t>(fantasia);
    t.TechGroup = static_cast<int8_t>(group);
    t.LeaderLanguage = t.ArmySprite = t.ShipSprite = t.CityNationality = code;
}

inline void BuildGoldenWorld(World& w, const std::string& folder) {
    TGeneratorSettings& s = w.Settings;
    w.ProgramFolder = folder;

    // Name lists.
    s.ReligNames = {"pagan",  "catholic", "protestant", "reformed",     "orthodox",     "sunni",
                    "shiite", "buddhism", "hinduism",   "confucianism", "counterreform"};
    s.CultureNames[0] = "castillian";
    s.CultureNames[1] = "basque";
    s.CultureNames[2] = "galician";
    s.GoodsNames = {"clothes", "coffee", "cotton",  "fish",    "furs",   "gold", "grain",
                    "ivory",   "iron",   "mineral", "navs",    "orient", "salt", "slaves",
                    "spices",  "sugar",  "tea",     "tobbaco", "wine",   "wool"};
    s.TechGroupNames = {"western", "eastern", "muslim", "ottoman", "new world"};
    s.ColorNames[0] = "red";
    s.ColorNames[1] = "blue";
    s.ColorNames[2] = "green";

    // Provinces 0..6; 3 is sea.
    s.ProvinceCount = 6;
    s.UseGalleysAnywhere = true;
    //                 p  name               coast  rel cul cli mp inc ter mine goods flag v19 col
    //                 pop  nc   ncf tn nt zone
    SetProvince(w, 0, "Terra Incognita", false, 0, 0, 0, 0, 0, 0, 0, 0, false, 0, 0, 0, 0, 0, 0, 0,
                0);
    SetProvince(w, 1, "Castilla", true, 2, 1, 5, 5, 8, 0, 0, 7, true, 2, 3, 0, 15, 10, 4, 5, 3);
    SetProvince(w, 2, "Aragon", false, 1, 0, 2, 3, 4, 2, 4, 5, true, -3, 9, 300, 125, 5, 1, 9, 0);
    SetProvince(w, 3, "Mare Nostrum", false, 0, 0, 0, 0, 0, 5, 0, 0, false, 0, 0, 0, 0, 0, 0, 0, 0);
    SetProvince(w, 4, "Navarra", true, 3, 2, 3, 2, 2, 1, 0, 6, false, 0, 1, 5, 0, 0, 2, 2, 3);
    SetProvince(w, 5, "Galicia", true, 2, 3, 3, 1, 1, 4, 0, 20, true, 1, 2, 10, 20, 15, 3, 4, 0);
    SetProvince(w, 6, "Asturias", true, 2, 1, 5, 2, 3, 2, 2, 9, false, 0, 4, 20, 10, 10, 5, 6, 3);
    w.Provinces[1].HasStorm = true;  // land: never written
    w.Provinces[1].GalleysAllowed = true;
    w.Provinces[2].HasIce = true;  // land: never written
    w.Provinces[3].HasIce = true;
    w.Provinces[3].HasStorm = true;

    // Nations.
    w.NationsLoaded = 4;
    TNation& a = w.Nations[1];
    SetLooks(a, "AAA", 1, 2, 1, "SPA");
    SetPolicies(a, {1, 2, 3, 4, 5, 6, 7, 8});
    a.Religion = 2;
    a.Size = 3;
    a.Treasury = 100;
    a.TechLand = 4, a.TechNaval = 3, a.TechTrade = 2, a.TechInfra = 1, a.Stability = 1;
    a.Infantry = 10, a.Cavalry = 5, a.Artillery = 2, a.Warships = 4, a.Galleys = 2,
    a.Transports = 3;
    a.AiFile = "spain.ai";
    SetList(a.Cultures, {1, 2});
    a.Specifics =
        SpecPort | SpecCoT | SpecFortress | SpecBank | SpecLuxury | SpecRefinery | SpecBailiff;
    SetList(a.OwnedProvinces, {1, 4});
    SetList(a.KnownExtra, {3});
    a.SizeShortfall = 1;
    a.HasSeaAccess = true;

    TNation& b = w.Nations[2];
    SetLooks(b, "BBB", 2, 3, 3, "ARA");
    SetPolicies(b, {9, 8, 7, 6, 5, 4, 3, 2});
    b.Electors = 1;
    b.Religion = 6;
    b.Size = 1;
    b.Treasury = 500;
    b.TechLand = b.TechNaval = b.TechTrade = b.TechInfra = b.Stability = 2;
    SetList(b.Cultures, {2, 3});
    b.Specifics = SpecSplitArmy | SpecPopulation | SpecBarrack;
    SetList(b.OwnedProvinces, {2});

    TNation& c = w.Nations[3];
    SetLooks(c, "CCC", 3, 1, 2, "NAV");
    SetPolicies(c, {5, 5, 5, 5, 5, 5, 5, 5});
    c.Religion = 2;
    c.Size = 2;
    c.Treasury = 50;
    c.AiFile = "navarre.ai";
    SetList(c.Cultures, {3});
    SetList(c.OwnedProvinces, {5});
    SetList(c.KnownExtra, {6});
    c.SizeShortfall = 1;
    c.HasSeaAccess = true;

    TNation& d = w.Nations[4];
    SetLooks(d, "DDD", 0, 9, 7, "GAL");  // colours and group outside the name lists
    SetPolicies(d, {0, 0, 0, 0, 0, 0, 0, -1});
    d.Size = 1;
    d.Specifics = SpecFortress;
    SetList(d.OwnedProvinces, {6});

    w.MajorNations.set(2);

    // Scenario settings.
    s.ScenarioFileName = "Golden";
    s.ScenarioName = "Golden Age";
    s.StartYear = 1492;
    s.EndYear = 1792;
    s.GeneratorMode = 0;
    s.EditorEnabled = true;
    s.NationCount = 8;
    s.CoTCount = 2;
    s.ForceCoTtoMajor = true;
    s.AdvancedReligStart = true;
    s.EdictOfTolerance = true;
    s.RandomEvents = true;
    s.ReligiousEvents = true;
    s.WorldIsExplored = true;
    w.ExploredWorldList = "1 2 3 4 5 6 ";
    s.StartingFunds = 1000;
    s.MajorAdvantage = 20;
    s.IsNationSpecifTechGroup = true;
    s.CommonTechGroup = 2;
    s.StartTechInfra = 1, s.StartTechTrade = 2, s.StartTechLand = 3, s.StartTechNaval = 1;
    s.StartStability = -1;
    s.IsNationSpecifics = true;
    s.StartingArmy = 4;
    s.StartingNavy = 11;
    s.RandomStartLoc = 2;

    // Country table: the nations' own policies.
    s.IsNationSpecifDP = true;

    // Goods and tax tables.
    const int16_t values[20] = {10, 12, 8, 6, 40, 20, 5, 14, 9,  11,
                                13, 16, 4, 7, 18, 10, 9, 8,  12, 1};
    for (int i = 0; i < 20; ++i) {
        s.GoodsValues[i] = values[i];
        s.GoodsMine[i] = i == 5 ? 1 : 0;
        s.GoodsTradePost[i] = static_cast<uint8_t>(i % 2);
        s.GoodsSlaves[i] = i == 13 ? 200 : 0;
    }
    s.RandomizeGoodsValues = true;
    s.GoodsValueModifier = 4;
    s.TaxStab[1] = {0, 5, 15, 30, 50, 75, 100};
    s.TaxStabilImpact = 2;
    s.TaxValue = 4;
}

}  // namespace test
