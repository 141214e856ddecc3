#include "core/vocational/vocational_load.h"

#include <gtest/gtest.h>

#include <QFile>

#include "core/shared/data_error.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/vocational/vocational_fixture.h"
#include "core/vocational/vocational_queries.h"
#include "support/recording_messages.h"
#include "support/refused.h"

namespace velmora {
namespace {

using testing::CentreLine;
using testing::RecordingMessages;
using testing::Refused;
using testing::VocationalFolder;

class VocationalLoadTest : public ::testing::Test {
  protected:
    const VocationalTables& t() const { return enlace.vocational; }

    // The degrees screen's part, then the higher-level screen's.
    void LoadHigherAndAreas() {
        LoadFpHigher(enlace);
        LoadCentreLists(enlace);
        LoadFpHigherPlaces(enlace);
        LoadComarcas(enlace);
    }

    VocationalFolder folder;
    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
};

TEST_F(VocationalLoadTest, HigherTitlesHeadersAndMarks) {
    LoadFpHigher(enlace);
    ASSERT_FALSE(enlace.stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(t().titlesGS.count, 56);
    EXPECT_EQ(t().titlesGS[2].size(), 60u);
    EXPECT_EQ(t().titlesGS[2].substr(0, 19), "Ciclo superior 01.1");
    ASSERT_EQ(t().headersGS.count(), 28);
    EXPECT_EQ(t().headersGS.texts[2].substr(0, 10), "Familia 02");
    EXPECT_EQ(t().headersGS.titleNumber(1), 1);
    EXPECT_EQ(t().headersGS.titleNumber(3), 6);
    EXPECT_EQ(t().headersGS.titleNumber(28), 55);
    // fp gets no end sentinel at load: the higher-level screen sets it when it needs it.
    EXPECT_EQ(t().headersGS.titleNumber(29), 0);
    // The "|" header is header 27, on line 53; the "!" header on line 55.
    EXPECT_EQ(t().marksGS.barHeaderBase, 26);
    EXPECT_EQ(t().marksGS.firstBarLine, 53);
    EXPECT_EQ(t().marksGS.firstBangLine, 55);
    EXPECT_EQ(t().accessLinesGS.count, 3);
    EXPECT_EQ(t().accessLinesGS[1].size(), 55u);
    EXPECT_EQ(t().blocksGS.count, 56);
    EXPECT_EQ(t().blocksGS.field(4, 0).substr(0, 19), "Puesto del titulo 4");
    EXPECT_EQ(t().families.count, 26);
    EXPECT_EQ(t().families[30].substr(0, 6), "010200");  // read, beyond the count
}

TEST_F(VocationalLoadTest, FamilyGroupsOfTheDegreesAndIntermediateScreens) {
    LoadFpHigher(enlace);
    const FamilyGroups& groups = t().familyGroups;
    EXPECT_EQ(groups.count, 9);
    EXPECT_EQ(groups.group(1).name, "Deporte y gestion");
    EXPECT_EQ(groups.group(1).headers, (std::array<int, 3>{1, 2, 0}));
    // A blank instead of a leading zero, and a "00" slot that adds no family.
    EXPECT_EQ(groups.group(2).headers, (std::array<int, 3>{3, 4, 5}));
    EXPECT_EQ(groups.group(3).headers, (std::array<int, 3>{6, 0, 7}));
    EXPECT_EQ(groups.group(3).name, "Grupo 3");        // blanks trimmed at both ends
    EXPECT_EQ(t().intermediateFamilyGroups.count, 0);  // until the intermediate screen fills it
    LoadIntermediateFamilyGroups(enlace);
    EXPECT_EQ(t().intermediateFamilyGroups.group(9).headers, (std::array<int, 3>{23, 24, 25}));
}

TEST_F(VocationalLoadTest, AShortFamiliesFileLeavesTheMissingGroupsEmpty) {
    std::vector<std::string> shortFile(folder.familias.begin(), folder.familias.begin() + 31);
    folder.language("familias", shortFile);
    LoadFpHigher(enlace);
    EXPECT_EQ(t().families.count, 26);
    EXPECT_EQ(t().familyGroups.group(2).name, "Grupo 2");
    EXPECT_EQ(t().familyGroups.group(3).name, "");
    EXPECT_EQ(t().familyGroups.group(9).headers, (std::array<int, 3>{0, 0, 0}));
}

TEST_F(VocationalLoadTest, AGroupSlotThatIsNoNumberIsRefusedWithItsLine) {
    folder.familias[33] = "08x910Grupo 5";
    folder.language("familias", folder.familias);
    const DataError error = Refused([&] { LoadFpHigher(enlace); });
    EXPECT_TRUE(error.file().endsWith(QStringLiteral("familias")));
    EXPECT_EQ(error.line(), 34);
}

TEST_F(VocationalLoadTest, MiddleTitlesGetTheEndSentinel) {
    LoadFpMiddle(enlace);
    ASSERT_EQ(t().headersGM.count(), 28);
    EXPECT_EQ(t().headersGM.titleNumber(29), 57);
    EXPECT_EQ(t().marksGM.firstBarLine, 53);
    EXPECT_EQ(t().blocksGM.count, 56);
    // The last family runs to the end of the file, through the sentinel or without it.
    const TitleRange last = TitlesOfFamily(t().headersGM, 28, t().titlesGM.count);
    EXPECT_EQ(last.first, 56);
    EXPECT_EQ(last.last, 56);
}

TEST_F(VocationalLoadTest, MarksKeepTheirValueWhenNoLineCarriesThem) {
    enlace.vocational.marksGM = {11, 22, 33};
    folder.language("fp2", {"-Familia 01", "Ciclo", "-Familia 02", "Ciclo"});
    folder.language("asignagm", testing::BlockLines(4));
    LoadFpMiddle(enlace);
    EXPECT_EQ(t().marksGM.firstBarLine, 11);
    EXPECT_EQ(t().marksGM.firstBangLine, 22);
    EXPECT_EQ(t().marksGM.barHeaderBase, 33);
    EXPECT_EQ(t().headersGM.titleNumber(3), 5);
}

TEST_F(VocationalLoadTest, AMissingRequiredFileStopsAndLeavesItsTable) {
    LoadFpMiddle(enlace);
    QFile::remove(folder.file(QStringLiteral("cas/fp2")));
    LoadFpMiddle(enlace);
    EXPECT_TRUE(enlace.stopFlag);
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("Faltan ficheros (")));
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("fp2")));
    EXPECT_EQ(t().titlesGM.count, 56);
    EXPECT_EQ(t().headersGM.count(), 28);
}

