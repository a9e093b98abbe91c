// The map window's show set-up, layers, navigation, floating bars, zoom and export.
#include "mapeditor/FormMap.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <exception>

#include "mapeditor/LayerPictures.h"
#include "mapeditor/LegendBar.h"
#include "mapeditor/MapView.h"
#include "mapeditor/ProvinceInfoBar.h"
#include "mapeditor/model/ClearArea.h"
#include "mapeditor/model/ProvinceInfo.h"
#include "render/PngFile.h"
#include "widgets/Cp1252.h"
#include "widgets/FileChooser.h"
#include "widgets/WindowPlacement.h"

namespace tq3 {

namespace {
// Where the show set-up scrolls the map to.
constexpr ScrollPosition FirstScroll{1000, 50};
// Where the floating bars sit, shown and collapsed.
constexpr QPoint ToolbarShown{8, 8};
// Hidden, the bar leaves its show button in view: it sits at this x.
constexpr QPoint ToolbarHidden{1, 2};
constexpr int InfoBarTop = 8, InfoBarCollapsedTop = 2;
constexpr int InfoBarRightMargin = 8;
constexpr int InfoBarCollapsedRightGap = 34, InfoBarCollapsedSide = 26;
constexpr int MiniMapLeft = 9, MiniMapHiddenLeft = -143;
constexpr int MiniMapBottomGap = 93, MiniMapHeight = 83;
constexpr int MiniMapCollapsedBottomGap = 28, MiniMapCollapsedHeight = 26;
// The selection box a legend click puts around a capital.
constexpr int CapitalBoxHalf = 12;
// How long the status bar says what an export wrote, in milliseconds.
constexpr int ExportMessageTime = 15000;
// The room kept between a fitted map and the view's edges or a floating bar.
constexpr int FitGap = 4;
constexpr std::array<double, 9> ZoomSteps = {0.25, 0.33, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0};
}  // namespace

void TFormMap::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Sized to the screen it opens on at the first show.
    if (!placed_) {
        placed_ = true;
        FitToScreen(this, QSize(FormWidth, FormHeight));
    }
    if (!event->spontaneous()) FormShow();
}

