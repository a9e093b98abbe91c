#include "mapeditor/MapEditCommand.h"

namespace tq3 {

MapEditCommand::MapEditCommand(World& world, WorldEdit edit,
                               std::function<void(const WorldEdit&)> refresh, const QString& text)
    : QUndoCommand(text), world_(world), edit_(std::move(edit)), refresh_(std::move(refresh)) {}

void MapEditCommand::undo() {
    edit_.Undo(world_);
    applied_ = false;
    if (refresh_) refresh_(edit_);
}

void MapEditCommand::redo() {
    if (applied_) return;
    edit_.Redo(world_);
    applied_ = true;
    if (refresh_) refresh_(edit_);
}

}  // namespace tq3
