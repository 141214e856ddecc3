// The one painter of the statistics charts: boxes inside their edges and framed, connectors,
// texts ending where they are aligned, icons beside their texts.
#include "ui/shared/bar_chart_view.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

#include "ui/shared/look.h"

namespace velmora {
namespace {

constexpr Rgb kBackground{223, 236, 249};

QImage Painted(const ChartPicture& picture) {
    BarChartView view;
    view.resize(200, 100);
    view.setPicture(picture);
    return view.grab().toImage();
}

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

TEST(BarChartViewTest, ABoxFillsFromItsLeftToBeforeItsRightFramedInBlack) {
    ChartPicture picture;
    picture.background = kBackground;
    picture.boxes.push_back({10, 20, 30, 40, kChartBarGreen});
    picture.lines.push_back({30, 45, 30});
    const QImage image = Painted(picture);
    EXPECT_EQ(At(image, 20, 30), ToQColor(kChartBarGreen));
    EXPECT_EQ(At(image, 10, 30), QColor(Qt::black));  // its frame
    EXPECT_EQ(At(image, 29, 30), QColor(Qt::black));
    EXPECT_EQ(At(image, 30, 25), ToQColor(kBackground));  // the right edge lies outside
    EXPECT_EQ(At(image, 40, 30), QColor(Qt::black));      // the connector
    EXPECT_EQ(At(image, 40, 31), ToQColor(kBackground));
}

TEST(BarChartViewTest, ARightAlignedTextEndsAtItsEdgeWithItsIconBesideIt) {
    ChartPicture picture;
    picture.background = kBackground;
    picture.icons = ChartIcons::Families;
    picture.texts.push_back({QStringLiteral("WWW"), 150, 40, true, {0, 0, 128}, 31, {-33, -12}});
    const QImage image = Painted(picture);
    const QFontMetrics metrics(ArialFont(10, true));
    const int left = 150 - metrics.horizontalAdvance(QStringLiteral("WWW"));
    bool inked = false;
    bool beyond = false;
    for (int y = 40; y < 40 + metrics.height(); ++y) {
        for (int x = left; x < 150; ++x) inked = inked || At(image, x, y) != ToQColor(kBackground);
        for (int x = 152; x < 200; ++x) beyond = beyond || At(image, x, y) != ToQColor(kBackground);
    }
    EXPECT_TRUE(inked);
    EXPECT_FALSE(beyond);
    // The icon's 30 x 30 square, 33 pixels left of the text and 12 above it.
    bool icon = false;
    for (int y = 28; y < 58; ++y)
        for (int x = left - 33; x < left - 3; ++x)
            icon = icon || At(image, x, y) != ToQColor(kBackground);
    EXPECT_TRUE(icon);
}

}  // namespace
}  // namespace velmora
