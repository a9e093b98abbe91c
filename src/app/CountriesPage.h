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

    // The majors map button opens the map editor in majors mode.
    std::function<void()> onMajorsMap;

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
    void SetRelations(bool historical, bool random);
    void RefreshStartLocHint(bool shortText);
};

}  // namespace tq3
