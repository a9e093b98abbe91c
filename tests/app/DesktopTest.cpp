// The window as the desktop sees it: sizes on small screens, folder dialogs, the seed of a run,
// the desktop file.
#include <QApplication>
#include <QBoxLayout>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <fstream>

#include "AppTestSupport.h"
#include "app/AppIdentity.h"
#include "app/FairWorldDialog.h"
#include "app/MessageBar.h"
#include "app/ProblemsDialog.h"
#include "app/QtDialogs.h"
#include "widgets/WindowPlacement.h"

using namespace tq3;
using test::WindowTest;
namespace fs = std::filesystem;

namespace {
// A laptop's 1366 x 768 screen at 200 %, less a 28 px panel, in logical pixels.
const QRect kLaptopAt200(0, 14, 683, 370);
// A netbook's 1024 x 600 screen at 200 %, without a panel.
const QRect kNetbookAt200(0, 0, 512, 300);
const QSize kFrame(8, 36);
}  // namespace

TEST_F(WindowTest, TheMainWindowShrinksToALaptopScreenAt200PercentAndItsTabsScroll) {
    Open();
    const QSize room = kLaptopAt200.size() - kFrame;
    EXPECT_LE(form->minimumSizeHint().width(), room.width());
    EXPECT_LE(form->minimumSizeHint().height(), room.height());
    // Shown at that size, every tab still reaches its last control by scrolling, up and down
    // only: its columns stand one above the other. A wide window has them side by side again.
    form->show();
    form->resize(room);
    for (int tab = 0; tab < form->PageControl1->count(); ++tab) {
        form->PageControl1->setCurrentIndex(tab);
        QApplication::processEvents();
        auto* page = qobject_cast<QScrollArea*>(form->PageControl1->widget(tab));
        ASSERT_NE(page, nullptr);
        SCOPED_TRACE(page->objectName().toStdString());
        EXPECT_GE(page->widget()->height(), page->widget()->minimumSizeHint().height());
        EXPECT_LE(page->widget()->minimumSizeHint().width(), page->viewport()->width());
    }
    form->PageControl1->setCurrentIndex(0);
    form->resize(2 * form->sizeHint().width(), room.height());
    QApplication::processEvents();
    auto* provinces = qobject_cast<QScrollArea*>(form->PageControl1->widget(0));
    auto* columns = qobject_cast<QBoxLayout*>(provinces->widget()->layout());
    ASSERT_NE(columns, nullptr);
    EXPECT_EQ(columns->direction(), QBoxLayout::LeftToRight);
    // The first show on a large screen gives every control its room.
    EXPECT_GE(form->PageControl1->widget(0)->sizeHint().height(),
              static_cast<QScrollArea*>(form->PageControl1->widget(0))
                  ->widget()
                  ->minimumSizeHint()
                  .height());
}

// The dialogs fit a netbook at 200 % without squeezing a control below its minimum, and one
// too large for its screen is fitted to it while one that fits keeps the size it asked for.
TEST_F(WindowTest, DialogsFitANetbookScreenAt200Percent) {
    Open();
    const QSize room = kNetbookAt200.size() - kFrame;
    FairWorldDialog fair(*world, dialogs, {});
    ProblemsDialog problems(QStringList(40, QStringLiteral("Config/TQ3Gener.csv:1: a problem")));
    QFileDialog files(form.get(), QStringLiteral("Backup scenario to"));
    for (QWidget* dialog : std::initializer_list<QWidget*>{&fair, &problems, &files}) {
        SCOPED_TRACE(dialog->metaObject()->className());
        EXPECT_LE(dialog->minimumSizeHint().width(), room.width());
        EXPECT_LE(dialog->minimumSizeHint().height(), room.height());
    }

    const QRect screen = fair.screen()->availableGeometry();
    FitDialogToScreen(&fair, screen.size() * 2);
    EXPECT_LE(fair.width(), screen.width());
    EXPECT_LE(fair.height(), screen.height());
    EXPECT_TRUE(screen.contains(fair.pos()));
    FitDialogToScreen(&problems, QSize(300, 200));
    EXPECT_EQ(problems.size(), QSize(300, 200));
}

