#pragma once

#include <array>
#include <string>
#include <vector>

// The fixed name lists of the demo game, code k at element k - 1.
extern const std::array<const char*, 20> kGoodsNames;
extern const std::array<const char*, 11> kReligNames;
extern const std::array<const char*, 5> kTechGroupNames;
extern const std::array<const char*, 5> kContinentNames;

struct NamedColour {
    const char* name;
    int red, green, blue;
};
extern const std::array<NamedColour, 23> kColours;

// Religion codes of the nations file and the template.
enum Religion {
    kPagan = 1,
    kCatholic,
    kProtestant,
    kReformed,
    kOrthodox,
    kSunni,
    kShiite,
    kBudhist,
    kHinduist,
    kConfucian,
    kCounterReformed
};

// Technology groups, 1..5.
enum TechGroup { kOccidental = 1, kBoreal, kCrescent, kOriental, kTribal };

// The goods tables of the settings file, element g - 1 for goods code g. Continents are
// America, Europe, Asia, Oceania, Africa in that order.
struct GoodsTables {
    std::array<int, 20> prob, coastal, inland, values, mine, tradePost, slaves;
    std::array<std::array<int, 20>, 9> climate;
    std::array<std::array<int, 20>, 5> terrain;
    std::array<std::array<int, 20>, 5> continent;
};
const GoodsTables& Goods();

int GoodsCode(const std::string& name);
