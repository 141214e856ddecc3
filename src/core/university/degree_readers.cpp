#include "core/university/degree_readers.h"

#include "core/shared/data_error.h"
#include "core/shared/fields.h"
#include "core/shared/messages.h"
#include "core/shared/text_file.h"

namespace velmora {
namespace {

int LineCount(const TextLines& file) {
    return static_cast<int>(file.lines.size());
}

}  // namespace

std::optional<int> ColumnInteger(std::string_view line, int first, int last) {
    std::string_view range = Columns(line, static_cast<size_t>(first), static_cast<size_t>(last));
    while (!range.empty() && range.front() == ' ') range.remove_prefix(1);
    const auto value = ToInteger(range);
    if (!value) return std::nullopt;
    return *value;
}

int LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    int value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

void ReadSubjects(const QString& path, LineTable& subjects) {
    const TextLines file = ReadTextFile(path);
    RequireAtMost(file, static_cast<size_t>(DegreeTables::kSubjects), path);
    int s = 0;
    for (std::string_view line : file.lines) {
        subjects.set(++s, Bounded(line, DegreeTables::kSubjectWidth));
    }
    subjects.count = s;
}

std::vector<Place> ReadPlaces(const QString& path) {
    const TextLines file = ReadTextFile(path);
    RequireAtMost(file, static_cast<size_t>(DegreeTables::kPlacesReferred), path);
    std::vector<Place> places(1);
    for (std::string_view line : file.lines) {
        Place place;
        place.communityCode = LeadingNumber(Columns(line, 1, 2));
        place.name = std::string(Columns(line, 3, 37));
        place.name.resize(35, ' ');
        place.webAddress = std::string(Bounded(TrimRight(Columns(line, 38, 137)), 60));
        places.push_back(std::move(place));
    }
    return places;
}

std::array<std::string, DegreeTables::kPortals + 1> ReadCommunityPortals(const QString& path) {
    const TextLines file = ReadTextFile(path);
    RequireAtMost(file, static_cast<size_t>(DegreeTables::kPortals), path);
    std::array<std::string, DegreeTables::kPortals + 1> portals;
    for (int c = 1; c <= LineCount(file); ++c) {
        portals[static_cast<size_t>(c)] =
            std::string(TrimRight(Columns(file.lines[static_cast<size_t>(c - 1)], 15, 114)));
    }
    return portals;
}

bool ReadDoubleDegrees(const QString& path, const DegreeTables& tables, Messages& messages,
                       bool& stopFlag, std::vector<DoubleDegreeGroup>& groups) {
    TextLines file;
    try {
        file = ReadTextFile(path);
    } catch (const DataError& error) {
        if (error.kind() != DataError::Kind::Missing && error.kind() != DataError::Kind::Unreadable)
            throw;
        messages.showMessage(Readers::MissingFileMessage(path));
        stopFlag = true;
        return false;
    }
    std::vector<DoubleDegreeGroup> read;
    for (int lineNo = 1; lineNo <= LineCount(file); ++lineNo) {
        const std::string_view line = file.lines[static_cast<size_t>(lineNo - 1)];
        if (const auto header = ColumnInteger(line, 1, 2)) {
            if (*header < 1 || *header > 99) continue;  // neither a group nor an entry
            if (static_cast<int>(read.size()) == DegreeTables::kDoubleGroups) {
                throw DataError::Capacity(path, lineNo,
                                          QStringLiteral("más de %1 grupos de dobles grados")
                                              .arg(DegreeTables::kDoubleGroups));
            }
            DoubleDegreeGroup group;
            group.code = *header;
            group.name = std::string(Bounded(Columns(line, 3, 37), 40));
            read.push_back(std::move(group));
            continue;
        }
        if (read.empty()) {
            throw DataError::Format(
                path, lineNo, QStringLiteral("un doble grado antes de la cabecera de su lugar"));
        }
        DoubleDegreeGroup& group = read.back();
        if (static_cast<int>(group.entries.size()) == DegreeTables::kDoubleEntries) {
            throw DataError::Capacity(path, lineNo,
                                      QStringLiteral("el lugar tiene más de %1 dobles grados")
                                          .arg(DegreeTables::kDoubleEntries));
        }
        DoubleDegreeEntry entry;
        const auto resolve = [&](int first, int last) {
            const auto code = ColumnInteger(line, first, last);
            if (!code) {
                messages.showMessage(QString::fromLatin1(kDoublesErrorMessage));
                return 0;
            }
            const int degree = FindDegreeByCode(tables, *code);
            if (degree == 0) {
                // The lists of double degrees cannot show a side that is no degree.
                throw DataError::Format(
                    path, lineNo,
                    QStringLiteral("el código de grado %1 no es de ningún grado").arg(*code));
            }
            return degree;
        };
        entry.degreeA = resolve(5, 7);
        entry.degreeB = resolve(8, 10);
        std::string tag(Columns(line, 11, 14));
        tag.resize(4, ' ');
        entry.tag = TrimRight(tag).empty() ? std::string(" -  ") : tag;
        group.entries.push_back(std::move(entry));
    }
    groups = std::move(read);
    return true;
}

}  // namespace velmora
