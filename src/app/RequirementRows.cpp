#include "app/RequirementRows.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace tq3 {

namespace {
enum Column { MeasureColumn, ComparisonColumn, ValueColumn, RemoveColumn, ColumnCount };

// What a comparison asks, for the list's tool tips.
QString Meaning(Comparison comparison) {
    switch (comparison) {
        case Comparison::AtLeast:
            return QObject::tr("at least");
        case Comparison::AtMost:
            return QObject::tr("at most");
        case Comparison::Above:
            return QObject::tr("more than");
        case Comparison::Below:
            return QObject::tr("less than");
        case Comparison::Equal:
            return QObject::tr("exactly");
    }
    return {};
}

// A fresh row's value: the middle of a share's or a percent's range, else the least count.
double StartValue(const RequirementMeasure& m) {
    return m.decimals > 0 ? (m.least + m.most) / 2 : std::max(m.least, 0.0);
}
}  // namespace

RequirementRows::RequirementRows(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("RequirementRows"));
    grid_ = new QGridLayout(this);
    grid_->setContentsMargins(0, 0, 0, 0);
    grid_->setColumnStretch(ColumnCount, 1);
    none_ = new QLabel(tr("No requirements: every world drawn is a match."), this);
    add_ = new QPushButton(tr("A&dd requirement"), this);
    add_->setObjectName(QStringLiteral("AddRequirement"));
    add_->setAutoDefault(false);
    // Each new row asks for a measure no row has yet, where one is left.
    connect(add_, &QPushButton::clicked, this, [this] {
        std::size_t measure = 0;
        while (measure + 1 < RequirementMeasures.size() &&
               std::any_of(rows_.begin(), rows_.end(), [&](const Row& r) {
                   return static_cast<std::size_t>(r.measure->currentIndex()) == measure;
               }))
            ++measure;
        AddRow(measure, 0, StartValue(RequirementMeasures[measure]));
    });
    Lay();
}

void RequirementRows::AddRow(std::size_t measure, std::size_t comparison, double value) {
    Row row{new QComboBox(this), new QComboBox(this), new QDoubleSpinBox(this),
            new QToolButton(this)};
    for (const RequirementMeasure& m : RequirementMeasures) {
        row.measure->addItem(QString::fromLatin1(m.name));
        row.measure->setItemData(row.measure->count() - 1, QString::fromLatin1(m.what),
                                 Qt::ToolTipRole);
    }
    for (const ComparisonText& c : ComparisonTexts) {
        row.comparison->addItem(QString::fromLatin1(c.text));
        row.comparison->setItemData(row.comparison->count() - 1, Meaning(c.comparison),
                                    Qt::ToolTipRole);
    }
    row.measure->setAccessibleName(tr("Measure"));
    row.comparison->setAccessibleName(tr("Comparison"));
    row.value->setAccessibleName(tr("Value"));
    row.measure->setCurrentIndex(static_cast<int>(measure));
    row.comparison->setCurrentIndex(static_cast<int>(comparison));
    FitValue(row);
    row.value->setValue(value);
    row.remove->setText(tr("Remove"));
    row.remove->setToolTip(tr("Remove this requirement"));
    row.remove->setFocusPolicy(Qt::StrongFocus);
    connect(row.measure, &QComboBox::currentIndexChanged, this, [this, measure = row.measure] {
        for (const Row& r : rows_)
            if (r.measure == measure) FitValue(r);
    });
    connect(row.remove, &QToolButton::clicked, this, [this, remove = row.remove] {
        const auto at = std::find_if(rows_.begin(), rows_.end(),
                                     [&](const Row& r) { return r.remove == remove; });
        if (at != rows_.end()) RemoveRow(static_cast<int>(at - rows_.begin()));
    });
    rows_.push_back(row);
    Lay();
    // Shown now, not when the layout gets to it: the dialog measures the rows at once.
    for (QWidget* w : {static_cast<QWidget*>(row.measure), static_cast<QWidget*>(row.comparison),
                       static_cast<QWidget*>(row.value), static_cast<QWidget*>(row.remove)})
        w->show();
    GiveKeyboard(row.measure);
    emit RowsChanged();
}

void RequirementRows::RemoveRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    const Row gone = rows_[static_cast<std::size_t>(row)];
    rows_.erase(rows_.begin() + row);
    for (QWidget* w : {static_cast<QWidget*>(gone.measure), static_cast<QWidget*>(gone.comparison),
                       static_cast<QWidget*>(gone.value), static_cast<QWidget*>(gone.remove)}) {
        w->hide();
        w->deleteLater();
    }
    Lay();
    // The keyboard goes on at the row that took its place, else at the add button.
    if (row < RowCount())
        GiveKeyboard(rows_[static_cast<std::size_t>(row)].measure);
    else
        GiveKeyboard(add_);
    emit RowsChanged();
}

// The control shows its focus frame as after Tab: the keyboard is where the user looks.
void RequirementRows::GiveKeyboard(QWidget* control) {
    window()->setAttribute(Qt::WA_KeyboardFocusChange);
    control->setFocus(Qt::TabFocusReason);
}

std::vector<Requirement> RequirementRows::Requirements() const {
    std::vector<Requirement> requirements;
    for (const Row& r : rows_)
        requirements.push_back(RequirementOf(
            RequirementMeasures[static_cast<std::size_t>(r.measure->currentIndex())],
            ComparisonTexts[static_cast<std::size_t>(r.comparison->currentIndex())].comparison,
            r.value->value()));
    return requirements;
}

void RequirementRows::FitValue(const Row& row) {
    const RequirementMeasure& m =
        RequirementMeasures[static_cast<std::size_t>(row.measure->currentIndex())];
    row.value->setDecimals(m.decimals);
    row.value->setRange(m.least, m.most);
    row.value->setSingleStep(std::pow(10.0, -m.decimals));
    row.value->setToolTip(QString::fromLatin1(m.what));
}

// The rows top to bottom, then the add button (or, without rows, what that means).
void RequirementRows::Lay() {
    while (QLayoutItem* item = grid_->takeAt(0)) delete item;
    int line = 0;
    for (const Row& r : rows_) {
        grid_->addWidget(r.measure, line, MeasureColumn);
        grid_->addWidget(r.comparison, line, ComparisonColumn);
        grid_->addWidget(r.value, line, ValueColumn);
        grid_->addWidget(r.remove, line, RemoveColumn);
        ++line;
    }
    none_->setVisible(rows_.empty());
    if (rows_.empty()) grid_->addWidget(none_, line++, 0, 1, ColumnCount);
    grid_->addWidget(add_, line, 0, 1, ComparisonColumn + 1, Qt::AlignLeft);
}

}  // namespace tq3
