#pragma once

#include <cstdint>

namespace qn2 {

// Every picture is held in one 16-bit pixel layout: three channel masks with their shift,
// bit count and divisor (2^(8 - bits), the step between 8-bit values of one level). The
// layout starts as 5-6-5 with red in the top bits. SetPixelLayout changes it; setting the
// display's pixel mode calls it and then rebuilds the colour tables (ColourTables.h) and
// reloads every loaded picture, which this unit does not do.
extern std::uint32_t RedMask, GreenMask, BlueMask;
extern std::int32_t RedShift, GreenShift, BlueShift;
extern std::int32_t RedBits, GreenBits, BlueBits;
extern std::int32_t RedDivisor, GreenDivisor, BlueDivisor;
// True when the masks are exactly 0xF800, 0x07E0, 0x001F. It only selects faster paths
// that give the same results as the general ones.
extern bool Is565;

// Sets the masks and derives bit counts, divisors, shifts and Is565 from them. The shifts
// are found from bit 0 upward: the channel whose mask starts at bit 0, then the channel
// whose mask holds the next free bit, then the last one.
void SetPixelLayout(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask);

struct tRgb {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;

  constexpr bool operator==(const tRgb&) const = default;
};

// Packs 8-bit channels into a pixel; the low bits of each channel are dropped.
inline std::uint16_t MakePixel(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<std::uint16_t>(((r / RedDivisor) << RedShift) +
                                    ((g / GreenDivisor) << GreenShift) +
                                    ((b / BlueDivisor) << BlueShift));
}
inline std::uint16_t MakePixel(tRgb c) {
  return MakePixel(c.R, c.G, c.B);
}

// Unpacks a pixel into 8-bit channels, each level times its divisor (white in 5-6-5 gives
// 248, 252, 248).
inline tRgb SplitPixel(std::uint16_t p) {
  return {static_cast<std::uint8_t>(((p & RedMask) >> RedShift) * RedDivisor),
          static_cast<std::uint8_t>(((p & GreenMask) >> GreenShift) * GreenDivisor),
          static_cast<std::uint8_t>(((p & BlueMask) >> BlueShift) * BlueDivisor)};
}

// One of two pixels without a branch. Pixel loops that write every pixel, the old one where
// nothing shows, compile to many pixels a step; a conditional store or a branch would not.
inline std::uint16_t PickPixel(bool first, std::uint16_t a, std::uint16_t b) {
  const auto all = static_cast<std::uint16_t>(-static_cast<std::int32_t>(first));
  return static_cast<std::uint16_t>((a & all) | (b & ~all));
}

// Adds two pixels channel by channel; a channel that overflows stays at its maximum.
// Works in 32 bits, so a red channel in the top bits is clamped, never wrapped.
inline std::uint16_t SaturatingSum(std::uint16_t s, std::uint16_t d) {
  std::uint32_t r = (s & RedMask) + (d & RedMask);
  std::uint32_t g = (s & GreenMask) + (d & GreenMask);
  std::uint32_t b = (s & BlueMask) + (d & BlueMask);
  if (r > RedMask) r = RedMask;
  if (g > GreenMask) g = GreenMask;
  if (b > BlueMask) b = BlueMask;
  return static_cast<std::uint16_t>(r + g + b);
}

// The same sum for the 5-6-5 layout only, channel by channel in 16-bit arithmetic and
// without a branch: the form a pixel loop compiles to many pixels a step.
inline std::uint16_t SaturatingSum565(std::uint16_t s, std::uint16_t d) {
  auto clamp = [](std::uint16_t v, std::uint16_t top) {
    return static_cast<std::uint16_t>(v > top ? top : v);
  };
  const auto r = clamp(static_cast<std::uint16_t>((s >> 11) + (d >> 11)), 31);
  const auto g = clamp(static_cast<std::uint16_t>(((s >> 5) & 63) + ((d >> 5) & 63)), 63);
  const auto b = clamp(static_cast<std::uint16_t>((s & 31) + (d & 31)), 31);
  return static_cast<std::uint16_t>((r << 11) | (g << 5) | b);
}

// Runs body once with the saturating sum of the current layout as a callable, so a pixel
// loop in body is compiled once per path and decides the layout only once:
//   WithSaturatingSum([&](auto sum) { ... d = sum(s, d); ... });
template <class Body>
inline void WithSaturatingSum(Body&& body) {
  if (Is565)
    body([](std::uint16_t s, std::uint16_t d) { return SaturatingSum565(s, d); });
  else
    body([](std::uint16_t s, std::uint16_t d) { return SaturatingSum(s, d); });
}

}  // namespace qn2
