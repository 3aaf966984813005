#pragma once

#include "ui/SlabMenu.h"
#include "ui/SoundNameImages.h"

namespace qn2 {

// The advanced sound menu of engine mode 21: the sound output type and its driver, chosen
// on pending copies. Leaving by "< BACK TO SOUND" makes changed choices real and brings the
// sound up again on them; leaving by Escape or a click outside forgets them.
class tSoundDeviceMenu : public tSlabMenu {
 public:
  static constexpr std::int32_t Items = 3;
  static constexpr std::int32_t Back = 0;
  static constexpr std::int32_t Device = 1;
  static constexpr std::int32_t Driver = 2;

  explicit tSoundDeviceMenu(tMenuShared& shared);
  // Copies the settings in force into the pending choices and writes the name images.
  void Entered(tGameEngine& engine) override;
  void Draw(tDib16& frame) override;

  std::int32_t PendingDevice() const { return NewDevice; }
  std::int32_t PendingDriver() const { return NewDriver; }
  float DeviceSlide() const { return DeviceT; }
  float DriverSlide() const { return DriverT; }

 protected:
  void Tick(tPoint pointer, bool moved, tInputDevice& input) override;

 private:
  void Choose(std::int32_t item);
  void BackToSound();
  std::int32_t DriverCount(std::int32_t device) const;

  tSoundNameImages Names;
  std::int32_t NewDevice = 0, OldDevice = 0;
  std::int32_t NewDriver = 0, OldDriver = 0;
  float DeviceT = 0, DriverT = 0;
};

}  // namespace qn2
