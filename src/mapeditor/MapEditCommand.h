#pragma once

#include <QUndoCommand>
#include <functional>

#include "mapeditor/model/WorldEdit.h"

namespace tq3 {

// One change made in the map editor as a step of the document's undo stack. The change is
// already in the world when the command is pushed; undo and redo replay its record and then
// call `refresh`, through which the document tells its views.
class MapEditCommand : public QUndoCommand {
  public:
    MapEditCommand(World& world, WorldEdit edit, std::function<void(const WorldEdit&)> refresh,
                   const QString& text);
    void undo() override;
    void redo() override;

    const WorldEdit& Edit() const { return edit_; }

  private:
    World& world_;
    WorldEdit edit_;
    std::function<void(const WorldEdit&)> refresh_;
    bool applied_ = true;  // the first redo (on push) finds the change done
};

}  // namespace tq3
