#include "app/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

#include "app/Cp1252.h"
#include "app/ProblemsDialog.h"

namespace tq3 {

namespace {
const QString kTitle = QStringLiteral("TQ3 Scenario Generator");
// A message box grows to at most this share of its screen's width before its lines wrap.
constexpr int kBoxWidthShare = 3;
constexpr int kBoxWidthOf = 4;

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

// Shows the box with lines that break only where the text has room to: a long file name is
// kept on one line as far as the screen allows.
int Run(QMessageBox& box) {
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        int widest = 0;
        for (const QString& line : box.text().split(QLatin1Char('\n')))
            widest = std::max(widest, label->fontMetrics().horizontalAdvance(line));
        const QScreen* screen = box.screen() ? box.screen() : QApplication::primaryScreen();
        const int room =
            screen ? screen->availableGeometry().width() * kBoxWidthShare / kBoxWidthOf : widest;
        label->setMinimumWidth(std::min(widest, room));
    }
    return box.exec();
}

int Show(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
         QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, kTitle, MessageText(text), buttons, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    return Run(box);
}
}  // namespace

void QtDialogs::Error(const std::string& text) {
    QApplication::beep();
    Show(parent_, QMessageBox::Critical, text, QMessageBox::Ok);
}

void QtDialogs::Info(const std::string& text) {
    Show(parent_, QMessageBox::Information, text, QMessageBox::Ok);
}

Answer QtDialogs::Confirm(const std::string& text, Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            Show(parent_, QMessageBox::Question, text, QMessageBox::Ok);
            return Answer::Ok;
        case Buttons::OkCancel:
            return Show(parent_, QMessageBox::Question, text,
                        QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok
                       ? Answer::Ok
                       : Answer::Cancel;
        case Buttons::YesNo:
            return Show(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
                           QMessageBox::Yes
                       ? Answer::Yes
                       : Answer::No;
    }
    return Answer::Cancel;
}

std::optional<std::string> QtDialogs::ChooseFolder(const std::string& start, bool allowCreate) {
    return ChooseFolder(
        allowCreate ? QObject::tr(BackupFolderTitle) : QObject::tr(RestoreFolderTitle), start,
        allowCreate);
}

std::optional<std::string> QtDialogs::ChooseGameFolder(const std::string& start) {
    return ChooseFolder(QObject::tr(GameFolderTitle), start, false);
}

std::optional<std::string> QtDialogs::ChooseFolder(const QString& title, const std::string& start,
                                                   bool allowCreate) {
    FolderDialog dialog(parent_, title, QString::fromStdString(start), allowCreate);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
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
