#include "output/GameTables.h"

#include <algorithm>
#include <string>

#include "engine/ScenarioNations.h"
#include "output/TextFormat.h"

namespace tq3 {

namespace {

std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}
}  // namespace

std::string RevoltTableText(const World& world) {
    const TGeneratorSettings& s = world.Settings;
    std::string text;
    for (int n = 1; n <= world.NationCountLoaded(); ++n) {
        const TNation& nation = world.Nations[n];
        const std::vector<int> owned = OwnedProvinceList(nation);
        const std::string capital = std::to_string(nation.Capital());
        text += nation.Tag + " = {\r\n";
        text +=
            "\tdate = { day = 1 month = january year = " + std::to_string(s.StartYear) + " }\r\n";
        text += "\texpirydate = { day = 29 month = december year = " + std::to_string(s.EndYear) +
                " }\r\n";
        text += "\tminimum = {" + capital + " }\r\n";
        // Every province after the capital, each followed by a blank.
        text += "\textra = { ";
        for (std::size_t k = 1; k < owned.size(); ++k) text += std::to_string(owned[k]) + " ";
        text += "}\r\n";
        text += "\tcapital = " + capital + "\r\n";
        text += "\tgroup = " + World::NameOf(s.TechGroupNames, nation.TechGroup) + "\r\n";
        text += "\t}\r\n";
    }
    return text;
}

std::string GoodsTableText(const World& world) {
    const TGeneratorSettings& s = world.Settings;
    std::string text = "Goods;Base Resource Value;Mine;TradePost;NumOfSlaves\r\n";
    for (int g = 1; g <= GoodsCodes; ++g)
        text += UpperCase(World::NameOf(s.GoodsNames, g)) + ";" + Num(world.GoodsPrices[g]) + ";" +
                Num(s.GoodsMine[g - 1]) + ";" + Num(s.GoodsTradePost[g - 1]) + ";" +
                Num(s.GoodsSlaves[g - 1]) + "\r\n";
    text += "NOTHING;0;0;0;0\r\n";
    return text;
}

std::string TaxStabilityTableText(const World& world) {
    const TGeneratorSettings& s = world.Settings;
    // TaxStabilImpact picks the row (kept to the five rows there are); TaxValue shifts the
    // whole column by 10 per step from 3.
    const auto& row = s.TaxStab[std::clamp<int>(s.TaxStabilImpact, 1, 5) - 1];
    const int shift = 10 * (s.TaxValue - 3);
    std::string text = "Stability;Modifier(%)\r\n";
    for (int stability = 3; stability >= -3; --stability)
        text +=
            std::to_string(stability) + ";" + std::to_string(row[stability + 3] + shift) + "\r\n";
    return text;
}

}  // namespace tq3
