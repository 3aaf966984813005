#include "platform/TtfTextService.h"

#include <string>

#include <gtest/gtest.h>

#include "common/Exception.h"
#include "render/Dib16.h"
#include "render/PixelFormat.h"

namespace qn2 {
namespace {

std::uint16_t PixelAt(tDib16& dib, int x, int y) {
  return dib.ScanLine(y)[x];
}

class TtfTextServiceTest : public ::testing::Test {
 protected:
  tTtfTextService Text;
};

TEST_F(TtfTextServiceTest, LinesAreAtMostTwentyPixelsAndWiderTextMeasuresWider) {
  const std::int32_t height = Text.FontHeight();
  EXPECT_LE(height, 20);
  EXPECT_GE(height, 17);
  EXPECT_EQ(Text.FontFile(), "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
  const tPoint i = Text.TextExtent("I");
  const tPoint word = Text.TextExtent("WALL");
  const tPoint words = Text.TextExtent("WALL WALL");
  EXPECT_GT(i.X, 0);
  EXPECT_GT(word.X, i.X);
  EXPECT_GT(words.X, word.X);
  EXPECT_EQ(word.Y, height);
  EXPECT_EQ(Text.TextExtent(""), (tPoint{0, height}));
}

TEST_F(TtfTextServiceTest, DrawsInsideItsBoxOnlyInTheColourGiven) {
  tDib16 target(200, 60);
  target.TrackDirty = true;
  const tPoint extent = Text.TextExtent("Hello");
  Text.DrawText(target, 10, 5, "Hello", 0x0000FF);  // red
  const tRect box{10, 5, 10 + extent.X, 5 + extent.Y};
  int covered = 0;
  for (int y = 0; y < target.Height(); ++y)
    for (int x = 0; x < target.Width(); ++x) {
      const std::uint16_t p = PixelAt(target, x, y);
      const bool inBox = x >= box.Left && x < box.Right && y >= box.Top && y < box.Bottom;
      if (!inBox) {
        ASSERT_EQ(p, 0) << x << ", " << y;
      }
      const tRgb c = SplitPixel(p);
      EXPECT_EQ(c.G, 0);
      EXPECT_EQ(c.B, 0);
      covered += p == MakePixel(255, 0, 0) ? 1 : 0;
    }
  EXPECT_GT(covered, 20);
  ASSERT_EQ(target.DirtyRects().size(), 1u);
  EXPECT_EQ(target.DirtyRects()[0], box);
}

TEST_F(TtfTextServiceTest, StaysInsideTheClipRect) {
  tDib16 target(120, 40);
  target.ClipRect = {20, 0, 100, 40};
  Text.DrawText(target, 0, 0, "WWWWWWWWWWWW", 0xFFFFFF);
  int inside = 0;
  for (int y = 0; y < target.Height(); ++y)
    for (int x = 0; x < target.Width(); ++x) {
      const bool clipped = x < 20 || x >= 100;
      if (clipped) {
        ASSERT_EQ(PixelAt(target, x, y), 0) << x << ", " << y;
      }
      inside += !clipped && PixelAt(target, x, y) != 0 ? 1 : 0;
    }
  EXPECT_GT(inside, 0);
}

TEST_F(TtfTextServiceTest, GameTextIsLatin1) {
  EXPECT_EQ(Latin1ToUtf8("A\xE9\xFF~"), "A\xC3\xA9\xC3\xBF~");
  EXPECT_EQ(Latin1ToUtf8(""), "");
  // An accented letter measures as its letter, not as an undecodable byte.
  EXPECT_EQ(Text.TextExtent("\xE9").X, Text.TextExtent("e").X);
  EXPECT_EQ(Text.TextExtent("\xC9t\xE9").X, Text.TextExtent("Ete").X);
}

TEST(TtfTextServiceFonts, FallsBackToTheNextFileAndNamesEveryFileWhenNoneOpens) {
  const tTtfTextService fallback(
      {"/nonexistent/Missing.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"});
  EXPECT_EQ(fallback.FontFile(), "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
  try {
    tTtfTextService none({"/nonexistent/One.ttf", "/nonexistent/Two.ttf"});
    FAIL() << "no exception";
  } catch (const Exception& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find("/nonexistent/One.ttf"), std::string::npos) << message;
    EXPECT_NE(message.find("/nonexistent/Two.ttf"), std::string::npos) << message;
  }
}

}  // namespace
}  // namespace qn2
