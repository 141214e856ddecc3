// The degrees screen's artistic studies: the four kinds, their lists, the plastic-arts map and
// the links of the lists.
#include <gtest/gtest.h>

#include <QFile>

#include "core/shared/cp1252.h"
#include "core/university/degrees_screen_fixture.h"
#include "support/param_names.h"

namespace velmora {
namespace {

using C = DegreesControl;
using Lines = std::vector<std::string>;

constexpr int kY = 40;  // inside the test map; column x is community x

struct KindCase {
    const char* what;
    void (DegreesScreen::*open)();
    const char* file;
    const char* caption;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.what;
}

class ArtsViewTest : public ::testing::Test, public testing::DegreesScreenFixture {
  protected:
    ArtsViewTest() {
        std::string place = " 1Escuela de Arte";
        place.resize(24, ' ');
        Lines plastic = {"ARTES", "- Titulos", "f1"};
        for (int s = 0; s < 17; ++s) plastic.push_back("  Especialidad " + std::to_string(s));
        plastic.insert(plastic.end(), {"f2", place + "958000000 0204", "  Granada"});
        folder.language("artesplas", plastic);
        folder.language("musica", {"MUSICA", "f1", "- Especialidades", "f2",
                                   "13Conservatorio http://www.rcsmm.eu"});
        folder.language("danza", {"DANZA", "Sin marcas"});
        folder.language("dramatico", {"DRAMA", "f1", "- Esp", "f2"});
    }


    Lines shown() const { return state().selLines; }
    CursorKind listCursor() const { return view().cursor[static_cast<size_t>(C::ListSel)]; }
};

class ArtsKindTest : public ArtsViewTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ArtsKindTest, OpensOnItsTitlesAndGoesBackToTheMenu) {
    const KindCase& c = GetParam();
    DegreesScreen& s = openMenu();
    (s.*c.open)();
    EXPECT_TRUE(state().artsMode);
    EXPECT_FALSE(visible(C::PanelMenu));
    for (C shownControl :
         {C::PanelSel, C::PanelSelTit, C::ListSel, C::BotRetroceder, C::BotImprimirN,
          C::BotArtesTit, C::BotArtesEsp, C::BotArtesLug, C::PanelCarSel})
        EXPECT_TRUE(visible(shownControl)) << ControlName(shownControl);
    EXPECT_EQ(view().caption[static_cast<size_t>(C::PanelCarSel)].toStdString(), c.caption);
    ASSERT_FALSE(shown().empty());
    EXPECT_EQ(shown().front(), std::string(c.file));
    EXPECT_EQ(listCursor(), CursorKind::NoDrop);

