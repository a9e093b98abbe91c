#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/World.h"
#include "session/SeedSweep.h"
#include "session/SweepRanking.h"

class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTableWidget;
class QTimer;
class QVBoxLayout;

namespace tq3 {

class FairnessChart;

// "File > Find a fair world...": sweeps a number of seeds with the window's current settings,
// writing nothing, and shows the fairness of every world measured, the fairest worlds and the
// political map of the one selected. "Generate this world" hands its seed to the window's
// normal run. The workers run off the GUI thread; Cancel stops them at once. The window keeps
// one dialog per game folder, so its seeds and results are there when it is opened again.
// Where the dialog is too narrow for the table beside the chart and the map, the three are
// tabs and the table has the whole width.
class FairWorldDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kDefaultSeeds = 2000;
    static constexpr int kBestShown = 100;

    // `world` is the window's loaded world; `generate` runs the world of a seed as the
    // window's Run does. A configuration a run would refuse is said through `dialogs`.
    FairWorldDialog(const World& world, Dialogs& dialogs, std::function<void(uint64_t)> generate,
                    QWidget* parent = nullptr);
    ~FairWorldDialog() override;

    // Starts a sweep of the seeds asked for; false when the configuration is refused.
    bool Start();
    void Cancel();
    bool Running() const { return worker_.joinable(); }
    // Waits until the running sweep has ended and shows its results (screenshots, tests).
    void WaitUntilDone();
    // Selects the row of the table (screenshots, tests).
    void SelectRow(int row);

    QSpinBox* SeedCount() const { return seedCount_; }
    QTableWidget* Table() const { return table_; }
    // Whether the table, the chart and the map are tabs (a narrow dialog).
    bool Tabbed() const { return tabbed_; }

  protected:
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QHBoxLayout* CreateSweepRow();
    void CreateTable();
    void TakeRows();
    void Finish();
    void FillTable();
    void ShowSelected();
    void DrawSelectedMap();
    uint64_t SelectedSeed(bool* found) const;
    // The width the table needs to show every column whole.
    int TableWidth() const;
    // Side by side where the dialog is wide enough for the table and the chart, else tabs.
    void Arrange();

    const World& world_;
    Dialogs& dialogs_;
    std::function<void(uint64_t)> generate_;

    QSpinBox* seedCount_;
    QSpinBox* firstSeed_;
    QPushButton* start_;
    QPushButton* cancel_;
    QPushButton* generateButton_;
    QProgressBar* progress_;
    QLabel* status_;
    FairnessChart* chart_;
    QTableWidget* table_;
    QLabel* map_;
    QTimer* timer_;
    QSplitter* sideBySide_;
    QVBoxLayout* side_;
    QTabWidget* tabs_;
    bool tabbed_ = false;

    std::unique_ptr<SeedSweep> sweep_;
    std::unique_ptr<World> scratch_;
    BestSeeds best_{SweepOrder::Fairness, kBestShown};
    FairnessHistogram histogram_{0};
    uint64_t measured_ = 0, total_ = 0;
    bool tableStale_ = false;
    bool mapShown_ = false;  // scratch_ holds the selected world, drawn in map_
    QElapsedTimer sinceFill_;

    // Filled by the worker thread, emptied by the GUI thread's timer.
    std::thread worker_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::mutex mutex_;
    std::vector<SweepRow> pending_;
};

}  // namespace tq3
