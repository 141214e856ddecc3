// A student on the bundled data asks how to get into a degree, then looks at the degrees with
// high cut-off marks and at the universities' weighting documents, and comes back.
#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QListWidget>

#include "core/shared/cp1252.h"
#include "support/param_names.h"
#include "support/shots.h"
#include "ui/university/degrees_fixture.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::DegreesProgram;
using testing::RowCentre;
using testing::SendMouse;

class CutOffWalkTest : public ::testing::Test, protected DegreesProgram {
  protected:
    void SetUp() override {
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        createScreens();
        ASSERT_TRUE(messages.errors.isEmpty())
            << messages.errors.join(QLatin1Char('\n')).toStdString();
    }

    const DegreeTables& tables() const { return enlace->degreeTables; }
    QString text(int n) const { return cp1252::Decode(enlace->texts[n]); }

    // The first degree with a mark of 10 points or more and a weighted subject of its own, so
    // that every threshold lists it and its subjects show.
    int degreeToAsk() const {
        for (int d = 1; d <= tables().degreeCount(); ++d) {
            const int first = tables().attribute(d, DegreeTables::kFirstSubject);
            if (first < 1 || first > DegreeTables::kWeightedSubjects) continue;
            for (int i = 1; i <= tables().offerings.cutOffTenths.at(d, 0); ++i)
                if (tables().offerings.cutOffTenths.at(d, i) >= 100) return d;
        }
        return 0;
    }

    // Degrees with an offering marked `threshold` or more, and such offerings of degree d.
    int degreesReaching(int threshold) const {
        int count = 0;
        for (int d = 1; d <= tables().degreeCount(); ++d)
            count += offeringsReaching(d, threshold) > 0;
        return count;
    }
    int offeringsReaching(int d, int threshold) const {
        int count = 0;
        for (int i = 1; i <= tables().offerings.cutOffTenths.at(d, 0); ++i) {
            const int mark = tables().offerings.cutOffTenths.at(d, i);
            count += mark != 10 && mark >= threshold;
        }
        return count;
    }

    QStringList rows(const QListWidget* list) const {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
};

TEST_F(CutOffWalkTest, RequirementsThenCutOffMarksThenWeightingDocuments) {
    TForm1& s = *degrees;
    TForm6& w = *cutOff;
    const int degree = degreeToAsk();
    ASSERT_GT(degree, 0);

    // The degree, picked from the list of all degrees.
    s.show();
    s.botinformacionClick();
    s.BotMenuGrados->click();
    ClickAt(s.Listramas->viewport(), RowCentre(s.Listramas, 5));
    const auto& rowDegree = s.model().state().rowDegree;
    const auto found = std::find(rowDegree.begin(), rowDegree.end(), degree);
    ASSERT_NE(found, rowDegree.end());
    const int row = static_cast<int>(found - rowDegree.begin());
    s.listgrados->scrollToItem(s.listgrados->item(row, 0));
    SendMouse(s.listgrados->viewport(), QEvent::MouseButtonRelease, RowCentre(s.listgrados, row));
    ASSERT_TRUE(s.GridNotas->isVisible());
    ASSERT_TRUE(s.BotReq->isVisible());

    // Requirements: the judgement from the marks that count, the degree's own subjects.
    s.BotReq->click();
    EXPECT_FALSE(s.GridNotas->isVisible());
    EXPECT_FALSE(stars->isVisible());
    ASSERT_TRUE(s.ListSel->isVisible());
    const QStringList shown = rows(s.ListSel);
    EXPECT_EQ(shown.value(0), QStringLiteral("-     ") + text(277));
    int sum = 0;
    int counted = 0;
    for (int i = 1; i <= tables().offerings.cutOffTenths.at(degree, 0); ++i) {
        const int mark = tables().offerings.cutOffTenths.at(degree, i);
        if (mark <= 11) continue;
        sum += mark;
        ++counted;
    }
    ASSERT_GT(counted, 0);
    const QString judgement = sum >= 60 * counted ? text(721) : text(720);
    EXPECT_TRUE(shown.value(3).startsWith(judgement)) << shown.value(3).toStdString();
    const QString bullet = QString(QChar(0x2022)) + QStringLiteral("  ");
    const int first = tables().attribute(degree, DegreeTables::kFirstSubject);
    EXPECT_EQ(shown.count(bullet + cp1252::Decode(tables().subjects[first])), 1);
    EXPECT_TRUE(shown.contains(text(726)));
    testing::SaveShot(s, "cutoff-01-requirements");

    // The cut-off panel takes the screen's place.
    s.BotCorte->click();
    EXPECT_FALSE(s.isVisible());
    ASSERT_TRUE(w.isVisible());
    EXPECT_TRUE(w.PanelCorte->isVisible());
    EXPECT_FALSE(w.PanelPonderacion->isVisible());
    EXPECT_FALSE(w.L->isVisible());
    testing::SaveShot(w, "cutoff-02-panel");

    const struct {
        QPushButton* button;
        int threshold;
        const char* shot;
    } thresholds[] = {{w.Buttoncorte6, 60, "cutoff-03-six"},
                      {w.Buttoncorte7, 80, "cutoff-04-eight"},
                      {w.ButtonCorte8, 100, "cutoff-05-ten"}};
    for (const auto& t : thresholds) {
        t.button->click();
        ASSERT_TRUE(w.L->isVisible());
        EXPECT_EQ(w.LabelMasde->text(), t.button->text());
        EXPECT_FALSE(w.listcalc->isVisible());
        EXPECT_TRUE(w.LabelCorte3->text().isEmpty());
        EXPECT_EQ(w.L->rowCount(), degreesReaching(t.threshold)) << t.threshold;
        // The degree asked about is listed; a click on it lists where.
        int listed = -1;
        const QString name =
            cp1252::Decode(std::string_view(tables().degreeNames[degree]).substr(0, 50));
        for (int r = 0; r < w.L->rowCount(); ++r)
            if (w.L->item(r, 0)->text() == name) listed = r;
        ASSERT_GE(listed, 0) << t.threshold;
        w.L->scrollToItem(w.L->item(listed, 0));
        ClickAt(w.L->viewport(), RowCentre(w.L, listed));
        ASSERT_TRUE(w.listcalc->isVisible());
        EXPECT_EQ(w.LabelCorte3->text(), name);
        EXPECT_EQ(w.listcalc->rowCount(), offeringsReaching(degree, t.threshold));
        testing::SaveShot(w, t.shot);
    }

    // Back to the degrees screen, then the weighting documents.
    w.BotCerrar3->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(s.isVisible());
    s.BotPonde->click();
    EXPECT_FALSE(s.isVisible());
    ASSERT_TRUE(w.isVisible());
    EXPECT_TRUE(w.PanelPonderacion->isVisible());
    EXPECT_FALSE(w.PanelCorte->isVisible());
    const QDir pdf(enlace->paths.dataFile(QStringLiteral("pdf")));
    const QStringList files = pdf.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    EXPECT_EQ(w.ListUnis->count(), files.size());
    EXPECT_EQ(w.ListUnis->currentRow(), 0);
    QStringList listed = rows(w.ListUnis);
    for (const QString& name : listed) EXPECT_TRUE(files.contains(name)) << name.toStdString();
    testing::SaveShot(w, "cutoff-06-weightings");

    const int chosen = std::min(3, w.ListUnis->count() - 1);
    const QPoint at = w.ListUnis->visualItemRect(w.ListUnis->item(chosen)).center();
    SendMouse(w.ListUnis->viewport(), QEvent::MouseButtonPress, at);
    SendMouse(w.ListUnis->viewport(), QEvent::MouseButtonRelease, at);
    SendMouse(w.ListUnis->viewport(), QEvent::MouseButtonDblClick, at);
    SendMouse(w.ListUnis->viewport(), QEvent::MouseButtonRelease, at);
    EXPECT_EQ(opener.documents, QStringList{pdf.filePath(listed[chosen])});
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QLatin1Char('\n')).toStdString();

