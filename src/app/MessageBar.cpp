#include "app/MessageBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>

namespace tq3 {

namespace {
// The warning colours of the bar: a pale amber ground, dark text (contrast above 12:1).
const QColor kGround(0xff, 0xf1, 0xc4);
const QColor kEdge(0xc8, 0x9b, 0x12);
const QColor kInk(0x2b, 0x22, 0x00);
}  // namespace

MessageBar::MessageBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("MessageBar"));
    setFrameShape(QFrame::StyledPanel);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kGround);
    colours.setColor(QPalette::WindowText, kInk);
    colours.setColor(QPalette::Light, kEdge);
    colours.setColor(QPalette::Dark, kEdge);
    colours.setColor(QPalette::Mid, kEdge);
    setPalette(colours);
    setAutoFillBackground(true);
    icon_ = new QLabel(this);
    const int side = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    icon_->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    icon_->setAlignment(Qt::AlignTop);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("MessageBarText"));
    text_->setWordWrap(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    action_ = new QPushButton(this);
    action_->setObjectName(QStringLiteral("MessageBarAction"));
    action_->setAccessibleName(tr("Way on"));
    auto* row = new QHBoxLayout(this);
    row->addWidget(icon_, 0, Qt::AlignTop);
    row->addWidget(text_, 1);
    row->addWidget(action_, 0, Qt::AlignVCenter);
    hide();
}

void MessageBar::Show(const QString& text, const QString& action) {
    text_->setText(text);
    text_->setAccessibleName(text);
    action_->setText(action);
    if (!action.isEmpty()) action_->setAccessibleName(action);
    action_->setVisible(!action.isEmpty());
    show();
}

void MessageBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > 0 && needed != minimumHeight()) setMinimumHeight(needed);
}

QString MessageBar::Text() const {
    return text_->text();
}

}  // namespace tq3
