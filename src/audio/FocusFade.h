#pragma once

#include "audio/GameModule.h"
#include "audio/SoundLibrary.h"
#include "data/ConfigFile.h"

namespace qn2 {

// Quietens the game while the player works in another window: once per frame event the
// effects fade out (6 a tick) while the application is inactive and back in (15 a tick)
// when it returns; the music steps down one tenth every 8 ticks while the game window
// is not the active window and jumps back to its setting when it is.
class tFocusFade {
 public:
  // Sets the effects to full, as after the library is initialised.
  void ResetEffects() { EffectsLevel = 255; }

  void Step(bool applicationActive, bool windowActive, const tSettings& settings,
            tSoundLibrary& library, tGameModule* current);

  int Effects() const { return EffectsLevel; }
  // The music volume step 0..10 last applied to the current module.
  int Music() const { return MusicLevel; }

 private:
  void ApplyMusic(tGameModule* current) const;

  int EffectsLevel = 255;
  int IdleTicks = 0;
  int MusicLevel = 0;
  bool MusicLevelKnown = false;
  bool MusicWasOn = false;  // the music switch when a level was last applied
};

}  // namespace qn2