    w.Botcerrar4->click();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(s.isVisible());

    // The cut-off panel shows again what it showed when it was left.
    s.BotCorte->click();
    EXPECT_TRUE(w.L->isVisible());
    EXPECT_EQ(w.LabelMasde->text(), w.ButtonCorte8->text());
    EXPECT_TRUE(w.listcalc->isVisible());
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(s.isVisible());
}

// Every caption fits where the window puts it, in each language: the labels before the threshold
// buttons end before them, the headings stay inside their panel, the button captions inside
// their buttons.
class CutOffCaptionsTest : public ::testing::TestWithParam<int> {};

TEST_P(CutOffCaptionsTest, FitTheirPlaces) {
    const int language = GetParam();
    testing::TempFolder config;
    testing::RecordingMessages messages;
    Enlace enlace(messages, DataPaths::ForDataFolder(QStringLiteral(VELMORA_BUNDLED_DATA)));
    const SettingsStore store(config.file(QStringLiteral("velmora.ini")));
    SharedPictures pictures;
    ShellStartupLoad(enlace, store, {QStringLiteral("N"), QString::number(language)},
                     {pictures, 9});
    ASSERT_FALSE(enlace.stopFlag);
    testing::RecordingOpener opener;
    TForm6 w(enlace, opener);
    w.model().show();
    w.model().ShowCutOffPanel();
    w.Buttoncorte6->click();

    const auto right = [](const QWidget* widget) { return widget->geometry().right(); };
    EXPECT_LT(right(w.LabelCorte1), w.Buttoncorte6->x());
    EXPECT_LT(right(w.LabelCorte2), w.LabelTotal->x());
    EXPECT_LT(right(w.LabelTotal), w.listcalc->x());
    EXPECT_LE(right(w.LabelCorteSelecti), w.width());
    for (const QPushButton* button :
         {w.Buttoncorte6, w.Buttoncorte7, w.ButtonCorte8, w.BotCerrar3, w.Botcerrar4})
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width())
            << button->objectName().toStdString() << " " << button->text().toStdString();
    for (const QLabel* label : {w.LabelPondera1, w.LabelUnis, w.LabelUni2})
        EXPECT_LE(right(label), w.PanelPonderacion2->width()) << label->text().toStdString();
    const std::string suffix = "-" + std::to_string(language);
    testing::SaveShot(w, ("cutoff-captions" + suffix).c_str());
    w.model().ShowWeightingsPanel();
    testing::SaveShot(w, ("weightings-captions" + suffix).c_str());
}

INSTANTIATE_TEST_SUITE_P(Languages, CutOffCaptionsTest, ::testing::Range(0, 4),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
