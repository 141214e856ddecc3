#include "core/guidance/eso_screen.h"

#include <gtest/gtest.h>

#include <QFile>
#include <map>
#include <memory>

#include "core/guidance/questionnaire_fixture.h"
#include "core/guidance/questionnaire_load.h"
#include "core/shared/cp1252.h"
#include "core/shared/setup_guard.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using C = EsoControl;

constexpr int kQuestions = 40;

// A small ESO questionnaire: interface text N reads "texto N"; questions 1-35 worth 0, 4, 7 or 10
// points (four answers), 36-40 worth 0, 5, 10, 15 or 20 (five answers). Group g lists question
// g and question 36 + (g - 1) % 5; habit scale 14 + k lists questions 5k + 1 .. 5k + 5. Three
// degrees (groups 3, 2 and 11) and two higher titles (group 3, and group 13 in two columns).
class EsoScreenTest : public ::testing::Test, protected testing::QuestionnaireFixture {
  protected:
    EsoScreenTest() {
        enlace->settings.schoolName = QStringLiteral("IES Velmora ");
        std::vector<std::string> questions;
        for (int q = 1; q <= kQuestions; ++q)
            questions.push_back((q <= 35 ? "54Pregunta " : "85Pregunta ") + std::to_string(q));
        folder.writeLines(QStringLiteral("cas/cuestion"), questions);
        std::vector<std::string> cuesgm;
        for (int a = 1; a <= 11; ++a) cuesgm.push_back("Area " + std::to_string(a));
        cuesgm.push_back("10Frase");
        folder.writeLines(QStringLiteral("cas/cuesgm"), cuesgm);
        std::vector<std::string> itinerar;
        for (int g = 1; g <= 19; ++g) itinerar.push_back(Name(g));
        itinerar.emplace_back();
        itinerar.push_back("RESULTADO");
        for (int n = 22; n <= 27; ++n) itinerar.push_back("Ruta " + std::to_string(n));
        itinerar.insert(itinerar.end(), 2, std::string());
        for (int n = 30; n <= 52; ++n) itinerar.push_back("Consejo " + std::to_string(n));
        folder.writeLines(QStringLiteral("cas/itinerar"), itinerar);

        ByteGrid& keys = enlace->degreeTables.questionnaire.esoKeys;
        for (int g = 1; g <= 13; ++g) {
            keys.cell(g, 0) = 2;
            keys.cell(g, 1) = static_cast<std::uint8_t>(g);
            keys.cell(g, 2) = static_cast<std::uint8_t>(36 + (g - 1) % 5);
        }
        for (int s = 14; s <= 19; ++s) {
            keys.cell(s, 0) = 5;
            for (int j = 1; j <= 5; ++j)
                keys.cell(s, j) = static_cast<std::uint8_t>(5 * (s - 14) + j);
        }
        EXPECT_TRUE(RunSetUp(messages, [&] { LoadEsoScreenQuestionnaires(*enlace); }))
            << messages.errors.join(QLatin1Char('\n')).toStdString();

        setStudies({{"Medicina", 3}, {"Bellas Artes", 2}, {"Historia", 11}},
                   {{"Laboratorio cl\xEDnico", {3}}, {"Mecatr\xF3nica", {13, 0, 13}}});

        screen = std::make_unique<EsoScreen>(*enlace, output);
        screen->FormCreate();
        screen->takeChanges();
    }

    static std::string Name(int g) { return (g < 10 ? "Grupo 0" : "Grupo ") + std::to_string(g); }

    bool visible(C control) const { return screen->view().controls.isVisible(control); }
    QString caption(C control) const { return screen->view().controls.captionOf(control); }
    std::string line(int k) const {
        return screen->state().resultLines.at(static_cast<size_t>(k - 1));
    }
    // The line without the blanks its padded pieces leave at its end.
    std::string trimmed(int k) const { return std::string(TrimRight(line(k))); }
    static std::string Text(int n) { return "texto " + std::to_string(n); }

