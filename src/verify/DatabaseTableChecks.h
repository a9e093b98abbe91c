#pragma once

#include <string>
#include <string_view>

#include "verify/Finding.h"
#include "verify/VerifyFacts.h"
#include "verify/VerifySettings.h"

namespace tq3 {

// The database tables beside the province table. Each checks its header, the field count of
// every row and the values the game reads from it, and records what other files refer to.

// DB/Country.csv: the header, then rows of 18 fields ending in X, each with a unique tag of
// three letters; the generated rows (the nations of Revolt.txt when `facts` holds them) have
// policy values within the settings' bound. Its last line may lack CR LF: the fixed country
// table is appended as it stands. Records the tags.
void CheckCountryTable(std::string_view bytes, const std::string& file,
                       const VerifySettings& settings, VerifyFacts& facts, FindingList& findings);
// DB/Goods.csv: the header, the 20 goods by unique upper-case name with base values of 3 to 25
// (the fifth keeps its own), then the NOTHING row. Records the names.
void CheckGoodsTable(std::string_view bytes, const std::string& file, VerifyFacts& facts,
                     FindingList& findings);
// DB/tax_stab.csv: the header, then stability 3 down to -3, each with a whole modifier.
void CheckTaxStabilityTable(std::string_view bytes, const std::string& file, FindingList& findings);
// DB/DiplomaticMatrix.csv: a header of tags, then one row per tag in the same order, each
// with a whole number for every tag.
void CheckDiplomaticMatrix(std::string_view bytes, const std::string& file, VerifyFacts& facts,
                           FindingList& findings);

}  // namespace tq3
