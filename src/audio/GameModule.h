#pragma once

#include <string>

#include "audio/Module.h"
#include "data/ConfigFile.h"

namespace qn2 {

class tGameModule;

// The module that plays now, shared by the game's modules so that starting one stops
// the other.
struct tCurrentModule {
  tGameModule* Module = nullptr;
};

// The master volume 0..128 a module plays at for the music volume setting 0..10; 0
// while music is off.
int MusicMasterVolume(int musicVolume, bool musicOn);

// A piece of the game's music: loaded from the "Music" folder; the one playing is the
// current module, and it plays at the music volume.
class tGameModule : public tModule {
 public:
  tGameModule(tSoundLibrary& library, tCurrentModule& current, const tSettings& settings)
      : tModule(library), Current(current), Config(settings) {}
  // Clears the current module when it is this one.
  ~tGameModule() override;

  // Loads "Music\" + name.
  void Load(const std::string& name) override;
  // Stops the current module, becomes the current module and plays at the music volume.
  void Play() override;

  // The name given to Load, without the folder.
  const std::string& Name() const { return ModuleName; }

 private:
  tCurrentModule& Current;
  const tSettings& Config;
  std::string ModuleName;
};

}  // namespace qn2
