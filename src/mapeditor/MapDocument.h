#pragma once

#include <QObject>
#include <vector>

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "mapeditor/model/MajorsSelection.h"
#include "mapeditor/model/ProvincePainting.h"

class QUndoStack;

namespace tq3 {

// What one edit of the map editor changed, for the views that show the world.
struct MapChange {
    std::vector<int> provinces;  // provinces whose marks changed, ascending
    bool nations = false;        // owners, capitals or the majors changed
    bool replayed = false;       // an undo or a redo: the pictures are drawn whole again
};

// The world being edited in the map editor, its undo stack and the signal that tells every
// view of a change. The editor changes the world only through here: each edit is one step of
// the undo stack, and doing, undoing and redoing it all send `changed`.
class MapDocument : public QObject {
    Q_OBJECT
  public:
    MapDocument(World& world, RandomSource& random, QObject* parent = nullptr);

    const World& Model() const { return world_; }
    QUndoStack* UndoStack() const { return undo_; }

    // Paints land province p with the tool (goods with their mine value, drawn from the
    // random source); false for sea and numbers off the map.
    bool Paint(int p, PaintTool tool);
    // Paints every land province whose centre lies in the visible selection; gives how many.
    int PaintSelection(const SelectionRect& selection, PaintTool tool);
    // The majors panel's OK: applies the rows (as ApplyMajors does); false when a nation was
    // chosen twice, which is reported through dialogs.
    bool ApplyMajors(const MajorRows& rows, Dialogs& dialogs);

  signals:
    void changed(const MapChange& change);

  private:
    void Push(WorldEdit edit, const QString& text);

    World& world_;
    RandomSource& random_;
    QUndoStack* undo_;
};

}  // namespace tq3
