#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <set>

#include "AppTestSupport.h"
#include "app/FairWorldDialog.h"
#include "app/Keyboard.h"
#include "app/RequirementRows.h"

using namespace tq3;

namespace test {

// The dialog sweeps off the GUI thread, lists the fairest first, and hands the selected seed
// to the window's run; Cancel stops a long sweep at once; a map-only configuration is refused.
TEST_F(WindowTest, FindAFairWorldListsTheFairestAndGeneratesTheSelectedSeed) {
    Open();
    std::optional<uint64_t> generated;
    FairWorldDialog dialog(*world, dialogs,
                           [&](uint64_t seed, const Rerolls&) { generated = seed; });
    EXPECT_EQ(dialog.SeedCount()->value(), FairWorldDialog::kDefaultSeeds);
    dialog.SeedCount()->setValue(60);
    ASSERT_TRUE(dialog.Start());
    EXPECT_TRUE(dialog.Running());
    dialog.WaitUntilDone();
    QTableWidget* table = dialog.Table();
    ASSERT_EQ(table->rowCount(), 60);
    const double first = table->item(0, 1)->data(Qt::UserRole).toDouble();
    const double last = table->item(59, 1)->data(Qt::UserRole).toDouble();
    EXPECT_GE(first, last);

    dialog.SelectRow(2);
    const uint64_t chosen = table->item(2, 0)->data(Qt::UserRole).toULongLong();
    dialog.findChild<QPushButton*>(QStringLiteral("GenerateThisWorld"))->click();
    EXPECT_EQ(generated, chosen);

    FairWorldDialog stopped(*world, dialogs, {});
    stopped.SeedCount()->setValue(10'000'000);
    ASSERT_TRUE(stopped.Start());
    stopped.Cancel();
    EXPECT_FALSE(stopped.Running());
    EXPECT_LT(stopped.Table()->rowCount(), FairWorldDialog::kBestShown + 1);

    world->Settings.GeneratorMode = 1;
    FairWorldDialog refused(*world, dialogs, {});
    EXPECT_FALSE(refused.Start());
    ASSERT_FALSE(dialogs.errors.empty());
    EXPECT_NE(dialogs.errors.back().find("GeneratorMode is 1"), std::string::npos);
}

namespace {
std::size_t MeasureNamed(std::string_view name) {
    std::size_t i = 0;
    while (RequirementMeasures[i].name != name) ++i;
    return i;
}

std::set<uint64_t> TableSeeds(const QTableWidget* table) {
    std::set<uint64_t> seeds;
    for (int r = 0; r < table->rowCount(); ++r)
        seeds.insert(table->item(r, 0)->data(Qt::UserRole).toULongLong());
    return seeds;
}
}  // namespace

// Requirement rows sweep as `tq3gen sweep --require` does: the worlds listed are those that
// met every requirement, found by the session's own sweep and tally with the requirements
// read from their texts, and the dialog explains the search in the same words and counts;
// with a limit the search ends after that many matches. A removed row is no requirement.
TEST_F(WindowTest, RequirementRowsFindTheWorldsAndExplanationOfTheSessionSweep) {
    Open();
    constexpr uint64_t kSeeds = 400;
    std::vector<Requirement> requirements;
    for (const char* text : {"fairness >= 0.5", "room>=3", "coastal-majors>=5"}) {
        std::string why;
        requirements.push_back(*ParseRequirement(text, why));
    }
    std::vector<SweepRow> measured;
    std::atomic<bool> cancel{false};
    SeedSweep(*world).Run(
        1, kSeeds, 2, [&](const SweepRow& row) { measured.push_back(row); }, cancel);

    for (const int stopAfter : {0, 2}) {
        SCOPED_TRACE(stopAfter);
        FairWorldDialog dialog(*world, dialogs, {});
        RequirementRows* rows = dialog.Requirements();
        rows->AddRow(MeasureNamed("fairness"), 0, 0.5);
        rows->AddRow(MeasureNamed("native-land"), 0, 1);
        rows->AddRow(MeasureNamed("room"), 0, 3);
        rows->AddRow(MeasureNamed("coastal-majors"), 0, 5);
        rows->RemoveRow(1);
        dialog.SeedCount()->setValue(static_cast<int>(kSeeds));
        dialog.StopAfter()->setValue(stopAfter);
        ASSERT_TRUE(dialog.Start());
        dialog.WaitUntilDone();

        RequirementTally tally(requirements, static_cast<uint64_t>(stopAfter));
        std::set<uint64_t> matches;
        for (const SweepRow& row : measured)
            if (tally.Offer(row.balance)) matches.insert(row.seed);
        EXPECT_GE(matches.size(), 2u);
        EXPECT_EQ(TableSeeds(dialog.Table()), matches);
        EXPECT_EQ(dialog.Explanation().toStdString() + "\n", ExplainSearch(tally));
    }
}

// "Keep this world, vary: placement" sweeps the start provinces of the selected world, as
// `sweep --seed S --vary placement` does; the world handed to the window's run is the kept
// seed with the chosen seed's placement. A mode that keeps the game's map offers no map step.
TEST_F(WindowTest, KeepThisWorldVariesOneStepAndHandsBackTheSeedWithItsReroll) {
    Open();
    std::optional<std::pair<uint64_t, Rerolls>> generated;
    FairWorldDialog dialog(*world, dialogs, [&](uint64_t seed, const Rerolls& rerolls) {
        generated = {seed, rerolls};
    });
    dialog.SeedCount()->setValue(20);
    ASSERT_TRUE(dialog.Start());
    dialog.WaitUntilDone();
    QTableWidget* table = dialog.Table();
    dialog.SelectRow(3);
    const uint64_t kept = table->item(3, 0)->data(Qt::UserRole).toULongLong();
    dialog.VaryStep()->setCurrentIndex(static_cast<int>(DrawStep::Terrain));
    ASSERT_TRUE(dialog.Vary());
    dialog.WaitUntilDone();
    EXPECT_EQ(table->horizontalHeaderItem(0)->text(), QStringLiteral("Terrain\nseed"));
    ASSERT_EQ(table->rowCount(), 20);
    const SeedSweep varied(*world, SweepVariation{kept, {}, DrawStep::Terrain});
    World scratch;
    for (const int r : {0, 19}) {
        const uint64_t seed = table->item(r, 0)->data(Qt::UserRole).toULongLong();
        EXPECT_EQ(table->item(r, 1)->data(Qt::UserRole).toDouble(),
                  varied.Measure(seed, scratch).fairness)
            << seed;
    }
    dialog.SelectRow(1);
    const uint64_t chosen = table->item(1, 0)->data(Qt::UserRole).toULongLong();
    dialog.findChild<QPushButton*>(QStringLiteral("GenerateThisWorld"))->click();
    ASSERT_TRUE(generated.has_value());
    EXPECT_EQ(generated->first, kept);
    EXPECT_EQ(generated->second, (Rerolls{{DrawStep::Terrain, chosen}}));

    // A scenario-only window keeps the game's terrain: the dialog says so in its own words and
    // stays open.
    generated.reset();
    world->Settings.GeneratorMode = 2;
    dialog.findChild<QPushButton*>(QStringLiteral("GenerateThisWorld"))->click();
    EXPECT_FALSE(generated.has_value());
    ASSERT_FALSE(dialogs.errors.empty());
    EXPECT_TRUE(dialogs.errors.back().starts_with("This world has the terrain drawn again"));

    FairWorldDialog scenarioOnly(*world, dialogs, {});
    scenarioOnly.show();
    const auto* steps = static_cast<QStandardItemModel*>(scenarioOnly.VaryStep()->model());
    EXPECT_FALSE(steps->item(static_cast<int>(DrawStep::Terrain))->isEnabled());
    EXPECT_TRUE(steps->item(static_cast<int>(DrawStep::Placement))->isEnabled());
}

// By keyboard alone: Tab reaches every control of the dialog, requirement rows included, in
// reading order, and no two captions share a mnemonic, wide or with the views as tabs.
TEST_F(WindowTest, TheFairWorldDialogIsReachedByTabAndItsMnemonicsNeverClash) {
    Open();
    FairWorldDialog dialog(*world, dialogs, {});
    // fairness >= 0, income-spread <= 1: every world is listed.
    dialog.Requirements()->AddRow(MeasureNamed("fairness"), 0, 0);
    dialog.Requirements()->AddRow(MeasureNamed("income-spread"), 1, 1);
    dialog.SeedCount()->setValue(5);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    ASSERT_TRUE(dialog.Start());
    dialog.WaitUntilDone();
    for (const QSize size : {QSize(1280, 720), QSize(400, 300)}) {
        dialog.resize(size);
        QApplication::processEvents();
        SCOPED_TRACE(dialog.Tabbed());
        std::vector<QWidget*> expected;
        for (QWidget* w : dialog.findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisibleTo(&dialog) &&
                w->isEnabled())
                expected.push_back(w);
        dialog.SeedCount()->setFocus(Qt::TabFocusReason);
        std::vector<QWidget*> visited = {dialog.SeedCount()};
        for (int step = 0; step < 100; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == dialog.SeedCount()) break;
            visited.push_back(QApplication::focusWidget());
        }
        for (QWidget* w : expected)
            EXPECT_NE(std::find(visited.begin(), visited.end(), w), visited.end())
                << w->metaObject()->className() << " " << w->objectName().toStdString();
        // Reading order: the sweep, the requirements, the worlds, the step, the buttons.
        std::vector<std::ptrdiff_t> places;
        for (const char* name : {"FirstSeed", "Start", "AddRequirement", "StopAfter", "BestWorlds",
                                 "VaryStep", "GenerateThisWorld", "CancelSweep"})
            places.push_back(std::find(visited.begin(), visited.end(),
                                       dialog.findChild<QWidget*>(QString::fromLatin1(name))) -
                             visited.begin());
        EXPECT_TRUE(std::is_sorted(places.begin(), places.end()))
            << ::testing::PrintToString(places);

        QString letters;
        for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>())
            letters += MnemonicOf(b->text());
        for (QLabel* l : dialog.findChildren<QLabel*>()) letters += MnemonicOf(l->text());
        for (QGroupBox* g : dialog.findChildren<QGroupBox*>()) letters += MnemonicOf(g->title());
        auto* tabs = dialog.findChild<QTabWidget*>(QStringLiteral("WorldTabs"));
        for (int t = 0; t < tabs->count(); ++t) letters += MnemonicOf(tabs->tabText(t));
        letters.remove(QChar());
        QString unique = letters;
        std::sort(unique.begin(), unique.end());
        EXPECT_EQ(std::unique(unique.begin(), unique.end()), unique.end()) << letters.toStdString();
    }
}

