// The ESO screen inside the program, created by its factory at its place in the start-up: the
// main menu's doors 4 and 9 open it in its two modes, the diagram's button leads to the LOMCE
// diagram and back, and the way back leads home.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "support/shots.h"
#include "ui/guidance/formlomce.h"
#include "ui/guidance/itinerarios.h"
#include "ui/guidance/program_fixture.h"
#include "ui/menu/principal.h"

namespace velmora {
namespace {

using testing::Program;
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

}  // namespace
}  // namespace velmora
