#include "core/university/degree_readers.h"

#include <gtest/gtest.h>

#include "core/shared/data_error.h"
#include "core/university/degree_fixture.h"
#include "support/recording_messages.h"
#include "support/refused.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::PlaceLine;
using testing::RecordingMessages;
using testing::TempFolder;

using testing::Refused;

TEST(ColumnIntegerTest, BlanksThenDigitsThatReachTheEndOfTheRange) {
    EXPECT_EQ(ColumnInteger(" 5xx", 1, 2), 5);
    EXPECT_EQ(ColumnInteger("12", 1, 2), 12);
    EXPECT_EQ(ColumnInteger("-3", 1, 2), -3);
    EXPECT_EQ(ColumnInteger("    123", 5, 7), 123);
    EXPECT_FALSE(ColumnInteger("5 ", 1, 2));    // a trailing blank is no number
    EXPECT_FALSE(ColumnInteger("  ab", 1, 2));  // all blanks
    EXPECT_FALSE(ColumnInteger("1a", 1, 2));
    EXPECT_FALSE(ColumnInteger("ab", 5, 7));    // beyond the line: empty
    EXPECT_EQ(ColumnInteger("     4", 5, 7), 4);  // the range ends with the line
}

TEST(LeadingNumberTest, DigitsAfterBlanksUpToTheFirstOtherCharacter) {
    EXPECT_EQ(LeadingNumber(" 9"), 9);
    EXPECT_EQ(LeadingNumber("1x"), 1);
    EXPECT_EQ(LeadingNumber("  "), 0);
    EXPECT_EQ(LeadingNumber("x1"), 0);
}

TEST(ReadPlacesTest, KeepsTheNameAsStoredAndTrimsAndCutsTheAddress) {
    TempFolder folder;
    const std::string longWeb(70, 'w');
    const QString path = folder.writeLines(QStringLiteral("lugar"),
                                           {PlaceLine(" 1", "Universidad de Jaén", "ujaen.es   "),
                                            PlaceLine("9x", "Universitat de Girona", longWeb),
                                            "13Corto"});
    const std::vector<Place> places = ReadPlaces(path);
    ASSERT_EQ(places.size(), 4u);  // entry 0 is no place
    EXPECT_EQ(places[1].communityCode, 1);
    EXPECT_EQ(places[1].name.size(), 35u);
    EXPECT_TRUE(places[1].name.starts_with("Universidad de Ja"));
    EXPECT_EQ(places[1].name.back(), ' ');
    EXPECT_EQ(places[1].webAddress, "ujaen.es");
    EXPECT_EQ(places[2].communityCode, 9);
    EXPECT_EQ(places[2].webAddress, std::string(60, 'w'));
    EXPECT_EQ(places[3].communityCode, 13);
    EXPECT_EQ(places[3].name, "Corto" + std::string(30, ' '));
    EXPECT_EQ(places[3].webAddress, "");
}

TEST(ReadPlacesTest, RefusesMorePlacesThanTheScreensCanName) {
    TempFolder folder;
    const QString path = folder.writeLines(
        QStringLiteral("lugar"), std::vector<std::string>(256, PlaceLine(" 1", "Uno", "uno.es")));
    const DataError error = Refused([&] { ReadPlaces(path); });
    EXPECT_EQ(error.line(), 256);
    EXPECT_EQ(error.kind(), DataError::Kind::Capacity);
    EXPECT_EQ(Refused([&] { ReadPlaces(folder.file(QStringLiteral("nada"))); }).kind(),
              DataError::Kind::Missing);
}

TEST(ReadCommunityPortalsTest, ReadsColumns15OnAndAtMostTwentyLines) {
    TempFolder folder;
    const QString path = folder.writeLines(QStringLiteral("comuint"),
                                           {"Andalucia     www.juntadeandalucia.es/educacion  ", "Corta"});
    const auto portals = ReadCommunityPortals(path);
    EXPECT_EQ(portals[1], "www.juntadeandalucia.es/educacion");
    EXPECT_EQ(portals[2], "");
    const QString tooMany = folder.writeLines(QStringLiteral("comuint21"),
                                              std::vector<std::string>(21, "x"));
    EXPECT_EQ(Refused([&] { ReadCommunityPortals(tooMany); }).line(), 21);
}

TEST(ReadSubjectsTest, CutsTo70AndRefusesMoreThan100Subjects) {
    TempFolder folder;
    LineTable subjects(101, 70);
    ReadSubjects(folder.writeLines(QStringLiteral("materiasp"), {std::string(80, 'm'), "Física"}), subjects);
    EXPECT_EQ(subjects.count, 2);
    EXPECT_EQ(subjects[1], std::string(70, 'm'));
    EXPECT_EQ(subjects[2], "Física");
    const QString many = folder.writeLines(QStringLiteral("muchas"), std::vector<std::string>(101, "x"));
    EXPECT_EQ(Refused([&] { ReadSubjects(many, subjects); }).line(), 101);
    EXPECT_EQ(subjects.count, 2);  // the refused file stored nothing
}

// --- "dobles" ------------------------------------------------------------------------------

class DoublesTest : public ::testing::Test {
protected:
    DoublesTest() {
        tables.degreeNames.count = 3;
        const int codes[] = {0, 12, 7, 12};
        for (int d = 1; d <= 3; ++d) tables.degreeAttributes.cell(d, DegreeTables::kDegreeCode) = codes[d];
    }

    bool read(const std::vector<std::string>& lines) {
        return ReadDoubleDegrees(folder.writeLines(QStringLiteral("dobles"), lines), tables, messages,
                                 stop, groups);
    }

