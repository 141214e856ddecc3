#include "core/guidance/advice_screen.h"

#include <gtest/gtest.h>

#include <QFile>
#include <memory>

#include "core/guidance/questionnaire_fixture.h"
#include "core/shared/enlace.h"

namespace velmora {
namespace {

using C = AdviceControl;

constexpr int kQualities = 8;
constexpr int kInterests = 6;

// A small advice screen: interface text N reads "texto N"; 13 groups "Grupo 01".., group g
// spoken for by quality items g, g + 1, g + 2 (from 1 again after 8) and interest items alike
// (after 6); three degrees
// (groups 3, 2 and 11) and two higher titles (group 3, and group 2 in two columns).
class AdviceScreenTest : public ::testing::Test, protected testing::QuestionnaireFixture {
  protected:
    AdviceScreenTest() {
        enlace->settings.schoolName = QStringLiteral("IES Velmora ");

        std::vector<std::string> qualities, interests;
        for (int k = 1; k <= kQualities; ++k) qualities.push_back("Cualidad " + std::to_string(k));
        for (int k = 1; k <= kInterests; ++k)
            interests.push_back("Inter\xE9s " + std::to_string(k));
        folder.writeLines(QStringLiteral("cas/cualidad"), qualities);
        folder.writeLines(QStringLiteral("cas/interes"), interests);

        QuestionnaireLoads& keys = enlace->degreeTables.questionnaire;
        for (int g = 1; g <= 13; ++g) {
            // As the reader keeps them: padded to the reading width.
            keys.itineraries.set(
                g, PadToWidth((g < 10 ? "Grupo 0" : "Grupo ") + std::to_string(g), 60));
            if (g > 12) continue;
            // Three items per group, as the data has at least: a group's start score, 0.01 x
            // 10 / 3, shows as 0.0.
            keys.qualityKeys.cell(g, 0) = 3;
            keys.interestKeys.cell(g, 0) = 3;
            for (int j = 1; j <= 3; ++j) {
                keys.qualityKeys.cell(g, j) =
                    static_cast<std::uint8_t>((g + j - 2) % kQualities + 1);
                keys.interestKeys.cell(g, j) =
                    static_cast<std::uint8_t>((g + j - 2) % kInterests + 1);
            }
        }
        keys.itineraries.count = 13;

        setStudies({{"Medicina", 3}, {"Bellas Artes", 2}, {"Historia", 11}},
                   {{"Laboratorio cl\xEDnico", {3}}, {"Animaci\xF3n 3D", {2, 0, 0, 2}}});

        screen = std::make_unique<AdviceScreen>(*enlace, output);
        EXPECT_TRUE(screen->FormCreate()) << messages.errors.join(QLatin1Char('\n')).toStdString();
        screen->takeChanges();
    }

    bool visible(C control) const { return screen->view().controls.isVisible(control); }
    QString score(int rank) const {
        return screen->view().resultRows.at(static_cast<size_t>(rank))[1].text;
    }
    QString groupAt(int rank) const {
        return screen->view().resultRows.at(static_cast<size_t>(rank))[0].text;
    }
    std::vector<QString> studyTexts() const {
        std::vector<QString> out;
        for (const Cell& cell : screen->view().studyRows) out.push_back(cell.text);
        return out;
    }
    // Ticks the items in a list and ranks it.
    void rank(bool qualities, const std::vector<int>& items) {
        qualities ? screen->MenucuaClick() : screen->MenuGusClick();
        for (const int item : items)
            qualities ? screen->ListCuaClick(item - 1) : screen->ListintClick(item - 1);
        screen->VerResulClick();
    }
    // Quality 5 (which brings 4) and interest 5: groups 3 and 4 tie at the top, 3 first.
    void rankBothAndAverage() {
        rank(true, {5});
        screen->acabarCuaClick();
        rank(false, {5});
        screen->acabarCuaClick();
        screen->MenuMediaClick();
    }

