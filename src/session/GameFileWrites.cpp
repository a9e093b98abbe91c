#include "session/GameFileWrites.h"

#include "base/ForwardingDialogs.h"
#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"
#include "output/CountryTable.h"
#include "output/GameTables.h"
#include "output/ProvinceTable.h"
#include "output/ScenarioFile.h"

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

void AddGoodsTable(const World& world, FolderTransaction& files) {
    files.Add(GameFiles::GoodsTable, GoodsTableText(world));
}

void AddTaxStabilityTable(const World& world, FolderTransaction& files) {
    files.Add(GameFiles::TaxStabilityTable, TaxStabilityTableText(world));
}

bool AddScenarioFile(const World& world, Dialogs& dialogs, FolderTransaction& files,
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

void AddRevoltTable(const World& world, FolderTransaction& files) {
    files.Add(GameFiles::RevoltTable, RevoltTableText(world));
}

bool AddProvinceTable(const World& world, Dialogs& dialogs, FolderTransaction& files,
                      OperationReport* report) {
    const std::string target = world.GamePath(GameFiles::ProvinceTable);
    const std::string fixedName = world.GamePath(GameFiles::FixedProvinceTable);
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

bool AddCountryTable(const World& world, Dialogs& dialogs, FolderTransaction& files) {
    // A fixed table that exists but cannot be read has reported its failure and adds nothing.
    const std::string fixedName = world.GamePath(GameFiles::FixedCountryTable);
    const bool fixedFound = FileExists(fixedName);
    std::string fixed;
    if (fixedFound && ReadWholeFile(dialogs, fixedName, fixed)) NormalizeLineFeeds(fixed);
    files.Add(GameFiles::CountryTable, CountryTableText(world, fixed));
    return fixedFound;
}

}  // namespace tq3
