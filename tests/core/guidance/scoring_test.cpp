#include "core/guidance/scoring.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include <initializer_list>
#include <map>

#include "core/shared/interface_texts.h"

namespace velmora {
namespace {

// A "cuestioESO"-like table: row -> its question numbers.
ByteGrid Keys(const std::map<int, std::vector<int>>& rows) {
    ByteGrid keys = MakeCountedBytesTable();
    for (const auto& [row, numbers] : rows) {
        keys.cell(row, 0) = static_cast<std::uint8_t>(numbers.size());
        for (size_t j = 0; j < numbers.size(); ++j)
            keys.cell(row, static_cast<int>(j) + 1) = static_cast<std::uint8_t>(numbers[j]);
    }
    return keys;
}

// 35 questions of weight class 3 with four answers (0, 1, 3, 5 points), all at answer 1.
EsoAnswers ShortTest() {
    return EsoAnswers(kShortTestQuestions, QuestionAnswer{1, 3, 4});
}

void Answer(EsoAnswers& answers, std::initializer_list<int> questions, int answer) {
    for (const int q : questions) answers[static_cast<size_t>(q - 1)].answer = answer;
}

// The itinerary table of the ESO screen: group names, route labels.
EsoQuestionnaireTables Itineraries() {
    EsoQuestionnaireTables eso;
    for (int g = 1; g <= kEsoGroups; ++g)
        eso.itineraries.set(g, PadToWidth("Grupo numero " + std::to_string(g), 54));
    const char* labels[] = {"RECOMENDADO",   "Artes", "Humanidades", "Sociales",
                            "Ciencias o FP", "Salud", "Tecnologia"};
    for (int n = 21; n <= 27; ++n) eso.itineraries.set(n, PadToWidth(labels[n - 21], 54));
    eso.itineraries.count = 20;
    eso.routeLabels = {};
    for (int n = 21; n <= 27; ++n)
        eso.routeLabels[static_cast<size_t>(n - 21)] = eso.itineraries[n].substr(0, 35);
    return eso;
}

InterfaceTexts Texts() {
    LineTable table(InterfaceTexts::kTableSize, InterfaceTexts::kEntryCapacity);
    table.set(123, "o tambien");
    InterfaceTexts texts;
    texts.Distribute(table);
    return texts;
}

std::string Label(const char* text) {
    return PadToWidth(text, 54).substr(0, 35);
}

TEST(PointsTest, FollowTheScaleOfEachWeightClass) {
    // Two answers: the second is the class's maximum, or nothing for an unlisted class.
    EXPECT_EQ(PointsFor(2, 4, 2), 7);
    EXPECT_EQ(PointsFor(2, 7, 2), 0);
    EXPECT_EQ(MaxPointsFor(7), 7);
    // Four answers of class 9 stop at 23; the fifth answer of a five-answer question reaches 30.
    EXPECT_EQ(PointsFor(4, 9, 3), 23);
    EXPECT_EQ(PointsFor(5, 9, 5), 30);
    // The top answer of a four-answer question of classes 2-5 is exactly the maximum.
    for (const int w : {2, 3, 4, 5}) EXPECT_EQ(PointsFor(4, w, 4), MaxPointsFor(w)) << w;
    EXPECT_EQ(PointsFor(5, 5, 5), 0);
    // The first answer is worth nothing whatever the class.
    for (const int w : {2, 3, 4, 5, 8, 9}) EXPECT_EQ(PointsFor(1, w, 5), 0) << w;
}

TEST(AnswerCyclingTest, WrapsWithinTheAnswersOfTheKind) {
    EXPECT_EQ(NextAnswer(1, 2), 2);
    EXPECT_EQ(NextAnswer(2, 2), 1);
    EXPECT_EQ(NextAnswer(3, 3), 4);
    EXPECT_EQ(NextAnswer(4, 4), 1);
    EXPECT_EQ(NextAnswer(4, 5), 5);
    EXPECT_EQ(NextAnswer(5, 5), 1);
    // Kind 6 shows five answers but never moves; an unfilled row (kind 0) neither.
    EXPECT_EQ(NextAnswer(1, 6), 1);
    EXPECT_EQ(NextAnswer(1, 0), 1);
    EXPECT_EQ(AnswerCount(6), 5);
}

TEST(GradeTest, AllTopAnswersStayJustUnderTen) {
    EsoAnswers answers = ShortTest();
    for (QuestionAnswer& a : answers) a.answer = 4;
    const double grade = Grade(answers);
    EXPECT_DOUBLE_EQ(grade, 10.0 * 175 / 175.01);
    EXPECT_LT(grade, 10);
    EXPECT_EQ(FormatScore(grade), "10.0");
}

TEST(GradeTest, CountsOnlyTheShortTestAndUnfilledRowsAtTheirMaximum) {
    EsoAnswers answers = ShortTest();
    answers.resize(40, QuestionAnswer{4, 3, 4});  // questions after the short test do not count
    answers[0] = QuestionAnswer{};                // a row never filled: 0 points out of 7
    Answer(answers, {2, 3}, 4);
    EXPECT_DOUBLE_EQ(Grade(answers), 10.0 * 10 / (0.01 + 34 * 5 + 7));
    // Fewer rows than the short test: the missing ones count like unfilled rows.
    const EsoAnswers few(3, QuestionAnswer{4, 3, 4});
    EXPECT_DOUBLE_EQ(Grade(few), 10.0 * 15 / (0.01 + 3 * 5 + 32 * 7));
}

TEST(GroupScoreTest, ScoresTheListedQuestionsUpToTheLimit) {
    EsoAnswers answers = ShortTest();
    answers.resize(40, QuestionAnswer{1, 9, 5});
    Answer(answers, {1}, 4);
    Answer(answers, {2}, 3);
    Answer(answers, {40}, 5);
    const ByteGrid keys = Keys({{14, {1, 2, 40}}, {15, {}}});
    EXPECT_DOUBLE_EQ(GroupScore(answers, keys, 14), 10.0 * (5 + 3 + 30) / 40);
    EXPECT_DOUBLE_EQ(GroupScore(answers, keys, 14, kShortTestQuestions), 10.0 * 8 / 10);
    EXPECT_EQ(GroupScore(answers, keys, 15), 0);
}

class ShortTestVerdicts : public ::testing::Test {
  protected:
    // Habit scales 14-19 are questions 1-5, 6-10, ... 26-30; 31-35 belong to none.
    ByteGrid keys = Keys({{14, {1, 2, 3, 4, 5}},
                          {15, {6, 7, 8, 9, 10}},
                          {16, {11, 12, 13, 14, 15}},
                          {17, {16, 17, 18, 19, 20}},
                          {18, {21, 22, 23, 24, 25}},
                          {19, {26, 27, 28, 29, 30}}});
    EsoAnswers answers = ShortTest();
    bool secondChance = true;
};

TEST_F(ShortTestVerdicts, AboveSixIsGood) {
    Answer(answers, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22},
           4);
    const ShortTestResult r = EvaluateShortTest(answers, keys, secondChance);
    EXPECT_NEAR(r.grade, 1100 / 175.01, 1e-12);
    EXPECT_EQ(r.verdict, ShortTestVerdict::Good);
    EXPECT_TRUE(r.passed);
    EXPECT_TRUE(r.weak);  // scales 18 and 19 are low
    EXPECT_TRUE(secondChance);
}

TEST_F(ShortTestVerdicts, FiveToSixIsFairAndAScaleOfExactlySixIsNotWeak) {
    // Three answers at the top in every scale: each scale 15 of 25 = 6.0, the grade 90 / 175.01.
    Answer(answers, {1, 2, 3, 6, 7, 8, 11, 12, 13, 16, 17, 18, 21, 22, 23, 26, 27, 28}, 4);
    ShortTestResult r = EvaluateShortTest(answers, keys, secondChance);
    EXPECT_EQ(r.verdict, ShortTestVerdict::Fair);
    EXPECT_TRUE(r.passed);
    EXPECT_FALSE(r.weak);
    // One point less in the last scale makes it weak.
    Answer(answers, {28}, 3);
    Answer(answers, {31}, 3);  // the grade stays in 5..6
    r = EvaluateShortTest(answers, keys, secondChance);
    EXPECT_EQ(r.verdict, ShortTestVerdict::Fair);
    EXPECT_TRUE(r.weak);
}

TEST_F(ShortTestVerdicts, TheSecondChanceIsGivenOnceAndClosesWhenShown) {
    // 78 points: grade 4.457, between 4.4 and 5.
    Answer(answers, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 4);
    Answer(answers, {16}, 3);
    ShortTestResult r = EvaluateShortTest(answers, keys, secondChance);
    EXPECT_EQ(r.verdict, ShortTestVerdict::SecondChance);
    EXPECT_FALSE(r.passed);
    EXPECT_FALSE(secondChance);
    r = EvaluateShortTest(answers, keys, secondChance);
    EXPECT_EQ(r.verdict, ShortTestVerdict::Insufficient);
    // A restart reopens it.
    secondChance = true;
    EXPECT_EQ(EvaluateShortTest(answers, keys, secondChance).verdict,
              ShortTestVerdict::SecondChance);
}

TEST_F(ShortTestVerdicts, BelowTheSecondChanceBandTheChanceStaysOpen) {
    // 75 points: grade 4.2853.
    Answer(answers, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, 4);
    const ShortTestResult r = EvaluateShortTest(answers, keys, secondChance);
    EXPECT_EQ(r.verdict, ShortTestVerdict::Insufficient);
    EXPECT_TRUE(secondChance);
}

TEST(RankDescendingTest, TiesKeepTheirOrderAndOnlyAFreshRankingSetsThePermutation) {
    std::vector<std::string> lines = {"a", "b", "c", "d", "e"};
    std::vector<double> scores = {1, 5, 1, 5, 3};
    std::vector<int> permutation;
    bool done = false;
    RankDescending(lines, scores, permutation, done);
    EXPECT_EQ(lines, (std::vector<std::string>{"b", "d", "e", "a", "c"}));
    EXPECT_EQ(scores, (std::vector<double>{5, 5, 3, 1, 1}));
    EXPECT_EQ(permutation, (std::vector<int>{2, 4, 5, 1, 3}));
    EXPECT_TRUE(done);
    // A second ranking with the flag set sorts its entries and leaves the permutation alone.
    std::vector<std::string> others = {"x", "y", "z"};
    std::vector<double> otherScores = {0, 2, 1};
    RankDescending(others, otherScores, permutation, done);
    EXPECT_EQ(others, (std::vector<std::string>{"y", "z", "x"}));
    EXPECT_EQ(permutation, (std::vector<int>{2, 4, 5, 1, 3}));
}

class FullQuestionnaireTest : public ::testing::Test {
  protected:
    FullQuestionnaireTest() {
        answers = ShortTest();
        answers.resize(40, QuestionAnswer{1, 5, 3});  // questions 36-40: 0, 4, 7, 10 points
    }
    FullQuestionnaireResult Evaluate(const ByteGrid& keys) const {
        return EvaluateFullQuestionnaire(answers, keys, eso, texts);
    }

