// Rerolls: a step drawn again from its own seed leaves the layers of the steps before it as
// they were, draws its own layer anew, and leaves a later layer that does not read it alone.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "config/SettingsFile.h"
#include "session/SeedSweep.h"

using namespace tq3;

namespace {

const char* const kDemoGame = TQ3_BINARY_DIR "/demo-game";
constexpr uint64_t kSeed = 741, kRerollSeed = 1234;

// Every value of one layer of a drawn world, as text. Placement gives the provinces of
// nations their nation's faith and calms the sea next to them: the religions of provinces
// that a nation holds in `other` (or `w`) and the storms are left out.
std::string LayerText(const World& w, const World& other, DrawStep step) {
    std::string text;
    const auto add = [&](long v) { text += std::to_string(v) + ","; };
    for (int p = 1; p <= w.ProvinceCount(); ++p) {
        const TProvince& v = w.Provinces[p];
        switch (step) {
            case DrawStep::Climate:
                for (long x : {long{v.Climate}, long{v.HasIce}}) add(x);
                break;
            case DrawStep::Terrain:
                add(static_cast<long>(v.Terrain));
                break;
            case DrawStep::Values:
                for (long x :
                     {long{v.ColonDifficulty}, long{v.TradeNegotiation}, long{v.NativeTolerance},
                      long{v.NativePopulation}, long{v.NativeCombat}})
                    add(x);
                break;
            case DrawStep::Goods:
                for (long x : {long{v.Goods}, long{v.MineValue}}) add(x);
                break;
            case DrawStep::Religions:
                if (v.Owner == 0 && other.Provinces[p].Owner == 0)
                    for (long x : {long{v.Religion}, long{v.Culture}}) add(x);
                break;
            case DrawStep::Majors:
                if (p == 1) text = w.MajorNations.to_string();
                break;
            case DrawStep::Placement:
                for (long x : {long{v.Owner}, long{v.Manpower}, long{v.Income}}) add(x);
                break;
            case DrawStep::Scenario:
                break;
        }
    }
    if (step == DrawStep::Goods)
        for (int16_t price : w.GoodsPrices) add(price);
    if (step == DrawStep::Scenario) {
        for (int c : w.CentresOfTrade.All()) add(c);
        for (int n = 1; n <= w.NationsLoaded; ++n)
            for (long x :
                 {long{w.Nations[n].ConquistadorDeathYear}, long{w.Nations[n].ExplorerDeathYear}})
                add(x);
    }
    return text;
}

bool SameLayer(const World& a, const World& b, DrawStep step) {
    return LayerText(a, b, step) == LayerText(b, a, step);
}

}  // namespace

TEST(Reroll, KeepsEarlierLayersDrawsItsOwnAndLeavesAnIndependentLaterLayer) {
    ASSERT_TRUE(std::filesystem::exists(kDemoGame));
    test::TempDir dir;
    test::CopyTree(kDemoGame, dir.path);
    auto loaded = test::NewWorld();
    loaded->ProgramFolder = dir.str();
    loaded->SettingOverrides = {{"RandomizeGoodsValues", "1"},
                                {"CoTCount", "3"},
                                {"GetConquistador", "1"},
                                {"IsRandomMajor", "1"},
                                {"Temperature", "2"}};
    QuietDialogs quiet;
    ASSERT_FALSE(LoadSettings(*loaded, quiet, true).refused);

    auto plain = test::NewWorld();
    SeedSweep(*loaded).Measure(kSeed, *plain);
    struct Case {
        DrawStep step;
        std::optional<DrawStep> unread;  // a later layer that does not read the rerolled one
    } cases[] = {
        {DrawStep::Climate, DrawStep::Majors},   {DrawStep::Terrain, DrawStep::Majors},
        {DrawStep::Values, DrawStep::Religions}, {DrawStep::Goods, DrawStep::Majors},
        {DrawStep::Religions, DrawStep::Majors}, {DrawStep::Majors, std::nullopt},
        {DrawStep::Placement, std::nullopt},     {DrawStep::Scenario, std::nullopt},
    };
    auto rerolled = test::NewWorld();
    for (const Case& c : cases) {
        SCOPED_TRACE(NameOf(c.step));
        SeedSweep(*loaded, SweepVariation{kSeed, {}, c.step}).Measure(kRerollSeed, *rerolled);
        for (int earlier = 0; earlier < static_cast<int>(c.step); ++earlier)
            EXPECT_TRUE(SameLayer(*rerolled, *plain, DrawStep(earlier)))
                << NameOf(DrawStep(earlier));
        EXPECT_FALSE(SameLayer(*rerolled, *plain, c.step));
        if (c.unread) {
            EXPECT_TRUE(SameLayer(*rerolled, *plain, *c.unread)) << NameOf(*c.unread);
        }
    }
}
