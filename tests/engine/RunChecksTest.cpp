#include <filesystem>
#include <functional>

#include "NationTestWorld.h"
#include "TestSupport.h"
#include "engine/Expansion.h"
#include "engine/Majors.h"
#include "engine/Placement.h"
#include "engine/RunChecks.h"
#include "session/FolderLock.h"
#include "session/GenerateWorld.h"

using namespace tq3;

using namespace nationtest;

namespace {
// Five nations on provinces 1..5 of ten land provinces, random majors, free start draw.
std::unique_ptr<World> ValidWorld() {
    auto world = SeaWorld(30);
    for (int p = 1; p <= 10; ++p) Land(*world, p);
    for (int p = 1; p <= 5; ++p) AddNation(*world, p);
    TGeneratorSettings& s = world->Settings;
    s.NationCount = 5;
    s.MajorCount = 2;
    s.IsRandomMajor = true;
    s.RandomStartLoc = 6;
    return world;
}

// Only the last province of the map is land: the free draw (1..ProvinceCount - 1) finds none.
void OnlyLastProvinceLand(World& w) {
    for (int p = 1; p <= 10; ++p) w.Provinces[p].Terrain = TerrainCode::Sea;
    Land(w, 30);
}

// One nation more than provinces to hold them.
void CrowdedMap(World& w) {
    w.Settings.ProvinceCount = 5;
    for (int p = 1; p <= 5; ++p) Land(w, p);
    AddNation(w, 0);
    w.Settings.NationCount = 6;
}
}  // namespace

TEST(CheckRunSettings, RefusesOnlyRunsThatCouldNeverEnd) {
    struct Case {
        const char* name;
        std::function<void(World&)> setUp;
        const char* refusedSetting;  // nullptr: the run may start
    };
    const std::vector<Case> cases = {
        {"valid", [](World&) {}, nullptr},
        {"too many nations", [](World& w) { w.Settings.NationCount = 6; }, "NationCount"},
        {"too many random majors", [](World& w) { w.Settings.MajorCount = 6; }, "MajorCount"},
        {"specified majors ignore MajorCount",
         [](World& w) {
             w.Settings.MajorCount = 6;
             w.Settings.IsRandomMajor = false;
         },
         nullptr},
        {"map-only run",
         [](World& w) {
             w.Settings.NationCount = 60;
             w.Settings.GeneratorMode = 1;
         },
         nullptr},
        {"more nations to move than free provinces", CrowdedMap, "RandomStartLoc"},
        {"crowded but historical",
         [](World& w) {
             CrowdedMap(w);
             w.Settings.RandomStartLoc = 0;
         },
         nullptr},
        {"crowded but one stays",
         [](World& w) {
             CrowdedMap(w);
             w.Nations[6].Specifics = SpecFixedStartLoc;
         },
         nullptr},
        {"free draw on a map without land", OnlyLastProvinceLand, "RandomStartLoc"},
        {"walks need no free draw",
         [](World& w) {
             OnlyLastProvinceLand(w);
             w.Settings.RandomStartLoc = 5;
         },
         nullptr},
        {"every moved nation is a European major",
         [](World& w) {
             OnlyLastProvinceLand(w);
             w.Settings.ForceMajortoEurope = true;
             w.Settings.IsRandomMajor = false;
             w.Settings.SpecifiedMajors = "N1;N2;N3;N4;N5";
         },
         nullptr},
        {"random European majors cannot cover every moved nation",
         [](World& w) {
             OnlyLastProvinceLand(w);
             w.Settings.ForceMajortoEurope = true;
         },
         "RandomStartLoc"},
        {"Siberians draw from their ranges",
         [](World& w) {
             OnlyLastProvinceLand(w);
             w.Settings.IsNationSpecifics = true;
             for (int n = 1; n <= 5; ++n) w.Nations[n].Specifics = SpecStartSiberia;
         },
         nullptr},
    };
    for (const Case& c : cases) {
        auto world = ValidWorld();
        c.setUp(*world);
        test::RecordingDialogs dialogs;
        const bool ok = !CheckRunSettings(*world, dialogs).refused;
        if (!c.refusedSetting) {
            EXPECT_TRUE(ok) << c.name;
            EXPECT_TRUE(dialogs.errors.empty()) << c.name;
            continue;
        }
        EXPECT_FALSE(ok) << c.name;
        ASSERT_EQ(dialogs.errors.size(), 1u) << c.name;
        EXPECT_NE(dialogs.errors[0].find(c.refusedSetting), std::string::npos) << dialogs.errors[0];
        // The steps themselves still end when called on such a world.
        Random random(1);
        SelectMajors(*world, random);
        PlaceNations(*world, random);
        ExpandNations(*world);
        // ... and leave every nation on a province of the map, or on none.
        EXPECT_LE(static_cast<int>(world->MajorNations.count()), world->NationCountLoaded())
            << c.name;
        for (int n = 1; n <= world->NationCountLoaded(); ++n) {
            const int capital = world->Nations[n].Capital();
            EXPECT_TRUE(capital == 0 || world->IsValidProvince(capital)) << c.name << ": " << n;
        }
    }
}

TEST(CheckRunSettings, RefusedRunWritesNothing) {
    test::TempDir dir;
    auto world = ValidWorld();
    world->ProgramFolder = dir.str();
    world->Settings.NationCount = 9;
    test::RecordingDialogs dialogs;
    test::ScriptedRandom random;
    EXPECT_EQ(GenerateWorld(*world, random, dialogs).end, RunEnd::Refused);
    EXPECT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(dialogs.confirms.empty());
    EXPECT_TRUE(random.asked.empty());
    // Nothing but the folder's lock file.
    for (const auto& entry : std::filesystem::directory_iterator(dir.path))
        EXPECT_EQ(entry.path().filename(), FolderLock::kFileName);
}
