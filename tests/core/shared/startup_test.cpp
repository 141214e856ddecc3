#include "core/shared/startup.h"

#include <gtest/gtest.h>

#include <QFile>
#include <set>

#include "core/shared/command_line.h"
#include "core/shared/enlace.h"
#include "core/shared/region_maps.h"
#include "core/shared/settings_store.h"
#include "support/recording_messages.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::RecordingMessages;
using testing::TempFolder;

QStringList Params(std::initializer_list<const char*> values) {
    QStringList out;
    for (const char* v : values) out << QString::fromUtf8(v);
    return out;
}

TEST(CommandLineTest, FirstParameterChoosesTheSceneOrTheUpdateMessage) {
    EXPECT_FALSE(ReadCommandLine({}).animation.has_value());
    EXPECT_EQ(ReadCommandLine(Params({"S"})).animation, true);
    EXPECT_EQ(ReadCommandLine(Params({"N"})).animation, false);
    EXPECT_TRUE(ReadCommandLine(Params({"A"})).showUpdated);
    EXPECT_FALSE(ReadCommandLine(Params({"A"})).animation.has_value());
    // Exact and case-sensitive.
    for (const char* other : {"s", "n", "a", "SS", " S", "X"}) {
        const CommandLineEffect e = ReadCommandLine(Params({other}));
        EXPECT_FALSE(e.animation.has_value()) << other;
        EXPECT_FALSE(e.showUpdated) << other;
    }
}

TEST(CommandLineTest, SecondParameterSetsTheLanguageOfThisRunOnly) {
    const CommandLineEffect galician = ReadCommandLine(Params({"N", "2"}));
    EXPECT_EQ(galician.languageFolder, 2);
    EXPECT_EQ(galician.nonCastilian, true);
    const CommandLineEffect castilian = ReadCommandLine(Params({"X", "0"}));
    EXPECT_EQ(castilian.languageFolder, 0);
    EXPECT_EQ(castilian.nonCastilian, false);
    // A number beyond the languages keeps the folder but still counts as non-Castilian.
    const CommandLineEffect five = ReadCommandLine(Params({"S", "5"}));
    EXPECT_FALSE(five.languageFolder.has_value());
    EXPECT_EQ(five.nonCastilian, true);
    // No number at all counts as Castilian; "02" is no language folder.
    EXPECT_EQ(ReadCommandLine(Params({"S", "dos"})).nonCastilian, false);
    EXPECT_FALSE(ReadCommandLine(Params({"S", "dos"})).languageFolder.has_value());
    EXPECT_FALSE(ReadCommandLine(Params({"S", "02"})).languageFolder.has_value());
    EXPECT_EQ(ReadCommandLine(Params({"S", "-1"})).nonCastilian, false);
}

TEST(CommandLineTest, SecondParameterIsIgnoredAfterAnEmptyFirstOne) {
    const CommandLineEffect e = ReadCommandLine(Params({"", "1"}));
    EXPECT_FALSE(e.languageFolder.has_value());
    EXPECT_FALSE(e.nonCastilian.has_value());
    EXPECT_FALSE(ReadCommandLine(Params({"S", ""})).nonCastilian.has_value());
}

TEST(CommandLineTest, ProgramOptionsAreNotParameters) {
    EXPECT_EQ(PositionalParameters(Params({"--measure-startup", "N", "2"})), Params({"N", "2"}));
    EXPECT_EQ(PositionalParameters(Params({"--school", "IES A", "S"})), Params({"S"}));
    EXPECT_EQ(PositionalParameters(Params({"", "1"})), Params({"", "1"}));
}

// Records the pictures asked for; a picture loads when its file exists.
class FakePictures final : public PictureLoader {
  public:
    bool load(std::string_view slot, const QString& path) override {
        slots.emplace_back(slot);
        return QFile::exists(path);
    }
    std::vector<std::string> slots;
};

class ShellStartupLoadTest : public ::testing::Test {
  protected:
    ShellStartupLoadTest() {
        for (const char* lang : {"cas", "galego"}) {
            const QString base = QString::fromLatin1(lang) + QLatin1Char('/');
            std::vector<std::string> lines(60, "x");
            lines[48] = std::string(lang) == "cas" ? "\xBFSalir del programa?"
                                                   : "Queres sa\xEDr do programa?";
            folder.writeLines(base + QStringLiteral("textos"), lines);
            folder.write(base + QStringLiteral("informa_l"), " 1Texto\r\n");
            folder.write(base + QStringLiteral("materias_l"), " 1Lengua\r\n");
        }
        for (const StartupPicture& p : StartupPictures())
            folder.write(QString::fromLatin1(p.file.data(), static_cast<qsizetype>(p.file.size())),
                         "BM");
        folder.write(QStringLiteral("puntos3"),
                     std::string(static_cast<size_t>(RegionMaps::kFileSize), '\0'));
        folder.write(QStringLiteral("segdxg1.DXG"), "x");
        folder.write(QStringLiteral("vector.DXG"), "x");
    }