// The keyboard stays where the user works: a sweep begun from a button gives the keyboard back
// to it, a control reached by its mnemonic scrolls into view, and a new requirement row takes
// the keyboard with its focus frame shown.
TEST_F(WindowTest, TheFairWorldDialogKeepsTheKeyboardWhereTheUserWorks) {
    Open();
    FairWorldDialog dialog(*world, dialogs, {});
    dialog.SeedCount()->setValue(5);
    dialog.resize(700, 300);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* start = dialog.findChild<QPushButton*>(QStringLiteral("Start"));
    auto* sweepStep = dialog.findChild<QPushButton*>(QStringLiteral("SweepStep"));
    for (QPushButton* button : {start, sweepStep}) {
        SCOPED_TRACE(button->objectName().toStdString());
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key_Space);
        dialog.WaitUntilDone();
        EXPECT_EQ(QApplication::focusWidget(), button);
    }
    auto* body = dialog.findChild<QScrollArea*>(QStringLiteral("Body"));
    body->verticalScrollBar()->setValue(0);
    QTest::keyClick(&dialog, Qt::Key_V, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), dialog.VaryStep());
    const QRect shown = body->viewport()->rect();
    EXPECT_TRUE(shown.contains(QRect(dialog.VaryStep()->mapTo(body->viewport(), QPoint(0, 0)),
                                     dialog.VaryStep()->size())));

    dialog.setAttribute(Qt::WA_KeyboardFocusChange, false);
    dialog.Requirements()->findChild<QPushButton*>(QStringLiteral("AddRequirement"))->click();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->accessibleName(), QStringLiteral("Measure"));
    EXPECT_TRUE(dialog.testAttribute(Qt::WA_KeyboardFocusChange));
}

}  // namespace test
