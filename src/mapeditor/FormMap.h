#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "mapeditor/model/MajorsSelection.h"
#include "mapeditor/model/ProvincePainting.h"
#include "render/MapRenderer.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QToolButton;
class QUndoStack;

namespace tq3 {

// The values of the province info bar.
enum class InfoField {
    Number,
    Coast,
    Name,
    Terrain,
    Climate,
    Goods,
    Religion,
    Manpower,
    Income,
    ColonDifficulty,
    TradeNegotiation,
    NativeTolerance,
    NativePopulation,
    Owner,
};
inline constexpr std::size_t InfoFieldCount = 14;

class LegendBar;
class MapView;
class MinimapView;
class NationsLegend;

// The map editor window: the world as a schematic map with its five layers, the minimap,
// the province info bar and the majors panel. Preview mode (during a run) repaints
// provinces; majors mode chooses up to eight majors and their capitals. Every edit acts on
// the shared world at once and is one step of the window's undo stack.
class TFormMap : public QDialog {
    Q_OBJECT
  public:
    // The result of the Abort button of preview mode (OK and Cancel are QDialog's).
    static constexpr int AbortResult = 3;
    // The size the window would like; a smaller screen gets a smaller window.
    static constexpr int FormWidth = 790;
    static constexpr int FormHeight = 517;

    TFormMap(World& world, RandomSource& random, Dialogs& dialogs, QWidget* owner = nullptr);
    ~TFormMap() override;

    // Set by the opener before showing: true for preview mode, false for majors mode.
    void SetPreviewMode(bool preview) { previewMode_ = preview; }
    bool PreviewMode() const { return previewMode_; }
    // Whether the nation lists and the neighbour lines were made (at the first show), and
    // whether the next show takes the majors from their setting.
    bool ListsBuilt() const { return listsBuilt_; }
    bool LoadMajorsOnShow() const { return loadMajorsOnShow_; }

    int ToolCode() const { return toolCode_; }
    MapLayer CurrentLayer() const { return layer_; }
    const MajorRows& Majors() const { return rows_; }
    const std::vector<NationEntry>& ComboNationNumbers() const { return nationList_; }
    QUndoStack* UndoStack() const { return undo_; }

    // Handlers of the window's controls, named as the controls and events are.
    void FormShow();
    void FormResize();
    void SpeedButtonClearCursorClick();
    void ShowLayer(MapLayer layer);  // the five layer buttons
    void ImageMapMouseDown(Qt::MouseButton button, QPoint pixel);
    void ImageMapMouseMove(QPoint pixel);
    void ImageMapMouseUp(Qt::MouseButton button, QPoint pixel);
    void ImageMinimapMouseDown(QPoint point);
    void PanelNationsMouseDown(QPoint point);
    void SpeedButtonHideClick();
    void SpeedButtonShowClick();
    void SpeedButtonHideInfoClick();
    void SpeedButtonShowInfoClick();
    void SpeedButtonHideMiniMapClick();
    void SpeedButtonShowMiniMapClick();
    void SelectTool(PaintLayer layer, int value);  // the 44 legend panels
    void CheckBoxMClick(int row);
    void ComboBoxMChange(int row, int index);
    void ComboBoxMEnter(int row);
    void ComboBoxMExit(int row);
    void SpeedButtonMClick(int row);
    void BitBtnOkClick();
    void BitBtnAbortClick();
    void ShowProvinceInfo(int p);
    // Scrolls the map to put province p in the middle, boxes it and shows its info.
    void CentreOnProvince(int p);

    // Zoom of the map picture (1 = 100 %), with the point under the view's centre kept.
    void SetZoom(double zoom);
    double Zoom() const;
    void ZoomIn();
    void ZoomOut();
    void ZoomToFit();
    // Writes the current layer as PNG, asking for the file through chooseExportFile.
    void ExportLayerPng();
    std::function<QString()> chooseExportFile;

    // Scroll position of the map in map-picture pixels, and the view's size in them.
    ScrollPosition MapScroll() const;
    void ScrollMapTo(ScrollPosition position);
    QSize ViewSizeInPixels() const;

