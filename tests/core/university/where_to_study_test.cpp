#include "core/university/where_to_study.h"

#include <gtest/gtest.h>

#include "core/university/degrees_screen_fixture.h"

namespace velmora {
namespace {

using Row = std::array<std::string, 2>;
using testing::DegreesScreenFixture;

std::string Fit(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string Heading(int community) {
    return "- " + Fit("Comunidad " + std::to_string(community), 53);
}

TEST(FormatCutOffTest, WritesTenthsWithADecimalCommaInFourCharacters) {
    EXPECT_EQ(FormatCutOff(65), " 6,5");
    EXPECT_EQ(FormatCutOff(123), "12,3");
    EXPECT_EQ(FormatCutOff(5), "  ,5");
    EXPECT_EQ(FormatCutOff(0), "  ,0");
    EXPECT_EQ(FormatCutOff(255), "25,5");
    // Only the value 10 means "no mark"; 100 is a real 10,0.
    EXPECT_EQ(FormatCutOff(10), "  - ");
    EXPECT_EQ(FormatCutOff(100), "10,0");
}

class WhereToStudyTest : public ::testing::Test, public DegreesScreenFixture {
protected:
    const DegreeTables& tables() { return enlace.degreeTables; }
};

TEST_F(WhereToStudyTest, ListsOfferingsUnderTheirCommunitiesWithMarks) {
    load();
    const WhereToStudy where = BuildWhereToStudy(tables(), enlace.texts, 3);
    const std::vector<Row> expected = {
        {"-" + std::string(17, ' ') + "texto 593", ""},
        {"", "Not."},
        {Heading(1), ""},
        {"<" + Fit("Universidad de Granada", 35), " 12,8"},
        {Heading(13), ""},
        {"<" + Fit("Universidad Complutense de Madrid", 35), " 13,1"},
        {Heading(19), ""},
        {"<" + Fit("UGR Campus de Melilla", 35), "   - "},
    };
    EXPECT_EQ(where.rows, expected);
    for (int c = 1; c <= 19; ++c) {
        const bool offered = c == 1 || c == 13 || c == 19;
        EXPECT_EQ(where.markers[static_cast<size_t>(c)], offered) << c;
        EXPECT_EQ(where.firstRow[static_cast<size_t>(c)], c == 1 ? 2 : c == 13 ? 4 : c == 19 ? 6 : 0);
    }
}

TEST_F(WhereToStudyTest, CommunitiesComeInCommunityOrderWhateverTheOfferingOrder) {
    folder.data("datcarnphp", {"2;3;1", "0", "0", "2;70;80", "0", "0", "2;0;0", "0", "0"});
    load();
    const WhereToStudy where = BuildWhereToStudy(tables(), enlace.texts, 1);
    ASSERT_EQ(where.rows.size(), 6u);
    EXPECT_EQ(where.rows[2][0], Heading(1));
    EXPECT_EQ(where.rows[3][1], "  8,0");
    EXPECT_EQ(where.rows[4][0], Heading(19));
    EXPECT_EQ(where.rows[5][1], "  7,0");
}

TEST_F(WhereToStudyTest, ADegreeOfferedNowhereHasOnlyTheTwoHeadingRows) {
    load();
    const WhereToStudy where = BuildWhereToStudy(tables(), enlace.texts, 2);
    EXPECT_EQ(where.rows.size(), 2u);
    for (int c = 1; c <= 19; ++c) {
        EXPECT_FALSE(where.markers[static_cast<size_t>(c)]);
        EXPECT_EQ(where.firstRow[static_cast<size_t>(c)], 0);
    }
}

TEST_F(WhereToStudyTest, APlaceListsItsDegreesByTitleAndItsDoubleDegrees) {
    load();
    const PlaceDegrees granada = BuildDegreesOfPlace(tables(), enlace.texts, 1);
    const std::vector<Row> expected = {
        // Biología is offered here under its specific title 1, Medicina under its own name.
        {"<" + Fit("Biología Sanitaria", 54), " " + std::string(" 9,5")},
        {"<" + Fit("Medicina", 54), " 12,8"},
        {"", " "},
        {"-" + std::string(16, ' ') + "texto 242" + std::string(5, ' '), "     "},
        {Fit("Biología Sanitaria", 55), "  9,8"},
        {" + " + Fit("Derecho", 52), "     "},
        {std::string(17, ' ') + "-----" + std::string(5, ' '), "     "},
    };
    EXPECT_EQ(granada.rows, expected);
    EXPECT_EQ(granada.gridDegree, (std::vector<int>{1, 3, 0, 0, 0, 0, 0}));
}

TEST_F(WhereToStudyTest, APlaceWithAnEmptyDoubleDegreeGroupShowsNoSuchSection) {
    load();
    const PlaceDegrees melilla = BuildDegreesOfPlace(tables(), enlace.texts, 3);
    ASSERT_EQ(melilla.rows.size(), 1u);
    EXPECT_EQ(melilla.rows[0][1], "   - ");
    EXPECT_EQ(melilla.gridDegree, std::vector<int>{3});
}

TEST_F(WhereToStudyTest, FifteenDegreesStayInDegreeOrder) {
    degreesAtOnePlace(15, {3, 1});
    load();
    const PlaceDegrees place = BuildDegreesOfPlace(tables(), enlace.texts, 1);
    ASSERT_EQ(place.rows.size(), 15u);
    for (int k = 1; k <= 15; ++k) EXPECT_EQ(place.gridDegree[static_cast<size_t>(k - 1)], k);
    EXPECT_EQ(place.rows[0][0].substr(0, 9), "<Grado 01");
}

TEST_F(WhereToStudyTest, SixteenDegreesGoUnderTheHeadingsOfTheirBranches) {
    degreesAtOnePlace(16, {3, 1});
    load();
    const PlaceDegrees place = BuildDegreesOfPlace(tables(), enlace.texts, 1);
    // Branch 1 (even degrees) and branch 3 (odd degrees); branches 2, 4 and 5 have none.
    ASSERT_EQ(place.rows.size(), 18u);
    EXPECT_EQ(place.rows[0][0], "-   texto 515     ");
    EXPECT_EQ(place.gridDegree[0], 0);
    EXPECT_EQ(place.gridDegree[1], 2);
    EXPECT_EQ(place.gridDegree[8], 16);
    EXPECT_EQ(place.rows[9][0], "-   texto 517     ");
    EXPECT_EQ(place.gridDegree[9], 0);
    EXPECT_EQ(place.gridDegree[10], 1);
    EXPECT_EQ(place.rows[10][1], "  5,1");
    EXPECT_EQ(place.gridDegree[17], 15);
}

TEST_F(WhereToStudyTest, PlacesOfACommunityInPlaceOrder) {
    folder.data("lugar", {testing::PlaceLine(" 1", "Universidad de Granada", "ugr.es"),
                          testing::PlaceLine("13", "Universidad Complutense", "ucm.es"),
                          testing::PlaceLine(" 1", "Universidad de Sevilla", "us.es")});
    load();
    EXPECT_EQ(PlacesOfCommunity(tables(), 1), (std::vector<int>{1, 3}));
    EXPECT_TRUE(PlacesOfCommunity(tables(), 5).empty());
    EXPECT_EQ(CommunityName(tables(), 19), "Comunidad 19");
}

}  // namespace
}  // namespace velmora
