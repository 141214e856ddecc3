// The ESO screen inside the program, created by its factory at its place in the start-up: the
// main menu's doors 4 and 9 open it in its two modes, the diagram's button leads to the LOMCE
// diagram and back, the intermediate questionnaire leads from areas to the centres of a title
// and back, and the way back leads home.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "core/shared/cp1252.h"
#include "support/param_names.h"
#include "support/shots.h"
#include "ui/guidance/formlomce.h"
#include "ui/guidance/itinerarios.h"
#include "ui/guidance/program_fixture.h"
#include "ui/menu/principal.h"
#include "ui/shared/aviso.h"
#include "ui/shared/region_map_view.h"
#include "ui/vocational/medio.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::Program;
using testing::RowCentre;
using testing::SendMouse;

class EsoProgram : public Program {
  public:
    explicit EsoProgram(int language = 0) : Program(language) {
        startUp({"Tform0", "TForm7", "TForm1", "TForm2", "TForm3", "TForm4", "TFlomce"});
        menu = qobject_cast<Tform0*>(screen("Tform0"));
        eso = qobject_cast<TForm2*>(screen("TForm2"));
    }
    // A door of the main menu: the figure climbs, the door grows, the screen opens.
    void door(MenuLabel label) {
        menu->show();
        testing::ClickAt(menu->label(label), {4, 4});
        for (int i = 0; i < 20 && menu->TimerPuerta->isActive(); ++i) menu->tick(MenuTimer::Puerta);
        for (int i = 0; i < 40 && menu->TimerZoom->isActive(); ++i) menu->tick(MenuTimer::Zoom);
    }

    Tform0* menu = nullptr;
    TForm2* eso = nullptr;
};

TEST(EsoWalkTest, DoorFourLeadsToTheDiagramAndTheDiagramBackToTheScreen) {
    EsoProgram p;
    ASSERT_FALSE(p.enlace->stopFlag) << p.messages.shown.join(u'\n').toStdString();
    ASSERT_NE(p.eso, nullptr);
    auto* diagram = qobject_cast<TFlomce*>(p.screen("TFlomce"));
    ASSERT_NE(diagram, nullptr);
    p.door(MenuLabel::Iti);
    ASSERT_TRUE(p.eso->isVisible());
    EXPECT_FALSE(p.menu->isVisible());
    EXPECT_TRUE(p.eso->BotLOMCE->isVisible());
    EXPECT_FALSE(p.eso->botCuestio->isVisible());
    testing::SaveShot(*p.eso, "eso-door4");
    p.eso->BotLOMCE->click();
    EXPECT_TRUE(diagram->isVisible());
    EXPECT_FALSE(p.eso->isVisible());
    diagram->BitRetro->click();
    ASSERT_TRUE(p.eso->isVisible());
    EXPECT_TRUE(p.eso->BotLOMCE->isVisible());
    EXPECT_FALSE(p.eso->botCuestio->isVisible());
    EXPECT_FALSE(p.eso->PanelMenu2->isVisible());
    p.eso->BitAcabarLogse->click();
    EXPECT_FALSE(p.eso->isVisible());
    EXPECT_TRUE(p.menu->isVisible());
}

TEST(EsoWalkTest, DoorNineShowsTheQuestionnairesWhichTheDoorOfTheItinerariesPutsAway) {
    EsoProgram p;
    p.door(MenuLabel::CuesE);
    ASSERT_TRUE(p.eso->isVisible());
    EXPECT_FALSE(p.eso->BotLOMCE->isVisible());
    EXPECT_TRUE(p.eso->botCuestio->isVisible());
    SendMouse(p.eso->botCuestio, QEvent::Enter, {4, 4});
    ASSERT_TRUE(p.eso->PanelMenu2->isVisible());
    p.eso->BotCuestio3->click();
    EXPECT_EQ(p.eso->model().state().shownRows, 35);
    p.eso->AcabarCues->click();
    p.eso->BitAcabarLogse->click();
    EXPECT_TRUE(p.menu->isVisible());

    // The door of the itineraries, then the questionnaires again: the popup waits for the pointer.
    p.door(MenuLabel::Iti);
    EXPECT_FALSE(p.eso->PanelMenu2->isVisible());
    p.eso->BitAcabarLogse->click();
    p.door(MenuLabel::CuesE);
    EXPECT_TRUE(p.eso->botCuestio->isVisible());
    EXPECT_TRUE(p.eso->botCuestio->isEnabled());
}

// In every language, looked at.
class EsoQuestionnaireWalkTest : public ::testing::TestWithParam<int> {};

