// The checks of the game's files: a good set from a seeded run verifies clean, and each fault
// put into it on its own is found in the right file and line.

#include <map>
#include <random>

#include "TestSupport.h"
#include "base/GamePath.h"
#include "config/SettingsFile.h"
#include "session/FolderLock.h"
#include "session/GameFilesCheck.h"
#include "session/GenerateWorld.h"

using namespace tq3;

namespace fs = std::filesystem;

namespace {

// The seven files of a full run on the test folder, with a diplomatic matrix of its nations.
struct GoodSet {
    VerifySettings settings;
    std::map<std::string, std::string> texts;  // by game path

    GameFileTexts Texts() const {
        GameFileTexts files;
        for (const auto& [path, text] : texts) files.emplace(path, text);
        return files;
    }
};

const GoodSet& Good() {
    static const GoodSet good = [] {
        test::TempDir dir;
        test::CopyTree(TQ3_TEST_DATA "/mini", dir.path);
        World world;
        world.ProgramFolder = dir.str();
        test::RecordingDialogs dialogs;
        EXPECT_FALSE(LoadSettings(world, dialogs, true).refused);
        // Amounts every nation gets alike, so that the settings bound them.
        TGeneratorSettings& s = world.Settings;
        s.IsNationSpecifGold = s.IsNationSpecifTech = s.IsNationSpecifArmy = false;
        s.RandomizeDP = true;
        Random random(7);
        RunHooks hooks;
        hooks.outFolder = (dir.path / "out").string();
        fs::create_directories(hooks.outFolder);
        const RunReport run = GenerateWorld(world, random, dialogs, hooks);
        EXPECT_TRUE(run.failed.empty() && !run.refused);
        GoodSet set;
        set.settings = VerifySettingsOf(world);
        for (const char* path : {"DB/Province.csv", "DB/Country.csv", "DB/Revolt.txt",
                                 "DB/Goods.csv", "DB/tax_stab.csv", "Scenarios/Mini.tqg"}) {
            std::string game = std::string("\\") + path;
            std::replace(game.begin(), game.end(), '/', '\\');
            set.texts[game] = test::ReadFile(GamePath(hooks.outFolder, game));
        }
        set.texts["\\DB\\DiplomaticMatrix.csv"] =
            "Country;AAA;BBB;CCC\r\nAAA;0;10;-5\r\nBBB;10;0;3\r\nCCC;-5;3;0\r\n";
        return set;
    }();
    return good;
}

struct Fault {
    const char* file;  // as findings name it
    std::string from, to;
    const char* finding;           // a part of the finding's text
    int line = 0;                  // 0: the line where `from` begins
    const char* lineOf = nullptr;  // else: the line where this text first begins
};

int LineOf(const std::string& text, std::size_t pos) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + pos, '\n'));
}

std::string Describe(const std::vector<Finding>& findings) {
    std::string out;
    for (const Finding& f : findings) out += "\n  " + FormatFinding(f);
    return out;
}

}  // namespace

TEST(GameFilesVerify, AGoodSetHasNoFinding) {
    const std::vector<Finding> findings = VerifyGameFiles(Good().Texts(), Good().settings);
    EXPECT_TRUE(findings.empty()) << Describe(findings);
}

