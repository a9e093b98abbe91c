#include "app/FairWorldDialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

#include "app/FairnessChart.h"
#include "render/MapGeometry.h"
#include "render/PoliticalThumbnail.h"
#include "session/BalanceSummary.h"
#include "widgets/WindowPlacement.h"

namespace tq3 {

namespace {
constexpr int kHistogramBins = 40;
constexpr int kDrainMilliseconds = 50;
constexpr int kTableRefreshMilliseconds = 500;
constexpr int kMaxSeeds = 10'000'000;
// The map preview's width at most and at least; it is drawn at the width it has between them,
// in the screen's own pixels.
constexpr int kMapPreviewWidth = 900;
constexpr int kMapPreviewMinWidth = 120;
constexpr int kTableMinWidth = 240;
// Beside the table, the chart and the map want at least this width; with less they are tabs.
constexpr int kSideMinWidth = 280;
constexpr int kDialogWidth = 1280;
constexpr int kDialogHeight = 560;
// A row of the table: a line of text and this much room above and below it.
constexpr int kRowPadding = 3;
enum Column {
    SeedColumn,
    FairnessColumn,
    SpreadColumn,
    NativeColumn,
    CapitalsColumn,
    MajorsColumn
};

// A cell that sorts by its number, not by its text.
class NumberItem : public QTableWidgetItem {
  public:
    NumberItem(const QString& text, double value) : QTableWidgetItem(text) {
        setData(Qt::UserRole, value);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

// What to sweep: how many seeds from which first seed, and the button that starts.
QHBoxLayout* FairWorldDialog::CreateSweepRow() {
    seedCount_ = new QSpinBox(this);
    seedCount_->setObjectName(QStringLiteral("SeedCount"));
    seedCount_->setRange(1, kMaxSeeds);
    seedCount_->setGroupSeparatorShown(true);
    seedCount_->setValue(kDefaultSeeds);
    firstSeed_ = new QSpinBox(this);
    firstSeed_->setObjectName(QStringLiteral("FirstSeed"));
    firstSeed_->setRange(0, std::numeric_limits<int>::max());
    firstSeed_->setValue(1);
    start_ = new QPushButton(tr("&Start"), this);
    start_->setObjectName(QStringLiteral("Start"));
    start_->setDefault(true);
    auto* what = new QHBoxLayout;
    what->addWidget(new QLabel(tr("Seeds:"), this));
    what->addWidget(seedCount_);
    what->addWidget(new QLabel(tr("starting at"), this));
    what->addWidget(firstSeed_);
    what->addStretch();
    what->addWidget(start_);
    return what;
}

// The fairest worlds, sortable by any measure.
void FairWorldDialog::CreateTable() {
    table_ = new QTableWidget(0, MajorsColumn + 1, this);
    table_->setObjectName(QStringLiteral("BestWorlds"));
    // Two-word headings on two lines: the columns are as narrow as their numbers.
    table_->setHorizontalHeaderLabels({tr("Seed"), tr("Fairness"), tr("Income\nspread"),
                                       tr("Native\nland"), tr("Closest\ncapitals"),
                                       tr("Majors (strength)")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    // Rows as tall as a line of text; every column as wide as its widest cell, the last too.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() +
                                                    2 * kRowPadding);
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->horizontalHeader()->setTextElideMode(Qt::ElideNone);
    table_->resizeColumnsToContents();
    table_->setSortingEnabled(true);
    table_->sortByColumn(FairnessColumn, Qt::DescendingOrder);
    table_->setMinimumWidth(kTableMinWidth);
    table_->setWordWrap(false);
}

FairWorldDialog::FairWorldDialog(const World& world, Dialogs& dialogs,
                                 std::function<void(uint64_t)> generate, QWidget* parent)
    : QDialog(parent), world_(world), dialogs_(dialogs), generate_(std::move(generate)) {
    setObjectName(QStringLiteral("FairWorldDialog"));
    setWindowTitle(tr("Find a fair world"));
    QHBoxLayout* what = CreateSweepRow();
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("SweepProgress"));
    status_ = new QLabel(tr("Each world is drawn with the window's settings and measured; "
                            "nothing is written."),
                         this);
    status_->setObjectName(QStringLiteral("SweepStatus"));
    status_->setWordWrap(true);
    chart_ = new FairnessChart(this);
    CreateTable();
    map_ = new QLabel(this);
    map_->setObjectName(QStringLiteral("SelectedMap"));
    map_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    map_->setMinimumSize(kMapPreviewMinWidth,
                         kMapPreviewMinWidth * MapPictureHeight / MapPictureWidth);
    map_->setWordWrap(true);
    map_->setText(tr("Select a world to see its political map."));

    auto* buttons = new QDialogButtonBox(this);
    generateButton_ = buttons->addButton(tr("&Generate this world"), QDialogButtonBox::AcceptRole);
    generateButton_->setObjectName(QStringLiteral("GenerateThisWorld"));
    generateButton_->setEnabled(false);
    cancel_ = buttons->addButton(QDialogButtonBox::Close);
    cancel_->setObjectName(QStringLiteral("CancelSweep"));

    // The table beside the chart and the map, the user moving the line between them; or the
    // three as tabs (Arrange).
    auto* rightSide = new QWidget(this);
    side_ = new QVBoxLayout(rightSide);
    side_->setContentsMargins(0, 0, 0, 0);
    side_->addWidget(chart_);
    side_->addWidget(map_, 1);
    sideBySide_ = new QSplitter(Qt::Horizontal, this);
    sideBySide_->setObjectName(QStringLiteral("TableAndMap"));
    sideBySide_->setChildrenCollapsible(false);
    sideBySide_->addWidget(table_);
    sideBySide_->addWidget(rightSide);
    sideBySide_->setStretchFactor(1, 1);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("WorldTabs"));
    tabs_->hide();
    // The map is drawn again at the size it is given, side by side or as a tab.
    map_->installEventFilter(this);
    // The progress of a sweep beside what it says, to leave the rows their height.
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(status_, 1);
    progressRow->addWidget(progress_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(what);
    layout->addLayout(progressRow);
    layout->addWidget(sideBySide_, 1);
    layout->addWidget(tabs_, 1);
    layout->addWidget(buttons);

    timer_ = new QTimer(this);
    timer_->setInterval(kDrainMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { TakeRows(); });
    connect(start_, &QPushButton::clicked, this, [this] { Start(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { ShowSelected(); });
    connect(generateButton_, &QPushButton::clicked, this, [this] {
        bool found = false;
        const uint64_t seed = SelectedSeed(&found);
        if (!found) return;
        Cancel();
        accept();
        if (generate_) generate_(seed);
    });
    chart_->SetCounts(std::vector<uint64_t>(kHistogramBins));
    FitDialogToScreen(this, QSize(kDialogWidth, kDialogHeight));
}

FairWorldDialog::~FairWorldDialog() {
    Cancel();
}

bool FairWorldDialog::Start() {
    if (Running()) return false;
    if (SeedSweep::Check(world_, dialogs_).refused) return false;
    sweep_ = std::make_unique<SeedSweep>(world_);
    scratch_ = std::make_unique<World>();
    mapShown_ = false;
    best_ = BestSeeds(SweepOrder::Fairness, kBestShown);
    measured_ = 0;
    total_ = static_cast<uint64_t>(seedCount_->value());
    const uint64_t first = static_cast<uint64_t>(firstSeed_->value());
    chart_->SetCounts(std::vector<uint64_t>(kHistogramBins));
    chart_->SetMarker(std::nullopt);
    histogram_ = FairnessHistogram(kHistogramBins);
    table_->setRowCount(0);
    map_->setPixmap({});
    map_->setText(tr("Select a world to see its political map."));
    generateButton_->setEnabled(false);
    progress_->setRange(0, static_cast<int>(total_));
    progress_->setValue(0);
    start_->setEnabled(false);
    seedCount_->setEnabled(false);
    firstSeed_->setEnabled(false);
    cancel_->setText(tr("&Cancel"));
    status_->setText(tr("Measuring..."));

    stop_.store(false);
    finished_.store(false);
    const int jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    worker_ = std::thread([this, first, jobs] {
        sweep_->Run(
            first, first + total_ - 1, jobs,
            [this](const SweepRow& row) {
                std::lock_guard lock(mutex_);
                pending_.push_back(row);
            },
            stop_);
        finished_.store(true);
    });
    sinceFill_.start();
    timer_->start();
    return true;
}

void FairWorldDialog::Cancel() {
    if (!Running()) return;
    stop_.store(true);
    worker_.join();
    Finish();
}

void FairWorldDialog::WaitUntilDone() {
    if (!Running()) return;
    while (!finished_.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(kDrainMilliseconds));
    worker_.join();
    Finish();
}

void FairWorldDialog::reject() {
    // Cancel stops a running sweep; once stopped, the same button closes the dialog.
    if (Running()) {
        Cancel();
        return;
    }
    QDialog::reject();
}

void FairWorldDialog::TakeRows() {
    std::vector<SweepRow> rows;
    {
        std::lock_guard lock(mutex_);
        rows.swap(pending_);
    }
    for (const SweepRow& row : rows) {
        best_.Offer(row);
        histogram_.Add(row.balance.fairness);
    }
    measured_ += rows.size();
    if (!rows.empty()) {
        progress_->setValue(static_cast<int>(measured_));
        chart_->SetCounts(histogram_.Counts());
        tableStale_ = true;
    }
    // The table follows the sweep a few times a second.
    if (tableStale_ && sinceFill_.elapsed() >= kTableRefreshMilliseconds) {
        FillTable();
        sinceFill_.restart();
    }
    if (finished_.load() && Running()) {
        worker_.join();
        Finish();
    }
}

void FairWorldDialog::Finish() {
    timer_->stop();
    worker_ = std::thread();
    finished_.store(true);
    // Rows the worker gave before it stopped.
    TakeRows();
    FillTable();
    start_->setEnabled(true);
    seedCount_->setEnabled(true);
    firstSeed_->setEnabled(true);
    cancel_->setText(tr("&Close"));
    status_->setText(measured_ < total_
                         ? tr("Stopped after %L1 of %L2 worlds.").arg(measured_).arg(total_)
                         : tr("%L1 worlds measured, the fairest first.").arg(measured_));
    if (table_->rowCount() > 0 && table_->selectedItems().isEmpty()) SelectRow(0);
    // A world selected while the sweep ran can be generated now.
    generateButton_->setEnabled(!table_->selectedItems().isEmpty());
}

void FairWorldDialog::FillTable() {
    if (!tableStale_) return;
    tableStale_ = false;
    bool found = false;
    const uint64_t selected = SelectedSeed(&found);
    const std::vector<SweepRow> rows = best_.Ranked();
    table_->setSortingEnabled(false);
    table_->setRowCount(static_cast<int>(rows.size()));
    int reselect = -1;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const SweepRow& row = rows[static_cast<std::size_t>(r)];
        const WorldBalance& b = row.balance;
        const int closest = ClosestRivals(b);
        QString majors;
        for (const MajorBalance& m : b.majors)
            majors += (majors.isEmpty() ? QString() : QStringLiteral("  ")) +
                      Text(world_.Nations[m.nation].Tag) + QLatin1Char(' ') +
                      QString::number(m.Strength());
        table_->setItem(r, SeedColumn,
                        new NumberItem(QString::number(row.seed), static_cast<double>(row.seed)));
        table_->setItem(r, FairnessColumn,
                        new NumberItem(Text(FixedText(b.fairness, 3)), b.fairness));
        table_->setItem(r, SpreadColumn,
                        new NumberItem(Text(FixedText(b.incomeGini, 3)), b.incomeGini));
        table_->setItem(
            r, NativeColumn,
            new NumberItem(Text(FixedText(b.nativeShare, 1)) + QLatin1Char('%'), b.nativeShare));
        table_->setItem(
            r, CapitalsColumn,
            new NumberItem(closest < 0 ? QStringLiteral("-") : QString::number(closest), closest));
        table_->setItem(r, MajorsColumn, new QTableWidgetItem(majors));
        if (found && row.seed == selected) reselect = r;
    }
    table_->setSortingEnabled(true);
    table_->resizeColumnsToContents();
    Arrange();
    if (reselect >= 0) {
        // Sorting moved the rows: find the seed again.
        for (int r = 0; r < table_->rowCount(); ++r)
            if (table_->item(r, SeedColumn)->data(Qt::UserRole).toULongLong() == selected)
                table_->selectRow(r);
    }
}

void FairWorldDialog::SelectRow(int row) {
    if (row >= 0 && row < table_->rowCount()) table_->selectRow(row);
}

uint64_t FairWorldDialog::SelectedSeed(bool* found) const {
    const QList<QTableWidgetItem*> items = table_->selectedItems();
    *found = false;
    for (const QTableWidgetItem* item : items)
        if (item->column() == SeedColumn) {
            *found = true;
            return static_cast<uint64_t>(item->data(Qt::UserRole).toDouble());
        }
    return 0;
}

void FairWorldDialog::ShowSelected() {
    bool found = false;
    const uint64_t seed = SelectedSeed(&found);
    generateButton_->setEnabled(found && !Running());
    if (!found || !sweep_) return;
    // The world of the seed drawn again, as the sweep drew it, and its political map.
    const WorldBalance balance = sweep_->Measure(seed, *scratch_);
    chart_->SetMarker(balance.fairness);
    DrawSelectedMap();
    mapShown_ = true;
    map_->setToolTip(Text(DescribeBalance(world_, balance)));
}

// The selected world's political map, as wide as the label leaves room for and the whole map
// in its height.
void FairWorldDialog::DrawSelectedMap() {
    const qreal ratio = map_->devicePixelRatioF();
    const int room = std::min(map_->width(), map_->height() * MapPictureWidth / MapPictureHeight);
    const int width = std::clamp(static_cast<int>(room * ratio), kMapPreviewMinWidth,
                                 static_cast<int>(kMapPreviewWidth * ratio));
    const PixelBuffer picture = PoliticalThumbnail(*scratch_, width);
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                       picture.height, picture.Stride(), QImage::Format_RGB32);
    QPixmap pixmap = QPixmap::fromImage(image.copy());
    pixmap.setDevicePixelRatio(ratio);
    map_->setPixmap(pixmap);
}

int FairWorldDialog::TableWidth() const {
    return table_->horizontalHeader()->length() + table_->verticalScrollBar()->sizeHint().width() +
           2 * table_->frameWidth();
}

void FairWorldDialog::Arrange() {
    const bool tabbed = width() < TableWidth() + kSideMinWidth +
                                      layout()->contentsMargins().left() +
                                      layout()->contentsMargins().right();
    if (tabbed == tabbed_) {
        // Side by side, the table grows to show every column as they widen.
        if (!tabbed_ && table_->width() < TableWidth())
            sideBySide_->setSizes(
                {TableWidth(), std::max(kSideMinWidth, sideBySide_->width() - TableWidth())});
        return;
    }
    tabbed_ = tabbed;
    if (tabbed) {
        tabs_->addTab(table_, tr("&Worlds"));
        tabs_->addTab(chart_, tr("&Fairness"));
        tabs_->addTab(map_, tr("&Map"));
    } else {
        tabs_->clear();
        sideBySide_->insertWidget(0, table_);
        side_->insertWidget(0, chart_);
        side_->insertWidget(1, map_, 1);
        sideBySide_->setSizes({TableWidth(), width() - TableWidth()});
    }
    for (QWidget* view : {static_cast<QWidget*>(table_), static_cast<QWidget*>(chart_),
                          static_cast<QWidget*>(map_)})
        view->show();
    sideBySide_->setVisible(!tabbed);
    tabs_->setVisible(tabbed);
}

void FairWorldDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Arrange();
}

bool FairWorldDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == map_ && event->type() == QEvent::Resize && mapShown_) DrawSelectedMap();
    return QDialog::eventFilter(watched, event);
}

}  // namespace tq3
