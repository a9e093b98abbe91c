#pragma once

#include <QDialog>
#include <optional>

#include "engine/GeneratorSettings.h"

class QLabel;
class QLineEdit;

namespace tq3 {

// Years of the scenario when the typed text is not a whole number in the 16-bit range.
constexpr int16_t kDefaultStartYear = 1492;
constexpr int16_t kDefaultEndYear = 1792;

// The year a text gives: a whole decimal number (sign allowed, nothing around it) within
// the 16-bit range of the setting; nothing otherwise.
std::optional<int16_t> ReadYear(const QString& text);

// "General settings": the scenario's file name, start and end years and displayed name.
// OK takes the four fields, unless the end year would come before the start year: then it
// says so and the dialog stays open. The close box is a cancel and changes nothing.
class TFormBasic : public QDialog {
  public:
    explicit TFormBasic(QWidget* parent = nullptr);
    // Fills the fields from the settings.
    void Fill(const TGeneratorSettings& settings);
    // Writes the fields into the settings, with 1492 / 1792 for a year that is not one.
    void Apply(TGeneratorSettings& settings) const;
    // Whether the years OK would take end before they start.
    bool EndsBeforeItStarts() const;
    void accept() override;

  private:
    void Check();
    QLineEdit* EditFilename;
    QLineEdit* EditStartYear;
    QLineEdit* EditEndYear;
    QLineEdit* EditScenarioName;
    QLabel* filenameNote_;
    QLabel* startNote_;
    QLabel* endNote_;
    QLabel* orderNote_;
};

// Opens the dialog over `owner` and applies it when closed with OK.
void ShowGeneralSettings(QWidget* owner, TGeneratorSettings& settings);

}  // namespace tq3
