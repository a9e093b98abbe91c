#include "mapeditor/RerollCommand.h"

#include <utility>

namespace tq3 {

RerollCommand::RerollCommand(World& world, std::unique_ptr<World> drawn, RunRedraw& redraw,
                             Rerolls rerolls, DrawStep step, std::function<void()> refresh,
                             const QString& text)
    : QUndoCommand(text),
      world_(world),
      other_(std::move(drawn)),
      redraw_(redraw),
      otherRerolls_(std::move(rerolls)),
      step_(step),
      refresh_(std::move(refresh)) {}

RerollCommand::~RerollCommand() = default;

void RerollCommand::Swap() {
    std::swap(world_, *other_);
    Rerolls shown = redraw_.Current();
    redraw_.SetCurrent(std::move(otherRerolls_));
    otherRerolls_ = std::move(shown);
    if (refresh_) refresh_();
}

}  // namespace tq3
