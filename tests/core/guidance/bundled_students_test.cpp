// Three students answer the bundled ESO and advice questionnaires as they honestly would, from the
// question texts, and each is pointed to the studies that suit them.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <string>

#include "core/guidance/questionnaire_load.h"
#include "core/guidance/scoring.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "support/recording_messages.h"

namespace velmora {
namespace {

using testing::RecordingMessages;

const QString kBundled = QStringLiteral(VELMORA_BUNDLED_DATA);

// One answer per question, as the digit of the answer the student picks: 1-2 for "No"/"Sí",
// 1-4 for "Nada" .. "Mucho" and "Nunca" .. "Siempre", 1-5 for "Nada" .. "Mucho". Blanks group the
// digits in fives.
struct Student {
    const char* name;
    const char* esoAnswers;
    std::vector<int> qualities;  // items of "cualidad" ticked
    std::vector<int> interests;  // items of "interes" ticked
};

// Lucía: a careful student who loves biology and wants to cure people.
const Student kLucia = {
    "Lucía",
    // 1-30: habits. 31 maths, 32 writing, 33 biology, 34 drawing, 35 hands-on;
    // 36-48 and 49-61: one question of interest per itinerary group.
    "44344 24342 44343 44433 44443 44344 33412 31412 21222 34141 52122 33432 1",
    {1, 2, 4, 5, 7, 8, 12, 13, 17, 21, 22, 23},
    {1, 7, 8, 9, 30, 34, 37},
};

// Marcos: draws all the time, reads every novel he finds, writes only fairly; arts and languages.
const Student kMarcos = {
    "Marcos",
    "32332 23232 33432 34433 33332 33233 22243 13111 23422 11135 11123 53211 2",
    {1, 4, 5, 10, 11, 17, 19, 28},
    {4, 5, 6, 19, 22, 23, 25},
};

// Andrés: good with his hands and engines, not fond of studying; wants to learn a trade.
const Student kAndres = {
    "Andrés",
    "12122 12122 21231 12112 21221 12232 21224 21132 11111 11421 14211 11221 5",
    {1, 11, 18, 20, 22, 23, 26},
    {2, 10, 11, 12, 37, 38},
};

EsoAnswers Answers(const EsoQuestionnaireTables& eso, const char* digits) {
    EsoAnswers answers = FreshAnswers(eso);
    size_t q = 0;
    for (const char* c = digits; *c; ++c) {
        if (*c == ' ') continue;
        if (q < answers.size()) answers[q].answer = *c - '0';
        ++q;
    }
    EXPECT_EQ(q, answers.size()) << "one answer per question";
    return answers;
}

Selection Ticks(int count, const std::vector<int>& items) {
    Selection selected(static_cast<size_t>(count), false);
    for (const int item : items) selected.at(static_cast<size_t>(item - 1)) = true;
    return selected;
}

class BundledStudentsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QFileInfo(kBundled + QStringLiteral("cas/cuestion")).isFile())
            GTEST_SKIP() << "no bundled questionnaires";
        ASSERT_TRUE(enlace.LoadInterfaceTexts());
        QuestionnaireLoads& keys = enlace.degreeTables.questionnaire;
        enlace.readers.ReadCountedBytes(enlace.paths.dataFile(QStringLiteral("cuestioESO")),
                                        keys.esoKeys);
        enlace.readers.ReadCountedBytes(enlace.paths.dataFile(QStringLiteral("cuestiocua")),
                                        keys.qualityKeys);
        enlace.readers.ReadCountedBytes(enlace.paths.dataFile(QStringLiteral("cuestioint")),
                                        keys.interestKeys);
        ASSERT_TRUE(RunSetUp(messages, [&] {
            LoadEsoScreenQuestionnaires(enlace);
            LoadAdviceScreenData(enlace);
        })) << messages.errors.join(QLatin1Char('\n')).toStdString();
        ASSERT_FALSE(enlace.stopFlag);
    }

    FullQuestionnaireResult Eso(const Student& s) const {
        const EsoQuestionnaireTables& eso = enlace.guidance.eso;
        return EvaluateFullQuestionnaire(Answers(eso, s.esoAnswers),
                                         enlace.degreeTables.questionnaire.esoKeys, eso,
                                         enlace.texts);
    }

    // The advice groups at ranks 1-3 of the average of qualities and interests.
    std::vector<int> Advice(const Student& s) const {
        const AdviceTables& advice = enlace.guidance.advice;
        const QuestionnaireLoads& keys = enlace.degreeTables.questionnaire;
        const AdviceScores qualities =
            QualityScores(Ticks(advice.qualities.count, s.qualities), keys.qualityKeys);
        const AdviceScores interests =
            InterestScores(Ticks(advice.interests.count, s.interests), keys.interestKeys);
        const AdviceScores average = AverageScores(qualities, interests);
        const AdviceRanking ranking =
            RankAdviceLines(AverageResultLines(enlace.guidance.eso.itineraries, average), average);
        return {ranking.permutation[0], ranking.permutation[1], ranking.permutation[2]};
    }

    std::string Route(const FullQuestionnaireResult& r) const {
        return std::string(TrimRight(r.firstRoute));
    }

    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(kBundled)};
};

TEST_F(BundledStudentsTest, HealthAndScienceLeadsToTheHealthSciences) {
    const FullQuestionnaireResult r = Eso(kLucia);
    EXPECT_GE(r.grade, 5);
    EXPECT_EQ(r.firstGroup, 3);
    EXPECT_EQ(Route(r), "Bach. Ciencias (salud)");
    EXPECT_TRUE(r.weakScales.empty());
    EXPECT_EQ(Advice(kLucia).front(), 3);
}

TEST_F(BundledStudentsTest, ArtsAndLanguagesLeadToArtsWithHumanitiesBeside) {
    const FullQuestionnaireResult r = Eso(kMarcos);
    EXPECT_GE(r.grade, 5);
    EXPECT_EQ(r.firstGroup, 2);
    EXPECT_EQ(Route(r), "Bach. Artes");
    EXPECT_EQ(r.secondGroup, 8);
    EXPECT_EQ(std::string(TrimRight(r.secondRecommendation)),
              enlace.texts[123] + " Bach. Humanidades");
    const std::vector<int> advice = Advice(kMarcos);
    EXPECT_EQ(advice[0], 2);
    EXPECT_EQ(advice[1], 8);
}

TEST_F(BundledStudentsTest, HandsOnWorkLeadsToVocationalTraining) {
    const FullQuestionnaireResult r = Eso(kAndres);
    EXPECT_LT(r.grade, 5);
    EXPECT_EQ(r.firstGroup, 13);
    EXPECT_EQ(r.secondRecommendation, "");
    EXPECT_EQ(r.weakScales.size(), 6u);
    // The advice questionnaire has no vocational group: engineering and technology come first.
    EXPECT_EQ(Advice(kAndres).front(), 4);
    // The short test alone would already send him to the intermediate vocational training.
    bool secondChance = true;
    const EsoAnswers answers = Answers(enlace.guidance.eso, kAndres.esoAnswers);
    const ShortTestResult test =
        EvaluateShortTest(answers, enlace.degreeTables.questionnaire.esoKeys, secondChance);
    EXPECT_EQ(test.verdict, ShortTestVerdict::Insufficient);
}

}  // namespace
}  // namespace velmora
