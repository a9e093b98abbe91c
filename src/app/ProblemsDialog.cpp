#include "app/ProblemsDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq3 {

namespace {
// The list's size: it would like 80 characters by 12 lines, and makes do with half of that
// on a small screen.
constexpr int kWantedColumns = 80;
constexpr int kWantedLines = 12;
constexpr int kShrinksBy = 2;

class ProblemList : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;
    QSize sizeHint() const override {
        const QFontMetrics metrics(font());
        return {metrics.horizontalAdvance(QLatin1Char('x')) * kWantedColumns,
                metrics.lineSpacing() * kWantedLines};
    }
    QSize minimumSizeHint() const override { return sizeHint() / kShrinksBy; }
};
}  // namespace

ProblemsDialog::ProblemsDialog(const QStringList& problems, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ProblemsDialog"));
    setWindowTitle(tr("Problems found while loading"));
    auto* layout = new QVBoxLayout(this);
    auto* intro =
        new QLabel(problems.size() == 1
                       ? tr("Loading the configuration found 1 problem. It was worked around:")
                       : tr("Loading the configuration found %1 problems. They were worked around:")
                             .arg(problems.size()),
                   this);
    intro->setWordWrap(true);
    auto* list = new ProblemList(problems.join(QLatin1Char('\n')), this);
    list->setObjectName(QStringLiteral("ProblemsList"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    list->setAccessibleName(tr("Problems"));
    intro->setBuddy(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("&Copy all"), QDialogButtonBox::ActionRole);
    // Enter closes the list; copying takes its own key or a click.
    copy->setAutoDefault(false);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("CloseProblems"));
    close->setDefault(true);
    connect(copy, &QPushButton::clicked, this,
            [list] { QApplication::clipboard()->setText(list->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(intro);
    layout->addWidget(list);
    layout->addWidget(buttons);
}

}  // namespace tq3