    // Clicks question q until it shows answer a.
    void answer(int q, int a) {
        for (int i = 0; i < 6 && screen->state().answers[static_cast<size_t>(q - 1)].answer != a;
             ++i)
            screen->GcuestioClick(q);
        ASSERT_EQ(screen->state().answers[static_cast<size_t>(q - 1)].answer, a) << q;
    }
    // Answers the short test with `tens` answers of 10 points, `sevens` of 7 and `fours` of 4,
    // in that order from question 1.
    void shortTest(int tens, int sevens, int fours) {
        int q = 1;
        for (int i = 0; i < tens; ++i) answer(q++, 4);
        for (int i = 0; i < sevens; ++i) answer(q++, 3);
        for (int i = 0; i < fours; ++i) answer(q++, 2);
    }
    FullQuestionnaireResult expectedFull() const {
        return EvaluateFullQuestionnaire(screen->state().answers,
                                         enlace->degreeTables.questionnaire.esoKeys,
                                         enlace->guidance.eso, enlace->texts);
    }

    std::unique_ptr<EsoScreen> screen;
};

TEST_F(EsoScreenTest, OpensOnItsMenuWithItsCaptionsAndAnEmptyGrid) {
    for (C c : {C::PanelMenu, C::botCuestio, C::BotLOMCE, C::BitAcabarLogse, C::LabelNom})
        EXPECT_TRUE(visible(c)) << EsoControlName(c);
    for (C c : {C::PanelMenu2, C::PanelCuestio, C::ListresCues, C::PanelCar, C::BotContinuar})
        EXPECT_FALSE(visible(c)) << EsoControlName(c);
    EXPECT_EQ(caption(C::BotCuestio3), QStringLiteral("texto 91"));
    EXPECT_EQ(screen->view().controls.hint[static_cast<size_t>(C::BotCuestio2)],
              QStringLiteral("texto 4"));
    EXPECT_EQ(caption(C::LabelAno), QStringLiteral("texto 175\n2020/21"));
    EXPECT_EQ(caption(C::LabelNom), QStringLiteral("IES Velmora"));
    EXPECT_EQ(screen->view().windowTitle, QStringLiteral("texto 338  IES Velmora "));
    EXPECT_EQ(screen->view().gridHeader[2], QStringLiteral("Not"));
    EXPECT_EQ(EsoControlNamed("Gcuestio"), C::Gcuestio);
    EXPECT_EQ(SchoolNamePoints(25), 22);
    EXPECT_EQ(SchoolNamePoints(26), 20);
    EXPECT_EQ(SchoolNamePoints(45), 18);
    EXPECT_EQ(SchoolNamePoints(46), 16);

    // The door of the itineraries shows the diagram's button alone, and no popup.
    screen->botCuestioMouseMove();
    EXPECT_TRUE(visible(C::PanelMenu2));
    screen->FormShow(true, false);
    EXPECT_FALSE(visible(C::botCuestio));
    EXPECT_FALSE(visible(C::PanelMenu2));
    screen->botCuestioMouseMove();
    EXPECT_FALSE(visible(C::PanelMenu2));
}

