#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tq3 {

// Terrain codes of the province table: 0 to 4 land, 5 sea, 8 a row the game does not use.
inline constexpr int SeaTerrain = 5;
inline constexpr int UnusedTerrain = 8;
// The highest province number the game's tables hold.
inline constexpr int MaxProvinceNumber = 1620;

// What the province table says of each province number 0 to its highest.
struct ProvinceFacts {
    std::vector<int> terrain;  // by province number; -1 when the row could not be read

    int Highest() const { return static_cast<int>(terrain.size()) - 1; }
    bool IsLand(int p) const {
        return p >= 0 && p <= Highest() && terrain[p] >= 0 && terrain[p] < SeaTerrain;
    }
};

// A nation's block of Revolt.txt.
struct RevoltNation {
    int line = 0;
    int capital = 0;
    std::vector<int> extra;
};

// What the files checked so far tell the checks of the others. A file that is not part of
// the set checked leaves its part empty, and the rules that need it are not applied.
struct VerifyFacts {
    std::optional<ProvinceFacts> provinces;
    std::optional<std::set<std::string, std::less<>>> countryTags;
    std::optional<std::set<std::string, std::less<>>> goodsNames;  // as Goods.csv spells them
    std::optional<std::map<std::string, RevoltNation, std::less<>>> revolts;
    std::vector<std::string> revoltOrder;  // the tags of Revolt.txt in file (nation) order
};

}  // namespace tq3
