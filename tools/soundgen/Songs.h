// The game's music: three slow, loopable pieces for lantern-lit ruins.
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

}  // namespace soundgen
