// The assistant on the bundled data: opened from the main menu's door, it leads to every screen
// of its buttons, and each of them comes back to it; left for home and opened again, it shows the
// panel chosen last.
#include "ui/guidance/asistente.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "core/menu/doors.h"
#include "core/shared/section_back.h"
#include "support/param_names.h"
#include "support/shots.h"
#include "ui/guidance/program_fixture.h"
#include "ui/menu/principal.h"
#include "ui/university/grados.h"

namespace velmora {
namespace {

using C = AssistantControl;
using testing::Program;
using testing::SendMouse;

// A section screen this build does not have yet, standing in for it: it carries the controls
// the assistant's buttons set, a handler they run first, and a back button that follows the rule
// every section screen's way back follows.
class StandIn : public QWidget {
    Q_OBJECT

  public:
    StandIn(const char* name, const Enlace& enlace, ScreenFinder find) {
        setObjectName(QString::fromLatin1(name));
        resize(1024, 768);
        for (const char* control : {"BotLOMCE", "botCuestio", "degradeIti", "ListSelFp", "BotLug",
                                    "BotRetrocederFP", "LabelFP1", "PanelFP"}) {
            auto* w = new QWidget(this);
            w->setObjectName(QString::fromLatin1(control));
            w->setGeometry(10, 10, 20, 20);
            w->hide();
        }
        heli = new QTimer(this);
        heli->setObjectName(QStringLiteral("heli"));
        heli->setInterval(100);
        back = new QPushButton(this);
        connect(back, &QPushButton::clicked, this, [this, &enlace, find] {
            heli->stop();
            HandOver(this, ScreenOf(SectionBack(enlace)), find);
        });
    }
    bool shows(const char* control) const {
        const auto* w = findChild<QWidget*>(QString::fromLatin1(control));
        return w && w->isVisibleTo(this);
    }

    QTimer* heli;
    QPushButton* back;
    int newRuns = 0;

  public Q_SLOTS:
    void BotCuestioClick() { ++newRuns; }
};

constexpr const char* kStandIns[] = {"TForm8",   "TFormCon",   "TForm2", "TForm3",
                                     "TFIniPro", "TCertifica", "Tprofe", "TFormCat"};

class AssistantProgram : public Program {
  public:
    explicit AssistantProgram(int language, const QString& school = {}) : Program(language) {
        if (!school.isEmpty()) enlace->settings.schoolName = school;
        create({"Tform0", "TForm7", "TForm1", "TForm5", "TForm4"});
        const ScreenFinder find = [this](std::string_view name) { return context.screen(name); };
        for (const char* name : kStandIns) add(name, new StandIn(name, *enlace, find));
        menu = qobject_cast<Tform0*>(screen("Tform0"));
        assistant = qobject_cast<TForm5*>(screen("TForm5"));
        degrees = qobject_cast<TForm1*>(screen("TForm1"));
    }

    // The main menu's door 11: the figure climbs, the door grows, the assistant opens.
    void openFromMainMenu() {
        menu->show();
        testing::ClickAt(menu->label(MenuLabel::Asistente), {4, 4});
        for (int i = 0; i < 20 && menu->TimerPuerta->isActive(); ++i) menu->tick(MenuTimer::Puerta);
        for (int i = 0; i < 40 && menu->TimerZoom->isActive(); ++i) menu->tick(MenuTimer::Zoom);
    }
    void release(C which) {
        QWidget* w = assistant->control(which);
        SendMouse(w, QEvent::MouseButtonPress, {5, 5});
        SendMouse(w, QEvent::MouseButtonRelease, {5, 5});
    }
    void press(C which) { static_cast<QPushButton*>(assistant->control(which))->click(); }
    void runOut(AssistantTimer timer) {
        for (int i = 0; i < 1000 && assistant->timer(timer)->isActive(); ++i)
            assistant->tick(timer);
    }
    bool shown(C which) const { return assistant->control(which)->isVisible(); }
    // Lets the box of the panel in use slide in and its first step's text pass.
    void firstStep() {
        runOut(AssistantTimer::Start);
        for (int i = 0; i < 1000 && assistant->model().step() == 1; ++i)
            assistant->tick(AssistantTimer::Step);
    }
    // Clicks an arrow and lets the helicopter fly to its buttons.
    void fly(C arrow) {
        release(arrow);
        runOut(AssistantTimer::Flight);
    }
    void shot(const char* name) {
        QCoreApplication::processEvents();
        testing::SaveShot(*assistant, name);
    }

    Tform0* menu = nullptr;
    TForm5* assistant = nullptr;
    TForm1* degrees = nullptr;
};

class AssistantWalkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(p.enlace->stopFlag) << p.messages.shown.join(QLatin1Char('\n')).toStdString();
        ASSERT_TRUE(p.assistant && p.menu && p.degrees);
        ASSERT_TRUE(p.messages.errors.isEmpty());
    }

