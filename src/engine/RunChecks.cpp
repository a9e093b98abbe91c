#include "engine/RunChecks.h"

#include <algorithm>
#include <bitset>
#include <string>

#include "engine/GeneratorMode.h"
#include "engine/Majors.h"
#include "engine/Placement.h"

namespace tq3 {

namespace {
const char* const Refused = "The run cannot start: ";

// Whether some nation that placement moves is sure to take the free draw over the map (the
// draw for RandomStartLoc 6 that repeats until it finds land): every moved nation except a
// StartSiberia one under IsNationSpecifics, and a major under ForceMajortoEurope.
bool SomeNationTakesFreeDraw(const World& world) {
    const TGeneratorSettings& s = world.Settings;
    int possibleMajors = 0;  // moved nations that take the free draw only if not a major
    int tagCount = 0;
    const std::bitset<256> tagMajors = MajorsFromTags(world, tagCount);
    const int drawable = DrawableMajorCount(world);
    for (int n = 1; n <= world.NationCountLoaded(); ++n) {
        if (StaysAtStart(world, n)) continue;
        if (s.IsNationSpecifics && world.Nations[n].Has(SpecStartSiberia)) continue;
        if (!s.ForceMajortoEurope) return true;
        const bool mayBeMajor = s.IsRandomMajor ? s.MajorCount >= 1 && n <= drawable : tagMajors[n];
        if (!mayBeMajor) return true;
        ++possibleMajors;
    }
    // Random majors cover at most MajorCount of the nations that may be majors.
    return s.IsRandomMajor && possibleMajors > std::min<int>(s.MajorCount, drawable);
}

// Why the nation steps of a run could never end under these settings; empty when they can.
// The settings are named as `dialogs` names them.
std::string RunSettingsRefusal(const World& world, Dialogs& dialogs) {
    const TGeneratorSettings& s = world.Settings;
    // A map-only run has no nation steps.
    if (ModeOf(s.GeneratorMode) == GeneratorMode::MapOnly) return {};

    const int loaded = world.NationCountLoaded();
    if (s.NationCount > loaded) {
        const std::string nationCount = dialogs.SettingName("NationCount");
        return std::string(Refused) + nationCount + " is " + std::to_string(s.NationCount) +
               ", but only " + std::to_string(loaded) + " nations are loaded. Set " + nationCount +
               " to " + std::to_string(loaded) + " or less.";
    }
    if (s.IsRandomMajor && s.MajorCount > DrawableMajorCount(world)) {
        const std::string majorCount = dialogs.SettingName("MajorCount");
        const std::string nationCount = dialogs.SettingName("NationCount");
        return std::string(Refused) + majorCount + " is " + std::to_string(s.MajorCount) +
               ", but random majors are drawn from the " +
               std::to_string(DrawableMajorCount(world)) + " nations of " + nationCount +
               ". Lower " + majorCount + " or raise " + nationCount + ".";
    }
    if (s.RandomStartLoc <= 0) return {};

    // Placement: each moved nation takes one free province, by its tries or by the last
    // draw over every free province.
    int moved = 0;
    for (int n = 1; n <= loaded; ++n)
        if (!StaysAtStart(world, n)) ++moved;
    if (moved == 0) return {};
    int free = 0;
    for (int p = 1; p <= world.ProvinceCount(); ++p)
        if (world.Provinces[p].Owner == 0 || !KeepsOwner(world, p)) ++free;
    if (moved > free) {
        const std::string startLoc = dialogs.SettingName("RandomStartLoc");
        return std::string(Refused) + startLoc + " is " + std::to_string(s.RandomStartLoc) +
               " and " + std::to_string(moved) + " nations need a new start province, but only " +
               std::to_string(free) + " provinces are free. Set " + startLoc +
               " to 0 to keep the historical start provinces.";
    }
    if (s.RandomStartLoc >= 6 && !FreeDrawFindsLand(world) && SomeNationTakesFreeDraw(world)) {
        const std::string startLoc = dialogs.SettingName("RandomStartLoc");
        return std::string(Refused) + startLoc + " is " + std::to_string(s.RandomStartLoc) +
               ", which draws start provinces among provinces 1 to " +
               std::to_string(FreeDrawHighest(world)) + ", but none of them is land. Set " +
               startLoc + " below 6.";
    }
    return {};
}
}  // namespace

OperationReport CheckRunSettings(const World& world, Dialogs& dialogs) {
    OperationReport report;
    if (const std::string refusal = RunSettingsRefusal(world, dialogs); !refusal.empty())
        report.Refuse(dialogs, refusal);
    return report;
}

}  // namespace tq3
