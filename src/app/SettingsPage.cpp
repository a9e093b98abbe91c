#include "app/SettingsPage.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QScrollBar>
#include <algorithm>

#include "app/Keyboard.h"

namespace tq3 {

namespace {
// How much wider than they need the tab's controls may grow: by a quarter.
constexpr int kGrowthOf = 5;
constexpr int kGrowthOver = 4;
}  // namespace

QString DecimalHint(int value) {
    return QString::number(value);
}

SettingsPage::SettingsPage(const char* name, World& world, QWidget* parent)
    : QScrollArea(parent), world_(world) {
    setObjectName(QString::fromLatin1(name));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    auto* content = new QWidget;
    content->setObjectName(QString::fromLatin1(name) + QStringLiteral("Controls"));
    setWidget(content);
    // The tab's own background shows through.
    viewport()->setAutoFillBackground(false);
    content->setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Tab goes through the tab's controls, never to the scrolling area that shows no focus.
    setFocusPolicy(Qt::NoFocus);
}

void SettingsPage::LimitContentWidth() {
    // Every tab fills the window at the width the widest tab needs; a tab whose columns are
    // stacked fills the whole width, so that no third of it stays empty.
    const auto* columns = qobject_cast<QBoxLayout*>(Content()->layout());
    if (columns && columns->direction() == QBoxLayout::TopToBottom) {
        widget()->setMaximumWidth(QWIDGETSIZE_MAX);
        return;
    }
    int widest = widget()->sizeHint().width();
    if (parentWidget())
        for (QObject* sibling : parentWidget()->children())
            if (auto* page = dynamic_cast<SettingsPage*>(sibling))
                widest = std::max(widest, page->SideBySideHint().width());
    widget()->setMaximumWidth(widest * kGrowthOf / kGrowthOver);
}

void SettingsPage::PlaceInColumns(std::initializer_list<QWidget*> left,
                                  std::initializer_list<QWidget*> right) {
    auto* columns = new QHBoxLayout(Content());
    for (const auto& groups : {left, right}) {
        auto* column = new QVBoxLayout;
        for (QWidget* group : groups) column->addWidget(group);
        column->addStretch(1);
        columns->addLayout(column, 1);
    }
}

void SettingsPage::FitColumns() {
    // A tab whose layout is a row of columns (a grid keeps its shape).
    auto* columns = qobject_cast<QBoxLayout*>(Content()->layout());
    if (!columns || columns->count() < 2) return;
    // The gap between columns as the layout gives it side by side (stacked, it would give the
    // vertical one).
    if (columns->direction() == QBoxLayout::LeftToRight)
        columnGap_ = std::max(0, columns->spacing());
    const QMargins margins = columns->contentsMargins();
    int sideBySide = margins.left() + margins.right() + columnGap_ * (columns->count() - 1);
    for (int i = 0; i < columns->count(); ++i)
        sideBySide += columns->itemAt(i)->minimumSize().width();
    // The room side by side: the whole width when the columns fit in height, else less the
    // scroll bar they will need (the bar the stacked columns show does not count).
    const bool fitsTall = SideBySideHint().height() <= contentsRect().height();
    const int room =
        contentsRect().width() - (fitsTall ? 0 : verticalScrollBar()->sizeHint().width());
    const auto direction = room >= sideBySide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (columns->direction() != direction) columns->setDirection(direction);
}

void SettingsPage::resizeEvent(QResizeEvent* event) {
    FitColumns();
    LimitContentWidth();
    QScrollArea::resizeEvent(event);
}

void SettingsPage::showEvent(QShowEvent* event) {
    FitColumns();
    LimitContentWidth();
    QScrollArea::showEvent(event);
}

void SettingsPage::ApplyFormDefaults() {
    for (const CheckBinding* row : checkRows_)
        if (!Find<CheckBox>(row->name)->isChecked()) SetShown(row->shows, false);
}

std::vector<QWidget*> SettingsPage::KeyboardOrder() const {
    return ReadingOrder(Content());
}

QSize SettingsPage::sizeHint() const {
    const int frame = 2 * frameWidth();
    return SideBySideHint() + QSize(frame, frame);
}

QSize SettingsPage::SideBySideHint() const {
    const auto* columns = qobject_cast<QBoxLayout*>(Content()->layout());
    if (!columns || columns->direction() == QBoxLayout::LeftToRight) return widget()->sizeHint();
    // The stacked columns' own sizes, put side by side.
    const QMargins margins = columns->contentsMargins();
    QSize size(margins.left() + margins.right() + columnGap_ * (columns->count() - 1), 0);
    for (int i = 0; i < columns->count(); ++i) {
        const QSize column = columns->itemAt(i)->sizeHint();
        size.rwidth() += column.width();
        size.setHeight(std::max(size.height(), column.height()));
    }
    size.rheight() += margins.top() + margins.bottom();
    return size;
}

CheckBox* SettingsPage::Make(const CheckBinding& row) {
    auto* box = new CheckBox(row.name, QString::fromLatin1(row.caption), Content());
    box->setChecked(row.ticked);
    box->setVisible(row.initially != Initially::Hidden);
    box->setEnabled(row.initially != Initially::Disabled);
    box->onClick = [this, &row] { CheckBoxClick(row); };
    checkRows_.push_back(&row);
    return box;
}

TrackBar* SettingsPage::Make(const SliderBinding& row) {
    auto* bar = new TrackBar(row.name, row.min, row.max, row.position, Content());
    if (row.label) {
        Name(MakeLabel(row.label, QString::fromLatin1(row.labelCaption)), bar);
    } else if (row.labelCaption) {
        bar->setAccessibleName(QString::fromLatin1(row.labelCaption));
    }
    bar->onChange = [this, &row] { TrackBarChange(row); };
    RefreshHint(row);
    return bar;
}

SpinEdit* SettingsPage::Make(const SpinBinding& row) {
    auto* spin = new SpinEdit(row.name, row.min, row.max, row.value, Content());
    Name(MakeLabel(row.label, QString::fromLatin1(row.labelCaption)), spin);
    spin->onChange = [this, &row] { SpinEditChange(row); };
    return spin;
}

QGroupBox* SettingsPage::Make(const RadioPairBinding& row) {
    QGroupBox* group = MakeGroup(row.group, QString::fromLatin1(row.groupTitle));
    auto* first = new RadioButton(row.first, QString::fromLatin1(row.firstCaption), group);
    auto* second = new RadioButton(row.second, QString::fromLatin1(row.secondCaption), group);
    first->setChecked(true);
    first->onClick = second->onClick = [this, &row] { RadioPairClick(row); };
    return group;
}

QLabel* SettingsPage::MakeLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text, Content());
    label->setObjectName(QString::fromLatin1(name));
    // Glyphs can be drawn a little wider than the font reports; half a blank of slack keeps the
    // last letter of the widest caption in a column from being cut at the control beside it.
    label->setMinimumWidth(label->sizeHint().width() +
                           label->fontMetrics().horizontalAdvance(QLatin1Char(' ')) / 2);
    return label;
}

