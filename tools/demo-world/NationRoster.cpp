#include "NationRoster.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "ProvinceBlocks.h"
#include "ProvinceTraits.h"
#include "Vocabulary.h"

namespace {

// Nations founded in each block, in block order.
int NationsInBlock(const std::string& block) {
    static const std::pair<const char*, int> kCounts[] = {{"Europe and the Near East", 38},
                                                          {"North Africa", 8},
                                                          {"Western Siberia", 3},
                                                          {"Western and southern Asia", 34},
                                                          {"Middle Siberia", 2},
                                                          {"Eastern Asia", 34},
                                                          {"Eastern Siberia", 4},
                                                          {"Africa", 24},
                                                          {"America", 26},
                                                          {"Oceania", 6}};
    for (const auto& [name, count] : kCounts)
        if (block == name) return count;
    return 0;
}

bool IsWesternRegion(const std::string& r) {
    return r == "Western Europe" || r == "Central Europe" || r == "Southern Europe" ||
           r == "Northern Europe" || r == "Arctic Isles";
}

int TechGroupOf(const DemoProvince& capital, int religion) {
    const std::string& r = capital.region;
    if (IsWesternRegion(r)) return kOccidental;
    if (r == "Eastern Europe" || r == "Southeast Europe" ||
        (r == "Near East" && religion == kOrthodox))
        return kBoreal;
    if (religion == kSunni || religion == kShiite) return kCrescent;
    if (r == "High Asia" || r == "Hindustan" || r == "Deccan" || r == "Far East" || r == "Cathay" ||
        r == "Indochina" || r == "Insulindia" || r == "Steppe East")
        return kOriental;
    return kTribal;
}

// Three capital letters taken from the name, unique among the tags so far.
std::string MakeTag(const std::string& name, std::set<std::string>& used, DemoRandom& random) {
    std::string letters;
    for (char c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z') letters += c;
    }
    const int n = static_cast<int>(letters.size());
    for (int j = 1; j < n; ++j)
        for (int k = j + 1; k < n; ++k) {
            const std::string tag{letters[0], letters[j], letters[k]};
            if (used.insert(tag).second) return tag;
        }
    for (;;) {
        std::string tag{letters.empty() ? 'X' : letters[0]};
        tag += static_cast<char>('A' + random.Below(26));
        tag += static_cast<char>('A' + random.Below(26));
        if (used.insert(tag).second) return tag;
    }
}

}  // namespace

