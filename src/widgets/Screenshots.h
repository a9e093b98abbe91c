#pragma once

#include <QString>
#include <string>

#include "base/Dialogs.h"

class QDir;
class QWidget;

namespace tq3 {

// The dialogs of a picture run, which has no one to ask: messages go to the standard error,
// the first yes-or-no question (the start-up backup) is answered Yes, every later one No, and
// other questions Cancel.
class ScreenshotDialogs : public Dialogs {
  public:
    void Error(const std::string& text) override;
    void Info(const std::string&) override {}
    Answer Confirm(const std::string& text, Buttons buttons) override;
    std::optional<std::string> ChooseFolder(const std::string&, bool) override { return {}; }
    void Progress(int) override {}
    void Problem(const std::string& file, int line, const std::string& text) override;

  private:
    int confirms_ = 0;
};

// A picture of `widget` as it is now, as `name`.png in `dir`; a file that cannot be written is
// said on the standard error and gives false.
bool SaveWidgetPicture(QWidget* widget, const QDir& dir, const QString& name);

// A picture of `widget` with `popup` (an open menu, a separate window) drawn over it where it
// shows on the screen, as `name`.png in `dir`.
bool SaveWidgetWithPopup(QWidget* widget, QWidget* popup, const QDir& dir, const QString& name);

// A picture of the screen `window` is on, with the window where it opened (its frame drawn
// as a dark border and bar), written as PNG to `file`: shows whether the window fits.
bool SaveScreenWithWindow(QWidget* window, const QString& file);

// A picture of `window` with the open `popup` (a menu) over it, where each stands on the
// screen, written as PNG to `file`.
bool SaveWindowWithPopup(QWidget* window, QWidget* popup, const QString& file);

}  // namespace tq3
