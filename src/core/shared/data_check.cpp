#include "core/shared/data_check.h"

#include <QFileInfo>
#include <map>
#include <set>
#include <memory>

#include "core/guidance/questionnaire_check.h"
#include "core/menu/courses.h"
#include "core/menu/image_library.h"
#include "core/menu/scene_images.h"
#include "core/shared/catalogue.h"
#include "core/shared/cp1252.h"
#include "core/shared/data_error.h"
#include "core/shared/data_paths.h"
#include "core/shared/language_check.h"
#include "core/shared/messages.h"
#include "core/shared/readers.h"
#include "core/shared/region_maps.h"
#include "core/shared/text_file.h"
#include "core/university/degree_check.h"
#include "core/university/degree_statistics.h"
#include "core/university/vocational_statistics.h"
#include "core/vocational/vocational_check.h"
#include "core/vocational/vocational_load.h"

namespace velmora {
namespace {

// Turns the readers' messages into problems instead of boxes.
class CollectingMessages final : public Messages {
public:
    explicit CollectingMessages(std::vector<DataProblem>& problems, const QString& file)
        : problems_(problems), file_(file) {}
    void showMessage(const QString& text) override { problems_.push_back({file_, 0, text}); }
    void reportError(const QString& text) override { problems_.push_back({file_, 0, text}); }
    bool askYesNo(const QString&, const QString&) override { return false; }

private:
    std::vector<DataProblem>& problems_;
    QString file_;
};

bool ReadsText(ReaderKind kind) {
    switch (kind) {
        case ReaderKind::Bitmap:
        case ReaderKind::Sound:
        case ReaderKind::ImageLibrary:
        case ReaderKind::RegionGrids:
        case ReaderKind::Documents:
            return false;
        default:
            return true;
    }
}

// Every text file is Windows-1252 with CR LF line ends: report the first byte that is no
// character and the first line that ends in a bare LF.
void CheckTextRules(const QString& path, std::vector<DataProblem>& problems) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const DataError&) {
        return;  // the reader itself reports it
    }
    int line = 1;
    bool badByte = false;
    bool bareLf = false;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') {
            if (!bareLf && (i == 0 || bytes[i - 1] != '\r')) {
                problems.push_back({path, line, QStringLiteral("la línea acaba en LF sin CR")});
                bareLf = true;
            }
            ++line;
        } else if (!badByte && cp1252::IsUndefined(c)) {
            problems.push_back({path, line,
                                QStringLiteral("el byte 0x%1 no es un carácter de Windows-1252")
                                    .arg(c, 2, 16, QLatin1Char('0'))});
            badByte = true;
        }
    }
}

class Checker {
public:
    explicit Checker(const QString& dataFolder) : paths_(DataPaths::ForDataFolder(dataFolder)) {}

    DataCheckResult run() {
        countCentreLists();
        for (const CatalogueEntry& entry : DataCatalogue()) {
            if (entry.folder == Folder::Language) {
                for (int code = 0; code < kLanguageCount; ++code)
                    check(entry, paths_.languageFolder(code) + QLatin1String(entry.file), code);
            } else if (entry.folder == Folder::Data) {
                check(entry, paths_.dataFile(QLatin1String(entry.file)), 0);
            }
            // Files of the working folder are the program's own, outside the data folder.
        }
        CheckLanguageFiles(paths_, result_.problems);
        CheckDegreeData(paths_, result_.problems);
        CheckQuestionnaireData(paths_, result_.problems);
        CheckVocationalData(paths_, result_.problems);
        return std::move(result_);
    }

private:
    void countCentreLists() {
        for (const char* name : {"lu1", "lu2", "lu3", "lu4"}) {
            const QString path = paths_.dataFile(QLatin1String(name));
            int count = 0;
            if (FileReadable(path)) {
                try {
                    count = static_cast<int>(ReadTextFile(path).lines.size());
                } catch (const DataError&) {
                }
            }
            centreListCounts_.push_back(count);
        }
    }

    int degreeCount(int languageCode) {
        auto found = degreeCounts_.find(languageCode);
        if (found != degreeCounts_.end()) return found->second;
        int count = 0;
        const QString path = paths_.languageFolder(languageCode) + QStringLiteral("carreran");
        try {
            count = static_cast<int>(ReadTextFile(path).lines.size());
        } catch (const DataError&) {
        }
        degreeCounts_[languageCode] = count;
        return count;
    }

