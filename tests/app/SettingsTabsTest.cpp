#include "AppTestSupport.h"
#include "app/StopLabels.h"

using namespace tq3;
using test::WindowTest;

namespace {
// A check box and the controls it shows while ticked (and those it shows while clear).
struct Dependents {
    const char* box;
    std::vector<const char*> shown;
    std::vector<const char*> shownWhenOff = {};
};
const Dependents kDependents[] = {
    {"CheckBoxRandomClimate",
     {"Label1", "TrackBarTemperature", "Label2", "TrackBarHumidity", "Label8", "Label17",
      "CheckBoxClimateAffectsSeas"}},
    {"CheckBoxRandomTerain",
     {"Label36", "TrackBarDiversity", "Label38", "Label3", "TrackBarAge", "Label18"}},
    {"CheckBoxRandomManpower", {"TrackBarManpower"}},
    {"CheckBoxRandomNativPopulation", {"TrackBarNativPopulation"}},
    {"CheckBoxRandomGoods",
     {"CheckBoxContinentSpecifs", "CheckBoxGoodsTerrainDependency", "Label32", "Label33",
      "TrackBarGoldMines"}},
    {"CheckBoxRandomCoTs",
     {"Label9", "SpinEditCoTCount", "CheckBoxFCoTMajor", "CheckBoxFCoTTrade"}},
    {"CheckBoxRandomReligProvince",
     {"TrackBarReligDispersity", "Label19", "Label31", "PanelRelig"}},
    {"CheckBoxUseProtestant", {"CheckBoxEdictOfTolerance"}, {"CheckBoxReligEvents"}},
};
}  // namespace

TEST_F(WindowTest, CheckBoxesShowAndHideTheirDependentsAndLeaveTheirValues) {
    Open();
    const int8_t temperature = S().Temperature;
    for (const Dependents& row : kDependents) {
        auto* box = Control<CheckBox>(row.box);
        box->setEnabled(true);
        for (int click = 0; click < 2; ++click) {
            box->click();
            for (const char* name : row.shown)
                EXPECT_EQ(!Control(name)->isHidden(), box->isChecked()) << row.box << " " << name;
            for (const char* name : row.shownWhenOff)
                EXPECT_EQ(Control(name)->isHidden(), box->isChecked()) << row.box << " " << name;
        }
    }
    EXPECT_EQ(S().Temperature, temperature);
}

TEST_F(WindowTest, EqualIndividualPairsHideTheEqualValueOrDisableTheStartingValuesButton) {
    Open();
    Control<RadioButton>("RadioButtonStartArmyIndiv")->click();
    EXPECT_TRUE(Control("TrackBarStartArmy")->isHidden());
    EXPECT_TRUE(Control("Label37")->isHidden());
    Control<RadioButton>("RadioButtonStartArmyEqual")->click();
    EXPECT_FALSE(Control("TrackBarStartArmy")->isHidden());
    Control<RadioButton>("RadioButtonIndivTech")->click();
    EXPECT_FALSE(Control("SpeedButtonTechValues")->isEnabled());
    Control<RadioButton>("RadioButtonEqualTech")->click();
    EXPECT_TRUE(Control("SpeedButtonTechValues")->isEnabled());
    Control<RadioButton>("RadioButtonSpecifiedMajors")->click();
    EXPECT_TRUE(Control("SpinEditMajorCount")->isHidden());
    EXPECT_FALSE(Control("EditMajors")->isHidden());
    EXPECT_FALSE(Control("SpeedButtonMajorsMap")->isHidden());
}

TEST_F(WindowTest, ATemperatureOf9ShowsTheSliderAt4AndStays9UntilTheUserMovesIt) {
    world->SettingOverrides.emplace_back("Temperature", "9");
    Open();
    EXPECT_EQ(Control<TrackBar>("TrackBarTemperature")->Position(), 4);
    EXPECT_EQ(S().Temperature, 9);
    Control<TrackBar>("TrackBarTemperature")->setValue(3);
    EXPECT_EQ(S().Temperature, 3);
}

