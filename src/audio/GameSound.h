#pragma once

#include <array>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "audio/FocusFade.h"
#include "audio/GameModule.h"
#include "audio/GameSample.h"
#include "audio/SoundLibrary.h"
#include "audio/SoundPort.h"
#include "common/OwnerList.h"

namespace qn2 {

// The game's sound: brings the sound library up and down, holds every sound effect of
// the game and the level's music, and fades both while the game is in the background.
// The settings in force decide the output type, the switches and the volumes. The
// library must outlive this object.
class tGameSound : public tSoundPort {
 public:
  // Installs the file callbacks that read the game's files (disk, then package).
  explicit tGameSound(tSoundLibrary& library);
  ~tGameSound() override;
  tGameSound(const tGameSound&) = delete;
  tGameSound& operator=(const tGameSound&) = delete;

  // Lists the drivers of each output type; done once before the library is initialised.
  void FillDriverLists();
  // The drivers of an output type (empty for an unknown type).
  const std::vector<std::string>& DriverNames(int outputType) const;

  // Opens the output chosen by the settings (retrying once with the default driver),
  // sets the effects to full and loads every sample: the player's, the units', the
  // menus'. A sample that cannot be loaded raises.
  void InitAudio();
  // Frees the player's, the units' and the menus' samples and closes the library.
  void ShutDownAudio();
  // Shuts audio down and brings it up again, playing the music that was loaded before.
  void ReinitAudio();

  // Once per frame event: fades the effects with the application's focus and the music
  // with the game window's.
  void FocusFade(bool applicationActive, bool windowActive);
  int EffectsFadeLevel() const { return Fade.Effects(); }

  // Plays a sample by the name the game uses ("CollectGem.Wav"; letter case does not
  // matter). 0 while the effects are off; -1 when nothing plays because the library gave
  // no channel or the sample is not loaded — the game goes on in silence.
  int PlaySample(const std::string& name) override;
  void SetChannelVolume(int channel, int volume) override;
  void StopChannel(int channel) override;
  // False when "Music\" + name cannot be loaded; the level then has no music.
  bool LoadMusic(const std::string& name) override;
  // A module the library cannot play stays silent.
  void PlayMusic() override;
  void StopMusic() override;
  void UnloadMusic() override;

 private:
  using tSampleList = tOwnerList<tGameSample>;
  void LoadSamples(tSampleList& list, std::span<const char* const> names);
  void FreeSamples(tSampleList& list);

  tSoundLibrary& Library;
  tCurrentModule Current;
  std::array<std::vector<std::string>, OutputTypeCount> DriverLists;
  const std::vector<std::string> NoDrivers;
  tSampleList PlayerSamples;
  tSampleList UnitSamples;
  tSampleList MenuSamples;
  std::map<std::string, tGameSample*> SamplesByName;  // by lower-case name
  std::unique_ptr<tGameModule> Music;
  tFocusFade Fade;
};

}  // namespace qn2
