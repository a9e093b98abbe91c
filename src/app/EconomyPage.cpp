#include "app/EconomyPage.h"

#include <QGridLayout>

namespace tq3 {

namespace {
using S = TGeneratorSettings;

// Element 5 of GoodsProb is gold.
constexpr int kGoldElement = 5;

// The gold hint shows the position divided by 1.05, truncated (10 shows 9).
QString GoldMinesHint(int position) {
    return QString::number(position * 20 / 21);
}

const CheckBinding kGoodsBoxes[] = {
    {"CheckBoxRandomGoods",
     "Random Goods",
     false,
     Setting(&S::IsRandomGoods),
     {"CheckBoxContinentSpecifs", "CheckBoxGoodsTerrainDependency", "Label32", "Label33",
      "TrackBarGoldMines"}},
    {"CheckBoxContinentSpecifs", "Continent specifics", false, Setting(&S::IsContinentSpecifs)},
    {"CheckBoxGoodsTerrainDependency", "Terrain / Climate dependency", false,
     Setting(&S::IsGoodsTerrainDependency)},
};
const SliderBinding kGoldMines{"TrackBarGoldMines",
                               0,
                               120,
                               10,
                               SettingElement(&S::GoodsProb, kGoldElement),
                               "Label32",
                               "&Gold Mines",
                               "How many provinces will get gold mine: ",
                               &GoldMinesHint};

const CheckBinding kCoTBoxes[] = {
    {"CheckBoxRandomCoTs",
     "Random CoTs",
     false,
     Setting(&S::IsRandomCots),
     {"Label9", "SpinEditCoTCount", "CheckBoxFCoTMajor", "CheckBoxFCoTTrade"},
     {},
     Initially::Disabled},
    {"CheckBoxFCoTMajor", "Force CoT to major nation", false, Setting(&S::ForceCoTtoMajor)},
    {"CheckBoxFCoTTrade", "Force CoT to 'trade' nation", false, Setting(&S::ForceCoTtoTrade)},
};
const SpinBinding kCoTCount{"SpinEditCoTCount",    8,        30,           15,
                            Setting(&S::CoTCount), "Label9", "CoTs &Count"};

const SliderBinding kTaxSliders[] = {
    {"TrackBarTaxValue", 1, 5, 3, Setting(&S::TaxValue), "LabelTaxValue", "Ta&x. value",
     "Tax value of the provinces, from 1 (low) to 5 (high): "},
    {"TrackBarStabilityImpact", 1, 5, 2, Setting(&S::TaxStabilImpact), "LabelStabilityImpact",
     "Stability &impact", "How much the taxes weigh on stability, from 1 (little) to 5 (much): "},
};
const SliderBinding kGoodsValue{"TrackBarGoodsValue",
                                1,
                                5,
                                3,
                                Setting(&S::GoodsValueModifier),
                                nullptr,
                                "Goods prices",
                                "Prices of the trade goods, from 1 (low) to 5 (high): "};
const CheckBinding kRandomizePrices{"CheckBoxRandomizeGoodsValues", "Randomize prices", false,
                                    Setting(&S::RandomizeGoodsValues)};
}  // namespace

EconomyPage::EconomyPage(World& world, QWidget* parent)
    : SettingsPage("TabSheetTrade", world, parent) {
    // Trade goods: the random box shows the other two boxes and the gold slider.
    goods_ = MakeGroup("GroupBoxGoods", tr("Trade Goods"));
    auto* goodsGrid = new QGridLayout(goods_);
    for (const CheckBinding& row : kGoodsBoxes)
        goodsGrid->addWidget(Make(row), goodsGrid->rowCount(), 0, 1, 3);
    TrackBar* gold = Make(kGoldMines);
    QLabel* goldNote = MakeLabel("Label33", tr("few - many"));
    AddRow(goodsGrid, Find<QLabel>("Label32"), gold, goldNote);
    goodsGrid->setRowStretch(goodsGrid->rowCount(), 1);
    goodsGrid->setColumnStretch(1, 1);

    // Centres of trade: the random box shows the count and the two force boxes.
    cots_ = MakeGroup("GroupBoxCoT", tr("Centers of Trade"));
    auto* cotGrid = new QGridLayout(cots_);
    cotGrid->addWidget(Make(kCoTBoxes[0]), 0, 0, 1, 2);
    SpinEdit* count = Make(kCoTCount);
    AddRow(cotGrid, Find<QLabel>("Label9"), count);
    cotGrid->addWidget(Make(kCoTBoxes[1]), cotGrid->rowCount(), 0, 1, 2);
    cotGrid->addWidget(Make(kCoTBoxes[2]), cotGrid->rowCount(), 0, 1, 2);
    cotGrid->setRowStretch(cotGrid->rowCount(), 1);
    cotGrid->setColumnStretch(2, 1);

    taxes_ = MakeGroup("GroupBoxTaxation", tr("Province Taxes"));
    auto* taxGrid = new QGridLayout(taxes_);
    for (const SliderBinding& row : kTaxSliders) {
        TrackBar* bar = Make(row);
        AddRow(taxGrid, Find<QLabel>(row.label), bar);
    }
    taxGrid->setColumnStretch(1, 1);

    prices_ = MakeGroup("GroupBoxGoodsValues", tr("Goods Prices"));
    auto* priceGrid = new QGridLayout(prices_);
    QLabel* low = MakeLabel("LabelGoodsValueLow", tr("low"));
    QLabel* high = MakeLabel("LabelGoodsValueHigh", tr("high"));
    priceGrid->addWidget(low, 0, 0);
    priceGrid->addWidget(Make(kGoodsValue), 0, 1);
    priceGrid->addWidget(high, 0, 2);
    priceGrid->addWidget(Make(kRandomizePrices), 1, 0, 1, 3);
    priceGrid->setColumnStretch(1, 1);

    auto* grid = new QGridLayout(Content());
    grid->addWidget(goods_, 0, 0);
    grid->addWidget(cots_, 0, 1);
    grid->addWidget(taxes_, 1, 0);
    grid->addWidget(prices_, 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);
}

void EconomyPage::ShowGroups(bool cot, bool goods, bool pricesAndTaxes) {
    cots_->setVisible(cot);
    goods_->setVisible(goods);
    prices_->setVisible(pricesAndTaxes);
    taxes_->setVisible(pricesAndTaxes);
}

void EconomyPage::ShowSettings() {
    for (const CheckBinding& row : kGoodsBoxes) Show(row);
    Show(kGoldMines);
    for (const CheckBinding& row : kCoTBoxes) Show(row);
    Show(kCoTCount);
    for (const SliderBinding& row : kTaxSliders) Show(row);
    Show(kGoodsValue);
    Show(kRandomizePrices);
}

}  // namespace tq3
