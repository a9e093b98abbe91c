#pragma once

#include "app/SettingsPage.h"

namespace tq3 {

// The tab "Economy": trade goods, centres of trade, taxes and goods prices.
class EconomyPage : public SettingsPage {
  public:
    explicit EconomyPage(World& world, QWidget* parent = nullptr);
    void ShowSettings() override;
};

}  // namespace tq3
