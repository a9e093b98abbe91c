#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/GamePath.h"
#include "base/Numbers.h"
#include "engine/GeneratorSettings.h"

namespace tq3 {

constexpr int MaxProvinceSlots = 1621;  // province numbers 0..1620
constexpr int MaxProvinceNumber = 1620;
constexpr int MaxNations = 208;          // nation numbers 1..208
constexpr int NeighbourSlots = 9;        // slots 1..9; slot 9 is always 0
constexpr int NationProvinceSlots = 11;  // slots 1..11; expansion stops at 10
constexpr int MaxNationProvinces = 10;
constexpr int CultureSlots = 4;

// Terrain codes: 0..4 land, 5 sea; higher codes are neither and stay untouched.
enum class TerrainCode : int8_t {
    Plains = 0,
    Forest = 1,
    Mountain = 2,
    Desert = 3,
    Marsh = 4,
    Sea = 5
};
// The code as an index of the lists by terrain.
constexpr int Index(TerrainCode t) {
    return static_cast<int>(t);
}
// Code 8 marks a template row that is missing: neither land nor sea.
constexpr TerrainCode MissingRowTerrain = static_cast<TerrainCode>(8);
constexpr int TerrainCodes = 5;    // land terrains 0..4
constexpr int ClimateCodes = 9;    // 0..8
constexpr int GoodsCodes = 20;     // 1..20, 0 = nothing
constexpr int ReligionCodes = 11;  // 1..11, 0 = none; 11 only for nations

// Religion codes. Provinces carry 0..10; counterreformed (11) is a nation's religion only.
namespace Religion {
inline constexpr int None = 0;
inline constexpr int Pagan = 1;
inline constexpr int Catholic = 2;
inline constexpr int Protestant = 3;
inline constexpr int Reformed = 4;
inline constexpr int Orthodox = 5;
inline constexpr int Sunni = 6;
inline constexpr int Shiite = 7;
inline constexpr int Budhist = 8;
inline constexpr int Hinduist = 9;
inline constexpr int Confucian = 10;
inline constexpr int Counterreformed = 11;
}  // namespace Religion

// Bits of TNation::Specifics, named by the words of the nations file.
enum Specific : uint32_t {
    SpecPort = 1u << 0,
    SpecCoT = 1u << 1,
    SpecBailiff = 1u << 2,
    SpecCityrights = 1u << 3,
    SpecCourthouse = 1u << 4,
    SpecShipyard = 1u << 5,
    SpecFortress = 1u << 6,
    SpecColonist = 1u << 7,
    SpecMerchant = 1u << 8,
    SpecPopulation = 1u << 9,
    SpecBarrack = 1u << 10,
    SpecLuxury = 1u << 11,
    SpecRefinery = 1u << 12,
    SpecGoods = 1u << 13,
    SpecWeapons = 1u << 14,
    SpecNavalEquipment = 1u << 15,
    SpecBank = 1u << 16,
    SpecStartSiberia = 1u << 17,
    SpecStartAmerica = 1u << 18,
    SpecFixedStartLoc = 1u << 19,
    SpecSplitArmy = 1u << 20,
    SpecUnknown = 1u << 21,
};

struct SpecificName {
    const char* word;
    uint32_t bit;
};
// The 22 keywords of the nations file with their bits, in bit order.
extern const std::array<SpecificName, 22> SpecificNames;

struct TProvince {
    std::string Name;
    bool IsCoastal = false;
    int8_t Religion = 0;
    int16_t Culture = 0;
    int8_t Climate = 0;
    bool HasIce = false;
    bool HasStorm = false;
    bool GalleysAllowed = false;
    int8_t Manpower = 0;
    int8_t Income = 0;
    TerrainCode Terrain = TerrainCode::Plains;
    int8_t MineValue = 0;
    int8_t Goods = 0;
    bool GoodsFlag = false;
    int8_t Value19 = 0;
    int8_t ColonDifficulty = 0;
    int16_t NativePopulation = 0;
    uint8_t NativeCombat = 0;        // tenths, read and written as a byte
    uint8_t NativeCombatFactor = 0;  // tenths
    int8_t TradeNegotiation = 0;
    int8_t NativeTolerance = 0;
    int16_t MapX = 0;
    int16_t MapY = 0;
    int16_t SeaZone = 0;
    int16_t Area = 0;
    int16_t Region = 0;
    int8_t Continent = 0;
    int16_t Owner = 0;  // nation holding the province during generation