void TFormMap::keyPressEvent(QKeyEvent* event) {
    if (previewMode_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormMap::reject() {
    if (previewMode_)
        done(AbortResult);
    else
        QDialog::reject();
}

// Show set-up: lists at first show, major rows, view-only tool, the mode's buttons, the
// layer whose button is down, the first scroll position.
void TFormMap::FormShow() {
    imageMap_->hide();
    try {
        if (!listsBuilt_) {
            nationList_ = BuildNationList(world_);
            for (int row = 1; row <= MajorRowCount; ++row) {
                QComboBox* combo = rowControls_[row].combo;
                combo->clear();
                for (const NationEntry& entry : nationList_) combo->addItem(FromCp1252(entry.text));
            }
            pictures_->DrawLines();
            nationsLegend_->Build();
            listsBuilt_ = true;
        }
        if (loadMajorsOnShow_) {
            rows_ = RowsFromSpecifiedMajors(world_);
            loadMajorsOnShow_ = false;
        }
        ShowRows();
        infoBar_->Clear();
        SpeedButtonClearCursorClick();

        bitBtnClose_->setVisible(previewMode_);
        bitBtnAbort_->setVisible(previewMode_);
        menuBar_->setVisible(previewMode_ && rerollMenu_);
        if (rerollButton_) rerollButton_->setVisible(previewMode_);
        bitBtnOk_->setVisible(!previewMode_);
        bitBtnCancel_->setVisible(!previewMode_);
        panel1_->setEnabled(!previewMode_);
        for (LegendBar* bar : legendBars_) bar->setEnabled(previewMode_);
        setWindowTitle(previewMode_ ? "Map Editor / Scenario Preview" : "Select Majors");

        MapLayer shown = MapLayer::Terrain;
        for (std::size_t i = 0; i < AllLayers.size(); ++i)
            if (layerButtons_[i]->isChecked()) shown = AllLayers[i];
        pictures_->ShowLayer(shown);
        ShowLegendOf(shown);
        ScrollMapTo(FirstScroll);
    } catch (const std::exception& failure) {
        // The window's own message, and below it what failed.
        dialogs_.Error(std::string("Error occured in FormShow") + "\n" + failure.what());
    } catch (...) {
        dialogs_.Error("Error occured in FormShow\nan unknown failure");
    }
    imageMap_->show();
}

void TFormMap::ShowLayer(MapLayer layer) {
    SpeedButtonClearCursorClick();
    layerButtons_[static_cast<std::size_t>(layer)]->setChecked(true);
    pictures_->ShowLayer(layer);
    ShowLegendOf(layer);
}

const PixelBuffer& TFormMap::MapPicture() const {
    return pictures_->Map();
}

// The bottom strip shows the legend of the layer drawn: a value bar, or the nations.
void TFormMap::ShowLegendOf(MapLayer layer) {
    for (LegendBar* bar : legendBars_) bar->setVisible(bar->Layer() == layer);
    nationsLegend_->setVisible(layer == MapLayer::Political);
}

ScrollPosition TFormMap::MapScroll() const {
    const double zoom = imageMap_->Zoom();
    return {static_cast<int>(scrollBoxMap_->horizontalScrollBar()->value() / zoom),
            static_cast<int>(scrollBoxMap_->verticalScrollBar()->value() / zoom)};
}

QSize TFormMap::ViewSizeInPixels() const {
    const QSize view = scrollBoxMap_->viewport()->size();
    const double zoom = imageMap_->Zoom();
    return {static_cast<int>(view.width() / zoom), static_cast<int>(view.height() / zoom)};
}

// The scroll box limits the position to its range; the minimap frame follows what is reached.
void TFormMap::ScrollMapTo(ScrollPosition position) {
    const double zoom = imageMap_->Zoom();
    scrollBoxMap_->horizontalScrollBar()->setValue(
        static_cast<int>(std::lround(position.x * zoom)));
    scrollBoxMap_->verticalScrollBar()->setValue(static_cast<int>(std::lround(position.y * zoom)));
    PlaceMinimapFrame();
}

void TFormMap::PlaceMinimapFrame() {
    const PixelPoint corner = MinimapFrameAt(MapScroll());
    const double zoom = imageMap_->Zoom();
    // Zoomed out, the frame would reach past the minimap: it stops at the minimap's edges.
    const QRect frame(corner.x, corner.y, static_cast<int>(std::lround(MinimapFrameWidth / zoom)),
                      static_cast<int>(std::lround(MinimapFrameHeight / zoom)));
    imageMinimap_->SetFrame(frame.intersected(QRect(0, 0, MinimapWidth, MinimapHeight)));
}

void TFormMap::ImageMinimapMouseDown(QPoint point) {
    const QSize view = ViewSizeInPixels();
    ScrollMapTo(ScrollForMinimapPoint(point.x(), point.y(), view.width(), view.height()));
}

// A legend click centres the map on the nation's capital, boxes it and shows its info.
void TFormMap::PanelNationsMouseDown(QPoint point) {
    const int n = NationAtLegendPoint(world_, point.x(), point.y());
    if (n == 0) return;
    CentreOnProvince(world_.Nations[n].Capital());
}

void TFormMap::CentreOnProvince(int c) {
    if (!world_.IsValidProvince(c)) return;
    const PixelPoint centre = MapCentre(world_.Provinces[c]);
    const QSize view = ViewSizeInPixels();
    ScrollMapTo(ScrollToCentre(centre, view.width(), view.height()));
    selection_ = SelectionRect{centre.x - CapitalBoxHalf, centre.y - CapitalBoxHalf,
                               2 * CapitalBoxHalf, 2 * CapitalBoxHalf, true};
    imageMap_->SetSelection(selection_);
    ShowProvinceInfo(c);
}

// The info bar; nothing for province 0.
void TFormMap::ShowProvinceInfo(int p) {
    infoBar_->Show(p);
}

void TFormMap::ShowHoverProvince(QPoint pixel) {
    const int p = ProvinceAtPixel(world_, pixel.x(), pixel.y());
    if (p == 0) {
        statusProvince_->clear();
        return;
    }
    const TProvince& prov = world_.Provinces[p];
    statusProvince_->setText(QString("Province %1: %2").arg(p).arg(FromCp1252(prov.Name)));
}

void TFormMap::SpeedButtonHideClick() {
    controlBarMap_->move(ToolbarHidden.x() - speedButtonShow_->x(), ToolbarHidden.y());
    speedButtonHide_->hide();
    speedButtonShow_->show();
}

void TFormMap::SpeedButtonShowClick() {
    controlBarMap_->move(ToolbarShown);
    speedButtonShow_->hide();
    speedButtonHide_->show();
}

void TFormMap::SetMiniMapCollapsed(bool collapsed) {
    miniMapCollapsed_ = collapsed;
    speedButtonHideMiniMap_->setVisible(!collapsed);
    speedButtonShowMiniMap_->setVisible(collapsed);
    PlaceFloatingBars();
}

QRect TFormMap::MapArea() const {
    const QWidget* view = scrollBoxMap_->viewport();
    return QRect(view->mapTo(panel3_, QPoint(0, 0)), view->size());
}

// The info bar keeps to the right edge of the part of the map in view, the minimap bar to its
// bottom; collapsed, each shrinks to its show button, so neither covers a scroll bar.
void TFormMap::PlaceFloatingBars() {
    const QRect area = MapArea();
    if (infoBar_->Collapsed()) {
        infoBar_->setGeometry(area.right() + 1 - InfoBarCollapsedRightGap, InfoBarCollapsedTop,
                              InfoBarCollapsedSide, InfoBarCollapsedSide);
    } else {
        const QSize size = infoBar_->ExpandedSize();
        infoBar_->setGeometry(area.right() + 1 - InfoBarRightMargin - size.width(), InfoBarTop,
                              size.width(), size.height());
    }
    if (miniMapCollapsed_)
        controlBarMiniMap_->setGeometry(MiniMapHiddenLeft,
                                        area.bottom() + 1 - MiniMapCollapsedBottomGap,
                                        controlBarMiniMap_->width(), MiniMapCollapsedHeight);
    else
        controlBarMiniMap_->setGeometry(MiniMapLeft, area.bottom() + 1 - MiniMapBottomGap,
                                        controlBarMiniMap_->width(), MiniMapHeight);
    for (QWidget* bar : {controlBarMap_, static_cast<QWidget*>(infoBar_), controlBarMiniMap_})
        bar->raise();
}

void TFormMap::FormResize() {
    scrollBoxMap_->setGeometry(panel3_->rect());
    PlaceFloatingBars();
    // A fitted map stays fitted to the room the window now leaves it.
    if (fitted_ && fitting_) refit_ = true;
    if (fitted_ && !fitting_) ZoomToFit();
    PlaceMinimapFrame();
}

bool TFormMap::eventFilter(QObject* watched, QEvent* event) {
    // The map area resizes with the window, and its view when a scroll bar comes or goes.
    if ((watched == panel3_ || watched == scrollBoxMap_->viewport()) &&
        event->type() == QEvent::Resize) {
        FormResize();
        return false;
    }
    for (int row = 1; row <= MajorRowCount; ++row) {
        if (watched != rowControls_[row].combo) continue;
        if (event->type() == QEvent::FocusIn) ComboBoxMEnter(row);
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            ComboBoxMExit(row);
    }
    return QDialog::eventFilter(watched, event);
}

double TFormMap::Zoom() const {
    return imageMap_->Zoom();
}

// Keeps the map pixel in the middle of the view where it was.
void TFormMap::SetZoom(double zoom) {
    fitted_ = false;
    PlaceMap(QPoint(0, 0));
    const ScrollPosition scroll = MapScroll();
    QSize view = ViewSizeInPixels();
    const PixelPoint centre{scroll.x + view.width() / 2, scroll.y + view.height() / 2};
    imageMap_->SetZoom(zoom);
    PlaceMap(QPoint(0, 0));
    view = ViewSizeInPixels();
    ScrollMapTo(ScrollToCentre(centre, view.width(), view.height()));
    ShowZoom();
}

void TFormMap::ShowZoom() {
    statusZoom_->setText(QString("%1 %").arg(std::lround(imageMap_->Zoom() * 100)));
}

// The map at `offset` in the scrolled area, which holds just the map and the room before it.
void TFormMap::PlaceMap(QPoint offset) {
    imageMap_->move(offset);
    mapHolder_->setFixedSize(imageMap_->size() + QSize(offset.x(), offset.y()));
}

void TFormMap::ZoomIn() {
    const double now = Zoom();
    const auto next = std::find_if(ZoomSteps.begin(), ZoomSteps.end(),
                                   [now](double z) { return z > now + 1e-9; });
    if (next != ZoomSteps.end()) SetZoom(*next);
}

void TFormMap::ZoomOut() {
    const double now = Zoom();
    const auto previous = std::find_if(ZoomSteps.rbegin(), ZoomSteps.rend(),
                                       [now](double z) { return z < now - 1e-9; });
    if (previous != ZoomSteps.rend()) SetZoom(*previous);
}

// The whole map in the largest part of the view that the floating bars leave clear, centred
// in it.
void TFormMap::ZoomToFit() {
    fitting_ = true;
    // A fitted map can take the scroll bars away, which moves the bars: fitted again then.
    constexpr int MaxPasses = 3;
    for (int pass = 0; pass < MaxPasses; ++pass) {
        refit_ = false;
        FitOnce();
        if (!refit_) break;
    }
    ScrollMapTo({0, 0});
    ShowZoom();
    fitted_ = true;
    fitting_ = false;
}

void TFormMap::FitOnce() {
    const QSize view = scrollBoxMap_->maximumViewportSize();
    const QPoint origin = MapArea().topLeft();
    std::vector<PixelRect> covered;
    for (const QWidget* bar :
         {controlBarMap_, static_cast<QWidget*>(infoBar_), controlBarMiniMap_}) {
        const QRect r =
            bar->geometry().translated(-origin).adjusted(-FitGap, -FitGap, FitGap, FitGap);
        covered.push_back({r.left(), r.top(), r.width(), r.height()});
    }
    const PixelBuffer& map = pictures_->Map();
    const PixelRect clear =
        ClearAreaFor({FitGap, FitGap, view.width() - 2 * FitGap, view.height() - 2 * FitGap},
                     covered, map.width, map.height);
    imageMap_->SetZoom(std::min(static_cast<double>(clear.width) / map.width,
                                static_cast<double>(clear.height) / map.height));
    PlaceMap(QPoint(clear.left + std::max(0, (clear.width - imageMap_->width()) / 2),
                    clear.top + std::max(0, (clear.height - imageMap_->height()) / 2)));
}

namespace {
// Where an exported picture is proposed: the user's pictures folder, else the home folder.
QString PicturesFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
}
}  // namespace

void TFormMap::ExportLayerPng() {
    QString path =
        chooseExportFile
            ? chooseExportFile()
            : ChooseFileToSave(
                  this, "Export layer as PNG",
                  QDir(PicturesFolder()).filePath(QString(LayerName(pictures_->Layer())) + ".png"),
                  "PNG pictures (*.png)");
    if (path.isEmpty()) return;
    if (!path.endsWith(".png", Qt::CaseInsensitive)) path += ".png";
    // The picture exactly as the window shows it.
    const PngResult written = WritePng(pictures_->Map(), path.toStdString());
    if (!written) {
        dialogs_.Error(written.error);
        return;
    }
    // What was written and where, until the next message.
    statusBar_->showMessage(QString("The %1 layer was written to %2 (%3 x %4 pixels)")
                                .arg(LayerName(pictures_->Layer()))
                                .arg(QDir::toNativeSeparators(path))
                                .arg(pictures_->Map().width)
                                .arg(pictures_->Map().height),
                            ExportMessageTime);
}

}  // namespace tq3
