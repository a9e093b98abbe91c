// Whole seeded runs on the demo game folder, pinned by a hash of every file they leave. The
// order of the random draws is a contract: the same seed and settings must give the same
// bytes from one version to the next. When a change alters the output on purpose, say so in
// its commit and put the new hashes here.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TestSupport.h"

namespace fs = std::filesystem;

#ifndef TQ3_DEMO_WORLD
#define TQ3_DEMO_WORLD TQ3_BINARY_DIR "/tools/demo-world/demo-world"
#endif

namespace {

const char* const kFiles[] = {"DB/Province.csv", "DB/Country.csv",  "DB/Revolt.txt",
                              "DB/Goods.csv",    "DB/tax_stab.csv", "Scenarios/Random.tqg"};

struct PinnedRun {
    int mode;
    int seed;
    std::vector<std::string> settings;
    std::vector<uint64_t> hashes;  // in the order of kFiles; 0 for a file that is not there
};

// Mode, seed and settings cover every draw: the map and nation steps, the goods prices, the
// centres of trade (all three passes), the leaders with and without expeditions, the policies.
const std::vector<PinnedRun> kRuns = {
    {0,
     1,
     {},
     {0x88ab46c001972315ull, 0x278b5c32ac2aca1eull, 0x7b3fe84a8ef84af4ull, 0x70c818856f7751dbull,
      0xc8f54ad478219cecull, 0xab4199b6c8e2915dull}},
    {1,
     2,
     {},
     {0xba86c908b7b4309aull, 0x278b5c32ac2aca1eull, 0x0e07bfe9bab902eaull, 0x70c818856f7751dbull,
      0xc8f54ad478219cecull, 0x0000000000000000ull}},
    {2,
     3,
     {},
     {0x06800821d28e6054ull, 0x278b5c32ac2aca1eull, 0xaa8fc9cd8433f4baull, 0x70c818856f7751dbull,
      0xc8f54ad478219cecull, 0x45238ccebcf7f40cull}},
    {0,
     4,
     {"RandomizeDP=1", "RandomizeGoodsValues=1"},
     {0x0ec6a3290deff5d3ull, 0x2e9b9d69f964d912ull, 0x25dce17631d86729ull, 0xa78c3c7c4dbc20bdull,
      0xc8f54ad478219cecull, 0x8af6ebb7d83f6d88ull}},
    {0,
     5,
     {"FantasyMode=1", "GetConquistador=1", "RandomizeGoodsValues=1", "CoTCount=3"},
     {0xd8b939acd01264c5ull, 0x278b5c32ac2aca1eull, 0x9fe5e3c9f6c8aa0eull, 0xa3f583946c973074ull,
      0xc8f54ad478219cecull, 0x52c0053a70d6e55bull}},
    {2,
     6,
     {"FantasyMode=1", "GetConquistador=0", "RandomizeDP=1"},
     {0x06800821d28e6054ull, 0x278b5c32ac2aca1eull, 0x7c8b9c5f97d27d85ull, 0x70c818856f7751dbull,
      0xc8f54ad478219cecull, 0x4cc4f664a22463d3ull}},
    {0,
     7,
     {"CoTCount=40", "NationCount=120", "ForceCoTtoMajor=0"},
     {0x5524bffff869b6c2ull, 0x278b5c32ac2aca1eull, 0x48a47f9e7eb058e7ull, 0x70c818856f7751dbull,
      0xc8f54ad478219cecull, 0xcf31f1d2d13c460cull}},
};

uint64_t Fnv1a(const std::string& bytes) {
    uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char c : bytes) {
        h ^= c;
        h *= 0x100000001b3ull;
    }
    return h;
}

std::string Quote(const std::string& s) {
    return "'" + s + "'";
}

class SeededRuns : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        demo_ = new test::TempDir;
        const std::string make = Quote(TQ3_DEMO_WORLD) + " " + Quote(demo_->str()) + " > /dev/null";
        ASSERT_EQ(std::system(make.c_str()), 0);
    }
    static void TearDownTestSuite() { delete demo_; }
    static test::TempDir* demo_;
};
test::TempDir* SeededRuns::demo_ = nullptr;

TEST_F(SeededRuns, GiveTheSameBytesAsTheVersionsBefore) {
    for (const PinnedRun& run : kRuns) {
        test::TempDir copy;
        test::CopyTree(demo_->str(), copy.path);
        std::string command = "timeout 120 " + Quote(TQ3_EXECUTABLE) + " generate --game-dir " +
                              Quote(copy.str()) + " --mode " + std::to_string(run.mode) +
                              " --seed " + std::to_string(run.seed);
        for (const std::string& s : run.settings) command += " --set " + s;
        ASSERT_EQ(std::system((command + " > /dev/null 2>&1").c_str()), 0) << command;
        for (std::size_t i = 0; i < std::size(kFiles); ++i) {
            const fs::path file = copy.path / kFiles[i];
            const uint64_t hash = fs::exists(file) ? Fnv1a(test::ReadFile(file)) : 0;
            EXPECT_EQ(hash, run.hashes[i]) << kFiles[i] << " after: " << command;
        }
    }
}

}  // namespace