TEST_P(EsoQuestionnaireWalkTest,
       DoorNineToTheIntermediateQuestionnaireTwoCommunitiesAPrintoutAndBack) {
    EsoProgram p(GetParam());
    const std::string tag = testing::ByLanguage()(::testing::TestParamInfo<int>(GetParam(), 0));
    auto* medio = qobject_cast<TForm3*>(p.screen("TForm3"));
    ASSERT_NE(medio, nullptr);
    IntermediateQuestionnaire& q = medio->questionnaire();
    // Once the help line has slid in.
    const auto shot = [&](const char* step) {
        for (int i = 0; i < 40 && medio->TimerAyu->isActive(); ++i) q.tick(QuestionnaireTimer::Ayu);
        testing::SaveShot(*medio, ("eso-gm-" + tag + "-" + step).c_str());
    };
    p.door(MenuLabel::CuesE);
    SendMouse(p.eso->botCuestio, QEvent::Enter, {4, 4});
    p.eso->BotCuestio2->click();
    ASSERT_TRUE(medio->isVisible());
    EXPECT_FALSE(p.eso->isVisible());
    EXPECT_TRUE(p.enlace->questionnaireMode);
    ASSERT_EQ(medio->ListGM->count(), 11);
    EXPECT_FALSE(medio->botTit2->isVisible());
    shot("areas");

    // Machines and electricity, then the first two statements.
    ClickAt(medio->ListGM->viewport(), RowCentre(medio->ListGM, 0));
    ClickAt(medio->ListGM->viewport(), RowCentre(medio->ListGM, 4));
    medio->BitFleGMde->click();
    ASSERT_TRUE(medio->ListGM2->isVisible());
    ASSERT_GE(medio->ListGM2->count(), 2);
    ClickAt(medio->ListGM2->viewport(), RowCentre(medio->ListGM2, 0));
    ClickAt(medio->ListGM2->viewport(), RowCentre(medio->ListGM2, 1));
    shot("statements");
    medio->BitFleGMde->click();
    ASSERT_TRUE(medio->ListGM->isVisible());
    ASSERT_GT(medio->ListGM->count(), 0);
    EXPECT_FALSE(medio->BitFleGMde->isVisible());
    shot("titles");

    // A title: the map, and the list of titles shrinking away beside it.
    ClickAt(medio->ListGM->viewport(), RowCentre(medio->ListGM, 0));
    EXPECT_TRUE(medio->mapa->isVisible());
    EXPECT_TRUE(medio->LabAyuGM->isVisible());
    for (int i = 0; i < 100 && medio->TimerReduce->isActive(); ++i)
        q.tick(QuestionnaireTimer::Reduce);
    EXPECT_FALSE(medio->ListGM->isVisible());
    EXPECT_TRUE(medio->ListPeque->isVisible());
    const LevelState& state = medio->model().state();
    std::vector<int> communities;
    for (int c = 1; c <= LevelState::kCommunities; ++c)
        if (state.titleCommunities[static_cast<size_t>(c)]) communities.push_back(c);
    ASSERT_GE(communities.size(), 2u);
    for (int k = 0; k < 2; ++k) {
        const MarkerPoint at =
            p.enlace->regionMaps.markerPoint(communities[static_cast<size_t>(k)]);
        ClickAt(medio->mapa, {at.x, at.y});
        EXPECT_GT(medio->reja->rowCount(), 0);
    }
    EXPECT_TRUE(medio->BotImprimirCuesGM->isVisible());
    shot("centres");

    // Printed under the name typed in the notice dialog.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TForm4*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->EditNombre->setText(QStringLiteral("Ana Ruiz"));
        dialog->ShadowSi->click();
    });
    medio->BotImprimirCuesGM->click();
    ASSERT_EQ(p.printing.reports.size(), 1u);
    const Report& report = p.printing.reports.front();
    EXPECT_EQ(report.title, QStringLiteral("Ana Ruiz"));
    int blocks = 0;
    for (const ReportLine& line : report.lines)
        blocks += line.text == cp1252::Decode(p.enlace->texts[592]) ? 1 : 0;
    EXPECT_EQ(blocks, 2);
    EXPECT_EQ(report.lines.front().text, cp1252::Decode(p.enlace->texts[594]));

    // Out, back to the ESO screen.
    medio->BotSalirCues->click();
    EXPECT_FALSE(medio->isVisible());
    EXPECT_TRUE(p.eso->isVisible());
    EXPECT_FALSE(p.enlace->questionnaireMode);
    EXPECT_TRUE(p.enlace->studentName.empty());
}

INSTANTIATE_TEST_SUITE_P(Languages, EsoQuestionnaireWalkTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
