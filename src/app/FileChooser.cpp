#include "app/FileChooser.h"

#include <QFileDialog>

#include "app/WindowPlacement.h"

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
}  // namespace

QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& start,
                         const QString& filter) {
    return Choose(parent, title, start, filter, QFileDialog::AcceptSave);
}

QString ChooseFileToOpen(QWidget* parent, const QString& title, const QString& start,
                         const QString& filter) {
    return Choose(parent, title, start, filter, QFileDialog::AcceptOpen);
}

}  // namespace tq3
