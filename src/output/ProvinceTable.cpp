#include "output/ProvinceTable.h"

#include <string>
#include <vector>

#include "base/TextFile.h"
#include "engine/RunProgress.h"
#include "output/TextFormat.h"

namespace tq3 {

namespace {
const char* const kFillerLine =
    "-1;Filler;inland;0;none;0;0;0;0;0;0;0;0;8;0;0;nothing;0;-3;0;0;0;0;0;0;";
constexpr int kFillerLines = 27;
constexpr int kGoodsWithoutFlag = 5;

// Moves the progress bar only when its position changes.
struct ProgressBar {
    const std::function<void(int)>& report;
    int last = -1;
    void Set(int position) {
        if (position == last || !report) return;
        last = position;
        report(position);
    }
};

// The 25 generated fields of province p, each followed by ";". Reads the name lists
// (ReligNames, CultureNames, GoodsNames), NoCulture and UseGalleysAnywhere.
std::string GeneratedFields(const World& world, int p) {
    const TGeneratorSettings& s = world.Settings;
    const TProvince& prov = world.Provinces[p];
    const bool sea = prov.IsSea();
    std::string line;
    line.reserve(160);
    Field(line, p);
    Field(line, prov.Name);
    Field(line, prov.IsCoastal ? "coastal" : "inland");
    Field(line, prov.Religion == 0 ? std::string_view("0")
                                   : std::string_view(World::NameOf(s.ReligNames, prov.Religion)));
    if (s.NoCulture)
        Field(line, "aztek");
    else
        Field(line, prov.Culture == 0
                        ? std::string_view("none")
                        : std::string_view(World::NameOf(s.CultureNames, prov.Culture)));
    Field(line, "0");
    Field(line, "0");
    Field(line, prov.Climate);
    // Ice and storms exist only at sea.
    Field(line, prov.HasIce && sea ? "1" : "0");
    Field(line, prov.HasStorm && sea ? "1" : "0");
    Field(line, (s.UseGalleysAnywhere && sea) || prov.GalleysAllowed ? "1" : "0");
    Field(line, prov.Manpower);
    Field(line, prov.Income);
    Field(line, Index(prov.Terrain));
    Field(line, prov.MineValue > 0 ? "1" : "0");
    Field(line, prov.MineValue);
    Field(line, prov.Goods == 0 ? std::string_view("nothing")
                                : std::string_view(World::NameOf(s.GoodsNames, prov.Goods)));
    // Goods code 5 never carries the goods flag, whatever its name.
    Field(line, prov.GoodsFlag && prov.Goods != kGoodsWithoutFlag ? "1" : "0");
    Field(line, prov.Value19);
    Field(line, prov.ColonDifficulty);
    Field(line, prov.NativePopulation);
    Field(line, Tenths{prov.NativeCombat});
    Field(line, Tenths{prov.NativeCombatFactor});
    Field(line, prov.TradeNegotiation);
    Field(line, prov.NativeTolerance);
    return line;
}
}  // namespace

std::string ProvinceTableText(const World& world, const std::string& fixed,
                              const std::function<void(int)>& reportProgress) {
    ProgressBar progress{reportProgress};
    const int count = world.ProvinceCount();

    // The generated part of every province line.
    std::vector<std::string> generated;
    generated.reserve(static_cast<std::size_t>(count + 1));
    for (int p = 0; p <= count; ++p) {
        generated.push_back(GeneratedFields(world, p));
        progress.Set(RunProgress::ProvinceLines + p / 850);
    }

    // The fixed table gives the header and the tail of every line.
    LineCursor cursor(fixed);

    std::string text;
    text.reserve(fixed.size() + generated.size() * 160 + 4096);
    text += ReadNextLineView(cursor);
    text += "\r\n";
    for (int p = 0; p <= count; ++p) {
        text += generated[static_cast<std::size_t>(p)];
        text += ReadNextLineView(cursor);
        text += "\r\n";
        progress.Set(RunProgress::ProvinceAssembly + p / 400);
    }
    progress.Set(RunProgress::ProvinceTableDone);
    for (int i = 0; i < kFillerLines; ++i) {
        text += kFillerLine;
        text += ReadNextLineView(cursor);
        text += "\r\n";
    }
    return text;
}

}  // namespace tq3
