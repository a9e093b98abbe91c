#include "mapeditor/MapScreenshots.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <iostream>
#include <memory>

#include "mapeditor/FormMap.h"
#include "mapeditor/LegendBar.h"
#include "mapeditor/MapView.h"
#include "mapeditor/model/MajorsSelection.h"
#include "widgets/Screenshots.h"

namespace tq3 {

namespace {
// Where the pictures' rerolls take their seeds.
constexpr uint64_t RerollSeed = 7;

// The first land province that owns a capital, for a view with something on it.
int FirstCapital(const World& world) {
    for (int n = 1; n <= world.NationCountLoaded(); ++n)
        if (world.IsValidProvince(world.Nations[n].Capital())) return world.Nations[n].Capital();
    return 0;
}

// The preview of the world the run of seed 1 draws: its Reroll menu open
// (map-reroll-menu.png), and the status line after the religions were drawn again
// (map-rerolled.png), on the religion layer.
bool WriteRerollPictures(RunRedraw& redraw, const QDir& dir) {
    ScreenshotDialogs dialogs;
    World drawn;
    redraw.Draw(drawn, {}, DrawStep::Climate);
    Random random(1);
    TFormMap form(drawn, random, dialogs, nullptr, &redraw);
    form.SetPreviewMode(true);
    form.show();
    form.ShowLayer(MapLayer::Religion);
    QMenu* menu = form.RerollMenu();
    auto* bar = form.findChild<QMenuBar*>("MenuBar");
    bar->setActiveAction(menu->menuAction());
    bool ok = SaveWidgetWithPopup(&form, menu, dir, "map-reroll-menu");
    menu->close();
    form.RerollStep(DrawStep::Religions);
    ok = SaveWidgetPicture(&form, dir, "map-rerolled") && ok;
    return ok;
}
}  // namespace

bool WriteMapEditorPictures(const World& loaded, const std::string& folder) {
    ScreenshotDialogs dialogs;
    QDir dir(QString::fromStdString(folder));
    dir.mkpath(".");
    // The pictures work on a copy: painting and majors never reach the caller's world.
    auto world = std::make_unique<World>(loaded);
    Random random(1);
    // The preview draws steps again as a run's does.
    Random seeds(RerollSeed);
    RunRedraw redraw(loaded, random, {}, seeds);
    bool ok = true;
    const int centre = FirstCapital(*world);

    {
        TFormMap form(*world, random, dialogs, nullptr, &redraw);
        form.SetPreviewMode(true);
        form.show();
        ok = SaveScreenWithWindow(&form, dir.filePath("opening-map.png")) && ok;
        // The same window with the whole map fitted into the room its bars leave.
        form.ZoomToFit();
        ok = SaveScreenWithWindow(&form, dir.filePath("opening-map-fit.png")) && ok;
        form.SetZoom(1.0);
        for (MapLayer layer : AllLayers) {
            form.ShowLayer(layer);
            if (centre) form.PanelNationsMouseDown(QPoint(0, 0));  // first nation's capital
            ok = SaveWidgetPicture(&form, dir, QString("map-%1").arg(LayerName(layer))) && ok;
        }
        // The map at the zoom steps, drawn at each zoom: terrain, and goods for the bordered
        // and dotted marks.
        for (MapLayer layer : {MapLayer::Terrain, MapLayer::Goods}) {
            form.ShowLayer(layer);
            form.ZoomToFit();
            ok = SaveWidgetPicture(&form, dir, QString("map-%1-fit").arg(LayerName(layer))) && ok;
            for (int percent : {50, 200, 400}) {
                form.SetZoom(percent / 100.0);
                ok = SaveWidgetPicture(
                         &form, dir, QString("map-%1-zoom%2").arg(LayerName(layer)).arg(percent)) &&
                     ok;
            }
            form.SetZoom(1.0);
        }
    }

    // A dragged rectangle painted Desert, with the tool chosen.
    {
        TFormMap form(*world, random, dialogs, nullptr, &redraw);
        form.show();
        if (centre) {
            const PixelPoint c = MapCentre(world->Provinces[centre]);
            const QSize view = form.ViewSizeInPixels();
            form.ScrollMapTo(ScrollToCentre(c, view.width(), view.height()));
            form.ImageMapMouseDown(Qt::LeftButton, QPoint(c.x - 40, c.y - 30));
            form.ImageMapMouseMove(QPoint(c.x + 40, c.y + 30));
            form.ImageMapMouseUp(Qt::LeftButton, QPoint(c.x + 40, c.y + 30));
            form.SelectTool(PaintLayer::Terrain, Index(TerrainCode::Desert));
        }
        ok = SaveWidgetPicture(&form, dir, "map-painted") && ok;
    }

    ok = WriteRerollPictures(redraw, dir) && ok;

    // Majors mode with two rows and a capital picked.
    {
        TFormMap form(*world, random, dialogs);
        form.SetPreviewMode(false);
        form.show();
        for (int row = 1; row <= 2 && row <= world->NationCountLoaded(); ++row) {
            auto* check = form.findChild<QCheckBox*>(QString("CheckBoxM%1").arg(row));
            if (check && !check->isChecked()) check->click();
            form.ComboBoxMChange(row, row - 1);
        }
        if (centre) {
            const PixelPoint c = MapCentre(world->Provinces[centre]);
            form.CentreOnProvince(centre);
            form.ImageMapMouseUp(Qt::LeftButton, QPoint(c.x, c.y));
        }
        ok = SaveWidgetPicture(&form, dir, "map-majors") && ok;
        form.ZoomToFit();
        ok = SaveWidgetPicture(&form, dir, "map-majors-fit") && ok;
    }
    return ok;
}

}  // namespace tq3
