#include "core/vocational/vocational_check.h"

#include <QFileInfo>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "core/shared/cp1252.h"
#include "core/shared/cross_file_check.h"
#include "core/shared/data_error.h"
#include "core/shared/data_paths.h"
#include "core/shared/fields.h"
#include "core/shared/messages.h"
#include "core/shared/readers.h"
#include "core/shared/text_file.h"
#include "core/university/degree_readers.h"
#include "core/vocational/vocational_load.h"
#include "core/vocational/vocational_queries.h"

namespace velmora {
namespace {

constexpr int kBlockPeriod = 26;
constexpr int kTitleWidth = 60;
constexpr int kHeaderWidth = 61;  // "-" and the 60 characters of the header's text
constexpr int kCatalonia = 9;
constexpr int kMadrid = 13;
constexpr int kGroupsLine = 30;
constexpr int kBasicGroupsLine = 40;

int LineCount(const TextLines& file) {
    return static_cast<int>(file.lines.size());
}

QString Text(std::string_view bytes) {
    return cp1252::Decode(TrimRight(bytes.substr(0, 50)));
}

// The files of one level: titles, subject blocks, facts (with their fields and the cell of the
// family number) and centre offers.
struct LevelFiles {
    const char* titles;
    const char* blocks;
    const char* facts;
    int factFields;
    int familyField;  // from 0
    const char* offers;
};

constexpr LevelFiles kLevels[] = {
    {"fp", "asignafp", "datfpsphp", VocationalTables::kFactsGSFields,
     VocationalTables::kFamilyFieldGS - 1, "datluggsphp"},
    {"fp2", "asignagm", "datfpmphp", VocationalTables::kFactsGMColumns,
     VocationalTables::kFamilyFieldGM - 1, "datluggmphp"},
    {"fpba", "asignaba", nullptr, 0, 0, "datlugbasphp"},
};
constexpr int kLevelCount = 3;

// What the rules need of a title file.
struct TitleFile {
    QString path;
    int lines = 0;
    std::vector<int> headerLines;          // header k in entry k-1
    std::vector<std::string> headerTexts;  // columns 2 on, trimmed
    std::vector<bool> isHeader;            // line t in entry t

    bool header(int t) const { return t >= 1 && t <= lines && isHeader[static_cast<size_t>(t)]; }
    // The header number whose family holds line t; 0 before the first header.
    int headerOf(int t) const {
        int found = 0;
        for (size_t k = 0; k < headerLines.size() && headerLines[k] <= t; ++k)
            found = static_cast<int>(k) + 1;
        return found;
    }
};

TitleFile Describe(const QString& path, const TextLines& file) {
    TitleFile out;
    out.path = path;
    out.lines = LineCount(file);
    out.isHeader.assign(static_cast<size_t>(out.lines) + 1, false);
    for (int t = 1; t <= out.lines; ++t) {
        const std::string_view line = file.lines[static_cast<size_t>(t - 1)];
        if (!IsHeaderLine(line)) continue;
        out.isHeader[static_cast<size_t>(t)] = true;
        out.headerLines.push_back(t);
        out.headerTexts.emplace_back(Trim(line.substr(1)));
    }
    return out;
}

// Columns 2 on of a "familias" line: the family's name.
std::string_view FamilyName(std::string_view line) {
    return line.empty() ? line : line.substr(1);
}

bool SameName(std::string_view a, std::string_view b) {
    return cp1252::Decode(Trim(a)).compare(cp1252::Decode(Trim(b)), Qt::CaseInsensitive) == 0;
}

class VocationalChecker : private CrossFileCheck {
  public:
    VocationalChecker(const DataPaths& paths, std::vector<DataProblem>& problems)
        : CrossFileCheck(paths, problems) {}

