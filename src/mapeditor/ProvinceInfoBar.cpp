#include "mapeditor/ProvinceInfoBar.h"

#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "mapeditor/model/ProvinceInfo.h"
#include "widgets/Cp1252.h"

namespace tq3 {

namespace {
// The bar's least size, and the side of its collapse button.
constexpr QSize LeastSize{96, 147};
constexpr int ButtonSize = 22;

// Each value label with its object name and the longest usual text it shows, by which the
// bar is sized in the window's font.
struct InfoValue {
    InfoField field;
    const char* name;
    const char* sample;
};
constexpr InfoValue kValues[] = {{InfoField::Number, "Label22", "1620"},
                                 {InfoField::Coast, "Label7", "inland"},
                                 {InfoField::Name, "Label3", "Novgorod-Seversky"},
                                 {InfoField::Terrain, "Label4", "mountain"},
                                 {InfoField::Climate, "Label5", "8"},
                                 {InfoField::Goods, "Label6", "Tobbaco"},
                                 {InfoField::Religion, "Label9", "Confucian"},
                                 {InfoField::Manpower, "Label12", "99"},
                                 {InfoField::Income, "Label13", "99"},
                                 {InfoField::ColonDifficulty, "Label18", "99"},
                                 {InfoField::TradeNegotiation, "Label21", "99"},
                                 {InfoField::NativeTolerance, "Label20", "99"},
                                 {InfoField::NativePopulation, "Label19", "99"},
                                 {InfoField::Owner, "Label23", "TAG: Nation name"}};

QToolButton* BarButton(QWidget* parent, const char* name, const QString& text,
                       const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setGeometry(2, 2, ButtonSize, ButtonSize);
    return button;
}
}  // namespace

ProvinceInfoBar::ProvinceInfoBar(const MapDocument& document, QWidget* parent)
    : QFrame(parent), document_(document) {
    setObjectName("ControlBarProvInfo");
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    hide_ =
        BarButton(this, "SpeedButtonHideInfo", QString::fromUtf8("\u00bb"), "Hide province info");
    show_ =
        BarButton(this, "SpeedButtonShowInfo", QString::fromUtf8("\u00ab"), "Show province info");
    show_->hide();
    connect(hide_, &QToolButton::clicked, this, [this] { SetCollapsed(true); });
    connect(show_, &QToolButton::clicked, this, [this] { SetCollapsed(false); });
    auto* heading = new QLabel("Province info:", this);
    heading->move(ButtonSize + 4, 2);
    heading->setFixedHeight(ButtonSize);
    panel19_ = new QWidget(this);
    panel19_->setObjectName("Panel19");
    CreateValues(panel19_);
    // Sized to the longest usual values, then emptied.
    const QSize content = panel19_->sizeHint();
    Clear();
    const int width = std::max(
        {LeastSize.width(), content.width() + 4, heading->sizeHint().width() + ButtonSize + 8});
    panel19_->setGeometry(2, ButtonSize + 2, width - 4, content.height());
    expandedSize_ = QSize(width, std::max(LeastSize.height(), ButtonSize + 4 + content.height()));
    heading->setFixedWidth(width - ButtonSize - 8);
    resize(expandedSize_);
    connect(&document, &MapDocument::changed, this, [this] { Show(province_); });
}

// Number and coast; name; terrain and climate; goods; religion; the four values in two
// columns; the owner.
void ProvinceInfoBar::CreateValues(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 0, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    for (const InfoValue& row : kValues) {
        auto* label = new QLabel(QString::fromLatin1(row.sample), panel);
        label->setObjectName(row.name);
        values_[static_cast<std::size_t>(row.field)] = label;
    }
    auto caption = [panel](const char* text) { return new QLabel(text, panel); };
    grid->addWidget(Value(InfoField::Number), 0, 0, 1, 2);
    grid->addWidget(Value(InfoField::Coast), 0, 2, 1, 2);
    grid->addWidget(Value(InfoField::Name), 1, 0, 1, 4);
    grid->addWidget(Value(InfoField::Terrain), 2, 0, 1, 2);
    grid->addWidget(caption("Clim:"), 2, 2);
    grid->addWidget(Value(InfoField::Climate), 2, 3);
    grid->addWidget(Value(InfoField::Goods), 3, 0, 1, 4);
    grid->addWidget(Value(InfoField::Religion), 4, 0, 1, 4);
    const std::pair<const char*, InfoField> pairs[] = {
        {"Man:", InfoField::Manpower},        {"Inc:", InfoField::Income},
        {"Col:", InfoField::ColonDifficulty}, {"Trad:", InfoField::TradeNegotiation},
        {"Agr:", InfoField::NativeTolerance}, {"Nat:", InfoField::NativePopulation}};
    for (int i = 0; i < 6; ++i) {
        grid->addWidget(caption(pairs[i].first), 5 + i / 2, (i % 2) * 2);
        grid->addWidget(Value(pairs[i].second), 5 + i / 2, (i % 2) * 2 + 1);
    }
    grid->addWidget(Value(InfoField::Owner), 8, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
}

void ProvinceInfoBar::Show(int p) {
    const World& world = document_.Model();
    if (!world.IsValidProvince(p)) return;
    province_ = p;
    const ProvinceInfo info = ProvinceInfoOf(world, p);
    const std::pair<InfoField, const std::string*> labels[] = {
        {InfoField::Number, &info.number},
        {InfoField::Religion, &info.religion},
        {InfoField::Name, &info.name},
        {InfoField::Coast, &info.coast},
        {InfoField::Climate, &info.climate},
        {InfoField::Goods, &info.goods},
        {InfoField::Manpower, &info.manpower},
        {InfoField::Income, &info.income},
        {InfoField::ColonDifficulty, &info.colonDifficulty},
        {InfoField::TradeNegotiation, &info.tradeNegotiation},
        {InfoField::NativeTolerance, &info.nativeTolerance},
        {InfoField::NativePopulation, &info.nativePopulation},
        {InfoField::Owner, &info.owner}};
    for (const auto& [field, text] : labels) Value(field)->setText(FromCp1252(*text));
    // The terrain word stays as it was for a code that has none.
    if (!info.terrain.empty()) Value(InfoField::Terrain)->setText(FromCp1252(info.terrain));
}

void ProvinceInfoBar::Clear() {
    for (QLabel* label : values_) label->clear();
}

void ProvinceInfoBar::SetCollapsed(bool collapsed) {
    collapsed_ = collapsed;
    panel19_->setVisible(!collapsed);
    hide_->setVisible(!collapsed);
    show_->setVisible(collapsed);
    if (onCollapse) onCollapse();
}

}  // namespace tq3
