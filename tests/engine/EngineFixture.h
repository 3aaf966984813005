#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/ConfigFile.h"
#include "data/Recorder.h"
#include "data/TextLines.h"
#include "engine/GameEngine.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/CycleProcedures.h"
#include "engine/board/PlayState.h"
#include "engine/board/UnitRegistry.h"
#include "support/ScratchFolder.h"

namespace qn2::testing {

// A 2 x 2 Windows bitmap, 24 bits, one colour.
inline std::string TinyBitmap() {
  std::string b = "BM";
  auto put32 = [&b](std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  auto put16 = [&b](std::uint16_t v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>(v >> 8);
  };
  put32(54 + 16);
  put32(0);
  put32(54);
  put32(40);
  put32(2);
  put32(2);
  put16(1);
  put16(24);
  put32(0);
  put32(16);
  put32(0);
  put32(0);
  put32(0);
  put32(0);
  for (int row = 0; row < 2; ++row) b += std::string("\x40\x80\xC0\x40\x80\xC0\x00\x00", 8);
  return b;
}

// An engine in a scratch folder that is the current directory, so that level, set,
// progress and solution files are found and written there.
class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Previous = std::filesystem::current_path();
    std::filesystem::current_path(Scratch.path());
    CycleProcedures.Clear();
    Settings = tSettings();
    for (const char* picture : {"Tiles.bmp", "Over.bmp", "Back.bmp"}) Write(picture, TinyBitmap());
    Engine = std::make_unique<tGameEngine>();
    GameEngine = Engine.get();
  }
  void TearDown() override {
    GameEngine = nullptr;
    Engine.reset();
    UnitRegistry.Clear();
    std::filesystem::current_path(Previous);
  }

  tPlayState& State() { return Engine->Play(); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Scratch / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Scratch / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  // A level with the test pictures, a title and the given [Units] lines.
  void WriteLevel(const std::string& name, const std::string& title,
                  const std::vector<std::string>& units = {}) const {
    std::vector<std::string> lines{"[Misc]", "Background=Back.bmp", "TileSet=Tiles.bmp",
                                   "OverlayTileSet=Over.bmp", "Music="};
    if (!title.empty()) lines.push_back("Title=" + title);
    lines.push_back("[Units]");
    lines.insert(lines.end(), units.begin(), units.end());
    Write(name, JoinLines(lines));
  }

  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) Engine->Update();
  }
  void TickAndDraw(int count = 1) {
    for (int i = 0; i < count; ++i) {
      Engine->Update();
      Engine->DrawFrame();
    }
  }
  // Loads the level and plays through its intro into the playing mode.
  void StartPlaying(const std::string& name) {
    Engine->LoadLevel(name);
    Tick(101);
    ASSERT_EQ(Engine->GameMode, gmPlaying);
  }

  tScratchFolder Scratch;
  std::filesystem::path Previous;
  std::unique_ptr<tGameEngine> Engine;
};

}  // namespace qn2::testing