    void run() {
        readReferences();
        for (int code = 0; code < kLanguageCount; ++code) {
            checkSameLines(code);
            checkTitleFiles(code);
            checkFamilies(code);
            checkCertificates(code);
        }
        checkCentreLists();
        for (int level = 0; level < kLevelCount; ++level) {
            checkFacts(level);
            checkOffers(level);
        }
        checkComarcaNumbers();
        checkAreaCodes();
        checkCatalogueFamilies();
    }

  private:
    void checkWidth(const QString& path, const TextLines& file, int width, int headerWidth) {
        for (size_t i = 0; i < file.lines.size(); ++i) {
            const int length = static_cast<int>(TrimRight(file.lines[i]).size());
            const int room = IsHeaderLine(file.lines[i]) ? headerWidth : width;
            if (length > room) {
                add(path, static_cast<int>(i) + 1,
                    QStringLiteral("la línea tiene %1 caracteres y caben %2")
                        .arg(length)
                        .arg(room));
                return;
            }
        }
    }

    // The reference of each level is its title file in the first language that has it (the
    // data folder's files count its lines), and the centre lists' lengths.
    void readReferences() {
        for (int level = 0; level < kLevelCount; ++level) {
            for (int code = 0; code < kLanguageCount && !reference_[level]; ++code) {
                const QString path = languageFile(code, kLevels[level].titles);
                if (const auto file = TryRead(path)) reference_[level] = Describe(path, *file);
            }
        }
        for (int code = 0; code < kLanguageCount && !reqfpLines_; ++code) {
            if (const auto file = TryRead(languageFile(code, "reqfp")))
                reqfpLines_ = LineCount(*file);
        }
        const char* lists[] = {"lu1", "lu2", "lu3", "lu4"};
        for (const char* list : lists) {
            const auto file = TryRead(dataFile(list));
            centreCounts_.push_back(file ? LineCount(*file) : 0);
            centresPresent_ = centresPresent_ && file.has_value();
        }
    }

    // Every language file of vocational training has the lines of the Castilian one, and the
    // title files their headers on the same lines, since the data folder's files count them.
    void checkSameLines(int code) {
        struct Named {
            const char* name;
            int width;
        };
        const Named files[] = {{"fp", kTitleWidth},
                               {"fp2", kTitleWidth},
                               {"fpba", kTitleWidth},
                               {"asignafp", kTitleWidth},
                               {"asignagm", kTitleWidth},
                               {"asignaba", kTitleWidth},
                               {"reqfp", 55},
                               {"familias", kTitleWidth},
                               {"certifica", kTitleWidth},
                               {"certificah", 90}};
        for (const Named& named : files) {
            const QString path = languageFile(code, named.name);
            const auto file = TryRead(path);
            if (!file) continue;
            const bool titles = QLatin1String(named.name).startsWith(QLatin1String("fp"));
            checkWidth(path, *file, named.width, titles ? kHeaderWidth : named.width);
            const QString name = QLatin1String(named.name);
            if (code == 0) {
                castilianLines_[name] = LineCount(*file);
                continue;
            }
            const auto found = castilianLines_.find(name);
            if (found != castilianLines_.end() && found->second != LineCount(*file)) {
                add(path, 0,
                    QStringLiteral("tiene %1 líneas y cas/%2 %3")
                        .arg(LineCount(*file))
                        .arg(name)
                        .arg(found->second));
            }
        }
    }

