#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/World.h"

namespace tq3 {

// How many provinces a layer of the map differs in between two worlds.
struct LayerChange {
    const char* layer;  // "climate", "religion", "owner", ...
    int provinces;
};

// What differs between the world before a step was drawn again and after it: each province
// layer that differs in the run's order, from `firstLayer` (the first the step draws) on, then
// those before it that the later steps changed; and the number of nations whose drawn values
// (majors, treasury, armies, technology, provinces) differ.
struct WorldChanges {
    std::vector<LayerChange> layers;
    int nations = 0;
};
WorldChanges ChangesBetween(const World& before, const World& after, std::string_view firstLayer);

// The changes as the status bar says them: "religion changed in 212 provinces, culture in 198",
// then "; 8 nations changed"; "no province changed" when no layer differs.
std::string ChangesText(const WorldChanges& changes);

}  // namespace tq3
