#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/guidance/questionnaire_tables.h"
#include "core/shared/tables.h"

namespace velmora {

class InterfaceTexts;

// ---- ESO questionnaire -------------------------------------------------------------------------

// Points of one answered question; the first answer is always worth 0.
double PointsFor(int answer, int weightClass, int answerKind);
// The points of the best answer of a weight class: 2 -> 3, 3 -> 5, 4 -> 7, 5 -> 10, 8 -> 20,
// 9 -> 30, any other -> 7.
double MaxPointsFor(int weightClass);

// Answer cycling: the next answer of a question row, wrapping to 1. Kinds 2 (two answers), 3 and 4
// (four) and 5 (five) advance; any other kind keeps its answer.
int NextAnswer(int answer, int answerKind);
// How many answers a kind offers (kind 6 shows five, though its answer never moves); 0 for none.
int AnswerCount(int answerKind);
// The interface text that labels answer a of a kind (cut to 12 characters by the screen); 0 when
// the kind has no such answer.
int AnswerLabelText(int answerKind, int answer);
// The stars column of answer a: "", "*", "**", "***".
std::string AnswerStars(int answerKind, int answer);

// One question row of the ESO screen. A row that was never filled keeps weight class 0 and kind 0:
// it earns nothing and counts the maximum of an unlisted class.
struct QuestionAnswer {
    int answer = 1;
    int weightClass = 0;
    int answerKind = 0;
};
// Question q in entry q - 1.
using EsoAnswers = std::vector<QuestionAnswer>;

// Rows 1..questionCount() with answer 1, as a (re)filled grid has them.
EsoAnswers FreshAnswers(const EsoQuestionnaireTables& eso);

// 10 x points / (0.01 + maximum) over questions 1-35, however many questions there are.
double Grade(const EsoAnswers& answers);

// 10 x points / maximum of the questions listed in `row` of "cuestioESO" that are at most
// `lastQuestion`; 0 when none of them counts.
double GroupScore(const EsoAnswers& answers, const ByteGrid& esoKeys, int row,
                  int lastQuestion = 1100);

// The verdict of the short test (its texts are the ESO screen's).
enum class ShortTestVerdict {
    Good,          // Grade above 6
    Fair,          // Grade from 5 to 6; `weak` adds a line
    SecondChance,  // Grade from 4.4 to below 5 while the second chance is open (it closes)
    Insufficient,  // Grade below 5 otherwise
};

struct ShortTestResult {
    double grade = 0;
    bool weak = false;    // some habit scale, over the short test, scored below 6
    bool passed = false;  // grade >= 5
    ShortTestVerdict verdict = ShortTestVerdict::Insufficient;
};

// Scores questions 1-35. `secondChance` is open when the screen is created and after a confirmed
// restart; a SecondChance verdict closes it.
ShortTestResult EvaluateShortTest(const EsoAnswers& answers, const ByteGrid& esoKeys,
                                  bool& secondChance);

// Lines with their scores, best first once ranked.
struct RankedLines {
    std::vector<std::string> lines;
    std::vector<double> scores;
};

struct FullQuestionnaireResult {
    double grade = 0;
    bool passed = false;
    // R(g) over every listed question and R2(g) over those after the short test, g = 1..20.
    std::array<double, kEsoKeyRows + 1> wholeScores{};
    std::array<double, kEsoKeyRows + 1> secondBlockScores{};
    RankedLines byWhole;           // the 13 groups by R
    RankedLines bySecondBlock;     // the 13 groups by R2
    std::vector<int> permutation;  // rank r (from 0) of byWhole -> its group
    int firstGroup = 0;
    int secondGroup = 0;  // 0 when no group line matches
    std::string firstRoute;
    std::string secondRoute;
    // Interface text 123 + " " + the second route, or empty when it is dropped.
    std::string secondRecommendation;
    std::vector<int> weakScales;  // habit scales 14..19 with R below 6, in order
};

// Scores every row; `answers` holds the N rows shown.
FullQuestionnaireResult EvaluateFullQuestionnaire(const EsoAnswers& answers,
                                                  const ByteGrid& esoKeys,
                                                  const EsoQuestionnaireTables& eso,
                                                  const InterfaceTexts& texts);

// The route an ESO result recommends for a group, from the route labels; empty for a group
// outside 1..13.
std::string RouteOf(const EsoQuestionnaireTables& eso, int group);

// Exchange sort, best first; equal scores are never exchanged, so ties keep their order. When
// `permutationDone` is false the permutation is first set to 1..n and then follows the entries
// (rank r -> the original position); when true it is left alone. On return the flag is true.
void RankDescending(std::vector<std::string>& lines, std::vector<double>& scores,
                    std::vector<int>& permutation, bool& permutationDone);

// ---- Advice questionnaire ----------------------------------------------------------------------

// Scores of the advice groups: group g in entry g (1..12).
using AdviceScores = std::array<double, kAdviceGroups + 1>;
// Item k of a list is selected when entry k - 1 is true.
using Selection = std::vector<bool>;

// The quality items that count, in order: every selected item, and after items 2, 3, 5 and 6 the
// unselected earlier items of their triple (1-3, 4-6).
std::vector<int> QualityItemList(const Selection& selected);
// Per group: 10 x (0.01 + matches with their bonus) / (n + bonus of the matches).
AdviceScores QualityScores(const Selection& selected, const ByteGrid& qualityKeys);
// Per group: 10 x (0.01 + matches) / n.
AdviceScores InterestScores(const Selection& selected, const ByteGrid& interestKeys);
AdviceScores AverageScores(const AdviceScores& qualities, const AdviceScores& interests);

// Where the score starts in a result line of the qualities or interests, and of the average.
inline constexpr size_t kAdviceNameWidth = 55;
inline constexpr size_t kAverageNameWidth = 54;

// The 12 result lines of the qualities or the interests: the first 55 characters of the group's
// line with 15 blanks after it, then the score in four characters.
std::vector<std::string> AdviceResultLines(const LineTable& itineraries,
                                           const AdviceScores& scores);
// The 12 lines of the average: the first 55 characters of the group's line (54 as the ESO screen
// keeps it), then the score.
std::vector<std::string> AverageResultLines(const LineTable& itineraries,
                                            const AdviceScores& scores);

struct AdviceRanking {
    RankedLines ranked;
    std::vector<int> permutation;  // rank r (from 0) -> group
};
// Ranks 12 lines by a copy of their scores with a fresh permutation.
AdviceRanking RankAdviceLines(std::vector<std::string> lines, const AdviceScores& scores);

// ---- Shared ------------------------------------------------------------------------------------

// A score with one decimal, right-aligned in four characters: " 7.5", "10.0".
std::string FormatScore(double score);

// The icon of a group in the main menu's icon list; 0 outside 1..13.
int GroupIconIndex(int group);

}  // namespace velmora
