#include "app/FairnessChart.h"

#include <QPainter>

#include <algorithm>

namespace tq3 {

namespace {
constexpr int kMargin = 6;
constexpr int kPreferredWidth = 420;
constexpr int kPreferredHeight = 150;
constexpr int kTicks = 4;  // 0, 0.25, 0.5, 0.75, 1
constexpr int kTickLength = 3;
}  // namespace

FairnessChart::FairnessChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FairnessChart"));
    setMinimumHeight(kPreferredHeight * 2 / 5);  // room for the title, a plot and the ticks
}

void FairnessChart::SetCounts(std::vector<uint64_t> counts) {
    counts_ = std::move(counts);
    update();
}

void FairnessChart::SetMarker(std::optional<double> fairness) {
    marker_ = fairness;
    update();
}

QSize FairnessChart::sizeHint() const {
    return {kPreferredWidth, kPreferredHeight};
}

void FairnessChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = fontMetrics();
    const int labelHeight = metrics.height();
    uint64_t total = 0, highest = 0;
    for (uint64_t c : counts_) {
        total += c;
        highest = std::max(highest, c);
    }
    // The counts stand left of the plot, as wide as the highest of them.
    const QString highestLabel = QString::number(highest);
    const int countsWidth = metrics.horizontalAdvance(highestLabel) + kTickLength;
    // Below the title, half a line of room for the top count.
    const int top = kMargin + labelHeight * 3 / 2;
    const QRect plot(kMargin + countsWidth, top, width() - 2 * kMargin - countsWidth,
                     height() - top - kMargin - labelHeight);
    if (plot.width() <= 0 || plot.height() <= 0) return;

    // Title, axes and their ticks.
    painter.setPen(palette().text().color());
    // The title, cut with an ellipsis when the chart is narrow.
    const QString title = tr("Fairness of %L1 worlds (weakest major / strongest)").arg(total);
    painter.drawText(QRect(kMargin, kMargin, width() - 2 * kMargin, labelHeight), Qt::AlignLeft,
                     metrics.elidedText(title, Qt::ElideRight, width() - 2 * kMargin));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (int t = 0; t <= kTicks; ++t) {
        const int x = plot.left() + plot.width() * t / kTicks;
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + kTickLength);
        const QString label = QString::number(static_cast<double>(t) / kTicks, 'g', 2);
        const int w = metrics.horizontalAdvance(label);
        const int left = std::clamp(x - w / 2, 0, width() - w);
        painter.drawText(QRect(left, plot.bottom() + kTickLength, w, labelHeight), Qt::AlignCenter,
                         label);
    }
    // The vertical axis: none, half and all of the fullest bar's count.
    std::optional<uint64_t> previous;
    for (const uint64_t count : {uint64_t{0}, highest / 2, highest}) {
        if (previous == count) continue;
        previous = count;
        const int y =
            plot.bottom() - (highest > 0 ? static_cast<int>(plot.height() * count / highest) : 0);
        painter.drawLine(plot.left() - kTickLength, y, plot.left(), y);
        const QRect box(kMargin, y - labelHeight / 2, countsWidth - kTickLength, labelHeight);
        painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, QString::number(count));
    }

    // One bar per bin, as tall as its share of the fullest bin.
    if (!counts_.empty() && highest > 0) {
        const double binWidth = static_cast<double>(plot.width()) / counts_.size();
        const QColor bar = palette().highlight().color();
        for (std::size_t b = 0; b < counts_.size(); ++b) {
            const int h =
                static_cast<int>(static_cast<double>(plot.height()) * counts_[b] / highest);
            const int x0 = plot.left() + static_cast<int>(b * binWidth);
            const int x1 = plot.left() + static_cast<int>((b + 1) * binWidth);
            painter.fillRect(QRect(x0 + 1, plot.bottom() - h, std::max(1, x1 - x0 - 1), h), bar);
        }
    }

    if (marker_) {
        const int x = plot.left() + static_cast<int>(std::clamp(*marker_, 0.0, 1.0) * plot.width());
        painter.setPen(QPen(Qt::red, 2));
        painter.drawLine(x, plot.top(), x, plot.bottom());
    }
}

}  // namespace tq3
