#include "core/guidance/assistant.h"

#include <gtest/gtest.h>

#include "core/menu/doors.h"
#include "core/menu/menu_navigation.h"
#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "support/recording_messages.h"
#include "support/recording_sound.h"
#include "support/temp_folder.h"
#include "support/test_texts.h"

namespace velmora {
namespace {

using C = AssistantControl;
using T = AssistantTimer;

// Opens the screens this build is told it has, and keeps what was asked.
class RecordingNavigation final : public MenuNavigation {
  public:
    bool openSection(const SectionTarget& target) override {
        opened.push_back(&target);
        return exists;
    }
    bool returnToScene() override { return false; }

    std::vector<const SectionTarget*> opened;
    bool exists = true;
};

class AssistantTest : public ::testing::Test {
  protected:
    AssistantTest() {
        testing::NumberTexts(enlace.texts);
        enlace.settings.schoolName = QStringLiteral("IES Miralbueno  ");
        folder.write(QStringLiteral("motor.wav"), "RIFF");
        testing::FillKeyedLines(enlace.informa,
                                {" 5Primera del PMAR", "17Del medio", " 5Segunda del PMAR",
                                 "50Otra clave", " 5Tercera del PMAR", "17al superior"});
        assistant.FormCreate();
        assistant.takeChanges();
    }

    bool shown(C control) const { return assistant.visible(control); }
    QRect at(C control) const { return assistant.view().geometry[static_cast<size_t>(control)]; }
    std::string caption(C control) const {
        return cp1252::Encode(assistant.view().caption[static_cast<size_t>(control)]);
    }
    std::string hint(C control) const {
        return cp1252::Encode(assistant.view().hint[static_cast<size_t>(control)]);
    }
    // Ticks `timer` while it runs, at most `limit` times; how many ticks it ran.
    int runOut(T timer, int limit = 1000) {
        int ticks = 0;
        while (assistant.timerRunning(timer) && ticks < limit) {
            assistant.tick(timer);
            ++ticks;
        }
        return ticks;
    }
    // Chooses a panel and lets its box slide in.
    void choose(Assistant::Panel panel) {
        assistant.FormActivate();
        if (panel == Assistant::Panel::Eso)
            assistant.ChooseEso();
        else
            assistant.ChooseBachillerato();
        runOut(T::Start);
    }

