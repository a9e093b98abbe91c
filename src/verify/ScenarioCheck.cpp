#include "verify/ScenarioCheck.h"

#include <algorithm>
#include <map>
#include <set>

#include "verify/BlockSyntax.h"
#include "verify/GameLines.h"
#include "verify/RuleText.h"

namespace tq3 {

namespace {
constexpr std::string_view ExpeditionSuffix = "Conquistador's Expedition";

// What the country block of one nation says, for the rules across blocks.
struct ScenarioNation {
    int line = 0;
    std::vector<int> owned;
    long long treasury = 0;
};

// What is recorded of each province number: in a list for the numbers of the province table,
// in a map for any number beyond it (a fault of its own).
template <typename T>
class ByProvince {
  public:
    explicit ByProvince(int highest) : inTable_(static_cast<std::size_t>(highest) + 1) {}

    // Records `value` for p unless p has one; gives p's value and whether it is new.
    std::pair<const T&, bool> Emplace(int p, const T& value) {
        if (p < 0 || p >= std::ssize(inTable_)) {
            const auto [at, fresh] = beyond_.emplace(p, value);
            return {at->second, fresh};
        }
        std::optional<T>& slot = inTable_[static_cast<std::size_t>(p)];
        const bool fresh = !slot.has_value();
        if (fresh) slot = value;
        return {*slot, fresh};
    }

  private:
    std::vector<std::optional<T>> inTable_;
    std::map<int, T> beyond_;
};

class ScenarioRules {
  public:
    ScenarioRules(const std::string& file, const VerifySettings& settings, const VerifyFacts& facts,
                  FindingList& findings)
        : file_(file),
          settings_(settings),
          facts_(facts),
          findings_(findings),
          highest_(facts.provinces ? facts.provinces->Highest()
                                   : std::clamp(settings.provinceCount, 0, MaxProvinceNumber)),
          ownerOf_(highest_),
          cityLocations_(highest_),
          overrides_(highest_) {}

    void Check(const BlockItems& items);

  private:
    void Add(int line, std::string text) { findings_.Add(file_, line, std::move(text)); }

    void TopLevel(const BlockItems& items);
    void Header(const BlockItem& header);
    void Selectable(const BlockItem& header);
    void Description(const BlockItem& block);
    void GlobalData(const BlockItem& global);
    void Country(const BlockItem& country);
    void ProvinceLists(const BlockItem& country, ScenarioNation& nation);
    void Cities(const BlockItem& country, const ScenarioNation& nation);
    void Units(const BlockItem& country, const ScenarioNation& nation);
    void Technology(const BlockItem& country);
    void Names(const BlockItem& country);
    void CentreOfTrade(const BlockItem& cot);
    void ProvinceOverride(const BlockItem& province);
    void AcrossBlocks();

    std::optional<long long> Number(const BlockItem* item, std::string_view what, int line);
    void InRange(const BlockItem* item, std::string_view what,
                 const std::optional<ValueRange>& range, int line);
    std::vector<int> ProvinceList(const BlockItem& list);
    bool Exists(int p) const { return p >= 1 && p <= highest_; }
    void Province(int p, int line, std::string_view what, bool land);
    void KnownTag(std::string_view tag, int line);

    const std::string& file_;
    const VerifySettings& settings_;
    const VerifyFacts& facts_;
    FindingList& findings_;
    int highest_ = 0;

