#include "app/PresetNameDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "session/PresetStore.h"
#include "widgets/WindowPlacement.h"

namespace tq3 {

namespace {
// The description field's width, in characters.
constexpr int kDescriptionChars = 48;
}  // namespace

PresetNameDialog::PresetNameDialog(const QString& title, const PresetNaming& start, bool askName,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("PresetNameDialog"));
    setWindowTitle(title);
    auto* form = new QFormLayout(this);
    // The name, with the reason under it while it cannot name a preset.
    if (askName) {
        name_ = new QLineEdit(start.name, this);
        name_->setObjectName(QStringLiteral("PresetName"));
        name_->setAccessibleName(tr("Name"));
        form->addRow(tr("&Name:"), name_);
        nameNote_ = new QLabel(this);
        nameNote_->setObjectName(QStringLiteral("PresetNameNote"));
        nameNote_->setStyleSheet(QStringLiteral("color: #b00000"));
        nameNote_->setWordWrap(true);
        form->addRow(QString(), nameNote_);
        connect(name_, &QLineEdit::textChanged, this, [this] { CheckName(); });
    }
    description_ = new QLineEdit(start.description, this);
    description_->setObjectName(QStringLiteral("PresetDescription"));
    description_->setAccessibleName(tr("Description"));
    description_->setMinimumWidth(fontMetrics().averageCharWidth() * kDescriptionChars);
    form->addRow(tr("&Description:"), description_);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons_);
    if (name_) CheckName();
}

void PresetNameDialog::CheckName() {
    const std::string problem = PresetNameProblem(name_->text().trimmed().toStdString());
    // An empty name is not yet an error worth a note; OK stays off all the same.
    nameNote_->setText(name_->text().isEmpty() ? QString() : QString::fromStdString(problem));
    nameNote_->setVisible(!nameNote_->text().isEmpty());
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.empty());
    // A window does not grow by itself for wrapped lines: it takes the height the note needs.
    if (!isVisible()) return;
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height()) resize(width(), needed);
}

PresetNaming PresetNameDialog::Naming() const {
    return {name_ ? name_->text().trimmed() : QString(), description_->text().trimmed()};
}

std::optional<PresetNaming> AskPresetNaming(QWidget* parent, const QString& title,
                                            const PresetNaming& start, bool askName) {
    PresetNameDialog dialog(title, start, askName, parent);
    FitDialogToScreen(&dialog, dialog.sizeHint());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Naming();
}

}  // namespace tq3
