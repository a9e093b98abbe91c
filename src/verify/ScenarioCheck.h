#pragma once

#include <string>
#include <string_view>

#include "verify/Finding.h"
#include "verify/VerifyFacts.h"
#include "verify/VerifySettings.h"

namespace tq3 {

// The scenario file: its blocks balanced and each once where the game wants one (the header
// with the settings' name and years, the global data, one country block per selectable
// nation), its tags known, its provinces existing land provinces that one nation at most
// holds, each nation's cities on its own provinces with its capital first, and its treasuries,
// armies and technology within the settings' bounds. Checks it against the province table,
// the country table and Revolt.txt as far as `facts` holds them.
void CheckScenario(std::string_view bytes, const std::string& file, const VerifySettings& settings,
                   const VerifyFacts& facts, FindingList& findings);

}  // namespace tq3
