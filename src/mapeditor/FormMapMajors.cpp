// The majors panel of the map window: the eight rows, their handlers and the OK that applies
// them.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include "mapeditor/FormMap.h"
#include "mapeditor/LegendBar.h"
#include "mapeditor/MapView.h"
#include "widgets/Cp1252.h"

namespace tq3 {

namespace {
constexpr const char* NoCapital = "Unknown";
constexpr const char* NoNation = "None";

}  // namespace

// Also where the field is narrower than the name.
void TFormMap::ShowCapitalName(QLineEdit* edit, const QString& name) {
    edit->setText(name);
    edit->setCursorPosition(0);
}

// The rows on screen: nation selected in each list, check boxes, capitals and circles.
void TFormMap::ShowRows() {
    for (int n = 1; n <= MajorRowCount; ++n) {
        const MajorRow& row = rows_[n - 1];
        RowControls& c = rowControls_[n];
        c.combo->setCurrentIndex(-1);
        c.combo->setEditText("");
        for (int k = 0; k < static_cast<int>(nationList_.size()); ++k) {
            if (nationList_[k].nation == row.nation) {
                c.combo->setCurrentIndex(k);
                break;
            }
        }
        c.check->setChecked(row.enabled);
        if (row.enabled) CheckBoxMClick(n);
        if (row.capital == 0) {
            c.edit->setText(NoCapital);
            imageMap_->SetCircle(n, std::nullopt);
            // The preview shows where each major starts: its capital.
            if (previewMode_ && world_.IsValidNation(row.nation) &&
                world_.IsValidProvince(world_.Nations[row.nation].Capital()))
                ShowCapitalName(
                    c.edit,
                    FromCp1252(world_.Provinces[world_.Nations[row.nation].Capital()].Name));
        }
        c.combo->setVisible(row.enabled);
        c.edit->setVisible(row.enabled);
        c.pick->setVisible(row.enabled);
        if (!row.enabled || !world_.IsValidNation(row.nation) ||
            !world_.Nations[row.nation].Has(SpecFixedStartLoc))
            imageMap_->SetCircle(n, std::nullopt);
    }
}

// Ticking a row makes its capital the next pick; unticking forgets the capital.
void TFormMap::CheckBoxMClick(int n) {
    MajorRow& row = rows_[n - 1];
    RowControls& c = rowControls_[n];
    row.enabled = c.check->isChecked();
    c.combo->setVisible(row.enabled);
    c.edit->setVisible(row.enabled);
    c.pick->setVisible(row.enabled);
    if (row.enabled) {
        PressPickButton(n);
        SetToolCode(n, Qt::PointingHandCursor);
        return;
    }
    imageMap_->SetCircle(n, std::nullopt);
    c.edit->setText(NoCapital);
    row.capital = 0;
    if (c.pick->isChecked()) {
        PressPickButton(0);
        SetToolCode(tool::ViewOnly, Qt::ArrowCursor);
    }
}

void TFormMap::ComboBoxMChange(int n, int index) {
    // Typed text selects no entry: the exit check settles the nation.
    if (index < 0 || index >= static_cast<int>(nationList_.size())) return;
    rows_[n - 1].nation = nationList_[index].nation;
    PressPickButton(n);
    SetToolCode(n, Qt::PointingHandCursor);
}

void TFormMap::ComboBoxMEnter(int n) {
    PressPickButton(n);
    toolCode_ = n;
}

// Leaving a list: its first three letters must be a nation's tag, else the row has none.
void TFormMap::ComboBoxMExit(int n) {
    QComboBox* combo = rowControls_[n].combo;
    const int c = NationOfTypedText(world_, ToCp1252(combo->currentText()));
    rows_[n - 1].nation = c;
    if (c == 0) {
        combo->setCurrentIndex(-1);
        combo->setEditText(NoNation);
        return;
    }
    for (int k = 0; k < static_cast<int>(nationList_.size()); ++k)
        if (nationList_[k].nation == c) combo->setCurrentIndex(k);
    combo->setEditText(FromCp1252(NationCaption(world_, c)));
}

void TFormMap::SpeedButtonMClick(int n) {
    SetToolCode(n, Qt::PointingHandCursor);
}

// OK: the list being edited is settled first, then the rows are applied; the window closes
// only when no nation was chosen twice.
void TFormMap::BitBtnOkClick() {
    for (int n = 1; n <= MajorRowCount; ++n)
        if (rowControls_[n].combo->hasFocus()) ComboBoxMExit(n);
    if (document_->ApplyMajors(rows_, dialogs_)) accept();
}

void TFormMap::BitBtnAbortClick() {
    done(AbortResult);
}

}  // namespace tq3
