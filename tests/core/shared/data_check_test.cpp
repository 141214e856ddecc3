#include "core/shared/data_check.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include "core/shared/catalogue.h"
#include "core/shared/region_maps.h"
#include "support/temp_folder.h"

namespace velmora {
namespace {

using testing::TempFolder;

// Region grids that are empty but for each community's marker cells (x, y) and (x + 1, y + 1).
std::string MarkerGrids() {
    std::string grids(static_cast<size_t>(RegionMaps::kFileSize), '\0');
    RegionMaps maps;
    maps.SetMarkerPoints();
    for (int c = 1; c <= RegionMaps::kCommunities; ++c) {
        const MarkerPoint p = maps.markerPoint(c);
        for (int d = 0; d < 2; ++d)
            grids[static_cast<size_t>(4 * ((p.x + d - 1) * RegionMaps::kValuesPerRecord + p.y + d - 1))] =
                static_cast<char>(c);
    }
    return grids;
}

void WriteTexts(const TempFolder& folder) {
    for (const char* lang : {"cas", "catVal", "galego", "euskera"}) {
        const QString base = QString::fromLatin1(lang) + QLatin1Char('/');
        folder.write(base + QStringLiteral("textos"), "\r\nSalir\r\n");
        folder.write(base + QStringLiteral("informa_l"), " 5Texto\r\n");
        folder.write(base + QStringLiteral("materias_l"), "10Lengua\r\n");
        folder.write(base + QStringLiteral("cursespe"), "16Redes\r\nCiberseguridad\r\nhttps://a/1\r\n");
    }
    // The pictures and the region grids of the start-up.
    for (const char* name : {"chica.bmp", "parte", "heli.bmp", "mapa", "mapac", "mapam", "suelo",
                             "marco", "marcoar", "rotulon.bmp"})
        folder.write(QString::fromLatin1(name), "BM");
    folder.write(QStringLiteral("puntos3"), MarkerGrids());
}

const DataProblem* Find(const DataCheckResult& result, const QString& fileEnd) {
    for (const DataProblem& problem : result.problems) {
        if (problem.file.endsWith(fileEnd)) return &problem;
    }
    return nullptr;
}

// The fixture holds the files of the start-up and the main menu only: the checker accepts them,
// and what it reports is limited to the files of the screens that load their own data.
TEST(DataCheckTest, TheStartUpFilesOfAMinimalFolderAreAccepted) {
    TempFolder folder;
    WriteTexts(folder);
    const DataCheckResult result = CheckDataFolder(folder.path());
    // A catalogue entry may name a file in a folder of the data folder ("pdf/est/insercion").
    const auto loadedByAScreen = [](const QString& path) {
        for (const CatalogueEntry& entry : DataCatalogue()) {
            const QString file = QLatin1Char('/') + QLatin1String(entry.file);
            if (path.endsWith(file) && entry.loadedBy != "start-up" && entry.loadedBy != "Tform0")
                return true;
        }
        return false;
    };
    for (const DataProblem& problem : result.problems)
        EXPECT_TRUE(loadedByAScreen(problem.file)) << problem.toString().toStdString();
    EXPECT_GE(result.filesRead, 23);
    EXPECT_FALSE(result.notReadYet.empty());
}

TEST(DataCheckTest, TheRegionGridsAndStartUpPicturesAreRequired) {
    TempFolder folder;
    WriteTexts(folder);
    QFile::remove(folder.file(QStringLiteral("mapam")));
    std::string grids(static_cast<size_t>(RegionMaps::kFileSize), '\0');
    grids[4 * 700] = '\x2C';
    grids[4 * 700 + 1] = '\x01';  // 300, in record 2
    folder.write(QStringLiteral("puntos3"), grids);
    DataCheckResult result = CheckDataFolder(folder.path());
    ASSERT_NE(Find(result, QStringLiteral("/mapam")), nullptr);
    const DataProblem* bad = Find(result, QStringLiteral("/puntos3"));
    ASSERT_NE(bad, nullptr);
    EXPECT_TRUE(bad->reason.contains(QStringLiteral("300"))) << bad->reason.toStdString();
    EXPECT_TRUE(bad->reason.contains(QStringLiteral("registro 2")));
    // The splash shows its picture only when there is one.
    EXPECT_EQ(Find(result, QStringLiteral("/portada")), nullptr);

    folder.write(QStringLiteral("puntos3"), grids.substr(4));
    result = CheckDataFolder(folder.path());
    bad = Find(result, QStringLiteral("/puntos3"));
    ASSERT_NE(bad, nullptr);
    EXPECT_TRUE(bad->reason.contains(QStringLiteral("714860"))) << bad->reason.toStdString();
}

TEST(DataCheckTest, NamesTheMissingFileAndTheBrokenLine) {
    TempFolder folder;
    WriteTexts(folder);
    folder.write(QStringLiteral("galego/textos"), "");
    QFile::remove(folder.file(QStringLiteral("euskera/materias_l")));
    folder.write(QStringLiteral("datfpmphp"), "1;2;3;4;5;6;7\r\n1;2;3;4;5;6\r\n");
    folder.write(QStringLiteral("cas/informa_l"), " 5Texto \x81\r\n");
    const DataCheckResult result = CheckDataFolder(folder.path());
    ASSERT_FALSE(result.clean());
    const DataProblem* missing = Find(result, QStringLiteral("euskera/materias_l"));
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->line, 0);
    const DataProblem* shortLine = Find(result, QStringLiteral("/datfpmphp"));
    ASSERT_NE(shortLine, nullptr);
    EXPECT_EQ(shortLine->line, 2);
    EXPECT_TRUE(shortLine->toString().contains(QStringLiteral("datfpmphp:2:")));
    const DataProblem* encoding = Find(result, QStringLiteral("cas/informa_l"));
    ASSERT_NE(encoding, nullptr);
    EXPECT_EQ(encoding->line, 1);
}

TEST(DataCheckTest, ReadsCountedListsWithTheCentreListLengths) {
    TempFolder folder;
    WriteTexts(folder);
    folder.write(QStringLiteral("lu1"), "Centro A\r\nCentro B\r\n");
    folder.write(QStringLiteral("lu2"), "Centro C\r\n");
    // Three lines: two for lu1 and one for lu2; the last one has a count beyond the row.
    folder.write(QStringLiteral("datluggsphp"), "1;4\r\n0\r\n26;1\r\n");
    const DataCheckResult result = CheckDataFolder(folder.path());
    const DataProblem* problem = Find(result, QStringLiteral("/datluggsphp"));
    ASSERT_NE(problem, nullptr);
    EXPECT_EQ(problem->line, 3);
}

TEST(DataCheckTest, LanguageFilesMustAgreeAndFitTheirSlots) {
    TempFolder folder;
    WriteTexts(folder);
    // Galician has one line more; Basque's line 2 is longer than its 6-character slot.
    folder.write(QStringLiteral("galego/textos"), "\r\nSaír\r\nMáis\r\n");
    folder.write(QStringLiteral("euskera/textos"), "\r\nIrten bai ala ez\r\n");
    // Catalan's informative text has a key of its own and misses " 5"; a line is too long.
    folder.write(QStringLiteral("catVal/informa_l"), "13Text\r\n");
    folder.write(QStringLiteral("catVal/materias_l"), "10" + std::string(59, 'x') + "\r\n");
    const DataCheckResult result = CheckDataFolder(folder.path());
    const DataProblem* lines = Find(result, QStringLiteral("galego/textos"));
    ASSERT_NE(lines, nullptr);
    EXPECT_TRUE(lines->reason.contains(QStringLiteral("3 líneas")));
    const DataProblem* width = Find(result, QStringLiteral("euskera/textos"));
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->line, 2);
    int keyed = 0;
    for (const DataProblem& problem : result.problems)
        keyed += problem.file.endsWith(QStringLiteral("catVal/informa_l"));
    EXPECT_EQ(keyed, 2);  // " 5" missing, "13" unknown
    const DataProblem* cut = Find(result, QStringLiteral("catVal/materias_l"));
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(cut->line, 1);
}

