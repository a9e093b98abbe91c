#include "config/ProvinceTemplate.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "base/TextFile.h"

namespace tq3 {

namespace {

constexpr std::size_t MaxRowLength = 500;
constexpr std::size_t MaxFieldLength = 100;
constexpr std::size_t ColumnsRead = 31;

// The columns of one row as views into it: the first 31 (empty where the row has fewer), how
// many the row has, and which of the first 31 are longer than 100 characters (bit c-1).
struct RowFields {
    std::array<std::string_view, ColumnsRead> columns{};
    std::size_t count = 0;
    uint32_t longColumns = 0;

    // One pass over the row, eight characters at a time: a word whose bytes hold no ";" is
    // passed over whole.
    explicit RowFields(std::string_view row) {
        const char* const data = row.data();
        const std::size_t size = row.size();
        std::size_t start = 0;
        const auto take = [&](std::size_t at) {
            if (count >= ColumnsRead) return;
            columns[count] = std::string_view(data + start, at - start);
            if (at - start > MaxFieldLength) longColumns |= uint32_t{1} << count;
        };
        const auto cut = [&](std::size_t at) {
            take(at);
            ++count;
            start = at + 1;
        };
        std::size_t i = 0;
        if constexpr (std::endian::native == std::endian::little) {
            constexpr uint64_t Low7 = 0x7f7f7f7f7f7f7f7full;
            constexpr uint64_t Semicolons = 0x3b3b3b3b3b3b3b3bull;
            for (; i + 8 <= size; i += 8) {
                uint64_t word;
                std::memcpy(&word, data + i, 8);
                const uint64_t x = word ^ Semicolons;  // a ";" byte becomes 0
                // The high bit of each byte that is 0, with no carry between bytes.
                uint64_t hits = ~(((x & Low7) + Low7) | x | Low7);
                for (; hits != 0; hits &= hits - 1)
                    cut(i + static_cast<std::size_t>(std::countr_zero(hits)) / 8);
            }
        }
        for (; i < size; ++i)
            if (data[i] == ';') cut(i);
        take(size);
        ++count;
    }
    // Column c (1-based, up to 31); empty when the row has fewer.
    std::string_view operator()(std::size_t c) const { return columns[c - 1]; }
};

class TemplateReader {
  public:
    // The name lists of the settings are indexed once for all rows.
    TemplateReader(World& world, Dialogs& dialogs, std::string file)
        : world_(world),
          dialogs_(dialogs),
          file_(std::move(file)),
          religions_(std::span<const std::string>(world.Settings.ReligNames).first(10), false,
                     nullptr),
          cultures_(world.Settings.CultureNames, true, "none"),
          goods_(world.Settings.GoodsNames, false, "nothing"),
          areas_(world.Settings.AreaNames, true, "-"),
          regions_(world.Settings.RegionNames, true, "-"),
          continents_(world.Settings.ContinentNames, true, "-") {}

    // Reads one row into province p; `line` is the row's line number in the file.
    void ReadRow(int p, std::string_view row, int line) {
        const RowFields col(row);
        if (row.size() > MaxRowLength)
            Problem(line, "province " + std::to_string(p) + ": the row has " +
                              std::to_string(row.size()) + " characters, more than 500");
        if (col.count < ColumnsRead + 1)
            Problem(line, "province " + std::to_string(p) + ": the row has " +
                              std::to_string(col.count - 1) +
                              " \";\" separators, 31 are needed; missing columns read as empty");
        for (uint32_t left = col.longColumns; left != 0; left &= left - 1)
            Problem(line, "province " + std::to_string(p) + ": column " +
                              std::to_string(std::countr_zero(left) + 1) +
                              " is longer than 100 characters");
        const auto integer = [&](std::size_t c) { return ParseInteger(TrimView(col(c))); };

        TProvince& prov = world_.Provinces[p];
        prov.Name = col(2);
        prov.IsCoastal = col(3) == "coastal";
        prov.Religion = Low8(religions_.Find(col(4)));
        prov.Culture = Low16(cultures_.Find(col(5)));
        prov.Climate = Low8(integer(8));
        prov.HasIce = TrimView(col(9)) == "1";
        prov.HasStorm = TrimView(col(10)) == "1";
        prov.GalleysAllowed = TrimView(col(11)) == "1";
        prov.Manpower = Low8(integer(12));
        prov.Income = Low8(integer(13));
        prov.Terrain = static_cast<TerrainCode>(Low8(integer(14)));
        prov.MineValue = Low8(integer(16));
        prov.Goods = Low8(goods_.Find(col(17)));
        prov.GoodsFlag = col(18) == "1";
        prov.Value19 = Low8(integer(19));
        prov.ColonDifficulty = Low8(integer(20));
        prov.NativePopulation = Low16(integer(21));
        prov.NativeCombat = static_cast<uint8_t>(ParseTenths(TrimView(col(22))));
        prov.NativeCombatFactor = static_cast<uint8_t>(ParseTenths(TrimView(col(23))));
        prov.TradeNegotiation = Low8(integer(24));
        prov.NativeTolerance = Low8(integer(25));
        prov.MapX = Low16(integer(26));
        prov.MapY = Low16(integer(27));
        prov.SeaZone = Low16(integer(28));
        prov.Area = Low16(areas_.Find(col(29)));
        prov.Region = Low16(regions_.Find(col(30)));
        prov.Continent = Low8(continents_.Find(col(31)));
        CheckCodes(p, line);
    }

