#include "app/Keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QWidget>

namespace tq3 {

namespace {
void Collect(QLayout* layout, std::vector<QWidget*>& out);

void CollectWidget(QWidget* widget, std::vector<QWidget*>& out) {
    if (widget->focusPolicy() & Qt::TabFocus) out.push_back(widget);
    if (QLayout* inner = widget->layout()) Collect(inner, out);
}

void CollectItem(QLayoutItem* item, std::vector<QWidget*>& out) {
    if (QWidget* widget = item->widget())
        CollectWidget(widget, out);
    else if (QLayout* inner = item->layout())
        Collect(inner, out);
}

void Collect(QLayout* layout, std::vector<QWidget*>& out) {
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        // Row by row, each item once at its top-left cell.
        for (int row = 0; row < grid->rowCount(); ++row)
            for (int column = 0; column < grid->columnCount(); ++column) {
                QLayoutItem* item = grid->itemAtPosition(row, column);
                if (!item) continue;
                int r = 0, c = 0, rowSpan = 0, columnSpan = 0;
                grid->getItemPosition(grid->indexOf(item), &r, &c, &rowSpan, &columnSpan);
                if (r == row && c == column) CollectItem(item, out);
            }
        return;
    }
    for (int i = 0; i < layout->count(); ++i) CollectItem(layout->itemAt(i), out);
}

// The label whose buddy `control` is, among its siblings.
QLabel* LabelOf(QWidget* control) {
    if (!control->parentWidget()) return nullptr;
    for (QLabel* label : control->parentWidget()->findChildren<QLabel*>())
        if (label->buddy() == control) return label;
    return nullptr;
}

QString Caption(QWidget* holder) {
    if (auto* button = qobject_cast<QAbstractButton*>(holder)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(holder)) return label->text();
    return {};
}

void SetCaption(QWidget* holder, const QString& caption) {
    if (auto* button = qobject_cast<QAbstractButton*>(holder)) button->setText(caption);
    if (auto* label = qobject_cast<QLabel*>(holder)) label->setText(caption);
}

// The position in `plain` to mark: its marked letter when free, else the first free word
// initial, else the first free letter; -1 when none is free.
int Choose(const QString& plain, int marked, const QString& taken) {
    const auto free = [&](int i) {
        return i >= 0 && i < plain.size() && plain[i].isLetterOrNumber() &&
               !taken.contains(plain[i].toLower());
    };
    if (free(marked)) return marked;
    for (int i = 0; i < plain.size(); ++i)
        if ((i == 0 || !plain[i - 1].isLetterOrNumber()) && free(i)) return i;
    for (int i = 0; i < plain.size(); ++i)
        if (free(i)) return i;
    return -1;
}
}  // namespace

std::vector<QWidget*> ReadingOrder(QWidget* container) {
    std::vector<QWidget*> out;
    if (QLayout* layout = container->layout()) Collect(layout, out);
    return out;
}

void ChainTabOrder(const std::vector<QWidget*>& controls) {
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

void FollowFocus(QScrollArea* area) {
    QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
        // A click leaves the body where it is: what was clicked is in view.
        if (now && area->widget() && area->widget()->isAncestorOf(now) &&
            QApplication::mouseButtons() == Qt::NoButton)
            area->ensureWidgetVisible(now);
    });
}

QChar MnemonicOf(const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
        ++i;  // "&&" is a plain ampersand
    }
    return {};
}

void AssignMnemonics(const std::vector<QWidget*>& controls, QString& taken) {
    for (QWidget* control : controls) {
        QWidget* holder = qobject_cast<QAbstractButton*>(control) ? control : LabelOf(control);
        if (!holder) continue;
        const QString caption = Caption(holder);
        if (caption.isEmpty()) continue;
        // The caption without its mark, and where the mark stood.
        QString plain;
        int marked = -1;
        for (int i = 0; i < caption.size(); ++i) {
            if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
                if (caption[i + 1] != QLatin1Char('&')) {
                    marked = static_cast<int>(plain.size());
                    continue;
                }
                plain += QLatin1String("&&");
                ++i;
                continue;
            }
            plain += caption[i];
        }
        const int chosen = Choose(plain, marked, taken);
        if (chosen < 0) {
            SetCaption(holder, plain);
            continue;
        }
        taken += plain[chosen].toLower();
        SetCaption(holder, plain.left(chosen) + QLatin1Char('&') + plain.mid(chosen));
    }
}

}  // namespace tq3
