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

    // The map editor's part: the majors map button, and a click into the majors edit (the
    // editor then refills its major rows from SpecifiedMajors when next shown).
    std::function<void()> onMajorsMap;
    std::function<void()> onEditMajorsClick;

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
    void CheckBoxRandomStartLocClick() {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetRelations(bool historical, bool random);
    void RefreshStartLocHint(bool shortText);
};

}  // namespace tq3