TEST_F(EsoScreenTest, StartingFillsTheRowsWithTheirQuestionsAndNoAnswerYet) {
    screen->botCuestioMouseMove();
    screen->BotCuestio3Click();
    const EsoChanges changes = screen->takeChanges();
    EXPECT_EQ(screen->view().gridRows, 35);
    EXPECT_EQ(screen->view().questionRows[0],
              (QuestionRow{QStringLiteral("Pregunta 1"), QString(), QString()}));
    EXPECT_FALSE(screen->view().controls.isEnabled(C::botCuestio));
    for (C c : {C::BotLOMCE, C::PanelMenu2, C::BitAcabarLogse, C::ListresCues})
        EXPECT_FALSE(visible(c)) << EsoControlName(c);
    for (C c : {C::PanelItiner, C::PanelCuestio, C::Gcuestio, C::BotResCues, C::AcabarCues})
        EXPECT_TRUE(visible(c)) << EsoControlName(c);
    EXPECT_EQ(caption(C::PanelItiner), QStringLiteral("texto 91"));
    EXPECT_EQ(changes.focus, C::Gcuestio);
    EXPECT_TRUE(screen->help().visible());
    for (int i = 0; i < 8; ++i) screen->help().tick();
    EXPECT_EQ(screen->help().label(0), QStringLiteral("texto 207"));
    EXPECT_EQ(screen->help().label(6), QString());
    // Opened from the assistant, the student came with the mouse: the grid takes no focus.
    screen->AcabarCuesClick();
    notice.answers = {true};
    enlace->assistantMode = true;
    screen->BotCuestio1Click();
    EXPECT_FALSE(screen->takeChanges().focus.has_value());
    EXPECT_EQ(screen->view().gridRows, kQuestions);
}

struct AnswerCase {
    const char* what;
    int question;
    int clicks;
    int label;  // 0: no label
    const char* stars;
};
void PrintTo(const AnswerCase& c, std::ostream* os) {
    *os << c.what;
}

class EsoAnswerTest : public EsoScreenTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(EsoAnswerTest, AClickAdvancesTheAnswerAndShowsItsLabelAndStars) {
    const AnswerCase& c = GetParam();
    screen->BotCuestio1Click();
    screen->takeChanges();
    const std::vector<QuestionRow> before = screen->view().questionRows;
    for (int i = 0; i < c.clicks; ++i) screen->GcuestioClick(c.question);
    if (c.question < 1 || c.question > kQuestions) {
        EXPECT_EQ(screen->view().questionRows, before);
        EXPECT_TRUE(screen->takeChanges().answeredRows.empty());
        return;
    }
    const QuestionRow& row = screen->view().questionRows[static_cast<size_t>(c.question - 1)];
    EXPECT_EQ(row.answer, c.label > 0 ? QString::fromStdString(Text(c.label)) : QString());
    EXPECT_EQ(row.stars, QString::fromLatin1(c.stars));
    EXPECT_EQ(screen->takeChanges().answeredRows, std::vector<int>(c.clicks, c.question));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EsoAnswerTest,
    ::testing::Values(AnswerCase{"a four answer row after one click", 1, 1, 133, "*"},
                      AnswerCase{"a four answer row at its top", 1, 3, 135, "***"},
                      AnswerCase{"a four answer row wrapping to its first", 1, 4, 132, ""},
                      AnswerCase{"a five answer row after two clicks", 36, 2, 129, "*"},
                      AnswerCase{"a five answer row at its top", 36, 4, 131, "***"},
                      AnswerCase{"the header row", 0, 2, 0, ""},
                      AnswerCase{"a row past the grid", 41, 2, 0, ""}),
    testing::ByWhat());

struct VerdictCase {
    const char* what;
    int tens, sevens, fours;
    bool passed;
    std::vector<int> lines4to7;  // texts of lines 4-7, 0 for empty
    int closing;                 // text of line 13; 0: lines 12 and 13 empty
};
void PrintTo(const VerdictCase& c, std::ostream* os) {
    *os << c.what;
}

class EsoVerdictTest : public EsoScreenTest, public ::testing::WithParamInterface<VerdictCase> {};

