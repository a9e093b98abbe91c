#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
enum Terrain : int8_t { Plains = 0, Forest = 1, Mountain = 2, Desert = 3, Marsh = 4, Sea = 5 };
constexpr int TerrainCodes = 5;    // land terrains 0..4
constexpr int ClimateCodes = 9;    // 0..8
constexpr int GoodsCodes = 20;     // 1..20, 0 = nothing
constexpr int ReligionCodes = 11;  // 1..11, 0 = none; 11 only for nations

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
    int8_t Terrain = 0;
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

    bool IsLand() const { return Terrain >= 0 && Terrain < Sea; }
    bool IsSea() const { return Terrain == Sea; }
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

    int16_t Capital() const { return OwnedProvinces[1]; }
    bool Has(uint32_t specific) const { return (Specifics & specific) != 0; }
};

using NeighbourRow = std::array<int16_t, NeighbourSlots + 1>;  // slots 1..9, [0] unused

// The whole in-memory world: tables of fixed size that live as long as the program.
struct World {
    std::array<TProvince, MaxProvinceSlots> Provinces{};
    std::array<TNation, MaxNations + 1> Nations{};            // [0] unused
    std::array<NeighbourRow, MaxProvinceSlots> Neighbours{};  // row 0 unused
    std::bitset<256> MajorNations;
    int16_t NationsLoaded = 0;
    int16_t LandProvinceCount = 0;
    std::string ExploredWorldList;
    // Nations given a centre of trade by the last scenario written, in the order placed.
    std::vector<int> CentresOfTrade;
    std::string ProgramFolder;
    TGeneratorSettings Settings;
    std::string SettingsText;
    // Settings given on the command line: every load reads them as if the settings file held
    // them (key, value).
    std::vector<std::pair<std::string, std::string>> SettingOverrides;

    // Settings.ProvinceCount limited to the table: the highest province number any loop visits.
    int ProvinceCount() const;
    // NationsLoaded limited to the table.
    int NationCountLoaded() const;

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
