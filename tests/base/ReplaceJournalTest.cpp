#include "TestSupport.h"
#include "base/ReplaceJournal.h"

using namespace tq3;
namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

namespace {
struct Journal : ::testing::Test {
    test::TempDir dir;
    std::string folder = dir.str();
    std::vector<std::string> targets;
    std::vector<StagedFile> staged;

    // Three old files of DB/ and their new contents staged beside them.
    void SetUp() override {
        fs::create_directory(dir.path / "DB");
        for (const char* name : {"Goods.csv", "Revolt.txt", "tax_stab.csv"}) {
            const std::string target = (dir.path / "DB" / name).string();
            WriteFile(target, std::string("old ") + name);
            StagedFile s;
            std::string error;
            ASSERT_TRUE(StageFile(target, std::string("new ") + name, "create", s, error)) << error;
            targets.push_back(target);
            staged.push_back(s);
        }
    }
    std::vector<std::string> Contents() const {
        std::vector<std::string> contents;
        for (const std::string& t : targets) contents.push_back(ReadFile(t));
        return contents;
    }
};
const std::vector<std::string> kOld = {"old Goods.csv", "old Revolt.txt", "old tax_stab.csv"};
const std::vector<std::string> kNew = {"new Goods.csv", "new Revolt.txt", "new tax_stab.csv"};
}  // namespace

TEST_F(Journal, StagedFilesTakeTheirPlacesTogether) {
    EXPECT_EQ(Contents(), kOld);  // staging replaces nothing
    const ReplaceOutcome outcome = ReplaceTogether(folder, JournalFolder::Game, {staged});
    ASSERT_TRUE(outcome.done) << outcome.error;
    EXPECT_EQ(Contents(), kNew);
    EXPECT_FALSE(JournalPending(folder));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path / "DB"), fs::directory_iterator{}), 3);
}

// Cut short after the first rename: the journal stays, and finishing it puts the rest in place.
TEST_F(Journal, AReplacementCutShortIsFinishedLater) {
    const std::string second = ReadFile(staged[1].temporary);
    std::filesystem::remove(tq3::PathOf(staged[1].temporary));
    const ReplaceOutcome cut = ReplaceTogether(folder, JournalFolder::Game, {staged});
    EXPECT_FALSE(cut.done);
    EXPECT_NE(cut.error.find("Revolt.txt"), std::string::npos) << cut.error;
    EXPECT_EQ(cut.replaced, std::vector<std::string>{targets[0]});
    EXPECT_EQ(cut.left, (std::vector<std::string>{targets[1], targets[2]}));
    EXPECT_TRUE(JournalPending(folder));
    EXPECT_EQ(Contents(),
              (std::vector<std::string>{"new Goods.csv", "old Revolt.txt", "old tax_stab.csv"}));

    // The folder moved since: the journal names its files relative to it.
    const fs::path moved = dir.path.parent_path() / (dir.path.filename().string() + "-moved");
    fs::rename(dir.path, moved);
    WriteFile(moved / fs::relative(staged[1].temporary, dir.path), second);
    const JournalOutcome outcome = FinishJournal(moved.string(), JournalFolder::Game);
    fs::rename(moved, dir.path);
    EXPECT_TRUE(outcome.found && outcome.finished) << outcome.error;
    EXPECT_EQ(outcome.replaced.size(), 2u);
    EXPECT_EQ(Contents(), kNew);
    EXPECT_FALSE(JournalPending(folder));
    // Finishing again finds nothing.
    EXPECT_FALSE(FinishJournal(folder, JournalFolder::Game).found);
}
