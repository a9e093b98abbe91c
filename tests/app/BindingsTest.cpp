#include "AppTestSupport.h"

using namespace tq3;
using test::WindowTest;

namespace {
using Getter = int (*)(const TGeneratorSettings&);
struct Row {
    const char* control;
    Getter setting;
};
#define ROW(control, expr)                                                            \
    Row {                                                                             \
        control, [](const TGeneratorSettings& s) { return static_cast<int>(s.expr); } \
    }

// Every check box the user can reach and the setting it writes.
const Row kCheckBoxes[] = {
    ROW("CheckBoxRandomClimate", IsRandomClimate),
    ROW("CheckBoxClimateAffectsSeas", ClimateAffectsSeas),
    ROW("CheckBoxRandomTerain", IsRandomTerain),
    ROW("CheckBoxRandomManpower", IsRandomManpower),
    ROW("CheckBoxRandomIncome", IsRandomIncome),
    ROW("CheckBoxRandomColonDiff", IsRandomColonDiff),
    ROW("CheckBoxRandomTradeNegot", IsRandomTradeNegotiation),
    ROW("CheckBoxRandomNativToler", IsRandomNativTolerance),
    ROW("CheckBoxRandomNativCombat", IsRandomNativCombat),
    ROW("CheckBoxRandomNativPopulation", IsRandomNativPopulation),
    ROW("CheckBoxUseGalleysAnywhere", UseGalleysAnywhere),
    ROW("CheckBoxChangeEurope", DontChangeEurope),
    ROW("CheckBoxChangeAsia", DontChangeAsia),
    ROW("CheckBoxRandomGoods", IsRandomGoods),
    ROW("CheckBoxContinentSpecifs", IsContinentSpecifs),
    ROW("CheckBoxGoodsTerrainDependency", IsGoodsTerrainDependency),
    ROW("CheckBoxRandomCoTs", IsRandomCots),
    ROW("CheckBoxFCoTMajor", ForceCoTtoMajor),
    ROW("CheckBoxFCoTTrade", ForceCoTtoTrade),
    ROW("CheckBoxRandomizeGoodsValues", RandomizeGoodsValues),
    ROW("CheckBoxFantasyMode", FantasyMode),
    ROW("CheckBoxWorldIsExplored", WorldIsExplored),
    ROW("CheckBoxFMajorCoastal", ForceMajortoCoast),
    ROW("CheckBoxFNavalCoastal", ForceNavaltoCoast),
    ROW("CheckBoxFMajorEurope", ForceMajortoEurope),
    ROW("CheckBoxDontMoveEurNat", DontMoveEuroNations),
    ROW("CheckBoxRandomizeUnknownsOnly", RandomizeUnknownsOnly),
    ROW("CheckBoxDoubleSize", IndivSizeDoubled),
    ROW("CheckBoxNationSpecifics", IsNationSpecifics),
    ROW("CheckBoxBigFotresses", BigFortresses),
    ROW("CheckBoxRandomEvents", RandomEvents),
    ROW("CheckBoxRandomReligProvince", IsRandomReligProv),
    ROW("CheckBoxRandomReligNation", IsRandomReligNation),
    ROW("CheckBoxUseProtestant", AdvancedReligStart),
    ROW("CheckBoxEdictOfTolerance", EdictOfTolerance),
    ROW("CheckBoxAIChangesReligion", AIChangesReligion),
    ROW("CheckBoxHREElectors", AllElectors),
    ROW("CheckBoxNoCulture", NoCulture),
    ROW("CheckBoxReligEvents", ReligiousEvents),
};

// Every slider the user can move and the setting it writes.
const Row kSliders[] = {
    ROW("TrackBarTemperature", Temperature),
    ROW("TrackBarHumidity", Humidity),
    ROW("TrackBarDiversity", Diversity),
    ROW("TrackBarAge", Age),
    ROW("TrackBarManpower", ManpowerModif),
    ROW("TrackBarIncome", IncomeModif),
    ROW("TrackBarColonDiff", ColonDifficultyModif),
    ROW("TrackBarTradeNegot", TradeNegotiationModif),
    ROW("TrackBarNativToler", NativToleranceModif),
    ROW("TrackBarNativCombat", NativCombatModif),
    ROW("TrackBarNativPopulation", NativPopulationModif),
    ROW("TrackBarGoldMines", GoodsProb[5]),
    ROW("TrackBarTaxValue", TaxValue),
    ROW("TrackBarStabilityImpact", TaxStabilImpact),
    ROW("TrackBarGoodsValue", GoodsValueModifier),
    ROW("TrackBarNatCount", NationCount),
    ROW("TrackBarBadBoy", BadBoy),
    ROW("TrackBarMajorAdvantage", MajorAdvantage),
    ROW("TrackBarRelations", NationRelationModif),
    ROW("TrackBarRandomStartLoc", RandomStartLoc),
    ROW("TrackBarStartArmy", StartingArmy),
    ROW("TrackBarStartNavy", StartingNavy),
    ROW("TrackBarTechGroup", CommonTechGroup),
    ROW("TrackBarDPArist", DefaultDPAristocracy),
    ROW("TrackBarDPCentr", DefaultDPCentralization),
    ROW("TrackBarDPInnov", DefaultDPInnovative),
    ROW("TrackBarDPMerc", DefaultDPMercantilism),
    ROW("TrackBarDPOffen", DefaultDPOffensive),
    ROW("TrackBarDPLand", DefaultDPLand),
    ROW("TrackBarDPQual", DefaultDPQuality),
    ROW("TrackBarDPSerf", DefaultDPSerfdom),
    ROW("TrackBarLand", StartTechLand),
    ROW("TrackBarNaval", StartTechNaval),
    ROW("TrackBarInfra", StartTechInfra),
    ROW("TrackBarTrade", StartTechTrade),
    ROW("TrackBarStability", StartStability),
    ROW("TrackBarStartFunds", StartingFunds),
    ROW("TrackBarReligDispersity", ReligDispersity),
    ROW("TrackBarCatholic", ReligProb[1]),
    ROW("TrackBarProtestant", ReligProb[2]),
    ROW("TrackBarReformed", ReligProb[3]),
    ROW("TrackBarOrthodox", ReligProb[4]),
    ROW("TrackBarSunni", ReligProb[5]),
    ROW("TrackBarShiite", ReligProb[6]),
    ROW("TrackBarBudhist", ReligProb[7]),
    ROW("TrackBarHinduist", ReligProb[8]),
    ROW("TrackBarConfucian", ReligProb[9]),
};

const Row kSpinEdits[] = {
    ROW("SpinEditCoTCount", CoTCount),
    ROW("SpinEditMajorCount", MajorCount),
    ROW("SpinEditStartingSize", StartingCountrySize),
};

// Radio buttons: selecting the button gives the setting the value.
struct RadioRow {
    const char* button;
    Getter setting;
    int value;
};
#define RADIO(button, expr, value)                                                          \
    RadioRow {                                                                              \
        button, [](const TGeneratorSettings& s) { return static_cast<int>(s.expr); }, value \
    }
const RadioRow kRadios[] = {
    RADIO("RadioButtonSpecifiedMajors", IsRandomMajor, 0),
    RADIO("RadioButtonRandomMajors", IsRandomMajor, 1),
    RADIO("RadioButtonRandomRelations", RandomRelations, 1),
    RADIO("RadioButtonEqualRelations", RandomRelations, 0),
    RADIO("RadioButtonHistRelations", UseHistDiplMatrix, 1),
    RADIO("RadioButtonEqualRelations", UseHistDiplMatrix, 0),
    RADIO("RadioButtonStartSizeIndiv", StartingCountrySize, 0),
    RADIO("RadioButtonStartArmyIndiv", IsNationSpecifArmy, 1),
    RADIO("RadioButtonStartArmyEqual", IsNationSpecifArmy, 0),
    RADIO("RadioButtonStartNavyIndiv", IsNationSpecifNavy, 1),
    RADIO("RadioButtonStartNavyEqual", IsNationSpecifNavy, 0),
    RADIO("RadioButtonIndivTechGroup", IsNationSpecifTechGroup, 1),
    RADIO("RadioButtonEqualTechGroup", IsNationSpecifTechGroup, 0),
    RADIO("RadioButtonIndivDP", IsNationSpecifDP, 1),
    RADIO("RadioButtonRandomDP", RandomizeDP, 1),
    RADIO("RadioButtonEqualDP", IsNationSpecifDP, 0),
    RADIO("RadioButtonEqualDP", RandomizeDP, 0),
    RADIO("RadioButtonIndivTech", IsNationSpecifTech, 1),
    RADIO("RadioButtonEqualTech", IsNationSpecifTech, 0),
    RADIO("RadioButtonStartFundsIndiv", IsNationSpecifGold, 1),
    RADIO("RadioButtonStartFundsEqual", IsNationSpecifGold, 0),
};
}  // namespace

