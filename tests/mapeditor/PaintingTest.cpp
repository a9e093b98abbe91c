#include <gtest/gtest.h>

#include "EditorTestWorld.h"
#include "TestSupport.h"
#include "mapeditor/model/ProvincePainting.h"

using namespace tq3;
using editortest::Land;

TEST(ToolCodes, EveryPaintingCodeMapsBackToItsLayerAndValue) {
    struct Case {
        PaintLayer layer;
        int first, last, firstCode;
    };
    for (const Case& c :
         {Case{PaintLayer::Terrain, 0, 4, 10}, Case{PaintLayer::Goods, 1, 20, 21},
          Case{PaintLayer::Religion, 1, 10, 41}, Case{PaintLayer::Climate, 0, 8, 51}}) {
        for (int v = c.first; v <= c.last; ++v) {
            const int code = ToolCodeOf({c.layer, v});
            EXPECT_EQ(code, c.firstCode + v - c.first);
            const auto back = PaintToolOf(code);
            ASSERT_TRUE(back.has_value()) << code;
            EXPECT_EQ(back->layer, c.layer);
            EXPECT_EQ(back->value, v);
        }
    }
    // View only, capital picks and the gaps between the layers paint nothing.
    for (int code : {-1, 0, 1, 8, 9, 15, 20, 60, 100}) EXPECT_FALSE(PaintToolOf(code)) << code;
    EXPECT_TRUE(IsCapitalPick(1) && IsCapitalPick(8));
    EXPECT_FALSE(IsCapitalPick(0) || IsCapitalPick(9));
}

TEST(Picking, LowestNumberWithinThirtyWinsAndNothingBeyondNinetyNine) {
    auto world = editortest::EmptyWorld(4);
    Land(*world, 2, 800, 700);  // centre pixel (100, 100)
    Land(*world, 3, 805, 705);
    Land(*world, 4, 1600, 700);
    // Both 2 and 3 are within 30 of the click at pixel (100, 100) -> (800, 700): 2 wins even
    // when the click is nearer to 3.
    EXPECT_EQ(ProvinceAtPixel(*world, 100, 100), 2);
    world->Provinces[2].MapX = 820;
    EXPECT_EQ(ProvinceAtPixel(*world, 101, 101), 2);  // (808, 707): 2 at 19, 3 at 5
    // 99 game units away is still picked, 100 is not; sea is never picked.
    auto far = editortest::EmptyWorld(2);
    Land(*far, 1, 899, 0);
    EXPECT_EQ(ProvinceAtPixel(*far, 100, 0), 1);  // 800 is 99 away
    far->Provinces[1].MapX = 900;
    EXPECT_EQ(ProvinceAtPixel(*far, 100, 0), 0);
    far->Provinces[2].MapX = 800;
    EXPECT_EQ(ProvinceAtPixel(*far, 100, 0), 0);
}

TEST(SelectionRect, GrowsOnlyRightAndDownWithinOneToAThousand) {
    SelectionRect r = SelectionRect::PressedAt(50, 60);
    EXPECT_FALSE(r.visible);
    EXPECT_EQ(r.width, 1);
    r.DragTo(70, 65);
    EXPECT_TRUE(r.visible);
    EXPECT_EQ(r.width, 20);
    EXPECT_EQ(r.height, 5);
    r.DragTo(10, 10);  // left and up: a 1-pixel side, never negative
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(r.width, 1);
    EXPECT_EQ(r.height, 1);
    r.DragTo(5000, 3000);
    EXPECT_EQ(r.width, 1000);
    EXPECT_EQ(r.height, 1000);
    // Edges included.
    r.DragTo(70, 65);
    for (PixelPoint in :
         {PixelPoint{50, 60}, PixelPoint{70, 65}, PixelPoint{50, 65}, PixelPoint{60, 62}})
        EXPECT_TRUE(r.Contains(in)) << in.x << "," << in.y;
    for (PixelPoint out :
         {PixelPoint{49, 60}, PixelPoint{71, 65}, PixelPoint{60, 66}, PixelPoint{60, 59}})
        EXPECT_FALSE(r.Contains(out)) << out.x << "," << out.y;
}

TEST(PaintSelection, PaintsLandWhoseCentreIsInsideEdgesIncludedAndNothingElse) {
    auto world = editortest::EmptyWorld(6);
    Land(*world, 1, 80, 70);         // (10, 10): top-left corner
    Land(*world, 2, 167, 146);       // (20, 20): bottom-right corner
    Land(*world, 3, 168, 70);        // (21, 10): one pixel right of the edge
    Land(*world, 4, 80, 147);        // (10, 21): one pixel below
    world->Provinces[5].MapX = 120;  // sea at (15, 15)
    world->Provinces[5].MapY = 105;
    world->Provinces[5].Climate = 2;
    SelectionRect r = SelectionRect::PressedAt(10, 10);
    r.DragTo(20, 20);
    test::ScriptedRandom random;
    WorldEdit edit;
    PaintSelection(*world, r, {PaintLayer::Climate, 7}, random, edit);
    EXPECT_EQ(world->Provinces[1].Climate, 7);
    EXPECT_EQ(world->Provinces[2].Climate, 7);
    EXPECT_EQ(world->Provinces[3].Climate, 5);
    EXPECT_EQ(world->Provinces[4].Climate, 5);
    EXPECT_EQ(world->Provinces[5].Climate, 2);
    EXPECT_EQ(edit.Provinces(), (std::vector<int>{1, 2}));

    // A hidden rectangle paints nothing.
    WorldEdit none;
    PaintSelection(*world, SelectionRect::PressedAt(10, 10), {PaintLayer::Climate, 1}, random,
                   none);
    EXPECT_TRUE(none.Empty());
    EXPECT_EQ(world->Provinces[1].Climate, 7);
}

