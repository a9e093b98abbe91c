#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "AppTestSupport.h"
#include "app/FairWorldDialog.h"

using namespace tq3;

namespace test {

// The dialog sweeps off the GUI thread, lists the fairest first, and hands the selected seed
// to the window's run; Cancel stops a long sweep at once; a map-only configuration is refused.
TEST_F(WindowTest, FindAFairWorldListsTheFairestAndGeneratesTheSelectedSeed) {
    Open();
    std::optional<uint64_t> generated;
    FairWorldDialog dialog(*world, dialogs, [&](uint64_t seed) { generated = seed; });
    EXPECT_EQ(dialog.SeedCount()->value(), FairWorldDialog::kDefaultSeeds);
    dialog.SeedCount()->setValue(60);
    ASSERT_TRUE(dialog.Start());
    EXPECT_TRUE(dialog.Running());
    dialog.WaitUntilDone();
    QTableWidget* table = dialog.Table();
    ASSERT_EQ(table->rowCount(), 60);
    const double first = table->item(0, 1)->data(Qt::UserRole).toDouble();
    const double last = table->item(59, 1)->data(Qt::UserRole).toDouble();
    EXPECT_GE(first, last);

    dialog.SelectRow(2);
    const uint64_t chosen = table->item(2, 0)->data(Qt::UserRole).toULongLong();
    dialog.findChild<QPushButton*>(QStringLiteral("GenerateThisWorld"))->click();
    EXPECT_EQ(generated, chosen);

    FairWorldDialog stopped(*world, dialogs, {});
    stopped.SeedCount()->setValue(10'000'000);
    ASSERT_TRUE(stopped.Start());
    stopped.Cancel();
    EXPECT_FALSE(stopped.Running());
    EXPECT_LT(stopped.Table()->rowCount(), FairWorldDialog::kBestShown + 1);

    world->Settings.GeneratorMode = 1;
    FairWorldDialog refused(*world, dialogs, {});
    EXPECT_FALSE(refused.Start());
    ASSERT_FALSE(dialogs.errors.empty());
    EXPECT_NE(dialogs.errors.back().find("GeneratorMode is 1"), std::string::npos);
}

}  // namespace test
