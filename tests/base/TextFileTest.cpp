#include "TestSupport.h"
#include "base/GamePath.h"
#include "base/TextFile.h"

using namespace tq3;

using test::ReadFile;
using test::RecordingDialogs;
using test::TempDir;
using test::WriteFile;

TEST(ReadWholeFile, EmptyFileAndBinaryBytes) {
    TempDir dir;
    RecordingDialogs d;
    WriteFile(dir.path / "empty.csv", "");
    std::string text = "old";
    EXPECT_TRUE(ReadWholeFile(d, (dir.path / "empty.csv").string(), text));
    EXPECT_EQ(text, "");
    const std::string binary("a\0b\xff\r\n", 6);
    WriteFile(dir.path / "bin.tbl", binary);
    EXPECT_TRUE(ReadWholeFile(d, (dir.path / "bin.tbl").string(), text));
    EXPECT_EQ(text, binary);
    EXPECT_TRUE(d.errors.empty());
}

TEST(ReadWholeFile, MissingFileNamesTheAbsolutePathAndKeepsTheBuffer) {
    TempDir dir;
    RecordingDialogs d;
    std::string text = "kept";
    const std::string name = (dir.path / "missing.csv").string();
    EXPECT_FALSE(ReadWholeFile(d, name, text));
    EXPECT_EQ(text, "kept");
    ASSERT_EQ(d.errors.size(), 1u);
    EXPECT_EQ(d.errors[0], "File: \"" + name + "\"does not exist!");
    // A folder is not a file either.
    EXPECT_FALSE(ReadWholeFile(d, dir.str(), text));
}

TEST(WriteWholeFile, CreatesAppendsAndReplacesAtomically) {
    TempDir dir;
    RecordingDialogs d;
    const std::string name = (dir.path / "out.txt").string();
    EXPECT_TRUE(WriteWholeFile(d, name, "one\r\n", true));  // append to a missing file creates it
    EXPECT_TRUE(WriteWholeFile(d, name, "two\r\n", true));
    EXPECT_EQ(ReadFile(name), "one\r\ntwo\r\n");
    EXPECT_TRUE(WriteWholeFile(d, name, "three", false));
    EXPECT_EQ(ReadFile(name), "three");
    // No temporary file is left beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path))
        files += e.is_regular_file();
    EXPECT_EQ(files, 1);
    EXPECT_TRUE(d.errors.empty());
    // A missing folder is created.
    EXPECT_TRUE(WriteWholeFile(d, (dir.path / "Scenarios" / "a.tqg").string(), "x", false));
}

TEST(WriteWholeFile, ReadOnlyTargetIsRefusedAndKept) {
    TempDir dir;
    RecordingDialogs d;
    const std::string name = (dir.path / "ro.csv").string();
    WriteFile(name, "original");
    test::MakeReadOnly(name);
    EXPECT_FALSE(WriteWholeFile(d, name, "new", false));
    EXPECT_FALSE(WriteWholeFile(d, name, "new", true));
    EXPECT_EQ(ReadFile(name), "original");
    ASSERT_EQ(d.errors.size(), 2u);
    EXPECT_EQ(d.errors[0], "Cannot create file \"" + name + "\" on disk ! (it is read-only)");
    EXPECT_EQ(d.errors[1], "Cannot append file \"" + name + "\" on disk ! (it is read-only)");
}

// A link is followed: the file it points to gets the new text and keeps its permissions,
// and the link stays a link. A link to nothing is refused.
TEST(WriteWholeFile, ALinkIsReplacedAtTheFileItPointsTo) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need a privilege on Windows that users seldom have";
#endif
    TempDir dir;
    RecordingDialogs d;
    const std::string real = (dir.path / "real.csv").string();
    const std::string link = (dir.path / "link.csv").string();
    WriteFile(real, "old");
    using std::filesystem::perms;
    std::filesystem::permissions(real, perms::owner_read | perms::owner_write | perms::group_read,
                                 std::filesystem::perm_options::replace);
    std::filesystem::create_symlink("real.csv", link);
    EXPECT_TRUE(WriteWholeFile(d, link, "new", false));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(real), "new");
    EXPECT_EQ(std::filesystem::status(real).permissions(),
              perms::owner_read | perms::owner_write | perms::group_read);
    EXPECT_TRUE(d.errors.empty());

    const std::string dangling = (dir.path / "dangling.csv").string();
    std::filesystem::create_symlink("nowhere/x.csv", dangling);
    EXPECT_FALSE(WriteWholeFile(d, dangling, "new", false));
    ASSERT_EQ(d.errors.size(), 1u);
    EXPECT_EQ(d.errors[0],
              "Cannot create file \"" + dangling + "\" on disk ! (No such file or directory)");
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
}

