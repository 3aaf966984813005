#include "ui/SoundDeviceMenu.h"

#include <array>

#include "assets/SampleNames.h"
#include "data/ConfigFile.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/DibStack.h"
#include "ui/MenuPictures.h"

namespace qn2 {

namespace {

constexpr tSpan Column{125, 512};
constexpr std::array<tSpan, 3> Rows{{{158, 185}, {195, 262}, {272, 338}}};
constexpr tBox ClickBox{{125, 512}, {158, 338}};
constexpr float SlideDecay = 0.75f;
constexpr tPoint DeviceNameAt{154, 230};
constexpr tPoint DriverNameAt{154, 306};

}  // namespace

tSoundDeviceMenu::tSoundDeviceMenu(tMenuShared& shared)
    : tSlabMenu(shared, SoundDeviceSlab, Items) {}

void tSoundDeviceMenu::Entered(tGameEngine& engine) {
  tSlabMenu::Entered(engine);
  NewDevice = OldDevice = Settings.SoundDevice;
  NewDriver = OldDriver = Settings.SoundDriver;
  DeviceT = DriverT = 0;
  Names.Generate(Shared.Services.DriverNames);
}

std::int32_t tSoundDeviceMenu::DriverCount(std::int32_t device) const {
  if (!Shared.Services.DriverNames) return 0;
  return static_cast<std::int32_t>(Shared.Services.DriverNames(device).size());
}

void tSoundDeviceMenu::Tick(tPoint pointer, bool moved, tInputDevice& input) {
  DeviceT *= SlideDecay;
  DriverT *= SlideDecay;
  if (moved) {
    const std::int32_t row = RowAt(pointer, Column, Rows);
    if (row >= 0) SetSelection(row);
  }
  StepByKeys(input, Items);
  if (input.WasPressed(iaLeft) && Selection() == Back) return BackToSound();
  if (input.WasPressed(iaBack) || (input.WasPressed(iaClick) && !ClickBox.Contains(pointer)))
    return GoBack(gmSoundOptions);
  if (input.WasPressed(iaSelect) || input.WasPressed(iaClick)) {
    PlaySound(samples::MenuSelect);
    Choose(Selection());
  }
}

void tSoundDeviceMenu::Choose(std::int32_t item) {
  if (item == Back) return BackToSound();
  if (item == Device) {
    OldDevice = NewDevice;
    OldDriver = NewDriver;
    NewDevice = (NewDevice + 1) % static_cast<std::int32_t>(tSoundNameImages::DeviceNames.size());
    NewDriver = 0;
    DeviceT = DriverT = 1;
  } else if (item == Driver) {
    OldDriver = NewDriver;
    const std::int32_t count = DriverCount(NewDevice);
    NewDriver = count > 0 ? (NewDriver + 1) % count : 0;
    DriverT = 1;
  }
}

// Changed choices become the settings, and the sound comes up again on them.
void tSoundDeviceMenu::BackToSound() {
  const bool changed = NewDevice != Settings.SoundDevice || NewDriver != Settings.SoundDriver;
  if (!changed) return GoBack(gmSoundOptions);
  Settings.SoundDevice = static_cast<std::int8_t>(NewDevice);
  Settings.SoundDriver = NewDriver;
  GoTo(gmSoundOptions);
  if (Shared.Services.ReinitAudio) Shared.Services.ReinitAudio();
}

void tSoundDeviceMenu::Draw(tDib16& frame) {
  DrawSlab(frame);
  {
    tDibTarget target(&frame);
    Centred(300, 196, "< BACK TO SOUND", Glow(Back));
    Centred(320, 233, "SOUND DEVICE:", Glow(Device));
    Centred(320, 309, "DEVICE DRIVER:", Glow(Driver));
  }
  if (!Names.Ready()) return;
  DrawSlidingName(frame, Names.DeviceImage(), DeviceNameAt.X, DeviceNameAt.Y, NewDevice, OldDevice,
                  DeviceT);
  // After a change of device the old driver's row is taken from the new device's list.
  DrawSlidingName(frame, Names.DriverImage(NewDevice), DriverNameAt.X, DriverNameAt.Y, NewDriver,
                  OldDriver, DriverT);
}

}  // namespace qn2
