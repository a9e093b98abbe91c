#pragma once

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/ModeLayout.h"
#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "session/Preset.h"
#include "session/Recipe.h"
#include "session/Rerolls.h"
#include "session/RunRedraw.h"
#include "session/RunReport.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace tq3 {

class CountriesPage;
class EconomyPage;
class FairWorldDialog;
class MessageBar;
class ProvincesPage;
class ReligionPage;
class SettingsPage;
class TechnologyPage;

// How the map editor plugs into the window: the preview during a run with the run's random
// source and its redraw (false: Abort) and the majors selection (true: OK).
struct MapEditorHooks {
    std::function<bool(World&, RandomSource&, RunRedraw*, QWidget* owner)> preview;
    std::function<bool(World&, QWidget* owner)> selectMajors;
};

// The main settings window: five tabs of settings, the "Run!" button with its progress bar
// and the menus. Every message goes through the given dialogs.
class TFormGener : public QMainWindow {
  public:
    // Window creation: the start-up backup runs here when `world.ProgramFolder` is a game
    // folder.
    TFormGener(World& world, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TFormGener() override;

    // First activation (or first show): loads the whole configuration and shows it, once.
    void FormActivate();
    // Puts every setting into its control and applies the generator mode.
    void ShowSettings();

    // Commands.
    void SpeedButton1Click();  // "Run!"
    // A run with the given rerolls; `withEditor` false skips the map editor's preview (a
    // replay).
    void RunGenerator(std::optional<uint64_t> seed, bool withEditor = true, Rerolls rerolls = {});
    void SetGeneratorMode(int mode);
    void SetEditorEnabled(bool enabled);
    void ShowGeneralSettings();
    void RestoreOrigFiles();
    void BackupScenarioCommand();
    void RestoreScenarioCommand();
    void SelectMajorsOnMap();
    // Opens another game folder: start-up backup, full load, controls filled.
    bool OpenGameFolder(const std::string& folder);

    void SetMapEditor(MapEditorHooks hooks);
    // The folder dialog of "Open game folder..." from the given start; without it, the
    // dialogs' folder dialog.
    std::function<std::optional<std::string>(const std::string& start)> chooseGameFolder;

    // Recipes (RecipeCommands.cpp). "Save recipe of the last run...": the recipe of this
    // window's last run, else the one kept from the last run of the tool; true when written.
    bool SaveLastRecipe(const std::string& file);
    // "Replay a recipe...": the same checks as `tq3gen replay`, differing files shown as a list
    // with the question whether to go on; then the recipe's settings and its run.
    bool ReplayRecipe(const std::string& file);

    // Presets (PresetCommands.cpp). A preset applied goes over the game's settings file, as
    // --preset does, and its values show in the tabs at once; one given before the first load
    // is applied over the settings that load restores.
    bool ApplyPreset(const Preset& preset);
    // "Save current settings as preset...": the settings changed against the game's settings
    // file, as the user's preset `name`; an existing one is replaced only when the user says so.
    bool SavePreset(const std::string& name, const std::string& description);
    // "Delete preset...": one of the user's own, after asking.
    bool DeletePreset(const std::string& name);
    // "Import preset...": a preset file checked as --preset FILE checks it, kept as the user's
    // preset `name`.
    bool ImportPreset(const std::string& file, const std::string& name);
    // "Export preset...": the settings changed against the game's settings file as `file`.
    bool ExportPreset(const std::string& file, const std::string& description);
    // "Reset to the game's settings": after asking, every setting as the game's settings file
    // gives it, and the changes kept for this folder forgotten.
    bool ResetToGameSettings();
    // Keeps the settings changed in the open folder for its next opening (a run, another
    // folder and closing the window keep them too).
    void RememberChanges();

    // The seed of the last run in the open folder (or of the run under way), shown in the
    // status bar.
    std::optional<uint64_t> LastSeed() const { return lastSeed_; }
    bool Loaded() const { return loaded_; }
    // Whether the open folder's configuration is loaded: the commands that need a world are
    // on only then, and the message bar says why they are off.
    bool WorldReady() const { return worldReady_; }
    // The five tabs in order.
    std::vector<SettingsPage*> Pages() const;

    QTabWidget* PageControl1 = nullptr;
    QProgressBar* ProgressBarGener = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QLabel* PanelInit = nullptr;
    MessageBar* messageBar = nullptr;
    // The status bar's permanent fields: the open game folder and the seed of the last run.
    QLabel* folderLabel = nullptr;
    QLabel* seedLabel = nullptr;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    class WindowDialogs;
    void BuildMenus();
    void BuildModeMenu();
    void BuildEditorMenu();
    void BuildFileMenu();
    void BuildPresetsMenu();
    // The presets menu as the preset folder holds it now.
    void FillPresetsMenu();
    void SavePresetCommand();
    // Writes `preset` as the user's preset of its name, asking before it replaces one: `what`
    // names the new content in that question, `done` what the status bar says was done.
    bool KeepUserPreset(const Preset& preset, const std::string& what, const QString& done);
    void DeletePresetCommand();
    void ImportPresetCommand();
    void ExportPresetCommand();
    // The overrides a folder opens with: the settings the user changed there last time, then
    // the preset given before the first load.
    void TakeFolderOverrides();
    // Says in the status bar what the folder opened with.
    void SayFolderOverrides();
    // The settings file with `overrides` over it, loaded in full and shown in the tabs.
    bool LoadWithOverrides(SettingValues overrides);
    void SetUpKeyboard();
    void ApplyModeLayout(const ModeLayout& layout, int mode);
    void MarkMode(int mode);
    bool IsGameFolder() const;
    void LoadAndShow();
    // The open folder's configuration could not be loaded: its world, which may be the one
    // of the folder before, is dropped.
    void LoadFailed(const std::string& reason);
    void SetWorldReady(bool ready);
    // Forgets what belongs to the folder that was open: the last run, its recipe and seed,
    // the fair worlds found.
    void ForgetFolderState();
    void ShowFolder();
    void ShowSeed();
    // Says in the status bar how many files a command wrote, and where.
    void SayWritten(const QString& command, const OperationReport& report);
    void MessageBarAction();
    void FindFairWorld();
    // A note under the next run's closing question.
    void SetRunNote(std::string note);
    void OfferGameFolder();
    void ChooseGameFolder();
    void RunWithSeedCommand();
    // "Verify game files": the findings of `tq3gen verify` in the problems list.
    void VerifyGameFilesCommand();
    void SaveLastRecipeCommand();
    void ReplayRecipeCommand();
    void KeepRecipe(const RunReport& report, const RecipeResult& recipe);
    // The dialogs every command of the window shows its messages through.
    Dialogs& WindowMessages();
    void RememberFolder();
    QStringList RecentFolders() const;
    void FillRecentMenu();

    World& world_;
    Dialogs& dialogs_;
    std::unique_ptr<WindowDialogs> windowDialogs_;
    MapEditorHooks mapEditor_;
    bool loaded_ = false;
    bool placed_ = false;
    bool worldReady_ = false;
    std::optional<uint64_t> lastSeed_;
    Rerolls lastRerolls_;  // of the last run, shown beside its seed
    // The recipe of the last run that wrote its files, or why it has none.
    std::optional<Recipe> lastRecipe_;
    std::string lastRecipeProblem_;
    // Majors chosen on the map move capitals that no setting holds, until the next load.
    bool majorsChosenOnMap_ = false;

    ProvincesPage* provinces_ = nullptr;
    EconomyPage* economy_ = nullptr;
    CountriesPage* countries_ = nullptr;
    TechnologyPage* technology_ = nullptr;
    ReligionPage* religion_ = nullptr;

    QAction* modeItems_[kGeneratorModes] = {};
    QAction* basicSettings_ = nullptr;
    QAction* editorEnabled_ = nullptr;
    QAction* editorDisabled_ = nullptr;
    QAction* selectMajors_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    // The commands that need the open folder's world.
    std::vector<QAction*> needWorld_;
    std::unique_ptr<FairWorldDialog> fairWorld_;
    QMenu* presetsMenu_ = nullptr;
    // The preset to apply at the first load, and what the open folder's load applied.
    std::optional<Preset> startPreset_;
    std::string appliedPreset_;
    bool restoredChanges_ = false;
};

}  // namespace tq3