TEST_P(EsoVerdictTest, TheShortTestGivesTheLinesOfItsGrade) {
    const VerdictCase& c = GetParam();
    screen->BotCuestio3Click();
    shortTest(c.tens, c.sevens, c.fours);
    screen->BotResCuesClick();
    ASSERT_EQ(screen->state().resultLines.size(), 13u);
    EXPECT_EQ(screen->state().passed, c.passed);
    EXPECT_EQ(trimmed(1), "       RESULTADO");
    EXPECT_EQ(line(3), Text(124));
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(line(4 + k), c.lines4to7[static_cast<size_t>(k)] > 0
                                   ? Text(c.lines4to7[static_cast<size_t>(k)])
                                   : std::string())
            << "line " << 4 + k;
    EXPECT_EQ(line(12), c.closing > 0 ? "   " + Text(125) : std::string());
    EXPECT_EQ(line(13), c.closing > 0 ? Text(c.closing) : std::string());
    EXPECT_TRUE(visible(C::BotContinuar));
    EXPECT_FALSE(visible(C::ImpResul));  // the short test is neither printed nor saved
    EXPECT_EQ(caption(C::BotResCues), QStringLiteral("texto 328"));
    EXPECT_EQ(screen->view().resultPixels, 16);
}

// 35 questions of 10 points: the grade is 10 x points / 350.01.
INSTANTIATE_TEST_SUITE_P(
    Grades, EsoVerdictTest,
    ::testing::Values(
        VerdictCase{"every answer at the top", 35, 0, 0, true, {142, 143, 0, 0}, 201},
        VerdictCase{"every habit at seven of ten", 0, 30, 0, true, {144, 0, 0, 0}, 201},
        VerdictCase{"just five with a weak habit", 16, 0, 4, true, {144, 145, 0, 0}, 201},
        VerdictCase{"half the points just under five", 14, 5, 0, false, {146, 147, 148, 149}, 0},
        VerdictCase{"just above 4.4", 14, 1, 2, false, {146, 147, 148, 149}, 0},
        VerdictCase{"just under 4.4", 14, 0, 3, false, {150, 151, 0, 0}, 202},
        VerdictCase{"nothing answered", 0, 0, 0, false, {150, 151, 0, 0}, 202}),
    testing::ByWhat());

TEST_F(EsoScreenTest, TheSecondChanceComesOnceUntilTheStudentStartsAgain) {
    screen->BotCuestio3Click();
    shortTest(14, 1, 2);  // 4.43
    screen->BotResCuesClick();
    EXPECT_EQ(line(4), Text(146));
    EXPECT_FALSE(screen->state().secondChance);
    screen->BotResCuesClick();  // back to the answers, and again
    EXPECT_FALSE(visible(C::BotContinuar));
    EXPECT_TRUE(visible(C::Gcuestio));
    screen->BotResCuesClick();
    EXPECT_EQ(line(4), Text(150));
    EXPECT_EQ(line(13), Text(202));

    // A confirmed restart opens it again.
    screen->AcabarCuesClick();
    notice.answers = {true};
    screen->BotCuestio3Click();
    EXPECT_TRUE(screen->state().secondChance);
    shortTest(14, 1, 2);
    screen->BotResCuesClick();
    EXPECT_EQ(line(4), Text(146));
}

TEST_F(EsoScreenTest, APassedShortTestGoesOnWithTheRestKeepingTheFirstAnswers) {
    screen->BotCuestio3Click();
    shortTest(20, 0, 0);
    screen->BotResCuesClick();
    ASSERT_TRUE(screen->state().passed);
    screen->takeChanges();
    EXPECT_EQ(screen->BotContinuarClick(), std::string_view());
    const EsoChanges changes = screen->takeChanges();
    EXPECT_EQ(screen->view().gridRows, kQuestions);
    EXPECT_FALSE(screen->state().shortMode);
    EXPECT_FALSE(visible(C::BotContinuar));
    EXPECT_TRUE(visible(C::Gcuestio));
    EXPECT_EQ(screen->state().answers[0].answer, 4);
    EXPECT_EQ(screen->view().questionRows[0].answer, QStringLiteral("texto 135"));
    EXPECT_EQ(screen->view().questionRows[35].question, QStringLiteral("Pregunta 36"));
    EXPECT_EQ(screen->state().answers[35].answer, 1);
    ASSERT_FALSE(changes.scrolls.empty());
    EXPECT_EQ(changes.scrolls.back().topRow, 35);  // question 36 first
    EXPECT_EQ(caption(C::PanelItiner), QStringLiteral("texto 76"));
}

