#include "session/RunVerification.h"

#include <algorithm>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "engine/GeneratorMode.h"
#include "session/GameFilesCheck.h"

namespace tq3 {

std::vector<Finding> VerifyRunFiles(const World& world, const GameFileTexts& staged,
                                    Dialogs& dialogs) {
    GameFileTexts own = staged;
    if (ModeOf(world.Settings.GeneratorMode) == GeneratorMode::ScenarioOnly)
        std::erase_if(own, [](const auto& file) {
            return SameTextIgnoringCase(file.first, GameFiles::ProvinceTable);
        });
    std::vector<Finding> findings = VerifyGameFiles(own, VerifySettingsOf(world));
    // The window gathers the problems in one list, shown when the check ends.
    dialogs.Busy(true);
    for (const Finding& f : findings) dialogs.Problem(f.file, f.line, f.text);
    dialogs.Busy(false);
    return findings;
}

std::string OwnFaultText(const std::vector<Finding>& findings, std::optional<uint64_t> seed) {
    const std::size_t n = findings.size();
    std::string text = "tq3gen found a fault in its own output, so the run replaced nothing: " +
                       FormatFinding(findings.front());
    if (n > 1) text += " (and " + std::to_string(n - 1) + " more)";
    text += ". Please report it";
    if (seed) text += " with the seed " + std::to_string(*seed);
    return text + ".";
}

void InjectWriterFault(const RunHooks& hooks, FolderTransaction& files) {
    if (!hooks.staged) return;
    GameFileTexts texts = files.Texts();
    const GameFileTexts before = texts;
    hooks.staged(texts);
    // A text the seam replaced becomes the file's text, as its writer would have made it.
    for (const auto& [path, text] : texts) {
        const auto was = before.find(path);
        if (was == before.end() || was->second.data() != text.data() ||
            was->second.size() != text.size())
            files.Add(path, std::string(text));
    }
}

bool CheckOwnOutput(const World& world, const RunHooks& hooks, std::optional<uint64_t> seed,
                    const FolderTransaction& files, const std::string& folder, Dialogs& dialogs,
                    OperationReport& report) {
    if (!hooks.verify) return true;
    const GameFileTexts staged = files.Texts();
    const std::vector<Finding> findings = VerifyRunFiles(world, staged, dialogs);
    if (findings.empty()) return true;
    const std::string text = OwnFaultText(findings, seed);
    dialogs.Error(text);
    // Each file with a finding is named; a run that stopped never reads as a success.
    const std::size_t failedBefore = report.failed.size();
    for (const auto& file : staged) {
        const std::string& relative = file.first;
        const auto found = [&](const Finding& x) { return x.file == ShownGamePath(relative); };
        if (std::any_of(findings.begin(), findings.end(), found))
            report.failed.push_back({AbsolutePath(GamePath(folder, relative)), text});
    }
    if (report.failed.size() == failedBefore) report.failed.push_back({folder, text});
    return false;
}

}  // namespace tq3
