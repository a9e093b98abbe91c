#pragma once

#include <array>
#include <string>

namespace tq3 {

// The files of a game folder, as relative paths under the program folder. The game spells
// them with backslashes; GamePath resolves each component without regard to case.
namespace GameFiles {
inline constexpr const char* SettingsTable = "\\Config\\TQ3Gener.csv";
inline constexpr const char* ProvinceTemplate = "\\Config\\TQ3GenerProvince.csv";
inline constexpr const char* NationsTable = "\\Config\\TQ3GenerCountry.csv";
inline constexpr const char* AdjacencyIndex = "\\Config\\TQ3GenerAdjIndex.tbl";
inline constexpr const char* MapAdjacency = "\\Config\\TQ3GenerAdjDataOrig.tbl";
inline constexpr const char* PlacementAdjacency = "\\Config\\TQ3GenerAdjData.tbl";
inline constexpr const char* FixedProvinceTable = "\\Config\\TQ3GenerFixedProvince.csv";
inline constexpr const char* FixedCountryTable = "\\Config\\TQ3GenerFixedCountry.csv";

inline constexpr const char* DatabaseFolder = "\\DB\\";
inline constexpr const char* BackupFolder = "\\Backup\\";
inline constexpr const char* ScenarioFolder = "\\Scenarios\\";
inline constexpr const char* ScenarioExtension = ".tqg";
// The scenario file that a scenario backup falls back to.
inline constexpr const char* DefaultScenario = "Random.tqg";
// The game folder's own folders, as the game spells them: nothing of ours goes into them but
// the game's files and the kept originals.
inline constexpr std::array<const char*, 4> OwnFolders = {"Backup", "DB", "Config", "Scenarios"};

// The database files the generator writes, as the writers spell them.
inline constexpr const char* ProvinceTable = "\\DB\\province.csv";
inline constexpr const char* CountryTable = "\\DB\\country.csv";
inline constexpr const char* RevoltTable = "\\DB\\Revolt.txt";
inline constexpr const char* GoodsTable = "\\DB\\Goods.csv";
inline constexpr const char* TaxStabilityTable = "\\DB\\tax_stab.csv";

// The six database files that are made writable, backed up and restored (the diplomatic
// matrix is never written), in the order the start-up question names them.
inline constexpr std::array<const char*, 6> DatabaseFiles = {"Province.csv", "DiplomaticMatrix.csv",
                                                             "Country.csv",  "Revolt.txt",
                                                             "Goods.csv",    "tax_stab.csv"};
}  // namespace GameFiles

}  // namespace tq3
