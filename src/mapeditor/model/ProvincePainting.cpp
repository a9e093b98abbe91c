#include "mapeditor/model/ProvincePainting.h"

#include <algorithm>

namespace tq3 {

namespace {
constexpr int MaxSelectionSide = 1000;
constexpr int MineValueChoices = 7;

EditField FieldOf(PaintLayer layer) {
    switch (layer) {
        case PaintLayer::Terrain:
            return EditField::Terrain;
        case PaintLayer::Climate:
            return EditField::Climate;
        case PaintLayer::Goods:
            return EditField::Goods;
        case PaintLayer::Religion:
            return EditField::Religion;
    }
    return EditField::Terrain;
}
}  // namespace

int ToolCodeOf(PaintTool t) {
    switch (t.layer) {
        case PaintLayer::Terrain:
            return tool::TerrainBase + t.value;
        case PaintLayer::Climate:
            return tool::ClimateBase + t.value;
        case PaintLayer::Goods:
            return tool::GoodsBase + t.value;
        case PaintLayer::Religion:
            return tool::ReligionBase + t.value;
    }
    return tool::ViewOnly;
}

std::optional<PaintTool> PaintToolOf(int code) {
    if (code >= tool::TerrainBase && code < tool::TerrainBase + TerrainCodes)
        return PaintTool{PaintLayer::Terrain, code - tool::TerrainBase};
    if (code > tool::GoodsBase && code <= tool::GoodsBase + GoodsCodes)
        return PaintTool{PaintLayer::Goods, code - tool::GoodsBase};
    // Religions 1..10 can be painted; 11 is a nation's religion only.
    if (code > tool::ReligionBase && code < tool::ReligionBase + ReligionCodes)
        return PaintTool{PaintLayer::Religion, code - tool::ReligionBase};
    if (code >= tool::ClimateBase && code < tool::ClimateBase + ClimateCodes)
        return PaintTool{PaintLayer::Climate, code - tool::ClimateBase};
    return std::nullopt;
}

bool IsCapitalPick(int code) {
    return code >= tool::FirstCapitalPick && code <= tool::LastCapitalPick;
}

SelectionRect SelectionRect::PressedAt(int x, int y) {
    return SelectionRect{x, y, 1, 1, false};
}

void SelectionRect::DragTo(int x, int y) {
    visible = true;
    width = std::clamp(x - left, 1, MaxSelectionSide);
    height = std::clamp(y - top, 1, MaxSelectionSide);
}

bool SelectionRect::Contains(PixelPoint p) const {
    return left <= p.x && p.x <= left + width && top <= p.y && p.y <= top + height;
}

int8_t MineValueFor(const World& world, int goods, RandomSource& random) {
    const TGeneratorSettings& s = world.Settings;
    // Gold is known by its name, not by its code.
    if (World::NameOf(s.GoodsNames, goods) != "Gold") return 0;
    const int k = std::clamp(random.RandInt(MineValueChoices), 0, MineValueChoices - 1);
    return static_cast<int8_t>(static_cast<uint8_t>(s.MineValueGenerator[k] & 0xFF));
}

bool PaintProvince(World& world, int p, PaintTool tool, RandomSource& random, WorldEdit& edit) {
    if (!world.IsValidProvince(p) || !world.Provinces[p].IsLand()) return false;
    edit.Set(world, FieldOf(tool.layer), p, tool.value);
    if (tool.layer == PaintLayer::Goods)
        edit.Set(world, EditField::MineValue, p, MineValueFor(world, tool.value, random));
    return true;
}

void PaintSelection(World& world, const SelectionRect& selection, PaintTool tool,
                    RandomSource& random, WorldEdit& edit) {
    if (!selection.visible) return;
    for (int p = 1; p <= world.ProvinceCount(); ++p) {
        const TProvince& prov = world.Provinces[p];
        if (prov.IsLand() && selection.Contains(MapCentre(prov)))
            PaintProvince(world, p, tool, random, edit);
    }
}

}  // namespace tq3
