#pragma once

#include <string>

#include "engine/World.h"

namespace tq3 {

// The texts of the province info bar for one province, as 8-bit game text.
struct ProvinceInfo {
    std::string number, religion, name, coast, terrain, climate, goods, manpower, income,
        colonDifficulty, tradeNegotiation, nativeTolerance, nativePopulation, owner;
};

// The info bar's texts for province p (1..ProvinceCount). The terrain word is empty for a
// code outside 0..4, religion and goods names for codes without a name.
ProvinceInfo ProvinceInfoOf(const World& world, int p);

// The nations legend of the political layer: two rows of panels 104 pixels apart, one
// column per two nations.
namespace legend {
constexpr int ColumnWidth = 104;
constexpr int RowHeight = 17;
constexpr int PanelWidth = 103;
constexpr int Rows = 2;
}  // namespace legend

// The legend's width for the loaded nations.
int NationLegendWidth(const World& world);
// Where nation n's panel sits in the legend.
struct LegendSlot {
    int left;
    int top;
};
LegendSlot NationLegendSlot(int nation);
// The nation whose panel holds legend point (x, y); 0 for the empty slots and beyond.
int NationAtLegendPoint(const World& world, int x, int y);

}  // namespace tq3
