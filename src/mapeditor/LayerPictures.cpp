#include "mapeditor/LayerPictures.h"

namespace tq3 {

LayerPictures::LayerPictures(const MapDocument& document, QObject* parent)
    : QObject(parent), document_(document) {
    pictures_.map = NewMapPicture();
    pictures_.minimap = NewMinimap();
    connect(&document, &MapDocument::changed, this, &LayerPictures::Follow);
}

void LayerPictures::DrawLines() {
    DrawAdjacencyLines(document_.Model(), pictures_.map);
    emit redrawn();
}

void LayerPictures::ShowLayer(MapLayer layer) {
    layer_ = layer;
    DrawLayer(document_.Model(), layer_, pictures_.map, pictures_.minimap);
    emit redrawn();
}

void LayerPictures::Follow(const MapChange& change) {
    if (change.replayed || change.nations) {
        ShowLayer(layer_);
        return;
    }
    for (int p : change.provinces)
        RedrawProvince(document_.Model(), layer_, p, pictures_.map, pictures_.minimap);
    emit redrawn();
}

}  // namespace tq3
