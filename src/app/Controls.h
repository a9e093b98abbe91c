#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <functional>

namespace tq3 {

// The settings window's controls, with the rules for setting them from code that the window
// relies on (Qt's own signals differ):
//   - a check box set to a new state, or a radio button newly selected, runs its click
//     handler as a user click would; a radio button cleared by a sibling runs nothing;
//   - a slider set to a position clamps it and runs nothing;
//   - a spin edit set to a value clamps it and runs its handler when the shown number
//     changes; its text, when not a number, reads as its minimum;
//   - an edit set to a different text runs its change handler.
// User input runs the same handlers.

class CheckBox : public QCheckBox {
  public:
    CheckBox(const char* name, const QString& caption, QWidget* parent = nullptr);
    std::function<void()> onClick;
    void SetChecked(bool checked);
};

class RadioButton : public QRadioButton {
  public:
    RadioButton(const char* name, const QString& caption, QWidget* parent = nullptr);
    std::function<void()> onClick;
    // Selects the button; runs its handler when it was not selected.
    void Select();
};

class TrackBar : public QSlider {
  public:
    TrackBar(const char* name, int min, int max, int position, QWidget* parent = nullptr);
    std::function<void()> onChange;
    // Clamps into the range; runs nothing.
    void SetPosition(int position);
    int Position() const { return value(); }
    // A label beside the slider that shows its position and is shown and hidden with it.
    QLabel* Readout();
    // Where the middle of the handle stands at `position`, in the slider's coordinates.
    int StopX(int position) const;
    void setVisible(bool visible) override;

  protected:
    void sliderChange(SliderChange change) override;

  private:
    QLabel* readout_ = nullptr;
};

class SpinEdit : public QSpinBox {
  public:
    SpinEdit(const char* name, int min, int max, int value, QWidget* parent = nullptr);
    std::function<void()> onChange;
    // Clamps into the range; runs the handler when the shown number changes.
    void SetValue(int value);
    // The shown number, or the minimum when the text is not a number.
    int Value() const;
};

class Edit : public QLineEdit {
  public:
    explicit Edit(const char* name, QWidget* parent = nullptr);
    std::function<void()> onChange;
    // Runs the handler when the text differs from the shown one.
    void SetText(const QString& text);
};

}  // namespace tq3
