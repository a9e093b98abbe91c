#include "app/Screenshots.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <iostream>

#include "app/Cp1252.h"
#include "app/FairWorldDialog.h"
#include "app/FormBasic.h"
#include "app/FormGener.h"
#include "app/ProblemsDialog.h"
#include "app/QtDialogs.h"

namespace tq3 {

namespace {
// Answers every question without a window: Yes to the backup, No to the map-only restore.
class ScreenshotDialogs : public Dialogs {
  public:
    void Error(const std::string& text) override { std::cerr << text << "\n"; }
    void Info(const std::string&) override {}
    Answer Confirm(const std::string&, Buttons buttons) override {
        ++confirms_;
        if (buttons == Buttons::YesNo) return confirms_ == 1 ? Answer::Yes : Answer::No;
        return Answer::Cancel;
    }
    std::optional<std::string> ChooseFolder(const std::string&, bool) override { return {}; }
    void Progress(int) override {}
    void Problem(const std::string& file, int line, const std::string& text) override {
        std::cerr << file << ":" << line << ": " << text << "\n";
    }

  private:
    int confirms_ = 0;
};

bool Save(QWidget* widget, const QDir& dir, const QString& name, bool fit = true) {
    if (fit) widget->adjustSize();
    QApplication::processEvents();
    const QString file = dir.filePath(name + QStringLiteral(".png"));
    if (widget->grab().save(file)) return true;
    std::cerr << "Cannot write " << file.toStdString() << "\n";
    return false;
}

}  // namespace

bool SaveScreenWithWindow(QWidget* window, const QString& file) {
    QApplication::processEvents();
    const QScreen* screen = window->screen();
    if (!screen) return false;
    const qreal scale = window->devicePixelRatioF();
    const QRect desk = screen->geometry();
    QPixmap picture((QSizeF(desk.size()) * scale).toSize());
    picture.setDevicePixelRatio(scale);
    picture.fill(QColor(0x5a, 0x6e, 0x7f));
    QPainter painter(&picture);
    painter.fillRect(screen->availableGeometry().translated(-desk.topLeft()),
                     QColor(0x6b, 0x84, 0x99));
    painter.fillRect(window->frameGeometry().translated(-desk.topLeft()), QColor(0x30, 0x30, 0x30));
    painter.drawPixmap(window->geometry().topLeft() - desk.topLeft(), window->grab());
    painter.end();
    if (picture.save(file)) return true;
    std::cerr << "Cannot write " << file.toStdString() << "\n";
    return false;
}

namespace {
QString TabFileName(const QString& caption) {
    QString name = caption;
    name.remove(QLatin1Char('&'));
    name = name.toLower();
    name.replace(QStringLiteral(", "), QStringLiteral("-"));
    name.replace(QLatin1Char(' '), QLatin1Char('-'));
    return name;
}
}  // namespace

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

    // Each tab that a generator mode shows.
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

    // The technology tab with every amount equal for all nations, then with each panel of
    // starting values.
    form.SetGeneratorMode(ModeValue(GeneratorMode::MapAndScenario));
    form.PageControl1->setCurrentIndex(3);
    for (const char* button : {"RadioButtonStartArmyEqual", "RadioButtonStartNavyEqual",
                               "RadioButtonEqualTechGroup", "RadioButtonStartFundsEqual"})
        if (auto* b = form.findChild<QAbstractButton*>(QString::fromLatin1(button))) b->click();
    ok = Save(&form, dir, QStringLiteral("equal-technology-army")) && ok;
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

    TFormBasic basic(&form);
    basic.Fill(world.Settings);
    basic.show();
    ok = Save(&basic, dir, QStringLiteral("general-settings")) && ok;

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

    // A message naming a long path, on the screen it opens on.
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

    // The fair-world finder after a sweep of its default number of seeds, the fairest selected.
    FairWorldDialog fair(world, dialogs, {}, &form);
    fair.show();
    if (fair.Start()) fair.WaitUntilDone();
    fair.SelectRow(0);
    ok = Save(&fair, dir, QStringLiteral("find-a-fair-world"), false) && ok;
    return ok ? 0 : 1;
}

}  // namespace tq3
