#include "session/SeedSweep.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "config/Adjacency.h"
#include "config/ProvinceTemplate.h"
#include "engine/GeneratorMode.h"
#include "engine/RunChecks.h"
#include "engine/RunProgress.h"
#include "engine/ScenarioDraws.h"
#include "output/ScenarioFile.h"
#include "session/RunInputs.h"
#include "session/WorldDraws.h"

namespace tq3 {

namespace {
// Seeds a worker takes at a time, and how many such chunks may wait for their turn: the rows
// held at once stay bounded whatever the number of seeds.
constexpr uint64_t kChunkSeeds = 32;
constexpr uint64_t kChunksAheadPerWorker = 4;
// How often the caller looks at `cancel` while it waits for rows.
constexpr auto kCancelPoll = std::chrono::milliseconds(20);

// The run's file steps in memory: the tables come from the load, nothing is written, and
// the values the files would carry are drawn as the writers draw them.
class MemorySteps final : public RunFileSteps {
  public:
    MemorySteps(const NeighbourTable& placement, const NeighbourTable& map,
                const std::string& templateText, const std::string& templateFile)
        : placement_(placement),
          map_(map),
          templateText_(templateText),
          templateFile_(templateFile) {}
    void LoadAdjacency(World& world, bool mapTable) override {
        world.Neighbours = mapTable ? map_ : placement_;
        if (mapTable) world.MapAdjacencyRead = true;
    }
    void RestoreProtectedRegions(World& world, bool europe, bool asia) override {
        ReadProvinceTemplate(world, quiet_, templateText_, templateFile_, europe, asia);
    }
    void GoodsAndTaxTables(World& world, RandomSource& random) override {
        DrawGoodsPrices(world, random);
    }
    void ScenarioFiles(World& world, RandomSource& random) override {
        // A scenario name that would leave Scenarios/ refuses the sweep before it starts.
        if (IsPlainScenarioFileName(world.Settings.ScenarioFileName))
            DrawScenarioValues(world, random);
    }

  private:
    const NeighbourTable& placement_;
    const NeighbourTable& map_;
    const std::string& templateText_;
    const std::string& templateFile_;
    QuietDialogs quiet_;
};
}  // namespace

bool SeedSweep::Check(const World& loaded, Dialogs& dialogs) {
    if (ModeOf(loaded.Settings.GeneratorMode) == GeneratorMode::MapOnly) {
        dialogs.Error(
            "GeneratorMode is 1 (map only): such a run places no nations, so there is no balance "
            "between majors to measure. Sweep with GeneratorMode 0 or 2.");
        return false;
    }
    return CheckRunInputs(loaded, dialogs) && CheckRunSettings(loaded, dialogs);
}

SeedSweep::SeedSweep(const World& loaded)
    : loaded_(std::make_unique<World>(loaded)),
      placement_(std::make_unique<NeighbourTable>(loaded.Neighbours)) {
    // A run reads these again mid-way; what a failed read leaves is what the run would keep.
    QuietDialogs quiet;
    ReadPlacementAdjacency(*loaded_, quiet, *placement_);
    const std::string file = GamePath(loaded_->ProgramFolder, GameFiles::ProvinceTemplate);
    templateFile_ = AbsolutePath(file);
    if (!ReadTextFile(quiet, file, templateText_)) templateText_.clear();
}

SeedSweep::~SeedSweep() = default;

WorldBalance SeedSweep::Measure(uint64_t seed, World& scratch) const {
    scratch = *loaded_;
    Random random(seed);
    QuietDialogs quiet;
    MemorySteps steps(*placement_, loaded_->Neighbours, templateText_, templateFile_);
    DrawWorld(scratch, random, quiet, steps);
    return MeasureBalance(scratch);
}

uint64_t SeedSweep::Run(uint64_t first, uint64_t last, int jobs,
                        const std::function<void(const SweepRow&)>& onRow,
                        const std::atomic<bool>& cancel) const {
    // An empty range, or the whole of 0..2^64-1, which no count can hold.
    if (last < first || last - first == UINT64_MAX) return 0;
    const uint64_t count = last - first + 1;
    const uint64_t chunks = (count + kChunkSeeds - 1) / kChunkSeeds;
    const int workers = static_cast<int>(std::clamp<uint64_t>(jobs, 1, chunks));
    const uint64_t ahead = kChunksAheadPerWorker * static_cast<uint64_t>(workers);

    std::mutex mutex;
    std::condition_variable changed;
    std::map<uint64_t, std::vector<SweepRow>> finished;  // chunk -> its rows
    uint64_t nextChunk = 0, given = 0;                   // chunks handed out, chunks given
    bool stopping = false;

    // Each worker takes the next chunk while it is not too far ahead of the rows given.
    const auto work = [&] {
        auto scratch = std::make_unique<World>();
        for (;;) {
            uint64_t chunk;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] {
                    return stopping || nextChunk >= chunks || nextChunk < given + ahead;
                });
                if (stopping || nextChunk >= chunks) return;
                chunk = nextChunk++;
            }
            std::vector<SweepRow> rows;
            // Counted from the chunk's first seed, so that a range ending at the highest seed
            // does not wrap.
            const uint64_t from = first + chunk * kChunkSeeds;
            const uint64_t seeds = std::min(kChunkSeeds, count - chunk * kChunkSeeds);
            for (uint64_t i = 0; i < seeds && !cancel.load(std::memory_order_relaxed); ++i)
                rows.push_back({from + i, Measure(from + i, *scratch)});
            std::lock_guard lock(mutex);
            finished.emplace(chunk, std::move(rows));
            changed.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) threads.emplace_back(work);

    // Rows go out in seed order, chunk after chunk, as each next chunk is complete.
    uint64_t rowsGiven = 0;
    const auto giveChunk = [&](const std::vector<SweepRow>& rows) {
        for (const SweepRow& row : rows) onRow(row);
        rowsGiven += rows.size();
    };
    bool complete = true;
    for (uint64_t chunk = 0; chunk < chunks; ++chunk) {
        std::vector<SweepRow> rows;
        {
            std::unique_lock lock(mutex);
            while (!finished.contains(chunk) && !cancel.load()) changed.wait_for(lock, kCancelPoll);
            if (!finished.contains(chunk)) break;
            rows = std::move(finished[chunk]);
            finished.erase(chunk);
        }
        const uint64_t expected = std::min(kChunkSeeds, count - chunk * kChunkSeeds);
        complete = rows.size() == expected;
        giveChunk(rows);
        {
            std::lock_guard lock(mutex);
            ++given;
            changed.notify_all();
        }
        if (!complete) break;
    }

    // Cancelled: the workers end within a world; what they finished in order still counts.
    {
        std::lock_guard lock(mutex);
        stopping = true;
        changed.notify_all();
    }
    for (std::thread& t : threads) t.join();
    for (uint64_t chunk = given; complete && finished.contains(chunk); ++chunk) {
        const uint64_t expected = std::min(kChunkSeeds, count - chunk * kChunkSeeds);
        complete = finished[chunk].size() == expected;
        giveChunk(finished[chunk]);
        given = chunk + 1;
    }
    return rowsGiven;
}

}  // namespace tq3
