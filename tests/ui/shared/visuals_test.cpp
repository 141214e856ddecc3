#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "core/shared/region_maps.h"
#include "support/recording_messages.h"
#include "ui/shared/drawing.h"
#include "ui/shared/hintU.h"
#include "ui/shared/picture_lists.h"
#include "ui/shared/qt_sound.h"
#include "ui/shared/region_map_view.h"
#include "ui/shared/shared_pictures.h"

namespace velmora {
namespace {

const QString kData = QStringLiteral(VELMORA_BUNDLED_DATA);

// A 100 x 100 picture whose pixels tell where in the picture they are.
QImage Telling() {
    QImage p(100, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) p.setPixel(x, y, qRgb(x, y, 7));
    return p;
}

TEST(TileImageTest, TheScreenIsCoveredByElevenColumnsAndEightRowsCutAtTheEdges) {
    QImage screen(1024, 768, QImage::Format_RGB32);
    screen.fill(Qt::black);
    TileImage(screen, Telling());
    for (const QPoint at : {QPoint(0, 0), QPoint(99, 99), QPoint(100, 0), QPoint(1023, 767),
                            QPoint(1000, 700), QPoint(517, 333)})
        EXPECT_EQ(screen.pixel(at), qRgb(at.x() % 100, at.y() % 100, 7)) << at.x() << "," << at.y();
}

TEST(GradientFillTest, EveryRowOfTheRectangleHasItsRoundedColourAndNothingBelowIsPainted) {
    QImage canvas(40, 20, QImage::Format_RGB32);
    canvas.fill(Qt::green);
    {
        QPainter p(&canvas);
        GradientFill(p, QRect(0, 0, 30, 2), Qt::white, QColor(0, 0, 128));
    }
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(29, 1), qRgb(127, 127, 191));  // halves to even
    EXPECT_EQ(canvas.pixel(30, 1), qRgb(0, 255, 0));      // the right edge is not painted
    EXPECT_EQ(canvas.pixel(0, 2), qRgb(0, 255, 0));       // nor the bottom
}

TEST(TMonHintTest, TheBubbleTakesItsShapeSizeAndOutlinesAndSetsTheDelay) {
    HintPause pause;
    pause.set(30000);
    TMonHint hint(pause);
    hint.showText(QPoint(200, 200), QStringLiteral("Hola"));
    QApplication::processEvents();
    const HintBubble& b = hint.bubble();
    EXPECT_EQ(hint.size(), b.window);
    EXPECT_GE(hint.height(), QFontMetrics(hint.font()).height() + 30);
    // The pointer's tip is where it was asked to be.
    EXPECT_EQ(hint.mapToGlobal(b.pointer[1]), QPoint(200, 200));
    // The window's shape: the pointer and the body belong to it, the top right corner does not.
    EXPECT_TRUE(hint.mask().contains(QPoint(23, 2)));
    EXPECT_TRUE(hint.mask().contains(QPoint(b.window.width() / 2, 40)));
    EXPECT_FALSE(hint.mask().contains(QPoint(b.window.width() - 2, 2)));
    const QImage shot = hint.grab().toImage();
    EXPECT_EQ(pause.milliseconds(), 400);
    // The light grey outer ring and the dark grey ring inside it, down the left edge of the body.
    const int y = b.body.center().y();
    EXPECT_EQ(QColor(shot.pixel(0, y)), QColor(160, 160, 160));
    EXPECT_EQ(QColor(shot.pixel(1, y)), QColor(96, 96, 96));
    EXPECT_EQ(QColor(shot.pixel(b.textArea.left() + 1, b.textArea.top() + 1)),
              QColor(255, 255, 225));
    hint.hide();
}

class RegionMapViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        maps.SetMarkerPoints();
        ASSERT_TRUE(maps.LoadRegionGrids(kData + QStringLiteral("puntos3"), messages, stop));
    }
    void move(QWidget& w, QPoint at) {
        QMouseEvent e(QEvent::MouseMove, QPointF(at), w.mapToGlobal(QPointF(at)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &e);
    }
    testing::RecordingMessages messages;
    bool stop = false;
    RegionMaps maps;
};

