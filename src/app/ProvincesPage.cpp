#include "app/ProvincesPage.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace tq3 {

namespace {
using S = TGeneratorSettings;

const CheckBinding kRandomClimate{"CheckBoxRandomClimate",
                                  "Random Climate",
                                  true,
                                  Setting(&S::IsRandomClimate),
                                  {"Label1", "TrackBarTemperature", "Label2", "TrackBarHumidity",
                                   "Label8", "Label17", "CheckBoxClimateAffectsSeas"}};
const CheckBinding kRandomTerrain{
    "CheckBoxRandomTerain",
    "Random Terrain",
    true,
    Setting(&S::IsRandomTerain),
    {"Label36", "TrackBarDiversity", "Label38", "Label3", "TrackBarAge", "Label18"}};
const CheckBinding kClimateAffectsSeas{"CheckBoxClimateAffectsSeas", "Climate affects seas", true,
                                       Setting(&S::ClimateAffectsSeas)};

const SliderBinding kClimateSliders[] = {
    {"TrackBarTemperature", -4, 4, 0, Setting(&S::Temperature), "Label1", "&Temperature",
     "Temperature of the world: left = cold (snow), righ = warm (tropical): "},
    {"TrackBarHumidity", -4, 4, 0, Setting(&S::Humidity), "Label2", "&Humidity",
     "Humidity of the world: left = dry (desert), righ = wet (marsh): "},
    {"TrackBarDiversity", -4, 4, 0, Setting(&S::Diversity), "Label36", "&Diversity",
     "Probability that adjacent provinces have the same terrain, left = large areas of the same "
     "terrain,  right = completely random terrain: "},
    {"TrackBarAge", -4, 4, 0, Setting(&S::Age), "Label3", "A&ge",
     "Age of the world: left = young (mountainous), right = old (flat): "},
};
// The note at each climate slider's right end.
const char* const kClimateNotes[][2] = {{"Label8", "cold - warm"},
                                        {"Label17", "dry - wet"},
                                        {"Label38", "areas - random"},
                                        {"Label18", "young - old"}};

// The province values: a check box "Random ..." and the modifier slider it shows.
struct ValueRow {
    CheckBinding box;
    SliderBinding slider;
};
constexpr const char* kModifierHint = "left = less, righ = more: ";
const ValueRow kValueRows[] = {
    {{"CheckBoxRandomManpower",
      "Random manpower",
      true,
      Setting(&S::IsRandomManpower),
      {"TrackBarManpower"}},
     {"TrackBarManpower", -5, 5, 0, Setting(&S::ManpowerModif), nullptr, "Manpower",
      kModifierHint}},
    {{"CheckBoxRandomIncome",
      "Random income",
      true,
      Setting(&S::IsRandomIncome),
      {"TrackBarIncome"}},
     {"TrackBarIncome", -5, 5, 0, Setting(&S::IncomeModif), nullptr, "Income", kModifierHint}},
    {{"CheckBoxRandomColonDiff",
      "Random colonization difficulty",
      true,
      Setting(&S::IsRandomColonDiff),
      {"TrackBarColonDiff"}},
     {"TrackBarColonDiff", -5, 5, 0, Setting(&S::ColonDifficultyModif), nullptr,
      "Colonization difficulty", kModifierHint}},
    {{"CheckBoxRandomTradeNegot",
      "Random trading post difficulty",
      true,
      Setting(&S::IsRandomTradeNegotiation),
      {"TrackBarTradeNegot"}},
     {"TrackBarTradeNegot", -5, 5, 0, Setting(&S::TradeNegotiationModif), nullptr,
      "Trading post difficulty", kModifierHint}},
    {{"CheckBoxRandomNativToler",
      "Random native aggressivness",
      true,
      Setting(&S::IsRandomNativTolerance),
      {"TrackBarNativToler"}},
     {"TrackBarNativToler", -5, 5, 0, Setting(&S::NativToleranceModif), nullptr,
      "Native aggressiveness", kModifierHint}},
    {{"CheckBoxRandomNativCombat",
      "Random native combat values",
      false,
      Setting(&S::IsRandomNativCombat),
      {"TrackBarNativCombat"}},
     {"TrackBarNativCombat", -5, 5, 0, Setting(&S::NativCombatModif), nullptr,
      "Native combat values", kModifierHint}},
    {{"CheckBoxRandomNativPopulation",
      "Random native population",
      false,
      Setting(&S::IsRandomNativPopulation),
      {"TrackBarNativPopulation"}},
     {"TrackBarNativPopulation", -5, 5, 0, Setting(&S::NativPopulationModif), nullptr,
      "Native population", kModifierHint}},
};

const CheckBinding kRegionBoxes[] = {
    {"CheckBoxUseGalleysAnywhere", "Use galleys in all seas", false,
     Setting(&S::UseGalleysAnywhere)},
    {"CheckBoxChangeEurope", "Don't change Europe / Mediterranean", false,
     Setting(&S::DontChangeEurope)},
    {"CheckBoxChangeAsia", "Don't change Asia", false, Setting(&S::DontChangeAsia)},
};
}  // namespace

ProvincesPage::ProvincesPage(World& world, QWidget* parent)
    : SettingsPage("TabSheetMap", world, parent) {
    // Climate and terrain: each "Random" box shows its sliders.
    QGroupBox* nature = MakeGroup("GroupBoxClimate", tr("Climate and terrain"));
    auto* natureGrid = new QGridLayout(nature);
    natureGrid->addWidget(Make(kRandomClimate), 0, 0, 1, 3);
    for (int i = 0; i < 4; ++i) {
        if (i == 2) {
            natureGrid->addWidget(Make(kClimateAffectsSeas), natureGrid->rowCount(), 0, 1, 3);
            natureGrid->addWidget(Make(kRandomTerrain), natureGrid->rowCount(), 0, 1, 3);
        }
        TrackBar* bar = Make(kClimateSliders[i]);
        QLabel* note = MakeLabel(kClimateNotes[i][0], QString::fromLatin1(kClimateNotes[i][1]));
        AddRow(natureGrid, Find<QLabel>(kClimateSliders[i].label), bar, note);
    }
    natureGrid->setColumnStretch(1, 1);

    // Province values: each box shows the modifier slider beside it.
    QGroupBox* values = MakeGroup("GroupBoxProvinceValues", tr("Province values"));
    auto* valuesGrid = new QGridLayout(values);
    for (const ValueRow& row : kValueRows) AddRow(valuesGrid, Make(row.box), Make(row.slider));
    valuesGrid->setColumnStretch(1, 1);

    QGroupBox* regions = MakeGroup("GroupBoxRegions", tr("Seas and regions"));
    auto* regionsBox = new QVBoxLayout(regions);
    for (const CheckBinding& row : kRegionBoxes) regionsBox->addWidget(Make(row));

    PlaceInColumns({nature}, {values, regions});
}

void ProvincesPage::ShowSettings() {
    Show(kRandomClimate);
    Show(kClimateAffectsSeas);
    Show(kRandomTerrain);
    for (const SliderBinding& row : kClimateSliders) Show(row);
    for (const ValueRow& row : kValueRows) {
        Show(row.box);
        Show(row.slider);
    }
    for (const CheckBinding& row : kRegionBoxes) Show(row);
}

}  // namespace tq3