TEST_F(EsoScreenTest, AFailedShortTestHandsOverToTheIntermediateQuestionnaire) {
    enlace->studentName.set(QStringLiteral("Ana"));
    screen->BotCuestio3Click();
    screen->BotResCuesClick();
    ASSERT_FALSE(screen->state().passed);
    EXPECT_EQ(screen->BotContinuarClick(), std::string_view("TForm3"));
    EXPECT_TRUE(enlace->questionnaireMode);
    EXPECT_TRUE(screen->state().left);
    EXPECT_TRUE(enlace->studentName.empty());
    for (C c : {C::PanelMenu, C::botCuestio, C::BitAcabarLogse, C::PanelMenu2})
        EXPECT_TRUE(visible(c)) << EsoControlName(c);
    for (C c : {C::PanelCuestio, C::BotContinuar, C::ListresCues, C::BotResCues})
        EXPECT_FALSE(visible(c)) << EsoControlName(c);
    EXPECT_TRUE(screen->view().controls.isEnabled(C::botCuestio));

    enlace->questionnaireMode = false;
    EXPECT_EQ(screen->BotCuestio2Click(), std::string_view("TForm3"));
    EXPECT_TRUE(enlace->questionnaireMode);
}

TEST_F(EsoScreenTest, StartingAgainAfterLeavingAsksAndNoKeepsEveryAnswerInTheFullQuestionnaire) {
    screen->BotCuestio1Click();
    answer(2, 4);
    answer(38, 5);
    screen->AcabarCuesClick();
    notice.answers = {false};
    screen->BotCuestio3Click();
    EXPECT_EQ(notice.asked, QStringList{QStringLiteral("texto 329")});
    EXPECT_EQ(screen->view().gridRows, kQuestions);
    EXPECT_FALSE(screen->state().shortMode);
    EXPECT_EQ(screen->state().answers[1].answer, 4);
    EXPECT_EQ(screen->view().questionRows[37].stars, QStringLiteral("***"));

    // Yes: a new student, every answer back to the first.
    enlace->studentName.set(QStringLiteral("Ana"));
    screen->AcabarCuesClick();
    notice.answers = {true};
    screen->BotCuestio3Click();
    EXPECT_EQ(screen->view().gridRows, 35);
    EXPECT_EQ(screen->state().answers[1].answer, 1);
    EXPECT_EQ(screen->view().questionRows[1].answer, QString());
    EXPECT_TRUE(enlace->studentName.empty());
}

TEST_F(EsoScreenTest, NoAfterOnlyTheShortTestGivesTheUnseenRowsTheirQuestions) {
    screen->BotCuestio3Click();
    answer(1, 4);
    screen->AcabarCuesClick();
    notice.answers = {false};
    screen->BotCuestio1Click();
    EXPECT_EQ(screen->view().gridRows, kQuestions);
    EXPECT_EQ(screen->view().questionRows[39].question, QStringLiteral("Pregunta 40"));
    answer(40, 5);
    EXPECT_EQ(screen->state().answers[0].answer, 4);
    screen->BotResCuesClick();
    // Every question counts as shown: question 40 at its top gives its groups their points.
    const FullQuestionnaireResult expected = expectedFull();
    EXPECT_EQ(screen->state().resultLines, screen->FullResultLines(expected));
    EXPECT_GT(expected.wholeScores[5], 5.0);
}

