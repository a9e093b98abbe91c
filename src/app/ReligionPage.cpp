#include "app/ReligionPage.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace tq3 {

namespace {
using S = TGeneratorSettings;

// ReligProb element 0 is pagan, the remainder; elements 1..9 have sliders.
constexpr int kPaganElement = 0;
constexpr int kFirstReligion = 1;
constexpr int kLastReligion = 9;

const CheckBinding kBoxes[] = {
    {"CheckBoxRandomReligProvince",
     "Random religion in provinces",
     true,
     Setting(&S::IsRandomReligProv),
     {"TrackBarReligDispersity", "Label19", "Label31", "PanelRelig"}},
    {"CheckBoxUseProtestant",
     "Use advanced religions",
     false,
     Setting(&S::AdvancedReligStart),
     {"CheckBoxEdictOfTolerance"},
     {"CheckBoxReligEvents"}},
    {"CheckBoxEdictOfTolerance", "Edict of Tolerance", false, Setting(&S::EdictOfTolerance)},
    {"CheckBoxAIChangesReligion",
     "AI can change religion",
     false,
     Setting(&S::AIChangesReligion),
     {},
     {},
     Initially::Hidden},
    {"CheckBoxHREElectors", "All countries are HRE electors", false, Setting(&S::AllElectors)},
    {"CheckBoxNoCulture", "All countries and provinces get same culture", false,
     Setting(&S::NoCulture)},
    {"CheckBoxReligEvents", "Enable religious events", false, Setting(&S::ReligiousEvents)},
};
const CheckBinding kRandomNation{"CheckBoxRandomReligNation",
                                 "Random starting national religion",
                                 false,
                                 Setting(&S::IsRandomReligNation),
                                 {},
                                 {},
                                 Initially::Hidden};
const SliderBinding kDispersity{"TrackBarReligDispersity",
                                1,
                                20,
                                10,
                                Setting(&S::ReligDispersity),
                                "Label19",
                                "&Dispersity",
                                "Right: adjacent provinces have more probably the same religion: "};

// The religion sliders, for ReligProb elements 1..9 in order.
const SliderBinding kReligions[] = {
    {"TrackBarCatholic", 0, 200, 105, SettingElement(&S::ReligProb, 1), "LabelCatholic", "Catholic",
     "How many provinces is to be catholic: "},
    {"TrackBarProtestant", 0, 200, 56, SettingElement(&S::ReligProb, 2), "LabelProtestant",
     "Protestant",
     "How many provinces is to be protestant (only if advanced religion on start is enabled): "},
    {"TrackBarReformed", 0, 200, 22, SettingElement(&S::ReligProb, 3), "LabelReformed", "Reformed",
     "How many provinces is to be reformed (only if advanced religion on start is enabled): "},
    {"TrackBarOrthodox", 0, 200, 59, SettingElement(&S::ReligProb, 4), "LabelOrthodox", "Orthodox",
     "How many provinces is to be orthodox: "},
    {"TrackBarSunni", 0, 200, 99, SettingElement(&S::ReligProb, 5), "LabelSunni", "Sunni",
     "How many provinces is to be sunni: "},
    {"TrackBarShiite", 0, 200, 23, SettingElement(&S::ReligProb, 6), "LabelShiite", "Shiite",
     "How many provinces is to be shiite: "},
    {"TrackBarBudhist", 0, 200, 105, SettingElement(&S::ReligProb, 7), "LabelBudhist", "Budhist",
     "How many provinces is to be budhist: "},
    {"TrackBarHinduist", 0, 200, 105, SettingElement(&S::ReligProb, 8), "LabelHinduist", "Hinduist",
     "How many provinces is to be hinduist: "},
    {"TrackBarConfucian", 0, 200, 105, SettingElement(&S::ReligProb, 9), "LabelConfucian",
     "Confucian", "How many provinces is to be confucian: "},
};
const SliderBinding kPagan{"TrackBarPagan",
                           0,
                           824,
                           466,
                           SettingElement(&S::ReligProb, 0),
                           "LabelPagan",
                           "Pagan",
                           "Provinces left pagan: the land provinces the other religions do not "
                           "take, plus one (set by the sliders above): "};
}  // namespace

