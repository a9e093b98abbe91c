#include "ProvinceBlocks.h"

#include <set>

namespace {

enum BlockIndex {
    kEurope,
    kEuropeanSeas,
    kNorthAfrica,
    kSiberiaWest,
    kAsiaWest,
    kSiberiaMiddle,
    kAsiaEast,
    kSiberiaEast,
    kAfrica,
    kAmerica,
    kOceania,
    kIslands,
    kWorldSeas,
};

// Religion codes of the template.
enum {
    Pagan = 1,
    Catholic,
    Protestant,
    Reformed,
    Orthodox,
    Sunni,
    Shiite,
    Budhist,
    Hinduist,
    Confucian
};

std::vector<AreaInfo> BuildAreas() {
    return {
        {"Iberia", "Western Europe", Catholic},
        {"Gaul", "Western Europe", Catholic},
        {"Britannia", "Western Europe", Protestant},
        {"Hibernia", "Western Europe", Catholic},
        {"Low Countries", "Central Europe", Reformed},
        {"Germania", "Central Europe", Protestant},
        {"Alpine", "Central Europe", Catholic},
        {"Italy", "Southern Europe", Catholic},
        {"Mediterranean", "Southern Europe", Catholic},
        {"Scandinavia", "Northern Europe", Protestant},
        {"Finland", "Northern Europe", Protestant},
        {"Baltic", "Northern Europe", Protestant},
        {"Polonia", "Central Europe", Catholic},
        {"Pannonia", "Central Europe", Catholic},
        {"Balkans", "Southeast Europe", Orthodox},
        {"Hellas", "Southeast Europe", Orthodox},
        {"Ukraine", "Eastern Europe", Orthodox},
        {"Russia", "Eastern Europe", Orthodox},
        {"Caucasus", "Near East", Orthodox},
        {"Anatolia", "Near East", Sunni},
        {"Levant", "Near East", Sunni},
        {"Mesopotamia", "Near East", Shiite},
        {"Maghreb", "North Africa", Sunni},
        {"Ifriqiya", "North Africa", Sunni},
        {"Libya", "North Africa", Sunni},
        {"Egypt", "North Africa", Sunni},
        {"Ob Basin", "Siberia", Pagan, true},
        {"Yamal", "Siberia", Pagan, true},
        {"Arabia", "Arabia", Sunni},
        {"Hejaz", "Arabia", Sunni},
        {"Oman", "Arabia", Sunni},
        {"Persia", "Persia", Shiite},
        {"Khorasan", "Persia", Shiite},
        {"Transoxiana", "Turkestan", Sunni},
        {"Kazakh Steppe", "Turkestan", Sunni},
        {"Hindu Kush", "Turkestan", Sunni},
        {"Kashgaria", "Turkestan", Sunni},
        {"Tibet", "High Asia", Budhist},
        {"Sind", "Hindustan", Sunni},
        {"Punjab", "Hindustan", Hinduist},
        {"Gujarat", "Hindustan", Hinduist},
        {"Hindustan", "Hindustan", Hinduist},
        {"Bengal", "Hindustan", Hinduist},
        {"Deccan", "Deccan", Hinduist},
        {"Carnatic", "Deccan", Hinduist},
        {"Ceylon", "Deccan", Budhist},
        {"Yenisei", "Siberia", Pagan, true},
        {"Taymyr", "Siberia", Pagan, true},
        {"Mongolia", "Steppe East", Budhist},
        {"Manchuria", "Far East", Confucian},
        {"Amur", "Far East", Pagan},
        {"Korea", "Far East", Confucian},
        {"Nippon", "Far East", Budhist},
        {"North Cathay", "Cathay", Confucian},
        {"Middle Cathay", "Cathay", Confucian},
        {"South Cathay", "Cathay", Confucian},
        {"West Cathay", "Cathay", Budhist},
        {"Yunnan", "Cathay", Budhist},
        {"Burma", "Indochina", Budhist},
        {"Indochina", "Indochina", Budhist},
        {"Malaya", "Indochina", Sunni},
        {"Sunda Isles", "Insulindia", Sunni},
        {"Borneo", "Insulindia", Pagan},
        {"Philippines", "Insulindia", Pagan},
        {"Lena", "Siberia", Pagan, true},
        {"Yakutia", "Siberia", Pagan, true},
        {"Kolyma", "Siberia", Pagan, true},
        {"Chukotka", "Siberia", Pagan, true},
        {"Okhotsk", "Siberia", Pagan, true},
        {"Kamchatka", "Siberia", Pagan, true},
        {"Sahara", "Sahara", Sunni},
        {"Senegambia", "West Africa", Sunni},
        {"Sahel", "West Africa", Sunni},
        {"Guinea Coast", "West Africa", Pagan},
        {"Sudan", "East Africa", Sunni},
        {"Abyssinia", "East Africa", Orthodox},
        {"Somali", "East Africa", Sunni},
        {"Swahili Coast", "East Africa", Sunni},
        {"Madagascar", "East Africa", Pagan},
        {"Congo", "Central Africa", Pagan, true},
        {"Great Lakes", "Central Africa", Pagan, true},
        {"Angola", "Southern Africa", Pagan, true},
        {"Zambezi", "Southern Africa", Pagan, true},
        {"Kalahari", "Southern Africa", Pagan, true},
        {"Natal", "Southern Africa", Pagan, true},
        {"Cape", "Southern Africa", Pagan, true},
        {"Alaska", "Northland", Pagan, true},
        {"Yukon", "Northland", Pagan, true},
        {"Athabasca", "Northland", Pagan, true},
        {"Hudson", "Northland", Pagan, true},
        {"Labrador", "Northland", Pagan, true},
        {"Laurentia", "Woodlands", Pagan},
        {"Acadia", "Woodlands", Pagan},
        {"Great Lakes West", "Woodlands", Pagan},
        {"New Albion", "Woodlands", Pagan},
        {"Appalachia", "Woodlands", Pagan},
        {"Carolina", "Woodlands", Pagan},
        {"Florida", "Woodlands", Pagan},
        {"Prairies", "Plains", Pagan, true},
        {"Mississippi", "Plains", Pagan, true},
        {"High Plains", "Plains", Pagan, true},
        {"Rockies", "Far West", Pagan, true},
        {"Great Basin", "Far West", Pagan, true},
        {"California", "Far West", Pagan, true},
        {"Oregon", "Far West", Pagan, true},
        {"Cascadia", "Far West", Pagan, true},
        {"Sonora", "Mesoamerica", Pagan},
        {"Anahuac", "Mesoamerica", Pagan},
        {"Yucatan", "Mesoamerica", Pagan},
        {"Isthmus", "Mesoamerica", Pagan},
        {"Antilles", "Mesoamerica", Pagan},
        {"New Granada", "Andes", Pagan},
        {"Peru", "Andes", Pagan},
        {"Altiplano", "Andes", Pagan},
        {"Araucania", "Andes", Pagan},
        {"Orinoco", "Amazonia", Pagan, true},
        {"Guiana", "Amazonia", Pagan, true},
        {"Amazonia", "Amazonia", Pagan, true},
        {"Sert\xE3o", "Brazil", Pagan},
        {"Mata Atl\xE2ntica", "Brazil", Pagan},
        {"Chaco", "La Plata", Pagan},
        {"Plata", "La Plata", Pagan},
        {"Pampas", "La Plata", Pagan},
        {"Patagonia", "La Plata", Pagan},
        {"Westralia", "Australasia", Pagan, true},
        {"Top End", "Australasia", Pagan, true},
        {"Red Centre", "Australasia", Pagan, true},
        {"Coral Coast", "Australasia", Pagan, true},
        {"Southland", "Australasia", Pagan, true},
        {"Tasmania", "Australasia", Pagan, true},
        {"Aotearoa", "Australasia", Pagan},
        {"Papua", "Melanesia", Pagan},
        {"Greenland", "Arctic Isles", Pagan, true},
        {"Iceland", "Arctic Isles", Protestant},
        {"Ocean Isles", "Ocean Isles", Pagan, true},
    };
}

std::vector<ProvinceBlock> BuildBlocks() {
    using S = std::vector<AreaSeed>;
    std::vector<ProvinceBlock> b(kWorldSeas + 1);
    b[kEurope] = {"Europe and the Near East", true, 1, 170,
                  S{{"Iberia", {-4.5, 40.0}},       {"Gaul", {2.0, 46.5}},
                    {"Britannia", {-2.0, 53.0}},    {"Hibernia", {-8.0, 53.0}},
                    {"Low Countries", {5.0, 51.8}}, {"Germania", {10.0, 51.0}},
                    {"Alpine", {12.0, 47.0}},       {"Italy", {12.5, 42.5}},
                    {"Italy", {10.0, 45.0}},        {"Mediterranean", {9.0, 40.0}},
                    {"Scandinavia", {15.0, 62.0}},  {"Scandinavia", {10.0, 60.0}},
                    {"Scandinavia", {15.0, 57.0}},  {"Finland", {26.0, 63.0}},
                    {"Baltic", {24.0, 57.0}},       {"Polonia", {19.5, 52.0}},
                    {"Pannonia", {19.0, 47.0}},     {"Balkans", {22.0, 42.5}},
                    {"Balkans", {26.0, 44.0}},      {"Hellas", {22.0, 38.8}},
                    {"Ukraine", {32.0, 48.5}},      {"Russia", {37.0, 55.5}},
                    {"Russia", {44.0, 61.0}},       {"Russia", {50.0, 54.0}},
                    {"Russia", {55.0, 64.0}},       {"Russia", {34.0, 66.0}},
                    {"Caucasus", {44.0, 42.5}},     {"Anatolia", {32.0, 39.0}},
                    {"Anatolia", {38.0, 39.5}},     {"Levant", {36.0, 33.0}},
                    {"Mesopotamia", {44.0, 33.0}}}};
    b[kEuropeanSeas] = {"European seas", false, 171, 230,
                        S{{"North Sea", {3.0, 56.0}},
                          {"Baltic Sea", {19.0, 58.0}},
                          {"Norwegian Sea", {5.0, 67.0}},
                          {"Barents Sea", {40.0, 73.0}},
                          {"Western Sea", {-8.0, 46.0}},
                          {"Western Sea", {-20.0, 50.0}},
                          {"Western Sea", {-20.0, 35.0}},
                          {"Inner Sea", {5.0, 39.0}},
                          {"Inner Sea", {18.0, 36.0}},
                          {"Inner Sea", {28.0, 34.0}},
                          {"Black Sea", {34.0, 43.5}},
                          {"Caspian Sea", {51.0, 42.0}}}};
    b[kNorthAfrica] = {"North Africa", true, 231, 261,
                       S{{"Maghreb", {-4.0, 32.5}},
                         {"Maghreb", {2.0, 34.5}},
                         {"Ifriqiya", {9.5, 34.0}},
                         {"Libya", {17.0, 29.5}},
                         {"Egypt", {30.0, 28.0}}}};
    b[kSiberiaWest] = {"Western Siberia", true, 262, 287,
                       S{{"Ob Basin", {70.0, 60.0}}, {"Yamal", {70.0, 68.0}}}};
    b[kAsiaWest] = {"Western and southern Asia", true, 288, 445,
                    S{{"Arabia", {46.0, 22.0}},        {"Arabia", {50.0, 19.0}},
                      {"Hejaz", {39.0, 24.0}},         {"Oman", {56.0, 21.0}},
                      {"Persia", {53.0, 32.0}},        {"Persia", {57.0, 29.0}},
                      {"Khorasan", {60.0, 35.5}},      {"Transoxiana", {64.0, 40.0}},
                      {"Kazakh Steppe", {57.0, 47.0}}, {"Kazakh Steppe", {68.0, 48.0}},
                      {"Kazakh Steppe", {78.0, 47.0}}, {"Kazakh Steppe", {75.0, 53.0}},
                      {"Hindu Kush", {67.0, 34.5}},    {"Kashgaria", {80.0, 40.0}},
                      {"Tibet", {86.0, 32.0}},         {"Sind", {68.0, 26.0}},
                      {"Punjab", {74.0, 30.5}},        {"Gujarat", {72.0, 22.5}},
                      {"Hindustan", {80.0, 26.0}},     {"Bengal", {88.0, 24.0}},
                      {"Deccan", {77.0, 18.0}},        {"Carnatic", {78.0, 12.0}},
                      {"Ceylon", {80.8, 7.5}}}};
    b[kSiberiaMiddle] = {"Middle Siberia", true, 446, 465,
                         S{{"Yenisei", {95.0, 62.0}}, {"Taymyr", {100.0, 71.0}}}};
    b[kAsiaEast] = {"Eastern Asia", true, 466, 577,
                    S{{"Mongolia", {92.0, 47.0}},
                      {"Mongolia", {103.0, 46.0}},
                      {"Manchuria", {127.0, 46.0}},
                      {"Amur", {133.0, 50.0}},
                      {"Korea", {127.5, 37.5}},
                      {"Nippon", {137.0, 36.0}},
                      {"North Cathay", {115.0, 38.0}},
                      {"Middle Cathay", {113.0, 30.0}},
                      {"South Cathay", {113.0, 24.0}},
                      {"West Cathay", {103.0, 31.0}},
                      {"Yunnan", {101.0, 24.5}},
                      {"Burma", {96.0, 20.0}},
                      {"Indochina", {100.0, 16.0}},
                      {"Indochina", {105.0, 15.0}},
                      {"Malaya", {101.5, 4.5}},
                      {"Sunda Isles", {105.0, -4.0}},
                      {"Borneo", {114.0, 1.0}},
                      {"Philippines", {123.0, 12.0}}}};
    b[kSiberiaEast] = {"Eastern Siberia", true, 578, 642,
                       S{{"Lena", {122.0, 62.0}},
                         {"Yakutia", {135.0, 67.0}},
                         {"Kolyma", {155.0, 66.0}},
                         {"Chukotka", {177.0, 66.0}},
                         {"Okhotsk", {140.0, 57.0}},
                         {"Kamchatka", {159.0, 56.0}}}};
    b[kAfrica] = {"Africa", true, 643, 772,
                  S{{"Sahara", {2.0, 22.0}},         {"Sahara", {18.0, 21.0}},
                    {"Senegambia", {-14.0, 14.0}},   {"Sahel", {0.0, 15.0}},
                    {"Sahel", {15.0, 14.0}},         {"Guinea Coast", {-8.0, 8.0}},
                    {"Guinea Coast", {4.0, 8.0}},    {"Sudan", {30.0, 14.0}},
                    {"Abyssinia", {39.0, 10.0}},     {"Somali", {46.0, 6.0}},
                    {"Swahili Coast", {38.0, -6.0}}, {"Madagascar", {46.5, -19.0}},
                    {"Congo", {18.0, -1.0}},         {"Congo", {13.0, -5.0}},
                    {"Great Lakes", {30.0, -2.0}},   {"Angola", {16.0, -12.0}},
                    {"Zambezi", {30.0, -15.0}},      {"Kalahari", {22.0, -23.0}},
                    {"Natal", {30.0, -27.0}},        {"Cape", {22.0, -32.0}}}};
    b[kAmerica] = {"America", true, 773, 1002,
                   S{{"Alaska", {-152.0, 64.0}},      {"Yukon", {-133.0, 63.0}},
                     {"Athabasca", {-115.0, 59.0}},   {"Hudson", {-90.0, 56.0}},
                     {"Labrador", {-64.0, 54.0}},     {"Laurentia", {-72.0, 48.0}},
                     {"Acadia", {-65.0, 45.5}},       {"Great Lakes West", {-85.0, 46.0}},
                     {"New Albion", {-72.0, 43.0}},   {"Appalachia", {-80.0, 37.0}},
                     {"Carolina", {-80.0, 33.5}},     {"Florida", {-82.0, 29.0}},
                     {"Prairies", {-104.0, 52.0}},    {"Mississippi", {-90.0, 34.0}},
                     {"High Plains", {-100.0, 40.0}}, {"High Plains", {-99.0, 33.0}},
                     {"Rockies", {-110.0, 44.0}},     {"Great Basin", {-116.0, 39.0}},
                     {"California", {-120.0, 36.5}},  {"Oregon", {-121.0, 45.5}},
                     {"Cascadia", {-128.0, 54.0}},    {"Sonora", {-110.0, 29.0}},
                     {"Anahuac", {-100.0, 20.0}},     {"Yucatan", {-89.0, 19.0}},
                     {"Isthmus", {-85.0, 12.5}},      {"Antilles", {-77.0, 20.5}},
                     {"New Granada", {-74.0, 6.0}},   {"Peru", {-76.0, -10.0}},
                     {"Altiplano", {-67.0, -18.0}},   {"Araucania", {-72.0, -37.0}},
                     {"Orinoco", {-65.0, 7.5}},       {"Guiana", {-56.0, 4.0}},
                     {"Amazonia", {-62.0, -4.0}},     {"Amazonia", {-52.0, -4.0}},
                     {"Amazonia", {-70.0, -6.0}},     {"Sert\xE3o", {-42.0, -9.0}},
                     {"Sert\xE3o", {-47.0, -16.0}},   {"Mata Atl\xE2ntica", {-46.0, -24.0}},
                     {"Chaco", {-61.0, -23.0}},       {"Plata", {-56.0, -31.0}},
                     {"Pampas", {-62.0, -35.0}},      {"Patagonia", {-68.0, -46.0}}}};
    b[kOceania] = {"Oceania", true, 1003, 1042,
                   S{{"Westralia", {118.0, -27.0}},
                     {"Top End", {133.0, -15.0}},
                     {"Red Centre", {133.0, -25.0}},
                     {"Coral Coast", {147.0, -22.0}},
                     {"Southland", {140.0, -33.0}},
                     {"Tasmania", {146.5, -42.0}},
                     {"Aotearoa", {173.0, -40.0}},
                     {"Papua", {140.0, -5.0}}}};
    b[kIslands] = {"Remote islands", true, 1043, 1062,
                   S{{"Greenland", {-45.0, 72.0}},
                     {"Iceland", {-18.0, 65.0}},
                     {"Ocean Isles", {-28.0, 38.7}}}};
    b[kWorldSeas] = {"World seas", false, 1063, 1620,
                     S{{"Arctic Ocean", {-100.0, 75.0}},   {"Hudson Sea", {-85.0, 60.0}},
                       {"North Atlantic", {-40.0, 50.0}},  {"North Atlantic", {-55.0, 32.0}},
                       {"Gulf Sea", {-90.0, 25.0}},        {"Caribbean", {-75.0, 15.0}},
                       {"Guinea Sea", {0.0, 0.0}},         {"South Atlantic", {-20.0, -20.0}},
                       {"South Atlantic", {-45.0, -45.0}}, {"Red Sea", {38.0, 20.0}},
                       {"Persian Gulf", {51.0, 27.0}},     {"Arabian Sea", {63.0, 15.0}},
                       {"Indian Ocean", {75.0, -15.0}},    {"Indian Ocean", {42.0, -20.0}},
                       {"Southern Ocean", {40.0, -45.0}},  {"Southern Ocean", {100.0, -45.0}},
                       {"Bay of Bengal", {88.0, 13.0}},    {"Java Sea", {115.0, -6.0}},
                       {"South China Sea", {113.0, 13.0}}, {"East China Sea", {125.0, 30.0}},
                       {"Sea of Nippon", {135.0, 40.0}},   {"Okhotsk Sea", {150.0, 55.0}},
                       {"Arctic Ocean", {80.0, 78.0}},     {"Arctic Ocean", {150.0, 76.0}},
                       {"Bering Sea", {180.0, 58.0}},      {"North Pacific", {170.0, 40.0}},
                       {"North Pacific", {-150.0, 40.0}},  {"Coral Sea", {155.0, -18.0}},
                       {"Tasman Sea", {160.0, -40.0}},     {"South Pacific", {180.0, -25.0}},
                       {"South Pacific", {-110.0, -20.0}}, {"South Pacific", {-100.0, -50.0}}}};
    return b;
}

}  // namespace

