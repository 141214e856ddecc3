#include <gtest/gtest.h>

#include "core/shared/tables.h"
#include "core/university/arts.h"
#include "core/university/degree_tables.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using Lines = std::vector<std::string>;

// The lines as the screen holds them: padded to 90 and kept to 60 characters.
ArtsFile File(const Lines& lines) {
    ArtsFile file;
    for (const std::string& line : lines) file.lines.push_back(PadToWidth(line, 90).substr(0, 60));
    return file;
}

// A plastic-arts place line: community, name in 22 columns, telephone in 9, a blank, the pairs.
std::string PlaceLine(const std::string& community, std::string name, const std::string& phone,
                      const std::string& pairs) {
    name.resize(22, ' ');
    return community + name + phone + " " + pairs;
}

// Titles, the 17 specialities "Esp 0" .. "Esp 16", and the places.
Lines PlasticLines(const Lines& places) {
    Lines lines = {"ARTES PLASTICAS", "- Titulos", "f1"};
    for (int s = 0; s < kPlasticSpecialities; ++s) lines.push_back("  Esp " + std::to_string(s));
    lines.push_back("f2");
    lines.insert(lines.end(), places.begin(), places.end());
    return lines;
}

// Communities 1..19 named "Comunidad c" (columns 1-2 hold a number of their own), then a
// province, which no arts heading may name.
DegreeTables Tables() {
    DegreeTables tables;
    for (int c = 1; c <= 19; ++c) tables.communities.set(c, "00Comunidad " + std::to_string(c));
    tables.communities.set(20, "01Provincia");
    tables.communities.count = 20;
    return tables;
}

struct SectionCase {
    const char* what;
    Lines lines;
    Lines titles;
    Lines specialities;
    Lines dance;  // the places as the dance list shows them
};

void PrintTo(const SectionCase& c, std::ostream* os) {
    *os << c.what;
}

class ArtsSectionsTest : public ::testing::TestWithParam<SectionCase> {};

TEST_P(ArtsSectionsTest, SplitsTheFileAtItsMarkers) {
    const SectionCase& c = GetParam();
    const ArtsFile file = File(c.lines);
    EXPECT_EQ(file.titles(), c.titles);
    EXPECT_EQ(file.specialityLines(), c.specialities);
    EXPECT_EQ(DancePlaces(file), c.dance);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ArtsSectionsTest,
    ::testing::Values(
        SectionCase{"three sections",
                    {"T1", "T2", "f1", "E1", "f2", "P1", "", "P2"},
                    {"T1", "T2"},
                    {"E1"},
                    {"P1", "", "P2"}},
        SectionCase{
            "a file without f1 is all titles", {"T1", "f2", "P1"}, {"T1", "f2", "P1"}, {}, {}},
        SectionCase{
            "a file without f2 has no places", {"T1", "f1", "E1", "E2"}, {"T1"}, {"E1", "E2"}, {}},
        SectionCase{"an f2 before f1 is no marker",
                    {"f2", "T1", "f1", "E1", "f2", "P1"},
                    {"f2", "T1"},
                    {"E1"},
                    {"P1"}},
        SectionCase{"an empty places section", {"T1", "f1", "E1", "f2"}, {"T1"}, {"E1"}, {}}),
    testing::ByWhat());

TEST(PlasticArtsTest, SpecialitiesAreNamedFromColumnThree) {
    const std::vector<std::string> names = PlasticSpecialities(File(PlasticLines({})));
    ASSERT_EQ(names.size(), 17u);
    EXPECT_EQ(names.front(), "Esp 0");
    EXPECT_EQ(names.back(), "Esp 16");
}

TEST(PlasticArtsTest, AShortSpecialitySectionEndsAtItsMarker) {
    EXPECT_EQ(PlasticSpecialities(File({"T", "f1", "  A", "  B", "f2", " 1Escuela"})),
              (Lines{"A", "B"}));
}

