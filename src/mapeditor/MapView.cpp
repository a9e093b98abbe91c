#include "mapeditor/MapView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "render/ZoomedMap.h"

namespace tq3 {

namespace {
// The least diameter of a capital circle on screen, zoomed out.
constexpr double LeastCircleSize = 9.0;
}  // namespace

QImage WrapPicture(const PixelBuffer& picture) {
    // The buffer holds opaque 0xAARRGGBB values, which is QImage's ARGB32 in memory.
    return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                  picture.height, picture.Stride(), QImage::Format_RGB32);
}

MapView::MapView(const LayerPictures& pictures, QWidget* parent)
    : QWidget(parent), pictures_(pictures), image_(WrapPicture(pictures.Map())) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&pictures, &LayerPictures::redrawn, this, [this] { update(); });
    Resize();
}

void MapView::Resize() {
    setFixedSize(static_cast<int>(std::lround(pictures_.Map().width * zoom_)),
                 static_cast<int>(std::lround(pictures_.Map().height * zoom_)));
    update();
}

bool MapView::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QPoint pixel = MapPixelOf(help->pos());
        for (int row = 1; row < static_cast<int>(circles_.size()); ++row) {
            if (circles_[row] && circles_[row]->contains(pixel)) {
                QToolTip::showText(help->globalPos(), QString("Major %1 capital").arg(row), this);
                return true;
            }
        }
    }
    return QWidget::event(event);
}

void MapView::SetZoom(double zoom) {
    zoom_ = std::clamp(zoom, MinZoom, MaxZoom);
    Resize();
}

QPoint MapView::MapPixelOf(QPointF p) const {
    return {static_cast<int>(std::floor(p.x() / zoom_)),
            static_cast<int>(std::floor(p.y() / zoom_))};
}

QPoint MapView::WidgetPointOf(QPoint mapPixel) const {
    return {static_cast<int>(std::lround(mapPixel.x() * zoom_)),
            static_cast<int>(std::lround(mapPixel.y() * zoom_))};
}

QRectF MapView::WidgetRectOf(const QRect& r) const {
    return {r.left() * zoom_, r.top() * zoom_, r.width() * zoom_, r.height() * zoom_};
}

void MapView::SetCircle(int row, std::optional<QRect> circle) {
    circles_[row] = circle;
    update();
}

void MapView::SetSelection(const SelectionRect& selection) {
    selection_ = selection;
    update();
}

void MapView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    // Device pixels per map-picture pixel: the zoom on a screen scaled by its pixel ratio.
    const double ratio = devicePixelRatioF();
    const double scale = zoom_ * ratio;
    if (scale != 1.0) {
        // The exposed part drawn at the scale, in the device pixels that cover it.
        const int left = static_cast<int>(std::floor(exposed.left() * ratio));
        const int top = static_cast<int>(std::floor(exposed.top() * ratio));
        const int right = static_cast<int>(std::ceil((exposed.right() + 1) * ratio));
        const int bottom = static_cast<int>(std::ceil((exposed.bottom() + 1) * ratio));
        DrawZoomedMap(pictures_.Document().Model(), pictures_.Layer(), scale, ratio,
                      PixelRect{left, top, right - left, bottom - top}, zoomed_);
        QImage part = WrapPicture(zoomed_);
        part.setDevicePixelRatio(ratio);
        painter.drawImage(QPointF(left / ratio, top / ratio), part);
    } else {
        // The buffer itself; only the exposed part.
        const QRectF source(exposed.left() / zoom_, exposed.top() / zoom_, exposed.width() / zoom_,
                            exposed.height() / zoom_);
        painter.fillRect(exposed, Qt::white);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, zoom_ < 1.0);
        painter.drawImage(QRectF(exposed), image_, source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int row = 1; row < static_cast<int>(circles_.size()); ++row) {
        if (!circles_[row]) continue;
        // The circle's outline grows with the zoom, as the map's lines do.
        painter.setPen(QPen(Qt::black, std::max(1.0, zoom_)));
        painter.setBrush(circleColours_[row]);
        // Zoomed out, a circle keeps a size that still shows its colour.
        const QRectF circle = WidgetRectOf(*circles_[row]);
        const double side = std::max(circle.width(), LeastCircleSize);
        painter.drawEllipse(
            QRectF(circle.center() - QPointF(side / 2, side / 2), QSizeF(side, side)));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (selection_.visible) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(WidgetRectOf(
            QRect(selection_.left, selection_.top, selection_.width, selection_.height)));
    }
}

void MapView::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event->button(), MapPixelOf(event->position()));
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(event->buttons(), MapPixelOf(event->position()));
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease) onRelease(event->button(), MapPixelOf(event->position()));
}

void MapView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier) || !onZoomWheel) {
        event->ignore();  // the scroll box scrolls
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta != 0) onZoomWheel(delta > 0 ? 1 : -1, event->position());
    event->accept();
}

MinimapView::MinimapView(const LayerPictures& pictures, QWidget* parent)
    : QWidget(parent), image_(WrapPicture(pictures.Minimap())) {
    setFixedSize(image_.size());
    connect(&pictures, &LayerPictures::redrawn, this, [this] { update(); });
}

void MinimapView::SetFrame(QRect frame) {
    frame_ = frame;
    update();
}

void MinimapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame_.adjusted(0, 0, -1, -1));
}

void MinimapView::mousePressEvent(QMouseEvent* event) {
    if (onClick) onClick(event->position().toPoint());
}

}  // namespace tq3
