#pragma once

#include <cstdio>
#include <string>

#include "engine/World.h"
#include "session/SeedSweep.h"

namespace tq3 {

// The sweep's rows as comma-separated values for a spreadsheet: a header, then one line per
// seed with the world's measures and, major by major, its tag and measures.
std::string SweepCsvHeader(int majors);
std::string SweepCsvLine(const World& loaded, const SweepRow& row);

// Why a sweep may not write its table to `path`, or empty when it may. Nothing inside the
// game folder's Config/, DB/, Scenarios/ or Backup/ is written, nor a name that differs from
// an existing file only in case (the game would read either); an existing target must be a
// regular file that holds such a table already, so a game table, the lock or any other file
// named by mistake is left alone; the folder must exist.
std::string SweepCsvTargetProblem(const std::string& gameFolder, const std::string& path);

// A table written line by line into a temporary file beside the target, which replaces the
// target only when Commit succeeds: a sweep stopped midway or a full disk leaves the old
// file as it was. Memory stays the same however many lines are written.
class SweepCsvFile {
  public:
    ~SweepCsvFile();
    // Creates the temporary file; false (with the reason in Error()) when it cannot.
    bool Open(const std::string& path);
    void Append(const std::string& text);
    // Syncs the temporary file and puts it in place of the target.
    bool Commit();
    const std::string& Error() const { return error_; }

  private:
    std::string path_, temp_, error_;
    FILE* file_ = nullptr;
    bool failed_ = false;
};

}  // namespace tq3
