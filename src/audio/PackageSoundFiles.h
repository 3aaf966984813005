#pragma once

#include "audio/SoundLibrary.h"

namespace qn2 {

// File callbacks that open the sound library's files through the game's file lookup:
// the search folders on disk first, then the mounted packages. Opening a name found
// nowhere raises EFileMissing.
tSoundFileCallbacks PackageSoundFileCallbacks();

}  // namespace qn2
