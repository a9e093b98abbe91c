#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "TestSupport.h"
#include "mapeditor/FormMap.h"
#include "mapeditor/MapView.h"
#include "widgets/Cp1252.h"

using namespace tq3;
using namespace guitest;

namespace {

class MajorsPanelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        guitest::App();
        world = guitest::SmallWorld();
    }
    TFormMap& Open() {
        form = std::make_unique<TFormMap>(*world, random, dialogs);
        form->SetPreviewMode(false);
        form->show();
        QApplication::processEvents();
        return *form;
    }
    void ClickMap(QPoint pixel) {
        const double z = form->Zoom();
        QTest::mouseClick(form->ImageMap(), Qt::LeftButton, {},
                          QPoint(static_cast<int>((pixel.x() + 0.5) * z),
                                 static_cast<int>((pixel.y() + 0.5) * z)));
    }
    // Ticks row n and chooses nation by its list entry, as the user does.
    void ChooseRow(int n, int nation) {
        CheckBoxM(*form, n)->click();
        const int k = ComboBoxM(*form, n)->findText(FromCp1252(NationCaption(*world, nation)));
        ASSERT_GE(k, 0);
        ComboBoxM(*form, n)->setCurrentIndex(k);
        form->ComboBoxMChange(n, k);
    }

    std::unique_ptr<World> world;
    test::ScriptedRandom random;
    test::RecordingDialogs dialogs;
    std::unique_ptr<TFormMap> form;
};

TEST_F(MajorsPanelTest, RowsComeFromSpecifiedMajorsWithTheirNations) {
    world->Settings.SpecifiedMajors = "A2;;A4";
    TFormMap& f = Open();
    EXPECT_TRUE(CheckBoxM(f, 1)->isChecked());
    EXPECT_EQ(ComboBoxM(f, 1)->currentText(), "A2: Nation A2");
    EXPECT_FALSE(CheckBoxM(f, 2)->isChecked());
    EXPECT_FALSE(ComboBoxM(f, 2)->isVisibleTo(&f));
    EXPECT_EQ(ComboBoxM(f, 3)->currentText(), "A4: Nation A4");
    EXPECT_EQ(EditM(f, 1)->text(), "Unknown");
    EXPECT_EQ(ComboBoxM(f, 8)->count(), 5);
    // The show set-up ends with the view-only tool.
    EXPECT_EQ(f.ToolCode(), 0);
}

TEST_F(MajorsPanelTest, ThePreviewNamesEachMajorsCapitalAndMajorsModeWaitsForAPick) {
    world->Settings.SpecifiedMajors = "A2;A1";
    for (bool preview : {true, false}) {
        form = std::make_unique<TFormMap>(*world, random, dialogs);
        form->SetPreviewMode(preview);
        form->show();
        EXPECT_EQ(EditM(*form, 1)->text(), preview ? "P4" : "Unknown");
        EXPECT_EQ(EditM(*form, 2)->text(), preview ? "P1" : "Unknown");
    }
}

TEST_F(MajorsPanelTest, CapitalPickMovesTheCircleAndAProvinceServesOneRowOnly) {
    TFormMap& f = Open();
    ChooseRow(1, 3);
    EXPECT_EQ(f.ToolCode(), 1);
    EXPECT_EQ(f.ImageMap()->cursor().shape(), Qt::PointingHandCursor);
    ClickMap({1100, 220});
    EXPECT_EQ(EditM(f, 1)->text(), "P3");
    EXPECT_EQ(f.Majors()[0].capital, 3);
    EXPECT_EQ(f.ImageMap()->Circle(1), QRect(1100 - 7, 220 - 7, 13, 13));
    // Row 2 cannot take province 3; the info bar is not updated by that click.
    ChooseRow(2, 4);
    ClickMap({1140, 240});
    EXPECT_EQ(InfoBar(f)->Value(InfoField::Number)->text(), "4");
    ClickMap({1100, 220});
    EXPECT_EQ(f.Majors()[1].capital, 4);
    EXPECT_EQ(InfoBar(f)->Value(InfoField::Number)->text(), "4");
    // The pick changes no owner.
    EXPECT_EQ(world->Provinces[3].Owner, 0);
    // Unticking forgets the capital but keeps the nation.
    CheckBoxM(f, 1)->click();
    EXPECT_EQ(f.Majors()[0].capital, 0);
    EXPECT_EQ(f.Majors()[0].nation, 3);
    EXPECT_EQ(EditM(f, 1)->text(), "Unknown");
    EXPECT_FALSE(f.ImageMap()->Circle(1).has_value());
    CheckBoxM(f, 1)->click();
    EXPECT_EQ(ComboBoxM(f, 1)->currentText(), "A3: Nation A3");
    EXPECT_EQ(EditM(f, 1)->text(), "Unknown");
}

