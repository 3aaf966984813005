#include "render/Sprite.h"

#include <vector>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/Dib16.h"
#include "render/DibStack.h"

namespace qn2 {
namespace {

using test::At;
using test::Paint;

std::uint16_t Distinct(int x, int y) {
  return static_cast<std::uint16_t>(1 + x + 64 * y);
}

class SpriteTest : public ::testing::Test {
 protected:
  SpriteTest() { Paint(Source, Distinct); }

  std::vector<std::uint16_t> Row(int y, int from, int count) {
    std::vector<std::uint16_t> row;
    for (int x = from; x < from + count; ++x) row.push_back(At(Target, x, y));
    return row;
  }

  const std::uint16_t Key = MakePixel(255, 0, 255);
  tDib16 Source{8, 8};
  tDib16 Target{10, 10};
  tDibTarget Scope{&Target};
  tSprite Sprite;
};

TEST_F(SpriteTest, KeyedSkipsTheKeyColourAndOpaqueCopiesIt) {
  Source.ScanLine(1)[1] = Key;
  Sprite.SetUp(&Source, 0, 0, 3, 5);
  EXPECT_EQ(Sprite.HotX, 1);
  EXPECT_EQ(Sprite.HotY, 2);
  for (tDrawMode mode : {dmKeyed, dmOpaque}) {
    Paint(Target, [](int, int) { return std::uint16_t{5}; });
    Sprite.DrawMode = mode;
    Sprite.Draw(4, 4);  // top-left at (3, 2)
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) {
        const bool covered = x >= 3 && x < 6 && y >= 2 && y < 7;
        const bool keyHole = mode == dmKeyed && x == 4 && y == 3;
        EXPECT_EQ(At(Target, x, y), covered && !keyHole ? At(Source, x - 3, y - 2) : 5);
      }
  }
}

TEST_F(SpriteTest, AdditiveSaturatesAndSkipsTheKeyIn565And555) {
  test::tLayout565Guard guard;
  for (int layout = 0; layout < 2; ++layout) {
    if (layout == 1) SetPixelLayout(0x7C00, 0x03E0, 0x001F);
    const std::uint16_t key = MakePixel(255, 0, 255);
    const std::uint16_t grey = MakePixel(96, 96, 96);
    Source.ScanLine(0)[0] = MakePixel(200, 96, 0);
    Source.ScanLine(0)[1] = key;
    Paint(Target, [&](int, int) { return grey; });
    Sprite.SetUp(&Source, 0, 0, 2, 1);
    Sprite.DrawMode = dmAdditive;
    Sprite.Draw(1, 0);
    EXPECT_EQ(Row(0, 0, 2), (std::vector<std::uint16_t>{MakePixel(255, 192, 96), grey}));
  }
}

TEST_F(SpriteTest, AltPatternsPickSourcesFromTheFirstDrawnPixel) {
  tDib16 a(3, 3), b(3, 3);
  Paint(a, [](int x, int y) {
    return MakePixel(0, 0, static_cast<std::uint8_t>(8 + x * 8 + y * 24));
  });
  Paint(b, [](int x, int y) {
    return MakePixel(static_cast<std::uint8_t>(8 + x * 8 + y * 24), 0, 0);
  });
  // Sources of the four pixels (row 0 left, right, row 1 left, right) per pattern.
  const char* chosen[3] = {"BAAB", "ABAA", "BABB"};
  for (std::uint8_t pattern = 0; pattern < 3; ++pattern) {
    Sprite.SetUpPair(&a, &b, 0, 0, 0, 0, 2, 2);
    Sprite.DrawMode = dmAlternate;
    Sprite.AltPattern = pattern;
    Paint(Target, [](int, int) { return std::uint16_t{0}; });
    Sprite.Draw(1, 1);
    for (int i = 0; i < 4; ++i) {
      tDib16& expected = chosen[pattern][i] == 'A' ? a : b;
      EXPECT_EQ(At(Target, i % 2, i / 2), At(expected, i % 2, i / 2)) << int(pattern) << i;
    }
  }
  // Cut by the clip rectangle, counting restarts at the first drawn pixel, and both
  // sources still advance to the same offset.
  Sprite.SetUpPair(&a, &b, 0, 0, 0, 0, 3, 3);
  Sprite.AltPattern = 0;
  Paint(Target, [](int, int) { return std::uint16_t{0}; });
  Target.ClipRect = {5, 5, 10, 10};
  Sprite.Draw(5, 5);  // top-left at (4, 4)
  EXPECT_EQ(Row(5, 5, 2), (std::vector<std::uint16_t>{At(b, 1, 1), At(a, 2, 1)}));
  EXPECT_EQ(Row(6, 5, 2), (std::vector<std::uint16_t>{At(a, 1, 2), At(b, 2, 2)}));
}

TEST_F(SpriteTest, ClippedAtTheTopLeftCornerDrawsTheMatchingSourcePart) {
  Target.TrackDirty = true;
  Target.ClipRect = {2, 2, 10, 10};
  Sprite.SetUp(&Source, 1, 1, 4, 4);
  Sprite.HotX = Sprite.HotY = 0;
  Sprite.DrawMode = dmOpaque;
  Sprite.Draw(1, 0);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) {
      const bool drawn = x >= 2 && x < 5 && y >= 2 && y < 4;
      EXPECT_EQ(At(Target, x, y), drawn ? Distinct(x, y + 1) : 0) << x << "," << y;
    }
  ASSERT_EQ(Target.DirtyRects().size(), 1u);
  EXPECT_EQ(Target.DirtyRects()[0], (tRect{2, 2, 5, 4}));
}

