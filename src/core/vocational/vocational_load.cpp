#include "core/vocational/vocational_load.h"

#include <algorithm>

#include "core/shared/cp1252.h"
#include "core/shared/data_error.h"
#include "core/shared/enlace.h"
#include "core/shared/messages.h"
#include "core/shared/text_file.h"
#include "core/university/degree_readers.h"
#include "core/vocational/vocational_queries.h"

namespace velmora {
namespace {

constexpr int kTitleWidth = 60;
constexpr int kAccessWidth = 55;
constexpr int kCentreWidth = 60;
constexpr int kCertificateWidth = 60;
constexpr int kGroupsLine = 30;       // "familias" lines 30-38
constexpr int kBasicGroupsLine = 40;  // "familias" lines 40-48
constexpr size_t kAreaIndex = VocationalTables::kAreaColumn - 1;

constexpr const char* kProvinceCodes[VocationalTables::kProvinceCodes] = {
    "37", "38", "39", "3A", "3B", "3C", "3G", "3D", "3E", "3F", "16", "1I", "1J", "1K", "11", "2E",
    "36", "3J", "14", "21", "24", "2D", "26", "27", "12", "13", "17", "1A", "1D", "1E", "1F", "1G",
    "1H", "45", "4A", "46", "47", "48", "49", "2K", "2L", "15", "18", "19", "1B", "2J", "28", "2H",
    "29", "2A", "2B", "2C", "33", "2I", "42", "43", "41", "44", "22", "25", "23", "2G", "31", "32"};

QString Shown(std::string_view bytes) {
    return cp1252::Decode(bytes.substr(0, 40));
}

// "fp" or "fp2" read for its headers: texts and title numbers, the table untouched when the file
// is missing.
void ReadHeaders(Readers& readers, const QString& path, TitleHeaders& headers) {
    LineTable texts = MakeMarkedLinesTable();
    std::vector<int> lines;
    if (!readers.ReadMarkedLines(path, texts, lines, kTitleWidth)) return;
    headers.texts = std::move(texts);
    std::fill(headers.titleNumbers.begin(), headers.titleNumbers.end(), 0);
    for (int k = 1; k <= headers.count(); ++k)
        headers.titleNumbers[static_cast<size_t>(k)] = lines[static_cast<size_t>(k - 1)];
}

// A counted-list file with one section per centre list, as long as the shared lists.
void ReadOffers(Enlace& enlace, const QString& path,
                std::array<IntGrid, VocationalTables::kCentreLists>& offers) {
    std::vector<int> lengths;
    std::vector<IntGrid*> sections;
    for (size_t k = 0; k < offers.size(); ++k) {
        lengths.push_back(enlace.vocational.centreLists[k].count);
        sections.push_back(&offers[k]);
    }
    enlace.readers.ReadCountedLists(path, lengths, sections);
}

// The lines of the Madrid range of lu2: from the first line starting with "8" to the line before
// the first starting with "D" (to the end when there is none); {0, 0} when no line starts with
// "8".
std::pair<int, int> MadridRange(const LineTable& lu2) {
    int first = 0;
    int end = lu2.count + 1;
    for (int k = 1; k <= lu2.count; ++k) {
        if (first == 0 && lu2[k].starts_with('8')) first = k;
        if (lu2[k].starts_with('D')) {
            end = k;
            break;
        }
    }
    if (first == 0) return {0, 0};
    return {first, end};
}

// Column 45 of a centre line, and the line with a blank in its place.
char AreaCharacter(const std::string& line) {
    return line.size() > kAreaIndex ? line[kAreaIndex] : ' ';
}
std::string WithBlankArea(std::string line) {
    if (line.size() > kAreaIndex) line[kAreaIndex] = ' ';
    return line;
}

void ReplaceFirstCharacter(LineTable& list, char from, char to) {
    for (int k = 1; k <= list.count; ++k) {
        if (!list[k].starts_with(from)) continue;
        std::string line = list[k];
        line[0] = to;
        list.set(k, line);
    }
}

int SlotNumber(std::string_view slot, const QString& path, int line) {
    if (Trim(slot).empty()) return 0;
    const auto value = ColumnInteger(slot, 1, static_cast<int>(slot.size()));
    if (!value || *value < 0) {
        throw DataError::Format(
            path, line, QStringLiteral("«%1» no es un número de cabecera").arg(Shown(slot)));
    }
    return *value;
}

}  // namespace

FamilyGroups ReadFamilyGroups(const LineTable& families, int firstLine, const QString& path) {
    FamilyGroups groups;
    for (int g = 1; g <= FamilyGroups::kGroups; ++g) {
        const int lineNo = firstLine + g - 1;
        const std::string& line = families[lineNo];
        FamilyGroup& group = groups.groups[static_cast<size_t>(g)];
        for (size_t s = 0; s < group.headers.size(); ++s)
            group.headers[s] = SlotNumber(Columns(line, 2 * s + 1, 2 * s + 2), path, lineNo);
        group.name = std::string(Trim(Columns(line, 7, 60)));
    }
    groups.count = FamilyGroups::kGroups;
    return groups;
}

void ComputeCatalogueMarks(const LineTable& titles, const TitleHeaders& headers,
                           CatalogueMarks& marks) {
    for (int k = 1; k <= headers.count(); ++k) {
        if (headers.texts[k].starts_with('|')) {
            marks.barHeaderBase = k - 1;
            break;
        }
    }
    const auto first = [&](char mark) {
        for (int t = 1; t <= titles.count; ++t) {
            if (titles[t].size() > 1 && titles[t][1] == mark) return t;
        }
        return 0;
    };
    if (const int t = first('|')) marks.firstBarLine = t;
    if (const int t = first('!')) marks.firstBangLine = t;
}

void BuildBasicHeaders(const LineTable& titles, const QString& path, VocationalTables& tables) {
    std::array<int, VocationalTables::kBasicHeaders + 1> headers{};
    int count = 0;
    for (int t = 1; t <= titles.count; ++t) {
        if (!IsHeaderLine(titles[t])) continue;
        if (count == VocationalTables::kBasicHeaders) {
            throw DataError::Capacity(
                path, t, QStringLiteral("más de %1 familias").arg(VocationalTables::kBasicHeaders));
        }
        if (t > VocationalTables::kHeaderLineLimit) {
            throw DataError::Capacity(path, t,
                                      QStringLiteral("una familia más allá de la línea %1")
                                          .arg(VocationalTables::kHeaderLineLimit));
        }
        headers[static_cast<size_t>(++count)] = t;
    }
    tables.basicHeaders = headers;
    tables.basicHeaderCount = count;
}

std::vector<int> CertificateHeaderEntries(const LineTable& certifica, const QString& path) {
    constexpr int kAreas = VocationalTables::kCertificateAreas;
    std::vector<int> headers;
    for (int c = 1; c <= certifica.count - kAreas; ++c) {
        const std::string& line = certifica[c + kAreas];
        if (line.size() < 2 || line[1] != '-') continue;
        if (static_cast<int>(headers.size()) == VocationalTables::kCertificateHeaders) {
            throw DataError::Capacity(path, c + kAreas,
                                      QStringLiteral("más de %1 familias de certificados")
                                          .arg(VocationalTables::kCertificateHeaders));
        }
        if (c > VocationalTables::kHeaderLineLimit) {
            throw DataError::Capacity(path, c + kAreas,
                                      QStringLiteral("una familia más allá de la entrada %1")
                                          .arg(VocationalTables::kHeaderLineLimit));
        }
        headers.push_back(c);
    }
    return headers;
}

void ReadComarcas(const QString& path, Messages& messages, ComarcaTable& table) {
    const TextLines file = ReadTextFile(path);
    ComarcaTable read = table;
    int accepted = 0;
    int bad = 0;
    for (size_t i = 0; i < file.lines.size(); ++i) {
        const std::string_view line = file.lines[i];
        const int k = static_cast<int>(i) + 1;
        if (k > ComarcaTable::kEntries) {
            throw DataError::Capacity(
                path, k,
                QStringLiteral("más de %1 comarcas y distritos").arg(ComarcaTable::kEntries));
        }
        const std::string code(Columns(line, 1, 2));
        if (k <= ComarcaTable::kComarcas) {
            const auto m = ColumnInteger(line, 3, 4);
            if (!m) {
                bad = k;
                break;
            }
            if (*m < 1 || *m > ComarcaTable::kEntries) {
                throw DataError::Format(path, k,
                                        QStringLiteral("la comarca %1 no es 1..%2")
                                            .arg(*m)
                                            .arg(ComarcaTable::kEntries));
            }
            read.entries[static_cast<size_t>(*m)] = {std::string(Columns(line, 5, 24)), code, 0};
            read.order[static_cast<size_t>(k)] = *m;
        } else {
            read.entries[static_cast<size_t>(k)] = {std::string(Columns(line, 3, 32)), code, 0};
        }
        accepted = k;
    }
    read.count = accepted;
    table = std::move(read);
    if (bad > 0) messages.showMessage(QStringLiteral("mal %1").arg(bad));
}

void ReadMadridZones(const QString& path, Messages& messages, MadridZoneTable& table) {
    const TextLines file = ReadTextFile(path);
    MadridZoneTable read = table;
    std::array<std::vector<int>, MadridZoneTable::kZones + 1> zoneLines;
    int accepted = 0;
    bool bad = false;
    for (size_t i = 0; i < file.lines.size(); ++i) {
        const std::string_view line = file.lines[i];
        const int k = static_cast<int>(i) + 1;
        if (k > MadridZoneTable::kLines) {
            throw DataError::Capacity(
                path, k, QStringLiteral("más de %1 líneas de zonas").arg(MadridZoneTable::kLines));
        }
        const auto z = ColumnInteger(line, 3, 4);
        if (!z) {
            bad = true;
            break;
        }
        if (*z < 1 || *z > MadridZoneTable::kZones) {
            throw DataError::Format(
                path, k,
                QStringLiteral("la zona %1 no es 1..%2").arg(*z).arg(MadridZoneTable::kZones));
        }
        auto& lines = zoneLines[static_cast<size_t>(*z)];
        if (static_cast<int>(lines.size()) == MadridZoneTable::kLinesPerZone) {
            throw DataError::Capacity(path, k,
                                      QStringLiteral("la zona %1 tiene más de %2 líneas")
                                          .arg(*z)
                                          .arg(MadridZoneTable::kLinesPerZone));
        }
        lines.push_back(k);
        read.entries[static_cast<size_t>(k)] = {std::string(Columns(line, 5, 29)),
                                                std::string(Columns(line, 1, 2)), *z};
        accepted = k;
    }
    read.count = accepted;
    if (!bad) read.zoneLines = std::move(zoneLines);
    table = std::move(read);
    if (bad) messages.showMessage(QStringLiteral("mal %1").arg(accepted));
}

void BuildAreaCodes(VocationalTables& tables) {
    if (tables.areaCodesBuilt) return;
    LineTable& lu4 = tables.centreLists[3];
    LineTable& lu2 = tables.centreLists[1];
    std::fill(tables.areaCodesCat.begin(), tables.areaCodesCat.end(), std::string());
    std::fill(tables.areaCodesMadrid.begin(), tables.areaCodesMadrid.end(), std::string());

    // Barcelona's city lines join its comarcas: one province character for both.
    ReplaceFirstCharacter(lu4, 'A', '5');
    int first = 0;
    for (int k = 1; k <= lu4.count && first == 0; ++k) {
        if (lu4[k].starts_with('5')) first = k;
    }
    if (first > 0) {
        for (int k = first; k <= lu4.count; ++k) {
            const std::string& line = lu4[k];
            tables.areaCodesCat[static_cast<size_t>(k)] = {line.empty() ? ' ' : line[0],
                                                           AreaCharacter(line)};
            lu4.set(k, WithBlankArea(line));
        }
    }

    ReplaceFirstCharacter(lu2, 'H', '8');
    const auto [from, end] = MadridRange(lu2);
    for (int k = from; k > 0 && k < end; ++k) {
        const std::string& line = lu2[k];
        tables.areaCodesMadrid[static_cast<size_t>(k)] = {line[0], AreaCharacter(line)};
        lu2.set(k, WithBlankArea(line));
    }
    tables.areaCodesBuilt = true;
}

void BlankMadridAreaColumn(LineTable& lu2) {
    const auto [from, end] = MadridRange(lu2);
    for (int k = from; k > 0 && k < end; ++k) lu2.set(k, WithBlankArea(lu2[k]));
}

void FillProvinceCodes(VocationalTables& tables) {
    for (int s = 1; s <= VocationalTables::kProvinceCodes; ++s)
        tables.provinceCodes[static_cast<size_t>(s)] = kProvinceCodes[s - 1];
}

void LoadFpHigher(Enlace& enlace) {
    VocationalTables& t = enlace.vocational;
    Readers& readers = enlace.readers;
    const auto file = [&](const char* name) {
        return enlace.paths.languageFile(QLatin1String(name));
    };
    readers.ReadPaddedTable(file("fp"), t.titlesGS, kTitleWidth);
    ReadHeaders(readers, file("fp"), t.headersGS);
    readers.ReadPaddedTable(file("reqfp"), t.accessLinesGS, kAccessWidth);
    readers.ReadBlocks26(file("asignafp"), t.blocksGS);
    if (readers.ReadRawTable(file("familias"), t.families)) {
        t.families.count = VocationalTables::kFamilies;
        t.familyGroups = ReadFamilyGroups(t.families, kGroupsLine, file("familias"));
    }
    ComputeCatalogueMarks(t.titlesGS, t.headersGS, t.marksGS);
}

void LoadCentreLists(Enlace& enlace) {
    VocationalTables& t = enlace.vocational;
    const char* names[] = {"lu1", "lu2", "lu3", "lu4"};
    for (size_t k = 0; k < t.centreLists.size(); ++k) {
        if (enlace.readers.ReadPaddedTable(enlace.paths.dataFile(QLatin1String(names[k])),
                                           t.centreLists[k], kCentreWidth))
            t.areaCodesBuilt = false;
    }
}

void LoadFpHigherPlaces(Enlace& enlace) {
    VocationalTables& t = enlace.vocational;
    enlace.readers.ReadIntegerRows(enlace.paths.dataFile(QStringLiteral("datfpsphp")),
                                   VocationalTables::kFactsGSFields, t.factsGS);
    ReadOffers(enlace, enlace.paths.dataFile(QStringLiteral("datluggsphp")), t.offersGS);
}

void LoadFpMiddle(Enlace& enlace) {
    VocationalTables& t = enlace.vocational;
    Readers& readers = enlace.readers;
    const QString fp2 = enlace.paths.languageFile(QStringLiteral("fp2"));
    readers.ReadPaddedTable(fp2, t.titlesGM, kTitleWidth);
    ReadHeaders(readers, fp2, t.headersGM);
    readers.ReadBlocks26(enlace.paths.languageFile(QStringLiteral("asignagm")), t.blocksGM);
    ComputeCatalogueMarks(t.titlesGM, t.headersGM, t.marksGM);
    // The line after the last family's titles is the end of the file.
    t.headersGM.setEndSentinel(t.titlesGM.count);
}

void LoadFpMiddlePlaces(Enlace& enlace) {
    VocationalTables& t = enlace.vocational;
    ReadOffers(enlace, enlace.paths.dataFile(QStringLiteral("datluggmphp")), t.offersGM);
    enlace.readers.ReadIntegerRows(enlace.paths.dataFile(QStringLiteral("datfpmphp")),
                                   VocationalTables::kFactsGMColumns, t.factsGM);
}

void LoadComarcas(Enlace& enlace) {
    VocationalTables& t = enlace.vocational;
    ReadComarcas(enlace.paths.dataFile(QStringLiteral("comarcas")), enlace.messages, t.comarcas);
    ReadMadridZones(enlace.paths.dataFile(QStringLiteral("comarcasm")), enlace.messages,
                    t.madridZones);
    BuildAreaCodes(t);
}

void LoadIntermediateFamilyGroups(Enlace& enlace) {
    VocationalTables& t = enlace.vocational;
    t.intermediateFamilyGroups = ReadFamilyGroups(
        t.families, kGroupsLine, enlace.paths.languageFile(QStringLiteral("familias")));
}

void LoadFpBasic(Enlace& enlace) {
    VocationalTables& t = enlace.vocational;
    Readers& readers = enlace.readers;
    ReadOffers(enlace, enlace.paths.dataFile(QStringLiteral("datlugbasphp")), t.offersBasic);
    const QString fpba = enlace.paths.languageFile(QStringLiteral("fpba"));
    LineTable titles = MakePaddedTable();
    if (readers.ReadPaddedTable(fpba, titles, kTitleWidth)) {
        BuildBasicHeaders(titles, fpba, t);
        t.titlesBasic = std::move(titles);
    }
    readers.ReadBlocks26(enlace.paths.languageFile(QStringLiteral("asignaba")), t.blocksBasic);
    t.basicFamilyGroups = ReadFamilyGroups(t.families, kBasicGroupsLine,
                                           enlace.paths.languageFile(QStringLiteral("familias")));
    LineTable lu2 = MakePaddedTable();
    if (readers.ReadPaddedTable(enlace.paths.dataFile(QStringLiteral("lu2")), lu2, kCentreWidth)) {
        BlankMadridAreaColumn(lu2);
        t.basicLu2 = std::move(lu2);
    }
}

void LoadCertificates(Enlace& enlace) {
    VocationalTables& t = enlace.vocational;
    Readers& readers = enlace.readers;
    constexpr int kAreas = VocationalTables::kCertificateAreas;

    const QString certifica = enlace.paths.languageFile(QStringLiteral("certifica"));
    LineTable read = MakePaddedTable();
    if (readers.ReadPaddedTable(certifica, read, kCertificateWidth)) {
        LineTable moved = MakePaddedTable();
        moved.set(0, read[0]);
        moved.count = std::max(0, read.count - kAreas);
        for (int c = 1; c <= moved.count; ++c) moved.set(c, read[c + kAreas]);
        std::vector<int> headers = CertificateHeaderEntries(read, certifica);
        for (int a = 1; a <= kAreas; ++a) {
            const std::string& line = read[a];
            t.certificateAreas[static_cast<size_t>(a)] = {std::string(Columns(line, 1, 8)),
                                                          std::string(Columns(line, 9, 60))};
        }
        t.certificates = std::move(moved);
        t.certificateHeaders = std::move(headers);
    }

    LineTable hours = MakeRawTable90();
    if (readers.ReadRawTable90(enlace.paths.languageFile(QStringLiteral("certificah")), hours)) {
        LineTable moved = MakeRawTable90();
        moved.set(0, hours[0]);
        moved.count = std::max(0, hours.count - kAreas);
        for (int c = 1; c <= moved.count; ++c) moved.set(c, hours[c + kAreas]);
        for (int a = 1; a <= kAreas; ++a) {
            t.hourLabels[static_cast<size_t>(a)] =
                std::string(Bounded(hours[a], VocationalTables::kHourLabelWidth));
        }
        t.certificateHours = std::move(moved);
    }
}

}  // namespace velmora
