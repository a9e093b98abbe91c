#include "mapeditor/model/MajorsSelection.h"

#include <strings.h>
#include <algorithm>
#include <cctype>

#include "base/TextFile.h"

namespace tq3 {

namespace {
constexpr int NumberDigits = 3;  // nation numbers go up to 208

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Moves capital c to nation n (steps of the OK of majors selection), recording each write.
void MoveCapital(World& world, int n, int c, Dialogs& dialogs, WorldEdit& edit) {
    // The old capital is given up only while n still holds it.
    const int old = world.Nations[n].Capital();
    if (world.IsValidProvince(old) && world.Provinces[old].Owner == n)
        edit.Set(world, EditField::Owner, old, 0);
    edit.Set(world, EditField::NationSpecifics, n, world.Nations[n].Specifics | SpecFixedStartLoc);
    const int prev = world.Provinces[c].Owner;
    edit.Set(world, EditField::NationProvince, n, c, 1);
    edit.Set(world, EditField::Owner, c, n);
    if (prev <= 0 || prev == n || !world.IsValidNation(prev)) return;

    // The displaced nation moves to the first unowned province above c; the search does not
    // look at terrain.
    for (int j = c + 1; j <= world.ProvinceCount(); ++j) {
        if (world.Provinces[j].Owner <= 0) {
            edit.Set(world, EditField::NationProvince, prev, j, 1);
            edit.Set(world, EditField::Owner, j, prev);
            return;
        }
    }
    // No unowned province is left: prev loses c from its list, its next province (if any)
    // becoming its capital.
    auto& owned = world.Nations[prev].OwnedProvinces;
    for (int slot = 1; slot <= NationProvinceSlots && owned[slot] != 0; ++slot) {
        if (owned[slot] != c) continue;
        for (int k = slot; k <= NationProvinceSlots && owned[k] != 0; ++k)
            edit.Set(world, EditField::NationProvince, prev,
                     k < NationProvinceSlots ? owned[k + 1] : 0, k);
        break;
    }
    dialogs.Error("No unowned province is left for " + world.Nations[prev].Tag + " : " +
                  world.Nations[prev].Name + ", which lost province " + std::to_string(c) + " (" +
                  world.Provinces[c].Name + ") to " + world.Nations[n].Tag +
                  "; it keeps no new capital.");
}
}  // namespace

std::vector<NationEntry> BuildNationList(const World& world) {
    // Each entry carries its number at its end, two blanks ahead of it, so that the number
    // travels with the text while the list sorts itself.
    std::vector<std::string> texts;
    for (int n = 1; n <= world.NationCountLoaded(); ++n)
        texts.push_back(NationCaption(world, n) + "  " + std::to_string(n));
    // Alphabetical as a list box sorts: letters compared without case.
    std::stable_sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    });

    std::vector<NationEntry> list;
    for (const std::string& text : texts) {
        const std::size_t cut = text.size() - NumberDigits;
        list.push_back({Trimmed(text.substr(0, cut)), ParseInteger(Trimmed(text.substr(cut)))});
    }
    return list;
}

std::string NationCaption(const World& world, int nation) {
    if (!world.IsValidNation(nation)) return {};
    return world.Nations[nation].Tag + ": " + world.Nations[nation].Name;
}

int FindNationByTag(const World& world, const std::string& tag) {
    for (int n = 1; n <= world.NationCountLoaded(); ++n)
        if (world.Nations[n].Tag == tag) return n;
    return 0;
}

int NationOfTypedText(const World& world, const std::string& text) {
    return FindNationByTag(world, text.substr(0, std::min<std::size_t>(3, text.size())));
}

MajorRows RowsFromSpecifiedMajors(const World& world) {
    MajorRows rows{};
    std::array<std::string, MajorRowCount> tags{};
    SplitStrings(world.Settings.SpecifiedMajors, tags, MajorRowCount - 1);
    for (int i = 0; i < MajorRowCount; ++i) {
        if (tags[i].empty()) continue;
        const int n = FindNationByTag(world, tags[i]);
        if (n > 0) rows[i] = MajorRow{true, n, 0};
    }
    return rows;
}

bool IsRowCapital(const MajorRows& rows, int p) {
    return std::any_of(rows.begin(), rows.end(),
                       [p](const MajorRow& row) { return row.capital == p; });
}

bool ApplyMajors(World& world, const MajorRows& rows, Dialogs& dialogs, WorldEdit& edit) {
    std::bitset<256> majors;
    std::string specified;
    edit.SetMajors(world, specified, majors);
    for (const MajorRow& row : rows) {
        // A ticked row without a loaded nation chooses nothing.
        if (!row.enabled || !world.IsValidNation(row.nation)) continue;
        const int n = row.nation;
        if (majors[n]) {
            dialogs.Error(world.Nations[n].Tag + " : " + world.Nations[n].Name +
                          " is selected more than once!");
            return false;
        }
        majors.set(n);
        specified += world.Nations[n].Tag + ";";
        edit.SetMajors(world, specified, majors);
        if (world.IsValidProvince(row.capital)) MoveCapital(world, n, row.capital, dialogs, edit);
    }
    return true;
}

}  // namespace tq3
