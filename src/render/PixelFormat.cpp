#include "render/PixelFormat.h"

#include <bit>
#include <cmath>

#include "common/Rounding.h"

namespace qn2 {

std::uint32_t RedMask = 0xF800, GreenMask = 0x07E0, BlueMask = 0x001F;
std::int32_t RedShift = 11, GreenShift = 5, BlueShift = 0;
std::int32_t RedBits = 5, GreenBits = 6, BlueBits = 5;
std::int32_t RedDivisor = 8, GreenDivisor = 4, BlueDivisor = 8;
bool Is565 = true;

namespace {

std::int32_t DivisorFor(std::int32_t bits) {
  // A channel wider than 8 bits would round to 0; keep 1 so MakePixel never divides by 0.
  std::int32_t divisor = Round(std::ldexp(1.0, 8 - bits));
  return divisor < 1 ? 1 : divisor;
}

bool BitSet(std::uint32_t mask, std::int32_t position) {
  return position >= 0 && position < 32 && ((mask >> position) & 1u) != 0;
}

struct tChannel {
  std::uint32_t Mask;
  std::int32_t Bits;
  std::int32_t* Shift;
};

}  // namespace

void SetPixelLayout(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask) {
  // Pixels are 16 bits wide; higher mask bits mean nothing.
  RedMask = redMask & 0xFFFFu;
  GreenMask = greenMask & 0xFFFFu;
  BlueMask = blueMask & 0xFFFFu;
  Is565 = RedMask == 0xF800 && GreenMask == 0x07E0 && BlueMask == 0x001F;

  RedBits = std::popcount(RedMask);
  GreenBits = std::popcount(GreenMask);
  BlueBits = std::popcount(BlueMask);
  RedDivisor = DivisorFor(RedBits);
  GreenDivisor = DivisorFor(GreenBits);
  BlueDivisor = DivisorFor(BlueBits);

  // Channels in the order the search checks them: blue, green, then red.
  const tChannel channels[3] = {{BlueMask, BlueBits, &BlueShift},
                                {GreenMask, GreenBits, &GreenShift},
                                {RedMask, RedBits, &RedShift}};
  // The lowest channel is the first whose mask holds nothing above its bit count.
  const tChannel* lowest = &channels[2];
  for (const tChannel& c : channels) {
    if ((c.Mask >> c.Bits) == 0) {
      lowest = &c;
      break;
    }
  }
  *lowest->Shift = 0;
  std::int32_t position = lowest->Bits;
  // Then the channel holding the next bit up, twice (red when no mask holds it).
  for (int step = 0; step < 2; ++step) {
    const tChannel* owner = &channels[2];
    for (const tChannel& c : channels) {
      if (BitSet(c.Mask, position)) {
        owner = &c;
        break;
      }
    }
    *owner->Shift = position;
    position += owner->Bits;
  }
}

}  // namespace qn2
