#pragma once

#include <cmath>
#include <cstdint>

namespace qn2 {

// Rounds to the nearest integer, ties to even (2.5 -> 2, 3.5 -> 4), as the game's
// arithmetic always has. Relies on the default rounding mode, which the game never changes.
inline std::int32_t Round(double value) {
  return static_cast<std::int32_t>(std::nearbyint(value));
}

// Truncates toward zero (-2.7 -> -2).
inline std::int32_t Trunc(double value) {
  return static_cast<std::int32_t>(std::trunc(value));
}

}  // namespace qn2
