#include "cli/RenderCommand.h"

#include <filesystem>
#include <iostream>
#include <memory>

#include "base/GamePath.h"
#include "base/Platform.h"
#include "cli/CliDialogs.h"
#include "cli/Commands.h"
#include "cli/GameCommand.h"
#include "engine/RunChecks.h"
#include "render/LayerExport.h"
#include "render/PngFile.h"
#include "session/RunInputs.h"

namespace tq3 {

namespace {
constexpr const char* AllLayersName = "all";
constexpr const char* PngExtension = ".png";

struct RenderOptions {
    std::string gameDir;
    std::string layer;  // a layer name, or "all"
    std::string out;    // the PNG to write; with "all", one file per layer named from it
    bool strict = false;
};

// Loads the world as the window would show it and writes the layer (adjacency lines, then the
// layer's marks) as PNG. A configuration that a run would refuse draws nothing.
int RunRender(const RenderOptions& options) {
    GameCommand command;
    // The full load of the window's first activation: settings, template, adjacency, nations.
    if (!command.Open(options.gameDir, true) || !command.Load(false)) return 1;
    const World& world = *command.world;
    ReportingDialogs& dialogs = command.dialogs;
    if (CheckRunInputs(world, dialogs).refused || CheckRunSettings(world, dialogs).refused)
        return 1;

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
        const ExportReport exported = WriteLayerPng(world, layer, path);
        for (const FileFailure& f : exported.failed) dialogs.Error(f.reason);
        for (const std::string& written : exported.written)
            std::cout << "Wrote " << AbsolutePath(written) << "\n";
        command.report.Add(exported);
    }
    std::cout << std::flush;
    return ExitStatus(command.report, options.strict);
}
}  // namespace

std::string LayerFileName(const std::string& out, const std::string& layer) {
    std::filesystem::path path = PathOf(out);
    std::string extension = NameOf(path.extension());
    if (extension.empty()) extension = PngExtension;
    path.replace_extension();
    path += PathOf("-" + layer + extension);
    return NameOf(path);
}

Command AddRenderCommand(CLI::App& app) {
    auto options = std::make_shared<RenderOptions>();
    CLI::App* command = app.add_subcommand(
        "render", "Draw the world as loaded, as the map window shows it, into a PNG file.");
    AddGameDirOption(*command, options->gameDir, "Config/, DB/ and Scenarios/");
    command
        ->add_option("--layer", options->layer,
                     "Layer to draw: terrain, climate, goods, religion, political, or all (one "
                     "file per layer, named FILE-terrain.png and so on).")
        ->required()
        ->check(CLI::IsMember({"terrain", "climate", "goods", "religion", "political", "all"}));
    command->add_option("--out", options->out, "The PNG file to write.")->required();
    command->add_flag(
        "--strict", options->strict,
        "Fail (exit status 1) on notes too, such as a problem the load works around.");
    return {command, [options] { return RunRender(*options); }};
}

}  // namespace tq3
