// The LOMCE diagram on the bundled data: opened from the ESO screen (a stand-in until that
// screen is built), stepped forward to the end with an element's panel at every step, back to
// the start and back to the ESO screen; in every language its captions, step texts and panels
// fit where they are shown.
#include "ui/guidance/formlomce.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "core/menu/doors.h"
#include "support/param_names.h"
#include "support/shots.h"
#include "ui/guidance/program_fixture.h"
#include "ui/menu/principal.h"
#include "ui/shared/look.h"

namespace velmora {
namespace {

using testing::Program;

// The ESO screen until it is built: door 4 shows its BotLOMCE, which opens the diagram.
class EsoStandIn : public QWidget {
  public:
    explicit EsoStandIn(ScreenFinder find) {
        setObjectName(QStringLiteral("TForm2"));
        resize(1024, 768);
        BotLOMCE = new QPushButton(this);
        BotLOMCE->setObjectName(QStringLiteral("BotLOMCE"));
        BotLOMCE->hide();
        auto* questionnaire = new QWidget(this);
        questionnaire->setObjectName(QStringLiteral("botCuestio"));
        connect(BotLOMCE, &QPushButton::clicked, this,
                [this, find] { HandOver(this, "TFlomce", find); });
    }
    QPushButton* BotLOMCE;
};

class DiagramProgram : public Program {
  public:
    DiagramProgram(int language, bool withEso) : Program(language) {
        create({"Tform0", "TFlomce"});
        menu = qobject_cast<Tform0*>(screen("Tform0"));
        diagram = qobject_cast<TFlomce*>(screen("TFlomce"));
        if (withEso) {
            eso = new EsoStandIn([this](std::string_view name) { return context.screen(name); });
            add("TForm2", eso);
        }
    }
    void settle() {
        for (int i = 0; i < 20 && diagram->TimerParpadeo->isActive(); ++i)
            diagram->TimerParpadeoTimer();
    }
    void shot(const std::string& name) {
        QCoreApplication::processEvents();
        testing::SaveShot(*diagram, name.c_str());
    }
    // The first round button on show at this step.
    QAbstractButton* someButton() const {
        for (QAbstractButton* b : diagram->buttons)
            if (b && b->isVisible()) return b;
        return nullptr;
    }

