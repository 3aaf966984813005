// The kit the three lantern-lit pieces of Songs.cpp share, all synthesised: a plucked lute
// string, a warm pad, a bell, a round bass, an ocarina-like flute, a frame drum, a shaker
// and a soft kick. The other pieces bring instruments of their own.
#pragma once

#include <vector>

#include "Xm.h"

namespace soundgen {

// 1-based instrument numbers as the patterns use them.
enum tInstrument : int {
  InsPluck = 1,
  InsPad,
  InsBell,
  InsBass,
  InsFlute,
  InsFrameDrum,
  InsShaker,
  InsKick,
};

std::vector<tXmInstrument> MakeInstruments();

}  // namespace soundgen