TEST(GoldRule, GoesByTheNameAndDrawsFromTheFirstSevenMineValues) {
    auto world = editortest::EmptyWorld(2);
    Land(*world, 1, 0, 0).Goods = 6;
    world->Provinces[1].MineValue = 30;
    world->Settings.MineValueGenerator[4] = 0x1FF;  // only the low byte is kept
    test::ScriptedRandom random{4, 2};
    WorldEdit edit;
    // Gold again draws a new value.
    ASSERT_TRUE(PaintProvince(*world, 1, {PaintLayer::Goods, 6}, random, edit));
    EXPECT_EQ(world->Provinces[1].MineValue, -1);
    EXPECT_EQ(random.asked, std::vector<int>{7});
    // Any other goods: no mine and no draw.
    PaintProvince(*world, 1, {PaintLayer::Goods, 7}, random, edit);
    EXPECT_EQ(world->Provinces[1].MineValue, 0);
    EXPECT_EQ(random.asked.size(), 1u);

    // The entry named "Gold" gets the mine whatever its code; code 6 renamed gets none.
    world->Settings.GoodsNames[5] = "gold";
    world->Settings.GoodsNames[10] = "Gold";
    PaintProvince(*world, 1, {PaintLayer::Goods, 6}, random, edit);
    EXPECT_EQ(world->Provinces[1].MineValue, 0);
    PaintProvince(*world, 1, {PaintLayer::Goods, 11}, random, edit);
    EXPECT_EQ(world->Provinces[1].MineValue, 30);
    EXPECT_EQ(random.asked.size(), 2u);
}

TEST(PaintProvince, LeavesSeaAndNumbersOutsideTheMapAlone) {
    auto world = editortest::EmptyWorld(3);
    Land(*world, 1, 0, 0);
    test::ScriptedRandom random;
    WorldEdit edit;
    EXPECT_FALSE(PaintProvince(*world, 2, {PaintLayer::Terrain, 1}, random, edit));
    EXPECT_FALSE(PaintProvince(*world, 0, {PaintLayer::Terrain, 1}, random, edit));
    EXPECT_FALSE(PaintProvince(*world, 4, {PaintLayer::Terrain, 1}, random, edit));
    EXPECT_FALSE(PaintProvince(*world, -1, {PaintLayer::Terrain, 1}, random, edit));
    EXPECT_TRUE(edit.Empty());
    EXPECT_EQ(world->Provinces[2].Terrain, TerrainCode::Sea);
    EXPECT_TRUE(PaintProvince(*world, 1, {PaintLayer::Religion, 3}, random, edit));
    EXPECT_EQ(world->Provinces[1].Religion, 3);
}

TEST(WorldEdit, UndoRestoresEveryFieldInReverseAndRedoDoesItAgain) {
    auto world = editortest::EmptyWorld(3);
    Land(*world, 1, 0, 0).Goods = 6;
    world->Provinces[1].MineValue = 12;
    Land(*world, 2, 8, 0);
    test::ScriptedRandom random{3};
    WorldEdit edit;
    PaintProvince(*world, 1, {PaintLayer::Goods, 6}, random, edit);
    PaintProvince(*world, 1, {PaintLayer::Goods, 2}, random, edit);  // same province twice
    PaintProvince(*world, 2, {PaintLayer::Terrain, 4}, random, edit);
    edit.SetMajors(*world, "AAA;", std::bitset<256>().set(3));
    const World after = *world;

    edit.Undo(*world);
    EXPECT_EQ(world->Provinces[1].Goods, 6);
    EXPECT_EQ(world->Provinces[1].MineValue, 12);
    EXPECT_EQ(world->Provinces[2].Terrain, TerrainCode::Plains);
    EXPECT_EQ(world->Settings.SpecifiedMajors, "");
    EXPECT_TRUE(world->MajorNations.none());

    edit.Redo(*world);
    EXPECT_EQ(world->Provinces[1].Goods, after.Provinces[1].Goods);
    EXPECT_EQ(world->Provinces[1].MineValue, 0);
    EXPECT_EQ(world->Provinces[2].Terrain, TerrainCode::Marsh);
    EXPECT_EQ(world->Settings.SpecifiedMajors, "AAA;");
    EXPECT_TRUE(world->MajorNations[3]);
    EXPECT_EQ(edit.Provinces(), (std::vector<int>{1, 2}));
}
