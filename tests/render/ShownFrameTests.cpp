#include "render/ShownFrame.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace qn2 {
namespace {

constexpr int W = 200, H = 60, Pitch = 2 * W + 16;  // rows padded, as a surface's may be

struct tFrame {
  std::vector<std::uint8_t> Bytes = std::vector<std::uint8_t>(Pitch * H, 7);
  std::uint16_t& At(int x, int y) {
    return reinterpret_cast<std::uint16_t*>(Bytes.data() + y * Pitch)[x];
  }
};

TEST(ShownFrame, OnlyPixelsThatDifferFromWhatWasShownComeBack) {
  tFrame frame;
  tShownFrame shown;
  shown.ShowAll(frame.Bytes.data(), Pitch, W, H);
  // Rows drawn on but drawn the same: nothing to send.
  EXPECT_TRUE(shown.Changes(frame.Bytes.data(), Pitch, W, H, {{0, H}}).empty());

  frame.At(40, 10) = 1;
  frame.At(47, 10) = 1;
  frame.At(44, 11) = 1;   // the next row, near: the same rectangle
  frame.At(190, 11) = 1;  // the same row, far off: a rectangle of its own
  frame.At(5, 30) = 1;    // a row outside the bands: not looked at
  const std::vector<tRect> changes = shown.Changes(frame.Bytes.data(), Pitch, W, H, {{8, 12}});
  // A row's changes are one span, from its first to its last differing pixel (44..190 on
  // row 11), and that span lies near row 10's, so both rows share one rectangle.
  const std::vector<tRect> expected{{40, 10, 191, 12}};
  EXPECT_EQ(changes, expected);

  // The copy now holds what was sent: asking again about those rows finds nothing.
  EXPECT_TRUE(shown.Changes(frame.Bytes.data(), Pitch, W, H, {{8, 12}}).empty());
  // The pixel left out before is still different from what was shown.
  const std::vector<tRect> late{{5, 30, 6, 31}};
  EXPECT_EQ(shown.Changes(frame.Bytes.data(), Pitch, W, H, {{25, 35}}), late);
}

TEST(ShownFrame, ChangesFarApartOrOnRowsApartAreSeparateRectangles) {
  tFrame frame;
  tShownFrame shown;
  shown.ShowAll(frame.Bytes.data(), Pitch, W, H);
  frame.At(10, 5) = 2;
  frame.At(150, 6) = 2;  // the next row, but far from 10
  frame.At(10, 8) = 2;   // a row between left unchanged
  const std::vector<tRect> expected{{10, 5, 11, 6}, {150, 6, 151, 7}, {10, 8, 11, 9}};
  EXPECT_EQ(shown.Changes(frame.Bytes.data(), Pitch, W, H, {{5, 7}, {8, 9}}), expected);
}

TEST(ShownFrame, WithoutACopyOfThatSizeTheBandsComeBackWhole) {
  tFrame frame;
  tShownFrame shown;
  const std::vector<tRect> whole{{0, 3, W, 9}};
  EXPECT_EQ(shown.Changes(frame.Bytes.data(), Pitch, W, H, {{3, 9}}), whole);
  EXPECT_TRUE(shown.Changes(frame.Bytes.data(), Pitch, W, H, {{3, 9}}).empty());
}

}  // namespace
}  // namespace qn2
