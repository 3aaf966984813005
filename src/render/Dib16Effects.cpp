// Whole-surface effects and filled rectangles of tDib16.
#include <algorithm>
#include <vector>

#include "render/Dib16.h"
#include "render/PixelFormat.h"

namespace qn2 {

void tDib16::FillSurface(std::uint16_t colour) {
  const std::int32_t pairedWidth = Width() & ~1;
  for (std::int32_t y = 0; y < Height(); ++y) {
    std::uint16_t* row = ScanLine(y);
    for (std::int32_t x = 0; x < pairedWidth; x += 2) {
      row[x] = colour;
      row[x + 1] = colour;
    }
  }
}

void tDib16::DarkenSurface(std::int32_t pattern, const tPixelTable& table) {
  if (pattern < 0 || pattern > 2) return;
  const std::int32_t halfWidth = Width() / 2;
  for (std::int32_t y = 0; y < Height(); ++y) {
    std::uint16_t* row = ScanLine(y);
    if (pattern == 2) {
      for (std::int32_t x = 0; x < Width(); ++x) row[x] = table[row[x]];
      continue;
    }
    // A checkerboard: pattern 0 the squares where column + row is even, 1 the others.
    const std::int32_t first = pattern == 0 ? y % 2 : 1 - y % 2;
    for (std::int32_t i = 0; i < halfWidth; ++i) {
      std::uint16_t& p = row[first + 2 * i];
      p = table[p];
    }
  }
}

void tDib16::FadeSurface(const tPixelTable& table) {
  for (std::int32_t y = 0; y < Height(); ++y) {
    std::uint16_t* row = ScanLine(y);
    for (std::int32_t x = 0; x < Width(); ++x) row[x] = table[row[x]];
  }
}

void tDib16::MakeGreyscale() {
  std::vector<std::uint16_t> grey((GreenMask >> GreenShift) + 1);
  for (std::size_t level = 0; level < grey.size(); ++level) {
    const auto c = static_cast<std::uint8_t>(level * static_cast<std::size_t>(GreenDivisor));
    grey[level] = MakePixel(c, c, c);
  }
  for (std::int32_t y = 0; y < Height(); ++y) {
    std::uint16_t* row = ScanLine(y);
    for (std::int32_t x = 0; x < Width(); ++x) row[x] = grey[(row[x] & GreenMask) >> GreenShift];
  }
}

void tDib16::MakeHalfSizeFrom(tDib16& source) {
  const std::int32_t width = source.Width() / 2;
  const std::int32_t height = source.Height() / 2;
  if (width != Width() || height != Height()) Resize(width, height);
  // Each channel: the average of four, squared and scaled back to 8 bits.
  auto shade = [](int a, int b, int c, int d) {
    const int average = (a + b + c + d) / 4;
    return static_cast<std::uint8_t>(average * average / 256);
  };
  for (std::int32_t y = 0; y < height; ++y) {
    std::uint16_t* dest = ScanLine(y);
    const std::uint16_t* upper = source.ScanLine(2 * y);
    const std::uint16_t* lower = source.ScanLine(2 * y + 1);
    for (std::int32_t x = 0; x < width; ++x) {
      const tRgb p1 = SplitPixel(upper[2 * x]);
      const tRgb p2 = SplitPixel(upper[2 * x + 1]);
      const tRgb p3 = SplitPixel(lower[2 * x]);
      const tRgb p4 = SplitPixel(lower[2 * x + 1]);
      dest[x] = MakePixel(shade(p1.R, p2.R, p3.R, p4.R), shade(p1.G, p2.G, p3.G, p4.G),
                          shade(p1.B, p2.B, p3.B, p4.B));
    }
  }
}

void tDib16::AddColourRect(const tRect& rect, std::uint16_t colour) {
  BeginDraw();
  AddDirtyRect(rect);
  const std::int32_t left = std::max(rect.Left, ClipRect.Left);
  const std::int32_t top = std::max(rect.Top, ClipRect.Top);
  const std::int32_t right = std::min(rect.Right, ClipRect.Right);
  const std::int32_t bottom = std::min(rect.Bottom, ClipRect.Bottom);
  WithSaturatingSum([&](auto sum) {
    for (std::int32_t y = top; y < bottom; ++y) {
      std::uint16_t* row = ScanLine(y);
      for (std::int32_t x = left; x < right; ++x) row[x] = sum(row[x], colour);
    }
  });
  EndDraw();
}

}  // namespace qn2
