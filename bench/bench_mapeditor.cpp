// The map editor window on the demo world (build/demo-game): opening it (creation, first show
// with the nation lists, lines and terrain layer, the first paint), switching layers, and a
// painted rectangle. The target: the window open in under 150 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "BenchDemoWorld.h"
#include "config/SettingsFile.h"
#include "mapeditor/FormMap.h"

#include <QUndoStack>

using namespace tq3;

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_mapeditor";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

using bench::DemoWorld;

void BM_OpenWindow(benchmark::State& state) {
    App();
    World* world = DemoWorld();
    if (!world) return state.SkipWithError("build the demo-game target first");
    QuietDialogs dialogs;
    Random random(1);
    for (auto _ : state) {
        TFormMap form(*world, random, dialogs);
        form.show();
        form.grab();  // the first paint
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond);

void BM_SwitchLayer(benchmark::State& state) {
    App();
    World* world = DemoWorld();
    if (!world) return state.SkipWithError("build the demo-game target first");
    QuietDialogs dialogs;
    Random random(1);
    TFormMap form(*world, random, dialogs);
    form.show();
    int i = 0;
    for (auto _ : state) {
        form.ShowLayer(AllLayers[i++ % AllLayers.size()]);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SwitchLayer)->Unit(benchmark::kMillisecond);

// A rectangle over the whole map painted, then undone.
void BM_PaintWholeMap(benchmark::State& state) {
    App();
    World* world = DemoWorld();
    if (!world) return state.SkipWithError("build the demo-game target first");
    QuietDialogs dialogs;
    Random random(1);
    TFormMap form(*world, random, dialogs);
    form.show();
    for (auto _ : state) {
        form.ImageMapMouseDown(Qt::LeftButton, QPoint(0, 0));
        form.ImageMapMouseMove(QPoint(2359, 1029));
        form.ImageMapMouseUp(Qt::LeftButton, QPoint(2359, 1029));
        form.SelectTool(PaintLayer::Terrain, Index(TerrainCode::Desert));
        form.UndoStack()->undo();
    }
}
BENCHMARK(BM_PaintWholeMap)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