    void checkTitleFiles(int code) {
        for (int level = 0; level < kLevelCount; ++level) {
            const LevelFiles& files = kLevels[level];
            const QString path = languageFile(code, files.titles);
            const auto file = TryRead(path);
            if (!file) continue;
            const TitleFile titles = Describe(path, *file);
            titles_[level][code] = titles;
            if (titles.lines > VocationalTables::kTitles) {
                add(path, VocationalTables::kTitles + 1,
                    QStringLiteral("las tablas de cada título caben %1 líneas")
                        .arg(VocationalTables::kTitles));
            }
            const TitleFile& reference = *reference_[level];
            if (reference.path != path && reference.headerLines != titles.headerLines) {
                add(path, 0,
                    QStringLiteral("sus familias no empiezan en las líneas de %1")
                        .arg(reference.path));
            }
            if (level == 2) checkBasicHeaders(path);
            const QString blocksPath = languageFile(code, files.blocks);
            if (const auto blocks = TryRead(blocksPath)) {
                if (LineCount(*blocks) != kBlockPeriod * titles.lines) {
                    add(blocksPath, 0,
                        QStringLiteral("tiene %1 líneas y son %2: un bloque de %3 por línea de %4")
                            .arg(LineCount(*blocks))
                            .arg(kBlockPeriod * titles.lines)
                            .arg(kBlockPeriod)
                            .arg(QLatin1String(files.titles)));
                }
            }
        }
    }

    void checkBasicHeaders(const QString& path) {
        LineTable table = MakePaddedTable();
        try {
            if (!readers_.ReadPaddedTable(path, table, kTitleWidth)) return;
            auto tables = std::make_unique<VocationalTables>();
            BuildBasicHeaders(table, path, *tables);
        } catch (const DataError& error) {
            add(error.file(), error.line(), error.reason());
        }
    }

    // "familias": the 26 families with their keys, in the order of the headers of fp and fp2,
    // and groups that name headers both files have.
    void checkFamilies(int code) {
        const QString path = languageFile(code, "familias");
        LineTable families = MakeRawTable();
        try {
            if (!readers_.ReadRawTable(path, families)) return;
        } catch (const DataError&) {
            return;
        }
        const int lines = families.count;
        if (lines < VocationalTables::kFamilies) {
            add(path, 0,
                QStringLiteral("hay %1 líneas y las familias son %2")
                    .arg(lines)
                    .arg(VocationalTables::kFamilies));
        }
        for (int f = 1; f <= std::min(lines, VocationalTables::kFamilies); ++f) {
            if (!families[f].starts_with(FamilyKeyOfNumber(f))) {
                add(path, f,
                    QStringLiteral("la familia %1 lleva la clave «%2»")
                        .arg(f)
                        .arg(QLatin1Char(FamilyKeyOfNumber(f))));
            }
        }
        const auto fp = titles_[0].find(code);
        const auto fp2 = titles_[1].find(code);
        const auto fpba = titles_[2].find(code);
        const TitleFile* higher = fp == titles_[0].end() ? nullptr : &fp->second;
        const TitleFile* middle = fp2 == titles_[1].end() ? nullptr : &fp2->second;
        for (const TitleFile* file : {higher, middle}) {
            if (!file) continue;
            const int headers = static_cast<int>(file->headerTexts.size());
            if (headers < VocationalTables::kFamilies) {
                add(file->path, 0,
                    QStringLiteral("tiene %1 familias y han de estar las %2")
                        .arg(headers)
                        .arg(VocationalTables::kFamilies));
            }
            for (int f = 1; f <= std::min({headers, lines, VocationalTables::kFamilies}); ++f) {
                const std::string& header = file->headerTexts[static_cast<size_t>(f - 1)];
                if (!SameName(header, FamilyName(families[f]))) {
                    add(file->path, file->headerLines[static_cast<size_t>(f - 1)],
                        QStringLiteral("la familia %1 es «%2» en familias y aquí «%3»")
                            .arg(f)
                            .arg(Text(FamilyName(families[f])))
                            .arg(Text(header)));
                }
            }
        }
        checkGroups(path, families, kGroupsLine, {higher, middle});
        checkGroups(path, families, kBasicGroupsLine,
                    {fpba == titles_[2].end() ? nullptr : &fpba->second});
    }

