#pragma once

#include <QWidget>

#include <cstddef>
#include <vector>

#include "session/SweepRequirements.h"

class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QToolButton;

namespace tq3 {

// The requirements of a search for worlds, one row each, which the user adds and removes: a
// measure and a comparison chosen from lists and a value within the measure's range, so every
// row is a requirement the sweep can count.
class RequirementRows : public QWidget {
    Q_OBJECT

  public:
    explicit RequirementRows(QWidget* parent = nullptr);

    // Adds a row comparing the measure with the value; `measure` and `comparison` index
    // RequirementMeasures and ComparisonTexts. The new row's measure takes the keyboard.
    void AddRow(std::size_t measure, std::size_t comparison, double value);
    void RemoveRow(int row);
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // The rows' requirements, top to bottom.
    std::vector<Requirement> Requirements() const;

    QPushButton* AddButton() const { return add_; }

  signals:
    // A row came or went: the controls that Tab reaches changed.
    void RowsChanged();

  private:
    struct Row {
        QComboBox* measure;
        QComboBox* comparison;
        QDoubleSpinBox* value;
        QToolButton* remove;
    };
    // The value's range and places follow the measure chosen.
    static void FitValue(const Row& row);
    void Lay();
    void GiveKeyboard(QWidget* control);

    QGridLayout* grid_;
    QLabel* none_;
    QPushButton* add_;
    std::vector<Row> rows_;
};

}  // namespace tq3