    testing::TempFolder folder;
    testing::RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
    RecordingNavigation navigation;
    testing::RecordingSound sound;
    Assistant assistant{enlace, navigation, sound};
};

TEST_F(AssistantTest, CaptionsHintsAndStepTextsComeFromTheTextSlots) {
    EXPECT_EQ(enlace.hintPause.milliseconds(), 0);
    EXPECT_EQ(assistant.view().windowTitle.toStdString(), "texto 338  IES Miralbueno  ");
    EXPECT_EQ(caption(C::LabelCentro), "IES Miralbueno - 2020/21");
    EXPECT_EQ(caption(C::BDejar), "texto 587 texto 588");
    EXPECT_EQ(caption(C::BotFP), "de FP_GS a texto 46");
    EXPECT_EQ(caption(C::BotFP2), "de FP_GM a FP_GS");
    EXPECT_EQ(caption(C::Panel3), "BACHILL.");
    EXPECT_EQ(hint(C::BiCar), "texto 476\ntexto 477\ntexto 478\ntexto 479");

    assistant.FormActivate();
    EXPECT_EQ(assistant.stepText(1), "texto 498\ntexto 499");
    EXPECT_EQ(assistant.stepText(10), assistant.stepText(1));
    EXPECT_EQ(assistant.stepText(11), "texto 492");
    EXPECT_EQ(assistant.stepText(12), "texto 484");
    EXPECT_EQ(assistant.stepText(19),
              "texto 457\n\ntexto 458\ntexto 459\ntexto 460\n\ntexto 461\ntexto 462\ntexto 463\n"
              "texto 464\ntexto 465");
    EXPECT_EQ(caption(C::LabelT3), "texto 485\ntexto 486");
    EXPECT_EQ(caption(C::LabelT7), "texto 484");
    EXPECT_EQ(hint(C::Image2), "texto 587 texto 588\ntexto 263\ntexto 555");
    EXPECT_EQ(hint(C::Image7), "texto 46\ntexto 47\ntexto 21\ntexto 103");
    EXPECT_EQ(hint(C::Image6), "texto 484");
    EXPECT_EQ(hint(C::BtGM), "texto 494\ntexto 495\ntexto 496\ntexto 497");
    EXPECT_EQ(hint(C::BcBachi), "texto 509\ntexto 510");
}

TEST_F(AssistantTest, TheWelcomeScrollsUpAndComesBackFromTheBottomOfItsBox) {
    assistant.FormActivate();
    EXPECT_TRUE(shown(C::PInicio));
    EXPECT_EQ(assistant.step(), Assistant::kWelcomeStep);
    EXPECT_EQ(assistant.currentArrow(), Assistant::kWelcomeArrow);
    ASSERT_TRUE(assistant.timerRunning(T::Welcome));
    const QRect start = at(C::Textoinicio);
    assistant.tick(T::Welcome);
    EXPECT_EQ(at(C::Textoinicio).top(), start.top() - 2);
    // Once the whole text has left the box at the top, it comes in again from the box's bottom.
    int before = at(C::Textoinicio).top();
    for (int i = 0; i < 1000 && at(C::Textoinicio).top() <= before; ++i) {
        before = at(C::Textoinicio).top();
        assistant.tick(T::Welcome);
    }
    EXPECT_EQ(before - 2, -start.height());
    EXPECT_EQ(at(C::Textoinicio).top(), PlaceOf(C::Panel9).rect.height());
    // Any other step stops it.
    assistant.ChooseEso();
    EXPECT_FALSE(assistant.timerRunning(T::Welcome));
}

TEST_F(AssistantTest, ChoosingAPanelSlidesItsBoxInThenPlaysTheThreeStepsInOrder) {
    assistant.FormActivate();
    assistant.ChooseEso();
    EXPECT_TRUE(shown(C::PanelEso));
    EXPECT_FALSE(shown(C::PanelBachi) || shown(C::PInicio));
    EXPECT_FALSE(assistant.firstTime());
    EXPECT_TRUE(shown(C::Panel1));
    EXPECT_FALSE(shown(C::texto4));
    const int left = at(C::Panel1).left();
    assistant.tick(T::Start);
    EXPECT_EQ(at(C::Panel1).left(), left - Assistant::kBoxStep);
    runOut(T::Start);
    EXPECT_TRUE(shown(C::texto4));
    ASSERT_TRUE(assistant.timerRunning(T::Step));

    const C labels[] = {C::LabelT1, C::LabelT2, C::LabelT3};
    const C arrows[] = {C::Image4, C::Image3, C::Image2};
    const char* texts[] = {"texto 498\ntexto 499", "texto 492", "texto 485\ntexto 486"};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k + 1);
        EXPECT_EQ(assistant.step(), k + 1);
        EXPECT_EQ(at(C::Panel1).topLeft(), PlaceOf(labels[k]).rect.topLeft());
        EXPECT_EQ(caption(C::texto4), texts[k]);
        EXPECT_EQ(at(C::texto4).top(), PlaceOf(C::Panel1).rect.height());
        EXPECT_FALSE(shown(labels[k]));
        // The text holds still for five ticks, then climbs; the arrow blinks every third tick.
        for (int tick = 1; tick <= Assistant::kStillTicks; ++tick) assistant.tick(T::Step);
        EXPECT_TRUE(shown(labels[k]));
        EXPECT_EQ(at(C::texto4).top(), PlaceOf(C::Panel1).rect.height());
        EXPECT_TRUE(shown(arrows[k]));  // shown on the third tick, hidden again on the sixth
        assistant.tick(T::Step);
        EXPECT_FALSE(shown(arrows[k]));
        EXPECT_EQ(at(C::texto4).top(), PlaceOf(C::Panel1).rect.height() - 2);
        while (assistant.step() == k + 1) assistant.tick(T::Step);
        EXPECT_TRUE(shown(arrows[k]));
    }
    assistant.tick(T::Step);
    EXPECT_EQ(assistant.step(), 0);
    EXPECT_FALSE(shown(C::Panel1));
    EXPECT_FALSE(assistant.timerRunning(T::Step));
    for (const C label : labels) EXPECT_TRUE(shown(label));
}

