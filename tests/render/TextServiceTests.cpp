#include "render/TextService.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "common/Exception.h"
#include "render/Dib16.h"
#include "render/PixelFormat.h"

namespace qn2 {
namespace {

using test::At;

tTextCoverage Coverage(int width, int height, std::vector<std::uint8_t> alpha) {
  return {width, height, std::move(alpha)};
}

TEST(TextCoverage, BlendsTheColourWithRedInTheLowByte) {
  tDib16 target(4, 1);
  const std::uint16_t grey = MakePixel(96, 96, 96);
  test::Paint(target, [&](int, int) { return grey; });
  DrawTextCoverage(target, 0, 0, Coverage(3, 1, {0, 128, 255}), 0x0000FF);
  EXPECT_EQ(At(target, 0, 0), grey);
  // 128/255 of red over 127/255 of grey, rounded.
  EXPECT_EQ(At(target, 1, 0), MakePixel(176, 48, 48));
  EXPECT_EQ(At(target, 2, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(At(target, 3, 0), grey);
  DrawTextCoverage(target, 3, 0, Coverage(1, 1, {255}), 0xFF8000);
  EXPECT_EQ(At(target, 3, 0), MakePixel(0, 128, 255));
}

TEST(TextCoverage, IsCutToTheClipRectAndListedDirty) {
  tDib16 target(8, 8);
  target.ClipRect = {2, 3, 6, 7};
  target.TrackDirty = true;
  DrawTextCoverage(target, -1, -1, Coverage(8, 9, std::vector<std::uint8_t>(72, 255)), 0xFFFFFF);
  const std::uint16_t white = MakePixel(255, 255, 255);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool inside = x >= 2 && x < 6 && y >= 3 && y < 7;
      EXPECT_EQ(At(target, x, y), inside ? white : 0) << x << ", " << y;
    }
  ASSERT_EQ(target.DirtyRects().size(), 1u);
  EXPECT_EQ(target.DirtyRects()[0], (tRect{2, 3, 6, 7}));
  // Wholly outside the clip: nothing drawn, nothing listed.
  DrawTextCoverage(target, 6, 0, Coverage(2, 2, {255, 255, 255, 255}), 0x0000FF);
  EXPECT_EQ(target.DirtyRects().size(), 1u);
  EXPECT_EQ(At(target, 6, 0), 0);
  EXPECT_THROW(DrawTextCoverage(target, 0, 0, Coverage(2, 2, {255}), 0), Exception);
}

TEST(TextCoverage, NoTextServiceDrawsNothingAndMeasuresNothing) {
  ASSERT_EQ(TextService, nullptr);
  tDib16 target(4, 4);
  target.TrackDirty = true;
  DrawGameText(target, 0, 0, "TEXT", 0xFFFFFF);
  EXPECT_TRUE(target.DirtyRects().empty());
  EXPECT_EQ(At(target, 1, 1), 0);
  EXPECT_EQ(GameTextExtent("TEXT"), (tPoint{0, 0}));
  EXPECT_EQ(GameFontHeight(), 0);
}

}  // namespace
}  // namespace qn2