    std::unique_ptr<AdviceScreen> screen;
};

TEST_F(AdviceScreenTest, OpensOnItsMenuWithTheCaptionsOfItsTexts) {
    const auto& controls = screen->view().controls;
    for (C c : {C::PanelMenuCon, C::Menucua, C::MenuGus, C::MenuMedia, C::MenuRetroCon})
        EXPECT_TRUE(visible(c)) << AdviceControlName(c);
    for (C c : {C::PanelListCon, C::VerResul, C::ImpResul, C::grabar, C::PanelResul})
        EXPECT_FALSE(visible(c)) << AdviceControlName(c);
    EXPECT_EQ(controls.captionOf(C::Menucua), QStringLiteral("texto 301"));
    EXPECT_EQ(controls.captionOf(C::grabar), QStringLiteral("texto 330"));
    EXPECT_EQ(controls.captionOf(C::labelCentro), QStringLiteral("IES Velmora - 2020/21"));
    EXPECT_EQ(screen->view().windowTitle, QStringLiteral("texto 338  IES Velmora "));
    EXPECT_EQ(AdviceControlNamed("ListResul"), C::ListResul);
}

TEST_F(AdviceScreenTest, NothingTickedScoresZeroEverywhereAndKeepsTheGroupOrder) {
    rank(true, {});
    ASSERT_EQ(screen->view().resultRows.size(), 12u);
    for (int r = 0; r < 12; ++r) {
        EXPECT_EQ(score(r), QStringLiteral(" 0.0")) << r;
        EXPECT_EQ(screen->state().rankPermutation[static_cast<size_t>(r)], r + 1);
        EXPECT_EQ(screen->view().resultRows[static_cast<size_t>(r)][0].icon, GroupIconIndex(r + 1));
    }
    EXPECT_EQ(groupAt(0), QStringLiteral("Grupo 01"));
    EXPECT_EQ(screen->view().controls.captionOf(C::PanelResCon),
              QStringLiteral("texto 286    texto 279"));
}

TEST_F(AdviceScreenTest, ALaterItemOfATripleBringsTheEarlierOnesAndRanksAsTheScoringModel) {
    rank(true, {3});
    const AdviceScores expected =
        QualityScores({false, false, true, false, false, false, false, false},
                      enlace->degreeTables.questionnaire.qualityKeys);
    EXPECT_EQ(screen->state().qualityScores, expected);
    const AdviceRanking ranking = RankAdviceLines(
        AdviceResultLines(enlace->degreeTables.questionnaire.itineraries, expected), expected);
    EXPECT_EQ(screen->state().rankPermutation, ranking.permutation);
    EXPECT_EQ(screen->state().rankedLines[AdviceState::QualityTable], ranking.ranked.lines);
    // Item 3 alone would not speak for group 8 (items 8, 1, 2): the triple's earlier items do.
    EXPECT_GT(expected[8], 1.0);
    EXPECT_EQ(score(0), QString::fromStdString(FormatScore(ranking.ranked.scores[0])));
    EXPECT_EQ(score(11), QStringLiteral(" 0.0"));
}

TEST_F(AdviceScreenTest, AClickTogglesAnItemAndTheTicksStayForTheReview) {
    screen->MenucuaClick();
    EXPECT_TRUE(visible(C::ListCua));
    EXPECT_FALSE(visible(C::Listint));
    EXPECT_TRUE(screen->view().visited[0]);
    screen->ListCuaClick(4);
    screen->ListCuaClick(6);
    screen->ListCuaClick(4);
    EXPECT_EQ(screen->state().ticks[0],
              (Selection{false, false, false, false, false, false, true, false}));
    EXPECT_TRUE(screen->view().qualityRows[6].fill.has_value());
    EXPECT_FALSE(screen->view().qualityRows[4].fill.has_value());
    screen->VerResulClick();
    EXPECT_FALSE(visible(C::ListCua));
    EXPECT_TRUE(visible(C::ListResul));
    screen->revisaClick();
    EXPECT_TRUE(visible(C::ListCua));
    EXPECT_TRUE(visible(C::VerResul));
    EXPECT_FALSE(visible(C::ListResul));
    EXPECT_TRUE(screen->state().ticks[0][6]);
    screen->ListCuaClick(99);  // past the list: nothing
    screen->ListCuaClick(-1);
    EXPECT_EQ(screen->state().ticks[0].size(), static_cast<size_t>(kQualities));
}

TEST_F(AdviceScreenTest, TheAverageWaitsForBothListsThenRanksTheirMean) {
    screen->MenuMediaClick();
    EXPECT_FALSE(visible(C::ListResul));
    EXPECT_TRUE(screen->help().visible());
    EXPECT_EQ(screen->help().label(0), QString());
    rankBothAndAverage();
    EXPECT_TRUE(visible(C::ListResul));
    EXPECT_TRUE(visible(C::ImpResul));
    EXPECT_TRUE(visible(C::grabar));
    EXPECT_FALSE(visible(C::Menucua));
    EXPECT_TRUE(visible(C::MenuMedia));
    EXPECT_EQ(screen->view().controls.captionOf(C::PanelResCon), QStringLiteral("texto 288"));
    const AdviceScores average =
        AverageScores(screen->state().qualityScores, screen->state().interestScores);
    const AdviceRanking ranking = RankAdviceLines(
        AverageResultLines(enlace->degreeTables.questionnaire.itineraries, average), average);
    EXPECT_EQ(screen->state().rankPermutation, ranking.permutation);
    EXPECT_EQ(screen->state().rankPermutation.front(),
              3);  // quality and interest both speak for it
}

TEST_F(AdviceScreenTest, AnAverageOfTenOrMoreKeepsItsWholeScoreOutOfTheNameColumn) {
    rank(true, {3});  // items 1-3: group 1 scores just above 10
    screen->acabarCuaClick();
    rank(false, {1, 2, 3});
    screen->acabarCuaClick();
    screen->MenuMediaClick();
    ASSERT_EQ(screen->state().rankPermutation.front(), 1);
    EXPECT_EQ(groupAt(0), QStringLiteral("Grupo 01"));
    EXPECT_EQ(score(0), QStringLiteral("10.0"));
}

TEST_F(AdviceScreenTest, ADoubleClickListsTheStudiesOfTheGroupAtThatRank) {
    rankBothAndAverage();
    screen->ListResulDblClick(0);  // group 3
    EXPECT_TRUE(visible(C::PanelResul));
    EXPECT_EQ(studyTexts(), (std::vector<QString>{
                                QStringLiteral("Grupo 03"), QString(), QStringLiteral("texto 327"),
                                QStringLiteral("Medicina"), QString(), QStringLiteral("texto 326"),
                                QStringLiteral("Laboratorio clínico")}));
    EXPECT_TRUE(screen->view().studyRows[2].bold);
    screen->BotCerrarClick();
    EXPECT_FALSE(visible(C::PanelResul));
}

TEST_F(AdviceScreenTest, GroupElevenHasANoteInsteadOfVocationalTitles) {
    rank(true, {});
    screen->ListResulDblClick(10);  // ties: rank 11 is group 11
    EXPECT_EQ(studyTexts(), (std::vector<QString>{
                                QStringLiteral("Grupo 11"), QString(), QStringLiteral("texto 327"),
                                QStringLiteral("Historia"), QStringLiteral("texto 386"), QString(),
                                QStringLiteral("texto 387"), QStringLiteral("texto 388"),
                                QStringLiteral("texto 389")}));
    screen->ListResulDblClick(12);  // no such row
    EXPECT_EQ(studyTexts().front(), QStringLiteral("Grupo 11"));
}

TEST_F(AdviceScreenTest, ComingBackAsksToStartAgainAndYesEmptiesBothLists) {
    screen->FormShow();
    EXPECT_TRUE(notice.asked.isEmpty());  // nothing filled yet
    rank(true, {1});
    screen->acabarCuaClick();
    enlace->studentName.set(QStringLiteral("Ana"));
    notice.answers = {false};
    screen->FormShow();
    EXPECT_EQ(notice.asked, QStringList{QStringLiteral("texto 329")});
    EXPECT_TRUE(enlace->studentName.empty());
    EXPECT_TRUE(screen->state().filled[0]);
    notice.answers = {true};
    screen->FormShow();
    EXPECT_FALSE(screen->state().filled[0]);
    // Nothing of the last student's scores is left for the next one's average.
    EXPECT_EQ(screen->state().qualityScores, AdviceScores{});
    EXPECT_TRUE(screen->state().rankedLines[AdviceState::QualityTable].empty());
    EXPECT_FALSE(screen->view().visited[0]);
    screen->MenucuaClick();
    EXPECT_EQ(screen->state().ticks[0], Selection(kQualities, false));
}

TEST_F(AdviceScreenTest, PrintingAsksTheNameThenPrintsBothPartsWhenAsked) {
    rankBothAndAverage();
    notice.names = {std::nullopt};
    screen->ImpResulClick();
    EXPECT_TRUE(printing.reports.empty());  // the name was cancelled

    notice.names = {QStringLiteral("Lucía")};
    messages.answer = true;
    screen->ImpResulClick();
    ASSERT_EQ(printing.reports.size(), 2u);
    const Report& first = printing.reports[0];
    EXPECT_EQ(first.title, QStringLiteral("texto 284 Lucía"));
    EXPECT_TRUE(first.monospaced);
    EXPECT_EQ(first.fontSize, 12);
    ASSERT_EQ(first.lines.size(), 50u);
    EXPECT_EQ(first.lines[0].text, QStringLiteral("texto 596 texto 597"));
    for (int bold : {3, 19, 35})
        EXPECT_TRUE(first.lines[static_cast<size_t>(bold - 1)].bold) << bold;
    EXPECT_EQ(first.lines[2].text, QString(27, u' ') + QStringLiteral("texto 279"));
    EXPECT_EQ(first.lines[36].text.left(14), QStringLiteral("      Grupo 03"));
    EXPECT_EQ(first.lines[49].text, QString(45, u' ') + QStringLiteral("texto 598"));
    EXPECT_EQ(messages.questions, QStringList{QStringLiteral("texto 274 ??")});
    const Report& second = printing.reports[1];
    EXPECT_EQ(second.title, QStringLiteral("texto 340"));
    EXPECT_EQ(second.lines[1].text, QStringLiteral("Grupo 03"));
    EXPECT_TRUE(second.lines[1].bold);
    EXPECT_EQ(second.lines[4].text, QStringLiteral(" Medicina"));
    EXPECT_EQ(screen->help().label(1), QString());  // set 17 starts with an empty line
    // The next report proposes the name typed last.
    notice.names = {std::nullopt};
    screen->ImpResulClick();
    EXPECT_EQ(notice.proposals.back(), QStringLiteral("Lucía"));
}

TEST_F(AdviceScreenTest, ACancelledPrintDialogEndsThePrinting) {
    rankBothAndAverage();
    notice.names = {QStringLiteral("Ana")};
    printing.answer = false;
    screen->ImpResulClick();
    EXPECT_EQ(printing.reports.size(), 1u);
    EXPECT_TRUE(messages.questions.isEmpty());
}

TEST_F(AdviceScreenTest, TheSavedFileBeginsWithTheTitleNotTheName) {
    rankBothAndAverage();
    notice.names = {QStringLiteral("Ana/Gil")};
    saveDialog.path = folder.file(QStringLiteral("ana.TXT"));
    screen->grabarClick();
    EXPECT_EQ(saveDialog.proposed, QStringList{QStringLiteral("Ana_Gil")});
    QFile file(saveDialog.path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(
        bytes.startsWith("texto 596 texto 597\r\n\r\n" + QByteArray(27, ' ') + "texto 279\r\n"));
    EXPECT_FALSE(bytes.contains("Ana"));
    EXPECT_TRUE(bytes.contains("\r\ntexto 340\r\n\r\nGrupo 03\r\n"));
    EXPECT_TRUE(bytes.contains("Laboratorio cl\xEDnico"));
    EXPECT_FALSE(bytes.contains("\n\n"));  // every line ends with CR LF
    EXPECT_FALSE(visible(C::ListResul));
    EXPECT_EQ(screen->help().label(0), QString());  // set 19 is typed from its first line
    EXPECT_TRUE(screen->help().running());
}

TEST_F(AdviceScreenTest, AFailedOrCancelledSaveKeepsTheRankingAndSaysNothingWasSaved) {
    rankBothAndAverage();
    notice.names = {QStringLiteral("Ana"), QStringLiteral("Ana")};
    screen->takeChanges();
    screen->grabarClick();  // the dialog is cancelled
    EXPECT_TRUE(visible(C::ListResul));
    EXPECT_FALSE(screen->takeChanges().has(AdviceChanges::Help));
    folder.write(QStringLiteral("file"), "x");
    saveDialog.path = folder.file(QStringLiteral("file/ana.TXT"));
    screen->grabarClick();
    EXPECT_TRUE(visible(C::ListResul));
    EXPECT_FALSE(screen->takeChanges().has(AdviceChanges::Help));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(saveDialog.path));
}

TEST_F(AdviceScreenTest, BackLeadsHomeOrToTheAssistant) {
    EXPECT_EQ(screen->MenuRetroConClick(), LeaveTo::MainMenu);
    enlace->animationEnabled = true;
    EXPECT_EQ(screen->MenuRetroConClick(), LeaveTo::Scene);
    enlace->assistantMode = true;
    EXPECT_EQ(screen->MenuRetroConClick(), LeaveTo::Assistant);
    EXPECT_FALSE(screen->help().visible());
}

}  // namespace
}  // namespace velmora
