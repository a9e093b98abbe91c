// The map renderer on the demo world (build/demo-game, 1620 provinces): each layer alone, the
// adjacency lines, lines and layer together as the window draws them, a whole fresh picture,
// and the worst case of 1620 land provinces with eight neighbours each. The target: lines and
// a layer in under 2 ms.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "BenchDemoWorld.h"
#include "config/SettingsFile.h"
#include "engine/MapTestWorld.h"
#include "render/MapRenderer.h"
#include "render/PngFile.h"

using namespace tq3;

namespace {

using bench::DemoWorld;

// 1620 land provinces on a 54 x 30 grid, 40 pixels apart, each with up to 8 neighbours.
const World* FullLandWorld() {
    static const std::unique_ptr<World> world = [] {
        auto w = maptest::GridWorld(54, 30);
        for (int p = 1; p <= 1620; ++p) {
            w->Provinces[p].MapX = static_cast<int16_t>(((p - 1) % 54 * 43 + 20) * 8);
            w->Provinces[p].MapY = static_cast<int16_t>(((p - 1) / 54 * 34 + 20) * 7);
            w->Provinces[p].Terrain = static_cast<TerrainCode>(p % 5);
            w->Provinces[p].Goods = static_cast<int8_t>(p % 21);
            w->Provinces[p].Religion = static_cast<int8_t>(p % 11);
        }
        return w;
    }();
    return world.get();
}

const World* Require(benchmark::State& state, const World* world) {
    if (world == nullptr) state.SkipWithError("build the demo-game target first");
    return world;
}

void BM_Layer(benchmark::State& state) {
    const World* world = Require(state, DemoWorld());
    if (!world) return;
    const auto layer = static_cast<MapLayer>(state.range(0));
    PixelBuffer map = NewMapPicture(), minimap = NewMinimap();
    for (auto _ : state) {
        DrawLayer(*world, layer, map, minimap);
        benchmark::DoNotOptimize(map.pixels.data());
    }
    state.SetLabel(LayerName(layer));
}
BENCHMARK(BM_Layer)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_AdjacencyLines(benchmark::State& state) {
    const World* world = Require(state, DemoWorld());
    if (!world) return;
    PixelBuffer map = NewMapPicture();
    for (auto _ : state) {
        DrawAdjacencyLines(*world, map);
        benchmark::DoNotOptimize(map.pixels.data());
    }
}
BENCHMARK(BM_AdjacencyLines)->Unit(benchmark::kMicrosecond);

// Lines, then the layer: what the window draws for a layer after its first show.
void LinesAndLayer(benchmark::State& state, const World* world) {
    if (!world) return;
    PixelBuffer map = NewMapPicture(), minimap = NewMinimap();
    for (auto _ : state) {
        DrawAdjacencyLines(*world, map);
        DrawLayer(*world, static_cast<MapLayer>(state.range(0)), map, minimap);
        benchmark::DoNotOptimize(map.pixels.data());
    }
}
void BM_LinesAndLayer(benchmark::State& state) {
    LinesAndLayer(state, Require(state, DemoWorld()));
}
BENCHMARK(BM_LinesAndLayer)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_LinesAndLayerAllLand(benchmark::State& state) {
    LinesAndLayer(state, FullLandWorld());
}
BENCHMARK(BM_LinesAndLayerAllLand)->Arg(0)->Arg(4)->Unit(benchmark::kMicrosecond);

// A fresh white picture, the lines and the terrain layer: one export's drawing.
void BM_RenderMap(benchmark::State& state) {
    const World* world = Require(state, DemoWorld());
    if (!world) return;
    for (auto _ : state) {
        MapPictures pictures = RenderMap(*world, MapLayer::Terrain);
        benchmark::DoNotOptimize(pictures.map.pixels.data());
    }
}
BENCHMARK(BM_RenderMap)->Unit(benchmark::kMicrosecond);

void BM_WritePng(benchmark::State& state) {
    const World* world = Require(state, DemoWorld());
    if (!world) return;
    const PixelBuffer map = RenderMap(*world, MapLayer::Terrain).map;
    const std::string path =
        (std::filesystem::temp_directory_path() / "tq3gen-bench-render.png").string();
    for (auto _ : state) benchmark::DoNotOptimize(WritePng(map, path).ok);
    std::filesystem::remove(path);
}
BENCHMARK(BM_WritePng)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