TEST_F(AssistantTest, TheBachilleratoPanelPlaysItsOwnBoxLabelsArrowsAndTexts) {
    choose(Assistant::Panel::Bachillerato);
    EXPECT_TRUE(shown(C::PanelBachi));
    EXPECT_FALSE(shown(C::PanelEso));
    EXPECT_EQ(caption(C::TextoBa), "texto 498\ntexto 499");
    while (assistant.step() == 1) assistant.tick(T::Step);
    EXPECT_TRUE(shown(C::LabelT5) && shown(C::Image8));
    EXPECT_EQ(caption(C::TextoBa), "texto 492");
    while (assistant.step() == 2) assistant.tick(T::Step);
    EXPECT_EQ(caption(C::TextoBa), "texto 484");
    EXPECT_EQ(at(C::Panel5).topLeft(), PlaceOf(C::LabelT7).rect.topLeft());
    EXPECT_FALSE(shown(C::Panel1) || shown(C::Image4) || shown(C::LabelT1));
}

struct FlightCase {
    const char* name;
    Assistant::Panel panel;
    C arrow;
    int number;
    QPoint start;  // the helicopter's top left in its panel
    bool descends;
    std::vector<C> buttons;
};

class FlightTest : public AssistantTest, public ::testing::WithParamInterface<FlightCase> {};

TEST_P(FlightTest, AnArrowStopsTheTextFliesTheHelicopterAndThenShowsItsButtons) {
    const FlightCase& c = GetParam();
    choose(c.panel);
    for (int i = 0; i < 8; ++i) assistant.tick(T::Step);  // the first text is climbing
    const QRect scrolling = at(c.panel == Assistant::Panel::Eso ? C::texto4 : C::TextoBa);
    const C helicopter = c.panel == Assistant::Panel::Eso ? C::he : C::HeB;

    assistant.ArrowClick(c.arrow);
    EXPECT_FALSE(assistant.timerRunning(T::Step));
    EXPECT_EQ(at(c.panel == Assistant::Panel::Eso ? C::texto4 : C::TextoBa), scrolling);
    EXPECT_EQ(assistant.currentArrow(), c.number);
    ASSERT_EQ(sound.played.size(), 1);
    EXPECT_TRUE(sound.played[0].endsWith(QStringLiteral("motor.wav")));
    EXPECT_TRUE(shown(helicopter));
    EXPECT_EQ(at(helicopter).topLeft(), c.start);

    for (int move = 1; move < Assistant::kFlightMoves; ++move) assistant.tick(T::Flight);
    for (const C button : c.buttons) EXPECT_FALSE(shown(button)) << ControlName(button);
    assistant.tick(T::Flight);
    EXPECT_FALSE(assistant.timerRunning(T::Flight));
    const int down = c.descends ? Assistant::kFlightMoves * Assistant::kFlightDescent : 0;
    EXPECT_EQ(at(helicopter).topLeft(),
              c.start + QPoint(Assistant::kFlightMoves * Assistant::kFlightStep, down));
    for (const C button : c.buttons) EXPECT_TRUE(shown(button)) << ControlName(button);
    // Only the buttons of that arrow.
    int buttonsShown = 0;
    for (int i = 0; i < kAssistantControlCount; ++i) {
        const auto control = static_cast<C>(i);
        const AssistantPlace& place = PlaceOf(control);
        if (place.kind == AssistantKind::Button &&
            (place.parent == C::PanelEso || place.parent == C::PanelBachi) && shown(control))
            ++buttonsShown;
    }
    EXPECT_EQ(buttonsShown, static_cast<int>(c.buttons.size()));
    // The helicopter ends clear of the buttons it leads to.
    for (const C button : c.buttons) EXPECT_FALSE(at(helicopter).intersects(at(button)));
}

