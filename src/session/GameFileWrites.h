#pragma once

#include <string>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "base/Random.h"
#include "engine/World.h"
#include "session/FolderTransaction.h"

namespace tq3 {

// The one place where a run's files are formatted for the game folder. A run adds each file
// to its transaction at the point of the run where the file is due and lands them all at once.
// A failure goes into `report` when one is given, with the message the user was shown. Each
// gives true when its file was added.

// DB/Goods.csv and DB/tax_stab.csv, from the goods prices drawn.
void AddGoodsTable(const World& world, FolderTransaction& files);
void AddTaxStabilityTable(const World& world, FolderTransaction& files);
// Scenarios/<ScenarioFileName>.tqg, from the centres of trade and the leaders drawn. A
// ScenarioFileName that would leave Scenarios/ is refused with a message; nothing is added
// then.
bool AddScenarioFile(const World& world, Dialogs& dialogs, FolderTransaction& files,
                     OperationReport* report);
// DB/Revolt.txt.
void AddRevoltTable(const World& world, FolderTransaction& files);
// DB/province.csv with the lines of Config/TQ3GenerFixedProvince.csv; without that table
// nothing is added, with the failure reported.
bool AddProvinceTable(const World& world, Dialogs& dialogs, FolderTransaction& files,
                      OperationReport* report);
// DB/country.csv from the policies drawn, with the lines of Config/TQ3GenerFixedCountry.csv;
// without that table the nations' lines are added alone: gives false then, and the caller
// reports the missing table once the file is written.
bool AddCountryTable(const World& world, Dialogs& dialogs, FolderTransaction& files);

}  // namespace tq3
