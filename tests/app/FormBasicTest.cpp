#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "AppTestSupport.h"
#include "app/FormBasic.h"

using namespace tq3;
using test::WindowTest;

TEST(GeneralSettings, YearsThatAreNotWholeSixteenBitNumbersFallBack) {
    struct Case {
        const char* text;
        std::optional<int16_t> year;
    } cases[] = {{"1600", 1600},     {"-5", -5},    {"+12", 12},   {"32767", 32767},
                 {"-32768", -32768}, {"32768", {}}, {"70000", {}}, {"", {}},
                 {"abc", {}},        {" 1600", {}}, {"16.5", {}},  {"99999999999999999999", {}}};
    for (const Case& c : cases) EXPECT_EQ(ReadYear(QString::fromLatin1(c.text)), c.year) << c.text;
}

TEST(GeneralSettings, OkTakesTheFieldsAsTheyAreWithDefaultYears) {
    TGeneratorSettings s;
    s.ScenarioFileName = "Random";
    s.ScenarioName = "Caf\xE9";
    s.StartYear = 1500;
    s.EndYear = 1800;
    TFormBasic dialog;
    dialog.Fill(s);
    EXPECT_EQ(dialog.findChild<QLineEdit*>("EditScenarioName")->text(),
              QStringLiteral("Caf\u00E9"));
    dialog.findChild<QLineEdit*>("EditStartYear")->setText(QStringLiteral("letters"));
    dialog.findChild<QLineEdit*>("EditEndYear")->clear();
    dialog.findChild<QLineEdit*>("EditFilename")->setText(QStringLiteral(" My world "));
    dialog.Apply(s);
    EXPECT_EQ(s.StartYear, kDefaultStartYear);
    EXPECT_EQ(s.EndYear, kDefaultEndYear);
    EXPECT_EQ(s.ScenarioFileName, " My world ");
    EXPECT_EQ(s.ScenarioName, "Caf\xE9");
}

TEST(GeneralSettings, AFileNameTheScenarioWriterRefusesIsFlaggedButAccepted) {
    TGeneratorSettings s;
    TFormBasic dialog;
    dialog.Fill(s);
    auto* note = dialog.findChild<QLabel*>("EditFilenameNote");
    for (const char* name : {"../evil", "a/b", "a\\b"}) {
        dialog.findChild<QLineEdit*>("EditFilename")->setText(QString::fromLatin1(name));
        EXPECT_FALSE(note->isHidden()) << name;
    }
    dialog.findChild<QLineEdit*>("EditFilename")->setText(QStringLiteral("Plain"));
    EXPECT_TRUE(note->isHidden());
    dialog.findChild<QLineEdit*>("EditFilename")->setText(QStringLiteral("../evil"));
    dialog.Apply(s);
    EXPECT_EQ(s.ScenarioFileName, "../evil");
    dialog.findChild<QLineEdit*>("EditStartYear")->setText(QStringLiteral("40000"));
    EXPECT_FALSE(dialog.findChild<QLabel*>("EditStartYearNote")->isHidden());
}

TEST_F(WindowTest, TheCloseBoxOfGeneralSettingsChangesNothingAndOkApplies) {
    Open();
    const TGeneratorSettings before = S();
    const auto typeAndClose = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QLineEdit*>("EditFilename")->setText(QStringLiteral("Changed"));
            dialog->findChild<QLineEdit*>("EditStartYear")->setText(QStringLiteral("x"));
            if (ok)
                dialog->findChild<QPushButton*>("BitBtn1")->click();
            else
                dialog->close();
        });
    };
    typeAndClose(false);
    Item("Basicsettings1")->trigger();
    EXPECT_EQ(S().ScenarioFileName, before.ScenarioFileName);
    EXPECT_EQ(S().StartYear, before.StartYear);
    typeAndClose(true);
    Item("Basicsettings1")->trigger();
    EXPECT_EQ(S().ScenarioFileName, "Changed");
    EXPECT_EQ(S().StartYear, kDefaultStartYear);
}

TEST_F(WindowTest, GeneralSettingsRefusesAnEndBeforeTheStartAndStaysOpen) {
    Open();
    const TGeneratorSettings before = S();
    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("EditStartYear")->setText(QStringLiteral("1600"));
        dialog->findChild<QLineEdit*>("EditEndYear")->setText(QStringLiteral("1500"));
        dialog->findChild<QPushButton*>("BitBtn1")->click();
        stayedOpen =
            dialog->isVisible() && !dialog->findChild<QLabel*>("YearOrderNote")->isHidden();
        // The same year twice is a scenario of one year.
        dialog->findChild<QLineEdit*>("EditEndYear")->setText(QStringLiteral("1600"));
        dialog->findChild<QPushButton*>("BitBtn1")->click();
    });
    Item("Basicsettings1")->trigger();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(S().StartYear, 1600);
    EXPECT_EQ(S().EndYear, 1600);
    EXPECT_NE(before.EndYear, 1600);
}