    std::vector<std::string> selectable_;
    std::vector<std::pair<std::string, int>> majors_;  // description blocks, with their lines
    std::map<std::string, long long> numCities_, numGold_;
    std::map<std::string, ScenarioNation, std::less<>> nations_;
    std::vector<std::string> countryOrder_;
    ByProvince<std::string> ownerOf_;
    ByProvince<bool> cityLocations_, overrides_;
    std::set<std::string, std::less<>> cotNations_;
    std::vector<const BlockItem*> cots_;
};

std::optional<long long> ScenarioRules::Number(const BlockItem* item, std::string_view what,
                                               int line) {
    if (!item) {
        Add(line, std::string(what) + " is missing");
        return std::nullopt;
    }
    const std::optional<long long> v = item->isBlock ? std::nullopt : WholeNumber(item->value);
    if (!v) Add(item->line, std::string(what) + " " + Quoted(item->value) + " is not a number");
    return v;
}

void ScenarioRules::InRange(const BlockItem* item, std::string_view what,
                            const std::optional<ValueRange>& range, int line) {
    const std::optional<long long> v = Number(item, what, line);
    if (v && range && !range->Holds(*v))
        Add(item->line, std::string(what) + " " + std::to_string(*v) +
                            " is outside the settings' " + RangeText(*range));
}

std::vector<int> ScenarioRules::ProvinceList(const BlockItem& list) {
    std::vector<int> provinces;
    provinces.reserve(list.inside);
    if (!list.isBlock) Add(list.line, std::string(list.key) + " must be a list in braces");
    for (const BlockItem& item : list.items()) {
        const std::optional<long long> p = WholeNumber(item.value);
        if (!item.key.empty() || item.isBlock || !p) {
            Add(item.line, "the province " + Quoted(item.value) + " of " + std::string(list.key) +
                               " is not a number");
            continue;
        }
        provinces.push_back(static_cast<int>(*p));
    }
    return provinces;
}

void ScenarioRules::Province(int p, int line, std::string_view what, bool land) {
    if (!Exists(p)) {
        Add(line, std::string(what) + " " + std::to_string(p) + " is no province (1 to " +
                      std::to_string(highest_) + ")");
    } else if (land && facts_.provinces && !facts_.provinces->IsLand(p)) {
        Add(line, std::string(what) + " " + std::to_string(p) + " is not a land province");
    }
}

void ScenarioRules::KnownTag(std::string_view tag, int line) {
    if (!IsTag(tag)) {
        Add(line, "the tag " + Quoted(tag) + " is not three letters");
    } else if (facts_.countryTags && !facts_.countryTags->contains(tag)) {
        Add(line, "the tag " + std::string(tag) + " is not in Country.csv");
    } else if (!facts_.countryTags && facts_.revolts && !facts_.revolts->contains(tag)) {
        Add(line, "the tag " + std::string(tag) + " is not in Revolt.txt");
    }
}

void ScenarioRules::Check(const BlockItems& items) {
    TopLevel(items);
    // Centres of trade lie on capitals, which the country blocks after them give.
    for (const BlockItem* cot : cots_) CentreOfTrade(*cot);
    AcrossBlocks();
}

void ScenarioRules::TopLevel(const BlockItems& items) {
    int headers = 0, globals = 0;
    for (const BlockItem& item : items) {
        const bool block = item.isBlock;
        if (item.key == "header" && block) {
            if (++headers == 1) Header(item);
        } else if (item.key == "globaldata" && block) {
            if (++globals == 1) GlobalData(item);
        } else if (item.key == "cot" && block) {
            cots_.push_back(&item);
        } else if (item.key == "province" && block) {
            ProvinceOverride(item);
        } else if (item.key == "country" && block) {
            Country(item);
        } else if (item.key == "event" && !block) {
            if (!item.quoted) Add(item.line, "the event file must be in double quotes");
        } else {
            Add(item.line, "unknown entry " + Quoted(item.key.empty() ? item.value : item.key));
        }
    }
    if (headers != 1) Add(0, "the file must have one header block, not " + std::to_string(headers));
    if (globals != 1)
        Add(0, "the file must have one globaldata block, not " + std::to_string(globals));
}

void ScenarioRules::Header(const BlockItem& header) {
    const BlockItem* name = header.Find("name");
    if (!name || !name->quoted || name->value != settings_.scenarioName)
        Add(name ? name->line : header.line,
            "the scenario's name must be " + Quoted(settings_.scenarioName) + " in double quotes");
    const std::optional<long long> start =
        Number(header.Find("startyear"), "startyear", header.line);
    const std::optional<long long> end = Number(header.Find("endyear"), "endyear", header.line);
    if (start && *start != settings_.startYear)
        Add(header.Find("startyear")->line, "startyear " + std::to_string(*start) +
                                                " where the settings have " +
                                                std::to_string(settings_.startYear));
    if (end && *end != settings_.endYear)
        Add(header.Find("endyear")->line, "endyear " + std::to_string(*end) +
                                              " where the settings have " +
                                              std::to_string(settings_.endYear));
    if (start && end && *end < *start)
        Add(header.Find("endyear")->line, "endyear is before startyear");
    Selectable(header);
    for (const BlockItem& item : header.items())
        if (item.isBlock && item.key != "selectable" && item.key != "id") Description(item);
    // The majors lead the selectable list, in the order of their description blocks.
    const BlockItem* list = header.Find("selectable");
    for (std::size_t i = 0; i < majors_.size(); ++i)
        if (i >= selectable_.size() || selectable_[i] != majors_[i].first)
            Add(list ? list->line : majors_[i].second,
                "the major " + majors_[i].first + " is not at place " + std::to_string(i + 1) +
                    " of the selectable list");
}

void ScenarioRules::Selectable(const BlockItem& header) {
    const BlockItem* list = header.Find("selectable");
    if (!list || !list->isBlock) {
        Add(header.line, "the header has no selectable list");
        return;
    }
    std::set<std::string, std::less<>> seen;
    for (const BlockItem& item : list->items()) {
        if (!item.key.empty() || item.isBlock) {
            Add(item.line, "the selectable list must hold tags alone");
            continue;
        }
        KnownTag(item.value, item.line);
        if (!seen.insert(std::string(item.value)).second)
            Add(item.line, "the tag " + std::string(item.value) + " is selectable twice");
        selectable_.emplace_back(item.value);
    }
    // After the majors the others follow in the order of the nations (that of Revolt.txt).
    if (!facts_.revolts) return;
    std::map<std::string_view, std::size_t, std::less<>> ranks;
    for (std::size_t i = 0; i < facts_.revoltOrder.size(); ++i)
        ranks.emplace(facts_.revoltOrder[i], i);
    const auto rank = [&](const std::string& tag) {
        const auto at = ranks.find(tag);
        return at == ranks.end() ? ranks.size() : at->second;
    };
    const std::size_t majors = std::count_if(
        header.items().begin(), header.items().end(),
        [](const BlockItem& i) { return i.isBlock && i.key != "selectable" && i.key != "id"; });
    for (std::size_t i = majors + 1; i < selectable_.size(); ++i)
        if (rank(selectable_[i]) < rank(selectable_[i - 1]))
            Add(list->line, "the selectable nation " + selectable_[i] +
                                " stands before its place in the order of the nations");
}

void ScenarioRules::Description(const BlockItem& block) {
    const std::string tag(block.key);
    if (std::find(selectable_.begin(), selectable_.end(), tag) == selectable_.end())
        Add(block.line, "the description block of " + Quoted(tag) + " is of no selectable nation");
    if (numCities_.contains(tag))
        Add(block.line, "the major " + tag + " has two description blocks");
    if (const std::optional<long long> n = Number(block.Find("numcities"), "numcities", block.line))
        numCities_[tag] = *n;
    if (const std::optional<long long> n = Number(block.Find("numgold"), "numgold", block.line))
        numGold_[tag] = *n;
    if (!majors_.empty() && facts_.revolts) {
        const auto& order = facts_.revoltOrder;
        const auto rank = [&](const std::string& t) {
            return std::find(order.begin(), order.end(), t) - order.begin();
        };
        if (rank(tag) < rank(majors_.back().first))
            Add(block.line, "the major " + tag + " comes after " + majors_.back().first +
                                " against the order of the nations");
    }
    majors_.emplace_back(tag, block.line);
}

void ScenarioRules::GlobalData(const BlockItem& global) {
    const struct {
        const char* key;
        int year;
    } dates[] = {{"startdate", settings_.startYear - 1}, {"enddate", settings_.endYear}};
    for (const auto& d : dates) {
        const BlockItem* date = global.Find(d.key);
        const BlockItem* year = date ? date->Find("year") : nullptr;
        if (!year || WholeNumber(year->value) != d.year)
            Add(date ? date->line : global.line,
                std::string(d.key) + " must be in the year " + std::to_string(d.year));
    }
}

void ScenarioRules::Country(const BlockItem& country) {
    const BlockItem* tagItem = country.Find("tag");
    if (!tagItem) {
        Add(country.line, "the country block has no tag");
        return;
    }
    const std::string tag(tagItem->value);
    KnownTag(tag, tagItem->line);
    if (std::find(selectable_.begin(), selectable_.end(), tag) == selectable_.end())
        Add(tagItem->line, "the country block of " + Quoted(tag) + " is of no selectable nation");
    ScenarioNation nation{country.line, {}, 0};
    ProvinceLists(country, nation);
    Cities(country, nation);
    Units(country, nation);
    Technology(country);
    Names(country);
    const BlockItem* treasury = country.Find("treasury");
    InRange(treasury, "the treasury", settings_.treasury, country.line);
    if (treasury) nation.treasury = WholeNumber(treasury->value).value_or(0);
    if (!nations_.emplace(tag, std::move(nation)).second) {
        Add(country.line, "the nation " + tag + " has two country blocks");
        return;
    }
    countryOrder_.push_back(tag);
}

// Owned, controlled and national provinces: one list, of land provinces no other nation holds.
void ScenarioRules::ProvinceLists(const BlockItem& country, ScenarioNation& nation) {
    const std::string tag(country.Find("tag")->value);
    const BlockItem* owned = country.Find("ownedprovinces");
    if (!owned) {
        Add(country.line, "the country block of " + tag + " has no ownedprovinces");
        return;
    }
    nation.owned = ProvinceList(*owned);
    if (nation.owned.empty()) Add(owned->line, "the nation " + tag + " owns no province");
    for (const int p : nation.owned) {
        Province(p, owned->line, "the owned province", true);
        const auto [owner, fresh] = ownerOf_.Emplace(p, tag);
        if (!fresh)
            Add(owned->line,
                "the province " + std::to_string(p) + " is owned by " + owner + " and by " + tag);
    }
    for (const char* key : {"controlledprovinces", "nationalprovinces"}) {
        const BlockItem* list = country.Find(key);
        if (!list) {
            Add(country.line, "the country block of " + tag + " has no " + key);
        } else if (ProvinceList(*list) != nation.owned) {
            Add(list->line, std::string(key) + " differ from ownedprovinces");
        }
    }
    if (const BlockItem* known = country.Find("knownprovinces"))
        for (const int p : ProvinceList(*known))
            Province(p, known->line, "the known province", false);
}

// One city on each province the nation owns, the first its capital.
void ScenarioRules::Cities(const BlockItem& country, const ScenarioNation& nation) {
    int capitals = 0, cities = 0;
    for (const BlockItem* city : country.All("city")) {
        ++cities;
        const BlockItem* location = city->Find("location");
        const std::optional<long long> at = Number(location, "the city's location", city->line);
        if (!at) continue;
        const int line = location->line;
        const int p = static_cast<int>(*at);
        if (!cityLocations_.Emplace(p, true).second)
            Add(line, "a second city in province " + std::to_string(p));
        if (std::find(nation.owned.begin(), nation.owned.end(), p) == nation.owned.end())
            Add(line, "the city in province " + std::to_string(p) +
                          " lies outside the nation's provinces");
        if (const BlockItem* capital = city->Find("capital"); capital && capital->value == "yes") {
            ++capitals;
            if (!nation.owned.empty() && p != nation.owned.front())
                Add(line, "the capital city lies in " + std::to_string(p) +
                              ", not in the first owned province " +
                              std::to_string(nation.owned.front()));
        }
    }
    if (capitals != 1)
        Add(country.line, "the nation must have one capital city, not " + std::to_string(capitals));
    if (cities != static_cast<int>(nation.owned.size()))
        Add(country.line, std::to_string(cities) + " cities for " +
                              std::to_string(nation.owned.size()) + " owned provinces");
}

void ScenarioRules::Units(const BlockItem& country, const ScenarioNation& nation) {
    for (const BlockItem& unit : country.items()) {
        if (unit.key != "landunit" && unit.key != "navalunit") continue;
        const std::optional<long long> at =
            Number(unit.Find("location"), "the unit's location", unit.line);
        if (at && std::find(nation.owned.begin(), nation.owned.end(), *at) == nation.owned.end())
            Add(unit.line, "the unit stands in province " + std::to_string(*at) +
                               ", outside the nation's provinces");
        if (unit.key != "landunit") continue;
        const BlockItem* name = unit.Find("name");
        const bool expedition = name && name->value.ends_with(ExpeditionSuffix);
        const std::optional<ValueRange> none = ValueRange{0, 0};
        InRange(unit.Find("infantry"), "infantry", expedition ? none : settings_.infantry,
                unit.line);
        InRange(unit.Find("cavalry"), "cavalry", settings_.cavalry, unit.line);
        InRange(unit.Find("artillery"), "artillery", expedition ? none : settings_.artillery,
                unit.line);
    }
}

void ScenarioRules::Technology(const BlockItem& country) {
    const BlockItem* tech = country.Find("technology");
    if (!tech || !tech->isBlock) {
        Add(country.line, "the country block has no technology block");
        return;
    }
    const std::pair<const char*, const std::optional<ValueRange>*> levels[] = {
        {"infra", &settings_.infra},
        {"trade", &settings_.trade},
        {"land", &settings_.land},
        {"naval", &settings_.naval},
        {"stability", &settings_.stability}};
    for (const auto& [key, range] : levels) {
        const BlockItem* level = tech->Find(key);
        InRange(level ? level->Find("level") : nullptr, std::string(key) + " level", *range,
                level ? level->line : tech->line);
    }
    const BlockItem* group = tech->Find("group");
    if (!group || !IsOneOf(settings_.techGroupNames, group->value))
        Add(group ? group->line : tech->line, "the technology group " +
                                                  Quoted(group ? group->value : "") +
                                                  " is none of the settings'");
}

// The religion and cultures by the names of the settings.
void ScenarioRules::Names(const BlockItem& country) {
    const BlockItem* religion = country.Find("religion");
    const BlockItem* type = religion ? religion->Find("type") : nullptr;
    if (!type || (type->value != "pagan" && !IsOneOf(settings_.religionNames, type->value)))
        Add(religion ? religion->line : country.line,
            "the religion " + Quoted(type ? type->value : "") + " is none of the settings'");
    if (const BlockItem* culture = country.Find("culture"))
        for (const BlockItem* t : culture->All("type"))
            if (settings_.noCulture
                    ? t->value != "aztek"
                    : t->value.empty() || !IsOneOf(settings_.cultureNames, t->value))
                Add(t->line, "the culture " + Quoted(t->value) + " is none of the settings'");
}

// A centre of trade on the capital of the nation that holds it; one per nation.
void ScenarioRules::CentreOfTrade(const BlockItem& cot) {
    const std::optional<long long> at = Number(cot.Find("location"), "the location", cot.line);
    const BlockItem* merchant = cot.Find("merchant");
    const BlockItem* tagItem = merchant ? merchant->Find("TAG") : nullptr;
    if (!tagItem) {
        Add(cot.line, "the centre of trade names no merchant TAG");
        return;
    }
    const std::string tag(tagItem->value);
    KnownTag(tag, cot.line);
    if (!cotNations_.insert(tag).second)
        Add(cot.line, "the nation " + tag + " has a second centre of trade");
    if (!at) return;
    Province(static_cast<int>(*at), cot.line, "the centre of trade's province", false);
    int capital = 0;
    if (const auto n = nations_.find(tag); n != nations_.end() && !n->second.owned.empty()) {
        capital = n->second.owned.front();
    } else if (facts_.revolts) {
        if (const auto r = facts_.revolts->find(tag); r != facts_.revolts->end())
            capital = r->second.capital;
    }
    if (capital != 0 && *at != capital)
        Add(cot.line, "the centre of trade of " + tag + " lies in " + std::to_string(*at) +
                          ", not in its capital " + std::to_string(capital));
}

void ScenarioRules::ProvinceOverride(const BlockItem& province) {
    const std::optional<long long> id =
        Number(province.Find("id"), "the province id", province.line);
    if (!id) return;
    Province(static_cast<int>(*id), province.line, "the province", true);
    if (!overrides_.Emplace(static_cast<int>(*id), true).second)
        Add(province.line, "a second province block for " + std::to_string(*id));
    // A province without religion has no religion entry.
    const BlockItem* religion = province.Find("religion");
    if (religion && !IsOneOf(settings_.religionNames, religion->value) &&
        religion->value != "pagan")
        Add(province.line, "the religion " + Quoted(religion->value) + " is none of the settings'");
}

// One country block per selectable nation, in the order of the list; the header's figures and
// Revolt.txt agree with the blocks.
void ScenarioRules::AcrossBlocks() {
    for (const std::string& tag : selectable_)
        if (!nations_.contains(tag))
            Add(0, "the selectable nation " + tag + " has no country block");
    std::vector<std::string> inOrder;
    for (const std::string& tag : selectable_)
        if (nations_.contains(tag)) inOrder.push_back(tag);
    if (inOrder != countryOrder_ && inOrder.size() == countryOrder_.size())
        Add(0, "the country blocks do not follow the order of the selectable list");
    for (const auto& [tag, nation] : nations_) {
        if (const auto n = numCities_.find(tag);
            n != numCities_.end() && n->second != static_cast<long long>(nation.owned.size()))
            Add(nation.line, "numcities of " + tag + " is " + std::to_string(n->second) +
                                 " where the nation owns " + std::to_string(nation.owned.size()));
        if (const auto g = numGold_.find(tag); g != numGold_.end() && g->second != nation.treasury)
            Add(nation.line, "numgold of " + tag + " differs from its treasury");
        if (!facts_.revolts || nation.owned.empty()) continue;
        const auto r = facts_.revolts->find(tag);
        if (r == facts_.revolts->end()) continue;
        const std::vector<int> extra(nation.owned.begin() + 1, nation.owned.end());
        if (r->second.capital != nation.owned.front() || r->second.extra != extra)
            Add(nation.line, "the provinces of " + tag + " differ from its block in Revolt.txt");
    }
}
}  // namespace

void CheckScenario(std::string_view bytes, const std::string& file, const VerifySettings& settings,
                   const VerifyFacts& facts, FindingList& findings) {
    CheckGameLines(bytes, file, findings);
    const BlockTree tree = ParseBlocks(bytes, file, findings);
    const BlockItems items = tree.items();
    ScenarioRules rules(file, settings, facts, findings);
    rules.Check(items);
}

}  // namespace tq3
