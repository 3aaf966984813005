#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "audio/SoundLibrary.h"

namespace qn2::testing {

// A sound library that plays nothing and writes down every call, with samples and
// modules named by the file they were loaded from. Loads by name really read the file
// through the installed callbacks, so the game's file lookup is exercised too.
class tFakeSoundLibrary : public tSoundLibrary {
 public:
  std::vector<std::string> Calls;
  std::map<std::string, std::string> FilesRead;  // name -> the bytes the callbacks gave

  // What the fake answers.
  std::array<std::vector<std::string>, OutputTypeCount> Drivers{
      {{"No sound"}, {"Wave A", "Wave B"}, {"Primary", "Card 1", "Card 2"}}};
  std::deque<bool> InitResults;  // the next Init answers; true when empty
  std::set<std::string> FailingLoads;
  bool RefusePlays = false;
  bool RefuseMusicPlay = false;
  bool FailDefaults = false;
  tSampleDefaults Defaults;
  int NextChannel = 3;

  void SetFileCallbacks(tSoundFileCallbacks callbacks) override {
    Files = std::move(callbacks);
    Calls.push_back("SetFileCallbacks");
  }

  bool SetOutput(int outputType) override {
    Calls.push_back("SetOutput(" + std::to_string(outputType) + ")");
    if (outputType < 0 || outputType >= OutputTypeCount) return false;
    Output = outputType;
    return true;
  }
  int GetOutput() const override { return Output; }
  int GetNumDrivers() override { return static_cast<int>(Drivers[Output].size()); }
  std::string GetDriverName(int driver) override {
    return Drivers[Output].at(static_cast<std::size_t>(driver));
  }
  bool SetDriver(int driver) override { return Record("SetDriver", driver); }
  bool Init(int mixRate, int maxChannels, unsigned flags) override {
    Calls.push_back("Init(" + std::to_string(mixRate) + "," + std::to_string(maxChannels) + "," +
                    std::to_string(flags) + ")");
    if (InitResults.empty()) return true;
    const bool result = InitResults.front();
    InitResults.pop_front();
    return result;
  }
  void Close() override { Calls.push_back("Close"); }

  void SetSfxMasterVolume(int volume) override {
    SfxMaster = volume;
    Record("SfxMaster", volume);
  }
  int GetSfxMasterVolume() const override { return SfxMaster; }

  tSampleHandle SampleLoad(const std::string& name, unsigned mode) override {
    Calls.push_back("SampleLoad(" + name + "," + std::to_string(mode) + ")");
    if (FailingLoads.count(name) != 0) return 0;
    FilesRead[name] = ReadThroughCallbacks(name);
    return NewHandle(name);
  }
  tSampleHandle SampleLoadMemory(const void* data, std::size_t length, unsigned) override {
    const std::string bytes(static_cast<const char*>(data), length);
    Calls.push_back("SampleLoadMemory(" + bytes + ")");
    if (FailingLoads.count(bytes) != 0) return 0;
    return NewHandle("memory:" + bytes);
  }
  void SampleFree(tSampleHandle sample) override {
    Calls.push_back("SampleFree(" + NameOf(sample) + ")");
  }
  bool SampleSetMode(tSampleHandle sample, unsigned mode) override {
    Calls.push_back("SampleSetMode(" + NameOf(sample) + "," + std::to_string(mode) + ")");
    return sample != 0;
  }
  bool SampleGetDefaults(tSampleHandle, tSampleDefaults& defaults) override {
    defaults = Defaults;
    return !FailDefaults;
  }

  int PlaySound(int channel, tSampleHandle sample) override {
    Calls.push_back("PlaySound(" + std::to_string(channel) + "," + NameOf(sample) + ")");
    if (RefusePlays) return -1;
    return channel == AnyChannel ? NextChannel++ : channel;
  }
  bool SetVolume(int channel, int volume) override { return Record("SetVolume", channel, volume); }
  bool SetFrequency(int channel, int frequency) override {
    return Record("SetFrequency", channel, frequency);
  }
  bool SetPan(int channel, int pan) override { return Record("SetPan", channel, pan); }
  bool StopSound(int channel) override { return Record("StopSound", channel); }

  tModuleHandle MusicLoadSong(const std::string& name) override {
    Calls.push_back("MusicLoad(" + name + ")");
    if (FailingLoads.count(name) != 0) return 0;
    FilesRead[name] = ReadThroughCallbacks(name);
    return NewHandle(name);
  }
  tModuleHandle MusicLoadSongMemory(const void* data, std::size_t length) override {
    const std::string bytes(static_cast<const char*>(data), length);
    Calls.push_back("MusicLoadMemory(" + bytes + ")");
    if (FailingLoads.count(bytes) != 0) return 0;
    return NewHandle("memory:" + bytes);
  }
  bool MusicFreeSong(tModuleHandle module) override { return Named("MusicFree", module); }
  bool MusicPlaySong(tModuleHandle module) override {
    Named("MusicPlay", module);
    return module != 0 && !RefuseMusicPlay;
  }
  bool MusicStopSong(tModuleHandle module) override { return Named("MusicStop", module); }
  bool MusicSetMasterVolume(tModuleHandle module, int volume) override {
    Calls.push_back("MusicVolume(" + NameOf(module) + "," + std::to_string(volume) + ")");
    return module != 0;
  }
  int MusicGetMasterVolume(tModuleHandle) override { return 0; }
  bool MusicSetPaused(tModuleHandle module, bool) override {
    return Named("MusicSetPaused", module);
  }
  bool MusicGetPaused(tModuleHandle) override { return false; }
  bool MusicSetOrder(tModuleHandle module, int) override { return Named("MusicSetOrder", module); }
  int MusicGetOrder(tModuleHandle) override { return -1; }

  // The calls that start with the prefix, in order.
  std::vector<std::string> CallsStartingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& call : Calls)
      if (call.rfind(prefix, 0) == 0) found.push_back(call);
    return found;
  }

  tSoundFileCallbacks Files;

 private:
  bool Record(const std::string& what, int a) {
    Calls.push_back(what + "(" + std::to_string(a) + ")");
    return true;
  }
  bool Record(const std::string& what, int a, int b) {
    Calls.push_back(what + "(" + std::to_string(a) + "," + std::to_string(b) + ")");
    return true;
  }
  bool Named(const std::string& what, std::uintptr_t handle) {
    Calls.push_back(what + "(" + NameOf(handle) + ")");
    return handle != 0;
  }
  std::uintptr_t NewHandle(const std::string& name) {
    Names[NextHandle] = name;
    return NextHandle++;
  }
  std::string NameOf(std::uintptr_t handle) const {
    const auto found = Names.find(handle);
    return found != Names.end() ? found->second : "none";
  }
  std::string ReadThroughCallbacks(const std::string& name) {
    const tSoundFileHandle file = Files.Open(name);
    std::string bytes;
    char block[7];  // small, so a file takes several reads
    for (std::size_t count; (count = Files.Read(block, sizeof block, file)) != 0;)
      bytes.append(block, count);
    Files.Close(file);
    return bytes;
  }

  int Output = OutputDefaultBackend;
  int SfxMaster = 255;
  std::map<std::uintptr_t, std::string> Names;
  std::uintptr_t NextHandle = 1;
};

}  // namespace qn2::testing
