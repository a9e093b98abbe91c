#pragma once

// The Qt application the window tests share (offscreen unless told otherwise), and a small
// world to open the map window on.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <memory>

#include "../mapeditor/EditorTestWorld.h"
#include "mapeditor/FormMap.h"
#include "mapeditor/LegendBar.h"
#include "mapeditor/MapView.h"
#include "mapeditor/ProvinceInfoBar.h"

namespace guitest {

using namespace tq3;

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "test_mapeditor_gui";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: the input devices QTest makes live until the very end of the program.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Land provinces 1..6 around map pixel (1100, 200), sea 7 among them; nations A1..A5 with
// colours of the colour table, A1 holding 1 and 2, A2 holding 4.
inline std::unique_ptr<World> SmallWorld() {
    auto world = editortest::EmptyWorld(8);
    using editortest::Land;
    Land(*world, 1, 1100 * 8, 200 * 7);   // pixel (1100, 200)
    Land(*world, 2, 1120 * 8, 200 * 7);   // (1120, 200)
    Land(*world, 3, 1100 * 8, 220 * 7);   // (1100, 220)
    Land(*world, 4, 1140 * 8, 240 * 7);   // (1140, 240)
    Land(*world, 5, 1300 * 8, 400 * 7);   // (1300, 400)
    Land(*world, 6, 1110 * 8, 260 * 7);   // (1110, 260)
    world->Provinces[7].MapX = 1110 * 8;  // sea at (1110, 210)
    world->Provinces[7].MapY = 210 * 7;
    world->Provinces[7].Climate = 2;
    world->Provinces[8].Terrain = TerrainCode::Plains;  // land without a place near anything
    world->Provinces[8].MapX = 30000;
    world->Neighbours[1][1] = 2;
    world->Neighbours[2][1] = 1;
    TGeneratorSettings& s = world->Settings;
    for (int i = 0; i < 23; ++i) {
        s.ColorRed[i] = static_cast<int16_t>(10 * i);
        s.ColorGreen[i] = static_cast<int16_t>(100);
        s.ColorBlue[i] = static_cast<int16_t>(200 - 5 * i);
    }
    for (int n = 1; n <= 5; ++n) {
        const int capital = n == 1 ? 1 : n == 2 ? 4 : 0;
        const int nation = editortest::AddNation(*world, "A" + std::to_string(n), capital);
        world->Nations[nation].FantasiaColor = static_cast<int8_t>(n + 1);
    }
    world->Nations[1].OwnedProvinces[2] = 2;
    world->Provinces[2].Owner = 1;
    world->Nations[3].OwnedProvinces[1] = 5;  // A3's capital, not owned by it
    return world;
}

// A part of the map window by the name of its control.
template <class T = QWidget>
T* Part(const QWidget& window, const QString& name) {
    T* part = window.findChild<T*>(name);
    EXPECT_NE(part, nullptr) << name.toStdString();
    return part;
}
inline QCheckBox* CheckBoxM(const QWidget& f, int n) {
    return Part<QCheckBox>(f, QString("CheckBoxM%1").arg(n));
}
inline QComboBox* ComboBoxM(const QWidget& f, int n) {
    return Part<QComboBox>(f, QString("ComboBoxM%1").arg(n));
}
inline QLineEdit* EditM(const QWidget& f, int n) {
    return Part<QLineEdit>(f, QString("EditM%1").arg(n));
}
inline QToolButton* SpeedButtonM(const QWidget& f, int n) {
    return Part<QToolButton>(f, QString("SpeedButtonM%1").arg(n));
}
// The legend bar and the layer button of a layer.
inline LegendBar* LegendOf(const QWidget& f, MapLayer layer) {
    for (LegendBar* bar : f.findChildren<LegendBar*>())
        if (bar->Layer() == layer) return bar;
    ADD_FAILURE() << "no legend bar for layer " << static_cast<int>(layer);
    return nullptr;
}
inline QToolButton* LayerButton(const QWidget& f, MapLayer layer) {
    static const char* const names[] = {"SpeedButtonTerrain", "SpeedButtonClimate",
                                        "SpeedButtonGoods", "SpeedButtonReligion",
                                        "SpeedButtonNations"};
    return Part<QToolButton>(f, names[static_cast<int>(layer)]);
}
inline NationsLegend* Nations(const QWidget& f) {
    return f.findChild<NationsLegend*>();
}
inline MinimapView* Minimap(const QWidget& f) {
    return f.findChild<MinimapView*>();
}
inline ProvinceInfoBar* InfoBar(const QWidget& f) {
    return f.findChild<ProvinceInfoBar*>();
}

}  // namespace guitest
