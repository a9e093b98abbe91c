#include "session/BalanceSummary.h"

#include <cstdio>

namespace tq3 {

namespace {
constexpr int kRatioDecimals = 3;
constexpr int kPercentDecimals = 1;

std::string Plural(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}
}  // namespace

std::string FixedText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string DescribeBalance(const World& world, const WorldBalance& balance) {
    std::string out;
    out += "Fairness: " + FixedText(balance.fairness, kRatioDecimals) +
           " (weakest major's strength / strongest's, strength = income + manpower)\n";
    out += "Income spread (Gini): " + FixedText(balance.incomeGini, kRatioDecimals) + "\n";
    out += "Native land: " + FixedText(balance.nativeShare, kPercentDecimals) + "%\n";
    for (const MajorBalance& m : balance.majors) {
        out += "Major " + world.Nations[m.nation].Tag + ": strength " +
               std::to_string(m.Strength()) + " (income " + std::to_string(m.income) +
               ", manpower " + std::to_string(m.manpower) + "), " +
               Plural(m.provinces, "province", "provinces") + " (" +
               std::to_string(m.landProvinces) + " land, " + std::to_string(m.coastal) +
               " coastal), " + Plural(m.goldMines, "gold mine", "gold mines") + ", " +
               Plural(m.tradeGoods, "trade good", "trade goods") + ", religion on " +
               FixedText(m.religionShare, kPercentDecimals) + "% of the land, nearest rival " +
               (m.capitalDistance < 0 ? std::string("capital out of reach")
                                      : "capital " + Plural(m.capitalDistance, "step", "steps")) +
               "\n";
    }
    return out;
}

}  // namespace tq3
