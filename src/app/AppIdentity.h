#pragma once

namespace tq3 {

// How the desktop knows the window: the application's name (the window class the desktop
// sees) and the name of its desktop file (data/org.tq3gen.tq3gen.desktop, whose StartupWMClass is
// the application's name), which is also the window's id in software centres.
inline constexpr const char* ApplicationName = "TQScenarioGenerator";
inline constexpr const char* DesktopFileName = "org.tq3gen.tq3gen";

}  // namespace tq3
