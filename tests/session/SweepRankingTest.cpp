#include <filesystem>

#include "TestSupport.h"
#include "base/WriteTarget.h"
#include "session/SweepCsv.h"
#include "session/SweepRanking.h"

using namespace tq3;

namespace fs = std::filesystem;

namespace {
SweepRow Row(uint64_t seed, double fairness, double gini) {
    SweepRow row;
    row.seed = seed;
    row.balance.fairness = fairness;
    row.balance.incomeGini = gini;
    return row;
}

std::vector<uint64_t> Seeds(const std::vector<SweepRow>& rows) {
    std::vector<uint64_t> seeds;
    for (const SweepRow& r : rows) seeds.push_back(r.seed);
    return seeds;
}
}  // namespace

TEST(BestSeeds, KeepsTheBestInEachOrderWithTiesToTheLowerSeed) {
    const std::vector<SweepRow> rows = {Row(1, 0.5, 0.3), Row(2, 0.9, 0.2),  Row(3, 0.1, 0.1),
                                        Row(4, 0.9, 0.4), Row(5, 0.7, 0.05), Row(6, 0.2, 0.6)};
    struct Case {
        SweepOrder order;
        std::size_t count;
        std::vector<uint64_t> expected;
    };
    const Case cases[] = {
        {SweepOrder::Fairness, 3, {2, 4, 5}}, {SweepOrder::IncomeSpread, 2, {5, 3}},
        {SweepOrder::Wildest, 2, {3, 6}},     {SweepOrder::Fairness, 10, {2, 4, 5, 1, 6, 3}},
        {SweepOrder::Fairness, 0, {}},
    };
    for (const Case& c : cases) {
        BestSeeds best(c.order, c.count);
        for (const SweepRow& r : rows) best.Offer(r);
        EXPECT_EQ(Seeds(best.Ranked()), c.expected);
    }
}

// The ends of the range fall in the first and the last bin; values beyond them are counted
// at the nearest end.
TEST(FairnessHistogram, TheEndsOfTheRangeFallInTheOuterBins) {
    FairnessHistogram histogram(4);
    for (double fairness : {0.0, -0.5, 0.25, 0.74, 0.999, 1.0, 1.5}) histogram.Add(fairness);
    EXPECT_EQ(histogram.Counts(), (std::vector<uint64_t>{2, 1, 1, 3}));
}

TEST(SweepCsvTarget, WritesOnlyNewFilesAndEarlierTablesOutsideTheGameFolders) {
    test::TempDir dir;
    const fs::path game = dir.path / "game";
    for (const char* folder : {"DB", "Config", "Scenarios", "Backup"})
        fs::create_directories(game / folder);
    test::WriteFile(game / "DB" / "Province.csv", "a;b\r\n");
    test::WriteFile(dir.path / "notes.csv", "x,y\n");
    test::WriteFile(dir.path / "old.csv", SweepCsvHeader(1));
    fs::create_directories(dir.path / "folder.csv");
    struct Case {
        fs::path target;
        bool allowed;
    };
    const Case cases[] = {
        {dir.path / "new.csv", true},
        {dir.path / "old.csv", true},
        {game / "sweep.csv", true},
        {dir.path / "notes.csv", false},
        {dir.path / "NOTES.csv", false},
        {dir.path / "folder.csv", false},
        {dir.path / "missing" / "x.csv", false},
        {game / "DB" / "province.csv", false},
        {game / "db" / "new.csv", false},
        {game / "Config" / "sweep.csv", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WriteTargetProblem(TargetKind::SweepTable, game.string(), c.target.string(),
                                     SweepCsvFirstColumns)
                      .empty(),
                  c.allowed)
            << c.target;
}
