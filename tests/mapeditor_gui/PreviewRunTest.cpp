#include <gtest/gtest.h>

#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "config/SettingsFile.h"
#include "mapeditor/FormMap.h"
#include "mapeditor/LegendBar.h"
#include "mapeditor/MapEditor.h"
#include "mapeditor/MapView.h"
#include "output/ProvinceTable.h"
#include "output/ScenarioFile.h"
#include "session/GenerateWorld.h"

using namespace tq3;
using namespace guitest;
namespace fs = std::filesystem;

namespace {

// A game folder (a copy of the mini one) for a whole run with the map editor enabled; the editor is
// driven by `edit` and closed with the button it returns.
struct Game {
    test::TempDir dir;
    std::unique_ptr<World> world = test::NewWorld();
    test::RecordingDialogs dialogs;
    Random random{5};
    Random rerollSeeds{77};
    RunReport report;
    int painted = 0;

    void SetUp() {
        guitest::App();
        test::CopyTree(TQ3_TEST_DATA "/mini", dir.path);
        fs::create_directories(dir.path / "Backup");
        world->ProgramFolder = dir.str();
        ASSERT_FALSE(LoadSettings(*world, dialogs, true).refused);
        world->Settings.EditorEnabled = true;
        world->Settings.GeneratorMode = 0;
    }
    // The editor as the window opens it, used by `use` inside its modal loop.
    RunEnd Close(const std::function<void(TFormMap&)>& use) {
        RunHooks hooks;
        hooks.mapEditor = [&](World& w, RunRedraw* redraw) {
            QTimer::singleShot(0, [&] {
                auto* form = qobject_cast<TFormMap*>(QApplication::activeModalWidget());
                ASSERT_NE(form, nullptr);
                form->activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(form));
                use(*form);
                // A way of closing that failed leaves the window open: the test ends anyway.
                if (form->isVisible()) {
                    ADD_FAILURE() << "the editor is still open";
                    form->done(TFormMap::AbortResult);
                }
            });
            return ShowScenarioPreview(w, random, redraw, dialogs, nullptr);
        };
        hooks.rerollSeeds = &rerollSeeds;
        report = GenerateWorld(*world, random, dialogs, hooks);
        return report.end;
    }
    // The same run with the editor closed at once, as `generate --seed 5 --reroll ...` makes
    // it.
    RunEnd Generate(const Rerolls& rerolls) {
        RunHooks hooks;
        hooks.rerolls = rerolls;
        return GenerateWorld(*world, random, dialogs, hooks).end;
    }
    RunEnd Run(const std::function<QPushButton*(TFormMap&)>& edit) {
        return Close([&](TFormMap& form) { QTest::mouseClick(edit(form), Qt::LeftButton); });
    }
    // Every file of the game folder with its bytes by its path in the folder, but for the
    // keeping copies of Backup/ and the folder's lock.
    std::map<std::string, std::string> Files() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir.path))
            if (entry.is_regular_file() && entry.path().parent_path() != dir.path / "Backup" &&
                entry.path().filename() != ".tq3gen.lock")
                files[fs::relative(entry.path(), dir.path).string()] = test::ReadFile(entry.path());
        return files;
    }
    // Paints the first land province Marsh with a click on its mark.
    QPushButton* PaintFirstLand(TFormMap& form) {
        for (int p = 1; p <= world->ProvinceCount() && !painted; ++p)
            if (world->Provinces[p].IsLand() && world->Provinces[p].Terrain != TerrainCode::Marsh)
                painted = p;
        QTest::mouseClick(LegendOf(form, MapLayer::Terrain)->PanelOf(Index(TerrainCode::Marsh)),
                          Qt::LeftButton);
        const PixelPoint c = MapCentre(world->Provinces[painted]);
        QTest::mouseClick(form.ImageMap(), Qt::LeftButton, {}, QPoint(c.x, c.y));
        return Part<QPushButton>(form, "BitBtnClose");
    }
    std::string File(const char* name) const { return test::ReadFile(dir.path / "DB" / name); }
};

