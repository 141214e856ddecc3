#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/shared/readers.h"
#include "core/shared/tables.h"

namespace velmora {

// Numbers every questionnaire shares.
inline constexpr int kShortTestQuestions = 35;  // questions 1-35 form the short test
inline constexpr int kEsoGroups = 13;           // itinerary groups of the ESO questionnaire
inline constexpr int kAdviceGroups = 12;        // itinerary groups of the advice questionnaire
inline constexpr int kFirstHabitScale = 14;     // rows 14-19 of "cuestioESO"
inline constexpr int kLastHabitScale = 19;
inline constexpr int kEsoKeyRows = 20;

// One line of "cuestion": the points scale, the answers offered and the question.
struct QuestionRecord {
    int weightClass = 0;  // column 1
    int answerKind = 0;   // column 2
    std::string text;     // columns 3-50
};

// What the ESO screen's set-up reads: the questions, the itinerary groups at width 54 with the
// route labels and advice lines kept apart, and the intermediate vocational questionnaire.
struct EsoQuestionnaireTables {
    static constexpr int kQuestionWidth = 50;
    static constexpr int kItineraryWidth = 54;
    static constexpr int kItineraryLines =
        20;  // the count this reading sets, whatever the file holds
    static constexpr int kFirstRouteLabel = 21;
    static constexpr int kLastRouteLabel = 27;
    static constexpr int kRouteLabelWidth = 35;
    static constexpr int kFirstAdviceLine = 30;
    static constexpr int kLastAdviceLine = 59;
    static constexpr int kAdviceLineWidth = 80;
    static constexpr int kAreas = 11;      // the first lines of "cuesgm"
    static constexpr int kMaxItems = 100;  // the item lines after them
    static constexpr int kItemWidth = 75;

    LineTable questions = MakePaddedTable();  // "cuestion"; question q in entry q
    std::vector<QuestionRecord> records = std::vector<QuestionRecord>(1);  // question q in entry q
    LineTable itineraries = MakePaddedTable();  // "itinerar"; group g in entry g
    std::array<std::string, kLastRouteLabel - kFirstRouteLabel + 1> routeLabels;
    std::array<std::string, kLastAdviceLine - kFirstAdviceLine + 1> adviceLines;
    LineTable intermediateItems = MakePaddedTable75();     // "cuesgm" items, item i in entry i
    LineTable intermediateAreas{kAreas + 1, kItemWidth};   // its areas, area a in entry a
    std::array<std::uint8_t, kMaxItems + 1> firstArea{};   // column 1 of item i
    std::array<std::uint8_t, kMaxItems + 1> secondArea{};  // column 2 of item i

    int questionCount() const { return questions.count; }
    // Question q (1-based); an empty record outside 1..questionCount().
    const QuestionRecord& question(int q) const;
    // Route label n (21-27) and advice line n (30-59); empty outside their ranges.
    const std::string& routeLabel(int n) const;
    const std::string& adviceLine(int n) const;
    int itemCount() const { return intermediateItems.count; }
    // Columns 3-72 of item i: its text.
    std::string itemText(int i) const;
};

// What the advice screen's set-up reads: item k of each list is line k.
struct AdviceTables {
    LineTable qualities = MakePaddedTable();  // "cualidad"
    LineTable interests = MakePaddedTable();  // "interes"
};

// A line of "activida": the code and the name of a professional activity.
struct ActivityRecord {
    std::string code;  // columns 1-4
    std::string name;  // columns 6-65
};

// A line of "profesio" with all its fields.
struct ProfessionRecord {
    std::string code;          // columns 1-4
    std::string activityCode;  // columns 6-9
    std::string name;          // columns 11-50
    int firstPhrase = 0;       // columns 51-53: the study-group numbers, lines of "fracortas";
    int secondPhrase = 0;      // columns 54-56    0 = none
};

// A line of "fracortas".
struct ShortPhrase {
    std::string firstActivity;   // columns 1-4
    std::string secondActivity;  // columns 6-9; four blanks for none
    std::string text;            // columns 11-70
};

// A line of "fralargas": the statement and up to four activity codes.
struct LongStatement {
    static constexpr int kCodes = 4;
    std::string text;                       // columns 1-115
    std::array<std::string, kCodes> codes;  // columns 116-119, 121-124, 126-129, 131-134
};

// What the professions screen's set-up reads; record k of each file in entry k (from 1).
struct ProfessionsTables {
    static constexpr int kMaxActivities = 30;
    static constexpr int kMaxProfessions = 250;
    static constexpr int kMaxPhrases = 120;
    static constexpr int kMaxStatements = 20;

    std::vector<ActivityRecord> activities = std::vector<ActivityRecord>(1);
    std::vector<ProfessionRecord> professions = std::vector<ProfessionRecord>(1);
    std::vector<ShortPhrase> phrases = std::vector<ShortPhrase>(1);
    std::vector<LongStatement> statements = std::vector<LongStatement>(1);

    int activityCount() const { return static_cast<int>(activities.size()) - 1; }
    int professionCount() const { return static_cast<int>(professions.size()) - 1; }
    int phraseCount() const { return static_cast<int>(phrases.size()) - 1; }
    int statementCount() const { return static_cast<int>(statements.size()) - 1; }
};

// The questionnaire tables of the guidance screens, filled once by their set-ups. The counted
// lists of "cuestioESO", "cuestiocua" and "cuestioint" are read earlier by the degrees screen and
// live in DegreeTables::questionnaire.
struct GuidanceTables {
    EsoQuestionnaireTables eso;
    AdviceTables advice;
    ProfessionsTables professions;
};

// A code of four blanks, or a shorter text of blanks, names nothing.
bool IsBlankCode(const std::string& code);

}  // namespace velmora