const std::vector<ProvinceBlock>& ProvinceBlocks() {
    static const std::vector<ProvinceBlock> blocks = BuildBlocks();
    return blocks;
}

const std::vector<AreaInfo>& Areas() {
    static const std::vector<AreaInfo> areas = BuildAreas();
    return areas;
}

const AreaInfo* FindArea(const std::string& name) {
    for (const AreaInfo& a : Areas())
        if (a.name == name) return &a;
    return nullptr;
}

std::vector<std::string> SeaRegions() {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const ProvinceBlock& b : ProvinceBlocks()) {
        if (b.land) continue;
        for (const AreaSeed& s : b.seeds)
            if (seen.insert(s.area).second) names.push_back(s.area);
    }
    return names;
}

int LandBlockOf(LandGroup group, GeoPoint p) {
    switch (group) {
        case LandGroup::Europe:
            return kEurope;
        case LandGroup::Africa:
            return p.lat >= 25.5 ? kNorthAfrica : kAfrica;
        case LandGroup::America:
            return kAmerica;
        case LandGroup::Oceania:
            return kOceania;
        case LandGroup::Islands:
            return kIslands;
        case LandGroup::Asia:
            break;
    }
    // Asia: the three cold northern parts first, then the Near East, the west and the east.
    if (p.lon >= 59.8 && p.lon < 88.0 && p.lat >= 56.0) return kSiberiaWest;
    if (p.lon >= 88.0 && p.lon < 115.0 && p.lat >= 55.0) return kSiberiaMiddle;
    if (p.lon >= 115.0 && p.lat >= 52.0) return kSiberiaEast;
    if (p.lon < 48.5 && p.lat > 29.0) return kEurope;
    if (p.lon < 90.0) return kAsiaWest;
    return kAsiaEast;
}

int SeaBlockOf(GeoPoint p) {
    const bool atlanticSide = p.lon >= -30.0 && p.lon < 42.0 && p.lat >= 30.0;
    const bool caspian = p.lon >= 42.0 && p.lon < 62.0 && p.lat >= 36.0 && p.lat < 48.0;
    const bool barents = p.lon >= 42.0 && p.lon < 62.0 && p.lat >= 66.0;
    return atlanticSide || caspian || barents ? kEuropeanSeas : kWorldSeas;
}
