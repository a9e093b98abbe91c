#include "session/RunRedraw.h"

#include "session/WorldDraws.h"

namespace tq3 {

namespace {
// The seeds a reroll takes: below a billion.
constexpr int FreshSeedRange = 1'000'000'000;
}  // namespace

RunRedraw::RunRedraw(const World& before, const RandomSource& random, Rerolls rerolls,
                     RandomSource& seeds)
    : before_(std::make_unique<World>(before)),
      current_(std::move(rerolls)),
      seeds_(seeds),
      files_(before.ProgramFolder),
      steps_(quiet_, report_, files_) {
    starts_ = PlainStarts(*before_, random, steps_);
}

RunRedraw::~RunRedraw() = default;

std::vector<DrawStep> RunRedraw::Steps() const {
    std::vector<DrawStep> steps;
    for (const DrawStepName& n : DrawStepNames)
        if (RerollProblem({{n.step, 0}}, before_->Settings.GeneratorMode).empty())
            steps.push_back(n.step);
    return steps;
}

uint64_t RunRedraw::FreshSeed() {
    return static_cast<uint64_t>(seeds_.RandInt(FreshSeedRange));
}

void RunRedraw::Draw(World& world, const Rerolls& rerolls, DrawStep from,
                     const std::function<void(World&)>& keep) {
    world = *before_;
    StepStreams streams(starts_, rerolls);
    if (from != DrawStep::Climate)
        DrawWorld(world, streams, quiet_, steps_, DrawStep::Climate,
                  static_cast<DrawStep>(static_cast<int>(from) - 1));
    if (keep) keep(world);
    DrawWorld(world, streams, quiet_, steps_, from);
}

}  // namespace tq3