TEST_F(EsoScreenTest, TheFullResultHasTheScoringModelsLinesIconsAndGrade) {
    screen->BotCuestio1Click();
    // Good habits; group 2 first over the whole questionnaire, groups 1, 6 and 11 first over
    // the questions after the short test.
    for (int q = 1; q <= 30; ++q) answer(q, 4);
    for (int q : {1, 6, 11}) answer(q, 1);
    answer(36, 5);
    answer(37, 4);
    screen->BotResCuesClick();
    const FullQuestionnaireResult r = expectedFull();
    ASSERT_GE(r.grade, 5);
    EXPECT_EQ(trimmed(1), "       RESULTADO");
    EXPECT_EQ(line(4), Text(142));
    EXPECT_EQ(line(6), Text(152) + " " + FormatScore(r.grade));
    EXPECT_EQ(line(7), std::string(56, '_'));
    EXPECT_EQ(line(9), Text(153));
    ASSERT_EQ(r.firstGroup, 2);
    ASSERT_EQ(r.secondGroup, 1);
    EXPECT_EQ(trimmed(10), "      Ruta 22");
    EXPECT_EQ(trimmed(11), "      texto 123 Ruta 27 o Ruta 26");
    EXPECT_EQ(trimmed(14), "        Consejo 30");
    EXPECT_EQ(line(15), "Consejo 33         Consejo 32");
    EXPECT_EQ(line(16), "  " + Text(240));
    for (int k = 0; k < 6; ++k) EXPECT_EQ(line(17 + k), r.byWhole.lines[static_cast<size_t>(k)]);
    EXPECT_EQ(line(24), "  " + Text(394));
    EXPECT_EQ(line(25), r.bySecondBlock.lines[0]);
    EXPECT_EQ(trimmed(29), "Consejo 34");
    EXPECT_EQ(trimmed(31), "Consejo 48");  // no weak habit
    const std::vector<std::string>& all = screen->state().resultLines;
    const int n = static_cast<int>(all.size());
    std::vector<std::string> last;
    for (int k = n - 4; k <= n; ++k) last.push_back(trimmed(k));
    EXPECT_EQ(last, (std::vector<std::string>{"", "Consejo 50", "", "Consejo 51", "Consejo 52"}));

    const std::vector<Cell>& rows = screen->view().resultRows;
    EXPECT_EQ(rows[9].icon, GroupIconIndex(r.firstGroup));
    EXPECT_EQ(rows[9].iconLeft, 50);
    EXPECT_EQ(rows[9].iconWidth, 25);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(rows[static_cast<size_t>(16 + k)].icon,
                  GroupIconIndex(r.permutation[static_cast<size_t>(k)]));
    EXPECT_EQ(rows[24].icon, GroupIconIndex(r.secondGroup));
    EXPECT_EQ(rows[0].colour, ColourOf(PaletteColour::Maroon));  // seven blanks first
    EXPECT_EQ(rows[2].colour, ColourOf(PaletteColour::Black));
    EXPECT_EQ(rows[2].textLeft, 24);
    EXPECT_EQ(screen->view().resultPixels, 14);
    for (C c : {C::ImpResul, C::grabar, C::ListresCues}) EXPECT_TRUE(visible(c));
    for (C c : {C::PanelMenu, C::Gcuestio, C::BotContinuar}) EXPECT_FALSE(visible(c));
    for (const std::string& l : all) EXPECT_LE(l.size(), 60u);
}

TEST_F(EsoScreenTest, ASecondRecommendationWithTheFirstsRouteIsLeftOut) {
    screen->BotCuestio1Click();
    answer(36, 5);  // groups 1, 6 and 11 lead both rankings: the second is the first
    screen->BotResCuesClick();
    const FullQuestionnaireResult r = expectedFull();
    ASSERT_EQ(r.secondGroup, r.firstGroup);
    EXPECT_EQ(line(11), "      ");
    EXPECT_EQ(screen->view().resultRows[24].icon, GroupIconIndex(r.firstGroup));
    // Nothing answered well: every habit scale is weak and each says what to do.
    EXPECT_EQ(line(4), Text(146));
    std::vector<std::string> advice;
    for (int k = 31; k <= 43; ++k) advice.push_back(trimmed(k));
    std::vector<std::string> expected;
    for (int n = 35; n <= 47; ++n) expected.push_back("Consejo " + std::to_string(n));
    EXPECT_EQ(advice, expected);
}

