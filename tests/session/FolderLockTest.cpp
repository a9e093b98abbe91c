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
         {StartupBackup(*world, dialogs, noWait), RestoreGameFiles(*world, dialogs, noWait),
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

// A journal is untrusted input: one that breaks any rule renames nothing, is set aside with a
// message that says why, and a restore afterwards brings every original back. A journal
// carried by a moved or copied folder finishes that folder's own files.
TEST_F(HeldFolder, AJournalIsTrustedOnlyWithinItsRules) {
    struct Case {
        const char* name;
        std::function<void(const fs::path& game, const fs::path& victim)> make;
        const char* said;  // a part of the message
    };
    const auto journal = [](const fs::path& game, const std::string& body) {
        test::WriteFile(game / JournalFileName, body);
    };
    const auto entry = [&](const std::string& temporary, const std::string& target) {
        return [=](const fs::path& game, const fs::path&) {
            const fs::path file = game / temporary;
            if (temporary.rfind("..", 0) != 0 && temporary.find(".tq3gen-") != std::string::npos &&
                !fs::is_symlink(file) && !fs::is_directory(file))
                test::WriteFile(file, "attacker");
            journal(game, "tq3gen replace journal 2\n" + temporary + "\n" + target + "\nend\n");
        };
    };
    const std::string refused = "set aside as \".tq3gen-journal.refused\"";
    const std::vector<Case> cases = {
        {"absolute target",
         [&](const fs::path& game, const fs::path& victim) {
             entry("DB/.tq3gen-aaaaaa", victim.string())(game, victim);
         },
         "is not a name inside the folder"},
        {"../ target", entry("DB/.tq3gen-aaaaaa", "../victim.csv"),
         "is not a name inside the folder"},
        {"target not ours", entry("DB/.tq3gen-aaaaaa", "Config/TQ3Gener.csv"),
         "is not a file that tq3gen replaces"},
        {"kept original", entry("Backup/.tq3gen-aaaaaa", "Backup/Province.csv"),
         "exists and is never replaced"},
        {"temporary elsewhere", entry("../.tq3gen-aaaaaa", "DB/Province.csv"),
         "is not a temporary file of tq3gen beside it"},
        {"temporary not ours", entry("DB/Country.csv", "DB/Province.csv"),
         "is not a temporary file of tq3gen beside it"},
        {"temporary a folder",
         [&](const fs::path& game, const fs::path& victim) {
             fs::create_directories(game / "DB" / ".tq3gen-folder");
             entry("DB/.tq3gen-folder", "DB/Province.csv")(game, victim);
         },
         "is not a regular file"},
        {"temporary a link",
         [&](const fs::path& game, const fs::path& victim) {
             fs::create_symlink(victim, game / "DB" / ".tq3gen-linked");
             entry("DB/.tq3gen-linked", "DB/Province.csv")(game, victim);
         },
         "is not a regular file"},
        {"journal a folder",
         [](const fs::path& game, const fs::path&) {
             fs::create_directories(game / JournalFileName / "inside");
         },
         "it is not a regular file"},
        {"journal a link",
         [](const fs::path& game, const fs::path& victim) {
             fs::create_symlink(victim, game / JournalFileName);
         },
         "it is a link"},
        {"truncated",
         [&](const fs::path& game, const fs::path&) {
             journal(game, "tq3gen replace journal 2\nDB/.tq3gen-aaaaaa\n");
         },
         "it is cut short"},
        {"empty", [&](const fs::path& game, const fs::path&) { journal(game, ""); },
         "not a journal of this version"},
        {"huge",
         [&](const fs::path& game, const fs::path&) {
             journal(game, "tq3gen replace journal 2\n" + std::string(1 << 20, 'x'));
         },
         "bytes long"},
        {"CR LF",
         [&](const fs::path& game, const fs::path&) {
             journal(game, "tq3gen replace journal 2\r\nend\r\n");
         },
         "CR LF"},
        {"moved or copied folder", entry("DB/.tq3gen-aaaaaa", "DB/Goods.csv"),
         "the 1 files it had left were put in place now"},
    };
    const test::TempDir outside;
    const fs::path victim = outside.path / "victim.csv";
    for (const Case& c : cases) {
#ifdef _WIN32
        // Symbolic links need a privilege on Windows that users seldom have.
        if (std::string_view(c.name).ends_with(" link")) continue;
#endif
        SCOPED_TRACE(c.name);
        test::TempDir copy;
        test::CopyTree(TQ3_TEST_DATA "/mini", copy.path);
        world->ProgramFolder = copy.str();
        dialogs = test::RecordingDialogs{};
        StartupBackup(*world, dialogs);
        test::WriteFile(victim, "the user's own");
        c.make(copy.path, victim);

        dialogs = test::RecordingDialogs{};
        const OperationReport restored = RestoreGameFiles(*world, dialogs);
        std::string said;
        for (const auto* list : {&dialogs.errors, &dialogs.infos})
            for (const std::string& text : *list) said += text + "\n";
        EXPECT_NE(said.find(c.said), std::string::npos) << said;
        const bool untrusted = said.find("not to be trusted") != std::string::npos;
        EXPECT_TRUE(!untrusted || said.find(refused) != std::string::npos) << said;
        EXPECT_TRUE(restored.failed.empty());
        EXPECT_FALSE(fs::exists(copy.path / JournalFileName));
        EXPECT_EQ(test::ReadFile(victim), "the user's own");
        for (const char* f : {"Province.csv", "Country.csv", "Goods.csv", "Revolt.txt"})
            EXPECT_EQ(test::ReadFile(copy.path / "DB" / f),
                      test::ReadFile(fs::path(TQ3_TEST_DATA "/mini/DB") / f))
                << f;
        EXPECT_EQ(test::ReadFile(copy.path / "Config" / "TQ3Gener.csv"),
                  test::ReadFile(TQ3_TEST_DATA "/mini/Config/TQ3Gener.csv"));
    }
}