// A file written in pieces replaces its target only when committed; a writer dropped before
// leaves the old file. The removal of leftovers takes the temporaries of killed writes and
// leaves an open writer's temporary and files that only look alike.
TEST(TemporaryFile, CommitsWholeAndLeftoversGoWhileOpenOnesStay) {
    TempDir dir;
    const std::string target = (dir.path / "sweep.csv").string();
    WriteFile(target, "old");
    {
        TemporaryFile dropped;
        ASSERT_TRUE(dropped.Open(target));
        dropped.Write("seed\n");
    }
    EXPECT_EQ(ReadFile(target), "old");

    for (const char* name : {".tq3gen-a1B2c3", ".tq3gen-keep-me", ".tq3gen-journal"})
        WriteFile(dir.path / name, "x");
    TemporaryFile open;
    ASSERT_TRUE(open.Open(target));
    RemoveLeftoverTemporaryFiles(dir.str());
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir.path))
        names.push_back(e.path().filename().string());
    EXPECT_THAT(names, testing::UnorderedElementsAre(".tq3gen-keep-me", ".tq3gen-journal",
                                                     "sweep.csv", testing::StartsWith(".tq3gen-")));
    ASSERT_TRUE(open.Write("seed\n") && open.Write("1\n") && open.Commit());
    EXPECT_EQ(ReadFile(target), "seed\n1\n");
}

TEST(GamePath, MatchesExistingComponentsWithoutRegardToCase) {
    TempDir dir;
    WriteFile(dir.path / "DB" / "Province.csv", "x");
    EXPECT_EQ(GamePath(dir.str(), "\\DB\\province.csv"),
              (dir.path / "DB" / "Province.csv").string());
    EXPECT_EQ(GamePath(dir.str(), "\\db\\PROVINCE.CSV"),
              (dir.path / "DB" / "Province.csv").string());
    // A folder found in another case keeps the given spelling of a file it does not hold.
    EXPECT_EQ(GamePath(dir.str(), "\\db\\Missing.csv"), (dir.path / "DB" / "Missing.csv").string());
    EXPECT_EQ(GamePath(dir.str(), "\\Scenarios\\New.tqg"),
              (dir.path / "Scenarios" / "New.tqg").string());
    EXPECT_EQ(GamePath(dir.str(), "\\DB\\Country.csv"), (dir.path / "DB" / "Country.csv").string());
}

TEST(FindSettingLine, NeedsALineBreakBeforeTheKeyAndTheSemicolonAfterIt) {
    const std::string text = "Age;1\r\nAgeMountainsModif;1;2\r\nAge;3;9\r\nLast;7";
    EXPECT_EQ(FindSettingLine(text, "Age").line, "Age;3;9");
    EXPECT_EQ(FindSettingLine(text, "Last").line, "Last;7");
    EXPECT_FALSE(FindSettingLine("Only;1\r\n", "Only").found);
    EXPECT_EQ(FindSettingLine(text, "Missing").line, "");
    const std::string longLine = "x\r\nKey;" + std::string(1500, 'a');
    EXPECT_EQ(FindSettingLine(longLine, "Key").line.size(), 1200u);
}

TEST(ReadNextLine, SplitsLongLinesAndStopsAtTheEnd) {
    const std::string text = std::string(1500, 'a') + "\r\nnext\r\nlast";
    LineCursor c(text);
    EXPECT_EQ(ReadNextLine(c).size(), 1200u);
    EXPECT_EQ(ReadNextLine(c), std::string(298, 'a'));
    EXPECT_EQ(ReadNextLine(c), "next");
    EXPECT_FALSE(c.done);
    EXPECT_EQ(ReadNextLine(c), "last");
    EXPECT_TRUE(c.done);
    EXPECT_EQ(ReadNextLine(c), "");

    const std::string ended = "a\r\n";
    LineCursor e(ended);
    EXPECT_EQ(ReadNextLine(e), "a");
    EXPECT_FALSE(e.done);
    EXPECT_EQ(ReadNextLine(e), "");
    EXPECT_TRUE(e.done);

    // A long line without any line break never reads past the text.
    const std::string unterminated(2500, 'b');
    LineCursor u(unterminated);
    int lines = 0;
    while (!u.done && lines < 10) {
        ReadNextLine(u);
        ++lines;
    }
    EXPECT_EQ(lines, 3);
}

