#include "audio/Module.h"

#include "audio/SoundErrors.h"

namespace qn2 {

tModule::~tModule() {
  if (Module != 0) Library.MusicFreeSong(Module);
}

void tModule::SetOrder(int order) {
  Library.MusicSetOrder(Module, order);
}

int tModule::GetOrder() {
  return Library.MusicGetOrder(Module);
}

void tModule::SetPaused(bool paused) {
  Library.MusicSetPaused(Module, paused);
}

bool tModule::GetPaused() {
  return Library.MusicGetPaused(Module);
}

void tModule::SetMasterVolume(int volume) {
  Library.MusicSetMasterVolume(Module, volume);
}

int tModule::GetMasterVolume() {
  return Library.MusicGetMasterVolume(Module);
}

void tModule::Load(const std::string& fileName) {
  if (Module != 0) Unload();
  Module = Library.MusicLoadSong(fileName);
  if (Module == 0) throw eFMusicError("tModule.Load");
}

void tModule::LoadFromMemory(const void* data, std::size_t length) {
  if (Module != 0) Unload();
  Module = Library.MusicLoadSongMemory(data, length);
  if (Module == 0) throw eFMusicError("tModule.LoadFromMemory");
}

void tModule::Unload() {
  Library.MusicFreeSong(Module);
  Module = 0;
}

void tModule::Play() {
  if (!Library.MusicPlaySong(Module)) throw eFMusicError("tModule.Play");
}

void tModule::Stop() {
  Library.MusicStopSong(Module);
}

}  // namespace qn2