TEST_F(SpriteTest, NothingDrawnStillListsTheCutRectangle) {
  Target.TrackDirty = true;
  Target.ClipRect = {2, 2, 8, 8};
  Sprite.SetUp(&Source, 0, 0, 2, 2);
  for (tPoint at : {tPoint{10, 4}, tPoint{4, 12}, tPoint{0, 0}, tPoint{-5, -5}})
    Sprite.Draw(at.X, at.Y);
  Sprite.DrawMode = dmNone;
  Sprite.Draw(4, 4);
  ASSERT_EQ(Target.DirtyRects().size(), 5u);
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(Target.DirtyRects()[i].Empty()) << i;
  EXPECT_EQ(Target.DirtyRects()[4], (tRect{3, 3, 5, 5}));
  for (int y = 0; y < 10; ++y) EXPECT_EQ(Row(y, 0, 10), std::vector<std::uint16_t>(10, 0));
}

TEST_F(SpriteTest, ActiveMaskProtectsCoveredPixels) {
  const std::uint16_t p = MakePixel(64, 64, 64), g = MakePixel(32, 32, 32);
  const std::uint16_t sum = MakePixel(96, 96, 96);
  tDib16 other(5, 1);
  Paint(other, [](int, int) { return std::uint16_t{0xFFFF}; });
  const std::uint16_t pixels[5] = {p, p, Key, 0, p};
  for (int x = 0; x < 5; ++x) Source.ScanLine(0)[x] = pixels[x];
  Target.SetHasMask(true);
  Target.MaskActive = true;
  Target.Mask()[1] = 1;
  struct {
    tDrawMode Mode;
    std::vector<std::uint16_t> Expected;
  } const cases[] = {{dmKeyed, {p, g, g, 0, p}},
                     {dmOpaque, {p, g, Key, 0, p}},
                     {dmAdditive, {sum, g, g, g, sum}},
                     {dmAlternate, {sum, g, g, g, sum}}};  // source A only
  for (const auto& c : cases) {
    Paint(Target, [&](int, int) { return g; });
    Sprite.SetUpPair(&Source, &other, 0, 0, 0, 0, 5, 1);
    Sprite.DrawMode = c.Mode;
    Sprite.AltPattern = 0;
    Sprite.Draw(2, 0);
    EXPECT_EQ(Row(0, 0, 5), c.Expected) << int(c.Mode);
  }
  Target.MaskActive = false;
  Paint(Target, [&](int, int) { return g; });
  Sprite.DrawMode = dmKeyed;
  Sprite.Draw(2, 0);
  EXPECT_EQ(Row(0, 0, 5), (std::vector<std::uint16_t>{p, p, g, 0, p}));
}

TEST_F(SpriteTest, StampMaskCoversNonKeyPixelsInsideTheClip) {
  Source.ScanLine(1)[1] = Key;
  Target.SetHasMask(true);
  Target.ClipRect = {1, 0, 10, 10};
  Sprite.SetUp(&Source, 0, 0, 3, 3);
  Sprite.StampMask(1, 1);  // top-left at (0, 0); column 0 is outside the clip
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const bool covered = x >= 1 && x < 3 && y < 3 && !(x == 1 && y == 1);
      EXPECT_EQ(Target.Mask()[y * 10 + x], covered ? 1 : 0) << x << "," << y;
      EXPECT_EQ(At(Target, x, y), 0);
    }
}

}  // namespace
}  // namespace qn2
