#include "core/vocational/vocational_queries.h"

#include <gtest/gtest.h>

#include "core/shared/enlace.h"
#include "core/vocational/vocational_fixture.h"
#include "core/vocational/vocational_load.h"
#include "support/recording_messages.h"

namespace velmora {
namespace {

using testing::CentreLine;
using testing::RecordingMessages;
using testing::VocationalFolder;

TEST(FamilyKeyTest, KeysAndNumbersGoBothWays) {
    for (int f = 1; f <= 26; ++f) EXPECT_EQ(FamilyNumberOfKey(FamilyKeyOfNumber(f)), f) << f;
    EXPECT_EQ(FamilyKeyOfNumber(9), '9');
    EXPECT_EQ(FamilyKeyOfNumber(10), 'A');
    EXPECT_EQ(FamilyKeyOfNumber(26), 'Q');
    for (const char key : {'0', 'R', 'a', ' ', '-'}) EXPECT_EQ(FamilyNumberOfKey(key), 0) << key;
    EXPECT_EQ(FamilyKeyOfNumber(0), ' ');
    EXPECT_EQ(FamilyKeyOfNumber(27), ' ');
}

TEST(WideProvinceTest, TheBigCitiesAndBarcelonaHaveWideLocalities) {
    for (const Level level : {Level::Higher, Level::Intermediate, Level::Basic}) {
        for (const char* code : {"1J", "2G", "3G", "3E", "41", "45", "4A"})
            EXPECT_TRUE(IsWideProvince(level, code)) << code;
        for (const char* code : {"28", "3D", "44", "46", "1K", ""})
            EXPECT_FALSE(IsWideProvince(level, code)) << code;
    }
    // The basic level lists the centres of "2H" with short localities.
    EXPECT_TRUE(IsWideProvince(Level::Higher, "2H"));
    EXPECT_TRUE(IsWideProvince(Level::Intermediate, "2H"));
    EXPECT_FALSE(IsWideProvince(Level::Basic, "2H"));
    const std::string line = CentreLine('J', "CIFP Los Enlaces     Zaragoza capital de Aragon");
    EXPECT_EQ(Locality(line, false), "CIFP Los Enlaces ");
    EXPECT_EQ(Locality(line, true), "CIFP Los Enlaces     Zaragoza capit");
    EXPECT_EQ(Locality(line, true).size(), 35u);
    EXPECT_EQ(Locality("", false), "");
}

class TitleQueriesTest : public ::testing::Test {
  protected:
    TitleQueriesTest() {
        LoadFpHigher(enlace);
        LoadCentreLists(enlace);
        LoadFpHigherPlaces(enlace);
        LoadFpMiddle(enlace);
        LoadFpMiddlePlaces(enlace);
        LoadFpBasic(enlace);
        FillProvinceCodes(enlace.vocational);
        enlace.readers.ReadPaddedTable(enlace.paths.dataFile(QStringLiteral("comunida")),
                                       communities, 55);
    }
    const VocationalTables& t() const { return enlace.vocational; }
    bool Runs(Level level, int community, int title) const {
        return TitleRunsInCommunity(t(), communities, level, community, title);
    }

