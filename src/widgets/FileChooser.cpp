#include "widgets/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

#include "widgets/WindowPlacement.h"

namespace tq3 {

namespace {
QString Choose(QWidget* parent, const QString& title, const QString& start, const QString& filter,
               QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, title, start, filter);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    FitDialogToScreen(&dialog, dialog.sizeHint());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

// A folder dialog. With creation allowed, a typed folder that does not exist is created when
// the user confirms it, and the path field follows a folder made with "New Folder".
class FolderDialog : public QFileDialog {
  public:
    FolderDialog(QWidget* parent, const QString& title, const QString& start, bool allowCreate)
        : QFileDialog(parent, title, start), allowCreate_(allowCreate) {
        setObjectName(QStringLiteral("FolderDialog"));
        setFileMode(QFileDialog::Directory);
        setOption(QFileDialog::ShowDirsOnly);
        setOption(QFileDialog::ReadOnly, !allowCreate);
        setAcceptMode(QFileDialog::AcceptOpen);
        if (allowCreate)
            connect(this, &QFileDialog::currentChanged, this, [this](const QString& path) {
                if (QLineEdit* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                    if (!field->hasFocus()) field->setText(QFileInfo(path).fileName());
            });
    }

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (allowCreate_ && !chosen.isEmpty() && !QFileInfo::exists(chosen.front()) &&
            !QDir().mkpath(chosen.front())) {
            QMessageBox::warning(this, windowTitle(),
                                 tr("The folder %1 cannot be created.")
                                     .arg(QDir::toNativeSeparators(chosen.front())));
            return;
        }
        QFileDialog::accept();
    }

  private:
    bool allowCreate_;
};
}  // namespace

QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& start,
                         const QString& filter) {
    return Choose(parent, title, start, filter, QFileDialog::AcceptSave);
}

QString ChooseFileToOpen(QWidget* parent, const QString& title, const QString& start,
                         const QString& filter) {
    return Choose(parent, title, start, filter, QFileDialog::AcceptOpen);
}

QString ChooseFolderIn(QWidget* parent, const QString& title, const QString& start,
                       bool allowCreate) {
    FolderDialog dialog(parent, title, start, allowCreate);
    FitDialogToScreen(&dialog, dialog.sizeHint());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

}  // namespace tq3
