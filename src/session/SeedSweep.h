#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/Dialogs.h"
#include "base/OperationReport.h"
#include "engine/BalanceMeasures.h"
#include "engine/World.h"
#include "session/Rerolls.h"
#include "session/StepStreams.h"

namespace tq3 {

// The most seeds one sweep measures.
inline constexpr uint64_t MaxSweepSeeds = 10'000'000;

// The workers of a sweep: as many as asked for and the seeds need, and as many as the system
// allowed threads for.
struct SweepWorkers {
    int wanted = 0;
    int started = 0;
};

// One measured world of a sweep.
struct SweepRow {
    uint64_t seed = 0;
    WorldBalance balance;
};

// A sweep that keeps one world and varies one step of it: the world of `seed` with
// `rerolls`, with `step` drawn from each seed of the sweep.
struct SweepVariation {
    uint64_t seed = 0;
    Rerolls rerolls;
    DrawStep step = DrawStep::Placement;
};

// Many worlds drawn from one loaded configuration, each measured and none written. The world
// measured for a seed is the world that a run with that seed writes: the same steps on a copy
// of the loaded world, with the tables a run reads again mid-way kept from the load.
class SeedSweep {
  public:
    // Shows why a run on this loaded world would be refused (as `generate` refuses it), or
    // that map-only runs place no nations to measure; the report is refused then.
    static OperationReport Check(const World& loaded, Dialogs& dialogs);

    // Copies the loaded world (as after a full load with the run's settings) and reads the
    // placement adjacency and the province template once. With `vary`, the steps before the
    // varied one are drawn once here.
    explicit SeedSweep(const World& loaded, std::optional<SweepVariation> vary = std::nullopt);
    ~SeedSweep();

    // The world of `seed` (with `vary`: the kept world with the varied step drawn from
    // `seed`), drawn on `scratch` (overwritten), measured.
    WorldBalance Measure(uint64_t seed, World& scratch) const;

    // Measures seeds first..last with `jobs` workers, each on its own copy of the world.
    // `onRow` is called on the calling thread for every row, in seed order whatever the
    // number of workers. Setting `cancel` (it may be set from a signal handler) stops the
    // workers within a world; the rows measured before the first one missing are still
    // given. Gives the number of rows given. When the system refuses a thread, fewer
    // workers measure (none: the calling thread itself); `workers`, when given, receives how
    // many were wanted and started.
    uint64_t Run(uint64_t first, uint64_t last, int jobs,
                 const std::function<void(const SweepRow&)>& onRow, const std::atomic<bool>& cancel,
                 SweepWorkers* workers = nullptr) const;

    const World& Loaded() const { return *loaded_; }

  private:
    std::unique_ptr<World> loaded_;
    std::unique_ptr<NeighbourTable> placement_;
    std::string templateText_;
    std::string templateFile_;
    // With a varied step: the world as that step begins, where each step begins in the
    // stream of the kept seed, and the kept rerolls.
    std::optional<SweepVariation> vary_;
    std::unique_ptr<World> kept_;
    std::shared_ptr<const StepStarts> starts_;
};

}  // namespace tq3
