#include <gtest/gtest.h>

#include "EditorTestWorld.h"
#include "mapeditor/model/LegendText.h"
#include "mapeditor/model/ProvinceInfo.h"

using namespace tq3;

TEST(ProvinceInfo, TextsOfTheInfoBar) {
    auto world = editortest::EmptyWorld(3);
    TProvince& prov = editortest::Land(*world, 2, 0, 0);
    prov.Terrain = TerrainCode::Mountain;
    prov.Religion = 3;
    prov.Goods = 8;
    prov.Climate = 7;
    prov.IsCoastal = true;
    prov.Manpower = 4;
    prov.Income = -2;
    prov.NativePopulation = 1200;
    const int eng = editortest::AddNation(*world, "ENG", 2, "England");
    ProvinceInfo info = ProvinceInfoOf(*world, 2);
    EXPECT_EQ(info.number, "2");
    EXPECT_EQ(info.name, "P2");
    EXPECT_EQ(info.terrain, "mountain");
    EXPECT_EQ(info.religion, "Protestant");
    EXPECT_EQ(info.goods, "Ivory");
    EXPECT_EQ(info.climate, "7");
    EXPECT_EQ(info.coast, "coast");
    EXPECT_EQ(info.income, "-2");
    EXPECT_EQ(info.nativePopulation, "1200");
    EXPECT_EQ(info.owner, "ENG: England");

    // Codes without a name show nothing; owners outside the loaded nations are "Unowned".
    prov.Religion = 0;
    prov.Goods = 0;
    prov.IsCoastal = false;
    for (int owner : {0, -1, eng + 1, 300}) {
        prov.Owner = static_cast<int16_t>(owner);
        info = ProvinceInfoOf(*world, 2);
        EXPECT_EQ(info.owner, "Unowned") << owner;
    }
    EXPECT_EQ(info.religion, "");
    EXPECT_EQ(info.goods, "");
    EXPECT_EQ(info.coast, "inland");
}

TEST(NationLegend, ColumnsOfTwoAndClicksOnlyOnLoadedNations) {
    auto world = editortest::EmptyWorld(1);
    for (const char* tag : {"A", "B", "C", "D", "E"}) editortest::AddNation(*world, tag, 0);
    EXPECT_EQ(NationLegendWidth(*world), 312);
    EXPECT_EQ(NationLegendSlot(1).left, 0);
    EXPECT_EQ(NationLegendSlot(2).top, 17);
    EXPECT_EQ(NationLegendSlot(5).left, 208);
    EXPECT_EQ(NationLegendSlot(5).top, 0);
    struct Click {
        int x, y, nation;
    };
    for (const Click& c : {Click{0, 0, 1}, Click{103, 16, 1}, Click{104, 0, 3}, Click{50, 17, 2},
                           Click{210, 5, 5}, Click{210, 20, 0},  // the empty sixth slot
                           Click{5, 34, 0}, Click{330, 0, 0}, Click{-1, 0, 0}})
        EXPECT_EQ(NationAtLegendPoint(*world, c.x, c.y), c.nation) << c.x << "," << c.y;
}

TEST(LegendText, ContrastAsTheGuidelinesMeasureIt) {
    struct Case {
        Argb a, b;
        double ratio;
    };
    // Black on white, a colour on itself, and the grey that just passes on white.
    const Case cases[] = {{Black, White, 21.0}, {Silver, Silver, 1.0}, {0xFF767676, White, 4.54}};
    for (const Case& c : cases) {
        EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.01);
        EXPECT_NEAR(ContrastRatio(c.b, c.a), c.ratio, 0.01);
    }
    EXPECT_EQ(TextColourOn(RgbColour(0x00FFFF)), Black);
    EXPECT_EQ(TextColourOn(RgbColour(0x000080)), White);
}
