#include "core/shared/drawing.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(TileOriginsTest, AFullScreenOfHundredPixelTilesIsElevenColumnsByEightRows) {
    const std::vector<QPoint> at = TileOrigins(QSize(1024, 768), QSize(100, 100));
    ASSERT_EQ(at.size(), 88u);
    EXPECT_EQ(at.front(), QPoint(0, 0));
    EXPECT_EQ(at[10], QPoint(1000, 0));  // the 11th column, cut by the edge
    EXPECT_EQ(at[11], QPoint(0, 100));   // rows are laid left to right, top to bottom
    EXPECT_EQ(at.back(), QPoint(1000, 700));
}

TEST(TileOriginsTest, ExactFitsLargePicturesAndEmptyPictures) {
    EXPECT_EQ(TileOrigins(QSize(200, 100), QSize(100, 100)).size(), 2u);
    // A picture larger than the image is drawn once.
    EXPECT_EQ(TileOrigins(QSize(50, 50), QSize(174, 305)), std::vector<QPoint>{QPoint(0, 0)});
    EXPECT_TRUE(TileOrigins(QSize(50, 50), QSize(0, 10)).empty());
    EXPECT_TRUE(TileOrigins(QSize(0, 0), QSize(10, 10)).empty());
}

TEST(RoundHalfEvenTest, HalvesGoToTheEvenNeighbourOnBothSidesOfZero) {
    EXPECT_EQ(RoundHalfEven(1, 2), 0);
    EXPECT_EQ(RoundHalfEven(3, 2), 2);
    EXPECT_EQ(RoundHalfEven(5, 2), 2);
    EXPECT_EQ(RoundHalfEven(-1, 2), 0);
    EXPECT_EQ(RoundHalfEven(-3, 2), -2);
    EXPECT_EQ(RoundHalfEven(-5, 2), -2);
    EXPECT_EQ(RoundHalfEven(7, 3), 2);  // 2.33
    EXPECT_EQ(RoundHalfEven(8, 3), 3);  // 2.67
    EXPECT_EQ(RoundHalfEven(-8, 3), -3);
}

TEST(GradientColourTest, EachComponentMovesByTheRoundedShareOfItsRow) {
    const Rgb white{255, 255, 255};
    const Rgb navy{0, 0, 128};
    EXPECT_EQ(GradientColour(white, navy, 0, 100), white);
    // Row 1 of 2: 255 - 127.5 -> 127.5 rounds to 128 (even) -> 127; blue 255 - 63.5 -> -64.
    EXPECT_EQ(GradientColour(white, navy, 1, 2), (Rgb{127, 127, 191}));
    // Halves in both directions: +0.5 -> 0, +1.5 -> 2, -0.5 -> 0, -1.5 -> -2.
    EXPECT_EQ(GradientColour({10, 10, 10}, {12, 8, 10}, 1, 4), (Rgb{10, 10, 10}));
    EXPECT_EQ(GradientColour({10, 10, 10}, {12, 8, 10}, 3, 4), (Rgb{12, 8, 10}));
    // The rows stop one short of the bottom, whose colour would be the second one exactly.
    EXPECT_EQ(GradientColour(white, navy, 767, 768), (Rgb{0, 0, 128}));
    EXPECT_EQ(GradientColour(white, navy, 384, 768), (Rgb{127, 127, 191}));  // as row 1 of 2
}

}  // namespace
}  // namespace velmora