    // The window's parts, for its opener and its tests.
    MapView* ImageMap() const { return imageMap_; }
    MinimapView* ImageMinimap() const { return imageMinimap_; }
    const PixelBuffer& MapPicture() const { return pictures_.map; }
    const PixelBuffer& MinimapPicture() const { return pictures_.minimap; }
    LegendBar* LegendOf(MapLayer layer) const;
    NationsLegend* Nations() const { return nationsLegend_; }
    QWidget* ControlBarMap() const { return controlBarMap_; }
    QWidget* ControlBarProvInfo() const { return controlBarProvInfo_; }
    QWidget* ControlBarMiniMap() const { return controlBarMiniMap_; }
    QWidget* Panel1() const { return panel1_; }
    QWidget* Panel3() const { return panel3_; }
    QLabel* InfoLabel(InfoField field) const {
        return infoLabels_[static_cast<std::size_t>(field)];
    }
    QLabel* StatusProvince() const { return statusProvince_; }
    QCheckBox* CheckBoxM(int row) const { return rowControls_[row].check; }
    QComboBox* ComboBoxM(int row) const { return rowControls_[row].combo; }
    QLineEdit* EditM(int row) const { return rowControls_[row].edit; }
    QToolButton* SpeedButtonM(int row) const { return rowControls_[row].pick; }
    QPushButton* BitBtnOk() const { return bitBtnOk_; }
    QPushButton* BitBtnCancel() const { return bitBtnCancel_; }
    QPushButton* BitBtnClose() const { return bitBtnClose_; }
    QPushButton* BitBtnAbort() const { return bitBtnAbort_; }
    QToolButton* LayerButton(MapLayer layer) const;

  protected:
    void showEvent(QShowEvent* event) override;
    // Escape cancels majors mode; in preview mode it does nothing, so that no key press
    // writes the game files: the user chooses OK or Abort.
    void keyPressEvent(QKeyEvent* event) override;
    // Closing the window (its title bar, Alt+F4) cancels majors mode and aborts the run in
    // preview mode: only OK goes on to write.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct RowControls {
        QCheckBox* check = nullptr;
        QComboBox* combo = nullptr;
        QLineEdit* edit = nullptr;
        QToolButton* pick = nullptr;
    };

    // Creation (FormMapLayout.cpp).
    void FormCreate();
    QWidget* CreateMapArea();
    QWidget* CreateMajorsPanel();
    QWidget* CreateBottomStrip();
    void CreateFloatingBars();
    void CreateToolBar();
    void CreateInfoBar();
    void CreateMinimapBar();
    void CreateStatusBar();

    // The part of the map area in view (without the scroll bars), in Panel3's coordinates.
    QRect MapArea() const;
    void PlaceFloatingBars();
    void DrawCurrentLayer();
    void ShowLegendOf(MapLayer layer);
    void PlaceMinimapFrame();
    void SetToolCode(int code, Qt::CursorShape cursor);
    void PressPickButton(int row);  // 0: the invisible SpeedButtonM0
    void RedrawProvinces(const std::vector<int>& provinces);
    void PushEdit(WorldEdit edit, const QString& text);
    void ShowRows();
    void ShowHoverProvince(QPoint pixel);

    bool previewMode_ = true;
    bool listsBuilt_ = false;
    bool loadMajorsOnShow_ = true;
    bool mouseHeld_ = false;  // a painting stroke is under way

    World& world_;
    RandomSource& random_;
    Dialogs& dialogs_;
    MapPictures pictures_;
    MapLayer layer_ = MapLayer::Terrain;
    int toolCode_ = tool::ViewOnly;
    SelectionRect selection_;
    MajorRows rows_{};
    std::vector<NationEntry> nationList_;

    QUndoStack* undo_;
    QWidget* panel1_ = nullptr;
    QWidget* panel3_ = nullptr;
    QWidget* panel19_ = nullptr;
    std::array<QLabel*, InfoFieldCount> infoLabels_{};
    QScrollArea* scrollBoxMap_ = nullptr;
    MapView* imageMap_ = nullptr;
    MinimapView* imageMinimap_ = nullptr;
    std::array<LegendBar*, 4> legendBars_{};
    NationsLegend* nationsLegend_ = nullptr;
    QWidget* controlBarMap_ = nullptr;
    QWidget* controlBarProvInfo_ = nullptr;
    QWidget* controlBarMiniMap_ = nullptr;
    QToolButton* speedButtonHide_ = nullptr;
    QToolButton* speedButtonShow_ = nullptr;
    QToolButton* speedButtonHideInfo_ = nullptr;
    QToolButton* speedButtonShowInfo_ = nullptr;
    QToolButton* speedButtonHideMiniMap_ = nullptr;
    QToolButton* speedButtonShowMiniMap_ = nullptr;
    std::array<QToolButton*, 5> layerButtons_{};
    QButtonGroup* pickGroup_ = nullptr;
    QToolButton* speedButtonM0_ = nullptr;
    std::array<RowControls, MajorRowCount + 1> rowControls_{};  // [0] unused
    QPushButton* bitBtnOk_ = nullptr;
    QPushButton* bitBtnCancel_ = nullptr;
    QPushButton* bitBtnClose_ = nullptr;
    QPushButton* bitBtnAbort_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QLabel* statusProvince_ = nullptr;
    QLabel* statusZoom_ = nullptr;
    bool infoCollapsed_ = false;
    bool miniMapCollapsed_ = false;
    bool placed_ = false;
    QSize infoBarSize_;     // the info bar expanded, sized to its font
    int infoProvince_ = 0;  // the province the info bar shows
};

}  // namespace tq3
