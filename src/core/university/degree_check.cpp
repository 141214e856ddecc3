#include "core/university/degree_check.h"

#include <QDir>
#include <QFileInfo>
#include <map>
#include <optional>
#include <set>

#include "core/shared/cp1252.h"
#include "core/shared/cross_file_check.h"
#include "core/shared/data_error.h"
#include "core/shared/data_paths.h"
#include "core/shared/fields.h"
#include "core/shared/tables.h"
#include "core/shared/text_file.h"
#include "core/university/degree_load.h"
#include "core/university/degree_profile.h"
#include "core/university/degree_readers.h"
#include "core/university/degree_tables.h"

namespace velmora {
namespace {

// The screens' own limits on this data.
constexpr int kPlacesPerCommunity = 40;     // the places list of a community
constexpr int kHighMarksPerDegree = 80;     // offerings of one degree at 6.0 or more
constexpr int kHighMarkThreshold = 60;
constexpr int kLowestMark = 50;             // 5.0: the lowest cut-off a university publishes
constexpr int kHighestMark = 140;           // 14.0: the highest admission mark
constexpr int kProvinceCodes = 64;
constexpr int kInsertionRows = 49;
constexpr int kArtLineWidth = 60;           // the arts files are kept to 60 characters a line
constexpr int kPlasticArtsSpecialities = 17;
constexpr int kPlasticArtsPlaceLines = 150;

const char* const kStatisticsDocuments[] = {
    "PreciosMatricula.pdf", "NotaMedia.pdf",        "Movilidad.pdf",         "Tasa_Rendimiento.pdf",
    "Becas.pdf",            "ResumenInsercion.pdf", "CompletoInsercion.pdf", "DeportesCentros.pdf"};

std::optional<TextLines> TryRead(const QString& path) {
    if (!QFileInfo(path).isFile()) return std::nullopt;
    try {
        return ReadTextFile(path);
    } catch (const DataError&) {
        return std::nullopt;  // the catalogue pass reports what cannot be read
    }
}

int Length(std::string_view line) { return static_cast<int>(TrimRight(line).size()); }

QString Text(std::string_view bytes) { return cp1252::Decode(bytes.substr(0, 50)); }

class DegreeChecker : private CrossFileCheck {
public:
    DegreeChecker(const DataPaths& paths, std::vector<DataProblem>& problems)
        : CrossFileCheck(paths, problems) {}

    void run() {
        checkLanguageCounts();
        checkCommunities();
        checkPlaces();
        checkPortals();
        checkAttributes();
        checkOfferings();
        checkDoubles();
        for (int code = 0; code < kLanguageCount; ++code) {
            checkProfiles(code);
            checkArts(code);
        }
        checkStatistics();
        checkDocuments();
    }

private:
    // Lines longer than what the reader keeps lose their end: report the first one.
    void checkWidth(const QString& path, const TextLines& file, int width) {
        for (size_t i = 0; i < file.lines.size(); ++i) {
            const int length = Length(file.lines[i]);
            if (length > width) {
                add(path, static_cast<int>(i) + 1,
                    QStringLiteral("la línea tiene %1 caracteres y caben %2").arg(length).arg(width));
                return;
            }
        }
    }

    // The language files of the degrees: same number of lines in every language, within width.
    void checkLanguageCounts() {
        struct Named {
            const char* name;
            int width;
            int* count;
        };
        const Named files[] = {{"carreran", 60, &degrees_},   {"carreranb", 60, &groups_},
                               {"carrenue", 60, &titles_},    {"materiasp", 70, &subjects_},
                               {"otros", 55, nullptr},        {"asignaot", 60, nullptr}};
        for (const Named& named : files) {
            std::optional<int> reference;
            QString referencePath;
            for (int code = 0; code < kLanguageCount; ++code) {
                const QString path = languageFile(code, named.name);
                const auto file = TryRead(path);
                if (!file) continue;
                const int count = static_cast<int>(file->lines.size());
                checkWidth(path, *file, named.width);
                if (!reference) {
                    reference = count;
                    referencePath = path;
                    if (named.count) *named.count = count;
                } else if (count != *reference) {
                    add(path, 0, QStringLiteral("tiene %1 líneas y %2 tiene %3")
                                     .arg(count)
                                     .arg(referencePath)
                                     .arg(*reference));
                }
                if (QLatin1String(named.name) == QLatin1String("materiasp") &&
                    count > DegreeTables::kWeightedSubjects) {
                    add(path, DegreeTables::kWeightedSubjects + 1,
                        QStringLiteral("los requisitos de acceso admiten %1 materias")
                            .arg(DegreeTables::kWeightedSubjects));
                }
                if (QLatin1String(named.name) == QLatin1String("asignaot")) checkBlocks(code, path, count);
            }
        }
        if (degrees_ > DegreeTables::kDegrees) {
            add(languageFile(0, "carreran"), DegreeTables::kDegrees + 1,
                QStringLiteral("caben %1 grados").arg(DegreeTables::kDegrees));
        }
    }

