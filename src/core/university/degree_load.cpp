#include "core/university/degree_load.h"

#include "core/guidance/questionnaire_readers.h"
#include "core/shared/data_error.h"
#include "core/shared/enlace.h"
#include "core/university/degree_readers.h"
#include "core/vocational/vocational_load.h"

namespace velmora {
namespace {

constexpr int kNamesWidth = 60;
constexpr int kOtherStudiesWidth = 55;
constexpr int kCommunitiesWidth = 55;

// The interface texts that replace the file path in entry 0 of four tables.
constexpr int kNoDegreeTitle = 48;
constexpr int kItinerariesTitle = 281;
constexpr int kHigherTitlesTitle = 294;
constexpr int kAccessTitle = 277;

// The grouping selector: its prompt and its items in the order the selector lists them.
constexpr int kGroupingPrompt = 373;
constexpr std::array<int, 5> kGroupingItems = {375, 374, 377, 376, 372};

// A message-kind table read into a fresh table, so that a refusal after the read leaves the
// shared one as it was. Returns false when the file was missing.
bool ReadLimitedPaddedTable(Readers& readers, const QString& path, LineTable& table, int width,
                            int limit, const char* what) {
    LineTable read(table.size(), table.entryCapacity());
    if (!readers.ReadPaddedTable(path, read, width)) return false;
    if (read.count > limit) {
        throw DataError::Capacity(
            path, limit + 1, QStringLiteral("más de %1 %2").arg(limit).arg(QLatin1String(what)));
    }
    table = std::move(read);
    return true;
}

void ReadLanguageFiles(Enlace& enlace, DegreeTables& tables) {
    Readers& readers = enlace.readers;
    const auto file = [&](const char* name) {
        return enlace.paths.languageFile(QLatin1String(name));
    };
    VocationalTables& fp = enlace.vocational;
    QuestionnaireLoads& keys = tables.questionnaire;

    ReadSubjects(file("materiasp"), tables.subjects);
    ReadLimitedPaddedTable(readers, file("carreran"), tables.degreeNames, kNamesWidth,
                           DegreeTables::kDegrees, "grados");
    readers.ReadFixedLines120(file("carrenue"), tables.specificTitles);
    ReadLimitedPaddedTable(readers, file("carreranb"), tables.degreeGroupNames, kNamesWidth,
                           DegreeTables::kGroups, "grupos de grados");
    readers.ReadPaddedTable(file("otros"), tables.otherStudies, kOtherStudiesWidth);
    readers.ReadPaddedTable(file("itinerar"), keys.itineraries, kNamesWidth);
    // "fp", "reqfp", "asignafp" and "familias".
    LoadFpHigher(enlace);
    readers.ReadBlocks51(file("asignaot"), tables.otherStudyBlocks);
    if (readers.ReadRawTable(file("activida"), keys.activities)) {
        keys.activityCodes.assign(1, std::string());
        keys.activityNames.assign(1, std::string());
        for (int k = 1; k <= keys.activities.count; ++k) {
            const std::string& line = keys.activities[k];
            keys.activityCodes.push_back(line.substr(0, 4));
            keys.activityNames.push_back(line.size() > 5 ? line.substr(5, 60) : std::string());
        }
    }
    tables.itineraryCount = DegreeTables::kItineraries;
    keys.professions = ReadProfessionRecords(file("profesio"));

    tables.groupingPrompt = enlace.texts[kGroupingPrompt];
    for (size_t i = 0; i < kGroupingItems.size(); ++i)
        tables.groupingItems[i] = enlace.texts[kGroupingItems[i]];

    if (enlace.stopFlag) return;
    tables.degreeNames.set(0, enlace.texts[kNoDegreeTitle]);
    keys.itineraries.set(0, enlace.texts[kItinerariesTitle]);
    fp.titlesGS.set(0, enlace.texts[kHigherTitlesTitle]);
    fp.accessLinesGS.set(0, enlace.texts[kAccessTitle]);
}

void ReadDegreeAttributes(Enlace& enlace, const QString& path, DegreeTables& tables) {
    IntGrid rows = tables.degreeAttributes;
    enlace.readers.ReadIntegerRows(path, DegreeTables::kAttributeFields, rows);
    const int count = enlace.lineBuffer.count;  // the rows the reader filled
    for (int r = 1; r <= count; ++r) {
        const QString broken = BrokenAttributeRule(rows, r);
        if (!broken.isEmpty()) throw DataError(DataError::Kind::Format, path, r, broken);
    }
    tables.degreeAttributes = std::move(rows);
    for (int d = 1; d <= tables.degreeCount(); ++d)
        tables.degreeBranch[static_cast<size_t>(d)] = tables.attribute(d, DegreeTables::kBranch);
}

void ReadDataFiles(Enlace& enlace, DegreeTables& tables) {
    Readers& readers = enlace.readers;
    const auto file = [&](const char* name) { return enlace.paths.dataFile(QLatin1String(name)); };
    QuestionnaireLoads& keys = tables.questionnaire;

    readers.ReadPaddedTable(file("comunida"), tables.communities, kCommunitiesWidth);
    tables.places = ReadPlaces(file("lugar"));
    tables.communityPortals = ReadCommunityPortals(file("comuint"));
    LoadCentreLists(enlace);
    readers.ReadCountedBytes(file("cuestiocua"), keys.qualityKeys);
    readers.ReadCountedBytes(file("cuestioint"), keys.interestKeys);
    readers.ReadCountedBytes(file("cuestioESO"), keys.esoKeys);
    readers.ReadDegreeLists(file("datcarnphp"), tables.degreeCount(), tables.offerings);
    ReadDegreeAttributes(enlace, file("datgradosphp"), tables);
    // "datfpsphp" and "datluggsphp".
    LoadFpHigherPlaces(enlace);
    ReadDoubleDegrees(file("dobles"), tables, enlace.messages, enlace.stopFlag,
                      tables.doubleDegrees);
}

}  // namespace

QString BrokenAttributeRule(const IntGrid& rows, int row) {
    const auto field = [&](int f) { return rows.at(row, f); };
    const auto outside = [&](int f, int low, int high) {
        return field(f) < low || field(f) > high;
    };
    if (outside(DegreeTables::kBranch, 1, 5))
        return QStringLiteral("la rama %1 no es 1..5").arg(field(DegreeTables::kBranch));
    if (outside(DegreeTables::kGroup, 0, DegreeTables::kGroups))
        return QStringLiteral("el grupo %1 no es 0..%2")
            .arg(field(DegreeTables::kGroup))
            .arg(DegreeTables::kGroups);
    for (int f = DegreeTables::kFirstItinerary; f <= DegreeTables::kSecondItinerary; ++f) {
        if (outside(f, 0, DegreeTables::kItineraries))
            return QStringLiteral("el itinerario %1 no es 0..%2")
                .arg(field(f))
                .arg(DegreeTables::kItineraries);
    }
    for (int f = DegreeTables::kFirstProfession; f <= DegreeTables::kLastProfession; ++f) {
        if (outside(f, 0, DegreeTables::kProfessions))
            return QStringLiteral("la profesión %1 no es 0..%2")
                .arg(field(f))
                .arg(DegreeTables::kProfessions);
    }
    if (outside(DegreeTables::kCatalogueCategory, 0, DegreeTables::kFamilies))
        return QStringLiteral("la familia %1 no es 0..%2")
            .arg(field(DegreeTables::kCatalogueCategory))
            .arg(DegreeTables::kFamilies);
    if (outside(DegreeTables::kDegreeCode, 0, 999))
        return QStringLiteral("el código %1 tiene más de tres cifras")
            .arg(field(DegreeTables::kDegreeCode));
    for (int f = DegreeTables::kFirstSubject; f <= DegreeTables::kLastSubject; ++f) {
        const int v = field(f);
        if (v != DegreeTables::kOwnEntranceTest && (v < 0 || v > DegreeTables::kWeightedSubjects))
            return QStringLiteral("la materia %1 no es 0, 1..%2 ni %3")
                .arg(v)
                .arg(DegreeTables::kWeightedSubjects)
                .arg(DegreeTables::kOwnEntranceTest);
    }
    return {};
}

void LoadDegreeData(Enlace& enlace) {
    DegreeTables& tables = enlace.degreeTables;
    ReadLanguageFiles(enlace, tables);
    if (enlace.stopFlag) return;
    ReadDataFiles(enlace, tables);
}

}  // namespace velmora
