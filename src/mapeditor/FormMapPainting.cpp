// Painting provinces in the map window: the tools, the selection rectangle, the paint on
// release and the redraw of painted provinces.
#include <QButtonGroup>
#include <QLineEdit>
#include <QToolButton>

#include "mapeditor/FormMap.h"
#include "mapeditor/LegendBar.h"
#include "mapeditor/MapView.h"
#include "widgets/Cp1252.h"

namespace tq3 {

namespace {
MapLayer MapLayerOf(PaintLayer layer) {
    switch (layer) {
        case PaintLayer::Terrain:
            return MapLayer::Terrain;
        case PaintLayer::Climate:
            return MapLayer::Climate;
        case PaintLayer::Goods:
            return MapLayer::Goods;
        case PaintLayer::Religion:
            return MapLayer::Religion;
    }
    return MapLayer::Terrain;
}

}  // namespace

void TFormMap::SetToolCode(int code, Qt::CursorShape cursor) {
    toolCode_ = code;
    imageMap_->setCursor(cursor);
}

void TFormMap::PressPickButton(int row) {
    QAbstractButton* button = pickGroup_->button(row);
    if (button) button->setChecked(true);
}

// View only: no pick, no paint; every legend panel raised. The rectangle stays.
void TFormMap::SpeedButtonClearCursorClick() {
    PressPickButton(0);
    SetToolCode(tool::ViewOnly, Qt::ArrowCursor);
    for (LegendBar* bar : legendBars_) bar->RaiseAll();
}

// A legend panel: paints the visible rectangle's land provinces with the value, then
// makes the value the tool.
void TFormMap::SelectTool(PaintLayer layer, int value) {
    const PaintTool tool{layer, value};
    legendBars_[static_cast<std::size_t>(MapLayerOf(layer))]->PressOnly(value);
    if (selection_.visible) document_->PaintSelection(selection_, tool);
    SetToolCode(ToolCodeOf(tool), Qt::CrossCursor);
}

// Press: the rectangle starts, hidden, at the press point.
void TFormMap::ImageMapMouseDown(Qt::MouseButton, QPoint pixel) {
    mouseHeld_ = true;
    selection_ = SelectionRect::PressedAt(pixel.x(), pixel.y());
    imageMap_->SetSelection(selection_);
}

// Drag: in preview mode the rectangle grows right and down. The status bar names the
// province under the mouse in both modes.
void TFormMap::ImageMapMouseMove(QPoint pixel) {
    ShowHoverProvince(pixel);
    if (!previewMode_ || !mouseHeld_) return;
    selection_.DragTo(pixel.x(), pixel.y());
    imageMap_->SetSelection(selection_);
}

// Release: the right button recentres; the others pick a province, run the capital pick
// or paint it, and show it in the info bar.
void TFormMap::ImageMapMouseUp(Qt::MouseButton button, QPoint pixel) {
    mouseHeld_ = false;
    if (button == Qt::RightButton) {
        const QSize view = ViewSizeInPixels();
        ScrollMapTo({pixel.x() - view.width() / 2, pixel.y() - view.height() / 2});
        return;
    }
    int p = ProvinceAtPixel(world_, pixel.x(), pixel.y());
    if (IsCapitalPick(toolCode_)) {
        const int row = toolCode_;
        // A province is the capital of one row only; clicking it again does nothing.
        if (IsRowCapital(rows_, p)) p = 0;
        if (p != 0) {
            rows_[row - 1].capital = p;
            const PixelRect circle = CapitalCircle(world_.Provinces[p]);
            imageMap_->SetCircle(row, QRect(circle.left, circle.top, circle.width, circle.height));
            ShowCapitalName(rowControls_[row].edit, FromCp1252(world_.Provinces[p].Name));
        }
    }
    if (const auto tool = PaintToolOf(toolCode_); p != 0 && tool) document_->Paint(p, *tool);
    ShowProvinceInfo(p);
}

}  // namespace tq3
