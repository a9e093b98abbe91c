#pragma once

#include <QString>
#include <vector>

class QScrollArea;
class QWidget;

namespace tq3 {

// Keyboard access to a window's controls.

// The controls under `container` that Tab can reach, in reading order: the items of each
// layout in turn (a grid row by row, left to right), a group box's controls where the group
// stands, whether they are shown now or not.
std::vector<QWidget*> ReadingOrder(QWidget* container);

// Tab goes from each control to the next of `controls`.
void ChainTabOrder(const std::vector<QWidget*>& controls);

// A control of `area` that the keyboard reaches by its mnemonic or a dialog gives the
// keyboard to scrolls into view, as one reached by Tab does.
void FollowFocus(QScrollArea* area);

// The letter a caption's "&" marks, lower case; none when it has none.
QChar MnemonicOf(const QString& caption);

// Gives each control with a caption of its own (a button, a check box, a radio button, or the
// label whose buddy it is) a mnemonic letter of that caption that is not in `taken` and not
// given before it: its own marked letter when that one is free, else the first free initial of
// a word, else the first free letter. The visible text stays the same. The letters given are
// added to `taken`.
void AssignMnemonics(const std::vector<QWidget*>& controls, QString& taken);

}  // namespace tq3
