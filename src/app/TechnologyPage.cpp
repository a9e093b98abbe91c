#include "app/TechnologyPage.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "app/Keyboard.h"
#include "app/StopLabels.h"

namespace tq3 {

namespace {
using S = TGeneratorSettings;

// The technology group hint names the group of the position.
QString TechGroupHint(int position) {
    static const char* const kGroups[] = {"Exotic", "China", "Muslim", "Orthodox", "Latin"};
    return position >= 1 && position <= static_cast<int>(std::size(kGroups))
               ? QString::number(position) + QStringLiteral(" (") +
                     QString::fromLatin1(kGroups[position - 1]) + QLatin1Char(')')
               : QString::number(position);
}

// Every domestic policy slider: what it sets and the scale of its value.
constexpr const char* kPolicyHint =
    "Starting value of this domestic policy for every country (when equal for all), from 0 to "
    "10: ";

// The army hint shows the position times 1.5 in its shortest form (1.5, 3, 4.5).
QString ArmyHint(int position) {
    return QString::number(position * 1.5);
}

const SliderBinding kStartArmy{"TrackBarStartArmy",
                               1,
                               30,
                               1,
                               Setting(&S::StartingArmy),
                               "Label37",
                               "&Army size:",
                               "How strong army the nations get on start: ",
                               &ArmyHint};
const SliderBinding kSliders[] = {
    {"TrackBarStartNavy", 1, 30, 10, Setting(&S::StartingNavy), "Label7",
     "&Navy size:", "How strong navy the nations get on start: "},
    {"TrackBarTechGroup", 1, 5, 1, Setting(&S::CommonTechGroup), nullptr, "Technology group",
     "Technology group of every country: ", &TechGroupHint},
    {"TrackBarStartFunds", 0, 4000, 2500, Setting(&S::StartingFunds), "Label20",
     "&Ducats:", "How many ducats the nations get on start: "},
};
const SliderBinding kPolicySliders[] = {
    {"TrackBarDPArist", 0, 10, 0, Setting(&S::DefaultDPAristocracy), "LabelDPArist", "Aristocracy",
     kPolicyHint},
    {"TrackBarDPCentr", 0, 10, 0, Setting(&S::DefaultDPCentralization), "LabelDPCentr",
     "Centraliz.", kPolicyHint},
    {"TrackBarDPInnov", 0, 10, 0, Setting(&S::DefaultDPInnovative), "LabelDPInnov", "Innovativ.",
     kPolicyHint},
    {"TrackBarDPMerc", 0, 10, 0, Setting(&S::DefaultDPMercantilism), "LabelDPMerc", "Mercantil.",
     kPolicyHint},
    {"TrackBarDPOffen", 0, 10, 0, Setting(&S::DefaultDPOffensive), "LabelDPOffen", "Offensive",
     kPolicyHint},
    {"TrackBarDPLand", 0, 10, 0, Setting(&S::DefaultDPLand), "LabelDPLand", "Land", kPolicyHint},
    {"TrackBarDPQual", 0, 10, 0, Setting(&S::DefaultDPQuality), "LabelDPQual", "Quality",
     kPolicyHint},
    {"TrackBarDPSerf", 0, 10, 0, Setting(&S::DefaultDPSerfdom), "LabelDPSerf", "Serfdom",
     kPolicyHint},
};
const SliderBinding kTechSliders[] = {
    {"TrackBarLand", 0, 60, 0, Setting(&S::StartTechLand), "LabelTechLand", "Land tech.",
     "Land technology every country starts with (when equal for all): "},
    {"TrackBarNaval", 0, 60, 0, Setting(&S::StartTechNaval), "LabelTechNaval", "Naval tech.",
     "Naval technology every country starts with (when equal for all): "},
    {"TrackBarInfra", 0, 10, 0, Setting(&S::StartTechInfra), "LabelTechInfra", "Infra tech.",
     "Infrastructure technology every country starts with (when equal for all): "},
    {"TrackBarTrade", 0, 10, 0, Setting(&S::StartTechTrade), "LabelTechTrade", "Trade tech.",
     "Trade technology every country starts with (when equal for all): "},
    {"TrackBarStability", -3, 3, 0, Setting(&S::StartStability), "LabelStability", "Stability",
     "Stability every country starts with, from -3 to 3 (when equal for all): "},
};

// Equal / Individual: the setting is true while "Individual" is selected.
const RadioPairBinding kPairs[] = {
    {"GroupBoxStartArmy",
     "Starting Army",
     "RadioButtonStartArmyEqual",
     "Equal",
     "RadioButtonStartArmyIndiv",
     "Individual",
     Setting(&S::IsNationSpecifArmy),
     1,
     {},
     {"TrackBarStartArmy", "Label37", "Label5"}},
    {"GroupBoxStartNavy",
     "Starting Navy",
     "RadioButtonStartNavyEqual",
     "Equal",
     "RadioButtonStartNavyIndiv",
     "Individual",
     Setting(&S::IsNationSpecifNavy),
     1,
     {},
     {"TrackBarStartNavy", "Label7", "Label29"}},
    {"GroupBoxTechGroup",
     "Technology Group",
     "RadioButtonEqualTechGroup",
     "Equal",
     "RadioButtonIndivTechGroup",
     "Individual",
     Setting(&S::IsNationSpecifTechGroup),
     1,
     {},
     {"TrackBarTechGroup", "Label35"}},
    {"GroupBoxTech",
     "Starting technology",
     "RadioButtonEqualTech",
     "Equal",
     "RadioButtonIndivTech",
     "Individual",
     Setting(&S::IsNationSpecifTech),
     1,
     {},
     {},
     {"SpeedButtonTechValues"}},
    {"GroupBoxStartFunds",
     "Starting Funds",
     "RadioButtonStartFundsEqual",
     "Equal",
     "RadioButtonStartFundsIndiv",
     "Individual",
     Setting(&S::IsNationSpecifGold),
     1,
     {},
     {"TrackBarStartFunds", "Label20"}},
};
enum PairIndex { kArmy, kNavy, kTechGroup, kTech, kFunds };

const CheckBinding kBoxes[] = {
    {"CheckBoxNationSpecifics", "Other country specifics", true, Setting(&S::IsNationSpecifics)},
    {"CheckBoxBigFotresses", "Big Fotresses", false, Setting(&S::BigFortresses)},
    {"CheckBoxRandomEvents", "Enable random events", false, Setting(&S::RandomEvents)},
};

// The names under the tech group slider, one for each of its stops.
const char* const kTechGroupNames[] = {"Exotic", "China", "Muslim", "Orthodox", "Latin"};

// A group of sliders with their labels and a "Close" button.
QGridLayout* SliderGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setColumnStretch(1, 1);
    return grid;
}

// The buttons of a choice in one row, at their natural widths.
void AddChoiceRow(QGridLayout* grid, std::initializer_list<QWidget*> buttons) {
    auto* row = new QHBoxLayout;
    for (QWidget* button : buttons) row->addWidget(button);
    row->addStretch(1);
    grid->addLayout(row, 0, 0, 1, kSliderColumns);
}
}  // namespace

