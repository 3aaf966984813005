#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "FakeSoundLibrary.h"
#include "common/KeepAlive.h"
#include "common/LastMessage.h"
#include "data/ConfigFile.h"
#include "support/ScratchFolder.h"

namespace qn2::testing {

// Runs in a scratch folder as the current directory, which the game's file lookup
// searches first, with the settings at their defaults; puts everything back afterwards.
class tSoundTest : public ::testing::Test {
 protected:
  tSoundTest() {
    std::filesystem::current_path(Scratch.path());
    Settings = tSettings{};
  }
  ~tSoundTest() override {
    std::filesystem::current_path(SavedFolder);
    Settings = SavedSettings;
    LastMessage = SavedMessage;
    SetKeepAliveHandler(nullptr);
  }

  // Writes a game file under the scratch folder ("samples/Splosh.Wav").
  void WriteGameFile(const std::string& path, const std::string& contents) const {
    const std::filesystem::path file = Scratch / path;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << contents;
  }

  tFakeSoundLibrary Library;

 private:
  std::filesystem::path SavedFolder = std::filesystem::current_path();
  tSettings SavedSettings = Settings;
  std::string SavedMessage = LastMessage;
  tScratchFolder Scratch;
};

}  // namespace qn2::testing
