#pragma once

#include <string>

#include "session/Preset.h"

namespace tq3 {

// The settings a user changed in the window, kept per game folder between sessions: as a
// preset file (its mode and settings; the folder as its description) named by a hash of the
// folder's canonical path, in tq3gen/folders/ of the user's configuration folder. The game's
// own settings file is never written.

// The file that keeps the changed settings of `gameFolder`; empty when the environment
// names no configuration folder.
std::string RememberedSettingsFile(const std::string& gameFolder);

// The changed settings kept for `gameFolder`: no preset and no error when none are kept; a
// file that cannot be read or used gives the error as a whole sentence naming it.
PresetResult ReadRememberedSettings(const std::string& gameFolder);

// Keeps `changes` for `gameFolder` (through the temporary writer), or forgets the kept ones
// when it changes nothing. Gives the error as a whole sentence, or an empty text.
std::string RememberSettings(const std::string& gameFolder, const Preset& changes);

// Forgets the changed settings kept for `gameFolder`; the error as a whole sentence.
std::string ForgetRememberedSettings(const std::string& gameFolder);

}  // namespace tq3