    // Block k of "asignaot" belongs to line k of "otros".
    void checkBlocks(int code, const QString& path, int lines) {
        const auto others = TryRead(languageFile(code, "otros"));
        if (!others) return;
        const int blocks = (lines + 50) / 51;
        if (lines % 51 != 0) {
            add(path, lines, QStringLiteral("el último bloque no tiene sus 51 líneas"));
        }
        if (blocks != static_cast<int>(others->lines.size())) {
            add(path, 0, QStringLiteral("tiene %1 bloques y «otros» %2 líneas")
                             .arg(blocks)
                             .arg(others->lines.size()));
        }
    }

    // Lines 1..19: the communities with the index of their first province code; then the
    // province lines, grouped by community in the same order.
    void checkCommunities() {
        const QString path = dataFile("comunida");
        const auto file = TryRead(path);
        if (!file) return;
        checkWidth(path, *file, 55);
        const int count = static_cast<int>(file->lines.size());
        if (count < DegreeTables::kCommunities) {
            add(path, 0, QStringLiteral("faltan comunidades: hay %1 líneas").arg(count));
            return;
        }
        std::vector<int> first(DegreeTables::kCommunities + 2, 0);
        for (int c = 1; c <= DegreeTables::kCommunities; ++c) {
            const std::string_view line = file->lines[static_cast<size_t>(c - 1)];
            const auto s = ColumnInteger(line, 1, 2);
            if (!s || *s < 1 || *s > kProvinceCodes) {
                add(path, c, QStringLiteral("las columnas 1-2 no son un índice de provincia 1..64"));
                return;
            }
            if (c > 1 && *s <= first[static_cast<size_t>(c - 1)]) {
                add(path, c, QStringLiteral("el índice %1 no sigue al de la comunidad anterior").arg(*s));
                return;
            }
            if (Trim(line.substr(std::min<size_t>(2, line.size()))).empty())
                add(path, c, QStringLiteral("la comunidad no tiene nombre"));
            first[static_cast<size_t>(c)] = *s;
        }
        if (first[1] != 1) add(path, 1, QStringLiteral("la primera comunidad empieza en el índice %1").arg(first[1]));
        first[DegreeTables::kCommunities + 1] = first[DegreeTables::kCommunities] + 1;
        std::vector<int> provinces(DegreeTables::kCommunities + 1, 0);
        int previous = 1;
        for (int n = DegreeTables::kCommunities + 1; n <= count; ++n) {
            const std::string_view line = file->lines[static_cast<size_t>(n - 1)];
            const auto c = ColumnInteger(line, 1, 2);
            if (!c || *c < 1 || *c > DegreeTables::kCommunities) {
                add(path, n, QStringLiteral("la provincia no dice su comunidad 1..19"));
                continue;
            }
            if (*c < previous) add(path, n, QStringLiteral("la provincia está fuera del orden de las comunidades"));
            previous = *c;
            ++provinces[static_cast<size_t>(*c)];
        }
        for (int c = 1; c <= DegreeTables::kCommunities; ++c) {
            const int expected = first[static_cast<size_t>(c + 1)] - first[static_cast<size_t>(c)];
            if (provinces[static_cast<size_t>(c)] != expected) {
                add(path, c, QStringLiteral("la comunidad %1 tiene %2 provincias y %3 códigos")
                                 .arg(c)
                                 .arg(provinces[static_cast<size_t>(c)])
                                 .arg(expected));
            }
        }
        if (first[DegreeTables::kCommunities] != kProvinceCodes) {
            add(path, DegreeTables::kCommunities,
                QStringLiteral("la última comunidad debe tener el código 64, no el %1")
                    .arg(first[DegreeTables::kCommunities]));
        }
    }

