#pragma once

#include <QString>
#include <vector>

#include "base/Dialogs.h"

class QWidget;

namespace tq3 {

// Titles of the folder dialogs, one for each thing a folder is chosen for.
inline constexpr const char* BackupFolderTitle = "Backup scenario to";
inline constexpr const char* RestoreFolderTitle = "Restore scenario from";
inline constexpr const char* GameFolderTitle = "Open game folder";

// The window's dialogs: message boxes over the main window, the folder dialog, and one list
// of the problems found while loading, shown when the load ends.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Error(const std::string& text) override;
    void Info(const std::string& text) override;
    Answer Confirm(const std::string& text, Buttons buttons) override;
    // The scenario folders: a folder to back up to may be new (a typed folder that does not
    // exist is created when the user confirms); a folder to restore from must exist.
    std::optional<std::string> ChooseFolder(const std::string& start, bool allowCreate) override;
    // The game folder to open.
    std::optional<std::string> ChooseGameFolder(const std::string& start);
    void Progress(int /*position*/) override {}
    void Problem(const std::string& file, int line, const std::string& text) override;
    void Busy(bool busy) override;
    // One error box that says where loading stopped and why; the problem is not listed again.
    void LoadStopped(const std::string& file, int line, const std::string& problem,
                     const std::string& error) override;
    // The caption of the setting's control, in quotes, for the settings the window shows.
    std::string SettingName(const std::string& key) override;

  private:
    static QString Place(const std::string& file, int line);
    std::optional<std::string> ChooseFolder(const QString& title, const std::string& start,
                                            bool allowCreate);

    QWidget* parent_;
    std::vector<QString> problems_;
    int loads_ = 0;  // nested loads under way
};

}  // namespace tq3