// The pictures' panel is at (0, 40), 460 x 500; the arrows at y 50, 230 and 410 in it.
INSTANTIATE_TEST_SUITE_P(
    EveryArrow, FlightTest,
    ::testing::Values(FlightCase{"EsoTopFromThePicturesTop",
                                 Assistant::Panel::Eso,
                                 C::Image2,
                                 2,
                                 {460, 40},
                                 false,
                                 {C::BGarantia, C::BDejar, C::BotDiversi}},
                      FlightCase{"EsoMiddleFromHalfItsHeight",
                                 Assistant::Panel::Eso,
                                 C::Image3,
                                 3,
                                 {460, 290},
                                 false,
                                 {C::BtGM, C::Biti, C::CatTit}},
                      FlightCase{"EsoBottomFrom25AboveItsBottom",
                                 Assistant::Panel::Eso,
                                 C::Image4,
                                 4,
                                 {460, 515},
                                 true,
                                 {C::BcBachi, C::BotProfe}},
                      FlightCase{"BachilleratoTopBelowItsArrow",
                                 Assistant::Panel::Bachillerato,
                                 C::Image6,
                                 6,
                                 {460, 100},
                                 false,
                                 {C::BotFP, C::BotFP2}},
                      FlightCase{"BachilleratoMiddleAtItsArrow",
                                 Assistant::Panel::Bachillerato,
                                 C::Image7,
                                 7,
                                 {460, 270},
                                 true,
                                 {C::BFpTitGsAsis, C::BiCar, C::CatTitB, C::BitiB}},
                      FlightCase{"BachilleratoBottomAtItsArrow",
                                 Assistant::Panel::Bachillerato,
                                 C::Image8,
                                 8,
                                 {460, 450},
                                 true,
                                 {C::BConsejoAsis, C::BotProfeB}}),
    [](const ::testing::TestParamInfo<FlightCase>& p) { return p.param.name; });

TEST_F(AssistantTest, AnArrowOfTheOtherPanelDoesNothing) {
    choose(Assistant::Panel::Eso);
    assistant.ArrowClick(C::Image7);
    EXPECT_TRUE(sound.played.isEmpty());
    EXPECT_FALSE(assistant.timerRunning(T::Flight));
    EXPECT_TRUE(assistant.timerRunning(T::Step));
}

struct OpenCase {
    C button;
    std::string_view screen;
    std::vector<std::pair<TargetStep::Kind, std::string_view>> steps;
};

class OpenTest : public AssistantTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenTest, AButtonOpensItsScreenPreparedAsTheHomeScreenWould) {
    const OpenCase& c = GetParam();
    choose(c.button == C::BConsejoAsis || c.button == C::BFpTitGsAsis || c.button == C::BiCar ||
                   c.button == C::BitiB
               ? Assistant::Panel::Bachillerato
               : Assistant::Panel::Eso);
    enlace.intermediateFirstOpening = false;
    ASSERT_TRUE(assistant.OpenClick(c.button));
    ASSERT_EQ(navigation.opened.size(), 1u);
    const SectionTarget& target = *navigation.opened[0];
    EXPECT_EQ(target.screen, c.screen);
    ASSERT_EQ(target.steps.size(), c.steps.size());
    for (size_t i = 0; i < c.steps.size(); ++i) {
        EXPECT_EQ(target.steps[i].kind, c.steps[i].first);
        EXPECT_EQ(target.steps[i].control, c.steps[i].second);
    }
    for (int t = 0; t < kAssistantTimerCount; ++t)
        EXPECT_FALSE(assistant.timerRunning(static_cast<T>(t)));
    EXPECT_TRUE(assistant.takeChanges().hideScreen);
    // The intermediate screen plays its introduction whenever the assistant opens it.
    EXPECT_EQ(enlace.intermediateFirstOpening, c.button == C::BtGM);
}

using K = TargetStep::Kind;
INSTANTIATE_TEST_SUITE_P(
    EveryButton, OpenTest,
    ::testing::Values(
        OpenCase{C::BcBachi,
                 "TForm2",
                 {{K::Hide, "BotLOMCE"}, {K::Show, "botCuestio"}, {K::FillScreen, "degradeIti"}}},
        OpenCase{C::Biti, "TForm2", {{K::Show, "BotLOMCE"}, {K::Hide, "botCuestio"}}},
        OpenCase{C::BitiB, "TForm2", {{K::Show, "BotLOMCE"}, {K::Hide, "botCuestio"}}},
        OpenCase{C::BotProfe, "Tprofe", {{K::RunHandler, "BotCuestioClick"}}},
        OpenCase{C::BtGM, "TForm3", {{K::StartTimerOnFirstOpening, "heli"}}},
        OpenCase{C::CatTit, "TFormCat", {}},
        OpenCase{C::BGarantia,
                 "TFIniPro",
                 {{K::Show, "ListSelFp"}, {K::Show, "BotLug"}, {K::Show, "BotRetrocederFP"}}},
        OpenCase{C::BDejar, "TCertifica", {}}, OpenCase{C::BConsejoAsis, "TFormCon", {}},
        OpenCase{C::BFpTitGsAsis, "TForm8", {{K::Show, "LabelFP1"}, {K::Show, "PanelFP"}}},
        OpenCase{C::BiCar, "TForm1", {{K::RunHandler, "botinformacionClick"}}}),
    [](const ::testing::TestParamInfo<OpenCase>& p) {
        return std::string(ControlName(p.param.button));
    });

