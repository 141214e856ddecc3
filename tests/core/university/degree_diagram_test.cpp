// The diagram of the structure of degrees: each step's cover slides away, then its sentence
// unrolls; the last step leaves everything uncovered and the forward button off.
#include <gtest/gtest.h>

#include "core/shared/interface_texts.h"
#include "core/university/degree_diagram.h"
#include "support/param_names.h"
#include "support/test_texts.h"

namespace velmora {
namespace {

// Ticks the step timer until it stops; how many ticks it took.
int RunStep(DegreeDiagram& d) {
    int ticks = 0;
    while (d.gradoRunning() && ticks < 10000) {
        d.TimergradoTimer();
        ++ticks;
    }
    return ticks;
}

class DegreeDiagramTest : public ::testing::Test {
  protected:
    DegreeDiagramTest() {
        testing::NumberTexts(texts);
        diagram.Start(texts);
    }
    InterfaceTexts texts;
    DegreeDiagram diagram;
};

struct StepCase {
    const char* what;
    int step;
    const char* sentence;
    int cover;  // the cover the step slides away (-1: none)
    int ticks;  // ticks of the step timer
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.what;
}

class DegreeDiagramStepTest : public DegreeDiagramTest,
                              public ::testing::WithParamInterface<StepCase> {};

TEST_P(DegreeDiagramStepTest, UncoversItsPartThenUnrollsItsSentence) {
    const StepCase& c = GetParam();
    for (int s = 0; s < c.step; ++s) {
        RunStep(diagram);
        diagram.BotAvanzaClick();
    }
    ASSERT_EQ(diagram.step(), c.step);
    const auto design = DegreeDiagram::DesignCovers();
    EXPECT_EQ(RunStep(diagram), c.ticks);
    EXPECT_EQ(diagram.sentence().toStdString(), c.sentence);
    if (c.cover >= 0) {
        EXPECT_EQ(diagram.covers()[static_cast<size_t>(c.cover)].width(), 0);
        // Its right edge stays where it was.
        EXPECT_EQ(diagram.covers()[static_cast<size_t>(c.cover)].right(),
                  design[static_cast<size_t>(c.cover)].right());
    }
    // Every cover before it is gone; the ones after it are still whole.
    for (int k = c.cover + 1; k < DegreeDiagram::kCovers; ++k) {
        if (c.cover < 0 && k == 0) continue;  // the first cover creeps one pixel a step
        EXPECT_EQ(diagram.covers()[static_cast<size_t>(k)], design[static_cast<size_t>(k)]) << k;
    }
    EXPECT_TRUE(diagram.fraseRunning());
    EXPECT_EQ(diagram.sentenceWidth(), 0);
    int ticks = 0;
    while (diagram.fraseRunning()) {
        diagram.TimerfraseTimer();
        ++ticks;
    }
    EXPECT_EQ(ticks, 301);
    EXPECT_EQ(diagram.sentenceWidth(), 602);
}

// A cover w pixels wide takes w ticks (w / 3 on step 7) and one more to notice it is gone.
int Ticks(int cover, int perTick = 1) {
    return DegreeDiagram::DesignCovers()[static_cast<size_t>(cover)].width() / perTick + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DegreeDiagramStepTest,
    ::testing::Values(StepCase{"how studies are organised", 0, "texto 539", -1, 1},
                      StepCase{"access", 1, "texto 540", -1, 1},
                      StepCase{"other routes in", 2, "texto 541 texto 542", -1, 1},
                      StepCase{"the grado", 3, "texto 543", 0,
                               Ticks(0) - 3},  // steps 0-2 took 3 pixels
                      StepCase{"work after the grado", 4, "texto 544", 2, Ticks(2)},
                      StepCase{"choosing to go on", 5, "texto 545", 3, Ticks(3)},
                      StepCase{"the master", 6, "texto 546", 4, Ticks(4)},
                      StepCase{"work after the master", 7, "texto 547", 5, Ticks(5, 3)},
                      StepCase{"the doctorate", 8, "texto 548 texto 549", 6, Ticks(6)}),
    testing::ByWhat());

TEST_F(DegreeDiagramTest, TheLastStepLeavesAllUncoveredAndTheForwardButtonOff) {
    for (int s = 0; s < DegreeDiagram::kLastStep; ++s) {
        diagram.TimergradoTimer();  // forward before the cover is gone: the next step clears it
        diagram.BotAvanzaClick();
    }
    ASSERT_EQ(diagram.step(), DegreeDiagram::kLastStep);
    EXPECT_EQ(RunStep(diagram), 1);
    for (const QRect& cover : diagram.covers()) EXPECT_EQ(cover.width(), 0);
    EXPECT_FALSE(diagram.forwardEnabled());
    diagram.BotAvanzaClick();
    EXPECT_EQ(diagram.step(), DegreeDiagram::kLastStep);

    diagram.BotAcabarGClick();
    EXPECT_TRUE(diagram.forwardEnabled());
    EXPECT_FALSE(diagram.gradoRunning());
    // Opened again, it starts over.
    diagram.Start(texts);
    EXPECT_EQ(diagram.step(), 0);
    EXPECT_EQ(diagram.covers()[6], DegreeDiagram::DesignCovers()[6]);
}

TEST_F(DegreeDiagramTest, CaptionsComeFromTheTexts) {
    EXPECT_EQ(diagram.caption("LabelG7").toStdString(), "texto 666 texto 665");
    EXPECT_EQ(diagram.caption("LabelG12").toStdString(), "texto 669 texto 665");
    EXPECT_EQ(diagram.caption("LabelG5"), diagram.caption("LabelG10"));
    EXPECT_TRUE(diagram.caption("LabelGT").startsWith(QStringLiteral("t e x t o   6 7 1")));
    EXPECT_EQ(diagram.finishCaption().toStdString(), "texto 222");
}

}  // namespace
}  // namespace velmora
