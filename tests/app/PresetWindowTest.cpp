// The window's presets and the settings it keeps per game folder: a preset applied shows its
// values at once; presets saved, exported and imported read back as --preset reads them; the
// changed settings come back at the next opening of their folder, never in another folder,
// and never in the game's settings file.

#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStatusBar>

#include "AppTestSupport.h"
#include "ProcessSupport.h"
#include "app/PresetNameDialog.h"
#include "session/PresetStore.h"
#include "session/RememberedSettings.h"

namespace {

using test::WindowTest;
namespace fs = std::filesystem;

const tq3::Preset& BuiltIn(const std::string& name) {
    for (const tq3::Preset& p : tq3::BuiltInPresets())
        if (p.name == name) return p;
    throw std::runtime_error("no built-in preset " + name);
}

QString Status(const tq3::TFormGener& form) {
    return form.statusBar()->currentMessage();
}

TEST_F(WindowTest, APresetFromTheMenuShowsItsValuesAndTheNextGoesOverTheGamesSettings) {
    Open();
    const int fileTemperature = S().Temperature;
    auto* temperature = Control<QSlider>("TrackBarTemperature");
    Item("Preset-harsh-climate")->trigger();
    EXPECT_EQ(S().Temperature, -3);
    EXPECT_EQ(temperature->value(), -3);
    EXPECT_EQ(S().ColonDifficultyModif, 3);
    EXPECT_TRUE(Status(*form).contains(QStringLiteral("harsh-climate")));

    // Another preset starts again from the settings file: the climate is the file's again.
    ASSERT_TRUE(form->ApplyPreset(BuiltIn("equal-majors")));
    EXPECT_EQ(S().Temperature, fileTemperature);
    EXPECT_EQ(temperature->value(), fileTemperature);
    EXPECT_EQ(S().StartingCountrySize, 3);
    EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
}

TEST_F(WindowTest, PresetsSavedExportedAndImportedReadBackAsTheCommandLineReadsThem) {
    Open();
    S().Temperature = 2;
    S().NationCount = 33;

    // A name that --preset could not find is refused with the reason; a good one is written.
    EXPECT_FALSE(form->SavePreset("../cold", "x"));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("cannot name a preset"), std::string::npos);
    ASSERT_TRUE(form->SavePreset("warm-crowd", "Warm and crowded"));
    const tq3::PresetResult saved = tq3::FindPreset("warm-crowd");
    ASSERT_TRUE(saved.preset) << saved.error;
    EXPECT_EQ(saved.preset->description, "Warm and crowded");
    EXPECT_EQ(saved.preset->settings,
              (tq3::SettingValues{{"Temperature", "2"}, {"NationCount", "33"}}));
    EXPECT_NE(form->findChild<QAction*>(QStringLiteral("Preset-warm-crowd")), nullptr);

    // Exported beside the game, then imported under another name; a game file is no target.
    const std::string shared = (dir.path / "shared.json").string();
    ASSERT_TRUE(form->ExportPreset(shared, "to share"));
    EXPECT_EQ(tq3::ReadPresetFile(shared).preset->settings, saved.preset->settings);
    const std::string settingsFile = (game / "Config/TQ3Gener.csv").string();
    const std::string settingsBefore = test::ReadFile(settingsFile);
    EXPECT_FALSE(form->ExportPreset(settingsFile, "no"));
    EXPECT_EQ(test::ReadFile(settingsFile), settingsBefore);
    ASSERT_TRUE(form->ImportPreset(shared, "from-a-friend"));
    EXPECT_EQ(tq3::FindPreset("from-a-friend").preset->description, "to share");

    // A broken file is refused by import as by --preset, naming it.
    test::WriteFile(dir.path / "broken.json", "{\"settings\": {\"NoSuchKey\": \"1\"}}");
    const std::size_t errors = dialogs.errors.size();
    EXPECT_FALSE(form->ImportPreset((dir.path / "broken.json").string(), "broken"));
    ASSERT_EQ(dialogs.errors.size(), errors + 1);
    EXPECT_NE(dialogs.errors.back().find("broken.json"), std::string::npos);

    // Delete asks first; No keeps it, Yes deletes it; a built-in one cannot be deleted.
    dialogs.answers = {Answer::No};
    EXPECT_FALSE(form->DeletePreset("warm-crowd"));
    EXPECT_TRUE(tq3::FindPreset("warm-crowd").preset);
    dialogs.answers = {Answer::Yes};
    EXPECT_TRUE(form->DeletePreset("warm-crowd"));
    EXPECT_FALSE(tq3::FindPreset("warm-crowd").preset);
    EXPECT_FALSE(form->DeletePreset("open-world"));
    tq3::DeleteUserPreset("from-a-friend");
}

