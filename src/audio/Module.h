#pragma once

#include <cstddef>
#include <string>

#include "audio/SoundLibrary.h"

namespace qn2 {

// Owns one music module of the sound library and checks every call that can fail:
// failed loads and plays raise eFMusicError. Destroying it unloads the module.
class tModule {
 public:
  explicit tModule(tSoundLibrary& library) : Library(library) {}
  tModule(const tModule&) = delete;
  tModule& operator=(const tModule&) = delete;
  virtual ~tModule();

  virtual void SetOrder(int order);
  virtual int GetOrder();
  virtual void SetPaused(bool paused);
  virtual bool GetPaused();
  virtual void SetMasterVolume(int volume);  // 0..256
  virtual int GetMasterVolume();
  // Both unload a loaded module first. Raise "tModule.Load" / "tModule.LoadFromMemory".
  virtual void Load(const std::string& fileName);
  virtual void LoadFromMemory(const void* data, std::size_t length);
  virtual void Unload();
  // Raises "tModule.Play".
  virtual void Play();
  virtual void Stop();

  tModuleHandle Handle() const { return Module; }
  bool Loaded() const { return Module != 0; }

 protected:
  tSoundLibrary& Library;

 private:
  tModuleHandle Module = 0;
};

}  // namespace qn2
