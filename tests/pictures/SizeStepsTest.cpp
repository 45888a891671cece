#include "game/GameState.h"
#include "table/CardMetrics.h"

#include <gtest/gtest.h>

using namespace zarn;

TEST(SizeSteps, ClampAtBothEndsAndAccumulateInSinglePrecision) {
    EXPECT_EQ(DecreasedScale(0.41f), 0.4f);
    EXPECT_EQ(DecreasedScale(0.4f), 0.4f);
    EXPECT_EQ(IncreasedScale(1.99f), 2.0f);
    EXPECT_EQ(IncreasedScale(2.0f), 2.0f);
    float s = 0.92f;
    for (int i = 0; i < 4; ++i) s = IncreasedScale(s);
    EXPECT_EQ(s, 0.99999994f);
    EXPECT_NE(s, 1.0f);
    EXPECT_FLOAT_EQ(DecreasedScale(0.92f), 0.9f);
}

TEST(SizeSteps, CardSizeAndFanStepFollowTheScale) {
    GameState s;
    ApplyCardScale(s, 2.0f, SizeOccasion::SizeChange);
    EXPECT_EQ(s.CardWidth, 2129);
    EXPECT_EQ(s.CardHeight, 2928);
    ApplyCardScale(s, 0.4f, SizeOccasion::SizeChange);
    EXPECT_EQ(s.CardWidth, 426);
    EXPECT_EQ(s.CardHeight, 586);
    ApplyCardScale(s, 0.92f, SizeOccasion::StartUp);
    EXPECT_EQ(s.CardWidth, 979);
    EXPECT_EQ(s.CardHeight, 1347);
    EXPECT_EQ(s.FanStep, 269);
    ApplyCardScale(s, 0.92f, SizeOccasion::SizeChange);
    EXPECT_EQ(s.FanStep, 284);
    EXPECT_EQ(s.SizeScale, 0.92f);
}
