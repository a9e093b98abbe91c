#pragma once

#include <optional>

#include "base/Random.h"
#include "engine/World.h"
#include "mapeditor/model/WorldEdit.h"
#include "render/MapGeometry.h"

namespace tq3 {

// The map's mouse tools, as kept in the tool code of the map window.
namespace tool {
constexpr int ViewOnly = 0;
constexpr int FirstCapitalPick = 1;  // capital pick for major row n is code n
constexpr int LastCapitalPick = 8;
constexpr int TerrainBase = 10;   // 10..14: Terrain = code - 10
constexpr int GoodsBase = 20;     // 21..40: Goods = code - 20
constexpr int ReligionBase = 40;  // 41..50: Religion = code - 40
constexpr int ClimateBase = 51;   // 51..59: Climate = code - 51
}  // namespace tool

// The four layers a user can paint.
enum class PaintLayer { Terrain, Climate, Goods, Religion };

struct PaintTool {
    PaintLayer layer;
    int value;
};

// The tool code that paints value on layer.
int ToolCodeOf(PaintTool tool);
// The painting tool of a tool code; nothing for view only, capital picks and unused codes.
std::optional<PaintTool> PaintToolOf(int toolCode);
bool IsCapitalPick(int toolCode);

// The rubber-band selection on the map picture, in map-picture pixels. It grows only to the
// right and downwards from the press point; each side is 1..1000 pixels.
struct SelectionRect {
    int left = 0;
    int top = 0;
    int width = 1;
    int height = 1;
    bool visible = false;

    // A press at (x, y): hidden, 1 by 1 at the press point.
    static SelectionRect PressedAt(int x, int y);
    // A drag to (x, y): shown, sides from the press point, limited to 1..1000.
    void DragTo(int x, int y);
    // Edges included.
    bool Contains(PixelPoint pixel) const;
};

// The mine value that goes with goods g: a random one of the first seven MineValueGenerator
// values (its low byte) when the name of g in GoodsNames is exactly "Gold", else 0. Draws
// from random only for gold.
int8_t MineValueFor(const World& world, int goods, RandomSource& random);

// Writes the tool's value into land province p (goods: also its mine value) and records it
// in edit. Sea and numbers outside the map are left alone; returns whether p was painted.
bool PaintProvince(World& world, int p, PaintTool tool, RandomSource& random, WorldEdit& edit);

// Paints every land province whose centre pixel lies inside the visible selection, in
// ascending number; nothing when the selection is hidden.
void PaintSelection(World& world, const SelectionRect& selection, PaintTool tool,
                    RandomSource& random, WorldEdit& edit);

}  // namespace tq3
