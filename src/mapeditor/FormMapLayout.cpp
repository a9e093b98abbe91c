// Creation of the map window: its panels, floating bars, legend strip and majors panel.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "mapeditor/FormMap.h"
#include "mapeditor/LayerPictures.h"
#include "mapeditor/LegendBar.h"
#include "mapeditor/MapView.h"
#include "mapeditor/ProvinceInfoBar.h"

namespace tq3 {

namespace {
constexpr int BottomStripHeight = 49;
constexpr int MajorsPanelWidth = 140;
constexpr int ButtonPanelWidth = 141;
constexpr int BarButtonSize = 22;
constexpr QRect ControlBarMapRect{8, 8, 179, 26};
constexpr QRect ControlBarMiniMapRect{9, 350, 168, 83};

QToolButton* BarButton(QWidget* parent, const QString& text, const QString& hint, int x) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setGeometry(x, 2, BarButtonSize, BarButtonSize);
    return button;
}

QFrame* FloatingBar(QWidget* parent, const char* name, QRect rect) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(name);
    bar->setFrameShape(QFrame::Panel);
    bar->setFrameShadow(QFrame::Raised);
    bar->setAutoFillBackground(true);
    bar->setGeometry(rect);
    return bar;
}

QColor RowColour(int row) {
    return QColor::fromRgb(MajorRowColours[row]);
}

// The pick button's glyph: a small cross-hair in the row's colour.
QIcon PickIcon(QColor colour) {
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.5));
    painter.drawEllipse(QRectF(2.5, 2.5, 9, 9));
    painter.drawLine(QPointF(7, 0), QPointF(7, 5));
    painter.drawLine(QPointF(7, 9), QPointF(7, 14));
    painter.drawLine(QPointF(0, 7), QPointF(5, 7));
    painter.drawLine(QPointF(9, 7), QPointF(14, 7));
    return QIcon(pixmap);
}

void ColourText(QWidget* widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}
}  // namespace

TFormMap::TFormMap(World& world, RandomSource& random, Dialogs& dialogs, QWidget* owner,
                   RunRedraw* redraw)
    : QDialog(owner),
      world_(world),
      dialogs_(dialogs),
      document_(new MapDocument(world, random, redraw, this)),
      pictures_(new LayerPictures(*document_, this)) {
    FormCreate();
}

TFormMap::~TFormMap() = default;

// Creation: the pictures, the panels and the 208 nation legend panels; terrain is the
// layer shown first.
void TFormMap::FormCreate() {
    setWindowTitle("Map Editor / Scenario Preview");
    resize(FormWidth, FormHeight);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* top = new QHBoxLayout;
    top->setSpacing(0);
    top->addWidget(CreateMapArea(), 1);
    // The majors panel scrolls on a screen too low for its eight rows.
    auto* majorsScroll = new QScrollArea(this);
    majorsScroll->setObjectName("ScrollBoxMajors");
    majorsScroll->setFrameShape(QFrame::NoFrame);
    majorsScroll->setWidgetResizable(true);
    majorsScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    majorsScroll->setWidget(CreateMajorsPanel());
    majorsScroll->setFixedWidth(MajorsPanelWidth +
                                majorsScroll->verticalScrollBar()->sizeHint().width());
    top->addWidget(majorsScroll);
    column->addLayout(top, 1);
    column->addWidget(CreateBottomStrip());
    CreateStatusBar();
    column->addWidget(statusBar_);
    // The three bars that float over the map.
    CreateToolBar();
    infoBar_ = new ProvinceInfoBar(*document_, panel3_);
    infoBar_->onCollapse = [this] { PlaceFloatingBars(); };
    CreateMinimapBar();
    CreateActions();
    CreateRerollMenu();
    column->setMenuBar(menuBar_);
}