    void checkPlaces() {
        const QString path = dataFile("lugar");
        const auto file = TryRead(path);
        if (!file) return;
        placesRead_ = true;
        std::vector<int> perCommunity(DegreeTables::kCommunities + 1, 0);
        for (size_t i = 0; i < file->lines.size(); ++i) {
            const int n = static_cast<int>(i) + 1;
            const std::string_view line = file->lines[i];
            const auto community = ColumnInteger(line, 1, 2);
            Place place;
            place.communityCode = community.value_or(0);
            place.name = std::string(line.substr(std::min<size_t>(2, line.size()), 35));
            const std::string_view web =
                TrimRight(line.size() > 37 ? line.substr(37) : std::string_view());
            place.webAddress = std::string(web);
            places_.push_back(place);
            if (!community || *community < 1 || *community > DegreeTables::kCommunities) {
                add(path, n, QStringLiteral("la comunidad no es 1..19"));
            } else if (++perCommunity[static_cast<size_t>(*community)] == kPlacesPerCommunity + 1) {
                add(path, n, QStringLiteral("la comunidad %1 tiene más de %2 lugares")
                                 .arg(*community)
                                 .arg(kPlacesPerCommunity));
            }
            if (Trim(place.name).empty()) add(path, n, QStringLiteral("el lugar no tiene nombre"));
            if (web.empty()) add(path, n, QStringLiteral("el lugar no tiene dirección web"));
            if (web.size() > 60) add(path, n, QStringLiteral("la dirección web pasa de 60 caracteres"));
            if (web.starts_with("http") || web.starts_with("www."))
                add(path, n, QStringLiteral("la dirección se abre tras «http://www.» y no lo repite"));
        }
        if (placeCount() > DegreeTables::kPlacesReferred) {
            add(path, DegreeTables::kPlacesReferred + 1,
                QStringLiteral("caben %1 lugares").arg(DegreeTables::kPlacesReferred));
        }
    }

    int placeCount() const { return static_cast<int>(places_.size()); }

    void checkPortals() {
        const QString path = dataFile("comuint");
        const auto file = TryRead(path);
        if (!file) return;
        const int count = static_cast<int>(file->lines.size());
        if (count > DegreeTables::kPortals) add(path, DegreeTables::kPortals + 1, QStringLiteral("caben 20 líneas"));
        for (int c = 1; c <= DegreeTables::kCommunities; ++c) {
            if (c > count) {
                add(path, c, QStringLiteral("falta el portal de la comunidad %1").arg(c));
                continue;
            }
            const std::string_view line = file->lines[static_cast<size_t>(c - 1)];
            if (line.size() <= 14 || TrimRight(line.substr(14)).empty())
                add(path, c, QStringLiteral("el portal no tiene dirección en las columnas 15-114"));
        }
    }

    void checkAttributes() {
        const QString path = dataFile("datgradosphp");
        const auto file = TryRead(path);
        if (!file) return;
        const int count = static_cast<int>(file->lines.size());
        if (degrees_ > 0 && count != degrees_) {
            add(path, 0, QStringLiteral("tiene %1 filas y hay %2 grados").arg(count).arg(degrees_));
        }
        IntGrid rows(std::max(count, 1), DegreeTables::kAttributeFields);
        for (int r = 1; r <= count; ++r) {
            const auto fields = SplitFields(file->lines[static_cast<size_t>(r - 1)]);
            if (fields.size() < static_cast<size_t>(DegreeTables::kAttributeFields)) continue;
            bool numbers = true;
            for (int f = 0; f < DegreeTables::kAttributeFields && numbers; ++f) {
                const auto value = ToInteger(fields[static_cast<size_t>(f)]);
                numbers = value.has_value();
                if (numbers) rows.cell(r, f) = *value;
            }
            if (!numbers) continue;  // the catalogue pass reports it
            const QString broken = BrokenAttributeRule(rows, r);
            if (!broken.isEmpty()) {
                add(path, r, broken);
                continue;
            }
            const auto field = [&](int f) { return rows.at(r, f); };
            if (field(DegreeTables::kGroup) > groups_)
                add(path, r, QStringLiteral("el grupo %1 no está en «carreranb»").arg(field(DegreeTables::kGroup)));
            const int code = field(DegreeTables::kDegreeCode);
            if (code < 1) add(path, r, QStringLiteral("el grado no tiene código"));
            codes_.emplace(code, r);  // the lowest degree with a code is the one it names
            for (int f = DegreeTables::kFirstSubject; f <= DegreeTables::kLastSubject; ++f) {
                const int v = field(f);
                if (v > 0 && v != DegreeTables::kOwnEntranceTest && v > subjects_)
                    add(path, r, QStringLiteral("la materia %1 no está en «materiasp»").arg(v));
            }
        }
    }