    void run(const QStringList& parameters, int graphicsVersion = 9) {
        enlace = std::make_unique<Enlace>(messages, DataPaths::ForDataFolder(folder.path()));
        ShellStartupLoad(*enlace, store, parameters, {pictures, graphicsVersion});
    }
    void remove(const QString& name) {
        ASSERT_TRUE(QFile::remove(folder.file(name))) << name.toStdString();
    }

    TempFolder folder;
    TempFolder config;
    SettingsStore store{config.file(QStringLiteral("velmora.ini"))};
    RecordingMessages messages;
    FakePictures pictures;
    std::unique_ptr<Enlace> enlace;
};

TEST_F(ShellStartupLoadTest, AWholeFolderLoadsEverythingInOrder) {
    ASSERT_TRUE(store.SaveSchoolName(QStringLiteral("  IES Velmora  ")));
    ASSERT_TRUE(store.SaveLanguageAndAnimation(0, true));
    run({});
    EXPECT_FALSE(enlace->stopFlag);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(enlace->settings.schoolName, QStringLiteral("IES Velmora"));
    EXPECT_TRUE(enlace->animationEnabled);
    EXPECT_EQ(enlace->texts[49], "\xBFSalir del programa?");
    EXPECT_EQ(enlace->informa.count(), 1);
    EXPECT_EQ(enlace->materias.count(), 1);
    EXPECT_EQ(enlace->readerWidths.narrow, 40);
    EXPECT_EQ(enlace->readerWidths.wide, 90);
    EXPECT_EQ(enlace->mapPanelWidth, 115);
    EXPECT_EQ(enlace->regionMaps.regionUnderCursor, 1);
    EXPECT_EQ(enlace->regionMaps.markerPoint(19).x, 136);
    EXPECT_EQ(pictures.slots,
              (std::vector<std::string>{"chica.bmp", "parte", "heli.bmp", "mapa", "mapac", "mapam",
                                        "suelo", "TilDer", "TilIzq", "marcoar"}));
}

TEST_F(ShellStartupLoadTest, GalicianForThisRunLeavesTheStoredLanguageAlone) {
    ASSERT_TRUE(store.SaveLanguageAndAnimation(0, true));
    run(Params({"N", "2"}));
    EXPECT_FALSE(enlace->stopFlag);
    EXPECT_FALSE(enlace->animationEnabled);
    EXPECT_TRUE(enlace->nonCastilian);
    EXPECT_EQ(enlace->texts[49], "Queres sa\xEDr do programa?");
    EXPECT_EQ(enlace->settings.languageCode, 0);
    EXPECT_EQ(store.Read().languageCode, 0);
    EXPECT_TRUE(store.Read().animation);
}

TEST_F(ShellStartupLoadTest, TheUpdateMessageComesWithA) {
    run(Params({"A"}));
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Programa Velmora actualizado")});
}

TEST_F(ShellStartupLoadTest, TheSceneNeedsBothLibrariesAndARecentGraphicsLayer) {
    run(Params({"S"}));
    EXPECT_TRUE(enlace->animationEnabled);
    run(Params({"S"}), 6);
    EXPECT_FALSE(enlace->animationEnabled);
    remove(QStringLiteral("vector.DXG"));
    run(Params({"S"}));
    EXPECT_FALSE(enlace->animationEnabled);
    EXPECT_FALSE(enlace->stopFlag);  // no message, the plain main menu
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_FALSE(AnimationAvailable(true, false, true, 9));
    EXPECT_FALSE(AnimationAvailable(false, true, true, 9));
    EXPECT_TRUE(AnimationAvailable(true, true, true, 7));
}

TEST_F(ShellStartupLoadTest, MissingTextsStopBeforeAnythingElse) {
    remove(QStringLiteral("cas/textos"));
    run({});
    EXPECT_TRUE(enlace->stopFlag);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(folder.file(QStringLiteral("cas/textos"))));
    EXPECT_TRUE(pictures.slots.empty());
    EXPECT_EQ(enlace->informa.count(), 0);
}

TEST_F(ShellStartupLoadTest, AMissingPictureStopsSilentlyAndTheRestStillLoads) {
    remove(QStringLiteral("suelo"));
    run({});
    EXPECT_TRUE(enlace->stopFlag);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(pictures.slots.size(), 10u);
    EXPECT_EQ(enlace->informa.count(), 1);
}

