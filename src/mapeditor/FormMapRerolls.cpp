// The Reroll menu of the map window: one entry per step the run draws, in the run's order, in
// the window's menu bar and behind a drop-down button of the tool bar.
#include <algorithm>

#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>

#include "mapeditor/FormMap.h"

namespace tq3 {

namespace {
// How long the status bar says what a reroll, an undo or a redo changed, in milliseconds.
constexpr int RerollMessageTime = 30000;
// The drop-down button's place on the tool bar, after the layer buttons, and its width.
constexpr int RerollButtonX = 152;
constexpr int RerollButtonWidth = 32;
}  // namespace

void TFormMap::CreateRerollMenu() {
    menuBar_ = new QMenuBar(this);
    menuBar_->setObjectName("MenuBar");
    RunRedraw* redraw = document_->Redraw();
    if (!redraw) {
        menuBar_->hide();
        return;
    }
    rerollMenu_ = menuBar_->addMenu("&Reroll");
    rerollMenu_->setObjectName("MenuReroll");
    rerollMenu_->setToolTipsVisible(true);
    for (DrawStep step : redraw->Steps()) {
        QAction* entry = rerollMenu_->addAction(RerollEntryText(step));
        entry->setToolTip(
            QString("Draws the %1 again with a fresh seed; what is drawn before stays")
                .arg(DrawStepNames[static_cast<std::size_t>(step)].layers));
        connect(entry, &QAction::triggered, this, [this, step] { RerollStep(step); });
    }
    // The same entries behind a drop-down button; the bar grows by the button's width.
    rerollButton_ = new QToolButton(controlBarMap_);
    rerollButton_->setObjectName("SpeedButtonReroll");
    rerollButton_->setText(QString::fromUtf8("\u21bb"));
    rerollButton_->setToolTip("Draw a step of the run again (Alt+R)");
    rerollButton_->setAutoRaise(true);
    rerollButton_->setMenu(rerollMenu_);
    rerollButton_->setPopupMode(QToolButton::InstantPopup);
    rerollButton_->setGeometry(RerollButtonX, speedButtonHide_->y(), RerollButtonWidth,
                               speedButtonHide_->height());
    for (QToolButton* button : {speedButtonHide_, speedButtonShow_})
        button->move(button->x() + RerollButtonWidth, button->y());
    controlBarMap_->resize(controlBarMap_->width() + RerollButtonWidth, controlBarMap_->height());
    // The majors panel shows where each major starts, which a reroll may move.
    connect(document_, &MapDocument::changed, this, [this](const MapChange& change) {
        if (!previewMode_ || !change.nations || !listsBuilt_) return;
        rows_ = RowsFromSpecifiedMajors(world_);
        ShowRows();
    });
}

void TFormMap::RerollStep(DrawStep step) {
    SpeedButtonClearCursorClick();
    if (const std::optional<std::string> said = document_->Reroll(step, dialogs_))
        SayOnStatusLine(QString::fromStdString(*said));
}

void TFormMap::SayOnStatusLine(const QString& sentence) {
    // A sentence wider than the bar's free part ends in "..." before the zoom buttons.
    const int room = std::max(statusProvince_->width(), 1);
    statusBar_->showMessage(statusBar_->fontMetrics().elidedText(sentence, Qt::ElideRight, room),
                            RerollMessageTime);
    statusBar_->setToolTip(sentence);
}

}  // namespace tq3
