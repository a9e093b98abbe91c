#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>
#include <vector>

namespace tq3 {

// A histogram of the fairness of the worlds measured, 0 to 1 from left to right, drawn with
// QPainter, with the counts of worlds up its left side; a line marks the selected world's
// fairness.
class FairnessChart : public QWidget {
    Q_OBJECT

  public:
    explicit FairnessChart(QWidget* parent = nullptr);
    void SetCounts(std::vector<uint64_t> counts);
    void SetMarker(std::optional<double> fairness);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<uint64_t> counts_;
    std::optional<double> marker_;
};

}  // namespace tq3
