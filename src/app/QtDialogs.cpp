#include "app/QtDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>
#include <limits>

#include "app/ProblemsDialog.h"
#include "widgets/Cp1252.h"
#include "widgets/FileChooser.h"
#include "widgets/WindowPlacement.h"

namespace tq3 {

namespace {
const QString kTitle = QStringLiteral("TQ3 Scenario Generator");
// A message box grows to at most this share of its screen's width before its lines wrap.
constexpr int kBoxWidthShare = 3;
constexpr int kBoxWidthOf = 4;
// Where a long path may break in a message box: a zero-width space.
constexpr QChar kPathBreak(0x200B);

// A message box whose long lines break after a path separator rather than inside a name:
// the text shown has a zero-width break after each "/" and "\\" of a line too wide for the
// box; what Ctrl+C copies is the text without them.
class MessageBox : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        QMessageBox::keyPressEvent(event);
        if (event != QKeySequence::Copy) return;
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText(clipboard->text().remove(kPathBreak));
    }
};

// Shows the box as wide as its widest line, up to its share of the screen; a line wider than
// that gets its break opportunities after path separators.
int Run(QMessageBox& box) {
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const QFontMetrics metrics = label->fontMetrics();
        const QScreen* screen = box.screen() ? box.screen() : QApplication::primaryScreen();
        const int room = screen ? screen->availableGeometry().width() * kBoxWidthShare / kBoxWidthOf
                                : std::numeric_limits<int>::max();
        int widest = 0;
        QStringList lines = box.text().split(QLatin1Char('\n'));
        for (QString& line : lines) {
            const int width = metrics.horizontalAdvance(line);
            widest = std::max(widest, width);
            if (width <= room) continue;
            for (qsizetype at = line.size() - 1; at >= 0; --at)
                if (line[at] == QLatin1Char('/') || line[at] == QLatin1Char('\\'))
                    line.insert(at + 1, kPathBreak);
        }
        box.setText(lines.join(QLatin1Char('\n')));
        label->setMinimumWidth(std::min(widest, room));
    }
    return box.exec();
}

int Show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
         QMessageBox::StandardButtons buttons,
         QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) {
    MessageBox box(icon, kTitle, text, buttons, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    return Run(box);
}
}  // namespace

void QtDialogs::Error(const std::string& text) {
    QApplication::beep();
    Show(parent_, QMessageBox::Critical, MessageText(text), QMessageBox::Ok);
}

void QtDialogs::Info(const std::string& text) {
    Show(parent_, QMessageBox::Information, MessageText(text), QMessageBox::Ok);
}

Answer QtDialogs::Confirm(const std::string& text, Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            Show(parent_, QMessageBox::Question, MessageText(text), QMessageBox::Ok);
            return Answer::Ok;
        case Buttons::OkCancel:
            return Show(parent_, QMessageBox::Question, MessageText(text),
                        QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok
                       ? Answer::Ok
                       : Answer::Cancel;
        case Buttons::YesNo:
            // Every Yes of the program's questions writes files: Enter answers No.
            return Show(parent_, QMessageBox::Question, MessageText(text),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes
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
    const QString chosen =
        ChooseFolderIn(parent_, title, QString::fromStdString(start), allowCreate);
    if (chosen.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(chosen).toStdString();
}

QString QtDialogs::Place(const std::string& file, int line) {
    QString where = QDir::toNativeSeparators(QString::fromStdString(file));
    if (line > 0) where += QLatin1Char(':') + QString::number(line);
    return where;
}

void QtDialogs::Problem(const std::string& file, int line, const std::string& text) {
    problems_.push_back(Place(file, line) + QStringLiteral(": ") + MessageText(text));
}

void QtDialogs::LoadStopped(const std::string& file, int line, const std::string& problem,
                            const std::string& error) {
    QApplication::beep();
    Show(parent_, QMessageBox::Critical,
         MessageText(error) + QStringLiteral("\n\n") + Place(file, line) + QStringLiteral(": ") +
             MessageText(problem),
         QMessageBox::Ok);
}

std::string QtDialogs::SettingName(const std::string& key) {
    // The settings that refusals of a run name, with the captions the window shows for them.
    static const std::pair<const char*, const char*> kCaptions[] = {
        {"NationCount", "Countries count"},
        {"MajorCount", "Major count"},
        {"RandomStartLoc", "Starting Locations"},
    };
    for (const auto& [name, caption] : kCaptions)
        if (key == name) return std::string("\"") + caption + '"';
    return key;
}

void QtDialogs::Busy(bool busy) {
    loads_ = busy ? loads_ + 1 : std::max(0, loads_ - 1);
    if (busy || loads_ > 0 || problems_.empty()) return;
    // The load has ended: every problem it found in one list.
    const QStringList problems(problems_.begin(), problems_.end());
    problems_.clear();
    ProblemsDialog dialog(problems, parent_);
    FitDialogToScreen(&dialog, dialog.sizeHint());
    dialog.exec();
}

}  // namespace tq3
