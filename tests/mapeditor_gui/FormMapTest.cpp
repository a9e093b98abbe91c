#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <QWheelEvent>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "config/SettingsFile.h"
#include "mapeditor/FormMap.h"
#include "mapeditor/LegendBar.h"
#include "mapeditor/MapView.h"
#include "mapeditor/model/LegendText.h"
#include "render/PngFile.h"
#include "widgets/Cp1252.h"

using namespace tq3;
using namespace guitest;

namespace {

class FormMapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        guitest::App();
        world = guitest::SmallWorld();
    }
    // Creates and shows the window (not modally) in the given mode.
    TFormMap& Open(bool preview = true) {
        form = std::make_unique<TFormMap>(*world, random, dialogs);
        form->SetPreviewMode(preview);
        form->show();
        QApplication::processEvents();
        return *form;
    }
    // The widget point of map pixel p at the window's zoom (the middle of that pixel).
    QPoint At(QPoint pixel) const {
        const double z = form->Zoom();
        return QPoint(static_cast<int>((pixel.x() + 0.5) * z),
                      static_cast<int>((pixel.y() + 0.5) * z));
    }
    void Click(QPoint pixel, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(form->ImageMap(), button, {}, At(pixel));
    }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(form->ImageMap(), Qt::LeftButton, {}, At(from));
        QTest::mouseMove(form->ImageMap(), At(to));
        QTest::mouseRelease(form->ImageMap(), Qt::LeftButton, {}, At(to));
    }
    void ClickPanel(MapLayer layer, int value) {
        QTest::mouseClick(LegendOf(*form, layer)->PanelOf(value), Qt::LeftButton);
    }
    QString Info(InfoField field) const { return InfoBar(*form)->Value(field)->text(); }
    Argb MapPixel(int p) const {
        const PixelPoint c = MapCentre(world->Provinces[p]);
        return form->MapPicture().At(c.x, c.y);
    }

    std::unique_ptr<World> world;
    test::ScriptedRandom random;
    test::RecordingDialogs dialogs;
    std::unique_ptr<TFormMap> form;
};

