#include "TestSupport.h"
#include "session/Backup.h"

using namespace tq3;

namespace fs = std::filesystem;
using test::ReadFile;
using test::WriteFile;

namespace {
const std::vector<std::string> kDatabase = {"Province.csv", "DiplomaticMatrix.csv",
                                            "Country.csv",  "Revolt.txt",
                                            "Goods.csv",    "tax_stab.csv"};

struct BackupFolder : ::testing::Test {
    test::TempDir game, user;
    std::unique_ptr<World> world = test::NewWorld();
    test::RecordingDialogs dialogs;

    void SetUp() override {
        world->ProgramFolder = game.str();
        world->Settings.ScenarioFileName = "Mine";
        for (const std::string& f : kDatabase) WriteFile(game.path / "DB" / f, "game " + f);
    }
    std::string Db(const std::string& f) const { return ReadFile(game.path / "DB" / f); }
};
}  // namespace

TEST_F(BackupFolder, FirstStartAsksAndKeepsEveryFile) {
    fs::remove(game.path / "DB" / "Province.csv");
    StartupBackup(*world, dialogs);
    ASSERT_EQ(dialogs.confirms.size(), 1u);
    EXPECT_EQ(dialogs.confirms[0],
              "Welcome to TQ3 Scenario Generator.\r\nDo you want to backup original files:\r\n"
              "Province.csv, DiplomaticMatrix.csv, Country.csv,\r\nRevolt.txt, Goods.csv and "
              "tax_stab.csv?");
    EXPECT_EQ(dialogs.infos,
              std::vector<std::string>{"Original files were stored in " +
                                       (game.path / "Backup").string() + " directory."});
    EXPECT_FALSE(fs::exists(game.path / "Backup" / "Province.csv"));
    EXPECT_EQ(ReadFile(game.path / "Backup" / "Country.csv"), "game Country.csv");
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(BackupFolder, AnsweringNoCreatesNothing) {
    dialogs.answers = {Answer::No};
    StartupBackup(*world, dialogs);
    EXPECT_FALSE(fs::exists(game.path / "Backup"));
    EXPECT_TRUE(dialogs.infos.empty());
}

TEST_F(BackupFolder, AnExistingBackupIsCompletedSilentlyAndNeverReplaced) {
    WriteFile(game.path / "backup" / "revolt.txt", "old revolt");  // found without regard to case
    StartupBackup(*world, dialogs);
    EXPECT_TRUE(dialogs.confirms.empty());
    EXPECT_EQ(ReadFile(game.path / "backup" / "revolt.txt"), "old revolt");
    EXPECT_EQ(ReadFile(game.path / "backup" / "Goods.csv"), "game Goods.csv");
    EXPECT_EQ(ReadFile(game.path / "backup" / "tax_stab.csv"), "game tax_stab.csv");
    EXPECT_EQ(ReadFile(game.path / "backup" / "Province.csv"), "game Province.csv");
    EXPECT_EQ(ReadFile(game.path / "backup" / "DiplomaticMatrix.csv"), "game DiplomaticMatrix.csv");
}

TEST_F(BackupFolder, RestoreGameFilesPutsEveryFileBack) {
    StartupBackup(*world, dialogs);
    for (const std::string& f : kDatabase) WriteFile(game.path / "DB" / f, "generated");
    dialogs = test::RecordingDialogs{};
    const OperationReport report = RestoreGameFiles(*world, dialogs);
    for (const std::string& f : kDatabase) EXPECT_EQ(Db(f), "game " + f) << f;
    // The front ends ask the closing question; the restore itself asks nothing.
    EXPECT_TRUE(dialogs.confirms.empty());
    EXPECT_EQ(RestoreClosingQuestion(report),
              "Original files: Province.csv, DiplomaticMatrix.csv, Country.csv,\r\n"
              "Revolt.txt, Goods.csv and tax_stab.csv were restored from backup\r\n"
              "Do you want to quit ?");
}

TEST_F(BackupFolder, RestoreGameFilesNamesWhatItCouldNotRestore) {
    StartupBackup(*world, dialogs);
    // Goods.csv is gone from both places; Revolt.txt has no copy, so DB/ holds its original.
    fs::remove(game.path / "Backup" / "Goods.csv");
    fs::remove(game.path / "DB" / "Goods.csv");
    fs::remove(game.path / "Backup" / "Revolt.txt");
    WriteFile(game.path / "DB" / "Country.csv", "generated");
    dialogs = test::RecordingDialogs{};
    const OperationReport report = RestoreGameFiles(*world, dialogs);
    EXPECT_EQ(RestoreClosingQuestion(report), "");
    EXPECT_EQ(Db("Country.csv"), "game Country.csv");
    EXPECT_EQ(ReadFile(game.path / "Backup" / "Revolt.txt"), "game Revolt.txt");
    ASSERT_EQ(dialogs.errors.size(), 1u);
    ASSERT_EQ(report.failed.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("Goods.csv"), std::string::npos) << dialogs.errors[0];
    EXPECT_TRUE(dialogs.confirms.empty());
}

TEST_F(BackupFolder, MapOnlyRestoreTakesThreeFiles) {
    StartupBackup(*world, dialogs);
    for (const std::string& f : kDatabase) WriteFile(game.path / "DB" / f, "generated");
    RestoreForMapOnly(*world, dialogs);
    for (const std::string& f : kDatabase) {
        const bool restored =
            f == "DiplomaticMatrix.csv" || f == "Country.csv" || f == "Revolt.txt";
        EXPECT_EQ(Db(f), restored ? "game " + f : "generated") << f;
    }
}

TEST_F(BackupFolder, ScenarioBackupAndRestoreRoundTrip) {
    WriteFile(game.path / "Scenarios" / "Mine.tqg", "my scenario");
    dialogs.folder = (user.path / "new" / "folder").string();
    BackupScenario(*world, dialogs);
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(ReadFile(user.path / "new" / "folder" / "Mine.tqg"), "my scenario");
    for (const std::string& f : kDatabase)
        EXPECT_EQ(ReadFile(user.path / "new" / "folder" / f), "game " + f);

    for (const std::string& f : kDatabase) WriteFile(game.path / "DB" / f, "other");
    fs::remove(game.path / "Scenarios" / "Mine.tqg");
    RestoreScenario(*world, dialogs);
    EXPECT_EQ(ReadFile(game.path / "Scenarios" / "Mine.tqg"), "my scenario");
    for (const std::string& f : kDatabase) EXPECT_EQ(Db(f), "game " + f);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(BackupFolder, ScenarioCopiesFallBackToRandom) {
    WriteFile(game.path / "Scenarios" / "Random.tqg", "random scenario");
    dialogs.folder = user.str();
    BackupScenario(*world, dialogs);
    EXPECT_EQ(ReadFile(user.path / "Random.tqg"), "random scenario");
    EXPECT_FALSE(fs::exists(user.path / "Mine.tqg"));

    fs::remove(game.path / "Scenarios" / "Random.tqg");
    RestoreScenario(*world, dialogs);
    EXPECT_EQ(ReadFile(game.path / "Scenarios" / "Random.tqg"), "random scenario");
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(BackupFolder, RestoreScenarioWithoutAScenarioTouchesNothing) {
    WriteFile(user.path / "Country.csv", "theirs");
    dialogs.folder = user.str();
    RestoreScenario(*world, dialogs);
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"No scenario found in: " + user.str() +
                                                       " or TQ3 is running!"});
    EXPECT_EQ(Db("Country.csv"), "game Country.csv");
}

TEST_F(BackupFolder, CancelledFolderAndUnsafeNamesCopyNothing) {
    dialogs.folder.reset();
    BackupScenario(*world, dialogs);
    RestoreScenario(*world, dialogs);
    EXPECT_TRUE(dialogs.errors.empty());

    world->Settings.ScenarioFileName = "../../escape";
    WriteFile(game.path / "Scenarios" / "Random.tqg", "random");
    dialogs.folder = (user.path / "inner").string();
    BackupScenario(*world, dialogs);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_FALSE(fs::exists(user.path / "inner"));
}

TEST_F(BackupFolder, BackupWithoutAnyScenarioSaysSo) {
    dialogs.folder = user.str();
    BackupScenario(*world, dialogs);
    for (const std::string& f : kDatabase) EXPECT_TRUE(fs::exists(user.path / f)) << f;
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("Mine.tqg"), std::string::npos);
}
