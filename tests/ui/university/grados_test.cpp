#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTreeWidget>
#include <algorithm>

#include "core/university/degrees_screen.h"
#include "ui/shared/look.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/region_map_view.h"
#include "ui/shared/shadow_label.h"
#include "ui/university/degrees_fixture.h"

namespace velmora {
namespace {

using testing::ClickAt;
using testing::DegreesProgram;
using testing::RowCentre;
using testing::SendMouse;
using testing::Text;

class TForm1Test : public ::testing::Test, protected DegreesProgram {
  protected:
    void SetUp() override {
        createScreens();
        ASSERT_FALSE(enlace->stopFlag);
        degrees->show();
        degrees->botinformacionClick();
    }

    // Lists branch `row` of the branch list.
    void listBranch(int row) {
        degrees->BotMenuGrados->click();
        ClickAt(degrees->Listramas->viewport(), RowCentre(degrees->Listramas, row));
    }

    int rowWhere(const std::function<bool(int degree)>& wanted) const {
        const auto& rows = degrees->model().state().rowDegree;
        for (int r = 0; r < degrees->listgrados->rowCount(); ++r)
            if (r < static_cast<int>(rows.size()) && wanted(rows[static_cast<size_t>(r)])) return r;
        return -1;
    }

    bool hasTitles(int degree) const {
        return degree > 0 && enlace->degreeTables.offerings.distinctTitles.at(degree, 0) > 0;
    }

    QImage shot(QWidget* widget) const { return widget->grab().toImage(); }
};

TEST_F(TForm1Test, EveryControlTheModelDrivesExistsUnderItsName) {
    for (int i = 0; i < kDegreesControlCount; ++i) {
        const std::string_view name = ControlName(static_cast<DegreesControl>(i));
        EXPECT_NE(degrees->findChild<QWidget*>(
                      QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))),
                  nullptr)
            << name;
    }
    // The list of a community's places replaces the map on screen: hiding the map's panel must
    // not take the list and the back button with it.
    EXPECT_NE(degrees->ListComunidad->parentWidget(), degrees->PanelEstrellas);
    EXPECT_NE(degrees->BotRetroceder->parentWidget(), degrees->PanelEstrellas);
    EXPECT_EQ(degrees->mapa->parentWidget(), degrees->PanelEstrellas);
}