    void checkGroups(const QString& path, const LineTable& families, int firstLine,
                     std::initializer_list<const TitleFile*> files) {
        FamilyGroups groups;
        try {
            groups = ReadFamilyGroups(families, firstLine, path);
        } catch (const DataError& error) {
            add(error.file(), error.line(), error.reason());
            return;
        }
        for (int g = 1; g <= FamilyGroups::kGroups; ++g) {
            for (const int h : groups.group(g).headers) {
                for (const TitleFile* file : files) {
                    if (!file || h <= static_cast<int>(file->headerLines.size())) continue;
                    add(path, firstLine + g - 1,
                        QStringLiteral("el grupo %1 nombra la familia %2 y %3 tiene %4")
                            .arg(g)
                            .arg(h)
                            .arg(file->path)
                            .arg(file->headerLines.size()));
                }
            }
        }
    }

    // "certifica": nine areas of family keys, then certificates keyed by family, with their
    // section limits; "certificah" has a line for every line of it.
    void checkCertificates(int code) {
        const QString path = languageFile(code, "certifica");
        LineTable table = MakePaddedTable();
        try {
            if (!readers_.ReadPaddedTable(path, table, kTitleWidth)) return;
            CertificateHeaderEntries(table, path);
        } catch (const DataError& error) {
            add(error.file(), error.line(), error.reason());
            return;
        }
        constexpr int kAreas = VocationalTables::kCertificateAreas;
        if (table.count < kAreas) {
            add(path, 0, QStringLiteral("faltan las %1 áreas").arg(kAreas));
            return;
        }
        for (int a = 1; a <= kAreas; ++a) {
            for (const char key : std::string_view(table[a]).substr(0, 8)) {
                if (key != ' ' && FamilyNumberOfKey(key) == 0) {
                    add(path, a,
                        QStringLiteral("«%1» no es la clave de una familia").arg(QLatin1Char(key)));
                    break;
                }
            }
        }
        for (int n = kAreas + 1; n <= table.count; ++n) {
            if (FamilyNumberOfKey(table[n].empty() ? ' ' : table[n][0]) == 0)
                add(path, n, QStringLiteral("la columna 1 no es la clave de una familia"));
        }
        const QString hours = languageFile(code, "certificah");
        if (const auto file = TryRead(hours)) {
            if (LineCount(*file) != table.count) {
                add(hours, 0,
                    QStringLiteral("tiene %1 líneas y certifica %2")
                        .arg(LineCount(*file))
                        .arg(table.count));
            }
        }
    }

    // Every centre line starts with the province character of a code of its list.
    void checkCentreLists() {
        std::set<std::string> codes;
        auto tables = std::make_unique<VocationalTables>();
        FillProvinceCodes(*tables);
        for (int s = 1; s <= VocationalTables::kProvinceCodes; ++s)
            codes.insert(tables->provinceCodes[static_cast<size_t>(s)]);
        for (int list = 1; list <= VocationalTables::kCentreLists; ++list) {
            const QString path = dataFile(("lu" + std::to_string(list)).c_str());
            const auto file = TryRead(path);
            if (!file) continue;
            checkWidth(path, *file, kTitleWidth, kTitleWidth);
            for (int c = 1; c <= LineCount(*file); ++c) {
                const std::string_view line = file->lines[static_cast<size_t>(c - 1)];
                const char province = line.empty() ? ' ' : line[0];
                if (!codes.count(std::string{static_cast<char>('0' + list), province})) {
                    add(path, c,
                        QStringLiteral("«%1» no es la provincia de ningún código de lu%2")
                            .arg(QLatin1Char(province))
                            .arg(list));
                }
            }
        }
    }

