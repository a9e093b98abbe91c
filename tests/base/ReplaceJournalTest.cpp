#include "TestSupport.h"
#include "base/ReplaceJournal.h"

using namespace tq3;
namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

namespace {
struct Journal : ::testing::Test {
    test::TempDir dir;
    std::string journal = (dir.path / JournalFileName).string();
    std::vector<std::string> targets;
    std::vector<StagedFile> staged;

    // Three old files and their new contents staged beside them.
    void SetUp() override {
        for (const char* name : {"a.csv", "b.csv", "c.csv"}) {
            const std::string target = (dir.path / name).string();
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
const std::vector<std::string> kOld = {"old a.csv", "old b.csv", "old c.csv"};
const std::vector<std::string> kNew = {"new a.csv", "new b.csv", "new c.csv"};
}  // namespace

TEST_F(Journal, StagedFilesTakeTheirPlacesTogether) {
    EXPECT_EQ(Contents(), kOld);  // staging replaces nothing
    std::string error;
    ASSERT_TRUE(ReplaceTogether(journal, staged, error)) << error;
    EXPECT_EQ(Contents(), kNew);
    EXPECT_FALSE(JournalPending(journal));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path), fs::directory_iterator{}), 3);
}

// Cut short after the first rename: the journal stays, and finishing it puts the rest in place.
TEST_F(Journal, AReplacementCutShortIsFinishedLater) {
    const std::string second = ReadFile(staged[1].temporary);
    std::filesystem::remove(tq3::PathOf(staged[1].temporary));
    std::string error;
    EXPECT_FALSE(ReplaceTogether(journal, staged, error));
    EXPECT_NE(error.find("b.csv"), std::string::npos) << error;
    EXPECT_TRUE(JournalPending(journal));
    EXPECT_EQ(Contents(), (std::vector<std::string>{"new a.csv", "old b.csv", "old c.csv"}));

    WriteFile(staged[1].temporary, second);
    const JournalOutcome outcome = FinishJournal(journal);
    EXPECT_TRUE(outcome.found && outcome.finished) << outcome.error;
    EXPECT_EQ(outcome.replaced, (std::vector<std::string>{targets[1], targets[2]}));
    EXPECT_EQ(Contents(), kNew);
    EXPECT_FALSE(JournalPending(journal));
    // Finishing again finds nothing.
    EXPECT_FALSE(FinishJournal(journal).found);
}

TEST_F(Journal, AJournalThatCannotBeReadIsKept) {
    WriteFile(journal, "half a journal\n");
    const JournalOutcome outcome = FinishJournal(journal);
    EXPECT_TRUE(outcome.found);
    EXPECT_FALSE(outcome.finished);
    EXPECT_TRUE(JournalPending(journal));
    EXPECT_EQ(Contents(), kOld);
}
