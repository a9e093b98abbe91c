#include "session/GameFileWrites.h"

#include <algorithm>
#include <filesystem>

#include "base/FileCopy.h"
#include "base/ForwardingDialogs.h"
#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "base/Platform.h"
#include "base/TextFile.h"
#include "engine/ScenarioDraws.h"
#include "output/CountryTable.h"
#include "output/GameTables.h"
#include "output/ProvinceTable.h"
#include "output/ScenarioFile.h"
#include "session/RunFiles.h"

namespace tq3 {

namespace {
// Passes every call on and keeps the last error, as the reason of a failed write.
class LastError final : public ForwardingDialogs {
  public:
    using ForwardingDialogs::ForwardingDialogs;
    void Error(const std::string& text) override {
        last = text;
        ForwardingDialogs::Error(text);
    }
    std::string last;
};

void RecordFailure(OperationReport* report, const std::string& path, const std::string& reason) {
    if (report) report->failed.push_back({AbsolutePath(path), reason});
}

// Reads a fixed table the writers append; false (with the failure recorded against
// `target`) when it exists but cannot be read.
bool ReadFixedTable(Dialogs& dialogs, const std::string& name, const std::string& target,
                    std::string& text, OperationReport* report) {
    LastError errors(dialogs);
    if (ReadWholeFile(errors, name, text)) {
        NormalizeLineFeeds(text);
        return true;
    }
    RecordFailure(report, target, errors.last);
    return false;
}
}  // namespace

namespace {
// The scenario files this program wrote, one name a line: a scenario named there is not a
// game original, so it needs no keeping copy.
constexpr const char* kWrittenScenarios = "\\Backup\\Scenarios\\.tq3gen-written";

bool IsInFolder(const std::string& path, const std::string& folder) {
    return PathOf(path).parent_path() == PathOf(folder);
}

bool WroteScenario(const std::string& programFolder, const std::string& name) {
    std::string list;
    QuietDialogs quiet;
    const std::string file = GamePath(programFolder, kWrittenScenarios);
    if (!FileExists(file) || !ReadWholeFile(quiet, file, list)) return false;
    LineCursor cursor(list);
    while (!cursor.done)
        if (SameTextIgnoringCase(std::string(ReadNextLineView(cursor)), name)) return true;
    return false;
}

// Copies an original to its keeping place unless a copy is there; false (told, recorded)
// when it cannot be made.
bool KeepCopy(const std::string& path, const std::string& keep, Dialogs& dialogs,
              OperationReport* report) {
    if (FileExists(keep)) return true;
    std::error_code ec;
    std::filesystem::create_directories(PathOf(keep).parent_path(), ec);
    std::string reason;
    if (CopyWholeFile(path, keep, false, &reason) && FileExists(keep)) return true;
    const std::string message = "The original \"" + AbsolutePath(path) +
                                "\" could not be copied to \"" + AbsolutePath(keep) +
                                "\", so it is not replaced." + (reason.empty() ? "" : " " + reason);
    dialogs.Error(message);
    RecordFailure(report, path, message);
    return false;
}
}  // namespace

bool KeepOriginal(const std::string& programFolder, const std::string& path, Dialogs& dialogs,
                  OperationReport* report) {
    if (!FileExists(path)) return true;
    const std::string name = NameOf(PathOf(path).filename());
    // A scenario that this program did not write goes to Backup/Scenarios/.
    if (IsInFolder(path, GamePath(programFolder, "\\Scenarios"))) {
        if (WroteScenario(programFolder, name)) return true;
        return KeepCopy(path, GamePath(programFolder, "\\Backup\\Scenarios\\" + name), dialogs,
                        report);
    }
    // Of DB/, only the six database files have originals to keep.
    if (!IsInFolder(path, GamePath(programFolder, "\\DB"))) return true;
    const char* const* known =
        std::find_if(GameFiles::DatabaseFiles.begin(), GameFiles::DatabaseFiles.end(),
                     [&](const char* f) { return SameTextIgnoringCase(f, name); });
    if (known == GameFiles::DatabaseFiles.end()) return true;
    // An original kept by an earlier run stays as it is.
    return KeepCopy(path, GamePath(programFolder, std::string(GameFiles::BackupFolder) + *known),
                    dialogs, report);
}

void NoteScenarioWritten(const std::string& programFolder, const std::string& path) {
    if (!IsInFolder(path, GamePath(programFolder, "\\Scenarios"))) return;
    const std::string name = NameOf(PathOf(path).filename());
    if (WroteScenario(programFolder, name)) return;
    QuietDialogs quiet;
    WriteWholeFile(quiet, GamePath(programFolder, kWrittenScenarios), name + "\r\n", true);
}

void CompleteBackup(const std::string& programFolder, bool create, OperationReport& report) {
    const std::string backup = GamePath(programFolder, "\\Backup");
    std::error_code ec;
    if (!FolderExists(backup) &&
        (!create || !std::filesystem::create_directory(PathOf(backup), ec)))
        return;
    for (const char* name : GameFiles::BackupOrder) {
        const std::string db =
            GamePath(programFolder, GameFiles::DatabaseFolder + std::string(name));
        const std::string keep =
            GamePath(programFolder, GameFiles::BackupFolder + std::string(name));
        if (!FileExists(db) || FileExists(keep)) continue;
        std::string reason;
        if (CopyWholeFile(db, keep, false, &reason))
            report.written.push_back(AbsolutePath(keep));
        else
            report.failed.push_back({AbsolutePath(keep), reason});
    }
}

bool WriteGameFile(Dialogs& dialogs, const std::string& path, const std::string& text,
                   OperationReport* report) {
    LastError errors(dialogs);
    if (!WriteWholeFile(errors, path, text, false)) {
        RecordFailure(report, path, errors.last);
        return false;
    }
    if (report) report->written.push_back(AbsolutePath(path));
    return true;
}

void AddGoodsTable(const World& world, RunFiles& files) {
    files.Add(GameFiles::GoodsTable, GoodsTableText(world));
}

void AddTaxStabilityTable(const World& world, RunFiles& files) {
    files.Add(GameFiles::TaxStabilityTable, TaxStabilityTableText(world));
}

bool AddScenarioFile(const World& world, Dialogs& dialogs, RunFiles& files,
                     OperationReport* report) {
    const std::string& name = world.Settings.ScenarioFileName;
    if (!IsPlainScenarioFileName(name)) {
        const std::string message =
            "ScenarioFileName \"" + name +
            "\" is not a plain file name (no \"/\", \"\\\" or \"..\"): the scenario file is not "
            "written.";
        dialogs.Error(message);
        RecordFailure(report, JoinPath(world.ProgramFolder, "Scenarios/" + name + ".tqg"), message);
        return false;
    }
    files.Add(GameFiles::ScenarioFolder + name + GameFiles::ScenarioExtension, ScenarioText(world));
    return true;
}

void AddRevoltTable(const World& world, RunFiles& files) {
    files.Add(GameFiles::RevoltTable, RevoltTableText(world));
}

bool AddProvinceTable(const World& world, Dialogs& dialogs, RunFiles& files,
                      OperationReport* report) {
    const std::string target = GamePath(world.ProgramFolder, GameFiles::ProvinceTable);
    const std::string fixedName = GamePath(world.ProgramFolder, GameFiles::FixedProvinceTable);
    if (!FileExists(fixedName)) {
        const std::string message = "File TQ3GenerFixedProvince.csv not found";
        dialogs.Error(message);
        RecordFailure(report, target, message);
        return false;
    }
    std::string fixed;
    if (!ReadFixedTable(dialogs, fixedName, target, fixed, report)) return false;
    files.Add(GameFiles::ProvinceTable, ProvinceTableText(world, fixed, [&dialogs](int position) {
                  dialogs.Progress(position);
              }));
    return true;
}

bool AddCountryTable(const World& world, Dialogs& dialogs, RunFiles& files) {
    // A fixed table that exists but cannot be read has reported its failure and adds nothing.
    const std::string fixedName = GamePath(world.ProgramFolder, GameFiles::FixedCountryTable);
    const bool fixedFound = FileExists(fixedName);
    std::string fixed;
    if (fixedFound && ReadWholeFile(dialogs, fixedName, fixed)) NormalizeLineFeeds(fixed);
    files.Add(GameFiles::CountryTable, CountryTableText(world, fixed));
    return fixedFound;
}

namespace {
// Lands one file on its own, as the run would land it.
bool CommitAlone(const World& world, const RunFiles& files, Dialogs& dialogs,
                 OperationReport* report) {
    OperationReport own;
    const bool written = files.Commit(world.ProgramFolder, {}, dialogs, report ? *report : own);
    return written;
}
}  // namespace

bool WriteGoodsTable(World& world, RandomSource& random, Dialogs& dialogs,
                     OperationReport* report) {
    DrawGoodsPrices(world, random);
    RunFiles files;
    AddGoodsTable(world, files);
    return CommitAlone(world, files, dialogs, report);
}

bool WriteTaxStabilityTable(const World& world, Dialogs& dialogs, OperationReport* report) {
    RunFiles files;
    AddTaxStabilityTable(world, files);
    return CommitAlone(world, files, dialogs, report);
}

bool WriteScenarioFile(World& world, RandomSource& random, Dialogs& dialogs,
                       OperationReport* report) {
    RunFiles files;
    if (!IsPlainScenarioFileName(world.Settings.ScenarioFileName)) {
        world.CentresOfTrade = {};
        return AddScenarioFile(world, dialogs, files, report);
    }
    DrawScenarioValues(world, random);
    return AddScenarioFile(world, dialogs, files, report) &&
           CommitAlone(world, files, dialogs, report);
}

bool WriteRevoltTable(const World& world, Dialogs& dialogs, OperationReport* report) {
    RunFiles files;
    AddRevoltTable(world, files);
    return CommitAlone(world, files, dialogs, report);
}

bool WriteProvinceTable(const World& world, Dialogs& dialogs, OperationReport* report) {
    RunFiles files;
    return AddProvinceTable(world, dialogs, files, report) &&
           CommitAlone(world, files, dialogs, report);
}

bool WriteCountryTable(World& world, RandomSource& random, Dialogs& dialogs,
                       OperationReport* report) {
    DrawPolicies(world, random);
    RunFiles files;
    const bool fixedFound = AddCountryTable(world, dialogs, files);
    const bool written = CommitAlone(world, files, dialogs, report);
    if (!fixedFound) dialogs.Error("File TQ3GenerFixedCountry.csv not found");
    return written;
}

}  // namespace tq3
