// The certificates screen: an area's families, a family's certificates following the pointer
// until a click keeps them, a certificate's requirements, hours and description, the report of a
// family's certificates, the employment service's page and the way back.
#include "core/vocational/certificates_screen.h"

#include <gtest/gtest.h>

#include "core/shared/cp1252.h"
#include "core/shared/enlace.h"
#include "core/shared/setup_guard.h"
#include "core/vocational/vocational_fixture.h"
#include "core/vocational/vocational_load.h"
#include "support/recording_messages.h"
#include "support/recording_opener.h"
#include "support/recording_printing.h"

namespace velmora {
namespace {

using C = CertControl;
using testing::RecordingMessages;
using testing::RecordingOpener;
using testing::RecordingPrinting;
using testing::VocationalFolder;

// The fixture's certificates: area 1 ("12") holds families 1 and 2 and areas 2-9 ("3") a key
// without any family. Family 1 (entry 1) has certificate 2; family 2 (entry 3) certificates 4
// and 5; a third family (entry 6, key 4) certificate 7 with the requirement codes "1", "1" and
// blank.
class CertificatesScreenTest : public ::testing::Test {
  protected:
    CertificatesScreenTest() {
        std::vector<std::string> certifica = folder.certifica;
        certifica.insert(certifica.end(), {"4-Artes graficas", "4Impresion en offset"});
        certifica[3] = "34      Area 4";
        folder.language("certifica", certifica);
        std::vector<std::string> hours = folder.certificah;
        hours.insert(hours.end(), {"", "11 540 Impresion y acabado"});
        folder.language("certificah", hours);
        QFile::copy(QStringLiteral(VELMORA_BUNDLED_DATA) + QStringLiteral("cas/textos"),
                    folder.file(QStringLiteral("cas/textos")));
        enlace.setLanguage(0);
        enlace.LoadInterfaceTexts();
        RunSetUp(messages, [&] { LoadCertificates(enlace); });
        screen.FormCreate();
        screen.FormActivate();
        screen.takeChanges();
    }
    bool visible(C control) const { return screen.view().controls.isVisible(control); }
    QString caption(C control) const { return screen.view().controls.captionOf(control); }
    std::vector<QString> texts(const std::vector<Cell>& rows) const {
        std::vector<QString> out;
        for (const Cell& cell : rows) out.push_back(cell.text);
        return out;
    }
    QString text(int n) const { return cp1252::Decode(enlace.texts[n]); }

