#include "core/guidance/professions_screen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "core/guidance/questionnaire_fixture.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using C = ProfessionsControl;

// A line of "profesio": code, activity, name in 40 columns, the two phrases in 3 columns each.
std::string Profession(const char* code, const char* activity, const char* name, int first,
                       int second = 0) {
    char phrases[16];
    std::snprintf(phrases, sizeof phrases, "%3d%3d", first, second);
    std::string line = std::string(code) + " " + activity + " " + name;
    line.resize(50, ' ');
    return line + (second == 0 ? std::string(phrases).substr(0, 3) : std::string(phrases));
}

// A line of "fralargas": the statement in 115 columns, then up to four codes.
std::string Statement(const char* text, const char* codes) {
    std::string line = text;
    line.resize(115, ' ');
    return line + codes;
}

// Four activities, six professions (two named alike), six phrases (phrase 4 names the same
// activity twice) and five statements (statement 4 names no activity).
class ProfessionsScreenTest : public ::testing::Test, protected testing::QuestionnaireFixture {
  protected:
    ProfessionsScreenTest() {
        folder.writeLines(QStringLiteral("cas/activida"),
                          {"OFIC Oficina", "CIEN Ciencia", "ARTE Arte", "SALU Salud"});
        folder.writeLines(
            QStringLiteral("cas/profesio"),
            {Profession("P001", "OFIC", "Administrativo", 1, 2),
             Profession("P002", "CIEN", "Bi\xF3logo", 3, 4),
             Profession("P003", "ARTE", "Pintor", 5), Profession("P004", "SALU", "Enfermero", 6, 3),
             Profession("P005", "CIEN", "Qu\xEDmico", 3),
             Profession("P006", "SALU", "Enfermero", 6)});
        folder.writeLines(QStringLiteral("cas/fracortas"),
                          {"OFIC      Llevar las cuentas", "OFIC CIEN Ordenar datos",
                           "CIEN SALU Analizar muestras", "CIEN CIEN Hacer experimentos",
                           "ARTE      Pintar cuadros", "SALU      Cuidar enfermos"});
        folder.writeLines(
            QStringLiteral("cas/fralargas"),
            {Statement("Me gusta el orden", "OFIC"), Statement("Me gusta la ciencia", "CIEN SALU"),
             Statement("Me gusta el arte", "ARTE"), Statement("Nada de nada", ""),
             Statement("Me gustan los papeles", "OFIC")});
        screen = std::make_unique<ProfessionsScreen>(*enlace, output);
        EXPECT_TRUE(screen->FormCreate()) << messages.errors.join(QLatin1Char('\n')).toStdString();
        screen->takeChanges();
    }

    const ProfessionsView& view() const { return screen->view(); }
    bool visible(C control) const { return view().controls.isVisible(control); }
    QString caption(C control) const { return view().controls.captionOf(control); }
    std::vector<int> shown() const { return screen->state().shownPhrases; }
    QStringList texts(const std::vector<Cell>& rows) const {
        QStringList out;
        for (const Cell& cell : rows) out << cell.text;
        return out;
    }

    // A new run answered yes to the statements in `yes` (from 1) and no to the others, up to
    // the summary: yes to the introduction, then one answer per statement.
    void answer(const std::vector<int>& yes) {
        screen->BotCuestioClick();
        screen->BotSiClick();
        for (int k = 1; k <= enlace->guidance.professions.statementCount(); ++k) {
            if (std::find(yes.begin(), yes.end(), k) != yes.end()) {
                screen->BotSiClick();
            } else {
                screen->BotNoClick();
            }
        }
    }

    // Statements 1 and 2 give five phrases: 1, 3, 6, 2, 4; dealt 1, 6, 4 and 3, 2.
    void toTheFinalList(const std::vector<int>& page1, const std::vector<int>& page2) {
        answer({1, 2});
        screen->BotFraSigClick();
        for (int row : page1) screen->ListSelClick(row);
        screen->BotFraSigClick();
        for (int row : page2) screen->ListSelClick(row);
        screen->BotFraSigClick();
    }

    std::unique_ptr<ProfessionsScreen> screen;
};

