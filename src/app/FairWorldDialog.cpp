#include "app/FairWorldDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

#include "app/FairnessChart.h"
#include "app/Keyboard.h"
#include "app/RequirementRows.h"
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
constexpr int kDialogHeight = 720;
// The table, the chart and the map keep at least this height; with less the body scrolls.
constexpr int kViewsMinHeight = 160;
// The requirements beside their explanation need their widths and this much between and
// around them.
constexpr int kSearchSlack = 60;
// A row of the table: a line of text and this much room above and below it.
constexpr int kRowPadding = 3;
enum Column {
    SeedColumn,
    FairnessColumn,
    SpreadColumn,
    NativeColumn,
    CapitalsColumn,
    RoomColumn,
    CoastalColumn,
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
    auto* seeds = new QLabel(tr("S&eeds:"), this);
    seeds->setBuddy(seedCount_);
    auto* startingAt = new QLabel(tr("starting a&t"), this);
    startingAt->setBuddy(firstSeed_);
    auto* what = new QHBoxLayout;
    what->addWidget(seeds);
    what->addWidget(seedCount_);
    what->addWidget(startingAt);
    what->addWidget(firstSeed_);
    what->addStretch();
    what->addWidget(start_);
    return what;
}

// The requirements, when to stop, and beside them the explanation of the last search.
QWidget* FairWorldDialog::CreateSearchBox() {
    auto* box = new QGroupBox(tr("&Requirements"), this);
    box->setObjectName(QStringLiteral("Search"));
    requirements_ = new RequirementRows(box);
    stopAfter_ = new QSpinBox(box);
    stopAfter_->setObjectName(QStringLiteral("StopAfter"));
    stopAfter_->setRange(0, kMaxSeeds);
    stopAfter_->setGroupSeparatorShown(true);
    stopAfter_->setSpecialValueText(tr("no limit"));
    stopAfter_->setSuffix(tr(" matches"));
    stopAfter_->setToolTip(tr("The search ends once this many worlds met every requirement."));
    auto* stopLabel = new QLabel(tr("St&op after"), box);
    stopLabel->setBuddy(stopAfter_);
    auto* stopRow = new QHBoxLayout;
    stopRow->addWidget(stopLabel);
    stopRow->addWidget(stopAfter_);
    stopRow->addStretch();
    auto* rows = new QVBoxLayout;
    rows->addWidget(requirements_);
    rows->addLayout(stopRow);
    rows->addStretch();

    // The same lines as `tq3gen sweep` ends with, in a fixed-pitch font so its columns align.
    explanation_ = new QLabel(box);
    explanation_->setObjectName(QStringLiteral("Explanation"));
    explanation_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    explanation_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    explanation_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanation_->hide();
    searchLayout_ = new QBoxLayout(QBoxLayout::LeftToRight, box);
    searchLayout_->addLayout(rows);
    searchLayout_->addWidget(explanation_, 1);
    return box;
}

// "Keep this world, vary: [step]": a sweep of one step of the selected world.
QHBoxLayout* FairWorldDialog::CreateVaryRow() {
    varyStep_ = new QComboBox(this);
    varyStep_->setObjectName(QStringLiteral("VaryStep"));
    for (const DrawStepName& n : DrawStepNames) {
        varyStep_->addItem(QString::fromLatin1(n.name), static_cast<int>(n.step));
        varyStep_->setItemData(varyStep_->count() - 1, QString::fromLatin1(n.layers),
                               Qt::ToolTipRole);
    }
    varyStep_->setCurrentIndex(static_cast<int>(DrawStep::Placement));
    vary_ = new QPushButton(tr("Swee&p this step"), this);
    vary_->setObjectName(QStringLiteral("SweepStep"));
    vary_->setAutoDefault(false);
    vary_->setEnabled(false);
    vary_->setToolTip(
        tr("Keeps the selected world and draws only this step again, from each "
           "of the seeds asked for."));
    auto* label = new QLabel(tr("Keep this world, &vary:"), this);
    label->setBuddy(varyStep_);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(varyStep_);
    row->addWidget(vary_);
    row->addStretch();
    return row;
}

// The table beside the chart and the map, the user moving the line between them; or the
// three as tabs (Arrange).
QWidget* FairWorldDialog::CreateViews() {
    chart_ = new FairnessChart(this);
    CreateTable();
    map_ = new QLabel(this);
    map_->setObjectName(QStringLiteral("SelectedMap"));
    map_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    map_->setMinimumSize(kMapPreviewMinWidth,
                         kMapPreviewMinWidth * MapPictureHeight / MapPictureWidth);
    map_->setWordWrap(true);
    map_->setText(tr("Select a world to see its political map."));
    // The map is drawn again at the size it is given, side by side or as a tab.
    map_->installEventFilter(this);
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
    auto* views = new QWidget(this);
    views->setMinimumHeight(kViewsMinHeight);
    auto* layout = new QVBoxLayout(views);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sideBySide_);
    layout->addWidget(tabs_);
    return views;
}

