// PNG export: what is written reads back pixel for pixel, and a failed write leaves nothing.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "RenderTestWorld.h"
#include "TestSupport.h"
#include "render/LayerExport.h"
#include "render/MapRenderer.h"
#include "render/PngFile.h"

using namespace tq3;
namespace fs = std::filesystem;

namespace {
std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

PixelBuffer Pattern(int w, int h) {
    PixelBuffer picture(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.SetPixel(x, y, RgbColour(x * 37 % 256, y * 53 % 256, (x + y) * 11 % 256));
    return picture;
}
}  // namespace

TEST(Png, WhatIsWrittenReadsBackPixelForPixel) {
    // Many colours (written as R, G, B) and a map's few (written with a palette).
    PixelBuffer few(40, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            few.SetPixel(x, y, (x / 6 + y / 7) % 3 == 0 ? White : RgbColour(x % 5 * 50, 0, 9));
    for (const PixelBuffer& picture : {Pattern(37, 21), few}) {
        test::TempDir dir;
        const std::string path = (dir.path / "pattern.png").string();
        const PngResult written = WritePng(picture, path);
        ASSERT_TRUE(written) << written.error;
        PngResult read;
        const std::optional<PixelBuffer> back = ReadPng(path, &read);
        ASSERT_TRUE(back) << read.error;
        EXPECT_EQ(back->width, picture.width);
        EXPECT_EQ(back->height, picture.height);
        EXPECT_TRUE(back->pixels == picture.pixels);
        EXPECT_EQ(Entries(dir.path), std::vector<std::string>{"pattern.png"});
    }
}

TEST(Png, AnExistingPictureIsReplacedWhole) {
    test::TempDir dir;
    const fs::path path = dir.path / "map.png";
    ASSERT_TRUE(WritePng(Pattern(40, 30), path.string()));
    ASSERT_TRUE(WritePng(Pattern(5, 5), path.string()));
    const std::optional<PixelBuffer> back = ReadPng(path.string());
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->pixels == Pattern(5, 5).pixels);
    EXPECT_EQ(Entries(dir.path), std::vector<std::string>{"map.png"});
}

// A mistyped target must not cost a game table or any other document: only a PNG image or an
// empty file is replaced by a picture.
TEST(Png, AFileThatIsNotAPictureIsNotReplaced) {
    test::TempDir dir;
    const struct {
        const char* name;
        std::string bytes;
        bool replaced;
    } cases[] = {{"Province.csv", "Id;Name;Coastal\r\n0;Terra Nullius;inland\r\n", false},
                 {"short.png", "\x89PN", false},
                 {"almost.png", std::string("\x89PNG\r\n\x1a\x0d", 8), false},
                 {"empty.png", "", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = dir.path / c.name;
        test::WriteFile(path, c.bytes);
        const PngResult result = WritePng(Pattern(5, 5), path.string());
        EXPECT_EQ(static_cast<bool>(result), c.replaced) << result.error;
        if (c.replaced) continue;
        EXPECT_EQ(result.error, "The picture cannot be written to \"" + path.string() +
                                    "\": it is not a PNG image, so it is not replaced.");
        EXPECT_EQ(test::ReadFile(path), c.bytes);
    }
    EXPECT_EQ(Entries(dir.path),
              (std::vector<std::string>{"Province.csv", "almost.png", "empty.png", "short.png"}));
}

TEST(Png, AFailedWriteReportsTheFileAndLeavesNothing) {
    test::TempDir dir;
    test::WriteFile(dir.path / "file", "x");
    fs::create_directories(dir.path / "taken.png");
    const struct {
        const char* what;
        fs::path path;
        PixelBuffer picture;
    } cases[] = {{"folder missing", dir.path / "missing" / "a.png", Pattern(3, 3)},
                 {"folder is a file", dir.path / "file" / "a.png", Pattern(3, 3)},
                 {"target is a folder", dir.path / "taken.png", Pattern(3, 3)},
                 {"empty picture", dir.path / "empty.png", PixelBuffer()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const PngResult result = WritePng(c.picture, c.path.string());
        EXPECT_FALSE(result);
        EXPECT_NE(result.error.find("\"" + c.path.string() + "\""), std::string::npos)
            << result.error;
    }
    EXPECT_EQ(Entries(dir.path), (std::vector<std::string>{"file", "taken.png"}));
    EXPECT_TRUE(fs::is_empty(dir.path / "taken.png"));
}

TEST(Png, AnUnwritableFolderReportsFailure) {
    test::TempDir dir;
    const fs::path locked = dir.path / "locked";
    fs::create_directories(locked);
    test::WriteFile(locked / "map.png", "old bytes");
    ::chmod(locked.c_str(), 0555);
    if (::access(locked.c_str(), W_OK) == 0) {
        ::chmod(locked.c_str(), 0755);
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    const PngResult result = WritePng(Pattern(4, 4), (locked / "map.png").string());
    ::chmod(locked.c_str(), 0755);
    EXPECT_FALSE(result);
    EXPECT_EQ(Entries(locked), std::vector<std::string>{"map.png"});
    EXPECT_EQ(test::ReadFile(locked / "map.png"), "old bytes");
}

TEST(Png, ReadingSomethingElseFails) {
    test::TempDir dir;
    test::WriteFile(dir.path / "not.png", "not a picture");
    PngResult result;
    EXPECT_FALSE(ReadPng((dir.path / "not.png").string(), &result));
    EXPECT_FALSE(result);
    EXPECT_NE(result.error.find("not.png"), std::string::npos);
}

TEST(LayerExport, WritesTheFiveLayersAndTheMinimap) {
    auto world = rendertest::LandWorld(3);
    rendertest::PlaceAt(*world, 1, 100, 100);
    rendertest::PlaceAt(*world, 2, 120, 110);
    rendertest::PlaceAt(*world, 3, 2000, 900);
    rendertest::SetNeighbours(*world, 1, {2});
    world->Provinces[2].Religion = 1;
    world->Provinces[3].Goods = 8;
    test::TempDir dir;
    const fs::path folder = dir.path / "preview";
    const ExportReport report = WriteLayerPngs(*world, folder.string());
    EXPECT_FALSE(report.HasErrors());
    EXPECT_EQ(report.written.size(), 6u);
    EXPECT_EQ(Entries(folder),
              (std::vector<std::string>{"climate.png", "goods.png", "minimap.png", "political.png",
                                        "religion.png", "terrain.png"}));
    for (MapLayer layer : AllLayers) {
        const std::optional<PixelBuffer> back =
            ReadPng((folder / (std::string(LayerName(layer)) + ".png")).string());
        ASSERT_TRUE(back) << LayerName(layer);
        EXPECT_TRUE(back->pixels == RenderMap(*world, layer).map.pixels) << LayerName(layer);
    }
    const std::optional<PixelBuffer> minimap = ReadPng((folder / "minimap.png").string());
    ASSERT_TRUE(minimap);
    EXPECT_EQ(minimap->width, MinimapWidth);
    EXPECT_TRUE(minimap->pixels == RenderMap(*world, MapLayer::Terrain).minimap.pixels);
}

TEST(LayerExport, AFolderThatCannotBeMadeIsReported) {
    test::TempDir dir;
    test::WriteFile(dir.path / "file", "x");
    const ExportReport report = WriteLayerPngs(World{}, (dir.path / "file" / "sub").string());
    EXPECT_TRUE(report.HasErrors());
    EXPECT_TRUE(report.written.empty());
    ASSERT_EQ(report.failed.size(), 1u);
    EXPECT_NE(report.failed[0].reason.find("file/sub"), std::string::npos);
}
