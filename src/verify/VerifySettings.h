#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tq3 {

// A closed range of whole numbers that a value of the game's files must lie in.
struct ValueRange {
    int lo = 0;
    int hi = 0;
    bool Holds(long long v) const { return v >= lo && v <= hi; }
};

// What the checks of the game's files need to know of the settings the files were made
// with: the general settings the scenario's header repeats, the names the files may use,
// and the bounds of the values the scenario draws from its settings. A bound left empty is
// not checked (values that come from the nations file one by one).
struct VerifySettings {
    std::string scenarioFile;  // game path of the scenario, "\Scenarios\<name>.tqg"
    std::string scenarioName;
    int startYear = 0;
    int endYear = 0;
    int provinceCount = 0;  // the highest province number

    // The names the files write for codes 1, 2, ... (the province table's religions, goods and
    // cultures; the scenario's religions, cultures and technology groups).
    std::vector<std::string> religionNames;
    std::vector<std::string> goodsNames;
    std::vector<std::string> cultureNames;
    std::vector<std::string> techGroupNames;
    bool noCulture = false;  // every province and nation has the culture "aztek"

    std::optional<ValueRange> treasury;
    std::optional<ValueRange> infantry, cavalry, artillery;
    // Technology levels by key of the scenario's technology block.
    std::optional<ValueRange> infra, trade, land, naval, stability;
    // The domestic policy values of the country table's generated rows.
    std::optional<ValueRange> policy;
};

}  // namespace tq3
