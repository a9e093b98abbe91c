#include "engine/Majors.h"

#include <algorithm>
#include <array>
#include <string>

#include "base/TextFile.h"

namespace tq3 {

std::bitset<256> MajorsFromTags(const World& world, int& count) {
    std::bitset<256> majors;
    count = 0;
    // SpecifiedMajors holds up to 8 tags; missing ones stay empty.
    std::array<std::string, 8> tags{};
    SplitStrings(world.Settings.SpecifiedMajors, tags, 7);
    for (const std::string& tag : tags) {
        if (tag.empty()) continue;
        for (int n = 1; n <= world.NationCountLoaded(); ++n) {
            if (world.Nations[n].Tag == tag) {
                majors.set(n);
                ++count;
                break;
            }
        }
    }
    return majors;
}

int DrawableMajorCount(const World& world) {
    // The draw is RandInt(NationCount) + 1, kept inside the 256-bit set of majors.
    return std::clamp(static_cast<int>(world.Settings.NationCount), 1, 255);
}

void SelectMajors(World& world, RandomSource& random) {
    TGeneratorSettings& s = world.Settings;
    world.MajorNations.reset();
    if (!s.IsRandomMajor) {
        // Majors given by tag: MajorCount becomes the number of tags found.
        int count = 0;
        world.MajorNations = MajorsFromTags(world, count);
        s.MajorCount = static_cast<int8_t>(count);
        return;
    }
    // Random majors: MajorCount distinct nations from 1..NationCount. Never more than can be
    // drawn, so the draw always ends (a run with more is refused before it starts).
    const int range = std::min(static_cast<int>(s.NationCount), 255);
    const int wanted = std::min(static_cast<int>(s.MajorCount), DrawableMajorCount(world));
    for (int i = 0; i < wanted; ++i) {
        int n;
        do {
            n = random.RandInt(range) + 1;
        } while (world.MajorNations[n]);
        world.MajorNations.set(n);
    }
}

}  // namespace tq3
