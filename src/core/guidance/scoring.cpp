#include "core/guidance/scoring.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <utility>

#include "core/shared/interface_texts.h"

namespace velmora {
namespace {

// Points of answers 2..5 of the answer kinds with four or five answers, by weight class.
struct PointsRow {
    int weightClass;
    std::array<double, 4> points;
};
constexpr PointsRow kPoints[] = {
    {2, {1, 2, 3, 0}},  {3, {1, 3, 5, 0}},    {4, {2, 5, 7, 0}},
    {5, {4, 7, 10, 0}}, {8, {5, 10, 15, 20}}, {9, {8, 16, 23, 30}},
};

constexpr int kQualityBonus2[] = {2, 5, 8, 9, 10, 11, 12, 36, 80};
constexpr int kQualityBonus3[] = {3, 6, 7};

// The ESO scores start their divisor a little above zero, so that a group without questions
// scores 0 instead of dividing by nothing.
constexpr double kGroupStart = 0.05;
constexpr double kGradeStart = 0.01;
constexpr double kAdviceStart = 0.01;
constexpr double kWeakBelow = 6;

constexpr size_t kRankedNameWidth = 45;  // the ESO ranking shows 45 characters of a group
constexpr size_t kSecondGroupKey = 20;   // the second group is found by its first 20 characters

constexpr int kAlsoText = 123;  // "o también"

const QuestionAnswer& Row(const EsoAnswers& answers, int q) {
    static const QuestionAnswer kUnfilled;
    if (q < 1 || q > static_cast<int>(answers.size())) return kUnfilled;
    return answers[static_cast<size_t>(q - 1)];
}

double Points(const QuestionAnswer& row) {
    return PointsFor(row.answer, row.weightClass, row.answerKind);
}

int Bonus(int item) {
    if (std::find(std::begin(kQualityBonus2), std::end(kQualityBonus2), item) !=
        std::end(kQualityBonus2))
        return 2;
    if (std::find(std::begin(kQualityBonus3), std::end(kQualityBonus3), item) !=
        std::end(kQualityBonus3))
        return 3;
    return 0;
}

bool Selected(const Selection& selected, int item) {
    return item >= 1 && item <= static_cast<int>(selected.size()) &&
           selected[static_cast<size_t>(item - 1)];
}

RankedLines GroupLines(const EsoQuestionnaireTables& eso,
                       const std::array<double, kEsoKeyRows + 1>& scores) {
    RankedLines lines;
    for (int g = 1; g <= kEsoGroups; ++g) {
        lines.lines.push_back(std::string(Bounded(eso.itineraries[g], kRankedNameWidth)) +
                              FormatScore(scores[static_cast<size_t>(g)]));
        lines.scores.push_back(scores[static_cast<size_t>(g)]);
    }
    return lines;
}

}  // namespace

double MaxPointsFor(int weightClass) {
    switch (weightClass) {
        case 2:
            return 3;
        case 3:
            return 5;
        case 4:
            return 7;
        case 5:
            return 10;
        case 8:
            return 20;
        case 9:
            return 30;
        default:
            return 7;
    }
}

double PointsFor(int answer, int weightClass, int answerKind) {
    if (answer < 2 || answer > 5) return 0;
    const PointsRow* row = nullptr;
    for (const PointsRow& r : kPoints)
        if (r.weightClass == weightClass) row = &r;
    if (row == nullptr) return 0;
    if (answerKind == 2) return answer == 2 ? MaxPointsFor(weightClass) : 0;
    return row->points[static_cast<size_t>(answer - 2)];
}

int AnswerCount(int answerKind) {
    switch (answerKind) {
        case 2:
            return 2;
        case 3:
        case 4:
            return 4;
        case 5:
        case 6:
            return 5;
        default:
            return 0;
    }
}

int NextAnswer(int answer, int answerKind) {
    // Kind 6 shows five answers but stays where it is.
    if (answerKind < 2 || answerKind > 5) return answer;
    return answer >= AnswerCount(answerKind) ? 1 : answer + 1;
}

int AnswerLabelText(int answerKind, int answer) {
    if (answer < 1 || answer > AnswerCount(answerKind)) return 0;
    switch (answerKind) {
        case 2:
            return 139 + answer;
        case 3:
            return 135 + answer;
        case 4:
            return 131 + answer;
        default:
            return 126 + answer;
    }
}

std::string AnswerStars(int answerKind, int answer) {
    static const char* const kFour[] = {"", "*", "**", "***"};
    static const char* const kFive[] = {"", "*", "*", "**", "***"};
    if (answer < 1 || answer > AnswerCount(answerKind)) return {};
    switch (AnswerCount(answerKind)) {
        case 2:
            return answer == 2 ? "***" : "";
        case 4:
            return kFour[answer - 1];
        default:
            return kFive[answer - 1];
    }
}

EsoAnswers FreshAnswers(const EsoQuestionnaireTables& eso) {
    EsoAnswers answers;
    for (int q = 1; q <= eso.questionCount(); ++q)
        answers.push_back({1, eso.question(q).weightClass, eso.question(q).answerKind});
    return answers;
}

double Grade(const EsoAnswers& answers) {
    double points = 0;
    double maximum = 0;
    for (int q = 1; q <= kShortTestQuestions; ++q) {
        points += Points(Row(answers, q));
        maximum += MaxPointsFor(Row(answers, q).weightClass);
    }
    return 10 * points / (kGradeStart + maximum);
}

double GroupScore(const EsoAnswers& answers, const ByteGrid& esoKeys, int row, int lastQuestion) {
    double points = 0;
    double maximum = 0;
    const int n = esoKeys.at(row, 0);
    for (int j = 1; j <= n; ++j) {
        const int q = esoKeys.at(row, j);
        if (q > lastQuestion) continue;
        points += Points(Row(answers, q));
        maximum += MaxPointsFor(Row(answers, q).weightClass);
    }
    return maximum > 0 ? 10 * points / maximum : 0;
}

ShortTestResult EvaluateShortTest(const EsoAnswers& answers, const ByteGrid& esoKeys,
                                  bool& secondChance) {
    ShortTestResult result;
    result.grade = Grade(answers);
    for (int s = kFirstHabitScale; s <= kLastHabitScale && !result.weak; ++s)
        result.weak = GroupScore(answers, esoKeys, s, kShortTestQuestions) < kWeakBelow;
    result.passed = result.grade >= 5;
    if (result.grade > 6) {
        result.verdict = ShortTestVerdict::Good;
    } else if (result.grade >= 5) {
        result.verdict = ShortTestVerdict::Fair;
    } else if (result.grade >= 4.4 && secondChance) {
        result.verdict = ShortTestVerdict::SecondChance;
        secondChance = false;
    } else {
        result.verdict = ShortTestVerdict::Insufficient;
    }
    return result;
}

std::string RouteOf(const EsoQuestionnaireTables& eso, int group) {
    const auto label = [&](int n) { return eso.routeLabel(n); };
    const auto trimmed = [&](int n) { return std::string(TrimRight(eso.routeLabel(n))); };
    switch (group) {
        case 1:
            return trimmed(27) + " o " + label(26);
        case 2:
            return label(22);
        case 3:
            return label(26);
        case 4:
            return label(27);
        case 5:
        case 6:
        case 7:
            return label(24);
        case 8:
        case 9:
            return label(23);
        case 10:
            return trimmed(24) + " o " + label(23);
        case 11:
        case 12:
        case 13:
            return label(25);
        default:
            return {};
    }
}

FullQuestionnaireResult EvaluateFullQuestionnaire(const EsoAnswers& answers,
                                                  const ByteGrid& esoKeys,
                                                  const EsoQuestionnaireTables& eso,
                                                  const InterfaceTexts& texts) {
    FullQuestionnaireResult result;
    result.grade = Grade(answers);
    result.passed = result.grade >= 5;
    for (int g = 1; g <= kEsoKeyRows; ++g) {
        double s = 0, m = kGroupStart, s2 = 0, m2 = kGroupStart;
        const int n = esoKeys.at(g, 0);
        for (int j = 1; j <= n; ++j) {
            const int q = esoKeys.at(g, j);
            const double p = Points(Row(answers, q));
            const double top = MaxPointsFor(Row(answers, q).weightClass);
            s += p;
            m += top;
            if (q > kShortTestQuestions) {
                s2 += p;
                m2 += top;
            }
        }
        result.wholeScores[static_cast<size_t>(g)] = 10 * s / m;
        result.secondBlockScores[static_cast<size_t>(g)] = 10 * s2 / m2;
    }

    bool permutationDone = false;
    result.byWhole = GroupLines(eso, result.wholeScores);
    RankDescending(result.byWhole.lines, result.byWhole.scores, result.permutation,
                   permutationDone);
    result.bySecondBlock = GroupLines(eso, result.secondBlockScores);
    RankDescending(result.bySecondBlock.lines, result.bySecondBlock.scores, result.permutation,
                   permutationDone);

    result.firstGroup = result.permutation.front();
    const std::string_view secondKey = Bounded(result.bySecondBlock.lines.front(), kSecondGroupKey);
    for (int g = 1; g <= kEsoGroups; ++g)
        if (Bounded(eso.itineraries[g], kSecondGroupKey) == secondKey) result.secondGroup = g;

    for (int s = kFirstHabitScale; s <= kLastHabitScale; ++s)
        if (result.wholeScores[static_cast<size_t>(s)] < kWeakBelow) result.weakScales.push_back(s);

    result.firstRoute = RouteOf(eso, result.firstGroup);
    result.secondRoute = RouteOf(eso, result.secondGroup);
    const bool dropped = result.firstGroup == 1 || result.firstGroup == 10 ||
                         result.firstRoute.find(result.secondRoute) != std::string::npos ||
                         result.secondRoute.find(result.firstRoute) != std::string::npos;
    if (!dropped) result.secondRecommendation = texts[kAlsoText] + " " + result.secondRoute;
    return result;
}

void RankDescending(std::vector<std::string>& lines, std::vector<double>& scores,
                    std::vector<int>& permutation, bool& permutationDone) {
    const size_t n = std::min(lines.size(), scores.size());
    const bool keep = !permutationDone;
    if (keep) {
        permutation.resize(n);
        for (size_t i = 0; i < n; ++i) permutation[i] = static_cast<int>(i) + 1;
    }
    for (size_t pass = 1; pass < n; ++pass) {
        for (size_t i = n - 1; i >= pass; --i) {
            if (scores[i - 1] >= scores[i]) continue;
            std::swap(scores[i - 1], scores[i]);
            std::swap(lines[i - 1], lines[i]);
            if (keep) std::swap(permutation[i - 1], permutation[i]);
        }
    }
    permutationDone = true;
}

std::vector<int> QualityItemList(const Selection& selected) {
    std::vector<int> list;
    const auto addUnselected = [&](std::initializer_list<int> items) {
        for (const int item : items)
            if (!Selected(selected, item)) list.push_back(item);
    };
    for (int i = 1; i <= static_cast<int>(selected.size()); ++i) {
        if (!Selected(selected, i)) continue;
        list.push_back(i);
        switch (i) {
            case 6:
                addUnselected({5, 4});
                break;
            case 5:
                addUnselected({4});
                break;
            case 3:
                addUnselected({2, 1});
                break;
            case 2:
                addUnselected({1});
                break;
            default:
                break;
        }
    }
    return list;
}

AdviceScores QualityScores(const Selection& selected, const ByteGrid& qualityKeys) {
    const std::vector<int> list = QualityItemList(selected);
    AdviceScores scores{};
    for (int g = 1; g <= kAdviceGroups; ++g) {
        const int n = qualityKeys.at(g, 0);
        double score = kAdviceStart;
        double extra = 0;
        for (const int item : list) {
            for (int j = 1; j <= n; ++j) {
                if (qualityKeys.at(g, j) != item) continue;
                score += 1 + Bonus(item);
                extra += Bonus(item);
            }
        }
        scores[static_cast<size_t>(g)] = n + extra > 0 ? 10 * score / (n + extra) : 0;
    }
    return scores;
}

AdviceScores InterestScores(const Selection& selected, const ByteGrid& interestKeys) {
    AdviceScores scores{};
    for (int g = 1; g <= kAdviceGroups; ++g) {
        const int n = interestKeys.at(g, 0);
        double score = kAdviceStart;
        for (int item = 1; item <= static_cast<int>(selected.size()); ++item) {
            if (!Selected(selected, item)) continue;
            for (int j = 1; j <= n; ++j)
                if (interestKeys.at(g, j) == item) score += 1;
        }
        scores[static_cast<size_t>(g)] = n > 0 ? 10 * score / n : 0;
    }
    return scores;
}

AdviceScores AverageScores(const AdviceScores& qualities, const AdviceScores& interests) {
    AdviceScores average{};
    for (int g = 1; g <= kAdviceGroups; ++g) {
        const auto k = static_cast<size_t>(g);
        average[k] = (qualities[k] + interests[k]) / 2;
    }
    return average;
}

std::vector<std::string> AdviceResultLines(const LineTable& itineraries,
                                           const AdviceScores& scores) {
    std::vector<std::string> lines;
    for (int g = 1; g <= kAdviceGroups; ++g) {
        const std::string name = itineraries[g] + std::string(15, ' ');
        lines.push_back(std::string(Bounded(name, kAdviceNameWidth)) +
                        FormatScore(scores[static_cast<size_t>(g)]));
    }
    return lines;
}

std::vector<std::string> AverageResultLines(const LineTable& itineraries,
                                            const AdviceScores& scores) {
    std::vector<std::string> lines;
    for (int g = 1; g <= kAdviceGroups; ++g) {
        // The score starts in column 55 whichever width the "itinerar" table was read with (the
        // ESO screen keeps 54 characters of a line, the degrees screen 60).
        std::string line(Bounded(itineraries[g], kAverageNameWidth));
        line.resize(kAverageNameWidth, ' ');
        lines.push_back(line + FormatScore(scores[static_cast<size_t>(g)]));
    }
    return lines;
}

AdviceRanking RankAdviceLines(std::vector<std::string> lines, const AdviceScores& scores) {
    AdviceRanking ranking;
    ranking.ranked.lines = std::move(lines);
    ranking.ranked.scores.assign(scores.begin() + 1, scores.end());
    ranking.ranked.scores.resize(ranking.ranked.lines.size());
    bool permutationDone = false;
    RankDescending(ranking.ranked.lines, ranking.ranked.scores, ranking.permutation,
                   permutationDone);
    return ranking;
}

std::string FormatScore(double score) {
    // to_chars, not printf: the C locale follows the desktop's, and a Spanish one would write
    // " 7,5" into the result lines, the printouts and the saved files.
    char digits[32];
    const auto end =
        std::to_chars(digits, digits + sizeof digits, score, std::chars_format::fixed, 1).ptr;
    std::string text(digits, end);
    if (text.size() < 4) text.insert(0, 4 - text.size(), ' ');
    return text;
}

int GroupIconIndex(int group) {
    static constexpr int kIcons[] = {0, 1, 9, 16, 13, 25, 29, 17, 23, 24, 14, 27, 26, 28};
    if (group < 1 || group > kEsoGroups) return 0;
    return kIcons[group];
}

}  // namespace velmora