TechnologyPage::TechnologyPage(World& world, QWidget* parent)
    : SettingsPage("TabSheetNationsAdvanced", world, parent) {
    QGroupBox* groups[std::size(kPairs)];
    for (std::size_t i = 0; i < std::size(kPairs); ++i) {
        groups[i] = Make(kPairs[i]);
        auto* grid = new QGridLayout(groups[i]);
        AddChoiceRow(grid, {Find(kPairs[i].first), Find(kPairs[i].second)});
        grid->setColumnStretch(1, 1);
    }
    BuildAmounts(groups[kArmy], groups[kNavy], groups[kFunds]);
    BuildTechGroup(groups[kTechGroup]);
    QToolButton* techValues = MakeButton("SpeedButtonTechValues", tr("Starting values"));
    connect(techValues, &QToolButton::clicked, this, [this] { SpeedButtonTechValuesClick(); });
    GridOf(groups[kTech])->addWidget(techValues, 1, 0, 1, kSliderColumns, Qt::AlignLeft);

    auto* left = new QVBoxLayout;
    left->addWidget(Make(kBoxes[0]));
    left->addWidget(groups[kArmy]);
    left->addWidget(groups[kNavy]);
    left->addWidget(groups[kFunds]);
    left->addWidget(Make(kBoxes[1]));
    left->addWidget(Make(kBoxes[2]));
    left->addStretch(1);
    rightColumn_ = new QWidget(Content());
    rightColumn_->installEventFilter(this);
    auto* right = new QVBoxLayout(rightColumn_);
    right->setContentsMargins(0, 0, 0, 0);
    right->addWidget(groups[kTechGroup]);
    right->addWidget(groups[kTech]);
    right->addWidget(BuildPolicies());
    right->addStretch(1);
    auto* columns = new QHBoxLayout(Content());
    columns->addLayout(left, 1);
    columns->addWidget(rightColumn_, 1);
    BuildValuePanels();
}