QGroupBox* SettingsPage::MakeGroup(const char* name, const QString& title) {
    auto* group = new QGroupBox(title, Content());
    group->setObjectName(QString::fromLatin1(name));
    return group;
}

QToolButton* SettingsPage::MakeButton(const char* name, const QString& caption) {
    auto* button = new QToolButton(Content());
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

void SettingsPage::Name(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    control->setAccessibleName(label->text().remove(QLatin1Char('&')).simplified());
}

void SettingsPage::AddRow(QGridLayout* grid, QWidget* label, QWidget* control, QWidget* note) {
    const int row = grid->rowCount();
    if (label) grid->addWidget(label, row, 0);
    if (qobject_cast<QSpinBox*>(control))
        grid->addWidget(control, row, 1, Qt::AlignLeft);
    else
        grid->addWidget(control, row, 1);
    // A slider's position stands at its right, before the note.
    if (auto* bar = dynamic_cast<TrackBar*>(control)) grid->addWidget(bar->Readout(), row, 2);
    if (note) grid->addWidget(note, row, 3);
}

void SettingsPage::ShareColumns(std::initializer_list<QGridLayout*> grids) {
    constexpr int kShared[] = {0, 2, 3};  // label, position, note
    int widths[kSliderColumns] = {};
    for (QGridLayout* grid : grids)
        for (int k = 0; k < grid->count(); ++k) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(k, &row, &column, &rowSpan, &columnSpan);
            if (columnSpan != 1 || column >= kSliderColumns) continue;
            const QWidget* widget = grid->itemAt(k)->widget();
            const int width = widget ? std::max(widget->sizeHint().width(), widget->minimumWidth())
                                     : grid->itemAt(k)->sizeHint().width();
            widths[column] = std::max(widths[column], width);
        }
    for (QGridLayout* grid : grids)
        for (const int column : kShared) grid->setColumnMinimumWidth(column, widths[column]);
}

