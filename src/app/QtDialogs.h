#pragma once

#include <QString>
#include <vector>

#include "base/Dialogs.h"

class QWidget;

namespace tq3 {

// The window's dialogs: message boxes over the main window, the folder dialog, and one list
// of the problems found while loading, shown when the load ends.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Error(const std::string& text) override;
    void Info(const std::string& text) override;
    Answer Confirm(const std::string& text, Buttons buttons) override;
    std::optional<std::string> ChooseFolder(const std::string& start, bool allowCreate) override;
    void Progress(int /*position*/) override {}
    void Problem(const std::string& file, int line, const std::string& text) override;
    void Busy(bool busy) override;

  private:
    QWidget* parent_;
    std::vector<QString> problems_;
    int loads_ = 0;  // nested loads under way
};

}  // namespace tq3
