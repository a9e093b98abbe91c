#include "verify/RevoltCheck.h"

#include <array>

#include "verify/BlockSyntax.h"
#include "verify/GameLines.h"
#include "verify/RuleText.h"

namespace tq3 {

namespace {
struct DateRule {
    const char* key;
    int day;
    const char* month;
};
constexpr DateRule StartDate{"date", 1, "january"};
constexpr DateRule ExpiryDate{"expirydate", 29, "december"};

// The entries of a nation's block, in the order the rules name them.
constexpr std::array<std::string_view, 6> NationKeys = {"date",  "expirydate", "minimum",
                                                        "extra", "capital",    "group"};
enum NationKey : std::size_t { DateKey, ExpiryKey, MinimumKey, ExtraKey, CapitalKey, GroupKey };

class RevoltBlocks {
  public:
    RevoltBlocks(const std::string& file, const VerifySettings& settings, FindingList& findings)
        : file_(file), settings_(settings), findings_(findings) {}

    // One nation's block; gives what it says of the nation.
    RevoltNation Nation(const BlockItem& block) {
        RevoltNation nation{block.line, 0, {}};
        // One pass over the block: how often each entry stands in it and where first.
        std::array<int, NationKeys.size()> counts{};
        std::array<const BlockItem*, NationKeys.size()> first{};
        bool unknown = false;
        for (const BlockItem& item : block.items()) {
            const std::size_t k = KeyIndex(item.key);
            if (k == NationKeys.size()) {
                unknown = true;
            } else if (counts[k]++ == 0) {
                first[k] = &item;
            }
        }
        for (std::size_t k = 0; k < NationKeys.size(); ++k)
            if (counts[k] != 1)
                Add(block.line,
                    std::string(block.key) + " must have one " + std::string(NationKeys[k]));
        if (unknown)
            for (const BlockItem& item : block.items())
                if (KeyIndex(item.key) == NationKeys.size())
                    Add(item.line,
                        "unknown entry " + Quoted(item.key.empty() ? item.value : item.key));
        Date(first[DateKey], StartDate, settings_.startYear);
        Date(first[ExpiryKey], ExpiryDate, settings_.endYear);
        const std::vector<int> minimum = Numbers(first[MinimumKey]);
        if (minimum.size() != 1 && first[MinimumKey])
            Add(first[MinimumKey]->line, "minimum must hold the capital alone");
        nation.extra = Numbers(first[ExtraKey]);
        if (const BlockItem* capital = first[CapitalKey]) {
            const std::optional<long long> c = WholeNumber(capital->value);
            if (!c || capital->isBlock) {
                Add(capital->line, "the capital " + Quoted(capital->value) + " is not a number");
            } else {
                nation.capital = static_cast<int>(*c);
                if (minimum.size() == 1 && minimum[0] != *c)
                    Add(capital->line, "the capital is not the province of minimum");
            }
        }
        if (const BlockItem* group = first[GroupKey];
            group && !IsOneOf(settings_.techGroupNames, group->value))
            Add(group->line,
                "the group " + Quoted(group->value) + " is none of the technology groups");
        return nation;
    }

  private:
    // The place of `key` among NationKeys; NationKeys.size() for any other.
    static std::size_t KeyIndex(std::string_view key) {
        for (std::size_t k = 0; k < NationKeys.size(); ++k)
            if (key == NationKeys[k]) return k;
        return NationKeys.size();
    }

    void Add(int line, std::string text) { findings_.Add(file_, line, std::move(text)); }

    void Date(const BlockItem* date, const DateRule& rule, int year) {
        if (!date) return;
        const BlockItem* d = date->Find("day");
        const BlockItem* m = date->Find("month");
        const BlockItem* y = date->Find("year");
        if (!date->isBlock || !d || !m || !y || WholeNumber(d->value) != rule.day ||
            m->value != rule.month)
            Add(date->line, std::string(rule.key) + " must be day " + std::to_string(rule.day) +
                                " of " + rule.month);
        if (y && WholeNumber(y->value) != year)
            Add(date->line, std::string(rule.key) + " has the year " + Quoted(y->value) +
                                " where the settings have " + std::to_string(year));
    }

    // The bare numbers of a list block.
    std::vector<int> Numbers(const BlockItem* list) {
        std::vector<int> numbers;
        if (!list) return numbers;
        numbers.reserve(list->inside);
        if (!list->isBlock) Add(list->line, std::string(list->key) + " must be a list in braces");
        for (const BlockItem& item : list->items()) {
            const std::optional<long long> p = WholeNumber(item.value);
            if (!item.key.empty() || item.isBlock || !p) {
                Add(item.line, "the province " + Quoted(item.value) + " of " +
                                   std::string(list->key) + " is not a number");
                continue;
            }
            numbers.push_back(static_cast<int>(*p));
        }
        return numbers;
    }

    const std::string& file_;
    const VerifySettings& settings_;
    FindingList& findings_;
};
}  // namespace

void CheckRevoltTable(std::string_view bytes, const std::string& file,
                      const VerifySettings& settings, VerifyFacts& facts, FindingList& findings) {
    CheckGameLines(bytes, file, findings);
    const BlockTree tree = ParseBlocks(bytes, file, findings);
    const BlockItems items = tree.items();
    facts.revolts.emplace();
    RevoltBlocks blocks(file, settings, findings);
    for (const BlockItem& item : items) {
        if (!item.isBlock || !IsTag(item.key)) {
            findings.Add(file, item.line,
                         "expected a nation's block, TAG = { ... }, not " +
                             Quoted(item.key.empty() ? item.value : item.key));
            continue;
        }
        const RevoltNation nation = blocks.Nation(item);
        if (!facts.revolts->emplace(std::string(item.key), nation).second) {
            findings.Add(file, item.line, "the tag " + std::string(item.key) + " has two blocks");
            continue;
        }
        facts.revoltOrder.emplace_back(item.key);
    }
    if (items.empty()) findings.Add(file, 0, "the table holds no nation");
}

}  // namespace tq3
