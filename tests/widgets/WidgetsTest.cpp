// The helpers both windows share: the game's code page and the placement of windows.
#include <gtest/gtest.h>

#include <QRect>
#include <QString>

#include "widgets/Cp1252.h"
#include "widgets/WindowPlacement.h"

using namespace tq3;

namespace {
// A laptop's 1366 x 768 screen at 200 %, less a 28 px panel, in logical pixels.
const QRect kLaptopAt200(0, 14, 683, 370);
const QSize kFrame(8, 36);
}  // namespace

TEST(Cp1252, EveryByteDecodesAndEncodesBackToItself) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString text = FromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ToCp1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));  // the euro sign
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x81], QChar(0x0081));  // open in the code page
    EXPECT_EQ(text[0xE9], QChar(0x00E9));
    EXPECT_EQ(ToCp1252(QStringLiteral("\u4E2D")), "?");
}

TEST(Cp1252, MessagesShowUtf8FileNamesAndCodePageTextsAlike) {
    EXPECT_EQ(MessageText("/home/J\xC3\xBCrgen/Config"),
              QStringLiteral("/home/J\u00FCrgen/Config"));
    EXPECT_EQ(MessageText("Fran\xE7"
                          "ais\r\nquit ?"),
              QStringLiteral("Fran\u00E7ais\nquit ?"));
}

TEST(WindowPlacement, AWindowIsKeptOnTheFreeAreaAndCentredInIt) {
    struct Case {
        QSize wanted;
        QRect available;
        QRect client;  // where the client area goes
    };
    const Case cases[] = {
        // Room enough: the wanted size, centred below the panel.
        {{400, 200}, kLaptopAt200, QRect(QPoint(137 + 4, 14 + 67 + 32), QSize(400, 200))},
        // Too large: as large as the free area leaves, the title bar at its top.
        {{1000, 600}, kLaptopAt200, QRect(QPoint(4, 14 + 32), QSize(675, 334))},
        // A second screen to the right.
        {{1000, 600},
         QRect(1920, 0, 1920, 1080),
         QRect(QPoint(1920 + 456 + 4, 222 + 32), QSize(1000, 600))},
    };
    for (const Case& c : cases) {
        const QRect placed = PlaceWindow(c.wanted, kFrame, c.available);
        EXPECT_EQ(placed, c.client) << c.wanted.width() << "x" << c.wanted.height();
        EXPECT_TRUE(c.available.contains(placed.adjusted(-4, -32, 4, 4)));
    }
}
