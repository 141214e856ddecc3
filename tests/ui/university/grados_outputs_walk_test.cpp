// A student's walk through the profile, the search and the double degrees of the degrees screen
// on the bundled data, in every language: a degree's profile with its headings and bullets, the
// same search written two ways, a search that only a university's own title for a degree finds,
// the menu's double degrees of a degree university by university, and a degree's double degrees
// with the star map lighting their communities and narrowing them to one.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>
#include <algorithm>

#include "core/shared/cp1252.h"
#include "core/shared/text_file.h"
#include "core/university/degree_profile.h"
#include "core/university/double_degrees.h"
#include "core/university/title_search.h"
#include "support/param_names.h"
#include "support/shots.h"
#include "ui/shared/region_map_view.h"
#include "ui/university/degrees_fixture.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::DegreesProgram;
using testing::RowCentre;
using testing::SendMouse;
using testing::Text;

// The number of the degree that the Castilian list calls `name`: the lists of the four languages
// number their degrees alike.
int CastilianDegree(const QString& dataFolder, std::string_view name) {
    const TextLines lines = ReadTextFile(dataFolder + QStringLiteral("cas/carreran"));
    for (size_t i = 0; i < lines.lines.size(); ++i)
        if (Trim(lines.lines[i]) == name) return static_cast<int>(i) + 1;
    return 0;
}

int CommunityCount(const DegreeTables& tables, int degree) {
    const auto marked = DoublesCommunities(tables, degree);
    return static_cast<int>(std::count(marked.begin(), marked.end(), true));
}

class DegreesOutputsWalkTest : public ::testing::TestWithParam<int>, protected DegreesProgram {
  protected:
    DegreesOutputsWalkTest() : DegreesProgram(GetParam()) {}

    void SetUp() override {
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        createScreens();
        ASSERT_FALSE(enlace->stopFlag) << messages.shown.join(QLatin1Char('\n')).toStdString();
        degrees->show();
        degrees->botinformacionClick();
    }

    const DegreeTables& tables() const { return enlace->degreeTables; }

    void shot(QWidget& widget, const std::string& step) {
        QCoreApplication::processEvents();
        const std::string name = "outputs-" + std::to_string(GetParam()) + "-" + step;
        testing::SaveShot(widget, name.c_str());
    }

    int rowOfDegree(int degree) const {
        const auto& rows = degrees->model().state().rowDegree;
        const auto found = std::find(rows.begin(), rows.end(), degree);
        return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
    }

    // Opens the branch of `degree` and picks the degree from it.
    void pickDegree(int degree) {
        TForm1& s = *degrees;
        s.BotMenuGrados->click();
        const int branch = tables().degreeBranch[static_cast<size_t>(degree)];
        ClickAt(s.Listramas->viewport(), RowCentre(s.Listramas, branch - 1));
        const int row = rowOfDegree(degree);
        ASSERT_GE(row, 0) << degree;
        s.listgrados->scrollToItem(s.listgrados->item(row, 0));
        SendMouse(s.listgrados->viewport(), QEvent::MouseButtonRelease,
                  RowCentre(s.listgrados, row));
        ASSERT_EQ(s.model().state().currentDegree, degree);
    }

    // What listgrados shows, both columns.
    QStringList degreeRows() const {
        QStringList rows;
        for (int r = 0; r < degrees->listgrados->rowCount(); ++r)
            rows << degrees->listgrados->item(r, 0)->text() + QLatin1Char('|') +
                        degrees->listgrados->item(r, 1)->text();
        return rows;
    }

    // Types a query into the search box and presses Enter.
    void typeSearch(const QString& query) {
        degrees->EditBusTit->clear();
        QTest::keyClicks(degrees->EditBusTit, query);
        QTest::keyClick(degrees->EditBusTit, Qt::Key_Return);
    }

    // A word of a specific title that no group or degree name holds, with the title; only a
    // title that some degree is offered under.
    std::pair<std::string, int> wordOnlyInTitles() const {
        const DegreeTables& t = tables();
        auto carried = [&](int title) {
            for (int d = 1; d <= t.degreeCount(); ++d)
                for (int k = 1; k <= t.offerings.distinctTitles.at(d, 0); ++k)
                    if (t.offerings.distinctTitles.at(d, k) == title) return true;
            return false;
        };
        for (int title = 1; title <= t.specificTitles.count; ++title) {
            if (!carried(title)) continue;
            const std::string text(Trim(t.specificTitle(title)));
            size_t start = 0;
            while (start < text.size()) {
                size_t stop = text.find(' ', start);
                if (stop == std::string::npos) stop = text.size();
                const std::string word = text.substr(start, stop - start);
                start = stop + 1;
                if (word.size() < 5) continue;
                const std::string q = NormaliseForSearch(word);
                bool elsewhere = false;
                for (int g = 1; g <= t.degreeGroupNames.count && !elsewhere; ++g)
                    elsewhere = MatchesNormalised(t.degreeGroupNames[g], q);
                for (int d = 1; d <= t.degreeCount() && !elsewhere; ++d)
                    elsewhere = MatchesNormalised(t.degreeNames[d], q);
                if (!elsewhere) return {word, title};
            }
        }
        return {};
    }
};

