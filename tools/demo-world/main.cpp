// demo-world OUTDIR: writes a complete, invented game folder that tq3gen can run on.

#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>
#include <string>

#include "DemoRandom.h"
#include "GameFolderWriter.h"
#include "NameMaker.h"
#include "NationRoster.h"
#include "NeighbourGraph.h"
#include "ProvinceBlocks.h"
#include "ProvinceLayout.h"
#include "ProvinceTraits.h"

namespace {

constexpr uint64_t kSeed = 0x7133'0001;

// The province ranges of the settings file, from where the provinces were numbered.
ProvinceRanges FindRanges(const DemoWorld& world) {
    ProvinceRanges r;
    auto span = [&](auto&& member, int& lo, int& hi) {
        lo = hi = 0;
        for (int p = 1; p <= kProvinceCount; ++p)
            if (member(world.provinces[p])) {
                if (lo == 0) lo = p;
                hi = p;
            }
    };
    // Europe and the Near East share one block; the Near East areas close it.
    const auto inEurope = [](const DemoProvince& p) {
        return p.land && ProvinceBlocks()[p.block].name == "Europe and the Near East";
    };
    int last = 0;
    span(inEurope, r.europeMin, last);
    span([&](const DemoProvince& p) { return inEurope(p) && p.region == "Near East"; },
         r.nearEastMin, r.nearEastMax);
    r.europeMax = r.nearEastMin - 1;
    span([](const DemoProvince& p) { return p.land && p.region == "North Africa"; },
         r.northAfricaMin, r.northAfricaMax);
    span(
        [](const DemoProvince& p) {
            return p.land && (p.region == "Arctic Isles" || p.region == "Ocean Isles");
        },
        r.islandsMin, r.islandsMax);
    span([](const DemoProvince& p) { return p.land && p.area == "Mediterranean"; },
         r.mediterraneanMin, r.mediterraneanMax);
    return r;
}

void PrintSummary(const DemoWorld& world) {
    int land = 0, minN = 99, maxN = 0, sum = 0;
    std::map<std::string, int> perContinent;
    for (int p = 1; p <= kProvinceCount; ++p) {
        const DemoProvince& pr = world.provinces[p];
        if (!pr.land) continue;
        ++land;
        ++perContinent[pr.continent];
        int n = 0;
        for (int q : world.adjacency.lists[p]) n += world.provinces[q].land;
        minN = std::min(minN, n), maxN = std::max(maxN, n), sum += n;
    }
    std::printf("demo world: %d provinces, %d land, %d sea zones, %zu nations\n", kProvinceCount,
                land, kProvinceCount - land, world.nations.size());
    std::printf("land neighbours per land province: min %d, mean %.2f, max %d\n", minN,
                static_cast<double>(sum) / land, maxN);
    for (const auto& [name, count] : perContinent)
        std::printf("  %s: %d land provinces\n", name.c_str(), count);
}

}  // namespace

int Run(const std::string& folder);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: demo-world OUTDIR\n");
        return 2;
    }
    try {
        return Run(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demo-world: %s\n", e.what());
        return 1;
    }
}

int Run(const std::string& folder) {
    DemoRandom random(kSeed);
    NameMaker names(random);
    DemoWorld world;
    LayOutProvinces(world, random);
    LinkProvinces(world);
    DescribeProvinces(world, random, names);
    world.ranges = FindRanges(world);
    FoundNations(world, random, names);
    std::string error;
    if (!WriteGameFolder(world, folder, error)) {
        std::fprintf(stderr, "demo-world: %s\n", error.c_str());
        return 1;
    }
    PrintSummary(world);
    return 0;
}
