#include <gtest/gtest.h>

#include "EditorTestWorld.h"
#include "TestSupport.h"
#include "mapeditor/model/MajorsSelection.h"

using namespace tq3;
using editortest::AddNation;
using editortest::Land;

namespace {
std::unique_ptr<World> Nations(std::initializer_list<const char*> tags) {
    auto world = editortest::EmptyWorld(20);
    for (int p = 1; p <= 20; ++p) Land(*world, p, p * 10, 0);
    for (const char* tag : tags) AddNation(*world, tag, 0);
    return world;
}
}  // namespace

TEST(NationList, SortedByTagWithNumbersReadBackFromThreeDigits) {
    auto world = editortest::EmptyWorld(1);
    // 208 nations, tags in reverse order of their numbers.
    for (int n = 1; n <= MaxNations; ++n) {
        char tag[4];
        std::snprintf(tag, sizeof tag, "%c%c%c", 'Z' - (MaxNations - n) / 26 % 26,
                      'Z' - (MaxNations - n) % 26, 'A');
        AddNation(*world, tag, 0, "Land " + std::to_string(n));
    }
    const auto list = BuildNationList(*world);
    ASSERT_EQ(list.size(), 208u);
    for (std::size_t k = 0; k < list.size(); ++k) {
        const int n = list[k].nation;
        ASSERT_TRUE(n >= 1 && n <= 208);
        EXPECT_EQ(list[k].text, NationCaption(*world, n));
        EXPECT_EQ(n, static_cast<int>(k) + 1);
    }
    EXPECT_EQ(list.front().nation, 1);
    EXPECT_EQ(list.back().nation, 208);
}

TEST(NationList, SortsWithoutCaseAndKeepsNamesWithBlanksInside) {
    auto world = Nations({"SWE", "eng", "FRA"});
    world->Nations[3].Name = "Kingdom of  France";
    const auto list = BuildNationList(*world);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].text, "eng: Nation eng");
    EXPECT_EQ(list[0].nation, 2);
    EXPECT_EQ(list[1].text, "FRA: Kingdom of  France");
    EXPECT_EQ(list[1].nation, 3);
    EXPECT_EQ(list[2].nation, 1);
}

TEST(RowsFromSpecifiedMajors, ExactTagsEmptyEntriesAndBlanksAsGiven) {
    auto world = Nations({"ENG", "FRA", "SPA", "POR"});
    world->Settings.SpecifiedMajors = "ENG;;SPA; POR;fra;XXX;POR";
    const MajorRows rows = RowsFromSpecifiedMajors(*world);
    EXPECT_TRUE(rows[0].enabled);
    EXPECT_EQ(rows[0].nation, 1);
    EXPECT_FALSE(rows[1].enabled);  // the empty entry
    EXPECT_EQ(rows[2].nation, 3);
    EXPECT_FALSE(rows[3].enabled);  // " POR" matches nothing
    EXPECT_FALSE(rows[4].enabled);  // the tag comparison keeps case
    EXPECT_FALSE(rows[5].enabled);
    EXPECT_EQ(rows[6].nation, 4);
    EXPECT_FALSE(rows[7].enabled);
    for (const MajorRow& row : rows) EXPECT_EQ(row.capital, 0);
}

TEST(TypedNation, FirstThreeCharactersAreTheTagCaseIncluded) {
    auto world = Nations({"ENG", "FRA"});
    EXPECT_EQ(NationOfTypedText(*world, "FRA: whatever"), 2);
    EXPECT_EQ(NationOfTypedText(*world, "fra: France"), 0);
    EXPECT_EQ(NationOfTypedText(*world, "FR"), 0);
    EXPECT_EQ(NationOfTypedText(*world, ""), 0);
}

TEST(ApplyMajors, RebuildsTheListAndMovesCapitalsMarkingFixedStarts) {
    auto world = Nations({});
    const int eng = AddNation(*world, "ENG", 2);
    const int fra = AddNation(*world, "FRA", 5);
    world->Provinces[6].Owner = static_cast<int16_t>(fra);
    world->Provinces[7].Owner = 99;  // out of the nation table: still owned
    world->MajorNations.set(100);
    MajorRows rows{};
    rows[1] = {true, eng, 5};  // takes FRA's capital
    rows[3] = {true, fra, 0};
    rows[4] = {false, eng, 9};  // off: ignored
    test::RecordingDialogs dialogs;
    WorldEdit edit;
    ASSERT_TRUE(ApplyMajors(*world, rows, dialogs, edit));
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(world->Settings.SpecifiedMajors, "ENG;FRA;");
    EXPECT_EQ(world->MajorNations.count(), 2u);
    EXPECT_TRUE(world->MajorNations[eng] && world->MajorNations[fra]);
    EXPECT_EQ(world->Provinces[2].Owner, 0);  // ENG's old capital given up
    EXPECT_EQ(world->Nations[eng].Capital(), 5);
    EXPECT_EQ(world->Provinces[5].Owner, eng);
    EXPECT_TRUE(world->Nations[eng].Has(SpecFixedStartLoc));
    EXPECT_FALSE(world->Nations[fra].Has(SpecFixedStartLoc));
    // FRA moves to the first unowned province above 5: 6 and 7 are owned.
    EXPECT_EQ(world->Nations[fra].Capital(), 8);
    EXPECT_EQ(world->Provinces[8].Owner, fra);

    edit.Undo(*world);
    EXPECT_EQ(world->Nations[eng].Capital(), 2);
    EXPECT_EQ(world->Provinces[2].Owner, eng);
    EXPECT_EQ(world->Provinces[5].Owner, fra);
    EXPECT_EQ(world->Nations[fra].Capital(), 5);
    EXPECT_EQ(world->Provinces[8].Owner, 0);
    EXPECT_FALSE(world->Nations[eng].Has(SpecFixedStartLoc));
    EXPECT_EQ(world->Settings.SpecifiedMajors, "");
    EXPECT_TRUE(world->MajorNations[100]);
}

