#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "base/GamePath.h"
#include "base/NameMatch.h"
#include "base/SettingLineIndex.h"
#include "base/TextFile.h"
#include "output/TextFormat.h"

using namespace tq3;

// The name index answers exactly as the list walk does, for every option and every text.
TEST(NameIndex, AgreesWithMatchName) {
    const std::vector<std::vector<std::string>> lists = {
        {},
        {""},
        {"Europe", "Asia", "", "Africa", "asia"},
        {"-", "Plains", "PLAINS", "x"},
        {"none", "Latin", "", ""},
        {"Grain", "Wine", "nothing", "Fur", "Wine"},
        {"", "Latin"},
        {"Stra\xdf"
         "e",
         "STRA\xdf"
         "E",
         "\xc4gypten"},
    };
    const std::vector<std::string> texts = {
        "",
        "-",
        "none",
        "nothing",
        "Europe",
        "EUROPE",
        "asia",
        "Africa",
        "africa",
        "Plains",
        "x",
        "X",
        "Latin",
        "latin",
        "wine",
        "Fur",
        "Stra\xdf"
        "e",
        "stra\xdf"
        "e",
        "\xe4gypten",
        "\xc4GYPTEN",
        " Europe",
        "Europe ",
    };
    const std::vector<const char*> noneWords = {nullptr, "-", "none", "nothing"};
    for (const auto& list : lists) {
        for (bool stop : {false, true}) {
            for (const char* none : noneWords) {
                NameIndex index(list, stop, none);
                // Each text twice in a row, so the kept answer is asked as well.
                for (const std::string& text : texts) {
                    for (int twice = 0; twice < 2; ++twice)
                        EXPECT_EQ(index.Find(text), MatchName(list, text, stop, none))
                            << "text '" << text << "' stop " << stop << " none "
                            << (none ? none : "(none)") << " list size " << list.size();
                }
            }
        }
    }
}

// The index of setting lines gives the line FindSettingLine finds, key by key.
TEST(SettingLineIndex, AgreesWithFindSettingLine) {
    const std::string longValue(1500, 'v');
    const std::vector<std::string> texts = {
        "",
        "First;1\r\nSecond;2\r\n",
        "First;1\r\nFirst;3\r\nSecond;2",
        "Header\r\nKey;a;b\r\nKey2;c\r\nkey;lower\r\n",
        "Header\r\nNoSemicolon\r\nKey;x\r\n\r\n;empty key\r\n",
        "Header\r\nLong;" + longValue + "\r\nAfter;1\r\n",
        "Header\nBare;1\r\nCr\rKey;2\r\nKey;3",
        "Header\r\n Spaced;1\r\nSpaced ;2\r\nSpaced;3\r\n",
    };
    const std::vector<std::string> keys = {"First", "Second",      "Key",    "Key2", "key",
                                           "Long",  "After",       "Bare",   "Cr",   "Spaced",
                                           "",      "NoSemicolon", "Missing"};
    for (const std::string& text : texts) {
        const SettingLineIndex index(text);
        for (const std::string& key : keys) {
            const SettingLine found = FindSettingLine(text, key);
            EXPECT_EQ(std::string(index.Line(key)), found.found ? found.line : std::string())
                << "key '" << key << "' in '" << text.substr(0, 60) << "'";
        }
    }
}

TEST(ReadNextLineView, SameLinesAsReadNextLine) {
    const std::string longLine(1300, 'x');
    for (const std::string& text :
         {std::string(""), std::string("a\r\nb"), std::string("a\r\nb\r\n"),
          "h\r\n" + longLine + "\r\nz", std::string("\r\n\r\n"), std::string("cr\ronly\nlf\r\n")}) {
        LineCursor a(text), b(text);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(std::string(ReadNextLineView(a)), ReadNextLine(b));
            EXPECT_EQ(a.pos, b.pos);
            EXPECT_EQ(a.done, b.done);
            EXPECT_EQ(a.lineNumber, b.lineNumber);
        }
    }
}

TEST(TextFormat, NumbersAndTextsAsFields) {
    std::string line;
    for (int v : {0, -1, 7, 2147483647, -2147483647 - 1}) Field(line, v);
    Field(line, "text");
    Field(line, std::string("owned"));
    EXPECT_EQ(line, "0;-1;7;2147483647;-2147483648;text;owned;");
}

// A spelling that exists is taken as it is, even where another file differs from it only in
// case; other spellings find the first match of each folder.
TEST(GamePath, ExactSpellingsResolveToThemselves) {
    if (NamesIgnoreCase) GTEST_SKIP() << "two names that differ only in case are one file here";
    test::TempDir dir;
    test::WriteFile(dir.path / "DB" / "Province.csv", "upper");
    test::WriteFile(dir.path / "DB" / "province.csv", "lower");
    EXPECT_EQ(GamePath(dir.str(), "\\DB\\province.csv"),
              (dir.path / "DB" / "province.csv").string());
    EXPECT_EQ(GamePath(dir.str(), "\\DB\\Province.csv"),
              (dir.path / "DB" / "Province.csv").string());
    const std::string folded = GamePath(dir.str(), "\\db\\Province.csv");
    EXPECT_EQ(folded, (dir.path / "DB" / "Province.csv").string());
    EXPECT_EQ(GamePath(dir.str(), "/DB//Province.csv"),
              (dir.path / "DB" / "Province.csv").string());
    EXPECT_EQ(GamePath(dir.str(), "\\DB\\Missing\\x.csv"),
              (dir.path / "DB" / "Missing" / "x.csv").string());
}