    void check(const CatalogueEntry& entry, const QString& path, int languageCode) {
        const bool isFolder = entry.reader == ReaderKind::Documents;
        const bool present = isFolder ? QFileInfo(path).isDir() : QFileInfo(path).isFile();
        if (!present) {
            if (ReadByThisBuild(entry)) {
                result_.problems.push_back({path, 0, QStringLiteral("falta el fichero")});
            } else {
                result_.notReadYet.push_back(path);
            }
            return;
        }
        if (ReadsText(entry.reader)) CheckTextRules(path, result_.problems);
        ++result_.filesRead;
        CollectingMessages messages(result_.problems, path);
        bool stop = false;
        Readers readers(messages, stop, buffer_);
        try {
            read(entry, path, readers, messages, languageCode);
        } catch (const DataError& error) {
            result_.problems.push_back({error.file(), error.line(), error.reason()});
        }
    }

    void read(const CatalogueEntry& entry, const QString& path, Readers& readers,
              Messages& messages, int languageCode) {
        switch (entry.reader) {
            case ReaderKind::TextTable: {
                LineTable table = MakeTextTable();
                readers.ReadTextTable(path, table);
                break;
            }
            case ReaderKind::PaddedTable: {
                LineTable table = MakePaddedTable();
                readers.ReadPaddedTable(path, table, entry.width);
                break;
            }
            case ReaderKind::PaddedTable75: {
                LineTable table = MakePaddedTable75();
                readers.ReadPaddedTable75(path, table, entry.width);
                break;
            }
            case ReaderKind::RawTable: {
                LineTable table = MakeRawTable();
                readers.ReadRawTable(path, table);
                break;
            }
            case ReaderKind::RawTable90: {
                LineTable table = MakeRawTable90();
                readers.ReadRawTable90(path, table);
                break;
            }
            case ReaderKind::FixedLines: {
                LineTable table = MakeFixedLinesTable();
                readers.ReadFixedLines(path, table, entry.width);
                break;
            }
            case ReaderKind::FixedLines120: {
                LineTable table = MakeFixedLines120Table();
                readers.ReadFixedLines120(path, table);
                break;
            }
            case ReaderKind::MarkedLines: {
                LineTable table = MakeMarkedLinesTable();
                std::vector<int> lineNumbers;
                readers.ReadMarkedLines(path, table, lineNumbers, entry.width);
                break;
            }
            case ReaderKind::Blocks26: {
                BlockTable blocks = MakeBlocks26();
                readers.ReadBlocks26(path, blocks);
                break;
            }
            case ReaderKind::Blocks51: {
                BlockTable blocks = MakeBlocks51();
                readers.ReadBlocks51(path, blocks);
                break;
            }
            case ReaderKind::IntegerRows: {
                IntGrid rows(entry.rows, entry.columns == 24 ? 25 : entry.columns);
                readers.ReadIntegerRows(path, entry.columns, rows);
                break;
            }
            case ReaderKind::CountedLists: {
                std::vector<IntGrid> tables(4, MakeCountedListTable());
                std::vector<IntGrid*> sections;
                for (IntGrid& t : tables) sections.push_back(&t);
                readers.ReadCountedLists(path, centreListCounts_, sections);
                break;
            }
            case ReaderKind::CountedBytes: {
                ByteGrid table = MakeCountedBytesTable();
                readers.ReadCountedBytes(path, table);
                break;
            }
            case ReaderKind::DegreeLists: {
                auto offerings = std::make_unique<DegreeOfferings>();
                readers.ReadDegreeLists(path, degreeCount(languageCode), *offerings);
                break;
            }
            case ReaderKind::ImageLibrary: {
                const SceneLibrary library =
                    QLatin1String(entry.file) == SceneLibraryFile(SceneLibrary::A) ? SceneLibrary::A
                                                                                   : SceneLibrary::B;
                RequireSceneImages(library, ImageLibrary::Read(path), path);
                break;
            }
            case ReaderKind::RegionGrids: {
                const RegionFileCheck check = RegionMaps::CheckRegionFile(path);
                if (!check.ok()) result_.problems.push_back({path, 0, check.reason()});
                else checkMaps(path);
                break;
            }
            case ReaderKind::OwnFormat:
                if (entry.file == "cursespe") ReadCourses(path);
                if (entry.file == "comarcas") {
                    ComarcaTable comarcas;
                    ReadComarcas(path, messages, comarcas);
                }
                if (entry.file == "comarcasm") {
                    MadridZoneTable zones;
                    ReadMadridZones(path, messages, zones);
                }
                if (entry.file == "familias") ReadTextFile(path);  // read whole, trimmed
                if (entry.file == "fami_estad.txt") CheckFamilyStatisticsFile(path);
                if (entry.file == "pdf/est/insercion") CheckInsertionFile(path);
                if (entry.file == "pdf/est/resins") ReadTextFile(path);
                break;
            default:
                break;  // read by the code of its own format; pictures by the ui
        }
    }

