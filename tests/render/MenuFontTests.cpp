#include "render/MenuFont.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "render/Dib16.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "support/PictureTestFiles.h"

namespace qn2 {
namespace {

using test::At;

// Font pictures whose every pixel tells where it came from: the character's row, the
// look or glow column, and the position inside the cell. Outside the cells the base
// picture is magenta (the key) and the glow pictures are black.
int CellIndex(int offset, int first, int pitch, int size) {
  if (offset < first || (offset - first) % pitch >= size) return -1;
  return (offset - first) / pitch;
}

tRgb BaseColour(int x, int y) {
  const int look = CellIndex(x, 11, 64, 42);
  const int row = CellIndex(y, 26, 40, 38);
  if (look < 0 || look > 4 || row < 0 || row > 57) return {255, 0, 255};
  const int dx = (x - 11) % 64;
  const int dy = (y - 26) % 40;
  return {static_cast<std::uint8_t>(40 * (look + 1)), static_cast<std::uint8_t>(4 * (row + 1)),
          static_cast<std::uint8_t>(2 + 3 * (dx + dy))};
}

test::tColourAt GlowColour(int firstRowY, int rows) {
  return [=](int x, int y) -> tRgb {
    const int column = CellIndex(x, 11, 64, 42);
    const int row = CellIndex(y, firstRowY, 60, 50);
    if (column < 0 || column > 5 || row < 0 || row >= rows) return {0, 0, 0};
    return {static_cast<std::uint8_t>(5 * ((x - 11) % 64)), static_cast<std::uint8_t>(6 * row + 4),
            static_cast<std::uint8_t>(30 * (column + 1))};
  };
}

struct tFontFiles {
  std::vector<std::uint8_t> Base = test::MakeBmp(320, 2344, BaseColour);
  std::vector<std::uint8_t> Glow1 = test::MakeJpeg(384, 1990, GlowColour(20, 33));
  std::vector<std::uint8_t> Glow2 = test::MakeJpeg(384, 1490, GlowColour(0, 25));
};

const tFontFiles& FontFiles() {
  static const tFontFiles files;
  return files;
}

constexpr int kBrightX = 203;
constexpr int kDimX = 267;

class MenuFontTest : public ::testing::Test {
 protected:
  MenuFontTest() {
    Pictures.Files.Add("MenuFontBase.bmp", FontFiles().Base);
    Pictures.Files.Add("MenuFontGlow1.Jpg", FontFiles().Glow1);
    Pictures.Files.Add("MenuFontGlow2.Jpg", FontFiles().Glow2);
    LoadMenuFont();
  }
  ~MenuFontTest() override { FreeMenuFont(); }

  // A pixel of a character's glyph at (dx, dy) of the look starting at lookX.
  static std::uint16_t Glyph(char c, int lookX, int dx, int dy) {
    return At(*FindDib("MenuFontBase.bmp"), lookX + dx, 26 + 40 * (c - 33) + dy);
  }
  static std::uint16_t Look(char c, int look, int dx, int dy) {
    return Glyph(c, 11 + 64 * look, dx, dy);
  }
  static std::uint16_t Glow(char c, int column, int dx, int dy) {
    const bool first = c <= 'A';
    tDib16& picture = *FindDib(first ? "MenuFontGlow1.Jpg" : "MenuFontGlow2.Jpg");
    const int y = first ? 20 + 60 * (c - 33) : 60 * (c - 66);
    return At(picture, 11 + 64 * column + dx, y + dy);
  }

  void Clear() {
    test::Paint(Frame, [](int, int) { return std::uint16_t{0}; });
  }

  // One character drawn with its glyph centred at (112, 79): "A" at (100, 100). Every
  // pixel of the glow's 42 x 50 box (the glyph's 42 x 38 sits 6 rows below its top) must
  // be the glyph of lookX, plus the glow column when there is one; nothing is drawn
  // around the box.
  void ExpectGlyphWithGlow(char c, int lookX, int glowColumn) {
    for (int dy = -1; dy <= 50; ++dy)
      for (int dx = -1; dx <= 42; ++dx) {
        const bool inside = dx >= 0 && dx < 42 && dy >= 0 && dy < 50;
        std::uint16_t expected = 0;
        if (inside && dy >= 6 && dy < 44) expected = Glyph(c, lookX, dx, dy - 6);
        if (inside && glowColumn >= 0)
          expected = SaturatingSum(Glow(c, glowColumn, dx, dy), expected);
        ASSERT_EQ(At(Frame, 91 + dx, 54 + dy), expected)
            << "at " << dx << ", " << dy << " of the glow box";
      }
  }

