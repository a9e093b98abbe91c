#include "LoaderTestSupport.h"
#include "config/NationsFile.h"

using namespace tq3;

namespace {
const std::string kHeader = "header\r\n";
// A nation row with every column, built from the mini world's vocabulary.
std::string Row(const std::string& tag, int start, int size = 2, const std::string& tail = "") {
    return tag + ";Red;Blue;latin;ENG;ENG;ENG;ENG;3;4;5;6;7;3;4;5;1;Name " + tag + ";catholic;" +
           std::to_string(start) + ";" + std::to_string(size) +
           (tail.empty() ? ";400;3;3;2;2;1;10;2;5;4;2;2;x.ai;latin;Port" : tail) + "\r\n";
}
}  // namespace

struct NationsFile : MiniGame {
    void Nations(const std::string& rows) { Write("TQ3GenerCountry.csv", kHeader + rows); }
};

TEST_F(NationsFile, ColumnsOfTheMiniWorld) {
    ASSERT_TRUE(Load());
    const TNation& a = world->Nations[1];
    EXPECT_EQ(a.Tag, "AAA");
    EXPECT_EQ(a.MainColor, 1);
    EXPECT_EQ(a.FantasiaColor, 2);
    EXPECT_EQ(a.TechGroup, 1);
    EXPECT_EQ(a.Religion, 2);
    EXPECT_EQ(a.Capital(), 1);
    EXPECT_EQ(a.Size, 3);
    EXPECT_EQ(a.Treasury, 400);
    EXPECT_EQ(a.Artillery, 5);
    EXPECT_EQ(a.AiFile, "aland.ai");
    EXPECT_EQ(a.Cultures[1], 1);
    EXPECT_EQ(a.Cultures[2], 2);
    EXPECT_EQ(a.Specifics, SpecPort | SpecCoT | SpecFortress);
    EXPECT_EQ(world->Provinces[1].Owner, 1);
    EXPECT_EQ(world->Provinces[8].Owner, 4);
    EXPECT_EQ(world->Nations[4].AiFile, "");
    EXPECT_EQ(world->Nations[4].Specifics, SpecUnknown);
}

TEST_F(NationsFile, EndMarkersAndTheLimitOf208) {
    Nations("END\r\n" + Row("AAA", 1));
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->NationsLoaded, 0);

    Nations(Row("AAA", 1) + "no separator here\r\n" + Row("BBB", 2));
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->NationsLoaded, 1);

    world->SettingOverrides = {{"ProvinceCount", "1620"}};
    std::string rows;
    for (int n = 1; n <= 210; ++n) rows += Row("N" + std::to_string(n), n);
    Nations(rows);
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->NationsLoaded, 208);
    EXPECT_EQ(world->Nations[208].Tag, "N208");
    EXPECT_EQ(world->Provinces[209].Owner, 0);
}

TEST_F(NationsFile, TheThreeMessagesStopLoading) {
    struct Case {
        std::string rows;
        std::string message;
        int loaded;
    };
    for (const Case& c : {
             Case{Row("AAA", 1) + Row("BBB", 1) + Row("CCC", 3),
                  "Nations file: two nations with start loc:1", 1},
             Case{Row("AAA", 1) + Row("BBB", 2, 11),
                  "Corrupted nations file: nation with size > 10", 1},
             Case{Row("AAA", 1, 10) + "BBB;Red\r\n" + Row("CCC", 3), "Nations file syntax error!",
                  1},
             Case{"AAA;Red;Blue\r\n", "Nations file syntax error!", 0},
         }) {
        test::RecordingDialogs d;
        Nations(c.rows);
        ASSERT_FALSE(LoadSettings(*world, d, true).refused);
        ASSERT_EQ(d.errors.size(), 1u) << c.message;
        EXPECT_EQ(d.errors[0], c.message);
        EXPECT_EQ(world->NationsLoaded, c.loaded);
        EXPECT_EQ(world->Provinces[3].Owner, 0) << "rows after the stop are not read";
        ASSERT_FALSE(d.problems.empty());
        EXPECT_NE(d.problems[0].find("TQ3GenerCountry.csv:"), std::string::npos);
    }
}

