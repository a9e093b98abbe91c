#pragma once

#include <QObject>

#include "mapeditor/MapDocument.h"
#include "render/MapRenderer.h"

namespace tq3 {

// The map picture and the minimap of the layer on screen, kept up to date with the document:
// an edit redraws the marks of the provinces it painted; an undo, a redo or a change of
// owners draws the layer whole again. The map view and the minimap show these buffers.
class LayerPictures : public QObject {
    Q_OBJECT
  public:
    LayerPictures(const MapDocument& document, QObject* parent);

    const MapDocument& Document() const { return document_; }
    const PixelBuffer& Map() const { return pictures_.map; }
    const PixelBuffer& Minimap() const { return pictures_.minimap; }
    MapLayer Layer() const { return layer_; }

    // The lines between neighbours, drawn once before the first layer.
    void DrawLines();
    // Draws the layer whole and makes it the one on screen.
    void ShowLayer(MapLayer layer);

  signals:
    void redrawn();

  private:
    void Follow(const MapChange& change);

    const MapDocument& document_;
    MapPictures pictures_;
    MapLayer layer_ = MapLayer::Terrain;
};

}  // namespace tq3
