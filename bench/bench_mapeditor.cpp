// The map editor window on the demo world (build/demo-game): opening it (creation, first show
// with the nation lists, lines and terrain layer, the first paint), switching layers, and a
// painted rectangle. The target: the window open in under 150 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "BenchDemoWorld.h"
#include "config/SettingsFile.h"
#include "mapeditor/FormMap.h"
#include "mapeditor/MapView.h"

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

// Paints the part of the map in view, as the screen would show it.
QPixmap ShowView(TFormMap& form) {
    MapView* map = form.ImageMap();
    const QWidget* view = map->parentWidget();
    return map->grab(QRect(-map->pos(), view->size()));
}

// A zoom step and the map shown again at the new zoom; the target is a frame, 16 ms. Below
// 100 % the step includes averaging the picture down.
void BM_ZoomStep(benchmark::State& state) {
    App();
    World* world = DemoWorld();
    if (!world) return state.SkipWithError("build the demo-game target first");
    QuietDialogs dialogs;
    Random random(1);
    TFormMap form(*world, random, dialogs);
    form.show();
    const double zooms[] = {state.range(0) / 100.0, state.range(1) / 100.0};
    int i = 0;
    for (auto _ : state) {
        form.SetZoom(zooms[i++ % 2]);
        benchmark::DoNotOptimize(ShowView(form));
    }
}
BENCHMARK(BM_ZoomStep)->Args({25, 33})->Args({100, 200})->Unit(benchmark::kMillisecond);

// A scroll by a third of the view, shown again.
void BM_Scroll(benchmark::State& state) {
    App();
    World* world = DemoWorld();
    if (!world) return state.SkipWithError("build the demo-game target first");
    QuietDialogs dialogs;
    Random random(1);
    TFormMap form(*world, random, dialogs);
    form.show();
    form.SetZoom(state.range(0) / 100.0);
    int i = 0;
    for (auto _ : state) {
        form.ScrollMapTo({(i++ % 6) * 200, 50});
        benchmark::DoNotOptimize(ShowView(form));
    }
}
BENCHMARK(BM_Scroll)->Arg(33)->Arg(100)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