TEST_F(ShellStartupLoadTest, AMissingMapSaysFaltanFicheros) {
    remove(QStringLiteral("mapac"));
    remove(QStringLiteral("mapam"));
    run({});
    EXPECT_TRUE(enlace->stopFlag);
    EXPECT_EQ(messages.shown,
              (QStringList{QStringLiteral("Faltan ficheros"), QStringLiteral("Faltan ficheros")}));
    EXPECT_EQ(pictures.slots.size(), 10u);
}

TEST_F(ShellStartupLoadTest, ARefusedRegionFileSkipsTheKeyedLines) {
    for (const std::string& bytes : {std::string(), std::string(100, '\0')}) {
        if (bytes.empty()) {
            remove(QStringLiteral("puntos3"));
        } else {
            folder.write(QStringLiteral("puntos3"), bytes);
        }
        messages.shown.clear();
        run({});
        EXPECT_TRUE(enlace->stopFlag);
        EXPECT_EQ(messages.shown, QStringList{QStringLiteral("Faltan ficheros")});
        EXPECT_EQ(enlace->informa.count(), 0);
    }
}

TEST_F(ShellStartupLoadTest, MissingKeyedLinesStop) {
    remove(QStringLiteral("cas/materias_l"));
    run({});
    EXPECT_TRUE(enlace->stopFlag);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("materias_l")));
}

// A text file one line past its table (an extra blank line left by an edit) ends the start-up
// with the program's own report naming the file and the line, never with an abort.
TEST_F(ShellStartupLoadTest, AStartUpFileOneLinePastItsTableIsReportedAndStops) {
    const struct {
        const char* file;
        int capacity;
    } cases[] = {{"textos", 1100}, {"informa_l", 600}, {"materias_l", 600}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString name = QStringLiteral("cas/") + QString::fromLatin1(c.file);
        QFile good(folder.file(name));
        ASSERT_TRUE(good.open(QIODevice::ReadOnly));
        const QByteArray kept = good.readAll();
        good.close();
        std::vector<std::string> lines(static_cast<size_t>(c.capacity), " 1x");
        lines.emplace_back();
        folder.writeLines(name, lines);
        messages.errors.clear();
        EXPECT_NO_THROW(run({}));
        EXPECT_TRUE(enlace->stopFlag);
        ASSERT_EQ(messages.errors.size(), 1);
        EXPECT_TRUE(messages.errors[0].contains(folder.file(name)));
        EXPECT_TRUE(messages.errors[0].contains(QString::number(c.capacity + 1)))
            << messages.errors[0].toStdString();
        folder.write(name, kept.toStdString());
    }
}

std::vector<std::string> Created(const std::vector<StartupStep>& steps) {
    std::vector<std::string> out;
    for (const StartupStep& s : steps)
        if (s.kind == StartupStep::Kind::Create) out.emplace_back(s.screen);
    return out;
}

TEST(ScreenCreationOrderTest, CreatesEveryScreenOnceInItsFixedOrder) {
    const std::vector<std::string> plain = Created(ScreenCreationOrder(false));
    EXPECT_EQ(plain, (std::vector<std::string>{"Tform0", "TForm6", "TEstadisticas", "TFormEstGra",
                                               "TForm7", "TForm1", "TForm8", "TFormCon", "TForm2",
                                               "TForm5", "TForm3", "TForm4", "TFIniPro",
                                               "TCertifica", "Tprofe", "TFormCat", "TFlomce"}));
    const std::vector<std::string> scene = Created(ScreenCreationOrder(true));
    ASSERT_EQ(scene.size(), plain.size() + 1);
    EXPECT_EQ(scene[0], "Tform9");
    EXPECT_EQ(scene[1], "Tform0");
}

TEST(ScreenCreationOrderTest, ProgressRisesWithThreeWaitsAndAStopCheckAfterEveryGroup) {
    const std::vector<StartupStep> steps = ScreenCreationOrder(false);
    std::vector<int> progress;
    int waits = 0;
    for (const StartupStep& s : steps) {
        if (s.kind == StartupStep::Kind::Progress) progress.push_back(s.value);
        if (s.kind == StartupStep::Kind::Wait) {
            EXPECT_EQ(s.value, 1000);
            ++waits;
        }
    }
    EXPECT_EQ(progress, (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(waits, 3);
    EXPECT_EQ(steps.back().kind, StartupStep::Kind::Wait);
    // The last screen of every group is followed by a stop check.
    std::set<std::string> checkedAfter;
    for (size_t i = 1; i < steps.size(); ++i)
        if (steps[i].kind == StartupStep::Kind::StopCheck)
            checkedAfter.emplace(steps[i - 1].screen);
    EXPECT_EQ(checkedAfter, (std::set<std::string>{"TForm7", "TForm8", "TForm2", "TFIniPro",
                                                   "TCertifica", "Tprofe", "TFlomce"}));
}

}  // namespace
}  // namespace velmora
