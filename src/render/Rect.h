#pragma once

#include <cstdint>

namespace qn2 {

// A rectangle of pixels: Left and Top are the first columns and rows inside it, Right and
// Bottom the first ones outside it.
struct tRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;

  constexpr bool Empty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool operator==(const tRect&) const = default;
};

struct tPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;

  constexpr bool operator==(const tPoint&) const = default;
};

}  // namespace qn2