    // Back leads to the menu whichever list the kind ended on.
    s.BotArtesLugClick();
    s.BotRetrocederClick();
    EXPECT_FALSE(state().artsMode);
    EXPECT_TRUE(visible(C::PanelMenu));
    for (C hidden : {C::PanelSel, C::ListSel, C::BotImprimirN, C::BotArtesTit, C::BotRetroceder,
                     C::ListComunidad, C::PanelEstrellas})
        EXPECT_FALSE(visible(hidden)) << ControlName(hidden);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ArtsKindTest,
    ::testing::Values(KindCase{"plastic arts", &DegreesScreen::BotArtesPlasClick, "ARTES",
                               "texto 529"},
                      KindCase{"music", &DegreesScreen::BotMusicaClick, "MUSICA", "texto 530"},
                      KindCase{"dance", &DegreesScreen::BotDanzaClick, "DANZA", "texto 531"},
                      KindCase{"drama", &DegreesScreen::BotDramaticoClick, "DRAMA", "texto 532"}),
    testing::ByWhat());

TEST_F(ArtsViewTest, PlasticArtsPlacesComeFromTheSpecialitiesAndFromTheMap) {
    DegreesScreen& s = openMenu();
    s.BotArtesPlasClick();
    s.BotArtesEspClick();
    ASSERT_EQ(state().communityLines.size(), 17u);
    EXPECT_EQ(state().communityLines[4], "Especialidad 4");
    EXPECT_TRUE(visible(C::ListComunidad));
    EXPECT_EQ(view().communityRows[4].icon, -1);  // written at the left, without an icon
    EXPECT_EQ(s.takeChanges().panelSelTransition, TransitionKind::Radial);

    s.ListComunidadClick(4);
    EXPECT_EQ(view().titleBar.toStdString(), "Especialidad 4");
    EXPECT_EQ(shown(), (Lines{"- Comunidad 1", "   Escuela de Arte  -  Tel. 958000000",
                              "       Granada", ""}));
    EXPECT_EQ(listCursor(), CursorKind::Hand);
    s.ListComunidadClick(3);  // taught nowhere
    EXPECT_TRUE(shown().empty());

    s.BotArtesLugClick();
    EXPECT_FALSE(visible(C::ListComunidad));
    EXPECT_TRUE(visible(C::PanelEstrellas));
    EXPECT_EQ(listCursor(), CursorKind::NoDrop);
    s.mapaMouseMove(1, kY);
    s.mapaClick();
    EXPECT_EQ(view().titleBar.toStdString(), "Comunidad 1");
    EXPECT_EQ(shown(), (Lines{"-  Escuela de Arte  -  Tel. 958000000", "Especialidad 2",
                              "Especialidad 4", "       Granada", ""}));
    EXPECT_TRUE(visible(C::PanelEstrellas));  // the map stays for the next community
}

TEST_F(ArtsViewTest, TheOtherKindsListTheirSpecialitiesAndPlacesInListSel) {
    DegreesScreen& s = openMenu();
    s.BotMusicaClick();
    s.BotArtesEspClick();
    EXPECT_EQ(shown(), Lines{"- Especialidades"});
    EXPECT_FALSE(visible(C::ListComunidad));
    s.BotArtesLugClick();
    EXPECT_EQ(shown(), (Lines{"- Comunidad 13", "  Conservatorio", "http://www.rcsmm.eu"}));
    EXPECT_EQ(listCursor(), CursorKind::Hand);
    s.BotArtesTitClick();
    EXPECT_EQ(shown(), (Lines{"MUSICA"}));
    EXPECT_EQ(listCursor(), CursorKind::NoDrop);
}

TEST_F(ArtsViewTest, ADoubleClickOpensOnlyAnAddressRow) {
    DegreesScreen& s = openMenu();
    s.BotMusicaClick();
    s.BotArtesLugClick();
    s.ListSelDblClick(1);  // the place's name
    s.ListSelDblClick(7);  // past the list
    EXPECT_TRUE(opener.opened.isEmpty());
    s.ListSelDblClick(2);
    EXPECT_EQ(opener.opened, QStringList{QStringLiteral("http://www.rcsmm.eu")});
}

TEST_F(ArtsViewTest, TheListsHintIsOfferedOnlyWhereRowsLink) {
    DegreesScreen& s = openMenu();
    auto hint = [this] { return view().hint[static_cast<size_t>(C::ListSel)].toStdString(); };
    s.BotDanzaClick();
    s.ListSelMouseMove();
    EXPECT_EQ(hint(), "");
    s.BotArtesLugClick();
    s.ListSelMouseMove();
    EXPECT_EQ(hint(), "Clic~Clic - texto 173");
    s.BotRetrocederClick();
    s.ListSelMouseMove();
    EXPECT_EQ(hint(), "Clic~Clic - texto 173");
}

TEST_F(ArtsViewTest, AMissingFileIsReportedAndLeavesTheListEmpty) {
    DegreesScreen& s = openMenu();
    s.BotMusicaClick();
    ASSERT_FALSE(shown().empty());
    s.BotRetrocederClick();
    QFile::remove(folder.file(QStringLiteral("cas/danza")));
    s.BotDanzaClick();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("cas/danza")));
    EXPECT_TRUE(shown().empty());
    EXPECT_TRUE(state().artsMode);  // and the screen goes on
    s.BotRetrocederClick();
    EXPECT_TRUE(visible(C::PanelMenu));
}

}  // namespace
}  // namespace velmora
