#pragma once

#include <string>

#include "engine/World.h"
#include "session/SeedSweep.h"

namespace tq3 {

// The sweep's rows as comma-separated values for a spreadsheet: a header, then one line per
// seed with the world's measures, major by major its tag and measures, and last the start
// measures (room, coastal majors).
std::string SweepCsvHeader(int majors);
std::string SweepCsvLine(const World& loaded, const SweepRow& row);

// The first columns of a sweep's table: an existing file is replaced by a table only when it
// begins with them.
inline constexpr const char* SweepCsvFirstColumns =
    "seed,fairness,income_gini,native_share,short_nations";

}  // namespace tq3
