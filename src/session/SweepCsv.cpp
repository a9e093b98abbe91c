#include "session/SweepCsv.h"

#include "session/BalanceSummary.h"

namespace tq3 {

namespace {
constexpr const char* kMajorColumns[] = {
    "tag",     "strength",   "income",      "manpower",       "provinces",       "land",
    "coastal", "gold_mines", "trade_goods", "religion_share", "capital_distance"};
constexpr int kRatioDecimals = 4;
constexpr int kPercentDecimals = 2;
// The start measures, after every major's columns so that older readers find theirs in place.
constexpr const char* kStartColumns = ",room,coastal_majors";
}  // namespace

std::string SweepCsvHeader(int majors) {
    std::string line = SweepCsvFirstColumns;
    for (int m = 1; m <= majors; ++m)
        for (const char* column : kMajorColumns)
            line += ",major" + std::to_string(m) + "_" + column;
    return line + kStartColumns + "\n";
}

std::string SweepCsvLine(const World& loaded, const SweepRow& row) {
    const WorldBalance& b = row.balance;
    std::string line = std::to_string(row.seed) + "," + FixedText(b.fairness, kRatioDecimals) +
                       "," + FixedText(b.incomeGini, kRatioDecimals) + "," +
                       FixedText(b.nativeShare, kPercentDecimals) + "," +
                       std::to_string(b.shortNations);
    for (const MajorBalance& m : b.majors) {
        line += "," + loaded.Nations[m.nation].Tag + "," + std::to_string(m.Strength()) + "," +
                std::to_string(m.income) + "," + std::to_string(m.manpower) + "," +
                std::to_string(m.provinces) + "," + std::to_string(m.landProvinces) + "," +
                std::to_string(m.coastal) + "," + std::to_string(m.goldMines) + "," +
                std::to_string(m.tradeGoods) + "," + FixedText(m.religionShare, kPercentDecimals) +
                "," + std::to_string(m.capitalDistance);
    }
    return line + "," + std::to_string(b.room) + "," + std::to_string(b.coastalMajors) + "\n";
}

}  // namespace tq3
