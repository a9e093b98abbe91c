#include "app/MapEditorLink.h"

#include "mapeditor/MapEditor.h"
#include "mapeditor/MapScreenshots.h"

namespace tq3 {

MapEditorHooks MapEditorHooksFor(Dialogs& dialogs) {
    MapEditorHooks hooks;
    hooks.preview = [&dialogs](World& world, RandomSource& random, QWidget* owner) {
        return ShowScenarioPreview(world, random, dialogs, owner);
    };
    hooks.selectMajors = [&dialogs](World& world, QWidget* owner) {
        return SelectMajorsOnMap(world, dialogs, owner);
    };
    return hooks;
}

int WriteMapEditorScreenshots(const World& world, const std::string& folder) {
    return WriteMapEditorPictures(world, folder) ? 0 : 1;
}

}  // namespace tq3
