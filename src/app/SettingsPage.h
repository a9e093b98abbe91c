#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QToolButton>
#include <QWidget>
#include <initializer_list>

#include "app/Controls.h"
#include "app/SettingBinding.h"
#include "engine/World.h"

class QGridLayout;

namespace tq3 {

// The columns of a group's grid that SettingsPage::AddRow fills: label, control, position, note.
inline constexpr int kSliderColumns = 4;

// One tab of the settings window. It makes its controls from binding rows, serves the plain
// handler families, and puts the settings back into its controls in ShowSettings. The tab
// scrolls when the window is smaller than its controls need.
class SettingsPage : public QScrollArea {
  public:
    SettingsPage(const char* name, World& world, QWidget* parent = nullptr);
    // Room for every control without scrolling, the columns side by side.
    QSize sizeHint() const override;
    // The content's size hint with its columns side by side, even while they are stacked.
    QSize SideBySideHint() const;
    // Copies the settings into this tab's controls, with the visibility that follows them.
    virtual void ShowSettings() = 0;
    // The controls that follow an unticked box are hidden before the first load, as they
    // are after one.
    void ApplyFormDefaults();
    // The tab's controls in reading order, the order Tab takes.
    virtual std::vector<QWidget*> KeyboardOrder() const;

    // The control of this tab with the given object name; nullptr when there is none.
    template <class T = QWidget>
    T* Find(const char* name) const {
        return findChild<T*>(QString::fromLatin1(name));
    }

  protected:
    // A window wider than the widest tab needs gives the controls a little more room, then
    // leaves the rest beside them instead of stretching every slider. One too narrow for the
    // tab's columns side by side puts them one above the other, so that the tab scrolls only
    // up and down.
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

    TGeneratorSettings& S() { return world_.Settings; }
    // The widget that holds the tab's controls; the page's layout goes on it.
    QWidget* Content() const { return widget(); }

    // Controls made from rows; the handler of the row's family is connected.
    CheckBox* Make(const CheckBinding& row);
    TrackBar* Make(const SliderBinding& row);  // with its label, when the row names one
    SpinEdit* Make(const SpinBinding& row);
    QGroupBox* Make(const RadioPairBinding& row);  // the group box with both buttons
    QLabel* MakeLabel(const char* name, const QString& text);
    QGroupBox* MakeGroup(const char* name, const QString& title);
    QToolButton* MakeButton(const char* name, const QString& caption);
    // A label for `control`: its buddy (so its mnemonic focuses the control) and its
    // accessible name.
    static void Name(QLabel* label, QWidget* control);

    // Layout: a slider or spin edit with its label on the next row of `grid`; `note`, the
    // label at the slider's right end, when given. A spin edit keeps its own width.
    static void AddRow(QGridLayout* grid, QWidget* label, QWidget* control,
                       QWidget* note = nullptr);
    // Gives the label, position and note columns of `grids` one width each, the widest in any
    // of them, so that the sliders of neighbouring groups start and end at one place.
    static void ShareColumns(std::initializer_list<QGridLayout*> grids);
    static QGridLayout* GridOf(QGroupBox* group);
    // Lays the tab out in two columns of groups at their natural heights: side by side, or one
    // above the other where the window is too narrow for that.
    void PlaceInColumns(std::initializer_list<QWidget*> left,
                        std::initializer_list<QWidget*> right);

    // The handler families.
    void CheckBoxClick(const CheckBinding& row);
    void TrackBarChange(const SliderBinding& row);
    void SpinEditChange(const SpinBinding& row);
    void RadioPairClick(const RadioPairBinding& row);
    void RefreshHint(const SliderBinding& row);

    // Settings into controls, as ShowSettings does it for each family.
    void Show(const CheckBinding& row);
    void Show(const SliderBinding& row);
    void Show(const SpinBinding& row);
    void Show(const RadioPairBinding& row);

    void SetShown(const Names& names, bool shown);
    void SetEnabled(const Names& names, bool enabled);

    World& world_;

  private:
    void LimitContentWidth();
    void FitColumns();
    int columnGap_ = 0;  // between the columns side by side

    std::vector<const CheckBinding*> checkRows_;
};

// The value of a hint written as a plain decimal number.
QString DecimalHint(int value);

}  // namespace tq3
