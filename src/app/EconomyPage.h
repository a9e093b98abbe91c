#pragma once

#include "app/SettingsPage.h"

namespace tq3 {

// The tab "Economy": trade goods, centres of trade, taxes and goods prices.
class EconomyPage : public SettingsPage {
  public:
    explicit EconomyPage(World& world, QWidget* parent = nullptr);
    void ShowSettings() override;
    // The groups a generator mode shows.
    void ShowGroups(bool cot, bool goods, bool pricesAndTaxes);

  private:
    QGroupBox* goods_ = nullptr;
    QGroupBox* cots_ = nullptr;
    QGroupBox* taxes_ = nullptr;
    QGroupBox* prices_ = nullptr;
};

}  // namespace tq3
