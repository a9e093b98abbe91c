#include "cli/RenderCommand.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include "base/GamePath.h"
#include "cli/CliDialogs.h"
#include "cli/Commands.h"
#include "config/SettingsFile.h"
#include "render/LayerExport.h"

namespace tq3 {

namespace {
constexpr const char* AllLayersName = "all";
constexpr const char* PngExtension = ".png";
}  // namespace

std::string LayerFileName(const std::string& out, const std::string& layer) {
    std::filesystem::path path(out);
    std::string extension = path.extension().string();
    if (extension.empty()) extension = PngExtension;
    path.replace_extension();
    path += "-" + layer + extension;
    return path.string();
}

int RunRender(const RenderOptions& options) {
    CliDialogs dialogs(std::cerr);
    auto world = std::make_unique<World>();
    world->ProgramFolder = GameFolder(options.gameDir);
    // The full load of the window's first activation: settings, template, adjacency, nations.
    if (!LoadSettings(*world, dialogs, true)) return 1;

    // Each layer as the window shows it: the lines, then the layer's marks on top.
    std::vector<std::pair<MapLayer, std::string>> files;
    if (options.layer == AllLayersName) {
        for (MapLayer layer : AllLayers)
            files.emplace_back(layer, LayerFileName(options.out, LayerName(layer)));
    } else if (const std::optional<MapLayer> layer = LayerFromName(options.layer)) {
        files.emplace_back(*layer, options.out);
    } else {
        dialogs.Error("Unknown layer \"" + options.layer + "\"");
        return 1;
    }
    for (const auto& [layer, path] : files) {
        const ExportReport report = WriteLayerPng(*world, layer, path);
        for (const std::string& error : report.errors) dialogs.Error(error);
        for (const std::string& written : report.written)
            std::cout << "Wrote " << AbsolutePath(written) << "\n";
    }
    std::cout << std::flush;
    return dialogs.errors() > 0 ? 1 : 0;
}

}  // namespace tq3
