#pragma once

#include <string>

namespace qn2 {

// What the game asks of its sound: samples by name (from the "samples" folder) and one
// music module at a time (from the "Music" folder). The game program plays them through
// the sound library; tests and tools use the silent version.
class tSoundPort {
 public:
  virtual ~tSoundPort() = default;

  // Plays one of the game's samples: the channel it plays on; 0 when effects are off, -1
  // when the sound library refused to play it (no free channel, no sound device).
  virtual int PlaySample(const std::string& name) = 0;
  // Volume 0..255 of a playing channel (the cherry bomb's fuse).
  virtual void SetChannelVolume(int channel, int volume) = 0;
  virtual void StopChannel(int channel) = 0;

  // Makes "Music\" + name the level's module; false (and no music) when it cannot be had.
  virtual bool LoadMusic(const std::string& name) = 0;
  // Plays the loaded module from its start.
  virtual void PlayMusic() = 0;
  virtual void StopMusic() = 0;
  virtual void UnloadMusic() = 0;
};

// Plays nothing; music loads whenever the file exists in the game's files.
class tSilentSound : public tSoundPort {
 public:
  int PlaySample(const std::string&) override { return 0; }
  void SetChannelVolume(int, int) override {}
  void StopChannel(int) override {}
  bool LoadMusic(const std::string&) override { return true; }
  void PlayMusic() override {}
  void StopMusic() override {}
  void UnloadMusic() override {}
};

// The sound every part of the game plays through; silent until the program sets it.
tSoundPort& Sound();
void SetSound(tSoundPort* port);

}  // namespace qn2
