#include <QCoreApplication>
#include <QEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <cstdio>

#include "AppTestSupport.h"
#include "app/ModeLayout.h"

using namespace tq3;
using test::ReadFile;
using test::WindowTest;
using test::WriteFile;
namespace fs = std::filesystem;

TEST_F(WindowTest, TheWindowOffersTheBackupAtCreationAndLoadsOnceOnFirstActivation) {
    form = std::make_unique<TFormGener>(*world, dialogs);
    ASSERT_EQ(dialogs.confirms.size(), 1u);
    EXPECT_EQ(dialogs.confirms[0].rfind("Welcome to TQ3 Scenario Generator.", 0), 0u);
    EXPECT_TRUE(fs::exists(game / "Backup" / "Province.csv"));
    EXPECT_EQ(dialogs.busy, 0);

    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(form.get(), &activate);
    form->show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->Loaded());
    EXPECT_EQ(dialogs.busy, 1);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("TQ3 Scenario Generator"));

    // Coming back from the program's own dialogs never reloads.
    S().Temperature = 3;
    QCoreApplication::sendEvent(form.get(), &activate);
    form->FormActivate();
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.busy, 1);
    EXPECT_EQ(S().Temperature, 3);
}

TEST_F(WindowTest, AFolderThatIsNotAGameFolderIsSaidOnceAndNothingIsMadeInIt) {
    const fs::path empty = dir.path / "empty";
    fs::create_directories(empty);
    world->ProgramFolder = empty.string();
    Open();
    EXPECT_TRUE(dialogs.confirms.empty());
    ASSERT_EQ(dialogs.infos.size(), 1u);
    EXPECT_NE(dialogs.infos[0].find("is not a game folder"), std::string::npos);
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_TRUE(fs::is_empty(empty));
    EXPECT_FALSE(form->SpeedButton1->isEnabled());

    // Opening the real game folder afterwards loads it.
    EXPECT_TRUE(form->OpenGameFolder(game.string()));
    EXPECT_TRUE(form->SpeedButton1->isEnabled());
    EXPECT_EQ(world->ProgramFolder, game.string());
    EXPECT_GT(world->NationsLoaded, 0);
}

TEST_F(WindowTest, ModeCommandsSetTheModeTheCheckMarksAndTheLayout) {
    Open();
    const char* items[] = {"Generaderandomscenaroi1", "Generatemaponly1", "Generatescenarioonly1"};
    for (int mode : {1, 2, 0}) {
        dialogs.answers = {Answer::No};
        Item(items[mode])->trigger();
        EXPECT_EQ(S().GeneratorMode, mode);
        for (int m = 0; m < 3; ++m) EXPECT_EQ(Item(items[m])->isChecked(), m == mode);
        const ModeLayout& layout = kModeCommandLayouts[mode];
        EXPECT_EQ(ActiveTab(), layout.countriesActive ? "TabSheetNations" : "TabSheetMap");
        EXPECT_EQ(TabShown("TabSheetMap"), layout.mapTab);
        EXPECT_EQ(TabShown("TabSheetNations"), layout.nationsTabs);
        EXPECT_EQ(TabShown("TabSheetNationsAdvanced"), layout.nationsTabs);
        EXPECT_EQ(TabShown("TabSheetReligion"), mode != 1);  // the command shows it in mode 2
        EXPECT_TRUE(TabShown("TabSheetTrade"));
        EXPECT_EQ(Control("GroupBoxCoT")->isHidden(), mode == 1);
        EXPECT_EQ(Control("GroupBoxGoods")->isHidden(), mode == 2);
        EXPECT_EQ(Control("GroupBoxTaxation")->isHidden(), mode != 0);
        EXPECT_EQ(Control("GroupBoxGoodsValues")->isHidden(), mode != 0);
        EXPECT_EQ(Item("Basicsettings1")->isVisible(), mode != 1);
    }
}

TEST_F(WindowTest, TheLayoutAfterALoadHidesReligionInScenarioOnlyModeAndLeavesTheMenu) {
    Open();
    dialogs.answers = {Answer::No};
    Item("Generatemaponly1")->trigger();  // hides "General settings"
    S().GeneratorMode = 2;
    form->ShowSettings();
    EXPECT_FALSE(TabShown("TabSheetMap"));
    EXPECT_FALSE(TabShown("TabSheetReligion"));
    EXPECT_TRUE(TabShown("TabSheetNations"));
    EXPECT_EQ(ActiveTab(), "TabSheetNations");
    EXPECT_TRUE(Item("Generatescenarioonly1")->isChecked());
    EXPECT_FALSE(Item("Basicsettings1")->isVisible());
    // Another mode value changes nothing of the layout.
    S().GeneratorMode = 7;
    form->ShowSettings();
    EXPECT_FALSE(TabShown("TabSheetMap"));
    EXPECT_TRUE(Item("Generatescenarioonly1")->isChecked());
}

