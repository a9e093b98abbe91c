#include "session/RunInputs.h"

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"
#include "engine/GeneratorMode.h"
#include "output/ScenarioFile.h"

namespace tq3 {

namespace {
constexpr std::size_t kLongestFileName = 255;  // bytes of one name on Linux file systems
const char* const kCannotStart = "The run cannot start: ";

std::string Quote(const std::string& text) {
    return "\"" + text + "\"";
}

// The value a setting has in the settings text (after any override), as written there.
std::string WrittenValue(const World& world, const char* key) {
    const SettingLine at = FindSettingLine(world.SettingsText, key);
    return at.found ? Trim(FirstValueOf(at.line)) : std::string();
}

bool IsReadable(const std::string& path) {
    return FileExists(path) && MayRead(path);
}

// Why ScenarioFileName cannot name a file in Scenarios/; empty when it can.
std::string ScenarioNameProblem(const std::string& name) {
    const std::string quoted = Quote(name);
    if (Trim(name).empty()) return "ScenarioFileName is empty; the scenario file needs a name.";
    for (char c : name)
        if (static_cast<unsigned char>(c) < 32)
            return "ScenarioFileName holds a control character; the scenario file needs a "
                   "plain name.";
    if (!IsPlainScenarioFileName(name))
        return "ScenarioFileName " + quoted +
               " is not a plain file name (no \"/\", \"\\\" or \"..\").";
    const std::size_t extension = std::char_traits<char>::length(GameFiles::ScenarioExtension);
    if (name.size() + extension > kLongestFileName)
        return "ScenarioFileName is " + std::to_string(name.size()) +
               " characters long; a scenario file name can have at most " +
               std::to_string(kLongestFileName - extension) + ".";
    return {};
}
// Why the scenario file cannot be written where the run would write it; empty when it can.
std::string ScenarioTargetProblem(const World& world) {
    const std::string folder = world.GamePath("\\Scenarios");
    const std::string target = world.GamePath(
        GameFiles::ScenarioFolder + world.Settings.ScenarioFileName + GameFiles::ScenarioExtension);
    const FileState file = LookAt(target);
    if (file.kind != FileKind::Missing) {
        if (file.kind != FileKind::Regular)
            return "the scenario file " + Quote(AbsolutePath(target)) +
                   " is in the way: it is not a regular file.";
        if (!MayWrite(target))
            return "the scenario file " + Quote(AbsolutePath(target)) + " is read-only.";
    }
    const FileState place = LookAt(folder);
    if (place.kind != FileKind::Missing && (place.kind != FileKind::Folder || !MayWrite(folder)))
        return "the folder " + Quote(AbsolutePath(folder)) +
               " cannot be written, so the scenario file cannot be made there.";
    return {};
}
}  // namespace

std::vector<std::string> RunInputRefusals(const World& world) {
    const TGeneratorSettings& s = world.Settings;
    std::vector<std::string> refusals;
    auto refuse = [&](const std::string& why) { refusals.push_back(kCannotStart + why); };

    const int mode = s.GeneratorMode;
    if (!IsGeneratorMode(mode))
        refuse("GeneratorMode is " + std::to_string(mode) +
               "; it must be 0 (new map and scenario), 1 (new map only) or 2 (new scenario on "
               "the game's map).");
    if (s.ProvinceCount < 1)
        refuse("ProvinceCount is " + Quote(WrittenValue(world, "ProvinceCount")) +
               "; it must be a whole number from 1 to " + std::to_string(MaxProvinceNumber) + ".");

    if (!world.ProvinceTemplateRead)
        refuse("the province template " +
               Quote(AbsolutePath(world.GamePath(GameFiles::ProvinceTemplate))) +
               " could not be read, or was not written whole.");
    if (!world.MapAdjacencyRead)
        refuse("the adjacency tables " +
               Quote(AbsolutePath(world.GamePath(GameFiles::AdjacencyIndex))) + " and " +
               Quote(AbsolutePath(world.GamePath(GameFiles::MapAdjacency))) +
               " could not be read.");

    const bool placesNations = ModeOf(mode) != GeneratorMode::MapOnly;
    const bool writesProvinceTable = ModeOf(mode) != GeneratorMode::ScenarioOnly;
    if (placesNations) {
        const std::string placement = world.GamePath(GameFiles::PlacementAdjacency);
        if (!IsReadable(placement))
            refuse("the placement adjacency table " + Quote(AbsolutePath(placement)) +
                   " is missing or cannot be read.");
        if (const std::string why = ScenarioNameProblem(s.ScenarioFileName); !why.empty())
            refuse(why);
        else if (const std::string target = ScenarioTargetProblem(world); !target.empty())
            refuse(target);
    }
    if (writesProvinceTable) {
        // The province table is made with the fixed table's lines: without it, nothing is
        // drawn.
        if (!FileExists(world.GamePath(GameFiles::FixedProvinceTable)))
            refusals.push_back("File TQ3GenerFixedProvince.csv not found");
        // A row that ends with LF alone inside a CR LF table would put every later row one
        // province off in the game's table.
        const std::string fixed = world.GamePath(GameFiles::FixedProvinceTable);
        std::string text;
        QuietDialogs quiet;
        if (IsReadable(fixed) && ReadWholeFile(quiet, fixed, text) && !NormalizeLineFeeds(text)) {
            if (const int line = FirstBareLineFeed(text); line > 0)
                refuse(AbsolutePath(fixed) + ":" + std::to_string(line) +
                       ": the line ends with a line feed alone while the others end with CR "
                       "LF; every later province would take the fixed columns of the one "
                       "before it.");
        }
    }
    return refusals;
}

OperationReport CheckRunInputs(const World& world, Dialogs& dialogs) {
    OperationReport report;
    const std::vector<std::string> refusals = RunInputRefusals(world);
    if (refusals.empty()) return report;
    report.Refuse(dialogs, refusals.front());
    return report;
}

}  // namespace tq3