TEST_F(WindowTest, AReligionSliderTakesOnlyWhatTheLandProvincesLeave) {
    Open();
    world->LandProvinceCount = 800;
    for (int r = 1; r <= 9; ++r) S().ReligProb[r] = 100;
    auto* catholic = Control<TrackBar>("TrackBarCatholic");
    catholic->setValue(150);
    EXPECT_EQ(Control<TrackBar>("TrackBarPagan")->Position(), 0);
    EXPECT_EQ(S().ReligProb[0], 0);
    EXPECT_EQ(catholic->Position(), 1);  // 800 - 800 + 1
    EXPECT_EQ(S().ReligProb[1], 1);
    EXPECT_EQ(catholic->toolTip().toStdString(), "How many provinces is to be catholic: 1");

    // With room left, pagan takes the rest plus one.
    Control<TrackBar>("TrackBarProtestant")->setValue(50);
    EXPECT_EQ(S().ReligProb[0], 800 - (1 + 50 + 7 * 100) + 1);
}

TEST_F(WindowTest, FantasyRulesClearTheConquistadorAndClearingThemGivesItBack) {
    Open();
    auto* fantasy = Control<CheckBox>("CheckBoxFantasyMode");
    auto* conquistador = Control<CheckBox>("CheckBoxGetConquistador");
    fantasy->SetChecked(false);
    fantasy->click();
    EXPECT_TRUE(S().FantasyMode);
    EXPECT_FALSE(S().GetConquistador);
    EXPECT_FALSE(conquistador->isHidden());
    EXPECT_TRUE(conquistador->isEnabled());
    fantasy->click();
    EXPECT_FALSE(S().FantasyMode);
    EXPECT_TRUE(S().GetConquistador);
    EXPECT_FALSE(conquistador->isEnabled());
}

TEST_F(WindowTest, LoadedFantasyRulesKeepTheLoadedConquistadorValue) {
    world->SettingOverrides = {{"FantasyMode", "1"}, {"GetConquistador", "1"}};
    Open();
    EXPECT_TRUE(Control<CheckBox>("CheckBoxFantasyMode")->isChecked());
    EXPECT_TRUE(Control<CheckBox>("CheckBoxGetConquistador")->isChecked());
    EXPECT_TRUE(S().GetConquistador);
}

TEST_F(WindowTest, DoubleSizeOnOffOnDoublesTheHalvedSizes) {
    world->SettingOverrides = {{"StartingCountrySize", "0"}, {"IndivSizeDoubled", "0"}};
    Open();
    world->Nations[1].Size = 7;
    world->Nations[2].Size = 1;
    auto* doubled = Control<CheckBox>("CheckBoxDoubleSize");
    ASSERT_FALSE(doubled->isHidden());
    doubled->click();
    EXPECT_EQ(world->Nations[1].Size, 10);  // 14, within 1..10
    EXPECT_EQ(world->Nations[2].Size, 2);
    doubled->click();
    EXPECT_EQ(world->Nations[1].Size, 5);
    EXPECT_EQ(world->Nations[2].Size, 1);
    doubled->click();
    EXPECT_EQ(world->Nations[1].Size, 10);
    EXPECT_EQ(world->Nations[2].Size, 2);
    EXPECT_TRUE(S().IndivSizeDoubled);
}

TEST_F(WindowTest, TheStartSizePairWritesZeroForIndividualAndTheFieldForEqual) {
    world->SettingOverrides = {{"StartingCountrySize", "3"}};
    Open();
    auto* spin = Control<SpinEdit>("SpinEditStartingSize");
    EXPECT_EQ(spin->Value(), 3);
    Control<RadioButton>("RadioButtonStartSizeIndiv")->click();
    EXPECT_EQ(S().StartingCountrySize, 0);
    EXPECT_TRUE(spin->isHidden());
    EXPECT_FALSE(Control("CheckBoxDoubleSize")->isHidden());
    // The hidden field cannot bring a size back while "Individual size" is selected.
    spin->SetValue(4);
    EXPECT_EQ(S().StartingCountrySize, 0);
    Control<RadioButton>("RadioButtonStartSizeEqual")->click();
    EXPECT_EQ(S().StartingCountrySize, 4);
}

TEST_F(WindowTest, ASecondShowSettingsKeepsTheLoadedStartSize) {
    world->SettingOverrides = {{"StartingCountrySize", "0"}};
    Open();
    Control<SpinEdit>("SpinEditStartingSize")->SetValue(2);
    S().StartingCountrySize = 4;
    form->ShowSettings();
    EXPECT_EQ(S().StartingCountrySize, 4);
    EXPECT_TRUE(Control<RadioButton>("RadioButtonStartSizeEqual")->isChecked());
    EXPECT_EQ(Control<SpinEdit>("SpinEditStartingSize")->Value(), 4);
}

