#include "app/ProblemsDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq3 {

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
    auto* list = new QPlainTextEdit(problems.join(QLatin1Char('\n')), this);
    list->setObjectName(QStringLiteral("ProblemsList"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    list->setAccessibleName(tr("Problems"));
    intro->setBuddy(list);
    const QFontMetrics metrics(list->font());
    list->setMinimumSize(metrics.horizontalAdvance(QLatin1Char('x')) * 80,
                         metrics.lineSpacing() * 12);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("&Copy all"), QDialogButtonBox::ActionRole);
    connect(copy, &QPushButton::clicked, this,
            [list] { QApplication::clipboard()->setText(list->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(intro);
    layout->addWidget(list);
    layout->addWidget(buttons);
}

}  // namespace tq3
