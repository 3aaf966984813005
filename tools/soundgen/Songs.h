// The game's music: loopable pieces of one to two minutes, each with its own instruments.
#pragma once

#include <string>
#include <vector>

#include "Xm.h"

namespace soundgen {

struct tSong {
  std::string FileName;
  tXmModule Module;
};

std::vector<tSong> MakeSongs();

// The pieces, each in its own file with its own instruments.
tXmModule BrightMeadow();
tXmModule ShadowWarren();
tXmModule TideCaves();
tXmModule ClockworkDeep();
tXmModule GrandVault();

}  // namespace soundgen
