#pragma once

#include <string>

namespace tq3 {

struct RenderOptions {
    std::string gameDir;
    std::string layer;  // a layer name, or "all"
    std::string out;    // the PNG to write; with "all", one file per layer named from it
};

// Loads the world as the window would show it and writes the layer (adjacency lines, then the
// layer's marks) as PNG. 0 when everything was written, 1 when an error was reported.
int RunRender(const RenderOptions& options);

// With "all": FILE.png gives FILE-terrain.png, FILE-climate.png and so on.
std::string LayerFileName(const std::string& out, const std::string& layer);

}  // namespace tq3
