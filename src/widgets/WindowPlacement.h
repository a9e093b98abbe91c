#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace tq3 {

// Room a window manager adds around a window's client area when it is not known yet (before
// the window is mapped): a title bar and thin borders, in logical pixels.
inline constexpr int kAssumedTitleBar = 32;
inline constexpr int kAssumedBorder = 4;

// The client geometry of a window that would like `wanted` on a screen whose free area is
// `available`, with `frame` the room its decorations take (width and height together): as
// large as wanted but no larger than the free area leaves, centred in it, and never above or
// left of it, so that the title bar and the menus are always reachable.
QRect PlaceWindow(QSize wanted, QSize frame, QRect available);

// Sizes and places a top-level window on the screen it opens on, as PlaceWindow says; its
// minimum size becomes no larger than what fits there.
void FitToScreen(QWidget* window, QSize wanted);

// Sizes a dialog to `wanted` where its screen has room for it, leaving its place to Qt (over
// its parent); where it has not (a small screen at a large scale), fits and places it as
// FitToScreen does, so that its buttons stay on the screen.
void FitDialogToScreen(QWidget* dialog, QSize wanted);

}  // namespace tq3
