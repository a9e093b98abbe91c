#include "widgets/WindowPlacement.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace tq3 {

QRect PlaceWindow(QSize wanted, QSize frame, QRect available) {
    const QSize room = (available.size() - frame).expandedTo(QSize(1, 1));
    const QSize size = wanted.boundedTo(room);
    // The frame's top-left corner, centred and kept inside the free area.
    const int left =
        available.left() + std::max(0, (available.width() - frame.width() - size.width()) / 2);
    const int top =
        available.top() + std::max(0, (available.height() - frame.height() - size.height()) / 2);
    const int borderX = frame.width() / 2;
    const int titleY = frame.height() - borderX;
    return {QPoint(left + borderX, top + titleY), size};
}

namespace {
// The decorations as the window manager drew them, or as they usually are.
QSize FrameOf(const QWidget* window) {
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    if (frame.width() <= 0 && frame.height() <= 0)
        return {2 * kAssumedBorder, kAssumedTitleBar + kAssumedBorder};
    return frame;
}

const QScreen* ScreenOf(const QWidget* window) {
    return window->screen() ? window->screen() : QApplication::primaryScreen();
}
}  // namespace

void FitToScreen(QWidget* window, QSize wanted) {
    const QScreen* screen = ScreenOf(window);
    if (!screen) return;
    const QSize frame = FrameOf(window);
    const QRect placed = PlaceWindow(wanted, frame, screen->availableGeometry());
    window->setMinimumSize(window->minimumSize().boundedTo(placed.size()));
    window->resize(placed.size());
    window->move(placed.topLeft() - QPoint(frame.width() / 2, frame.height() - frame.width() / 2));
}

void FitDialogToScreen(QWidget* dialog, QSize wanted) {
    const QScreen* screen = ScreenOf(dialog);
    const QSize room = screen ? screen->availableGeometry().size() - FrameOf(dialog) : wanted;
    if (wanted.width() <= room.width() && wanted.height() <= room.height())
        dialog->resize(wanted);
    else
        FitToScreen(dialog, wanted);
}

}  // namespace tq3