TEST(QtDialogs, FolderDialogsAreTitledForWhatTheyDoAndABackupFolderMayBeTyped) {
    test::TempDir dir;
    QtDialogs dialogs;
    QString title;
    // Types `typed` into the path field of the folder dialog shown next and confirms it.
    const auto answer = [&](const QString& typed) {
        QTimer::singleShot(0, [&, typed] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            title = dialog->windowTitle();
            dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(typed);
            // A folder that must exist and does not is said so in a box: closed here.
            QTimer::singleShot(0, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    box->close();
            });
            QMetaObject::invokeMethod(dialog, "accept");
            if (dialog->isVisible()) dialog->reject();
        });
    };
    const std::string start = dir.path.string();
    const fs::path fresh = dir.path / "saves" / "first";
    answer(QString::fromStdString(fresh.string()));
    EXPECT_EQ(dialogs.ChooseFolder(start, true), fresh.string());
    EXPECT_EQ(title, QStringLiteral("Backup scenario to"));
    EXPECT_TRUE(fs::is_directory(fresh));

    // A folder to restore from or to open as the game folder must exist.
    const fs::path missing = dir.path / "missing";
    answer(QString::fromStdString(missing.string()));
    EXPECT_EQ(dialogs.ChooseFolder(start, false), std::nullopt);
    EXPECT_EQ(title, QStringLiteral("Restore scenario from"));
    EXPECT_FALSE(fs::exists(missing));
    answer(QString::fromStdString(fresh.string()));
    EXPECT_EQ(dialogs.ChooseGameFolder(start), fresh.string());
    EXPECT_EQ(title, QStringLiteral("Open game folder"));
}

TEST_F(WindowTest, TheStatusBarShowsTheSeedBeforeTheClosingQuestionWhichNamesItToo) {
    // Reads the status bar when the closing question comes.
    struct Watching : test::RecordingDialogs {
        std::function<void()> onConfirm;
        Answer Confirm(const std::string& text, Buttons buttons) override {
            if (onConfirm) onConfirm();
            return RecordingDialogs::Confirm(text, buttons);
        }
    } watching;
    TFormGener window(*world, watching);
    window.FormActivate();
    QString shown;
    watching.onConfirm = [&] {
        shown = window.statusBar()->findChild<QLabel*>(QStringLiteral("SeedLabel"))->text();
    };
    watching.answers = {Answer::Cancel};
    window.RunGenerator(123456789);
    EXPECT_EQ(shown, QStringLiteral("Seed of the last run: 123456789"));
    ASSERT_FALSE(watching.confirms.empty());
    EXPECT_EQ(watching.confirms.back(),
              "Scenario created succesfuly!\r\nDo you want to quit ?\r\n\r\nSeed of this run: "
              "123456789");
}

TEST(DesktopFile, NamesTheWindowClassAndTheProgram) {
    std::ifstream file(std::string(TQ3_TEST_DATA) + "/../../data/" + DesktopFileName + ".desktop");
    ASSERT_TRUE(file) << "data/" << DesktopFileName << ".desktop";
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(file, line)) lines.push_back(line);
    const auto has = [&](const std::string& wanted) {
        return std::find(lines.begin(), lines.end(), wanted) != lines.end();
    };
    EXPECT_TRUE(has(std::string("StartupWMClass=") + ApplicationName));
    EXPECT_TRUE(has("Exec=tq3gen-gui"));
    EXPECT_TRUE(has("Icon=tq3gen"));
}

TEST_F(WindowTest, AFolderThatFailsToLoadDropsTheWorldAndTheLastRunAndSaysWhy) {
    Open();
    dialogs.answers = {Answer::Cancel};
    form->RunGenerator(5);
    ASSERT_EQ(form->LastSeed(), 5u);
    const fs::path broken = dir.path / "broken";
    test::CopyTree(game, broken);
    const fs::path nations = broken / "Config" / "TQ3GenerCountry.csv";
    fs::remove(nations);
    dialogs.errors.clear();
    EXPECT_FALSE(form->OpenGameFolder(broken.string()));

    // The box keeps the load's own words and adds the whole reason; the bar above the tabs
    // says it too, and stays.
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0].rfind("File TQ3GenerCountry.csv not found\r\n\r\n", 0), 0u);
    EXPECT_NE(dialogs.errors[0].find(nations.string()), std::string::npos);
    EXPECT_FALSE(form->messageBar->isHidden());
    EXPECT_TRUE(form->messageBar->Text().contains(QString::fromStdString(nations.string())));
    form->statusBar()->showMessage(QStringLiteral("a hover text"));
    EXPECT_FALSE(form->messageBar->isHidden());

    // Nothing of the folder before is left to run, sweep or replay.
    EXPECT_EQ(world->NationsLoaded, 0);
    EXPECT_FALSE(form->LastSeed().has_value());
    EXPECT_TRUE(form->seedLabel->isHidden());
    EXPECT_FALSE(form->SpeedButton1->isEnabled());
    for (const char* command : {"RunWithSeed", "FindFairWorld", "ReplayRecipe", "SaveRecipe"})
        EXPECT_FALSE(Item(command)->isEnabled()) << command;
    form->RunGenerator(6);
    EXPECT_FALSE(form->LastSeed().has_value());

    // Put right, the folder loads again from the bar.
    fs::copy_file(game / "Config" / "TQ3GenerCountry.csv", nations);
    form->messageBar->Action()->click();
    EXPECT_TRUE(form->messageBar->isHidden());
    EXPECT_TRUE(form->SpeedButton1->isEnabled());
    EXPECT_TRUE(Item("FindFairWorld")->isEnabled());
    EXPECT_GT(world->NationsLoaded, 0);
}
