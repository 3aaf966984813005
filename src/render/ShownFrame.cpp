#include "render/ShownFrame.h"

#include <algorithm>
#include <cstring>

namespace qn2 {

namespace {

// Changes closer than this many pixels on neighbouring rows are sent as one rectangle.
constexpr std::int32_t kJoinGap = 32;

const std::uint16_t* Row(const std::uint8_t* pixels, std::int32_t pitch, std::int32_t row) {
  return reinterpret_cast<const std::uint16_t*>(pixels + static_cast<std::ptrdiff_t>(row) * pitch);
}

}  // namespace

void tShownFrame::ShowAll(const std::uint8_t* pixels, std::int32_t pitch, std::int32_t width,
                          std::int32_t height) {
  Width = width;
  Height = height;
  Copy.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::int32_t row = 0; row < height; ++row)
    std::memcpy(Copy.data() + static_cast<std::size_t>(row) * width, Row(pixels, pitch, row),
                static_cast<std::size_t>(width) * sizeof(std::uint16_t));
}

std::vector<tRect> tShownFrame::Changes(const std::uint8_t* pixels, std::int32_t pitch,
                                        std::int32_t width, std::int32_t height,
                                        const tBands& bands) {
  std::vector<tRect> changes;
  if (width != Width || height != Height) {
    ShowAll(pixels, pitch, width, height);
    for (const tDib16::tRowBand& band : bands) changes.push_back({0, band.Top, width, band.Bottom});
    return changes;
  }
  const auto rowBytes = static_cast<std::size_t>(width) * sizeof(std::uint16_t);
  for (const tDib16::tRowBand& band : bands) {
    for (std::int32_t row = std::max(band.Top, 0); row < std::min(band.Bottom, height); ++row) {
      const std::uint16_t* now = Row(pixels, pitch, row);
      std::uint16_t* shown = Copy.data() + static_cast<std::size_t>(row) * width;
      if (std::memcmp(now, shown, rowBytes) == 0) continue;
      std::int32_t left = 0;
      while (now[left] == shown[left]) ++left;
      std::int32_t right = width;
      while (now[right - 1] == shown[right - 1]) --right;
      std::memcpy(shown + left, now + left, static_cast<std::size_t>(right - left) * 2);
      tRect* last = changes.empty() ? nullptr : &changes.back();
      if (last != nullptr && last->Bottom == row && left <= last->Right + kJoinGap &&
          right >= last->Left - kJoinGap) {
        last->Left = std::min(last->Left, left);
        last->Right = std::max(last->Right, right);
        last->Bottom = row + 1;
      } else {
        changes.push_back({left, row, right, row + 1});
      }
    }
  }
  return changes;
}

}  // namespace qn2
