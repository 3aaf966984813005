#include "platform/MixerSoundLibrary.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qn2 {

namespace {

constexpr int DeviceBufferFrames = 1024;
constexpr int FullModuleVolume = 256;

// 0..255 to the mixer's 0..128, rounded.
int MixerVolume(int volume) {
  return (std::clamp(volume, 0, 255) * MIX_MAX_VOLUME + 127) / 255;
}

// The back-end an output type asks SDL for; nullptr leaves the choice to SDL (which
// honours SDL_AUDIODRIVER). The plain output takes the plainest back-end this SDL offers.
const char* BackendFor(int outputType) {
  if (outputType != OutputPlainBackend) return nullptr;
  const char* chosen = SDL_getenv("SDL_AUDIODRIVER");
  if (chosen != nullptr && *chosen != '\0') return nullptr;
  for (const char* plain : {"winmm", "alsa", "dsp"})
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i)
      if (std::strcmp(SDL_GetAudioDriver(i), plain) == 0) return plain;
  return nullptr;
}

// Headless sample data in a wave file's clothes, so the mixer converts it like any
// other: 8 or 16 bits, mono or stereo, at the mixing rate.
std::vector<std::uint8_t> RawAsWave(const std::uint8_t* data, std::size_t length, unsigned mode,
                                    int rate) {
  const int bits = (mode & Sample8Bits) != 0 ? 8 : 16;
  const int channels = (mode & SampleStereo) != 0 ? 2 : 1;
  const int frameBytes = bits / 8 * channels;
  length -= length % static_cast<std::size_t>(frameBytes);
  std::vector<std::uint8_t> wave(44 + length);
  auto put16 = [&wave](std::size_t at, std::uint32_t v) {
    wave[at] = static_cast<std::uint8_t>(v);
    wave[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  auto put32 = [&put16](std::size_t at, std::uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  std::memcpy(wave.data(), "RIFF", 4);
  put32(4, static_cast<std::uint32_t>(36 + length));
  std::memcpy(wave.data() + 8, "WAVEfmt ", 8);
  put32(16, 16);
  put16(20, 1);
  put16(22, static_cast<std::uint32_t>(channels));
  put32(24, static_cast<std::uint32_t>(rate));
  put32(28, static_cast<std::uint32_t>(rate * frameBytes));
  put16(32, static_cast<std::uint32_t>(frameBytes));
  put16(34, static_cast<std::uint32_t>(bits));
  std::memcpy(wave.data() + 36, "data", 4);
  put32(40, static_cast<std::uint32_t>(length));
  if (length > 0) std::memcpy(wave.data() + 44, data, length);
  // Wave files hold 8-bit data unsigned and 16-bit data signed (little-endian).
  const bool isUnsigned = (mode & SampleUnsigned) != 0;
  if (bits == 8 && !isUnsigned)
    for (std::size_t i = 44; i < wave.size(); ++i) wave[i] ^= 0x80;
  if (bits == 16 && isUnsigned)
    for (std::size_t i = 45; i < wave.size(); i += 2) wave[i] ^= 0x80;
  return wave;
}

class tMixerSoundLibrary final : public tSoundLibrary {
 public:
  ~tMixerSoundLibrary() override { Close(); }

  void SetFileCallbacks(tSoundFileCallbacks callbacks) override { Files = std::move(callbacks); }

  bool SetOutput(int outputType) override {
    if (DeviceOpen || outputType < 0 || outputType >= OutputTypeCount) return false;
    Output = outputType;
    return true;
  }
  int GetOutput() const override { return Output; }

  int GetNumDrivers() override {
    if (Output == OutputNoSound) return 1;
    if (!StartBackend(Output)) return 0;
    return 1 + std::max(0, SDL_GetNumAudioDevices(0));
  }

  std::string GetDriverName(int driver) override {
    if (driver == 0) return Output == OutputNoSound ? "No sound" : "Default device";
    if (driver < 0 || Output == OutputNoSound || !StartBackend(Output)) return {};
    if (driver > SDL_GetNumAudioDevices(0)) return {};
    const char* name = SDL_GetAudioDeviceName(driver - 1, 0);
    return name != nullptr ? name : "";
  }

  bool SetDriver(int driver) override {
    if (DeviceOpen || driver < -1) return false;
    Driver = driver;
    return true;
  }

  bool Init(int mixRate, int maxChannels, unsigned /*flags*/) override {
    if (Initialised) Close();
    MixRate = mixRate;
    if (Output == OutputNoSound) {
      Initialised = true;
      return true;
    }
    if (!StartBackend(Output)) return false;
    std::optional<std::string> device;
    if (Driver > 0) {
      if (Driver > SDL_GetNumAudioDevices(0)) return false;
      const char* name = SDL_GetAudioDeviceName(Driver - 1, 0);
      if (name == nullptr) return false;
      device = name;
    }
    if (Mix_OpenAudioDevice(mixRate, AUDIO_S16SYS, 2, DeviceBufferFrames,
                            device ? device->c_str() : nullptr, 0) != 0)
      return false;
    Mix_Init(MIX_INIT_OGG | MIX_INIT_MP3 | MIX_INIT_MOD);
    DeviceOpen = true;
    Initialised = true;
    Channels = Mix_AllocateChannels(maxChannels);
    ChannelVolumes.assign(static_cast<std::size_t>(Channels), 255);
    for (int channel = 0; channel < Channels; ++channel) ApplyChannelVolume(channel);
    ApplyMasterVolume();
    return true;
  }

  void Close() override {
    if (DeviceOpen) {
      Mix_HaltChannel(-1);
      Mix_HaltMusic();
    }
    for (auto& [handle, sample] : Samples)
      if (sample.Chunk != nullptr) Mix_FreeChunk(sample.Chunk);
    Samples.clear();
    for (auto& [handle, module] : Modules)
      if (module.Music != nullptr) Mix_FreeMusic(module.Music);
    Modules.clear();
    PlayingModule = 0;
    if (DeviceOpen) {
      Mix_CloseAudio();
      Mix_Quit();
      DeviceOpen = false;
    }
    Channels = 0;
    ChannelVolumes.clear();
    PlayingSample.clear();
    if (AudioUp) {
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      AudioUp = false;
      BackendOutput = -1;
    }
    Initialised = false;
  }

  void SetSfxMasterVolume(int volume) override {
    SfxMaster = std::clamp(volume, 0, 255);
    ApplyMasterVolume();
  }
  int GetSfxMasterVolume() const override { return SfxMaster; }

  tSampleHandle SampleLoad(const std::string& name, unsigned mode) override {
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(name);
    if (!bytes) return 0;
    return AddSample(bytes->data(), bytes->size(), mode);
  }

  tSampleHandle SampleLoadMemory(const void* data, std::size_t length, unsigned mode) override {
    if (data == nullptr) return 0;
    return AddSample(static_cast<const std::uint8_t*>(data), length, mode);
  }

  void SampleFree(tSampleHandle sample) override {
    const auto found = Samples.find(sample);
    if (found == Samples.end()) return;
    // Freeing a chunk halts every channel that plays it.
    if (found->second.Chunk != nullptr) Mix_FreeChunk(found->second.Chunk);
    Samples.erase(found);
  }

  bool SampleSetMode(tSampleHandle sample, unsigned mode) override {
    const auto found = Samples.find(sample);
    if (found == Samples.end()) return false;
    if ((mode & SampleLoopNormal) != 0) found->second.Loops = true;
    if ((mode & SampleLoopOff) != 0) found->second.Loops = false;
    return true;
  }

  bool SampleGetDefaults(tSampleHandle sample, tSampleDefaults& defaults) override {
    const auto found = Samples.find(sample);
    if (found == Samples.end()) return false;
    defaults = tSampleDefaults{};
    defaults.Frequency = found->second.Frequency;
    return true;
  }

  int PlaySound(int channel, tSampleHandle sample) override {
    const auto found = Samples.find(sample);
    if (!DeviceOpen || found == Samples.end() || found->second.Chunk == nullptr) return -1;
    const int chosen = channel == AnyChannel ? FreeChannel() : channel;
    if (!ValidChannel(chosen)) return -1;
    // A sound starts at its defaults: full volume on both speakers.
    ChannelVolumes[static_cast<std::size_t>(chosen)] = 255;
    ApplyChannelVolume(chosen);
    Mix_SetPanning(chosen, 255, 255);
    if (Mix_PlayChannel(chosen, found->second.Chunk, found->second.Loops ? -1 : 0) < 0) return -1;
    PlayingSample[chosen] = sample;
    return chosen;
  }

  bool SetVolume(int channel, int volume) override {
    if (!ValidChannel(channel)) return false;
    ChannelVolumes[static_cast<std::size_t>(channel)] = std::clamp(volume, 0, 255);
    ApplyChannelVolume(channel);
    return true;
  }

  // The mixer plays a chunk at the rate it was converted to and cannot change the pitch
  // of a playing sound: only the sample's own frequency is accepted.
  bool SetFrequency(int channel, int frequency) override {
    if (!ValidChannel(channel)) return false;
    const auto playing = PlayingSample.find(channel);
    if (playing == PlayingSample.end()) return false;
    const auto sample = Samples.find(playing->second);
    return sample != Samples.end() && sample->second.Frequency == frequency;
  }

  // Stereo pan plays at full volume on both speakers; 0..255 is a balance from left to
  // right where the centre (128) also leaves both at full.
  bool SetPan(int channel, int pan) override {
    if (!ValidChannel(channel)) return false;
    int left = 255;
    int right = 255;
    if (pan != StereoPan) {
      const int p = std::clamp(pan, 0, 255);
      if (p > 128) left = (255 - p) * 255 / 127;
      if (p < 128) right = p * 255 / 128;
    }
    const int set = Mix_SetPanning(channel, static_cast<Uint8>(left), static_cast<Uint8>(right));
    // Full on both sides removes the panning, which the mixer reports as a failure when
    // there was none to remove.
    return set != 0 || (left == 255 && right == 255);
  }

  bool StopSound(int channel) override {
    if (!ValidChannel(channel)) return false;
    Mix_HaltChannel(channel);
    return true;
  }

  tModuleHandle MusicLoadSong(const std::string& name) override {
    std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(name);
    if (!bytes) return 0;
    return AddModule(std::move(*bytes));
  }

  tModuleHandle MusicLoadSongMemory(const void* data, std::size_t length) override {
    if (data == nullptr) return 0;
    std::vector<std::uint8_t> bytes(length);
    if (length > 0) std::memcpy(bytes.data(), data, length);
    return AddModule(std::move(bytes));
  }

  bool MusicFreeSong(tModuleHandle module) override {
    const auto found = Modules.find(module);
    if (found == Modules.end()) return false;
    if (PlayingModule == module) {
      Mix_HaltMusic();
      PlayingModule = 0;
    }
    if (found->second.Music != nullptr) Mix_FreeMusic(found->second.Music);
    Modules.erase(found);
    return true;
  }

  bool MusicPlaySong(tModuleHandle module) override {
    const auto found = Modules.find(module);
    if (!DeviceOpen || found == Modules.end() || found->second.Music == nullptr) return false;
    Mix_VolumeMusic(found->second.Volume / 2);
    if (Mix_PlayMusic(found->second.Music, -1) != 0) return false;
    if (PlayingModule != 0 && PlayingModule != module) {
      const auto previous = Modules.find(PlayingModule);
      if (previous != Modules.end()) previous->second.Paused = false;
    }
    found->second.Paused = false;
    PlayingModule = module;
    return true;
  }

  bool MusicStopSong(tModuleHandle module) override {
    if (Modules.find(module) == Modules.end()) return false;
    if (PlayingModule == module) {
      Mix_HaltMusic();
      PlayingModule = 0;
    }
    return true;
  }

  bool MusicSetMasterVolume(tModuleHandle module, int volume) override {
    const auto found = Modules.find(module);
    if (found == Modules.end()) return false;
    found->second.Volume = std::clamp(volume, 0, FullModuleVolume);
    if (PlayingModule == module) Mix_VolumeMusic(found->second.Volume / 2);
    return true;
  }

  int MusicGetMasterVolume(tModuleHandle module) override {
    const auto found = Modules.find(module);
    return found != Modules.end() ? found->second.Volume : -1;
  }

  bool MusicSetPaused(tModuleHandle module, bool paused) override {
    const auto found = Modules.find(module);
    if (found == Modules.end()) return false;
    found->second.Paused = paused;
    if (PlayingModule == module) {
      if (paused)
        Mix_PauseMusic();
      else
        Mix_ResumeMusic();
    }
    return true;
  }

  bool MusicGetPaused(tModuleHandle module) override {
    const auto found = Modules.find(module);
    return found != Modules.end() && found->second.Paused;
  }

  bool MusicSetOrder(tModuleHandle module, int order) override {
    if (PlayingModule == 0 || PlayingModule != module) return false;
    return Mix_ModMusicJumpToOrder(order) == 0;
  }

  // The mixer does not tell which order a module plays.
  int MusicGetOrder(tModuleHandle) override { return -1; }

 private:
  struct tSampleEntry {
    Mix_Chunk* Chunk = nullptr;  // none while no device is open
    bool Loops = false;
    int Frequency = 44100;
  };
  struct tModuleEntry {
    Mix_Music* Music = nullptr;       // none while no device is open
    std::vector<std::uint8_t> Bytes;  // the file; the mixer reads it while it plays
    int Volume = FullModuleVolume;
    bool Paused = false;
  };

  // Brings up SDL's audio with the back-end of the output type.
  bool StartBackend(int outputType) {
    if (!AudioUp) {
      if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
      AudioUp = true;
      BackendOutput = OutputDefaultBackend;
    }
    if (BackendOutput == outputType) return SDL_GetCurrentAudioDriver() != nullptr;
    BackendOutput = outputType;
    const char* backend = BackendFor(outputType);
    if (backend != nullptr && SDL_GetCurrentAudioDriver() != nullptr &&
        std::strcmp(SDL_GetCurrentAudioDriver(), backend) == 0)
      return true;
    if (SDL_AudioInit(backend) == 0) return true;
    return backend != nullptr && SDL_AudioInit(nullptr) == 0;
  }

  // The whole named file through the callbacks; nothing when it cannot be opened.
  std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& name) {
    if (!Files.Open || !Files.Read || !Files.Close) return std::nullopt;
    const tSoundFileHandle file = Files.Open(name);
    if (file == nullptr) return std::nullopt;
    struct tCloser {
      const tSoundFileCallbacks& Files;
      tSoundFileHandle File;
      ~tCloser() { Files.Close(File); }
    } closer{Files, file};
    std::vector<std::uint8_t> bytes;
    std::uint8_t block[65536];
    for (;;) {
      const std::size_t count = Files.Read(block, sizeof block, file);
      if (count == 0) break;
      bytes.insert(bytes.end(), block, block + std::min(count, sizeof block));
    }
    return bytes;
  }

  tSampleHandle AddSample(const std::uint8_t* data, std::size_t length, unsigned mode) {
    if (length == 0) return 0;
    tSampleEntry sample;
    sample.Loops = (mode & SampleLoopNormal) != 0;
    sample.Frequency = MixRate;
    if (DeviceOpen) {
      std::vector<std::uint8_t> wave;
      if ((mode & SampleLoadRaw) != 0) {
        wave = RawAsWave(data, length, mode, MixRate);
        data = wave.data();
        length = wave.size();
      }
      sample.Chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(data, static_cast<int>(length)), 1);
      if (sample.Chunk == nullptr) return 0;
    }
    const tSampleHandle handle = NextHandle++;
    Samples.emplace(handle, sample);
    return handle;
  }

  tModuleHandle AddModule(std::vector<std::uint8_t> bytes) {
    if (bytes.empty()) return 0;
    const tModuleHandle handle = NextHandle++;
    tModuleEntry& module = Modules[handle];
    module.Bytes = std::move(bytes);
    if (DeviceOpen) {
      module.Music = Mix_LoadMUS_RW(
          SDL_RWFromConstMem(module.Bytes.data(), static_cast<int>(module.Bytes.size())), 1);
      if (module.Music == nullptr) {
        Modules.erase(handle);
        return 0;
      }
    }
    return handle;
  }

  bool ValidChannel(int channel) const { return DeviceOpen && channel >= 0 && channel < Channels; }

  int FreeChannel() const {
    for (int channel = 0; channel < Channels; ++channel)
      if (Mix_Playing(channel) == 0) return channel;
    return -1;
  }

  void ApplyChannelVolume(int channel) {
    const int volume = ChannelVolumes[static_cast<std::size_t>(channel)];
#if SDL_MIXER_VERSION_ATLEAST(2, 6, 0)
    Mix_Volume(channel, MixerVolume(volume));
#else
    // Without a master volume in the mixer, every channel carries it.
    Mix_Volume(channel, MixerVolume(volume * SfxMaster / 255));
#endif
  }

  void ApplyMasterVolume() {
    if (!DeviceOpen) return;
#if SDL_MIXER_VERSION_ATLEAST(2, 6, 0)
    Mix_MasterVolume(MixerVolume(SfxMaster));
#else
    for (int channel = 0; channel < Channels; ++channel) ApplyChannelVolume(channel);
#endif
  }

  tSoundFileCallbacks Files;
  int Output = OutputDefaultBackend;
  int Driver = 0;
  bool AudioUp = false;     // SDL's audio subsystem, started here
  int BackendOutput = -1;   // the output type whose back-end SDL runs
  bool DeviceOpen = false;  // the mixer has a device
  bool Initialised = false;
  int MixRate = 44100;
  int Channels = 0;
  int SfxMaster = 255;
  std::vector<int> ChannelVolumes;  // 0..255, as last set
  std::map<int, tSampleHandle> PlayingSample;
  std::map<tSampleHandle, tSampleEntry> Samples;
  std::map<tModuleHandle, tModuleEntry> Modules;
  tModuleHandle PlayingModule = 0;
  std::uintptr_t NextHandle = 1;
};

}  // namespace

std::unique_ptr<tSoundLibrary> CreateMixerSoundLibrary() {
  return std::make_unique<tMixerSoundLibrary>();
}

}  // namespace qn2
