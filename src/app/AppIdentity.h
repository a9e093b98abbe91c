#pragma once

namespace tq3 {

// How the desktop knows the window: the application's name (the window class the desktop
// sees) and the name of its desktop file (data/tq3gen-gui.desktop, whose StartupWMClass is the
// application's name).
inline constexpr const char* ApplicationName = "TQScenarioGenerator";
inline constexpr const char* DesktopFileName = "tq3gen-gui";

}  // namespace tq3
