#include "render/LayerExport.h"

#include <filesystem>

#include "base/Platform.h"
#include "render/MapRenderer.h"
#include "render/PngFile.h"

namespace tq3 {

namespace {
// Writes one picture and records the outcome.
void Write(const PixelBuffer& picture, const std::string& path, const std::string& gameFolder,
           ExportReport& report) {
    const PngResult result = WritePng(picture, path, gameFolder);
    if (result)
        report.written.push_back(path);
    else
        report.failed.push_back({path, result.error});
}
}  // namespace

ExportReport WriteLayerPng(const World& world, MapLayer layer, const std::string& path) {
    ExportReport report;
    Write(RenderMap(world, layer).map, path, world.ProgramFolder, report);
    return report;
}

ExportReport WriteLayerPngs(const World& world, const std::string& folder) {
    namespace fs = std::filesystem;
    ExportReport report;
    std::error_code ec;
    fs::create_directories(PathOf(folder), ec);
    if (ec) {
        report.failed.push_back(
            {folder, "Cannot create folder \"" + folder + "\": " + ec.message()});
        return report;
    }
    // The lines are drawn once; each layer is drawn on its own copy of them.
    PixelBuffer lines = NewMapPicture();
    DrawAdjacencyLines(world, lines);
    PixelBuffer firstMinimap;
    for (MapLayer layer : AllLayers) {
        PixelBuffer map = lines;
        PixelBuffer minimap = NewMinimap();
        DrawLayer(world, layer, map, minimap);
        Write(map, NameOf(PathOf(folder) / (std::string(LayerName(layer)) + ".png")),
              world.ProgramFolder, report);
        if (layer == MapLayer::Terrain) firstMinimap = std::move(minimap);
    }
    Write(firstMinimap, NameOf(PathOf(folder) / "minimap.png"), world.ProgramFolder, report);
    return report;
}

}  // namespace tq3
