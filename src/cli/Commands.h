#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tq3 {

struct GenerateOptions {
    std::string gameDir;
    std::optional<int> mode;
    std::optional<uint64_t> seed;
    std::vector<std::pair<std::string, std::string>> settings;  // --set KEY=VALUE
    std::string previewDir;  // the five layers and the minimap at the map editor's point
};

// One whole headless run; gives the exit status (0 no error, 1 an error was reported).
int RunGenerate(const GenerateOptions& options);

// Loads the whole configuration and lists every problem; 1 when there is any.
int RunCheck(const std::string& gameDir);

// "Restore orig. files": the six database files back from Backup/.
int RunRestore(const std::string& gameDir);

// Copies the scenario and its database files to `folder`, or back from it.
int RunBackupScenario(const std::string& gameDir, const std::string& folder);
int RunRestoreScenario(const std::string& gameDir, const std::string& folder);

// The folder that holds the running executable.
std::string ExecutableFolder();

// The game folder of --game-dir made absolute, or the executable's folder without it.
std::string GameFolder(const std::string& gameDir);

}  // namespace tq3
