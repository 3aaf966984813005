#include "render/FrameStretch.h"

#include <cstring>

namespace qn2 {

namespace {

// 5-6-5 to 0xFFRRGGBB, each level's top bits repeated below it; plain arithmetic, so a row
// of pixels compiles to many pixels a step.
inline std::uint32_t Widen(std::uint32_t p) {
  const std::uint32_t r = p >> 11, g = (p >> 5) & 63, b = p & 31;
  return 0xFF000000u | ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

// The first of count target places that shows source place i, for i in [0, sourceCount].
std::int32_t FirstShowing(std::int32_t i, std::int32_t sourceCount, std::int32_t count) {
  return static_cast<std::int32_t>((static_cast<std::int64_t>(i) * count + sourceCount - 1) /
                                   sourceCount);
}

}  // namespace

tFrameStretch::tFrameStretch(std::int32_t fromWidth, std::int32_t fromHeight, std::int32_t toWidth,
                             std::int32_t toHeight)
    : FromWidth(fromWidth), FromHeight(fromHeight), ToWidth(toWidth), ToHeight(toHeight) {
  Columns.resize(static_cast<std::size_t>(toWidth));
  for (std::int32_t x = 0; x < toWidth; ++x)
    Columns[static_cast<std::size_t>(x)] =
        static_cast<std::int32_t>(static_cast<std::int64_t>(x) * fromWidth / toWidth);
}

// Target row y shows frame row y * FromHeight / ToHeight (rounded down), and so for columns.
std::pair<std::int32_t, std::int32_t> tFrameStretch::TargetRows(std::int32_t top,
                                                                std::int32_t bottom) const {
  return {FirstShowing(top, FromHeight, ToHeight), FirstShowing(bottom, FromHeight, ToHeight)};
}

tRect tFrameStretch::TargetRect(const tRect& frame) const {
  const auto [top, bottom] = TargetRows(frame.Top, frame.Bottom);
  return {FirstShowing(frame.Left, FromWidth, ToWidth), top,
          FirstShowing(frame.Right, FromWidth, ToWidth), bottom};
}

void tFrameStretch::Stretch(const std::uint8_t* from, std::int32_t fromPitch, std::uint8_t* to,
                            std::int32_t toPitch, const tRect& frame) const {
  const tRect target = TargetRect(frame);
  const auto width = static_cast<std::size_t>(target.Right - target.Left);
  const bool sameWidth = FromWidth == ToWidth;
  std::int32_t shownRow = -1;
  const std::uint32_t* shown = nullptr;
  for (std::int32_t y = target.Top; y < target.Bottom; ++y) {
    auto* out = reinterpret_cast<std::uint32_t*>(to + static_cast<std::ptrdiff_t>(y) * toPitch) +
                target.Left;
    const auto row =
        static_cast<std::int32_t>(static_cast<std::int64_t>(y) * FromHeight / ToHeight);
    if (row == shownRow) {
      // A frame row shown twice: the second target row is a copy of the first.
      std::memcpy(out, shown, width * sizeof(std::uint32_t));
      continue;
    }
    const auto* in =
        reinterpret_cast<const std::uint16_t*>(from + static_cast<std::ptrdiff_t>(row) * fromPitch);
    if (sameWidth) {
      for (std::size_t x = 0; x < width; ++x) out[x] = Widen(in[target.Left + x]);
    } else {
      const std::int32_t* columns = Columns.data() + target.Left;
      for (std::size_t x = 0; x < width; ++x) out[x] = Widen(in[columns[x]]);
    }
    shownRow = row;
    shown = out;
  }
}

}  // namespace qn2