    // A button of the assistant opens its screen, prepared; that screen's back button returns.
    void opensAndComesBack(C button) {
        SCOPED_TRACE(std::string(ControlName(button)));
        ASSERT_TRUE(p.shown(button));
        const SectionTarget* target = Assistant::TargetOf(button);
        ASSERT_NE(target, nullptr);
        QWidget* screen = p.screen(std::string(target->screen).c_str());
        ASSERT_NE(screen, nullptr);
        p.press(button);
        ASSERT_TRUE(screen->isVisible());
        EXPECT_FALSE(p.assistant->isVisible());
        if (auto* standIn = qobject_cast<StandIn*>(screen)) {
            for (const TargetStep& step : target->steps) {
                const std::string control(step.control);
                if (step.kind == TargetStep::Kind::Show) {
                    EXPECT_TRUE(standIn->shows(control.c_str()));
                }
                if (step.kind == TargetStep::Kind::Hide) {
                    EXPECT_FALSE(standIn->shows(control.c_str()));
                }
            }
            if (button == C::BtGM) {
                EXPECT_TRUE(standIn->heli->isActive());  // its introduction
            }
            if (target->screen == "Tprofe") {
                EXPECT_EQ(standIn->newRuns, 1);
            }
            standIn->newRuns = 0;
            standIn->back->click();
        } else {
            ASSERT_EQ(screen, p.degrees);
            ASSERT_TRUE(p.degrees->PanelMenu->isVisible());  // on its menu
            p.degrees->BotMenuRetro->click();
        }
        EXPECT_FALSE(screen->isVisible());
        EXPECT_TRUE(p.assistant->isVisible());
        EXPECT_TRUE(p.enlace->assistantMode);
    }

    AssistantProgram p{0};
};

TEST_F(AssistantWalkTest, FromDoorElevenToEveryScreenOfBothPanelsAndBackThenHomeAndAgain) {
    p.openFromMainMenu();
    ASSERT_TRUE(p.assistant->isVisible());
    EXPECT_FALSE(p.menu->isVisible());
    EXPECT_TRUE(p.enlace->assistantMode);
    EXPECT_TRUE(p.shown(C::PInicio));
    EXPECT_TRUE(p.assistant->timer(AssistantTimer::Welcome)->isActive());
    EXPECT_EQ(p.enlace->hintPause.milliseconds(), 0);
    p.shot("assistant-01-welcome");

    // ESO: the three steps, each arrow's flight and the screens of its buttons.
    p.release(C::Panel2);
    EXPECT_TRUE(p.shown(C::PanelEso));
    EXPECT_FALSE(p.shown(C::PInicio));
    EXPECT_FALSE(p.assistant->timer(AssistantTimer::Welcome)->isActive());
    p.firstStep();
    p.shot("assistant-02-eso-steps");
    for (const C arrow : {C::Image4, C::Image3, C::Image2}) {
        p.fly(arrow);
        EXPECT_EQ(p.sound.played.size(), arrow == C::Image4 ? 1 : arrow == C::Image3 ? 2 : 3);
        for (const C button : Assistant::ButtonsOf(arrow))
            if (button != C::BotDiversi) opensAndComesBack(button);
    }
    p.shot("assistant-03-eso-buttons");
    p.press(C::BotDiversi);
    ASSERT_TRUE(p.shown(C::PanelDiversifi));
    EXPECT_EQ(static_cast<QListWidget*>(p.assistant->control(C::ListBox1))->count(),
              static_cast<int>(p.enlace->informa.linesForKey(" 5").size()));
    p.shot("assistant-04-diversification");
    p.press(C::BotCerrar);
    EXPECT_FALSE(p.shown(C::PanelDiversifi));

    // Bachillerato.
    p.press(C::BotBachi);
    EXPECT_TRUE(p.shown(C::PanelBachi));
    EXPECT_FALSE(p.shown(C::PanelEso));
    p.firstStep();
    for (const C arrow : {C::Image8, C::Image7, C::Image6}) {
        p.fly(arrow);
        for (const C button : Assistant::ButtonsOf(arrow))
            if (Assistant::TargetOf(button)) opensAndComesBack(button);
    }
    p.shot("assistant-05-bachillerato-buttons");
    p.press(C::BotFP2);
    ASSERT_TRUE(p.shown(C::PanelFP2));
    EXPECT_EQ(p.assistant->control(C::PanelFP2)->x(), 400);
    p.shot("assistant-06-transition");
    p.press(C::BotCerrar2);

    // Home: the main menu, and assistant mode ends.
    p.press(C::BotRetroAsis);
    EXPECT_FALSE(p.assistant->isVisible());
    EXPECT_TRUE(p.menu->isVisible());
    EXPECT_FALSE(p.enlace->assistantMode);
    p.degrees->botinformacionClick();
    p.degrees->show();
    p.degrees->BotMenuRetro->click();
    EXPECT_TRUE(p.menu->isVisible());  // the degrees screen goes home now

    // Again through the door: the last panel, not the welcome.
    p.openFromMainMenu();
    ASSERT_TRUE(p.assistant->isVisible());
    EXPECT_TRUE(p.enlace->assistantMode);
    EXPECT_TRUE(p.shown(C::PanelBachi));
    EXPECT_FALSE(p.shown(C::PInicio));
    EXPECT_FALSE(p.assistant->timer(AssistantTimer::Welcome)->isActive());
}