TEST_F(ProfessionsScreenTest, ARunOpensOnTheIntroductionWithTheListLocked) {
    enlace->studentName.set(QStringLiteral("Ana"));
    screen->BotCuestioClick();
    EXPECT_EQ(screen->state().cursor, -1);
    EXPECT_EQ(caption(C::LabelFrase0), QStringLiteral("texto 631"));
    EXPECT_EQ(caption(C::LabelFrase), QStringLiteral("texto 632\ntexto 635\ntexto 633"));
    EXPECT_FALSE(visible(C::BotNo));
    EXPECT_FALSE(visible(C::imageIcono));
    EXPECT_FALSE(view().controls.isEnabled(C::ListCues));
    EXPECT_FALSE(view().controls.isEnabled(C::BotFraSig));
    EXPECT_TRUE(enlace->studentName.empty());
    ASSERT_EQ(view().statementRows.size(), 5u);
    EXPECT_EQ(view().statementRows[0].icon, 2);
    EXPECT_EQ(view().statementRows[0].textLeft, 30);
    screen->ListCuesClick(0);  // locked
    EXPECT_FALSE(screen->state().statementTicks[0]);

    screen->BotSiClick();
    EXPECT_EQ(caption(C::LabelFrase0), QStringLiteral("texto 626"));
    EXPECT_EQ(caption(C::LabelFrase), QStringLiteral("Me gusta el orden"));
    EXPECT_EQ(view().statementIcon, 2);
    EXPECT_TRUE(visible(C::BotNo));
    // The panel grows from its middle into place, up to 9 pixels taller and 4 higher.
    EXPECT_EQ(view().fraseHeight, 10);
    EXPECT_EQ(view().fraseTop, 224 + 108);
    for (int i = 0; i < 40 && view().running(ProfessionsTimer::Frase); ++i)
        screen->tick(ProfessionsTimer::Frase);
    EXPECT_EQ(view().fraseHeight, 220);
    EXPECT_EQ(view().fraseTop, 222);
}

struct SummaryCase {
    const char* label;
    std::vector<int> yes;
    const char* text;
    bool goesOn;
};

class ProfessionsSummaryTest : public ProfessionsScreenTest,
                               public ::testing::WithParamInterface<SummaryCase> {};

TEST_P(ProfessionsSummaryTest, OneToThreeStatementsGoOnAndOthersShowTheSummaryAgain) {
    answer(GetParam().yes);
    const std::vector<bool>& ticks = screen->state().statementTicks;
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(ticks[static_cast<size_t>(k - 1)],
                  std::count(GetParam().yes.begin(), GetParam().yes.end(), k) > 0)
            << k;
    EXPECT_EQ(caption(C::LabelFrase0), QStringLiteral("texto 639"));
    EXPECT_EQ(caption(C::LabelFrase), QString::fromLatin1(GetParam().text));
    EXPECT_TRUE(view().controls.isEnabled(C::ListCues));
    EXPECT_FALSE(visible(C::BotNo));
    screen->BotSiClick();  // puts the summary away
    EXPECT_FALSE(visible(C::PanelFrase));
    screen->BotFraSigClick();
    EXPECT_EQ(screen->state().page, GetParam().goesOn ? 1 : 0);
    EXPECT_EQ(visible(C::ListSel), GetParam().goesOn);
    EXPECT_EQ(visible(C::PanelFrase), !GetParam().goesOn);  // the summary, shown again
}

INSTANTIATE_TEST_SUITE_P(
    Kept, ProfessionsSummaryTest,
    ::testing::Values(SummaryCase{"None", {}, "texto 637 texto 636", false},
                      SummaryCase{"One", {3}, "texto 637 texto 636", true},
                      SummaryCase{"ThreeWithTheLast", {1, 2, 5}, "texto 637 texto 636", true},
                      SummaryCase{"Four", {1, 2, 3, 5}, "texto 634 texto 635 texto 636", false}),
    [](const ::testing::TestParamInfo<SummaryCase>& c) { return std::string(c.param.label); });

TEST_F(ProfessionsScreenTest, FivePhrasesGoOnTwoPagesDealtLikeCards) {
    answer({1, 2});
    screen->BotFraSigClick();
    EXPECT_EQ(screen->state().codes, (std::vector<std::string>{"OFIC", "CIEN", "SALU"}));
    EXPECT_EQ(screen->state().pool, (std::vector<int>{1, 3, 6, 2, 4}));
    EXPECT_EQ(shown(), (std::vector<int>{1, 6, 4}));
    EXPECT_EQ(caption(C::LabelTit0), QStringLiteral("texto 629"));
    EXPECT_FALSE(visible(C::ListCues));
    // The title slides from 80 pixels left of the bar's end to 80 from its start.
    EXPECT_EQ(view().tit0Left, 720);
    for (int i = 0; i < 200 && view().running(ProfessionsTimer::Tit0); ++i)
        screen->tick(ProfessionsTimer::Tit0);
    EXPECT_EQ(view().tit0Left, 80);
    screen->BotFraSigClick();
    EXPECT_EQ(shown(), (std::vector<int>{3, 2}));
}