    Tform0* menu = nullptr;
    TFlomce* diagram = nullptr;
    EsoStandIn* eso = nullptr;
};

TEST(DiagramWalkTest, FromTheEsoScreenNineStepsForwardAPanelAtEachStepBackToTheStartAndOut) {
    DiagramProgram p(0, true);
    ASSERT_FALSE(p.enlace->stopFlag);
    ASSERT_TRUE(p.diagram && p.menu);
    TFlomce& d = *p.diagram;

    // Door 4, then the ESO screen's diagram button.
    p.menu->show();
    testing::ClickAt(p.menu->label(MenuLabel::Iti), {4, 4});
    for (int i = 0; i < 20 && p.menu->TimerPuerta->isActive(); ++i) p.menu->tick(MenuTimer::Puerta);
    for (int i = 0; i < 40 && p.menu->TimerZoom->isActive(); ++i) p.menu->tick(MenuTimer::Zoom);
    ASSERT_TRUE(p.eso->isVisible());
    ASSERT_TRUE(p.eso->BotLOMCE->isVisible());
    p.eso->BotLOMCE->click();
    ASSERT_TRUE(d.isVisible());
    EXPECT_FALSE(p.eso->isVisible());

    EXPECT_FALSE(d.BitFleIz->isEnabled());
    EXPECT_TRUE(d.BitFleDe->isEnabled());
    EXPECT_FALSE(d.LabelFle->isVisible());
    EXPECT_EQ(d.ListExplica->count(), static_cast<int>(p.enlace->informa.linesForKey(50).size()));
    for (int s = 1; s <= 9; ++s) {
        SCOPED_TRACE(s);
        d.BitFleDe->click();
        EXPECT_EQ(d.model().step(), s);
        EXPECT_TRUE(d.TimerParpadeo->isActive());
        EXPECT_EQ(d.TimerParpadeo->interval(), 500);
        p.settle();
        EXPECT_TRUE(d.LabelFle->isVisible());
        EXPECT_EQ(d.BitFleDe->isEnabled(), s < 9);
        // An element's panel, then closed: the whole diagram, and the step stays.
        QAbstractButton* element = p.someButton();
        ASSERT_NE(element, nullptr);
        element->click();
        ASSERT_TRUE(d.PanelEx->isVisible());
        EXPECT_GT(d.ListBit->count(), 0) << element->objectName().toStdString();
        d.BotCerrar->click();
        EXPECT_FALSE(d.PanelEx->isVisible());
        EXPECT_EQ(d.model().step(), s);
        for (QAbstractButton* b : d.buttons) {
            if (b) {
                EXPECT_TRUE(b->isVisible()) << b->objectName().toStdString();
            }
        }
        EXPECT_FALSE(d.button("BitCie3")->toolTip().isEmpty());
    }
    EXPECT_FALSE(d.BitFleDe->isEnabled());
    while (d.model().step() > 0) d.BitFleIz->click();
    EXPECT_FALSE(d.BitFleIz->isEnabled());
    p.settle();

    // Out to the ESO screen; back in, the step list shows the introduction again.
    d.BitRetro->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(p.eso->isVisible());
    d.BitFleDe->click();
    d.BitRetro->click();
    p.eso->BotLOMCE->click();
    EXPECT_EQ(d.model().step(), 1);
    const auto introduction = p.enlace->informa.linesForKey(50);
    ASSERT_EQ(d.ListExplica->count(), static_cast<int>(introduction.size()));
    EXPECT_EQ(d.ListExplica->item(0)->text(), LomceDiagram::Row(introduction.front()).text);
}

TEST(DiagramWalkTest, WithoutTheEsoScreenTheWayBackLeadsHome) {
    DiagramProgram p(0, false);
    p.diagram->show();
    p.diagram->BitRetro->click();
    EXPECT_FALSE(p.diagram->isVisible());
    EXPECT_TRUE(p.menu->isVisible());
}

// Every language: the ten steps are looked at, and what the diagram writes fits where it goes.
class DiagramLanguageTest : public ::testing::TestWithParam<int> {};

TEST_P(DiagramLanguageTest, CaptionsStepTextsAndPanelsFit) {
    DiagramProgram p(GetParam(), false);
    ASSERT_FALSE(p.enlace->stopFlag);
    TFlomce& d = *p.diagram;
    d.show();
    const std::string language = std::to_string(GetParam());
    const QFontMetrics rowFont(d.ListExplica->font());
    const int rowsShown = d.ListExplica->viewport()->height() / DiagramLayout::kRowHeight;
    auto rowsFit = [&](QListWidget* list, const std::vector<Cell>& rows, const std::string& what) {
        EXPECT_EQ(list->count(), static_cast<int>(rows.size()));
        for (const Cell& row : rows)
            EXPECT_LE(row.textLeft + rowFont.horizontalAdvance(row.text),
                      list->viewport()->width() - 2)
                << what << ": " << row.text.toStdString();
    };
    for (int s = 0; s <= 9; ++s) {
        SCOPED_TRACE(s);
        if (s > 0) d.BitFleDe->click();
        p.settle();
        p.shot("diagram-" + language + "-step-" + std::to_string(s));
        rowsFit(d.ListExplica, d.model().view().explanation, "step " + std::to_string(s));
        EXPECT_LE(d.ListExplica->count(), rowsShown) << "step " << s << " needs a scroll bar";
    }
    // Every element's panel: its rows fit the panel's width.
    for (const int element : DiagramButtons()) {
        QAbstractButton* b = d.buttons[static_cast<size_t>(element)];
        b->click();
        const std::string name(DiagramElements()[static_cast<size_t>(element)].name);
        ASSERT_TRUE(d.PanelEx->isVisible()) << name;
        rowsFit(d.ListBit, d.model().view().panel, name);
        if (name == "BitESO3" || name == "BitMej1" || name == "BitFleSel")
            p.shot("diagram-" + language + "-panel-" + name);
        d.BotCerrar->click();
    }
    // Every caption fits its place at its own size, without being made smaller.
    for (size_t i = 0; i < DiagramElements().size(); ++i) {
        const DiagramElement& e = DiagramElements()[i];
        if (e.kind != DiagramKind::Label) continue;
        const QString& text = d.model().view().caption[i];
        EXPECT_FALSE(text.isEmpty()) << e.name;
        const int room = (e.caption.vertical ? e.rect.height() : e.rect.width()) - 4;
        EXPECT_LE(QFontMetrics(ArialFont(e.caption.points, true)).horizontalAdvance(text), room)
            << e.name << ": " << text.toStdString();
    }
    for (QLabel* label : {d.LabelLOMCE, d.LabelFle})
        EXPECT_LE(label->heightForWidth(label->width()) > 0 ? label->heightForWidth(label->width())
                                                            : label->sizeHint().height(),
                  label->height())
            << label->objectName().toStdString();
    EXPECT_LE(QFontMetrics(d.LabelLOMCE->font()).horizontalAdvance(d.LabelLOMCE->text()),
              d.LabelLOMCE->width());
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, DiagramLanguageTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