TEST(PlasticArtsTest, APlaceListsOnlyTheSpecialitiesItsPairsName) {
    // "03" names speciality 3; a blank pair, a pair that is no number and 17 (past the last
    // speciality) name none.
    const ArtsFile file =
        File(PlasticLines({PlaceLine(" 1", "Escuela A", "958000000", "03  xx17"), "  Granada"}));
    const std::vector<PlasticPlace> places = PlasticPlaces(file);
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].community, 1);
    EXPECT_EQ(places[0].name, "Escuela A");
    EXPECT_EQ(places[0].phone, "958000000");
    EXPECT_EQ(places[0].specialities, std::vector<int>{3});
    EXPECT_EQ(places[0].address, "  Granada");
}

TEST(PlasticArtsTest, AnAddressIsNeverAPlaceOfItsOwn) {
    // The address starts with a postcode, which reads as a community number.
    const ArtsFile file =
        File(PlasticLines({PlaceLine("13", "Escuela B", "910000000", "00"), "28001 Madrid",
                           PlaceLine(" 9", "Escola C", "930000000", "01"), "  Barcelona"}));
    const std::vector<PlasticPlace> places = PlasticPlaces(file);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].address, "28001 Madrid");
    EXPECT_EQ(places[1].name, "Escola C");
}

TEST(PlasticArtsTest, OnlyTheFirst150LinesOfThePlacesCount) {
    Lines places;
    for (int k = 0; k < 80; ++k) {
        places.push_back(PlaceLine(" 1", "Escuela " + std::to_string(k), "900000000", "00"));
        places.push_back("  Ciudad");
    }
    // The places are read from the 18th line after "f1", the "f2" line itself.
    EXPECT_EQ(PlasticPlaces(File(PlasticLines(places))).size(), 75u);
}

TEST(PlasticArtsTest, TheSpecialityListsItsPlacesUnderTheirCommunities) {
    const ArtsFile file = File(PlasticLines({
        PlaceLine(" 1", "Escuela A", "958000000", "0002"),
        "  Granada",
        PlaceLine(" 1", "Escuela B", "954000000", "02"),
        "  Sevilla",
        PlaceLine("13", "Escuela C", "910000000", "01"),
        "  Madrid",
        PlaceLine(" 9", "Escola D", "930000000", "0203"),
        "  Barcelona",
    }));
    EXPECT_EQ(PlasticPlacesOfSpeciality(file, Tables(), 2),
              (Lines{"- Comunidad 1", "   Escuela A  -  Tel. 958000000", "       Granada", "",
                     "   Escuela B  -  Tel. 954000000", "       Sevilla", "", "- Comunidad 9",
                     "   Escola D  -  Tel. 930000000", "       Barcelona", ""}));
    EXPECT_TRUE(PlasticPlacesOfSpeciality(file, Tables(), 5).empty());
}

TEST(PlasticArtsTest, ACommunityListsItsPlacesWithTheirSpecialities) {
    const ArtsFile file = File(PlasticLines({
        PlaceLine(" 1", "Escuela A", "958000000", "0016"),
        "  Granada",
        PlaceLine("13", "Escuela C", "910000000", "01"),
        "  Madrid",
    }));
    EXPECT_EQ(PlasticPlacesOfCommunity(file, 1),
              (Lines{"-  Escuela A  -  Tel. 958000000", "Esp 0", "Esp 16", "       Granada", ""}));
    EXPECT_TRUE(PlasticPlacesOfCommunity(file, 2).empty());
}

TEST(MusicTest, ACommunityLineWithAnAddressGivesTheHeadingAndThePlace) {
    const ArtsFile file = File({"MUSICA", "f1", "- Especialidades", "f2",
                                " 9ESMUC http://www.esmuc.cat", "  Liceu http://www.liceu.es", "13",
                                "http://www.sin-nombre.es", "25Conservatorio http://www.x.es"});
    EXPECT_EQ(MusicPlaces(file, Tables()),
              (Lines{"- Comunidad 9", "  ESMUC", "http://www.esmuc.cat", "  Liceu",
                     "http://www.liceu.es", "- Comunidad 13",
                     // 25 is no community: the place stands without a heading.
                     "  Conservatorio", "http://www.x.es"}));
}

