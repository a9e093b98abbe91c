#pragma once

#include <QObject>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "mapeditor/model/MajorsSelection.h"
#include "mapeditor/model/ProvincePainting.h"
#include "session/RunRedraw.h"

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
// the undo stack, and doing, undoing and redoing it all send `changed`. With the run's redraw
// (preview mode) it also draws steps of the run again.
class MapDocument : public QObject {
    Q_OBJECT
  public:
    MapDocument(World& world, RandomSource& random, RunRedraw* redraw = nullptr,
                QObject* parent = nullptr);

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

    // The run's redraw, when steps can be drawn again here; none otherwise.
    RunRedraw* Redraw() const { return redraw_; }
    // The layers painted in the world shown that drawing `step` again would draw anew, by
    // name ("terrain", "religion"), in the run's order.
    std::vector<std::string> PaintedLayersFrom(DrawStep step) const;
    // Draws `step` again with a fresh seed as one step of the undo stack; the paint of the
    // layers before it is kept. When a layer the user painted would be drawn anew, `dialogs`
    // asks first, and No draws nothing. Gives what the status bar says; nothing when nothing
    // was drawn.
    std::optional<std::string> Reroll(DrawStep step, Dialogs& dialogs);

  signals:
    void changed(const MapChange& change);

  private:
    void Push(WorldEdit edit, const QString& text);
    // The painted fields of the world shown (field and province): those of the edits done,
    // less those a later reroll drew anew.
    std::vector<std::pair<EditField, int>> Painted() const;

    World& world_;
    RandomSource& random_;
    RunRedraw* redraw_;
    QUndoStack* undo_;
};

// The Reroll menu's entry for `step`, with its mnemonic ("Draw &religions again").
QString RerollEntryText(DrawStep step);

}  // namespace tq3
