#include "verify/ProvinceTableCheck.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <unordered_set>

#include "verify/GameLines.h"
#include "verify/RuleText.h"

namespace tq3 {

namespace {
constexpr int GeneratedFields = 25;
constexpr int FillerRows = 27;
constexpr std::string_view FillerFields =
    "-1;Filler;inland;0;none;0;0;0;0;0;0;0;0;8;0;0;nothing;0;-3;0;0;0;0;0;0;";
constexpr int TerrainField = 13;
constexpr int IceField = 8, StormField = 9, MineFlagField = 14, MineValueField = 15;
constexpr std::size_t ReligionsOfProvinces = 10;  // codes 1 to 10; 11 is for nations only

// The kinds of whole numbers come first: most fields are one.
enum class Kind { Zero, Flag, Number, Terrain, Integer, Coast, Religion, Culture, Goods, Tenths };

struct FieldRule {
    int index;  // 0-based
    const char* name;
    Kind kind;
    ValueRange range{};
};

// The generated fields after the province number and name.
constexpr std::array<FieldRule, 23> FieldRules = {{
    {2, "coast", Kind::Coast},
    {3, "religion", Kind::Religion},
    {4, "culture", Kind::Culture},
    {5, "field 6", Kind::Zero},
    {6, "field 7", Kind::Zero},
    {7, "climate", Kind::Number, {0, 8}},
    {8, "ice flag", Kind::Flag},
    {9, "storm flag", Kind::Flag},
    {10, "galleys flag", Kind::Flag},
    {11, "manpower", Kind::Number, {0, 127}},
    {12, "income", Kind::Number, {0, 127}},
    {13, "terrain", Kind::Terrain},
    {14, "mine flag", Kind::Flag},
    {15, "mine value", Kind::Number, {0, 127}},
    {16, "goods", Kind::Goods},
    {17, "goods flag", Kind::Flag},
    {18, "field 19", Kind::Integer},
    {19, "colonisation difficulty", Kind::Number, {0, 127}},
    {20, "native population", Kind::Number, {0, 32767}},
    {21, "native combat", Kind::Tenths, {0, 127}},
    {22, "native combat factor", Kind::Tenths, {0, 127}},
    {23, "trade negotiation", Kind::Number, {0, 127}},
    {24, "native tolerance", Kind::Number, {0, 127}},
}};

// A value written with one decimal: digits, a full stop and one digit; in tenths.
std::optional<long long> Tenths(std::string_view text) {
    const std::size_t dot = text.find('.');
    if (dot == std::string_view::npos || dot + 2 != text.size() || dot == 0) return std::nullopt;
    const char d = text.back();
    const std::optional<long long> whole = WholeNumber(text.substr(0, dot));
    if (!whole || *whole < 0 || text.front() == '-' || d < '0' || d > '9') return std::nullopt;
    return *whole * 10 + (d - '0');
}

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

class ProvinceRows {
  public:
    ProvinceRows(const std::string& file, const VerifySettings& settings, VerifyFacts& facts,
                 FindingList& findings)
        : file_(file), settings_(settings), facts_(facts), findings_(findings) {
        // The names a row may use, looked up by hash: a province row names three of them.
        for (const std::string& name : settings.cultureNames)
            if (!name.empty()) cultures_.insert(name);
        const std::size_t religions = std::min(ReligionsOfProvinces, settings.religionNames.size());
        for (std::size_t r = 0; r < religions; ++r)
            if (!settings.religionNames[r].empty()) religions_.insert(settings.religionNames[r]);
        if (facts.goodsNames) {
            for (const std::string& name : *facts.goodsNames) goods_.insert(name);
        } else {
            for (const std::string& name : settings.goodsNames)
                if (!name.empty()) goods_.insert(Upper(name));
        }
    }

    void Header(const GameLine& header) {
        const std::vector<std::string_view> fields = SplitFields(header.text);
        endsInX_ = fields.back() == "END";
        if (header.text.empty()) findings_.Add(file_, header.number, "the header line is empty");
    }

