// The bundled degree data, loaded as the degrees screen loads it, in every language: the cases
// the screens must be able to show are all present.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <set>

#include "core/shared/data_paths.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/university/degree_check.h"
#include "core/university/degree_load.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using testing::RecordingMessages;

const QString kBundled = QStringLiteral(VELMORA_BUNDLED_DATA);

// The degrees screen also reads vocational and questionnaire files that other data sets bring;
// until the bundled folder has them, small stand-ins take their place in a copy of the folder.
void CopyWithStandIns(const testing::TempFolder& copy) {
    QDirIterator files(kBundled, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString relative = QDir(kBundled).relativeFilePath(from);
        QDir().mkpath(QFileInfo(copy.file(relative)).absolutePath());
        QFile::copy(from, copy.file(relative));
    }
    const auto standIn = [&](const QString& name, const std::vector<std::string>& lines) {
        if (!QFileInfo(copy.file(name)).isFile()) copy.writeLines(name, lines);
    };
    for (const char* language : {"cas/", "catVal/", "galego/", "euskera/"}) {
        const QString folder = QString::fromLatin1(language);
        standIn(folder + QStringLiteral("itinerar"), {"Itinerario"});
        standIn(folder + QStringLiteral("fp"), {"-Familia", "Ciclo"});
        standIn(folder + QStringLiteral("reqfp"), {"Requisito"});
        standIn(folder + QStringLiteral("asignafp"), std::vector<std::string>(52, "Materia"));
        standIn(folder + QStringLiteral("activida"), {"A001 Actividad"});
        standIn(folder + QStringLiteral("familias"), {"1Familia"});
        standIn(folder + QStringLiteral("profesio"), {"P001 A001 Profesión"});
    }
    for (const char* list : {"lu1", "lu2", "lu3", "lu4"}) standIn(QString::fromLatin1(list), {"1Centro"});
    for (const char* keys : {"cuestiocua", "cuestioint", "cuestioESO"}) standIn(QString::fromLatin1(keys), {"1;1"});
    std::string facts = "0";
    for (int field = 2; field <= 24; ++field) facts += ";0";
    standIn(QStringLiteral("datfpsphp"), {facts, facts});
    standIn(QStringLiteral("datluggsphp"), {"0", "0", "0", "0"});
}

class BundledDegreeDataTest : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() {
        if (!QFileInfo(kBundled + QStringLiteral("lugar")).isFile()) return;
        folder = new testing::TempFolder;  // one copy for the four languages
        CopyWithStandIns(*folder);
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }

    void SetUp() override {
        if (folder == nullptr) GTEST_SKIP() << "the bundled folder has no degree data yet";
        enlace.setLanguage(GetParam());
        ASSERT_TRUE(enlace.LoadInterfaceTexts());
        ASSERT_TRUE(RunSetUp(messages, [&] { LoadDegreeData(enlace); }))
            << messages.errors.join(QLatin1Char('\n')).toStdString();
        ASSERT_FALSE(enlace.stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QLatin1Char('\n')).toStdString();
    }

    const DegreeTables& t() const { return enlace.degreeTables; }

    static inline testing::TempFolder* folder = nullptr;
    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder ? folder->path() : kBundled)};
};

TEST_P(BundledDegreeDataTest, HoldsTheDegreeLandscapeOfTheYear) {
    EXPECT_GE(t().degreeCount(), 150);
    EXPECT_GE(t().placeCount(), 70);
    std::set<int> branches;
    std::set<int> communities;
    for (int d = 1; d <= t().degreeCount(); ++d) branches.insert(t().degreeBranch[static_cast<size_t>(d)]);
    for (int p = 1; p <= t().placeCount(); ++p) communities.insert(t().place(p).communityCode);
    EXPECT_EQ(branches, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(communities.size(), 19u);  // Ceuta and Melilla included
    // Every place has its group of double degrees, in place order.
    ASSERT_EQ(static_cast<int>(t().doubleDegrees.size()), t().placeCount());
    for (int p = 1; p <= t().placeCount(); ++p)
        EXPECT_EQ(t().doubleDegrees[static_cast<size_t>(p - 1)].code, t().place(p).communityCode) << p;
}

TEST_P(BundledDegreeDataTest, HasEveryCaseTheScreensShow) {
    const int n = t().degreeCount();
    bool offeredNowhere = false, withoutMark = false, withTitles = false, withoutGroup = false;
    std::vector<int> degreesAtPlace(static_cast<size_t>(t().placeCount()) + 1, 0);
    for (int d = 1; d <= n; ++d) {
        const int offerings = t().offeringCount(d);
        offeredNowhere |= offerings == 0;
        withTitles |= t().offerings.distinctTitles.at(d, 0) > 0;
        withoutGroup |= t().attribute(d, DegreeTables::kGroup) == 0;
        for (int i = 1; i <= offerings; ++i) {
            withoutMark |= t().offerings.cutOffTenths.at(d, i) == DegreeTables::kNoMark;
            ++degreesAtPlace[t().offerings.places.at(d, i)];
        }
        EXPECT_NE(FindDegreeByCode(t(), t().attribute(d, DegreeTables::kDegreeCode)), 0) << d;
    }
    EXPECT_TRUE(offeredNowhere);
    EXPECT_TRUE(withoutMark);
    EXPECT_TRUE(withTitles);
    EXPECT_TRUE(withoutGroup);
    const auto [fewest, most] = std::minmax_element(degreesAtPlace.begin() + 1, degreesAtPlace.end());
    EXPECT_GE(*most, 16);
    EXPECT_LT(*fewest, 16);
    // Double degrees in several communities, every side a degree.
    std::set<int> doubleCommunities;
    for (const DoubleDegreeGroup& group : t().doubleDegrees) {
        for (const DoubleDegreeEntry& entry : group.entries) {
            doubleCommunities.insert(group.code);
            EXPECT_GE(entry.degreeA, 1);
            EXPECT_GE(entry.degreeB, 1);
        }
    }
    EXPECT_GE(doubleCommunities.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(FourLanguages, BundledDegreeDataTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

TEST(BundledDegreeCheckTest, TheDegreeRulesHoldOnTheBundledFolder) {
    if (!QFileInfo(kBundled + QStringLiteral("lugar")).isFile())
        GTEST_SKIP() << "the bundled folder has no degree data yet";
    std::vector<DataProblem> problems;
    CheckDegreeData(DataPaths::ForDataFolder(kBundled), problems);
    std::string all;
    for (const DataProblem& p : problems) all += p.toString().toStdString() + "\n";
    EXPECT_TRUE(problems.empty()) << all;
}

}  // namespace
}  // namespace velmora
