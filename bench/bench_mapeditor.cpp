// The map editor window on the demo world (build/demo-game): opening it (creation, first show
// with the nation lists, lines and terrain layer, the first paint), switching layers, a
// painted rectangle, zoom steps and scrolls, a step of the run drawn again. The targets: the
// window open in under 150 ms, a zoom step or a scroll shown again within a frame (16 ms), a
// reroll shown in under 50 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "BenchDemoWorld.h"
#include "config/SettingsFile.h"
#include "mapeditor/FormMap.h"
#include "mapeditor/MapView.h"
#include "session/RunRedraw.h"

#include <QUndoStack>

using namespace tq3;

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_mapeditor";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: at exit Qt's own globals may already be gone (a crash on a scaled
    // screen), and the process ends anyway.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

using bench::DemoWorld;

// The editor shown on the demo world.
struct ShownEditor {
    QuietDialogs dialogs;
    Random random{1};
    TFormMap form;
    explicit ShownEditor(World& world) : form(world, random, dialogs) { form.show(); }
};

// The editor, or nothing (the benchmark skipped) when the demo world has not been built.
std::unique_ptr<ShownEditor> OpenEditor(benchmark::State& state) {
    App();
    World* world = DemoWorld();
    if (!world) {
        state.SkipWithError("build the demo-game target first");
        return nullptr;
    }
    return std::make_unique<ShownEditor>(*world);
}

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
    const auto editor = OpenEditor(state);
    if (!editor) return;
    TFormMap& form = editor->form;
    int i = 0;
    for (auto _ : state) {
        form.ShowLayer(AllLayers[i++ % AllLayers.size()]);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SwitchLayer)->Unit(benchmark::kMillisecond);

// A rectangle over the whole map painted, then undone.
void BM_PaintWholeMap(benchmark::State& state) {
    const auto editor = OpenEditor(state);
    if (!editor) return;
    TFormMap& form = editor->form;
    for (auto _ : state) {
        form.ImageMapMouseDown(Qt::LeftButton, QPoint(0, 0));
        form.ImageMapMouseMove(QPoint(2359, 1029));
        form.ImageMapMouseUp(Qt::LeftButton, QPoint(2359, 1029));
        form.SelectTool(PaintLayer::Terrain, Index(TerrainCode::Desert));
        form.Document().UndoStack()->undo();
    }
}
BENCHMARK(BM_PaintWholeMap)->Unit(benchmark::kMillisecond);

// Paints the part of the map in view, as the screen would show it.
QPixmap ShowView(TFormMap& form) {
    MapView* map = form.ImageMap();
    const QWidget* view = map->parentWidget();
    return map->grab(QRect(-map->pos(), view->size()));
}

// The window at the size it has on a 1366 x 768 screen (a view of about 1200 x 640), or at its
// first size when the size argument is 0.
void Resize(TFormMap& form, int64_t large) {
    if (large) form.resize(1366, 740);
    QApplication::processEvents();
}

// A zoom step and the map shown again at the new zoom; the target is a frame, 16 ms. Away from
// 100 % the map is drawn at the zoom, only the part in view. Arguments: two zooms in percent,
// the window size (1: 1366 x 768).
void BM_ZoomStep(benchmark::State& state) {
    const auto editor = OpenEditor(state);
    if (!editor) return;
    TFormMap& form = editor->form;
    Resize(form, state.range(2));
    const double zooms[] = {state.range(0) / 100.0, state.range(1) / 100.0};
    int i = 0;
    for (auto _ : state) {
        form.SetZoom(zooms[i++ % 2]);
        benchmark::DoNotOptimize(ShowView(form));
    }
}
BENCHMARK(BM_ZoomStep)
    ->Args({25, 33, 0})
    ->Args({100, 200, 0})
    ->Args({25, 33, 1})
    ->Args({75, 100, 1})
    ->Args({100, 200, 1})
    ->Args({300, 400, 1})
    ->Unit(benchmark::kMillisecond);

// A scroll by 200 pixels of the 100 % picture, shown again: the whole view, as after a jump.
// Arguments: the zoom in percent, the window size (1: 1366 x 768).
void BM_Scroll(benchmark::State& state) {
    const auto editor = OpenEditor(state);
    if (!editor) return;
    TFormMap& form = editor->form;
    Resize(form, state.range(1));
    form.SetZoom(state.range(0) / 100.0);
    int i = 0;
    for (auto _ : state) {
        form.ScrollMapTo({(i++ % 6) * 200, 50});
        benchmark::DoNotOptimize(ShowView(form));
    }
}
BENCHMARK(BM_Scroll)
    ->Args({33, 0})
    ->Args({100, 0})
    ->Args({33, 1})
    ->Args({100, 1})
    ->Args({200, 1})
    ->Args({400, 1})
    ->Unit(benchmark::kMillisecond);

// A scroll by a few pixels at a time, as a drag of the scroll bar or the wheel: the window
// draws only the strip that comes into view. Arguments: the zoom in percent, 1366 x 768.
void BM_ScrollStep(benchmark::State& state) {
    const auto editor = OpenEditor(state);
    if (!editor) return;
    TFormMap& form = editor->form;
    Resize(form, state.range(1));
    form.SetZoom(state.range(0) / 100.0);
    constexpr int Steps = 100, StepPixels = 5;
    int i = 0;
    for (auto _ : state) {
        form.ScrollMapTo({700 + (i++ % Steps) * StepPixels, 300});
        QApplication::processEvents();
    }
}
BENCHMARK(BM_ScrollStep)->Args({200, 1})->Args({400, 1})->Unit(benchmark::kMillisecond);

// A step of the run drawn again from the Reroll menu on the world of seed 1, the views shown
// again (the map, the minimap, the legend, the majors panel). Argument: the step, as its place
// in the run (0 climate ... 7 scenario); the political layer is on screen.
void BM_Reroll(benchmark::State& state) {
    App();
    World* loaded = DemoWorld();
    if (!loaded) return state.SkipWithError("build the demo-game target first");
    const Random run(1);
    Random seeds(2);
    RunRedraw redraw(*loaded, run, {}, seeds);
    World world;
    redraw.Draw(world, {}, DrawStep::Climate);
    QuietDialogs dialogs;
    Random random(1);
    TFormMap form(world, random, dialogs, nullptr, &redraw);
    form.show();
    form.ShowLayer(MapLayer::Political);
    QApplication::processEvents();
    const auto step = static_cast<DrawStep>(state.range(0));
    // Each reroll keeps the world before it for Undo: the stack is emptied now and then,
    // outside the time measured.
    constexpr int KeptRerolls = 50;
    for (auto _ : state) {
        form.RerollStep(step);
        benchmark::DoNotOptimize(ShowView(form));
        QApplication::processEvents();
        if (form.Document().UndoStack()->count() >= KeptRerolls) {
            state.PauseTiming();
            form.Document().UndoStack()->clear();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_Reroll)->DenseRange(0, DrawStepCount - 1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
