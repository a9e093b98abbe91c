#pragma once

#include <string>
#include <string_view>

#include "verify/Finding.h"
#include "verify/VerifyFacts.h"
#include "verify/VerifySettings.h"

namespace tq3 {

// DB/Revolt.txt: one block per nation, by a unique tag of three letters, with its date range
// (the settings' start and end years), its capital as minimum and capital, the further
// provinces it holds as extra, and a technology group of the settings. Records each nation's
// capital and extra provinces in `facts`.
void CheckRevoltTable(std::string_view bytes, const std::string& file,
                      const VerifySettings& settings, VerifyFacts& facts, FindingList& findings);

}  // namespace tq3
