#pragma once

#include <string>
#include <vector>

#include "LandShapes.h"

constexpr int kProvinceCount = 1620;

// One row of the province template, with what the tool needs to build it.
struct DemoProvince {
    int number = 0;
    std::string name;
    GeoPoint at;
    int x = 0, y = 0;  // game map position
    bool land = false;
    int block = -1;                       // index into ProvinceBlocks()
    int shape = -1;                       // index into LandShapes(); -1 at sea
    std::string continent, area, region;  // "-" when none
    bool coastal = false;
    int seaZone = 0;
    double distanceToLand = 0;  // degrees, for sea zones

    int religion = 0;     // code 0..10
    std::string culture;  // name, empty for none
    int climate = 0;
    int terrain = 0;
    bool ice = false, storm = false, galleys = false;
    int manpower = 0, income = 0;
    int mineValue = 0;
    int goods = 0;  // code 0..20
    bool goodsFlag = false;
    int value19 = 0;
    int colonDifficulty = 0, nativePopulation = 0, nativeCombat = 0, nativeCombatFactor = 0;
    int tradeNegotiation = 0, nativeTolerance = 0;
};

// One row of the nations file.
struct DemoNation {
    std::string tag, name;
    int mainColor = 1, fantasiaColor = 1;  // 1..23
    int techGroup = 1;                     // 1..5
    std::string leaderLanguage, armySprite, shipSprite, cityNationality;
    int policies[9] = {5, 5, 5, 5, 5, 5, 5, 5, 0};  // aristocracy .. serfdom, electors
    int religion = 1;                               // 1..11
    int capital = 0;
    int size = 1;
    int treasury = 0;
    int techLand = 0, techNaval = 0, techTrade = 0, techInfra = 0, stability = 0;
    int infantry = 0, cavalry = 0, artillery = 0, warships = 0, galleys = 0, transports = 0;
    std::string aiFile;
    std::vector<std::string> cultures;
    std::vector<std::string> specifics;
};

// Land and sea links between provinces: the map table, and the placement table that leaves
// out the straits between continents.
struct DemoAdjacency {
    std::vector<std::vector<int>> lists;         // by province: land first, then sea
    std::vector<std::vector<bool>> inPlacement;  // same shape: kept in the placement table
};

struct ProvinceRanges {
    int europeMin = 0, europeMax = 0, nearEastMin = 0, nearEastMax = 0;
    int northAfricaMin = 0, northAfricaMax = 0, islandsMin = 0, islandsMax = 0;
    int mediterraneanMin = 0, mediterraneanMax = 0;
};

struct DemoWorld {
    std::vector<DemoProvince> provinces;  // index = province number 0..1620
    DemoAdjacency adjacency;
    std::vector<DemoNation> nations;  // nation n at index n - 1
    std::vector<std::string> areaNames, regionNames, cultureNames;
    ProvinceRanges ranges;
    std::vector<std::string> majors;  // tags of the specified majors
};
