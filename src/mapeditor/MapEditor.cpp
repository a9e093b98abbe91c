#include "mapeditor/MapEditor.h"

#include "mapeditor/FormMap.h"

namespace tq3 {

bool ShowScenarioPreview(World& world, RandomSource& random, RunRedraw* redraw, Dialogs& dialogs,
                         QWidget* owner) {
    TFormMap form(world, random, dialogs, owner, redraw);
    form.setWindowTitle("Map Editor / Scenario Preview");
    form.SetPreviewMode(true);
    return form.exec() == QDialog::Accepted;
}

bool SelectMajorsOnMap(World& world, Dialogs& dialogs, QWidget* owner) {
    // Majors mode paints nothing, so nothing is drawn from this source.
    Random unused;
    TFormMap form(world, unused, dialogs, owner);
    form.setWindowTitle("Select Majors");
    form.SetPreviewMode(false);
    return form.exec() == QDialog::Accepted;
}

}  // namespace tq3