TEST(DramaTest, PlacesNameTheirSpecialitiesByTheirDigits) {
    Lines lines = {"DRAMA", "f1", "- Especialidades", "f2", "- Escuelas", " (Titulo Superior)"};
    for (int d = 1; d <= 7; ++d) lines.push_back(" Esp " + std::to_string(d));
    auto place = [](std::string name, const std::string& digits) {
        name.resize(25, ' ');
        return name + "consultar" + "      " + digits;
    };
    lines.push_back(place("-ESAD A", "13"));
    lines.push_back("http://www.esad-a.es");
    lines.push_back(place("-ESAD B", " 3"));   // a blank first: no speciality
    lines.push_back(place("-ESAD C", "2x5"));  // the list stops at the first non-digit
    lines.push_back(place("-ESAD D", "89"));   // no name for 8 or 9
    EXPECT_EQ(DramaPlaces(File(lines)),
              (Lines{"-ESAD A                  (Titulo Superior)", "   Esp 1", "   Esp 3",
                     "Tel. consultar", "http://www.esad-a.es", "",
                     "-ESAD B                  (Titulo Superior)", "Tel. consultar",
                     "-ESAD C                  (Titulo Superior)", "   Esp 2", "Tel. consultar",
                     "-ESAD D                  (Titulo Superior)", "Tel. consultar"}));
}

struct ReportCase {
    const char* what;
    ArtsKind kind;
    Lines lines;
    Lines report;
};

void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.what;
}

class ArtsReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ArtsReportTest, PrintsTheWholeContentAfterAnEmptyLine) {
    const ReportCase& c = GetParam();
    EXPECT_EQ(ArtsReportLines(c.kind, File(c.lines), Tables()), c.report);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ArtsReportTest,
    ::testing::Values(
        ReportCase{"music lines lose their community after f2",
                   ArtsKind::Music,
                   {"MUSICA", "f1", "- Esp", "f2", " 9ESMUC http://www.esmuc.cat"},
                   {"", "MUSICA", "- Esp", "ESMUC http://www.esmuc.cat"}},
        ReportCase{"dance prints every line but the markers",
                   ArtsKind::Dance,
                   {"DANZA", "f1", "- Esp", "f2", "- Andalucia", "  Conservatorio"},
                   {"", "DANZA", "- Esp", "- Andalucia", "  Conservatorio"}},
        ReportCase{"a dance file without markers prints whole",
                   ArtsKind::Dance,
                   {"DANZA", "Titulo"},
                   {"", "DANZA", "Titulo"}},
        ReportCase{
            "drama prints its specialities, then its places",
            ArtsKind::Drama,
            {"DRAMA", "f1", "- Esp", "f2", "- Escuelas", " (Sup)", " A", " B", " C", " D", " E",
             " F", " G", "-ESAD                    consultar      1"},
            {"", "DRAMA", "- Esp", "-ESAD                    (Sup)", "   A", "Tel. consultar"}},
        ReportCase{"plastic arts prints its titles and every place",
                   ArtsKind::PlasticArts,
                   PlasticLines({PlaceLine(" 1", "Escuela A", "958000000", "01"), "  Granada",
                                 PlaceLine(" 2", "Escuela B", "976000000", ""), "  Zaragoza"}),
                   {"", "ARTES PLASTICAS", "- Titulos", "- Comunidad 1",
                    "  Escuela A  -  Tel. 958000000", "    Esp 1", "       Granada",
                    "- Comunidad 2", "  Escuela B  -  Tel. 976000000", "       Zaragoza"}},
        ReportCase{"plastic arts with no places prints its titles",
                   ArtsKind::PlasticArts,
                   PlasticLines({}),
                   {"", "ARTES PLASTICAS", "- Titulos"}}),
    testing::ByWhat());

TEST(ArtsTest, OnlyRowsStartingWithAnAddressLink) {
    EXPECT_TRUE(IsWebRow("  http://www.esmuc.cat   "));
    EXPECT_FALSE(IsWebRow("  ESMUC http://www.esmuc.cat"));
    EXPECT_FALSE(IsWebRow(""));
}

}  // namespace
}  // namespace velmora