TEST(DataCheckTest, ReportsTheFirstLineThatEndsInABareLf) {
    TempFolder folder;
    WriteTexts(folder);
    folder.write(QStringLiteral("cas/informa_l"), " 5Uno\r\n 5Dos\n 5Tres\n");
    const DataCheckResult result = CheckDataFolder(folder.path());
    const DataProblem* problem = Find(result, QStringLiteral("cas/informa_l"));
    ASSERT_NE(problem, nullptr);
    EXPECT_EQ(problem->line, 2);
}

TEST(DataCheckTest, TheSummarySpeaksTheProblemsLanguageWithItsPlurals) {
    const struct {
        int files;
        size_t problems;
        size_t absent;
        const char* line;
    } cases[] = {
        {206, 0, 0, "206 ficheros leídos, 0 problemas"},
        {1, 1, 0, "1 fichero leído, 1 problema"},
        {2, 3, 1, "2 ficheros leídos, 3 problemas, 1 fichero ausente que esta versión aún no lee"},
        {0, 0, 2, "0 ficheros leídos, 0 problemas, 2 ficheros ausentes que esta versión aún no lee"},
    };
    for (const auto& c : cases) {
        DataCheckResult result;
        result.filesRead = c.files;
        result.problems.resize(c.problems);
        result.notReadYet.resize(c.absent);
        EXPECT_EQ(result.summary(), QString::fromUtf8(c.line));
    }
}

TEST(CatalogueTest, EveryEntryNamesAReaderAndALoader) {
    int entries = 0;
    for (const CatalogueEntry& entry : DataCatalogue()) {
        ++entries;
        EXPECT_FALSE(entry.loadedBy.empty()) << entry.file;
        if (entry.reader == ReaderKind::IntegerRows) {
            EXPECT_GT(entry.columns, 0);
            EXPECT_GT(entry.rows, 0);
        }
    }
    EXPECT_GT(entries, 70);
}

#ifdef VELMORA_BUNDLED_DATA
TEST(BundledDataTest, IsCleanForThisBuild) {
    const DataCheckResult result = CheckDataFolder(QStringLiteral(VELMORA_BUNDLED_DATA));
    for (const DataProblem& problem : result.problems) ADD_FAILURE() << problem.toString().toStdString();
}
#endif

}  // namespace
}  // namespace velmora
