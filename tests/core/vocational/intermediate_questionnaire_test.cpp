// The intermediate screen's questionnaire view: areas, statements, the titles they lead to, a
// title on the map with its centres collected in the report, printing, the way back step by
// step and out to the ESO screen.
#include "core/vocational/intermediate_questionnaire.h"

#include <gtest/gtest.h>

#include "core/guidance/questionnaire_output.h"
#include "core/guidance/questionnaire_readers.h"
#include "core/shared/cp1252.h"
#include "core/vocational/level_screen_fixture.h"
#include "support/param_names.h"
#include "support/recording_save_dialog.h"
#include "support/scripted_notice.h"

namespace velmora {
namespace {

using Q = QuestionnaireControl;
using L = LevelControl;

constexpr int kAragon = 2;
constexpr int kAsturias = 3;
constexpr int kCatalonia = 9;

// Statements: 1 speaks for areas 1 and 2, 2 for area 2, 3 for area 2 as its second (its first
// is 0), 4 for area 0 only, 5 for area 3 and, second, area 1. Statement 1 leads to GM titles 2
// and 5, statement 2 to title 4, statement 3 to titles 4 and 8, statement 5 to nothing.
class QuestionnaireViewTest : public ::testing::Test, protected testing::LevelScreenFixture {
  protected:
    void SetUp() override {
        load();
        std::vector<std::string> cuesgm;
        for (int a = 1; a <= 11; ++a) cuesgm.push_back("Area " + std::to_string(a));
        for (const char* item : {"12Uno", "20Dos", "02Tres", "00Cuatro", "31Cinco"})
            cuesgm.push_back(item);
        folder.writeLines(QStringLiteral("cas/cuesgm"), cuesgm);
        ASSERT_TRUE(ReadIntermediateQuestionnaire(
            enlace.readers, folder.file(QStringLiteral("cas/cuesgm")), enlace.guidance.eso));
        IntGrid& facts = enlace.vocational.factsGM;
        facts.cell(2, 4) = 1;
        facts.cell(5, 5) = 1;
        facts.cell(4, 4) = 2;
        facts.cell(4, 6) = 3;
        facts.cell(8, 4) = 3;
        create();
        view = std::make_unique<IntermediateQuestionnaire>(*screen, enlace, output, sound);
        enlace.questionnaireMode = true;
        screen->FormActivate();
        screen->takeChanges();
        view->takeChanges();
    }

    bool shown(Q control) const { return view->view().controls.isVisible(control); }
    bool shown(L control) const { return screen->view().visible[static_cast<size_t>(control)]; }
    QString caption(L control) const {
        return screen->view().caption[static_cast<size_t>(control)];
    }
    void tickAreas(const std::vector<int>& areas) {
        for (const int a : areas) view->ListGMClick(a - 1);
    }
    // Areas, then statements at these positions, then forward twice.
    void toTitles(const std::vector<int>& areas, const std::vector<int>& positions) {
        tickAreas(areas);
        view->BitFleGMdeClick();
        for (const int p : positions) view->ListGM2Click(p);
        view->BitFleGMdeClick();
    }
    void runOut(QuestionnaireTimer timer) {
        for (int i = 0; i < 100 && view->view().timers[static_cast<size_t>(timer)]; ++i)
            view->tick(timer);
    }
    std::vector<std::string> report() const {
        std::vector<std::string> lines;
        for (const std::string& line : view->state().report) lines.push_back(line);
        return lines;
    }

