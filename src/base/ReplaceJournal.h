#pragma once

#include <string>
#include <vector>

#include "base/TextFile.h"

namespace tq3 {

// Files staged beside their targets take their places together: the list of temporaries
// and targets is written whole and synced as a journal before the first rename, and removed
// after the last. A process killed between the renames leaves the journal behind, and the
// next holder of the folder finishes it, so the targets end all old or all new.

// The journal's name inside the folder whose files it replaces.
inline constexpr const char* JournalFileName = ".tq3gen-journal";

// Renames every staged file over its target through the journal `journal`. On failure gives
// false with the message in `error`; a failure after the first rename leaves the journal for
// FinishJournal.
bool ReplaceTogether(const std::string& journal, const std::vector<StagedFile>& files,
                     std::string& error);

struct JournalOutcome {
    bool found = false;                 // a journal was there
    bool finished = false;              // ... and it is finished now (the journal is gone)
    std::vector<std::string> replaced;  // the targets put in place now
    std::string error;                  // why it could not be finished
};

// Finishes a journal left by a replacement that was cut short: every temporary still there
// takes its target's place, then the journal goes.
JournalOutcome FinishJournal(const std::string& journal);

// Whether a journal is there, unfinished.
bool JournalPending(const std::string& journal);

}  // namespace tq3