TEST_F(AssistantWalkTest, ClosingTheWindowLeavesForHomeAndAScreenNotBuiltKeepsTheAssistant) {
    p.openFromMainMenu();
    p.release(C::Panel2);
    p.firstStep();
    p.fly(C::Image3);
    // A screen this build does not have: the button does nothing and the assistant stays.
    p.context.screens.erase(std::string("TFormCat"));
    p.press(C::CatTit);
    EXPECT_TRUE(p.assistant->isVisible());

    p.assistant->close();
    EXPECT_FALSE(p.assistant->isVisible());
    EXPECT_TRUE(p.menu->isVisible());
    EXPECT_FALSE(p.enlace->assistantMode);
}

// Every language: the captions fit their buttons, the step texts their boxes, the lists their
// panels; with VELMORA_SHOTS set, the panels are saved to be looked at.
class AssistantLanguageTest : public ::testing::TestWithParam<int> {};

TEST_P(AssistantLanguageTest, TextsFitTheirControls) {
    // A school with a long name: it is written smaller rather than cut.
    AssistantProgram p(GetParam(),
                       QStringLiteral("Instituto de Educación Secundaria Ramón y Cajal"));
    ASSERT_FALSE(p.enlace->stopFlag);
    const std::string language = std::to_string(GetParam());
    p.openFromMainMenu();
    p.shot(("assistant-" + language + "-1-welcome").c_str());
    for (const bool eso : {true, false}) {
        p.release(eso ? C::Panel2 : C::Panel3);
        p.firstStep();
        for (int i = 0; i < 1000 && p.assistant->model().step() != 0; ++i)
            p.assistant->tick(AssistantTimer::Step);
        for (const C arrow : eso ? std::vector{C::Image4, C::Image3, C::Image2}
                                 : std::vector{C::Image8, C::Image7, C::Image6})
            p.fly(arrow);
        p.shot(("assistant-" + language + (eso ? "-2-eso" : "-3-bachillerato")).c_str());
        p.press(eso ? C::BotDiversi : C::BotFP2);
        p.shot(("assistant-" + language + (eso ? "-4-diversification" : "-5-transition")).c_str());
        const C list = eso ? C::ListBox1 : C::ListFP2;
        auto* rows = static_cast<QListWidget*>(p.assistant->control(list));
        ASSERT_GT(rows->count(), 0);
        EXPECT_LE(rows->visualItemRect(rows->item(rows->count() - 1)).bottom(),
                  rows->viewport()->height())
            << "the last row of " << ControlName(list) << " is out of sight";
        for (int r = 0; r < rows->count(); ++r)
            EXPECT_LE(QFontMetrics(rows->font()).horizontalAdvance(rows->item(r)->text().trimmed()),
                      rows->viewport()->width() - 8)
                << rows->item(r)->text().toStdString();
        p.press(eso ? C::BotCerrar : C::BotCerrar2);
    }
    p.press(C::BotFP);
    p.shot(("assistant-" + language + "-6-transition-gs").c_str());

    for (const AssistantPlace& place : AssistantLayout()) {
        QWidget* w = p.assistant->control(place.control);
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()),
                      button->width() - 12)
                << ControlName(place.control) << ": " << button->text().toStdString();
        } else if (auto* label = qobject_cast<QLabel*>(w);
                   label &&
                   (place.kind == AssistantKind::Label || place.kind == AssistantKind::Tile ||
                    place.kind == AssistantKind::Title) &&
                   place.control != C::texto4 && place.control != C::TextoBa &&
                   place.control != C::Textoinicio) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height())
                << ControlName(place.control) << ": " << label->text().toStdString();
            if (!label->wordWrap()) {
                EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()),
                          label->width())
                    << ControlName(place.control);
            }
        }
    }
    for (const C school : {C::LabelCentro, C::LabelCentroB}) {
        auto* label = static_cast<QLabel*>(p.assistant->control(school));
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->width() - 4);
    }
    // The welcome passes whole through its box.
    auto* welcome = static_cast<QLabel*>(p.assistant->control(C::Textoinicio));
    EXPECT_LE(welcome->heightForWidth(welcome->width()), welcome->height());
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, AssistantLanguageTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora

#include "asistente_test.moc"
