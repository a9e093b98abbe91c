#include "session/SeedSweep.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <system_error>
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
// The chunks of one sweep: handed out to the workers, measured, and given back in seed order.
class SweepChunks {
  public:
    SweepChunks(const SeedSweep& sweep, uint64_t first, uint64_t count, uint64_t ahead,
                const std::atomic<bool>& cancel)
        : sweep_(sweep),
          first_(first),
          count_(count),
          chunks_((count + kChunkSeeds - 1) / kChunkSeeds),
          ahead_(ahead),
          cancel_(cancel) {}

    uint64_t Chunks() const { return chunks_; }
    // The seeds of a chunk: kChunkSeeds, fewer in the last one.
    uint64_t Size(uint64_t chunk) const {
        return std::min(kChunkSeeds, count_ - chunk * kChunkSeeds);
    }

    // A worker: takes the next chunk while it is not too far ahead of the rows given, until
    // none is left or the sweep stops.
    void Work() {
        auto scratch = std::make_unique<World>();
        while (MeasureNext(*scratch, true)) {
        }
    }

    // Takes the next chunk and measures it; false when none is left or the sweep stops.
    // `wait`: wait while the chunk would be too far ahead of the rows given.
    bool MeasureNext(World& scratch, bool wait) {
        uint64_t chunk;
        {
            std::unique_lock lock(mutex_);
            if (wait)
                changed_.wait(
                    lock, [&] { return stopping_ || next_ >= chunks_ || next_ < given_ + ahead_; });
            if (stopping_ || next_ >= chunks_) return false;
            chunk = next_++;
        }
        std::vector<SweepRow> rows;
        // Counted from the chunk's first seed, so that a range ending at the highest seed
        // does not wrap.
        const uint64_t from = first_ + chunk * kChunkSeeds;
        for (uint64_t i = 0; i < Size(chunk) && !cancel_.load(std::memory_order_relaxed); ++i)
            rows.push_back({from + i, sweep_.Measure(from + i, scratch)});
        std::lock_guard lock(mutex_);
        finished_.emplace(chunk, std::move(rows));
        changed_.notify_all();
        return true;
    }

    // The rows of `chunk` once it is measured; false when the sweep is cancelled first.
    bool Wait(uint64_t chunk, std::vector<SweepRow>& rows) {
        std::unique_lock lock(mutex_);
        while (!finished_.contains(chunk) && !cancel_.load()) changed_.wait_for(lock, kCancelPoll);
        if (!finished_.contains(chunk)) return false;
        rows = std::move(finished_[chunk]);
        finished_.erase(chunk);
        ++given_;
        changed_.notify_all();
        return true;
    }

    // Stops the workers: each ends within a world.
    void Stop() {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        changed_.notify_all();
    }

  private:
    const SeedSweep& sweep_;
    const uint64_t first_, count_, chunks_, ahead_;
    const std::atomic<bool>& cancel_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<uint64_t, std::vector<SweepRow>> finished_;  // chunk -> its rows
    uint64_t next_ = 0, given_ = 0;                       // chunks handed out, chunks given
    bool stopping_ = false;
};

// Starts up to `wanted` workers; as many as the system allows threads for.
std::vector<std::thread> StartWorkers(SweepChunks& chunks, int wanted) {
    std::vector<std::thread> threads;
    try {
        for (int w = 0; w < wanted; ++w) threads.emplace_back([&chunks] { chunks.Work(); });
    } catch (const std::system_error&) {
        // The system allows no more threads (a process limit): the sweep goes on with fewer.
    }
    return threads;
}
}  // namespace

OperationReport SeedSweep::Check(const World& loaded, Dialogs& dialogs) {
    if (ModeOf(loaded.Settings.GeneratorMode) == GeneratorMode::MapOnly) {
        OperationReport report;
        report.Refuse(dialogs,
                      "GeneratorMode is 1 (map only): such a run places no nations, so there is "
                      "no balance between majors to measure. Sweep with GeneratorMode 0 or 2.");
        return report;
    }
    OperationReport report = CheckRunInputs(loaded, dialogs);
    if (!report.refused) report = CheckRunSettings(loaded, dialogs);
    return report;
}

