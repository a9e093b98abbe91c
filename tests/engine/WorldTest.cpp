#include "TestSupport.h"

using namespace tq3;

TEST(Tenths, ParseAndFormatRoundTrip) {
    struct Case {
        const char* text;
        int tenths;
        const char* formatted;
    };
    for (const Case& c :
         {Case{"2", 20, "2.0"}, Case{"2.", 20, "2.0"}, Case{"0.5", 5, "0.5"}, Case{"0.3", 3, "0.3"},
          Case{"1.25", 12, "1.2"}, Case{"abc", 0, "0.0"}, Case{"1.5", 15, "1.5"},
          Case{"12.5", 125, "12.5"}, Case{"x.7", 7, "0.7"}}) {
        EXPECT_EQ(ParseTenths(c.text), c.tenths) << c.text;
        EXPECT_EQ(FormatTenths(c.tenths), c.formatted) << c.text;
    }
    EXPECT_EQ(FormatTenths(40), "4.0");
}

TEST(ParseInteger, SignsAndGarbage) {
    EXPECT_EQ(ParseInteger("42"), 42);
    EXPECT_EQ(ParseInteger("-7"), -7);
    EXPECT_EQ(ParseInteger("+7"), 7);
    EXPECT_EQ(ParseInteger(""), 0);
    EXPECT_EQ(ParseInteger("-"), 0);
    EXPECT_EQ(ParseInteger("4x"), 0);
    EXPECT_EQ(ParseInteger(" 4"), 0);
    EXPECT_EQ(ParseInteger("99999999999"), 0);
}

TEST(Rounding, HalfToEvenTickets) {
    EXPECT_EQ(RoundHalfEvenDiv(14, 10), 1);
    EXPECT_EQ(RoundHalfEvenDiv(15, 10), 2);
    EXPECT_EQ(RoundHalfEvenDiv(25, 10), 2);
    EXPECT_EQ(RoundHalfEvenDiv(35, 10), 4);
    EXPECT_EQ(RoundHalfEvenDiv(0, 10), 0);
    EXPECT_EQ(RoundHalfEvenDiv(-15, 10), -2);
    EXPECT_EQ(RoundHalfEvenDiv(-25, 10), -2);
    // Remainders above half the int range round without overflow.
    EXPECT_EQ(RoundHalfEvenDiv(1610612735, 2147483647), 1);
    EXPECT_EQ(RoundHalfEvenDiv(1073741823, 2147483646), 0);
    EXPECT_EQ(RoundHalfEvenDiv(-1073741823, 2147483646), 0);
    EXPECT_EQ(PercentOf(150, 33), 49);
    EXPECT_EQ(PercentOf(-150, 33), -49);
}

class RegionQueries : public ::testing::Test {
  protected:
    std::unique_ptr<World> world = test::NewWorld();
    void SetUp() override {
        world->Settings.ProvinceCount = 10;
        world->Settings.ContinentNames[0] = "Europe";
        world->Settings.ContinentNames[1] = "Asia";
        world->Settings.ContinentNames[2] = "Africa";
        world->Settings.AreaNames[0] = "Mediterranean";
        world->Settings.AreaNames[1] = "Siberia";
    }
};

TEST_F(RegionQueries, MediterraneanCountsAsEuropean) {
    world->Provinces[1].Continent = 3;  // Africa
    world->Provinces[1].Area = 1;       // Mediterranean
    world->Provinces[2].Continent = 2;  // Asia
    world->Provinces[2].Area = 2;
    world->Provinces[3].Continent = 1;
    world->Provinces[4].Continent = 11;  // beyond the list
    EXPECT_TRUE(IsEuropean(*world, 1));
    EXPECT_FALSE(IsAsian(*world, 1));
    EXPECT_FALSE(IsEuropean(*world, 2));
    EXPECT_TRUE(IsAsian(*world, 2));
    EXPECT_TRUE(IsEuropean(*world, 3));
    EXPECT_FALSE(IsEuropean(*world, 4));
    EXPECT_FALSE(IsAsian(*world, 4));
}

TEST_F(RegionQueries, FindProvinceAtPrefersLowNumbersWithinEachBound) {
    for (int p = 1; p <= 10; ++p) world->Provinces[p].Terrain = TerrainCode::Sea;
    world->Provinces[2] = TProvince{};
    world->Provinces[2].MapX = 100;  // distance 29 from (71, 0)
    world->Provinces[5] = TProvince{};
    world->Provinces[5].MapX = 71;   // distance 0, but higher number
    world->Provinces[7].MapX = 500;  // sea, never returned
    EXPECT_EQ(FindProvinceAt(*world, 71, 0), 2);
    EXPECT_EQ(FindProvinceAt(*world, 40, 0), 5);  // 31 from 5, 60 from 2: second pass finds 5
    EXPECT_EQ(FindProvinceAt(*world, 500, 0), 0);
    EXPECT_EQ(FindProvinceAt(*world, 199, 0), 2);  // 99 from 2: third pass
}

TEST(RandomSource, SeedReproducesDrawsAndReseeds) {
    Random a(42), b(42), c(43);
    std::vector<int> da, db, dc;
    for (int i = 0; i < 50; ++i) {
        da.push_back(a.RandInt(1000));
        db.push_back(b.RandInt(1000));
        dc.push_back(c.RandInt(1000));
    }
    EXPECT_EQ(da, db);
    EXPECT_NE(da, dc);
    a.Randomize();
    b.Randomize();
    EXPECT_EQ(a.RandInt(1 << 30), b.RandInt(1 << 30));
    EXPECT_EQ(a.RandInt(0), 0);
    EXPECT_EQ(a.RandInt(-3), 0);
    for (int i = 0; i < 1000; ++i) {
        const int v = a.RandInt(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
    }
}
