#include "app/Screenshots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "app/FairWorldDialog.h"
#include "app/FormBasic.h"
#include "app/FormGener.h"
#include "app/PresetNameDialog.h"
#include "app/ProblemsDialog.h"
#include "app/QtDialogs.h"
#include "app/RequirementRows.h"
#include "session/PresetStore.h"
#include "widgets/Cp1252.h"
#include "widgets/Screenshots.h"

namespace tq3 {

namespace {
bool Save(QWidget* widget, const QDir& dir, const QString& name, bool fit = true) {
    if (fit) widget->adjustSize();
    return SaveWidgetPicture(widget, dir, name);
}

QString TabFileName(const QString& caption) {
    QString name = caption;
    name.remove(QLatin1Char('&'));
    name = name.toLower();
    name.replace(QStringLiteral(", "), QStringLiteral("-"));
    name.replace(QLatin1Char(' '), QLatin1Char('-'));
    return name;
}

// Each tab that a generator mode shows.
bool ShootTabs(TFormGener& form, const QDir& dir) {
    bool ok = true;
    for (int mode = 0; mode < kGeneratorModes; ++mode) {
        form.SetGeneratorMode(mode);
        for (int tab = 0; tab < form.PageControl1->count(); ++tab) {
            if (!form.PageControl1->isTabVisible(tab)) continue;
            form.PageControl1->setCurrentIndex(tab);
            ok = Save(&form, dir,
                      QStringLiteral("mode%1-%2")
                          .arg(mode)
                          .arg(TabFileName(form.PageControl1->tabText(tab)))) &&
                 ok;
        }
    }
    return ok;
}

// The technology tab with every amount equal for all nations, then with each panel of
// starting values.
bool ShootTechnology(TFormGener& form, const QDir& dir) {
    form.SetGeneratorMode(ModeValue(GeneratorMode::MapAndScenario));
    form.PageControl1->setCurrentIndex(3);
    for (const char* button : {"RadioButtonStartArmyEqual", "RadioButtonStartNavyEqual",
                               "RadioButtonEqualTechGroup", "RadioButtonStartFundsEqual"})
        if (auto* b = form.findChild<QAbstractButton*>(QString::fromLatin1(button))) b->click();
    bool ok = Save(&form, dir, QStringLiteral("equal-technology-army"));
    // The same tab in a window made wider than it needs.
    form.resize(form.width() * 3 / 2, form.height());
    ok = Save(&form, dir, QStringLiteral("wide-technology-army"), false) && ok;
    for (const char* button : {"SpeedButtonDP", "SpeedButtonTechValues"}) {
        if (auto* b = form.findChild<QAbstractButton*>(QString::fromLatin1(button))) {
            b->setEnabled(true);
            b->click();
            ok = Save(&form, dir, QStringLiteral("panel-") + QString::fromLatin1(button)) && ok;
        }
    }
    return ok;
}

// The general settings dialog, the problems list, the closing question and a message naming
// a long path on the screen it opens on.
bool ShootDialogs(TFormGener& form, World& world, const QDir& dir) {
    TFormBasic basic(&form);
    basic.Fill(world.Settings);
    basic.show();
    bool ok = Save(&basic, dir, QStringLiteral("general-settings"));

    ProblemsDialog problems(
        {QStringLiteral("/games/tq3/Config/TQ3GenerProvince.csv:17: the row has 12 fields, 31 "
                        "expected; the missing ones read as 0"),
         QStringLiteral("/games/tq3/Config/TQ3GenerCountry.csv:4: religion 14 is out of range "
                        "0..11; read as none")},
        &form);
    problems.show();
    ok = Save(&problems, dir, QStringLiteral("problems")) && ok;

    QMessageBox closing(QMessageBox::Question, QStringLiteral("TQ3 Scenario Generator"),
                        MessageText("Scenario created succesfuly!\r\nDo you want to quit ?"),
                        QMessageBox::Ok | QMessageBox::Cancel, &form);
    closing.show();
    ok = Save(&closing, dir, QStringLiteral("closing-question"), false) && ok;

    QtDialogs boxes(&form);
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            ok = SaveScreenWithWindow(box, dir.filePath(QStringLiteral("message-long-path.png"))) &&
                 ok;
            box->close();
        }
    });
    boxes.Info(
        "Original files were stored in /home/someone/Games/TQ3_Complete_Edition/"
        "Backup_of_the_grand_campaign_1620/every_province_repainted_by_hand/Backup "
        "directory.");
    return ok;
}
// The fair-world finder after a sweep of its default number of seeds, the fairest selected,
// alone and on the screen it opens on; then a search with requirements and its explanation,
// and a sweep that keeps the fairest world and varies its start provinces.
bool ShootFairWorld(TFormGener& form, World& world, Dialogs& dialogs, const QDir& dir) {
    FairWorldDialog fair(world, dialogs, {}, &form);
    fair.show();
    if (fair.Start()) fair.WaitUntilDone();
    fair.SelectRow(0);
    bool ok = Save(&fair, dir, QStringLiteral("find-a-fair-world"), false);
    ok =
        SaveScreenWithWindow(&fair, dir.filePath(QStringLiteral("find-a-fair-world-screen.png"))) &&
        ok;
    // Where the three are tabs, the chart's and the map's.
    auto* tabs = fair.findChild<QTabWidget*>(QStringLiteral("WorldTabs"));
    for (int tab = 1; fair.Tabbed() && tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        ok = Save(&fair, dir, QStringLiteral("find-a-fair-world-tab%1").arg(tab), false) && ok;
    }
    if (fair.Tabbed()) tabs->setCurrentIndex(0);

    // fairness >= 0.6, room >= 4, coastal-majors >= 5: each turns worlds away.
    constexpr double kFairness = 0.6, kRoom = 4, kCoastal = 5;
    const auto measure = [](std::string_view name) {
        std::size_t i = 0;
        while (RequirementMeasures[i].name != name) ++i;
        return i;
    };
    fair.Requirements()->AddRow(measure("fairness"), 0, kFairness);
    fair.Requirements()->AddRow(measure("room"), 0, kRoom);
    fair.Requirements()->AddRow(measure("coastal-majors"), 0, kCoastal);
    // Where the body scrolls, the control the picture is of is scrolled into view.
    auto* body = fair.findChild<QScrollArea*>(QStringLiteral("Body"));
    if (fair.Start()) fair.WaitUntilDone();
    QApplication::processEvents();
    body->ensureWidgetVisible(fair.findChild<QWidget*>(QStringLiteral("Explanation")));
    ok = Save(&fair, dir, QStringLiteral("find-a-fair-world-requirements"), false) && ok;

    fair.SelectRow(0);
    fair.VaryStep()->setCurrentIndex(static_cast<int>(DrawStep::Placement));
    if (fair.Vary()) fair.WaitUntilDone();
    QApplication::processEvents();
    body->ensureWidgetVisible(fair.VaryStep());
    ok = Save(&fair, dir, QStringLiteral("find-a-fair-world-vary"), false) && ok;
    return ok;
}
}  // namespace

