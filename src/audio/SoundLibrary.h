#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace qn2 {

// A sample or music module the sound library holds; 0 is none. Handles are never reused,
// so a handle kept past the library's Close is simply unknown to it.
using tSampleHandle = std::uintptr_t;
using tModuleHandle = std::uintptr_t;

// An open file of the library's file callbacks.
using tSoundFileHandle = void*;

// How the sound library reads files by name. Every load by name goes through these, so
// samples and music can lie in the resource package as well as on disk. The library
// calls them only from inside its own load calls, on the caller's thread.
struct tSoundFileCallbacks {
  // Opens the named file; may raise when it cannot be found.
  std::function<tSoundFileHandle(const std::string& name)> Open;
  std::function<void(tSoundFileHandle file)> Close;
  // Reads up to size bytes; the count read, 0 at the end.
  std::function<std::size_t(void* buffer, std::size_t size, tSoundFileHandle file)> Read;
  // Mode 0 from the start, 1 from the current position, 2 from the end; others are
  // ignored. 0 on success.
  std::function<int(tSoundFileHandle file, std::int64_t position, int mode)> Seek;
  std::function<std::int64_t(tSoundFileHandle file)> Tell;
};

// Output types, as the sound-device menu lists them: no sound ("NO SOUND"), the plainest
// audio back-end the system has ("WAVEOUT"), and the back-end the platform picks itself
// ("DIRECTSOUND").
inline constexpr int OutputNoSound = 0;
inline constexpr int OutputPlainBackend = 1;
inline constexpr int OutputDefaultBackend = 2;
inline constexpr int OutputTypeCount = 3;

// Sample modes (bit flags).
inline constexpr unsigned SampleLoopOff = 0x1;
inline constexpr unsigned SampleLoopNormal = 0x2;
inline constexpr unsigned Sample8Bits = 0x8;
inline constexpr unsigned Sample16Bits = 0x10;
inline constexpr unsigned SampleMono = 0x20;
inline constexpr unsigned SampleStereo = 0x40;
inline constexpr unsigned SampleUnsigned = 0x80;
inline constexpr unsigned SampleSigned = 0x100;
inline constexpr unsigned SampleLoadRaw = 0x10000;
// 16-bit, mono, signed: what every wave file of the game is loaded with.
inline constexpr unsigned SampleDefaultMode = Sample16Bits | SampleMono | SampleSigned;

// Play on any free channel.
inline constexpr int AnyChannel = -1;
// The pan value that sends the sound to both speakers at full volume.
inline constexpr int StereoPan = -1;

// What a sample plays with unless told otherwise.
struct tSampleDefaults {
  int Frequency = 44100;  // Hz
  int Volume = 255;       // 0..255
  int Pan = 128;          // 0 left .. 255 right, 128 centre, StereoPan both at full
  int Priority = 128;     // 0..255
};

// The sound library the game plays through: samples mixed on numbered channels and one
// tracker-music module at a time. A failed call answers 0, false or channel -1; the
// wrappers tSample and tModule turn those into exceptions.
class tSoundLibrary {
 public:
  virtual ~tSoundLibrary() = default;

  // Installed once, before anything is loaded by name.
  virtual void SetFileCallbacks(tSoundFileCallbacks callbacks) = 0;

  // Output type and driver, chosen before Init. Drivers are listed per output type.
  virtual bool SetOutput(int outputType) = 0;
  virtual int GetOutput() const = 0;
  virtual int GetNumDrivers() = 0;
  virtual std::string GetDriverName(int driver) = 0;
  // -1 chooses the system's default.
  virtual bool SetDriver(int driver) = 0;
  virtual bool Init(int mixRate, int maxChannels, unsigned flags) = 0;
  // Stops everything, frees every sample and module still held and closes the output.
  virtual void Close() = 0;

  // Master volume 0..255 of all sound effects (not music).
  virtual void SetSfxMasterVolume(int volume) = 0;
  virtual int GetSfxMasterVolume() const = 0;

  // Samples. Loads by name read through the file callbacks; may raise what they raise.
  virtual tSampleHandle SampleLoad(const std::string& name, unsigned mode) = 0;
  virtual tSampleHandle SampleLoadMemory(const void* data, std::size_t length, unsigned mode) = 0;
  virtual void SampleFree(tSampleHandle sample) = 0;
  // Changes the loop mode (SampleLoopOff or SampleLoopNormal).
  virtual bool SampleSetMode(tSampleHandle sample, unsigned mode) = 0;
  virtual bool SampleGetDefaults(tSampleHandle sample, tSampleDefaults& defaults) = 0;

  // Starts the sample on the channel (AnyChannel: a free one) with its defaults; the
  // channel, or -1 when it cannot play.
  virtual int PlaySound(int channel, tSampleHandle sample) = 0;
  virtual bool SetVolume(int channel, int volume) = 0;  // 0..255
  virtual bool SetFrequency(int channel, int frequency) = 0;
  virtual bool SetPan(int channel, int pan) = 0;
  virtual bool StopSound(int channel) = 0;

  // Music modules.
  virtual tModuleHandle MusicLoadSong(const std::string& name) = 0;
  virtual tModuleHandle MusicLoadSongMemory(const void* data, std::size_t length) = 0;
  virtual bool MusicFreeSong(tModuleHandle module) = 0;
  virtual bool MusicPlaySong(tModuleHandle module) = 0;
  virtual bool MusicStopSong(tModuleHandle module) = 0;
  virtual bool MusicSetMasterVolume(tModuleHandle module, int volume) = 0;  // 0..256
  virtual int MusicGetMasterVolume(tModuleHandle module) = 0;
  virtual bool MusicSetPaused(tModuleHandle module, bool paused) = 0;
  virtual bool MusicGetPaused(tModuleHandle module) = 0;
  // Jumps to a position of the module's order list; -1 from GetOrder when unknown.
  virtual bool MusicSetOrder(tModuleHandle module, int order) = 0;
  virtual int MusicGetOrder(tModuleHandle module) = 0;
};

}  // namespace qn2