TEST_F(EsoScreenTest, TheRankedLinesShowTheHintAndOpenTheStudiesOfTheirGroup) {
    screen->BotCuestio1Click();
    answer(13, 4);  // group 13 first
    answer(38, 5);  // groups 3, 8, 13
    screen->BotResCuesClick();
    ASSERT_EQ(screen->state().rankedGroups.front(), 13);
    screen->ListresCuesMouseMove(17, {100, 300});
    EXPECT_TRUE(visible(C::LabelAviso));
    EXPECT_EQ(screen->view().avisoAt, QPoint(100, 317));
    screen->ListresCuesMouseMove(16, {100, 280});
    EXPECT_FALSE(visible(C::LabelAviso));
    screen->ListresCuesClick(16);
    EXPECT_FALSE(visible(C::PanelCar));

    screen->takeChanges();
    screen->ListresCuesClick(17);
    EXPECT_TRUE(visible(C::PanelCar));
    EXPECT_EQ(screen->takeChanges().effects.size(), 1u);
    // Group 13 has higher titles (one title tagged twice) and no degrees.
    EXPECT_EQ(screen->state().studyLines,
              (std::vector<std::string>{"   " + PadToWidth("Grupo 13", 54), "", "- " + Text(80),
                                        "Mecatr\xF3nica", "Mecatr\xF3nica"}));
    EXPECT_EQ(screen->view().studyRows[2].colour, ColourOf(PaletteColour::Maroon));
    screen->BotCerrarClick();
    EXPECT_FALSE(visible(C::PanelCar));
    EXPECT_EQ(screen->takeChanges().effects.front().kind, EsoEffect::Kind::Close);
}

struct StudiesCase {
    const char* what;
    int group;
    std::vector<std::string> afterName;
};
void PrintTo(const StudiesCase& c, std::ostream* os) {
    *os << c.what;
}

class EsoStudiesTest : public EsoScreenTest, public ::testing::WithParamInterface<StudiesCase> {};

TEST_P(EsoStudiesTest, TheStudiesOfAGroupHaveItsSections) {
    const StudiesCase& c = GetParam();
    std::vector<std::string> lines = screen->StudyLinesOf(c.group);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "   " + PadToWidth(Name(c.group), 54));
    lines.erase(lines.begin());
    EXPECT_EQ(lines, c.afterName);
}

INSTANTIATE_TEST_SUITE_P(
    Groups, EsoStudiesTest,
    ::testing::Values(StudiesCase{"a group with both",
                                  3,
                                  {"", "- texto 80", "Laboratorio cl\xEDnico", "",
                                   "- texto 84 texto 46", "Medicina"}},
                      StudiesCase{"group 11 without higher titles and with a note",
                                  11,
                                  {"", "- texto 84 texto 46", "Historia", "texto 386", "",
                                   "texto 387", "texto 388", "texto 389"}},
                      StudiesCase{
                          "group 12 without higher titles", 12, {"", "- texto 84 texto 46"}},
                      StudiesCase{"group 13 without degrees",
                                  13,
                                  {"", "- texto 80", "Mecatr\xF3nica", "Mecatr\xF3nica"}}),
    testing::ByWhat());

