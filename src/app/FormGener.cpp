#include "app/FormGener.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "app/Controls.h"
#include "app/CountriesPage.h"
#include "app/EconomyPage.h"
#include "app/FairWorldDialog.h"
#include "app/FormBasic.h"
#include "app/Keyboard.h"
#include "app/MessageBar.h"
#include "app/ProvincesPage.h"
#include "app/ReligionPage.h"
#include "app/RunResult.h"
#include "app/TechnologyPage.h"
#include "base/ForwardingDialogs.h"
#include "base/GameFiles.h"
#include "base/GamePath.h"
#include "base/OperationReport.h"
#include "base/Random.h"
#include "config/SettingsFile.h"
#include "session/Backup.h"
#include "session/GenerateWorld.h"
#include "session/RunClosing.h"
#include "widgets/Cp1252.h"
#include "widgets/WindowPlacement.h"

namespace tq3 {

namespace {
// Positions of the generation progress bar.
constexpr int kProgressSteps = 16;
// Vertical position of the "Initializing" panel while the configuration loads.
constexpr int kPanelInitTop = 120;
// The status bar shows this many characters of the open folder's path, the middle elided.
constexpr int kFolderChars = 30;

// Adds `why` under every error shown: the load's own message stays as it is and the box
// says the whole reason.
class ExplainedErrors : public ForwardingDialogs {
  public:
    ExplainedErrors(Dialogs& inner, std::string why)
        : ForwardingDialogs(inner), why_(std::move(why)) {}
    void Error(const std::string& text) override {
        ForwardingDialogs::Error(why_.empty() ? text : text + "\r\n\r\n" + why_);
    }

