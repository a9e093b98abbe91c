#include "TestSupport.h"
#include "base/ReplaceJournal.h"
#include "config/SettingsFile.h"
#include "session/Backup.h"
#include "session/ConfigCheck.h"
#include "session/FolderLock.h"

using namespace tq3;
namespace fs = std::filesystem;

namespace {
struct HeldFolder : ::testing::Test {
    test::TempDir game;
    std::unique_ptr<World> world = test::NewWorld();
    test::RecordingDialogs dialogs;
    void SetUp() override {
        test::CopyTree(TQ3_TEST_DATA "/mini", game.path);
        world->ProgramFolder = game.str();
    }
    // A replacement of DB/Goods.csv and DB/Revolt.txt cut short after its first rename.
    void LeaveAJournal() {
        std::vector<StagedFile> staged;
        for (const char* name : {"Goods.csv", "Revolt.txt"}) {
            StagedFile s;
            std::string error;
            ASSERT_TRUE(StageFile((game.path / "DB" / name).string(), "new", "create", s, error));
            staged.push_back(s);
        }
        fs::rename(staged[1].temporary, game.path / "keep");
        ASSERT_FALSE(ReplaceTogether(game.str(), JournalFolder::Game, {staged}).done);
        fs::rename(game.path / "keep", staged[1].temporary);
    }
};
}  // namespace

// Every command that takes the folder finishes a run that was cut short, and says so; check
// reports it without touching it.
TEST_F(HeldFolder, AJournalLeftBehindIsFinishedByTheNextCommand) {
    LeaveAJournal();
    const OperationReport checked = CheckConfiguration(*world, dialogs);
    EXPECT_EQ(test::ReadFile(game.path / "DB" / "Revolt.txt"),
              test::ReadFile(TQ3_TEST_DATA "/mini/DB/Revolt.txt"));
    bool noted = false;
    for (const std::string& note : checked.Texts(MessageKind::Note))
        noted = noted || note.find("a run was cut short") != std::string::npos;
    EXPECT_TRUE(noted);

    dialogs = test::RecordingDialogs{};
    const OperationReport backup = StartupBackup(*world, dialogs);
    EXPECT_FALSE(backup.HasErrors());
    EXPECT_EQ(test::ReadFile(game.path / "DB" / "Goods.csv"), "new");
    EXPECT_EQ(test::ReadFile(game.path / "DB" / "Revolt.txt"), "new");
    EXPECT_FALSE(fs::exists(game.path / JournalFileName));
    ASSERT_FALSE(dialogs.infos.empty());
    EXPECT_NE(dialogs.infos[0].find("was cut short while it replaced its files; the 1 files"),
              std::string::npos)
        << dialogs.infos[0];
}

// A folder held by another run refuses each operation after the wait the caller chose.
TEST_F(HeldFolder, AHeldFolderRefusesEveryOperation) {
    const test::HeldLock other(game.path / FolderLock::kFileName);
    ASSERT_TRUE(other.held());
    const FolderHold noWait{nullptr, 0};
    world->Settings.ScenarioFileName = "Mini";
    dialogs.folder = (game.path / "elsewhere").string();
    const auto db = test::ReadFile(game.path / "DB" / "Country.csv");
    for (const OperationReport& report :
         {StartupBackup(*world, dialogs, noWait),
          OperationReport(RestoreGameFiles(*world, dialogs, noWait)),
          RestoreForMapOnly(*world, dialogs, noWait), BackupScenario(*world, dialogs, noWait),
          RestoreScenario(*world, dialogs, noWait)}) {
        EXPECT_TRUE(report.refused);
        EXPECT_TRUE(report.HasErrors());
    }
    EXPECT_EQ(dialogs.errors.size(), 5u);
    EXPECT_FALSE(fs::exists(game.path / "Backup"));
    EXPECT_FALSE(fs::exists(game.path / "elsewhere"));
    EXPECT_EQ(test::ReadFile(game.path / "DB" / "Country.csv"), db);
}
