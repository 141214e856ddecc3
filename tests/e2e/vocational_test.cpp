// The vocational sections end to end: from their doors of the main menu to a title's centres,
// a title's statistics, a certificate and a family's catalogue, and back home.
#include <gtest/gtest.h>

#include "core/vocational/catalogue_screen.h"
#include "e2e/whole_program.h"
#include "support/param_names.h"
#include "ui/vocational/catU.h"
#include "ui/vocational/certifiU.h"
#include "ui/vocational/inipro.h"
#include "ui/vocational/medio.h"

namespace velmora {
namespace {

using testing::EndToEnd;

// Door 5: after the helicopter's intro, a title and the centres of a community that teaches it.
TEST_F(EndToEnd, AnIntermediateTitlesCentresInACommunity) {
    walkFromMenu([this] {
        door(MenuLabel::FPM);
        TForm3& s = *screen<TForm3>("TForm3");
        ASSERT_TRUE(s.isVisible());
        IntermediateScreen& m = s.model();
        using T = HelicopterIntro::Timer;
        for (int i = 0; i < 200 && (s.heli->isActive() || s.piloto->isActive()); ++i)
            m.tick(s.piloto->isActive() ? T::Piloto : T::Heli);
        ASSERT_TRUE(s.botTit2->isVisible());
        s.botTit2->click();
        ClickRow(s.ListPreFam, 1);
        PickTitle(s, 1);
        clickTeachingCommunity(s);
        Shot(s, "intermediate-centres");
        for (int i = 0; i < 5 && !s.botSalir->isVisible(); ++i) s.BotRetrocederFP->click();
        s.botSalir->click();
        homeAndOut(&s);
    });
}

// Door 3: a title's menu, its statistics window with the chart of titles, and back.
TEST_F(EndToEnd, AHigherTitlesStatistics) {
    walkFromMenu([this] {
        door(MenuLabel::FpS);
        walkHigherStatistics("higher-statistics");
        homeAndOut(screen<TForm8>("TForm8"));
    });
}

// Door 6: a group, a family's title and the centres of a community that teaches it.
TEST_F(EndToEnd, ABasicTitlesCentresInACommunity) {
    walkFromMenu([this] {
        door(MenuLabel::FPip);
        TFIniPro& s = *screen<TFIniPro>("TFIniPro");
        ASSERT_TRUE(s.isVisible());
        const VocationalTables& t = context->enlace.vocational;
        int group = 0;
        while (t.basicFamilyGroups.group(group + 1).headers[0] == 0) ++group;
        ClickRow(s.ListSelFp, group);
        PickTitle(s, 0);
        clickTeachingCommunity(s);
        Shot(s, "basic-centres");
        s.BotRetrocederFP->click();
        s.BotRetrocederFP->click();
        homeAndOut(&s);
    });
}

// The stop-studying sign: an area with families, a family's first certificate with its details.
TEST_F(EndToEnd, ACertificatesDetails) {
    walkFromMenu([this] {
        door(MenuLabel::Dejar);  // the sign opens its screen at once
        TCertifica& s = *screen<TCertifica>("TCertifica");
        ASSERT_TRUE(s.isVisible());
        int area = 0;
        for (; area < s.ListSelFp->count(); ++area) {
            ClickRow(s.ListSelFp, area);
            if (s.ListTitFP->count() > 0) break;
            s.BotRetrocederFP->click();
        }
        ASSERT_LT(area, s.ListSelFp->count());
        ClickRow(s.ListTitFP, 0);
        ASSERT_GT(s.ListFPExpli->count(), 0);
        const QString certificate = s.ListFPExpli->item(0)->text();
        ClickRow(s.ListFPExpli, 0);
        ASSERT_TRUE(s.PanelResul->isVisible());
        EXPECT_EQ(s.LabelTitulo->text(), certificate);
        EXPECT_FALSE(s.LabelHoras->text().isEmpty());
        Shot(s, "certificate");
        s.BotRetrocederFP->click();
        s.BotRetrocederFP->click();
        homeAndOut(&s);
    });
}

// Door 2 in every language the program starts in: a family's degrees, titles and
// certificates, printed.
class CatalogueInEveryLanguage : public EndToEnd, public ::testing::WithParamInterface<int> {};

TEST_P(CatalogueInEveryLanguage, AFamilysCatalogueListedAndPrinted) {
    const std::string language = testing::ByLanguage()({GetParam(), 0});
    const int code = run({QStringLiteral("N"), QString::number(GetParam())}, [&] {
        door(MenuLabel::Cat);
        TFormCat& s = *screen<TFormCat>("TFormCat");
        ASSERT_TRUE(s.isVisible());
        ASSERT_GT(s.ListFam->count(), 0);
        ClickRow(s.ListFam, 0);
        int entries = 0;
        for (int k = 0; k < kCatalogueLists; ++k)
            entries += s.list(static_cast<CatalogueList>(k))->count();
        EXPECT_GT(entries, 0);
        Shot(s, "catalogue-" + language);
        s.BotImprimir->click();
        ASSERT_EQ(printing.reports.size(), 1u);
        const QString family = s.model().view().familyRows.front().text.trimmed();
        const QString pdf = testing::PdfText(printing.fileOf(1));
        EXPECT_TRUE(pdf.contains(family)) << family.toStdString() << "\n" << pdf.toStdString();
        s.BotRetroceder->click();
        homeAndOut(&s);
    });
    EXPECT_EQ(code, 0) << errors();
}

INSTANTIATE_TEST_SUITE_P(Languages, CatalogueInEveryLanguage, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
