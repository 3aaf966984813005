#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace qn2 {

enum class tDirection : std::uint8_t { Up = 0, Right = 1, Down = 2, Left = 3 };

struct tCellOffset {
  int DX;
  int DY;
};

// Cell offset of one step in each direction: Up (0, -1), Right (+1, 0), Down (0, +1), Left (-1, 0).
constexpr tCellOffset DirectionOffset(tDirection d) {
  constexpr std::array<tCellOffset, 4> offsets{{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};
  return offsets[static_cast<std::size_t>(d) & 3];
}

constexpr tDirection Opposite(tDirection d) {
  return static_cast<tDirection>((static_cast<int>(d) + 2) & 3);
}

// Identifiers of the directions as level files store them.
const std::vector<std::string>& DirectionNames();

// A set of directions, stored as bits (bit n for direction value n).
class tDirectionSet {
 public:
  constexpr tDirectionSet() = default;
  constexpr tDirectionSet(std::initializer_list<tDirection> dirs) {
    for (tDirection d : dirs) Include(d);
  }
  static constexpr tDirectionSet FromBits(std::uint8_t bits) {
    tDirectionSet s;
    s.Bits = bits & 0x0F;
    return s;
  }

  constexpr void Include(tDirection d) { Bits |= Bit(d); }
  constexpr void Exclude(tDirection d) { Bits &= static_cast<std::uint8_t>(~Bit(d)); }
  constexpr bool Contains(tDirection d) const { return (Bits & Bit(d)) != 0; }
  constexpr bool Empty() const { return Bits == 0; }
  constexpr std::uint8_t ToBits() const { return Bits; }
  constexpr bool operator==(const tDirectionSet&) const = default;

 private:
  static constexpr std::uint8_t Bit(tDirection d) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(d));
  }
  std::uint8_t Bits = 0;
};

}  // namespace qn2
