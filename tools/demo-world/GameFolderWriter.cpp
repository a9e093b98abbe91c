#include "GameFolderWriter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "SettingsFileWriter.h"
#include "Vocabulary.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr int kFillerLines = 27;

std::string Tenths(int v) {
    return std::to_string(v / 10) + "." + std::to_string(v % 10);
}

std::string ReligionText(int code) {
    return code >= 1 && code <= 11 ? kReligNames[code - 1] : "0";
}
std::string GoodsText(int code) {
    return code >= 1 && code <= 20 ? kGoodsNames[code - 1] : "nothing";
}
std::string ColourName(int code) {
    return kColours[code - 1].name;
}

std::string Join(const std::vector<std::string>& items, char separator) {
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i ? std::string(1, separator) : "") + items[i];
    return out;
}

// The template row: 31 columns, each followed by ";".
std::string TemplateRow(const DemoProvince& p, int number) {
    std::ostringstream o;
    o << number << ';' << p.name << ';' << (p.coastal ? "coastal" : "inland") << ';'
      << ReligionText(p.religion) << ';' << (p.culture.empty() ? "none" : p.culture) << ";0;0;"
      << p.climate << ';' << p.ice << ';' << p.storm << ';' << p.galleys << ';' << p.manpower << ';'
      << p.income << ';' << p.terrain << ';' << (p.mineValue > 0) << ';' << p.mineValue << ';'
      << GoodsText(p.goods) << ';' << p.goodsFlag << ';' << p.value19 << ';' << p.colonDifficulty
      << ';' << p.nativePopulation << ';' << Tenths(p.nativeCombat) << ';'
      << Tenths(p.nativeCombatFactor) << ';' << p.tradeNegotiation << ';' << p.nativeTolerance
      << ';' << p.x << ';' << p.y << ';' << p.seaZone << ';' << p.area << ';' << p.region << ';'
      << p.continent << ';';
    return o.str();
}

// The part of a province line that the generator never changes: names, positions of the
// city, the army and the port.
std::string FixedProvinceLine(const DemoWorld& world, const DemoProvince& p) {
    int portX = 0, portY = 0;
    if (p.seaZone != 0) {
        const DemoProvince& s = world.provinces[p.seaZone];
        portX = (2 * p.x + s.x) / 3, portY = (2 * p.y + s.y) / 3;
    }
    std::ostringstream o;
    o << p.area << ';' << p.region << ';' << p.continent << ';' << p.x << ';' << p.y << ';'
      << p.x + 12 << ';' << p.y - 8 << ';' << p.x - 10 << ';' << p.y + 14 << ';' << portX << ';'
      << portY << ';' << p.seaZone << ";X";
    return o.str();
}

std::string ProvinceHeader() {
    return "Id;Name;Coastal;Religion;Culture;Rebels;Owner;Climate;Ice;Storm;Galleys;Manpower;"
           "Income;Terrain;Mine;MineValue;Goods;GoodsFlag;Value19;ColonDifficulty;"
           "NativePopulation;NativeCombat;NativeCombatFactor;TradeNegotiation;NativeTolerance;"
           "Area;Region;Continent;PosX;PosY;CityX;CityY;ArmyX;ArmyY;PortX;PortY;PortSeaZone;END";
}

std::string TemplateText(const DemoWorld& world) {
    std::string out =
        "Id;Name;Coastal;Religion;Culture;Rebels;Owner;Climate;Ice;Storm;Galleys;Manpower;"
        "Income;Terrain;Mine;MineValue;Goods;GoodsFlag;Value19;ColonDifficulty;NativePopulation;"
        "NativeCombat;NativeCombatFactor;TradeNegotiation;NativeTolerance;PosX;PosY;SeaZone;"
        "Area;Region;Continent;";
    out += kCrLf;
    for (int p = 0; p <= kProvinceCount; ++p) out += TemplateRow(world.provinces[p], p) + kCrLf;
    return out;
}

std::string FixedProvinceText(const DemoWorld& world) {
    std::string out = ProvinceHeader() + kCrLf;
    for (int p = 0; p <= kProvinceCount; ++p)
        out += FixedProvinceLine(world, world.provinces[p]) + kCrLf;
    for (int i = 0; i < kFillerLines; ++i) out += std::string("-;-;-;0;0;0;0;0;0;0;0;0;X") + kCrLf;
    return out;
}

// DB/Province.csv as the game ships it: the template values in the game's columns.
std::string ProvinceDatabaseText(const DemoWorld& world) {
    std::string out = ProvinceHeader() + kCrLf;
    for (int p = 0; p <= kProvinceCount; ++p)
        out += ProvinceDatabaseFields(world.provinces[p], p) +
               FixedProvinceLine(world, world.provinces[p]) + kCrLf;
    for (int i = 0; i < kFillerLines; ++i)
        out +=
            std::string("-1;Filler;inland;0;none;0;0;0;0;0;0;0;0;8;0;0;nothing;0;-3;0;0;0;0;0;0;") +
            "-;-;-;0;0;0;0;0;0;0;0;0;X" + kCrLf;
    return out;
}

