#include "ui/SoundMenu.h"

#include "assets/SampleNames.h"
#include "data/ConfigFile.h"
#include "ui/MenuFixture.h"
#include "ui/SoundDeviceMenu.h"

namespace qn2 {
namespace {

class SoundMenuTest : public testing::MenuTest {
 protected:
  // Main menu, OPTIONS, SOUND by keys.
  void OpenSound() {
    OpenMenu();
    Press(vk::Down);
    Press(vk::Return);
    Press(vk::Down);
    Press(vk::Right);
    ASSERT_EQ(Engine->GameMode, gmSoundOptions);
    Tick();
  }
  void OpenDevices() {
    OpenSound();
    Sound().SetSelection(tSoundMenu::Advanced);
    Press(vk::Right);
    ASSERT_EQ(Engine->GameMode, gmSoundDevice);
    Tick();
  }
  tSoundMenu& Sound() { return ScreenOf<tSoundMenu>(gmSoundOptions); }
  tSoundDeviceMenu& Devices() { return ScreenOf<tSoundDeviceMenu>(gmSoundDevice); }
};

TEST_F(SoundMenuTest, VolumeSlidersDragInTenthsRoundingHalvesToEven) {
  EXPECT_EQ(tSoundMenu::VolumeAt(357), 1);
  EXPECT_EQ(tSoundMenu::VolumeAt(351), 0);
  EXPECT_EQ(tSoundMenu::VolumeAt(363), 2);  // 1.5 rounds up to even
  EXPECT_EQ(tSoundMenu::VolumeAt(600), 10);
  EXPECT_EQ(tSoundMenu::VolumeAt(200), 0);

  OpenSound();
  MoveTo(400, 230);
  Samples.Clear();
  Engine->LiveInput.KeyDown(vk::LButton);
  Tick();
  EXPECT_EQ(Engine->MenuDrag, tSoundMenu::DraggingEffects);
  MoveTo(357, 400);
  EXPECT_EQ(Settings.SoundVolume, 1);
  MoveTo(351, 400);
  EXPECT_EQ(Settings.SoundVolume, 0);
  MoveTo(352, 400);  // 0.58 -> 1
  EXPECT_EQ(Settings.SoundVolume, 1);
  MoveTo(353, 400);
  Engine->LiveInput.KeyUp(vk::LButton);
  Tick();
  EXPECT_EQ(Engine->MenuDrag, 0);
  EXPECT_EQ(Samples.Count(samples::Slider), 3);  // 5 stays 5 on the press, then 1, 0, 1
  EXPECT_EQ(Settings.MusicVolume, 5);

  MoveTo(400, 310);
  Engine->LiveInput.KeyDown(vk::LButton);
  Tick();
  EXPECT_EQ(Engine->MenuDrag, tSoundMenu::DraggingMusic);
  MoveTo(465, 310);
  EXPECT_EQ(Settings.MusicVolume, 10);
  Engine->LiveInput.KeyUp(vk::LButton);
}

TEST_F(SoundMenuTest, KeysStepVolumesAndSwitchTheSounds) {
  OpenSound();
  Press(vk::Down);
  Press(vk::Down);
  ASSERT_EQ(Sound().Selection(), tSoundMenu::EffectsVolume);
  Samples.Clear();
  for (int i = 0; i < 7; ++i) Press(vk::Right);
  EXPECT_EQ(Settings.SoundVolume, 10);
  EXPECT_EQ(Samples.Count(samples::Slider), 5);  // no sound at the end stop
  Press(vk::Up);
  Press(vk::Right);
  EXPECT_FALSE(Settings.SoundOn);
  Press(vk::Left);
  EXPECT_TRUE(Settings.SoundOn);
  Press(vk::Down);
  Press(vk::Down);
  Press(vk::Return);
  EXPECT_FALSE(Settings.MusicOn);
  Press(vk::Down);
  Press(vk::Left);
  EXPECT_EQ(Settings.MusicVolume, 4);
  Press(vk::Escape);
  EXPECT_EQ(Engine->GameMode, gmOptions);
}

TEST_F(SoundMenuTest, LeavingByBackForgetsTheDeviceAndByTheFirstItemApplies) {
  Settings.SoundDevice = 2;
  Settings.SoundDriver = 1;
  OpenDevices();
  EXPECT_EQ(Devices().Selection(), tSoundDeviceMenu::Back);
  EXPECT_EQ(Devices().PendingDevice(), 2);
  EXPECT_EQ(Devices().PendingDriver(), 1);
  Press(vk::Down);
  Press(vk::Return);  // the device: 2 -> 0, driver back to 0
  EXPECT_EQ(Devices().PendingDevice(), 0);
  EXPECT_EQ(Devices().PendingDriver(), 0);
  EXPECT_FLOAT_EQ(Devices().DeviceSlide(), 1.0f);
  Tick();
  EXPECT_FLOAT_EQ(Devices().DeviceSlide(), 0.75f);
  Samples.Clear();
  Press(vk::Escape);
  EXPECT_EQ(Engine->GameMode, gmSoundOptions);
  EXPECT_EQ(Settings.SoundDevice, 2);
  EXPECT_EQ(AudioRestarts, 0);
  EXPECT_EQ(Samples.Played, (std::vector<std::string>{samples::MenuClose}));

  Press(vk::Return);  // ADVANCED is still selected
  ASSERT_EQ(Engine->GameMode, gmSoundDevice);
  Tick();
  EXPECT_EQ(Devices().PendingDevice(), 2);
  EXPECT_EQ(Devices().Selection(), tSoundDeviceMenu::Device);  // kept from the last visit
  Press(vk::Down);
  Press(vk::Return);  // the driver: 1 -> 2
  Press(vk::Return);  // 2 -> 0, wrapping at the three drivers
  EXPECT_EQ(Devices().PendingDriver(), 0);
  Press(vk::Up);
  Press(vk::Return);  // the device: 2 -> 0
  Press(vk::Return);  // 0 -> 1
  Press(vk::Up);
  Samples.Clear();
  Press(vk::Left);
  EXPECT_EQ(Engine->GameMode, gmSoundOptions);
  EXPECT_EQ(Settings.SoundDevice, 1);
  EXPECT_EQ(Settings.SoundDriver, 0);
  EXPECT_EQ(AudioRestarts, 1);
  EXPECT_EQ(Samples.Count(samples::MenuClose), 0);
}

TEST_F(SoundMenuTest, TheFirstItemWithoutAChangeOnlyGoesBack) {
  OpenDevices();
  Samples.Clear();
  Press(vk::Return);
  EXPECT_EQ(Engine->GameMode, gmSoundOptions);
  EXPECT_EQ(AudioRestarts, 0);
  EXPECT_EQ(Samples.Count(samples::MenuClose), 1);
}

}  // namespace
}  // namespace qn2
