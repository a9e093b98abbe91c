// tq3gen render: the world as loaded, drawn as the window shows it, into PNG files.

#include "RenderTestWorld.h"
#include "TestSupport.h"
#include "cli/CliSupport.h"
#include "config/SettingsFile.h"
#include "render/MapRenderer.h"
#include "render/PngFile.h"

using namespace tq3;
using namespace clitest;
namespace fs = std::filesystem;

namespace {

struct RenderCommand : ::testing::Test {
    test::TempDir scratch, game;
    void SetUp() override { test::CopyTree(TQ3_TEST_DATA "/mini", game.path); }

    Result Tq3(const std::vector<std::string>& args) { return RunTq3(args, scratch.path); }

    // The world loaded as the command loads it.
    std::unique_ptr<World> Loaded() {
        auto world = std::make_unique<World>();
        world->ProgramFolder = game.str();
        test::RecordingDialogs dialogs;
        EXPECT_FALSE(LoadSettings(*world, dialogs, true).refused);
        return world;
    }
};

}  // namespace

TEST_F(RenderCommand, DrawsTheLinesAndTheLayerOfTheLoadedWorld) {
    const fs::path out = scratch.path / "map.png";
    const Result r =
        Tq3({"render", "--game-dir", game.str(), "--layer", "political", "--out", out.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Wrote " + out.string() + "\n");
    const std::optional<PixelBuffer> png = ReadPng(out.string());
    ASSERT_TRUE(png);
    const MapPictures expected = RenderMap(*Loaded(), MapLayer::Political);
    EXPECT_TRUE(png->pixels == expected.map.pixels);
    EXPECT_GT(rendertest::CountPixels(*png, Black), 0);  // the mini world has lines and marks
}

TEST_F(RenderCommand, AllWritesOneFilePerLayerNamedFromOut) {
    const Result r = Tq3({"render", "--game-dir", game.str(), "--layer", "all", "--out",
                          (scratch.path / "world.png").string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto world = Loaded();
    for (MapLayer layer : AllLayers) {
        const fs::path file = scratch.path / ("world-" + std::string(LayerName(layer)) + ".png");
        EXPECT_NE(r.out.find("Wrote " + file.string() + "\n"), std::string::npos) << r.out;
        const std::optional<PixelBuffer> png = ReadPng(file.string());
        ASSERT_TRUE(png) << file;
        EXPECT_TRUE(png->pixels == RenderMap(*world, layer).map.pixels) << LayerName(layer);
    }
    EXPECT_FALSE(fs::exists(scratch.path / "world.png"));
}

TEST_F(RenderCommand, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {"render", "--game-dir", game.str(), "--layer", "sea", "--out", "x.png"},
        {"render", "--game-dir", game.str(), "--out", "x.png"},
        {"render", "--game-dir", game.str(), "--layer", "terrain"}};
    for (const auto& args : cases) {
        const Result r = Tq3(args);
        EXPECT_EQ(r.status, 2) << args[3];
    }
    EXPECT_FALSE(fs::exists(game.path / "x.png"));
}

TEST_F(RenderCommand, ANonGameFolderOrAFailedWriteExitsWithOne) {
    test::TempDir empty;
    const fs::path out = scratch.path / "map.png";
    Result r =
        Tq3({"render", "--game-dir", empty.str(), "--layer", "terrain", "--out", out.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "\"" + empty.str() +
                         "\" is not a game folder: it has no Config/TQ3Gener.csv. Nothing was "
                         "changed in it.\n");
    EXPECT_FALSE(fs::exists(out));
    EXPECT_TRUE(fs::is_empty(empty.path));

    const fs::path nowhere = scratch.path / "missing" / "map.png";
    r = Tq3({"render", "--game-dir", game.str(), "--layer", "goods", "--out", nowhere.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("\"" + nowhere.string() + "\": its folder"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}
