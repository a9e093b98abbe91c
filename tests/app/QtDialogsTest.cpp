#include <QApplication>
#include <QPlainTextEdit>
#include <QTimer>

#include "AppTestSupport.h"
#include "app/QtDialogs.h"

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
