#pragma once

#include <QFrame>
#include <array>
#include <functional>

#include "mapeditor/MapDocument.h"

class QLabel;
class QToolButton;

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

// The province info bar (ControlBarProvInfo) floating over the map: the values of the
// province last picked, shown again whenever the document changes. It collapses to its show
// button (SpeedButtonShowInfo) and expands back (SpeedButtonHideInfo).
class ProvinceInfoBar : public QFrame {
    Q_OBJECT
  public:
    ProvinceInfoBar(const MapDocument& document, QWidget* parent);

    // Shows province p; nothing for 0 or a number off the map (the bar keeps its content).
    void Show(int p);
    // Empties every value.
    void Clear();
    QLabel* Value(InfoField field) const { return values_[static_cast<std::size_t>(field)]; }

    bool Collapsed() const { return collapsed_; }
    void SetCollapsed(bool collapsed);
    // The bar expanded, sized to its font.
    QSize ExpandedSize() const { return expandedSize_; }
    // After the bar collapsed or expanded: the window places it again.
    std::function<void()> onCollapse;

  private:
    void CreateValues(QWidget* panel);

    const MapDocument& document_;
    std::array<QLabel*, InfoFieldCount> values_{};
    QWidget* panel19_ = nullptr;
    QToolButton* hide_ = nullptr;
    QToolButton* show_ = nullptr;
    QSize expandedSize_;
    bool collapsed_ = false;
    int province_ = 0;  // the province shown
};

}  // namespace tq3
