#include "LoaderTestSupport.h"
#include "config/Adjacency.h"

using namespace tq3;

namespace {
std::string Records(const std::vector<int>& values) {
    std::string out;
    for (int v : values) {
        out += static_cast<char>(v & 0xff);
        out += static_cast<char>((v >> 8) & 0xff);
        out += '\x07';  // the last two bytes are ignored
        out += '\x09';
    }
    return out;
}
}  // namespace

struct AdjacencyFiles : MiniGame {
    // Writes an index and a map table from neighbour lists of provinces 0..12.
    void Lists(const std::vector<std::vector<int>>& lists) {
        std::vector<int> index, data;
        for (const auto& list : lists) {
            index.push_back(static_cast<int>(data.size()));
            data.insert(data.end(), list.begin(), list.end());
        }
        index.push_back(static_cast<int>(data.size()));
        Write("TQ3GenerAdjIndex.tbl", Records(index));
        Write("TQ3GenerAdjDataOrig.tbl", Records(data));
    }
};

TEST_F(AdjacencyFiles, KeepsLandLinksAndAtMostEight) {
    std::vector<std::vector<int>> lists(13);
    lists[1] = {2, 3, 0, 4, 5, 6, 7, 8, 2, 3, 4};  // 10 land neighbours and a 0 record
    lists[2] = {1, 3, 4, 5, 6, 7, 8, 1};           // exactly 8
    lists[3] = {9, 2, 10, 4, 1};                   // two sea zones
    lists[9] = {3, 1};                             // a sea zone lists nothing
    Lists(lists);
    ASSERT_TRUE(Load());
    const auto& N = world->Neighbours;
    EXPECT_EQ((std::vector<int>(N[1].begin() + 1, N[1].end())),
              (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 2, 0}));
    EXPECT_EQ((std::vector<int>(N[2].begin() + 1, N[2].end())),
              (std::vector<int>{1, 3, 4, 5, 6, 7, 8, 1, 0}));
    EXPECT_EQ((std::vector<int>(N[3].begin() + 1, N[3].end())),
              (std::vector<int>{2, 4, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(N[9][1], 0);
    EXPECT_EQ(N[4][1], 0);
    EXPECT_TRUE(dialogs.problems.empty());
}

TEST_F(AdjacencyFiles, PlacementTableAndBackRestoresTheMap) {
    ASSERT_TRUE(Load());
    const auto map = world->Neighbours;
    LoadAdjacency(*world, dialogs, false);
    EXPECT_EQ(world->Neighbours[1][1], 2);
    EXPECT_EQ(world->Neighbours[1][2], 0);  // the link 1-5 is not in the placement table
    EXPECT_NE(world->Neighbours, map);
    LoadAdjacency(*world, dialogs, true);
    EXPECT_EQ(world->Neighbours, map);
}

TEST_F(AdjacencyFiles, BrokenTablesAreReportedAndReadSafely) {
    ASSERT_TRUE(Load());
    // A short index, starts beyond the data, negative starts and neighbours beyond the map.
    Write("TQ3GenerAdjIndex.tbl", Records({0, 0, 3, 50, -5, 2}));
    Write("TQ3GenerAdjDataOrig.tbl", Records({3, 2, 1600}) + "\x01");
    test::RecordingDialogs d;
    LoadAdjacency(*world, d, true);
    EXPECT_EQ(world->Neighbours[1][1], 3);
    EXPECT_EQ(world->Neighbours[1][2], 2);
    EXPECT_EQ(world->Neighbours[1][3], 0);  // 1600 is beyond the map
    EXPECT_EQ(world->Neighbours[2][1], 0);  // its list runs past the end of the data
    for (int p = 1; p <= 12; ++p)
        for (int j = 1; j <= 9; ++j) EXPECT_LE(world->Neighbours[p][j], 12);
    // Record 2 lies in the lists of provinces 1 and 5; it is reported once.
    EXPECT_EQ(d.problems.size(), 3u) << ::testing::PrintToString(d.problems);

    // A missing data file leaves the table as it was.
    const auto before = world->Neighbours;
    std::filesystem::remove(Config("TQ3GenerAdjData.tbl"));
    LoadAdjacency(*world, d, false);
    EXPECT_EQ(world->Neighbours, before);
    EXPECT_NE(d.errors.back().find("does not exist!"), std::string::npos);
}

// An index that sends many provinces over the same records beyond the map: each record is
// reported once, a hundred at most, and the rest are counted in one line.
TEST_F(AdjacencyFiles, ABrokenIndexDoesNotFloodTheProblems) {
    ASSERT_TRUE(Load());
    std::vector<int> index;
    for (int p = 0; p <= 13; ++p) index.push_back(p % 2 == 0 ? 0 : 150);
    Write("TQ3GenerAdjIndex.tbl", Records(index));
    Write("TQ3GenerAdjDataOrig.tbl", Records(std::vector<int>(150, 1000)));
    test::RecordingDialogs d;
    LoadAdjacency(*world, d, true);
    ASSERT_EQ(d.problems.size(), 101u);
    EXPECT_NE(d.problems[0].find("record 0 (province 2): neighbour 1000 is beyond province 12"),
              std::string::npos)
        << d.problems[0];
    EXPECT_NE(d.problems[99].find("record 99 (province 2)"), std::string::npos) << d.problems[99];
    EXPECT_NE(d.problems[100].find(
                  "50 more records name a neighbour beyond province 12; they are left out too"),
              std::string::npos)
        << d.problems[100];
    for (int p = 1; p <= 12; ++p) EXPECT_EQ(world->Neighbours[p][1], 0);
}