    testing::ScriptedNotice notice;
    testing::RecordingSaveDialog saveDialog;
    QuestionnaireOutput output{enlace, notice, printing, saveDialog};
    std::unique_ptr<IntermediateQuestionnaire> view;
};

TEST_F(QuestionnaireViewTest, OpensOnTheElevenAreasWithTheHelpLineSlidingIn) {
    const auto& rows = view->view().listRows;
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_EQ(rows[0].text, QStringLiteral("Area 1"));
    EXPECT_EQ(rows[6].icon, 16);
    EXPECT_EQ(rows[10].icon, 10);
    for (Q c : {Q::ListGM, Q::BitFleGMde, Q::BotSalirCues}) EXPECT_TRUE(shown(c));
    for (Q c : {Q::ListGM2, Q::BitFleGMiz, Q::ListPeque, Q::BotImprimirCuesGM})
        EXPECT_FALSE(shown(c));
    EXPECT_FALSE(shown(L::botTit2));  // not the start screen
    EXPECT_TRUE(shown(L::LabAyuGM));
    EXPECT_EQ(caption(L::LabAyuGM), qtext(163));
    EXPECT_EQ(view->view().helpLine.left(), 1024 - 30);
    EXPECT_EQ(view->view().helpLine.top() + 50, IntermediateQuestionnaire::kTitleList.top());
    runOut(QuestionnaireTimer::Ayu);
    const QRect line = view->view().helpLine;
    EXPECT_LT(line.left(), 300);
    EXPECT_GE(line.left(), 260);
    EXPECT_EQ(view->view().helicopter.x(), line.left() - 85);
    EXPECT_GT(sound.stops, 0);
}

struct ItemsCase {
    const char* what;
    std::vector<int> areas;
    std::vector<int> items;  // the statement of each position
};
void PrintTo(const ItemsCase& c, std::ostream* os) {
    *os << c.what;
}

class QuestionnaireItemsTest : public QuestionnaireViewTest,
                               public ::testing::WithParamInterface<ItemsCase> {};

TEST_P(QuestionnaireItemsTest, TheChosenAreasListTheirStatements) {
    const ItemsCase& c = GetParam();
    tickAreas(c.areas);
    view->BitFleGMdeClick();
    EXPECT_EQ(view->state().itemOfPosition, c.items);
    ASSERT_EQ(view->view().itemRows.size(), c.items.size());
    EXPECT_TRUE(shown(Q::ListGM2));
    EXPECT_FALSE(shown(Q::ListGM));
    EXPECT_TRUE(shown(Q::BitFleGMiz));
    EXPECT_EQ(caption(L::LabAyuGM), qtext(164) + QLatin1Char(' ') + qtext(165));
}

INSTANTIATE_TEST_SUITE_P(
    Areas, QuestionnaireItemsTest,
    ::testing::Values(ItemsCase{"area 1 and a second area 1", {1}, {1, 5}},
                      ItemsCase{"area 2 first then as second area", {2}, {2, 1, 3}},
                      ItemsCase{"areas 1 and 2 list statement 1 twice", {1, 2}, {1, 2, 1, 3, 5}},
                      ItemsCase{"area 10 gives code 0 for first areas only", {10}, {3, 4}},
                      ItemsCase{"an area no statement names", {5}, {}}),
    testing::ByWhat());

TEST_F(QuestionnaireViewTest, AnEmptyStepBeepsAndArea11LeavesForThePlaces) {
    view->BitFleGMdeClick();
    EXPECT_EQ(sound.exclamations, 1);
    EXPECT_TRUE(shown(Q::ListGM));
    EXPECT_FALSE(view->state().areasChosen);
    tickAreas({1});
    view->BitFleGMdeClick();
    view->BitFleGMdeClick();  // no statement ticked
    EXPECT_EQ(sound.exclamations, 2);
    EXPECT_TRUE(shown(Q::ListGM2));

    view->BitFleGMizClick();
    tickAreas({3, 11});
    view->BitFleGMdeClick();
    EXPECT_FALSE(enlace.questionnaireMode);
    EXPECT_TRUE(screen->state().byPlace);
    EXPECT_TRUE(shown(L::PanelEstrellas));
    for (Q c : {Q::ListGM, Q::BitFleGMde, Q::BotSalirCues}) EXPECT_FALSE(shown(c));
    EXPECT_FALSE(shown(L::LabAyuGM));
}

TEST_F(QuestionnaireViewTest, TheTickedStatementsGiveEachTheirTitlesOnceAndTheReportTheirPath) {
    toTitles({1, 2}, {0, 3, 1, 2});  // statements 1, 2, 1 again, 3
    EXPECT_EQ(view->state().titles, (std::vector<int>{2, 5, 4, 8}));
    ASSERT_EQ(view->view().listRows.size(), 4u);
    EXPECT_TRUE(view->view().listShowsTitles);
    EXPECT_EQ(view->view().listRows[0].text.toStdString(),
              std::string(TrimRight(enlace.vocational.titlesGM[2])));
    EXPECT_EQ(view->view().listRows[0].icon, 3);
    EXPECT_FALSE(shown(Q::BitFleGMde));
    EXPECT_EQ(caption(L::LabAyuGM), qtext(189));
    const auto title = [&](int t) { return std::string(TrimRight(enlace.vocational.titlesGM[t])); };
    EXPECT_EQ(report(), (std::vector<std::string>{text(594), "", "Area 1", "Area 2", "", text(595),
                                                  "", "Uno", "Dos", "Uno", "Tres", "", text(190),
                                                  title(2), title(5), title(4), title(8)}));
    EXPECT_EQ(view->state().reportBold, (std::array<int, 4>{1, 6, 13, 0}));

    // Back to the statements, back to the areas: the areas stay ticked.
    view->BitFleGMizClick();
    EXPECT_TRUE(shown(Q::ListGM2));
    EXPECT_TRUE(shown(Q::BitFleGMde));
    view->BitFleGMizClick();
    EXPECT_TRUE(shown(Q::ListGM));
    EXPECT_FALSE(shown(Q::BitFleGMiz));
    EXPECT_EQ(view->state().areaTicks, (std::vector<bool>{true, true, false, false, false, false,
                                                          false, false, false, false, false}));
    EXPECT_TRUE(view->view().listRows[1].fill.has_value());
    // Statement 5 leads nowhere: an empty title list.
    view->ListGMClick(1);
    toTitles({}, {1});
    EXPECT_EQ(view->state().itemOfPosition, (std::vector<int>{1, 5}));
    EXPECT_TRUE(view->state().titles.empty());
    EXPECT_TRUE(view->view().listRows.empty());
}

TEST_F(QuestionnaireViewTest, ATitleGoesToTheMapAndEachCommunityAddsItsCentresToTheReport) {
    toTitles({1}, {0});  // statement 1: titles 2 and 5
    view->ListGMClick(0);
    EXPECT_EQ(screen->state().selectedTitle, 2);
    EXPECT_TRUE(screen->state().byTitle);
    EXPECT_TRUE(shown(L::PanelEstrellas));
    EXPECT_EQ(caption(L::LabAyuGM), QStringLiteral("Ciclo medio 01.1"));
    EXPECT_FALSE(shown(L::HeliPeque));
    EXPECT_FALSE(shown(L::BotPuesto));
    EXPECT_TRUE(shown(Q::BotImprimirCuesGM));
    EXPECT_EQ(view->view().helpLine, IntermediateQuestionnaire::kTitleLine);
    // The title list shrinks down until the small list takes its place.
    view->setSmallListTop(300);
    runOut(QuestionnaireTimer::Reduce);
    EXPECT_FALSE(shown(Q::ListGM));
    EXPECT_TRUE(shown(Q::ListPeque));
    EXPECT_TRUE(shown(Q::LabelPeque));
    EXPECT_EQ(view->view().smallRows.size(), 2u);
    EXPECT_EQ(view->view().list, IntermediateQuestionnaire::kTitleList);
    EXPECT_TRUE(screen->view().timers[static_cast<size_t>(LevelTimer::Parpadeo)]);

    clickCommunity(kAragon);
    clickCommunity(7);  // no centre there: no block
    clickCommunity(kAsturias);
    clickCommunity(kCatalonia);
    std::vector<int> blocks;
    const auto& lines = view->state().report;
    for (size_t k = 0; k < lines.size(); ++k)
        if (lines[k] == text(592)) blocks.push_back(static_cast<int>(k) + 1);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(view->state().reportBold[3], blocks.back());
    EXPECT_EQ(lines[static_cast<size_t>(blocks[0])], "Ciclo medio 01.1");
    EXPECT_EQ(lines[static_cast<size_t>(blocks[0]) + 2], text(593) + ":");
    for (const std::string& line : lines) EXPECT_LE(line.size(), 65u);

    // Printed under the name typed, the last centre heading bold.
    notice.names = {QStringLiteral("Ana Ruiz")};
    view->BotImprimirCuesGMClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    const Report& printed = printing.reports.front();
    EXPECT_EQ(printed.title, QStringLiteral("Ana Ruiz"));
    EXPECT_EQ(notice.proposals, QStringList{QString()});
    EXPECT_EQ(printed.lines.size(), lines.size());
    EXPECT_EQ(printed.fontSize, 10);
    std::vector<int> bold;
    for (size_t k = 0; k < printed.lines.size(); ++k)
        if (printed.lines[k].bold) bold.push_back(static_cast<int>(k) + 1);
    EXPECT_EQ(bold, (std::vector<int>{1, 5, 9, blocks.back()}));
    EXPECT_EQ(enlace.studentName.text(), QStringLiteral("Ana Ruiz"));

    // Another title from the small list: the print button waits for its centres.
    view->ListPequeClick(1);
    EXPECT_EQ(screen->state().selectedTitle, 5);
    EXPECT_FALSE(shown(Q::BotImprimirCuesGM));
    EXPECT_TRUE(screen->state().gridCells.empty());
    notice.names = {std::nullopt};
    view->BotImprimirCuesGMClick();
    EXPECT_EQ(printing.reports.size(), 1u);  // cancelled: nothing printed

    // Back from the map to the titles.
    view->BitFleGMizClick();
    EXPECT_FALSE(view->state().titleChosen);
    EXPECT_TRUE(shown(Q::ListGM));
    for (L c : {L::PanelEstrellas, L::PanelSelec, L::PanelCarSel, L::reja}) EXPECT_FALSE(shown(c));
    EXPECT_FALSE(shown(Q::ListPeque));
    EXPECT_FALSE(screen->view().timers[static_cast<size_t>(LevelTimer::Estrellas)]);
    // A new first step starts the report again: without centres, three bold lines.
    view->BitFleGMizClick();
    view->BitFleGMizClick();
    view->BitFleGMdeClick();
    view->ListGM2Click(0);
    view->BitFleGMdeClick();
    notice.names = {QStringLiteral("Ana Ruiz")};
    view->BotImprimirCuesGMClick();
    ASSERT_EQ(printing.reports.size(), 2u);
    int boldLines = 0;
    for (const ReportLine& line : printing.reports.back().lines) boldLines += line.bold ? 1 : 0;
    EXPECT_EQ(boldLines, 3);
}

TEST_F(QuestionnaireViewTest, LeavingGoesBackToTheEsoScreenOrTheAssistant) {
    enlace.studentName.set(QStringLiteral("Ana"));
    toTitles({1}, {0});
    view->ListGMClick(0);
    EXPECT_EQ(view->BotSalirCuesClick(), std::string_view("TForm2"));
    EXPECT_FALSE(enlace.questionnaireMode);
    EXPECT_TRUE(enlace.studentName.empty());
    for (int i = 0; i < kQuestionnaireControlCount; ++i)
        EXPECT_FALSE(shown(static_cast<Q>(i))) << QuestionnaireControlName(static_cast<Q>(i));
    for (L c : {L::PanelEstrellas, L::LabAyuGM, L::PanelCarSel}) EXPECT_FALSE(shown(c));

    enlace.questionnaireMode = true;
    screen->FormActivate();
    enlace.assistantMode = true;
    EXPECT_EQ(view->BotSalirCuesClick(), std::string_view("TForm5"));
    screen->setOpenedAsSubScreen(true);
    EXPECT_EQ(view->BotSalirCuesClick(), std::string_view());
}

}  // namespace
}  // namespace velmora