QGridLayout* SettingsPage::GridOf(QGroupBox* group) {
    return static_cast<QGridLayout*>(group->layout());
}

void SettingsPage::CheckBoxClick(const CheckBinding& row) {
    const bool ticked = Find<CheckBox>(row.name)->isChecked();
    row.setting.set(S(), ticked);
    SetShown(row.shows, ticked);
    SetShown(row.showsWhenOff, !ticked);
}

void SettingsPage::TrackBarChange(const SliderBinding& row) {
    row.setting.set(S(), Find<TrackBar>(row.name)->Position());
    RefreshHint(row);
}

void SettingsPage::SpinEditChange(const SpinBinding& row) {
    row.setting.set(S(), Find<SpinEdit>(row.name)->Value());
}

void SettingsPage::RadioPairClick(const RadioPairBinding& row) {
    const char* on = row.onButton == 0 ? row.first : row.second;
    const bool value = Find<RadioButton>(on)->isChecked();
    row.setting.set(S(), value);
    SetShown(row.shows, value);
    SetShown(row.showsWhenOff, !value);
    SetEnabled(row.enablesWhenOff, !value);
}

void SettingsPage::RefreshHint(const SliderBinding& row) {
    if (!row.hint) return;
    const int position = Find<TrackBar>(row.name)->Position();
    const QString value = row.hintValue ? row.hintValue(position) : DecimalHint(position);
    Find<TrackBar>(row.name)->setToolTip(QString::fromLatin1(row.hint) + value);
}

void SettingsPage::Show(const CheckBinding& row) {
    const bool ticked = row.setting.get(S()) != 0;
    Find<CheckBox>(row.name)->SetChecked(ticked);
    SetShown(row.shows, ticked);
    SetShown(row.showsWhenOff, !ticked);
}

void SettingsPage::Show(const SliderBinding& row) {
    Find<TrackBar>(row.name)->SetPosition(row.setting.get(S()));
    RefreshHint(row);
}

void SettingsPage::Show(const SpinBinding& row) {
    Find<SpinEdit>(row.name)->SetValue(row.setting.get(S()));
}

void SettingsPage::Show(const RadioPairBinding& row) {
    const bool value = row.setting.get(S()) != 0;
    const bool first = (row.onButton == 0) == value;
    Find<RadioButton>(first ? row.first : row.second)->Select();
    SetShown(row.shows, value);
    SetShown(row.showsWhenOff, !value);
    SetEnabled(row.enablesWhenOff, !value);
}

void SettingsPage::SetShown(const Names& names, bool shown) {
    // A hidden control leaves no room: its group closes up, and no row stands empty.
    for (const char* name : names)
        if (QWidget* w = Find(name)) w->setVisible(shown);
}

void SettingsPage::SetEnabled(const Names& names, bool enabled) {
    for (const char* name : names)
        if (QWidget* w = Find(name)) w->setEnabled(enabled);
}

}  // namespace tq3
