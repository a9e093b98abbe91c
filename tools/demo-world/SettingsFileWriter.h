#pragma once

#include <string>

#include "DemoWorld.h"

// The text of Config/TQ3Gener.csv: a header line, then every key of the settings file in its
// order, each table introduced by comment lines that say what it steers.
std::string SettingsFileText(const DemoWorld& world);

// Settings the other files of the demo game agree with.
constexpr int kStartYear = 1520;
constexpr int kEndYear = 1820;
constexpr int kTaxStabilImpact = 3;
extern const int kTaxStab[5][7];
