#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <vector>

#include "base/Dialogs.h"
#include "base/Random.h"
#include "engine/World.h"
#include "mapeditor/MapDocument.h"
#include "mapeditor/model/MajorsSelection.h"
#include "mapeditor/model/ProvincePainting.h"
#include "render/MapRenderer.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QToolButton;

namespace tq3 {

class LayerPictures;
class LegendBar;
class MapView;
class MinimapView;
class NationsLegend;
class ProvinceInfoBar;

// The map editor window: the document's world as a schematic map with its five layers, the
// minimap, the province info bar and the majors panel, each a view of the document. Preview
// mode (during a run) repaints provinces; majors mode chooses up to eight majors and their
// capitals. Every edit goes through the document and is one step of its undo stack. The
// window's parts carry the names of their controls (BitBtnOk, ControlBarMiniMap, ...).
class TFormMap : public QDialog {
    Q_OBJECT
  public:
    // The result of the Abort button of preview mode (OK and Cancel are QDialog's).
    static constexpr int AbortResult = 3;
    // The size the window would like; a smaller screen gets a smaller window.
    static constexpr int FormWidth = 790;
    static constexpr int FormHeight = 517;

    // With the run's redraw (preview mode), the Reroll menu draws steps of the run again.
    TFormMap(World& world, RandomSource& random, Dialogs& dialogs, QWidget* owner = nullptr,
             RunRedraw* redraw = nullptr);
    ~TFormMap() override;

    // Set by the opener before showing: true for preview mode, false for majors mode.
    void SetPreviewMode(bool preview) { previewMode_ = preview; }
    MapDocument& Document() const { return *document_; }
    int ToolCode() const { return toolCode_; }
    const MajorRows& Majors() const { return rows_; }

    // What the user does with the mouse and the lists, in map-picture pixels.
    void ShowLayer(MapLayer layer);  // the five layer buttons
    void ImageMapMouseDown(Qt::MouseButton button, QPoint pixel);
    void ImageMapMouseMove(QPoint pixel);
    void ImageMapMouseUp(Qt::MouseButton button, QPoint pixel);
    void PanelNationsMouseDown(QPoint point);
    void SelectTool(PaintLayer layer, int value);  // the 44 legend panels
    void ComboBoxMChange(int row, int index);
    void ComboBoxMExit(int row);  // leaving a list settles its typed text
    // Scrolls the map to put province p in the middle, boxes it and shows its info.
    void CentreOnProvince(int p);
    // An entry of the Reroll menu: draws the step again and says in the status bar what
    // changed (FormMapRerolls.cpp).
    void RerollStep(DrawStep step);
    // Says `sentence` on the status line for a while, ending in "..." where the line is too
    // short for it; the whole sentence is the line's hint.
    void SayOnStatusLine(const QString& sentence);
    QMenu* RerollMenu() const { return rerollMenu_; }

    // Zoom of the map picture (1 = 100 %), with the point under the view's centre kept; Fit
    // shows the whole map in the part of the view the floating bars leave free.
    void SetZoom(double zoom);
    double Zoom() const;
    void ZoomToFit();
    // Writes the current layer as PNG, asking for the file through chooseExportFile.
    void ExportLayerPng();
    std::function<QString()> chooseExportFile;

    // Scroll position of the map in map-picture pixels, and the view's size in them.
    ScrollPosition MapScroll() const;
    void ScrollMapTo(ScrollPosition position);
    QSize ViewSizeInPixels() const;

    MapView* ImageMap() const { return imageMap_; }
    const PixelBuffer& MapPicture() const;

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
    void CreateActions();
    QWidget* CreateMapArea();
    QWidget* CreateMajorsPanel();
    QWidget* CreateBottomStrip();
    void CreateButtons(QWidget* strip);
    void CreateToolBar();
    void CreateMinimapBar();
    void CreateStatusBar();
    // The Reroll menu, and its drop-down button on the tool bar (FormMapRerolls.cpp).
    void CreateRerollMenu();

    // Show set-up, layers, navigation and the floating bars (FormMap.cpp).
    void FormShow();
    void FormResize();
    void SpeedButtonClearCursorClick();
    void ImageMinimapMouseDown(QPoint point);
    void SpeedButtonHideClick();
    void SpeedButtonShowClick();
    void SetMiniMapCollapsed(bool collapsed);
    void ZoomIn();
    void ZoomOut();
    void ShowZoom();
    void PlaceMap(QPoint offset);
    void FitOnce();
    // The part of the map area in view (without the scroll bars), in Panel3's coordinates.
    QRect MapArea() const;
    void PlaceFloatingBars();
    void ShowLegendOf(MapLayer layer);
    void PlaceMinimapFrame();
    void ShowHoverProvince(QPoint pixel);
    void ShowProvinceInfo(int p);

    // Tools and the majors panel (FormMapPainting.cpp, FormMapMajors.cpp).
    void SetToolCode(int code, Qt::CursorShape cursor);
    void PressPickButton(int row);  // 0: the invisible SpeedButtonM0
    void ShowRows();
    // A capital's name in a row's field, from the name's start.
    static void ShowCapitalName(QLineEdit* edit, const QString& name);
    void CheckBoxMClick(int row);
    void ComboBoxMEnter(int row);
    void SpeedButtonMClick(int row);
    void BitBtnOkClick();
    void BitBtnAbortClick();

    bool previewMode_ = true;
    bool listsBuilt_ = false;
    bool loadMajorsOnShow_ = true;
    bool mouseHeld_ = false;  // a painting stroke is under way

    const World& world_;  // read only: edits go through the document
    Dialogs& dialogs_;
    MapDocument* document_;
    LayerPictures* pictures_;
    int toolCode_ = tool::ViewOnly;
    SelectionRect selection_;
    MajorRows rows_{};
    std::vector<NationEntry> nationList_;

    QWidget* panel1_ = nullptr;
    QWidget* panel3_ = nullptr;
    QScrollArea* scrollBoxMap_ = nullptr;
    QWidget* mapHolder_ = nullptr;  // the scrolled area: the map, and room before it when fitted
    MapView* imageMap_ = nullptr;
    MinimapView* imageMinimap_ = nullptr;
    ProvinceInfoBar* infoBar_ = nullptr;
    std::array<LegendBar*, 4> legendBars_{};
    NationsLegend* nationsLegend_ = nullptr;
    QWidget* controlBarMap_ = nullptr;
    QWidget* controlBarMiniMap_ = nullptr;
    QToolButton* speedButtonHide_ = nullptr;
    QToolButton* speedButtonShow_ = nullptr;
    QToolButton* speedButtonHideMiniMap_ = nullptr;
    QToolButton* speedButtonShowMiniMap_ = nullptr;
    std::array<QToolButton*, 5> layerButtons_{};
    QButtonGroup* pickGroup_ = nullptr;
    std::array<RowControls, MajorRowCount + 1> rowControls_{};  // [0] unused
    QPushButton* bitBtnOk_ = nullptr;
    QPushButton* bitBtnCancel_ = nullptr;
    QPushButton* bitBtnClose_ = nullptr;
    QPushButton* bitBtnAbort_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    QMenu* rerollMenu_ = nullptr;
    QToolButton* rerollButton_ = nullptr;
    QLabel* statusProvince_ = nullptr;
    QLabel* statusZoom_ = nullptr;
    bool miniMapCollapsed_ = false;
    bool placed_ = false;
    bool fitted_ = false;  // the map is fitted into the view (kept so on resizing)
    bool fitting_ = false;
    bool refit_ = false;  // the view changed while the map was being fitted
};

}  // namespace tq3
