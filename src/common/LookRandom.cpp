#include "common/LookRandom.h"

namespace qn2 {

tLookRandom LookRandom;

void tLookRandom::Seed(std::uint64_t seed) {
  State = seed;
}

// SplitMix64: small, fast and good enough for picking animation frames.
std::uint32_t tLookRandom::Next() {
  State += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = State;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  return static_cast<std::uint32_t>(z >> 32);
}

std::int32_t tLookRandom::Below(std::int32_t range) {
  if (range <= 0) return 0;
  return static_cast<std::int32_t>(
      (static_cast<std::uint64_t>(Next()) * static_cast<std::uint32_t>(range)) >> 32);
}

double tLookRandom::Fraction() {
  return Next() / 4294967296.0;
}

}  // namespace qn2
