#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct GenerateOptions {
    std::string gameDir;
    std::optional<int> mode;
    std::optional<uint64_t> seed;
    std::vector<std::pair<std::string, std::string>> settings;  // --set KEY=VALUE
};

// One whole headless run; gives the exit status (0 no error, 1 an error was reported).
int RunGenerate(const GenerateOptions& options);

// Loads the whole configuration and lists every problem; 1 when there is any.
int RunCheck(const std::string& gameDir);

// The folder that holds the running executable.
std::string ExecutableFolder();
