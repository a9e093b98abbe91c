// The main window's menus: generator modes, general settings, map editor and files (the
// presets menu is in PresetCommands.cpp).
#include <QActionGroup>
#include <QDir>
#include <QInputDialog>
#include <QMenuBar>
#include <QSettings>

#include "app/FormGener.h"
#include "session/GameFilesCheck.h"

namespace tq3 {

namespace {
// Recent game folders kept in the user's settings.
constexpr int kRecentFolders = 6;
const QString kRecentKey = QStringLiteral("recentGameFolders");

QAction* Item(QMenu* menu, const char* name, const QString& caption, const QString& hint = {}) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) action->setStatusTip(hint);
    return action;
}
}  // namespace

void TFormGener::BuildMenus() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    BuildModeMenu();
    basicSettings_ = menuBar()->addAction(tr("General &settings"));
    basicSettings_->setObjectName(QStringLiteral("Basicsettings1"));
    connect(basicSettings_, &QAction::triggered, this, [this] { ShowGeneralSettings(); });
    needWorld_.push_back(basicSettings_);
    BuildEditorMenu();
    BuildFileMenu();
    BuildPresetsMenu();
}

// Generator Mode: the three modes, one of them marked.
void TFormGener::BuildModeMenu() {
    QMenu* modes = menuBar()->addMenu(tr("&Generator Mode"));
    modes->setObjectName(QStringLiteral("GeneratorMode1"));
    modes->menuAction()->setStatusTip(tr("Select generator mode"));
    const char* modeNames[kGeneratorModes] = {"Generaderandomscenaroi1", "Generatemaponly1",
                                              "Generatescenarioonly1"};
    const QString modeCaptions[kGeneratorModes] = {
        tr("Generate scenario with new map"), tr("Generate map only"),
        tr("Generate scenario only / restore orig. map")};
    auto* modeGroup = new QActionGroup(this);
    for (int m = 0; m < kGeneratorModes; ++m) {
        modeItems_[m] = Item(modes, modeNames[m], modeCaptions[m]);
        modeItems_[m]->setCheckable(true);
        modeGroup->addAction(modeItems_[m]);
        // A marked mode chosen again runs its command again.
        connect(modeItems_[m], &QAction::triggered, this, [this, m] { SetGeneratorMode(m); });
    }
    modeItems_[ModeValue(GeneratorMode::ScenarioOnly)]->setStatusTip(
        tr("In this mode the scenario file (.tqg) is generated only, original province.csv is "
           "automticaly restored from backup "));
    modeItems_[ModeValue(GeneratorMode::MapAndScenario)]->setChecked(true);
}

// Map Editor: enabled or disabled during a run, and the majors selection.
void TFormGener::BuildEditorMenu() {
    QMenu* editor = menuBar()->addMenu(tr("Map &Editor"));
    editor->setObjectName(QStringLiteral("Map1"));
    auto* editorGroup = new QActionGroup(this);
    editorEnabled_ = Item(editor, "Enabled1", tr("&Enabled"));
    editorDisabled_ = Item(editor, "Disabled1", tr("&Disabled"));
    for (QAction* action : {editorEnabled_, editorDisabled_}) {
        action->setCheckable(true);
        editorGroup->addAction(action);
    }
    editorDisabled_->setChecked(true);
    connect(editorEnabled_, &QAction::triggered, this, [this] { SetEditorEnabled(true); });
    connect(editorDisabled_, &QAction::triggered, this, [this] { SetEditorEnabled(false); });
    editor->addSeparator();
    selectMajors_ =
        Item(editor, "Show1", tr("Select &Majors"), tr("Press to select majors (advanced mode)"));
    selectMajors_->setEnabled(false);
    connect(selectMajors_, &QAction::triggered, this, [this] { SelectMajorsOnMap(); });
}

