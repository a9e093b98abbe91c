// tq3gen sweep: usage errors, refusals as generate refuses, a table that writes nothing into
// the game folder, and Ctrl+C.

#include "CliSupport.h"
#include "TestSupport.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#endif

using namespace clitest;

namespace {

struct Sweep : ::testing::Test {
    test::TempDir scratch, game;
    void SetUp() override { test::CopyTree(TQ3_TEST_DATA "/mini", game.path); }
    Result Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"sweep", "--game-dir", game.str()});
        return RunTq3(args, scratch.path);
    }
};

}  // namespace

TEST_F(Sweep, UsageErrorsExitWithTwoBeforeLoading) {
    const std::vector<std::vector<std::string>> cases = {
        {"--seeds", "10..1"},
        {"--seeds", "5"},
        {"--seeds", "1..10000001"},
        {"--seeds", "a..b"},
        {"--seeds", "1..5", "--top", "0"},
        {"--seeds", "1..5", "--sort", "loudest"},
        {"--seeds", "1..5", "--set", "NoSuchKey=1"},
        {"--seeds", "1..5", "--require", "room=>3"},
        {"--seeds", "1..5", "--stop-after", "0"},
        {"--seeds", "1..5", "--vary", "weather", "--seed", "1"},
        {"--seeds", "1..5", "--vary", "placement"},
        {"--seeds", "1..5", "--seed", "1"},
        {"--seeds", "1..5", "--reroll", "climate=1"},
        {},
    };
    for (const auto& args : cases) {
        const Result r = Run(args);
        EXPECT_EQ(r.status, 2) << ::testing::PrintToString(args) << r.err;
        EXPECT_EQ(r.out, "") << ::testing::PrintToString(args);
    }
}

TEST_F(Sweep, RefusesWhatGenerateRefusesAndMapOnlyWithTheirMessages) {
    const Result mapOnly = Run({"--seeds", "1..5", "--mode", "1"});
    EXPECT_EQ(mapOnly.status, 1);
    EXPECT_NE(mapOnly.err.find("GeneratorMode is 1 (map only)"), std::string::npos) << mapOnly.err;

    const Result sweep = Run({"--seeds", "1..5", "--set", "NationCount=50"});
    test::TempDir generateScratch;
    const Result generate = RunTq3(
        {"generate", "--game-dir", game.str(), "--set", "NationCount=50"}, generateScratch.path);
    EXPECT_EQ(sweep.status, 1);
    EXPECT_EQ(generate.status, 1);
    const std::size_t at = generate.err.find("NationCount");
    ASSERT_NE(at, std::string::npos) << generate.err;
    const std::string refusal = generate.err.substr(at, generate.err.find('\n', at) - at);
    EXPECT_NE(sweep.err.find(refusal), std::string::npos) << sweep.err;
}