TEST_F(WindowTest, TypingIntoTheMajorsEditEmptiesTheMajorsChosenOnTheMap) {
    Open();
    world->MajorNations.set(3);
    auto* edit = Control<Edit>("EditMajors");
    edit->setText(edit->text() + QStringLiteral(";\u00C9GY"));
    EXPECT_TRUE(world->MajorNations.none());
    EXPECT_EQ(S().SpecifiedMajors.back(), 'Y');
    EXPECT_NE(S().SpecifiedMajors.find("\xC9GY"), std::string::npos);
}

TEST_F(WindowTest, TheStartLocationSliderEnablesTheFiveBoxesAndNamesTheDistance) {
    Open();
    auto* bar = Control<TrackBar>("TrackBarRandomStartLoc");
    const char* hints[] = {"Starting provinces are historical",
                           "Starting provinces are slightly randomized, average distance from "
                           "orig. loc. = 0",
                           "Starting provinces are slightly randomized, average distance from "
                           "orig. loc. = 2",
                           nullptr,
                           "Starting provinces are slightly randomized, average distance from "
                           "orig. loc. = 8",
                           "Starting provinces are slightly randomized, average distance from "
                           "orig. loc. = 12",
                           "Starting provinces are random"};
    for (int position = 6; position >= 0; --position) {
        bar->setValue(position);
        EXPECT_EQ(S().RandomStartLoc, position);
        if (hints[position]) {
            EXPECT_EQ(bar->toolTip().toStdString(), hints[position]);
        }
        for (const char* box : {"CheckBoxFMajorCoastal", "CheckBoxFNavalCoastal",
                                "CheckBoxDontMoveEurNat", "CheckBoxRandomizeUnknownsOnly"})
            EXPECT_EQ(Control(box)->isEnabled(), position >= 1) << box;
    }
    S().RandomStartLoc = 3;
    form->ShowSettings();
    EXPECT_EQ(bar->toolTip().toStdString(),
              "Starting provinces are slightly randomized, distance = 4");
}

TEST_F(WindowTest, ValueHintsNameTheCurrentValue) {
    Open();
    Control<TrackBar>("TrackBarStartArmy")->setValue(3);
    EXPECT_EQ(Control("TrackBarStartArmy")->toolTip().toStdString(),
              "How strong army the nations get on start: 4.5");
    Control<TrackBar>("TrackBarStartArmy")->setValue(2);
    EXPECT_EQ(Control("TrackBarStartArmy")->toolTip().toStdString(),
              "How strong army the nations get on start: 3");
    Control<TrackBar>("TrackBarGoldMines")->setValue(10);
    EXPECT_EQ(Control("TrackBarGoldMines")->toolTip().toStdString(),
              "How many provinces will get gold mine: 9");
    Control<TrackBar>("TrackBarGoldMines")->setValue(105);
    EXPECT_EQ(Control("TrackBarGoldMines")->toolTip().toStdString(),
              "How many provinces will get gold mine: 100");
    Control<TrackBar>("TrackBarManpower")->setValue(-2);
    EXPECT_EQ(Control("TrackBarManpower")->toolTip().toStdString(), "left = less, righ = more: -2");
}

TEST_F(WindowTest, EverySliderHasAHoverTextThatNamesItsValue) {
    Open();
    const QList<TrackBar*> sliders = form->findChildren<TrackBar*>();
    EXPECT_EQ(sliders.size(), 48);
    for (TrackBar* slider : sliders) {
        const QString hint = slider->toolTip();
        EXPECT_FALSE(hint.isEmpty()) << slider->objectName().toStdString();
        // Every hint names the position, but those that show a number made from it.
        if (QStringList{"TrackBarRandomStartLoc", "TrackBarStartArmy", "TrackBarGoldMines"}
                .contains(slider->objectName()))
            continue;
        EXPECT_TRUE(hint.contains(QString::number(slider->Position())))
            << slider->objectName().toStdString() << ": " << hint.toStdString();
    }
    Control<TrackBar>("TrackBarTechGroup")->setValue(4);
    EXPECT_TRUE(Control("TrackBarTechGroup")->toolTip().endsWith(QStringLiteral("4 (Orthodox)")));
    Control<TrackBar>("TrackBarCatholic")->setValue(60);
    EXPECT_TRUE(Control("TrackBarPagan")
                    ->toolTip()
                    .endsWith(QString::number(Control<TrackBar>("TrackBarPagan")->Position())));
}

