#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

#include "AppTestSupport.h"
#include "app/QtDialogs.h"
#include "engine/RunChecks.h"
#include "engine/World.h"

using namespace tq3;

TEST(QtDialogs, ProblemsFoundWhileLoadingAreShownTogetherWhenTheLoadEnds) {
    QtDialogs dialogs;
    QStringList shown;
    int lists = 0;
    const auto readAndClose = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            ++lists;
            shown = modal->findChild<QPlainTextEdit*>("ProblemsList")->toPlainText().split('\n');
            modal->close();
        });
    };
    dialogs.Busy(true);
    dialogs.Problem("/g/Config/TQ3GenerProvince.csv", 17, "too few fields");
    dialogs.Busy(true);  // a nested load
    dialogs.Problem("/g/Config/TQ3GenerCountry.csv", 0, "religion of \xC9GY out of range");
    dialogs.Busy(false);
    EXPECT_EQ(lists, 0);
    readAndClose();
    dialogs.Busy(false);
    EXPECT_EQ(lists, 1);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0], QStringLiteral("/g/Config/TQ3GenerProvince.csv:17: too few fields"));
    EXPECT_EQ(shown[1],
              QStringLiteral("/g/Config/TQ3GenerCountry.csv: religion of \u00C9GY out of range"));

    // The next load starts a fresh list; a load without problems shows nothing.
    dialogs.Busy(true);
    dialogs.Busy(false);
    EXPECT_EQ(lists, 1);
}

TEST(QtDialogs, ALongPathFitsTheScreenAndBreaksOnlyAfterASeparator) {
    // Folder names without blanks, each shorter than the box, together far wider than it.
    const QString folder = QStringLiteral(
        "/home/someone/Games/TQ3_Complete_Edition/Scenarios/Backup_of_the_grand_campaign_1620/"
        "every_province_repainted_by_hand_twice/another_copy_kept_for_later/DB/province.csv");
    const QString text = QStringLiteral("Cannot write file ") + folder;
    QtDialogs dialogs;
    QRect box;
    QRect screen;
    QStringList lines;
    QString shown;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        box = modal->frameGeometry();
        screen = modal->screen()->availableGeometry();
        auto* label = modal->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        shown = label->text();
        // The lines as the label wraps them at its width.
        QTextLayout layout(shown, label->font());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label->contentsRect().width());
            lines += shown.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
        modal->close();
    });
    dialogs.Info(text.toStdString());
    EXPECT_TRUE(screen.contains(box)) << box.width() << " wide on " << screen.width();
    EXPECT_EQ(QString(shown).remove(QChar(0x200B)), text);
    ASSERT_GT(lines.size(), 1);
    for (qsizetype k = 0; k + 1 < lines.size(); ++k)
        EXPECT_TRUE(lines[k].endsWith(QChar(0x200B)) || lines[k].endsWith(QLatin1Char(' ')))
            << lines[k].toStdString();
}

namespace {
// Reads the text of the next message box and closes it; counts the dialogs shown.
struct NextBox {
    QString text;
    int shown = 0;
    void Arm() {
        QTimer::singleShot(0, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            ++shown;
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                text = box->text().remove(QChar(0x200B));
            modal->close();
        });
    }
};
}  // namespace

TEST(QtDialogs, AProblemThatStopsLoadingIsOneBoxWithItsPlace) {
    QtDialogs dialogs;
    NextBox box;
    box.Arm();
    dialogs.Busy(true);
    dialogs.LoadStopped("/g/Config/TQ3GenerCountry.csv", 7,
                        "no \";\" after column 2 or 3; loading stops here",
                        "Nations file syntax error!");
    dialogs.Busy(false);  // no list of worked-around problems follows
    EXPECT_EQ(box.shown, 1);
    EXPECT_EQ(box.text,
              QStringLiteral("Nations file syntax error!\n\n/g/Config/TQ3GenerCountry.csv:7: "
                             "no \";\" after column 2 or 3; loading stops here"));
}

TEST(QtDialogs, ARefusedRunNamesTheSettingByItsCaption) {
    World world;
    world.Settings.NationCount = 60;
    QtDialogs dialogs;
    NextBox box;
    box.Arm();
    EXPECT_TRUE(CheckRunSettings(world, dialogs).refused);
    EXPECT_TRUE(
        box.text.startsWith(QStringLiteral("The run cannot start: \"Countries count\" is 60")))
        << box.text.toStdString();
}

TEST(QtDialogs, EnterAnswersNoToAQuestionAndClosesTheProblemsList) {
    QtDialogs dialogs;
    QString defaults;
    const auto pressEnter = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            for (QPushButton* button : modal->findChildren<QPushButton*>())
                if (button->isDefault()) defaults += button->text().remove('&') + ';';
            QTest::keyClick(modal, Qt::Key_Return);
        });
    };
    pressEnter();
    EXPECT_EQ(dialogs.Confirm("Do you want to restore orig. files?", Buttons::YesNo), Answer::No);
    pressEnter();
    dialogs.Busy(true);
    dialogs.Problem("/g/Config/TQ3Gener.csv", 3, "a problem");
    dialogs.Busy(false);  // shows the list; Enter closes it
    EXPECT_EQ(defaults, QStringLiteral("No;Close;"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
