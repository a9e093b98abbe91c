#include "session/GameFileWrites.h"

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/TextFile.h"
#include "engine/ScenarioDraws.h"
#include "output/CountryTable.h"
#include "output/GameTables.h"
#include "output/ProvinceTable.h"
#include "output/ScenarioFile.h"

namespace tq3 {

namespace {
// Passes every call on and keeps the last error, as the reason of a failed write.
class LastError final : public Dialogs {
  public:
    explicit LastError(Dialogs& inner) : inner_(inner) {}
    void Error(const std::string& text) override {
        last = text;
        inner_.Error(text);
    }
    void Info(const std::string& text) override { inner_.Info(text); }
    Answer Confirm(const std::string& text, Buttons buttons) override {
        return inner_.Confirm(text, buttons);
    }
    std::optional<std::string> ChooseFolder(const std::string& start, bool allowCreate) override {
        return inner_.ChooseFolder(start, allowCreate);
    }
    void Progress(int position) override { inner_.Progress(position); }
    void Problem(const std::string& file, int line, const std::string& text) override {
        inner_.Problem(file, line, text);
    }
    std::string last;

  private:
    Dialogs& inner_;
};

void RecordFailure(RunReport* report, const std::string& path, const std::string& reason) {
    if (report) report->failed.push_back({AbsolutePath(path), reason});
}

// Reads a fixed table the writers append; false (with the failure recorded against
// `target`) when it exists but cannot be read.
bool ReadFixedTable(Dialogs& dialogs, const std::string& name, const std::string& target,
                    std::string& text, RunReport* report) {
    LastError errors(dialogs);
    if (ReadWholeFile(errors, name, text)) return true;
    RecordFailure(report, target, errors.last);
    return false;
}
}  // namespace

bool WriteGameFile(Dialogs& dialogs, const std::string& path, const std::string& text,
                   RunReport* report) {
    LastError errors(dialogs);
    if (!WriteWholeFile(errors, path, text, false)) {
        RecordFailure(report, path, errors.last);
        return false;
    }
    if (report) report->written.push_back(AbsolutePath(path));
    return true;
}

bool WriteGoodsTable(World& world, RandomSource& random, Dialogs& dialogs, RunReport* report) {
    DrawGoodsPrices(world, random);
    return WriteGameFile(dialogs, GamePath(world.ProgramFolder, GameFiles::GoodsTable),
                         GoodsTableText(world), report);
}

bool WriteTaxStabilityTable(const World& world, Dialogs& dialogs, RunReport* report) {
    return WriteGameFile(dialogs, GamePath(world.ProgramFolder, GameFiles::TaxStabilityTable),
                         TaxStabilityTableText(world), report);
}

bool WriteScenarioFile(World& world, RandomSource& random, Dialogs& dialogs, RunReport* report) {
    const std::string& name = world.Settings.ScenarioFileName;
    if (!IsPlainScenarioFileName(name)) {
        const std::string message =
            "ScenarioFileName \"" + name +
            "\" is not a plain file name (no \"/\", \"\\\" or \"..\"): the scenario file is not "
            "written.";
        dialogs.Error(message);
        RecordFailure(report, JoinPath(world.ProgramFolder, "Scenarios/" + name + ".tqg"), message);
        world.CentresOfTrade = {};
        return false;
    }
    DrawScenarioValues(world, random);
    const std::string path = GamePath(
        world.ProgramFolder, GameFiles::ScenarioFolder + name + GameFiles::ScenarioExtension);
    return WriteGameFile(dialogs, path, ScenarioText(world), report);
}

bool WriteRevoltTable(const World& world, Dialogs& dialogs, RunReport* report) {
    return WriteGameFile(dialogs, GamePath(world.ProgramFolder, GameFiles::RevoltTable),
                         RevoltTableText(world), report);
}

bool WriteProvinceTable(const World& world, Dialogs& dialogs, RunReport* report) {
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
    const std::string text =
        ProvinceTableText(world, fixed, [&dialogs](int position) { dialogs.Progress(position); });
    return WriteGameFile(dialogs, target, text, report);
}

bool WriteCountryTable(World& world, RandomSource& random, Dialogs& dialogs, RunReport* report) {
    DrawPolicies(world, random);
    const std::string target = GamePath(world.ProgramFolder, GameFiles::CountryTable);
    // A fixed table that exists but cannot be read has reported its failure and adds nothing.
    const std::string fixedName = GamePath(world.ProgramFolder, GameFiles::FixedCountryTable);
    const bool fixedFound = FileExists(fixedName);
    std::string fixed;
    if (fixedFound) ReadWholeFile(dialogs, fixedName, fixed);
    const bool written = WriteGameFile(dialogs, target, CountryTableText(world, fixed), report);
    if (!fixedFound) dialogs.Error("File TQ3GenerFixedCountry.csv not found");
    return written;
}

}  // namespace tq3
