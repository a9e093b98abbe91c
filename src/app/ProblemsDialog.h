#pragma once

#include <QDialog>
#include <QStringList>

namespace tq3 {

// The problems found while loading, one per line as "file:line: text", in a list the user
// can read, select and copy.
class ProblemsDialog : public QDialog {
  public:
    ProblemsDialog(const QStringList& problems, QWidget* parent = nullptr);
};

}  // namespace tq3
