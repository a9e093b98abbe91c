#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "verify/Finding.h"
#include "verify/VerifySettings.h"

namespace tq3 {

// The texts of a set of game files by their game paths ("\DB\Province.csv",
// "\Scenarios\Random.tqg"; matched without regard to case), as the game will read them.
using GameFileTexts = std::map<std::string, std::string_view>;

// Checks the files of the set against the rules every file the game reads must keep, each on
// its own and against the others of the set: a rule across files applies when both are in
// it. The scenario is the file of settings.scenarioFile. Reads the texts only: nothing of the
// writers or the world that made them. The findings name each file by its path with "/"
// ("DB/Province.csv") and come in the order the files are checked.
std::vector<Finding> VerifyGameFiles(const GameFileTexts& files, const VerifySettings& settings);

// The game path as findings name it: without the leading backslash, with "/" between folders.
std::string ShownGamePath(std::string_view gamePath);

}  // namespace tq3
