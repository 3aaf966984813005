#pragma once

#include <memory>

#include "audio/SoundLibrary.h"

namespace qn2 {

// The sound library on SDL2_mixer. Output type "NO SOUND" opens no device; "WAVEOUT"
// and "DIRECTSOUND" open the platform's audio back-ends (a plain one and SDL's own
// choice). Driver 0 of every list is the system's default device, the others are the
// devices SDL reports. Samples and music are read whole through the file callbacks.
std::unique_ptr<tSoundLibrary> CreateMixerSoundLibrary();

}  // namespace qn2
