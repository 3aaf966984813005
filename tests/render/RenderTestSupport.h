#pragma once

#include <cstdint>
#include <functional>

#include "render/Dib16.h"
#include "render/PixelFormat.h"

namespace qn2::test {

inline void Paint(tDib16& dib, const std::function<std::uint16_t(int x, int y)>& colour) {
  for (int y = 0; y < dib.Height(); ++y)
    for (int x = 0; x < dib.Width(); ++x) dib.ScanLine(y)[x] = colour(x, y);
}

inline std::uint16_t At(tDib16& dib, int x, int y) {
  return dib.ScanLine(y)[x];
}

// Puts the default 5-6-5 layout back when a test that changed it ends.
struct tLayout565Guard {
  ~tLayout565Guard() { SetPixelLayout(0xF800, 0x07E0, 0x001F); }
};

}  // namespace qn2::test
