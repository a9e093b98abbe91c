#pragma once

#include <QStringList>
#include <QWidget>

namespace tq3 {

class TrackBar;

// A row of names under a slider, one for each of its stops, each standing centred under the
// handle's place at that stop (the outermost ones kept inside the row).
class StopLabels : public QWidget {
  public:
    StopLabels(const char* name, TrackBar* slider, QStringList names, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The slider wide enough for every name to stand apart from its neighbours.
    int SliderMinimumWidth() const;

    // The rectangle of the name of stop `index`.
    QRect NameRect(int index) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TrackBar* slider_;
    QStringList names_;
};

}  // namespace tq3
