#include "widgets/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <iostream>

namespace tq3 {

namespace {
// The desktop behind the window: the whole screen, its free area, and the window's frame.
const QColor kScreenColour(0x5a, 0x6e, 0x7f);
const QColor kFreeAreaColour(0x6b, 0x84, 0x99);
const QColor kFrameColour(0x30, 0x30, 0x30);

bool SavePicture(const QPixmap& picture, const QString& file) {
    if (picture.save(file)) return true;
    std::cerr << "Cannot write " << file.toStdString() << "\n";
    return false;
}
}  // namespace

void ScreenshotDialogs::Error(const std::string& text) {
    std::cerr << text << "\n";
}

Answer ScreenshotDialogs::Confirm(const std::string&, Buttons buttons) {
    ++confirms_;
    if (buttons == Buttons::YesNo) return confirms_ == 1 ? Answer::Yes : Answer::No;
    return Answer::Cancel;
}

void ScreenshotDialogs::Problem(const std::string& file, int line, const std::string& text) {
    std::cerr << file << ":" << line << ": " << text << "\n";
}

bool SaveWidgetPicture(QWidget* widget, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    return SavePicture(widget->grab(), dir.filePath(name + QStringLiteral(".png")));
}

bool SaveWidgetWithPopup(QWidget* widget, QWidget* popup, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    QPixmap picture = widget->grab();
    QPainter painter(&picture);
    painter.drawPixmap(popup->mapToGlobal(QPoint(0, 0)) - widget->mapToGlobal(QPoint(0, 0)),
                       popup->grab());
    painter.end();
    return SavePicture(picture, dir.filePath(name + QStringLiteral(".png")));
}

bool SaveScreenWithWindow(QWidget* window, const QString& file) {
    QApplication::processEvents();
    const QScreen* screen = window->screen();
    if (!screen) return false;
    const qreal scale = window->devicePixelRatioF();
    const QRect desk = screen->geometry();
    QPixmap picture((QSizeF(desk.size()) * scale).toSize());
    picture.setDevicePixelRatio(scale);
    picture.fill(kScreenColour);
    QPainter painter(&picture);
    painter.fillRect(screen->availableGeometry().translated(-desk.topLeft()), kFreeAreaColour);
    painter.fillRect(window->frameGeometry().translated(-desk.topLeft()), kFrameColour);
    painter.drawPixmap(window->geometry().topLeft() - desk.topLeft(), window->grab());
    painter.end();
    return SavePicture(picture, file);
}

bool SaveWindowWithPopup(QWidget* window, QWidget* popup, const QString& file) {
    QApplication::processEvents();
    // Both stand in global coordinates: the picture holds the two, the screen's colour around.
    const QRect area = window->frameGeometry().united(popup->geometry());
    const qreal scale = window->devicePixelRatioF();
    QPixmap picture((QSizeF(area.size()) * scale).toSize());
    picture.setDevicePixelRatio(scale);
    picture.fill(kScreenColour);
    QPainter painter(&picture);
    painter.fillRect(window->frameGeometry().translated(-area.topLeft()), kFrameColour);
    painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    painter.drawPixmap(popup->geometry().topLeft() - area.topLeft(), popup->grab());
    painter.end();
    return SavePicture(picture, file);
}

}  // namespace tq3