// The presets menu open under its title with one preset of the user's among the built-in
// ones, the first entry highlighted; then the dialog that names a preset, with a name that
// cannot be one.
bool ShootPresets(TFormGener& form, const QDir& dir) {
    WriteUserPreset({"friends-campaign",
                     "The settings of our Sunday campaign.",
                     std::nullopt,
                     {{"NationCount", "60"}, {"Temperature", "1"}},
                     false});
    auto* menu = form.findChild<QMenu*>(QStringLiteral("PresetsMenu"));
    QMenuBar* bar = form.menuBar();
    menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
    if (!menu->actions().isEmpty()) menu->setActiveAction(menu->actions().front());
    bool ok = SaveWindowWithPopup(&form, menu, dir.filePath(QStringLiteral("presets-menu.png")));
    menu->hide();
    PresetNameDialog naming(QStringLiteral("Save current settings as preset"),
                            {QStringLiteral("cold world"), QStringLiteral("Cold, few nations")},
                            true, &form);
    naming.show();
    return Save(&naming, dir, QStringLiteral("save-preset")) && ok;
}

int WriteScreenshots(World& world, const std::string& folder) {
    QDir dir(QString::fromStdString(folder));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::cerr << "Cannot create " << folder << "\n";
        return 1;
    }
    ScreenshotDialogs dialogs;
    TFormGener form(world, dialogs);
    // The real window has the map editor behind its majors button; shown here as enabled.
    MapEditorHooks editor;
    editor.selectMajors = [](World&, QWidget*) { return false; };
    form.SetMapEditor(editor);
    form.show();
    form.FormActivate();
    // The window as it opens on this screen.
    bool ok = SaveScreenWithWindow(&form, dir.filePath(QStringLiteral("opening-main.png")));
    ok = ShootPresets(form, dir) && ok;
    ok = ShootTabs(form, dir) && ok;
    ok = ShootTechnology(form, dir) && ok;
    ok = ShootDialogs(form, world, dir) && ok;

    ok = ShootFairWorld(form, world, dialogs, dir) && ok;

    // A game folder whose nations file is missing: the bar above the tabs says why nothing runs.
    const std::filesystem::path broken =
        std::filesystem::path(world.ProgramFolder).parent_path() / "screenshots-broken-game";
    std::error_code error;
    std::filesystem::remove_all(broken, error);
    std::filesystem::copy(world.ProgramFolder, broken, std::filesystem::copy_options::recursive,
                          error);
    std::filesystem::remove(broken / "Config" / "TQ3GenerCountry.csv", error);
    form.OpenGameFolder(broken.string());
    ok = Save(&form, dir, QStringLiteral("failed-load"), false) && ok;
    std::filesystem::remove_all(broken, error);
    return ok ? 0 : 1;
}

}  // namespace tq3