SeedSweep::SeedSweep(const World& loaded, std::optional<SweepVariation> vary)
    : loaded_(std::make_unique<World>(loaded)),
      placement_(std::make_unique<NeighbourTable>(loaded.Neighbours)),
      vary_(std::move(vary)) {
    // A run reads these again mid-way; what a failed read leaves is what the run would keep.
    QuietDialogs quiet;
    ReadPlacementAdjacency(*loaded_, quiet, *placement_);
    const std::string file = GamePath(loaded_->ProgramFolder, GameFiles::ProvinceTemplate);
    templateFile_ = AbsolutePath(file);
    if (!ReadTextFile(quiet, file, templateText_)) templateText_.clear();
    if (!vary_) return;

    // The kept world up to the varied step, which every seed then draws anew.
    std::erase_if(vary_->rerolls, [&](const Reroll& r) { return r.step == vary_->step; });
    MemorySteps steps(*placement_, loaded_->Neighbours, templateText_, templateFile_);
    starts_ = PlainStarts(*loaded_, Random(vary_->seed), steps);
    kept_ = std::make_unique<World>(*loaded_);
    StepStreams streams(starts_, vary_->rerolls);
    if (vary_->step != DrawStep::Climate)
        DrawWorld(*kept_, streams, quiet, steps, DrawStep::Climate,
                  static_cast<DrawStep>(static_cast<int>(vary_->step) - 1));
}

SeedSweep::~SeedSweep() = default;

WorldBalance SeedSweep::Measure(uint64_t seed, World& scratch) const {
    QuietDialogs quiet;
    MemorySteps steps(*placement_, loaded_->Neighbours, templateText_, templateFile_);
    if (vary_) {
        scratch = *kept_;
        Rerolls rerolls = vary_->rerolls;
        SetReroll(rerolls, {vary_->step, seed});
        StepStreams streams(starts_, rerolls);
        DrawWorld(scratch, streams, quiet, steps, vary_->step);
    } else {
        scratch = *loaded_;
        Random random(seed);
        DrawWorld(scratch, random, quiet, steps);
    }
    return MeasureBalance(scratch);
}

uint64_t SeedSweep::Run(uint64_t first, uint64_t last, int jobs,
                        const std::function<void(const SweepRow&)>& onRow,
                        const std::atomic<bool>& cancel, SweepWorkers* workers) const {
    // An empty range, or the whole of 0..2^64-1, which no count can hold.
    if (last < first || last - first == UINT64_MAX) return 0;
    const uint64_t count = last - first + 1;
    const uint64_t chunkCount = (count + kChunkSeeds - 1) / kChunkSeeds;
    const int wanted = static_cast<int>(std::clamp<uint64_t>(jobs, 1, chunkCount));
    SweepChunks chunks(*this, first, count, kChunksAheadPerWorker * static_cast<uint64_t>(wanted),
                       cancel);
    std::vector<std::thread> threads = StartWorkers(chunks, wanted);
    if (workers) *workers = {wanted, static_cast<int>(threads.size())};

    // Rows go out in seed order, chunk after chunk, as each next chunk is complete. Without
    // any worker this thread measures each chunk itself first.
    auto scratch = std::make_unique<World>();
    uint64_t rowsGiven = 0, next = 0;
    bool complete = true;
    const auto giveInOrder = [&] {
        for (; complete && next < chunkCount; ++next) {
            if (threads.empty()) chunks.MeasureNext(*scratch, false);
            std::vector<SweepRow> rows;
            if (!chunks.Wait(next, rows)) return;
            for (const SweepRow& row : rows) onRow(row);
            rowsGiven += rows.size();
            complete = rows.size() == chunks.Size(next);
        }
    };
    giveInOrder();

    // Cancelled: the workers end within a world; what they finished in order still counts.
    chunks.Stop();
    for (std::thread& t : threads) t.join();
    giveInOrder();
    return rowsGiven;
}

}  // namespace tq3
