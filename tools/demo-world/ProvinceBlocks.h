#pragma once

#include <string>
#include <vector>

#include "LandShapes.h"

// What an area of land stands for: its region and the religion its provinces hold in the
// template. Provinces of areas with a shared culture take their region's culture.
struct AreaInfo {
    std::string name;
    std::string region;
    int religion = 1;
    bool regionCulture = false;
};

struct AreaSeed {
    std::string area;  // an area for land, a region for sea
    GeoPoint at;
};

// A run of consecutive province numbers: the land of one part of the world, or a set of sea
// zones. Provinces inside a block are numbered by area (in seed order), then row by row.
struct ProvinceBlock {
    std::string name;
    bool land = true;
    int first = 0, last = 0;
    std::vector<AreaSeed> seeds;

    int Count() const { return last - first + 1; }
};

const std::vector<ProvinceBlock>& ProvinceBlocks();
const std::vector<AreaInfo>& Areas();
const AreaInfo* FindArea(const std::string& name);
// Sea regions, in the order of the sea blocks' seeds.
std::vector<std::string> SeaRegions();

// The land block that owns a point of a shape of the given group; -1 when none does.
int LandBlockOf(LandGroup group, GeoPoint p);
// The sea block that owns a point of open water.
int SeaBlockOf(GeoPoint p);
