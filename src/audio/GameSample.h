#pragma once

#include <string>

#include "audio/Sample.h"
#include "data/ConfigFile.h"

namespace qn2 {

// The name a sample is loaded under: "samples\" + name when the game's files hold it,
// else the same with the extension ".mp3", else with ".ogg" (whether or not that exists).
std::string GameSampleFileName(const std::string& name);

// The volume 0..255 a sample with the given default volume plays at for the effects
// volume setting 0..10, rounded to the nearest with ties to even.
int EffectsVolume(int defaultVolume, int effectsVolume);

// One of the game's sound effects: loaded from the "samples" folder, silent while the
// effects are off and scaled by the effects volume.
class tGameSample : public tSample {
 public:
  tGameSample(tSoundLibrary& library, const tSettings& settings)
      : tSample(library), Config(settings) {}

  // Loads GameSampleFileName(name), showing "Loading " + that name as the last
  // operation and keeping the window alive first.
  void LoadWav(const std::string& name) override;
  // 0 without playing while the effects are off; otherwise plays with the sample's
  // defaults at the effects volume.
  int Play() override;
  int PlayOnChannel(int channel) override;

 private:
  const tSettings& Config;
};

}  // namespace qn2
