// Three students answer the bundled ESO and advice questionnaires as they honestly would, from the
// question texts, and each is pointed to the studies that suit them.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <string>

#include "core/guidance/questionnaire_load.h"
#include "core/guidance/scoring.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/guidance/bundled_students.h"
#include "support/recording_messages.h"

namespace velmora {
namespace {

using testing::kAndres;
using testing::kLucia;
using testing::kMarcos;
using testing::RecordingMessages;
using testing::Student;

const QString kBundled = QStringLiteral(VELMORA_BUNDLED_DATA);

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
