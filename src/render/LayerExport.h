#pragma once

#include <string>
#include <vector>

#include "base/OperationReport.h"
#include "engine/World.h"
#include "render/LayerColours.h"

namespace tq3 {

// What an export wrote, and each file that failed with the reason (naming the file).
using ExportReport = OperationReport;

// Writes one layer as the window shows it (adjacency lines, then the layer's marks) to a PNG.
ExportReport WriteLayerPng(const World& world, MapLayer layer, const std::string& path);

// Writes the five layers and the minimap into `folder` (created when missing): terrain.png,
// climate.png, goods.png, religion.png, political.png and minimap.png, the minimap as the
// window first shows it, with the terrain layer.
ExportReport WriteLayerPngs(const World& world, const std::string& folder);

}  // namespace tq3
