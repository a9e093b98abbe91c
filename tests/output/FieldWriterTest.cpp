#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "output/FieldWriter.h"

using namespace tq3;

// The writer gives the bytes the appending helpers give, for numbers at the ends of their
// range, tenths of both signs, and texts longer than the room it makes at a time.
TEST(FieldWriter, WritesWhatTheAppendingHelpersWrite) {
    const std::string longText(20000, 'x');
    std::string expected = "head|";
    std::string written = "head|";
    {
        FieldWriter writer(written);
        for (int value : {0, 7, -5, 1492, INT_MAX, INT_MIN}) {
            Field(expected, value);
            writer.Field(value);
        }
        for (int tenths : {0, 5, -5, 15, -15, 2550, INT_MIN}) {
            Field(expected, Tenths{tenths});
            writer.Field(Tenths{tenths});
        }
        for (const std::string& text : {std::string(), std::string("coastal"), longText}) {
            Field(expected, text);
            writer.Field(text);
        }
        expected += "tail\r\n";
        writer.Text("tail\r\n");
        EXPECT_EQ(writer.Size(), expected.size());
    }
    EXPECT_EQ(written, expected);
}
