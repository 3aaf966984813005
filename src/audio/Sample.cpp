#include "audio/Sample.h"

#include "audio/SoundErrors.h"

namespace qn2 {

tSample::~tSample() {
  if (Sample != 0) Library.SampleFree(Sample);
}

void tSample::LoadWav(const std::string& fileName) {
  if (Sample != 0) Free();
  Sample = Library.SampleLoad(fileName, SampleDefaultMode);
  if (Sample == 0) throw eFSoundError("tSample.LoadWav(" + fileName + ")");
}

void tSample::LoadWavMemory(const void* data, std::size_t length) {
  if (Sample != 0) Free();
  Sample = Library.SampleLoadMemory(data, length, SampleDefaultMode);
  if (Sample == 0) throw eFSoundError("tSample.LoadWavMemory");
}

void tSample::LoadRaw(const std::string& fileName, unsigned mode) {
  if (Sample != 0) Free();
  Sample = Library.SampleLoad(fileName, mode | SampleLoadRaw);
  if (Sample == 0) throw eFSoundError("tSample.LoadRaw");
}

void tSample::LoadmpgMemory(const void* data, std::size_t length) {
  if (Sample != 0) Free();
  Sample = Library.SampleLoadMemory(data, length, SampleDefaultMode);
  if (Sample == 0) throw eFSoundError("tSample.LoadmpgMemory");
}

void tSample::Free() {
  Library.SampleFree(Sample);
  Sample = 0;
}

void tSample::SetLooping(bool looping) {
  if (!Library.SampleSetMode(Sample, looping ? SampleLoopNormal : SampleLoopOff))
    throw eFSoundError("tSample.SetLooping");
}

tSampleDefaults tSample::GetDefaults() const {
  tSampleDefaults defaults;
  if (!Library.SampleGetDefaults(Sample, defaults)) throw eFSoundError("tSample.GetDefaults");
  return defaults;
}

int tSample::Play() {
  const int channel = Library.PlaySound(AnyChannel, Sample);
  if (channel == -1) throw eFSoundError("tSample.Play");
  Library.SetPan(channel, StereoPan);
  return channel;
}

int tSample::PlayOnChannel(int channel) {
  const int playing = Library.PlaySound(channel, Sample);
  if (playing == -1) throw eFSoundError("tSample.PlayOnChannel");
  Library.SetPan(playing, StereoPan);
  return playing;
}

int tSample::PlayAttrib(int frequency, int volume, int pan) {
  return PlayWithAttributes(AnyChannel, frequency, volume, pan, "tSample.PlayAttrib");
}

int tSample::PlayAttribOnChannel(int channel, int frequency, int volume, int pan) {
  return PlayWithAttributes(channel, frequency, volume, pan, "tSample.PlayAttribOnChannel");
}

int tSample::PlayWithAttributes(int channel, int frequency, int volume, int pan,
                                const char* operation) {
  const int playing = Library.PlaySound(channel, Sample);
  if (playing == -1) throw eFSoundError(operation);
  Library.SetVolume(playing, volume);
  Library.SetFrequency(playing, frequency);
  Library.SetPan(playing, pan);
  return playing;
}

}  // namespace qn2