// The fairest worlds, sortable by any measure.
void FairWorldDialog::CreateTable() {
    table_ = new QTableWidget(0, MajorsColumn + 1, this);
    table_->setObjectName(QStringLiteral("BestWorlds"));
    // Two-word headings on two lines: the columns are as narrow as their numbers.
    table_->setHorizontalHeaderLabels({tr("Seed"), tr("Fairness"), tr("Income\nspread"),
                                       tr("Native\nland"), tr("Closest\ncapitals"), tr("Room"),
                                       tr("Coastal\nmajors"), tr("Majors (strength)")});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The arrow keys move between worlds; Tab goes on to the next control.
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    // Rows as tall as a line of text; every column as wide as its widest cell, the last too.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() +
                                                    2 * kRowPadding);
    table_->horizontalHeader()->setStretchLastSection(false);
    table_->horizontalHeader()->setTextElideMode(Qt::ElideNone);
    // Sortable first: each column is then as wide as its heading with the sort arrow.
    table_->setSortingEnabled(true);
    table_->sortByColumn(FairnessColumn, Qt::DescendingOrder);
    table_->resizeColumnsToContents();
    table_->setMinimumWidth(kTableMinWidth);
    table_->setWordWrap(false);
}

FairWorldDialog::FairWorldDialog(const World& world, Dialogs& dialogs,
                                 std::function<void(uint64_t, const Rerolls&)> generate,
                                 QWidget* parent)
    : QDialog(parent), world_(world), dialogs_(dialogs), generate_(std::move(generate)) {
    setObjectName(QStringLiteral("FairWorldDialog"));
    setWindowTitle(tr("Find a fair world"));
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("SweepProgress"));
    status_ = new QLabel(tr("Each world is drawn with the window's settings and measured; "
                            "nothing is written."),
                         this);
    status_->setObjectName(QStringLiteral("SweepStatus"));
    status_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    generateButton_ = buttons->addButton(tr("&Generate this world"), QDialogButtonBox::AcceptRole);
    generateButton_->setObjectName(QStringLiteral("GenerateThisWorld"));
    generateButton_->setEnabled(false);
    cancel_ = buttons->addButton(QDialogButtonBox::Close);
    cancel_->setObjectName(QStringLiteral("CancelSweep"));

    // Everything but the buttons in a body that scrolls when the dialog is too small for it.
    auto* body = new QWidget(this);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->addLayout(CreateSweepRow());
    bodyLayout->addWidget(CreateSearchBox());
    // The progress of a sweep beside what it says, to leave the rows their height.
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(status_, 1);
    progressRow->addWidget(progress_);
    bodyLayout->addLayout(progressRow);
    bodyLayout->addWidget(CreateViews(), 1);
    bodyLayout->addLayout(CreateVaryRow());
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("Body"));
    scroll_->setWidget(body);
    scroll_->setWidgetResizable(true);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    FollowFocus(scroll_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll_, 1);
    layout->addWidget(buttons);

    timer_ = new QTimer(this);
    timer_->setInterval(kDrainMilliseconds);
    connect(timer_, &QTimer::timeout, this, [this] { TakeRows(); });
    connect(start_, &QPushButton::clicked, this, [this] { Start(); });
    connect(vary_, &QPushButton::clicked, this, [this] { Vary(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
    connect(table_, &QTableWidget::itemSelectionChanged, this, [this] { ShowSelected(); });
    connect(requirements_, &RequirementRows::RowsChanged, this, [this] {
        OrderTabs();
        Arrange();
    });
    connect(generateButton_, &QPushButton::clicked, this, [this] {
        const std::optional<ChosenWorld> chosen = SelectedWorld();
        if (!chosen) return;
        // A world whose rerolls the window's mode does not draw stays listed, the dialog open.
        if (const std::string problem = RerollProblem(
                chosen->rerolls, world_.Settings.GeneratorMode, RerollAudience::Window);
            !problem.empty()) {
            dialogs_.Error(problem);
            return;
        }
        Cancel();
        accept();
        if (generate_) generate_(chosen->seed, chosen->rerolls);
    });
    chart_->SetCounts(std::vector<uint64_t>(kHistogramBins));
    OrderTabs();
    FitDialogToScreen(this, QSize(kDialogWidth, kDialogHeight));
}

FairWorldDialog::~FairWorldDialog() {
    Cancel();
}

bool FairWorldDialog::Start() {
    return Begin(std::nullopt);
}

bool FairWorldDialog::Vary() {
    const std::optional<ChosenWorld> chosen = SelectedWorld();
    if (!chosen || Running()) return false;
    const auto step = static_cast<DrawStep>(varyStep_->currentData().toInt());
    return Begin(SweepVariation{chosen->seed, chosen->rerolls, step});
}

bool FairWorldDialog::Begin(std::optional<SweepVariation> variation) {
    if (Running()) return false;
    if (SeedSweep::Check(world_, dialogs_).refused) return false;
    // Before the table empties, which takes Sweep this step's selected world away.
    QWidget* focused = focusWidget();
    beganBy_ = focused == start_ || focused == vary_ ? focused : nullptr;
    sweep_ = std::make_unique<SeedSweep>(world_, variation);
    variation_ = std::move(variation);
    tally_ = std::make_unique<RequirementTally>(requirements_->Requirements(),
                                                static_cast<uint64_t>(stopAfter_->value()));
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
    // The seeds of a varied sweep are the seeds of its step.
    QString seedHeading = tr("Seed");
    if (variation_) {
        seedHeading = QString::fromLatin1(NameOf(variation_->step)) + tr("\nseed");
        seedHeading[0] = seedHeading[0].toUpper();
    }
    table_->horizontalHeaderItem(SeedColumn)->setText(seedHeading);
    map_->setPixmap({});
    map_->setText(tr("Select a world to see its political map."));
    progress_->setRange(0, static_cast<int>(total_));
    progress_->setValue(0);
    SetSearching(true);
    focusWhileRunning_ = focusWidget();
    status_->setText(tr("Measuring..."));
    ShowExplanation();

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

// While a sweep runs, what it sweeps cannot change; Close becomes Cancel.
void FairWorldDialog::SetSearching(bool searching) {
    for (QWidget* control :
         {static_cast<QWidget*>(start_), static_cast<QWidget*>(seedCount_),
          static_cast<QWidget*>(firstSeed_), static_cast<QWidget*>(requirements_),
          static_cast<QWidget*>(stopAfter_), static_cast<QWidget*>(varyStep_)})
        control->setEnabled(!searching);
    const bool selected = !table_->selectedItems().isEmpty();
    generateButton_->setEnabled(!searching && selected);
    vary_->setEnabled(!searching && selected);
    cancel_->setText(searching ? tr("&Cancel") : tr("&Close"));
}

void FairWorldDialog::Cancel() {
    if (!Running()) return;
    stop_.store(true);
    worker_.join();
    Finish();
}

void FairWorldDialog::WaitUntilDone() {
    // The rows are taken meanwhile: enough matches stop the sweep.
    while (Running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kDrainMilliseconds));
        TakeRows();
    }
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
    // Each world is counted against the requirements; rows measured ahead of the world that
    // ended the search do not count.
    std::size_t taken = 0;
    for (const SweepRow& row : rows) {
        if (tally_->Enough()) break;
        if (tally_->Offer(row.balance)) best_.Offer(row);
        histogram_.Add(row.balance.fairness);
        ++taken;
    }
    if (tally_->Enough()) stop_.store(true);
    measured_ += taken;
    if (taken > 0) {
        progress_->setValue(static_cast<int>(measured_));
        chart_->SetCounts(histogram_.Counts());
        tableStale_ = true;
    }
    // The table and the explanation follow the sweep a few times a second.
    if (tableStale_ && sinceFill_.elapsed() >= kTableRefreshMilliseconds) {
        FillTable();
        ShowExplanation();
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
    ShowExplanation();
    status_->setText(FinishedText());
    if (table_->rowCount() > 0 && table_->selectedItems().isEmpty()) SelectRow(0);
    // A world selected while the sweep ran can be generated now.
    SetSearching(false);
    // The keyboard goes back to Start or Sweep this step, not on to Close.
    if (beganBy_ && beganBy_->isEnabled() && focusWidget() == focusWhileRunning_) {
        window()->setAttribute(Qt::WA_KeyboardFocusChange);
        beganBy_->setFocus(Qt::TabFocusReason);
    }
    beganBy_ = nullptr;
}

// What the sweep measured, what ended it, and which worlds the table lists.
QString FairWorldDialog::FinishedText() const {
    QString text;
    if (variation_) {
        QString world = QString::number(variation_->seed);
        for (const Reroll& r : variation_->rerolls)
            world += QStringLiteral(", ") + QString::fromStdString(RerollText(r));
        text = tr("The world of seed %1 with its %2 drawn from each seed: ")
                   .arg(world, QString::fromLatin1(NameOf(variation_->step)));
    }
    if (tally_->Enough())
        return text + tr("Stopped after %L1 matching worlds, of %L2 measured.")
                          .arg(tally_->MetAll())
                          .arg(measured_);
    if (measured_ < total_)
        return text + tr("Stopped after %L1 of %L2 worlds.").arg(measured_).arg(total_);
    if (tally_->Requirements().empty())
        return text + tr("%L1 worlds measured, the fairest first.").arg(measured_);
    return text + tr("%L1 worlds measured; the %L2 that met every requirement are listed, "
                     "the fairest first.")
                      .arg(measured_)
                      .arg(tally_->MetAll());
}

// The search's explanation, from the first world of a search with requirements on.
void FairWorldDialog::ShowExplanation() {
    const bool shown = tally_ && !tally_->Requirements().empty();
    explanation_->setVisible(shown);
    explanation_->setText(shown ? QString::fromStdString(ExplainSearch(*tally_)).trimmed()
                                : QString());
    // Beside the requirements or under them, as its width allows.
    Arrange();
}

QString FairWorldDialog::Explanation() const {
    return explanation_->text();
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
        table_->setItem(r, RoomColumn, new NumberItem(QString::number(b.room), b.room));
        table_->setItem(r, CoastalColumn,
                        new NumberItem(QString::number(b.coastalMajors), b.coastalMajors));
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

std::optional<FairWorldDialog::ChosenWorld> FairWorldDialog::SelectedWorld() const {
    bool found = false;
    const uint64_t seed = SelectedSeed(&found);
    if (!found) return std::nullopt;
    if (!variation_) return ChosenWorld{seed, {}};
    // A varied sweep's seed draws its step in the kept world.
    ChosenWorld world{variation_->seed, variation_->rerolls};
    SetReroll(world.rerolls, {variation_->step, seed});
    return world;
}

void FairWorldDialog::ShowSelected() {
    bool found = false;
    const uint64_t seed = SelectedSeed(&found);
    generateButton_->setEnabled(found && !Running());
    vary_->setEnabled(found && !Running());
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

void FairWorldDialog::OfferSteps() {
    auto* steps = static_cast<QStandardItemModel*>(varyStep_->model());
    for (int i = 0; i < varyStep_->count(); ++i) {
        const Reroll probe{static_cast<DrawStep>(varyStep_->itemData(i).toInt()), 0};
        steps->item(i)->setEnabled(RerollProblem({probe}, world_.Settings.GeneratorMode).empty());
    }
    // A step the mode does not draw gives way to the last one it does.
    if (!steps->item(varyStep_->currentIndex())->isEnabled())
        for (int i = varyStep_->count() - 1; i >= 0; --i)
            if (steps->item(i)->isEnabled()) {
                varyStep_->setCurrentIndex(i);
                break;
            }
}

void FairWorldDialog::OrderTabs() {
    std::vector<QWidget*> order = ReadingOrder(scroll_->widget());
    // The table stands in the splitter or in a tab, which no layout holds.
    const auto views = std::find(order.begin(), order.end(), tabs_);
    order.insert(views == order.end() ? views : views + 1, table_);
    order.push_back(generateButton_);
    order.push_back(cancel_);
    ChainTabOrder(order);
}

int FairWorldDialog::BodyRoom() const {
    const QMargins dialog = layout()->contentsMargins();
    const QMargins body = scroll_->widget()->layout()->contentsMargins();
    return width() - dialog.left() - dialog.right() - body.left() - body.right() -
           scroll_->verticalScrollBar()->sizeHint().width();
}

void FairWorldDialog::Arrange() {
    const bool tabbed = BodyRoom() < TableWidth() + kSideMinWidth;
    ArrangeViews(tabbed);
    // The explanation beside the requirements where the body is then no wider than the
    // dialog, else under them.
    const QMargins box = searchLayout_->parentWidget()->contentsMargins();
    const QMargins inside = searchLayout_->contentsMargins();
    const int besideWidth = box.left() + inside.left() + requirements_->minimumSizeHint().width() +
                            searchLayout_->spacing() + explanation_->sizeHint().width() +
                            inside.right() + box.right();
    searchLayout_->setDirection(besideWidth <= BodyRoom() ? QBoxLayout::LeftToRight
                                                          : QBoxLayout::TopToBottom);
}

void FairWorldDialog::ArrangeViews(bool tabbed) {
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
    OrderTabs();
}

void FairWorldDialog::showEvent(QShowEvent* event) {
    // The window's generator mode may have changed since the dialog was last open.
    OfferSteps();
    QDialog::showEvent(event);
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
