#include "session/WorldDraws.h"

#include <array>
#include <memory>
#include <string>

#include "engine/Climate.h"
#include "engine/Expansion.h"
#include "engine/GeneratorMode.h"
#include "engine/Goods.h"
#include "engine/Majors.h"
#include "engine/Placement.h"
#include "engine/ProvinceValues.h"
#include "engine/Religions.h"
#include "engine/RunProgress.h"
#include "engine/Terrain.h"

namespace tq3 {

namespace {
// Lists every province number followed by a blank, when the world is explored.
void BuildExploredWorldList(World& world) {
    world.ExploredWorldList.clear();
    if (!world.Settings.WorldIsExplored) return;
    for (int p = 1; p <= world.ProvinceCount(); ++p)
        world.ExploredWorldList += std::to_string(p) + " ";
}

// What every step reads: the world, the step's random source, and which run this is.
struct StepRun {
    World& world;
    RandomSource& random;
    Dialogs& dialogs;
    RunFileSteps& files;
    bool drawsMap, drawsNations, writesEverything;
};

// The run's first reseed, then the climate (IsRandomClimate).
void Climate(StepRun& r) {
    r.random.Randomize();
    if (!r.drawsMap) return;
    GenerateClimate(r.world, r.random);
    r.dialogs.Progress(RunProgress::Climate);
}

void Terrain(StepRun& r) {
    if (r.drawsMap) GenerateTerrain(r.world, r.random);
}

void Values(StepRun& r) {
    if (r.drawsMap) GenerateProvinceValues(r.world, r.random);
    r.dialogs.Progress(RunProgress::MapDrawn);
}

// The goods (IsRandomGoods), and a full run's goods and tax tables with the goods prices.
void Goods(StepRun& r) {
    if (r.drawsMap) GenerateGoods(r.world, r.random);
    if (r.writesEverything) r.files.GoodsAndTaxTables(r.world, r.random);
    r.dialogs.Progress(RunProgress::TablesWritten);
}

void Religions(StepRun& r) {
    if (r.drawsNations) GenerateReligions(r.world, r.random);
}

void Majors(StepRun& r) {
    if (!r.drawsNations) return;
    BuildExploredWorldList(r.world);
    SelectMajors(r.world, r.random);
}

// The second reseed, the nations placed (RandomStartLoc) and grown on the placement
// adjacency, their faith, then manpower and income and the protected regions
// (DontChangeEurope, DontChangeAsia).
void Placement(StepRun& r) {
    const TGeneratorSettings& s = r.world.Settings;
    if (r.drawsNations) {
        r.random.Randomize();
        r.dialogs.Progress(RunProgress::NationsChosen);
        r.files.LoadAdjacency(r.world, false);
        if (s.RandomStartLoc > 0) PlaceNations(r.world, r.random);
        ExpandNations(r.world);
        r.files.LoadAdjacency(r.world, true);
        ApplyNationFaith(r.world);
    }
    if (r.drawsMap) {
        GenerateManpowerIncome(r.world, r.random);
        if (s.DontChangeEurope || s.DontChangeAsia)
            r.files.RestoreProtectedRegions(r.world, s.DontChangeEurope, s.DontChangeAsia);
    }
    r.dialogs.Progress(RunProgress::NationsPlaced);
}

// The scenario's values: the centres of trade and the leaders, with its files.
void Scenario(StepRun& r) {
    r.world.CentresOfTrade = {};
    if (r.drawsNations) r.files.ScenarioFiles(r.world, r.random);
    r.dialogs.Progress(RunProgress::ReadyForPreview);
}

using StepBody = void (*)(StepRun&);
constexpr std::array<StepBody, DrawStepCount> StepBodies = {
    Climate, Terrain, Values, Goods, Religions, Majors, Placement, Scenario};
}  // namespace

void DrawWorld(World& world, StepStreams& streams, Dialogs& dialogs, RunFileSteps& files,
               DrawStep first, DrawStep last) {
    const GeneratorMode mode = ModeOf(world.Settings.GeneratorMode);
    for (int i = static_cast<int>(first); i <= static_cast<int>(last); ++i) {
        StepRun run{world,
                    streams.Begin(static_cast<DrawStep>(i)),
                    dialogs,
                    files,
                    mode != GeneratorMode::ScenarioOnly,
                    mode != GeneratorMode::MapOnly,
                    mode == GeneratorMode::MapAndScenario};
        StepBodies[static_cast<std::size_t>(i)](run);
    }
}

void DrawWorld(World& world, RandomSource& random, Dialogs& dialogs, RunFileSteps& files) {
    StepStreams streams(random);
    DrawWorld(world, streams, dialogs, files);
}

std::shared_ptr<const StepStarts> PlainStarts(const World& world, const RandomSource& random,
                                              RunFileSteps& files) {
    const auto plain = std::make_unique<World>(world);
    const std::unique_ptr<RandomSource> source = random.Clone();
    if (!source) return nullptr;
    StepStreams streams(*source, true);
    QuietDialogs quiet;
    // The last step's start is all that is needed of it.
    DrawWorld(*plain, streams, quiet, files, DrawStep::Climate, DrawStep::Placement);
    streams.Begin(DrawStep::Scenario);
    return streams.Starts();
}

}  // namespace tq3