  test::tPictureFilesScope Pictures;
  tDib16 Frame{300, 200};
  tDibTarget Scope{&Frame};
};

TEST(MenuTextWidth, AddsOnePixelPerCharacterLessTheKerning) {
  EXPECT_EQ(MenuTextWidth("AV"), 46);
  EXPECT_EQ(MenuTextWidth("VA"), 46);
  EXPECT_EQ(MenuTextWidth("LY"), 18 + 23 - 3);
  EXPECT_EQ(MenuTextWidth(""), 0);
  // Anything outside '!'..'Z' is a space, lower-case letters included.
  EXPECT_EQ(MenuTextWidth("a"), 11);
  EXPECT_EQ(MenuTextWidth("{"), 11);
  EXPECT_EQ(MenuTextWidth("\xE9"), 11);
  EXPECT_EQ(MenuKerning('a', 'v'), 0);
  // Across a space the last letter before it kerns with the next one.
  EXPECT_EQ(MenuTextWidth("A V"), 25 + 11 + 26 - 5);
  EXPECT_EQ(MenuTextWidth("A1V"), 25 + 21 + 26);
}

TEST(MenuTextWidth, TablesHoldEveryWidthAndPair) {
  std::string all;
  for (int c = 33; c <= 90; ++c) all += static_cast<char>(c);
  // Widths of '!'..'Z' add up to 1114; no neighbours in code order are a kerned pair.
  EXPECT_EQ(MenuTextWidth(all), 1114 + 58);
  EXPECT_EQ(MenuCharWidth(' '), 10);
  EXPECT_EQ(MenuCharWidth('@'), 30);
  EXPECT_EQ(MenuCharWidth('M'), 38);
  EXPECT_EQ(MenuCharWidth('W'), 32);
  int pairs = 0;
  int total = 0;
  for (char a = 'A'; a <= 'Z'; ++a)
    for (char b = 'A'; b <= 'Z'; ++b) {
      pairs += MenuKerning(a, b) != 0 ? 1 : 0;
      total += MenuKerning(a, b);
    }
  EXPECT_EQ(pairs, 33);
  EXPECT_EQ(total, 66);
  EXPECT_EQ(MenuKerning('Z', 'O'), 1);
  EXPECT_EQ(MenuKerning('O', 'Z'), 0);
  EXPECT_EQ(MenuKerning('P', 'A'), 2);
}

TEST_F(MenuFontTest, GlowPicturesSkipTheBrightnessPass) {
  EXPECT_TRUE(FindDib("MenuFontBase.bmp")->Loaded());
  EXPECT_FALSE(FindDib("MenuFontBase.bmp")->NoBrightness);
  EXPECT_TRUE(FindDib("MenuFontGlow1.Jpg")->NoBrightness);
  EXPECT_TRUE(FindDib("MenuFontGlow2.Jpg")->NoBrightness);
  EXPECT_FALSE(FindDib("MenuFontGlow1.Jpg")->Loaded());
}

TEST_F(MenuFontTest, LevelChoosesTheLookAndTheGlowFrame) {
  struct tCase {
    int Level;
    int LookX;
    int GlowColumn;  // -1: no glow
  };
  for (const tCase& c : {tCase{0, 11, -1}, tCase{1, 11, 5}, tCase{13, 203, 2}, tCase{40, 203, 0},
                         tCase{-1, kBrightX, -1}, tCase{-7, kBrightX, -1}}) {
    SCOPED_TRACE("level " + std::to_string(c.Level));
    Clear();
    DrawMenuText(100, 100, "A", c.Level);
    ExpectGlyphWithGlow('A', c.LookX, c.GlowColumn);
  }
  // The second glow picture holds 'B' and on; "Z" from x 102 is centred at 112 too.
  Clear();
  DrawMenuText(102, 100, "Z", 13);
  EXPECT_EQ(At(Frame, 91, 54), Glow('Z', 2, 0, 0));
  EXPECT_EQ(At(Frame, 91, 60), SaturatingSum(Glow('Z', 2, 0, 6), Look('Z', 3, 0, 0)));
}

TEST_F(MenuFontTest, GlowFramesBetweenColumnsTakeQuartersOfTheNextColumn) {
  // Level 2 to 4 are frames 1 to 3 between columns 5 and 4; level 20 is frame 19 between
  // columns 1 and 0. The top six rows of the glow box lie above the glyph.
  struct tCase {
    int Level;
    int A;
    int B;
    int FromB;  // of the 6 x 42 pixels
    std::vector<bool> FirstTwoByTwoFromB;
  };
  for (const tCase& c : {tCase{2, 5, 4, 63, {false, true, false, false}},
                         tCase{3, 5, 4, 126, {true, false, false, true}},
                         tCase{4, 5, 4, 189, {true, false, true, true}},
                         tCase{20, 1, 0, 189, {true, false, true, true}}}) {
    SCOPED_TRACE("level " + std::to_string(c.Level));
    Clear();
    DrawMenuText(100, 100, "A", c.Level);
    int fromB = 0;
    for (int dy = 0; dy < 6; ++dy)
      for (int dx = 0; dx < 42; ++dx) {
        const std::uint16_t got = At(Frame, 91 + dx, 54 + dy);
        const bool isB = got == Glow('A', c.B, dx, dy);
        ASSERT_TRUE(isB || got == Glow('A', c.A, dx, dy)) << dx << ", " << dy;
        fromB += isB ? 1 : 0;
        if (dx < 2 && dy < 2) {
          EXPECT_EQ(isB, c.FirstTwoByTwoFromB[dy * 2 + dx]) << dx << ", " << dy;
        }
      }
    EXPECT_EQ(fromB, c.FromB);
  }
}

TEST_F(MenuFontTest, CharactersAdvanceByHalfWidthsLessTheKerning) {
  // "AV" from x 100: A centred at 100 + 12, V at 112 + 12 + 13 - 5 = 132.
  DrawMenuText(100, 100, "AV", 0);
  EXPECT_EQ(At(Frame, 90, 79), 0);
  EXPECT_EQ(At(Frame, 91, 79), Look('A', 0, 0, 19));
  EXPECT_EQ(At(Frame, 152, 79), Look('V', 0, 41, 19));
  EXPECT_EQ(At(Frame, 153, 79), 0);

  // A lower-case letter is an empty space of width 10.
  Clear();
  DrawMenuText(100, 100, "a", 5);
  for (int y = 0; y < Frame.Height(); ++y)
    for (int x = 0; x < Frame.Width(); ++x) ASSERT_EQ(At(Frame, x, y), 0) << x << ", " << y;
  DrawMenuText(100, 100, "aA", 0);  // A centred at 100 + 5 + 5 + 12
  EXPECT_EQ(At(Frame, 101, 79), Look('A', 0, 0, 19));
  EXPECT_EQ(At(Frame, 100, 79), 0);

  // Centred text starts half its measured width to the left.
  tDib16 direct(300, 200);
  {
    tDibTarget target(&direct);
    DrawMenuText(200 - 23, 100, "AV", 3);
  }
  Clear();
  DrawMenuTextCentred(200, 100, "AV", 3);
  for (int y = 0; y < Frame.Height(); ++y)
    for (int x = 0; x < Frame.Width(); ++x) ASSERT_EQ(At(Frame, x, y), At(direct, x, y));
}

TEST_F(MenuFontTest, AltStyleIsDimBelowLevelTenAndBrightFromTen) {
  struct tCase {
    int Level;
    int LookX;
    int GlowColumn;
  };
  // Level 9 is glow frame 8, column 3 alone; 13 is frame 12, column 2 alone.
  for (const tCase& c :
       {tCase{0, kDimX, -1}, tCase{9, kDimX, 3}, tCase{13, kBrightX, 2}, tCase{-2, kBrightX, -1}}) {
    SCOPED_TRACE("level " + std::to_string(c.Level));
    Clear();
    DrawMenuTextAlt(100, 100, "A", c.Level);
    ExpectGlyphWithGlow('A', c.LookX, c.GlowColumn);
  }
  Clear();
  DrawMenuTextAltCentred(100 + 12, 100, "A", 0);  // "A" measures 25: starts at 100
  EXPECT_EQ(At(Frame, 91, 79), Glyph('A', kDimX, 0, 19));
}

}  // namespace
}  // namespace qn2
