#pragma once

#include <cstddef>
#include <string>

#include "audio/SoundLibrary.h"

namespace qn2 {

// Owns one sample of the sound library and checks every call that can fail: failed
// loads and plays raise eFSoundError naming the operation. Destroying it frees the
// sample.
class tSample {
 public:
  explicit tSample(tSoundLibrary& library) : Library(library) {}
  tSample(const tSample&) = delete;
  tSample& operator=(const tSample&) = delete;
  virtual ~tSample();

  // Every loader frees a loaded sample first.
  // A wave (or other compressed) file by name, 16-bit mono signed; raises
  // "tSample.LoadWav(" + name + ")".
  virtual void LoadWav(const std::string& fileName);
  // A whole wave file held in memory; raises "tSample.LoadWavMemory".
  virtual void LoadWavMemory(const void* data, std::size_t length);
  // Headerless sample data by name in the given mode; raises "tSample.LoadRaw".
  virtual void LoadRaw(const std::string& fileName, unsigned mode);
  // A whole compressed file held in memory; raises "tSample.LoadmpgMemory".
  virtual void LoadmpgMemory(const void* data, std::size_t length);
  virtual void Free();

  // Loops the sample when it plays (or stops looping it).
  void SetLooping(bool looping);
  // Raises "tSample.GetDefaults".
  tSampleDefaults GetDefaults() const;

  // Each returns the channel the sample plays on; raise "tSample.Play",
  // "tSample.PlayOnChannel", "tSample.PlayAttrib", "tSample.PlayAttribOnChannel" when
  // the library gives no channel. Play and PlayOnChannel play in stereo at full width.
  virtual int Play();
  virtual int PlayOnChannel(int channel);
  virtual int PlayAttrib(int frequency, int volume, int pan);
  virtual int PlayAttribOnChannel(int channel, int frequency, int volume, int pan);

  tSampleHandle Handle() const { return Sample; }
  bool Loaded() const { return Sample != 0; }

 protected:
  tSoundLibrary& Library;

 private:
  int PlayWithAttributes(int channel, int frequency, int volume, int pan, const char* operation);

  tSampleHandle Sample = 0;
};

}  // namespace qn2
