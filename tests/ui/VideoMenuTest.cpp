#include "ui/VideoMenu.h"

#include "assets/SampleNames.h"
#include "data/ConfigFile.h"
#include "ui/AdvancedVideoMenu.h"
#include "ui/MenuFixture.h"
#include "ui/OptionsMenu.h"

namespace qn2 {
namespace {

class VideoMenuTest : public testing::MenuTest {
 protected:
  // Main menu, OPTIONS, VIDEO by keys.
  void OpenVideo() {
    OpenMenu();
    Press(vk::Down);
    Press(vk::Return);
    Press(vk::Down);
    Press(vk::Down);
    Press(vk::Right);
    ASSERT_EQ(Engine->GameMode, gmVideoOptions);
    Tick();
  }
  tVideoMenu& Video() { return ScreenOf<tVideoMenu>(gmVideoOptions); }
  tVideoChoices& Pending() { return Hooks.Shared().PendingVideo; }
};

TEST_F(VideoMenuTest, OptionsSwitchTheInGameMenusAndGoBack) {
  OpenMenu();
  Press(vk::Down);
  Press(vk::Return);
  ASSERT_EQ(Engine->GameMode, gmOptions);
  Tick();
  MoveTo(320, 300);  // the in-game-menus row
  EXPECT_EQ(ScreenOf<tOptionsMenu>(gmOptions).Selection(), tOptionsMenu::InGameMenus);
  Samples.Clear();
  Press(vk::Right);
  EXPECT_FALSE(Settings.Dialogs);
  Press(vk::Left);
  EXPECT_TRUE(Settings.Dialogs);
  Press(vk::Return);
  EXPECT_FALSE(Settings.Dialogs);
  EXPECT_EQ(Samples.Count(samples::MenuSelect), 3);
  ClickAt(320, 400);  // below the click rectangle
  EXPECT_EQ(Engine->GameMode, gmMainMenu);
  EXPECT_EQ(Samples.Played.back(), samples::MenuClose);
}

TEST_F(VideoMenuTest, EnteringCopiesTheSettingsAndSelectsTheFirstItem) {
  Settings.DisplayBrightness = 1.76f;
  Settings.FullScreen = true;
  Settings.BitBlt = true;
  OpenVideo();
  EXPECT_EQ(Video().Selection(), tVideoMenu::Back);
  EXPECT_FLOAT_EQ(Pending().Gamma, 1.76f);
  EXPECT_TRUE(Pending().FullScreen);
  EXPECT_TRUE(Pending().BitBlt);
  EXPECT_FALSE(Video().Pending());
}

TEST_F(VideoMenuTest, ApplyChangesIsOutOfReachUntilSomethingIsPending) {
  OpenVideo();
  Press(vk::Up);
  EXPECT_EQ(Video().Selection(), tVideoMenu::Advanced);
  Press(vk::Down);
  EXPECT_EQ(Video().Selection(), tVideoMenu::Back);
  MoveTo(320, 360);  // the apply row: nothing selected there
  EXPECT_EQ(Video().Selection(), tVideoMenu::Back);
  for (int i = 0; i < 20; ++i) Tick();
  EXPECT_EQ(Video().Glow(tVideoMenu::Apply), 0.0f);

  MoveTo(320, 180);
  ASSERT_EQ(Video().Selection(), tVideoMenu::Brightness);
  Samples.Clear();
  Press(vk::Right);
  EXPECT_NEAR(Pending().Gamma, 1.1f + 0.22f, 1e-5);
  EXPECT_EQ(Samples.Count(samples::Slider), 1);
  EXPECT_TRUE(Video().Pending());
  // Pending, "APPLY CHANGES" pulses while another item is selected: it brightens for 16
  // ticks of every 128 and dims for the rest.
  for (int i = 0; i < 14; ++i) Tick();
  EXPECT_NEAR(Video().Glow(tVideoMenu::Apply), 0.45f, 1e-4);
  for (int i = 0; i < 30; ++i) Tick();
  EXPECT_EQ(Video().Glow(tVideoMenu::Apply), 0.0f);
  Press(vk::Up);
  Press(vk::Up);
  EXPECT_EQ(Video().Selection(), tVideoMenu::Apply);
  MoveTo(320, 150);
  MoveTo(320, 360);
  EXPECT_EQ(Video().Selection(), tVideoMenu::Apply);
  // Back to where it was: nothing pending, out of reach again.
  MoveTo(320, 180);
  Press(vk::Left);
  EXPECT_FALSE(Video().Pending());
  Press(vk::Up);
  Press(vk::Up);
  EXPECT_EQ(Video().Selection(), tVideoMenu::Advanced);
}

TEST_F(VideoMenuTest, ABelowTheItemsClickGoesBackWhileNothingIsPending) {
  OpenVideo();
  ClickAt(320, 370);
  EXPECT_EQ(Engine->GameMode, gmOptions);
}

TEST_F(VideoMenuTest, TheBrightnessSliderDragsToBothEnds) {
  EXPECT_FLOAT_EQ(tVideoMenu::GammaAt(300), 0.5f);
  EXPECT_FLOAT_EQ(tVideoMenu::GammaAt(600), 2.7f);
  OpenVideo();
  MoveTo(450, 180);
  Engine->LiveInput.KeyDown(vk::LButton);
  Tick();
  EXPECT_EQ(Engine->MenuDrag, tVideoMenu::DraggingBrightness);
  MoveTo(300, 300);
  EXPECT_FLOAT_EQ(Pending().Gamma, 0.5f);
  EXPECT_EQ(Video().Selection(), tVideoMenu::Brightness);  // no hover while dragging
  MoveTo(600, 180);
  EXPECT_FLOAT_EQ(Pending().Gamma, 2.7f);
  Engine->LiveInput.KeyUp(vk::LButton);
  Tick();
  EXPECT_EQ(Engine->MenuDrag, 0);
  MoveTo(420, 180);
  EXPECT_FLOAT_EQ(Pending().Gamma, 2.7f);
}

TEST_F(VideoMenuTest, ApplyingMakesTheChoicesRealAndReloads) {
  OpenVideo();
  Press(vk::Down);
  Press(vk::Down);
  Press(vk::Right);  // ANIMATE WATER: NO
  EXPECT_FALSE(Pending().AnimateWater);
  Press(vk::Down);
  Press(vk::Down);
  Press(vk::Right);  // ADVANCED
  ASSERT_EQ(Engine->GameMode, gmAdvancedVideo);
  Tick();
  EXPECT_EQ(ScreenOf<tAdvancedVideoMenu>(gmAdvancedVideo).Selection(), 0);
  Press(vk::Down);
  Press(vk::Right);  // back buffer in system memory: NO
  Press(vk::Down);
  Press(vk::Return);  // drawing without acceleration: toggled on
  Press(vk::Escape);
  ASSERT_EQ(Engine->GameMode, gmVideoOptions);
  Tick();
  EXPECT_FALSE(Pending().AnimateWater);  // the pending copies survive the advanced page
  EXPECT_FALSE(Pending().SystemMemoryBackBuffer);
  EXPECT_TRUE(Pending().BitBlt);
  Press(vk::Down);
  EXPECT_EQ(Video().Selection(), tVideoMenu::Apply);
  Press(vk::Return);
  EXPECT_EQ(Reloads, 1);
  EXPECT_FALSE(Settings.AnimateWater);
  EXPECT_FALSE(Settings.SystemMemoryBackBuffer);
  EXPECT_TRUE(Settings.BitBlt);
}

TEST_F(VideoMenuTest, ApplyingDuringAGameGivesTheGameItsModeBack) {
  Engine->SetGameMode(gmEditing);
  Engine->GameInProgress = true;
  Engine->OpenMenu();
  Engine->SetGameMode(gmVideoOptions);
  Tick();
  Pending().FullScreen = !Settings.FullScreen;
  Video().SetSelection(tVideoMenu::Apply);
  Press(vk::Return);
  EXPECT_EQ(Reloads, 1);
  EXPECT_EQ(Engine->ModeStackDepth(), 0);
  EXPECT_EQ(Engine->GameMode, gmEditing);
}

}  // namespace
}  // namespace qn2
