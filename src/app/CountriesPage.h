#pragma once

#include <functional>

#include "app/SettingsPage.h"

namespace tq3 {

// The tab "Countries": nations, majors, relations, start locations and start sizes.
class CountriesPage : public SettingsPage {
  public:
    explicit CountriesPage(World& world, QWidget* parent = nullptr);
    void ShowSettings() override;
    // The fantasy box and the conquistador box; ShowSettings sets them before anything else.
    void ShowFantasy();

    // The majors map button opens the map editor in majors mode; it is enabled when the
    // window has a map editor.
    std::function<void()> onMajorsMap;
    void SetMajorsMapEnabled(bool enabled);
    // The edit of specified majors takes their setting (after the map editor wrote it).
    void ShowSpecifiedMajors();

    // Special handlers.
    void CheckBoxFantasyModeClick();
    void RadioButtonHistRelationsClick();
    void RadioButtonRandomRelationsClick();
    void RadioButtonEqualRelationsClick();
    void RadioButtonStartSizeEqualClick();
    void SpinEditStartingSizeChange();
    void CheckBoxDoubleSizeClick();
    void TrackBarRandomStartLocChange();
    void EditMajorsChange();

  private:
    // The groups, each with its controls.
    QGroupBox* BuildNations();
    QGroupBox* BuildMajors();
    QGroupBox* BuildRelations();
    QGroupBox* BuildStartLocations();
    QGroupBox* BuildStartSize();
    void SetRelations(bool historical, bool random);
    void RefreshStartLocHint(bool shortText);

    CheckBox* fantasy_ = nullptr;
    CheckBox* conquistador_ = nullptr;
    TrackBar* nationCount_ = nullptr;
    Edit* majorsEdit_ = nullptr;
    QToolButton* majorsMap_ = nullptr;
    RadioButton* historicalRelations_ = nullptr;
    RadioButton* randomRelations_ = nullptr;
    RadioButton* equalRelations_ = nullptr;
    TrackBar* startBar_ = nullptr;  // start locations
    RadioButton* sizeEqual_ = nullptr;
    RadioButton* sizeIndiv_ = nullptr;
    SpinEdit* startSize_ = nullptr;
    CheckBox* doubleSize_ = nullptr;
};

}  // namespace tq3