    // One facts row per line of the title file; the family of a title is the family of its
    // header for the 26 families; the access routes are lines of "reqfp".
    void checkFacts(int level) {
        const LevelFiles& files = kLevels[level];
        if (!files.facts || !reference_[level]) return;
        const QString path = dataFile(files.facts);
        const auto file = TryRead(path);
        if (!file) return;
        const TitleFile& titles = *reference_[level];
        if (LineCount(*file) != titles.lines) {
            add(path, 0,
                QStringLiteral("tiene %1 líneas y %2 %3: una por línea")
                    .arg(LineCount(*file))
                    .arg(titles.path)
                    .arg(titles.lines));
        }
        for (int t = 1; t <= LineCount(*file); ++t) {
            const auto fields = SplitFields(file->lines[static_cast<size_t>(t - 1)]);
            if (static_cast<int>(fields.size()) < files.factFields) continue;  // the reader's
            const auto family = ToInteger(fields[static_cast<size_t>(files.familyField)]);
            if (family) checkFamilyOfRow(path, titles, t, *family);
            if (level != 0 || !reqfpLines_) continue;
            for (int f = 4; f <= 16; ++f) {
                const auto line = ToInteger(fields[static_cast<size_t>(f)]);
                if (line && (*line < 0 || *line > *reqfpLines_)) {
                    add(path, t,
                        QStringLiteral("el requisito %1 no es una línea de reqfp (1..%2)")
                            .arg(*line)
                            .arg(*reqfpLines_));
                }
            }
        }
    }

    void checkFamilyOfRow(const QString& path, const TitleFile& titles, int t, int family) {
        if (family < 0 || family > VocationalTables::kFamilies) {
            add(path, t,
                QStringLiteral("la familia %1 no es 1..%2")
                    .arg(family)
                    .arg(VocationalTables::kFamilies));
            return;
        }
        // A header may keep 0, and so may the titles of the arts and sports generations, whose
        // headers are no family (the statistics then count them under arts and crafts).
        if (t > titles.lines || titles.header(t)) return;
        const int h = titles.headerOf(t);
        if (h >= 1 && h <= VocationalTables::kFamilies && family != h) {
            add(path, t,
                QStringLiteral("el título es de la familia %1 en %2 y aquí de la %3")
                    .arg(h)
                    .arg(titles.path)
                    .arg(family));
        }
    }

    // One offer line per centre, in the order of the lists, naming titles of the level.
    void checkOffers(int level) {
        const LevelFiles& files = kLevels[level];
        const QString path = dataFile(files.offers);
        const auto file = TryRead(path);
        if (!file || !centresPresent_) return;
        int centres = 0;
        for (const int count : centreCounts_) centres += count;
        if (LineCount(*file) != centres) {
            add(path, 0,
                QStringLiteral("tiene %1 líneas y lu1-lu4 %2 centros")
                    .arg(LineCount(*file))
                    .arg(centres));
        }
        if (!reference_[level]) return;
        const TitleFile& titles = *reference_[level];
        for (int i = 1; i <= std::min(LineCount(*file), centres); ++i) {
            const auto fields = SplitFields(file->lines[static_cast<size_t>(i - 1)]);
            const auto n = ToInteger(fields[0]);
            if (!n || *n < 0 || *n > VocationalTables::kOffersPerCentre ||
                static_cast<int>(fields.size()) <= *n)
                continue;  // the reader's
            for (int j = 1; j <= *n; ++j) {
                const auto t = ToInteger(fields[static_cast<size_t>(j)]);
                if (!t) continue;
                if (*t < 1 || *t > titles.lines) {
                    add(path, i,
                        QStringLiteral("el título %1 no es una línea de %2 (1..%3)")
                            .arg(*t)
                            .arg(titles.path)
                            .arg(titles.lines));
                } else if (titles.header(*t)) {
                    add(path, i,
                        QStringLiteral("el título %1 es una familia de %2")
                            .arg(*t)
                            .arg(titles.path));
                }
            }
        }
    }