TEST_F(WindowTest, EveryCheckBoxWritesItsSettingTheMomentItIsClicked) {
    Open();
    for (const Row& row : kCheckBoxes) {
        auto* box = Control<CheckBox>(row.control);
        if (!box) continue;
        box->setEnabled(true);
        for (int click = 0; click < 2; ++click) {
            box->click();
            EXPECT_EQ(row.setting(S()), box->isChecked() ? 1 : 0) << row.control;
        }
    }
}

TEST_F(WindowTest, EverySliderWritesItsSettingTheMomentItMoves) {
    Open();
    for (const Row& row : kSliders) {
        auto* bar = Control<TrackBar>(row.control);
        if (!bar) continue;
        for (const int position : {bar->minimum(), bar->minimum() + 1}) {
            bar->setValue(position);  // as the user moves it
            EXPECT_EQ(row.setting(S()), position) << row.control;
        }
    }
}

TEST_F(WindowTest, EverySpinEditWritesItsSettingTheMomentItChanges) {
    Open();
    Control<RadioButton>("RadioButtonRandomMajors")->click();
    Control<RadioButton>("RadioButtonStartSizeEqual")->click();
    for (const Row& row : kSpinEdits) {
        auto* spin = Control<SpinEdit>(row.control);
        if (!spin) continue;
        for (const int value : {spin->minimum() + 1, spin->maximum()}) {
            spin->setValue(value);
            EXPECT_EQ(row.setting(S()), value) << row.control;
        }
    }
}

