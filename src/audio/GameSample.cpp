#include "audio/GameSample.h"

#include "assets/SampleNames.h"
#include "common/KeepAlive.h"
#include "common/LastMessage.h"
#include "common/Rounding.h"
#include "data/PackageFiles.h"

namespace qn2 {

namespace {

// The name with everything from the last "." of its file part replaced by extension.
std::string ChangeExtension(const std::string& name, const std::string& extension) {
  const std::size_t dot = name.find_last_of(".\\");
  if (dot == std::string::npos || name[dot] != '.') return name + extension;
  return name.substr(0, dot) + extension;
}

}  // namespace

std::string GameSampleFileName(const std::string& name) {
  std::string fileName = std::string(samples::Folder) + "\\" + name;
  if (PackagedFileExists(fileName)) return fileName;
  fileName = ChangeExtension(fileName, ".mp3");
  if (PackagedFileExists(fileName)) return fileName;
  return ChangeExtension(fileName, ".ogg");
}

int EffectsVolume(int defaultVolume, int effectsVolume) {
  return Round(defaultVolume * effectsVolume / 10.0);
}

void tGameSample::LoadWav(const std::string& name) {
  const std::string fileName = GameSampleFileName(name);
  LastMessage = "Loading " + fileName;
  KeepAlive();
  tSample::LoadWav(fileName);
}

int tGameSample::Play() {
  if (!Config.SoundOn) return 0;
  const tSampleDefaults defaults = GetDefaults();
  return PlayAttrib(defaults.Frequency, EffectsVolume(defaults.Volume, Config.SoundVolume),
                    defaults.Pan);
}

int tGameSample::PlayOnChannel(int channel) {
  if (!Config.SoundOn) return 0;
  const tSampleDefaults defaults = GetDefaults();
  return PlayAttribOnChannel(channel, defaults.Frequency,
                             EffectsVolume(defaults.Volume, Config.SoundVolume), defaults.Pan);
}

}  // namespace qn2