TEST_F(MajorsPanelTest, TypedTextIsSettledByItsTagOnExit) {
    world->Nations[4].Tag = "AB4";
    TFormMap& f = Open();
    CheckBoxM(f, 1)->click();
    ComboBoxM(f, 1)->setEditText("AB4 whatever");
    f.ComboBoxMExit(1);
    EXPECT_EQ(f.Majors()[0].nation, 4);
    EXPECT_EQ(ComboBoxM(f, 1)->currentText(), "AB4: Nation A4");
    ComboBoxM(f, 1)->setEditText("ab4: Nation A4");
    f.ComboBoxMExit(1);
    EXPECT_EQ(f.Majors()[0].nation, 0);
    EXPECT_EQ(ComboBoxM(f, 1)->currentText(), "None");
}

TEST_F(MajorsPanelTest, OkAppliesRowsMovesCapitalsAndCloses) {
    TFormMap& f = Open();
    ChooseRow(1, 3);
    ClickMap({1140, 240});  // A2's capital
    ChooseRow(2, 1);
    QTest::mouseClick(Part<QPushButton>(f, "BitBtnOk"), Qt::LeftButton);
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(world->Settings.SpecifiedMajors, "A3;A1;");
    EXPECT_EQ(world->Nations[3].Capital(), 4);
    EXPECT_EQ(world->Provinces[4].Owner, 3);
    EXPECT_TRUE(world->Nations[3].Has(SpecFixedStartLoc));
    // A2 moves to the first unowned province above 4.
    EXPECT_EQ(world->Nations[2].Capital(), 5);
    EXPECT_EQ(world->Provinces[5].Owner, 2);
}

TEST_F(MajorsPanelTest, DuplicateKeepsTheWindowOpenAndOneUndoTakesThePartBack) {
    TFormMap& f = Open();
    ChooseRow(1, 1);
    ChooseRow(2, 2);
    ChooseRow(3, 1);
    QTest::mouseClick(Part<QPushButton>(f, "BitBtnOk"), Qt::LeftButton);
    EXPECT_EQ(dialogs.errors,
              std::vector<std::string>{"A1 : Nation A1 is selected more than once!"});
    EXPECT_EQ(f.result(), 0);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(world->Settings.SpecifiedMajors, "A1;A2;");
    QTest::keyClick(&f, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(world->Settings.SpecifiedMajors, "");
    // Cancel closes without applying anything more.
    QTest::mouseClick(Part<QPushButton>(f, "BitBtnCancel"), Qt::LeftButton);
    EXPECT_EQ(f.result(), QDialog::Rejected);
}

TEST_F(MajorsPanelTest, TwoHundredAndEightNationsInTheLists) {
    world->NationsLoaded = 0;
    for (int n = 1; n <= MaxNations; ++n)
        editortest::AddNation(*world, "N" + std::to_string(1000 - n).substr(0, 3), 0);
    world->Settings.SpecifiedMajors = "N792";  // nation 208
    TFormMap& f = Open();
    EXPECT_EQ(ComboBoxM(f, 1)->count(), 208);
    EXPECT_EQ(ComboBoxM(f, 1)->currentText(), "N792: Nation N792");
    EXPECT_EQ(f.Majors()[0].nation, 208);
}

}  // namespace