TEST_F(WindowTest, ChangedSettingsComeBackInTheirOwnFolderUntilReset) {
    const std::string settingsFile = (game / "Config/TQ3Gener.csv").string();
    const std::string settingsBefore = test::ReadFile(settingsFile);
    Open();
    const int fileTemperature = S().Temperature;
    S().Temperature = 4;  // as the user moves the slider

    // Another folder opens with its own settings; coming back restores the change.
    const fs::path other = dir.path / "other";
    test::CopyTree(fs::path(TQ3_BINARY_DIR) / "demo-game", other);
    ASSERT_TRUE(form->OpenGameFolder(other.string()));
    EXPECT_EQ(S().Temperature, fileTemperature);
    EXPECT_FALSE(Status(*form).contains(QStringLiteral("restored")));
    ASSERT_TRUE(form->OpenGameFolder(game.string()));
    EXPECT_EQ(S().Temperature, 4);
    EXPECT_EQ(Control<QSlider>("TrackBarTemperature")->value(), 4);
    EXPECT_EQ(Status(*form),
              QStringLiteral("Your changed settings of the last session were restored"));

    // A new window on the folder (the next session) restores them too, with the preset of
    // its command line over them.
    form.reset();
    world = std::make_unique<World>();
    world->ProgramFolder = game.string();
    form = std::make_unique<tq3::TFormGener>(*world, dialogs);
    form->ApplyPreset(BuiltIn("equal-majors"));
    form->FormActivate();
    EXPECT_EQ(S().Temperature, 4);
    EXPECT_EQ(S().StartingCountrySize, 3);
    EXPECT_TRUE(Status(*form).startsWith(
        QStringLiteral("Your changed settings of the last session were restored; the preset "
                       "\"equal-majors\"")))
        << Status(*form).toStdString();

    // Reset asks, then drops them and the file that kept them.
    const std::string kept = tq3::RememberedSettingsFile(game.string());
    ASSERT_TRUE(fs::exists(kept));
    dialogs.answers = {Answer::No};
    EXPECT_FALSE(form->ResetToGameSettings());
    EXPECT_EQ(S().Temperature, 4);
    dialogs.answers = {Answer::Yes};
    Item("ResetSettings")->trigger();
    EXPECT_EQ(S().Temperature, fileTemperature);
    EXPECT_FALSE(fs::exists(kept));
    form->close();
    EXPECT_FALSE(fs::exists(kept)) << "nothing changed, nothing kept";
    EXPECT_EQ(test::ReadFile(settingsFile), settingsBefore);
}

TEST_F(WindowTest, ABrokenFileOfChangedSettingsIsSaidAndLeftOut) {
    const std::string kept = tq3::RememberedSettingsFile(game.string());
    for (const char* broken : {"{\"settings\": {\"Temperature\": \"99\"}", "\x01\x02not json",
                               "{\"settings\": {\"Temperature\": \"2\", \"NoSuchKey\": \"1\"}}"}) {
        test::WriteFile(kept, broken);
        dialogs.problems.clear();
        Open();
        EXPECT_TRUE(form->WorldReady());
        EXPECT_EQ(dialogs.problems.size(), 1u) << broken;
        EXPECT_FALSE(Status(*form).contains(QStringLiteral("restored")));
        EXPECT_NE(S().Temperature, 2);
        form.reset();
    }
}

TEST(PresetNameDialog, TheReasonANameIsRefusedIsShownWhole) {
    tq3::PresetNameDialog dialog(QStringLiteral("Save"), {}, true, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    // The reason of a long refused name takes more lines than the dialog had room for.
    dialog.findChild<QLineEdit*>(QStringLiteral("PresetName"))
        ->setText(QStringLiteral("a/b/c/d/e/f/g/h/i/j/k/l/m/n/o/p/q/r/s/t/u/v/w/x/y/z"));
    QApplication::processEvents();
    const auto* note = dialog.findChild<QLabel*>(QStringLiteral("PresetNameNote"));
    ASSERT_TRUE(note->isVisible());
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));
}

#ifndef _WIN32
TEST(GuiCommandLine, HelpAndVersionNeedNoDisplay) {
    test::TempDir scratch;
    const std::string gui = (fs::path(TQ3_BINARY_DIR) / "tq3gen-gui").string();
    for (const char* option : {"--help", "--version"}) {
        const test::ProgramResult r = test::RunProgram(
            "env", {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb", gui, option},
            scratch.path);
        EXPECT_EQ(r.status, 0) << option << ": " << r.err;
        EXPECT_FALSE(r.out.empty()) << option;
    }
}
#endif

}  // namespace