    VocationalFolder folder;
    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
    LineTable communities = MakePaddedTable();
};

TEST_F(TitleQueriesTest, TheTitlesOfAFamily) {
    const TitleRange second = TitlesOfFamily(t().headersGS, 2, t().titlesGS.count);
    EXPECT_EQ(second.first, 4);
    EXPECT_EQ(second.last, 5);
    // A header followed by a header: a family without titles.
    EXPECT_TRUE(TitlesOfFamily(t().headersGS, 3, t().titlesGS.count).empty());
    EXPECT_EQ(TitlesOfFamily(t().headersGS, 3, t().titlesGS.count).size(), 0);
    // fp has no end sentinel: its last family still ends at the last line.
    const TitleRange last = TitlesOfFamily(t().headersGS, 28, t().titlesGS.count);
    EXPECT_EQ(last.first, 56);
    EXPECT_EQ(last.last, 56);
    EXPECT_TRUE(TitlesOfFamily(t().headersGS, 0, 56).empty());
    EXPECT_TRUE(TitlesOfFamily(t().headersGS, 29, 56).empty());
    // The basic headers: the second family has two titles, the last none.
    const TitleRange basic =
        TitlesOfFamily(t().basicHeaders, t().basicHeaderCount, 2, t().titlesBasic.count);
    EXPECT_EQ(basic.first, 4);
    EXPECT_EQ(basic.last, 5);
    EXPECT_TRUE(TitlesOfFamily(t().basicHeaders, t().basicHeaderCount, 3, 6).empty());
}

TEST_F(TitleQueriesTest, TheFamilyOfATitleLine) {
    EXPECT_EQ(HeaderOfTitle(t().headersGS, 2), 1);
    EXPECT_EQ(HeaderOfTitle(t().headersGS, 5), 2);
    EXPECT_EQ(HeaderOfTitle(t().headersGS, 6), 3);  // the header line itself
    EXPECT_EQ(HeaderOfTitle(t().headersGS, 54), 27);
    EXPECT_EQ(HeaderOfTitle(t().headersGS, 0), 0);
    EXPECT_EQ(HeaderOfTitle(TitleHeaders{}, 3), 0);
}

TEST_F(TitleQueriesTest, TheFamilyNumberOfATitleAtEachLevel) {
    EXPECT_EQ(FamilyOfTitle(t(), Level::Higher, 5), 2);
    EXPECT_EQ(FamilyOfTitle(t(), Level::Higher, 54), 5);
    EXPECT_EQ(FamilyOfTitle(t(), Level::Intermediate, 52), 26);
    EXPECT_EQ(FamilyOfTitle(t(), Level::Basic, 2), 1);
    EXPECT_EQ(FamilyOfTitle(t(), Level::Basic, 5), 2);
    // Headers, lines beyond the file and numbers the facts cannot mean are no family.
    EXPECT_EQ(FamilyOfTitle(t(), Level::Higher, 3), 0);
    EXPECT_EQ(FamilyOfTitle(t(), Level::Basic, 6), 0);
    EXPECT_EQ(FamilyOfTitle(t(), Level::Intermediate, 57), 0);
    enlace.vocational.factsGS.cell(2, VocationalTables::kFamilyFieldGS - 1) = 27;
    EXPECT_EQ(FamilyOfTitle(t(), Level::Higher, 2), 0);
}

TEST_F(TitleQueriesTest, TheCodesOfACommunity) {
    EXPECT_EQ(CommunityCodeEntries(communities, 2), (std::vector<int>{11, 12, 13, 14}));
    EXPECT_EQ(CommunityCodeEntries(communities, 9), (std::vector<int>{34, 35, 36, 37, 38, 39}));
    EXPECT_EQ(CommunityCodeEntries(communities, 19), (std::vector<int>{64}));
    EXPECT_TRUE(CommunityCodeEntries(communities, 0).empty());
    EXPECT_TRUE(CommunityCodeEntries(communities, 20).empty());
}

TEST_F(TitleQueriesTest, ATitleRunsWhereAnyProvinceOfTheCommunityTeachesIt) {
    // Title 5 is taught only in Zaragoza (code 1J, the third of Aragon's four codes).
    EXPECT_TRUE(Runs(Level::Higher, 2, 5));
    EXPECT_FALSE(Runs(Level::Higher, 3, 5));
    // Title 2: Huesca (Aragon), Cuenca (Castilla-La Mancha) and Valencia, not Asturias.
    EXPECT_TRUE(Runs(Level::Higher, 2, 2));
    EXPECT_TRUE(Runs(Level::Higher, 7, 2));
    EXPECT_TRUE(Runs(Level::Higher, 16, 2));
    EXPECT_FALSE(Runs(Level::Higher, 3, 2));
    // Title 54 only in Oviedo: the line starting with "1" in lu1 is Asturias (code 11), which
    // is not Aragon even though both live in lu1.
    EXPECT_TRUE(Runs(Level::Higher, 3, 54));
    EXPECT_FALSE(Runs(Level::Higher, 2, 54));
    // Title 56 in Almeria, community 1's first code.
    EXPECT_TRUE(Runs(Level::Higher, 1, 56));
    EXPECT_FALSE(Runs(Level::Higher, 19, 56));
    // A title no centre teaches, and a title of another level.
    EXPECT_FALSE(Runs(Level::Higher, 2, 10) || Runs(Level::Higher, 9, 54));
    EXPECT_TRUE(Runs(Level::Intermediate, 13, 4));
    EXPECT_FALSE(Runs(Level::Higher, 13, 4));
    // The count is the end of the row: a number beyond it is no title of the centre.
    enlace.vocational.offersGS[0].cell(2, 3) = 77;
    EXPECT_FALSE(Runs(Level::Higher, 2, 77));
}

TEST_F(TitleQueriesTest, BarcelonaCityIsFoundUnderItsComarcasCodeOnceConverted) {
    // Title 8: Madrid and the city of Barcelona (lu4, written with "A").
    EXPECT_TRUE(TitleRunsInProvince(t(), Level::Higher, "4A", 8));
    EXPECT_FALSE(TitleRunsInProvince(t(), Level::Higher, "45", 8));
    LoadComarcas(enlace);
    EXPECT_FALSE(TitleRunsInProvince(t(), Level::Higher, "4A", 8));
    EXPECT_TRUE(TitleRunsInProvince(t(), Level::Higher, "45", 8));
    EXPECT_TRUE(Runs(Level::Higher, 9, 8));
    EXPECT_TRUE(Runs(Level::Higher, 13, 8));
    EXPECT_FALSE(TitleRunsInProvince(t(), Level::Higher, "5A", 8));
    EXPECT_FALSE(TitleRunsInProvince(t(), Level::Higher, "4", 8));
}

TEST_F(TitleQueriesTest, TheBasicLevelSearchesItsOwnLu2) {
    // Title 5 of fpba is taught in Bilbao, line 6 of lu2.
    EXPECT_TRUE(Runs(Level::Basic, 17, 5));
    enlace.vocational.basicLu2.set(6, CentreLine('E', "IES Zorroaga"));
    EXPECT_FALSE(Runs(Level::Basic, 17, 5));
    EXPECT_EQ(t().centreList(Level::Higher, 2)[6][0], 'G');
}

}  // namespace
}  // namespace velmora
