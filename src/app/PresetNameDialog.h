#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace tq3 {

// What the user gives a preset: its name (for the user's own presets) and its description.
struct PresetNaming {
    QString name, description;
};

// The dialog that asks a preset's name and description. A name that cannot name a preset
// keeps OK off, its reason shown under it. Without a name field it asks the description only.
class PresetNameDialog : public QDialog {
  public:
    PresetNameDialog(const QString& title, const PresetNaming& start, bool askName,
                     QWidget* parent);
    PresetNaming Naming() const;

  private:
    void CheckName();

    QLineEdit* name_ = nullptr;
    QLineEdit* description_ = nullptr;
    QLabel* nameNote_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

// Shows the dialog; nothing when the user cancels.
std::optional<PresetNaming> AskPresetNaming(QWidget* parent, const QString& title,
                                            const PresetNaming& start, bool askName);

}  // namespace tq3
