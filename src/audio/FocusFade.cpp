#include "audio/FocusFade.h"

#include <algorithm>

namespace qn2 {

void tFocusFade::Step(bool applicationActive, bool windowActive, const tSettings& settings,
                      tSoundLibrary& library, tGameModule* current) {
  if (applicationActive)
    EffectsLevel = std::min(255, EffectsLevel + 15);
  else
    EffectsLevel = std::max(0, EffectsLevel - 6);
  library.SetSfxMasterVolume(EffectsLevel);

  // The music starts out at its setting, so a game started in the background steps
  // down from there rather than falling silent at once.
  if (!MusicLevelKnown) {
    MusicLevel = settings.MusicVolume;
    MusicLevelKnown = true;
  }
  if (settings.MusicOn) {
    if (applicationActive && windowActive) {
      IdleTicks = 0;
      if (settings.MusicVolume != MusicLevel || !MusicWasOn) {
        MusicLevel = settings.MusicVolume;
        ApplyMusic(current);
      }
    } else {
      ++IdleTicks;
      if (IdleTicks % 8 == 7) {
        MusicLevel = std::max(0, MusicLevel - 1);
        ApplyMusic(current);
      }
    }
  } else if (current != nullptr && MusicWasOn) {
    current->SetMasterVolume(0);
  }
  MusicWasOn = settings.MusicOn;
}

void tFocusFade::ApplyMusic(tGameModule* current) const {
  if (current != nullptr) current->SetMasterVolume(MusicMasterVolume(MusicLevel, true));
}

}  // namespace qn2
