#include "config/ProvinceTemplate.h"

#include <span>
#include <vector>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {

constexpr std::size_t MaxRowLength = 500;
constexpr std::size_t MaxFieldLength = 100;
constexpr std::size_t ColumnsRead = 31;

std::vector<std::string> SplitFields(const std::string& row) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t semi = row.find(';', start);
        if (semi == std::string::npos) {
            fields.push_back(row.substr(start));
            return fields;
        }
        fields.push_back(row.substr(start, semi - start));
        start = semi + 1;
    }
}

int8_t Low8(int v) {
    return static_cast<int8_t>(static_cast<uint8_t>(v));
}
int16_t Low16(int v) {
    return static_cast<int16_t>(static_cast<uint16_t>(v));
}

class TemplateReader {
  public:
    TemplateReader(World& world, Dialogs& dialogs, std::string file)
        : world_(world), dialogs_(dialogs), file_(std::move(file)) {}

    // Reads one row into province p; `line` is the row's line number in the file.
    void ReadRow(int p, const std::string& row, int line) {
        const std::vector<std::string> fields = SplitFields(row);
        if (row.size() > MaxRowLength)
            Problem(line, "province " + std::to_string(p) + ": the row has " +
                              std::to_string(row.size()) + " characters, more than 500");
        if (fields.size() < ColumnsRead + 1)
            Problem(line, "province " + std::to_string(p) + ": the row has " +
                              std::to_string(fields.size() - 1) +
                              " \";\" separators, 31 are needed; missing columns read as empty");
        for (std::size_t i = 0; i < std::min(fields.size(), ColumnsRead); ++i)
            if (fields[i].size() > MaxFieldLength)
                Problem(line, "province " + std::to_string(p) + ": column " +
                                  std::to_string(i + 1) + " is longer than 100 characters");
        const auto col = [&](std::size_t c) -> const std::string& {
            static const std::string kEmpty;
            return c <= fields.size() ? fields[c - 1] : kEmpty;
        };
        const auto integer = [&](std::size_t c) { return ParseInteger(Trim(col(c))); };
        const TGeneratorSettings& s = world_.Settings;

        TProvince& prov = world_.Provinces[p];
        prov.Name = col(2);
        prov.IsCoastal = col(3) == "coastal";
        prov.Religion = Low8(MatchName(std::span<const std::string>(s.ReligNames).first(10), col(4),
                                       false, nullptr));
        prov.Culture =
            Low16(MatchName(std::span<const std::string>(s.CultureNames), col(5), true, "none"));
        prov.Climate = Low8(integer(8));
        prov.HasIce = Trim(col(9)) == "1";
        prov.HasStorm = Trim(col(10)) == "1";
        prov.GalleysAllowed = Trim(col(11)) == "1";
        prov.Manpower = Low8(integer(12));
        prov.Income = Low8(integer(13));
        prov.Terrain = Low8(integer(14));
        prov.MineValue = Low8(integer(16));
        prov.Goods =
            Low8(MatchName(std::span<const std::string>(s.GoodsNames), col(17), false, "nothing"));
        prov.GoodsFlag = col(18) == "1";
        prov.Value19 = Low8(integer(19));
        prov.ColonDifficulty = Low8(integer(20));
        prov.NativePopulation = Low16(integer(21));
        prov.NativeCombat = static_cast<uint8_t>(ParseTenths(Trim(col(22))));
        prov.NativeCombatFactor = static_cast<uint8_t>(ParseTenths(Trim(col(23))));
        prov.TradeNegotiation = Low8(integer(24));
        prov.NativeTolerance = Low8(integer(25));
        prov.MapX = Low16(integer(26));
        prov.MapY = Low16(integer(27));
        prov.SeaZone = Low16(integer(28));
        prov.Area = Low16(MatchName(std::span<const std::string>(s.AreaNames), col(29), true, "-"));
        prov.Region =
            Low16(MatchName(std::span<const std::string>(s.RegionNames), col(30), true, "-"));
        prov.Continent =
            Low8(MatchName(std::span<const std::string>(s.ContinentNames), col(31), true, "-"));
        CheckCodes(p, line);
    }

    void Problem(int line, const std::string& text) { dialogs_.Problem(file_, line, text); }

  private:
    // Codes that would index outside a table are reported; a sea zone outside the map is
    // treated as none. Climate and terrain codes outside their lists stay as loaded: the
    // generation steps leave such provinces alone.
    void CheckCodes(int p, int line) {
        TProvince& prov = world_.Provinces[p];
        const std::string who = "province " + std::to_string(p) + ": ";
        if (prov.Terrain < 0)
            Problem(line,
                    who + "terrain " + std::to_string(prov.Terrain) + " is not a terrain code");
        if (prov.IsLand() && (prov.Climate < 0 || prov.Climate >= ClimateCodes))
            Problem(line, who + "climate " + std::to_string(prov.Climate) +
                              " is not a climate code 0..8");
        if (prov.SeaZone < 0 || prov.SeaZone > world_.ProvinceCount()) {
            Problem(line, who + "sea zone " + std::to_string(prov.SeaZone) +
                              " is outside provinces 1.." + std::to_string(world_.ProvinceCount()) +
                              "; no sea zone is used");
            prov.SeaZone = 0;
        }
    }

    World& world_;
    Dialogs& dialogs_;
    std::string file_;
};

}  // namespace

void LoadProvinceTemplate(World& world, Dialogs& dialogs, bool europeanOnly, bool asianOnly) {
    const std::string file = GamePath(world.ProgramFolder, GameFiles::ProvinceTemplate);
    std::string text;
    if (!ReadWholeFile(dialogs, file, text)) return;
    TemplateReader reader(world, dialogs, AbsolutePath(file));
    LineCursor cursor(text);
    ReadNextLine(cursor);  // header

    world.LandProvinceCount = 0;
    bool reportedShort = false;
    for (int p = 0; p <= world.ProvinceCount(); ++p) {
        const bool exhausted = cursor.done;
        const std::string row = ReadNextLine(cursor);
        const bool restricted = europeanOnly || asianOnly;
        if (restricted &&
            !((europeanOnly && IsEuropean(world, p)) || (asianOnly && IsAsian(world, p))))
            continue;
        if (exhausted || (cursor.done && row.empty())) {
            // Rows missing at the end of the file leave empty provinces, neither land nor sea.
            if (!reportedShort) {
                reader.Problem(cursor.lineNumber,
                               "the template ends before province " + std::to_string(p) +
                                   "; provinces " + std::to_string(p) + ".." +
                                   std::to_string(world.ProvinceCount()) + " are left empty");
                reportedShort = true;
            }
            world.Provinces[p] = TProvince{};
            world.Provinces[p].Terrain = 8;
            continue;
        }
        reader.ReadRow(p, row, cursor.lineNumber);
        if (world.Provinces[p].IsLand()) ++world.LandProvinceCount;
    }
    if (!europeanOnly)
        for (int p = 1; p <= world.ProvinceCount(); ++p) world.Provinces[p].Owner = 0;
}

}  // namespace tq3
