#include "output/ProvinceTable.h"

#include <string>
#include <vector>

#include "base/TextFile.h"
#include "engine/RunProgress.h"
#include "output/FieldWriter.h"
#include "output/TextFormat.h"

namespace tq3 {

namespace {
const char* const kFillerLine =
    "-1;Filler;inland;0;none;0;0;0;0;0;0;0;0;8;0;0;nothing;0;-3;0;0;0;0;0;0;";
constexpr int kFillerLines = 27;
// The generated fields of a province line are 80 to 90 characters for most provinces.
constexpr std::size_t kTypicalFieldsLength = 96;
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
void GeneratedFields(FieldWriter& line, const World& world, int p) {
    const TGeneratorSettings& s = world.Settings;
    const TProvince& prov = world.Provinces[p];
    const bool sea = prov.IsSea();
    line.Field(p);
    line.Field(prov.Name);
    line.Field(prov.IsCoastal ? "coastal" : "inland");
    line.Field(prov.Religion == 0 ? std::string_view("0")
                                  : std::string_view(World::NameOf(s.ReligNames, prov.Religion)));
    if (s.NoCulture)
        line.Field("aztek");
    else
        line.Field(prov.Culture == 0
                       ? std::string_view("none")
                       : std::string_view(World::NameOf(s.CultureNames, prov.Culture)));
    line.Field("0");
    line.Field("0");
    line.Field(prov.Climate);
    // Ice and storms exist only at sea.
    line.Field(prov.HasIce && sea ? "1" : "0");
    line.Field(prov.HasStorm && sea ? "1" : "0");
    line.Field((s.UseGalleysAnywhere && sea) || prov.GalleysAllowed ? "1" : "0");
    line.Field(prov.Manpower);
    line.Field(prov.Income);
    line.Field(Index(prov.Terrain));
    line.Field(prov.MineValue > 0 ? "1" : "0");
    line.Field(prov.MineValue);
    line.Field(prov.Goods == 0 ? std::string_view("nothing")
                               : std::string_view(World::NameOf(s.GoodsNames, prov.Goods)));
    // Goods code 5 never carries the goods flag, whatever its name.
    line.Field(prov.GoodsFlag && prov.Goods != kGoodsWithoutFlag ? "1" : "0");
    line.Field(prov.Value19);
    line.Field(prov.ColonDifficulty);
    line.Field(prov.NativePopulation);
    line.Field(Tenths{prov.NativeCombat});
    line.Field(Tenths{prov.NativeCombatFactor});
    line.Field(prov.TradeNegotiation);
    line.Field(prov.NativeTolerance);
}
}  // namespace

std::string ProvinceTableText(const World& world, const std::string& fixed,
                              const std::function<void(int)>& reportProgress) {
    ProgressBar progress{reportProgress};
    const int count = world.ProvinceCount();

    // The generated part of every province line, one after the other; starts[p] is where
    // province p's part begins.
    std::string generated;
    std::vector<std::size_t> starts(static_cast<std::size_t>(count + 2));
    // Room for a typical line's fields up front, so the text rarely has to move.
    generated.reserve(static_cast<std::size_t>(count + 1) * kTypicalFieldsLength);
    {
        FieldWriter line(generated);
        for (int p = 0; p <= count; ++p) {
            starts[static_cast<std::size_t>(p)] = line.Size();
            GeneratedFields(line, world, p);
            progress.Set(RunProgress::ProvinceLines + p / 850);
        }
        starts[static_cast<std::size_t>(count + 1)] = line.Size();
    }
    const std::string_view parts(generated);

    // The fixed table gives the header and the tail of every line.
    LineCursor cursor(fixed);

    std::string text;
    text.reserve(fixed.size() + generated.size() + 4096);
    text += ReadNextLineView(cursor);
    text += "\r\n";
    for (int p = 0; p <= count; ++p) {
        const std::size_t from = starts[static_cast<std::size_t>(p)];
        text += parts.substr(from, starts[static_cast<std::size_t>(p + 1)] - from);
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
