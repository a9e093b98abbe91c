#pragma once

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "session/Rerolls.h"
#include "session/StepStreams.h"

namespace tq3 {

// The steps of a run that read or write the game folder, at their places among the draws. A
// run on the game folder reads the tables again and writes its files; a run in memory (the
// seed sweep) takes the tables kept from the load and writes nothing. The file steps draw
// what their files need, so both kinds draw the same values in the same order.
class RunFileSteps {
  public:
    virtual ~RunFileSteps() = default;
    // Rebuilds world.Neighbours from the placement adjacency, or the map adjacency with
    // `mapTable` set.
    virtual void LoadAdjacency(World& world, bool mapTable) = 0;
    // Gives the protected regions back their template rows (DontChangeEurope, DontChangeAsia).
    virtual void RestoreProtectedRegions(World& world, bool europe, bool asia) = 0;
    // A full run's goods and tax tables, once the map is drawn: the goods prices are drawn
    // here.
    virtual void GoodsAndTaxTables(World& world, RandomSource& random) = 0;
    // The scenario file and the revolt table of a run that places nations: the centres of
    // trade and the leaders' death years are drawn here.
    virtual void ScenarioFiles(World& world, RandomSource& random) = 0;
};

// Every step of a run from its first reseed to the point where the map editor would open,
// in the run's order (GeneratorMode says which run): the map, the goods, the religions, the
// majors, the placement and growth of the nations, manpower and income, and the scenario's
// values. Progress goes to `dialogs` as the run reaches each position. Each step draws from
// `streams`; only the steps `first` to `last` are drawn, on a world that holds what the steps
// before `first` drew.
void DrawWorld(World& world, StepStreams& streams, Dialogs& dialogs, RunFileSteps& files,
               DrawStep first = DrawStep::Climate, DrawStep last = DrawStep::Scenario);

// The world without rerolls: every step draws from `random` in turn.
void DrawWorld(World& world, RandomSource& random, Dialogs& dialogs, RunFileSteps& files);

// Where each step of the world of `random` without rerolls begins: that world is drawn on a
// copy of `world` through `files`, which must write nothing; `random` is left as it was.
// None when `random` cannot be copied.
std::shared_ptr<const StepStarts> PlainStarts(const World& world, const RandomSource& random,
                                              RunFileSteps& files);

}  // namespace tq3
