#include <random>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/Dib16.h"

namespace qn2 {
namespace {

using test::At;

std::string Picture(tDib16& dib) {
  std::string rows;
  for (int y = 0; y < dib.Height(); ++y) {
    for (int x = 0; x < dib.Width(); ++x) rows += At(dib, x, y) ? '#' : '.';
    rows += '\n';
  }
  return rows;
}

TEST(DrawLine, ClipsBothEndsAndListsTheDrawnSpan) {
  tDib16 dib(10, 10);
  dib.TrackDirty = true;
  dib.PenColour = 1;
  dib.ClipRect = {2, 3, 8, 7};
  dib.DrawLine(-4, -3, 12, 13);
  dib.DrawLine(-1, 6, 20, 6);
  EXPECT_EQ(Picture(dib),
            "..........\n"
            "..........\n"
            "..........\n"
            "..#.......\n"
            "...#......\n"
            "....#.....\n"
            "..######..\n"
            "..........\n"
            "..........\n"
            "..........\n");
  ASSERT_EQ(dib.DirtyRects().size(), 2u);
  EXPECT_EQ(dib.DirtyRects()[0], (tRect{2, 3, 6, 7}));
  EXPECT_EQ(dib.DirtyRects()[1], (tRect{2, 6, 8, 7}));
  EXPECT_EQ(dib.PenPos, (tPoint{20, 6}));
  dib.DrawLine(0, 0, 9, 1);  // wholly above: nothing drawn or listed
  EXPECT_EQ(dib.DirtyRects().size(), 2u);
}

TEST(DrawLine, IntersectionsRoundToNearestTiesToEven) {
  tDib16 dib(10, 10);
  dib.TrackDirty = true;
  dib.ClipRect = {2, 0, 10, 10};
  dib.DrawLine(0, 0, 4, 3);  // meets the left edge at y 1.5
  dib.ClipRect = {0, 1, 10, 10};
  dib.DrawLine(0, 0, 5, 2);  // meets the top edge at x 2.5
  ASSERT_EQ(dib.DirtyRects().size(), 2u);
  EXPECT_EQ(dib.DirtyRects()[0], (tRect{2, 2, 5, 4}));
  EXPECT_EQ(dib.DirtyRects()[1], (tRect{2, 1, 6, 3}));
}

TEST(DrawLine, NeverDrawsOutsideTheClipRect) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-30, 50);
  const tRect clip{3, 4, 15, 17};
  const auto inside = [&](int x, int y) {
    return x >= clip.Left && x < clip.Right && y >= clip.Top && y < clip.Bottom;
  };
  for (int i = 0; i < 3000; ++i) {
    tDib16 dib(20, 20);
    dib.ClipRect = clip;
    dib.PenColour = 1;
    const int x1 = coordinate(random), y1 = coordinate(random);
    const int x2 = coordinate(random), y2 = coordinate(random);
    dib.DrawLine(x1, y1, x2, y2);
    SCOPED_TRACE(testing::Message() << x1 << "," << y1 << " to " << x2 << "," << y2);
    int strays = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) strays += At(dib, x, y) != 0 && !inside(x, y);
    ASSERT_EQ(strays, 0);
    ASSERT_TRUE(!inside(x1, y1) || At(dib, x1, y1) == 1);
    ASSERT_TRUE(!inside(x2, y2) || At(dib, x2, y2) == 1);
  }
}

TEST(FrameRect, OutlinesAndListsOneRectangle) {
  tDib16 dib(6, 5);
  dib.TrackDirty = true;
  dib.PenColour = 1;
  dib.FrameRect(1, 1, 5, 4);
  EXPECT_EQ(Picture(dib),
            "......\n"
            ".####.\n"
            ".#..#.\n"
            ".####.\n"
            "......\n");
  ASSERT_EQ(dib.DirtyRects().size(), 1u);
  EXPECT_EQ(dib.DirtyRects()[0], (tRect{1, 1, 5, 4}));
  EXPECT_EQ(dib.PenPos, (tPoint{1, 1}));
}

}  // namespace
}  // namespace qn2
