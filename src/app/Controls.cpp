#include "app/Controls.h"

#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionSlider>
#include <algorithm>
#include <cstdlib>

namespace tq3 {

namespace {
void Run(const std::function<void()>& handler) {
    if (handler) handler();
}
}  // namespace

CheckBox::CheckBox(const char* name, const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {
    setObjectName(QString::fromLatin1(name));
    // `clicked` comes from the user only (mouse, space bar, mnemonic), never from setChecked.
    connect(this, &QCheckBox::clicked, this, [this] { Run(onClick); });
}

void CheckBox::SetChecked(bool checked) {
    if (isChecked() == checked) return;
    setChecked(checked);
    Run(onClick);
}

RadioButton::RadioButton(const char* name, const QString& caption, QWidget* parent)
    : QRadioButton(caption, parent) {
    setObjectName(QString::fromLatin1(name));
    // Arrow keys inside a group select through click(), so they arrive here as well.
    connect(this, &QRadioButton::clicked, this, [this](bool checked) {
        if (checked) Run(onClick);
    });
}

void RadioButton::Select() {
    if (isChecked()) return;
    setChecked(true);
    Run(onClick);
}

TrackBar::TrackBar(const char* name, int min, int max, int position, QWidget* parent)
    : QSlider(Qt::Horizontal, parent) {
    setObjectName(QString::fromLatin1(name));
    setRange(min, max);
    setValue(position);
    const int span = max - min;
    setPageStep(std::max(1, span / 10));
    setTickPosition(span <= 20 ? QSlider::TicksBelow : QSlider::NoTicks);
    setTickInterval(1);
    setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('x')) * 14);
    connect(this, &QSlider::valueChanged, this, [this] { Run(onChange); });
}

void TrackBar::SetPosition(int position) {
    const QSignalBlocker quiet(this);
    setValue(std::clamp(position, minimum(), maximum()));
    update();
}

int TrackBar::StopX(int position) const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.sliderPosition = option.sliderValue = position;
    return style()
        ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this)
        .center()
        .x();
}

QLabel* TrackBar::Readout() {
    if (readout_) return readout_;
    readout_ = new QLabel(parentWidget());
    readout_->setObjectName(objectName() + QStringLiteral("Value"));
    readout_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for the longest number of the range.
    const QString widest = QString::number(std::max(std::abs(minimum()), std::abs(maximum())));
    readout_->setMinimumWidth(fontMetrics().horizontalAdvance(
        (minimum() < 0 ? QStringLiteral("-") : QString()) + widest));
    readout_->setText(QString::number(value()));
    readout_->setVisible(!isHidden());
    return readout_;
}

void TrackBar::setVisible(bool visible) {
    QSlider::setVisible(visible);
    if (!readout_) return;
    // The position beside the slider keeps its room when the slider does.
    QSizePolicy policy = readout_->sizePolicy();
    policy.setRetainSizeWhenHidden(sizePolicy().retainSizeWhenHidden());
    readout_->setSizePolicy(policy);
    readout_->setVisible(visible);
}

// Runs for every change of the position, from code as from the user.
void TrackBar::sliderChange(SliderChange change) {
    QSlider::sliderChange(change);
    if (readout_ && change == SliderValueChange) readout_->setText(QString::number(value()));
}

SpinEdit::SpinEdit(const char* name, int min, int max, int value, QWidget* parent)
    : QSpinBox(parent) {
    setObjectName(QString::fromLatin1(name));
    setRange(min, max);
    setValue(value);
    // The shown text is what counts. The spin box reports texts that are numbers; an emptied
    // field or a lone sign only reaches its line edit.
    connect(this, &QSpinBox::textChanged, this, [this] { Run(onChange); });
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        bool number = false;
        cleanText().toInt(&number);
        if (!number) Run(onChange);
    });
}

void SpinEdit::SetValue(int v) {
    setValue(std::clamp(v, minimum(), maximum()));
}

int SpinEdit::Value() const {
    bool ok = false;
    const int shown = cleanText().toInt(&ok);
    if (!ok) return minimum();
    return std::clamp(shown, minimum(), maximum());
}

Edit::Edit(const char* name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(QString::fromLatin1(name));
    connect(this, &QLineEdit::textChanged, this, [this] { Run(onChange); });
}

void Edit::SetText(const QString& text) {
    if (this->text() != text) setText(text);
}

}  // namespace tq3
