#include "mapeditor/LegendBar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>

#include "mapeditor/MapView.h"
#include "mapeditor/model/LegendText.h"
#include "mapeditor/model/MajorsSelection.h"
#include "mapeditor/model/ProvinceInfo.h"
#include "render/MapRenderer.h"
#include "widgets/Cp1252.h"

namespace tq3 {

namespace {
constexpr int LegendRows = 2;
constexpr int PanelHeight = 20;

// The captions of each bar's values, in value order from FirstCode.
std::vector<const char*> CaptionsOf(MapLayer layer) {
    switch (layer) {
        case MapLayer::Terrain:
            return {"Plains", "Forest", "Mountain", "Desert", "Marsh"};
        case MapLayer::Climate:
            return {"Tundra", "Tropical (Dry)", "Calm (Dry)",  "Calm (Wet)", "Tropical (Wet)",
                    "Calm",   "Tropical (Hot)", "Calm (Cold)", "Patagonia"};
        case MapLayer::Religion:
            return {"Pagan", "Catholic", "Protestant", "Reformed", "Orthodox",
                    "Sunni", "Shiite",   "Budhist",    "Hinduist", "Confucian"};
        case MapLayer::Goods:
            return {"Clothes", "Coffee", "Cotton",  "Fish",    "Furs",   "Gold", "Grain",
                    "Ivory",   "Iron",   "Mineral", "Navs",    "Orient", "Salt", "Slaves",
                    "Spices",  "Sugar",  "Tea",     "Tobbaco", "Wine",   "Wool"};
        case MapLayer::Political:
            break;
    }
    return {};
}
}  // namespace

LegendPanel::LegendPanel(MapLayer layer, int value, const QString& caption, QWidget* parent)
    : QFrame(parent), value_(value) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(1);
    setFixedHeight(PanelHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(3, 1, 3, 1);
    row->setSpacing(3);
    auto* swatch = new QLabel(this);
    const PixelBuffer square = LegendSwatch(layer, value);
    swatch->setPixmap(QPixmap::fromImage(WrapPicture(square).copy()));
    swatch->setFixedSize(square.width, square.height);
    auto* text = new QLabel(caption, this);
    // Goods captions stand to the right.
    const bool goods = layer == MapLayer::Goods;
    if (goods) row->addStretch();
    row->addWidget(swatch);
    row->addWidget(text);
    if (!goods) row->addStretch();
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    swatch->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LegendPanel::SetPressed(bool pressed) {
    setFrameShadow(pressed ? QFrame::Sunken : QFrame::Raised);
    // The chosen value also stands out by a darker ground.
    setBackgroundRole(pressed ? QPalette::Midlight : QPalette::Window);
    setAutoFillBackground(pressed);
}

void LegendPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onClick) onClick(value_);
}

LegendBar::LegendBar(MapLayer layer, QWidget* parent) : QFrame(parent), layer_(layer) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setSpacing(1);
    const auto captions = CaptionsOf(layer);
    const int columns = (static_cast<int>(captions.size()) + LegendRows - 1) / LegendRows;
    for (int i = 0; i < static_cast<int>(captions.size()); ++i) {
        auto* panel = new LegendPanel(layer, FirstCode(layer) + i, captions[i], this);
        panel->onClick = [this](int value) {
            if (onSelect) onSelect(value);
        };
        grid->addWidget(panel, i / columns, i % columns);
        panels_.push_back(panel);
    }
}

LegendPanel* LegendBar::PanelOf(int value) const {
    for (LegendPanel* panel : panels_)
        if (panel->Value() == value) return panel;
    return nullptr;
}

void LegendBar::PressOnly(int value) {
    for (LegendPanel* panel : panels_) panel->SetPressed(panel->Value() == value);
}

NationsLegend::NationsLegend(const MapDocument& document, QWidget* parent)
    : QScrollArea(parent), document_(document) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    panelNations_ = new QWidget;
    panelNations_->setObjectName("PanelNations");
    panelNations_->setFixedHeight(legend::Rows * legend::RowHeight);
    panelNations_->installEventFilter(this);
    // The 208 legend panels belong to the window from the start; Build places them.
    nationPanels_.push_back(nullptr);
    for (int n = 1; n <= MaxNations; ++n) {
        auto* label = new QLabel(panelNations_);
        label->setObjectName(QString("NationPanel%1").arg(n));
        label->setAutoFillBackground(true);
        label->setEnabled(false);  // clicks fall through to PanelNations
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->hide();
        nationPanels_.push_back(label);
    }
    setWidget(panelNations_);
    connect(&document, &MapDocument::changed, this, [this](const MapChange& change) {
        if (built_ && change.nations) Build();
    });
}

namespace {
// Room at each end of a nation's cell that its text leaves free.
constexpr int CellPadding = 3;
}  // namespace

// Each nation's cell is filled with its colour, its text black or white, whichever reads better
// on it; a name too long for the cell ends in an ellipsis and is whole in the cell's hint.
void NationsLegend::Build() {
    const World& world = document_.Model();
    built_ = true;
    panelNations_->setFixedWidth(NationLegendWidth(world));
    for (int n = 1; n <= MaxNations; ++n) {
        QLabel* label = nationPanels_[n];
        if (n > world.NationCountLoaded()) {
            label->hide();
            continue;
        }
        const LegendSlot slot = NationLegendSlot(n);
        label->setGeometry(slot.left, slot.top, legend::PanelWidth, legend::RowHeight);
        const QString caption = "  " + FromCp1252(NationCaption(world, n));
        label->setText(label->fontMetrics().elidedText(caption, Qt::ElideRight,
                                                       legend::PanelWidth - CellPadding));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        const Argb cell = NationColour(world, n).value_or(Black);
        QPalette palette = label->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            palette.setColor(group, QPalette::WindowText, QColor::fromRgb(TextColourOn(cell)));
            palette.setColor(group, QPalette::Window, QColor::fromRgb(cell));
        }
        label->setPalette(palette);
        label->show();
    }
}

bool NationsLegend::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panelNations_ && event->type() == QEvent::MouseButtonPress && onClick) {
        onClick(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    }
    // The cells let the mouse through: the legend names the nation under it.
    if (watched == panelNations_ && event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const World& world = document_.Model();
        const int n = NationAtLegendPoint(world, help->pos().x(), help->pos().y());
        if (n > 0)
            QToolTip::showText(help->globalPos(), FromCp1252(NationCaption(world, n)),
                               panelNations_);
        else
            QToolTip::hideText();
        return true;
    }
    return QScrollArea::eventFilter(watched, event);
}

}  // namespace tq3
