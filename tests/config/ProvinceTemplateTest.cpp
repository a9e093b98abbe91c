#include <span>

#include "LoaderTestSupport.h"
#include "base/NameMatch.h"
#include "config/ProvinceTemplate.h"

using namespace tq3;

namespace {
// Splits a template row at ";" and joins it again.
std::vector<std::string> Fields(const std::string& row) {
    std::vector<std::string> f;
    std::size_t start = 0, semi;
    while ((semi = row.find(';', start)) != std::string::npos) {
        f.push_back(row.substr(start, semi - start));
        start = semi + 1;
    }
    f.push_back(row.substr(start));
    return f;
}
std::string Join(const std::vector<std::string>& f) {
    std::string row;
    for (std::size_t i = 0; i < f.size(); ++i) row += (i ? ";" : "") + f[i];
    return row;
}
}  // namespace

struct TemplateRows : MiniGame {
    std::vector<std::string> lines;  // the template's lines, header first
    void SetUp() override {
        MiniGame::SetUp();
        const std::string text = Read("TQ3GenerProvince.csv");
        std::size_t start = 0, crlf;
        while ((crlf = text.find("\r\n", start)) != std::string::npos) {
            lines.push_back(text.substr(start, crlf - start));
            start = crlf + 2;
        }
    }
    // Sets 1-based column `col` of province p's row.
    void Set(int p, int col, const std::string& value) {
        std::vector<std::string> f = Fields(lines[p + 1]);
        f[col - 1] = value;
        lines[p + 1] = Join(f);
    }
    void Save() {
        std::string text;
        for (const std::string& l : lines) text += l + "\r\n";
        Write("TQ3GenerProvince.csv", text);
    }
};

TEST_F(TemplateRows, ColumnReadingRules) {
    Set(1, 4, "CATHOLIC");   // names match without regard to case
    Set(2, 4, " catholic");  // but blanks count
    Set(3, 3, "Coastal");    // "coastal" only in lower case
    Set(1, 9, " 1 ");        // ice flag trimmed
    Set(1, 18, " 1");        // goods flag not trimmed
    Set(2, 18, "1");
    Set(1, 22, "1.25");  // one fraction digit
    Set(2, 22, "3.");
    Set(3, 22, "abc");
    Set(1, 5, "");  // empty culture: the code after the last name
    Set(2, 5, "none");
    Set(3, 29, "");  // empty area: the first empty name
    Set(4, 29, "-");
    Set(5, 17, "nothing");
    Set(6, 17, "GOLD");
    Set(7, 12, "x");  // not a number
    Set(8, 26, "-20000");
    Save();
    ASSERT_TRUE(Load());
    const auto& P = world->Provinces;
    EXPECT_EQ(P[1].Religion, 2);
    EXPECT_EQ(P[2].Religion, 0);
    EXPECT_FALSE(P[3].IsCoastal);
    EXPECT_TRUE(P[1].HasIce);
    EXPECT_FALSE(P[1].GoodsFlag);
    EXPECT_TRUE(P[2].GoodsFlag);
    EXPECT_EQ(P[1].NativeCombat, 12);
    EXPECT_EQ(P[2].NativeCombat, 30);
    EXPECT_EQ(P[3].NativeCombat, 0);
    EXPECT_EQ(P[1].Culture, 7);  // six culture names
    EXPECT_EQ(P[2].Culture, 0);
    EXPECT_EQ(P[3].Area, 5);  // four area names
    EXPECT_EQ(P[4].Area, 0);
    EXPECT_EQ(P[5].Goods, 0);
    EXPECT_EQ(P[6].Goods, 6);
    EXPECT_EQ(P[7].Manpower, 0);
    EXPECT_EQ(P[8].MapX, -20000);
    EXPECT_EQ(P[9].Terrain, TerrainCode::Sea);
    EXPECT_TRUE(P[10].HasIce);
}

TEST(NameMatch, EmptyNamesAndNoneWords) {
    const std::vector<std::string> names{"latin", "", "late"};
    const std::span<const std::string> list(names);
    EXPECT_EQ(MatchName(list, "LATIN", true, "none"), 1);
    EXPECT_EQ(MatchName(list, "", true, "none"), 2);
    EXPECT_EQ(MatchName(list, "late", true, "none"), 0);  // the search ends at the empty name
    EXPECT_EQ(MatchName(list, "late", false, nullptr), 3);
    EXPECT_EQ(MatchName(list, "none", false, "none"), 0);
    const std::vector<std::string> full{"a", "b"};
    EXPECT_EQ(MatchName(std::span<const std::string>(full), "", true, "-"), 0);
}

TEST_F(TemplateRows, ExtraRowsIgnoredMissingRowsLeftEmpty) {
    lines.push_back(lines.back());
    Save();
    ASSERT_TRUE(Load());
    EXPECT_TRUE(dialogs.problems.empty());
    EXPECT_TRUE(world->ProvinceTemplateRead);

    lines.resize(1 + 11);  // header and provinces 0..10
    Save();
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->Provinces[10].Name, "Mare Balticum");
    EXPECT_EQ(world->Provinces[11].Terrain, MissingRowTerrain);  // neither land nor sea
    EXPECT_EQ(world->Provinces[12].Terrain, MissingRowTerrain);
    ASSERT_EQ(dialogs.problems.size(), 1u);
    EXPECT_NE(
        dialogs.problems[0].find("TQ3GenerProvince.csv:13: the template ends before province 11"),
        std::string::npos);
    EXPECT_TRUE(world->ProvinceTemplateRead);
    // A template cut in a line, or without rows, is one that a run cannot use.
    for (const std::string& text : {lines[0] + "\r\n" + lines[1] + "\r\n3;Nord", std::string()}) {
        Write("TQ3GenerProvince.csv", text);
        ASSERT_TRUE(Load());
        EXPECT_FALSE(world->ProvinceTemplateRead) << text;
    }
}

