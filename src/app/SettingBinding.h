#pragma once

#include <QString>
#include <functional>
#include <type_traits>
#include <vector>

#include "engine/GeneratorSettings.h"

namespace tq3 {

// One setting read and written as an integer (a bool as 0 / 1).
struct SettingRef {
    std::function<int(const TGeneratorSettings&)> get;
    std::function<void(TGeneratorSettings&, int)> set;
};

template <class T>
SettingRef Setting(T TGeneratorSettings::*field) {
    return {[field](const TGeneratorSettings& s) { return static_cast<int>(s.*field); },
            [field](TGeneratorSettings& s, int v) {
                if constexpr (std::is_same_v<T, bool>)
                    s.*field = v != 0;
                else
                    s.*field = static_cast<T>(v);
            }};
}

// Element `index` of a list setting (ReligProb, GoodsProb).
template <class List>
SettingRef SettingElement(List TGeneratorSettings::*list, int index) {
    using T = typename List::value_type;
    return {
        [list, index](const TGeneratorSettings& s) { return static_cast<int>((s.*list)[index]); },
        [list, index](TGeneratorSettings& s, int v) { (s.*list)[index] = static_cast<T>(v); }};
}

// How a control stands before the first load.
enum class Initially { Shown, Hidden, Disabled };

using Names = std::vector<const char*>;

// Families of plain handlers. Each row names the control (its object name), the setting it
// writes and the controls that follow it.

// A check box: the setting becomes its state; `shows` are visible while it is ticked,
// `showsWhenOff` while it is clear.
struct CheckBinding {
    const char* name;
    const char* caption;
    bool ticked;
    SettingRef setting;
    Names shows = {};
    Names showsWhenOff = {};
    Initially initially = Initially::Shown;
};

// A slider: the setting becomes its position; with a hint text, the tooltip becomes that
// text followed by the value (as `hintValue` writes it, decimal by default).
struct SliderBinding {
    const char* name;
    int min, max, position;
    SettingRef setting;
    const char* label;         // object name of the label beside it; nullptr when none
    const char* labelCaption;  // its text, or the accessible name when there is no label
    const char* hint = nullptr;
    QString (*hintValue)(int) = nullptr;
};

// A spin edit: the setting becomes its value.
struct SpinBinding {
    const char* name;
    int min, max, value;
    SettingRef setting;
    const char* label;
    const char* labelCaption;
};

// Two radio buttons in a group: the setting becomes true while `onButton` (0 the first,
// 1 the second) is selected. `shows` follow the setting, `showsWhenOff` its opposite,
// `enablesWhenOff` are enabled only while it is false.
struct RadioPairBinding {
    const char* group;
    const char* groupTitle;
    const char* first;
    const char* firstCaption;
    const char* second;
    const char* secondCaption;
    SettingRef setting;
    int onButton;
    Names shows = {};
    Names showsWhenOff = {};
    Names enablesWhenOff = {};
};

}  // namespace tq3
