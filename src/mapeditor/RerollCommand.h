#pragma once

#include <QUndoCommand>
#include <functional>
#include <memory>

#include "engine/World.h"
#include "session/RunRedraw.h"

namespace tq3 {

// One step of the run drawn again in the map editor, as a step of the document's undo stack:
// it holds the other world (the one drawn, then the one before it) and the other rerolls,
// and each undo and redo swaps them with the document's, then calls `refresh`.
class RerollCommand : public QUndoCommand {
  public:
    RerollCommand(World& world, std::unique_ptr<World> drawn, RunRedraw& redraw, Rerolls rerolls,
                  DrawStep step, std::function<void()> refresh, const QString& text);
    ~RerollCommand() override;
    void undo() override { Swap(); }
    // The first redo (on push) puts the drawn world in place.
    void redo() override { Swap(); }

    DrawStep Step() const { return step_; }

  private:
    void Swap();

    World& world_;
    std::unique_ptr<World> other_;
    RunRedraw& redraw_;
    Rerolls otherRerolls_;
    DrawStep step_;
    std::function<void()> refresh_;
};

}  // namespace tq3