TEST_F(WindowTest, MapOnlyModeRestoresTheNationFilesOnlyOnYesAndAsksEachTime) {
    Open();
    WriteFile(game / "DB" / "Country.csv", "changed");
    dialogs.answers = {Answer::No};
    Item("Generatemaponly1")->trigger();
    EXPECT_EQ(ReadFile(game / "DB" / "Country.csv"), "changed");
    EXPECT_EQ(S().GeneratorMode, 1);
    EXPECT_FALSE(TabShown("TabSheetNations"));
    EXPECT_EQ(ActiveTab(), "TabSheetMap");

    dialogs.answers = {Answer::Yes};
    Item("Generatemaponly1")->trigger();  // already marked: asks again
    EXPECT_EQ(dialogs.confirms.back(),
              "Do you want to restore orig. files: DiplomaticMatrix.csv, Country.csv and "
              "Revolt.txt?");
    EXPECT_EQ(ReadFile(game / "DB" / "Country.csv"), ReadFile(game / "Backup" / "Country.csv"));
}

TEST_F(WindowTest, TheMapEditorMenuSetsTheSettingAndItsCheckMarks) {
    Open();
    Item("Enabled1")->trigger();
    EXPECT_TRUE(S().EditorEnabled);
    EXPECT_TRUE(Item("Enabled1")->isChecked());
    EXPECT_FALSE(Item("Disabled1")->isChecked());
    Item("Disabled1")->trigger();
    EXPECT_FALSE(S().EditorEnabled);
    EXPECT_TRUE(Item("Disabled1")->isChecked());
    // Selecting majors waits for the map editor.
    EXPECT_FALSE(Item("Show1")->isEnabled());
    EXPECT_FALSE(Control("SpeedButtonMajorsMap")->isEnabled());
}

TEST_F(WindowTest, RunWritesTheGameFilesShowsProgressAndKeepsTheSettingsWhenStaying) {
    Open();
    Control<TrackBar>("TrackBarTemperature")->setValue(-3);
    Control<CheckBox>("CheckBoxRandomGoods")->SetChecked(true);
    const std::string before = ReadFile(game / "DB" / "Province.csv");
    dialogs.answers = {Answer::Cancel};  // stay
    form->SpeedButton1->click();

    EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
    ASSERT_FALSE(dialogs.progress.empty());
    EXPECT_EQ(dialogs.progress.front(), 0);
    EXPECT_NE(std::find(dialogs.progress.begin(), dialogs.progress.end(), 16),
              dialogs.progress.end());
    // The closing question names the run's seed, which the status bar shows already.
    EXPECT_EQ(dialogs.confirms.back(),
              "Scenario created succesfuly!\r\nDo you want to quit ?"
              "\r\n\r\nSeed of this run: " +
                  std::to_string(*form->LastSeed()));
    EXPECT_NE(ReadFile(game / "DB" / "Province.csv"), before);
    EXPECT_TRUE(fs::exists(game / "Scenarios" / (S().ScenarioFileName + ".tqg")));
    EXPECT_TRUE(form->LastSeed().has_value());

    // The window keeps the user's settings as they were before the run.
    EXPECT_EQ(S().Temperature, -3);
    EXPECT_TRUE(S().IsRandomGoods);
    EXPECT_EQ(Control<TrackBar>("TrackBarTemperature")->Position(), -3);
    EXPECT_EQ(form->ProgressBarGener->value(), 0);
}

TEST_F(WindowTest, TheSameSeedMakesTheSameWorldAgain) {
    Open();
    dialogs.answers = {Answer::Cancel, Answer::Cancel};
    form->RunGenerator(42);
    const std::string first = ReadFile(game / "DB" / "Province.csv");
    form->RunGenerator(42);
    EXPECT_EQ(ReadFile(game / "DB" / "Province.csv"), first);
    EXPECT_EQ(form->LastSeed(), 42u);
}

TEST_F(WindowTest, AnsweringTheClosingQuestionWithOkClosesTheWindow) {
    Open();
    form->show();
    QCoreApplication::processEvents();
    dialogs.answers = {Answer::Ok};
    form->RunGenerator(7);
    EXPECT_TRUE(form->isHidden());
}

TEST_F(WindowTest, RestoreOrigFilesPutsTheBackupBackAndCancelKeepsTheWindow) {
    Open();
    form->show();
    WriteFile(game / "DB" / "Province.csv", "generated");
    dialogs.answers = {Answer::Cancel};
    Item("Restoreorigfiles1")->trigger();
    EXPECT_EQ(ReadFile(game / "DB" / "Province.csv"), ReadFile(game / "Backup" / "Province.csv"));
    EXPECT_FALSE(form->isHidden());
}

TEST_F(WindowTest, RestoreOrigFilesWithoutABackupNamesTheFailedFilesAndDoesNotClaimSuccess) {
    dialogs.answers = {Answer::No};  // no backup at start
    Open();
    Item("Restoreorigfiles1")->trigger();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("Province.csv"), std::string::npos);
    EXPECT_EQ(dialogs.confirms.size(), 1u);  // only the welcome question
}