TEST_F(ProfessionsScreenTest, AThirdTickOnAPageKeepsOnlyItself) {
    answer({1, 2});
    screen->BotFraSigClick();
    screen->ListSelClick(0);
    screen->ListSelClick(1);
    EXPECT_EQ(screen->state().phraseTicks, (std::vector<bool>{true, true, false}));
    screen->ListSelClick(2);
    EXPECT_EQ(screen->state().phraseTicks, (std::vector<bool>{false, false, true}));
    screen->ListSelClick(2);  // a click unticks
    EXPECT_EQ(screen->state().phraseTicks, (std::vector<bool>{false, false, false}));
}

TEST_F(ProfessionsScreenTest, TheFinalListHoldsThePicksAndOneFinalPick) {
    toTheFinalList({0, 2}, {0});
    EXPECT_TRUE(screen->state().finalMode);
    EXPECT_EQ(caption(C::LabelTit0), QStringLiteral("texto 630"));
    EXPECT_EQ(shown(), (std::vector<int>{1, 4, 3}));
    screen->BotFraSigClick();  // no pick yet: nothing to score
    EXPECT_FALSE(visible(C::PanelResul));
    screen->ListSelClick(0);
    screen->ListSelClick(2);
    EXPECT_EQ(screen->state().phraseTicks, (std::vector<bool>{false, false, true}));
    screen->BotFraSigClick();
    ASSERT_TRUE(visible(C::PanelResul));
    // Phrase 1 (OFIC) 1, phrase 4 (CIEN twice) 1.5, phrase 3 picked (CIEN, SALU) 2.5 and 1.25.
    const std::vector<double>& scores = screen->state().activityScores;
    EXPECT_DOUBLE_EQ(scores[1], 1);
    EXPECT_DOUBLE_EQ(scores[2], 4);
    EXPECT_DOUBLE_EQ(scores[3], 0);
    EXPECT_DOUBLE_EQ(scores[4], 1.25);
    EXPECT_EQ(screen->state().rankedActivities, (std::vector<int>{2, 4, 1}));
    EXPECT_EQ(texts(view().activityRows),
              (QStringList{QStringLiteral("         texto 625"), QStringLiteral("1º Ciencia"),
                           QStringLiteral("2º Salud")}));
    // Phrase 3 belongs to the biologist, the nurse and the chemist (in file order).
    EXPECT_EQ(screen->state().linkedProfessions, (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(texts(view().professionRows),
              (QStringList{QString(), QStringLiteral("• Biólogo"), QStringLiteral("• Enfermero"),
                           QStringLiteral("• Químico")}));
    EXPECT_EQ(view().activitySelected, 1);
    EXPECT_EQ(view().professionSelected, 1);
    EXPECT_TRUE(view().studyRows.empty());
    EXPECT_TRUE(visible(C::ListTit));
}

TEST_F(ProfessionsScreenTest, APhraseNamingOneActivityTwiceAndASinglePositiveActivity) {
    answer({2});  // CIEN and SALU: phrases 3, 6, 4
    screen->BotFraSigClick();
    EXPECT_EQ(shown(), (std::vector<int>{3, 6, 4}));
    screen->ListSelClick(2);
    screen->BotFraSigClick();
    ASSERT_EQ(shown(), (std::vector<int>{4}));
    screen->ListSelClick(0);
    screen->BotFraSigClick();
    EXPECT_DOUBLE_EQ(screen->state().activityScores[2], 3.75);
    EXPECT_EQ(view().activityRows.size(), 2u);  // the header and the one activity
    EXPECT_EQ(ScoreActivities(enlace->guidance.professions, {4}, -1)[2], 1.5);
}

TEST_F(ProfessionsScreenTest, StatementsWithoutPhrasesLeaveAnEmptyPageThatLeadsNowhere) {
    answer({4});
    screen->BotFraSigClick();
    EXPECT_EQ(screen->state().pages.count(), 0);
    EXPECT_EQ(screen->state().page, 1);
    EXPECT_TRUE(shown().empty());
    screen->BotFraSigClick();
    EXPECT_EQ(screen->state().page, 1);
    EXPECT_FALSE(screen->state().finalMode);
    screen->BotFraRetClick();
    EXPECT_EQ(screen->state().page, 0);
    EXPECT_TRUE(visible(C::ListCues));
    EXPECT_FALSE(visible(C::ListSel));
}

TEST_F(ProfessionsScreenTest, BackStepsKeepWhatWasTicked) {
    toTheFinalList({1}, {0, 1});
    screen->ListSelClick(1);
    screen->BotFraSigClick();
    ASSERT_TRUE(visible(C::PanelResul));
    screen->BotFraRetClick();  // the results go
    EXPECT_FALSE(visible(C::PanelResul));
    EXPECT_TRUE(screen->state().finalMode);
    screen->BotFraRetClick();  // the last page, with its ticks
    EXPECT_FALSE(screen->state().finalMode);
    EXPECT_EQ(shown(), (std::vector<int>{3, 2}));
    EXPECT_EQ(screen->state().phraseTicks, (std::vector<bool>{true, true}));
    EXPECT_EQ(caption(C::LabelTit0), QStringLiteral("texto 629"));
    screen->ListSelClick(0);  // changed here, and kept when going back
    screen->BotFraRetClick();
    EXPECT_EQ(shown(), (std::vector<int>{1, 6, 4}));
    EXPECT_EQ(screen->state().phraseTicks, (std::vector<bool>{false, true, false}));
    screen->BotFraSigClick();
    EXPECT_EQ(screen->state().phraseTicks, (std::vector<bool>{false, true}));
    screen->BotFraRetClick();
    screen->BotFraRetClick();
    EXPECT_TRUE(visible(C::ListCues));
    EXPECT_TRUE(screen->state().statementTicks[0]);
}

TEST_F(ProfessionsScreenTest, HoveringShowsProfessionsAndStudiesUntilAClickFreezesIt) {
    toTheFinalList({0, 1}, {});  // phrases 1 and 6
    screen->ListSelClick(1);     // phrase 6: the nurse
    screen->BotFraSigClick();
    ASSERT_EQ(screen->state().linkedProfessions, (std::vector<int>{4}));
    screen->ListResulActMouseMove(1);  // the header changes nothing
    EXPECT_TRUE(view().activityProfessionRows.empty());
    screen->ListResulActMouseMove(2);
    EXPECT_EQ(texts(view().activityProfessionRows),
              (QStringList{QStringLiteral("     texto 624 1º"), QStringLiteral("• Enfermero"),
                           QStringLiteral("• Enfermero")}));
    screen->ListResulProfMouseMove(2);
    EXPECT_EQ(caption(C::LabelTit3), QStringLiteral("• Enfermero"));
    screen->ListResulProfMouseUp(2);  // frozen
    screen->ListResulActMouseMove(3);
    EXPECT_EQ(view().activitySelected, 1);
    screen->PanelResulMouseMove();  // thawed
    screen->ListResulActMouseMove(3);
    EXPECT_EQ(view().activitySelected, 2);
    screen->FormMouseMove();
    EXPECT_FALSE(visible(C::ListTit));
    EXPECT_FALSE(visible(C::ListResProf));
    screen->ListResulProfMouseMove(1);
    EXPECT_TRUE(visible(C::ListTit));
}

TEST_F(ProfessionsScreenTest, TheStudiesOfAProfessionUnderTheirHeadings) {
    DegreeTables& degrees = enlace->degreeTables;
    degrees.degreeNames.set(1,
                            "Biolog\xED"
                            "a");
    degrees.degreeNames.set(2, "Medicina");
    degrees.degreeNames.count = 2;
    degrees.degreeAttributes.cell(1, DegreeTables::kFirstProfession) = 2;
    degrees.degreeAttributes.cell(2, DegreeTables::kLastProfession) = 2;
    degrees.otherStudies.set(6, "Oficiales de las Fuerzas Armadas");
    VocationalTables& vocational = enlace->vocational;
    vocational.titlesGS.set(1, "Laboratorio cl\xEDnico");
    vocational.titlesGS.count = 1;
    vocational.factsGS.cell(1, 17) = 2;  // its first profession
    vocational.titlesGM.set(1, "Farmacia y parafarmacia");
    vocational.titlesGM.count = 1;
    vocational.factsGM.cell(1, 2) = 2;  // its third profession
    const ProfessionStudyIndex index = BuildProfessionStudyIndex(degrees, vocational);
    const auto lines = [&](int p) {
        QStringList out;
        for (const auto& line : ProfessionStudyLines(index, degrees, vocational, enlace->texts, p))
            out << (line.heading ? QStringLiteral("# ") : QString()) + cp1252::Decode(line.text);
        return out;
    };
    EXPECT_EQ(
        lines(2),
        (QStringList{QStringLiteral("#       texto 627:"), QStringLiteral("Biología"),
                     QStringLiteral("Medicina"), QStringLiteral("#       texto 47:"),
                     QStringLiteral("Laboratorio clínico"), QStringLiteral("#       texto 113:"),
                     QStringLiteral("Farmacia y parafarmacia")}));
    EXPECT_EQ(lines(36),
              (QStringList{QStringLiteral("#       texto 628:"),
                           QStringLiteral("Oficiales de las Fuerzas Armadas"), QString()}));
    EXPECT_EQ(lines(52),
              (QStringList{QStringLiteral("#       texto 628:"), QStringLiteral("texto 609")}));
    EXPECT_TRUE(lines(1).isEmpty());
}

struct DealCase {
    int phrases;
    std::vector<std::vector<int>> pages;
};

class DealPhrasesTest : public ::testing::TestWithParam<DealCase> {};

TEST_P(DealPhrasesTest, DealsSlotBySlotOntoAtMostFourPagesAndKeepsEveryPhrase) {
    std::vector<int> pool;
    for (int i = 1; i <= GetParam().phrases; ++i) pool.push_back(i);
    const PhrasePages dealt = DealPhrases(pool);
    if (!GetParam().pages.empty()) {
        EXPECT_EQ(dealt.pages, GetParam().pages);
    }
    size_t total = 0;
    for (const auto& page : dealt.pages) total += page.size();
    EXPECT_EQ(total, pool.size());
    EXPECT_LE(dealt.count(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Pools, DealPhrasesTest,
    ::testing::Values(
        DealCase{0, {}}, DealCase{4, {{1, 2, 3, 4}}}, DealCase{5, {{1, 3, 5}, {2, 4}}},
        DealCase{20,
                 {{1, 5, 9, 13, 17}, {2, 6, 10, 14, 18}, {3, 7, 11, 15, 19}, {4, 8, 12, 16, 20}}},
        DealCase{60, {}}),
    [](const auto& c) { return std::to_string(c.param.phrases) + "Phrases"; });

TEST_F(ProfessionsScreenTest, PrintingAsksTheNameOnceAndPrintsTheResults) {
    toTheFinalList({0, 2}, {0});
    screen->ListSelClick(2);
    screen->BotFraSigClick();
    notice.names = {QStringLiteral("Lucía")};
    screen->BotImpClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    const Report& report = printing.reports[0];
    EXPECT_EQ(report.title, QStringLiteral("Lucía"));
    EXPECT_FALSE(report.monospaced);
    EXPECT_EQ(report.fontSize, 12);
    QStringList lines;
    for (const ReportLine& line : report.lines) lines << line.text;
    EXPECT_EQ(lines.mid(0, 6),
              (QStringList{QStringLiteral("texto 648"), QString(), QStringLiteral("texto 124"),
                           QStringLiteral("texto 644"), QStringLiteral("      - texto 645"),
                           QStringLiteral("• Biólogo")}));
    EXPECT_TRUE(report.lines[0].bold);
    EXPECT_TRUE(report.lines[3].bold);
    EXPECT_TRUE(report.lines[5].bold);
    EXPECT_TRUE(lines.contains(QStringLiteral("texto 642")));
    EXPECT_TRUE(lines.contains(QStringLiteral("1º Ciencia")));
    EXPECT_EQ(lines.mid(lines.size() - 3),
              (QStringList{QStringLiteral("     texto 624 1º:"), QStringLiteral("  • Biólogo"),
                           QStringLiteral("  • Químico")}));
    screen->BotImpClick();
    EXPECT_EQ(notice.prompts.size(), 1);  // the name is asked once a run
    EXPECT_EQ(printing.reports.size(), 2u);
}

TEST_F(ProfessionsScreenTest, LeavingAsksFirstWithANoteFromTheStudiesAndNotForTheAssistant) {
    answer({1});
    notice.answers = {false};
    EXPECT_EQ(screen->BotAcabarClick(), std::nullopt);
    EXPECT_EQ(notice.asked, QStringList{QStringLiteral("texto 649")});
    EXPECT_EQ(notice.notes, QStringList{QString()});
    notice.answers = {true};
    EXPECT_EQ(screen->BotAcabarClick(true), LeaveTo::MainMenu);
    EXPECT_EQ(notice.notes.back(), QStringLiteral("texto 650"));
    EXPECT_FALSE(visible(C::ListCues));
    enlace->assistantMode = true;
    EXPECT_EQ(screen->BotAcabarClick(), LeaveTo::Assistant);
    EXPECT_EQ(notice.asked.size(), 2);  // no question on the way back to the assistant
}

}  // namespace
}  // namespace velmora
