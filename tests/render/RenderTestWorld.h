#pragma once

// Small worlds for the renderer: land provinces placed at chosen centre pixels, and helpers
// that show a picture's pixels as text so a failing test prints what it saw.

#include <memory>
#include <string>

#include "engine/World.h"
#include "render/LayerColours.h"
#include "render/PixelBuffer.h"

namespace rendertest {

using namespace tq3;

// Provinces 1..count, all Plains, climate 5, placed nowhere yet.
inline std::unique_ptr<World> LandWorld(int count) {
    auto world = std::make_unique<World>();
    world->Settings.ProvinceCount = static_cast<int16_t>(count);
    for (int p = 1; p <= count; ++p) {
        world->Provinces[p].Terrain = TerrainCode::Plains;
        world->Provinces[p].Climate = 5;
    }
    return world;
}

// Puts province p's centre pixel on the map picture at (x, y).
inline void PlaceAt(World& world, int p, int x, int y) {
    world.Provinces[p].MapX = static_cast<int16_t>(x * 8);
    world.Provinces[p].MapY = static_cast<int16_t>(y * 7);
}

// Neighbour list of p, in order; the list ends at the first 0.
inline void SetNeighbours(World& world, int p, std::initializer_list<int> list) {
    int slot = 1;
    for (int n : list) world.Neighbours[p][slot++] = static_cast<int16_t>(n);
}

// Colour number k of the settings' colour table.
inline void SetTableColour(World& world, int k, int r, int g, int b) {
    world.Settings.ColorRed[k - 1] = static_cast<int16_t>(r);
    world.Settings.ColorGreen[k - 1] = static_cast<int16_t>(g);
    world.Settings.ColorBlue[k - 1] = static_cast<int16_t>(b);
}

// Rows top..top+height-1 of columns left..left+width-1, one character per pixel: '.' white,
// '#' black, 's' silver, 'o' anything else.
inline std::string Grid(const tq3::PixelBuffer& picture, int left, int top, int width, int height) {
    std::string text;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const tq3::Argb c = picture.At(x, y);
            text += c == tq3::White ? '.' : c == tq3::Black ? '#' : c == tq3::Silver ? 's' : 'o';
        }
        text += '\n';
    }
    return text;
}

inline int CountPixels(const tq3::PixelBuffer& picture, tq3::Argb colour) {
    int n = 0;
    for (tq3::Argb c : picture.pixels) n += c == colour ? 1 : 0;
    return n;
}

// Gives the province the code that the layer shows (the owner, for the political layer).
inline void SetLayerCode(TProvince& province, MapLayer layer, int code) {
    const auto c = static_cast<int8_t>(code);
    switch (layer) {
        case MapLayer::Terrain:
            province.Terrain = static_cast<TerrainCode>(c);
            break;
        case MapLayer::Climate:
            province.Climate = c;
            break;
        case MapLayer::Goods:
            province.Goods = c;
            break;
        case MapLayer::Religion:
            province.Religion = c;
            break;
        case MapLayer::Political:
            province.Owner = code;
            break;
    }
}

}  // namespace rendertest