// Undo and redo of every change made here; zoom keys; Alt+F4.
void TFormMap::CreateActions() {
    QUndoStack* stack = document_->UndoStack();
    QAction* undo = stack->createUndoAction(this, "&Undo");
    undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = stack->createRedoAction(this, "&Redo");
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    // The status line says what was undone or redone, not what the change before said.
    connect(undo, &QAction::triggered, this,
            [this, stack] { SayOnStatusLine("Undone: " + stack->redoText()); });
    connect(redo, &QAction::triggered, this,
            [this, stack] { SayOnStatusLine("Redone: " + stack->undoText()); });
    // The hint goes with the sentence.
    connect(statusBar_, &QStatusBar::messageChanged, this, [this](const QString& message) {
        if (message.isEmpty()) statusBar_->setToolTip({});
    });
    auto* zoomIn = new QAction("Zoom in", this);
    zoomIn->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(zoomIn, &QAction::triggered, this, [this] { ZoomIn(); });
    auto* zoomOut = new QAction("Zoom out", this);
    zoomOut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(zoomOut, &QAction::triggered, this, [this] { ZoomOut(); });
    auto* fit = new QAction("Fit the whole map", this);
    fit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(fit, &QAction::triggered, this, [this] { ZoomToFit(); });
    // Alt+F4 closes the window as its title bar does, also where no window manager does it.
    auto* close = new QAction("Close", this);
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(close, &QAction::triggered, this, [this] { this->close(); });
    addActions({undo, redo, zoomIn, zoomOut, fit, close});
}

QWidget* TFormMap::CreateMapArea() {
    panel3_ = new QWidget(this);
    panel3_->setObjectName("Panel3");
    panel3_->installEventFilter(this);
    scrollBoxMap_ = new QScrollArea(panel3_);
    scrollBoxMap_->setObjectName("ScrollBoxMap");
    scrollBoxMap_->setWidgetResizable(false);
    mapHolder_ = new QWidget;
    mapHolder_->setObjectName("PanelMap");
    imageMap_ = new MapView(*pictures_, mapHolder_);
    imageMap_->setObjectName("ImageMap");
    imageMap_->setToolTip("Left click: select province, Right click: recenter map");
    for (int row = 1; row <= MajorRowCount; ++row) imageMap_->SetCircleColour(row, RowColour(row));
    imageMap_->onPress = [this](Qt::MouseButton b, QPoint p) { ImageMapMouseDown(b, p); };
    imageMap_->onMove = [this](Qt::MouseButtons, QPoint p) { ImageMapMouseMove(p); };
    imageMap_->onRelease = [this](Qt::MouseButton b, QPoint p) { ImageMapMouseUp(b, p); };
    imageMap_->onZoomWheel = [this](int step, QPointF) { step > 0 ? ZoomIn() : ZoomOut(); };
    mapHolder_->setFixedSize(imageMap_->size());
    scrollBoxMap_->setWidget(mapHolder_);
    scrollBoxMap_->viewport()->installEventFilter(this);
    for (QScrollBar* bar :
         {scrollBoxMap_->horizontalScrollBar(), scrollBoxMap_->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] { PlaceMinimapFrame(); });
    return panel3_;
}

// The tool bar: view only, the five layers, hide / show.
void TFormMap::CreateToolBar() {
    controlBarMap_ = FloatingBar(panel3_, "ControlBarMap", ControlBarMapRect);
    auto* clear = BarButton(controlBarMap_, QString::fromUtf8("\u2196"),
                            "Press to set cursor to view-only mode .", 2);
    clear->setObjectName("SpeedButtonClearCursor");
    connect(clear, &QToolButton::clicked, this, [this] { SpeedButtonClearCursorClick(); });
    const char* texts[] = {"T", "C", "G", "R", "P"};
    const char* hints[] = {"Press to show terrain map", "Press to show climate map",
                           "Press to show trade goods map", "Press to show religion map",
                           "Press to show political map"};
    const char* names[] = {"SpeedButtonTerrain", "SpeedButtonClimate", "SpeedButtonGoods",
                           "SpeedButtonReligion", "SpeedButtonNations"};
    auto* layers = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        QToolButton* button = BarButton(controlBarMap_, texts[i], hints[i], 2 + 25 * (i + 1));
        button->setObjectName(names[i]);
        button->setCheckable(true);
        layers->addButton(button);
        layerButtons_[i] = button;
        const MapLayer layer = AllLayers[i];
        connect(button, &QToolButton::clicked, this, [this, layer] { ShowLayer(layer); });
    }
    layerButtons_[0]->setChecked(true);
    speedButtonHide_ = BarButton(controlBarMap_, QString::fromUtf8("\u00ab"), "Hide toolbar", 155);
    speedButtonHide_->setObjectName("SpeedButtonHide");
    speedButtonShow_ = BarButton(controlBarMap_, QString::fromUtf8("\u00bb"), "Show toolbar", 155);
    speedButtonShow_->setObjectName("SpeedButtonShow");
    speedButtonShow_->hide();
    connect(speedButtonHide_, &QToolButton::clicked, this, [this] { SpeedButtonHideClick(); });
    connect(speedButtonShow_, &QToolButton::clicked, this, [this] { SpeedButtonShowClick(); });
}