TEST_F(EsoScreenTest, TheResultIsPrintedUnderTheNameAskedOnce) {
    screen->BotCuestio1Click();
    answer(1, 4);
    screen->BotResCuesClick();
    notice.names = {std::nullopt};
    screen->ImpResulClick();
    EXPECT_TRUE(printing.reports.empty());  // no name, no report

    notice.names = {QStringLiteral("  Ana L\u00F3pez  ")};
    screen->ImpResulClick();
    screen->ImpResulClick();
    EXPECT_EQ(notice.prompts,
              (QStringList{QStringLiteral("texto 339"), QStringLiteral("texto 339")}));
    EXPECT_EQ(notice.proposals.back(), QString());
    ASSERT_EQ(printing.reports.size(), 2u);
    const Report& report = printing.reports.front();
    EXPECT_EQ(report.title, QStringLiteral("Ana L\u00F3pez  -  4\u00BA de ESO"));
    ASSERT_EQ(report.lines.size(), screen->state().resultLines.size() + 1);
    EXPECT_EQ(report.lines[0].text, QString());
    EXPECT_EQ(report.lines[1].text.trimmed(), QStringLiteral("RESULTADO"));
    std::vector<int> bold;
    for (size_t k = 0; k < report.lines.size(); ++k)
        if (report.lines[k].bold) bold.push_back(static_cast<int>(k) + 1);
    EXPECT_EQ(bold, (std::vector<int>{2, 11, 15, 30}));
    EXPECT_TRUE(report.monospaced);
    EXPECT_EQ(report.fontSize, 12);

    // The studies: their group's line as the title, then the heading and the lines.
    screen->ListresCuesClick(17);
    screen->BotImpTitClick();
    ASSERT_EQ(printing.reports.size(), 3u);
    const Report& studies = printing.reports.back();
    EXPECT_EQ(studies.lines.front().text, QStringLiteral("             texto 190"));
    EXPECT_EQ(static_cast<int>(studies.lines.size()),
              static_cast<int>(screen->state().studyLines.size()));
    EXPECT_EQ(studies.fontSize, 10);
}

TEST_F(EsoScreenTest, TheResultIsSavedAsItsLinesUnderTheNameWithAStandInForWhatTheFileCannotHold) {
    screen->BotCuestio1Click();
    answer(1, 4);
    screen->BotResCuesClick();
    notice.names = {QStringLiteral("Zo\u00EB \u0141ukasz")};
    saveDialog.path = folder.file(QStringLiteral("zoe.TXT"));
    screen->grabarClick();
    EXPECT_EQ(saveDialog.suffixes, QStringList{QStringLiteral("TXT")});
    EXPECT_EQ(saveDialog.proposed.back(),
              QStringLiteral("Zo\u00EB \u0141ukasz  -  4\u00BA de ESO"));
    QFile file(saveDialog.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::string expected = "Zo\xEB ?ukasz  -  4\xBA de ESO\r\n\r\n";
    for (const std::string& l : screen->state().resultLines) expected += l + "\r\n";
    EXPECT_EQ(file.readAll().toStdString(), expected);
    EXPECT_TRUE(screen->help().visible());
    for (int i = 0; i < 8; ++i) screen->help().tick();
    EXPECT_EQ(screen->help().label(0), QStringLiteral("texto 22"));

    // A cancelled dialog says nothing of a file.
    screen->help().hide();
    saveDialog.path.clear();
    screen->grabarClick();
    EXPECT_FALSE(screen->help().visible());
    EXPECT_EQ(notice.prompts.size(), 1);  // the name is asked once
}

TEST_F(EsoScreenTest, LeavingFollowsTheAssistantOrTheHomeScreen) {
    EXPECT_EQ(screen->BitAcabarLogseClick(), std::string_view("Tform0"));
    enlace->animationEnabled = true;
    EXPECT_EQ(screen->BitAcabarLogseClick(), std::string_view("Tform9"));
    enlace->assistantMode = true;
    EXPECT_EQ(screen->BitAcabarLogseClick(), std::string_view("TForm5"));

    screen->BotCuestio1Click();
    EXPECT_EQ(screen->AcabarCuesClick(), std::string_view("TForm5"));
    enlace->assistantMode = false;
    notice.answers = {false};
    screen->BotCuestio1Click();
    screen->ListresCuesClick(17);
    EXPECT_EQ(screen->EscapePressed(), std::string_view());
    EXPECT_FALSE(visible(C::PanelCuestio));
    EXPECT_TRUE(visible(C::PanelMenu));
    EXPECT_TRUE(screen->state().left);
    EXPECT_EQ(screen->EscapePressed(), std::string_view());
    EXPECT_EQ(screen->BotLOMCEClick(), std::string_view("TFlomce"));
}

}  // namespace
}  // namespace velmora