TEST_F(FormMapTest, ShowSetUpDrawsTerrainAndLinesAndSetsThePreviewButtons) {
    TFormMap& f = Open();
    EXPECT_EQ(f.windowTitle(), "Map Editor / Scenario Preview");
    EXPECT_TRUE(Part<QPushButton>(f, "BitBtnClose")->isVisibleTo(&f) &&
                Part<QPushButton>(f, "BitBtnAbort")->isVisibleTo(&f));
    EXPECT_FALSE(Part<QPushButton>(f, "BitBtnOk")->isVisibleTo(&f) ||
                 Part<QPushButton>(f, "BitBtnCancel")->isVisibleTo(&f));
    EXPECT_EQ(Part<QPushButton>(f, "BitBtnClose")->text(), "&OK");
    EXPECT_EQ(Part<QPushButton>(f, "BitBtnAbort")->toolTip(), "Press to abort generation.");
    EXPECT_FALSE(Part(f, "Panel1")->isEnabled());
    EXPECT_TRUE(LegendOf(f, MapLayer::Terrain)->isEnabled());
    EXPECT_EQ(f.ToolCode(), 0);
    EXPECT_EQ(MapPixel(1), TerrainColours[Index(TerrainCode::Plains)]);
    // The line from 1 to 2 between their marks.
    EXPECT_EQ(f.MapPicture().At(1110, 200), Black);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(FormMapTest, MajorsModeSwapsButtonsAndDisablesTheLegendBars) {
    TFormMap& f = Open(false);
    EXPECT_EQ(f.windowTitle(), "Select Majors");
    EXPECT_TRUE(Part<QPushButton>(f, "BitBtnOk")->isVisibleTo(&f) &&
                Part<QPushButton>(f, "BitBtnCancel")->isVisibleTo(&f));
    EXPECT_FALSE(Part<QPushButton>(f, "BitBtnClose")->isVisibleTo(&f));
    EXPECT_TRUE(Part(f, "Panel1")->isEnabled());
    for (MapLayer layer :
         {MapLayer::Terrain, MapLayer::Climate, MapLayer::Goods, MapLayer::Religion})
        EXPECT_FALSE(LegendOf(f, layer)->isEnabled());
    // A disabled legend bar's panels do not react.
    f.ShowLayer(MapLayer::Terrain);
    ClickPanel(MapLayer::Terrain, Index(TerrainCode::Forest));
    EXPECT_EQ(f.ToolCode(), 0);
}

TEST_F(FormMapTest, PickingIsExactAtEveryZoom) {
    TFormMap& f = Open();
    for (double zoom : {1.0, 2.0, 0.5, 0.25, 3.0}) {
        f.SetZoom(zoom);
        // Pixel (1123, 201) is 31 game units from 2 (at 100 %): the wider search finds it.
        Click({1123, 201});
        EXPECT_EQ(Info(InfoField::Number), "2") << zoom;
        Click({1100, 220});
        EXPECT_EQ(Info(InfoField::Number), "3") << zoom;
        // Far from everything: the info bar keeps its content.
        Click({600, 600});
        EXPECT_EQ(Info(InfoField::Number), "3") << zoom;
    }
}

TEST_F(FormMapTest, TheStatusBarNamesTheProvinceUnderTheMouse) {
    TFormMap& f = Open();
    f.SetZoom(2.0);
    // The mouse moves over the part in view.
    const QSize view = f.ViewSizeInPixels();
    f.ScrollMapTo(ScrollToCentre({1300, 400}, view.width(), view.height()));
    QTest::mouseMove(f.ImageMap(), At({1300, 400}));
    EXPECT_EQ(Part<QLabel>(f, "StatusProvince")->text(), "Province 5: P5");
    QTest::mouseMove(f.ImageMap(), At({1290, 380}));
    EXPECT_EQ(Part<QLabel>(f, "StatusProvince")->text(), "");
}

TEST_F(FormMapTest, InfoBarShowsTheClickedProvince) {
    world->Provinces[4].Religion = 2;
    world->Provinces[4].Goods = 6;
    world->Provinces[4].IsCoastal = true;
    world->Provinces[4].Manpower = 3;
    Open();
    Click({1140, 240});
    EXPECT_EQ(Info(InfoField::Number), "4");
    EXPECT_EQ(Info(InfoField::Name), "P4");
    EXPECT_EQ(Info(InfoField::Religion), "Catholic");
    EXPECT_EQ(Info(InfoField::Goods), "Gold");
    EXPECT_EQ(Info(InfoField::Coast), "coast");
    EXPECT_EQ(Info(InfoField::Terrain), "plains");
    EXPECT_EQ(Info(InfoField::Manpower), "3");
    EXPECT_EQ(Info(InfoField::Owner), "A2: Nation A2");
}

TEST_F(FormMapTest, RectanglePaintsLandWithCentresInsideAndLeavesSeaAlone) {
    TFormMap& f = Open();
    f.SetZoom(2.0);
    f.ShowLayer(MapLayer::Climate);
    Drag({1100, 200}, {1120, 220});  // corners on the centres of 1, 2 and 3
    EXPECT_TRUE(f.ImageMap()->Selection().visible);
    ClickPanel(MapLayer::Climate, 8);
    for (int p : {1, 2, 3}) {
        EXPECT_EQ(world->Provinces[p].Climate, 8) << p;
        EXPECT_EQ(MapPixel(p), ClimateColours[8]) << p;
    }
    EXPECT_EQ(world->Provinces[4].Climate, 5);
    EXPECT_EQ(world->Provinces[6].Climate, 5);
    EXPECT_EQ(world->Provinces[7].Climate, 2);  // sea inside the rectangle
    EXPECT_EQ(f.ToolCode(), 59);
    EXPECT_TRUE(LegendOf(f, MapLayer::Climate)->PanelOf(8)->Pressed());
    EXPECT_TRUE(f.ImageMap()->Selection().visible);
    // One step undoes the whole rectangle.
    EXPECT_EQ(f.Document().UndoStack()->count(), 1);
}

TEST_F(FormMapTest, DraggingLeftOrUpLeavesAOnePixelRectangle) {
    TFormMap& f = Open();
    Drag({1120, 220}, {1000, 100});
    const SelectionRect& r = f.ImageMap()->Selection();
    EXPECT_EQ(r.left, 1120);
    EXPECT_EQ(r.top, 220);
    EXPECT_EQ(r.width, 1);
    EXPECT_EQ(r.height, 1);
}

TEST_F(FormMapTest, PanelWithoutARectangleOnlySelectsTheToolThenClicksPaint) {
    TFormMap& f = Open();
    Click({1300, 400});  // a press and release: the rectangle stays hidden
    ClickPanel(MapLayer::Terrain, Index(TerrainCode::Forest));
    EXPECT_EQ(f.ToolCode(), 11);
    for (int p = 1; p <= 6; ++p) EXPECT_EQ(world->Provinces[p].Terrain, TerrainCode::Plains);
    EXPECT_EQ(f.ImageMap()->cursor().shape(), Qt::CrossCursor);
    Click({1140, 240});
    EXPECT_EQ(world->Provinces[4].Terrain, TerrainCode::Forest);
    EXPECT_EQ(MapPixel(4), TerrainColours[Index(TerrainCode::Forest)]);
    EXPECT_EQ(Info(InfoField::Terrain), "forest");
    // A right click with the tool recentres and paints nothing.
    const ScrollPosition before = f.MapScroll();
    Click({1100, 220}, Qt::RightButton);
    EXPECT_EQ(world->Provinces[3].Terrain, TerrainCode::Plains);
    EXPECT_NE(f.MapScroll(), before);
    // A click far from land changes nothing.
    Click({200, 900});
    EXPECT_EQ(f.Document().UndoStack()->count(), 1);
}

TEST_F(FormMapTest, ALayerButtonResetsTheToolToViewOnly) {
    TFormMap& f = Open();
    ClickPanel(MapLayer::Terrain, Index(TerrainCode::Mountain));
    QTest::mouseClick(LayerButton(f, MapLayer::Climate), Qt::LeftButton);
    EXPECT_TRUE(LayerButton(f, MapLayer::Climate)->isChecked());
    EXPECT_EQ(f.ToolCode(), 0);
    EXPECT_FALSE(LegendOf(f, MapLayer::Terrain)->PanelOf(Index(TerrainCode::Mountain))->Pressed());
    EXPECT_TRUE(LegendOf(f, MapLayer::Climate)->isVisibleTo(&f));
    EXPECT_FALSE(LegendOf(f, MapLayer::Terrain)->isVisibleTo(&f));
    Click({1100, 200});
    EXPECT_EQ(world->Provinces[1].Terrain, TerrainCode::Plains);
    EXPECT_EQ(Info(InfoField::Number), "1");
    EXPECT_EQ(MapPixel(1), ClimateColours[5]);
}

TEST_F(FormMapTest, AnEditOfTheDocumentShowsInEveryView) {
    TFormMap& f = Open();
    Click({1140, 240});
    const QImage minimapBefore = Minimap(f)->grab().toImage();
    // Made without the window's controls, as a command that changes the world would.
    ASSERT_TRUE(f.Document().Paint(4, {PaintLayer::Terrain, Index(TerrainCode::Desert)}));
    EXPECT_EQ(MapPixel(4), TerrainColours[Index(TerrainCode::Desert)]);
    EXPECT_NE(Minimap(f)->grab().toImage(), minimapBefore);
    EXPECT_EQ(Info(InfoField::Terrain), "desert");
    f.Document().UndoStack()->undo();
    EXPECT_EQ(MapPixel(4), TerrainColours[Index(TerrainCode::Plains)]);
    EXPECT_EQ(Info(InfoField::Terrain), "plains");
}

TEST_F(FormMapTest, GoldByNameDrawsAMineValueWithTheRunsRandomSource) {
    world->Settings.GoodsNames[5] = "Gems";
    world->Settings.GoodsNames[11] = "Gold";  // code 12
    random.script = {3};
    TFormMap& f = Open();
    f.ShowLayer(MapLayer::Goods);
    ClickPanel(MapLayer::Goods, 6);
    Click({1100, 200});
    EXPECT_EQ(world->Provinces[1].Goods, 6);
    EXPECT_EQ(world->Provinces[1].MineValue, 0);
    EXPECT_TRUE(random.asked.empty());
    ClickPanel(MapLayer::Goods, 12);
    Click({1100, 200});
    EXPECT_EQ(world->Provinces[1].MineValue, 40);
    EXPECT_EQ(random.asked, std::vector<int>{7});
}

TEST_F(FormMapTest, UndoAndRedoOfPaintingWithTheKeys) {
    TFormMap& f = Open();
    f.ShowLayer(MapLayer::Religion);
    ClickPanel(MapLayer::Religion, 1);
    Click({1100, 200});
    EXPECT_EQ(world->Provinces[1].Religion, 1);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(world->Provinces[1].Religion, 0);
    EXPECT_EQ(MapPixel(1), NoneColour);
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(world->Provinces[1].Religion, 1);
    EXPECT_EQ(MapPixel(1), White);  // Pagan: a white mark inside its border
}

TEST_F(FormMapTest, MinimapClickScrollsAndTheFrameFollowsTheReachedPosition) {
    TFormMap& f = Open();
    QTest::mouseClick(Minimap(f), Qt::LeftButton, {}, QPoint(80, 30));
    const QSize view = f.ViewSizeInPixels();
    const ScrollPosition expected = ScrollForMinimapPoint(80, 30, view.width(), view.height());
    EXPECT_EQ(f.MapScroll(), expected);
    const PixelPoint frame = MinimapFrameAt(f.MapScroll());
    EXPECT_EQ(Minimap(f)->Frame().topLeft(), QPoint(frame.x, frame.y));
    // Far right: the scroll box stops at its end and the frame shows where it stopped.
    QTest::mouseClick(Minimap(f), Qt::LeftButton, {}, QPoint(154, 78));
    EXPECT_LT(f.MapScroll().x, ScrollForMinimapPoint(154, 78, view.width(), view.height()).x);
    EXPECT_EQ(Minimap(f)->Frame().left(), MinimapFrameAt(f.MapScroll()).x);
}

TEST_F(FormMapTest, PoliticalLegendOfFiveNationsAndItsClickRule) {
    TFormMap& f = Open();
    f.ShowLayer(MapLayer::Political);
    EXPECT_TRUE(Nations(f)->isVisibleTo(&f));
    EXPECT_EQ(Nations(f)->PanelNations()->width(), 312);
    EXPECT_EQ(Nations(f)->NationPanel(3)->text(), "  A3: Nation A3");
    EXPECT_EQ(Nations(f)->NationPanel(3)->geometry(), QRect(104, 0, 103, 17));
    EXPECT_FALSE(Nations(f)->NationPanel(6)->isVisibleTo(&f));
    // The empty sixth slot is ignored.
    QTest::mouseClick(Nations(f)->PanelNations(), Qt::LeftButton, {}, QPoint(220, 25));
    EXPECT_FALSE(f.ImageMap()->Selection().visible);
    // Nation 2 (second row, first column): its capital 4 boxed, centred and shown.
    QTest::mouseClick(Nations(f)->PanelNations(), Qt::LeftButton, {}, QPoint(10, 25));
    const SelectionRect& box = f.ImageMap()->Selection();
    EXPECT_TRUE(box.visible);
    EXPECT_EQ(box.left, 1140 - 12);
    EXPECT_EQ(box.top, 240 - 12);
    EXPECT_EQ(box.width, 24);
    EXPECT_EQ(Info(InfoField::Number), "4");
    const QSize view = f.ViewSizeInPixels();
    EXPECT_EQ(f.MapScroll(), ScrollToCentre({1140, 240}, view.width(), view.height()));
}

TEST_F(FormMapTest, FitLeavesTheMapClearOfTheFloatingBars) {
    TFormMap& f = Open();
    // The window as it opens, on 1366x768 and 1024x600 at 200 %, and large.
    const QSize sizes[] = {{790, 517}, {675, 334}, {504, 264}, {1200, 800}};
    std::map<int, double> expanded;  // the fitted zoom at each width with the bars expanded
    for (bool collapsed : {false, true}) {
        if (collapsed)
            for (const char* hide : {"SpeedButtonHideInfo", "SpeedButtonHideMiniMap"})
                Part<QToolButton>(f, hide)->click();
        for (const QSize& size : sizes) {
            f.resize(size);
            QApplication::processEvents();
            f.ZoomToFit();
            QApplication::processEvents();
            SCOPED_TRACE(QString("%1x%2 %3")
                             .arg(size.width())
                             .arg(size.height())
                             .arg(collapsed)
                             .toStdString());
            const QWidget* viewport = Part<QScrollArea>(f, "ScrollBoxMap")->viewport();
            const QRect map(f.ImageMap()->mapTo(Part(f, "Panel3"), QPoint(0, 0)),
                            f.ImageMap()->size());
            EXPECT_TRUE(QRect(viewport->mapTo(Part(f, "Panel3"), QPoint(0, 0)), viewport->size())
                            .contains(map));
            for (const char* bar : {"ControlBarMap", "ControlBarProvInfo", "ControlBarMiniMap"})
                EXPECT_FALSE(map.intersects(Part(f, bar)->geometry())) << bar;
            // Collapsed bars leave more room.
            if (collapsed)
                EXPECT_GE(f.Zoom(), expanded[size.width()]);
            else
                expanded[size.width()] = f.Zoom();
        }
    }
}

TEST_F(FormMapTest, CollapsedBarsKeepTheirPlaceAfterAResize) {
    TFormMap& f = Open();
    // The part of the map in view, without the scroll bars, in the map area's coordinates.
    const auto view = [&] {
        const QWidget* viewport = Part<QScrollArea>(f, "ScrollBoxMap")->viewport();
        return QRect(viewport->mapTo(Part(f, "Panel3"), QPoint(0, 0)), viewport->size());
    };
    Part<QToolButton>(f, "SpeedButtonHideInfo")->click();
    Part<QToolButton>(f, "SpeedButtonHideMiniMap")->click();
    Part<QToolButton>(f, "SpeedButtonHide")->click();
    f.resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(Part(f, "ControlBarProvInfo")->x(), view().right() + 1 - 34);
    EXPECT_EQ(Part(f, "ControlBarProvInfo")->height(), 26);
    EXPECT_EQ(Part(f, "ControlBarMiniMap")->x(), -143);
    EXPECT_EQ(Part(f, "ControlBarMap")->pos(), QPoint(-154, 2));
    Part<QToolButton>(f, "SpeedButtonShowInfo")->click();
    Part<QToolButton>(f, "SpeedButtonShowMiniMap")->click();
    Part<QToolButton>(f, "SpeedButtonShow")->click();
    f.resize(900, 600);
    QApplication::processEvents();
    EXPECT_EQ(Part(f, "ControlBarProvInfo")->geometry().right() + 1, view().right() + 1 - 8);
    EXPECT_EQ(Part(f, "ControlBarMiniMap")->pos(), QPoint(9, view().bottom() + 1 - 93));
    EXPECT_EQ(Part(f, "ControlBarMap")->pos(), QPoint(8, 8));
    // Collapsed or not, no bar reaches over a scroll bar.
    for (bool collapsed : {false, true}) {
        if (collapsed) {
            Part<QToolButton>(f, "SpeedButtonHideInfo")->click();
            Part<QToolButton>(f, "SpeedButtonHideMiniMap")->click();
        }
        for (QWidget* bar : {Part(f, "ControlBarProvInfo"), Part(f, "ControlBarMiniMap")}) {
            EXPECT_LE(bar->geometry().right(), view().right());
            EXPECT_LE(bar->geometry().bottom(), view().bottom());
        }
    }
}

TEST_F(FormMapTest, ExportWritesTheLayerAsShown) {
    test::TempDir dir;
    TFormMap& f = Open();
    f.ShowLayer(MapLayer::Goods);
    const QString path = QString::fromStdString((dir.path / "goods").string());
    f.chooseExportFile = [&] { return path; };
    f.ExportLayerPng();
    const auto read = ReadPng(path.toStdString() + ".png");
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->pixels, f.MapPicture().pixels);
    // The status bar says what was written and where.
    const QString said = f.findChild<QStatusBar*>()->currentMessage();
    EXPECT_TRUE(said.contains("goods") && said.contains(path + ".png")) << said.toStdString();
    // A folder that cannot be written is reported.
    f.chooseExportFile = [&] {
        return QString::fromStdString((dir.path / "no" / "x.png").string());
    };
    f.ExportLayerPng();
    EXPECT_EQ(dialogs.errors.size(), 1u);
}

