#pragma once

#include <string>
#include <vector>

#include "base/TextFile.h"

namespace tq3 {

// Files staged beside their targets take their places together: the list of temporaries
// and targets is written whole and synced as a journal before the first rename, and removed
// after the last. A process killed between the renames leaves the journal behind, and the
// next holder of the folder finishes it, so the targets end all old or all new.
//
// A journal is read as untrusted input (a folder may come from someone else): its entries
// are names relative to its folder, each target one of the files a run, a restore or a
// scenario copy replaces there, each temporary one of ours beside its target. A journal that
// breaks any rule renames nothing; it is set aside under RefusedJournalFileName.

// The journal's name inside the folder whose files it replaces, and the name a refused one
// is set aside under.
inline constexpr const char* JournalFileName = ".tq3gen-journal";
inline constexpr const char* RefusedJournalFileName = ".tq3gen-journal.refused";
// The list of scenarios this program wrote, kept in Backup/Scenarios/.
inline constexpr const char* WrittenScenarioList = ".tq3gen-written";

// What a journal's folder is, which decides the targets its journal may name.
enum class JournalFolder {
    Game,  // a game folder or a run's --out folder: DB/, Scenarios/ and the kept originals
    Copy,  // a scenario copy's folder: the six database files and scenarios, side by side
};

// Why `target` (relative to its folder, "/" between components) may not be replaced through
// a journal of a folder of `kind`; empty when it may.
std::string JournalTargetProblem(JournalFolder kind, const std::string& target);
// Whether the target keeps an original: it is only ever created, never replaced.
bool IsKeepingCopy(const std::string& target);

// What a replacement did: the targets put in place, those left as they were, and why it
// stopped.
struct ReplaceOutcome {
    bool done = false;
    std::vector<std::string> replaced;  // absolute names, in the order renamed
    std::vector<std::string> left;      // absolute names still holding their old content
    std::string error;
};

// Renames every staged file over its target through the journal of `folder`. The groups
// are renamed in order, and the folders of one group are synced before the next begins (the
// keeping copies reach the disk before the files they keep are replaced). A failure after
// the first rename leaves the journal for FinishJournal.
ReplaceOutcome ReplaceTogether(const std::string& folder, JournalFolder kind,
                               const std::vector<std::vector<StagedFile>>& groups);

struct JournalOutcome {
    bool found = false;                 // a journal was there
    bool finished = false;              // ... and it is finished now (the journal is gone)
    bool refused = false;               // ... or it broke a rule and was set aside
    std::vector<std::string> replaced;  // the targets put in place now
    std::string error;                  // why it could not be finished, or was refused
};

// Finishes the journal of `folder` left by a replacement that was cut short: every temporary
// still there takes its target's place, then the journal goes.
JournalOutcome FinishJournal(const std::string& folder, JournalFolder kind);

// Whether a journal is there, unfinished.
bool JournalPending(const std::string& folder);

}  // namespace tq3