TEST(ValueScanners, FirstValueIntAndBool) {
    struct Case {
        const char* line;
        const char* first;
        const char* all;
        int integer;
        bool boolean;
    };
    for (const Case& c : {
             Case{"Key; 2 ;x", "2", "2 ;x", 2, true},
             Case{"Key;abc", "abc", "abc", 0, false},
             Case{"", "", "", -1, true},
             Case{"Key", "", "", -1, true},
             Case{"Key;0", "0", "0", 0, false},
             Case{"Key;-2 ; 5", "-2", "-2 ; 5", -2, true},
             Case{"Key;yes", "yes", "yes", 0, false},
         }) {
        EXPECT_EQ(FirstValueOf(c.line), c.first) << c.line;
        EXPECT_EQ(ValuesOf(c.line), c.all) << c.line;
        EXPECT_EQ(IntValueOf(c.line), c.integer) << c.line;
        EXPECT_EQ(BoolValueOf(c.line), c.boolean) << c.line;
    }
}

TEST(Splitters, PiecesLimitsAndUntouchedElements) {
    std::array<int16_t, 20> shorts;
    shorts.fill(9);
    SplitShorts("1;2;;4", shorts, 19);
    EXPECT_EQ(shorts[0], 1);
    EXPECT_EQ(shorts[1], 2);
    EXPECT_EQ(shorts[2], 0);
    EXPECT_EQ(shorts[3], 4);
    EXPECT_EQ(shorts[4], 9);
    EXPECT_EQ(shorts[19], 9);

    std::array<std::string, 3> strings{"x", "y", "z"};
    SplitStrings("a; b", strings, 0);
    EXPECT_EQ(strings[0], "a");
    EXPECT_EQ(strings[1], "y");
    SplitStrings("a; b;", strings, 2);
    EXPECT_EQ(strings[1], " b");
    EXPECT_EQ(strings[2], "");
    SplitStrings("", strings, 2);
    EXPECT_EQ(strings[0], "");
    EXPECT_EQ(strings[1], " b");
    SplitStrings(std::string(150, 'n'), strings, 2);
    EXPECT_EQ(strings[0].size(), 99u);

    std::array<uint8_t, 2> bytes{};
    SplitBytes("300; -1", bytes, 1);
    EXPECT_EQ(bytes[0], 44);
    EXPECT_EQ(bytes[1], 255);
    // A last index beyond the array never writes past it.
    SplitBytes("1;2;3;4", bytes, 10);
    EXPECT_EQ(bytes[1], 2);
}

TEST(LineEnds, LineFeedsAloneAreTakenAsLinesOnlyWhenNoLineEndsWithCrLf) {
    struct Case {
        std::string text;
        bool normalized;
        std::string after;
        int firstBare;  // of the text after
    };
    const std::vector<Case> cases = {
        {"a;1\nb;2\n", true, "a;1\r\nb;2\r\n", 0},
        {"a;1\r\nb;2\r\n", false, "a;1\r\nb;2\r\n", 0},
        {"a;1\r\nb;2\nc;3\r\n", false, "a;1\r\nb;2\nc;3\r\n", 2},
        {"\na", true, "\r\na", 0},
        {"no line end", false, "no line end", 0},
        {"", false, "", 0},
        {"a\rb\n", true, "a\rb\r\n", 0},  // a CR alone stays a character
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(NormalizeLineFeeds(text), c.normalized) << c.text;
        EXPECT_EQ(text, c.after);
        EXPECT_EQ(FirstBareLineFeed(text), c.firstBare) << c.text;
    }
}

TEST(ParseTenths, HugeValuesWrapAsAMachineWordInsteadOfOverflowing) {
    EXPECT_EQ(ParseTenths("999999999"), static_cast<int32_t>(9999999990ull & 0xffffffffu));
    EXPECT_EQ(ParseTenths("-999999999.9"),
              static_cast<int32_t>(static_cast<uint32_t>(-999999999) * 10u + 9u));
    EXPECT_EQ(ParseTenths("2.5"), 25);
    EXPECT_EQ(ParseTenths("-1.5"), -5);
}
