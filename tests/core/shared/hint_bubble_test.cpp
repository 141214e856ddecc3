#include "core/shared/hint_bubble.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(HintBubbleTest, TheWindowIsTheTextPlusTenAcrossAndThirtyDown) {
    const HintBubble b = BubbleFor(QSize(250, 48));
    EXPECT_EQ(b.window, QSize(260, 78));
    // The rounded body starts below the pointer and reaches the bottom right corner.
    EXPECT_EQ(b.body, QRect(0, 20, 260, 58));
    // The text area: the client area inset by 5, its top 22 lower.
    EXPECT_EQ(b.textArea, QRect(5, 27, 250, 46));
}

TEST(HintBubbleTest, AOneWordHintStillHasItsPointerAndThirtyMorePixelsOfHeight) {
    const HintBubble b = BubbleFor(QSize(36, 15));
    EXPECT_EQ(b.window.height(), 45);
    ASSERT_EQ(b.pointer.size(), 3u);
    EXPECT_EQ(b.pointer[0], QPoint(18, 20));
    EXPECT_EQ(b.pointer[1], QPoint(23, 0));
    EXPECT_EQ(b.pointer[2], QPoint(33, 20));
    // The pointer's base rests on the body's top edge, inside its width.
    EXPECT_EQ(b.pointer[0].y(), b.body.top());
    EXPECT_LT(b.pointer[2].x(), b.body.right());
}

TEST(HintPauseTest, PaintingABubbleSetsTheDelayToFourHundredWhateverTheScreenChose) {
    HintPause pause;
    pause.set(30000);  // the main menu
    EXPECT_EQ(pause.milliseconds(), 30000);
    pause.bubblePainted();
    EXPECT_EQ(pause.milliseconds(), 400);
    pause.set(0);  // the assistant
    EXPECT_EQ(pause.milliseconds(), 0);
    pause.set(-5);
    EXPECT_EQ(pause.milliseconds(), 0);
}

}  // namespace
}  // namespace velmora
