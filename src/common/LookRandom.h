#pragma once

#include <cstdint>

namespace qn2 {

// The one pseudo-random generator of the game. It only picks looks (animation phases,
// idle pictures, flicker, lightning shapes); no game decision may depend on it, so a
// recorded input replays identically whatever it returns.
class tLookRandom {
 public:
  explicit tLookRandom(std::uint64_t seed = 0x5EED0F0A11u) { Seed(seed); }

  void Seed(std::uint64_t seed);
  // Next raw 32-bit value.
  std::uint32_t Next();
  // A value in 0 .. range - 1; 0 when range is 0 or less.
  std::int32_t Below(std::int32_t range);
  // A value in [0, 1).
  double Fraction();

 private:
  std::uint64_t State = 0;
};

// The generator the game's looks draw from.
extern tLookRandom LookRandom;

}  // namespace qn2