TEST(GameFilesVerify, EachFaultIsFoundInItsFileAndLine) {
    const std::string p = "DB/Province.csv", c = "DB/Country.csv", r = "DB/Revolt.txt",
                      g = "DB/Goods.csv", t = "DB/tax_stab.csv", m = "DB/DiplomaticMatrix.csv",
                      s = "Scenarios/Mini.tqg";
    const std::vector<Fault> faults = {
        // Structure.
        {p.c_str(), "\r\n2;Gallia", "\n2;Gallia", "LF alone", 3},
        {p.c_str(), "2;Gallia;inland;", "2;Gallia;", "fields where the row of province 0 has"},
        {p.c_str(), "tail3;X", "tail3;", "does not end in X"},
        {p.c_str(), "3;Nordmark;", "3;Nord" + std::string(1, '\0') + "mark;", "NUL"},
        {p.c_str(), "-3;0;0;0;0;0;0;0;0;filler1", "-2;0;0;0;0;0;0;0;0;filler1", "filler row must"},
        {c.c_str(), "Electors;END", "Electors", "header must be"},
        {c.c_str(), "REB;REB;REB;REB;", "REB;REB;REB;", "has 17 fields"},
        {g.c_str(), "NOTHING;0;0;0;0", "NOTHING;0;0;0", "last row must be"},
        {t.c_str(), "0;0\r\n", "0\r\n", "has 1 fields"},
        {m.c_str(), "CCC;-5;3;0\r\n", "", "not square", 3},
        {r.c_str(), "\t}\r\nBBB = {", "BBB = {", "never closed", 1},
        {s.c_str(), "  }\r\n\r\n  city", "\r\n  city", "never closed", 0, "country = {"},
        {s.c_str(), "ReligiousEvents.txt\"", "ReligiousEvents.txt", "quoted text opened here"},
        // Identity.
        {p.c_str(), "\r\n3;Nordmark", "\r\n2;Nordmark", "ids must run"},
        {c.c_str(), "BBB;Green", "AAA;Green", "used twice"},
        {c.c_str(), "CCC;White", "CCCC;White", "not three letters"},
        {r.c_str(), "CCC = {", "ZZZ = {", "not in Country.csv"},
        {m.c_str(), "BBB;10;0;3", "CCC;10;0;3", "is due by the header's order"},
        {m.c_str(), "Country;AAA;BBB;CCC", "Country;AAA;BBB;QQQ", "not in Country.csv"},
        {s.c_str(), "selectable = { AAA CCC BBB DDD }", "selectable = { AAA CCC BBB XYZ }",
         "not in Country.csv"},
        {s.c_str(), "country = {\r\n  tag = CCC", "country = {\r\n  tag = AAA",
         "two country blocks"},
        // References.
        {s.c_str(), "ownedprovinces = { 5 6 }", "ownedprovinces = { 5 6 1 }", "is owned by AAA"},
        {s.c_str(), "location = 5\r\n    capital = yes", "location = 4\r\n    capital = yes",
         "not in the first owned province"},
        {s.c_str(), "location = 6\r\n", "location = 1\r\n", "second city in province 1"},
        {s.c_str(), "ownedprovinces = { 4 7 }", "ownedprovinces = { 4 12 }",
         "12 is not a land province"},
        {s.c_str(), "selectable = { AAA CCC BBB DDD }", "selectable = { CCC AAA BBB DDD }",
         "is not at place 1"},
        {r.c_str(), "capital = 4", "capital = 5", "not the province of minimum"},
        // Values.
        {p.c_str(), "0;0;7;0;0;0;8;13;0", "0;0;9;0;0;0;8;13;0", "climate \"9\" is outside"},
        {p.c_str(), "5;0;0;1;9;10;0;0;0;Tea", "5;0;0;1;9;10;6;0;0;Tea", "no terrain code"},
        {p.c_str(), ";Tea;", ";Tee;", "none of the goods"},
        {p.c_str(), "0.7;0.5", "0.75;0.5", "one decimal"},
        {p.c_str(), "latin;0;0;5;0;0;1", "latin;0;0;5;1;0;1", "not sea has ice"},
        {c.c_str(), "TUR;TUR;TUR;TUR;", "TUR;TUR;TUR;TUR;x", "policy value"},
        {g.c_str(), "CLOTHES;", "Clothes;", "not upper case"},
        {g.c_str(), "COFFEE;12;", "COFFEE;40;", "outside 3 to 25"},
        {t.c_str(), "\r\n1;5", "\r\n4;5", "where 1 is due"},
        {r.c_str(), "year = 1792", "year = 1793", "where the settings have 1792"},
        {s.c_str(), "treasury = 600", "treasury = 9000", "treasury 9000 is outside"},
        {s.c_str(), "land = { level = 2", "land = { level = 7", "land level 7 is outside"},
        // The header against the general settings.
        {s.c_str(), "startyear = 1492", "startyear = 1500", "where the settings have 1492"},
        {s.c_str(), "name = \"Mini world\"", "name = \"Maxi world\"", "scenario's name"},
    };
    for (const Fault& f : faults) {
        GoodSet broken = Good();
        std::string game = std::string("\\") + f.file;
        std::replace(game.begin(), game.end(), '/', '\\');
        std::string& text = broken.texts.at(game);
        const std::size_t at = text.find(f.from);
        ASSERT_NE(at, std::string::npos) << f.file << ": " << f.from;
        text.replace(at, f.from.size(), f.to);
        const int line = f.line     ? f.line
                         : f.lineOf ? LineOf(text, text.find(f.lineOf))
                                    : LineOf(text, at + (f.from.starts_with("\r\n") ? 2 : 0));
        const std::vector<Finding> findings = VerifyGameFiles(broken.Texts(), broken.settings);
        const bool found = std::any_of(findings.begin(), findings.end(), [&](const Finding& x) {
            return x.file == f.file && x.line == line &&
                   x.text.find(f.finding) != std::string::npos;
        });
        EXPECT_TRUE(found) << f.file << ":" << line << " \"" << f.finding << "\" among"
                           << Describe(findings);
    }
}

