// The screens' data loads run at their places in the start-up, whether or not their widgets
// exist: the higher-level screen's comarcas and area codes, the ESO screen's questionnaires and
// intermediate-level tables.
#include "app/screen_data.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/shared/startup.h"
#include "core/university/degree_load.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

const QString kBundled = QStringLiteral(VELMORA_BUNDLED_DATA);

// The start-up's creation steps up to (not including) `last`, as the program runs them: each
// screen's data load, then the degrees screen's own set-up where its factory would run it.
void CreateUpTo(Enlace& enlace, std::string_view last) {
    for (const StartupStep& step : ScreenCreationOrder(false)) {
        if (step.kind != StartupStep::Kind::Create) continue;
        if (step.screen == last) return;
        RunScreenDataLoad(step.screen, enlace);
        if (step.screen == "TForm1") RunSetUp(enlace.messages, [&] { LoadDegreeData(enlace); });
    }
}

class ScreenDataTest : public ::testing::Test {
  protected:
    explicit ScreenDataTest(const QString& folder = kBundled)
        : enlace(messages, DataPaths::ForDataFolder(folder)) {
        enlace.setLanguage(0);
        enlace.LoadInterfaceTexts();
    }
    RecordingMessages messages;
    Enlace enlace;
};

TEST_F(ScreenDataTest, TheIntermediateScreenFindsEveryTableItReads) {
    CreateUpTo(enlace, "TForm3");
    ASSERT_FALSE(enlace.stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
    ASSERT_TRUE(messages.errors.isEmpty()) << messages.errors.join(QLatin1Char('\n')).toStdString();
    const VocationalTables& t = enlace.vocational;
    // The ESO screen's part.
    EXPECT_GT(t.titlesGM.count, 0);
    EXPECT_EQ(t.blocksGM.count, t.titlesGM.count);
    EXPECT_GT(t.offersGM[0].at(1, 0) + t.offersGM[1].at(1, 0) + t.offersGM[2].at(1, 0), 0);
    EXPECT_GT(enlace.guidance.eso.itemCount(), 0);
    // The basic screen's, created after it: its titles are listed among a centre's titles.
    EXPECT_EQ(t.titlesBasic.count, 0);
    // The higher-level screen's part, on the centre lists the degrees screen read.
    EXPECT_TRUE(t.areaCodesBuilt);
    EXPECT_GT(t.comarcas.count, ComarcaTable::kComarcas);  // the districts of Barcelona follow
    EXPECT_FALSE(t.madridZones.zoneLines[1].empty());
}

TEST_F(ScreenDataTest, AScreenWithoutADataLoadLoadsNothing) {
    EXPECT_TRUE(RunScreenDataLoad("TForm3", enlace));
    EXPECT_TRUE(RunScreenDataLoad("NoSuchScreen", enlace));
    EXPECT_EQ(enlace.vocational.titlesGM.count, 0);
    EXPECT_TRUE(messages.errors.isEmpty());
}

// A copy of the bundled folder with one file of the ESO screen's load broken.
class BrokenCopy : public TempFolder {
  public:
    BrokenCopy() {
        copy(QDir(kBundled), QString());
        for (const char* language : {"cas", "catVal", "galego", "euskera"})
            copy(QDir(kBundled + QLatin1String(language)),
                 QLatin1String(language) + QLatin1Char('/'));
        QFile facts(file(QStringLiteral("datfpmphp")));
        facts.open(QIODevice::WriteOnly);
        facts.write("0;0;0;1;0;0;0\r\n0;0;0;x;0;0;0\r\n");
    }

  private:
    void copy(const QDir& from, const QString& to) {
        QDir().mkpath(file(to));
        for (const QString& name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), file(to + name));
    }
};

class BrokenScreenDataTest : public ScreenDataTest {
  protected:
    BrokenScreenDataTest() : ScreenDataTest(Broken().path()) {}
    static const BrokenCopy& Broken() {
        static const BrokenCopy copy;
        return copy;
    }
};

TEST_F(BrokenScreenDataTest, ARefusedFileIsReportedWithItsLineAndTheLaterScreensStillLoad) {
    CreateUpTo(enlace, "TForm3");
    ASSERT_EQ(messages.errors.size(), 1);
    EXPECT_TRUE(messages.errors.front().contains(QStringLiteral("datfpmphp")))
        << messages.errors.front().toStdString();
    EXPECT_TRUE(messages.errors.front().contains(QStringLiteral("2")));
    // What the load read before the refused file stays; the refused table is left as it was.
    EXPECT_GT(enlace.vocational.titlesGM.count, 0);
    EXPECT_EQ(enlace.vocational.factsOfGM(1).family, 0);
    EXPECT_TRUE(enlace.vocational.areaCodesBuilt);
}

}  // namespace
}  // namespace velmora
