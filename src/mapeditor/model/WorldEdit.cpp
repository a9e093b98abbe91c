#include "mapeditor/model/WorldEdit.h"

#include <algorithm>

namespace tq3 {

int64_t ReadField(const World& world, EditField field, int index, int slot) {
    switch (field) {
        case EditField::Terrain:
            return Index(world.Provinces[index].Terrain);
        case EditField::Climate:
            return world.Provinces[index].Climate;
        case EditField::Goods:
            return world.Provinces[index].Goods;
        case EditField::MineValue:
            return world.Provinces[index].MineValue;
        case EditField::Religion:
            return world.Provinces[index].Religion;
        case EditField::Owner:
            return world.Provinces[index].Owner;
        case EditField::NationProvince:
            return world.Nations[index].OwnedProvinces[slot];
        case EditField::NationSpecifics:
            return world.Nations[index].Specifics;
    }
    return 0;
}

void WriteField(World& world, EditField field, int index, int64_t value, int slot) {
    switch (field) {
        case EditField::Terrain:
            world.Provinces[index].Terrain = static_cast<TerrainCode>(static_cast<int8_t>(value));
            break;
        case EditField::Climate:
            world.Provinces[index].Climate = static_cast<int8_t>(value);
            break;
        case EditField::Goods:
            world.Provinces[index].Goods = static_cast<int8_t>(value);
            break;
        case EditField::MineValue:
            world.Provinces[index].MineValue = static_cast<int8_t>(value);
            break;
        case EditField::Religion:
            world.Provinces[index].Religion = static_cast<int8_t>(value);
            break;
        case EditField::Owner:
            world.Provinces[index].Owner = static_cast<int16_t>(value);
            break;
        case EditField::NationProvince:
            world.Nations[index].OwnedProvinces[slot] = static_cast<int16_t>(value);
            break;
        case EditField::NationSpecifics:
            world.Nations[index].Specifics = static_cast<uint32_t>(value);
            break;
    }
}

void WorldEdit::Set(World& world, EditField field, int index, int64_t value, int slot) {
    const int64_t before = ReadField(world, field, index, slot);
    WriteField(world, field, index, value, slot);
    // Read back, so that the record holds what the field really keeps.
    changes_.push_back({field, index, slot, before, ReadField(world, field, index, slot)});
}

void WorldEdit::SetMajors(World& world, const std::string& specified,
                          const std::bitset<256>& majors) {
    if (!majorsChanged_) {
        majorsTextBefore_ = world.Settings.SpecifiedMajors;
        majorsBefore_ = world.MajorNations;
        majorsChanged_ = true;
    }
    world.Settings.SpecifiedMajors = specified;
    world.MajorNations = majors;
    majorsTextAfter_ = specified;
    majorsAfter_ = majors;
}

void WorldEdit::Undo(World& world) const {
    for (auto it = changes_.rbegin(); it != changes_.rend(); ++it)
        WriteField(world, it->field, it->index, it->before, it->slot);
    if (majorsChanged_) {
        world.Settings.SpecifiedMajors = majorsTextBefore_;
        world.MajorNations = majorsBefore_;
    }
}

void WorldEdit::Redo(World& world) const {
    for (const FieldChange& c : changes_) WriteField(world, c.field, c.index, c.after, c.slot);
    if (majorsChanged_) {
        world.Settings.SpecifiedMajors = majorsTextAfter_;
        world.MajorNations = majorsAfter_;
    }
}

std::vector<int> WorldEdit::Provinces() const {
    std::vector<int> provinces;
    for (const FieldChange& c : changes_) {
        if (c.field != EditField::NationProvince && c.field != EditField::NationSpecifics &&
            c.field != EditField::MineValue)
            provinces.push_back(c.index);
    }
    std::sort(provinces.begin(), provinces.end());
    provinces.erase(std::unique(provinces.begin(), provinces.end()), provinces.end());
    return provinces;
}

}  // namespace tq3
