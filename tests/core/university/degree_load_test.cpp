#include "core/university/degree_load.h"

#include <gtest/gtest.h>

#include <QFile>

#include "core/shared/data_error.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/university/degree_fixture.h"
#include "support/recording_messages.h"
#include "support/test_texts.h"

namespace velmora {
namespace {

using testing::DegreeFolder;
using testing::RecordingMessages;

class DegreeLoadTest : public ::testing::Test {
  protected:
    DegreeLoadTest() {
        // The interface texts the load copies into its tables.
        testing::NumberTexts(enlace.texts);
    }

    const DegreeTables& tables() const { return enlace.degreeTables; }

    DegreeFolder folder;
    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
};

TEST_F(DegreeLoadTest, FillsTheDegreeTablesFromEveryFile) {
    LoadDegreeData(enlace);
    ASSERT_FALSE(enlace.stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
    const DegreeTables& t = tables();
    EXPECT_EQ(t.degreeCount(), 3);
    EXPECT_EQ(t.degreeNames[3].size(), 60u);
    EXPECT_EQ(t.degreeGroupNames.count, 2);
    EXPECT_EQ(t.specificTitle(2).substr(0, 10), "Medicina y");
    EXPECT_EQ(t.subjectCount(), 3);
    EXPECT_EQ(t.otherStudies[1].size(), 55u);
    EXPECT_EQ(t.otherStudyBlocks.count, 2);
    EXPECT_EQ(t.communities.count, 19 + 17 + 46 + 1);
    ASSERT_EQ(t.placeCount(), 3);
    EXPECT_EQ(t.place(2).webAddress, "ucm.es");
    EXPECT_EQ(t.place(3).communityCode, 19);
    EXPECT_EQ(t.communityPortals[19], "www.educa19.es");
    // Branches are the attributes' field 0.
    EXPECT_EQ(t.degreeBranch[1], 2);
    EXPECT_EQ(t.degreeBranch[3], 5);
    EXPECT_EQ(t.attribute(3, DegreeTables::kFirstSubject), DegreeTables::kOwnEntranceTest);
    // Double degrees resolve their codes against the attributes just read.
    ASSERT_EQ(t.doubleDegrees.size(), 3u);
    EXPECT_EQ(t.doubleDegrees[0].entries[0].degreeA, 1);
    EXPECT_EQ(t.doubleDegrees[1].entries[0].tag, " -  ");
    // What the vocational and questionnaire screens use later.
    EXPECT_EQ(t.itineraryCount, 12);
    EXPECT_EQ(enlace.vocational.families.count, 26);
    EXPECT_EQ(enlace.vocational.headersGS.count(), 1);
    EXPECT_EQ(enlace.vocational.factsOfGS(2).family, 21);
    EXPECT_EQ(enlace.vocational.offersGS[0].at(1, 1), 2);
    EXPECT_EQ(t.questionnaire.activityCodes[2], "A002");
    EXPECT_EQ(t.questionnaire.activityNames[2], "Derecho");
    EXPECT_EQ(t.questionnaire.professions[1].name.substr(0, 6), "Medico");
    EXPECT_EQ(t.questionnaire.esoKeys.at(1, 1), 2);
    EXPECT_EQ(t.groupingPrompt, "texto 373");
    EXPECT_EQ(t.groupingItems[0], "texto 375");
    EXPECT_EQ(t.groupingItems[4], "texto 372");
}

TEST_F(DegreeLoadTest, EntryZeroOfFourTablesBecomesAnInterfaceText) {
    LoadDegreeData(enlace);
    EXPECT_EQ(tables().degreeNames[0], "texto 48");
    EXPECT_EQ(tables().questionnaire.itineraries[0], "texto 281");
    EXPECT_EQ(enlace.vocational.titlesGS[0], "texto 294");
    EXPECT_EQ(enlace.vocational.accessLinesGS[0], "texto 277");
}

TEST_F(DegreeLoadTest, OfferingsAndTheirDistinctTitles) {
    LoadDegreeData(enlace);
    const DegreeTables& t = tables();
    // Degree 2's line "0": no places, no marks, no titles.
    EXPECT_EQ(t.offeringCount(2), 0);
    EXPECT_EQ(t.offerings.distinctTitles.at(2, 0), 0);
    // Degree 3 is offered at three places, the last without a mark, under titles 0, 2, 1.
    EXPECT_EQ(t.offeringCount(3), 3);
    EXPECT_EQ(t.offerings.cutOffTenths.at(3, 3), DegreeTables::kNoMark);
    EXPECT_EQ(t.offerings.distinctTitles.at(3, 0), 2);
    EXPECT_EQ(t.offerings.distinctTitles.at(3, 1), 2);
    EXPECT_EQ(t.offerings.distinctTitles.at(3, 2), 1);
    EXPECT_EQ(OfferedTitle(t, 3, 2), 2);
    EXPECT_EQ(OfferedTitle(t, 3, 1), 0);
}

TEST_F(DegreeLoadTest, AMissingLanguageFileStopsBeforeTheDataFolder) {
    QFile::remove(folder.file(QStringLiteral("cas/carreranb")));
    LoadDegreeData(enlace);
    EXPECT_TRUE(enlace.stopFlag);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("carreranb")));
    // The rest of the language files were read, but entry 0 keeps the path and nothing of the
    // data folder was read.
    EXPECT_EQ(tables().degreeCount(), 3);
    EXPECT_EQ(tables().otherStudies.count, 2);
    EXPECT_NE(tables().degreeNames[0], "texto 48");
    EXPECT_EQ(tables().placeCount(), 0);
    EXPECT_EQ(tables().communities.count, 0);
}

TEST_F(DegreeLoadTest, AMissingUncheckedFileAbandonsTheRestOfTheLoad) {
    QFile::remove(folder.file(QStringLiteral("lugar")));
    EXPECT_FALSE(RunSetUp(messages, [&] { LoadDegreeData(enlace); }));
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors[0].contains(QStringLiteral("lugar")));
    EXPECT_FALSE(enlace.stopFlag);
    EXPECT_EQ(tables().communities.count, 83);  // read before
    EXPECT_EQ(tables().offeringCount(3), 0);    // never reached
}

