#pragma once

#include "app/SettingsPage.h"

namespace tq3 {

// The tab "Technology, Army": starting armies, fleets, funds, technology and domestic
// policies. The two panels of starting values lie over the right column when shown.
class TechnologyPage : public SettingsPage {
  public:
    explicit TechnologyPage(World& world, QWidget* parent = nullptr);
    void ShowSettings() override;
    // The panels of starting values come after the right column they lie over.
    std::vector<QWidget*> KeyboardOrder() const override;

    // Special handlers.
    void TrackBarStartInfantryChange();
    void RadioButtonIndivDPClick();
    void RadioButtonRandomDPClick();
    void SpeedButtonDPClick();
    void SpeedButtonTechValuesClick();
    void SpeedButton3Click();
    void SpeedButton4Click();

  protected:
    // The panels follow the right column wherever the layout puts it.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The groups' controls, group by group.
    void BuildAmounts(QGroupBox* army, QGroupBox* navy, QGroupBox* funds);
    void BuildTechGroup(QGroupBox* group);
    QGroupBox* BuildPolicies();
    void BuildValuePanels();
    void PlacePanels();
    QWidget* rightColumn_ = nullptr;
    RadioButton* equalDP_ = nullptr;
    RadioButton* indivDP_ = nullptr;
    RadioButton* randomDP_ = nullptr;
    QToolButton* policyValues_ = nullptr;
    QGroupBox* panelDP_ = nullptr;    // starting values of the domestic policies
    QGroupBox* panelTech_ = nullptr;  // starting technology values
};

}  // namespace tq3
