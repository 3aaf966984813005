// Golden pictures of every menu, drawn from the game's own data package with the menus'
// glows settled: the main menu with and without a game, options, sound, the sound device,
// video with a change pending, advanced video, an instructions page and the credits in
// mid-scroll.
#include <filesystem>

#include "GoldenImage.h"
#include "data/ConfigFile.h"
#include "data/PackageFiles.h"
#include "engine/GameEngine.h"
#include "render/DibRegistry.h"
#include "render/MenuFont.h"
#include "support/ScratchFolder.h"
#include "ui/GameScreens.h"
#include "ui/MenuPictures.h"
#include "ui/ScreenMenuHooks.h"
#include "ui/Screens.h"
#include "ui/SoundDeviceMenu.h"

namespace qn2 {
namespace {

// The frame's menu drawing goes straight to the screens.
class tMenuFrames : public tFrameHooks {
 public:
  void DrawMenuScreen(tGameEngine& engine) override { engine.Menus->DrawScreen(engine); }
};

class MenuGoldenTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { MountPackage(QN2_PACKAGE); }
  void SetUp() override {
    Previous = std::filesystem::current_path();
    std::filesystem::current_path(Scratch.path());
    Settings = tSettings();
    ClearDibs();
    Engine = std::make_unique<tGameEngine>();  // it names the package as the pictures' source
    LoadMenuFont();
    LoadMenuGraphics();
    Hooks.Shared().Services.DriverNames = [](int type) {
      return type == 0 ? std::vector<std::string>{}
                       : std::vector<std::string>{"Built-in Audio", "Usb Headset"};
    };
    RegisterGameScreens(Screens, nullptr, Hooks.Shared());
    Engine->Menus = &Hooks;
    Engine->Frames = &Frames;
    Engine->Pointer = &Pointer;
    Engine->PointerEnabled = false;
  }
  void TearDown() override {
    Screens.Leave();
    Engine.reset();
    FreeMenuFont();
    ClearDibs();
    std::filesystem::current_path(Previous);
  }

  // Ticks (the glows settle in 20), then one full frame.
  void Settle(int ticks = 30) {
    for (int i = 0; i < ticks; ++i) Engine->Update();
    Engine->FullRedraw = true;
    Engine->DrawFrame();
  }
  void Key(std::uint16_t key) {
    Engine->LiveInput.KeyDown(key);
    Engine->Update();
    Engine->LiveInput.KeyUp(key);
  }
  void Open(tGameMode mode) {
    Engine->OpenMenu();
    Engine->SetGameMode(mode);
  }
  void Expect(const std::string& name) { test::ExpectMatchesGolden(Engine->FrameSurface(), name); }

  testing::tScratchFolder Scratch;
  std::filesystem::path Previous;
  tScreens Screens;
  tScreenMenuHooks Hooks{Screens};
  tMenuFrames Frames;
  tFixedPointer Pointer;
  std::unique_ptr<tGameEngine> Engine;
};

TEST_F(MenuGoldenTest, MainMenuWithoutAGame) {
  Engine->OpenMenu();
  Settle();
  Expect("menu_main");
}

TEST_F(MenuGoldenTest, MainMenuOverAGameAfterTheFirstStart) {
  Engine->FrameSurface().FillSurface(MakePixel(60, 120, 90));
  Engine->GameInProgress = true;
  Hooks.SetStartCaption(tMenuShared::PickLevelCaption);
  Engine->OpenMenu();
  Settle();
  Expect("menu_main_in_game");
}

TEST_F(MenuGoldenTest, OptionsAndSound) {
  Open(gmOptions);
  Settle();
  Expect("menu_options");
  Settings.MusicOn = false;
  Settings.SoundVolume = 8;
  Engine->SetGameMode(gmSoundOptions);
  Settle();
  Expect("menu_sound");
}

TEST_F(MenuGoldenTest, SoundDeviceSettledAndSliding) {
  Open(gmSoundDevice);
  Settle();
  Expect("menu_sound_device");
  Key(vk::Down);
  Key(vk::Return);
  Engine->Update();
  Engine->FullRedraw = true;
  Engine->DrawFrame();
  Expect("menu_sound_device_sliding");
}

TEST_F(MenuGoldenTest, VideoWithAChangePendingAndAdvancedVideo) {
  Open(gmVideoOptions);
  Hooks.Shared().PendingVideo = {1.1f, true, false, true, false};
  Settle();
  Expect("menu_video");
  Hooks.Shared().PendingVideo.FullScreen = true;
  Settle();
  Expect("menu_video_pending");
  Engine->SetGameMode(gmAdvancedVideo);
  Settle();
  Expect("menu_advanced_video");
}

TEST_F(MenuGoldenTest, InstructionsAndCredits) {
  Open(gmInstructions);
  Settle(20);
  Key(vk::Space);
  Settle(5);
  Expect("menu_instructions_2");
  Engine->SetGameMode(gmCredits);
  Settle(700);
  Expect("menu_credits");
}

}  // namespace
}  // namespace qn2