TEST(PreviewRun, OkWritesTheProvinceTableWithThePaintedValues) {
    // The same run without painting, for comparison.
    Game plain, game;
    plain.SetUp();
    game.SetUp();
    ASSERT_EQ(plain.Run([](TFormMap& f) { return Part<QPushButton>(f, "BitBtnClose"); }),
              RunEnd::Finished);
    const std::string unpainted = plain.File("Province.csv");

    ASSERT_EQ(game.Run([&game](TFormMap& f) { return game.PaintFirstLand(f); }), RunEnd::Finished);
    ASSERT_GT(game.painted, 0);
    EXPECT_EQ(game.world->Provinces[game.painted].Terrain, TerrainCode::Marsh);
    const std::string written = game.File("Province.csv");
    EXPECT_NE(written, unpainted);
    // Only the painted province's line differs.
    std::istringstream a(unpainted), b(written);
    std::string la, lb;
    int differing = 0;
    while (std::getline(a, la) && std::getline(b, lb)) differing += la != lb;
    EXPECT_EQ(differing, 1);
    EXPECT_EQ(game.File("Country.csv"), plain.File("Country.csv"));
}

TEST(PreviewRun, AbortEndsTheRunWithoutWritingTheDatabase) {
    Game game;
    game.SetUp();
    const std::string province = game.File("Province.csv");
    const std::string country = game.File("Country.csv");
    EXPECT_EQ(game.Run([&game](TFormMap& f) {
        game.PaintFirstLand(f);
        return Part<QPushButton>(f, "BitBtnAbort");
    }),
              RunEnd::Aborted);
    EXPECT_EQ(game.File("Province.csv"), province);
    EXPECT_EQ(game.File("Country.csv"), country);
    EXPECT_EQ(game.dialogs.progress.back(), 0);
    EXPECT_TRUE(game.dialogs.confirms.empty());
    // The configuration is loaded again: the painted province is as the template has it.
    EXPECT_NE(game.world->Provinces[game.painted].Terrain, TerrainCode::Marsh);
}

TEST(PreviewRun, ClosingTheEditorAbortsTheRunAndWritesNothing) {
    const std::pair<const char*, std::function<void(TFormMap&)>> ways[] = {
        {"title bar", [](TFormMap& f) { f.close(); }},
        {"Alt+F4", [](TFormMap& f) { QTest::keyClick(&f, Qt::Key_F4, Qt::AltModifier); }},
    };
    for (const auto& [way, close] : ways) {
        Game game;
        game.SetUp();
        const auto before = game.Files();
        EXPECT_EQ(game.Close([&game, close = close](TFormMap& f) {
            game.PaintFirstLand(f);
            close(f);
        }),
                  RunEnd::Aborted)
            << way;
        EXPECT_EQ(game.Files(), before) << way;
        EXPECT_TRUE(game.dialogs.confirms.empty()) << way;
    }
}

// The tables of the world the editor shows: its provinces and its scenario.
std::string Tables(const TFormMap& form) {
    const World& w = form.Document().Model();
    return ProvinceTableText(w, {}) + ScenarioText(w);
}

