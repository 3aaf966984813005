#include "render/DisplayChoice.h"

#include <gtest/gtest.h>

namespace qn2 {
namespace {

TEST(DisplayModeFromSettings, BitBltPicksTheBitmapTypesAndFullScreenTheFullScreenOnes) {
  EXPECT_EQ(DisplayModeFromSettings(false, false), 0);
  EXPECT_EQ(DisplayModeFromSettings(false, true), 1);
  EXPECT_EQ(DisplayModeFromSettings(true, false), 2);
  EXPECT_EQ(DisplayModeFromSettings(true, true), 3);
}

// Counts the calls of the two callbacks and answers what the test set.
struct tChoiceProbe {
  std::int32_t MHz = 0;
  int Answer = 0;
  int Measured = 0;
  int Asked = 0;

  std::int32_t Choose(std::int32_t requested, bool desktop16Bit, bool compatibility) {
    return ChooseDisplayType(
        requested, desktop16Bit, compatibility,
        [this] {
          ++Measured;
          return MHz;
        },
        [this] {
          ++Asked;
          return Answer;
        });
  }
};

TEST(ChooseDisplayType, AFastMachineOnA32BitDesktopRunsWindowedThroughABitmapWithoutAsking) {
  tChoiceProbe probe{.MHz = 2400, .Answer = RunFullScreenAnswer};
  EXPECT_EQ(probe.Choose(0, false, false), 1);
  EXPECT_EQ(probe.Measured, 1);
  EXPECT_EQ(probe.Asked, 0);
}

TEST(ChooseDisplayType, ASlowMachineAsksAndTheAnswerDecides) {
  // 700 MHz is not above the limit, so it asks.
  tChoiceProbe windowed{.MHz = 700, .Answer = RunWindowedAnswer};
  EXPECT_EQ(windowed.Choose(0, false, false), 1);
  EXPECT_EQ(windowed.Asked, 1);

  tChoiceProbe fullScreen{.MHz = 450, .Answer = RunFullScreenAnswer};
  EXPECT_EQ(fullScreen.Choose(0, false, false), 2);
  EXPECT_EQ(fullScreen.Asked, 1);

  // Any answer but windowed means full screen, a closed question included.
  tChoiceProbe closed{.MHz = 1, .Answer = 0};
  EXPECT_EQ(closed.Choose(0, false, false), 2);

  tChoiceProbe fast{.MHz = 701, .Answer = RunFullScreenAnswer};
  EXPECT_EQ(fast.Choose(0, false, false), 1);
  EXPECT_EQ(fast.Asked, 0);
}

TEST(ChooseDisplayType, CompatibilityRunsWindowedThroughABitmapWithoutMeasuring) {
  tChoiceProbe probe{.MHz = 300, .Answer = RunFullScreenAnswer};
  EXPECT_EQ(probe.Choose(0, false, true), 1);
  EXPECT_EQ(probe.Measured, 0);
  EXPECT_EQ(probe.Asked, 0);
}

TEST(ChooseDisplayType, OnlyType0OnADesktopThatIsNot16BitIsReplaced) {
  tChoiceProbe probe{.MHz = 300, .Answer = RunFullScreenAnswer};
  EXPECT_EQ(probe.Choose(0, true, false), 0);
  for (std::int32_t type = 1; type <= 3; ++type) {
    EXPECT_EQ(probe.Choose(type, false, false), type);
    EXPECT_EQ(probe.Choose(type, false, true), type);
  }
  EXPECT_EQ(probe.Measured, 0);
  EXPECT_EQ(probe.Asked, 0);
}

}  // namespace
}  // namespace qn2
