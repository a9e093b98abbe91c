// The window's presets: the presets menu, applying, saving, deleting, importing and exporting
// presets, and the settings the user changed, kept per game folder between sessions.

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "app/FormGener.h"
#include "app/PresetNameDialog.h"
#include "base/GamePath.h"
#include "base/OperationReport.h"
#include "base/Platform.h"
#include "base/WriteTarget.h"
#include "config/SettingsFile.h"
#include "session/PresetStore.h"
#include "session/RememberedSettings.h"
#include "session/WorldChanges.h"
#include "widgets/FileChooser.h"

namespace tq3 {

namespace {
// Presets take the digits 1 to 9 as their mnemonics, in the order of the menu.
constexpr int kNumberedPresets = 9;
const QString kPresetFiles = QStringLiteral("Presets (*.json);;All files (*)");
// An existing preset file begins with the object that holds its members.
constexpr std::string_view kPresetHead = "{";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString Shown(const std::string& path) {
    return QDir::toNativeSeparators(Text(path));
}

// A preset's caption: its number, its name with any "&" shown as itself, and where it comes
// from.
QString PresetCaption(int index, const Preset& preset) {
    QString caption = Text(preset.name).replace(QLatin1Char('&'), QStringLiteral("&&"));
    if (preset.builtIn) caption += QObject::tr("  (built-in)");
    if (index < kNumberedPresets) caption = QStringLiteral("&%1 ").arg(index + 1) + caption;
    return caption;
}
}  // namespace

void TFormGener::BuildPresetsMenu() {
    presetsMenu_ = menuBar()->addMenu(tr("P&resets"));
    presetsMenu_->setObjectName(QStringLiteral("PresetsMenu"));
    presetsMenu_->menuAction()->setStatusTip(
        tr("Apply a preset of settings, keep the current settings as one, or share one as a "
           "file"));
    // The user's presets may change between visits (another window, a file copied by hand).
    connect(presetsMenu_, &QMenu::aboutToShow, this, [this] { FillPresetsMenu(); });
    FillPresetsMenu();
}

void TFormGener::FillPresetsMenu() {
    // The old entries go once control is back in the event loop: one of them may be the entry
    // whose command is under way.
    for (QAction* old : presetsMenu_->actions()) {
        presetsMenu_->removeAction(old);
        old->setObjectName(QString());
        old->deleteLater();
    }
    const auto item = [this](const char* name, const QString& caption, const QString& hint,
                             bool needsWorld, auto command) {
        QAction* action = presetsMenu_->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setStatusTip(hint);
        action->setEnabled(!needsWorld || worldReady_);
        connect(action, &QAction::triggered, this, command);
    };
    // Without a folder's world, only the commands on the user's presets.
    // One entry per preset, built-in and the user's, each applying it.
    const PresetList list = ListPresets();
    for (int i = 0; i < static_cast<int>(list.presets.size()); ++i) {
        const Preset& preset = list.presets[i];
        QAction* action = presetsMenu_->addAction(PresetCaption(i, preset));
        action->setObjectName(QStringLiteral("Preset-") + Text(preset.name));
        action->setStatusTip(Text(preset.description));
        action->setEnabled(worldReady_);
        connect(action, &QAction::triggered, this, [this, preset] { ApplyPreset(preset); });
    }
    if (!list.problems.empty()) {
        std::string why;
        for (const std::string& problem : list.problems)
            why += (why.empty() ? "" : "\r\n") + problem;
        item("PresetProblems", tr("Why some of your presets are missing..."),
             tr("Your preset files that cannot be read, and why"), false,
             [this, why] { WindowMessages().Error(why); });
    }
    presetsMenu_->addSeparator();
    item("SavePreset", tr("&Save current settings as preset..."),
         tr("Keep the settings you changed as a preset of your own"), true,
         [this] { SavePresetCommand(); });
    item("DeletePreset", tr("&Delete preset..."), tr("Delete one of your own presets"), false,
         [this] { DeletePresetCommand(); });
    item("ImportPreset", tr("&Import preset..."),
         tr("Add a preset file someone shared to your presets"), false,
         [this] { ImportPresetCommand(); });
    item("ExportPreset", tr("E&xport preset..."),
         tr("Write the settings you changed as a preset file to share"), true,
         [this] { ExportPresetCommand(); });
    presetsMenu_->addSeparator();
    item("ResetSettings", tr("&Reset to the game's settings"),
         tr("Every setting as the game's settings file gives it; the settings you changed in "
            "this folder are forgotten"),
         true, [this] { ResetToGameSettings(); });
}

bool TFormGener::LoadWithOverrides(SettingValues overrides) {
    OperationReport report;
    world_.SettingOverrides = std::move(overrides);
    world_.MajorNations.reset();
    majorsChosenOnMap_ = false;
    ReportingDialogs reporting(WindowMessages(), report);
    if (LoadSettings(world_, reporting, true).refused) {
        const std::vector<std::string> errors = report.Texts(MessageKind::Error);
        LoadFailed(errors.empty() ? std::string("it could not be read") : errors.back());
        return false;
    }
    ShowSettings();
    return true;
}

bool TFormGener::ApplyPreset(const Preset& preset) {
    if (!loaded_) {
        startPreset_ = preset;
        return true;
    }
    // Not while a run goes on.
    if (!worldReady_ || !SpeedButton1->isEnabled()) return false;
    if (!LoadWithOverrides(PresetOverrides(preset))) return false;
    statusBar()->showMessage(
        tr("The preset \"%1\" is applied over the game's settings").arg(Text(preset.name)));
    return true;
}

bool TFormGener::SavePreset(const std::string& name, const std::string& description) {
    if (!worldReady_) return false;
    if (const std::string problem = PresetNameProblem(name); !problem.empty()) {
        WindowMessages().Error(problem);
        return false;
    }
    const PresetResult changes = PresetOfWorld(world_, name, description);
    if (!changes.preset) {
        WindowMessages().Error(changes.error);
        return false;
    }
    if (!changes.preset->generatorMode && changes.preset->settings.empty()) {
        WindowMessages().Info(
            "Every setting is as the game's settings file gives it, so a preset "
            "of them would change nothing. Nothing was saved.");
        return false;
    }
    return KeepUserPreset(*changes.preset, "the current settings", tr("saved"));
}

bool TFormGener::KeepUserPreset(const Preset& preset, const std::string& what,
                                const QString& done) {
    const std::string file = UserPresetFile(preset.name);
    if (!file.empty() && LookAt(file).kind != FileKind::Missing &&
        WindowMessages().Confirm("You have a preset named \"" + preset.name + "\" (" + file +
                                     "). Replace it with " + what + "?",
                                 Buttons::YesNo) != Answer::Yes)
        return false;
    if (const std::string error = WriteUserPreset(preset); !error.empty()) {
        WindowMessages().Error(error);
        return false;
    }
    FillPresetsMenu();
    statusBar()->showMessage(tr("Preset \"%1\" %2: %3").arg(Text(preset.name), done, Shown(file)));
    return true;
}

void TFormGener::SavePresetCommand() {
    PresetNaming naming;
    while (const auto given =
               AskPresetNaming(this, tr("Save current settings as preset"), naming, true)) {
        naming = *given;
        // A name refused (or a replace declined) asks again, with what was typed.
        if (SavePreset(naming.name.toStdString(), naming.description.toStdString())) return;
    }
}

bool TFormGener::DeletePreset(const std::string& name) {
    const std::string file = UserPresetFile(name);
    if (file.empty() || !PresetNameProblem(name).empty() ||
        LookAt(file).kind == FileKind::Missing) {
        WindowMessages().Error("You have no preset named \"" + name +
                               "\"; the built-in presets cannot be deleted.");
        return false;
    }
    if (WindowMessages().Confirm(
            "Delete your preset \"" + name + "\" (" + file + ")? It cannot be brought back.",
            Buttons::YesNo) != Answer::Yes)
        return false;
    if (const std::string error = DeleteUserPreset(name); !error.empty()) {
        WindowMessages().Error(error);
        return false;
    }
    FillPresetsMenu();
    statusBar()->showMessage(tr("Preset \"%1\" deleted").arg(Text(name)));
    return true;
}

void TFormGener::DeletePresetCommand() {
    QStringList own;
    for (const Preset& preset : ListPresets().presets)
        if (!preset.builtIn) own << Text(preset.name);
    if (own.isEmpty()) {
        WindowMessages().Info(
            "You have no presets of your own to delete; the built-in presets "
            "cannot be deleted.");
        return;
    }
    bool ok = false;
    const QString name = QInputDialog::getItem(this, tr("Delete preset"), tr("&Preset to delete:"),
                                               own, 0, false, &ok);
    if (ok) DeletePreset(name.toStdString());
}

bool TFormGener::ImportPreset(const std::string& file, const std::string& name) {
    PresetResult read = ReadPresetFile(file);
    if (!read.preset) {
        WindowMessages().Error(read.error);
        return false;
    }
    if (const std::string problem = PresetNameProblem(name); !problem.empty()) {
        WindowMessages().Error(problem);
        return false;
    }
    read.preset->name = name;
    return KeepUserPreset(*read.preset, "the imported one", tr("imported"));
}

void TFormGener::ImportPresetCommand() {
    const QString file =
        ChooseFileToOpen(this, tr("Import preset"), QDir::homePath(), kPresetFiles);
    if (file.isEmpty()) return;
    // The file is checked before a name is asked for it.
    const PresetResult read = ReadPresetFile(file.toStdString());
    if (!read.preset) {
        WindowMessages().Error(read.error);
        return;
    }
    PresetNaming naming{QFileInfo(file).completeBaseName(), Text(read.preset->description)};
    while (const auto given = AskPresetNaming(this, tr("Import preset"), naming, true)) {
        naming = *given;
        if (ImportPreset(file.toStdString(), naming.name.toStdString())) return;
    }
}

bool TFormGener::ExportPreset(const std::string& file, const std::string& description) {
    if (!worldReady_) return false;
    PresetResult changes = PresetOfWorld(world_, NameOf(PathOf(file).stem()), description);
    std::string error = changes.preset ? WriteTargetProblem(TargetKind::Preset,
                                                            world_.ProgramFolder, file, kPresetHead)
                                       : changes.error;
    if (error.empty()) error = WritePresetFile(*changes.preset, file);
    if (!error.empty()) {
        WindowMessages().Error(error);
        return false;
    }
    statusBar()->showMessage(tr("Preset exported: %1").arg(Shown(file)));
    return true;
}

void TFormGener::ExportPresetCommand() {
    const auto naming = AskPresetNaming(this, tr("Export preset"), {}, false);
    if (!naming) return;
    const QString file = ChooseFileToSave(
        this, tr("Export preset"), QDir::homePath() + QStringLiteral("/preset.json"), kPresetFiles);
    if (!file.isEmpty()) ExportPreset(file.toStdString(), naming->description.toStdString());
}

bool TFormGener::ResetToGameSettings() {
    if (!worldReady_ || !SpeedButton1->isEnabled()) return false;
    if (WindowMessages().Confirm(
            "Set every setting back to what the game's settings file (Config/TQ3Gener.csv) "
            "says? The settings you changed in this game folder are forgotten.",
            Buttons::YesNo) != Answer::Yes)
        return false;
    if (const std::string error = ForgetRememberedSettings(world_.ProgramFolder); !error.empty()) {
        WindowMessages().Error(error);
        return false;
    }
    if (!LoadWithOverrides({})) return false;
    statusBar()->showMessage(tr("Every setting is as the game's settings file gives it"));
    return true;
}

void TFormGener::RememberChanges() {
    if (!worldReady_) return;
    // Settings a preset file cannot hold are not kept; the window goes on with them.
    const PresetResult changes = PresetOfWorld(world_, {}, {});
    if (!changes.preset) return;
    if (const std::string error = RememberSettings(world_.ProgramFolder, *changes.preset);
        !error.empty())
        WindowMessages().Error(error +
                               " The settings you changed in this game folder are not "
                               "kept for its next opening.");
}

void TFormGener::TakeFolderOverrides() {
    restoredChanges_ = false;
    appliedPreset_.clear();
    SettingValues overrides;
    // A file of changed settings that cannot be used is left out, said as a problem of the load.
    const PresetResult kept = ReadRememberedSettings(world_.ProgramFolder);
    if (!kept.error.empty())
        WindowMessages().Problem(RememberedSettingsFile(world_.ProgramFolder), 0,
                                 kept.error + " The game's settings were loaded without them.");
    if (kept.preset) {
        overrides = PresetOverrides(*kept.preset);
        restoredChanges_ = !overrides.empty();
    }
    if (startPreset_) {
        const SettingValues preset = PresetOverrides(*startPreset_);
        overrides.insert(overrides.end(), preset.begin(), preset.end());
        appliedPreset_ = startPreset_->name;
        startPreset_.reset();
    }
    overrides.insert(overrides.end(), world_.SettingOverrides.begin(),
                     world_.SettingOverrides.end());
    world_.SettingOverrides = std::move(overrides);
}

void TFormGener::SayFolderOverrides() {
    if (!worldReady_) return;
    QString said;
    if (restoredChanges_) said = tr("Your changed settings of the last session were restored");
    if (!appliedPreset_.empty())
        said +=
            (said.isEmpty() ? QString() : QStringLiteral("; ")) +
            tr("the preset \"%1\" is applied over the game's settings").arg(Text(appliedPreset_));
    if (!said.isEmpty()) said[0] = said[0].toUpper();
    if (!said.isEmpty()) statusBar()->showMessage(said);
}

}  // namespace tq3