void FoundNations(DemoWorld& world, DemoRandom& random, NameMaker& names) {
    auto& pr = world.provinces;
    const auto& blocks = ProvinceBlocks();
    // Tags of the countries the generator does not manage, and the end mark.
    std::set<std::string> usedTags = {"REB", "PIR", "NAT", "END"};

    struct Founding {
        DemoNation nation;
        int block;
    };
    std::vector<Founding> founded;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const int want = NationsInBlock(blocks[b].name);
        if (want == 0) continue;
        // Capitals as far from each other as the block allows.
        std::vector<int> capitals;
        std::vector<int> land;
        for (int p = blocks[b].first; p <= blocks[b].last; ++p) land.push_back(p);
        capitals.push_back(land[random.Below(static_cast<int>(land.size()))]);
        while (static_cast<int>(capitals.size()) < want) {
            int best = 0;
            double bestDistance = -1;
            for (int p : land) {
                double nearest = 1e18;
                for (int c : capitals)
                    nearest = std::min(nearest, std::hypot(pr[p].at.lon - pr[c].at.lon,
                                                           pr[p].at.lat - pr[c].at.lat));
                // A little noise keeps the capitals from lining up on the coasts.
                nearest *= random.Range(0.8, 1.2);
                if (nearest > bestDistance) bestDistance = nearest, best = p;
            }
            capitals.push_back(best);
        }
        std::sort(capitals.begin(), capitals.end());
        for (int cap : capitals) {
            const DemoProvince& c = pr[cap];
            DemoNation n;
            n.name = names.Name(StyleOfRegion(c.region));
            n.tag = MakeTag(n.name, usedTags, random);
            n.capital = cap;
            n.religion = c.religion == 0 ? kPagan : c.religion;
            // The faiths of the crescent only rule from Asia and Africa.
            if ((n.religion == kSunni || n.religion == kShiite) && c.continent != "Asia" &&
                c.continent != "Africa")
                n.religion = kOrthodox;
            n.techGroup = TechGroupOf(c, n.religion);
            const bool native = n.techGroup == kTribal;
            n.size = native ? random.Between(1, 3) : random.Between(1, 6);
            if (!native && random.Chance(12)) n.size = random.Between(7, 10);
            founded.push_back({n, static_cast<int>(b)});
        }
    }

    // The largest nations come first: the game counts nations 1..24 as the great powers.
    std::stable_sort(founded.begin(), founded.end(), [](const Founding& a, const Founding& b) {
        return a.nation.size > b.nation.size;
    });
    std::stable_sort(founded.begin() + 24, founded.end(),
                     [](const Founding& a, const Founding& b) { return a.block < b.block; });

    static const char* const kSprites[] = {"OCC", "BOR", "CRE", "ORI", "TRI"};
    static const char* const kManufactories[] = {"Luxury", "Refinery", "Goods", "Weapons",
                                                 "NavalEquipment"};
    int electors = 0;
    for (Founding& f : founded) {
        DemoNation& n = f.nation;
        const DemoProvince& c = pr[n.capital];
        const bool native = n.techGroup == kTribal;
        const bool port = c.coastal && c.seaZone != 0 && (random.Chance(80) || !native);
        n.mainColor = random.Between(1, 23);
        n.fantasiaColor = random.Between(1, 23);
        n.leaderLanguage = n.tag;
        n.armySprite = n.shipSprite = n.cityNationality = kSprites[n.techGroup - 1];
        for (int i = 0; i < 8; ++i) n.policies[i] = random.Between(1, 9);
        n.policies[8] = 0;
        if ((c.area == "Germania" || c.area == "Alpine" || c.area == "Low Countries") &&
            electors < 7) {
            n.policies[8] = 1;
            ++electors;
        }
        n.treasury = n.size * random.Between(native ? 10 : 40, native ? 30 : 120);
        static const int kTech[5][8] = {{4, 8, 2, 6, 2, 4, 2, 4},
                                        {3, 6, 1, 3, 1, 3, 1, 3},
                                        {3, 7, 1, 4, 2, 4, 1, 3},
                                        {2, 5, 1, 3, 1, 4, 1, 3},
                                        {0, 1, 0, 0, 0, 1, 0, 0}};
        const int* t = kTech[n.techGroup - 1];
        n.techLand = random.Between(t[0], t[1]);
        n.techNaval = random.Between(t[2], t[3]);
        n.techTrade = random.Between(t[4], t[5]);
        n.techInfra = random.Between(t[6], t[7]);
        n.stability = random.Between(-1, 3);
        n.infantry = n.size * random.Between(2, 5);
        n.cavalry = n.size * random.Between(1, 3);
        n.artillery = native ? 0 : n.size * random.Between(1, 4);
        n.warships = port ? n.size * random.Between(1, 3) : 0;
        n.galleys = port && pr[c.seaZone].galleys ? random.Between(1, 2 * n.size) : 0;
        n.transports = port ? random.Between(1, n.size) : 0;

        // Cultures: the capital's, sometimes with the one next door.
        if (!c.culture.empty()) n.cultures.push_back(c.culture);
        for (int q : world.adjacency.lists[n.capital])
            if (pr[q].land && !pr[q].culture.empty() &&
                std::find(n.cultures.begin(), n.cultures.end(), pr[q].culture) ==
                    n.cultures.end() &&
                random.Chance(40)) {
                n.cultures.push_back(pr[q].culture);
                break;
            }

        const bool trader = port && !native && random.Chance(25);
        auto add = [&](const char* s) { n.specifics.push_back(s); };
        if (port) add("Port");
        if (trader) add("CoT");
        if (!native) {
            if (random.Chance(20)) add("Bailiff");
            if (random.Chance(20)) add("Cityrights");
            if (random.Chance(15)) add("Courthouse");
            if (port && random.Chance(40)) add("Shipyard");
            if (random.Chance(20)) add("Fortress");
            if (port && n.techGroup == kOccidental && random.Chance(50)) add("Colonist");
            if (trader) add("Merchant");
            if (n.size >= 7) add("Population");
            if (random.Chance(20)) add("Barrack");
            if (random.Chance(20)) add(kManufactories[random.Below(5)]);
            if (trader && random.Chance(50)) add("Bank");
        }
        if (c.region == "Siberia") add("StartSiberia");
        if (c.continent == "America") add("StartAmerica");
        if (c.continent == "America" || c.continent == "Oceania") add("Unknown");
        if (port && n.techGroup == kOccidental &&
            std::find(n.specifics.begin(), n.specifics.end(), std::string("Colonist")) !=
                n.specifics.end())
            add("SplitArmy");
        n.aiFile = native              ? "native.ai"
                   : trader            ? "trader.ai"
                   : random.Chance(25) ? "warlike.ai"
                                       : "default.ai";
        world.nations.push_back(n);
    }

    // A few nations keep their start whatever the placement settings: one per settled block.
    for (const char* block : {"Europe and the Near East", "Western and southern Asia",
                              "Eastern Asia", "North Africa"}) {
        for (std::size_t i = 24; i < founded.size(); ++i)
            if (blocks[founded[i].block].name == block) {
                world.nations[i].specifics.push_back("FixedStartLoc");
                break;
            }
    }
    // One catholic nation of Europe holds the counter-reformed faith.
    for (DemoNation& n : world.nations)
        if (n.religion == kCatholic && pr[n.capital].continent == "Europe") {
            n.religion = kCounterReformed;
            break;
        }

    // The specified majors: the six largest nations of the European block, all among the
    // first 24.
    for (std::size_t i = 0; i < 24 && world.majors.size() < 6; ++i)
        if (blocks[founded[i].block].name == "Europe and the Near East")
            world.majors.push_back(world.nations[i].tag);
}