// Seeded runs in all three modes on the demo game and the test folder: none breaks a rule, so
// none stops at the check of its own output.
// TQ3_VERIFY_SEEDS asks for more seeds than the 200 each, TQ3_VERIFY_SET for settings
// ("KEY=VALUE;KEY=VALUE") other than the folders' own. The runs' files land in memory where
// /dev/shm exists.
TEST(GameFilesVerify, SeededRunsInEveryModeHaveNoFinding) {
    const char* more = std::getenv("TQ3_VERIFY_SEEDS");
    const int seeds = more ? std::atoi(more) : 200;
    const std::string sets = std::getenv("TQ3_VERIFY_SET") ? std::getenv("TQ3_VERIFY_SET") : "";
    for (const char* folder : {TQ3_TEST_DATA "/mini", TQ3_BINARY_DIR "/demo-game"}) {
        const fs::path shm =
            fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        const fs::path outPath = shm / ("tq3gen-verify-" + std::to_string(std::random_device{}()));
        fs::create_directories(outPath);
        const std::shared_ptr<void> removeOut(nullptr, [&](void*) { fs::remove_all(outPath); });
        const std::string out = outPath.string();
        World loaded;
        loaded.ProgramFolder = folder;
        for (std::size_t at = 0; at < sets.size();) {
            const std::size_t end = std::min(sets.find(';', at), sets.size());
            const std::string set = sets.substr(at, end - at);
            loaded.SettingOverrides.emplace_back(set.substr(0, set.find('=')),
                                                 set.substr(set.find('=') + 1));
            at = end + 1;
        }
        test::RecordingDialogs dialogs;
        ASSERT_FALSE(LoadSettings(loaded, dialogs, true).refused) << folder;
        for (int mode = 0; mode <= 2; ++mode) {
            for (int seed = 1; seed <= seeds; ++seed) {
                auto world = std::make_unique<World>(loaded);
                world->Settings.GeneratorMode = static_cast<int8_t>(mode);
                Random random(static_cast<uint64_t>(seed));
                RunHooks hooks;
                hooks.outFolder = out;
                // Each run checks its own files and fails on a finding.
                const RunReport run = GenerateWorld(*world, random, dialogs, hooks);
                ASSERT_TRUE(run.failed.empty() && !run.refused && dialogs.problems.empty())
                    << folder << " mode " << mode << " seed " << seed << ": "
                    << (dialogs.problems.empty() ? "" : dialogs.problems.front());
            }
        }
    }
}

namespace {
// Every regular file under a folder with its bytes, but the lock that any command on the
// folder leaves.
std::map<std::string, std::string> FolderBytes(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file() && e.path().filename() != FolderLock::kFileName)
            files[fs::relative(e.path(), root).generic_string()] = test::ReadFile(e.path());
    return files;
}
}  // namespace

// A writer fault, put into a run's staged files through the seam in front of its check, stops
// the run: the finding is listed, the error says the program found a fault in its own output
// with the seed, and the game folder is left byte for byte as it was.
TEST(GameFilesVerify, AFaultInARunsOwnOutputStopsTheRunAndChangesNothing) {
    test::TempDir dir;
    test::CopyTree(TQ3_TEST_DATA "/mini", dir.path);
    // A folder with the keeping copies of its originals, as the start-up backup leaves it.
    test::CopyTree(dir.path / "DB", dir.path / "Backup");
    World world;
    world.ProgramFolder = dir.str();
    test::RecordingDialogs dialogs;
    ASSERT_FALSE(LoadSettings(world, dialogs, true).refused);
    const std::map<std::string, std::string> before = FolderBytes(dir.path);

    std::string broken;
    RunHooks hooks;
    hooks.staged = [&](GameFileTexts& files) {
        for (auto& [path, text] : files) {
            if (!path.ends_with("Revolt.txt")) continue;
            broken = std::string(text);
            broken.replace(broken.find("year = 1792"), 11, "year = 1793");
            text = broken;
        }
    };
    Random random(5);
    const RunReport run = GenerateWorld(world, random, dialogs, hooks);
    EXPECT_TRUE(run.HasErrors());
    EXPECT_TRUE(run.written.empty());
    ASSERT_FALSE(dialogs.errors.empty());
    EXPECT_NE(dialogs.errors.back().find("found a fault in its own output"), std::string::npos)
        << dialogs.errors.back();
    EXPECT_NE(dialogs.errors.back().find("seed 5"), std::string::npos) << dialogs.errors.back();
    EXPECT_THAT(
        dialogs.problems,
        testing::Contains(testing::HasSubstr("Revolt.txt:3: expirydate has the year \"1793\"")));
    EXPECT_EQ(FolderBytes(dir.path), before);
}
