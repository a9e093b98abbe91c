#include "session/GenerateWorld.h"

#include <climits>
#include <string>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"
#include "config/SettingsFile.h"
#include "engine/GeneratorMode.h"
#include "engine/RunChecks.h"
#include "engine/RunProgress.h"
#include "engine/ScenarioDraws.h"
#include "output/ProvinceTable.h"
#include "session/FolderLock.h"
#include "session/FolderOperation.h"
#include "session/FolderSteps.h"
#include "session/FolderTransaction.h"
#include "session/GameFileWrites.h"
#include "session/RunInputs.h"
#include "session/RunVerification.h"
#include "session/WorldDraws.h"

namespace tq3 {

namespace {
// Clears the read-only flag (the owner's missing write permission) of the six database
// files; a missing file or a failure is ignored.
void MakeDatabaseWritable(const World& world) {
    for (const char* name : GameFiles::DatabaseFiles) {
        const std::string path = world.GamePath(std::string(GameFiles::DatabaseFolder) + name);
        if (FileExists(path)) MakeWritable(path);
    }
}

// The random numbers of each step: with rerolls, where each step begins without them is
// learnt first from a run in memory that writes nothing.
StepStreams RunStreams(const World& world, RandomSource& random, const Rerolls& rerolls) {
    if (rerolls.empty()) return StepStreams(random);
    QuietDialogs quiet;
    RunReport report;
    // Never committed: it leaves the folder as it was.
    FolderTransaction files(world.ProgramFolder);
    FolderSteps steps(quiet, report, files);
    auto starts = PlainStarts(world, random, steps);
    return starts ? StepStreams(std::move(starts), rerolls) : StepStreams(random);
}

// Scenario-only mode puts the game's own province table back from the backup: its bytes
// land with the run's other files.
void AddBackedUpProvinceTable(const World& world, Dialogs& dialogs, FolderTransaction& files,
                              RunReport& report) {
    std::string from = world.GamePath(std::string(GameFiles::BackupFolder) + "Province.csv");
    // A folder that has never been backed up (only read, for --out) still holds its own map.
    if (!FileExists(from))
        from = world.GamePath(std::string(GameFiles::DatabaseFolder) + "Province.csv");
    const std::string to = world.GamePath(std::string(GameFiles::DatabaseFolder) + "Province.csv");
    QuietDialogs quiet;
    std::string bytes;
    if (ReadWholeFile(quiet, from, bytes)) {
        files.Add(std::string(GameFiles::DatabaseFolder) + "Province.csv", std::move(bytes));
        return;
    }
    const std::string message = "Cannot restore the original province table: copying \"" +
                                AbsolutePath(from) + "\" to \"" + AbsolutePath(to) + "\" failed.";
    dialogs.Error(message);
    report.failed.push_back({AbsolutePath(to), message});
}

// The seed of the program's own random source, for the report of a fault in the run's output.
std::optional<uint64_t> SeedOf(const RandomSource& random) {
    if (const auto* own = dynamic_cast<const Random*>(&random)) return own->Seed();
    return std::nullopt;
}

// Whether two sources go on with other numbers (compared on copies; false when either cannot
// be copied).
bool StreamsDiffer(const RandomSource& a, const RandomSource& b) {
    constexpr int Compared = 4;
    const auto x = a.Clone(), y = b.Clone();
    if (!x || !y) return false;
    for (int i = 0; i < Compared; ++i)
        if (x->RandInt(INT_MAX) != y->RandInt(INT_MAX)) return true;
    return false;
}

// The map editor at the preview point, on the world drawn; false when the user aborts. When it
// drew steps again, the files the draws add and the numbers of the draws after it follow the
// world of its rerolls, drawn again through the run's own file steps into `redrawn`; the
// world written stays the one the editor shows. A world the editor changed beyond its
// rerolls is marked repainted: one whose province table differs, or whose draws after the
// editor (from `after`, when there are any) lost numbers to painting (gold's mine values), even
// when the paint was undone.
bool ShowEditor(World& world, RunRedraw* redraw, RandomSource* after, const RunHooks& hooks,
                Dialogs& dialogs, RunFileSteps& folder, RunReport& report,
                std::unique_ptr<StepStreams>& redrawn) {
    std::string drawn = ProvinceTableText(world, {});
    const std::unique_ptr<RandomSource> untouched = after ? after->Clone() : nullptr;
    if (!hooks.mapEditor(world, redraw && redraw->Available() ? redraw : nullptr)) return false;
    if (redraw && redraw->Current() != hooks.rerolls) {
        report.rerolls = redraw->Current();
        const auto fresh = std::make_unique<World>(redraw->Before());
        redrawn = std::make_unique<StepStreams>(redraw->Starts(), report.rerolls);
        DrawWorld(*fresh, *redrawn, dialogs, folder);
        drawn = ProvinceTableText(*fresh, {});
    }
    report.repainted = ProvinceTableText(world, {}) != drawn ||
                       (!redrawn && untouched && StreamsDiffer(*untouched, *after));
    return true;
}

// The run on its held folder, from the checks of its inputs to the commit.
void RunInFolder(World& world, RandomSource& random, Dialogs& dialogs, const RunHooks& hooks,
                 RunReport& report) {
    const GeneratorMode mode = ModeOf(world.Settings.GeneratorMode);
    const bool inGameFolder = hooks.outFolder.empty();

    // Inputs the run cannot use soundly, and settings under which the nation steps could
    // never end, are refused before anything is drawn or written.
    if (CheckRunInputs(world, dialogs).refused || CheckRunSettings(world, dialogs).refused) return;

    dialogs.Progress(RunProgress::Start);
    FolderTransaction files(inGameFolder ? world.ProgramFolder : hooks.outFolder);
    if (!inGameFolder) files.SpellAs(world.ProgramFolder);
    if (inGameFolder) {
        // The keeping copies of the originals that no run has replaced yet, so that every
        // one of them can be brought back (the diplomatic matrix, which no run writes, among
        // them), and of each original this run replaces.
        files.CompleteBackup(true);
        files.KeepOriginals();
    }
    FolderSteps folder(dialogs, report, files);
    report.rerolls = hooks.rerolls;
    // The editor draws steps again from the world as the run finds it.
    const bool editor = world.Settings.EditorEnabled && hooks.mapEditor;
    Random clockSeeds;
    const auto redraw =
        editor ? std::make_unique<RunRedraw>(world, random, hooks.rerolls,
                                             hooks.rerollSeeds ? *hooks.rerollSeeds : clockSeeds)
               : nullptr;
    StepStreams streams = RunStreams(world, random, hooks.rerolls);
    DrawWorld(world, streams, dialogs, folder);

    if (hooks.preview) hooks.preview(world);
    std::unique_ptr<StepStreams> redrawn;
    // The policies are drawn after the editor, in a run that writes everything.
    RandomSource* after = mode == GeneratorMode::MapAndScenario ? &streams.Current() : nullptr;
    if (editor &&
        !ShowEditor(world, redraw.get(), after, hooks, dialogs, folder, report, redrawn)) {
        dialogs.Progress(RunProgress::Start);
        LoadSettings(world, dialogs, false);
        report.end = RunEnd::Aborted;
        return;
    }

    if (mode != GeneratorMode::ScenarioOnly) AddProvinceTable(world, dialogs, files, &report);
    dialogs.Progress(RunProgress::ProvinceTableWritten);
    bool fixedCountryFound = true;
    if (mode == GeneratorMode::MapAndScenario) {
        DrawPolicies(world, redrawn ? redrawn->Current() : streams.Current());
        fixedCountryFound = AddCountryTable(world, dialogs, files);
    }
    if (mode == GeneratorMode::ScenarioOnly)
        AddBackedUpProvinceTable(world, dialogs, files, report);

    // The run's files land together, or none of them when any could not be made or breaks a
    // rule of the game's files.
    InjectWriterFault(hooks, files);
    if (report.failed.empty())
        CheckOwnOutput(world, hooks, SeedOf(random), files, files.folder(), dialogs, report);
    if (report.failed.empty()) {
        if (inGameFolder) MakeDatabaseWritable(world);
        files.Commit(dialogs, report);
    }
    if (!fixedCountryFound) dialogs.Error("File TQ3GenerFixedCountry.csv not found");
    dialogs.Progress(RunProgress::Done);
    report.end = RunEnd::Finished;
}
}  // namespace

RunReport GenerateWorld(World& world, RandomSource& random, Dialogs& userDialogs,
                        const RunHooks& hooks) {
    // Each game path is resolved once in a run: files may have changed since the last one.
    world.Paths.Forget();
    // The files land in the game folder, or in the folder of --out, which the run then holds
    // while the game folder is only read. One run at a time in the folder written.
    const bool inGameFolder = hooks.outFolder.empty();
    const std::string& target = inGameFolder ? world.ProgramFolder : hooks.outFolder;
    return RunFolderOperation<RunReport>(target, userDialogs, hooks.folder,
                                         [&](Dialogs& dialogs, RunReport& report) {
                                             RunInFolder(world, random, dialogs, hooks, report);
                                         });
}

}  // namespace tq3
