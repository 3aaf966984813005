#include "render/PixelFormat.h"

#include <array>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"

namespace qn2 {
namespace {

TEST(PixelFormat, Default565PacksAndSplits) {
  EXPECT_TRUE(Is565);
  EXPECT_EQ(SplitPixel(0xFFFF), (tRgb{248, 252, 248}));
  EXPECT_EQ(MakePixel(255, 0, 255), 0xF81F);
  EXPECT_EQ(MakePixel(7, 3, 7), 0x0000);  // below one level of each channel
  EXPECT_EQ(MakePixel(8, 4, 8), 0x0821);
  EXPECT_EQ(SplitPixel(MakePixel(200, 100, 50)), (tRgb{200, 100, 48}));
}

TEST(PixelFormat, LayoutsAreDerivedFromTheMasks) {
  test::tLayout565Guard guard;
  SetPixelLayout(0x7C00, 0x03E0, 0x001F);
  EXPECT_FALSE(Is565);
  EXPECT_EQ((std::array{RedShift, GreenShift, BlueShift}), (std::array{10, 5, 0}));
  EXPECT_EQ((std::array{RedBits, GreenBits, BlueBits}), (std::array{5, 5, 5}));
  EXPECT_EQ((std::array{RedDivisor, GreenDivisor, BlueDivisor}), (std::array{8, 8, 8}));
  EXPECT_EQ(MakePixel(255, 255, 255), 0x7FFF);
  EXPECT_EQ(SplitPixel(0xFFFF), (tRgb{248, 248, 248}));  // the spare top bit is ignored

  SetPixelLayout(0x001F, 0x07E0, 0xF800);  // blue in the top bits
  EXPECT_EQ((std::array{RedShift, GreenShift, BlueShift}), (std::array{0, 5, 11}));
  EXPECT_EQ(MakePixel(255, 0, 0), 0x001F);
  EXPECT_FALSE(Is565);
}

// The sums in the current layout, through the path the drawing code picks for it.
void ExpectSaturatingSums() {
  const std::uint16_t white = MakePixel(255, 255, 255);
  const auto red = static_cast<std::uint16_t>(RedMask);
  const std::uint16_t reddish = MakePixel(200, 100, 40);
  const auto fullRedKeepingTheRest = static_cast<std::uint16_t>(RedMask | (reddish & ~RedMask));
  WithSaturatingSum([&](auto sum) {
    EXPECT_EQ(sum(white, white), white);
    EXPECT_EQ(sum(red, reddish), fullRedKeepingTheRest);
    EXPECT_EQ(sum(reddish, red), fullRedKeepingTheRest);
    EXPECT_EQ(sum(MakePixel(80, 40, 24), MakePixel(80, 40, 24)), MakePixel(160, 80, 48));
    EXPECT_EQ(sum(MakePixel(0, 255, 0), MakePixel(0, 8, 255)), MakePixel(0, 255, 255));
  });
}

TEST(SaturatingSum, ClampsEachChannelIn565) {
  ExpectSaturatingSums();
}

TEST(SaturatingSum, ClampsEachChannelIn555) {
  test::tLayout565Guard guard;
  SetPixelLayout(0x7C00, 0x03E0, 0x001F);
  ExpectSaturatingSums();
}

TEST(SaturatingSum, Fast565PathMatchesTheGeneralSum) {
  int mismatches = 0;
  for (std::uint32_t s = 0; s <= 0xFFFF; ++s)
    for (std::uint32_t d = s % 251; d <= 0xFFFF; d += 251)
      if (SaturatingSum565(static_cast<std::uint16_t>(s), static_cast<std::uint16_t>(d)) !=
          SaturatingSum(static_cast<std::uint16_t>(s), static_cast<std::uint16_t>(d)))
        ++mismatches;
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace qn2
