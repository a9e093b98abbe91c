#include "session/WorldDraws.h"

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
}  // namespace

void DrawWorld(World& world, RandomSource& random, Dialogs& dialogs, RunFileSteps& files) {
    const TGeneratorSettings& s = world.Settings;
    const GeneratorMode mode = ModeOf(s.GeneratorMode);
    const bool drawsMap = mode != GeneratorMode::ScenarioOnly;
    const bool drawsNations = mode != GeneratorMode::MapOnly;
    const bool writesEverything = mode == GeneratorMode::MapAndScenario;
    random.Randomize();

    // Map steps.
    if (drawsMap) {
        GenerateClimate(world, random);
        dialogs.Progress(RunProgress::Climate);
        GenerateTerrain(world, random);
        GenerateProvinceValues(world, random);
    }
    dialogs.Progress(RunProgress::MapDrawn);
    if (drawsMap) GenerateGoods(world, random);
    if (writesEverything) files.GoodsAndTaxTables(world, random);
    dialogs.Progress(RunProgress::TablesWritten);

    // Nation steps, on the placement adjacency while nations are placed and grown.
    if (drawsNations) {
        GenerateReligions(world, random);
        BuildExploredWorldList(world);
        SelectMajors(world, random);
        random.Randomize();
        dialogs.Progress(RunProgress::NationsChosen);
        files.LoadAdjacency(world, false);
        if (s.RandomStartLoc > 0) PlaceNations(world, random);
        ExpandNations(world);
        files.LoadAdjacency(world, true);
        ApplyNationFaith(world);
    }

    if (drawsMap) {
        GenerateManpowerIncome(world, random);
        if (s.DontChangeEurope || s.DontChangeAsia)
            files.RestoreProtectedRegions(world, s.DontChangeEurope, s.DontChangeAsia);
    }
    dialogs.Progress(RunProgress::NationsPlaced);

    world.CentresOfTrade = {};
    if (drawsNations) files.ScenarioFiles(world, random);
    dialogs.Progress(RunProgress::ReadyForPreview);
}

}  // namespace tq3