// Army, navy and funds: label, slider, position and a note at the slider's end, in columns
// of one width across the three groups so that their sliders line up.
void TechnologyPage::BuildAmounts(QGroupBox* army, QGroupBox* navy, QGroupBox* funds) {
    TrackBar* armyBar = Make(kStartArmy);
    armyBar->onChange = [this] { TrackBarStartInfantryChange(); };
    AddRow(GridOf(army), Find(kStartArmy.label), armyBar, MakeLabel("Label5", tr("x 1.5")));
    TrackBar* navyBar = Make(kSliders[0]);
    AddRow(GridOf(navy), Find(kSliders[0].label), navyBar, MakeLabel("Label29", tr("ships")));
    TrackBar* fundsBar = Make(kSliders[2]);
    AddRow(GridOf(funds), Find(kSliders[2].label), fundsBar);
    ShareColumns({GridOf(army), GridOf(navy), GridOf(funds)});
}

// The tech group slider stands above the names of its five groups, each under its stop.
void TechnologyPage::BuildTechGroup(QGroupBox* group) {
    TrackBar* bar = Make(kSliders[1]);
    QStringList names;
    for (const char* name : kTechGroupNames) names << tr(name);
    auto* labels = new StopLabels("Label35", bar, names, group);
    bar->setMinimumWidth(std::max(bar->minimumWidth(), labels->SliderMinimumWidth()));
    GridOf(group)->addWidget(bar, 1, 0, 1, kSliderColumns);
    GridOf(group)->addWidget(labels, 2, 0, 1, kSliderColumns);
}

// Domestic policies: equal, individual or (hidden) randomized.
QGroupBox* TechnologyPage::BuildPolicies() {
    QGroupBox* policies = MakeGroup("GroupBoxDP", tr("Domestic Policies"));
    auto* policyGrid = new QGridLayout(policies);
    auto* equalDP = equalDP_ = new RadioButton("RadioButtonEqualDP", tr("Equal"), policies);
    auto* indivDP = indivDP_ = new RadioButton("RadioButtonIndivDP", tr("Individual"), policies);
    auto* randomDP = randomDP_ = new RadioButton("RadioButtonRandomDP", tr("Randomized"), policies);
    equalDP->setChecked(true);
    equalDP->onClick = indivDP->onClick = [this] { RadioButtonIndivDPClick(); };
    randomDP->onClick = [this] { RadioButtonRandomDPClick(); };
    randomDP->hide();
    QToolButton* policyValues = policyValues_ = MakeButton("SpeedButtonDP", tr("Starting values"));
    connect(policyValues, &QToolButton::clicked, this, [this] { SpeedButtonDPClick(); });
    AddChoiceRow(policyGrid, {equalDP, indivDP, randomDP});
    policyGrid->addWidget(policyValues, 1, 0, 1, kSliderColumns, Qt::AlignLeft);
    return policies;
}

