#pragma once

#include <QString>

class QWidget;

namespace tq3 {

// The file and folder dialogs of both windows: the choices of QFileDialog's own, in a dialog
// that fits the screen it opens on. `start` is a folder, or a file to propose in it. Each
// gives the chosen file or folder, or an empty text when the user cancels.
QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& start,
                         const QString& filter);
QString ChooseFileToOpen(QWidget* parent, const QString& title, const QString& start,
                         const QString& filter);
// A folder; with allowCreate a typed folder that does not exist is created on confirming,
// without it the folder must exist.
QString ChooseFolderIn(QWidget* parent, const QString& title, const QString& start,
                       bool allowCreate);

}  // namespace tq3
