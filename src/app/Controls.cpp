#include "app/Controls.h"

#include <QSignalBlocker>
#include <algorithm>

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
    connect(this, &QSlider::valueChanged, this, [this] { Run(onChange); });
}

void TrackBar::SetPosition(int position) {
    const QSignalBlocker quiet(this);
    setValue(std::clamp(position, minimum(), maximum()));
    update();
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