TEST_F(DegreeLoadTest, AMissingDoublesFileSetsTheStopFlagAtTheEnd) {
    QFile::remove(folder.file(QStringLiteral("dobles")));
    LoadDegreeData(enlace);
    EXPECT_TRUE(enlace.stopFlag);
    EXPECT_EQ(tables().offeringCount(3), 3);
    EXPECT_TRUE(tables().doubleDegrees.empty());
}

TEST_F(DegreeLoadTest, RefusesAttributesBeyondWhatTheScreensHold) {
    struct Case {
        const char* row;
        const char* says;
    };
    const Case cases[] = {
        {"6;1;1;0;0;0;0;0;3;12;1;3;0;0", "rama"},
        {"2;101;1;0;0;0;0;0;3;12;1;3;0;0", "grupo"},
        {"2;1;13;0;0;0;0;0;3;12;1;3;0;0", "itinerario"},
        {"2;1;1;0;0;0;251;0;3;12;1;3;0;0", "profesión"},
        {"2;1;1;0;0;0;0;0;27;12;1;3;0;0", "familia"},
        {"2;1;1;0;0;0;0;0;3;1000;1;3;0;0", "código"},
        {"2;1;1;0;0;0;0;0;3;12;1;3;0;31", "materia"},
    };
    for (const Case& c : cases) {
        folder.data("datgradosphp", {"3;2;6;0;2;0;0;0;23;7;2;0;0;0", c.row});
        try {
            LoadDegreeData(enlace);
            ADD_FAILURE() << c.row << " was accepted";
        } catch (const DataError& error) {
            EXPECT_EQ(error.line(), 2) << c.row;
            EXPECT_TRUE(error.reason().contains(QString::fromUtf8(c.says)))
                << error.reason().toStdString();
        }
        // The table keeps what it held: nothing was stored from the refused file.
        EXPECT_EQ(tables().attribute(2, DegreeTables::kDegreeCode), 0) << c.row;
    }
}

TEST_F(DegreeLoadTest, RefusesMoreDegreesThanItsTablesHold) {
    folder.language("carreran", std::vector<std::string>(351, "Grado"));
    try {
        LoadDegreeData(enlace);
        ADD_FAILURE() << "351 degrees were accepted";
    } catch (const DataError& error) {
        EXPECT_EQ(error.line(), 351);
        EXPECT_TRUE(error.file().endsWith(QStringLiteral("carreran")));
    }
    EXPECT_EQ(tables().degreeCount(), 0);
}

}  // namespace
}  // namespace velmora
