#include "session/SweepRequirements.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/World.h"
#include "session/SweepRanking.h"

namespace tq3 {

namespace {
// Shares (fairness, the Gini coefficient) to three places, percents to one.
constexpr int kShareDecimals = 3;
constexpr int kPercentDecimals = 1;
constexpr double kPercent = 100;
// Room for any double written shortest.
constexpr std::size_t kNumberChars = 32;
}  // namespace

const std::array<RequirementMeasure, 7> RequirementMeasures = {{
    {"fairness", "the weakest major's strength over the strongest's, 0 to 1",
     [](const WorldBalance& b) { return b.fairness; }, 0, 1, kShareDecimals},
    {"income-spread", "the Gini coefficient of the majors' incomes, 0 when equal",
     [](const WorldBalance& b) { return b.incomeGini; }, 0, 1, kShareDecimals},
    {"native-land", "percent of the land that no nation holds",
     [](const WorldBalance& b) { return b.nativeShare; }, 0, kPercent, kPercentDecimals},
    {"distance", "neighbour steps between the two closest majors' capitals, -1 when none reach",
     [](const WorldBalance& b) { return static_cast<double>(ClosestRivals(b)); }, -1,
     MaxProvinceNumber, 0},
    {"short-nations", "nations that received fewer provinces than their size",
     [](const WorldBalance& b) { return static_cast<double>(b.shortNations); }, 0, MaxNations, 0},
    {"room", "the fewest free land provinces within 3 steps of any major's capital",
     [](const WorldBalance& b) { return static_cast<double>(b.room); }, 0, MaxProvinceNumber, 0},
    {"coastal-majors", "majors that hold a coastal province",
     [](const WorldBalance& b) { return static_cast<double>(b.coastalMajors); }, 0, MaxNations, 0},
}};

// Two-character operators first, so that ">=" is not read as ">".
const std::array<ComparisonText, 5> ComparisonTexts = {{
    {">=", Comparison::AtLeast},
    {"<=", Comparison::AtMost},
    {"==", Comparison::Equal},
    {">", Comparison::Above},
    {"<", Comparison::Below},
}};

namespace {
std::string MeasureNames() {
    std::string names;
    for (const RequirementMeasure& m : RequirementMeasures)
        names += (names.empty() ? "" : ", ") + std::string(m.name);
    return names;
}

std::string Padded(const std::string& text, std::size_t width, bool left) {
    const std::string pad(width > text.size() ? width - text.size() : 0, ' ');
    return left ? pad + text : text + pad;
}
}  // namespace

bool Requirement::MetBy(const WorldBalance& balance) const {
    const double v = measure->of(balance);
    switch (comparison) {
        case Comparison::AtLeast:
            return v >= value;
        case Comparison::AtMost:
            return v <= value;
        case Comparison::Above:
            return v > value;
        case Comparison::Below:
            return v < value;
        case Comparison::Equal:
            return v == value;
    }
    return false;
}

std::optional<Requirement> ParseRequirement(const std::string& text, std::string& why) {
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\t') compact += c;
    const std::string shape =
        "a requirement is MEASURE OP VALUE, such as fairness>=0.8, with "
        "an OP of >= <= > < ==";
    const std::size_t op = compact.find_first_of("<>=!");
    const std::string name = compact.substr(0, op);
    Requirement r;
    r.text = compact;
    for (const RequirementMeasure& m : RequirementMeasures)
        if (name == m.name) r.measure = &m;
    if (op == std::string::npos || name.empty()) {
        why = "\"" + text + "\" is not a requirement: " + shape;
        return std::nullopt;
    }
    if (!r.measure) {
        why = "\"" + text + "\" names no measure of the sweep (" + MeasureNames() + ")";
        return std::nullopt;
    }
    const auto comparison =
        std::find_if(ComparisonTexts.begin(), ComparisonTexts.end(), [&](const ComparisonText& c) {
            return compact.compare(op, std::string(c.text).size(), c.text) == 0;
        });
    const std::size_t number =
        comparison == ComparisonTexts.end() ? op : op + std::string(comparison->text).size();
    const char* first = compact.data() + number;
    const char* last = compact.data() + compact.size();
    const auto [end, error] = std::from_chars(first, last, r.value);
    if (comparison == ComparisonTexts.end() || first == last || error != std::errc() ||
        end != last || !std::isfinite(r.value)) {
        why = "\"" + text + "\" is not a requirement: " + shape;
        return std::nullopt;
    }
    r.comparison = comparison->comparison;
    return r;
}

Requirement RequirementOf(const RequirementMeasure& measure, Comparison comparison, double value) {
    Requirement r;
    r.measure = &measure;
    r.comparison = comparison;
    r.value = value;
    // The shortest number that reads back as the value: 0.8, not 0.80000000000000004.
    std::array<char, kNumberChars> number{};
    const auto end = std::to_chars(number.data(), number.data() + number.size(), value).ptr;
    const auto op =
        std::find_if(ComparisonTexts.begin(), ComparisonTexts.end(),
                     [&](const ComparisonText& c) { return c.comparison == comparison; });
    r.text = std::string(measure.name) + op->text + std::string(number.data(), end);
    return r;
}

RequirementTally::RequirementTally(std::vector<Requirement> requirements, uint64_t stopAfter)
    : requirements_(std::move(requirements)),
      stopAfter_(stopAfter),
      failed_(requirements_.size()),
      failedAlone_(requirements_.size()) {}

bool RequirementTally::Offer(const WorldBalance& balance) {
    if (Enough()) return false;
    ++drawn_;
    std::size_t failures = 0, lastFailed = 0;
    for (std::size_t i = 0; i < requirements_.size(); ++i) {
        if (requirements_[i].MetBy(balance)) continue;
        ++failed_[i];
        ++failures;
        lastFailed = i;
    }
    if (failures == 1) ++failedAlone_[lastFailed];
    if (failures == 0) ++metAll_;
    return failures == 0;
}

std::string ExplainSearch(const RequirementTally& tally) {
    const auto worlds = [](uint64_t n) {
        return std::to_string(n) + (n == 1 ? " world" : " worlds");
    };
    std::string text = "Drew " + worlds(tally.Drawn()) + "; " + std::to_string(tally.MetAll()) +
                       " met every requirement.\n";
    const std::vector<Requirement>& requirements = tally.Requirements();
    if (requirements.empty()) return text;
    const std::string heading = "requirement";
    std::size_t width = heading.size();
    for (const Requirement& r : requirements) width = std::max(width, r.text.size());
    const std::string failed = "failed it", alone = "failed it alone";
    text += "  " + Padded(heading, width, false) + "  " + failed + "  " + alone + "\n";
    for (std::size_t i = 0; i < requirements.size(); ++i)
        text += "  " + Padded(requirements[i].text, width, false) + "  " +
                Padded(std::to_string(tally.Failed()[i]), failed.size(), true) + "  " +
                Padded(std::to_string(tally.FailedAlone()[i]), alone.size(), true) + "\n";
    return text;
}

}  // namespace tq3