// The columns that the nations file and the country table share: tag, colours, technology
// group, the four graphic and language codes and the nine policy values, each ended by ";".
void WriteCountryColumns(std::ostringstream& o, const DemoNation& n) {
    o << n.tag << ';' << ColourName(n.mainColor) << ';' << ColourName(n.fantasiaColor) << ';'
      << kTechGroupNames[n.techGroup - 1] << ';' << n.leaderLanguage << ';' << n.armySprite << ';'
      << n.shipSprite << ';' << n.cityNationality << ';';
    for (int v : n.policies) o << v << ';';
}

std::string NationsText(const DemoWorld& world) {
    std::string out =
        "Tag;MainColor;FantasiaColor;TechGroup;LeaderLanguage;ArmySprite;ShipSprite;"
        "CityNationality;Aristocracy;Centralisation;Innovative;Mercantilism;Offensive;Land;"
        "Quality;Serfdom;Electors;Name;Religion;Capital;Size;Treasury;TechLand;TechNaval;"
        "TechTrade;TechInfra;Stability;Infantry;Cavalry;Artillery;Warships;Galleys;Transports;"
        "AiFile;Cultures;Specifics";
    out += kCrLf;
    for (const DemoNation& n : world.nations) {
        std::ostringstream o;
        WriteCountryColumns(o, n);
        o << n.name << ';' << kReligNames[n.religion - 1] << ';' << n.capital << ';' << n.size
          << ';' << n.treasury << ';' << n.techLand << ';' << n.techNaval << ';' << n.techTrade
          << ';' << n.techInfra << ';' << n.stability << ';' << n.infantry << ';' << n.cavalry
          << ';' << n.artillery << ';' << n.warships << ';' << n.galleys << ';' << n.transports
          << ';' << n.aiFile << ';' << Join(n.cultures, ',') << ';' << Join(n.specifics, ',');
        out += o.str() + kCrLf;
    }
    out += std::string("END") + kCrLf;
    return out;
}

// The countries the generator does not manage: rebels, pirates and natives.
std::string FixedCountryText() {
    std::string out;
    for (const char* line : {"REB;grey;grey;tribal;REB;TRI;TRI;TRI;5;5;5;5;5;5;5;5;0;X",
                             "PIR;black;black;tribal;PIR;TRI;TRI;TRI;5;5;5;5;5;5;5;5;0;X",
                             "NAT;brown;brown;tribal;NAT;TRI;TRI;TRI;5;5;5;5;5;5;5;5;0;X"})
        out += std::string(line) + kCrLf;
    return out;
}

std::string CountryDatabaseText(const DemoWorld& world) {
    std::string out =
        "country;main color;fantasia color;techgroup;leader language;ArmyNationalitySprite;"
        "ShipNationalitySprite;City Nationality;Aristocracy;Centralisation;Innovative;"
        "Mercantilism;Offensive;Land;Quality;Serfdom;Electors;END";
    out += kCrLf;
    for (const DemoNation& n : world.nations) {
        std::ostringstream o;
        WriteCountryColumns(o, n);
        o << 'X';
        out += o.str() + kCrLf;
    }
    return out + FixedCountryText();
}

std::string RevoltText(const DemoWorld& world) {
    std::ostringstream o;
    for (const DemoNation& n : world.nations) {
        o << n.tag << " = {" << kCrLf;
        o << "\tdate = { day = 1 month = january year = " << kStartYear << " }" << kCrLf;
        o << "\texpirydate = { day = 29 month = december year = " << kEndYear << " }" << kCrLf;
        o << "\tminimum = {" << n.capital << " }" << kCrLf;
        o << "\textra = { }" << kCrLf;
        o << "\tcapital = " << n.capital << kCrLf;
        o << "\tgroup = " << kTechGroupNames[n.techGroup - 1] << kCrLf;
        o << "\t}" << kCrLf;
    }
    return o.str();
}

std::string GoodsDatabaseText() {
    const GoodsTables& g = Goods();
    std::string out = std::string("Goods;Base Resource Value;Mine;TradePost;NumOfSlaves") + kCrLf;
    for (int i = 0; i < 20; ++i) {
        std::string name = kGoodsNames[i];
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const int value = i == 4 ? g.values[i] : std::clamp(g.values[i], 3, 25);
        out += name + ';' + std::to_string(value) + ';' + std::to_string(g.mine[i]) + ';' +
               std::to_string(g.tradePost[i]) + ';' + std::to_string(g.slaves[i]) + kCrLf;
    }
    return out + "NOTHING;0;0;0;0" + kCrLf;
}