    // The maps agree with their grids: every marker in its community, every comarca and Madrid
    // zone of the two division files drawn on its map and named in its file.
    void checkMaps(const QString& path) {
        CollectingMessages messages(result_.problems, path);
        bool stop = false;
        RegionMaps maps;
        maps.SetMarkerPoints();
        if (!maps.LoadRegionGrids(path, messages, stop)) return;
        for (const int c : maps.MisplacedMarkers())
            result_.problems.push_back(
                {path, 0, QStringLiteral("el punto de la comunidad %1 no cae en ella").arg(c)});
        const struct {
            const char* file;
            RegionMap map;
            int lines;  // lines that name a region: 41 comarcas; every line of the zones
            const char* what;
        } divisions[] = {{"comarcas", RegionMap::C, 41, "comarca"}, {"comarcasm", RegionMap::M, 100, "zona"}};
        for (const auto& d : divisions) {
            const QString file = paths_.dataFile(QLatin1String(d.file));
            if (!FileReadable(file)) continue;
            std::set<int> named;
            try {
                const TextLines text = ReadTextFile(file);
                for (size_t k = 0; k < text.lines.size() && static_cast<int>(k) < d.lines; ++k) {
                    bool ok = false;
                    const int n = QByteArray(text.lines[k].substr(2, 2).data(),
                                             static_cast<qsizetype>(text.lines[k].substr(2, 2).size()))
                                      .trimmed()
                                      .toInt(&ok);
                    if (ok) named.insert(n);
                }
            } catch (const DataError&) {
                continue;  // its own reader reports it
            }
            const std::set<int> drawn = maps.RegionsIn(d.map);
            for (int r = 1; r <= RegionMaps::LastRegion(d.map); ++r) {
                if (!drawn.count(r))
                    result_.problems.push_back(
                        {path, 0, QStringLiteral("la %1 %2 no está en su mapa").arg(QLatin1String(d.what)).arg(r)});
                if (!named.count(r))
                    result_.problems.push_back(
                        {file, 0, QStringLiteral("falta la %1 %2").arg(QLatin1String(d.what)).arg(r)});
            }
        }
    }

    DataPaths paths_;
    DataCheckResult result_;
    LineBuffer buffer_;
    std::vector<int> centreListCounts_;
    std::map<int, int> degreeCounts_;
};

}  // namespace

QString DataProblem::toString() const {
    if (line > 0) return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(reason);
    return QStringLiteral("%1: %2").arg(file, reason);
}

QString DataCheckResult::summary() const {
    auto counted = [](qsizetype n, const char* one, const char* many) {
        return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(n == 1 ? one : many);
    };
    QString line = counted(filesRead, "fichero leído", "ficheros leídos") + QStringLiteral(", ") +
                   counted(static_cast<qsizetype>(problems.size()), "problema", "problemas");
    if (!notReadYet.empty())
        line += QStringLiteral(", ") + counted(static_cast<qsizetype>(notReadYet.size()),
                                               "fichero ausente que esta versión aún no lee",
                                               "ficheros ausentes que esta versión aún no lee");
    return line;
}

DataCheckResult CheckDataFolder(const QString& dataFolder) { return Checker(dataFolder).run(); }

}  // namespace velmora
