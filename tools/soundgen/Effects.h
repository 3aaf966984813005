// The game's sound effects, each made from noise, oscillators, envelopes and filters.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Synth.h"

namespace soundgen {

struct tEffect {
  std::string FileName;  // exactly as the game asks for it
  std::function<Buffer()> Make;
  double PeakDb;  // loudest sample after normalising
  bool Loops;     // plays over and over, so it must not fade at its ends
};

// Every sample the game loads, in the game's load order (menus, player, other units).
const std::vector<tEffect>& Effects();

// Renders one effect, normalised and quiet at its ends unless it loops.
Buffer RenderEffect(const tEffect& effect);

}  // namespace soundgen