// A reroll by the keyboard alone (Alt+R, then the entry's letter), undone and done again, then
// OK: the run writes the world of its seed and that reroll, as a run without the editor makes it.
TEST(PreviewRun, ARerollUndoneAndRedoneThenOkWritesTheWorldOfItsRerolls) {
    Game game;
    game.SetUp();
    ASSERT_EQ(game.Close([](TFormMap& f) {
        const std::string drawn = Tables(f);
        QTest::keyClick(&f, Qt::Key_R, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        QTest::keyClick(menu, Qt::Key_T);
        const std::string rerolled = Tables(f);
        EXPECT_TRUE(rerolled != drawn);
        EXPECT_EQ(f.findChild<QStatusBar*>()->currentMessage().left(26),
                  "Terrain drawn again (seed ");
        // The status line says what was undone and redone; Ctrl+Y redoes as Ctrl+Shift+Z does.
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(Tables(f) == drawn);
        EXPECT_EQ(f.findChild<QStatusBar*>()->currentMessage(), "Undone: Draw terrain again");
        QTest::keyClick(&f, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_TRUE(Tables(f) == rerolled);
        EXPECT_EQ(f.findChild<QStatusBar*>()->currentMessage(), "Redone: Draw terrain again");
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(Tables(f) == rerolled);
        QTest::mouseClick(Part<QPushButton>(f, "BitBtnClose"), Qt::LeftButton);
    }),
              RunEnd::Finished);
    ASSERT_EQ(game.report.rerolls.size(), 1u);
    EXPECT_EQ(game.report.rerolls[0].step, DrawStep::Terrain);
    EXPECT_FALSE(game.report.repainted);

    Game plain;
    plain.SetUp();
    ASSERT_EQ(plain.Generate(game.report.rerolls), RunEnd::Finished);
    EXPECT_TRUE(game.Files() == plain.Files());
}

// Painting stays through a reroll of a later step; a reroll that would draw a painted layer
// anew asks first: No draws nothing, Yes draws, and Undo brings the painting back.
TEST(PreviewRun, ARerollAsksOnlyWhenItWouldDrawAPaintedLayerAnew) {
    Game game;
    game.SetUp();
    ASSERT_EQ(game.Close([&game](TFormMap& f) {
        QPushButton* ok = game.PaintFirstLand(f);
        const TProvince& painted = f.Document().Model().Provinces[game.painted];
        QUndoStack* undo = f.Document().UndoStack();
        f.RerollStep(DrawStep::Religions);
        EXPECT_TRUE(game.dialogs.confirms.empty());
        EXPECT_EQ(painted.Terrain, TerrainCode::Marsh);
        EXPECT_EQ(undo->count(), 2);

        game.dialogs.answers = {Answer::No};
        const std::string before = Tables(f);
        f.RerollStep(DrawStep::Terrain);
        ASSERT_EQ(game.dialogs.confirms.size(), 1u);
        EXPECT_NE(game.dialogs.confirms[0].find("the terrain layer"), std::string::npos);
        EXPECT_EQ(undo->count(), 2);
        EXPECT_TRUE(Tables(f) == before);

        f.RerollStep(DrawStep::Climate);
        EXPECT_EQ(game.dialogs.confirms.size(), 2u);
        EXPECT_EQ(undo->count(), 3);
        EXPECT_TRUE(f.Document().PaintedLayersFrom(DrawStep::Climate).empty());
        QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(Tables(f) == before);
        EXPECT_EQ(painted.Terrain, TerrainCode::Marsh);
        QTest::mouseClick(ok, Qt::LeftButton);
    }),
              RunEnd::Finished);
    // A painted world is the world of no seed: the run has no recipe.
    EXPECT_TRUE(game.report.repainted);
}

// Gold painted and undone leaves the province table as drawn, but its mine value took a number
// of the run's source that the policies would have drawn: no seed makes this world again.
TEST(PreviewRun, GoldPaintedAndUndoneStillLeavesTheRunWithoutARecipe) {
    const int gold = 6;  // "Gold" in the mini folder's GoodsNames
    Game game;
    game.SetUp();
    ASSERT_EQ(game.Close([&game](TFormMap& f) {
        ASSERT_TRUE(f.Document().Paint(1, {PaintLayer::Goods, gold}));
        f.Document().UndoStack()->undo();
        QTest::mouseClick(Part<QPushButton>(f, "BitBtnClose"), Qt::LeftButton);
    }),
              RunEnd::Finished);
    EXPECT_TRUE(game.report.repainted);
}

}  // namespace
