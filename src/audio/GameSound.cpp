#include "audio/GameSound.h"

#include <string_view>

#include "assets/SampleNames.h"
#include "audio/PackageSoundFiles.h"
#include "audio/SoundErrors.h"
#include "common/KeepAlive.h"
#include "common/LastMessage.h"
#include "common/Text.h"
#include "data/ConfigFile.h"

namespace qn2 {

namespace {

constexpr int MixRate = 44100;
constexpr int MixChannels = 64;

// The burning fuse sounds for as long as the bomb burns, so it plays over and over
// until the bomb stops it.
bool Loops(std::string_view name) {
  return SameTextIgnoringCase(name, samples::CherryBombFuse);
}

}  // namespace

tGameSound::tGameSound(tSoundLibrary& library) : Library(library) {
  Library.SetFileCallbacks(PackageSoundFileCallbacks());
}

tGameSound::~tGameSound() {
  if (&Sound() == this) SetSound(nullptr);
  Music.reset();
  FreeSamples(PlayerSamples);
  FreeSamples(UnitSamples);
  FreeSamples(MenuSamples);
}

void tGameSound::FillDriverLists() {
  for (int outputType = 0; outputType < OutputTypeCount; ++outputType) {
    std::vector<std::string>& list = DriverLists[static_cast<std::size_t>(outputType)];
    list.clear();
    Library.SetOutput(outputType);
    const int count = Library.GetNumDrivers();
    for (int driver = 0; driver < count; ++driver) list.push_back(Library.GetDriverName(driver));
  }
}

const std::vector<std::string>& tGameSound::DriverNames(int outputType) const {
  if (outputType < 0 || outputType >= OutputTypeCount) return NoDrivers;
  return DriverLists[static_cast<std::size_t>(outputType)];
}

void tGameSound::InitAudio() {
  DebugMessage("Attempting to Initialize FMOD");
  // The driver chosen in the sound-device menu, when the output type offers it.
  const int outputType = Settings.SoundDevice;
  const int driverCount = static_cast<int>(DriverNames(outputType).size());
  const int driver =
      Settings.SoundDriver >= 0 && Settings.SoundDriver < driverCount ? Settings.SoundDriver : 0;
  LastMessage = "FSound_SetDriver(" + std::to_string(driver) + ");";
  Library.SetDriver(driver);
  Library.SetOutput(outputType);
  if (!Library.Init(MixRate, MixChannels, 0)) {
    // Once more with the system's default driver. Should that fail too, the library
    // stays closed and every sound is refused: the game runs silent.
    Library.SetDriver(-1);
    Library.Init(MixRate, MixChannels, 0);
  }
  Library.SetSfxMasterVolume(255);
  Fade.ResetEffects();
  DebugMessage("FMOD Initialized");

  DebugMessage("Loading Sound data");
  LoadSamples(PlayerSamples, samples::PlayerSamples);
  LoadSamples(UnitSamples, samples::UnitSamples);
  LoadSamples(MenuSamples, samples::MenuSamples);
  DebugMessage("Sound Data Loaded");
}

void tGameSound::ShutDownAudio() {
  FreeSamples(PlayerSamples);
  FreeSamples(UnitSamples);
  FreeSamples(MenuSamples);
  Library.Close();
}

void tGameSound::ReinitAudio() {
  const std::string musicName = Music != nullptr ? Music->Name() : std::string();
  UnloadMusic();
  ShutDownAudio();
  InitAudio();
  KeepAlive();
  if (!musicName.empty() && LoadMusic(musicName)) PlayMusic();
}

void tGameSound::FocusFade(bool applicationActive, bool windowActive) {
  Fade.Step(applicationActive, windowActive, Settings, Library, Current.Module);
}

int tGameSound::PlaySample(const std::string& name) {
  if (!Settings.SoundOn) return 0;
  const auto found = SamplesByName.find(LowerCase(name));
  if (found == SamplesByName.end()) return -1;
  try {
    return found->second->Play();
  } catch (const eFSoundError&) {
    return -1;
  }
}

void tGameSound::SetChannelVolume(int channel, int volume) {
  Library.SetVolume(channel, volume);
}

void tGameSound::StopChannel(int channel) {
  Library.StopSound(channel);
}

bool tGameSound::LoadMusic(const std::string& name) {
  UnloadMusic();
  auto module = std::make_unique<tGameModule>(Library, Current, Settings);
  try {
    module->Load(name);
  } catch (const Exception&) {
    return false;
  }
  Music = std::move(module);
  return true;
}

void tGameSound::PlayMusic() {
  if (Music == nullptr) return;
  try {
    Music->Play();
  } catch (const eFMusicError&) {
  }
}

void tGameSound::StopMusic() {
  if (Music != nullptr) Music->Stop();
}

void tGameSound::UnloadMusic() {
  Music.reset();
}

void tGameSound::LoadSamples(tSampleList& list, std::span<const char* const> names) {
  for (const char* name : names) {
    tGameSample* sample = list.Add(std::make_unique<tGameSample>(Library, Settings));
    sample->LoadWav(name);
    if (Loops(name)) sample->SetLooping(true);
    SamplesByName[LowerCase(name)] = sample;
  }
}

void tGameSound::FreeSamples(tSampleList& list) {
  std::erase_if(SamplesByName,
                [&list](const auto& entry) { return list.IndexOf(entry.second) >= 0; });
  list.Clear();
}

}  // namespace qn2
