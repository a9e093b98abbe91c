#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/World.h"

namespace tq3 {

// The world fields the map editor may change.
enum class EditField {
    Terrain,          // province
    Climate,          // province
    Goods,            // province
    MineValue,        // province
    Religion,         // province
    Owner,            // province
    NationProvince,   // one slot of a nation's OwnedProvinces (slot 1 is the capital)
    NationSpecifics,  // a nation's Specifics bits
};

struct FieldChange {
    EditField field;
    int index;  // province or nation number
    int slot;   // slot of OwnedProvinces; 0 for the other fields
    int64_t before;
    int64_t after;
};

// One change made in the map editor, kept as every field it wrote with its old and new
// value, so that it can be undone and done again. Writing through Set both changes the
// world and records the change.
class WorldEdit {
  public:
    // Writes value into the field and records it (also when the value stays the same: the
    // province was still painted and its mark is redrawn).
    void Set(World& world, EditField field, int index, int64_t value, int slot = 0);
    // Replaces SpecifiedMajors and MajorNations, keeping their values before the first call.
    void SetMajors(World& world, const std::string& specified, const std::bitset<256>& majors);

    void Undo(World& world) const;
    void Redo(World& world) const;

    bool Empty() const { return changes_.empty() && !majorsChanged_; }
    bool MajorsChanged() const { return majorsChanged_; }
    const std::vector<FieldChange>& Changes() const { return changes_; }
    // Provinces whose drawn fields (terrain, climate, goods, religion, owner) changed, in
    // ascending order without repeats.
    std::vector<int> Provinces() const;

  private:
    std::vector<FieldChange> changes_;
    bool majorsChanged_ = false;
    std::string majorsTextBefore_, majorsTextAfter_;
    std::bitset<256> majorsBefore_, majorsAfter_;
};

// The current value of a field, widened.
int64_t ReadField(const World& world, EditField field, int index, int slot = 0);
void WriteField(World& world, EditField field, int index, int64_t value, int slot = 0);

}  // namespace tq3
