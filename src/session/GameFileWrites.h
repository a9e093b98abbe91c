#pragma once

#include <string>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "base/Random.h"
#include "engine/World.h"
#include "session/RunFiles.h"

namespace tq3 {

// The one place where a run's files are formatted for the game folder. A run adds each file
// to its RunFiles at the point of the run where the file is due and lands them all at once;
// the Write functions land one file on its own, drawing first what it needs. The outcome goes
// into `report` when one is given: the file as written, or as failed with the message the user
// was shown. Each gives true when its file was added or written.

// Before a database file of DB/ is replaced, a keeping copy of the original goes into
// Backup/ (the folder made then if missing; an existing backup is never replaced); before a
// scenario of Scenarios/ that this program did not write is replaced, into Backup/Scenarios/.
// Gives false, with the user told and the failure recorded, when that copy cannot be made:
// the file must not be replaced then. Other files need no copy.
bool KeepOriginal(const std::string& programFolder, const std::string& path, Dialogs& dialogs,
                  OperationReport* report = nullptr);
// Remembers that `path`, when it is a scenario of Scenarios/, was written by this program.
void NoteScenarioWritten(const std::string& programFolder, const std::string& path);
// Completes Backup/ with each of the six database files it lacks, from DB/ (a file that has
// no keeping copy yet was never replaced by a run, so DB/ holds its original). Makes Backup/
// first when it is missing and `create` is set. The copies made and failed go into `report`.
void CompleteBackup(const std::string& programFolder, bool create, OperationReport& report);

// Writes `text` as the whole file `path` and records the outcome.
bool WriteGameFile(Dialogs& dialogs, const std::string& path, const std::string& text,
                   OperationReport* report);

// DB/Goods.csv and DB/tax_stab.csv, from the goods prices drawn.
void AddGoodsTable(const World& world, RunFiles& files);
void AddTaxStabilityTable(const World& world, RunFiles& files);
// Scenarios/<ScenarioFileName>.tqg, from the centres of trade and the leaders drawn. A
// ScenarioFileName that would leave Scenarios/ is refused with a message; nothing is added
// then.
bool AddScenarioFile(const World& world, Dialogs& dialogs, RunFiles& files,
                     OperationReport* report);
// DB/Revolt.txt.
void AddRevoltTable(const World& world, RunFiles& files);
// DB/province.csv with the lines of Config/TQ3GenerFixedProvince.csv; without that table
// nothing is added, with the failure reported.
bool AddProvinceTable(const World& world, Dialogs& dialogs, RunFiles& files,
                      OperationReport* report);
// DB/country.csv from the policies drawn, with the lines of Config/TQ3GenerFixedCountry.csv;
// without that table the nations' lines are added alone: gives false then, and the caller
// reports the missing table once the file is written.
bool AddCountryTable(const World& world, Dialogs& dialogs, RunFiles& files);

// Each file on its own: DB/Goods.csv after drawing the goods prices (RandomizeGoodsValues),
// DB/tax_stab.csv, the scenario after drawing its values (nothing drawn or written for a
// ScenarioFileName that would leave Scenarios/), DB/Revolt.txt, DB/province.csv, and DB/country.csv
// after drawing the policies (RandomizeDP; a missing fixed table reported after the write).
bool WriteGoodsTable(World& world, RandomSource& random, Dialogs& dialogs,
                     OperationReport* report = nullptr);
bool WriteTaxStabilityTable(const World& world, Dialogs& dialogs,
                            OperationReport* report = nullptr);
bool WriteScenarioFile(World& world, RandomSource& random, Dialogs& dialogs,
                       OperationReport* report = nullptr);
bool WriteRevoltTable(const World& world, Dialogs& dialogs, OperationReport* report = nullptr);
bool WriteProvinceTable(const World& world, Dialogs& dialogs, OperationReport* report = nullptr);
bool WriteCountryTable(World& world, RandomSource& random, Dialogs& dialogs,
                       OperationReport* report = nullptr);

}  // namespace tq3
