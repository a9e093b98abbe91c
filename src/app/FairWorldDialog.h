#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "engine/World.h"
#include "session/Rerolls.h"
#include "session/SeedSweep.h"
#include "session/SweepRanking.h"
#include "session/SweepRequirements.h"

class QBoxLayout;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTableWidget;
class QTimer;
class QVBoxLayout;

namespace tq3 {

class FairnessChart;
class RequirementRows;

// "File > Find a fair world...": sweeps a number of seeds with the window's current settings,
// writing nothing, and shows the fairness of every world measured, the fairest worlds that met
// the user's requirements and the political map of the one selected. The requirements are
// rows of a measure, a comparison and a value; the search may stop after a number of matches,
// and it explains which requirement turned how many worlds away, as `tq3gen sweep` does.
// "Keep this world, vary" sweeps only one step of the selected world, as `sweep --vary`.
// "Generate this world" hands its seed and rerolls to the window's normal run. The workers
// run off the GUI thread; Cancel stops them at once. The window keeps one dialog per game
// folder, so its seeds and results are there when it is opened again. Where the dialog is too
// narrow for the table beside the chart and the map, the three are tabs and the table has the
// whole width; where it is too small for everything, its body scrolls.
class FairWorldDialog : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kDefaultSeeds = 2000;
    static constexpr int kBestShown = 100;

    // `world` is the window's loaded world; `generate` runs the world of a seed with its
    // rerolls as the window's Run does. A configuration a run would refuse is said through
    // `dialogs`.
    FairWorldDialog(const World& world, Dialogs& dialogs,
                    std::function<void(uint64_t, const Rerolls&)> generate,
                    QWidget* parent = nullptr);
    ~FairWorldDialog() override;

    // Starts a sweep of the seeds asked for; false when the configuration is refused.
    bool Start();
    // Starts a sweep that keeps the selected world and draws only the chosen step from each
    // seed asked for; false when no world is selected or the configuration is refused.
    bool Vary();
    void Cancel();
    bool Running() const { return worker_.joinable(); }
    // Waits until the running sweep has ended and shows its results (screenshots, tests).
    void WaitUntilDone();
    // Selects the row of the table (screenshots, tests).
    void SelectRow(int row);

    QSpinBox* SeedCount() const { return seedCount_; }
    QSpinBox* FirstSeed() const { return firstSeed_; }
    QSpinBox* StopAfter() const { return stopAfter_; }
    RequirementRows* Requirements() const { return requirements_; }
    QComboBox* VaryStep() const { return varyStep_; }
    QTableWidget* Table() const { return table_; }
    // The explanation of the last search with requirements, as `tq3gen sweep` prints it.
    QString Explanation() const;
    // Whether the table, the chart and the map are tabs (a narrow dialog).
    bool Tabbed() const { return tabbed_; }

  protected:
    void reject() override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // A world of the table: its seed and the steps drawn again from their own seeds.
    struct ChosenWorld {
        uint64_t seed = 0;
        Rerolls rerolls;
    };
    QHBoxLayout* CreateSweepRow();
    QWidget* CreateSearchBox();
    QHBoxLayout* CreateVaryRow();
    QWidget* CreateViews();
    void CreateTable();
    // Starts the sweep of the seeds asked for, of whole worlds or of one step of a kept world.
    bool Begin(std::optional<SweepVariation> variation);
    void SetSearching(bool searching);
    void TakeRows();
    void Finish();
    QString FinishedText() const;
    void ShowExplanation();
    void FillTable();
    void ShowSelected();
    void DrawSelectedMap();
    uint64_t SelectedSeed(bool* found) const;
    std::optional<ChosenWorld> SelectedWorld() const;
    // Offers only the steps that the window's generator mode draws.
    void OfferSteps();
    // The width the table needs to show every column whole.
    int TableWidth() const;
    // The width the body's controls have, its scroll bar shown.
    int BodyRoom() const;
    // Side by side where the dialog is wide enough for the table and the chart, else tabs;
    // the explanation beside the requirements where both fit.
    void Arrange();
    void ArrangeViews(bool tabbed);
    // Tab goes through the search controls, the views and the buttons in reading order.
    void OrderTabs();

    const World& world_;
    Dialogs& dialogs_;
    std::function<void(uint64_t, const Rerolls&)> generate_;

    QSpinBox* seedCount_;
    QSpinBox* firstSeed_;
    QPushButton* start_;
    RequirementRows* requirements_;
    QSpinBox* stopAfter_;
    QLabel* explanation_;
    QBoxLayout* searchLayout_;
    QComboBox* varyStep_;
    QPushButton* vary_;
    QWidget* search_;
    QScrollArea* scroll_;
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
    // The button that began the sweep, and where the keyboard went when it was disabled: a
    // finished sweep gives the keyboard back to it unless the user moved on meanwhile.
    QPointer<QWidget> beganBy_, focusWhileRunning_;

    std::unique_ptr<SeedSweep> sweep_;
    // The kept world and the varied step of the sweep shown; none: whole worlds.
    std::optional<SweepVariation> variation_;
    std::unique_ptr<RequirementTally> tally_;
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