    // The 41 comarcas take entries 1..41, each its own: the entries from 42 on are the list the
    // Barcelonès opens, which a comarca number there would overwrite.
    void checkComarcaNumbers() {
        const QString path = dataFile("comarcas");
        const auto file = TryRead(path);
        if (!file) return;
        std::set<int> seen;
        for (int k = 1; k <= std::min(LineCount(*file), ComarcaTable::kComarcas); ++k) {
            const auto m = ColumnInteger(file->lines[static_cast<size_t>(k - 1)], 3, 4);
            if (!m || *m < 1 || *m > ComarcaTable::kEntries) continue;  // the reader's
            if (*m > ComarcaTable::kComarcas) {
                add(path, k,
                    QStringLiteral("la comarca %1 no es 1..%2: su entrada es la de la "
                                   "línea %1")
                        .arg(*m)
                        .arg(ComarcaTable::kComarcas));
            } else if (!seen.insert(*m).second) {
                add(path, k, QStringLiteral("la comarca %1 ya está en otra línea").arg(*m));
            }
        }
    }

    // The province characters of a community's codes in one centre list, after the conversions
    // of the area codes ("A" -> "5" in lu4, "H" -> "8" in lu2).
    std::set<char> communityCharacters(const LineTable& communities, const VocationalTables& t,
                                       int community, char list) {
        std::set<char> characters;
        for (const int s : CommunityCodeEntries(communities, community)) {
            const std::string& code = t.provinceCodes[static_cast<size_t>(s)];
            if (code.size() != 2 || code[0] != list) continue;
            char c = code[1];
            if (list == '4' && c == 'A') c = '5';
            if (list == '2' && c == 'H') c = '8';
            characters.insert(c);
        }
        return characters;
    }

    // Catalan centres from the first Barcelona line of lu4 on, Madrid centres in the Madrid
    // lines of lu2, each with an area code that its division file lists.
    void checkAreaCodes() {
        auto t = std::make_unique<VocationalTables>();
        FillProvinceCodes(*t);
        LineTable communities = MakePaddedTable();
        try {
            if (!readers_.ReadPaddedTable(dataFile("comunida"), communities, 55)) return;
            if (!readers_.ReadPaddedTable(dataFile("lu2"), t->centreLists[1], kTitleWidth)) return;
            if (!readers_.ReadPaddedTable(dataFile("lu4"), t->centreLists[3], kTitleWidth)) return;
            ReadComarcas(dataFile("comarcas"), quiet_, t->comarcas);
            ReadMadridZones(dataFile("comarcasm"), quiet_, t->madridZones);
        } catch (const DataError&) {
            return;  // the catalogue pass says what is wrong with the file
        }
        const std::set<char> catalan = communityCharacters(communities, *t, kCatalonia, '4');
        const std::set<char> madrid = communityCharacters(communities, *t, kMadrid, '2');
        BuildAreaCodes(*t);

        std::set<std::string> comarcas;
        for (const AreaEntry& entry : t->comarcas.entries) {
            if (entry.code.size() == 2 && entry.code != "--") comarcas.insert(entry.code);
        }
        std::set<std::string> zones;
        for (int k = 1; k <= t->madridZones.count; ++k)
            zones.insert(t->madridZones.entries[static_cast<size_t>(k)].code);

        const QString lu4 = dataFile("lu4");
        const LineTable& cat = t->centreLists[3];
        for (int k = 1; k <= cat.count; ++k) {
            const bool inCatalonia = catalan.count(cat[k].empty() ? ' ' : cat[k][0]) > 0;
            const std::string& code = t->areaCodesCat[static_cast<size_t>(k)];
            if (inCatalonia && code.empty()) {
                add(lu4, k,
                    QStringLiteral("centro de Cataluña antes de la primera línea de "
                                   "Barcelona: no tendrá comarca"));
            } else if (!inCatalonia && !code.empty()) {
                add(lu4, k,
                    QStringLiteral("centro de fuera de Cataluña entre las líneas de "
                                   "Cataluña"));
            } else if (inCatalonia && !comarcas.count(code)) {
                add(lu4, k,
                    QStringLiteral("el código «%1» no está en comarcas").arg(cp1252::Decode(code)));
            }
        }
        const QString lu2 = dataFile("lu2");
        const LineTable& mad = t->centreLists[1];
        for (int k = 1; k <= mad.count; ++k) {
            const bool inMadrid = madrid.count(mad[k].empty() ? ' ' : mad[k][0]) > 0;
            const std::string& code = t->areaCodesMadrid[static_cast<size_t>(k)];
            if (inMadrid && code.empty()) {
                add(lu2, k,
                    QStringLiteral("centro de Madrid fuera de las líneas de Madrid (de la "
                                   "primera «8» a la anterior a la primera «D»): no "
                                   "tendrá zona"));
            } else if (!inMadrid && !code.empty()) {
                add(lu2, k, QStringLiteral("centro de fuera de Madrid entre las líneas de Madrid"));
            } else if (inMadrid && !zones.count(code)) {
                add(lu2, k,
                    QStringLiteral("el código «%1» no está en comarcasm")
                        .arg(cp1252::Decode(code)));
            }
        }
    }