TEST_F(WindowTest, EveryRadioButtonWritesItsSettingWhenSelected) {
    Open();
    for (const RadioRow& row : kRadios) {
        auto* button = Control<RadioButton>(row.button);
        if (!button) continue;
        button->click();
        EXPECT_EQ(row.setting(S()), row.value) << row.button;
    }
}

TEST_F(WindowTest, ARunSeesTheWindowsStateAfterShowSettingsPutTheLoadedValuesIn) {
    Open();
    // ShowSettings copied the file's values; every control shows its setting.
    for (const Row& row : kCheckBoxes) {
        if (auto* box = Control<CheckBox>(row.control)) {
            EXPECT_EQ(box->isChecked() ? 1 : 0, row.setting(S())) << row.control;
        }
    }
    for (const Row& row : kSliders) {
        if (auto* bar = Control<TrackBar>(row.control)) {
            EXPECT_EQ(bar->Position(), std::clamp(row.setting(S()), bar->minimum(), bar->maximum()))
                << row.control;
        }
    }
}

TEST_F(WindowTest, EveryControlHasAnAccessibleName) {
    Open();
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QAbstractSlider*>(w) &&
            !qobject_cast<QAbstractSpinBox*>(w) && !qobject_cast<QLineEdit*>(w))
            continue;
        if (w->objectName().isEmpty() || w->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        const QString name =
            w->accessibleName().isEmpty()
                ? (qobject_cast<QAbstractButton*>(w) ? qobject_cast<QAbstractButton*>(w)->text()
                                                     : QString())
                : w->accessibleName();
        EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
    }
}