    EsoAnswers answers;
    EsoQuestionnaireTables eso = Itineraries();
    InterfaceTexts texts = Texts();
};

TEST_F(FullQuestionnaireTest, RanksBothBlocksAndRecommendsTheSecondGroupOfTheLaterQuestions) {
    const ByteGrid keys = Keys({{1, {36}},
                                {2, {1, 37}},
                                {3, {2, 38}},
                                {4, {35, 39}},
                                {14, {3}},
                                {15, {4}},
                                {16, {5}},
                                {17, {6}},
                                {18, {7}},
                                {19, {8}}});
    Answer(answers, {37}, 3);         // 7
    Answer(answers, {1, 38, 35}, 4);  // 5, 10 and 5
    Answer(answers, {3, 6, 8}, 4);    // habit scales 14, 17, 19 at the top
    Answer(answers, {5}, 3);          // scale 16: 3 of 5 points
    const FullQuestionnaireResult r = Evaluate(keys);

    EXPECT_DOUBLE_EQ(r.wholeScores[1], 0);
    EXPECT_DOUBLE_EQ(r.wholeScores[2], 10 * 12 / 15.05);
    EXPECT_DOUBLE_EQ(r.secondBlockScores[2], 10 * 7 / 10.05);
    EXPECT_DOUBLE_EQ(r.wholeScores[3], 10 * 10 / 15.05);
    EXPECT_DOUBLE_EQ(r.secondBlockScores[3], 10 * 10 / 10.05);
    EXPECT_DOUBLE_EQ(r.wholeScores[16], 10 * 3 / 5.05);
    // Question 35 is the last of the short test: the later block leaves it out.
    EXPECT_DOUBLE_EQ(r.wholeScores[4], 10 * 5 / 15.05);
    EXPECT_DOUBLE_EQ(r.secondBlockScores[4], 0);

    // Groups 2, 3 and 4 lead; the ten groups at 0 keep their order behind them.
    ASSERT_EQ(r.byWhole.lines.size(), 13u);
    EXPECT_EQ(r.byWhole.lines[0], std::string("Grupo numero 2") + std::string(31, ' ') + " 8.0");
    EXPECT_EQ(r.permutation, (std::vector<int>{2, 3, 4, 1, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(r.bySecondBlock.lines[0].substr(0, 14), "Grupo numero 3");
    EXPECT_EQ(r.bySecondBlock.lines[1].substr(0, 14), "Grupo numero 2");

    EXPECT_EQ(r.firstGroup, 2);
    EXPECT_EQ(r.secondGroup, 3);
    EXPECT_EQ(r.firstRoute, Label("Artes"));
    EXPECT_EQ(r.secondRoute, Label("Salud"));
    EXPECT_EQ(r.secondRecommendation, "o tambien " + Label("Salud"));
    // Every weak scale, not only the first: 15 and 18 with nothing, 16 at 5.9.
    EXPECT_EQ(r.weakScales, (std::vector<int>{15, 16, 18}));
}

TEST_F(FullQuestionnaireTest, TheSecondGroupIsTheLastLineThatSharesTheFirstTwentyCharacters) {
    const ByteGrid keys = Keys({{2, {1, 37}}, {3, {2, 38}}});
    Answer(answers, {37}, 3);
    Answer(answers, {1, 38}, 4);
    eso.itineraries.set(9, PadToWidth("Grupo numero 3      bis", 54));
    EXPECT_EQ(Evaluate(keys).secondGroup, 9);
}

TEST_F(FullQuestionnaireTest, GroupsOneAndTenDropTheSecondRecommendation) {
    // Group 10 leads by the whole questionnaire, group 2 by the later questions.
    answers[36] = QuestionAnswer{5, 9, 5};  // question 37: 30 points of 30
    const ByteGrid keys = Keys({{10, {36, 1}}, {2, {37, 2}}});
    Answer(answers, {36}, 4);
    Answer(answers, {1}, 4);
    FullQuestionnaireResult r = Evaluate(keys);
    EXPECT_EQ(r.firstGroup, 10);
    EXPECT_EQ(r.secondGroup, 2);
    EXPECT_EQ(r.firstRoute, "Sociales o " + Label("Humanidades"));
    EXPECT_EQ(r.secondRecommendation, "");
    // Group 1 the same, with its two science routes.
    r = Evaluate(Keys({{1, {36, 1}}, {2, {37, 2}}}));
    EXPECT_EQ(r.firstGroup, 1);
    EXPECT_EQ(r.firstRoute, "Tecnologia o " + Label("Salud"));
    EXPECT_EQ(r.secondRecommendation, "");
}

TEST_F(FullQuestionnaireTest, ARouteThatContainsTheOtherDropsTheSecondRecommendation) {
    // Groups 11 and 12 share the vocational route.
    answers[39] = QuestionAnswer{5, 9, 5};
    const ByteGrid keys = Keys({{11, {39}}, {12, {40, 4}}});
    Answer(answers, {39}, 4);
    Answer(answers, {40}, 5);
    FullQuestionnaireResult r = Evaluate(keys);
    EXPECT_EQ(r.firstGroup, 11);
    EXPECT_EQ(r.secondGroup, 12);
    EXPECT_EQ(r.secondRecommendation, "");
    // Group 3's route ends group 1's.
    r = Evaluate(Keys({{3, {39}}, {1, {40, 4}}}));
    EXPECT_EQ(r.firstGroup, 3);
    EXPECT_EQ(r.secondGroup, 1);
    EXPECT_EQ(r.secondRecommendation, "");
    // The labels keep their blanks, so group 4's route is no part of group 1's.
    r = Evaluate(Keys({{4, {39}}, {1, {40, 4}}}));
    EXPECT_EQ(r.secondRecommendation, "o tambien Tecnologia o " + Label("Salud"));
}

TEST(QualityScoresTest, LaterItemsOfATripleBringTheEarlierOnes) {
    EXPECT_EQ(QualityItemList({false, true, true}), (std::vector<int>{2, 1, 3, 1}));
    EXPECT_EQ(QualityItemList({false, false, false, false, false, true}),
              (std::vector<int>{6, 5, 4}));
    EXPECT_EQ(QualityItemList({false, false, false, false, true, true}),
              (std::vector<int>{5, 4, 6, 4}));
    EXPECT_EQ(QualityItemList({true, false, true, false, false, false, true}),
              (std::vector<int>{1, 3, 2, 7}));
    EXPECT_EQ(QualityItemList({}), std::vector<int>{});
}

TEST(QualityScoresTest, BonusItemsWeighMoreAndAnItemInTheListTwiceCountsTwice) {
    const ByteGrid keys = Keys({{1, {1, 2}}, {2, {3}}, {3, {4}}, {4, {9, 13}}});
    Selection selected(13, false);
    selected[1] = selected[2] = true;  // items 2 and 3: L = 2, 1, 3, 1
    selected[12] = true;               // item 13, no bonus
    const AdviceScores s = QualityScores(selected, keys);
    EXPECT_DOUBLE_EQ(s[1], 10 * (0.01 + 3 + 1 + 1) / (2 + 2));  // 2 (+2), 1 twice
    EXPECT_DOUBLE_EQ(s[2], 10 * (0.01 + 4) / (1 + 3));          // 3 (+3)
    EXPECT_DOUBLE_EQ(s[3], 10 * 0.01 / 1);
    EXPECT_DOUBLE_EQ(s[4], 10 * (0.01 + 1) / 2);
}

TEST(InterestScoresTest, AFullyTickedGroupScoresJustAboveTen) {
    const ByteGrid keys = Keys({{1, {5, 6, 7}}, {2, {8}}, {3, {1, 9}}});
    Selection selected(9, false);
    selected[4] = selected[5] = selected[6] = selected[7] = true;  // items 5-8
    const AdviceScores s = InterestScores(selected, keys);
    EXPECT_DOUBLE_EQ(s[1], 10 * 3.01 / 3);
    EXPECT_EQ(FormatScore(s[1]), "10.0");
    EXPECT_EQ(FormatScore(s[2]), "10.1");
    EXPECT_DOUBLE_EQ(s[3], 10 * 0.01 / 2);
    // Nothing ticked: only the tiny start value.
    const AdviceScores none = InterestScores(Selection(9, false), keys);
    EXPECT_DOUBLE_EQ(none[1], 10 * 0.01 / 3);
    EXPECT_EQ(FormatScore(none[1]), " 0.0");
}

TEST(AdviceLinesTest, ScoresStartAfterTheNameAndRankWithAFreshPermutation) {
    const EsoQuestionnaireTables eso = Itineraries();
    AdviceScores scores{};
    scores[3] = 7.5;
    scores[7] = 10;
    scores[9] = 7.5;
    const std::vector<std::string> lines = AdviceResultLines(eso.itineraries, scores);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[2], PadToWidth("Grupo numero 3", 55) + " 7.5");
    const std::vector<std::string> average = AverageResultLines(eso.itineraries, scores);
    EXPECT_EQ(average[6], PadToWidth("Grupo numero 7", 54) + "10.0");
    // The degrees screen keeps "itinerar" 60 wide: the average's score still starts in column 55.
    LineTable wide = MakePaddedTable();
    for (int g = 1; g <= kAdviceGroups; ++g)
        wide.set(g, PadToWidth("Grupo numero " + std::to_string(g), 60));
    EXPECT_EQ(AverageResultLines(wide, scores), average);

    AdviceRanking ranking = RankAdviceLines(lines, scores);
    EXPECT_EQ(ranking.permutation[0], 7);
    EXPECT_EQ(ranking.permutation[1], 3);  // ties keep group order
    EXPECT_EQ(ranking.permutation[2], 9);
    EXPECT_EQ(ranking.permutation[3], 1);
    EXPECT_EQ(ranking.ranked.lines[0].substr(55), "10.0");
    scores[12] = 11;
    ranking = RankAdviceLines(lines, scores);
    EXPECT_EQ(ranking.permutation[0], 12);
    EXPECT_EQ(ranking.permutation[1], 7);
}

TEST(FormatScoreTest, OneDecimalInFourCharactersWhateverTheLocale) {
    // A Spanish desktop gives the C library a decimal comma (so does every locale a school here
    // uses); the scores must still read " 7.5". The test command installs es_ES.UTF-8.
    struct Restore {
        std::string locale = std::setlocale(LC_ALL, nullptr);
        ~Restore() { std::setlocale(LC_ALL, locale.c_str()); }
    } restore;
    for (const char* locale : {"C", "es_ES.UTF-8"}) {
        SCOPED_TRACE(locale);
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr);
        EXPECT_EQ(FormatScore(10), "10.0");
        EXPECT_EQ(FormatScore(7.5), " 7.5");
        EXPECT_EQ(FormatScore(9.96), "10.0");
        EXPECT_EQ(FormatScore(0.04), " 0.0");
        EXPECT_EQ(FormatScore(6.66), " 6.7");
        EXPECT_EQ(FormatScore(0), " 0.0");
    }
}

}  // namespace
}  // namespace velmora
