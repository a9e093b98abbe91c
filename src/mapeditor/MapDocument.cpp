#include "mapeditor/MapDocument.h"

#include <QUndoStack>
#include <algorithm>
#include <array>
#include <memory>

#include "mapeditor/MapEditCommand.h"
#include "mapeditor/RerollCommand.h"
#include "mapeditor/model/LayerChanges.h"

namespace tq3 {

namespace {
QString PaintText(PaintTool tool, int provinces) {
    const char* what[] = {"terrain", "climate", "goods", "religion"};
    return QString("Paint %1 of %2 province(s)")
        .arg(what[static_cast<int>(tool.layer)])
        .arg(provinces);
}

// The step that draws a painted field; none for the fields of majors mode.
std::optional<DrawStep> StepOf(EditField field) {
    switch (field) {
        case EditField::Terrain:
            return DrawStep::Terrain;
        case EditField::Climate:
            return DrawStep::Climate;
        case EditField::Goods:
        case EditField::MineValue:
            return DrawStep::Goods;
        case EditField::Religion:
            return DrawStep::Religions;
        default:
            return std::nullopt;
    }
}

const char* LayerNameOf(EditField field) {
    switch (field) {
        case EditField::Terrain:
            return "terrain";
        case EditField::Climate:
            return "climate";
        case EditField::Religion:
            return "religion";
        default:
            return "goods";
    }
}

// The status bar's name of a step drawn again: "Religions", "Climate".
std::string StepTitle(DrawStep step) {
    std::string title = NameOf(step);
    title[0] = static_cast<char>(title[0] - 'a' + 'A');
    return title;
}

// The first province layer a step draws, as the status line names it; the majors and the
// scenario draw none themselves, and change the owners after them.
const char* FirstLayerOf(DrawStep step) {
    constexpr std::array<const char*, DrawStepCount> first = {
        "climate", "terrain", "economy and natives", "goods", "religion", "owner",
        "owner",   "owner"};
    return first[static_cast<std::size_t>(step)];
}

// "the terrain and religion layers", "the climate layer".
std::string LayersPhrase(const std::vector<std::string>& layers) {
    std::string text = "the ";
    for (std::size_t i = 0; i < layers.size(); ++i)
        text += (i == 0 ? "" : i + 1 == layers.size() ? " and " : ", ") + layers[i];
    return text + (layers.size() == 1 ? " layer" : " layers");
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

QString RerollEntryText(DrawStep step) {
    constexpr std::array<const char*, DrawStepCount> entries = {
        "Draw &climate again",         "Draw &terrain again",   "Draw province &values again",
        "Draw &goods again",           "Draw &religions again", "Draw &majors again",
        "Draw start &placement again", "Draw &scenario again"};
    return entries[static_cast<std::size_t>(step)];
}

MapDocument::MapDocument(World& world, RandomSource& random, RunRedraw* redraw, QObject* parent)
    : QObject(parent),
      world_(world),
      random_(random),
      redraw_(redraw),
      undo_(new QUndoStack(this)) {}

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

std::vector<std::pair<EditField, int>> MapDocument::Painted() const {
    std::vector<std::pair<EditField, int>> painted;
    for (int i = 0; i < undo_->index(); ++i) {
        const QUndoCommand* command = undo_->command(i);
        if (const auto* edit = dynamic_cast<const MapEditCommand*>(command)) {
            for (const FieldChange& c : edit->Edit().Changes())
                if (StepOf(c.field)) painted.emplace_back(c.field, c.index);
        } else if (const auto* reroll = dynamic_cast<const RerollCommand*>(command)) {
            std::erase_if(painted,
                          [&](const auto& f) { return *StepOf(f.first) >= reroll->Step(); });
        }
    }
    std::sort(painted.begin(), painted.end());
    painted.erase(std::unique(painted.begin(), painted.end()), painted.end());
    return painted;
}

std::vector<std::string> MapDocument::PaintedLayersFrom(DrawStep step) const {
    std::vector<EditField> fields;
    for (const auto& [field, p] : Painted())
        if (*StepOf(field) >= step && field != EditField::MineValue) fields.push_back(field);
    std::sort(fields.begin(), fields.end(),
              [](EditField a, EditField b) { return *StepOf(a) < *StepOf(b); });
    std::vector<std::string> layers;
    for (EditField f : fields)
        if (layers.empty() || layers.back() != LayerNameOf(f)) layers.push_back(LayerNameOf(f));
    return layers;
}

std::optional<std::string> MapDocument::Reroll(DrawStep step, Dialogs& dialogs) {
    if (!redraw_) return std::nullopt;
    const DrawStepName& name = DrawStepNames[static_cast<std::size_t>(step)];
    // Painting on a layer drawn anew is lost: the user is told first.
    if (const std::vector<std::string> lost = PaintedLayersFrom(step); !lost.empty()) {
        const std::string question =
            "Drawing the " + std::string(name.layers) + " again draws " + LayersPhrase(lost) +
            " anew, which you painted: that painting is lost (Undo brings it back).\r\n\r\n"
            "Draw the " +
            name.layers + " again?";
        if (dialogs.Confirm(question, Buttons::YesNo) != Answer::Yes) return std::nullopt;
    }
    const uint64_t seed = redraw_->FreshSeed();
    Rerolls rerolls = redraw_->Current();
    SetReroll(rerolls, {step, seed});
    // The world of the new rerolls, with the paint of the layers before the step put back.
    auto drawn = std::make_unique<World>();
    const auto painted = Painted();
    redraw_->Draw(*drawn, rerolls, step, [&](World& before) {
        for (const auto& [field, p] : painted)
            if (*StepOf(field) < step) WriteField(before, field, p, ReadField(world_, field, p));
    });
    const std::string said =
        StepTitle(step) + " drawn again (seed " + std::to_string(seed) +
        "): " + ChangesText(ChangesBetween(world_, *drawn, FirstLayerOf(step)));
    const auto refresh = [this] {
        MapChange whole;
        whole.nations = true;
        whole.replayed = true;
        emit changed(whole);
    };
    undo_->push(new RerollCommand(world_, std::move(drawn), *redraw_, std::move(rerolls), step,
                                  refresh, RerollEntryText(step).remove('&')));
    return said;
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