TEST_F(FormMapTest, EscapeNeverWritesInPreviewAndCancelsMajors) {
    TFormMap& f = Open();
    QTest::keyClick(&f, Qt::Key_Escape);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.result(), 0);
    Open(false);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
}

TEST_F(FormMapTest, TheWindowShrinksToALaptopScreenAt200Percent) {
    // 1366 x 768 at 200 %, less a panel and the window's frame, in logical pixels.
    const QSize room(675, 334);
    TFormMap& f = Open();
    EXPECT_LE(f.minimumSizeHint().width(), room.width());
    EXPECT_LE(f.minimumSizeHint().height(), room.height());
    f.resize(room);
    QApplication::processEvents();
    // The floating bars stay off the scroll bars.
    const QRect view = Part<QScrollArea>(f, "ScrollBoxMap")->viewport()->geometry();
    for (QWidget* bar : {Part(f, "ControlBarProvInfo"), Part(f, "ControlBarMiniMap")})
        EXPECT_TRUE(view.contains(bar->geometry())) << bar->objectName().toStdString();
}

TEST_F(FormMapTest, AbortEndsWithTheAbortResult) {
    TFormMap& f = Open();
    QTest::mouseClick(Part<QPushButton>(f, "BitBtnAbort"), Qt::LeftButton);
    EXPECT_EQ(f.result(), TFormMap::AbortResult);
    Open();
    QTest::mouseClick(Part<QPushButton>(*form, "BitBtnClose"), Qt::LeftButton);
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST(NationsLegendOfTheDemoWorld, EveryNameReadsOnItsCellAndFitsIt) {
    guitest::App();
    World world;
    world.ProgramFolder = TQ3_BINARY_DIR "/demo-game";
    QuietDialogs quiet;
    ASSERT_FALSE(LoadSettings(world, quiet, true).refused);
    Random random(1);
    TFormMap f(world, random, quiet);
    f.show();
    f.ShowLayer(MapLayer::Political);
    ASSERT_GT(world.NationCountLoaded(), 0);
    for (int n = 1; n <= world.NationCountLoaded(); ++n) {
        const QLabel* cell = Nations(f)->NationPanel(n);
        const QPalette& palette = cell->palette();
        SCOPED_TRACE(cell->text().toStdString());
        EXPECT_GE(ContrastRatio(palette.color(QPalette::WindowText).rgb(),
                                palette.color(QPalette::Window).rgb()),
                  4.5);
        // The whole caption, or its start with an ellipsis, within the cell.
        const QString whole =
            "  " + FromCp1252(world.Nations[n].Tag + ": " + world.Nations[n].Name);
        EXPECT_TRUE(cell->text() == whole || (cell->text().endsWith(QChar(0x2026)) &&
                                              whole.startsWith(cell->text().chopped(1))));
        EXPECT_LE(cell->fontMetrics().horizontalAdvance(cell->text()), cell->width());
    }
}

}  // namespace