TEST(ApplyMajors, OldCapitalNoLongerHeldKeepsItsOwnerAndOwnCapitalAgainIsStable) {
    auto world = Nations({});
    const int eng = AddNation(*world, "ENG", 2);
    const int fra = AddNation(*world, "FRA", 3);
    world->Provinces[2].Owner = static_cast<int16_t>(fra);  // ENG lost its capital
    MajorRows rows{};
    rows[0] = {true, eng, 4};
    test::RecordingDialogs dialogs;
    WorldEdit edit;
    ASSERT_TRUE(ApplyMajors(*world, rows, dialogs, edit));
    EXPECT_EQ(world->Provinces[2].Owner, fra);
    EXPECT_EQ(world->Nations[eng].Capital(), 4);

    // OK again with the capital in place gives the same world.
    const World before = *world;
    WorldEdit again;
    ASSERT_TRUE(ApplyMajors(*world, rows, dialogs, again));
    EXPECT_EQ(world->Nations[eng].OwnedProvinces, before.Nations[eng].OwnedProvinces);
    for (int p = 1; p <= 20; ++p) EXPECT_EQ(world->Provinces[p].Owner, before.Provinces[p].Owner);
}

TEST(ApplyMajors, ACapitalAlreadyOwnedByTheNationStaysItsCapital) {
    auto world = Nations({});
    const int eng = AddNation(*world, "ENG", 2);
    world->Nations[eng].OwnedProvinces[2] = 3;
    world->Provinces[3].Owner = static_cast<int16_t>(eng);
    MajorRows rows{};
    rows[0] = {true, eng, 3};
    test::RecordingDialogs dialogs;
    WorldEdit edit;
    ASSERT_TRUE(ApplyMajors(*world, rows, dialogs, edit));
    EXPECT_EQ(world->Nations[eng].Capital(), 3);
    EXPECT_EQ(world->Provinces[3].Owner, eng);
    EXPECT_EQ(world->Provinces[4].Owner, 0);  // no move to a "free" province
}

TEST(ApplyMajors, DuplicateStopsWithItsMessageAndKeepsTheRowsBefore) {
    auto world = Nations({"ENG", "FRA", "SPA"});
    MajorRows rows{};
    rows[0] = {true, 1, 4};
    rows[1] = {true, 3, 0};
    rows[2] = {true, 1, 0};  // ENG again
    rows[3] = {true, 2, 0};
    test::RecordingDialogs dialogs;
    WorldEdit edit;
    EXPECT_FALSE(ApplyMajors(*world, rows, dialogs, edit));
    EXPECT_EQ(dialogs.errors,
              std::vector<std::string>{"ENG : Nation ENG is selected more than once!"});
    EXPECT_EQ(world->Settings.SpecifiedMajors, "ENG;SPA;");
    EXPECT_EQ(world->Nations[1].Capital(), 4);
    EXPECT_FALSE(world->MajorNations[2]);
    EXPECT_FALSE(edit.Empty());
}

TEST(ApplyMajors, ARowWithoutANationChoosesNothing) {
    auto world = Nations({"ENG"});
    MajorRows rows{};
    rows[0] = {true, 0, 5};
    rows[1] = {true, 300, 5};
    test::RecordingDialogs dialogs;
    WorldEdit edit;
    EXPECT_TRUE(ApplyMajors(*world, rows, dialogs, edit));
    EXPECT_EQ(world->Settings.SpecifiedMajors, "");
    EXPECT_EQ(world->Provinces[5].Owner, 0);
}

TEST(ApplyMajors, NoFreeProvinceLeftEndsTheSearchAndTellsTheUser) {
    auto world = Nations({});
    const int eng = AddNation(*world, "ENG", 0);
    const int fra = AddNation(*world, "FRA", 18);
    world->Nations[fra].OwnedProvinces[2] = 19;
    for (int p = 19; p <= 20; ++p) world->Provinces[p].Owner = static_cast<int16_t>(fra);
    // Owned provinces beyond ProvinceCount are not looked at either.
    world->Provinces[21].Owner = 0;
    MajorRows rows{};
    rows[0] = {true, eng, 18};
    test::RecordingDialogs dialogs;
    WorldEdit edit;
    ASSERT_TRUE(ApplyMajors(*world, rows, dialogs, edit));
    EXPECT_EQ(world->Provinces[18].Owner, eng);
    EXPECT_EQ(world->Provinces[21].Owner, 0);
    // FRA keeps its other province, now its capital.
    EXPECT_EQ(world->Nations[fra].OwnedProvinces[1], 19);
    EXPECT_EQ(world->Nations[fra].OwnedProvinces[2], 0);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("FRA : Nation FRA"), std::string::npos);
    edit.Undo(*world);
    EXPECT_EQ(world->Nations[fra].OwnedProvinces[1], 18);
    EXPECT_EQ(world->Nations[fra].OwnedProvinces[2], 19);
}

TEST(RowCapital, AProvinceIsTheCapitalOfOneRowOnly) {
    MajorRows rows{};
    rows[1].capital = 12;
    EXPECT_TRUE(IsRowCapital(rows, 12));
    EXPECT_FALSE(IsRowCapital(rows, 13));
}
