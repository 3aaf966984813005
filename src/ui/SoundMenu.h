#pragma once

#include "ui/SlabMenu.h"

namespace qn2 {

// The sound menu of engine mode 20: effects and music, each switched on or off and with a
// volume slider 0..10, and the way on to the sound device. Volumes apply at once: a sample
// takes the effects volume when it starts, and the music follows its setting every frame.
class tSoundMenu : public tSlabMenu {
 public:
  static constexpr std::int32_t Items = 6;
  static constexpr std::int32_t Back = 0;
  static constexpr std::int32_t Effects = 1;
  static constexpr std::int32_t EffectsVolume = 2;
  static constexpr std::int32_t Music = 3;
  static constexpr std::int32_t MusicVolume = 4;
  static constexpr std::int32_t Advanced = 5;
  // The engine's drag state while a slider is held.
  static constexpr std::int32_t DraggingEffects = 1;
  static constexpr std::int32_t DraggingMusic = 2;

  explicit tSoundMenu(tMenuShared& shared);
  void ZeroGlows() override;
  void Draw(tDib16& frame) override;

  // The volume a slider held at frame x gives: round((x - 345) / 120 * 10), within 0..10.
  static std::int32_t VolumeAt(std::int32_t x);

 protected:
  void Tick(tPoint pointer, bool moved, tInputDevice& input) override;
  void StepGlows() override;

 private:
  void Drag(tPoint pointer, tInputDevice& input);
  void Choose(std::int32_t item);
  // Sets a volume, with "Slider.wav" when it changes.
  static void SetVolume(std::int32_t& volume, std::int32_t value);

  tChoiceGlow EffectsGlow;
  tChoiceGlow MusicGlow;
};

}  // namespace qn2