    void Problem(int line, const std::string& text) { dialogs_.Problem(file_, line, text); }

  private:
    // Codes that would index outside a table are reported; a sea zone outside the map is
    // treated as none. Climate and terrain codes outside their lists stay as loaded: the
    // generation steps leave such provinces alone.
    void CheckCodes(int p, int line) {
        TProvince& prov = world_.Provinces[p];
        const auto who = [p] { return "province " + std::to_string(p) + ": "; };
        if (prov.Terrain < TerrainCode::Plains)
            Problem(line, who() + "terrain " + std::to_string(Index(prov.Terrain)) +
                              " is not a terrain code");
        if (prov.IsLand() && (prov.Climate < 0 || prov.Climate >= ClimateCodes))
            Problem(line, who() + "climate " + std::to_string(prov.Climate) +
                              " is not a climate code 0..8");
        if (prov.SeaZone < 0 || prov.SeaZone > world_.ProvinceCount()) {
            Problem(line, who() + "sea zone " + std::to_string(prov.SeaZone) +
                              " is outside provinces 1.." + std::to_string(world_.ProvinceCount()) +
                              "; no sea zone is used");
            prov.SeaZone = 0;
        }
    }

    World& world_;
    Dialogs& dialogs_;
    std::string file_;
    NameIndex religions_, cultures_, goods_, areas_, regions_, continents_;
};

}  // namespace

OperationReport LoadProvinceTemplate(World& world, Dialogs& dialogs, bool europeanOnly,
                                     bool asianOnly) {
    OperationReport report;
    ReportingDialogs reporting(dialogs, report);
    const std::string file = world.GamePath(GameFiles::ProvinceTemplate);
    const bool restricted = europeanOnly || asianOnly;
    if (!restricted) world.ProvinceTemplateRead = false;
    std::string text;
    if (!ReadTextFile(reporting, file, text)) {
        report.refused = true;
        return report;
    }
    const bool whole =
        ReadProvinceTemplate(world, reporting, text, AbsolutePath(file), europeanOnly, asianOnly);
    if (!restricted) world.ProvinceTemplateRead = whole;
    return report;
}

bool ReadProvinceTemplate(World& world, Dialogs& dialogs, const std::string& text,
                          const std::string& file, bool europeanOnly, bool asianOnly) {
    const bool restricted = europeanOnly || asianOnly;
    TemplateReader reader(world, dialogs, file);
    LineCursor cursor(text);
    ReadNextLine(cursor);  // header

    world.LandProvinceCount = 0;
    bool reportedShort = false;
    int rows = 0;
    for (int p = 0; p <= world.ProvinceCount(); ++p) {
        const bool exhausted = cursor.done;
        const std::string_view row = ReadNextLineView(cursor);
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
            world.Provinces[p].Terrain = MissingRowTerrain;
            continue;
        }
        reader.ReadRow(p, row, cursor.lineNumber);
        ++rows;
        if (world.Provinces[p].IsLand()) ++world.LandProvinceCount;
    }
    if (!europeanOnly)
        for (int p = 1; p <= world.ProvinceCount(); ++p) world.Provinces[p].Owner = 0;
    // Fewer rows than provinces in a file that ends with a whole line are provinces left
    // empty; no rows at all, or a last line cut short, are a file that was not written whole.
    const bool cut = !text.empty() && !text.ends_with("\r\n");
    return !reportedShort || (rows > 0 && !cut);
}

}  // namespace tq3
