#include "app/FormBasic.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <limits>

#include "widgets/Cp1252.h"
#include "output/ScenarioFile.h"

namespace tq3 {

std::optional<int16_t> ReadYear(const QString& text) {
    static const QRegularExpression kWhole(QStringLiteral("^[+-]?[0-9]+$"));
    if (!kWhole.match(text).hasMatch()) return std::nullopt;
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int16_t>::min() ||
        value > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return static_cast<int16_t>(value);
}

namespace {
QLineEdit* AddField(QGridLayout* grid, const char* name, const QString& caption, QLabel*& note,
                    QWidget* parent) {
    const int row = grid->rowCount();
    auto* label = new QLabel(caption, parent);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    label->setBuddy(edit);
    edit->setAccessibleName(label->text().remove(QLatin1Char('&')));
    note = new QLabel(parent);
    note->setObjectName(QString::fromLatin1(name) + QStringLiteral("Note"));
    note->setStyleSheet(QStringLiteral("color: #b00000"));
    note->setWordWrap(true);
    note->hide();
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(note, row + 1, 1);
    return edit;
}
}  // namespace

TFormBasic::TFormBasic(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormBasic"));
    setWindowTitle(QStringLiteral("General settings"));
    auto* grid = new QGridLayout(this);
    EditFilename = AddField(grid, "EditFilename", tr("&File name"), filenameNote_, this);
    EditStartYear = AddField(grid, "EditStartYear", tr("&Start year"), startNote_, this);
    EditEndYear = AddField(grid, "EditEndYear", tr("&End year"), endNote_, this);
    // The refusal of an end before the start stands under the end year.
    orderNote_ = new QLabel(tr("The end year is before the start year: a scenario cannot end "
                               "before it starts."),
                            this);
    orderNote_->setObjectName(QStringLiteral("YearOrderNote"));
    orderNote_->setStyleSheet(endNote_->styleSheet());
    orderNote_->setWordWrap(true);
    orderNote_->hide();
    grid->addWidget(orderNote_, grid->rowCount(), 1);
    QLabel* unused = nullptr;
    EditScenarioName = AddField(grid, "EditScenarioName", tr("Scenario &name"), unused, this);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    grid->addWidget(ok, grid->rowCount(), 1, Qt::AlignRight);
    grid->setColumnMinimumWidth(1, fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);
    for (QLineEdit* edit : {EditFilename, EditStartYear, EditEndYear})
        connect(edit, &QLineEdit::textChanged, this, [this] { Check(); });
    setFixedSize(sizeHint());
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TFormBasic::Fill(const TGeneratorSettings& s) {
    EditFilename->setText(FromCp1252(s.ScenarioFileName));
    EditStartYear->setText(QString::number(s.StartYear));
    EditEndYear->setText(QString::number(s.EndYear));
    EditScenarioName->setText(FromCp1252(s.ScenarioName));
}

void TFormBasic::Apply(TGeneratorSettings& s) const {
    // The texts are taken as they are, not trimmed.
    s.ScenarioFileName = ToCp1252(EditFilename->text());
    s.ScenarioName = ToCp1252(EditScenarioName->text());
    s.StartYear = ReadYear(EditStartYear->text()).value_or(kDefaultStartYear);
    s.EndYear = ReadYear(EditEndYear->text()).value_or(kDefaultEndYear);
}

bool TFormBasic::EndsBeforeItStarts() const {
    return ReadYear(EditEndYear->text()).value_or(kDefaultEndYear) <
           ReadYear(EditStartYear->text()).value_or(kDefaultStartYear);
}

void TFormBasic::accept() {
    if (EndsBeforeItStarts()) {
        orderNote_->show();
        EditEndYear->setFocus(Qt::OtherFocusReason);
        EditEndYear->selectAll();
        return;
    }
    QDialog::accept();
}

// Flags beside each field what the run or OK will do with it; only an end before the start
// is refused, by OK.
void TFormBasic::Check() {
    const bool plain = IsPlainScenarioFileName(ToCp1252(EditFilename->text()));
    filenameNote_->setText(
        tr("Not a plain file name (no \"/\", \"\\\" or \"..\"): a run will not write the scenario "
           "with it."));
    filenameNote_->setVisible(!plain);
    const auto flagYear = [](QLabel* note, const QString& text, int fallback) {
        note->setText(tr("Not a year from -32768 to 32767: OK uses %1.").arg(fallback));
        note->setVisible(!ReadYear(text).has_value());
    };
    flagYear(startNote_, EditStartYear->text(), kDefaultStartYear);
    flagYear(endNote_, EditEndYear->text(), kDefaultEndYear);
    orderNote_->setVisible(EndsBeforeItStarts());
}

void ShowGeneralSettings(QWidget* owner, TGeneratorSettings& settings) {
    TFormBasic dialog(owner);
    dialog.Fill(settings);
    if (dialog.exec() == QDialog::Accepted) dialog.Apply(settings);
}

}  // namespace tq3
