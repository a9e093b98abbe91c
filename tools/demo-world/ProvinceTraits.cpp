#include "ProvinceTraits.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "ProvinceBlocks.h"
#include "Vocabulary.h"

namespace {

struct Box {
    double west, east, south, north;
    bool Holds(GeoPoint p) const {
        return p.lon >= west && p.lon <= east && p.lat >= south && p.lat <= north;
    }
};

bool InAny(const std::vector<Box>& boxes, GeoPoint p) {
    return std::any_of(boxes.begin(), boxes.end(), [&](const Box& b) { return b.Holds(p); });
}

const std::vector<Box> kDry = {{-17, 33, 16, 31},    {35, 59, 13, 31},     {50, 63, 26, 35},
                               {68, 75, 23.5, 29},   {52, 80, 36, 47},     {76, 112, 36, 46},
                               {-118, -103, 24, 38}, {117, 145, -31, -19}, {-72, -68, -28, -15},
                               {12, 26, -29, -18},   {42, 52, 2, 12}};
const std::vector<Box> kWet = {{-11, 12, 43, 62},    {-135, -120, 40, 60}, {125, 146, 33, 46},
                               {-76, -71, -56, -38}, {166, 179, -47, -34}, {105, 122, 22, 35},
                               {-92, -75, 25, 37},   {-55, -40, -30, -20}, {145, 154, -38, -25}};
const std::vector<Box> kMonsoon = {{86, 110, 10, 28}};
const std::vector<Box> kMountains = {
    {5, 16, 44, 48},    {-2, 3, 42, 43.5},    {22, 26, 45, 49},     {38, 49, 40.5, 44},
    {19, 24, 41, 44},   {37, 45, 37, 41},     {45, 56, 27, 35},     {72, 97, 27, 36},
    {78, 100, 28, 36},  {66, 75, 33, 38},     {72, 90, 40, 45},     {85, 100, 46, 52},
    {57, 61, 50, 66},   {-120, -104, 35, 60}, {-123, -118, 36, 49}, {-106, -96, 17, 26},
    {-79, -74, -15, 8}, {-72, -65, -28, -14}, {-72, -69, -45, -28}, {36, 41, 6, 14},
    {-8, 4, 30, 36},    {6, 18, 60, 68},      {130, 145, 33, 42},   {140, 165, 60, 68}};
const std::vector<Box> kStorms = {{-90, -55, 12, 32}, {110, 150, 10, 35}, {80, 95, 10, 22},
                                  {-40, 10, 45, 65},  {150, 190, 40, 60}, {-70, -20, -60, -45}};

int LandClimate(const DemoProvince& p, bool siberia, DemoRandom& random) {
    const GeoPoint at = p.at;
    const double a = std::fabs(at.lat);
    const bool dry = InAny(kDry, at);
    int c;
    if (siberia)
        c = at.lat >= 64 ? 0 : 7;
    else if (a >= 66)
        c = 0;
    else if (a >= 55)
        c = a >= 62 && random.Chance(30) ? 0 : 7;
    else if (at.lat <= -42 && (p.continent == "America" || p.continent == "Oceania"))
        c = 8;
    else if (a >= 35)
        c = dry ? 2 : InAny(kWet, at) ? 3 : 5;
    else if (a >= 23.5)
        c = dry ? (a < 30 ? 1 : 2) : InAny(kWet, at) ? 3 : 5;
    else if (a >= 10)
        c = dry ? 1 : InAny(kMonsoon, at) ? 4 : 6;
    else
        c = dry ? 1 : 4;
    // A few provinces stray to a neighbouring climate of the ladder.
    static const int kColder[9] = {0, 2, 7, 7, 3, 7, 1, 0, 0};
    static const int kWarmer[9] = {7, 6, 1, 4, 4, 6, 6, 5, 5};
    if (random.Chance(8)) {
        c = random.Chance(50) ? kColder[c] : kWarmer[c];
        if (siberia) c = c == 0 ? 0 : 7;
    }
    return c;
}

int LandTerrain(const DemoProvince& p, DemoRandom& random) {
    if (InAny(kMountains, p.at) && random.Chance(60)) return 2;
    if (InAny(kDry, p.at) && (p.climate == 1 || p.climate == 2) && random.Chance(65)) return 3;
    if (random.Chance(6)) return 2;
    // Weights of plains, forest, mountain, desert and marsh by climate.
    static const int kWeights[9][5] = {{50, 25, 0, 0, 25}, {70, 10, 0, 20, 0}, {75, 5, 10, 10, 0},
                                       {50, 40, 0, 0, 10}, {20, 60, 0, 0, 20}, {70, 25, 0, 0, 5},
                                       {55, 35, 0, 0, 10}, {35, 50, 0, 0, 15}, {70, 10, 20, 0, 0}};
    const int* w = kWeights[std::clamp(p.climate, 0, 8)];
    int r = random.Below(100);
    for (int t = 0; t < 5; ++t) {
        if (r < w[t]) return t;
        r -= w[t];
    }
    return 0;
}

int SeaClimate(const DemoProvince& p, DemoRandom& random) {
    const double a = std::fabs(p.at.lat);
    if (a >= 68) return 0;
    if (a >= 55) return p.at.lat > 0 ? 7 : 8;
    if (p.at.lat <= -45) return 8;
    if (a >= 35) return random.Chance(30) ? 3 : 5;
    if (a >= 23.5) return 5;
    return random.Chance(40) ? 4 : 6;
}

int ContinentIndex(const std::string& name) {
    // America, Europe, Asia, Oceania, Africa: the order of the continent goods tables.
    static const char* const kOrder[] = {"America", "Europe", "Asia", "Oceania", "Africa"};
    for (int i = 0; i < 5; ++i)
        if (name == kOrder[i]) return i;
    return -1;
}

// Draws a template goods from the same weights a run uses.
int DrawGoods(const DemoProvince& p, DemoRandom& random) {
    const GoodsTables& t = Goods();
    const int k = ContinentIndex(p.continent);
    int weights[20], total = 0;
    for (int g = 0; g < 20; ++g) {
        long w = t.prob[g];
        w = w * (p.coastal ? t.coastal[g] : t.inland[g]) / 100;
        w = w * t.climate[p.climate][g] / 100;
        w = w * t.terrain[p.terrain][g] / 100;
        if (k >= 0) w = w * t.continent[k][g] / 100;
        weights[g] = static_cast<int>(w);
        total += weights[g];
    }
    if (total <= 0) return GoodsCode("Grain");
    int r = random.Below(total);
    for (int g = 0; g < 20; ++g) {
        if (r < weights[g]) return g + 1;
        r -= weights[g];
    }
    return GoodsCode("Grain");
}

bool IsSettled(const DemoProvince& p) {
    static const char* const kSettled[] = {"Europe and the Near East", "North Africa",
                                           "Western and southern Asia", "Eastern Asia"};
    const std::string& block = ProvinceBlocks()[p.block].name;
    return std::any_of(std::begin(kSettled), std::end(kSettled),
                       [&](const char* s) { return block == s; });
}

void Add(std::vector<std::string>& list, const std::string& name) {
    if (std::find(list.begin(), list.end(), name) == list.end()) list.push_back(name);
}

}  // namespace