    void Province(const GameLine& row, int p) {
        const FieldsHead head = SplitLeadingFields(row.text, GeneratedFields + 1, fields_);
        const std::vector<std::string_view>& fields = fields_;
        FieldCount(row, head);
        if (static_cast<int>(head.count) <= GeneratedFields) {
            Add(row, "the row has " + std::to_string(head.count) + " fields, fewer than the " +
                         std::to_string(GeneratedFields + 1) + " of a province row");
            return;
        }
        const std::optional<long long> id = WholeNumber(fields[0]);
        if (!id || *id != p)
            Add(row, "province id " + Quoted(fields[0]) + " where " + std::to_string(p) +
                         " is due: the ids must run from 0 without gaps or repeats");
        for (const FieldRule& rule : FieldRules)
            if (const char* problem = Problem(rule, fields[rule.index]))
                Report(row, rule, fields[rule.index], problem);
        const std::optional<long long> terrain = WholeNumber(fields[TerrainField]);
        facts_.provinces->terrain[p] =
            terrain && *terrain >= 0 && *terrain <= UnusedTerrain ? static_cast<int>(*terrain) : -1;
        RowConsistency(row, fields, terrain.value_or(-1));
    }

    void Filler(const GameLine& row) {
        if (!row.text.starts_with(FillerFields))
            Add(row, "a filler row must begin " + std::string(FillerFields));
        FieldCount(row, SplitLeadingFields(row.text, GeneratedFields + 1, fields_));
    }

  private:
    void Add(const GameLine& row, std::string text) {
        findings_.Add(file_, row.number, std::move(text));
    }

    // Every row has the field count of the first province row and, under a header that
    // ends in END, ends in X; but once the fixed table that supplies the rest of each row has
    // run out, the rows hold the generated fields alone, up to the last.
    void FieldCount(const GameLine& row, const FieldsHead& fields) {
        const int count = static_cast<int>(fields.count);
        const bool generatedOnly = count == GeneratedFields + 1 && fields.last.empty();
        if (fixedEnded_ || (generatedOnly && fieldCount_ != 0 && count != fieldCount_)) {
            if (!fixedEnded_ && generatedOnly) fixedEnded_ = row.number;
            if (!generatedOnly)
                Add(row, "the row has " + std::to_string(count) + " fields where row " +
                             std::to_string(fixedEnded_) + " ended with the generated ones");
            return;
        }
        if (fieldCount_ == 0) fieldCount_ = count;
        if (count != fieldCount_)
            Add(row, "the row has " + std::to_string(count) +
                         " fields where the row of province 0 has " + std::to_string(fieldCount_));
        if (endsInX_ && fields.last != "X") Add(row, "the row does not end in X");
    }

    // A field that breaks its rule; its finding's text is made only then.
    void Report(const GameLine& row, const FieldRule& rule, std::string_view value,
                const char* problem) {
        std::string text = std::string("the ") + rule.name + " " + Quoted(value) + " " + problem;
        if (problem == Outside) text += " " + RangeText(rule.range);
        Add(row, std::move(text));
    }

    static constexpr const char* Outside = "is outside";

    // What is wrong with a field; nothing when it keeps its rule.
    const char* Problem(const FieldRule& rule, std::string_view value) const {
        if (rule.kind <= Kind::Integer) return NumberProblem(rule, value);
        switch (rule.kind) {
            case Kind::Coast:
                return value == "coastal" || value == "inland" ? nullptr
                                                               : "is neither coastal nor inland";
            case Kind::Religion:
                return value == "0" || religions_.contains(value)
                           ? nullptr
                           : "is none of the religions a province can have";
            case Kind::Culture:
                if (settings_.noCulture)
                    return value == "aztek" ? nullptr : "is none of the cultures";
                return value == "none" || cultures_.contains(value) ? nullptr
                                                                    : "is none of the cultures";
            case Kind::Goods:
                return value == "nothing" || KnownGoods(value) ? nullptr : "is none of the goods";
            case Kind::Tenths: {
                const std::optional<long long> v = Tenths(value);
                return v && rule.range.Holds(*v) ? nullptr
                                                 : "is not a value of 0.0 to 12.7 with one decimal";
            }
            default:
                return NumberProblem(rule, value);
        }
    }