std::string TaxStabilityText() {
    std::string out = std::string("Stability;Modifier(%)") + kCrLf;
    for (int s = 3; s >= -3; --s)
        out +=
            std::to_string(s) + ';' + std::to_string(kTaxStab[kTaxStabilImpact - 1][s + 3]) + kCrLf;
    return out;
}

// Historical relations: friendly between nations of one faith, cool otherwise.
std::string DiplomaticMatrixText(const DemoWorld& world) {
    std::string out = "Country";
    for (const DemoNation& n : world.nations) out += ";" + n.tag;
    out += kCrLf;
    for (const DemoNation& a : world.nations) {
        out += a.tag;
        for (const DemoNation& b : world.nations) {
            const int relation = &a == &b ? 0 : a.religion == b.religion ? 25 : -10;
            out += ";" + std::to_string(relation);
        }
        out += kCrLf;
    }
    return out;
}

void PutRecord(std::string& out, int value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
    out += '\0';
    out += '\0';
}

// The index and the two data tables: province p's list starts at record start(p) of either
// data file; the placement table writes 0 where it leaves a link out.
void AdjacencyTables(const DemoWorld& world, std::string& index, std::string& map,
                     std::string& placement) {
    int start = 0;
    for (int p = 0; p <= kProvinceCount; ++p) {
        PutRecord(index, start);
        const auto& list = world.adjacency.lists[p];
        for (std::size_t k = 0; k < list.size(); ++k) {
            PutRecord(map, list[k]);
            PutRecord(placement, world.adjacency.inPlacement[p][k] ? list[k] : 0);
        }
        start += static_cast<int>(list.size());
    }
    PutRecord(index, start);
}

bool Write(const fs::path& path, const std::string& bytes, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        error = "cannot write " + path.string();
        return false;
    }
    return true;
}

}  // namespace

std::string ProvinceDatabaseFields(const DemoProvince& p, int number) {
    const bool sea = p.terrain == 5;
    std::ostringstream o;
    o << number << ';' << p.name << ';' << (p.coastal ? "coastal" : "inland") << ';'
      << ReligionText(p.religion) << ';' << (p.culture.empty() ? "none" : p.culture) << ";0;0;"
      << p.climate << ';' << (p.ice && sea) << ';' << (p.storm && sea) << ';' << p.galleys << ';'
      << p.manpower << ';' << p.income << ';' << p.terrain << ';' << (p.mineValue > 0) << ';'
      << p.mineValue << ';' << GoodsText(p.goods) << ';' << (p.goodsFlag && p.goods != 5) << ';'
      << p.value19 << ';' << p.colonDifficulty << ';' << p.nativePopulation << ';'
      << Tenths(p.nativeCombat) << ';' << Tenths(p.nativeCombatFactor) << ';' << p.tradeNegotiation
      << ';' << p.nativeTolerance << ';';
    return o.str();
}

bool WriteGameFolder(const DemoWorld& world, const std::string& folder, std::string& error) {
    const fs::path root(folder);
    std::error_code ec;
    for (const char* sub : {"Config", "DB", "Scenarios"}) {
        fs::create_directories(root / sub, ec);
        if (ec) {
            error = "cannot create " + (root / sub).string() + ": " + ec.message();
            return false;
        }
    }
    std::string index, map, placement;
    AdjacencyTables(world, index, map, placement);
    const fs::path config = root / "Config", db = root / "DB";
    return Write(config / "TQ3Gener.csv", SettingsFileText(world), error) &&
           Write(config / "TQ3GenerProvince.csv", TemplateText(world), error) &&
           Write(config / "TQ3GenerCountry.csv", NationsText(world), error) &&
           Write(config / "TQ3GenerAdjIndex.tbl", index, error) &&
           Write(config / "TQ3GenerAdjDataOrig.tbl", map, error) &&
           Write(config / "TQ3GenerAdjData.tbl", placement, error) &&
           Write(config / "TQ3GenerFixedProvince.csv", FixedProvinceText(world), error) &&
           Write(config / "TQ3GenerFixedCountry.csv", FixedCountryText(), error) &&
           Write(db / "Province.csv", ProvinceDatabaseText(world), error) &&
           Write(db / "DiplomaticMatrix.csv", DiplomaticMatrixText(world), error) &&
           Write(db / "Country.csv", CountryDatabaseText(world), error) &&
           Write(db / "Revolt.txt", RevoltText(world), error) &&
           Write(db / "Goods.csv", GoodsDatabaseText(), error) &&
           Write(db / "tax_stab.csv", TaxStabilityText(), error);
}
