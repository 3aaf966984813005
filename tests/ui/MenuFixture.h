#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/SoundPort.h"
#include "engine/EngineFixture.h"
#include "input/InputDevice.h"
#include "render/DibRegistry.h"
#include "render/MenuFont.h"
#include "support/PictureTestFiles.h"
#include "support/SoundLog.h"
#include "ui/GameScreens.h"
#include "ui/ScreenMenuHooks.h"
#include "ui/Screens.h"

namespace qn2::testing {

// The menus' pictures as small files of the game, made once: slabs of their real sizes, a
// menu font that draws nothing (its glyphs all key colour, its glows black), the knob
// picture, the instruction pages and buttons and the credits.
struct tMenuFiles {
  struct tFile {
    std::string Name;
    std::string Bytes;
  };
  std::vector<tFile> Files;

  static std::string Bytes(const std::vector<std::uint8_t>& data) {
    return {data.begin(), data.end()};
  }
  void Jpeg(const std::string& name, int w, int h, tRgb colour) {
    Files.push_back({name, Bytes(test::MakeJpeg(w, h, [colour](int, int) { return colour; }))});
  }
  tMenuFiles() {
    Files.push_back({"MenuFontBase.bmp", Bytes(test::MakeBmp(320, 2344, [](int, int) {
                       return tRgb{255, 0, 255};
                     }))});
    Jpeg("MenuFontGlow1.Jpg", 384, 1990, {0, 0, 0});
    Jpeg("MenuFontGlow2.Jpg", 384, 1490, {0, 0, 0});
    Files.push_back({"BaseGfx.bmp", Bytes(test::MakeBmp(576, 288, [](int, int) {
                       return tRgb{200, 200, 200};
                     }))});
    Jpeg("Menu_Main.Jpg", 470, 422, {90, 60, 40});
    Jpeg("Menu_Options.jpg", 550, 310, {90, 60, 40});
    Jpeg("Menu_Sound.jpg", 518, 406, {90, 60, 40});
    Jpeg("Menu_AdvSound.jpg", 550, 358, {90, 60, 40});
    Jpeg("Menu_Video.jpg", 550, 422, {90, 60, 40});
    Jpeg("Menu_AdvVideo.jpg", 566, 342, {90, 60, 40});
    Jpeg("CreditsSlab.jpg", 440, 392, {90, 60, 40});
    Jpeg("Credits.jpg", 320, 540, {250, 250, 250});
    Jpeg("InstructionButtons.jpg", 480, 96, {40, 40, 120});
    for (int n = 1; n <= 4; ++n)
      Jpeg("Instructions(Page" + std::to_string(n) + ").jpg", 640, 480,
           {static_cast<std::uint8_t>(50 * n), 30, 30});
  }
};

inline const tMenuFiles& MenuFiles() {
  static const tMenuFiles files;
  return files;
}

// An engine whose menus are the game's screens, with a pointer the test places, a sound log
// and counted services.
class MenuTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ClearDibs();
    SetSound(&Samples);
    for (const auto& file : MenuFiles().Files) Write(file.Name, file.Bytes);
    LoadMenuFont();
    tMenuServices& services = Hooks.Shared().Services;
    services.ReloadData = [this] { ++Reloads; };
    services.ReinitAudio = [this] { ++AudioRestarts; };
    services.DriverNames = [](int outputType) {
      return outputType == 2 ? std::vector<std::string>{"Speakers", "Headphones", "Hdmi"}
                             : std::vector<std::string>{"Default"};
    };
    RegisterGameScreens(Screens, nullptr, Hooks.Shared());
    Engine->Menus = &Hooks;
    Engine->Pointer = &Pointer;
  }
  void TearDown() override {
    Screens.Leave();
    FreeMenuFont();
    ClearDibs();
    SetSound(nullptr);
    EngineTest::TearDown();
  }

  // One tick with a key pressed (down before it, up after it).
  void Press(std::uint16_t key) {
    Engine->LiveInput.KeyDown(key);
    Tick();
    Engine->LiveInput.KeyUp(key);
  }
  // The pointer moves there, one tick.
  void MoveTo(int x, int y) {
    Pointer.Cursor = {x, y};
    Tick();
  }
  // The pointer moves there, then one tick with the left button pressed and released.
  void ClickAt(int x, int y) {
    MoveTo(x, y);
    Press(vk::LButton);
  }
  // The main menu without a game in progress, then the keys given.
  void OpenMenu() {
    Engine->OpenMenu();
    Tick();
  }
  template <typename tMenu>
  tMenu& ScreenOf(tGameMode mode) {
    return *static_cast<tMenu*>(Screens.For(mode));
  }
  void Draw() { Hooks.DrawScreen(*Engine); }

  testing::tSoundLog Samples;
  tScreens Screens;
  tScreenMenuHooks Hooks{Screens};
  tFixedPointer Pointer;
  int Reloads = 0;
  int AudioRestarts = 0;
};

}  // namespace qn2::testing
