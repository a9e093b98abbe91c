#pragma once

#include <functional>
#include <string>

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "session/FolderLock.h"
#include "session/FolderTransaction.h"
#include "session/Rerolls.h"
#include "session/RunRedraw.h"
#include "session/RunReport.h"
#include "verify/GameFileVerifier.h"

namespace tq3 {

struct RunHooks {
    // The map editor in preview mode; gives false when the user aborts the run. Without it,
    // the run goes on as if the editor were closed with OK. Through the redraw (none when the
    // run's source cannot be copied) it draws steps again; the run then writes the world of
    // the redraw's rerolls as the editor left it.
    std::function<bool(World&, RunRedraw*)> mapEditor;
    // Where the editor's rerolls take their fresh seeds; without it, from a source seeded
    // from the clock.
    RandomSource* rerollSeeds = nullptr;
    // Called at the same point of every run that reaches it, editor or not, with the world as
    // the editor would show it (for example to save pictures of it).
    std::function<void(const World&)> preview;
    // How the run comes by the game folder's lock.
    FolderHold folder;
    // Where the run's files land instead of the game folder (DB/..., Scenarios/...), which is
    // then only read: no keeping copies, no lock, no journal there. Empty: the game folder.
    std::string outFolder;
    // Every run checks its own files before they replace anything, as `tq3gen verify` would,
    // and stops on a finding (RunVerification.h); generate --no-verify turns it off.
    bool verify = true;
    // A test seam: it may change the texts of the run's files before they are checked and
    // land, as a faulty writer would have written them (InjectWriterFault).
    std::function<void(GameFileTexts&)> staged;
    // The steps drawn again from their own seeds; the others draw as in the world of
    // `random` without rerolls.
    Rerolls rerolls;
};

// One whole generation run on the loaded world, as the "Run!" button starts it, up to the
// commit of its files. The report says how it ended, which files were written or failed, and
// every message shown; the front end then asks the closing question (RunClosing.h).
RunReport GenerateWorld(World& world, RandomSource& random, Dialogs& dialogs,
                        const RunHooks& hooks = {});

}  // namespace tq3
