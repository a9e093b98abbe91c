// What the check of a run's own files costs next to the run: the six files of a mode-0 run of
// the demo world checked as one set, as the run checks them; a whole run of the same world (its
// draws, its files formatted, checked and landed in a folder in memory where one exists); the
// same run without the check; and the run with the load of the demo folder before it, as
// `generate` makes it (less the program's start and the start-up backup).

#include <benchmark/benchmark.h>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "BenchDemoWorld.h"
#include "base/GamePath.h"
#include "base/Random.h"
#include "config/SettingsFile.h"
#include "session/GameFilesCheck.h"
#include "session/GenerateWorld.h"

using namespace tq3;

namespace fs = std::filesystem;

namespace {

#ifdef __GLIBC__
// Freed memory stays with the process, as tq3gen's main keeps it.
const int kKeepFreedMemory = [] {
    constexpr int Keep = 128 << 20;
    mallopt(M_MMAP_THRESHOLD, Keep / 2);
    mallopt(M_TRIM_THRESHOLD, Keep);
    return Keep;
}();
#endif

// A folder for the runs' files: in memory when /dev/shm exists, so that the syncs of a
// commit cost no disk time.
struct OutFolder {
    fs::path path;
    OutFolder() {
        const fs::path base =
            fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        path = base / ("tq3gen-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(path);
    }
    ~OutFolder() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

std::string Read(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

RunReport RunDemo(const World& loaded, const std::string& out, bool verify = true) {
    World world = loaded;
    world.Settings.GeneratorMode = 0;
    Random random(1);
    QuietDialogs dialogs;
    RunHooks hooks;
    hooks.outFolder = out;
    hooks.verify = verify;
    return GenerateWorld(world, random, dialogs, hooks);
}

void BM_VerifyRunFiles(benchmark::State& state) {
    const World* demo = bench::DemoWorld();
    if (!demo) return state.SkipWithError("build/demo-game is missing");
    OutFolder out;
    const RunReport run = RunDemo(*demo, out.path.string());
    std::map<std::string, std::string> texts;
    for (const std::string& file : run.written)
        texts["\\" + fs::relative(file, out.path).generic_string()] = Read(file);
    GameFileTexts files;
    for (const auto& [path, text] : texts) files.emplace(path, text);
    const VerifySettings settings = VerifySettingsOf(*demo);
    std::size_t findings = 0;
    for (auto _ : state) findings += VerifyGameFiles(files, settings).size();
    if (findings != 0) state.SkipWithError("the demo run's files have findings");
}

// A whole run; range(0) 0 runs it without the check of its own files.
void BM_WholeRun(benchmark::State& state) {
    const World* demo = bench::DemoWorld();
    if (!demo) return state.SkipWithError("build/demo-game is missing");
    OutFolder out;
    const bool verify = state.range(0) != 0;
    for (auto _ : state) benchmark::DoNotOptimize(RunDemo(*demo, out.path.string(), verify));
}

// The demo folder's configuration loaded into a new world, then the whole run, checked.
void BM_LoadAndWholeRun(benchmark::State& state) {
    if (!bench::DemoWorld()) return state.SkipWithError("build/demo-game is missing");
    OutFolder out;
    for (auto _ : state) {
        World world;
        world.ProgramFolder = TQ3_BINARY_DIR "/demo-game";
        QuietDialogs dialogs;
        if (LoadSettings(world, dialogs, true).refused)
            return state.SkipWithError("the load failed");
        benchmark::DoNotOptimize(RunDemo(world, out.path.string()));
    }
}

}  // namespace

BENCHMARK(BM_VerifyRunFiles)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeRun)->ArgName("checked")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadAndWholeRun)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