    void checkOfferings() {
        const QString path = dataFile("datcarnphp");
        const auto file = TryRead(path);
        if (!file || degrees_ <= 0) return;
        const int count = static_cast<int>(file->lines.size());
        if (count != 3 * degrees_) {
            add(path, 0, QStringLiteral("tiene %1 líneas y son tres secciones de %2 grados")
                             .arg(count)
                             .arg(degrees_));
        }
        const auto values = [&](int lineNo) -> std::optional<std::vector<int>> {
            if (lineNo > count) return std::nullopt;
            const auto fields = SplitFields(file->lines[static_cast<size_t>(lineNo - 1)]);
            std::vector<int> out;
            for (std::string_view field : fields) {
                const auto value = ToInteger(field);
                if (!value) return std::nullopt;  // the catalogue pass reports it
                out.push_back(*value);
            }
            if (out.empty() || out[0] < 0 || static_cast<size_t>(out[0]) + 1 > out.size())
                return std::nullopt;
            out.resize(static_cast<size_t>(out[0]) + 1);
            return out;
        };
        for (int d = 1; d <= degrees_; ++d) {
            const auto places = values(d);
            const auto marks = values(degrees_ + d);
            const auto titles = values(2 * degrees_ + d);
            if (!places || !marks || !titles) continue;
            if ((*marks)[0] != (*places)[0] || (*titles)[0] != (*places)[0]) {
                add(path, degrees_ + d,
                    QStringLiteral("el grado %1 tiene %2 lugares, %3 notas y %4 títulos")
                        .arg(d)
                        .arg((*places)[0])
                        .arg((*marks)[0])
                        .arg((*titles)[0]));
                continue;
            }
            int high = 0;
            for (size_t i = 1; i < places->size(); ++i) {
                const int place = (*places)[i];
                if (placesRead_ && (place < 1 || place > placeCount()))
                    add(path, d, QStringLiteral("el lugar %1 no está en «lugar»").arg(place));
                const int mark = (*marks)[i];
                if (mark != DegreeTables::kNoMark && (mark < kLowestMark || mark > kHighestMark))
                    add(path, degrees_ + d, QStringLiteral("la nota %1 no es 10 (sin nota) ni 50..140").arg(mark));
                if (mark != DegreeTables::kNoMark && mark >= kHighMarkThreshold) ++high;
                const int title = (*titles)[i];
                if (title < 0 || title > titles_)
                    add(path, 2 * degrees_ + d, QStringLiteral("el título %1 no está en «carrenue»").arg(title));
            }
            if (high > kHighMarksPerDegree) {
                add(path, degrees_ + d, QStringLiteral("el grado %1 tiene %2 notas de 6,0 o más y caben %3")
                                            .arg(d)
                                            .arg(high)
                                            .arg(kHighMarksPerDegree));
            }
        }
    }