TEST_F(TemplateRows, ShortRowsAndBadCodesAreReportedAndSafe) {
    lines[3] = "2;Stub;coastal;catholic";  // too few fields
    Set(4, 8, "40");                       // climate beyond its list
    Set(5, 28, "1700");                    // sea zone beyond the table
    Set(6, 14, "-3");                      // negative terrain
    Save();
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->Provinces[2].Name, "Stub");
    EXPECT_EQ(world->Provinces[2].Terrain, TerrainCode::Plains);
    EXPECT_EQ(world->Provinces[4].Climate, 40);
    EXPECT_EQ(world->Provinces[5].SeaZone, 0);
    EXPECT_FALSE(world->Provinces[6].IsLand());
    EXPECT_EQ(dialogs.problems.size(), 4u);
    for (const std::string& p : dialogs.problems)
        EXPECT_NE(p.find("TQ3GenerProvince.csv:"), std::string::npos);
}

TEST_F(TemplateRows, RestrictedReloadReadsOnlyProtectedRegions) {
    ASSERT_TRUE(Load());
    for (int p = 1; p <= 12; ++p) world->Provinces[p].Manpower = 99;
    world->Provinces[2].Owner = 4;
    LoadProvinceTemplate(*world, dialogs, true,
                         false);  // Europe: provinces 1, 2, 3 and 5 (Mediterranean)
    for (int p : {1, 2, 3, 5}) EXPECT_NE(world->Provinces[p].Manpower, 99) << p;
    for (int p : {4, 6, 7, 8}) EXPECT_EQ(world->Provinces[p].Manpower, 99) << p;
    EXPECT_EQ(world->Provinces[2].Owner, 4);  // the European reload keeps owners
    EXPECT_EQ(world->LandProvinceCount, 4);

    for (int p = 1; p <= 12; ++p) world->Provinces[p].Manpower = 99;
    LoadProvinceTemplate(*world, dialogs, false, true);  // Asia: 4, 7, 8
    for (int p : {4, 7, 8}) EXPECT_NE(world->Provinces[p].Manpower, 99) << p;
    EXPECT_EQ(world->Provinces[1].Manpower, 99);
    EXPECT_EQ(world->Provinces[2].Owner, 0);
}

TEST_F(TemplateRows, GarbageTemplateNeverCrashes) {
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    Write("TQ3GenerProvince.csv", garbage);
    EXPECT_TRUE(Load());
    Write("TQ3GenerProvince.csv", "");
    EXPECT_TRUE(Load());
    EXPECT_EQ(world->LandProvinceCount, 0);
}

// Rows are split several characters at a time: every column must come out the same wherever
// its ";" falls in a word, and characters one off from ";" (":" and "<") never split.
TEST_F(TemplateRows, ColumnsAreFoundAtEveryOffset) {
    const std::vector<std::string> names{
        "", "a", ":", "<b:", "Name:with<marks", std::string(13, 'x')};
    for (std::size_t lead = 0; lead < 8; ++lead) {
        for (const std::string& base : names) {
            const std::string name = std::string(lead, 'n') + base;
            const std::string mapY = "7" + std::string(lead % 4, '0');
            Set(1, 2, name);
            Set(1, 13, std::to_string(lead + 1));  // income, after the name
            Set(1, 27, mapY);                      // map y, late in the row
            Save();
            ASSERT_TRUE(Load());
            const TProvince& prov = world->Provinces[1];
            EXPECT_EQ(prov.Name, name) << lead;
            EXPECT_EQ(prov.Income, static_cast<int>(lead + 1)) << name;
            EXPECT_EQ(prov.MapY, std::stoi(mapY)) << name;
            EXPECT_TRUE(dialogs.problems.empty()) << name;
        }
    }
    // A row may start with a separator: its first column, not read, is empty.
    Set(1, 1, "");
    Set(1, 2, "Lusa");
    Save();
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->Provinces[1].Name, "Lusa");
    EXPECT_EQ(world->Provinces[1].Income, 8);
}

// Over-long columns are reported in column order, after the over-long row; 100 characters
// are allowed.
TEST_F(TemplateRows, LongColumnsAreReportedInOrder) {
    Set(1, 31, std::string(101, 'c'));
    Set(1, 2, std::string(150, 'n'));
    Set(1, 5, std::string(100, 'k'));
    Set(2, 29, std::string(420, 'a'));
    Save();
    ASSERT_TRUE(Load());
    std::vector<std::string> seen;
    for (const std::string& p : dialogs.problems)
        seen.push_back(p.substr(p.find("TQ3GenerProvince.csv:")));
    const std::vector<std::string> expected{
        "TQ3GenerProvince.csv:3: province 1: column 2 is longer than 100 characters",
        "TQ3GenerProvince.csv:3: province 1: column 31 is longer than 100 characters",
        "TQ3GenerProvince.csv:4: province 2: the row has " + std::to_string(lines[3].size()) +
            " characters, more than 500",
        "TQ3GenerProvince.csv:4: province 2: column 29 is longer than 100 characters",
    };
    ASSERT_EQ(seen.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(seen[i].substr(0, expected[i].size()), expected[i]) << i;
    EXPECT_EQ(world->Provinces[1].Name, std::string(150, 'n'));
}