TEST_F(WindowTest, PoliciesAndTechnologyPanelsAreNeverShownTogether) {
    Open();
    Control<RadioButton>("RadioButtonRandomDP")->click();
    EXPECT_TRUE(S().RandomizeDP);
    Control<RadioButton>("RadioButtonIndivDP")->click();
    EXPECT_TRUE(S().IsNationSpecifDP);
    EXPECT_FALSE(S().RandomizeDP);
    EXPECT_FALSE(Control("SpeedButtonDP")->isEnabled());
    Control<RadioButton>("RadioButtonEqualDP")->click();
    Control<RadioButton>("RadioButtonEqualTech")->click();
    Control<QAbstractButton>("SpeedButtonDP")->click();
    EXPECT_FALSE(Control("PanelDP")->isHidden());
    Control<QAbstractButton>("SpeedButtonTechValues")->click();
    EXPECT_TRUE(Control("PanelDP")->isHidden());
    EXPECT_FALSE(Control("GroupBoxTechValues")->isHidden());
    Control<QAbstractButton>("SpeedButton4")->click();
    EXPECT_TRUE(Control("GroupBoxTechValues")->isHidden());
}

TEST_F(WindowTest, RelationsButtonsWriteBothSettingsAndShowTheModifier) {
    Open();
    Control<RadioButton>("RadioButtonRandomRelations")->click();
    EXPECT_FALSE(S().UseHistDiplMatrix);
    EXPECT_TRUE(S().RandomRelations);
    EXPECT_FALSE(Control("TrackBarRelations")->isHidden());
    Control<RadioButton>("RadioButtonHistRelations")->click();
    EXPECT_TRUE(S().UseHistDiplMatrix);
    EXPECT_FALSE(S().RandomRelations);
    EXPECT_TRUE(Control("TrackBarRelations")->isHidden());
    EXPECT_TRUE(Control("Label40")->isHidden());
}

TEST_F(WindowTest, RandomNationalReligionClearsTheAIReligionChange) {
    Open();
    auto* ai = Control<CheckBox>("CheckBoxAIChangesReligion");
    ai->SetChecked(true);
    EXPECT_TRUE(S().AIChangesReligion);
    Control<CheckBox>("CheckBoxRandomReligNation")->SetChecked(false);
    Control<CheckBox>("CheckBoxRandomReligNation")->click();
    EXPECT_TRUE(S().IsRandomReligNation);
    EXPECT_FALSE(ai->isChecked());
    EXPECT_FALSE(S().AIChangesReligion);
}

TEST_F(WindowTest, AmountSlidersLineUpTechGroupNamesStandUnderTheirStopsAndMajorCountIsNarrow) {
    Open();
    for (const char* equal :
         {"RadioButtonStartArmyEqual", "RadioButtonStartNavyEqual", "RadioButtonStartFundsEqual",
          "RadioButtonEqualTechGroup", "RadioButtonRandomMajors"})
        Control<RadioButton>(equal)->click();
    form->show();
    for (const char* page : {"TabSheetNationsAdvanced", "TabSheetNations"}) {
        form->PageControl1->setCurrentWidget(Control(page));
        QApplication::processEvents();
    }
    // Where a control stands in the window.
    const auto place = [&](QWidget* w) { return QRect(w->mapTo(form.get(), QPoint()), w->size()); };

    const QRect army = place(Control("TrackBarStartArmy"));
    for (const char* bar : {"TrackBarStartNavy", "TrackBarStartFunds"}) {
        EXPECT_EQ(place(Control(bar)).left(), army.left()) << bar;
        EXPECT_EQ(place(Control(bar)).right(), army.right()) << bar;
    }

    auto* techGroup = Control<TrackBar>("TrackBarTechGroup");
    auto* names = Control<StopLabels>("Label35");
    for (int stop = 0; stop < 5; ++stop) {
        const QRect name = names->NameRect(stop);
        const QPoint stopInWindow =
            techGroup->mapTo(form.get(), QPoint(techGroup->StopX(stop + 1), 0));
        const int x = names->mapFrom(form.get(), stopInWindow).x();
        EXPECT_TRUE(name.left() <= x && x <= name.right()) << stop;
        if (stop > 0) {
            EXPECT_LT(names->NameRect(stop - 1).right(), name.left()) << stop;
        }
    }

    QWidget* majorCount = Control("SpinEditMajorCount");
    EXPECT_LE(majorCount->width(), majorCount->sizeHint().width());
}
