#include "render/TextService.h"

#include <algorithm>

#include "common/Exception.h"
#include "render/Dib16.h"
#include "render/PixelFormat.h"

namespace qn2 {

tTextService* TextService = nullptr;

tPoint GameTextExtent(std::string_view text) {
  return TextService != nullptr ? TextService->TextExtent(text) : tPoint{};
}

std::int32_t GameFontHeight() {
  return TextService != nullptr ? TextService->FontHeight() : 0;
}

void DrawGameText(tDib16& target, std::int32_t left, std::int32_t top, std::string_view text,
                  std::uint32_t colour) {
  if (TextService != nullptr) TextService->DrawText(target, left, top, text, colour);
}

namespace {

std::uint8_t Mix(std::uint32_t ink, std::uint32_t paper, std::uint32_t alpha) {
  return static_cast<std::uint8_t>((ink * alpha + paper * (255 - alpha) + 127) / 255);
}

}  // namespace

void DrawTextCoverage(tDib16& target, std::int32_t left, std::int32_t top,
                      const tTextCoverage& coverage, std::uint32_t colour) {
  if (coverage.Alpha.size() !=
      static_cast<std::size_t>(coverage.Width) * static_cast<std::size_t>(coverage.Height))
    throw Exception("Text coverage does not match its size");
  const tRect& clip = target.ClipRect;
  const tRect drawn{std::max({left, clip.Left, 0}), std::max({top, clip.Top, 0}),
                    std::min({left + coverage.Width, clip.Right, target.Width()}),
                    std::min({top + coverage.Height, clip.Bottom, target.Height()})};
  if (drawn.Empty()) return;
  const tRgb ink{static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
                 static_cast<std::uint8_t>(colour >> 16)};
  const std::uint16_t solid = MakePixel(ink);
  target.BeginDraw();
  target.AddDirtyRect(drawn);
  for (std::int32_t y = drawn.Top; y < drawn.Bottom; ++y) {
    std::uint16_t* row = target.ScanLine(y);
    const std::uint8_t* alpha = coverage.Alpha.data() +
                                static_cast<std::size_t>(y - top) * coverage.Width +
                                static_cast<std::size_t>(drawn.Left - left);
    for (std::int32_t x = drawn.Left; x < drawn.Right; ++x) {
      const std::uint32_t a = *alpha++;
      if (a == 0) continue;
      if (a == 255) {
        row[x] = solid;
        continue;
      }
      const tRgb paper = SplitPixel(row[x]);
      row[x] = MakePixel(Mix(ink.R, paper.R, a), Mix(ink.G, paper.G, a), Mix(ink.B, paper.B, a));
    }
  }
  target.EndDraw();
}

}  // namespace qn2
