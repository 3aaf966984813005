#include "audio/SoundPort.h"

namespace qn2 {

namespace {
tSilentSound SilentSound;
tSoundPort* CurrentSound = &SilentSound;
}  // namespace

tSoundPort& Sound() {
  return *CurrentSound;
}

void SetSound(tSoundPort* port) {
  CurrentSound = port != nullptr ? port : &SilentSound;
}

}  // namespace qn2
