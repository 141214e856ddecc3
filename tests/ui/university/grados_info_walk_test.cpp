// A student's walk through the rest of the degrees screen's menu on the bundled data, in every
// language: the four kinds of artistic studies, the other studies and one of their pages, the
// masters text, the diagram of the structure of degrees to its last step, and the two web pages.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include "core/university/other_studies.h"
#include "support/param_names.h"
#include "support/shots.h"
#include "ui/shared/region_map_view.h"
#include "ui/university/degree_diagram_panel.h"
#include "ui/university/degrees_fixture.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::DegreesProgram;
using testing::RowCentre;
using testing::SendMouse;
using testing::Text;

constexpr int kAndalucia = 1;

class DegreesInfoWalkTest : public ::testing::TestWithParam<int>, protected DegreesProgram {
  protected:
    DegreesInfoWalkTest() : DegreesProgram(GetParam()) {}

    void SetUp() override {
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        createScreens();
        degrees->show();
        degrees->botinformacionClick();
    }

    void shot(const char* name) {
        const std::string file = std::string(name) + "-" + std::to_string(GetParam());
        testing::SaveShot(*degrees, file.c_str());
    }

    // The pointer over a menu entry opens its submenu.
    void hover(QWidget* entry) { SendMouse(entry, QEvent::MouseMove, entry->rect().center()); }

    void back() {
        degrees->BotRetroceder->click();
        EXPECT_TRUE(degrees->PanelMenu->isVisible());
    }
};

TEST_P(DegreesInfoWalkTest, ArtsOtherStudiesMastersAndTheDiagram) {
    TForm1& s = *degrees;

    // The four kinds of artistic studies: titles, specialities, places.
    struct Kind {
        QPushButton* button;
        int caption;
        const char* name;
    };
    for (const Kind& kind :
         {Kind{s.BotArtesPlas, 529, "arts-plastic"}, Kind{s.BotMusica, 530, "arts-music"},
          Kind{s.BotDanza, 531, "arts-dance"}, Kind{s.BotDramatico, 532, "arts-drama"}}) {
        SCOPED_TRACE(kind.name);
        hover(s.BotMenuArtes);
        ASSERT_TRUE(s.PanelMenu4->isVisible());
        kind.button->click();
        EXPECT_EQ(s.PanelCarSel->text().trimmed(), Text(*enlace, kind.caption).trimmed());
        EXPECT_GT(s.ListSel->count(), 0);
        s.BotArtesEsp->click();
        if (kind.button == s.BotArtesPlas) {
            ASSERT_EQ(s.ListComunidad->count(), 17);
            ClickAt(s.ListComunidad->viewport(), RowCentre(s.ListComunidad, 0));
        }
        EXPECT_GT(s.ListSel->count(), 0);
        s.BotArtesLug->click();
        if (kind.button == s.BotArtesPlas) {
            ASSERT_TRUE(s.mapa->isVisible());
            enlace->regionMaps.regionUnderCursor = kAndalucia;
            s.model().mapaClick();
        }
        EXPECT_GT(s.ListSel->count(), 2);
        shot(kind.name);
        back();
    }

    // The other studies and the page of the first one that has a page.
    s.BotMenuDepor->click();
    ASSERT_TRUE(s.ListComunidad->isVisible());
    int page = -1;
    for (int r = 0; r < s.ListComunidad->count() && page < 0; ++r)
        if (KindOfOtherStudyRow(r, s.model().state().communityLines[static_cast<size_t>(r)]) ==
            OtherStudyRow::Page)
            page = r;
    ASSERT_GE(page, 0);
    ClickAt(s.ListComunidad->viewport(), RowCentre(s.ListComunidad, page));
    EXPECT_GT(s.ListSel->count(), 0);
    EXPECT_TRUE(s.BotImprimir->isVisible());
    shot("other-studies");
    back();

    // The masters text below the register's address, which opens with a click.
    hover(s.BotMenuInfo);
    ASSERT_TRUE(s.PanelMenu2->isVisible());
    s.BotMaster->click();
    ASSERT_TRUE(s.RichSalidas->isVisible());
    EXPECT_GT(s.RichSalidas->toPlainText().size(), 200);
    EXPECT_GT(s.RichSalidas->y(), s.LabelMaster2->y() + s.LabelMaster2->height());
    EXPECT_TRUE(messages.errors.isEmpty());
    shot("masters");
    ClickAt(s.LabelMaster2, {4, 4});
    ASSERT_FALSE(opener.opened.isEmpty());
    EXPECT_TRUE(opener.opened.back().endsWith(QStringLiteral("/ListadoTitulos/")));
    back();

    // The diagram, step by step to the last.
    hover(s.BotMenuInfo);
    s.botinfo1->click();
    DegreeDiagramPanel& d = *s.PanelGradosT;
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_TRUE(d.Timergrado->isActive());
    EXPECT_EQ(d.label("LabelG8")->text(), Text(*enlace, 551).trimmed());
    EXPECT_EQ(d.BotAcabarG->text(), Text(*enlace, 222).trimmed());
    auto runStep = [&] {
        for (int i = 0; i < 2000 && d.Timergrado->isActive(); ++i) s.model().TimergradoTimer();
        for (int i = 0; i < 2000 && d.Timerfrase->isActive(); ++i) s.model().TimerfraseTimer();
    };
    runStep();
    EXPECT_EQ(d.LabelGTexto->text(), Text(*enlace, 539).trimmed());
    EXPECT_GT(d.sentenceClip->width(), 600);
    shot("diagram-0");
    for (int step = 1; step <= DegreeDiagram::kLastStep; ++step) {
        d.BotAvanza->click();
        runStep();
        if (step == 5) shot("diagram-5");
    }
    for (QFrame* cover : d.covers) EXPECT_FALSE(cover->isVisible());
    EXPECT_FALSE(d.BotAvanza->isEnabled());
    shot("diagram-last");
    d.BotAcabarG->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.Timergrado->isActive());

    // The two web pages are the program's own.
    hover(s.BotMenuInfo);
    s.botinfo2->click();
    s.botinfo3->click();
    ASSERT_GE(opener.opened.size(), 3);
    for (const QString& address : opener.opened.mid(opener.opened.size() - 2))
        EXPECT_TRUE(address.startsWith(QStringLiteral("https://www.velmora.es/velmora/")))
            << address.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, DegreesInfoWalkTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
