// From start to the filled window on the demo world: creating the main window (with the
// start-up backup already in place) and its first activation, which loads the whole
// configuration and shows every setting. Target: under 300 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardPaths>
#include <filesystem>
#include <memory>
#include <random>

#include "app/FormGener.h"

using namespace tq3;

namespace fs = std::filesystem;

namespace {

struct BenchDialogs : Dialogs {
    void Error(const std::string&) override {}
    void Info(const std::string&) override {}
    Answer Confirm(const std::string&, Buttons) override { return Answer::Yes; }
    std::optional<std::string> ChooseFolder(const std::string&, bool) override { return {}; }
    void Progress(int) override {}
    void Problem(const std::string&, int, const std::string&) override {}
};

void BM_WindowStartToFilled(benchmark::State& state) {
    const fs::path game = fs::temp_directory_path() /
                          ("tq3gen-bench-window-" + std::to_string(std::random_device{}()));
    fs::copy(fs::path(TQ3_BINARY_DIR) / "demo-game", game, fs::copy_options::recursive);
    BenchDialogs dialogs;
    for (auto _ : state) {
        auto world = std::make_unique<World>();
        world->ProgramFolder = game.string();
        tq3::TFormGener form(*world, dialogs);
        form.FormActivate();
        benchmark::DoNotOptimize(form.Loaded());
    }
    fs::remove_all(game);
}
BENCHMARK(BM_WindowStartToFilled)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The recent folders the window remembers go to Qt's test location, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