TEST_F(Sweep, PrintsTheBestAndWritesEveryRowToTheTableButNothingInTheGame) {
    const auto before = Tree(game.path);
    const fs::path csv = scratch.path / "sweep.csv";
    const Result r = Run({"--seeds", "1..40", "--top", "3", "--csv", csv.string(), "--jobs", "2"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Tree(game.path), before);
    EXPECT_EQ(r.err.find(" worlds "), std::string::npos) << "a progress bar without a terminal";
    EXPECT_NE(r.out.find("Best 3 of 40 seeds by fairness:\nseed  fairness"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("To write the first: tq3gen generate --game-dir "), std::string::npos);
    const std::string table = test::ReadFile(csv);
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 41);
    EXPECT_TRUE(table.starts_with("seed,fairness,income_gini,native_share,short_nations,major1_"));
    // The start measures close every line, after the majors' columns.
    const std::string header = table.substr(0, table.find('\n'));
    EXPECT_TRUE(header.ends_with("_capital_distance,room,coastal_majors")) << header;
    const std::string first =
        table.substr(header.size() + 1, table.find('\n', header.size() + 1) - header.size() - 1);
    EXPECT_EQ(std::count(first.begin(), first.end(), ','),
              std::count(header.begin(), header.end(), ','));

    // A game table named as the target is left alone.
    const Result refused =
        Run({"--seeds", "1..2", "--csv", (game.path / "DB" / "goods.csv").string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(Tree(game.path), before);
}

// --stop-after ends the search at the same seed whatever the workers; the seeds before it
// hold one match fewer.
TEST_F(Sweep, StopsAfterEnoughWorldsMetTheRequirementsAndSaysHowMany) {
    const auto drew = [](const std::string& out) {
        const std::size_t at = out.find("Drew ");
        return at == std::string::npos ? std::string() : out.substr(at, out.find('\n', at) - at);
    };
    const Result stopped = Run(
        {"--seeds", "1..500", "--require", "fairness>=0.7", "--stop-after", "2", "--jobs", "2"});
    EXPECT_EQ(stopped.status, 0) << stopped.err;
    EXPECT_NE(stopped.out.find("Stopped after 2 matching worlds.\nBest 2 of 2 seeds that met"),
              std::string::npos)
        << stopped.out;
    const std::string line = drew(stopped.out);
    const uint64_t last = std::stoull(line.substr(5));
    EXPECT_EQ(line, "Drew " + std::to_string(last) + " worlds; 2 met every requirement.");
    const Result upTo =
        Run({"--seeds", "1.." + std::to_string(last), "--require", "fairness>=0.7"});
    EXPECT_EQ(drew(upTo.out), line);
    const Result before =
        Run({"--seeds", "1.." + std::to_string(last - 1), "--require", "fairness>=0.7"});
    EXPECT_NE(drew(before.out).find("; 1 met"), std::string::npos) << before.out;
}

#ifndef _WIN32  // Ctrl+C is sent by timeout(1) through the shell
// A table of an earlier sweep stays; the rows measured go beside it.
TEST_F(Sweep, CtrlCStopsAtOnceAndPrintsWhatWasMeasured) {
    const fs::path table = scratch.path / "seeds.csv";
    const std::string earlier = "seed,fairness,income_gini,native_share,short_nations\n1,0.5\n";
    test::WriteFile(table, earlier);
    const std::string command = "timeout --preserve-status -s INT 0.3 " + Quote(TQ3_EXECUTABLE) +
                                " sweep --game-dir " + Quote(game.str()) +
                                " --seeds 1..10000000 --top 2 --csv " + Quote(table.string()) +
                                " >" + Quote((scratch.path / "out.txt").string()) + " 2>/dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 130);
    const std::string out = test::ReadFile(scratch.path / "out.txt");
    EXPECT_TRUE(out.starts_with("Stopped after ")) << out;
    EXPECT_NE(out.find("of 10000000 seeds.\nBest 2 of "), std::string::npos) << out;
    EXPECT_EQ(test::ReadFile(table), earlier);
    EXPECT_TRUE(test::ReadFile(scratch.path / "seeds.partial.csv").starts_with("seed,fairness"));
}
#endif

#ifndef _WIN32
// With its error output on a terminal, the sweep shows its progress bar there.
TEST_F(Sweep, ATerminalShowsTheProgressBar) {
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(::grantpt(terminal), 0);
    ASSERT_EQ(::unlockpt(terminal), 0);
    const std::string side = ::ptsname(terminal), folder = game.str();
    const pid_t child = ::fork();
    if (child == 0) {
        const int tty = ::open(side.c_str(), O_RDWR | O_NOCTTY);
        const int nothing = ::open("/dev/null", O_RDWR);
        ::dup2(nothing, 0);
        ::dup2(nothing, 1);
        ::dup2(tty, 2);
        ::execl(TQ3_EXECUTABLE, TQ3_EXECUTABLE, "sweep", "--game-dir", folder.c_str(), "--seeds",
                "1..3", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_GT(child, 0);
    // The terminal's side reads until the sweep has closed it.
    std::string shown;
    char buffer[4096];
    for (ssize_t n; (n = ::read(terminal, buffer, sizeof buffer)) > 0;)
        shown.append(buffer, static_cast<std::size_t>(n));
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(terminal);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << shown;
    EXPECT_NE(shown.find("] 100%  3/3 worlds"), std::string::npos) << shown;
}
#endif