// File: the game's originals and scenarios, game folders, seeds, fair worlds and recipes.
void TFormGener::BuildFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("File1"));
    connect(Item(file, "Restoreorigfiles1", tr("Restore &orig. files"),
                 tr("Press to get game to original state ifyou want to play some of standard "
                    "scenarios.")),
            &QAction::triggered, this, [this] { RestoreOrigFiles(); });
    QAction* backup =
        Item(file, "Backupscenaio1", tr("&Backup scenario"),
             tr("Press to store all necessary scenario files to given folder for later play"));
    connect(backup, &QAction::triggered, this, [this] { BackupScenarioCommand(); });
    QAction* restore = Item(file, "Restorescenario1", tr("&Restore scenario"),
                            tr("Press to restore all necessary scenario files from folder where "
                               "they are backuped."));
    connect(restore, &QAction::triggered, this, [this] { RestoreScenarioCommand(); });
    QAction* verify = Item(file, "VerifyGameFiles", tr("&Verify game files"),
                           tr("Check the game files of this folder against the rules the game's "
                              "files keep, and list what is wrong with file and line"));
    connect(verify, &QAction::triggered, this, [this] { VerifyGameFilesCommand(); });
    file->addSeparator();
    QAction* open = Item(file, "OpenGameFolder", tr("Open game &folder..."),
                         tr("Open the generator on another game folder"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this] { ChooseGameFolder(); });
    recentMenu_ = file->addMenu(tr("Recent game folders"));
    recentMenu_->setObjectName(QStringLiteral("RecentFolders"));
    FillRecentMenu();
    QAction* seeded = Item(file, "RunWithSeed", tr("Run with s&eed..."),
                           tr("Generate again from a seed, to make a world you liked again"));
    seeded->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F5));
    connect(seeded, &QAction::triggered, this, [this] { RunWithSeedCommand(); });
    QAction* fair = Item(file, "FindFairWorld", tr("Find a f&air world..."),
                         tr("Measure the worlds of many seeds with these settings, writing "
                            "nothing, and generate the one you pick"));
    connect(fair, &QAction::triggered, this, [this] { FindFairWorld(); });
    QAction* save = Item(file, "SaveRecipe", tr("Save recipe of the last run..."),
                         tr("Save what makes the last world again (seed, settings, file hashes) "
                            "as a small file to share"));
    connect(save, &QAction::triggered, this, [this] { SaveLastRecipeCommand(); });
    QAction* replay = Item(file, "ReplayRecipe", tr("Replay a recipe..."),
                           tr("Make the world of a recipe again, after checking that this game "
                              "folder's files are the recorded ones"));
    connect(replay, &QAction::triggered, this, [this] { ReplayRecipeCommand(); });
    needWorld_.insert(needWorld_.end(), {backup, restore, verify, seeded, fair, save, replay});
    file->addSeparator();
    QAction* quit = Item(file, "Quit", tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
}

void TFormGener::RunWithSeedCommand() {
    const QString last = lastSeed_ ? QString::number(*lastSeed_) : QString();
    bool ok = false;
    const QString text =
        QInputDialog::getText(this, tr("Run with seed"), tr("Seed of the run (a whole number):"),
                              QLineEdit::Normal, last, &ok);
    if (!ok) return;
    bool number = false;
    const qulonglong seed = text.trimmed().toULongLong(&number);
    if (!number) {
        dialogs_.Error("\"" + text.toStdString() +
                       "\" is not a seed: a seed is a whole number from 0 to "
                       "18446744073709551615.");
        return;
    }
    RunGenerator(seed);
}

void TFormGener::VerifyGameFilesCommand() {
    if (!loaded_) return;
    // The findings gather in the problems list, shown when the check ends.
    dialogs_.Busy(true);
    const InstalledFilesCheck check = VerifyInstalledFiles(world_, dialogs_);
    dialogs_.Busy(false);
    if (check.findings.empty())
        dialogs_.Info("No findings in the game files of " + world_.ProgramFolder);
}

QStringList TFormGener::RecentFolders() const {
    return QSettings().value(kRecentKey).toStringList();
}

void TFormGener::RememberFolder() {
    QSettings settings;
    QStringList folders = RecentFolders();
    const QString folder = QString::fromStdString(world_.ProgramFolder);
    folders.removeAll(folder);
    folders.prepend(folder);
    while (folders.size() > kRecentFolders) folders.removeLast();
    settings.setValue(kRecentKey, folders);
    FillRecentMenu();
}

void TFormGener::FillRecentMenu() {
    recentMenu_->clear();
    const QStringList folders = RecentFolders();
    for (const QString& folder : folders) {
        QAction* action = recentMenu_->addAction(QDir::toNativeSeparators(folder));
        connect(action, &QAction::triggered, this,
                [this, folder] { OpenGameFolder(folder.toStdString()); });
    }
    recentMenu_->setEnabled(!folders.isEmpty());
}

}  // namespace tq3
