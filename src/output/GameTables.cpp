#include "output/GameTables.h"

#include <string>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/TextFile.h"
#include "engine/ScenarioNations.h"

namespace tq3 {

namespace {
constexpr int kUnscaledGoods = 5;  // keeps its base value as configured
constexpr int kLowestGoodsValue = 3;
constexpr int kHighestGoodsValue = 25;
constexpr int kGoodsValueJitter = 5;  // random values move by -5..5

std::string UpperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}
}  // namespace

void WriteRevoltTable(const World& world, Dialogs& dialogs) {
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
    WriteWholeFile(dialogs, GamePath(world.ProgramFolder, GameFiles::RevoltTable), text, false);
}

void WriteGoodsTable(const World& world, RandomSource& random, Dialogs& dialogs) {
    const TGeneratorSettings& s = world.Settings;
    std::string text = "Goods;Base Resource Value;Mine;TradePost;NumOfSlaves\r\n";
    for (int g = 1; g <= GoodsCodes; ++g) {
        // A fresh value from GoodsValues on every call: optionally moved by a draw
        // (RandomizeGoodsValues), scaled by GoodsValueModifier / 3 and limited to 3..25.
        int value = s.GoodsValues[g - 1];
        if (g != kUnscaledGoods) {
            if (s.RandomizeGoodsValues)
                value += random.RandInt(2 * kGoodsValueJitter + 1) - kGoodsValueJitter;
            value = value * s.GoodsValueModifier / 3;
            value = Clamp(kLowestGoodsValue, kHighestGoodsValue, value);
        }
        text += UpperCase(World::NameOf(s.GoodsNames, g)) + ";" + std::to_string(value) + ";" +
                std::to_string(s.GoodsMine[g - 1]) + ";" + std::to_string(s.GoodsTradePost[g - 1]) +
                ";" + std::to_string(s.GoodsSlaves[g - 1]) + "\r\n";
    }
    text += "NOTHING;0;0;0;0\r\n";
    WriteWholeFile(dialogs, GamePath(world.ProgramFolder, GameFiles::GoodsTable), text, false);
}

void WriteTaxStabilityTable(const World& world, Dialogs& dialogs) {
    const TGeneratorSettings& s = world.Settings;
    // TaxStabilImpact picks the row (kept to the five rows there are); TaxValue shifts the
    // whole column by 10 per step from 3.
    const auto& row = s.TaxStab[Clamp(1, 5, s.TaxStabilImpact) - 1];
    const int shift = 10 * (s.TaxValue - 3);
    std::string text = "Stability;Modifier(%)\r\n";
    for (int stability = 3; stability >= -3; --stability)
        text +=
            std::to_string(stability) + ";" + std::to_string(row[stability + 3] + shift) + "\r\n";
    WriteWholeFile(dialogs, GamePath(world.ProgramFolder, GameFiles::TaxStabilityTable), text,
                   false);
}

}  // namespace tq3