    bool IsLand() const { return Terrain >= TerrainCode::Plains && Terrain < TerrainCode::Sea; }
    bool IsSea() const { return Terrain == TerrainCode::Sea; }
};

// Lists inside a nation are 1-based as the game counts them: element 0 is unused, and the
// list ends at the first 0.
struct TNation {
    std::string Tag;
    int8_t MainColor = 0;
    int8_t FantasiaColor = 0;
    int8_t TechGroup = 0;
    std::string LeaderLanguage, ArmySprite, ShipSprite, CityNationality;
    int8_t Aristocracy = 0, Centralisation = 0, Innovative = 0, Mercantilism = 0, Offensive = 0,
           Land = 0, Quality = 0, Serfdom = 0, Electors = 0;
    std::string Name;
    int8_t Religion = 0;
    int8_t Size = 0;
    int16_t Treasury = 0;
    int8_t TechLand = 0, TechNaval = 0, TechTrade = 0, TechInfra = 0, Stability = 0;
    int16_t Infantry = 0, Cavalry = 0, Artillery = 0, Warships = 0, Galleys = 0, Transports = 0;
    std::string AiFile;
    std::array<int16_t, CultureSlots + 1> Cultures{};
    uint32_t Specifics = 0;
    std::array<int16_t, NationProvinceSlots + 1> OwnedProvinces{};
    std::array<int16_t, NationProvinceSlots + 1> KnownExtra{};
    int16_t SizeShortfall = 0;
    bool HasSeaAccess = false;
    // Drawn for the scenario file: the death years of the nation's conquistador and explorer
    // (0 when the nation has none).
    int16_t ConquistadorDeathYear = 0;
    int16_t ExplorerDeathYear = 0;
    // Drawn for the country table with RandomizeDP: the eight domestic policies in file order.
    std::array<int8_t, 8> DrawnPolicies{};

    int16_t Capital() const { return OwnedProvinces[1]; }
    bool Has(uint32_t specific) const { return (Specifics & specific) != 0; }
};

// The nations that receive a centre of trade in the scenario, pass by pass. A nation gets
// at most one.
struct TradeCentres {
    std::vector<int> toMajors;   // pass 1: majors (ForceCoTtoMajor, or ForceCoTtoTrade and CoT)
    std::vector<int> toTraders;  // pass 2: other scenario nations (ForceCoTtoTrade and CoT)
    std::vector<int> drawn;      // pass 3: random nations up to CoTCount
    bool drawPassRan = false;    // pass 3 runs only when NationCount > CoTCount + 5

    // Every nation with a centre, in the order they were placed.
    std::vector<int> All() const;
};

using NeighbourRow = std::array<int16_t, NeighbourSlots + 1>;       // slots 1..9, [0] unused
using NeighbourTable = std::array<NeighbourRow, MaxProvinceSlots>;  // row 0 unused

// The whole in-memory world: tables of fixed size that live as long as the program.
struct World {
    std::array<TProvince, MaxProvinceSlots> Provinces{};
    std::array<TNation, MaxNations + 1> Nations{};  // [0] unused
    NeighbourTable Neighbours{};
    std::bitset<256> MajorNations;
    int16_t NationsLoaded = 0;
    int16_t LandProvinceCount = 0;
    std::string ExploredWorldList;
    // Centres of trade placed for the last scenario drawn.
    TradeCentres CentresOfTrade;
    // Base values of the goods table as drawn for the run, by goods code (1..20).
    std::array<int16_t, GoodsCodes + 1> GoodsPrices{};
    std::string ProgramFolder;
    // The game paths of ProgramFolder as this run resolved them (see GamePaths).
    mutable GamePaths Paths;
    // Whether the last full load could read the province template and the map adjacency: a
    // run needs both.
    bool ProvinceTemplateRead = false;
    bool MapAdjacencyRead = false;
    TGeneratorSettings Settings;
    std::string SettingsText;
    // Settings given on the command line: every load reads them as if the settings file held
    // them (key, value).
    std::vector<std::pair<std::string, std::string>> SettingOverrides;

    // A game path ("\\DB\\Province.csv") under ProgramFolder, resolved once per run.
    const std::string& GamePath(const std::string& relative) const {
        return Paths.Resolve(ProgramFolder, relative);
    }

    // Settings.ProvinceCount limited to the table: the highest province number any loop visits.
    int ProvinceCount() const {
        return std::clamp<int>(Settings.ProvinceCount, -1, MaxProvinceNumber);
    }
    // NationsLoaded limited to the table.
    int NationCountLoaded() const { return std::clamp<int>(NationsLoaded, 0, MaxNations); }

    bool IsMajor(int nation) const { return nation >= 0 && nation < 256 && MajorNations[nation]; }
    bool IsLand(int p) const { return p >= 0 && p <= MaxProvinceNumber && Provinces[p].IsLand(); }
    bool IsValidProvince(int p) const { return p >= 1 && p <= ProvinceCount(); }
    bool IsValidNation(int n) const { return n >= 1 && n <= NationCountLoaded(); }

    // Name of code k in a name list (element k - 1); empty for codes outside the list.
    template <std::size_t N>
    static const std::string& NameOf(const std::array<std::string, N>& list, int code) {
        static const std::string kNone;
        return code >= 1 && code <= static_cast<int>(N) ? list[code - 1] : kNone;
    }
    const std::string& ContinentName(int p) const;
    const std::string& AreaName(int p) const;
};

bool IsEuropean(const World& world, int p);
bool IsAsian(const World& world, int p);
int16_t FindProvinceAt(const World& world, int x, int y);

}  // namespace tq3
