#include "mapeditor/MapDocument.h"

#include <QUndoStack>
#include <algorithm>

#include "mapeditor/MapEditCommand.h"

namespace tq3 {

namespace {
QString PaintText(PaintTool tool, int provinces) {
    const char* what[] = {"terrain", "climate", "goods", "religion"};
    return QString("Paint %1 of %2 province(s)")
        .arg(what[static_cast<int>(tool.layer)])
        .arg(provinces);
}

MapChange ChangeOf(const WorldEdit& edit) {
    const bool nations =
        edit.MajorsChanged() ||
        std::any_of(edit.Changes().begin(), edit.Changes().end(), [](const FieldChange& c) {
            return c.field == EditField::Owner || c.field == EditField::NationProvince ||
                   c.field == EditField::NationSpecifics;
        });
    return {edit.Provinces(), nations, false};
}
}  // namespace

MapDocument::MapDocument(World& world, RandomSource& random, QObject* parent)
    : QObject(parent), world_(world), random_(random), undo_(new QUndoStack(this)) {}

bool MapDocument::Paint(int p, PaintTool tool) {
    WorldEdit edit;
    if (!PaintProvince(world_, p, tool, random_, edit)) return false;
    Push(std::move(edit), PaintText(tool, 1));
    return true;
}

int MapDocument::PaintSelection(const SelectionRect& selection, PaintTool tool) {
    WorldEdit edit;
    tq3::PaintSelection(world_, selection, tool, random_, edit);
    const int painted = static_cast<int>(edit.Provinces().size());
    Push(std::move(edit), PaintText(tool, painted));
    return painted;
}

bool MapDocument::ApplyMajors(const MajorRows& rows, Dialogs& dialogs) {
    WorldEdit edit;
    const bool ok = tq3::ApplyMajors(world_, rows, dialogs, edit);
    Push(std::move(edit), "Apply majors");
    return ok;
}

// The change is in the world already: the command records it, and the views are told.
void MapDocument::Push(WorldEdit edit, const QString& text) {
    if (edit.Empty()) return;
    const MapChange change = ChangeOf(edit);
    undo_->push(new MapEditCommand(
        world_, std::move(edit),
        [this](const WorldEdit& e) {
            MapChange replay = ChangeOf(e);
            replay.replayed = true;
            emit changed(replay);
        },
        text));
    emit changed(change);
}

}  // namespace tq3
