// The window by keyboard alone: mnemonics that never clash, Tab in reading order to Run!.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "AppTestSupport.h"
#include "app/Keyboard.h"
#include "app/SettingsPage.h"

using namespace tq3;
using test::WindowTest;

TEST(Keyboard, AMnemonicMovesToAFreeLetterOfItsOwnCaption) {
    QWidget page;
    auto* gold = new QLabel(QStringLiteral("&Gold Mines"), &page);
    auto* mines = new QWidget(&page);
    gold->setBuddy(mines);
    auto* box = new QCheckBox(QStringLiteral("Random Goods"), &page);
    auto* other = new QCheckBox(QStringLiteral("R && D"), &page);
    QString taken = QStringLiteral("g");
    AssignMnemonics({mines, box, other}, taken);
    EXPECT_EQ(gold->text(), QStringLiteral("Gold &Mines"));
    EXPECT_EQ(box->text(), QStringLiteral("&Random Goods"));
    EXPECT_EQ(other->text(), QStringLiteral("R && &D"));
    EXPECT_EQ(taken, QStringLiteral("gmrd"));
}

TEST_F(WindowTest, NoMnemonicClashesOnAnyTabAndTheMenuBarsLettersWin) {
    Open();
    QString window;
    for (QAction* menu : form->menuBar()->actions()) window += MnemonicOf(menu->text());
    for (int tab = 0; tab < form->PageControl1->count(); ++tab)
        window += MnemonicOf(form->PageControl1->tabText(tab));
    EXPECT_EQ(window, QStringLiteral("gsefrpycti"));
    // Alt+G opens "Generator Mode" on the Economy tab too.
    EXPECT_EQ(Control<QLabel>("Label32")->text(), QStringLiteral("Gold &Mines"));
    for (SettingsPage* page : form->Pages()) {
        QString letters = window;
        for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
            if (button->text().isEmpty()) continue;
            // A tab with more controls than letters leaves the last ones without.
            const QChar letter = MnemonicOf(button->text());
            if (letter.isNull()) continue;
            EXPECT_FALSE(letters.contains(letter))
                << page->objectName().toStdString() << ": " << button->text().toStdString();
            letters += letter;
        }
        for (QLabel* label : page->findChildren<QLabel*>()) {
            const QChar letter = MnemonicOf(label->text());
            if (letter.isNull()) continue;
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
            EXPECT_FALSE(letters.contains(letter))
                << page->objectName().toStdString() << ": " << label->text().toStdString();
            letters += letter;
        }
    }
}

TEST_F(WindowTest, TabFollowsTheReadingOrderOfEveryTabAndEndsOnRun) {
    Open();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (int tab = 0; tab < form->PageControl1->count(); ++tab) {
        if (!form->PageControl1->isTabVisible(tab)) continue;
        form->PageControl1->setCurrentIndex(tab);
        auto* page = static_cast<SettingsPage*>(form->PageControl1->widget(tab));
        const std::vector<QWidget*> order = page->KeyboardOrder();
        const auto reachable = [](QWidget* w) { return w->isVisible() && w->isEnabled(); };
        const auto first = std::find_if(order.begin(), order.end(), reachable);
        ASSERT_NE(first, order.end());
        (*first)->setFocus(Qt::TabFocusReason);
        std::ptrdiff_t last = first - order.begin();
        int steps = 0;
        while (QApplication::focusWidget() != form->SpeedButton1 && ++steps < 100) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == form->SpeedButton1) break;
            const auto at = std::find(order.begin(), order.end(), now);
            ASSERT_NE(at, order.end())
                << page->objectName().toStdString() << ": " << now->objectName().toStdString();
            EXPECT_GT(at - order.begin(), last) << now->objectName().toStdString();
            last = at - order.begin();
        }
        EXPECT_EQ(QApplication::focusWidget(), form->SpeedButton1)
            << page->objectName().toStdString();
    }
}
