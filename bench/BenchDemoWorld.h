#pragma once
// The demo world for the benchmarks, loaded once.

#include <filesystem>
#include <memory>

#include "base/Dialogs.h"
#include "config/SettingsFile.h"
#include "engine/World.h"

namespace bench {

// The demo world after a full load, as the window sees it; null when the folder is missing.
inline tq3::World* DemoWorld() {
    static const std::unique_ptr<tq3::World> world = [] {
        auto w = std::make_unique<tq3::World>();
        w->ProgramFolder = TQ3_BINARY_DIR "/demo-game";
        tq3::QuietDialogs dialogs;
        if (!std::filesystem::exists(w->ProgramFolder) ||
            tq3::LoadSettings(*w, dialogs, true).refused)
            w.reset();
        return w;
    }();
    return world.get();
}

}  // namespace bench
