#pragma once

#include <QFrame>
#include <QScrollArea>
#include <functional>
#include <string>
#include <vector>

#include "engine/World.h"
#include "mapeditor/MapDocument.h"
#include "render/LayerColours.h"

class QLabel;

namespace tq3 {

// One value of a legend bar: its colour square and caption. Pressed (lowered bevel) while it
// is the chosen value of its bar.
class LegendPanel : public QFrame {
    Q_OBJECT
  public:
    LegendPanel(MapLayer layer, int value, const QString& caption, QWidget* parent);
    int Value() const { return value_; }
    void SetPressed(bool pressed);
    bool Pressed() const { return frameShadow() == QFrame::Sunken; }
    std::function<void(int)> onClick;

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int value_;
};

// A legend bar of the bottom strip (PanelTerrain, PanelClimate, PanelGoods, PanelReligion):
// one panel per value of its layer, in two rows.
class LegendBar : public QFrame {
    Q_OBJECT
  public:
    LegendBar(MapLayer layer, QWidget* parent);
    MapLayer Layer() const { return layer_; }
    const std::vector<LegendPanel*>& Panels() const { return panels_; }
    LegendPanel* PanelOf(int value) const;
    // Every panel raised, the panel of value (if any) lowered.
    void PressOnly(int value);
    void RaiseAll() { PressOnly(-1); }
    // A value panel was clicked.
    std::function<void(int)> onSelect;

  private:
    MapLayer layer_;
    std::vector<LegendPanel*> panels_;
};

// The nations legend of the political layer (ScrollBoxNations holding PanelNations): two rows
// of "  TAG: Name" panels in the nations' colours, a view of the document's nations that is
// laid out again when they change. Clicks land on PanelNations.
class NationsLegend : public QScrollArea {
    Q_OBJECT
  public:
    NationsLegend(const MapDocument& document, QWidget* parent);
    // Lays out the loaded nations' panels (at first show).
    void Build();
    QWidget* PanelNations() const { return panelNations_; }
    QLabel* NationPanel(int nation) const { return nationPanels_[nation]; }
    // A click at (x, y) of PanelNations.
    std::function<void(QPoint)> onClick;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const MapDocument& document_;
    QWidget* panelNations_;
    std::vector<QLabel*> nationPanels_;  // [0] unused
    bool built_ = false;
};

}  // namespace tq3