    static const char* NumberProblem(const FieldRule& rule, std::string_view value) {
        // Most zeros and flags are a "0" or "1" that keeps the rule.
        if (value.size() == 1 && (value[0] == '0' || value[0] == '1') && rule.kind != Kind::Zero &&
            rule.kind != Kind::Number)
            return nullptr;
        if (value == "0" && (rule.kind == Kind::Zero || rule.range.Holds(0))) return nullptr;
        const std::optional<long long> v = WholeNumber(value);
        if (!v) return "is not a whole number";
        if (rule.kind == Kind::Zero && *v != 0) return "is not 0";
        if (rule.kind == Kind::Flag && *v != 0 && *v != 1) return "is neither 0 nor 1";
        if (rule.kind == Kind::Terrain && !(*v >= 0 && *v <= SeaTerrain) && *v != UnusedTerrain)
            return "is no terrain code (0 to 5, or 8 for an unused row)";
        if (rule.kind == Kind::Number && !rule.range.Holds(*v)) return Outside;
        return nullptr;
    }

    // Goods as Goods.csv spells them (in capitals), or as the settings name them.
    bool KnownGoods(std::string_view value) const {
        if (facts_.goodsNames) return goods_.contains(Upper(value));
        return !value.empty() && IsOneOf(settings_.goodsNames, value);
    }

    // Ice and storms are sea's; a mine flag goes with a mine value.
    void RowConsistency(const GameLine& row, const std::vector<std::string_view>& fields,
                        long long terrain) {
        if (terrain != SeaTerrain && (fields[IceField] == "1" || fields[StormField] == "1"))
            Add(row, "a province that is not sea has ice or storms");
        const std::optional<long long> mine = WholeNumber(fields[MineValueField]);
        if (mine && (fields[MineFlagField] == "1") != (*mine > 0))
            Add(row, "the mine flag " + Quoted(fields[MineFlagField]) +
                         " does not match the mine value " + std::to_string(*mine));
    }

    const std::string& file_;
    const VerifySettings& settings_;
    VerifyFacts& facts_;
    FindingList& findings_;
    std::unordered_set<std::string_view> cultures_;
    std::unordered_set<std::string_view> religions_;  // those a province can have
    std::unordered_set<std::string> goods_;
    bool endsInX_ = false;
    int fieldCount_ = 0;
    int fixedEnded_ = 0;                    // the first row that holds the generated fields alone
    std::vector<std::string_view> fields_;  // the generated fields of the row at hand
};
}  // namespace

void CheckProvinceTable(std::string_view bytes, const std::string& file,
                        const VerifySettings& settings, VerifyFacts& facts, FindingList& findings) {
    const std::vector<GameLine> lines = SplitGameLines(bytes, file, findings);
    const int highest = std::clamp(settings.provinceCount, 0, MaxProvinceNumber);
    facts.provinces = ProvinceFacts{std::vector<int>(static_cast<std::size_t>(highest + 1), -1)};
    if (lines.empty()) {
        findings.Add(file, 0, "the file is empty");
        return;
    }
    ProvinceRows rows(file, settings, facts, findings);
    rows.Header(lines[0]);
    const int due = 1 + (highest + 1) + FillerRows;
    for (int i = 1; i < static_cast<int>(lines.size()) && i < due; ++i) {
        if (i <= highest + 1) {
            rows.Province(lines[i], i - 1);
        } else {
            rows.Filler(lines[i]);
        }
    }
    const int count = static_cast<int>(lines.size());
    if (count < due)
        findings.Add(file, count,
                     "the table ends after " + std::to_string(count) + " lines; " +
                         std::to_string(due) + " are due (the header, provinces 0 to " +
                         std::to_string(highest) + " and 27 filler rows)");
    if (count > due) findings.Add(file, due + 1, "rows follow the 27 filler rows");
}

}  // namespace tq3