    VocationalFolder folder;
    RecordingMessages messages;
    Enlace enlace{messages, DataPaths::ForDataFolder(folder.path())};
    RecordingPrinting printing;
    RecordingOpener opener;
    CertificatesScreen screen{enlace, printing, opener};
};

TEST_F(CertificatesScreenTest, AnAreaListsTheFamiliesOfItsKeysInTheFilesOrder) {
    struct Case {
        const char* name;
        int area;
        std::vector<QString> families;
    };
    const std::vector<Case> cases = {
        {"two keys",
         0,
         {QStringLiteral("-Actividades fisicas y deportivas"),
          QStringLiteral("-Administracion y gestion")}},
        // Key 3 has no header line: no family for it.
        {"a key without families", 1, {}},
        {"a key with one and one without", 3, {QStringLiteral("-Artes graficas")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        screen.BotRetrocederFPClick();
        screen.ListSelFpMouseUp(c.area);
        EXPECT_EQ(texts(screen.view().familyRows), c.families);
        EXPECT_EQ(screen.view().familyListHeight, static_cast<int>(c.families.size()) * 17 + 4);
        EXPECT_FALSE(visible(C::ListSelFp));
        EXPECT_TRUE(visible(C::PanelSelTit1));
    }
}

TEST_F(CertificatesScreenTest, TheAreasFollowThePointerUntilOneIsChosen) {
    screen.ListSelFpMouseMove(4);
    EXPECT_EQ(screen.view().areaSelected, 4);
    screen.ListSelFpMouseUp(0);
    screen.BotRetrocederFPClick();  // back to the areas: they follow the pointer again
    screen.ListSelFpMouseMove(2);
    EXPECT_EQ(screen.view().areaSelected, 2);
}

TEST_F(CertificatesScreenTest, AClickKeepsAFamilysCertificatesWhileThePointerMovesOn) {
    screen.ListSelFpMouseUp(0);
    screen.ListTitFPMouseMove(1);
    EXPECT_EQ(texts(screen.view().certificateRows),
              (std::vector<QString>{QStringLiteral("Actividades de gestion administrativa"),
                                    QStringLiteral("Asistencia documental y de gestion en "
                                                   "despachos")}));
    // Beside the family under the pointer, its caption bar just above.
    EXPECT_EQ(screen.view().certificateListTop, 140 + 2 + 17);
    EXPECT_EQ(screen.view().certificateCaptionTop, 140 + 2 + 17 - 32 + 1);
    EXPECT_EQ(screen.view().certificateListHeight, 2 * 17 + 4);
    EXPECT_FALSE(visible(C::BotImprimir));

    screen.ListTitFPMouseUp(1);
    EXPECT_TRUE(visible(C::BotImprimir));
    EXPECT_TRUE(visible(C::BotInternet));
    screen.ListTitFPMouseMove(0);  // kept
    EXPECT_EQ(screen.certificateEntries(), (std::vector<int>{4, 5}));
    screen.ListTitFPMouseUp(0);  // another family: its certificates, kept
    EXPECT_EQ(screen.certificateEntries(), (std::vector<int>{2}));
    screen.ListTitFPMouseMove(1);
    EXPECT_EQ(screen.certificateEntries(), (std::vector<int>{2}));
    screen.ListTitFPMouseUp(0);  // the same family again: they follow the pointer
    screen.ListTitFPMouseMove(1);
    EXPECT_EQ(screen.certificateEntries(), (std::vector<int>{4, 5}));
}

TEST_F(CertificatesScreenTest, ACertificateShowsItsRequirementsHoursAndDescription) {
    struct Case {
        const char* name;
        int area;
        int family;
        int row;
        QString title;
        QString requirements;
        QString hours;
        QString description;
    };
    const std::vector<Case> cases = {
        {"codes 1 and 2", 0, 0, 0, QStringLiteral("Socorrismo en instalaciones acuaticas"),
         QStringLiteral("Graduado en ESO o equivalent\nRequisito 2\n"), QStringLiteral("370"),
         QStringLiteral("Vigilancia y rescate en piscinas")},
        // The same code twice lists its label twice; a blank code none.
        {"code 1 twice", 3, 0, 0, QStringLiteral("Impresion en offset"),
         QStringLiteral("Graduado en ESO o equivalent\nGraduado en ESO o equivalent\n"),
         QStringLiteral("540"), QStringLiteral("Impresion y acabado")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        screen.BotRetrocederFPClick();
        screen.ListSelFpMouseUp(c.area);
        screen.ListTitFPMouseUp(c.family);
        screen.ListFPExpliMouseUp(c.row);
        EXPECT_TRUE(visible(C::PanelResul));
        EXPECT_EQ(caption(C::LabelTitulo), c.title);
        EXPECT_EQ(caption(C::LabelRequisitos), c.requirements);
        EXPECT_EQ(caption(C::LabelHoras), c.hours);
        EXPECT_EQ(caption(C::LabelDes), c.description);
    }
}

TEST_F(CertificatesScreenTest, AFamilysCertificatesPrintWithTheirRequirementsAndHours) {
    screen.ListSelFpMouseUp(0);
    screen.ListTitFPMouseUp(1);
    screen.BotImprimirClick();
    ASSERT_EQ(printing.reports.size(), 1u);
    const Report& report = printing.reports.back();
    std::vector<QString> lines;
    std::vector<int> bold;
    for (size_t i = 0; i < report.lines.size(); ++i) {
        lines.push_back(report.lines[i].text);
        if (report.lines[i].bold) bold.push_back(static_cast<int>(i) + 1);
    }
    EXPECT_EQ(report.title, text(580));
    const QString requirements = text(581);
    const QString hours = text(582) + QStringLiteral(": ");
    EXPECT_EQ(lines,
              (std::vector<QString>{
                  text(583) + QStringLiteral(":"), QStringLiteral("-Administracion y gestion"),
                  QString(), QStringLiteral("Actividades de gestion administrativa"),
                  QStringLiteral("Gestion administrativa"), requirements,
                  QStringLiteral("       Graduado en ESO o equival"), hours + QStringLiteral("450"),
                  QString(), QStringLiteral("Asistencia documental y de gestion en despachos"),
                  QStringLiteral("Archivo y documentacion"), requirements,
                  QStringLiteral("       Requisito 2"), hours + QStringLiteral("630"), QString()}));
    EXPECT_EQ(bold, (std::vector<int>{2, 4, 10}));
    EXPECT_FALSE(report.monospaced);
    EXPECT_EQ(report.fontSize, 12);
}

TEST_F(CertificatesScreenTest, TheWebButtonOpensThePageOnCertificates) {
    screen.BotInternetMouseUp();
    EXPECT_EQ(opener.opened,
              QStringList{QStringLiteral("https://www.sepe.es/HomeSepe/Personas/formacion/"
                                         "certificados-profesionalidad.html")});
}

TEST_F(CertificatesScreenTest, BackShowsTheAreasWithTheDetailsThenLeaves) {
    screen.ListSelFpMouseUp(0);
    screen.ListTitFPMouseUp(0);
    screen.ListFPExpliMouseUp(0);
    EXPECT_FALSE(screen.BotRetrocederFPClick());
    EXPECT_TRUE(visible(C::ListSelFp));
    EXPECT_TRUE(visible(C::PanelResul));  // the details stay
    for (C hidden : {C::ListTitFP, C::ListFPExpli, C::PanelSelTit2, C::BotImprimir})
        EXPECT_FALSE(visible(hidden));
    EXPECT_EQ(screen.BotRetrocederFPClick(), LeaveTo::MainMenu);
    EXPECT_FALSE(visible(C::PanelResul));

    enlace.assistantMode = true;
    screen.ListSelFpMouseUp(0);
    EXPECT_EQ(screen.FormClose(), LeaveTo::Assistant);
}

TEST_F(CertificatesScreenTest, TheCaptionsSlideInOnceTheHelpIsTold) {
    EXPECT_TRUE(screen.help().visible());
    EXPECT_EQ(screen.help().label(0), QString());
    for (int tick = 0; tick < 9; ++tick) screen.help().tick();
    EXPECT_EQ(screen.help().label(0), text(562));
    EXPECT_EQ(screen.help().label(6), text(568));
    EXPECT_EQ(screen.view().captionLefts, (std::array<int, 3>{440, 440, 766}));
    screen.tickSlide();
    EXPECT_EQ(screen.view().captionLefts[0], 440);  // not before the help is told
    screen.helpFinished();
    for (int tick = 0; tick < 200; ++tick) screen.tickSlide();
    EXPECT_EQ(screen.view().captionLefts[0], 28);
    EXPECT_EQ(screen.view().captionLefts[1], 440);  // its bar is hidden
    EXPECT_TRUE(screen.view().sliding);             // until the third is in
    screen.ListSelFpMouseUp(0);
    screen.ListTitFPMouseMove(0);
    for (int tick = 0; tick < 200; ++tick) screen.tickSlide();
    EXPECT_EQ(screen.view().captionLefts[2], 78);
    EXPECT_FALSE(screen.view().sliding);
}

}  // namespace
}  // namespace velmora