TEST_F(NationsFile, RowsEndingEarly) {
    const std::string cut20 =
        "BBB;Red;Blue;latin;ENG;ENG;ENG;ENG;3;4;5;6;7;3;4;5;1;Bee;catholic;4\r\n";
    const std::string cut21 =
        "CCC;Red;Blue;latin;ENG;ENG;ENG;ENG;3;4;5;6;7;3;4;5;1;Cee;catholic;5;2\r\n";
    Nations(Row("AAA", 1) + cut20 + cut21);
    ASSERT_TRUE(Load());
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(world->NationsLoaded, 2);
    EXPECT_EQ(world->Nations[2].Capital(), 4);
    EXPECT_EQ(world->Provinces[4].Owner, 2);  // owner set, but not counted
    EXPECT_EQ(world->Nations[3].Capital(), 5);
    EXPECT_EQ(world->Nations[3].Size, 2);
}

// Each load starts every nation of the previous load without specifics, so a row that no
// longer reaches column 36 gives none, the last nation's row too.
TEST_F(NationsFile, AReloadClearsSpecificsThatARowNoLongerLists) {
    Nations(Row("AAA", 1) + Row("BBB", 2));
    ASSERT_TRUE(Load());
    ASSERT_EQ(world->Nations[2].Specifics, SpecPort);
    Nations(Row("AAA", 1) + Row("BBB", 2, 2, ";400;3;3;2;2;1;10;2;5;4;2;2;x.ai;latin"));
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->Nations[1].Specifics, SpecPort);
    EXPECT_EQ(world->Nations[2].Specifics, 0u);
}

TEST_F(NationsFile, CultureAndSpecificLists) {
    Nations(Row("AAA", 1, 2,
                ";400;3;3;2;2;1;10;2;5;4;2;2;x.ai;LATIN,nobody,Slavic,arabic,bantu,nordic;Port,CoT,"
                "port, CoT,Bank"));
    ASSERT_TRUE(Load());
    const TNation& a = world->Nations[1];
    EXPECT_EQ(a.Cultures[1], 1);
    EXPECT_EQ(a.Cultures[2], 3);
    EXPECT_EQ(a.Cultures[3], 4);
    EXPECT_EQ(a.Cultures[4], 6);
    EXPECT_EQ(a.Specifics, SpecPort | SpecCoT | SpecBank);
}

TEST_F(NationsFile, NumbersAndNames) {
    Nations(
        "AAA;Nocolour;Nocolour;nogroup;ENGLISH;E;EN;ENG;abc;4;5;6;7;3;4;5;1;Name;nofaith;1;2;70000;"
        ";3;2;2;1;10;2;5;4;2;2;x.ai;latin;\r\n");
    world->Nations[1].FantasiaColor = 9;
    world->Nations[1].Religion = 7;
    ASSERT_TRUE(Load());
    const TNation& a = world->Nations[1];
    EXPECT_EQ(a.MainColor, 1);
    EXPECT_EQ(a.FantasiaColor, 9);
    EXPECT_EQ(a.TechGroup, 1);
    EXPECT_EQ(a.LeaderLanguage, "ENG");
    EXPECT_EQ(a.ArmySprite, "E");
    EXPECT_EQ(a.Aristocracy, 5);
    EXPECT_EQ(a.Religion, 7);
    EXPECT_EQ(a.Treasury, static_cast<int16_t>(70000));
    EXPECT_EQ(a.TechLand, 0);
    EXPECT_EQ(a.Specifics, 0u);
}

TEST_F(NationsFile, StartProvincesOutsideTheMapAreReportedNotUsed) {
    Nations(Row("AAA", 0) + Row("BBB", 13) + Row("CCC", 40000) + Row("DDD", 2));
    ASSERT_TRUE(Load());
    EXPECT_EQ(world->NationsLoaded, 4);
    EXPECT_EQ(world->Nations[1].Capital(), 0);
    EXPECT_EQ(world->Nations[2].Capital(), 0);
    EXPECT_EQ(world->Nations[3].Capital(), 0);
    EXPECT_EQ(world->Provinces[2].Owner, 4);
    EXPECT_EQ(dialogs.problems.size(), 3u);
}

TEST_F(NationsFile, GarbageAndLongLinesNeverCrash) {
    std::string garbage;
    for (int i = 0; i < 20000; ++i) garbage += static_cast<char>((i * 131 + 7) % 256);
    for (const std::string& text :
         {garbage, std::string(5000, ';'), std::string("h\r\n") + std::string(3000, 'x') + ";",
          std::string("h\r\nAAA;Red;Blue;") + std::string(2000, ';')}) {
        Write("TQ3GenerCountry.csv", text);
        test::RecordingDialogs d;
        LoadSettings(*world, d, true);
        EXPECT_LE(world->NationsLoaded, 208);
        for (int p = 1; p <= world->ProvinceCount(); ++p) EXPECT_LE(world->Provinces[p].Owner, 208);
    }
}
