#include "ui/shared/qt_display.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QScreen>
#include <QWidget>

#include "support/shots.h"
#include "ui/shared/look.h"

namespace velmora {
namespace {

TEST(QtDisplayTest, PresentationScaleFillsTheDisplayKeepingProportions) {
    EXPECT_DOUBLE_EQ(QtDisplay::PresentationScale(1024, 768), 1.0);
    EXPECT_DOUBLE_EQ(QtDisplay::PresentationScale(1280, 1024), 1.25);     // bars above and below
    EXPECT_DOUBLE_EQ(QtDisplay::PresentationScale(1920, 1080), 1.40625);  // bars at the sides
    EXPECT_DOUBLE_EQ(QtDisplay::PresentationScale(800, 600), 800.0 / 1024);
}

TEST(QtDisplayTest, OffersOneModeAndReportsItWhilePresenting) {
    QtDisplay display;
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(display.current().width, screen->geometry().width());
    EXPECT_EQ(display.mode(0), kScreenMode);
    EXPECT_FALSE(display.mode(1).has_value());
    EXPECT_EQ(GraphicsLayerVersion(), 9);

    QWidget screenWidget;
    screenWidget.setFixedSize(1024, 768);
    screenWidget.setAutoFillBackground(true);
    QPalette colours = screenWidget.palette();
    colours.setColor(QPalette::Window, ToQColor(PaletteColour::PaleBlue));
    screenWidget.setPalette(colours);
    display.adoptScreen(&screenWidget);
    screenWidget.show();
    display.switchTo(kScreenMode, false);
    ASSERT_TRUE(display.presenting());
    EXPECT_EQ(display.current().width, 1024);
    EXPECT_EQ(display.current().height, 768);
    EXPECT_GE(display.current().depth, 16);
    // The screen now lives in the full-screen view; hiding and showing it still works.
    QGraphicsView* view = display.view();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(view->scene()->items().isEmpty());
    screenWidget.hide();
    screenWidget.show();
    EXPECT_TRUE(screenWidget.isVisible());
    EXPECT_TRUE(view->scene()->items().first()->isVisible());
    // Scaled to fill the display, proportions kept.
    EXPECT_DOUBLE_EQ(view->transform().m11(),
                     QtDisplay::PresentationScale(view->width(), view->height()));
    testing::SaveShot(*view, "presentation");
    // Centring a screen before it is shown (as every screen change does) keeps it at the view's
    // origin: centring it on the display (800 x 600 here) would push it off the view's top left.
    ASSERT_LT(QGuiApplication::primaryScreen()->geometry().width(), 1024);
    screenWidget.hide();
    CentreOnScreen(&screenWidget);
    screenWidget.show();
    EXPECT_EQ(screenWidget.pos(), QPoint(0, 0));
    EXPECT_EQ(view->scene()->items().first()->sceneBoundingRect(), QRectF(0, 0, 1024, 768));
    // A screen created later joins the presentation too.
    QWidget later;
    later.setFixedSize(1024, 768);
    display.adoptScreen(&later);
    EXPECT_EQ(view->scene()->items().size(), 2);

    display.restore();
    EXPECT_FALSE(display.presenting());
    EXPECT_TRUE(screenWidget.isWindow());
    EXPECT_TRUE(screenWidget.isVisible());  // back as a window of its own
    EXPECT_FALSE(later.isVisible());
}

// Counts the left-button releases a widget receives, as the screens' labels act on them.
class ReleaseCounter : public QObject {
  public:
    int releases = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) ++releases;
        return QObject::eventFilter(watched, event);
    }
};

TEST(QtDisplayTest, AClickInThePresentationReachesTheLabelUnderThePointer) {
    QtDisplay display;
    QWidget screen;
    screen.setFixedSize(1024, 768);
    auto* label = new QLabel(QStringLiteral("Grados universitarios"), &screen);
    label->setGeometry(100, 100, 165, 20);
    ReleaseCounter counter;
    label->installEventFilter(&counter);
    display.adoptScreen(&screen);
    screen.show();
    display.switchTo(kScreenMode, false);
    QGraphicsView* view = display.view();
    ASSERT_NE(view, nullptr);
    // Neither the label nor the screen takes the press; a window would still hand the release
    // to the label, and so must the presentation.
    const QPoint at = view->mapFromScene(QPointF(110, 110));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(counter.releases, 1);
    display.restore();
}

}  // namespace
}  // namespace velmora