  private:
    std::string why_;
};

// The folder that holds every one of `files`.
std::filesystem::path CommonFolder(const std::vector<std::string>& files) {
    std::filesystem::path common = std::filesystem::path(files.front()).parent_path();
    for (const std::string& file : files) {
        const std::filesystem::path folder = std::filesystem::path(file).parent_path();
        while (!common.empty() &&
               std::mismatch(common.begin(), common.end(), folder.begin(), folder.end()).first !=
                   common.end())
            common = common.parent_path();
    }
    return common;
}

QString WithoutFullStop(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
    return QString::fromStdString(text);
}
}  // namespace

// The window's own part of the dialogs: the progress bar and the "Initializing" panel; every
// message goes on to the given dialogs.
std::string SeedLine(uint64_t seed);

class TFormGener::WindowDialogs : public ForwardingDialogs {
  public:
    WindowDialogs(TFormGener& form, Dialogs& inner) : ForwardingDialogs(inner), form_(form) {}
    // The closing question of a run names the run's seed, so that a world can be made again,
    // and what else the user should know of this run.
    Answer Confirm(const std::string& text, Buttons buttons) override {
        if (runSeed && buttons == Buttons::OkCancel)
            return ForwardingDialogs::Confirm(text + SeedLine(*runSeed) + runNote, buttons);
        return ForwardingDialogs::Confirm(text, buttons);
    }
    // The run is on this thread: the bar is painted before the run goes on.
    void Progress(int position) override {
        form_.ProgressBarGener->setValue(position);
        ForwardingDialogs::Progress(position);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    void Busy(bool busy) override {
        QLabel* panel = form_.PanelInit;
        if (busy) {
            const QWidget* area = panel->parentWidget();
            panel->adjustSize();
            panel->move((area->width() - panel->width()) / 2, kPanelInitTop);
            panel->raise();
            panel->show();
            panel->repaint();
        } else {
            panel->hide();
        }
        ForwardingDialogs::Busy(busy);
    }

    // The seed of the run under way, and a note for its closing question.
    std::optional<uint64_t> runSeed;
    std::string runNote;

  private:
    TFormGener& form_;
};

std::string SeedLine(uint64_t seed) {
    return "\r\n\r\nSeed of this run: " + std::to_string(seed);
}

TFormGener::TFormGener(World& world, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      world_(world),
      dialogs_(dialogs),
      windowDialogs_(std::make_unique<WindowDialogs>(*this, dialogs)) {
    setObjectName(QStringLiteral("FormGener"));
    setWindowTitle(QStringLiteral("TQ3 Scenario Generator"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // The five tabs, "Countries" active at start.
    auto* central = new QWidget(this);
    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    provinces_ = new ProvincesPage(world_);
    economy_ = new EconomyPage(world_);
    countries_ = new CountriesPage(world_);
    technology_ = new TechnologyPage(world_);
    religion_ = new ReligionPage(world_);
    PageControl1->addTab(provinces_, tr("&Provinces"));
    PageControl1->addTab(economy_, tr("Econom&y"));
    PageControl1->addTab(countries_, tr("&Countries"));
    PageControl1->addTab(technology_, tr("&Technology, Army"));
    PageControl1->addTab(religion_, tr("Rel&igion, Culture"));
    PageControl1->setCurrentWidget(countries_);
    countries_->onMajorsMap = [this] { SelectMajorsOnMap(); };

    // Below the tabs: "Run!" and the progress bar.
    SpeedButton1 = new QPushButton(tr("Run!"), central);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setToolTip(tr("Press to generate scenario according to your settings."));
    SpeedButton1->setStatusTip(SpeedButton1->toolTip());
    SpeedButton1->setShortcut(QKeySequence(Qt::Key_F5));
    SpeedButton1->setAccessibleName(tr("Run!"));
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    ProgressBarGener = new QProgressBar(central);
    ProgressBarGener->setObjectName(QStringLiteral("ProgressBarGener"));
    ProgressBarGener->setRange(0, kProgressSteps);
    ProgressBarGener->setValue(0);
    ProgressBarGener->setFormat(tr("%v / %m"));
    ProgressBarGener->setAccessibleName(tr("Generation progress"));
    auto* runRow = new QHBoxLayout;
    runRow->addWidget(SpeedButton1);
    runRow->addWidget(ProgressBarGener, 1);
    // Above the tabs, the reason the window cannot work, while there is one.
    messageBar = new MessageBar(central);
    connect(messageBar->Action(), &QPushButton::clicked, this, [this] { MessageBarAction(); });
    auto* column = new QVBoxLayout(central);
    column->addWidget(messageBar);
    column->addWidget(PageControl1, 1);
    column->addLayout(runRow);
    setCentralWidget(central);

    PanelInit = new QLabel(tr("Initializing, please wait..."), central);
    PanelInit->setObjectName(QStringLiteral("PanelInit"));
    PanelInit->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelInit->setAutoFillBackground(true);
    PanelInit->setAlignment(Qt::AlignCenter);
    PanelInit->setMargin(fontMetrics().height());
    PanelInit->hide();

    BuildMenus();
    SetUpKeyboard();
    for (SettingsPage* page : Pages()) page->ApplyFormDefaults();
    // The open folder and the last seed stay in the status bar; hover texts and the messages
    // of commands show beside them.
    folderLabel = new QLabel(statusBar());
    folderLabel->setObjectName(QStringLiteral("FolderLabel"));
    seedLabel = new QLabel(statusBar());
    seedLabel->setObjectName(QStringLiteral("SeedLabel"));
    statusBar()->addPermanentWidget(folderLabel);
    statusBar()->addPermanentWidget(seedLabel);
    ShowFolder();
    ShowSeed();

    // Window creation: the start-up backup, in a game folder only.
    if (IsGameFolder()) StartupBackup(world_, *windowDialogs_);
}

TFormGener::~TFormGener() = default;

// Mnemonics: the menu bar's letters win on every tab, then the tabs' own; each tab's controls
// take free letters of their captions. Tab follows each tab's reading order and ends on Run!.
void TFormGener::SetUpKeyboard() {
    QString window;
    for (QAction* menu : menuBar()->actions()) window += MnemonicOf(menu->text());
    for (int tab = 0; tab < PageControl1->count(); ++tab)
        window += MnemonicOf(PageControl1->tabText(tab));
    std::vector<QWidget*> chain;
    for (SettingsPage* page : Pages()) {
        const std::vector<QWidget*> controls = page->KeyboardOrder();
        QString taken = window;
        AssignMnemonics(controls, taken);
        chain.insert(chain.end(), controls.begin(), controls.end());
    }
    chain.push_back(SpeedButton1);
    ChainTabOrder(chain);
}

void TFormGener::ShowFolder() {
    const QString folder = QDir::toNativeSeparators(QString::fromStdString(world_.ProgramFolder));
    const QFontMetrics metrics = folderLabel->fontMetrics();
    folderLabel->setText(
        metrics.elidedText(tr("Folder: %1").arg(folder), Qt::ElideMiddle,
                           metrics.horizontalAdvance(QLatin1Char('x')) * kFolderChars));
    folderLabel->setToolTip(folder);
}

void TFormGener::ShowSeed() {
    QString rerolled;
    for (const Reroll& r : lastRerolls_)
        rerolled += (rerolled.isEmpty() ? QStringLiteral(" (") : QStringLiteral(", ")) +
                    QString::fromStdString(RerollText(r));
    if (!rerolled.isEmpty()) rerolled += QLatin1Char(')');
    seedLabel->setText(lastSeed_ ? tr("Seed of the last run: %1").arg(*lastSeed_) + rerolled
                                 : QString());
    seedLabel->setVisible(lastSeed_.has_value());
}

std::vector<SettingsPage*> TFormGener::Pages() const {
    return {provinces_, economy_, countries_, technology_, religion_};
}

bool TFormGener::event(QEvent* event) {
    // The configuration loads on the first activation; a window that the desktop does not
    // activate loads on its first show instead (below).
    if (event->type() == QEvent::WindowActivate && !loaded_)
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    return QMainWindow::event(event);
}

void TFormGener::closeEvent(QCloseEvent* event) {
    RememberChanges();
    QMainWindow::closeEvent(event);
}

void TFormGener::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Sized to the screen it opens on and centred there, at the first show.
    if (!placed_) {
        placed_ = true;
        FitToScreen(this, sizeHint());
    }
    if (loaded_) return;
    QTimer::singleShot(0, this, [this] { FormActivate(); });
}

bool TFormGener::IsGameFolder() const {
    return FileExists(GamePath(world_.ProgramFolder, "\\Config\\TQ3Gener.csv"));
}

void TFormGener::FormActivate() {
    if (loaded_) return;
    loaded_ = true;
    if (!IsGameFolder()) {
        OfferGameFolder();
        return;
    }
    TakeFolderOverrides();
    LoadAndShow();
    SayFolderOverrides();
}

void TFormGener::LoadAndShow() {
    ShowFolder();
    // A file without which nothing loads: its error box names it whole.
    std::string missing;
    for (const char* file : {GameFiles::SettingsTable, GameFiles::NationsTable})
        if (missing.empty() && !FileExists(GamePath(world_.ProgramFolder, file)))
            missing = GamePath(world_.ProgramFolder, file);
    const std::string why =
        missing.empty() ? std::string()
                        : missing + " is missing, so nothing of this game folder was loaded.";
    // The whole configuration, then every setting into its control.
    OperationReport report;
    ExplainedErrors explained(*windowDialogs_, why);
    ReportingDialogs reporting(explained, report);
    if (!LoadSettings(world_, reporting, true).refused) {
        SetWorldReady(true);
        ShowSettings();
        RememberFolder();
        return;
    }
    const std::vector<std::string> errors = report.Texts(MessageKind::Error);
    LoadFailed(!missing.empty() ? missing + " is missing"
               : errors.empty() ? std::string("it could not be read")
                                : errors.back());
}

void TFormGener::LoadFailed(const std::string& reason) {
    // The world of the folder open before must not pass for this folder's.
    auto fresh = std::make_unique<World>();
    fresh->ProgramFolder = world_.ProgramFolder;
    fresh->SettingOverrides = world_.SettingOverrides;
    world_ = std::move(*fresh);
    ForgetFolderState();
    SetWorldReady(false);
    messageBar->Show(tr("This game folder did not load: %1. Run! and the commands that need its "
                        "world are off until it loads.")
                         .arg(WithoutFullStop(reason)),
                     tr("Load again"));
}

void TFormGener::SetWorldReady(bool ready) {
    worldReady_ = ready;
    SpeedButton1->setEnabled(ready);
    for (SettingsPage* page : Pages()) page->setEnabled(ready);
    for (QAction* command : needWorld_) command->setEnabled(ready);
    selectMajors_->setEnabled(ready && mapEditor_.selectMajors);
    FillPresetsMenu();
    if (ready) messageBar->hide();
}

void TFormGener::ForgetFolderState() {
    lastSeed_.reset();
    lastRerolls_.clear();
    lastRecipe_.reset();
    lastRecipeProblem_.clear();
    majorsChosenOnMap_ = false;
    // Deleted later: its own "Generate this world" may be what ends up here.
    if (fairWorld_) fairWorld_.release()->deleteLater();
    ShowSeed();
}

void TFormGener::MessageBarAction() {
    if (IsGameFolder())
        LoadAndShow();
    else
        ChooseGameFolder();
}

void TFormGener::FindFairWorld() {
    if (!worldReady_) return;
    // One dialog while the folder stays open: it keeps its seeds and results between visits.
    if (!fairWorld_)
        fairWorld_ = std::make_unique<FairWorldDialog>(
            world_, dialogs_,
            [this](uint64_t seed, const Rerolls& rerolls) { RunGenerator(seed, true, rerolls); },
            this);
    fairWorld_->exec();
}

void TFormGener::OfferGameFolder() {
    SetWorldReady(false);
    ShowFolder();
    messageBar->Show(tr("%1 is not a game folder: it has no Config/TQ3Gener.csv. Open the game "
                        "folder to generate scenarios.")
                         .arg(QDir::toNativeSeparators(
                             QString::fromStdString(AbsolutePath(world_.ProgramFolder)))),
                     tr("Open game folder..."));
    windowDialogs_->Info(AbsolutePath(world_.ProgramFolder) +
                         " is not a game folder: it has no Config/TQ3Gener.csv.\n"
                         "Choose the game folder in the next window.");
    ChooseGameFolder();
}

void TFormGener::ChooseGameFolder() {
    // Starts at the open game folder, else at the last one opened, else at home.
    std::string start = world_.ProgramFolder;
    if (!IsGameFolder()) {
        const QStringList recent = RecentFolders();
        start = (recent.isEmpty() ? QDir::homePath() : recent.front()).toStdString();
    }
    const auto folder =
        chooseGameFolder ? chooseGameFolder(start) : windowDialogs_->ChooseFolder(start, false);
    if (folder) OpenGameFolder(*folder);
}

bool TFormGener::OpenGameFolder(const std::string& folder) {
    std::string absolute = AbsolutePath(folder);
    while (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
    if (!FileExists(GamePath(absolute, "\\Config\\TQ3Gener.csv"))) {
        windowDialogs_->Error(absolute + " is not a game folder: it has no Config/TQ3Gener.csv.");
        return false;
    }
    // The changes made in the folder open before are kept for its next opening.
    RememberChanges();
    world_.ProgramFolder = absolute;
    world_.MajorNations.reset();
    world_.SettingOverrides.clear();
    ForgetFolderState();
    StartupBackup(world_, *windowDialogs_);
    loaded_ = true;
    statusBar()->clearMessage();
    TakeFolderOverrides();
    LoadAndShow();
    SayFolderOverrides();
    return worldReady_;
}

void TFormGener::ShowSettings() {
    const TGeneratorSettings& s = world_.Settings;
    // 1. The mode's layout; another mode value changes nothing of it.
    if (s.GeneratorMode >= 0 && s.GeneratorMode < kGeneratorModes)
        ApplyModeLayout(kLoadedModeLayouts[s.GeneratorMode], s.GeneratorMode);
    // 2. The map editor menu.
    editorEnabled_->setChecked(s.EditorEnabled);
    editorDisabled_->setChecked(!s.EditorEnabled);
    // 3. Fantasy rules and the conquistador box, then 4. and 5. every tab.
    countries_->ShowFantasy();
    for (SettingsPage* page : Pages()) page->ShowSettings();
}

void TFormGener::ApplyModeLayout(const ModeLayout& layout, int mode) {
    // All switchable tabs first, so the active tab is never a hidden one.
    for (QWidget* page : {static_cast<QWidget*>(provinces_), static_cast<QWidget*>(countries_),
                          static_cast<QWidget*>(technology_), static_cast<QWidget*>(religion_)})
        PageControl1->setTabVisible(PageControl1->indexOf(page), true);
    PageControl1->setCurrentWidget(layout.countriesActive ? static_cast<QWidget*>(countries_)
                                                          : static_cast<QWidget*>(provinces_));
    PageControl1->setTabVisible(PageControl1->indexOf(provinces_), layout.mapTab);
    PageControl1->setTabVisible(PageControl1->indexOf(countries_), layout.nationsTabs);
    PageControl1->setTabVisible(PageControl1->indexOf(technology_), layout.nationsTabs);
    PageControl1->setTabVisible(PageControl1->indexOf(religion_), layout.religionTab);
    economy_->ShowGroups(layout.cotGroup, layout.goodsGroup, layout.pricesAndTaxes);
    if (layout.setsGeneralSettings) basicSettings_->setVisible(layout.generalSettings);
    MarkMode(mode);
}

void TFormGener::MarkMode(int mode) {
    for (int m = 0; m < kGeneratorModes; ++m) modeItems_[m]->setChecked(m == mode);
}

void TFormGener::SetGeneratorMode(int mode) {
    world_.Settings.GeneratorMode = static_cast<int8_t>(mode);
    ApplyModeLayout(kModeCommandLayouts[mode], mode);
    if (ModeOf(mode) != GeneratorMode::MapOnly) return;
    // Map-only mode offers the original nation files back; the mode stays 1 either way.
    if (windowDialogs_->Confirm(
            "Do you want to restore orig. files: DiplomaticMatrix.csv, Country.csv and Revolt.txt?",
            Buttons::YesNo) == Answer::Yes)
        SayWritten(tr("Restore orig. files"), RestoreForMapOnly(world_, *windowDialogs_));
}

void TFormGener::SayWritten(const QString& command, const OperationReport& report) {
    // Nothing written: the command's own messages said why.
    if (report.written.empty()) return;
    const QString folder =
        QDir::toNativeSeparators(QString::fromStdString(CommonFolder(report.written).string()));
    const int count = static_cast<int>(report.written.size());
    statusBar()->showMessage(
        (count == 1 ? tr("%1: 1 file written to %2") : tr("%1: %3 files written to %2"))
            .arg(command, folder)
            .arg(count));
}

void TFormGener::SetEditorEnabled(bool enabled) {
    world_.Settings.EditorEnabled = enabled;
    editorEnabled_->setChecked(enabled);
    editorDisabled_->setChecked(!enabled);
}

Dialogs& TFormGener::WindowMessages() {
    return *windowDialogs_;
}

void TFormGener::SpeedButton1Click() {
    RunGenerator(std::nullopt);
}

void TFormGener::RunGenerator(std::optional<uint64_t> seed, bool withEditor, Rerolls rerolls) {
    if (!worldReady_ || !SpeedButton1->isEnabled()) return;
    // A step the mode does not draw cannot be drawn again.
    if (const std::string problem =
            RerollProblem(rerolls, world_.Settings.GeneratorMode, RerollAudience::Window);
        !problem.empty()) {
        windowDialogs_->Error(problem);
        return;
    }
    // The settings of a run are worth keeping, whatever becomes of the run.
    RememberChanges();
    Random random(seed);
    RecipeResult recipe = RecipeOfRun(world_, random.Seed(), rerolls);
    if (majorsChosenOnMap_)
        recipe = {std::nullopt,
                  "The last run started from majors chosen on the map, whose capitals a recipe "
                  "cannot hold."};
    RunHooks hooks;
    hooks.rerolls = rerolls;
    if (mapEditor_.preview && withEditor)
        hooks.mapEditor = [this, &random](World& world, RunRedraw* redraw) {
            return mapEditor_.preview(world, random, redraw, this);
        };
    // Run! is off while the run goes on; the keyboard's focus comes back to it afterwards.
    const bool focused = SpeedButton1->hasFocus();
    SpeedButton1->setEnabled(false);
    // The seed is known before the run: the status bar and the closing question show it.
    lastSeed_ = random.Seed();
    lastRerolls_ = rerolls;
    ShowSeed();
    windowDialogs_->runSeed = lastSeed_;
    RunReport report = GenerateWorld(world_, random, *windowDialogs_, hooks);
    // The status bar and the closing question name the rerolls beside the seed, those drawn
    // in the map editor included: both make the world.
    if (report.end == RunEnd::Finished) lastRerolls_ = report.rerolls;
    ShowSeed();
    std::string rerolled;
    for (const Reroll& r : report.rerolls) rerolled += "\r\nRerolled: " + RerollText(r);
    windowDialogs_->runNote.insert(0, rerolled);
    // The world written is that of the seed and the rerolls, those drawn in the map editor
    // included, unless the editor repainted it.
    if (report.repainted)
        recipe = {std::nullopt,
                  "The last run's map was repainted in the map editor, which a recipe cannot "
                  "hold."};
    if (recipe.recipe) recipe.recipe->rerolls = report.rerolls;
    // The window asks the closing question; staying loads the configuration again.
    if (report.end == RunEnd::Finished) {
        const bool quit = windowDialogs_->Confirm(ClosingQuestion(world_, report),
                                                  Buttons::OkCancel) == Answer::Ok;
        report.end = quit ? RunEnd::Quit : RunEnd::Stay;
        if (!quit) StayAfterRun(world_, *windowDialogs_);
    }
    const RunResult result = ReadRun(report);
    windowDialogs_->runSeed.reset();
    windowDialogs_->runNote.clear();
    SpeedButton1->setEnabled(true);
    if (focused) SpeedButton1->setFocus(Qt::OtherFocusReason);
    majorsChosenOnMap_ = false;
    KeepRecipe(report, recipe);
    ProgressBarGener->setValue(0);
    if (result.quit) close();
}

void TFormGener::SetRunNote(std::string note) {
    windowDialogs_->runNote = std::move(note);
}

void TFormGener::ShowGeneralSettings() {
    tq3::ShowGeneralSettings(this, world_.Settings);
}

void TFormGener::RestoreOrigFiles() {
    const OperationReport report = RestoreGameFiles(world_, *windowDialogs_);
    // The window asks the closing question of a restore that put every file back.
    const std::string question = RestoreClosingQuestion(report);
    const bool quit =
        !question.empty() && windowDialogs_->Confirm(question, Buttons::OkCancel) == Answer::Ok;
    SayWritten(tr("Restore orig. files"), report);
    if (quit) close();
}

void TFormGener::BackupScenarioCommand() {
    SayWritten(tr("Backup scenario"), BackupScenario(world_, *windowDialogs_));
}
void TFormGener::RestoreScenarioCommand() {
    SayWritten(tr("Restore scenario"), RestoreScenario(world_, *windowDialogs_));
}

void TFormGener::SetMapEditor(MapEditorHooks hooks) {
    mapEditor_ = std::move(hooks);
    const bool majors = static_cast<bool>(mapEditor_.selectMajors);
    selectMajors_->setEnabled(majors && worldReady_);
    countries_->SetMajorsMapEnabled(majors);
}

void TFormGener::SelectMajorsOnMap() {
    if (!mapEditor_.selectMajors) return;
    // OK: the edit takes the majors the editor wrote, which updates the settings.
    if (mapEditor_.selectMajors(world_, this)) {
        countries_->ShowSpecifiedMajors();
        majorsChosenOnMap_ = true;
    }
}

}  // namespace tq3
