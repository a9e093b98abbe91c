#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "mapeditor/LayerPictures.h"
#include "mapeditor/model/ProvincePainting.h"
#include "render/PixelBuffer.h"

namespace tq3 {

// The map picture (ImageMap), a view of the document's world: at 100 % on a screen of one
// device pixel per pixel it shows the layer's buffer without copying it; at any other scale it
// shows the world drawn at that scale, only the part exposed. It follows every redraw of the
// pictures. The capital circles and the selection rectangle go over it. Mouse positions are
// handed on in map-picture pixels, whatever the zoom.
class MapView : public QWidget {
    Q_OBJECT
  public:
    // The least zoom: below the smallest zoom step, so that a small window can still fit the
    // whole map into the room its floating bars leave.
    static constexpr double MinZoom = 0.05;
    static constexpr double MaxZoom = 4.0;

    MapView(const LayerPictures& pictures, QWidget* parent);

    double Zoom() const { return zoom_; }
    void SetZoom(double zoom);

    // Map-picture pixel under widget point (x, y).
    QPoint MapPixelOf(QPointF widgetPoint) const;
    // Widget point of the top-left corner of map-picture pixel (x, y).
    QPoint WidgetPointOf(QPoint mapPixel) const;

    // The capital circle of major row n (1..8), in map-picture pixels; hidden when nothing.
    void SetCircle(int row, std::optional<QRect> circle);
    std::optional<QRect> Circle(int row) const { return circles_[row]; }
    void SetCircleColour(int row, QColor colour) { circleColours_[row] = colour; }
    // The selection rectangle (ShapeMultiSelect), in map-picture pixels.
    void SetSelection(const SelectionRect& selection);
    const SelectionRect& Selection() const { return selection_; }

    // Mouse on the map, in map-picture pixels.
    std::function<void(Qt::MouseButton, QPoint)> onPress;
    std::function<void(Qt::MouseButtons, QPoint)> onMove;
    std::function<void(Qt::MouseButton, QPoint)> onRelease;
    // Ctrl + wheel: +1 a step in, -1 a step out, around widget point.
    std::function<void(int, QPointF)> onZoomWheel;

  protected:
    // A capital circle's hint names its major ("Major 3 capital"); elsewhere the map's hint.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QRectF WidgetRectOf(const QRect& mapRect) const;
    void Resize();

    const LayerPictures& pictures_;
    QImage image_;
    // The exposed part drawn at the scale, kept between paints for its memory.
    PixelBuffer zoomed_;
    double zoom_ = 1.0;
    std::array<std::optional<QRect>, 9> circles_{};
    std::array<QColor, 9> circleColours_{};
    SelectionRect selection_;
};

// The minimap (ImageMinimap) with its unfilled frame (ShapeMiniMap) over the part in view; it
// follows every redraw of the pictures.
class MinimapView : public QWidget {
    Q_OBJECT
  public:
    MinimapView(const LayerPictures& pictures, QWidget* parent);
    void SetFrame(QRect frame);
    QRect Frame() const { return frame_; }
    std::function<void(QPoint)> onClick;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    QRect frame_;
};

// A QImage over a pixel buffer's memory: no copy, valid while the buffer keeps its size.
QImage WrapPicture(const PixelBuffer& picture);

}  // namespace tq3
