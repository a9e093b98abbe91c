#pragma once

#include "app/SettingsPage.h"

namespace tq3 {

// The tab "Provinces": climate, terrain and the province values.
class ProvincesPage : public SettingsPage {
  public:
    explicit ProvincesPage(World& world, QWidget* parent = nullptr);
    void ShowSettings() override;
};

}  // namespace tq3