TEST_F(VocationalLoadTest, FactsAndOffersOfTheHigherLevel) {
    LoadHigherAndAreas();
    // Rows of zeros for headers; the family in column 24 and column 25 always 0.
    EXPECT_EQ(t().factsOfGS(1).family, 0);
    EXPECT_EQ(t().factsOfGS(2).family, 1);
    EXPECT_EQ(t().factsOfGS(2).accessLines[0], 1);  // column 5
    EXPECT_EQ(t().factsOfGS(54).family, 5);
    // Section k of the offers follows the line count of lu k.
    EXPECT_EQ(t().offersGS[0].at(1, 0), 2);
    EXPECT_EQ(t().offersGS[0].at(1, 2), 4);
    EXPECT_EQ(t().offersGS[1].at(5, 1), 2);  // Cuenca, line 8 of the file
    EXPECT_EQ(t().offersGS[2].at(1, 1), 56);
    EXPECT_EQ(t().offersGS[3].at(2, 2), 10);
}

TEST_F(VocationalLoadTest, TheTwentyFifthFactsFieldIsNeverStored) {
    folder.factsGS[1] += ";7";
    folder.data("datfpsphp", folder.factsGS);
    LoadFpHigherPlaces(enlace);
    EXPECT_EQ(t().factsGS.at(2, 24), 0);
}

