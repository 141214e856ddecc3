#include "core/guidance/questionnaire_readers.h"

#include "core/shared/cp1252.h"
#include "core/shared/data_error.h"
#include "core/shared/text_file.h"
#include "core/university/degree_readers.h"

namespace velmora {
namespace {

// The professions screen extends every line of its files with 22 blanks before cutting it.
constexpr size_t kExtension = 22;

// Columns first..last (from 1) as a text of their own; what lies beyond the end is missing.
std::string ColumnText(std::string_view line, size_t first, size_t last) {
    return std::string(Columns(line, first, last));
}

std::string Extended(std::string_view line) {
    return std::string(line) + std::string(kExtension, ' ');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A column that must hold a digit: the strict conversion.
int DigitAt(std::string_view line, size_t column, const QString& path, int lineNo,
            const char* what) {
    const char c = column <= line.size() ? line[column - 1] : ' ';
    if (!IsDigit(c)) {
        throw DataError(DataError::Kind::Conversion, path, lineNo,
                        QStringLiteral("la columna %1 (%2) es «%3» y no una cifra")
                            .arg(column)
                            .arg(QLatin1String(what))
                            .arg(cp1252::Decode(std::string_view(&c, 1))));
    }
    return c - '0';
}

TextLines ReadAtMost(const QString& path, int capacity) {
    TextLines file = ReadTextFile(path);
    RequireAtMost(file, static_cast<size_t>(capacity), path);
    return file;
}

}  // namespace

bool IsBlankCode(const std::string& code) {
    return TrimRight(code).empty();
}

const QuestionRecord& EsoQuestionnaireTables::question(int q) const {
    static const QuestionRecord kNone;
    if (q < 1 || q >= static_cast<int>(records.size())) return kNone;
    return records[static_cast<size_t>(q)];
}

const std::string& EsoQuestionnaireTables::routeLabel(int n) const {
    static const std::string kEmpty;
    if (n < kFirstRouteLabel || n > kLastRouteLabel) return kEmpty;
    return routeLabels[static_cast<size_t>(n - kFirstRouteLabel)];
}

const std::string& EsoQuestionnaireTables::adviceLine(int n) const {
    static const std::string kEmpty;
    if (n < kFirstAdviceLine || n > kLastAdviceLine) return kEmpty;
    return adviceLines[static_cast<size_t>(n - kFirstAdviceLine)];
}

std::string EsoQuestionnaireTables::itemText(int i) const {
    return ColumnText(intermediateItems[i], 3, 72);
}

std::vector<QuestionRecord> QuestionRecords(const LineTable& questions, const QString& path) {
    std::vector<QuestionRecord> records(1);
    for (int q = 1; q <= questions.count; ++q) {
        const std::string& line = questions[q];
        QuestionRecord record;
        record.weightClass = DigitAt(line, 1, path, q, "clase de peso");
        record.answerKind = DigitAt(line, 2, path, q, "tipo de respuesta");
        record.text = ColumnText(line, 3, 50);
        records.push_back(std::move(record));
    }
    return records;
}

void SplitItineraryTable(EsoQuestionnaireTables& eso) {
    using T = EsoQuestionnaireTables;
    for (int n = T::kFirstRouteLabel; n <= T::kLastRouteLabel; ++n)
        eso.routeLabels[static_cast<size_t>(n - T::kFirstRouteLabel)] =
            std::string(Bounded(eso.itineraries[n], T::kRouteLabelWidth));
    for (int n = T::kFirstAdviceLine; n <= T::kLastAdviceLine; ++n)
        eso.adviceLines[static_cast<size_t>(n - T::kFirstAdviceLine)] =
            std::string(Bounded(eso.itineraries[n], T::kAdviceLineWidth));
}

bool ReadIntermediateQuestionnaire(Readers& readers, const QString& path,
                                   EsoQuestionnaireTables& eso) {
    using T = EsoQuestionnaireTables;
    LineTable read = MakePaddedTable75();
    if (!readers.ReadPaddedTable75(path, read, T::kItemWidth)) return false;
    if (read.count < T::kAreas) {
        throw DataError::Format(path, read.count + 1,
                                QStringLiteral("hay %1 líneas y las %2 primeras son las áreas")
                                    .arg(read.count)
                                    .arg(T::kAreas));
    }
    const int items = read.count - T::kAreas;
    if (items > T::kMaxItems) {
        throw DataError::Capacity(
            path, T::kAreas + T::kMaxItems + 1,
            QStringLiteral("hay %1 preguntas y caben %2").arg(items).arg(T::kMaxItems));
    }
    std::array<std::uint8_t, T::kMaxItems + 1> first = eso.firstArea;
    std::array<std::uint8_t, T::kMaxItems + 1> second = eso.secondArea;
    for (int i = 1; i <= items; ++i) {
        const std::string& line = read[T::kAreas + i];
        first[static_cast<size_t>(i)] =
            static_cast<std::uint8_t>(DigitAt(line, 1, path, T::kAreas + i, "primera área"));
        second[static_cast<size_t>(i)] =
            static_cast<std::uint8_t>(DigitAt(line, 2, path, T::kAreas + i, "segunda área"));
    }
    for (int a = 1; a <= T::kAreas; ++a) eso.intermediateAreas.set(a, read[a]);
    eso.intermediateAreas.count = T::kAreas;
    eso.intermediateItems.set(0, read[0]);
    for (int i = 1; i <= items; ++i) eso.intermediateItems.set(i, read[T::kAreas + i]);
    eso.intermediateItems.count = items;
    eso.firstArea = first;
    eso.secondArea = second;
    return true;
}

std::vector<ActivityRecord> ReadActivities(const QString& path) {
    const TextLines file = ReadAtMost(path, ProfessionsTables::kMaxActivities);
    std::vector<ActivityRecord> activities(1);
    for (std::string_view line : file.lines) {
        ActivityRecord activity;
        activity.code = ColumnText(line, 1, 4);
        activity.code.resize(4, ' ');
        activity.name = ColumnText(line, 6, 65);
        activities.push_back(std::move(activity));
    }
    return activities;
}

std::vector<ProfessionRecord> ReadProfessionRecords(const QString& path) {
    const TextLines file = ReadAtMost(path, ProfessionsTables::kMaxProfessions);
    std::vector<ProfessionRecord> professions(1);
    for (std::string_view line : file.lines) {
        const std::string extended = Extended(line);
        ProfessionRecord profession;
        profession.code = ColumnText(extended, 1, 4);
        profession.activityCode = ColumnText(extended, 6, 9);
        profession.name = ColumnText(extended, 11, 50);
        profession.firstPhrase = LeadingNumber(ColumnText(extended, 51, 53));
        profession.secondPhrase = LeadingNumber(ColumnText(extended, 54, 56));
        professions.push_back(std::move(profession));
    }
    return professions;
}

std::vector<ShortPhrase> ReadShortPhrases(const QString& path) {
    const TextLines file = ReadAtMost(path, ProfessionsTables::kMaxPhrases);
    std::vector<ShortPhrase> phrases(1);
    for (std::string_view line : file.lines) {
        const std::string extended = Extended(line);
        phrases.push_back(
            {ColumnText(extended, 1, 4), ColumnText(extended, 6, 9), ColumnText(extended, 11, 70)});
    }
    return phrases;
}

std::vector<LongStatement> ReadLongStatements(const QString& path) {
    const TextLines file = ReadAtMost(path, ProfessionsTables::kMaxStatements);
    std::vector<LongStatement> statements(1);
    for (std::string_view line : file.lines) {
        const std::string extended = Extended(line);
        LongStatement statement;
        statement.text = ColumnText(extended, 1, 115);
        for (size_t k = 0; k < LongStatement::kCodes; ++k)
            statement.codes[k] = ColumnText(extended, 116 + 5 * k, 119 + 5 * k);
        statements.push_back(std::move(statement));
    }
    return statements;
}

}  // namespace velmora