NameStyle StyleOfRegion(const std::string& region) {
    static const std::map<std::string, NameStyle> kStyles = {
        {"Eastern Europe", NameStyle::North},   {"Siberia", NameStyle::North},
        {"Steppe East", NameStyle::North},      {"Arctic Isles", NameStyle::North},
        {"Near East", NameStyle::Desert},       {"North Africa", NameStyle::Desert},
        {"Arabia", NameStyle::Desert},          {"Persia", NameStyle::Desert},
        {"Turkestan", NameStyle::Desert},       {"Sahara", NameStyle::Desert},
        {"High Asia", NameStyle::India},        {"Hindustan", NameStyle::India},
        {"Deccan", NameStyle::India},           {"Far East", NameStyle::FarEast},
        {"Cathay", NameStyle::FarEast},         {"Indochina", NameStyle::FarEast},
        {"Insulindia", NameStyle::FarEast},     {"West Africa", NameStyle::Africa},
        {"East Africa", NameStyle::Africa},     {"Central Africa", NameStyle::Africa},
        {"Southern Africa", NameStyle::Africa}, {"Northland", NameStyle::America},
        {"Woodlands", NameStyle::America},      {"Plains", NameStyle::America},
        {"Far West", NameStyle::America},       {"Mesoamerica", NameStyle::America},
        {"Andes", NameStyle::America},          {"Amazonia", NameStyle::America},
        {"Brazil", NameStyle::America},         {"La Plata", NameStyle::America},
        {"Australasia", NameStyle::Oceania},    {"Melanesia", NameStyle::Oceania}};
    const auto it = kStyles.find(region);
    return it == kStyles.end() ? NameStyle::West : it->second;
}

