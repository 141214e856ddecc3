// The degrees screen over the bundled data folder, in every language: every list, tree and
// where-to-study view can be built, and what it shows agrees with the tables.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <set>

#include "core/shared/data_paths.h"
#include "core/shared/enlace.h"
#include "core/university/degrees_screen.h"
#include "core/university/degrees_screen_trees.h"
#include "core/university/where_to_study.h"
#include "support/recording_messages.h"
#include "support/recording_opener.h"
#include "support/recording_printing.h"
#include "support/param_names.h"

namespace velmora {
namespace {

const QString kBundled = QStringLiteral(VELMORA_BUNDLED_DATA);

bool VocationalFilesThere() {
    for (const char* name : {"lu1", "lu2", "lu3", "lu4", "datfpsphp", "datluggsphp", "cas/fp",
                             "cas/reqfp", "cas/asignafp", "cas/familias"})
        if (!QFileInfo(kBundled + QString::fromLatin1(name)).isFile()) return false;
    return true;
}

class BundledDegreesScreenTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        if (!VocationalFilesThere()) GTEST_SKIP() << "the bundled vocational files are not there yet";
        enlace.setLanguage(GetParam());
        ASSERT_TRUE(enlace.LoadInterfaceTexts());
        ASSERT_TRUE(screen.FormCreate()) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_FALSE(enlace.stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
    }
    const DegreeTables& tables() const { return enlace.degreeTables; }

    testing::RecordingMessages messages;
    testing::RecordingOpener opener;
    testing::RecordingPrinting printing;
    Enlace enlace{messages, DataPaths::ForDataFolder(kBundled)};
    DegreesScreen screen{enlace, opener, printing};
};

TEST_P(BundledDegreesScreenTest, EveryBranchListsEachOfItsDegreesOnce) {
    std::multiset<int> listed;
    for (int row = 0; row < 5; ++row) {
        screen.ListramasClick(row);
        const DegreesState& s = screen.state();
        ASSERT_EQ(s.rowDegree.size(), s.workLines.size());
        for (size_t i = 0; i < s.rowDegree.size(); ++i) {
            if (s.headerRow[i]) {
                // A heading is always followed by a degree of its group.
                ASSERT_LT(i + 1, s.rowDegree.size());
                EXPECT_FALSE(s.headerRow[i + 1]);
            } else {
                EXPECT_EQ(tables().degreeBranch[static_cast<size_t>(s.rowDegree[i])], row + 1);
                listed.insert(s.rowDegree[i]);
            }
        }
    }
    // Grouped branches leave out degrees without a group; flat ones (2 and 5) list them all.
    for (int d = 1; d <= tables().degreeCount(); ++d) {
        const int branch = tables().degreeBranch[static_cast<size_t>(d)];
        const bool shown = branch == 2 || branch == 5 || tables().attribute(d, DegreeTables::kGroup) != 0;
        EXPECT_EQ(listed.count(d), shown ? 1u : 0u) << d;
    }
}

TEST_P(BundledDegreesScreenTest, EveryDegreeHasAWhereToStudyViewWithAMarkPerOffering) {
    for (int d = 1; d <= tables().degreeCount(); ++d) {
        const WhereToStudy where = BuildWhereToStudy(tables(), enlace.texts, d);
        int places = 0;
        for (size_t r = 2; r < where.rows.size(); ++r) {
            if (where.rows[r][0][0] != '<') continue;
            ++places;
            EXPECT_EQ(where.rows[r][1].size(), 5u);
        }
        EXPECT_EQ(places, tables().offeringCount(d)) << "every offering lies in a community: " << d;
    }
}

TEST_P(BundledDegreesScreenTest, EveryPlaceListsItsDegreesAndEveryTreeBuilds) {
    for (int p = 1; p <= tables().placeCount(); ++p) {
        const PlaceDegrees degrees = BuildDegreesOfPlace(tables(), enlace.texts, p);
        ASSERT_EQ(degrees.rows.size(), degrees.gridDegree.size());
    }
    EXPECT_EQ(AlphabeticalTree(tables(), enlace.nonCastilian).size(),
              static_cast<size_t>(tables().degreeCount()));
    EXPECT_FALSE(TreeByGroups(tables()).empty());
    EXPECT_FALSE(TreeByActivity(tables()).empty());
    EXPECT_FALSE(TreeByItinerary(tables()).empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, BundledDegreesScreenTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