TEST_F(WindowTest, BackupAndRestoreScenarioGoThroughTheChosenFolder) {
    Open();
    dialogs.answers = {Answer::Cancel};
    form->RunGenerator(3);
    const fs::path saved = dir.path / "saved";
    dialogs.folder = saved.string();
    Item("Backupscenaio1")->trigger();
    EXPECT_TRUE(fs::exists(saved / "Province.csv"));
    // Each copy says in the status bar how many files it wrote, and where.
    EXPECT_EQ(form->statusBar()->currentMessage(),
              QStringLiteral("Backup scenario: 7 files written to ") +
                  QString::fromStdString(saved.string()));
    EXPECT_TRUE(fs::exists(saved / (S().ScenarioFileName + ".tqg")));

    WriteFile(game / "DB" / "Province.csv", "other");
    Item("Restorescenario1")->trigger();
    EXPECT_EQ(ReadFile(game / "DB" / "Province.csv"), ReadFile(saved / "Province.csv"));
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(form->statusBar()->currentMessage(),
              QStringLiteral("Restore scenario: 7 files written to ") +
                  QString::fromStdString(game.string()));

    const fs::path nothing = dir.path / "nothing";
    fs::create_directories(nothing);
    dialogs.folder = nothing.string();
    Item("Restorescenario1")->trigger();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0],
              "No scenario found in: " + nothing.string() + " or TQ3 is running!");
}

TEST_F(WindowTest, TheMapEditorHookSelectsMajorsIntoTheEdit) {
    Open();
    MapEditorHooks hooks;
    hooks.selectMajors = [](World& w, QWidget*) {
        w.Settings.SpecifiedMajors = "ENG;FRA";
        return true;
    };
    form->SetMapEditor(hooks);
    EXPECT_TRUE(Item("Show1")->isEnabled());
    world->MajorNations.set(5);
    Item("Show1")->trigger();
    EXPECT_EQ(Control<Edit>("EditMajors")->text(), QStringLiteral("ENG;FRA"));
    EXPECT_TRUE(world->MajorNations.none());
}

TEST(HeadlessCommandLine, TheHeadlessExecutableLinksNoQtLibrary) {
    const std::string command = std::string("ldd '") + TQ3_EXECUTABLE + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    ::pclose(pipe);
    ASSERT_NE(out.find("libc.so"), std::string::npos) << out;
    EXPECT_EQ(out.find("libQt"), std::string::npos) << out;
}

TEST_F(WindowTest, AbortInTheMapEditorEndsTheRunBeforeTheProvinceTableIsWritten) {
    Open();
    int previews = 0;
    MapEditorHooks hooks;
    hooks.preview = [&](World&, RandomSource&, RunRedraw*, QWidget* owner) {
        ++previews;
        EXPECT_EQ(owner, form.get());
        return false;
    };
    form->SetMapEditor(hooks);
    Item("Enabled1")->trigger();
    const std::string before = ReadFile(game / "DB" / "Province.csv");
    const std::size_t questions = dialogs.confirms.size();
    form->RunGenerator(11);
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(ReadFile(game / "DB" / "Province.csv"), before);
    EXPECT_EQ(dialogs.confirms.size(), questions);  // no closing question
    EXPECT_TRUE(form->SpeedButton1->isEnabled());
}

TEST_F(WindowTest, ShowSettingsLaysOutEachModeAsTheLoadedLayoutSays) {
    Open();
    for (int mode : {1, 2, 0}) {
        S().GeneratorMode = static_cast<int8_t>(mode);
        form->ShowSettings();
        const ModeLayout& layout = kLoadedModeLayouts[mode];
        EXPECT_EQ(ActiveTab(), layout.countriesActive ? "TabSheetNations" : "TabSheetMap") << mode;
        EXPECT_EQ(TabShown("TabSheetMap"), mode != 2) << mode;
        EXPECT_EQ(TabShown("TabSheetNations"), mode != 1) << mode;
        EXPECT_EQ(TabShown("TabSheetNationsAdvanced"), mode != 1) << mode;
        EXPECT_EQ(TabShown("TabSheetReligion"), mode == 0) << mode;
        EXPECT_TRUE(TabShown("TabSheetTrade"));
        EXPECT_EQ(Control("GroupBoxCoT")->isHidden(), mode == 1) << mode;
        EXPECT_EQ(Control("GroupBoxGoods")->isHidden(), mode == 2) << mode;
        EXPECT_EQ(Control("GroupBoxTaxation")->isHidden(), mode != 0) << mode;
        EXPECT_EQ(Control("GroupBoxGoodsValues")->isHidden(), mode != 0) << mode;
        EXPECT_TRUE(Item("Basicsettings1")->isVisible()) << mode;
    }
}
