#pragma once

#include "app/SettingsPage.h"

namespace tq3 {

// The tab "Religion, Culture": religions of provinces and nations, and how many provinces
// each religion gets; pagan takes the rest.
class ReligionPage : public SettingsPage {
  public:
    explicit ReligionPage(World& world, QWidget* parent = nullptr);
    void ShowSettings() override;

    // Special handlers. The religion sliders (TrackBarCatholicChange to
    // TrackBarConfucianChange) share one, given the ReligProb element they write.
    void TrackBarReligionChange(int element);
    void CheckBoxRandomReligNationClick();

  private:
    TrackBar* pagan_ = nullptr;  // shows what the other religions leave
};

}  // namespace tq3
