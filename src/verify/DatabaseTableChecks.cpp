#include "verify/DatabaseTableChecks.h"

#include <vector>

#include "verify/GameLines.h"
#include "verify/RuleText.h"

namespace tq3 {

namespace {
constexpr std::string_view CountryHeader =
    "country;main color;fantasia color;techgroup;leader language;ArmyNationalitySprite;"
    "ShipNationalitySprite;City Nationality;Aristocracy;Centralisation;Innovative;Mercantilism;"
    "Offensive;Land;Quality;Serfdom;Electors;END";
constexpr std::size_t CountryFields = 18;
constexpr std::size_t FirstPolicyField = 8, LastPolicyField = 15, ElectorsField = 16;
constexpr std::string_view GoodsHeader = "Goods;Base Resource Value;Mine;TradePost;NumOfSlaves";
constexpr std::string_view NothingRow = "NOTHING;0;0;0;0";
constexpr int GoodsCount = 20;
constexpr int OwnPriceGoods = 5;  // the goods code whose price is written as the settings hold it
constexpr ValueRange GoodsPrice{3, 25};
constexpr ValueRange GoodsColumn{0, 255};
constexpr std::string_view TaxHeader = "Stability;Modifier(%)";
constexpr int HighestStability = 3, LowestStability = -3;

// The header line: present and exactly as the game's table has it.
bool CheckHeader(const std::vector<GameLine>& lines, std::string_view header,
                 const std::string& file, FindingList& findings) {
    if (lines.empty()) {
        findings.Add(file, 0, "the file is empty: its header is missing");
        return false;
    }
    if (lines[0].text != header) findings.Add(file, 1, "the header must be " + std::string(header));
    return true;
}

void CheckFieldCount(const GameLine& row, const std::vector<std::string_view>& fields,
                     std::size_t due, const std::string& file, FindingList& findings) {
    if (fields.size() != due)
        findings.Add(file, row.number,
                     "the row has " + std::to_string(fields.size()) + " fields; the header has " +
                         std::to_string(due));
}

void CheckNumber(const GameLine& row, std::string_view what, std::string_view value,
                 const std::optional<ValueRange>& range, const std::string& file,
                 FindingList& findings) {
    const std::optional<long long> v = WholeNumber(value);
    if (!v) {
        findings.Add(file, row.number,
                     "the " + std::string(what) + " " + Quoted(value) + " is not a whole number");
    } else if (range && !range->Holds(*v)) {
        findings.Add(file, row.number,
                     "the " + std::string(what) + " " + std::to_string(*v) + " is outside " +
                         RangeText(*range));
    }
}

// A tag of three letters that no earlier row used.
void CheckTag(const GameLine& row, std::string_view tag, std::set<std::string, std::less<>>& seen,
              const std::string& file, FindingList& findings) {
    if (!IsTag(tag)) {
        findings.Add(file, row.number, "the tag " + Quoted(tag) + " is not three letters");
    } else if (!seen.insert(std::string(tag)).second) {
        findings.Add(file, row.number, "the tag " + std::string(tag) + " is used twice");
    }
}
}  // namespace

void CheckCountryTable(std::string_view bytes, const std::string& file,
                       const VerifySettings& settings, VerifyFacts& facts, FindingList& findings) {
    const std::vector<GameLine> lines = SplitGameLines(bytes, file, findings, false);
    facts.countryTags.emplace();
    if (!CheckHeader(lines, CountryHeader, file, findings)) return;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const GameLine& row = lines[i];
        const std::vector<std::string_view> fields = SplitFields(row.text);
        CheckFieldCount(row, fields, CountryFields, file, findings);
        CheckTag(row, fields[0], *facts.countryTags, file, findings);
        if (fields.size() != CountryFields) continue;
        if (fields.back() != "X") findings.Add(file, row.number, "the row does not end in X");
        const bool generated = facts.revolts && facts.revolts->contains(fields[0]);
        for (std::size_t f = FirstPolicyField; f <= LastPolicyField; ++f)
            CheckNumber(row, "policy value", fields[f], generated ? settings.policy : std::nullopt,
                        file, findings);
        CheckNumber(row, "electors value", fields[ElectorsField], std::nullopt, file, findings);
    }
    if (lines.size() == 1) findings.Add(file, 1, "the table holds no country");
}

