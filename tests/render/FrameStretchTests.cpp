#include "render/FrameStretch.h"

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace qn2 {
namespace {

constexpr int FromW = 64, FromH = 48, ToW = 102, ToH = 77;

std::vector<std::uint16_t> Frame() {
  std::vector<std::uint16_t> pixels(FromW * FromH);
  for (int i = 0; i < FromW * FromH; ++i)
    pixels[i] = static_cast<std::uint16_t>(i * 2654435761u >> 7);
  return pixels;
}

std::vector<std::uint32_t> Stretched(const tFrameStretch& stretch,
                                     const std::vector<std::uint16_t>& frame,
                                     const std::vector<std::pair<int, int>>& bands) {
  std::vector<std::uint32_t> out(ToW * ToH, 0x12345678);
  for (auto [top, bottom] : bands)
    stretch.Stretch(reinterpret_cast<const std::uint8_t*>(frame.data()), FromW * 2,
                    reinterpret_cast<std::uint8_t*>(out.data()), ToW * 4, top, bottom);
  return out;
}

// Bands stretched one by one give exactly the whole frame stretched at once, and every
// target row belongs to exactly one band.
TEST(FrameStretch, BandsMatchTheWholeFrameAndCoverEveryTargetRowOnce) {
  const tFrameStretch stretch(FromW, FromH, ToW, ToH);
  const std::vector<std::uint16_t> frame = Frame();
  const auto whole = Stretched(stretch, frame, {{0, FromH}});
  EXPECT_EQ(Stretched(stretch, frame, {{0, 1}, {1, 17}, {17, 18}, {18, 47}, {47, 48}}), whole);
  int next = 0;
  for (auto [top, bottom] : {std::pair{0, 5}, std::pair{5, 6}, std::pair{6, 48}}) {
    const auto [first, end] = stretch.TargetRows(top, bottom);
    EXPECT_EQ(first, next);
    next = end;
  }
  EXPECT_EQ(next, ToH);
  // Nearest pixel: target (x, y) shows frame (x * 64 / 102, y * 48 / 77).
  const std::uint16_t corner = frame[(76 * 48 / 77) * FromW + 101 * 64 / 102];
  EXPECT_EQ(whole[76 * ToW + 101], Stretched(tFrameStretch(1, 1, 1, 1), {corner}, {{0, 1}})[0]);
}

// A rectangle stretched on its own writes exactly its target rectangle, with the pixels the
// whole frame stretched at once has there; at the frame's own size it is a plain widening.
TEST(FrameStretch, ARectangleWritesItsOwnPartOfTheWholeFrameAndNothingElse) {
  const std::vector<std::uint16_t> frame = Frame();
  for (auto [toW, toH] : {std::pair{ToW, ToH}, std::pair{FromW, FromH}}) {
    const tFrameStretch stretch(FromW, FromH, toW, toH);
    auto stretched = [&](const tRect& part) {
      std::vector<std::uint32_t> out(toW * toH, 0x12345678);
      stretch.Stretch(reinterpret_cast<const std::uint8_t*>(frame.data()), FromW * 2,
                      reinterpret_cast<std::uint8_t*>(out.data()), toW * 4, part);
      return out;
    };
    const auto whole = stretched({0, 0, FromW, FromH});
    const tRect part{13, 7, 41, 30};
    const tRect target = stretch.TargetRect(part);
    const auto alone = stretched(part);
    for (int y = 0; y < toH; ++y)
      for (int x = 0; x < toW; ++x) {
        const bool inside =
            x >= target.Left && x < target.Right && y >= target.Top && y < target.Bottom;
        ASSERT_EQ(alone[y * toW + x], inside ? whole[y * toW + x] : 0x12345678u)
            << toW << " wide, at " << x << ", " << y;
      }
  }
  EXPECT_EQ(tFrameStretch(FromW, FromH, FromW, FromH).TargetRect({13, 7, 41, 30}),
            (tRect{13, 7, 41, 30}));
}

TEST(FrameStretch, LevelsWidenByRepeatingTheirTopBits) {
  const tFrameStretch one(1, 1, 1, 1);
  auto widened = [&](std::uint16_t pixel) {
    std::uint32_t out = 0;
    one.Stretch(reinterpret_cast<const std::uint8_t*>(&pixel), 2,
                reinterpret_cast<std::uint8_t*>(&out), 4, 0, 1);
    return out;
  };
  EXPECT_EQ(widened(0xFFFF), 0xFFFFFFFFu);
  EXPECT_EQ(widened(0x0000), 0xFF000000u);
  EXPECT_EQ(widened(0xF800), 0xFFFF0000u);
  EXPECT_EQ(widened(0x07E0), 0xFF00FF00u);
  EXPECT_EQ(widened(0x0010), 0xFF000084u);  // blue 16 of 31: 1000 0100
}

}  // namespace
}  // namespace qn2
