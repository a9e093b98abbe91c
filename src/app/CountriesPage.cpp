#include "app/CountriesPage.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "widgets/Cp1252.h"

namespace tq3 {

namespace {
using S = TGeneratorSettings;

// Positions of the start-location slider.
constexpr int kHistoricalStart = 0;
constexpr int kRandomStart = 6;
// Limits of a nation's own size.
constexpr int kMinNationSize = 1;
constexpr int kMaxNationSize = 10;

const SliderBinding kNationSliders[] = {
    {"TrackBarNatCount", 1, MaxNations, 50, Setting(&S::NationCount), "LabelNatCount",
     "&Countries count", "How many nations is to be generated: "},
    {"TrackBarBadBoy", 0, 50, 1, Setting(&S::BadBoy), "LabelBadBoy", "Starting &Badboy rating",
     "BadBoy value = "},
    {"TrackBarMajorAdvantage", -50, 100, 0, Setting(&S::MajorAdvantage), "LabelMajorAdvantage",
     "Majors &Advantage",
     "Majors get bonus (or penalty) in ducats and army (in %) (non-individual mode): "},
};
const CheckBinding kConquistador{"CheckBoxGetConquistador", "Free Conquistador / Explorer", true,
                                 Setting(&S::GetConquistador)};
const CheckBinding kWorldIsExplored{
    "CheckBoxWorldIsExplored", "Explored world", false, Setting(&S::WorldIsExplored), {}, {},
    Initially::Hidden};

const RadioPairBinding kMajors{"GroupBoxMajors",
                               "Major countries",
                               "RadioButtonRandomMajors",
                               "Random",
                               "RadioButtonSpecifiedMajors",
                               "Specified",
                               Setting(&S::IsRandomMajor),
                               0,
                               {"Label34", "SpinEditMajorCount"},
                               {"EditMajors", "SpeedButtonMajorsMap"}};
const SpinBinding kMajorCount{"SpinEditMajorCount", 1, 8, 8, Setting(&S::MajorCount), "Label34",
                              "Major count:"};

const SliderBinding kRelations{"TrackBarRelations",
                               -100,
                               100,
                               1,
                               Setting(&S::NationRelationModif),
                               "Label40",
                               "Relations",
                               "left => bad relations, right => good relations: "};

// The boxes that the start-location slider enables from position 1 on.
const CheckBinding kStartBoxes[] = {
    {"CheckBoxFMajorCoastal", "Force major countries to coastal", false,
     Setting(&S::ForceMajortoCoast)},
    {"CheckBoxFNavalCoastal", "Force 'naval' countries to coastal", true,
     Setting(&S::ForceNavaltoCoast)},
    {"CheckBoxFMajorEurope",
     "Force majors to Europe / Mediterranean",
     false,
     Setting(&S::ForceMajortoEurope),
     {},
     {},
     Initially::Hidden},
    {"CheckBoxDontMoveEurNat", "Don't move Europe / Mediterran. countries", false,
     Setting(&S::DontMoveEuroNations)},
    {"CheckBoxRandomizeUnknownsOnly", "Randomize 'unknown' countries only", false,
     Setting(&S::RandomizeUnknownsOnly)},
};
const Names kStartBoxNames = {"CheckBoxFMajorCoastal", "CheckBoxFNavalCoastal",
                              "CheckBoxFMajorEurope", "CheckBoxDontMoveEurNat",
                              "CheckBoxRandomizeUnknownsOnly"};
}  // namespace

CountriesPage::CountriesPage(World& world, QWidget* parent)
    : SettingsPage("TabSheetNations", world, parent) {
    // Each group is built before the next one, in reading order.
    QWidget* nations = BuildNations();
    QWidget* majors = BuildMajors();
    QWidget* relations = BuildRelations();
    QWidget* locations = BuildStartLocations();
    QWidget* size = BuildStartSize();
    PlaceInColumns({nations, majors, relations}, {locations, size});
}

// Nations: count, fantasy rules, conquistador, badboy and the majors' advantage.
QGroupBox* CountriesPage::BuildNations() {
    QGroupBox* nations = MakeGroup("GroupBoxNations", tr("Countries"));
    auto* nationGrid = new QGridLayout(nations);
    auto* fantasy = fantasy_ =
        new CheckBox("CheckBoxFantasyMode", tr("Use FANTASIA rules"), nations);
    fantasy->onClick = [this] { CheckBoxFantasyModeClick(); };
    TrackBar* count = nationCount_ = Make(kNationSliders[0]);
    AddRow(nationGrid, Find<QLabel>("LabelNatCount"), count);
    nationGrid->addWidget(fantasy, nationGrid->rowCount(), 0, 1, 2);
    conquistador_ = Make(kConquistador);
    nationGrid->addWidget(conquistador_, nationGrid->rowCount(), 0, 1, 2);
    nationGrid->addWidget(Make(kWorldIsExplored), nationGrid->rowCount(), 0, 1, 2);
    for (int i = 1; i < 3; ++i) {
        TrackBar* bar = Make(kNationSliders[i]);
        AddRow(nationGrid, Find<QLabel>(kNationSliders[i].label), bar);
    }
    nationGrid->setColumnStretch(1, 1);
    return nations;
}

// Majors: random with a count, or specified in the edit (or on the map).
QGroupBox* CountriesPage::BuildMajors() {
    QGroupBox* majors = Make(kMajors);
    auto* majorsGrid = new QGridLayout(majors);
    majorsGrid->addWidget(Find("RadioButtonRandomMajors"), 0, 0);
    majorsGrid->addWidget(Find("RadioButtonSpecifiedMajors"), 0, 1);
    SpinEdit* majorCount = Make(kMajorCount);
    majorsGrid->addWidget(Find("Label34"), 1, 0);
    majorsGrid->addWidget(majorCount, 1, 1, Qt::AlignLeft);
    auto* edit = majorsEdit_ = new Edit("EditMajors", majors);
    edit->setAccessibleName(tr("Specified majors"));
    edit->setPlaceholderText(tr("tags separated by ;"));
    edit->onChange = [this] { EditMajorsChange(); };
    QToolButton* map = majorsMap_ = MakeButton("SpeedButtonMajorsMap", tr("Map..."));
    map->setToolTip(tr("Press to select majors (advanced mode)"));
    map->setEnabled(false);
    connect(map, &QToolButton::clicked, this, [this] {
        if (onMajorsMap) onMajorsMap();
    });
    majorsGrid->addWidget(edit, 2, 0, 1, 2);
    majorsGrid->addWidget(map, 2, 2);
    edit->hide();
    map->hide();
    majorsGrid->setColumnStretch(1, 1);
    return majors;
}

// Relations (a hidden group): historical, random or equal, and the modifier.
QGroupBox* CountriesPage::BuildRelations() {
    QGroupBox* relations = MakeGroup("GroupBoxRelations", tr("Diplomatic relations"));
    auto* relationGrid = new QGridLayout(relations);
    auto* hist = historicalRelations_ =
        new RadioButton("RadioButtonHistRelations", tr("Historical"), relations);
    auto* random = randomRelations_ =
        new RadioButton("RadioButtonRandomRelations", tr("Random"), relations);
    auto* equal = equalRelations_ =
        new RadioButton("RadioButtonEqualRelations", tr("Equal"), relations);
    hist->setChecked(true);
    hist->onClick = [this] { RadioButtonHistRelationsClick(); };
    random->onClick = [this] { RadioButtonRandomRelationsClick(); };
    equal->onClick = [this] { RadioButtonEqualRelationsClick(); };
    relationGrid->addWidget(hist, 0, 0);
    relationGrid->addWidget(random, 0, 1);
    relationGrid->addWidget(equal, 0, 2);
    TrackBar* relationBar = Make(kRelations);
    relationGrid->addWidget(Find("Label40"), 1, 0);
    relationGrid->addWidget(relationBar, 1, 1);
    relationGrid->addWidget(relationBar->Readout(), 1, 2);
    relations->hide();
    return relations;
}

// Start locations: the slider enables the five boxes from position 1 on.
QGroupBox* CountriesPage::BuildStartLocations() {
    QGroupBox* start = MakeGroup("GroupBoxStartLoc", tr("Starting Locations"));
    auto* startGrid = new QGridLayout(start);
    auto* startBar = startBar_ =
        new TrackBar("TrackBarRandomStartLoc", kHistoricalStart, kRandomStart, 1, start);
    startBar->setAccessibleName(tr("Starting locations"));
    startBar->onChange = [this] { TrackBarRandomStartLocChange(); };
    QLabel* historical = MakeLabel("LabelStartHistorical", tr("historical"));
    QLabel* randomNote = MakeLabel("LabelStartRandom", tr("random"));
    startGrid->addWidget(historical, 0, 0);
    startGrid->addWidget(startBar, 0, 1);
    startGrid->addWidget(randomNote, 0, 2);
    for (const CheckBinding& row : kStartBoxes)
        startGrid->addWidget(Make(row), startGrid->rowCount(), 0, 1, 3);
    startGrid->setColumnStretch(1, 1);
    RefreshStartLocHint(false);
    return start;
}

// Accelerated start: equal size with its province count, or individual size.
QGroupBox* CountriesPage::BuildStartSize() {
    QGroupBox* size = MakeGroup("GroupBoxStartSize", tr("Accelerated Start"));
    auto* sizeGrid = new QGridLayout(size);
    auto* sizeEqual = sizeEqual_ =
        new RadioButton("RadioButtonStartSizeEqual", tr("Equal size"), size);
    auto* sizeIndiv = sizeIndiv_ =
        new RadioButton("RadioButtonStartSizeIndiv", tr("Individual size"), size);
    sizeEqual->setChecked(true);
    sizeEqual->onClick = sizeIndiv->onClick = [this] { RadioButtonStartSizeEqualClick(); };
    auto* provinces = startSize_ = new SpinEdit("SpinEditStartingSize", 1, 5, 1, size);
    provinces->onChange = [this] { SpinEditStartingSizeChange(); };
    Name(MakeLabel("Label39", tr("Provinces:")), provinces);
    auto* doubled = doubleSize_ = new CheckBox("CheckBoxDoubleSize", tr("Double size"), size);
    doubled->onClick = [this] { CheckBoxDoubleSizeClick(); };
    doubled->hide();
    sizeGrid->addWidget(sizeEqual, 0, 0);
    sizeGrid->addWidget(Find("Label39"), 0, 1);
    sizeGrid->addWidget(provinces, 0, 2);
    sizeGrid->addWidget(sizeIndiv, 1, 0);
    sizeGrid->addWidget(doubled, 1, 1, 1, 2);
    sizeGrid->setColumnStretch(3, 1);
    return size;
}

void CountriesPage::ShowFantasy() {
    if (S().FantasyMode) {
        // Ticking the fantasy box clears the conquistador box and with it the setting: the
        // loaded value is kept aside and put back.
        const bool getConquistador = S().GetConquistador;
        fantasy_->SetChecked(true);
        conquistador_->setEnabled(true);
        conquistador_->SetChecked(getConquistador);
    } else {
        fantasy_->SetChecked(false);
        conquistador_->setEnabled(false);
        conquistador_->SetChecked(true);
        conquistador_->hide();
    }
}

void CountriesPage::SetMajorsMapEnabled(bool enabled) {
    majorsMap_->setEnabled(enabled);
}

void CountriesPage::ShowSpecifiedMajors() {
    majorsEdit_->SetText(FromCp1252(S().SpecifiedMajors));
}

void CountriesPage::ShowSettings() {
    // Nation count: its range is the nations loaded, then its position.
    {
        const QSignalBlocker quiet(nationCount_);
        nationCount_->setMaximum(std::max<int>(1, world_.NationCountLoaded()));
    }
    for (const SliderBinding& row : kNationSliders) Show(row);
    Show(kWorldIsExplored);

    Show(kMajors);
    Show(kMajorCount);
    ShowSpecifiedMajors();

    if (S().UseHistDiplMatrix)
        historicalRelations_->Select();
    else if (S().RandomRelations)
        randomRelations_->Select();
    else
        equalRelations_->Select();
    Find("TrackBarRelations")->setVisible(!S().UseHistDiplMatrix);
    Find("Label40")->setVisible(!S().UseHistDiplMatrix);
    Show(kRelations);

    startBar_->SetPosition(S().RandomStartLoc);
    SetEnabled(kStartBoxNames, startBar_->Position() > 0);
    RefreshStartLocHint(true);
    for (const CheckBinding& row : kStartBoxes) Show(row);

    // Start size: "Individual size" below 1, then the spin edit gets the size. Selecting
    // "Equal size" writes the field's old number, so the loaded size is kept aside.
    const int8_t size = S().StartingCountrySize;
    const bool individual = size < 1;
    (individual ? sizeIndiv_ : sizeEqual_)->Select();
    S().StartingCountrySize = size;
    startSize_->SetValue(size);
    SetShown({"SpinEditStartingSize", "Label39"}, !individual);
    SetShown({"CheckBoxDoubleSize"}, individual);
    doubleSize_->SetChecked(S().IndivSizeDoubled);
}

void CountriesPage::CheckBoxFantasyModeClick() {
    if (fantasy_->isChecked()) {
        S().FantasyMode = true;
        conquistador_->show();
        conquistador_->setEnabled(true);
        conquistador_->SetChecked(false);
    } else {
        S().FantasyMode = false;
        conquistador_->setEnabled(false);
        conquistador_->SetChecked(true);
    }
}

void CountriesPage::SetRelations(bool historical, bool random) {
    S().UseHistDiplMatrix = historical;
    S().RandomRelations = random;
    SetShown({"TrackBarRelations", "Label40"}, !historical);
}

void CountriesPage::RadioButtonHistRelationsClick() {
    SetRelations(true, false);
}
void CountriesPage::RadioButtonRandomRelationsClick() {
    SetRelations(false, true);
}
void CountriesPage::RadioButtonEqualRelationsClick() {
    SetRelations(false, false);
}

void CountriesPage::RadioButtonStartSizeEqualClick() {
    const bool equal = sizeEqual_->isChecked();
    S().StartingCountrySize = static_cast<int8_t>(equal ? startSize_->Value() : 0);
    SetShown({"SpinEditStartingSize", "Label39"}, equal);
    SetShown({"CheckBoxDoubleSize"}, !equal);
}

void CountriesPage::SpinEditStartingSizeChange() {
    // With "Individual size" selected the size stays 0, whatever the hidden field shows.
    if (!sizeEqual_->isChecked()) return;
    S().StartingCountrySize = static_cast<int8_t>(startSize_->Value());
}

void CountriesPage::CheckBoxDoubleSizeClick() {
    const bool was = S().IndivSizeDoubled;
    const bool now = doubleSize_->isChecked();
    S().IndivSizeDoubled = now;
    if (was == now) return;
    // Doubling and halving each keep a nation's size within 1..10.
    for (int n = 1; n <= world_.NationCountLoaded(); ++n) {
        int8_t& size = world_.Nations[n].Size;
        const int changed = now ? 2 * size : size / 2;
        size = static_cast<int8_t>(std::clamp(changed, kMinNationSize, kMaxNationSize));
    }
}

void CountriesPage::TrackBarRandomStartLocChange() {
    const int position = startBar_->Position();
    S().RandomStartLoc = static_cast<int8_t>(position);
    SetEnabled(kStartBoxNames, position >= 1);
    RefreshStartLocHint(false);
}

void CountriesPage::RefreshStartLocHint(bool shortText) {
    const int position = startBar_->Position();
    QString hint;
    if (position == kHistoricalStart) {
        hint = QStringLiteral("Starting provinces are historical");
    } else if (position == kRandomStart) {
        hint = QStringLiteral("Starting provinces are random");
    } else {
        // The average distance grows with the square of the position.
        hint = shortText ? QStringLiteral("Starting provinces are slightly randomized, distance = ")
                         : QStringLiteral(
                               "Starting provinces are slightly randomized, average distance "
                               "from orig. loc. = ");
        hint += QString::number(position * position / 2);
    }
    startBar_->setToolTip(hint);
}

void CountriesPage::EditMajorsChange() {
    world_.MajorNations.reset();
    S().SpecifiedMajors = ToCp1252(majorsEdit_->text());
}

}  // namespace tq3
