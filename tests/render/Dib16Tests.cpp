#include "render/Dib16.h"

#include <vector>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "common/Exception.h"

namespace qn2 {
namespace {

using test::At;
using test::Paint;

std::uint16_t Distinct(int x, int y) {
  return static_cast<std::uint16_t>(1 + x + 64 * y);
}

TEST(Dib16, ClipRectFollowsASizeChangeOnlyWhereItWasTheEdge) {
  tDib16 dib(8, 6);
  EXPECT_EQ(dib.ClipRect, (tRect{0, 0, 8, 6}));
  dib.ClipRect.Bottom = 4;
  dib.SetHasMask(true);
  dib.SetWidth(10);
  dib.SetHeight(7);
  EXPECT_EQ(dib.ClipRect, (tRect{0, 0, 10, 4}));
  dib.ClipRect.Right = 3;
  dib.SetWidth(11);
  dib.SetWidth(10);
  EXPECT_EQ(dib.ClipRect, (tRect{0, 0, 3, 4}));
  EXPECT_EQ(At(dib, 9, 6), 0);
  ASSERT_NE(dib.Mask(), nullptr);
  dib.Mask()[69] = 1;  // the mask was made again for 10 x 7
  dib.SetHasMask(false);
  EXPECT_EQ(dib.Mask(), nullptr);
  EXPECT_THROW(tDib16(1, tDib16::kMaxRows + 1), Exception);
}

TEST(Dib16, ScanLineMarksTouchedRows) {
  tDib16 dib(2, 5);
  dib.ClearTouchedRows();
  dib.ScanLine(3);
  EXPECT_EQ(dib.RowTouched[3], 1);
  EXPECT_EQ(dib.RowTouched[2] + dib.RowTouched[4], 0);
  dib.ClearTouchedRows();
  EXPECT_EQ(dib.RowTouched[3], 0);
}

// What the display sends: every row reached since the last time, in runs, whatever the
// frame's composer does with its own touched-row marks meanwhile.
TEST(Dib16, ChangedRowsComeInRunsAndStartAfreshWhenTaken) {
  tDib16 dib(2, 12);
  EXPECT_TRUE(dib.TakeChangedRows().empty());
  for (int row : {3, 2, 7, 11}) dib.ScanLine(row)[0] = 1;
  dib.ClearTouchedRows();
  EXPECT_EQ(dib.TakeChangedRows(), (std::vector<tDib16::tRowBand>{{2, 4}, {7, 8}, {11, 12}}));
  EXPECT_TRUE(dib.TakeChangedRows().empty());
  EXPECT_EQ(dib.RowTouched[3], 0);

  // A run of rows reached at once is marked as each row alone would be, and its pointers
  // are the rows' own.
  std::uint16_t* const* rows = dib.ScanLines(5, 3);
  EXPECT_EQ(dib.RowTouched[4] + dib.RowTouched[5] + dib.RowTouched[7] + dib.RowTouched[8], 2);
  EXPECT_EQ(dib.TakeChangedRows(), (std::vector<tDib16::tRowBand>{{5, 8}}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(rows[i], dib.ScanLine(5 + i));
}

// Drawing may skip the mask only where no pixel is covered; a write through the mask
// pointer is seen by the next question, however the summary stood before.
TEST(Dib16, MaskClearInFollowsEveryWriteToTheMask) {
  tDib16 dib(100, 70);
  EXPECT_TRUE(dib.MaskClearIn({0, 0, 100, 70}));  // no mask at all
  dib.SetHasMask(true);
  EXPECT_TRUE(dib.MaskClearIn({0, 0, 100, 70}));
  dib.Mask()[40 * 100 + 70] = 1;  // pixel (70, 40): block (2, 1)
  EXPECT_FALSE(dib.MaskClearIn({0, 0, 100, 70}));
  EXPECT_FALSE(dib.MaskClearIn({64, 32, 65, 33}));
  EXPECT_TRUE(dib.MaskClearIn({0, 0, 64, 70}));
  EXPECT_TRUE(dib.MaskClearIn({64, 0, 100, 32}));
  EXPECT_TRUE(dib.MaskClearIn({200, 200, 300, 300}));  // outside the surface
  dib.Mask()[5] = 1;                                   // block (0, 0), after the summary was made
  EXPECT_FALSE(dib.MaskClearIn({0, 0, 8, 8}));
  dib.ClearMask();
  EXPECT_TRUE(dib.MaskClearIn({0, 0, 100, 70}));
}

TEST(Dib16, DirtyListKeeps1023RectanglesWhileTracking) {
  tDib16 dib(4, 4);
  dib.AddDirtyRect({0, 0, 1, 1});
  EXPECT_TRUE(dib.DirtyRects().empty());  // not tracking
  dib.TrackDirty = true;
  dib.SuspendDirty = true;
  dib.AddDirtyRect({0, 0, 1, 1});
  EXPECT_TRUE(dib.DirtyRects().empty());
  dib.SuspendDirty = false;
  for (int i = 0; i < 1024; ++i) dib.AddDirtyRect({i, 0, i + 1, 1});
  ASSERT_EQ(dib.DirtyRects().size(), 1023u);
  EXPECT_EQ(dib.DirtyRects()[1022], (tRect{1022, 0, 1023, 1}));
  dib.ClearDirty();
  dib.AddDirtyRect({5, 5, 6, 6});
  ASSERT_EQ(dib.DirtyRects().size(), 1u);
}

TEST(Dib16, BlitFromCutsToBothClipRects) {
  tDib16 source(8, 8), dest(10, 9);
  Paint(source, Distinct);
  source.ClipRect = {1, 2, 6, 7};
  dest.ClipRect = {3, 1, 9, 6};
  struct {
    int SX, SY, DX, DY, W, H;
  } const blits[] = {
      {0, 0, 2, 0, 6, 8}, {3, 3, 7, 4, 5, 5}, {4, 4, 3, 1, 5, 5}, {0, 0, 0, 0, 2, 2}};
  for (const auto& b : blits) {
    Paint(dest, [](int, int) { return std::uint16_t{0}; });
    dest.BlitFrom(source, b.SX, b.SY, b.DX, b.DY, b.W, b.H);
    for (int y = 0; y < dest.Height(); ++y)
      for (int x = 0; x < dest.Width(); ++x) {
        const int sx = x - b.DX + b.SX, sy = y - b.DY + b.SY;
        const bool inside = x >= b.DX && x < b.DX + b.W && y >= b.DY && y < b.DY + b.H && x >= 3 &&
                            x < 9 && y >= 1 && y < 6 &&              // dest clip
                            sx >= 1 && sx < 6 && sy >= 2 && sy < 7;  // source clip
        EXPECT_EQ(At(dest, x, y), inside ? Distinct(sx, sy) : 0) << x << "," << y;
      }
  }
}

TEST(Dib16, RestoreDirtyFromCopiesListedRectanglesAndEmptiesTheList) {
  tDib16 background(12, 8), frame(8, 6);
  Paint(background, Distinct);
  frame.TrackDirty = true;
  frame.AddDirtyRect({1, 1, 3, 2});
  frame.AddDirtyRect({6, 3, 9, 5});  // runs past the frame's right edge
  frame.RestoreDirtyFrom(background, 2, 1);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool listed = (y == 1 && x >= 1 && x < 3) || (y >= 3 && y < 5 && x >= 6);
      EXPECT_EQ(At(frame, x, y), listed ? Distinct(x + 2, y + 1) : 0) << x << "," << y;
    }
  EXPECT_TRUE(frame.DirtyRects().empty());
}

TEST(Dib16, FillSurfaceLeavesAnOddLastColumn) {
  tDib16 dib(5, 2);
  Paint(dib, [](int, int) { return std::uint16_t{7}; });
  dib.FillSurface(0x1234);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(At(dib, x, y), 0x1234);
    EXPECT_EQ(At(dib, 4, y), 7);
  }
}

TEST(Dib16, DarkenPatternsTakeHalfTheRowAsACheckerboard) {
  tPixelTable plusOne;
  for (std::size_t i = 0; i < plusOne.size(); ++i) plusOne[i] = static_cast<std::uint16_t>(i + 1);
  // Width 5: a pattern row touches 5 div 2 = 2 pixels, so column 4 is never darkened.
  const char* expected[3] = {
      "10100"
      "01010",
      "01010"
      "10100",
      "11111"
      "11111"};
  for (int pattern = 0; pattern < 3; ++pattern) {
    tDib16 dib(5, 2);
    dib.DarkenSurface(pattern, plusOne);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 5; ++x)
        EXPECT_EQ(At(dib, x, y), expected[pattern][y * 5 + x] - '0') << pattern << ":" << x;
  }
}

TEST(Dib16, GreyscaleAndHalfSize) {
  tDib16 grey(1, 1);
  grey.ScanLine(0)[0] = MakePixel(0, 128, 255);
  grey.MakeGreyscale();
  EXPECT_EQ(At(grey, 0, 0), MakePixel(128, 128, 128));

  // Odd sizes: the last column and row of the source are not used.
  tDib16 source(5, 3), half(7, 7);
  const std::uint16_t white = MakePixel(255, 255, 255);
  Paint(source, [&](int x, int y) {
    if (x >= 4 || y >= 2) return white;
    return x < 2 ? white : static_cast<std::uint16_t>(x % 2 == 0 ? white : 0);
  });
  half.MakeHalfSizeFrom(source);
  ASSERT_EQ(half.Width(), 2);
  ASSERT_EQ(half.Height(), 1);
  EXPECT_EQ(half.ClipRect, (tRect{0, 0, 2, 1}));
  // All white: 248 and 252 squared over 256. Half white: averages 124, 126.
  EXPECT_EQ(At(half, 0, 0), MakePixel(240, 248, 240));
  EXPECT_EQ(At(half, 1, 0), MakePixel(60, 62, 60));
}

TEST(Dib16, AddColourRectListsTheWholeRectButDrawsInsideClip) {
  tDib16 dib(4, 3);
  dib.TrackDirty = true;
  dib.ClipRect = {1, 0, 4, 2};
  Paint(dib, [](int, int) { return MakePixel(200, 8, 0); });
  dib.AddColourRect({-1, -1, 3, 5}, MakePixel(100, 8, 16));
  ASSERT_EQ(dib.DirtyRects().size(), 1u);
  EXPECT_EQ(dib.DirtyRects()[0], (tRect{-1, -1, 3, 5}));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) {
      const bool inside = x >= 1 && x < 3 && y < 2;
      EXPECT_EQ(At(dib, x, y), inside ? MakePixel(255, 16, 16) : MakePixel(200, 8, 0));
    }
}

}  // namespace
}  // namespace qn2