    // Group k of "dobles" is place k of "lugar": same community, same name.
    void checkDoubles() {
        const QString path = dataFile("dobles");
        const auto file = TryRead(path);
        if (!file) return;
        int group = 0;
        int entries = 0;
        for (size_t i = 0; i < file->lines.size(); ++i) {
            const int n = static_cast<int>(i) + 1;
            const std::string_view line = file->lines[i];
            if (const auto header = ColumnInteger(line, 1, 2)) {
                if (*header < 1 || *header > 99) {
                    add(path, n, QStringLiteral("la línea no es cabecera ni doble grado y no se lee"));
                    continue;
                }
                ++group;
                entries = 0;
                if (placesRead_ && group <= placeCount()) {
                    const Place& place = places_[static_cast<size_t>(group - 1)];
                    if (*header != place.communityCode)
                        add(path, n, QStringLiteral("el lugar %1 es de la comunidad %2, no de la %3")
                                         .arg(group)
                                         .arg(place.communityCode)
                                         .arg(*header));
                    const std::string_view name = Trim(line.substr(std::min<size_t>(2, line.size()), 35));
                    if (name != Trim(place.name))
                        add(path, n, QStringLiteral("el grupo %1 es «%2» y el lugar %1 «%3»")
                                         .arg(group)
                                         .arg(Text(name), Text(Trim(place.name))));
                }
                continue;
            }
            if (group == 0) {
                add(path, n, QStringLiteral("un doble grado antes de la cabecera de su lugar"));
                continue;
            }
            if (++entries == DegreeTables::kDoubleEntries + 1)
                add(path, n, QStringLiteral("el lugar tiene más de %1 dobles grados").arg(DegreeTables::kDoubleEntries));
            for (const auto& [first, last] : {std::pair{5, 7}, std::pair{8, 10}}) {
                const auto code = ColumnInteger(line, first, last);
                if (!code) {
                    add(path, n, QStringLiteral("las columnas %1-%2 no son un código de grado").arg(first).arg(last));
                } else if (!codes_.empty() && !codes_.contains(*code)) {
                    add(path, n, QStringLiteral("el código de grado %1 no es de ningún grado").arg(*code));
                }
            }
        }
        if (group > DegreeTables::kDoubleGroups)
            add(path, 0, QStringLiteral("tiene %1 grupos y caben %2").arg(group).arg(DegreeTables::kDoubleGroups));
        if (placesRead_ && group != placeCount())
            add(path, 0, QStringLiteral("tiene %1 grupos y «lugar» %2 lugares").arg(group).arg(placeCount()));
    }

    // Every degree code has its section in "grados.txt", closed by a later key line.
    void checkProfiles(int code) {
        QString path = languageFile(code, "grados.txt");
        if (!QFileInfo(path).isFile()) path = dataFile("grados.txt");
        const auto file = TryRead(path);
        if (!file || codes_.empty()) return;
        for (const auto& [degreeCode, row] : codes_) {
            const std::optional<size_t> at = FindProfileKey(file->lines, degreeCode);
            if (!at) {
                add(path, 0,
                    QStringLiteral("falta la sección «%1» del grado %2")
                        .arg(QString::fromStdString(ProfileKey(degreeCode)))
                        .arg(row));
                continue;
            }
            if (!FindProfileEnd(file->lines, *at))
                add(path, static_cast<int>(*at) + 1,
                    QStringLiteral("la sección «%1» no se cierra con otra línea «<<»")
                        .arg(QString::fromStdString(ProfileKey(degreeCode))));
        }
    }

    // The three sections of an arts file and what each kind reads from them.
    void checkArts(int code) {
        for (const char* name : {"artesplas", "musica", "danza", "dramatico"}) {
            const QString path = languageFile(code, name);
            const auto file = TryRead(path);
            if (!file) continue;
            checkWidth(path, *file, kArtLineWidth);
            const auto& lines = file->lines;
            std::optional<size_t> f1;
            std::optional<size_t> f2;
            for (size_t i = 0; i < lines.size(); ++i) {
                if (!f1 && lines[i].starts_with("f1")) f1 = i;
                else if (f1 && !f2 && lines[i].starts_with("f2")) f2 = i;
            }
            if (!f1 || !f2) {
                add(path, 0, QStringLiteral("faltan las marcas «f1» y «f2» de sus tres partes"));
                continue;
            }
            const QLatin1String kind(name);
            if (kind == QLatin1String("artesplas")) checkPlasticArts(path, lines, *f1, *f2);
            if (kind == QLatin1String("musica")) checkMusic(path, lines, *f2);
            if (kind == QLatin1String("dramatico")) checkDrama(path, lines, *f2);
        }
    }

    void checkCommunityNumber(const QString& path, int n, std::optional<int> c) {
        if (!c || *c < 1 || *c > DegreeTables::kCommunities)
            add(path, n, QStringLiteral("las columnas 1-2 no son una comunidad 1..19"));
    }