    TempFolder folder;
    DegreeTables tables;
    RecordingMessages messages;
    bool stop = false;
    std::vector<DoubleDegreeGroup> groups;
};

TEST_F(DoublesTest, GroupsWithTheirEntriesAndTags) {
    ASSERT_TRUE(read({" 1Universidad de Granada", "     12  7 9,8", "      7 12",
                      "13Universidad Complutense de Madrid", "19Campus de Melilla"}));
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].code, 1);
    EXPECT_EQ(groups[0].name, "Universidad de Granada");
    ASSERT_EQ(groups[0].entries.size(), 2u);
    // Code 12 names degrees 1 and 3: the lower-numbered one wins.
    EXPECT_EQ(groups[0].entries[0].degreeA, 1);
    EXPECT_EQ(groups[0].entries[0].degreeB, 2);
    EXPECT_EQ(groups[0].entries[0].tag, " 9,8");
    EXPECT_EQ(groups[0].entries[1].tag, " -  ");  // blank columns 11-14
    EXPECT_TRUE(groups[1].entries.empty());
    EXPECT_EQ(groups[2].code, 19);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(DoublesTest, ANonNumericCodeIsReportedPerFieldAndLeavesItsSideEmpty) {
    ASSERT_TRUE(read({" 1Granada", "     1x  7", "    abcxyz12,5"}));
    ASSERT_EQ(groups[0].entries.size(), 2u);
    EXPECT_EQ(groups[0].entries[0].degreeA, 0);
    EXPECT_EQ(groups[0].entries[0].degreeB, 2);
    EXPECT_EQ(groups[0].entries[1].degreeA, 0);
    EXPECT_EQ(groups[0].entries[1].degreeB, 0);
    EXPECT_EQ(groups[0].entries[1].tag, "12,5");
    EXPECT_EQ(messages.shown, QStringList(3, QStringLiteral("ERROR en fichero de dobles")));
}

TEST_F(DoublesTest, HeadersOutside1To99AreIgnored) {
    ASSERT_TRUE(read({"00Ignorada", " 5Cantabria", "-1Ignorada", "      7  7"}));
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].code, 5);
    ASSERT_EQ(groups[0].entries.size(), 1u);
    EXPECT_EQ(groups[0].entries[0].degreeA, 2);  // both sides may name the same degree
    EXPECT_EQ(groups[0].entries[0].degreeB, 2);
}

TEST_F(DoublesTest, RefusesWhatTheListsCannotShow) {
    groups.push_back({});
    // A code that names no degree.
    DataError error = Refused([&] { read({" 1Granada", "      7  7", "     99  7"}); });
    EXPECT_EQ(error.line(), 3);
    EXPECT_TRUE(error.reason().contains(QStringLiteral("99")));
    // An entry before any group.
    EXPECT_EQ(Refused([&] { read({"      7  7", " 1Granada"}); }).line(), 1);
    // More than 50 entries in a group.
    std::vector<std::string> lines = {" 1Granada"};
    lines.insert(lines.end(), 51, "      7  7");
    EXPECT_EQ(Refused([&] { read(lines); }).line(), 52);
    // More than 200 groups.
    EXPECT_EQ(Refused([&] { read(std::vector<std::string>(201, " 1Granada")); }).line(), 201);
    EXPECT_EQ(groups.size(), 1u);  // nothing stored by a refused file
}

TEST_F(DoublesTest, AMissingFileShowsTheMessageAndSetsTheStopFlag) {
    EXPECT_FALSE(ReadDoubleDegrees(folder.file(QStringLiteral("dobles")), tables, messages, stop, groups));
    EXPECT_TRUE(stop);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("Faltan ficheros (")));
}

// --- look-ups --------------------------------------------------------------------------------

TEST(DegreeLookupTest, FindDegreeByCodeTakesTheLowestDegreeWithTheCode) {
    DegreeTables tables;
    tables.degreeNames.count = 3;
    tables.degreeAttributes.cell(2, DegreeTables::kDegreeCode) = 40;
    tables.degreeAttributes.cell(3, DegreeTables::kDegreeCode) = 40;
    EXPECT_EQ(FindDegreeByCode(tables, 40), 2);
    EXPECT_EQ(FindDegreeByCode(tables, 41), 0);
    // Degrees beyond the count are not searched.
    tables.degreeAttributes.cell(4, DegreeTables::kDegreeCode) = 41;
    EXPECT_EQ(FindDegreeByCode(tables, 41), 0);
}

TEST(DegreeLookupTest, OfferedTitleIsTheFirstNonZeroTitleAtThePlace) {
    DegreeTables tables;
    auto& o = tables.offerings;
    // Degree 1 offered at places 4, 7, 7, 9 with titles 0, 0, 3, 5.
    const int places[] = {4, 7, 7, 9};
    const int titles[] = {0, 0, 3, 5};
    o.places.cell(1, 0) = 4;
    for (int i = 1; i <= 4; ++i) {
        o.places.cell(1, i) = static_cast<std::uint8_t>(places[i - 1]);
        o.titles.cell(1, i) = static_cast<std::uint8_t>(titles[i - 1]);
    }
    EXPECT_EQ(OfferedTitle(tables, 1, 7), 3);
    EXPECT_EQ(OfferedTitle(tables, 1, 4), 0);
    EXPECT_EQ(OfferedTitle(tables, 1, 9), 5);
    EXPECT_EQ(OfferedTitle(tables, 1, 8), 0);
    // Only the first n offerings count.
    o.places.cell(1, 0) = 3;
    EXPECT_EQ(OfferedTitle(tables, 1, 9), 0);
}

}  // namespace
}  // namespace velmora
