#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/Exception.h"
#include "engine/GameModes.h"

namespace qn2 {

// The modes a menu or pop-up opened over: at most eleven deep.
class tModeStack {
 public:
  static constexpr std::int32_t Size = 11;

  // Raises "GameMode Stack overflow" when eleven modes are held already.
  void Push(tGameMode mode) {
    if (Depth_ > Size - 1) throw Exception("GameMode Stack overflow");
    Modes[static_cast<std::size_t>(Depth_++)] = mode;
  }
  // Raises "GameMode Stack underflow" when empty.
  tGameMode Pop() {
    if (Depth_ < 1) throw Exception("GameMode Stack underflow");
    return Modes[static_cast<std::size_t>(--Depth_)];
  }
  std::int32_t Depth() const { return Depth_; }

 private:
  std::array<tGameMode, Size + 1> Modes{};
  std::int32_t Depth_ = 0;
};

}  // namespace qn2
