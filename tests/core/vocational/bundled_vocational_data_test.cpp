// The bundled vocational data, loaded as the screens load it, in every language: every loader
// accepts it and the cases the screens must show are present.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/vocational/vocational_load.h"
#include "core/vocational/vocational_queries.h"
#include "support/recording_messages.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using testing::RecordingMessages;

const QString kBundled = QStringLiteral(VELMORA_BUNDLED_DATA);

bool VocationalDataPresent() {
    for (const char* name :
         {"lu1", "lu2", "lu3", "lu4", "datluggsphp", "datluggmphp", "datlugbasphp", "datfpsphp",
          "datfpmphp", "cas/fp", "cas/fp2", "cas/fpba", "cas/certifica"}) {
        if (!QFileInfo(kBundled + QLatin1String(name)).isFile()) return false;
    }
    return true;
}

class BundledVocationalDataTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        if (!VocationalDataPresent()) GTEST_SKIP() << "the vocational files are not bundled yet";
        enlace.setLanguage(GetParam());
        enlace.readers.ReadPaddedTable(enlace.paths.dataFile(QStringLiteral("comunida")),
                                       communities, 55);
        // The screens' creation order: degrees, higher level, itineraries, intermediate, basic,
        // certificates.
        const bool loaded = RunSetUp(messages, [&] {
            LoadFpHigher(enlace);
            LoadCentreLists(enlace);
            LoadFpHigherPlaces(enlace);
            FillProvinceCodes(enlace.vocational);
            LoadComarcas(enlace);
            LoadFpMiddle(enlace);
            LoadFpMiddlePlaces(enlace);
            LoadIntermediateFamilyGroups(enlace);
            LoadFpBasic(enlace);
            LoadCertificates(enlace);
        });
        ASSERT_TRUE(loaded) << messages.errors.join(QLatin1Char('\n')).toStdString();
        ASSERT_FALSE(enlace.stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(messages.shown.isEmpty())
            << messages.shown.join(QLatin1Char('\n')).toStdString();
    }
    const VocationalTables& t() const { return enlace.vocational; }

    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(kBundled)};
    LineTable communities = MakePaddedTable();
};

TEST_P(BundledVocationalDataTest, EveryLevelHasItsFamiliesAndGenerations) {
    for (const TitleHeaders* headers : {&t().headersGS, &t().headersGM}) {
        // The 26 families, then at least one "|" header and the "!" header.
        EXPECT_GE(headers->count(), 28);
    }
    for (const CatalogueMarks* marks : {&t().marksGS, &t().marksGM}) {
        EXPECT_GE(marks->barHeaderBase, 26);
        EXPECT_GT(marks->firstBarLine, 0);
        EXPECT_GT(marks->firstBangLine, marks->firstBarLine);
    }
    EXPECT_GT(t().basicHeaderCount, 0);
    for (const FamilyGroups* groups : {&t().familyGroups, &t().intermediateFamilyGroups}) {
        for (int g = 1; g <= 9; ++g) EXPECT_FALSE(groups->group(g).name.empty()) << g;
    }
    EXPECT_EQ(t().certificateHeaders.empty(), false);
}

TEST_P(BundledVocationalDataTest, EveryCommunityTeachesSomeTitleOfEachLevel) {
    for (const Level level : {Level::Higher, Level::Intermediate, Level::Basic}) {
        const LineTable& titles = t().titles(level);
        for (int c = 1; c <= 19; ++c) {
            bool any = false;
            for (int title = 1; title <= titles.count && !any; ++title)
                any = !IsHeaderLine(titles[title]) &&
                      TitleRunsInCommunity(t(), communities, level, c, title);
            EXPECT_TRUE(any) << "community " << c << " level " << static_cast<int>(level);
        }
    }
}

TEST_P(BundledVocationalDataTest, CataloniaAndMadridCentresHaveAreaCodes) {
    int catalan = 0;
    int madrid = 0;
    for (int k = 1; k <= t().centreLists[3].count; ++k) catalan += !t().areaCodesCat[k].empty();
    for (int k = 1; k <= t().centreLists[1].count; ++k) madrid += !t().areaCodesMadrid[k].empty();
    EXPECT_GT(catalan, 0);
    EXPECT_GT(madrid, 0);
    EXPECT_EQ(t().comarcas.count, 56);
    for (int z = 1; z <= 28; ++z) EXPECT_FALSE(t().madridZones.zoneLines[z].empty()) << z;
}

INSTANTIATE_TEST_SUITE_P(Languages, BundledVocationalDataTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
