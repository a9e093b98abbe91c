#include <QSignalSpy>
#include <QTest>

#include "AppTestSupport.h"

using namespace tq3;

// The rules for controls set from code, which Qt's own signals do not follow.

TEST(Controls, ACheckBoxSetFromCodeRunsItsClickHandlerOnlyWhenItsStateChanges) {
    CheckBox box("CheckBoxTest", QStringLiteral("Test"));
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.SetChecked(false);
    EXPECT_EQ(clicks, 0);
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(box.isChecked());
    box.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    box.click();  // the user
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box.isChecked());
}

TEST(Controls, ARadioButtonRunsItsHandlerWhenNewlySelectedButNotWhenASiblingClearsIt) {
    QWidget group;
    RadioButton first("RadioFirst", QStringLiteral("First"), &group);
    RadioButton second("RadioSecond", QStringLiteral("Second"), &group);
    first.setChecked(true);
    int firstRuns = 0, secondRuns = 0;
    first.onClick = [&] { ++firstRuns; };
    second.onClick = [&] { ++secondRuns; };
    first.Select();
    EXPECT_EQ(firstRuns, 0);
    second.Select();
    EXPECT_EQ(secondRuns, 1);
    EXPECT_FALSE(first.isChecked());
    EXPECT_EQ(firstRuns, 0);
    first.click();  // the user
    EXPECT_EQ(firstRuns, 1);
    EXPECT_EQ(secondRuns, 1);
}

TEST(Controls, ASliderSetFromCodeClampsAndRunsNothing) {
    TrackBar bar("TrackBarTest", -4, 4, 0);
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    bar.SetPosition(9);
    EXPECT_EQ(bar.Position(), 4);
    bar.SetPosition(-20);
    EXPECT_EQ(bar.Position(), -4);
    EXPECT_EQ(changes, 0);
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);  // the user
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bar.Position(), -3);
}

TEST(Controls, ASpinEditSetFromCodeClampsAndRunsItsHandlerWhenTheShownNumberChanges) {
    SpinEdit spin("SpinEditTest", 8, 30, 15);
    int changes = 0;
    spin.onChange = [&] { ++changes; };
    spin.SetValue(15);
    EXPECT_EQ(changes, 0);
    spin.SetValue(99);
    EXPECT_EQ(spin.Value(), 30);
    EXPECT_EQ(changes, 1);
    spin.SetValue(31);  // clamps to the number already shown
    EXPECT_EQ(changes, 1);
}

TEST(Controls, ASpinEditWhoseTextIsNotANumberReadsAsItsMinimum) {
    SpinEdit spin("SpinEditTest", 8, 30, 15);
    int changes = 0;
    spin.onChange = [&] { ++changes; };
    spin.findChild<QLineEdit*>()->clear();  // the user empties the field
    EXPECT_EQ(spin.Value(), 8);
    EXPECT_GE(changes, 1);
}

TEST(Controls, AnEditSetToADifferentTextRunsItsChangeHandler) {
    Edit edit("EditTest");
    int changes = 0;
    edit.onChange = [&] { ++changes; };
    edit.SetText(QStringLiteral("ENG"));
    EXPECT_EQ(changes, 1);
    edit.SetText(QStringLiteral("ENG"));
    EXPECT_EQ(changes, 1);
    QTest::keyClicks(&edit, QStringLiteral(";FRA"));  // the user
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(edit.text(), QStringLiteral("ENG;FRA"));
}
