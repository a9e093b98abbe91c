#pragma once

#include <string>

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "session/RunReport.h"

namespace tq3 {

// The one place where a run writes the game folder. Each function draws what its file
// needs at random (at the point of the run where that file is written), formats the file
// and writes it whole through a temporary file. The outcome goes into `report` when one is
// given: the file as written, or as failed with the message the user was shown. Each gives
// true when its file was written.

// Before a database file of DB/ is replaced, a keeping copy of the original goes into
// Backup/ (the folder made then if missing; an existing backup is never replaced). Gives
// false, with the user told and the failure recorded, when that copy cannot be made: the
// file must not be replaced then. Other files need no copy.
bool KeepOriginal(const std::string& programFolder, const std::string& path, Dialogs& dialogs,
                  OperationReport* report = nullptr);

// Writes `text` as the whole file `path` and records the outcome.
bool WriteGameFile(Dialogs& dialogs, const std::string& path, const std::string& text,
                   RunReport* report);

// DB/Goods.csv, after drawing the goods prices (RandomizeGoodsValues).
bool WriteGoodsTable(World& world, RandomSource& random, Dialogs& dialogs,
                     RunReport* report = nullptr);
// DB/tax_stab.csv.
bool WriteTaxStabilityTable(const World& world, Dialogs& dialogs, RunReport* report = nullptr);
// Scenarios/<ScenarioFileName>.tqg, after drawing the centres of trade and the leaders. A
// ScenarioFileName that would leave Scenarios/ is refused with a message; nothing is drawn
// or written then.
bool WriteScenarioFile(World& world, RandomSource& random, Dialogs& dialogs,
                       RunReport* report = nullptr);
// DB/Revolt.txt.
bool WriteRevoltTable(const World& world, Dialogs& dialogs, RunReport* report = nullptr);
// DB/province.csv with the lines of Config/TQ3GenerFixedProvince.csv; without that table
// nothing is written and the old province table stays.
bool WriteProvinceTable(const World& world, Dialogs& dialogs, RunReport* report = nullptr);
// DB/country.csv, after drawing the policies (RandomizeDP), with the lines of
// Config/TQ3GenerFixedCountry.csv; without that table the nations' lines are written alone
// and the missing table is reported afterwards.
bool WriteCountryTable(World& world, RandomSource& random, Dialogs& dialogs,
                       RunReport* report = nullptr);

}  // namespace tq3
