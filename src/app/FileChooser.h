#pragma once

#include <QString>

class QWidget;

namespace tq3 {

// The file dialogs of the window: the choices of QFileDialog's own, in a dialog that fits the
// screen it opens on. `start` is a folder, or a file to propose in it. Give the chosen file,
// or an empty text when the user cancels.
QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& start,
                         const QString& filter);
QString ChooseFileToOpen(QWidget* parent, const QString& title, const QString& start,
                         const QString& filter);

}  // namespace tq3
