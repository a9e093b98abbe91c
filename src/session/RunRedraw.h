#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "session/FolderSteps.h"
#include "session/FolderTransaction.h"
#include "session/Rerolls.h"
#include "session/RunReport.h"
#include "session/StepStreams.h"

namespace tq3 {

// The world of a run drawn again with other rerolls while the map editor shows it (its Reroll
// menu). Each drawing starts from the world as the run found it and draws every step as
// `generate` with those rerolls would, reading the game folder's tables again and writing
// nothing; before the first step drawn anew the editor may put back what it keeps (its
// paint).
class RunRedraw {
  public:
    // `before`: the world as the run found it; `random`: the run's source before its first
    // draw (copied, never drawn from); `rerolls`: the run's own; `seeds`: where the fresh seeds
    // of the rerolls come from.
    RunRedraw(const World& before, const RandomSource& random, Rerolls rerolls,
              RandomSource& seeds);
    ~RunRedraw();
    RunRedraw(const RunRedraw&) = delete;
    RunRedraw& operator=(const RunRedraw&) = delete;

    // False when the run's source cannot be copied: then no step can be drawn again.
    bool Available() const { return starts_ != nullptr; }
    // The steps the run's generator mode draws, in the run's order.
    std::vector<DrawStep> Steps() const;
    // The rerolls of the world the editor shows: the run writes the world of these.
    const Rerolls& Current() const { return current_; }
    void SetCurrent(Rerolls rerolls) { current_ = std::move(rerolls); }
    // A fresh seed for a reroll, 0 to 999,999,999: short enough to read and type.
    uint64_t FreshSeed();

    // Draws the world of `rerolls` into `world`: the steps before `from`, then `keep` on what
    // they drew, then `from` and every step after it.
    void Draw(World& world, const Rerolls& rerolls, DrawStep from,
              const std::function<void(World&)>& keep = {});

    // The world as the run found it, and where each step began in the world of the run's
    // seed without rerolls.
    const World& Before() const { return *before_; }
    const std::shared_ptr<const StepStarts>& Starts() const { return starts_; }

  private:
    std::unique_ptr<World> before_;
    Rerolls current_;
    RandomSource& seeds_;
    QuietDialogs quiet_;
    RunReport report_;
    FolderTransaction files_;  // never committed: the folder stays as it is
    FolderSteps steps_;
    std::shared_ptr<const StepStarts> starts_;
};

}  // namespace tq3
