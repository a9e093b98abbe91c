#pragma once

// Shared by the fuzz targets: a throw-away game folder per process, dialogs that answer
// fixed and check what the loaders report, and the split of one input into several files.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "base/Dialogs.h"
#include "engine/World.h"

namespace tq3::fuzz {

// Marks the border between two files in an input that stands for several files.
inline constexpr std::string_view FileSeparator = "@@FILE@@";

// Answers every question with OK or Yes and no folder; checks that every problem names a
// file and a line that is not negative, and that the progress bar stays within 0..16.
class FixedDialogs final : public Dialogs {
  public:
    void Error(const std::string& text) override;
    void Info(const std::string& text) override;
    Answer Confirm(const std::string& text, Buttons buttons) override;
    std::optional<std::string> ChooseFolder(const std::string& start, bool allowCreate) override;
    void Progress(int position) override;
    void Problem(const std::string& file, int line, const std::string& text) override;
};

// The game folder of this process (under /dev/shm when it exists, else the temporary
// folder), filled once with a copy of the tiny test game and removed when the process ends.
const std::string& GameFolder();

// Writes `bytes` as Config/<name> of the game folder.
void WriteConfig(const std::string& name, std::string_view bytes);

// Puts the tiny test game's Config/<name> back in the game folder.
void RestoreConfig(const std::string& name);

// The input as text.
std::string_view AsText(const uint8_t* data, std::size_t size);

// The input cut at every FileSeparator.
std::vector<std::string_view> SplitFiles(std::string_view input);

// A world loaded from the tiny test game (settings, template, map adjacency, nations), with
// its province count raised to `provinceCount` so that every row of a fuzzed table counts.
std::unique_ptr<World> LoadedWorld(int provinceCount);

}  // namespace tq3::fuzz
