#include <gtest/gtest.h>

#include "render/ColourTables.h"
#include "render/PixelFormat.h"

namespace qn2 {
namespace {

class ColourTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Gamma = 1.1f;
    WaterColour = DefaultWaterColour;
    SetupColourValues(0xF800, 0x07E0, 0x001F);
  }
  void TearDown() override { SetupColourValues(0xF800, 0x07E0, 0x001F); }
};

TEST_F(ColourTablesTest, GammaOnePointOneBrightensTheMidTones) {
  EXPECT_EQ(GammaTable[0], 0);
  EXPECT_EQ(GammaTable[1], 2);
  EXPECT_EQ(GammaTable[16], 21);
  EXPECT_EQ(GammaTable[64], 73);
  EXPECT_EQ(GammaTable[128], 137);
  EXPECT_EQ(GammaTable[192], 198);
  EXPECT_EQ(GammaTable[254], 255);
  EXPECT_EQ(GammaTable[255], 255);
}

TEST_F(ColourTablesTest, GammaBelowOneTenthCountsAsOneTenth) {
  tGammaTable tiny{}, tenth{};
  MakeGamma(tiny, 0.05f);
  MakeGamma(tenth, 0.1f);
  EXPECT_EQ(tiny, tenth);
  EXPECT_EQ(tiny[0], 0);
  tGammaTable one{};
  MakeGamma(one, 1.0f);
  EXPECT_EQ(one[128], 129);  // round(128 * 256 / 255) = round(128.502)
  EXPECT_EQ(one[254], 255);  // the top entries saturate
  EXPECT_EQ(one[255], 255);
}

TEST_F(ColourTablesTest, FadeHalvesTheLightAlongTheCurve) {
  // Red and blue have 5 bits, green 6.
  auto red = [](int level) {
    return (FadeTable[static_cast<std::size_t>(level << 11)] >> 11) & 31;
  };
  auto green = [](int level) {
    return (FadeTable[static_cast<std::size_t>(level << 5)] >> 5) & 63;
  };
  EXPECT_EQ(red(31), 23);
  EXPECT_EQ(red(16), 12);
  EXPECT_EQ(red(1), 1);
  EXPECT_EQ(red(0), 0);
  EXPECT_EQ(green(63), 46);
  EXPECT_EQ(green(32), 23);
  EXPECT_EQ(FadeTable[0xFFFF], (23 << 11) | (46 << 5) | 23);
}

TEST_F(ColourTablesTest, DarkenLowersEachChannelByAnEighth) {
  EXPECT_EQ(DarkenTable[0], 0);
  EXPECT_EQ(DarkenTable[0xFFFF], 0xDEFB);  // levels 27, 55, 27
  EXPECT_EQ(DarkenTable[(3 << 11) | (7 << 5) | 2], 0);
}

TEST_F(ColourTablesTest, DarkenInFiveFiveFiveDropsTheSpareBit) {
  SetupColourValues(0x7C00, 0x03E0, 0x001F);
  EXPECT_EQ(DarkenTable[0xFFFF], (27 << 10) | (27 << 5) | 27);
}

TEST_F(ColourTablesTest, WaterIsBlackUpTo259ThenRisesTowardTheColour) {
  for (std::uint32_t colour : {DefaultWaterColour, 0xFFFFFFu, 0x806040u}) {
    SetWaterColour(colour);
    for (int i = 0; i <= 259; ++i) ASSERT_EQ(WaterTable[static_cast<std::size_t>(i)], 0) << i;
  }
  SetWaterColour(DefaultWaterColour);
  EXPECT_EQ(WaterTable[400], MakePixel(151, 81, 99));
  EXPECT_EQ(WaterTable[512], MakePixel(255, 144, 175));
  EXPECT_EQ(WaterTable[800], MakePixel(255, 255, 255));
  EXPECT_EQ(WaterTable[1023], MakePixel(255, 255, 255));
  EXPECT_EQ(WaterColour, DefaultWaterColour);
}

TEST_F(ColourTablesTest, ApplyGammaMapsEachByteInPlace) {
  EXPECT_EQ(ApplyGamma(0x00FF4010),
            static_cast<std::uint32_t>(GammaTable[0x10] | GammaTable[0x40] << 8 |
                                       GammaTable[0xFF] << 16));
  EXPECT_EQ(ApplyGamma(0xAB000000), 0u);
}

}  // namespace
}  // namespace qn2