void DescribeProvinces(DemoWorld& world, DemoRandom& random, NameMaker& names) {
    auto& provinces = world.provinces;
    // Name lists: every area and land region in table order, then the sea regions; one
    // culture per area, or per region where the region shares one.
    std::map<std::string, std::string> cultureOf;
    for (const AreaInfo& a : Areas()) {
        Add(world.areaNames, a.name);
        Add(world.regionNames, a.region);
        const std::string key = a.regionCulture ? a.region : a.name;
        if (!cultureOf.count(key)) {
            cultureOf[key] = names.Culture(StyleOfRegion(a.region));
            world.cultureNames.push_back(cultureOf[key]);
        }
    }
    for (const std::string& r : SeaRegions()) Add(world.regionNames, r);
    if (world.areaNames.size() > 160 || world.regionNames.size() > 70 ||
        world.cultureNames.size() > 120)
        throw std::runtime_error("too many area, region or culture names");

    for (int p = 1; p <= kProvinceCount; ++p) {
        DemoProvince& pr = provinces[p];
        if (!pr.land) continue;
        const AreaInfo* area = FindArea(pr.area);
        const bool siberia = pr.region == "Siberia";
        pr.name = names.Name(StyleOfRegion(pr.region));
        pr.climate = LandClimate(pr, siberia, random);
        pr.terrain = LandTerrain(pr, random);
        pr.religion = area ? area->religion : kPagan;
        pr.culture = area ? cultureOf[area->regionCulture ? area->region : area->name] : "";
        pr.goods = DrawGoods(pr, random);
        pr.mineValue = pr.goods == GoodsCode("Gold") ? random.Between(1, 6) : 0;
        pr.goodsFlag = random.Chance(10);
        static const int kManpowerBase[5] = {5, 4, 3, 2, 2};
        if (IsSettled(pr)) {
            pr.manpower = kManpowerBase[pr.terrain] + random.Between(0, 3);
            pr.income = pr.manpower + random.Between(-1, 3);
        } else {
            pr.manpower = random.Between(1, 3);
            pr.income = random.Between(1, 3);
            pr.colonDifficulty = random.Between(2, 8);
            pr.nativePopulation = siberia ? random.Between(5, 30) : random.Between(10, 100);
            pr.nativeCombat = random.Between(5, 25);
            pr.nativeCombatFactor = random.Between(5, 14);
            pr.tradeNegotiation = random.Between(2, 8);
            pr.nativeTolerance = random.Between(1, 9);
        }
    }
    // Religions mix along the borders: a few provinces take the faith of a neighbour.
    std::vector<int> faith(provinces.size());
    for (int p = 1; p <= kProvinceCount; ++p) faith[p] = provinces[p].religion;
    for (int p = 1; p <= kProvinceCount; ++p) {
        if (!provinces[p].land || !random.Chance(6)) continue;
        const auto& list = world.adjacency.lists[p];
        const int n = list.empty() ? 0 : list[random.Below(static_cast<int>(list.size()))];
        if (n != 0 && provinces[n].land) provinces[p].religion = faith[n];
    }

    // Sea zones: named after the style of the nearest land, frozen when polar, stormy in the
    // storm belts, open to galleys on the inner seas.
    static const char* const kGalleySeas[] = {"Inner Sea",  "Black Sea", "Caspian Sea",
                                              "Baltic Sea", "North Sea", "Persian Gulf",
                                              "Red Sea",    "Java Sea",  "South China Sea"};
    for (int p = 1; p <= kProvinceCount; ++p) {
        DemoProvince& pr = provinces[p];
        if (pr.land) continue;
        const DemoProvince* nearest = nullptr;
        double best = 1e18;
        for (int q = 1; q <= kProvinceCount; ++q) {
            if (!provinces[q].land) continue;
            const double d =
                std::hypot(provinces[q].at.lon - pr.at.lon, provinces[q].at.lat - pr.at.lat);
            if (d < best) best = d, nearest = &provinces[q];
        }
        const std::string word =
            names.Name(nearest ? StyleOfRegion(nearest->region) : NameStyle::West);
        if (pr.distanceToLand < 1.5)
            pr.name = random.Chance(50) ? "Gulf of " + word : word + " Bay";
        else if (pr.distanceToLand < 5)
            pr.name = random.Chance(50) ? word + " Sea" : word + " Strait";
        else
            pr.name = random.Chance(50) ? word + " Deep" : "Open " + word + " Sea";
        pr.terrain = 5;
        pr.religion = 0;
        pr.climate = SeaClimate(pr, random);
        pr.ice = pr.climate == 0;
        pr.storm = !pr.ice && random.Chance(InAny(kStorms, pr.at) ? 35 : 6);
        pr.galleys = std::any_of(std::begin(kGalleySeas), std::end(kGalleySeas),
                                 [&](const char* s) { return pr.region == s; });
    }
}
