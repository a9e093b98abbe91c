#pragma once

#include <string>
#include <string_view>

#include "verify/Finding.h"
#include "verify/VerifyFacts.h"
#include "verify/VerifySettings.h"

namespace tq3 {

// DB/Province.csv: a header, one row per province 0 to the highest in ascending order, then
// the 27 filler rows. Every row starts with the 25 fields the generator writes (checked
// against the codes and ranges of their values; goods against the names of Goods.csv when
// `facts` holds them), all rows have the field count of the row of province 0, and when the
// header ends in END every row ends in X. Records each province's terrain in `facts`.
void CheckProvinceTable(std::string_view bytes, const std::string& file,
                        const VerifySettings& settings, VerifyFacts& facts, FindingList& findings);

}  // namespace tq3
