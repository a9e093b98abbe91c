#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "engine/World.h"
#include "mapeditor/model/WorldEdit.h"

namespace tq3 {

constexpr int MajorRowCount = 8;

// One entry of the major nation lists: what the user sees ("TAG: Name") and its nation.
struct NationEntry {
    std::string text;
    int nation;
};

// The list of every loaded nation, sorted alphabetically by "TAG: Name  n" (so by tag), each
// nation number read back from the last three characters of that text.
std::vector<NationEntry> BuildNationList(const World& world);

// "TAG: Name", as the window shows a nation.
std::string NationCaption(const World& world, int nation);

// The first loaded nation whose tag equals tag exactly, case included; 0 when none.
int FindNationByTag(const World& world, const std::string& tag);

// A nation typed into a major list: the nation whose tag is the first three characters.
int NationOfTypedText(const World& world, const std::string& text);

// One major row, M1..M8.
struct MajorRow {
    bool enabled = false;
    int nation = 0;   // 0 = none
    int capital = 0;  // province picked as capital, 0 = none
};
using MajorRows = std::array<MajorRow, MajorRowCount>;

// The rows from SpecifiedMajors: entry i of the list (split at ";", not trimmed) fills row i
// when it is the exact tag of a loaded nation; other rows stay off.
MajorRows RowsFromSpecifiedMajors(const World& world);

// Whether p is the capital of any row; a province can be the capital of one row only.
bool IsRowCapital(const MajorRows& rows, int p);

// The OK of majors selection: rebuilds MajorNations and SpecifiedMajors from the enabled
// rows and moves each chosen capital, recording every change in edit. A nation chosen twice
// is reported and stops there (the rows before it stay applied); returns false then. A
// nation displaced from its capital takes the first unowned province above it; when there
// is none up to ProvinceCount, it loses that capital and the user is told.
bool ApplyMajors(World& world, const MajorRows& rows, Dialogs& dialogs, WorldEdit& edit);

}  // namespace tq3