// The two panels of starting values, over the right column; never both at once.
void TechnologyPage::BuildValuePanels() {
    QGroupBox* panelDP = panelDP_ = MakeGroup("PanelDP", tr("Domestic Policies"));
    QGridLayout* dpGrid = SliderGrid(panelDP);
    for (const SliderBinding& row : kPolicySliders) {
        TrackBar* bar = Make(row);  // makes the label too
        AddRow(dpGrid, Find(row.label), bar);
    }
    QToolButton* closeDP = MakeButton("SpeedButton3", tr("Close"));
    connect(closeDP, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    dpGrid->addWidget(closeDP, dpGrid->rowCount(), 1, Qt::AlignRight);

    QGroupBox* panelTech = panelTech_ = MakeGroup("GroupBoxTechValues", tr("Starting technology"));
    QGridLayout* techGrid = SliderGrid(panelTech);
    for (const SliderBinding& row : kTechSliders) {
        TrackBar* bar = Make(row);
        AddRow(techGrid, Find(row.label), bar);
    }
    QToolButton* closeTech = MakeButton("SpeedButton4", tr("Close"));
    connect(closeTech, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
    techGrid->addWidget(closeTech, techGrid->rowCount(), 1, Qt::AlignRight);
    techGrid->setRowStretch(techGrid->rowCount(), 1);
    ShareColumns({dpGrid, techGrid});

    // The column leaves room for its own groups and for either panel, at any scale.
    rightColumn_->setMinimumSize(rightColumn_->layout()->minimumSize());
    for (QGroupBox* panel : {panelDP, panelTech}) {
        panel->setAutoFillBackground(true);
        panel->hide();
        rightColumn_->setMinimumSize(rightColumn_->minimumSize().expandedTo(panel->sizeHint()));
    }
}

void TechnologyPage::ShowSettings() {
    for (const CheckBinding& row : kBoxes) Show(row);
    for (const RadioPairBinding& row : kPairs) Show(row);
    Show(kStartArmy);
    for (const SliderBinding& row : kSliders) Show(row);
    for (const SliderBinding& row : kPolicySliders) Show(row);
    for (const SliderBinding& row : kTechSliders) Show(row);

    // Selecting Equal or Individual clears RandomizeDP: the loaded value is put back.
    const bool randomize = S().RandomizeDP;
    (S().IsNationSpecifDP ? indivDP_ : equalDP_)->Select();
    if (randomize) randomDP_->Select();
    S().RandomizeDP = randomize;
    policyValues_->setEnabled(!S().IsNationSpecifDP);
}

std::vector<QWidget*> TechnologyPage::KeyboardOrder() const {
    std::vector<QWidget*> order = SettingsPage::KeyboardOrder();
    for (QWidget* panel : {panelDP_, panelTech_})
        for (QWidget* control : ReadingOrder(panel)) order.push_back(control);
    return order;
}

void TechnologyPage::TrackBarStartInfantryChange() {
    TrackBarChange(kStartArmy);
}

void TechnologyPage::RadioButtonIndivDPClick() {
    S().IsNationSpecifDP = indivDP_->isChecked();
    policyValues_->setEnabled(!S().IsNationSpecifDP);
    S().RandomizeDP = false;
}

void TechnologyPage::RadioButtonRandomDPClick() {
    S().RandomizeDP = randomDP_->isChecked();
}

void TechnologyPage::SpeedButtonDPClick() {
    panelTech_->hide();
    PlacePanels();
    panelDP_->show();
    panelDP_->raise();
}

void TechnologyPage::SpeedButtonTechValuesClick() {
    panelDP_->hide();
    PlacePanels();
    panelTech_->show();
    panelTech_->raise();
}

void TechnologyPage::SpeedButton3Click() {
    panelDP_->hide();
}
void TechnologyPage::SpeedButton4Click() {
    panelTech_->hide();
}

bool TechnologyPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rightColumn_ &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        PlacePanels();
    return SettingsPage::eventFilter(watched, event);
}

void TechnologyPage::PlacePanels() {
    for (QWidget* panel : {panelDP_, panelTech_}) panel->setGeometry(rightColumn_->geometry());
}

}  // namespace tq3