TEST_P(DegreesOutputsWalkTest, ProfileSearchAndDoubleDegrees) {
    TForm1& s = *degrees;
    const DegreeTables& t = tables();

    // --- Medicina's profile and outputs, with its headings and bullets.
    const int medicine = CastilianDegree(folder.dataFolder, "Medicina");
    ASSERT_GT(medicine, 0);
    pickDegree(medicine);
    ASSERT_TRUE(stars->isVisible());
    s.BotSal->click();
    ASSERT_TRUE(s.RichSalidas->isVisible());
    EXPECT_FALSE(s.GridNotas->isVisible());
    EXPECT_FALSE(stars->isVisible());
    const TextLines file = ReadTextFile(ProfilePath(enlace->paths));
    const std::vector<std::string> lines =
        ProfileLines(file.lines, t.attribute(medicine, DegreeTables::kDegreeCode));
    ASSERT_GT(lines.size(), 3u);
    ASSERT_NE(lines.front(), "  ") << "Medicina has its section";
    const QTextDocument* document = s.RichSalidas->document();
    ASSERT_EQ(document->blockCount(), static_cast<int>(lines.size()));
    int bullets = 0;
    int headings = 0;
    int expectedBullets = 0;
    int expectedHeadings = 0;
    QTextBlock block = document->begin();
    for (size_t i = 0; i < lines.size(); ++i, block = block.next()) {
        const bool bullet = lines[i].starts_with('*');
        const bool heading = i > 0 && !bullet && IsProfileHeading(lines[i]);
        expectedBullets += bullet;
        expectedHeadings += heading;
        bullets += block.textList() != nullptr;
        if (!block.begin().atEnd()) {
            const QTextCharFormat format = block.begin().fragment().charFormat();
            if (format.fontWeight() == QFont::Bold &&
                format.foreground().color() == QColor(0, 128, 0))
                ++headings;
        }
        EXPECT_EQ(block.text(), cp1252::Decode(bullet ? lines[i].substr(2) : lines[i])) << i;
    }
    EXPECT_EQ(bullets, expectedBullets);
    EXPECT_EQ(headings, expectedHeadings);
    EXPECT_GT(bullets, 0);
    if (GetParam() == 0) {
        EXPECT_EQ(headings, 4);
    }
    shot(s, "01-profile");

    // --- The same search written two ways gives the same rows.
    const int nursing = CastilianDegree(folder.dataFolder,
                                        "Enfermer\xED"
                                        "a");
    ASSERT_GT(nursing, 0);
    QString plain = QStringLiteral("enfermeria");
    QString marked = QStringLiteral("ENFERMER\u00cdA");
    if (GetParam() != 0) {
        // The name of the same degree in this language: small letters without accents, and
        // capitals with them.
        const std::string name(Trim(t.degreeNames[nursing]));
        plain = cp1252::Decode(NormaliseForSearch(name));
        marked = cp1252::Decode(name).toUpper();
    }
    typeSearch(plain);
    ASSERT_TRUE(s.listgrados->isVisible());
    const QStringList rows = degreeRows();
    EXPECT_GE(rowOfDegree(nursing), 0);
    shot(s, "02-search");
    s.EditBusTit->setText(marked);
    s.BitBusTit->click();
    EXPECT_EQ(degreeRows(), rows);

    // --- A word that only a university's own title for a degree holds.
    const auto [word, title] = wordOnlyInTitles();
    ASSERT_FALSE(word.empty());
    typeSearch(cp1252::Decode(word));
    const QStringList found = degreeRows();
    ASSERT_GE(found.size(), 2);
    EXPECT_EQ(found[0], Text(*enlace, 571) + QLatin1Char('|'));
    const std::vector<int>& rowDegree = s.model().state().rowDegree;
    for (size_t r = 1; r < rowDegree.size(); ++r) {
        const int d = rowDegree[r];
        bool carries = false;
        for (int k = 1; k <= t.offerings.distinctTitles.at(d, 0); ++k)
            carries =
                carries || MatchesNormalised(t.specificTitle(t.offerings.distinctTitles.at(d, k)),
                                             NormaliseForSearch(word));
        EXPECT_TRUE(carries) << d;
        EXPECT_EQ(s.listgrados->item(static_cast<int>(r), 1)->text(), QStringLiteral("+"));
    }
    shot(s, "03-search-by-title");

    // --- The menu's double degrees: a degree, university by university.
    int most = 0;  // the degree with double degrees in the most communities that a branch lists
    for (int d = 1; d <= t.degreeCount(); ++d) {
        const int branch = t.degreeBranch[static_cast<size_t>(d)];
        const bool listed = branch == 2 || branch == 5 || t.attribute(d, DegreeTables::kGroup) != 0;
        if (listed && (most == 0 || CommunityCount(t, d) > CommunityCount(t, most))) most = d;
    }
    ASSERT_GE(CommunityCount(t, most), 2);
    s.ButtonRetroN->click();
    s.ButtonRetroN->click();
    ASSERT_TRUE(s.PanelMenu->isVisible());
    s.BotMenuDobles->click();
    ASSERT_TRUE(s.ListComunidad->isVisible());
    EXPECT_EQ(s.PanelSelTit->text(), Text(*enlace, 242));
    const std::vector<int>& doublesRows = s.model().state().doublesRowDegree;
    const int doublesRow = static_cast<int>(
        std::find(doublesRows.begin(), doublesRows.end(), most) - doublesRows.begin());
    ASSERT_LT(doublesRow, s.ListComunidad->count());
    shot(s, "04-degrees-with-double-degrees");
    s.ListComunidad->scrollToItem(s.ListComunidad->item(doublesRow));
    ClickAt(s.ListComunidad->viewport(), RowCentre(s.ListComunidad, doublesRow));
    ASSERT_TRUE(s.listSel2->isVisible());
    const std::vector<HeadedLine> byUniversity = DoublesByUniversity(t, most);
    EXPECT_EQ(s.listSel2->document()->blockCount(), static_cast<int>(byUniversity.size()));
    EXPECT_TRUE(s.BotImprimir->isVisible());
    shot(s, "05-double-degrees-by-university");
    s.BotRetroceder->click();
    ASSERT_TRUE(s.PanelMenu->isVisible());
    EXPECT_FALSE(s.listSel2->isVisible());

    // --- A degree's double degrees beside the star map, then those of one community.
    pickDegree(most);
    s.BotDoblesCar->click();
    ASSERT_TRUE(s.GridNotas->isVisible());
    ASSERT_TRUE(stars->isVisible());
    EXPECT_EQ(s.GridNotas->rowCount(),
              static_cast<int>(DoublesGrid(t, enlace->texts, most, 0).size()));
    EXPECT_EQ(s.GridNotas->item(0, 0)->text(),
              QStringLiteral("- ") + cp1252::Decode(Trim(t.degreeNames[most])));
    const auto communities = DoublesCommunities(t, most);
    int community = 0;
    for (int c = 1; c <= 19; ++c) {
        EXPECT_EQ(enlace->regionMaps.markerFlags[static_cast<size_t>(c)],
                  communities[static_cast<size_t>(c)])
            << c;
        if (communities[static_cast<size_t>(c)]) community = c;
    }
    shot(s, "06-double-degrees-of-a-degree");
    shot(*stars, "07-star-map");
    const MarkerPoint point = enlace->regionMaps.markerPoint(community);
    const QPoint pixel(point.x - 1, point.y - 1);
    SendMouse(stars->MapaEstrellas, QEvent::MouseMove, pixel);
    SendMouse(stars->MapaEstrellas, QEvent::MouseButtonPress, pixel);
    SendMouse(stars->MapaEstrellas, QEvent::MouseButtonRelease, pixel);
    const auto narrowed = DoublesGrid(t, enlace->texts, most, community);
    EXPECT_EQ(s.GridNotas->rowCount(), static_cast<int>(narrowed.size()));
    EXPECT_LT(narrowed.size(), DoublesGrid(t, enlace->texts, most, 0).size());
    EXPECT_EQ(s.GridNotas->item(0, 0)->text(),
              QStringLiteral("     ") + Text(*enlace, 242) + QStringLiteral(" de..."));
    shot(s, "08-double-degrees-of-one-community");

    // Back to the menu: the star map goes too.
    s.ButtonRetroN->click();
    s.ButtonRetroN->click();
    EXPECT_TRUE(s.PanelMenu->isVisible());
    EXPECT_FALSE(stars->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Languages, DegreesOutputsWalkTest, ::testing::Values(0, 1, 2, 3),
                         testing::ByLanguage());

}  // namespace
}  // namespace velmora
