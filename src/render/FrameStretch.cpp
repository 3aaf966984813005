#include "render/FrameStretch.h"

#include <cstring>

namespace qn2 {

tFrameStretch::tFrameStretch(std::int32_t fromWidth, std::int32_t fromHeight, std::int32_t toWidth,
                             std::int32_t toHeight)
    : FromHeight(fromHeight), ToWidth(toWidth), ToHeight(toHeight) {
  Columns.resize(static_cast<std::size_t>(toWidth));
  for (std::int32_t x = 0; x < toWidth; ++x)
    Columns[static_cast<std::size_t>(x)] =
        static_cast<std::int32_t>(static_cast<std::int64_t>(x) * fromWidth / toWidth);
  for (std::uint32_t p = 0; p < 65536; ++p) {
    const std::uint32_t r = p >> 11, g = (p >> 5) & 63, b = p & 31;
    Widened[p] =
        0xFF000000u | ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
  }
}

// Target row y shows frame row y * FromHeight / ToHeight (rounded down).
std::pair<std::int32_t, std::int32_t> tFrameStretch::TargetRows(std::int32_t top,
                                                                std::int32_t bottom) const {
  const auto first = [this](std::int32_t row) {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(row) * ToHeight + FromHeight - 1) /
                                     FromHeight);
  };
  return {first(top), first(bottom)};
}

void tFrameStretch::Stretch(const std::uint8_t* from, std::int32_t fromPitch, std::uint8_t* to,
                            std::int32_t toPitch, std::int32_t top, std::int32_t bottom) const {
  const auto [firstRow, endRow] = TargetRows(top, bottom);
  std::int32_t shownRow = -1;
  const std::uint32_t* shown = nullptr;
  for (std::int32_t y = firstRow; y < endRow; ++y) {
    auto* out = reinterpret_cast<std::uint32_t*>(to + static_cast<std::ptrdiff_t>(y) * toPitch);
    const auto row =
        static_cast<std::int32_t>(static_cast<std::int64_t>(y) * FromHeight / ToHeight);
    if (row == shownRow) {
      // A frame row shown twice: the second target row is a copy of the first.
      std::memcpy(out, shown, static_cast<std::size_t>(ToWidth) * sizeof(std::uint32_t));
      continue;
    }
    const auto* in =
        reinterpret_cast<const std::uint16_t*>(from + static_cast<std::ptrdiff_t>(row) * fromPitch);
    for (std::int32_t x = 0; x < ToWidth; ++x)
      out[x] = Widened[in[Columns[static_cast<std::size_t>(x)]]];
    shownRow = row;
    shown = out;
  }
}

}  // namespace qn2