TEST_F(RegionMapViewTest, ThePixelUnderThePointerIsTheCellTheHitTestReads) {
    QWidget screen;
    screen.resize(600, 600);
    RegionMapView view(maps, RegionMap::Communities, &screen);
    view.setPicture(SharedPictures::LoadPicture(kData + QStringLiteral("mapa")));
    view.setNamePanel(&screen, 220, 115,
                      [](int c) { return QStringLiteral("comunidad %1").arg(c); });
    EXPECT_EQ(view.size(), QSize(281, 196));
    // Madrid's marker point is cell (114, 89): the pixel at column 113, row 88.
    move(view, QPoint(113, 88));
    EXPECT_EQ(maps.regionUnderCursor, 13);
    EXPECT_EQ(view.namePanel()->text(), QStringLiteral("comunidad 13"));
    EXPECT_EQ(view.namePanel()->pos(), QPoint(114, 89 + 220));
    EXPECT_EQ(view.namePanel()->width(), 115);
    EXPECT_EQ(view.cursor().shape(), Qt::PointingHandCursor);
    // The sea: no region, an empty panel, the arrow.
    move(view, QPoint(5, 5));
    EXPECT_EQ(maps.regionUnderCursor, 0);
    EXPECT_TRUE(view.namePanel()->text().isEmpty());
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);

    QSignalSpy clicks(&view, &RegionMapView::clicked);
    move(view, QPoint(187, 63));  // Catalonia
    QTest::mouseClick(&view, Qt::LeftButton, Qt::NoModifier, QPoint(187, 63));
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 9);
}

TEST_F(RegionMapViewTest, MarkersPulseOnFlaggedCommunitiesAndACleanRedrawRemovesThem) {
    RegionMapView view(maps, RegionMap::Communities);
    const QImage clean = SharedPictures::LoadPicture(kData + QStringLiteral("mapa"))
                             .convertToFormat(QImage::Format_RGB32);
    view.setPicture(clean);
    maps.markerFlags[9] = true;
    view.stepMarkers();  // size 1 with the starting pen and brush
    view.stepMarkers();  // size 2 in white and yellow
    const MarkerPoint p = maps.markerPoint(9);
    EXPECT_EQ(QColor(view.image().pixel(p.x, p.y)), QColor(255, 255, 0));
    EXPECT_EQ(QColor(view.image().pixel(p.x - 2, p.y)), QColor(255, 255, 255));
    // Unflagged communities are untouched.
    const MarkerPoint madrid = maps.markerPoint(13);
    EXPECT_EQ(view.image().pixel(madrid.x, madrid.y), clean.pixel(madrid.x, madrid.y));
    view.redrawClean();
    EXPECT_EQ(view.image(), clean);
}

TEST(PictureListsTest, EveryListHasTheFramesItsScreensIndex) {
    EXPECT_GE(ImageListIconos().count(), 44);
    EXPECT_EQ(ImageListIconos().frameSize(), QSize(30, 30));
    EXPECT_EQ(MenuWalkingFrames().count(), 8);
    EXPECT_EQ(MenuWalkingFrames().frameSize(), QSize(56, 168));
    EXPECT_EQ(ImageListPuerta().count(), 5);
    EXPECT_EQ(ImageListRamas().count(), 7);
    EXPECT_EQ(DegreesRowIcons().count(), 6);
    EXPECT_EQ(PilotFrames().count(), 8);
    EXPECT_FALSE(SmallHelicopter().isNull());
    EXPECT_EQ(BubblePicture().size(), QSize(195, 140));
    EXPECT_TRUE(ImageListIconos().at(44 + 100).isNull());
    // The icons are drawn on a transparent ground, so list rows show through.
    EXPECT_EQ(qAlpha(ImageListIconos().at(43).pixel(0, 0)), 0);
}

}  // namespace
}  // namespace velmora

namespace velmora {
namespace {

QStringList* gHeard = nullptr;
void Collect(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (gHeard)
        *gHeard << QLatin1String(context.category ? context.category : "") + QStringLiteral(": ") +
                       text;
}

TEST(QtSoundTest, PlayingStoppingAndBeepingSayNothingWhateverTheMachineHas) {
    QStringList heard;
    gHeard = &heard;
    const QtMessageHandler previous = qInstallMessageHandler(Collect);
    {
        QtSound sound;
        sound.playWave(kData + QStringLiteral("motor.wav"));
        QTest::qWait(50);
        sound.stopWave();
        sound.exclamation();
        sound.beep();
        sound.playWave(kData + QStringLiteral("no such sound.wav"));
        QTest::qWait(50);
    }
    qInstallMessageHandler(previous);
    gHeard = nullptr;
    EXPECT_TRUE(heard.isEmpty()) << heard.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
}  // namespace velmora