ReligionPage::ReligionPage(World& world, QWidget* parent)
    : SettingsPage("TabSheetReligion", world, parent) {
    QGroupBox* religion = MakeGroup("GroupBoxReligion", tr("Religion and culture"));
    auto* grid = new QGridLayout(religion);
    grid->addWidget(Make(kBoxes[0]), 0, 0, 1, 3);
    TrackBar* dispersity = Make(kDispersity);
    QLabel* note = MakeLabel("Label31", tr("random - areas"));
    AddRow(grid, Find("Label19"), dispersity, note);
    for (const char* hidden : {"TrackBarReligDispersity", "Label19", "Label31"})
        Find(hidden)->hide();
    auto* nation = Make(kRandomNation);
    nation->onClick = [this] { CheckBoxRandomReligNationClick(); };
    grid->addWidget(nation, grid->rowCount(), 0, 1, 3);
    for (std::size_t i = 1; i < std::size(kBoxes); ++i)
        grid->addWidget(Make(kBoxes[i]), grid->rowCount(), 0, 1, 3);
    grid->setColumnStretch(1, 1);

    // How many provinces each religion gets; pagan shows the remainder.
    QGroupBox* panel = MakeGroup("PanelRelig", tr("Provinces by religion"));
    auto* sliders = new QGridLayout(panel);
    for (int element = kFirstReligion; element <= kLastReligion; ++element) {
        const SliderBinding& row = kReligions[element - kFirstReligion];
        TrackBar* bar = Make(row);
        bar->onChange = [this, element] { TrackBarReligionChange(element); };
        AddRow(sliders, Find(row.label), bar);
    }
    pagan_ = Make(kPagan);
    pagan_->onChange = nullptr;
    pagan_->setEnabled(false);
    AddRow(sliders, Find("LabelPagan"), pagan_);
    sliders->setColumnStretch(1, 1);

    PlaceInColumns({religion}, {panel});
}

void ReligionPage::ShowSettings() {
    Show(kBoxes[0]);
    Show(kRandomNation);
    Show(kDispersity);
    for (std::size_t i = 1; i < std::size(kBoxes); ++i) Show(kBoxes[i]);
    // The sliders take the loaded values as they are, without the pagan rule.
    for (const SliderBinding& row : kReligions) Show(row);
    pagan_->SetPosition(S().ReligProb[kPaganElement]);
    RefreshHint(kPagan);
}

void ReligionPage::TrackBarReligionChange(int element) {
    auto& prob = S().ReligProb;
    auto* bar = Find<TrackBar>(kReligions[element - kFirstReligion].name);
    const auto sumOthers = [&] {
        int sum = 0;
        for (int r = kFirstReligion; r <= kLastReligion; ++r)
            if (r != element) sum += prob[r];
        return sum;
    };
    // The slider's own value; pagan gets what the nine leave of the land provinces, plus 1.
    prob[element] = static_cast<int16_t>(bar->Position());
    pagan_->SetPosition(world_.LandProvinceCount - (sumOthers() + prob[element]) + 1);
    prob[kPaganElement] = static_cast<int16_t>(pagan_->Position());
    // No room left: this slider takes only what the other eight leave.
    if (prob[kPaganElement] <= 0) {
        prob[kPaganElement] = 0;
        bar->SetPosition(world_.LandProvinceCount - sumOthers() + 1);
        prob[element] = static_cast<int16_t>(bar->Position());
    }
    RefreshHint(kReligions[element - kFirstReligion]);
    RefreshHint(kPagan);
}

void ReligionPage::CheckBoxRandomReligNationClick() {
    CheckBoxClick(kRandomNation);
    if (S().IsRandomReligNation) Find<CheckBox>("CheckBoxAIChangesReligion")->SetChecked(false);
}

}  // namespace tq3
