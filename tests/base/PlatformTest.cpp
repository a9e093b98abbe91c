// The system's half of file handling, on whichever system the tests run: names with
// characters beyond ASCII, replacing renames, read-only files and the file lock.

#include "TestSupport.h"
#include "base/GamePath.h"
#include "base/Platform.h"
#include "base/TextFile.h"

using namespace tq3;
namespace fs = std::filesystem;

namespace {
// "Spiel-ÄÖÜ-éñ-ÿ" in UTF-8, as the program holds names it was given.
const std::string kUtf8Name = "Spiel-\xc3\x84\xc3\x96\xc3\x9c-\xc3\xa9\xc3\xb1-\xc3\xbf";
}  // namespace

TEST(Platform, NamesBeyondAsciiSurviveTheRoundTripAndReachTheDisk) {
    test::TempDir dir;
    const std::string folder = NameOf(PathOf(dir.str()) / PathOf(kUtf8Name));
    EXPECT_EQ(NameOf(PathOf(folder)), folder);
    QuietDialogs quiet;
    const std::string file = JoinPath(folder, "Tabelle-\xc3\xa4.csv");
    ASSERT_TRUE(WriteWholeFile(quiet, file, "a;b\r\n", false)) << quiet.lastError;
    std::string text;
    ASSERT_TRUE(ReadWholeFile(quiet, file, text));
    EXPECT_EQ(text, "a;b\r\n");
    // The folder listing gives the same name back, so case-free look-ups find it.
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(PathOf(dir.str())))
        names.push_back(NameOf(entry.path().filename()));
    EXPECT_EQ(names, std::vector<std::string>{kUtf8Name});
    EXPECT_EQ(GamePath(dir.str(), "\\" + kUtf8Name + "\\TABELLE-\xc3\xa4.CSV"), file);
#ifdef _WIN32
    // A name read from a game table is Windows-1252: 0xE9 is "é", the same file as UTF-8's.
    EXPECT_EQ(PathOf("caf\xe9"), PathOf("caf\xc3\xa9"));
#endif
}

TEST(Platform, RenameReplacesAnExistingFileAndLooksShowKindAndWritability) {
    test::TempDir dir;
    const fs::path from = dir.path / "new.csv", to = dir.path / "old.csv";
    test::WriteFile(from, "new");
    test::WriteFile(to, "old");
    std::string reason;
    ASSERT_TRUE(RenameOver(NameOf(from), NameOf(to), reason)) << reason;
    EXPECT_EQ(test::ReadFile(to), "new");
    EXPECT_FALSE(fs::exists(from));

    struct Case {
        fs::path path;
        FileKind kind;
        bool writable;
        std::uint64_t size;
    };
    test::WriteFile(dir.path / "ro.csv", "12345");
    test::MakeReadOnly(dir.path / "ro.csv");
    const Case cases[] = {
        {to, FileKind::Regular, true, 3},
        {dir.path / "ro.csv", FileKind::Regular, false, 5},
        {dir.path, FileKind::Folder, true, 0},
        {dir.path / "missing", FileKind::Missing, false, 0},
    };
    for (const Case& c : cases) {
        const FileState state = LookAt(NameOf(c.path));
        EXPECT_EQ(state.kind, c.kind) << c.path;
        EXPECT_EQ(state.writable, c.writable) << c.path;
        if (c.kind == FileKind::Regular) {
            EXPECT_EQ(state.size, c.size) << c.path;
        }
    }
    // A read-only file is made writable, then replaced like any other.
    EXPECT_FALSE(MayWrite(NameOf(dir.path / "ro.csv")));
    ASSERT_TRUE(MakeWritable(NameOf(dir.path / "ro.csv")));
    EXPECT_TRUE(LookAt(NameOf(dir.path / "ro.csv")).writable);
    test::WriteFile(from, "newer");
    ASSERT_TRUE(RenameOver(NameOf(from), NameOf(dir.path / "ro.csv"), reason)) << reason;
    EXPECT_EQ(test::ReadFile(dir.path / "ro.csv"), "newer");
    // A rename from nothing fails with the system's reason.
    EXPECT_FALSE(RenameOver(NameOf(dir.path / "nothing"), NameOf(to), reason));
    EXPECT_FALSE(reason.empty());
}

TEST(Platform, ALockIsExclusiveUntilItsHolderReleasesIt) {
    test::TempDir dir;
    const fs::path file = dir.path / ".tq3gen.lock";
    test::HeldLock first(file);
    ASSERT_TRUE(first.held());
    EXPECT_FALSE(test::HeldLock(file).held());
    first.Release();
    EXPECT_TRUE(test::HeldLock(file).held());
}

TEST(Platform, Sha256OfKnownTexts) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}