TEST_F(AssistantTest, AScreenThisBuildLacksLeavesTheAssistantShown) {
    choose(Assistant::Panel::Eso);
    navigation.exists = false;
    EXPECT_FALSE(assistant.OpenClick(C::CatTit));
    EXPECT_FALSE(assistant.takeChanges().hideScreen);
    EXPECT_FALSE(assistant.OpenClick(C::BotDiversi));  // a button that opens no screen
    EXPECT_EQ(navigation.opened.size(), 1u);
}

TEST_F(AssistantTest, LeavingEndsAssistantModeAndComingBackShowsTheLastPanel) {
    assistant.openedFromMenu();
    EXPECT_TRUE(enlace.assistantMode);
    EXPECT_EQ(SectionBack(enlace), LeaveTo::Assistant);
    choose(Assistant::Panel::Bachillerato);
    EXPECT_EQ(assistant.BotRetroAsisClick(), LeaveTo::MainMenu);
    EXPECT_FALSE(enlace.assistantMode);
    EXPECT_TRUE(assistant.takeChanges().hideScreen);
    enlace.animationEnabled = true;
    EXPECT_EQ(assistant.BotRetroAsisClick(), LeaveTo::Scene);

    assistant.openedFromMenu();
    assistant.FormActivate();
    EXPECT_TRUE(shown(C::PanelBachi));
    EXPECT_FALSE(shown(C::PInicio));
    EXPECT_FALSE(assistant.timerRunning(T::Welcome));
    EXPECT_EQ(assistant.panel(), Assistant::Panel::Bachillerato);
}

TEST_F(AssistantTest, TheDiversificationListKeepsTheOrderOfItsKeyAndDropsTheRest) {
    choose(Assistant::Panel::Eso);
    assistant.BotDiversiClick();
    EXPECT_TRUE(shown(C::PanelDiversifi));
    const auto& rows = assistant.view().diversification;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].toStdString(), "Primera del PMAR");
    EXPECT_EQ(rows[2].toStdString(), "Tercera del PMAR");
    assistant.BotCerrarClick();
    EXPECT_FALSE(shown(C::PanelDiversifi));
}

TEST_F(AssistantTest, TheTransitionListsComeFromTheTextsAndTheirKeyAtTheirOwnPlaces) {
    choose(Assistant::Panel::Bachillerato);
    assistant.BotFPClick();
    EXPECT_TRUE(shown(C::PanelFP2));
    EXPECT_EQ(at(C::PanelFP2).topLeft(), QPoint(360, 0));
    ASSERT_EQ(assistant.view().transition.size(), 5u);
    EXPECT_EQ(assistant.view().transition[4].toStdString(), "texto 715");

    assistant.BotFP2Click();
    EXPECT_EQ(at(C::PanelFP2).topLeft(), QPoint(400, 0));
    std::vector<std::string> rows;
    for (const QString& row : assistant.view().transition)
        rows.push_back(row.trimmed().toStdString());
    EXPECT_EQ(rows, (std::vector<std::string>{"texto 480", "texto 481", "texto 482", "",
                                              "texto 483", "Del medio", "al superior"}));
    // Showing the window again closes both lists.
    assistant.BotDiversiClick();
    assistant.FormActivate();
    EXPECT_FALSE(shown(C::PanelFP2) || shown(C::PanelDiversifi));
}

TEST_F(AssistantTest, EveryControlHasItsNameAndSitsInsideItsParent) {
    for (int i = 0; i < kAssistantControlCount; ++i) {
        const auto control = static_cast<C>(i);
        const AssistantPlace& place = PlaceOf(control);
        EXPECT_EQ(place.control, control);
        EXPECT_EQ(AssistantControlNamed(ControlName(control)), control);
        const QRect parent = place.parent ? PlaceOf(*place.parent).rect : QRect(0, 0, 1024, 768);
        // The step texts start below their boxes, and the helicopter flies across its panel.
        if (control == C::texto4 || control == C::TextoBa) continue;
        EXPECT_TRUE(QRect(QPoint(0, 0), parent.size()).contains(place.rect))
            << ControlName(control);
    }
}

}  // namespace
}  // namespace velmora
