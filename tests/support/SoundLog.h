#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "audio/SoundPort.h"

namespace qn2::testing {

// Sound that plays nothing and writes down what the game asks of it: the samples in the
// order they were played, the channel each got, and every volume change and stop of a
// channel. Each sample gets a channel of its own, numbered from 7, so a unit that keeps
// its channel (the cherry bomb's fuse) can be told apart. Music behaves as the silent
// sound's.
class tSoundLog : public tSilentSound {
 public:
  std::vector<std::string> Played;
  std::vector<std::pair<std::string, int>> Channels;  // sample, its channel
  std::vector<std::pair<int, int>> Volumes;           // channel, volume
  std::vector<int> Stopped;

  int PlaySample(const std::string& name) override {
    Played.push_back(name);
    Channels.emplace_back(name, NextChannel);
    return NextChannel++;
  }
  void SetChannelVolume(int channel, int volume) override { Volumes.emplace_back(channel, volume); }
  void StopChannel(int channel) override { Stopped.push_back(channel); }

  // How often the sample was played.
  int Count(const std::string& name) const {
    return static_cast<int>(std::count(Played.begin(), Played.end(), name));
  }
  // The channel the sample first played on; -1 when it was not played.
  int ChannelOf(const std::string& name) const {
    for (const auto& [sample, channel] : Channels)
      if (sample == name) return channel;
    return -1;
  }
  // Forgets everything written down; channels go on counting.
  void Clear() {
    Played.clear();
    Channels.clear();
    Volumes.clear();
    Stopped.clear();
  }

 private:
  int NextChannel = 7;
};

}  // namespace qn2::testing