// The minimap bar: the minimap and its hide / show buttons.
void TFormMap::CreateMinimapBar() {
    controlBarMiniMap_ = FloatingBar(panel3_, "ControlBarMiniMap", ControlBarMiniMapRect);
    imageMinimap_ = new MinimapView(*pictures_, controlBarMiniMap_);
    imageMinimap_->setObjectName("ImageMinimap");
    imageMinimap_->move(2, 2);
    imageMinimap_->setToolTip("Click to center map");
    imageMinimap_->onClick = [this](QPoint p) { ImageMinimapMouseDown(p); };
    speedButtonHideMiniMap_ = new QToolButton(controlBarMiniMap_);
    speedButtonHideMiniMap_->setObjectName("SpeedButtonHideMiniMap");
    speedButtonHideMiniMap_->setText(QString::fromUtf8("\u00ab"));
    speedButtonHideMiniMap_->setToolTip("Hide minimap");
    speedButtonHideMiniMap_->setGeometry(157, 2, 10, 79);
    speedButtonShowMiniMap_ = new QToolButton(controlBarMiniMap_);
    speedButtonShowMiniMap_->setObjectName("SpeedButtonShowMiniMap");
    speedButtonShowMiniMap_->setText(QString::fromUtf8("\u00bb"));
    speedButtonShowMiniMap_->setToolTip("Show minimap");
    speedButtonShowMiniMap_->setGeometry(145, 2, 22, 22);
    speedButtonShowMiniMap_->hide();
    connect(speedButtonHideMiniMap_, &QToolButton::clicked, this,
            [this] { SetMiniMapCollapsed(true); });
    connect(speedButtonShowMiniMap_, &QToolButton::clicked, this,
            [this] { SetMiniMapCollapsed(false); });
}

QWidget* TFormMap::CreateMajorsPanel() {
    panel1_ = new QFrame(this);
    panel1_->setObjectName("Panel1");
    panel1_->setFixedWidth(MajorsPanelWidth);
    auto* column = new QVBoxLayout(panel1_);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(1);
    column->addWidget(new QLabel("Majors:", panel1_));
    pickGroup_ = new QButtonGroup(this);
    pickGroup_->setExclusive(true);
    auto* speedButtonM0 = new QToolButton(panel1_);
    speedButtonM0->setObjectName("SpeedButtonM0");
    speedButtonM0->setCheckable(true);
    speedButtonM0->hide();
    pickGroup_->addButton(speedButtonM0, 0);
    for (int row = 1; row <= MajorRowCount; ++row) {
        RowControls& c = rowControls_[row];
        c.check = new QCheckBox(QString("M%1").arg(row), panel1_);
        c.check->setObjectName(QString("CheckBoxM%1").arg(row));
        c.check->setToolTip("Enable/Disable major");
        c.combo = new QComboBox(panel1_);
        c.combo->setObjectName(QString("ComboBoxM%1").arg(row));
        c.combo->setEditable(true);
        c.combo->setInsertPolicy(QComboBox::NoInsert);
        c.combo->setToolTip("Select Major");
        c.combo->installEventFilter(this);
        c.edit = new QLineEdit("Unknown", panel1_);
        c.edit->setObjectName(QString("EditM%1").arg(row));
        c.edit->setReadOnly(true);
        c.edit->setToolTip("Capital province");
        c.pick = new QToolButton(panel1_);
        c.pick->setObjectName(QString("SpeedButtonM%1").arg(row));
        c.pick->setCheckable(true);
        c.pick->setIcon(PickIcon(RowColour(row)));
        c.pick->setAutoRaise(true);
        c.pick->setToolTip("Press to select starting province on map");
        pickGroup_->addButton(c.pick, row);
        for (QWidget* w : {static_cast<QWidget*>(c.check), static_cast<QWidget*>(c.combo),
                           static_cast<QWidget*>(c.edit), static_cast<QWidget*>(c.pick)})
            ColourText(w, RowColour(row));
        // The check box, the capital and its pick button; the nation list below, full width.
        auto* first = new QHBoxLayout;
        first->addWidget(c.check);
        first->addWidget(c.edit, 1);
        first->addWidget(c.pick);
        column->addLayout(first);
        column->addWidget(c.combo);
        connect(c.check, &QCheckBox::clicked, this, [this, row] { CheckBoxMClick(row); });
        connect(c.combo, &QComboBox::activated, this,
                [this, row](int index) { ComboBoxMChange(row, index); });
        connect(c.pick, &QToolButton::clicked, this, [this, row] { SpeedButtonMClick(row); });
    }
    speedButtonM0->setChecked(true);
    column->addStretch();
    return panel1_;
}