TEST_F(VocationalLoadTest, TitleFactsAreReadByWhatTheirColumnsMean) {
    folder.factsGS[1] = "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;23;24";
    folder.data("datfpsphp", folder.factsGS);
    folder.factsGM[1] = "1;2;3;4;5;6;7";
    folder.data("datfpmphp", folder.factsGM);
    LoadFpHigherPlaces(enlace);
    LoadFpMiddlePlaces(enlace);
    const GSTitleFacts gs = t().factsOfGS(2);
    EXPECT_EQ(gs.itineraries, (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(gs.accessLines, (std::array<int, 13>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(gs.professions, (std::array<int, 6>{18, 19, 20, 21, 22, 23}));
    EXPECT_EQ(gs.family, 24);
    const GMTitleFacts gm = t().factsOfGM(2);
    EXPECT_EQ(gm.professions, (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(gm.family, 4);
    EXPECT_EQ(gm.questionnaireItems, (std::array<int, 3>{5, 6, 7}));
    // Rows no title has read as no facts at all.
    for (const int title : {0, -1, VocationalTables::kTitles + 1}) {
        EXPECT_EQ(t().factsOfGS(title).family, 0);
        EXPECT_EQ(t().factsOfGM(title).questionnaireItems, (std::array<int, 3>{}));
    }
}

TEST_F(VocationalLoadTest, OfferLinesWithCountsTheReaderAcceptsOrRefuses) {
    LoadCentreLists(enlace);
    // A count of 0 alone is a centre without titles of the level; a title number that is a
    // header line is stored as it is.
    folder.offersGM[1] = "0";
    folder.offersGM[2] = "1;3";
    folder.data("datluggmphp", folder.offersGM);
    LoadFpMiddlePlaces(enlace);
    EXPECT_EQ(t().offersGM[0].at(2, 0), 0);
    EXPECT_EQ(t().offersGM[0].at(3, 1), 3);

    struct Case {
        const char* line;
        DataError::Kind kind;
    };
    const Case cases[] = {
        {"2;4", DataError::Kind::Format},
        {"26;1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;23;24;25;26",
         DataError::Kind::Capacity},
        {"1;x", DataError::Kind::Conversion}};
    for (const Case& c : cases) {
        auto lines = folder.offersGM;
        lines[4] = c.line;
        folder.data("datluggmphp", lines);
        const DataError error = Refused([&] { LoadFpMiddlePlaces(enlace); });
        EXPECT_EQ(error.line(), 5) << c.line;
        EXPECT_EQ(error.kind(), c.kind) << c.line;
        EXPECT_EQ(t().offersGM[1].at(2, 1), 4) << "the table keeps what it held";
    }
}

TEST_F(VocationalLoadTest, TooManyCentresOrFactsAreRefused) {
    std::vector<std::string> facts(201, folder.factsGS[0]);
    folder.data("datfpsphp", facts);
    EXPECT_EQ(Refused([&] { LoadFpHigherPlaces(enlace); }).line(), 201);

    std::vector<std::string> centres(1101, CentreLine('6', "IES"));
    folder.data("lu1", centres);
    const DataError error = Refused([&] { LoadCentreLists(enlace); });
    EXPECT_EQ(error.line(), 1101);
    EXPECT_TRUE(error.file().endsWith(QStringLiteral("lu1")));
}

TEST_F(VocationalLoadTest, AMissingUncheckedFileAbandonsTheSetUp) {
    QFile::remove(folder.file(QStringLiteral("datfpsphp")));
    LoadCentreLists(enlace);
    EXPECT_FALSE(RunSetUp(messages, [&] { LoadFpHigherPlaces(enlace); }));
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("datfpsphp")));
    EXPECT_FALSE(enlace.stopFlag);
    EXPECT_EQ(t().offersGS[0].at(1, 0), 0);  // never reached
}

TEST_F(VocationalLoadTest, ComarcasAndZones) {
    LoadHigherAndAreas();
    const ComarcaTable& c = t().comarcas;
    EXPECT_EQ(c.count, 44);
    EXPECT_EQ(c.order[1], 41);
    EXPECT_EQ(c.order[41], 1);
    EXPECT_EQ(c.entries[41].code, "5J");
    EXPECT_EQ(c.entries[41].name, "Comarca 41");
    EXPECT_EQ(c.entries[42].name, "Badalona");
    EXPECT_EQ(c.entries[44].code, "5P");
    const MadridZoneTable& z = t().madridZones;
    EXPECT_EQ(z.count, 4);
    EXPECT_EQ(z.zoneLines[1], (std::vector<int>{1, 2}));
    EXPECT_EQ(z.zoneLines[2], (std::vector<int>{3}));
    EXPECT_TRUE(z.zoneLines[4].empty());
    EXPECT_EQ(z.entries[3].name, "Madrid: Latina");
    EXPECT_EQ(z.entries[4].code, "91");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(VocationalLoadTest, AreaCodesAndTheirEditsOfTheCentreLists) {
    LoadHigherAndAreas();
    // Catalonia: Valencia first, then the city of Barcelona written with "A".
    EXPECT_EQ(t().areaCodesCat[1], "");
    EXPECT_EQ(t().areaCodesCat[2], "5P");
    EXPECT_EQ(t().areaCodesCat[3], "5J");
    EXPECT_EQ(t().areaCodesCat[4], "6A");
    EXPECT_EQ(t().centreLists[3][2][0], '5');
    EXPECT_EQ(t().centreLists[3][2][44], ' ');
    // Madrid: from the first "8" line to the line before Cuenca.
    EXPECT_EQ(t().areaCodesMadrid[1], "");
    EXPECT_EQ(t().areaCodesMadrid[2], "81");
    EXPECT_EQ(t().areaCodesMadrid[3], "82");
    EXPECT_EQ(t().areaCodesMadrid[4], "91");
    EXPECT_EQ(t().areaCodesMadrid[5], "");
    EXPECT_EQ(t().centreLists[1][3][0], '8');
    EXPECT_EQ(t().centreLists[1][3][44], ' ');
    EXPECT_EQ(t().centreLists[1][1].size(), 60u);
}

TEST_F(VocationalLoadTest, ASecondCreationGivesTheSameAreaCodes) {
    LoadHigherAndAreas();
    const auto catalan = t().areaCodesCat;
    const auto madrid = t().areaCodesMadrid;
    const std::string lu4Line = t().centreLists[3][3];
    LoadComarcas(enlace);
    EXPECT_EQ(t().areaCodesCat, catalan);
    EXPECT_EQ(t().areaCodesMadrid, madrid);
    EXPECT_EQ(t().centreLists[3][3], lu4Line);
    // A new reading of the centre lists brings the columns back, and with them the codes.
    LoadCentreLists(enlace);
    LoadComarcas(enlace);
    EXPECT_EQ(t().areaCodesCat, catalan);
}

TEST_F(VocationalLoadTest, WithoutABarcelonaLineNoCatalanCentreHasACode) {
    folder.data("lu4", {CentreLine('1', "IES Benlliure", 'X'), CentreLine('6', "Institut", 'A')});
    LoadCentreLists(enlace);
    LoadComarcas(enlace);
    for (int k = 1; k <= 2; ++k) EXPECT_EQ(t().areaCodesCat[k], "") << k;
    EXPECT_EQ(t().centreLists[3][2][44], 'A');  // untouched
}

TEST_F(VocationalLoadTest, WithoutACuencaLineTheMadridLinesRunToTheEnd) {
    folder.data("lu2",
                {CentreLine('1', "IES"), CentreLine('H', "IES", '3'), CentreLine('9', "IES", '2')});
    LoadCentreLists(enlace);
    LoadComarcas(enlace);
    EXPECT_EQ(t().areaCodesMadrid[2], "83");
    EXPECT_EQ(t().areaCodesMadrid[3], "92");
}

TEST_F(VocationalLoadTest, ComarcaLinesThatAreNoNumberSayMal) {
    folder.comarcas[6] = "8F  Comarca sin numero";
    folder.data("comarcas", folder.comarcas);
    LoadCentreLists(enlace);
    LoadComarcas(enlace);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], QStringLiteral("mal 7"));
    EXPECT_EQ(t().comarcas.count, 6);
    EXPECT_EQ(t().comarcas.entries[36].name, "Comarca 36");  // line 6, read before
    EXPECT_EQ(t().comarcas.order[7], 0);
    // The zones and the area codes are still built.
    EXPECT_EQ(t().madridZones.count, 4);
    EXPECT_EQ(t().areaCodesCat[2], "5P");
}

TEST_F(VocationalLoadTest, ZoneLinesThatAreNoNumberSayMalWithTheLinesAccepted) {
    folder.data("comarcasm", {"8101Madrid: Centro", "8101Arganzuela", "82xxMal"});
    LoadCentreLists(enlace);
    LoadComarcas(enlace);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], QStringLiteral("mal 2"));
    EXPECT_EQ(t().madridZones.count, 2);
    EXPECT_TRUE(t().madridZones.zoneLines[1].empty());  // the lists are not built
}

TEST_F(VocationalLoadTest, ComarcasAndZonesBeyondTheirLimitsAreRefused) {
    struct Case {
        const char* file;
        std::vector<std::string> lines;
        int line;
    };
    std::vector<std::string> comarcaOutside = folder.comarcas;
    comarcaOutside[9] = "8K61Comarca";
    std::vector<std::string> tooManyEntries = folder.comarcas;
    while (tooManyEntries.size() < 61) tooManyEntries.push_back("5QDistricte");
    std::vector<std::string> tooManyZoneLines(101, "8101Centro");
    const Case cases[] = {
        {"comarcas", comarcaOutside, 10},
        {"comarcas", tooManyEntries, 61},
        {"comarcasm", {"8101Centro", "8129Fuera"}, 2},
        {"comarcasm", {"8101A", "8101B", "8101C", "8101D"}, 4},
        {"comarcasm", tooManyZoneLines, 4},  // the fourth line of zone 1 comes first
    };
    for (const Case& c : cases) {
        VocationalFolder fresh;
        fresh.data(c.file, c.lines);
        RecordingMessages quiet;
        Enlace other{quiet, DataPaths::ForDataFolder(fresh.path())};
        const DataError error = Refused([&] { LoadComarcas(other); });
        EXPECT_EQ(error.line(), c.line) << c.file;
        EXPECT_TRUE(error.file().endsWith(QLatin1String(c.file))) << c.file;
        EXPECT_EQ(other.vocational.comarcas.count, c.file == std::string("comarcas") ? 0 : 44);
    }
}

TEST_F(VocationalLoadTest, BasicLevelWithItsHeadersGroupsAndOwnLu2) {
    LoadFpHigher(enlace);
    LoadCentreLists(enlace);
    LoadComarcas(enlace);
    LoadFpBasic(enlace);
    EXPECT_EQ(t().titlesBasic.count, 6);
    ASSERT_EQ(t().basicHeaderCount, 3);
    EXPECT_EQ(t().basicHeaders[1], 1);
    EXPECT_EQ(t().basicHeaders[2], 3);
    EXPECT_EQ(t().basicHeaders[3], 6);
    EXPECT_EQ(t().blocksBasic.count, 6);
    EXPECT_EQ(t().basicFamilyGroups.group(2).headers, (std::array<int, 3>{3, 0, 0}));
    EXPECT_EQ(t().basicFamilyGroups.group(3).name, "Donde estudiar");
    EXPECT_EQ(t().offersBasic[1].at(6, 1), 5);
    // Its lu2 keeps the "H" and loses only column 45 on the Madrid lines.
    EXPECT_EQ(t().basicLu2[3][0], 'H');
    EXPECT_EQ(t().basicLu2[3][44], ' ');
    EXPECT_EQ(t().basicLu2[2][44], ' ');
    EXPECT_EQ(t().basicLu2[5], t().centreLists[1][5]);
}

TEST_F(VocationalLoadTest, BasicHeadersBeyondTheirLimitsAreRefused) {
    std::vector<std::string> many;
    for (int f = 1; f <= 27; ++f) many.insert(many.end(), {"-Familia", "Basico"});
    folder.language("fpba", many);
    DataError error = Refused([&] { LoadFpBasic(enlace); });
    EXPECT_EQ(error.line(), 53);
    EXPECT_EQ(t().titlesBasic.count, 0);

    std::vector<std::string> late(255, "Basico");
    late[0] = "-Familia 01";
    late.push_back("-Familia 02");
    folder.language("fpba", late);
    error = Refused([&] { LoadFpBasic(enlace); });
    EXPECT_EQ(error.line(), 256);
}

TEST_F(VocationalLoadTest, CertificatesMoveDownBelowTheirAreas) {
    LoadCertificates(enlace);
    ASSERT_FALSE(enlace.stopFlag);
    EXPECT_EQ(t().certificateAreas[1].code, "12      ");
    EXPECT_EQ(t().certificateAreas[1].name.substr(0, 24), "Deporte y administracion");
    EXPECT_EQ(t().certificates.count, 5);
    EXPECT_EQ(t().certificates[2].substr(0, 11), "1Socorrismo");
    EXPECT_EQ(t().certificates[6], "");  // nothing left behind the moved lines
    EXPECT_EQ(t().certificateHeaders, (std::vector<int>{1, 3}));
    EXPECT_EQ(t().certificateHours.count, 5);
    EXPECT_EQ(t().certificateHours[2].substr(0, 6), "12 370");
    EXPECT_EQ(t().hourLabels[1], "1Graduado en ESO o equivalente");
    EXPECT_EQ(t().hourLabels[1].size(), 30u);
}

TEST_F(VocationalLoadTest, MoreThanThirtyCertificateFamiliesAreRefused) {
    std::vector<std::string> lines(folder.certifica.begin(), folder.certifica.begin() + 9);
    for (int f = 1; f <= 31; ++f) lines.insert(lines.end(), {"1-Familia", "1Certificado"});
    folder.language("certifica", lines);
    const DataError error = Refused([&] { LoadCertificates(enlace); });
    EXPECT_EQ(error.line(), 9 + 61);
    EXPECT_EQ(t().certificates.count, 0);
}

}  // namespace
}  // namespace velmora
