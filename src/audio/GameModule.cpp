#include "audio/GameModule.h"

namespace qn2 {

int MusicMasterVolume(int musicVolume, bool musicOn) {
  if (!musicOn) return 0;
  return musicVolume * 256 / 10 / 2;
}

tGameModule::~tGameModule() {
  if (Current.Module == this) Current.Module = nullptr;
}

void tGameModule::Load(const std::string& name) {
  ModuleName.clear();
  tModule::Load("Music\\" + name);
  ModuleName = name;
}

void tGameModule::Play() {
  if (Current.Module != nullptr) Current.Module->Stop();
  Current.Module = this;
  SetMasterVolume(MusicMasterVolume(Config.MusicVolume, Config.MusicOn));
  tModule::Play();
}

}  // namespace qn2