QWidget* TFormMap::CreateBottomStrip() {
    auto* panel2 = new QFrame(this);
    panel2->setObjectName("Panel2");
    panel2->setFixedHeight(BottomStripHeight);
    auto* row = new QHBoxLayout(panel2);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const PaintLayer paintLayers[] = {PaintLayer::Terrain, PaintLayer::Climate, PaintLayer::Goods,
                                      PaintLayer::Religion};
    const char* names[] = {"PanelTerrain", "PanelClimate", "PanelGoods", "PanelReligion"};
    for (int i = 0; i < 4; ++i) {
        legendBars_[i] = new LegendBar(AllLayers[i], panel2);
        legendBars_[i]->setObjectName(names[i]);
        const PaintLayer layer = paintLayers[i];
        legendBars_[i]->onSelect = [this, layer](int value) { SelectTool(layer, value); };
        row->addWidget(legendBars_[i], 1);
        legendBars_[i]->setVisible(i == 0);
    }
    nationsLegend_ = new NationsLegend(*document_, panel2);
    nationsLegend_->setObjectName("ScrollBoxNations");
    nationsLegend_->onClick = [this](QPoint p) { PanelNationsMouseDown(p); };
    nationsLegend_->hide();
    row->addWidget(nationsLegend_, 1);

    auto* panel4 = new QWidget(panel2);
    panel4->setObjectName("Panel4");
    panel4->setFixedWidth(ButtonPanelWidth);
    auto* buttons = new QHBoxLayout(panel4);
    buttons->setContentsMargins(4, 8, 4, 8);
    auto button = [&](const char* name, const char* text, const char* hint) {
        auto* b = new QPushButton(text, panel4);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    bitBtnOk_ = button("BitBtnOk", "OK", "Close and accept changes");
    bitBtnOk_->setDefault(true);
    bitBtnCancel_ = button("BitBtnCancel", "Cancel", "Close and discard changes");
    bitBtnClose_ = button("BitBtnClose", "&OK", "Accept changes and continue generation");
    bitBtnAbort_ = button("BitBtnAbort", "&Abort", "Press to abort generation.");
    connect(bitBtnOk_, &QPushButton::clicked, this, [this] { BitBtnOkClick(); });
    connect(bitBtnCancel_, &QPushButton::clicked, this, [this] { reject(); });
    connect(bitBtnClose_, &QPushButton::clicked, this, [this] { accept(); });
    connect(bitBtnAbort_, &QPushButton::clicked, this, [this] { BitBtnAbortClick(); });
    row->addWidget(panel4);
    return panel2;
}

void TFormMap::CreateStatusBar() {
    statusBar_ = new QStatusBar(this);
    statusBar_->setSizeGripEnabled(false);
    statusProvince_ = new QLabel(statusBar_);
    statusProvince_->setObjectName("StatusProvince");
    statusBar_->addWidget(statusProvince_, 1);
    statusZoom_ = new QLabel("100 %", statusBar_);
    statusBar_->addPermanentWidget(statusZoom_);
    auto tool = [this](const char* text, const char* hint, auto handler) {
        auto* b = new QToolButton(statusBar_);
        b->setText(text);
        b->setToolTip(hint);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, handler);
        statusBar_->addPermanentWidget(b);
        return b;
    };
    tool("-", "Zoom out (Ctrl+minus)", [this] { ZoomOut(); });
    tool("+", "Zoom in (Ctrl+plus)", [this] { ZoomIn(); });
    tool("Fit", "Fit the whole map (Ctrl+0)", [this] { ZoomToFit(); });
    tool("Export layer as PNG...", "Save the layer shown as a PNG picture",
         [this] { ExportLayerPng(); });
}

}  // namespace tq3