namespace {

TEST_F(FormMapTest, ZoomByKeysWheelAndFitKeepsTheCentre) {
    TFormMap& f = Open();
    const auto centre = [&f] {
        const QSize view = f.ViewSizeInPixels();
        return QPoint(f.MapScroll().x + view.width() / 2, f.MapScroll().y + view.height() / 2);
    };
    const QPoint before = centre();
    QTest::keyClick(&f, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(f.Zoom(), 1.5);
    EXPECT_LE((centre() - before).manhattanLength(), 2);
    QTest::keyClick(&f, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(&f, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(f.Zoom(), 0.75);
    // Ctrl + wheel zooms; the wheel alone does not.
    QWheelEvent up(QPointF(10, 10), f.ImageMap()->mapToGlobal(QPointF(10, 10)), QPoint(),
                   QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.ImageMap(), &up);
    EXPECT_DOUBLE_EQ(f.Zoom(), 1.0);
    QWheelEvent plain(QPointF(10, 10), f.ImageMap()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.ImageMap(), &plain);
    EXPECT_DOUBLE_EQ(f.Zoom(), 1.0);
    QTest::keyClick(&f, Qt::Key_0, Qt::ControlModifier);
    EXPECT_LE(f.ImageMap()->width(), Part(f, "Panel3")->width());
    EXPECT_LE(f.ImageMap()->height(), Part(f, "Panel3")->height());
}

TEST_F(FormMapTest, AZoomedViewShowsEachPaintAndUndo) {
    // Away from 100 % the view is drawn from the world: it must follow every change.
    TFormMap& f = Open();
    f.ShowLayer(MapLayer::Climate);
    const auto shown = [&f, this] {
        const QPoint at = At({1100, 200});  // province 1's centre pixel
        return f.ImageMap()->grab(QRect(at, QSize(1, 1))).toImage().pixel(0, 0);
    };
    for (double zoom : {2.0, 0.5}) {
        f.SetZoom(zoom);
        EXPECT_EQ(shown(), ClimateColours[5]) << zoom;
        ClickPanel(MapLayer::Climate, 8);
        Click({1100, 200});
        EXPECT_EQ(shown(), ClimateColours[8]) << zoom;
        f.Document().UndoStack()->undo();
        EXPECT_EQ(shown(), ClimateColours[5]) << zoom;
        Part<QToolButton>(f, "SpeedButtonClearCursor")->click();
    }
}

}  // namespace
