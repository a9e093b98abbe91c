#include "session/StepStreams.h"

#include <algorithm>

namespace tq3 {

StepStreams::StepStreams(RandomSource& random, bool record)
    : current_(&random), record_(record), recorded_(std::make_shared<StepStarts>()) {}

StepStreams::StepStreams(std::shared_ptr<const StepStarts> plain, Rerolls rerolls)
    : current_(nullptr), plain_(std::move(plain)), rerolls_(std::move(rerolls)) {}

RandomSource& StepStreams::Begin(DrawStep step) {
    const auto index = static_cast<std::size_t>(step);
    if (!plain_) {
        if (record_) (*recorded_)[index] = current_->Clone();
        return *current_;
    }
    const auto reroll = std::find_if(rerolls_.begin(), rerolls_.end(),
                                     [&](const Reroll& r) { return r.step == step; });
    if (reroll != rerolls_.end())
        owned_ = std::make_unique<Random>(reroll->seed);
    else
        owned_ = (*plain_)[index]->Clone();
    current_ = owned_.get();
    return *current_;
}

}  // namespace tq3