    void checkPlasticArts(const QString& path, const std::vector<std::string_view>& lines, size_t f1,
                          size_t f2) {
        if (f2 != f1 + kPlasticArtsSpecialities + 1) {
            add(path, static_cast<int>(f2) + 1,
                QStringLiteral("entre «f1» y «f2» van las 17 especialidades, no %1").arg(f2 - f1 - 1));
            return;
        }
        if (lines.size() - f2 - 1 > kPlasticArtsPlaceLines)
            add(path, static_cast<int>(f2) + 1 + kPlasticArtsPlaceLines + 1,
                QStringLiteral("se leen %1 líneas de centros").arg(kPlasticArtsPlaceLines));
        for (size_t i = f2 + 1; i < lines.size(); i += 2) {
            const int n = static_cast<int>(i) + 1;
            checkCommunityNumber(path, n, ColumnInteger(lines[i], 1, 2));
            for (int column = 35; column < 45; column += 2) {
                const std::string_view pair =
                    lines[i].size() >= static_cast<size_t>(column) ? lines[i].substr(column - 1, 2) : std::string_view();
                if (Trim(pair).empty()) continue;
                const auto s = ToInteger(pair);
                if (!s || *s < 0 || *s >= kPlasticArtsSpecialities)
                    add(path, n, QStringLiteral("la especialidad «%1» no es 00..16").arg(Text(pair)));
            }
            if (i + 1 >= lines.size()) {
                add(path, n, QStringLiteral("falta la línea de la dirección del centro"));
            } else if (ColumnInteger(lines[i + 1], 1, 2)) {
                add(path, n + 1, QStringLiteral("la dirección del centro empieza por un número"));
            }
        }
    }

    void checkMusic(const QString& path, const std::vector<std::string_view>& lines, size_t f2) {
        for (size_t i = f2 + 1; i < lines.size(); ++i) {
            const auto c = ColumnInteger(lines[i], 1, 2);
            if (c) checkCommunityNumber(path, static_cast<int>(i) + 1, c);
        }
    }

    void checkDrama(const QString& path, const std::vector<std::string_view>& lines, size_t f2) {
        if (lines.size() < f2 + 10) {
            add(path, static_cast<int>(f2) + 1, QStringLiteral("faltan los ocho nombres tras «f2»"));
            return;
        }
        for (size_t i = f2 + 8; i < lines.size(); ++i) {
            if (!lines[i].starts_with('-') || lines[i].size() < 41) continue;
            for (char digit : lines[i].substr(40, 7)) {
                if (digit < '0' || digit > '9') break;
                if (digit > '7')
                    add(path, static_cast<int>(i) + 1, QStringLiteral("la especialidad %1 no es 0..7").arg(digit));
            }
        }
    }

    void checkStatistics() {
        const QString path = dataFile("pdf/est/insercion");
        const auto file = TryRead(path);
        if (file) {
            int rows = 0;
            for (std::string_view line : file->lines) {
                if (Trim(line).empty()) break;
                ++rows;
            }
            if (rows > kInsertionRows)
                add(path, kInsertionRows + 1, QStringLiteral("la tabla admite %1 filas").arg(kInsertionRows));
        }
        if (QFileInfo(dataFile("pdf/est")).isDir() && !QFileInfo(dataFile("pdf/est/resins")).isFile())
            add(dataFile("pdf/est/resins"), 0, QStringLiteral("falta el fichero"));
    }

    // Every document is a PDF; the statistics screen opens its eight by name.
    void checkDocuments() {
        for (const char* folderName : {"pdf", "pdf/est"}) {
            const QDir folder(dataFile(folderName));
            if (!folder.exists()) continue;
            for (const QFileInfo& entry : folder.entryInfoList(QDir::Files)) {
                if (entry.suffix().toUpper() != QLatin1String("PDF")) continue;
                std::string bytes;
                try {
                    bytes = ReadFileBytes(entry.filePath());
                } catch (const DataError& error) {
                    add(entry.filePath(), 0, error.reason());
                    continue;
                }
                const std::string_view tail =
                    std::string_view(bytes).substr(bytes.size() > 32 ? bytes.size() - 32 : 0);
                if (!bytes.starts_with("%PDF-") || tail.find("%%EOF") == std::string_view::npos)
                    add(entry.filePath(), 0, QStringLiteral("no es un documento PDF completo"));
            }
            if (QLatin1String(folderName) == QLatin1String("pdf/est")) {
                for (const char* name : kStatisticsDocuments) {
                    if (!folder.exists(QLatin1String(name)))
                        add(folder.filePath(QLatin1String(name)), 0, QStringLiteral("falta el documento"));
                }
            }
        }
    }

    int degrees_ = 0;
    int groups_ = 0;
    int titles_ = 0;
    int subjects_ = 0;
    bool placesRead_ = false;
    std::vector<Place> places_;
    std::map<int, int> codes_;  // degree code -> first degree with it
};

}  // namespace

void CheckDegreeData(const DataPaths& paths, std::vector<DataProblem>& problems) {
    DegreeChecker(paths, problems).run();
}

}  // namespace velmora