TEST_F(TForm1Test, FrameFontsCaptionsAndColumns) {
    TForm1& s = *degrees;
    EXPECT_EQ(s.size(), QSize(1024, 768));
    EXPECT_TRUE(s.windowTitle().startsWith(Text(*enlace, 338) + QStringLiteral("  ")));
    EXPECT_EQ(s.labelCentro->text(), QStringLiteral("IES Miralbueno - 2020/21"));
    EXPECT_EQ(s.labelCentro->font().pixelSize(), ArialFont(15).pixelSize());
    EXPECT_EQ(s.LabelBusTit->text(), Text(*enlace, 569) + QStringLiteral(" ..."));
    EXPECT_TRUE(s.LabelBusTit->font().bold());
    EXPECT_EQ(s.LabelBusTit2->font().pixelSize(), ArialFont(9).pixelSize());
    EXPECT_EQ(s.BotMenuGrados->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(s.BotMenuGrados->font().pixelSize(), ArialFont(10).pixelSize());
    EXPECT_EQ(s.BotMenuGrados->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(s.Tree->font().pixelSize(), ArialFont(9).pixelSize());
    EXPECT_EQ(s.GridNotas->palette().color(QPalette::Base), QColor(255, 239, 206));
    EXPECT_EQ(s.listgrados->columnWidth(0), 375);
    EXPECT_EQ(s.listgrados->columnWidth(1), 12);
    EXPECT_EQ(s.GridNotas->columnWidth(0), 360);
    EXPECT_EQ(s.GridNotas->columnWidth(1), 60);
    // The grouping selector shows its prompt and holds its five ways in their order.
    ASSERT_EQ(s.ComboAgru->count(), 5);
    EXPECT_EQ(s.ComboAgru->currentIndex(), -1);
    EXPECT_EQ(s.ComboAgru->placeholderText(), Text(*enlace, 373));
    const int items[] = {375, 374, 377, 376, 372};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(s.ComboAgru->itemText(i), Text(*enlace, items[i]));

    // The frame: the top strip and the side strips over the tiled floor.
    const QImage screen = shot(&s);
    const QImage& top = pictures.picture("marcoar");
    const QImage& side = pictures.picture("TilIzq");
    const QImage& floor = pictures.picture("suelo");
    EXPECT_EQ(screen.pixel(5, 5), top.pixel(5, 5));
    EXPECT_EQ(screen.pixel(3, top.height() + 3), side.pixel(3, 3));
    EXPECT_EQ(screen.pixel(1023 - 3, top.height() + 3),
              pictures.picture("TilDer").pixel(side.width() - 4, 3));
    const QPoint bare(700, 740);  // below the detail area, above nothing
    EXPECT_EQ(screen.pixel(bare), floor.pixel(bare.x() % floor.width(), bare.y() % floor.height()));
}

TEST_F(TForm1Test, PointingAtTheMenuOpensAndClosesItsSubmenus) {
    TForm1& s = *degrees;
    SendMouse(s.BotMenuInfo, QEvent::MouseMove, {5, 5});
    ASSERT_TRUE(s.PanelMenu2->isVisible());
    EXPECT_FALSE(s.PanelMenu4->isVisible());
    // At the menu's right edge, 30 pixels above the entry that opens it.
    EXPECT_EQ(s.PanelMenu2->x(), s.PanelMenu->geometry().right() + 1);
    EXPECT_EQ(s.PanelMenu2->y(), s.PanelMenu->y() + s.BotMenuInfo->y() - 30);
    // Moving onto the submenu's own entries keeps it open.
    SendMouse(s.BotMaster, QEvent::MouseMove, {5, 5});
    EXPECT_TRUE(s.PanelMenu2->isVisible());
    SendMouse(s.BotMenuArtes, QEvent::MouseMove, {5, 5});
    EXPECT_TRUE(s.PanelMenu4->isVisible());
    EXPECT_FALSE(s.PanelMenu2->isVisible());
    EXPECT_EQ(s.PanelMenu4->y(), s.PanelMenu->y() + s.BotMenuArtes->y() - 30);
    SendMouse(s.BotMenuUni, QEvent::MouseMove, {5, 5});
    EXPECT_FALSE(s.PanelMenu4->isVisible());
    SendMouse(s.BotMenuInfo, QEvent::MouseMove, {5, 5});
    SendMouse(&s, QEvent::MouseMove, {900, 700});  // the background
    EXPECT_FALSE(s.PanelMenu2->isVisible());
}

TEST_F(TForm1Test, ClosingAsksInTheNoticeDialogAndEndsOnlyOnYes) {
    notice.answer = false;
    degrees->close();
    EXPECT_EQ(notice.asked, QStringList{Text(*enlace, 49)});
    EXPECT_TRUE(degrees->isVisible());
    EXPECT_EQ(end.ended, 0);
    notice.answer = true;
    degrees->close();
    EXPECT_EQ(end.ended, 1);
    EXPECT_EQ(end.homes, 1);  // the home screen comes back before the end
}

TEST_F(TForm1Test, BranchRowsAreDrawnWithTheirIcons) {
    TForm1& s = *degrees;
    s.BotMenuGrados->click();
    const QImage list = shot(s.Listramas->viewport());
    const int icons[] = {0, 5, 1, 4, 2, 3};
    for (int row = 0; row < 6; ++row) {
        const QRect rect = s.Listramas->visualItemRect(s.Listramas->item(row));
        EXPECT_EQ(rect.height(), 40);
        const QImage icon = ImageListRamas().at(icons[row]);
        ASSERT_FALSE(icon.isNull());
        // The icon lands at (left + 10, top) of its row: its opaque pixels are there.
        int checked = 0;
        for (int y = 0; y < 40; y += 3)
            for (int x = 0; x < 40; x += 3) {
                if (qAlpha(icon.pixel(x, y)) != 255) continue;
                EXPECT_EQ(QColor(list.pixel(rect.topLeft() + QPoint(10 + x, y))).rgb(),
                          QColor(icon.pixel(x, y)).rgb())
                    << row << " " << x << "," << y;
                ++checked;
            }
        EXPECT_GT(checked, 10) << row;
    }
}

TEST_F(TForm1Test, DegreeRowsHeadingsAndTheTitlesMark) {
    TForm1& s = *degrees;
    listBranch(5);  // all degrees
    ASSERT_TRUE(s.listgrados->isVisible());
    const QImage grid = shot(s.listgrados->viewport());
    // A heading row is a coral band.
    const int heading = rowWhere([](int d) { return d == 0; });
    ASSERT_GE(heading, 0);
    const QRect headingRect = s.listgrados->visualRect(s.listgrados->model()->index(heading, 0));
    EXPECT_EQ(QColor(grid.pixel(headingRect.right() - 2, headingRect.center().y())),
              QColor(231, 90, 94));
    // A degree with other titles has "+" in bold yellow on blue; one without has an empty
    // mark column.
    const int marked = rowWhere([this](int d) { return hasTitles(d); });
    const int plain = rowWhere([this](int d) { return d > 0 && !hasTitles(d); });
    ASSERT_GE(marked, 0);
    ASSERT_GE(plain, 0);
    EXPECT_EQ(s.listgrados->item(marked, 1)->text(), QStringLiteral("+"));
    EXPECT_TRUE(s.listgrados->item(plain, 1)->text().isEmpty());
    const QRect markRect = s.listgrados->visualRect(s.listgrados->model()->index(marked, 1));
    int blue = 0;
    for (int x = markRect.left(); x <= markRect.right() && x < grid.width(); ++x)
        for (int y = markRect.top(); y <= markRect.bottom(); ++y)
            blue += QColor(grid.pixel(x, y)) == QColor(0, 0, 255);
    EXPECT_GT(blue, 0);
    // A degree row has its icon at (left + 2, top).
    const QRect degreeRect = s.listgrados->visualRect(s.listgrados->model()->index(plain, 0));
    const QImage icon = DegreesRowIcons().at(3);
    EXPECT_EQ(QColor(grid.pixel(degreeRect.topLeft() + QPoint(2 + 8, 8))).rgb(),
              QColor(icon.pixel(8, 8)).rgb());
}

TEST_F(TForm1Test, TheHintOfOtherTitlesFollowsThePointer) {
    TForm1& s = *degrees;
    listBranch(5);
    const int marked = rowWhere([this](int d) { return hasTitles(d); });
    const int plain = rowWhere([this](int d) { return d > 0 && !hasTitles(d); });
    ASSERT_GE(marked, 0);
    QWidget* rows = s.listgrados->viewport();
    SendMouse(rows, QEvent::MouseMove, RowCentre(s.listgrados, marked));
    const QString hint = rows->toolTip();
    EXPECT_TRUE(hint.startsWith(QStringLiteral("    ") + Text(*enlace, 538))) << hint.toStdString();
    EXPECT_TRUE(hint.contains(QStringLiteral("\n-"))) << hint.toStdString();
    SendMouse(rows, QEvent::MouseMove, RowCentre(s.listgrados, plain));
    EXPECT_TRUE(rows->toolTip().isEmpty());
    SendMouse(rows, QEvent::MouseMove, RowCentre(s.listgrados, marked));
    EXPECT_EQ(rows->toolTip(), hint);
    SendMouse(rows, QEvent::Leave, {});
    EXPECT_TRUE(rows->toolTip().isEmpty());
}

TEST_F(TForm1Test, AHeadingRowClearsTheDetailArea) {
    TForm1& s = *degrees;
    listBranch(5);
    const int degreeRow = rowWhere([](int d) { return d > 0; });
    SendMouse(s.listgrados->viewport(), QEvent::MouseButtonRelease,
              RowCentre(s.listgrados, degreeRow));
    ASSERT_TRUE(s.GridNotas->isVisible());
    const int heading = rowWhere([](int d) { return d == 0; });
    SendMouse(s.listgrados->viewport(), QEvent::MouseButtonRelease,
              RowCentre(s.listgrados, heading));
    EXPECT_EQ(s.PanelSelTit->text().trimmed(), Text(*enlace, 48));
    EXPECT_FALSE(s.GridNotas->isVisible());
    EXPECT_FALSE(stars->isVisible());
}

TEST_F(TForm1Test, TheGroupingSelectorShowsTheTreesAndTheirDegrees) {
    TForm1& s = *degrees;
    s.BotMenuGrados->click();
    s.ComboAgru->setCurrentIndex(1);
    Q_EMIT s.ComboAgru->activated(1);  // by groups
    ASSERT_TRUE(s.Tree->isVisible());
    EXPECT_FALSE(s.listgrados->isVisible());
    ASSERT_GT(s.Tree->topLevelItemCount(), 0);
    // A group node with children, then a click on its first degree selects it.
    QTreeWidgetItem* group = nullptr;
    for (int i = 0; i < s.Tree->topLevelItemCount() && !group; ++i)
        if (s.Tree->topLevelItem(i)->childCount() > 0) group = s.Tree->topLevelItem(i);
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->text(0).endsWith(QStringLiteral(" (%1)").arg(group->childCount())));
    s.Tree->expandItem(group);
    QTreeWidgetItem* degree = group->child(0);
    const QRect at = s.Tree->visualItemRect(degree);
    ClickAt(s.Tree->viewport(), at.center());
    EXPECT_TRUE(s.GridNotas->isVisible());
    EXPECT_EQ(s.PanelSelTit->text().trimmed(), degree->text(0).trimmed());
    // The alphabetical list holds every degree at the top level.
    Q_EMIT s.ComboAgru->activated(4);
    EXPECT_EQ(s.Tree->topLevelItemCount(), enlace->degreeTables.degreeCount());
}

TEST_F(TForm1Test, HoveringTheUniversitiesMapKeepsTheGroupingAndEveryPointer) {
    TForm1& s = *degrees;
    s.BotMenuGrados->click();
    s.ComboAgru->setCurrentIndex(1);
    Q_EMIT s.ComboAgru->activated(1);
    s.ButtonRetroN->click();
    s.BotMenuUni->click();
    ASSERT_TRUE(s.mapa->isVisible());
    const MarkerPoint madrid = enlace->regionMaps.markerPoint(13);
    for (const QPoint at : {QPoint(madrid.x - 1, madrid.y - 1), QPoint(0, 0)})
        SendMouse(s.mapa, QEvent::MouseMove, at);  // a community, then the sea
    EXPECT_EQ(s.ComboAgru->currentIndex(), 1);
    EXPECT_EQ(s.ComboAgru->count(), 5);
    // The pointers the screen gives its lists survive every change the model makes.
    for (QWidget* w : std::initializer_list<QWidget*>{s.ComboAgru, s.Listramas, s.listgrados,
                                                      s.Tree, s.ListComunidad, s.BotMenuGrados})
        EXPECT_EQ(w->cursor().shape(), Qt::PointingHandCursor) << w->objectName().toStdString();
}

}  // namespace
}  // namespace velmora
