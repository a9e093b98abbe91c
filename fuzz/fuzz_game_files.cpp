// The readers of the game's files: the input is DB/Province.csv, DB/Country.csv,
// DB/DiplomaticMatrix.csv, DB/Revolt.txt, DB/Goods.csv, DB/tax_stab.csv and the scenario,
// separated by FileSeparator, checked as one set against the settings of the tiny test game.
// Whatever a hand edit left in them, the check ends, reads nothing past the texts and names a
// file and a line that is not negative for every finding.

#include <cstdlib>

#include "FuzzGame.h"
#include "session/GameFilesCheck.h"
#include "verify/GameFileVerifier.h"

using namespace tq3;

namespace {
const VerifySettings& Settings() {
    static const VerifySettings settings = VerifySettingsOf(*fuzz::LoadedWorld(12));
    return settings;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Settings();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::vector<std::string_view> parts = fuzz::SplitFiles(fuzz::AsText(data, size));
    const char* const paths[] = {"\\DB\\Province.csv",
                                 "\\DB\\Country.csv",
                                 "\\DB\\DiplomaticMatrix.csv",
                                 "\\DB\\Revolt.txt",
                                 "\\DB\\Goods.csv",
                                 "\\DB\\tax_stab.csv",
                                 Settings().scenarioFile.c_str()};
    GameFileTexts files;
    for (std::size_t i = 0; i < parts.size() && i < std::size(paths); ++i)
        files.emplace(paths[i], parts[i]);
    for (const Finding& f : VerifyGameFiles(files, Settings()))
        if (f.file.empty() || f.line < 0) std::abort();
    return 0;
}