    // The catalogue of titles shows every family in some list: a degree of its category, a GS
    // or GM title of its family, a basic title under its header or one of its certificates. A
    // family with none would be an empty page.
    void checkCatalogueFamilies() {
        std::set<int> found;
        auto factsFamilies = [&](const char* name, int fields, int field) {
            const auto file = TryRead(dataFile(name));
            if (!file) return false;
            for (const std::string_view line : file->lines) {
                const auto cells = SplitFields(line);
                if (static_cast<int>(cells.size()) < fields) continue;
                if (const auto family = ToInteger(cells[static_cast<size_t>(field)]))
                    found.insert(*family);
            }
            return true;
        };
        const bool present =
            factsFamilies("datgradosphp", DegreeTables::kAttributeFields,
                          DegreeTables::kCatalogueCategory) &&
            factsFamilies(kLevels[0].facts, kLevels[0].factFields, kLevels[0].familyField) &&
            factsFamilies(kLevels[1].facts, kLevels[1].factFields, kLevels[1].familyField);
        const TitleFile* basic = reference_[2] ? &*reference_[2] : nullptr;
        const auto certificates = TryRead(languageFile(0, "certifica"));
        const QString families = languageFile(0, "familias");
        // Judged on the whole set only: a missing file is reported by the catalogue pass.
        if (!present || !basic || !certificates || !QFileInfo(families).isFile()) return;
        for (size_t h = 0; h < basic->headerLines.size(); ++h) {
            const int next = basic->headerLines[h] + 1;
            if (next <= basic->lines && !basic->header(next)) found.insert(static_cast<int>(h) + 1);
        }
        for (size_t n = VocationalTables::kCertificateAreas; n < certificates->lines.size(); ++n) {
            const std::string_view line = certificates->lines[n];
            if (line.size() >= 2 && line[1] != '-') found.insert(FamilyNumberOfKey(line[0]));
        }
        for (int f = 1; f <= VocationalTables::kFamilies; ++f) {
            if (!found.count(f)) {
                add(families, f,
                    QStringLiteral("la familia %1 no tiene ningún grado, título ni certificado "
                                   "en el catálogo de títulos")
                        .arg(f));
            }
        }
    }

    QuietMessages quiet_;
    bool stop_ = false;
    LineBuffer buffer_;
    Readers readers_{quiet_, stop_, buffer_};

    std::optional<TitleFile> reference_[kLevelCount];
    std::map<int, TitleFile> titles_[kLevelCount];  // by language code
    std::map<QString, int> castilianLines_;
    std::optional<int> reqfpLines_;
    std::vector<int> centreCounts_;
    bool centresPresent_ = true;
};

}  // namespace

void CheckVocationalData(const DataPaths& paths, std::vector<DataProblem>& problems) {
    VocationalChecker(paths, problems).run();
}

}  // namespace velmora
