#include "Vocabulary.h"

const std::array<const char*, 20> kGoodsNames = {
    "Clothes", "Coffee", "Cotton",  "Fish",    "Furs",   "Gold", "Grain",
    "Ivory",   "Iron",   "Mineral", "Navs",    "Orient", "Salt", "Slaves",
    "Spices",  "Sugar",  "Tea",     "Tobbaco", "Wine",   "Wool"};

const std::array<const char*, 11> kReligNames = {
    "pagan",  "catholic", "protestant", "reformed",     "orthodox",     "sunni",
    "shiite", "buddhism", "hinduism",   "confucianism", "counterreform"};

const std::array<const char*, 5> kTechGroupNames = {"occidental", "boreal", "crescent", "oriental",
                                                    "tribal"};

const std::array<const char*, 5> kContinentNames = {"Europe", "Asia", "Africa", "America",
                                                    "Oceania"};

const std::array<NamedColour, 23> kColours = {{
    {"red", 200, 30, 30},     {"darkred", 120, 20, 20},  {"orange", 235, 140, 30},
    {"gold", 220, 180, 40},   {"yellow", 240, 230, 80},  {"olive", 130, 130, 40},
    {"lime", 150, 220, 60},   {"green", 40, 160, 60},    {"darkgreen", 20, 90, 40},
    {"teal", 30, 130, 130},   {"cyan", 60, 200, 210},    {"skyblue", 120, 180, 235},
    {"blue", 40, 70, 200},    {"navy", 20, 30, 110},     {"indigo", 70, 40, 140},
    {"purple", 130, 50, 150}, {"violet", 190, 120, 220}, {"pink", 235, 150, 180},
    {"brown", 130, 80, 40},   {"tan", 200, 170, 120},    {"grey", 140, 140, 140},
    {"white", 240, 240, 240}, {"black", 30, 30, 30},
}};

namespace {

GoodsTables BuildGoods() {
    GoodsTables t{};
    //        Clo Cof Cot Fis Fur Gol Gra Ivo Iro Min Nav Ori Sal Sla Spi Sug Tea Tob Win Woo
    t.prob = {40, 40, 50, 50, 50, 20, 120, 30, 50, 40, 40, 30, 40, 30, 40, 50, 30, 40, 50, 60};
    t.coastal = {100, 110, 100, 300, 90,  90,  100, 110, 90,  90,
                 140, 120, 160, 140, 130, 130, 100, 110, 100, 100};
    t.inland = {100, 90, 100, 0,  110, 120, 110, 90, 120, 120,
                80,  90, 80,  70, 80,  80,  100, 90, 100, 120};
    t.values = {12, 10, 6, 4, 7, 15, 3, 12, 6, 5, 6, 14, 5, 8, 18, 10, 11, 9, 8, 5};
    t.mine = {0, 0, 0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    t.tradePost = {0, 1, 1, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 1, 1, 1, 0, 0};
    t.slaves = {0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 1, 0, 0};
    // By climate: tundra, tropical dry, calm dry, calm wet, tropical wet, calm, tropical hot,
    // calm cold, patagonia.
    const int climate[20][9] = {
        {30, 60, 100, 130, 40, 140, 60, 80, 60},    {0, 120, 0, 0, 250, 0, 200, 0, 0},
        {0, 200, 120, 40, 120, 60, 180, 0, 20},     {150, 80, 100, 120, 90, 110, 90, 140, 150},
        {400, 0, 40, 80, 0, 60, 0, 300, 250},       {80, 150, 120, 80, 120, 80, 130, 90, 120},
        {10, 40, 120, 150, 60, 170, 70, 80, 90},    {0, 200, 0, 0, 200, 0, 250, 0, 0},
        {120, 80, 110, 110, 70, 120, 70, 130, 110}, {120, 100, 120, 100, 80, 100, 90, 110, 120},
        {60, 0, 40, 200, 120, 150, 60, 220, 60},    {0, 150, 100, 40, 120, 60, 150, 0, 0},
        {60, 200, 150, 80, 60, 100, 120, 60, 100},  {0, 150, 0, 0, 200, 20, 180, 0, 0},
        {0, 80, 0, 0, 300, 0, 250, 0, 0},           {0, 100, 0, 30, 250, 20, 250, 0, 0},
        {0, 60, 60, 150, 150, 80, 120, 0, 0},       {0, 120, 60, 100, 150, 120, 150, 0, 0},
        {0, 40, 200, 80, 0, 150, 30, 0, 80},        {60, 60, 200, 120, 0, 120, 40, 120, 300}};
    // By terrain: plains, forest, mountain, desert, marsh.
    const int terrain[20][5] = {
        {130, 70, 60, 40, 50},   {60, 100, 200, 20, 60},  {160, 50, 30, 80, 60},
        {100, 80, 60, 60, 150},  {40, 300, 120, 20, 120}, {40, 60, 350, 150, 20},
        {200, 50, 40, 10, 40},   {150, 80, 20, 50, 60},   {40, 80, 350, 60, 20},
        {30, 40, 300, 150, 30},  {20, 300, 80, 0, 40},    {100, 60, 80, 200, 60},
        {80, 30, 100, 350, 150}, {120, 100, 60, 60, 100}, {80, 200, 60, 20, 150},
        {120, 80, 20, 20, 200},  {60, 100, 200, 10, 60},  {150, 80, 40, 20, 100},
        {100, 40, 150, 10, 10},  {150, 40, 150, 60, 20}};
    // By continent: America, Europe, Asia, Oceania, Africa.
    const int continent[20][5] = {
        {30, 250, 120, 20, 30},   {120, 0, 80, 60, 200},  {130, 30, 150, 60, 120},
        {100, 110, 100, 120, 90}, {180, 80, 100, 40, 30}, {200, 40, 80, 100, 150},
        {80, 150, 110, 80, 80},   {0, 0, 80, 0, 300},     {70, 150, 100, 60, 70},
        {80, 120, 110, 100, 80},  {120, 120, 80, 80, 50}, {0, 0, 300, 0, 20},
        {80, 100, 110, 80, 120},  {30, 0, 40, 30, 300},   {40, 0, 200, 250, 80},
        {250, 0, 60, 100, 100},   {0, 0, 300, 0, 20},     {300, 20, 50, 60, 40},
        {40, 250, 60, 60, 40},    {80, 150, 120, 200, 60}};
    for (int g = 0; g < 20; ++g) {
        for (int c = 0; c < 9; ++c) t.climate[c][g] = climate[g][c];
        for (int k = 0; k < 5; ++k) t.terrain[k][g] = terrain[g][k];
        for (int k = 0; k < 5; ++k) t.continent[k][g] = continent[g][k];
    }
    return t;
}

}  // namespace

const GoodsTables& Goods() {
    static const GoodsTables tables = BuildGoods();
    return tables;
}

int GoodsCode(const std::string& name) {
    for (int g = 0; g < 20; ++g)
        if (name == kGoodsNames[g]) return g + 1;
    return 0;
}
