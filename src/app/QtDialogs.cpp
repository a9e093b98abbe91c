#include "app/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

#include "app/Cp1252.h"
#include "app/ProblemsDialog.h"

namespace tq3 {

namespace {
const QString kTitle = QStringLiteral("TQ3 Scenario Generator");
}

void QtDialogs::Error(const std::string& text) {
    QApplication::beep();
    QMessageBox::critical(parent_, kTitle, MessageText(text));
}

void QtDialogs::Info(const std::string& text) {
    QMessageBox::information(parent_, kTitle, MessageText(text));
}

Answer QtDialogs::Confirm(const std::string& text, Buttons buttons) {
    QMessageBox box(QMessageBox::Question, kTitle, MessageText(text), QMessageBox::NoButton,
                    parent_);
    box.setObjectName(QStringLiteral("ConfirmBox"));
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.exec();
            return Answer::Ok;
        case Buttons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    return Answer::Cancel;
}

std::optional<std::string> QtDialogs::ChooseFolder(const std::string& start, bool allowCreate) {
    QFileDialog::Options options = QFileDialog::ShowDirsOnly;
    if (!allowCreate) options |= QFileDialog::ReadOnly;
    const QString chosen = QFileDialog::getExistingDirectory(
        parent_,
        allowCreate ? QObject::tr("Backup scenario to") : QObject::tr("Restore scenario from"),
        QString::fromStdString(start), options);
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen).toStdString();
}

void QtDialogs::Problem(const std::string& file, int line, const std::string& text) {
    QString where = QDir::toNativeSeparators(QString::fromStdString(file));
    if (line > 0) where += QLatin1Char(':') + QString::number(line);
    problems_.push_back(where + QStringLiteral(": ") + MessageText(text));
}

void QtDialogs::Busy(bool busy) {
    loads_ = busy ? loads_ + 1 : std::max(0, loads_ - 1);
    if (busy || loads_ > 0 || problems_.empty()) return;
    // The load has ended: every problem it found in one list.
    const QStringList problems(problems_.begin(), problems_.end());
    problems_.clear();
    ProblemsDialog(problems, parent_).exec();
}

}  // namespace tq3
