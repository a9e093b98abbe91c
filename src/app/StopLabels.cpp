#include "app/StopLabels.h"

#include <QPainter>
#include <algorithm>

#include "app/Controls.h"

namespace tq3 {

namespace {
// Blank between two neighbouring names, in widths of "x".
constexpr int kGapInX = 2;
}  // namespace

StopLabels::StopLabels(const char* name, TrackBar* slider, QStringList names, QWidget* parent)
    : QWidget(parent), slider_(slider), names_(std::move(names)) {
    setObjectName(QString::fromLatin1(name));
    setAccessibleName(names_.join(QLatin1Char(' ')));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize StopLabels::sizeHint() const {
    return {SliderMinimumWidth(), fontMetrics().height()};
}

int StopLabels::SliderMinimumWidth() const {
    int widest = 0;
    for (const QString& text : names_)
        widest = std::max(widest, fontMetrics().horizontalAdvance(text));
    const int gap = fontMetrics().horizontalAdvance(QLatin1Char('x')) * kGapInX;
    return static_cast<int>(names_.size()) * (widest + gap);
}

QRect StopLabels::NameRect(int index) const {
    const int width = fontMetrics().horizontalAdvance(names_[index]);
    // The handle's middle at this stop, carried over from the slider to this row.
    const QPoint stop(slider_->StopX(slider_->minimum() + index), 0);
    const int centre = mapFrom(window(), slider_->mapTo(window(), stop)).x();
    const int left = std::clamp(centre - width / 2, 0, std::max(0, this->width() - width));
    return {left, 0, width, height()};
}

void StopLabels::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (int k = 0; k < names_.size(); ++k)
        painter.drawText(NameRect(k), Qt::AlignCenter, names_[k]);
}

}  // namespace tq3