void CheckGoodsTable(std::string_view bytes, const std::string& file, VerifyFacts& facts,
                     FindingList& findings) {
    const std::vector<GameLine> lines = SplitGameLines(bytes, file, findings);
    facts.goodsNames.emplace();
    if (!CheckHeader(lines, GoodsHeader, file, findings)) return;
    constexpr std::size_t Fields = 5;
    for (int g = 1; g <= GoodsCount && g < static_cast<int>(lines.size()); ++g) {
        const GameLine& row = lines[g];
        const std::vector<std::string_view> fields = SplitFields(row.text);
        CheckFieldCount(row, fields, Fields, file, findings);
        const std::string_view name = fields[0];
        if (name.empty() ||
            name.find_first_of("abcdefghijklmnopqrstuvwxyz") != std::string_view::npos)
            findings.Add(file, row.number, "the goods name " + Quoted(name) + " is not upper case");
        else if (name == "NOTHING" || !facts.goodsNames->insert(std::string(name)).second)
            findings.Add(file, row.number,
                         "the goods name " + std::string(name) + " is used twice");
        if (fields.size() != Fields) continue;
        CheckNumber(row, "base value", fields[1],
                    g == OwnPriceGoods ? std::nullopt : std::optional(GoodsPrice), file, findings);
        for (std::size_t f = 2; f < Fields; ++f)
            CheckNumber(row, "goods value", fields[f], GoodsColumn, file, findings);
    }
    const int due = 1 + GoodsCount + 1;
    const int count = static_cast<int>(lines.size());
    if (count < due) {
        findings.Add(file, count,
                     "the table ends after " + std::to_string(count) + " lines; " +
                         std::to_string(due) + " are due (the header, 20 goods, NOTHING)");
    } else {
        if (lines[due - 1].text != NothingRow)
            findings.Add(file, due, "the last row must be " + std::string(NothingRow));
        if (count > due) findings.Add(file, due + 1, "rows follow the NOTHING row");
    }
}

void CheckTaxStabilityTable(std::string_view bytes, const std::string& file,
                            FindingList& findings) {
    const std::vector<GameLine> lines = SplitGameLines(bytes, file, findings);
    if (!CheckHeader(lines, TaxHeader, file, findings)) return;
    constexpr std::size_t Fields = 2;
    int stability = HighestStability;
    for (std::size_t i = 1; i < lines.size(); ++i, --stability) {
        const GameLine& row = lines[i];
        if (stability < LowestStability) {
            findings.Add(file, row.number, "rows follow the row of stability -3");
            break;
        }
        const std::vector<std::string_view> fields = SplitFields(row.text);
        CheckFieldCount(row, fields, Fields, file, findings);
        if (WholeNumber(fields[0]) != stability)
            findings.Add(file, row.number,
                         "stability " + Quoted(fields[0]) + " where " + std::to_string(stability) +
                             " is due");
        if (fields.size() == Fields)
            CheckNumber(row, "modifier", fields[1], std::nullopt, file, findings);
    }
    if (stability >= LowestStability)
        findings.Add(file, static_cast<int>(lines.size()),
                     "the table ends before the row of stability " + std::to_string(stability));
}

void CheckDiplomaticMatrix(std::string_view bytes, const std::string& file, VerifyFacts& facts,
                           FindingList& findings) {
    const std::vector<GameLine> lines = SplitGameLines(bytes, file, findings);
    if (lines.empty()) {
        findings.Add(file, 0, "the file is empty: its header is missing");
        return;
    }
    const std::vector<std::string_view> header = SplitFields(lines[0].text);
    std::set<std::string, std::less<>> seen;
    for (std::size_t c = 1; c < header.size(); ++c) {
        CheckTag(lines[0], header[c], seen, file, findings);
        if (facts.countryTags && IsTag(header[c]) && !facts.countryTags->contains(header[c]))
            findings.Add(file, 1, "the tag " + std::string(header[c]) + " is not in Country.csv");
    }
    const std::size_t nations = header.size() - 1;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const GameLine& row = lines[i];
        const std::vector<std::string_view> fields = SplitFields(row.text);
        if (i > nations) {
            findings.Add(file, row.number,
                         "a row beyond the " + std::to_string(nations) +
                             " nations of the header: the matrix is not square");
            break;
        }
        CheckFieldCount(row, fields, header.size(), file, findings);
        if (fields[0] != header[i])
            findings.Add(file, row.number,
                         "the row of " + Quoted(fields[0]) + " stands where " + Quoted(header[i]) +
                             " is due by the header's order");
        for (std::size_t f = 1; f < fields.size() && f <= nations; ++f)
            CheckNumber(row, "relation", fields[f], std::nullopt, file, findings);
    }
    if (lines.size() <= nations)
        findings.Add(file, static_cast<int>(lines.size()),
                     "the matrix has " + std::to_string(lines.size() - 1) + " rows for " +
                         std::to_string(nations) + " nations: it is not square");
}

}  // namespace tq3
