#pragma once

#include "ui/SlabMenu.h"

namespace qn2 {

// Whether the pending video choices differ from the settings in force: the brightness by
// more than 0.1, or any of the four switches.
bool VideoChangesPending(const tVideoChoices& pending);

// The video menu of engine mode 18: brightness, water animation, full screen and the way
// on to the advanced page, all on pending copies of the settings; "APPLY CHANGES" (only
// reachable, and pulsing, while something is pending) makes them real and sets the display
// and the graphics up again.
class tVideoMenu : public tSlabMenu {
 public:
  static constexpr std::int32_t Items = 6;
  static constexpr std::int32_t Back = 0;
  static constexpr std::int32_t Brightness = 1;
  static constexpr std::int32_t AnimateWater = 2;
  static constexpr std::int32_t FullScreen = 3;
  static constexpr std::int32_t Advanced = 4;
  static constexpr std::int32_t Apply = 5;
  static constexpr std::int32_t DraggingBrightness = 1;

  explicit tVideoMenu(tMenuShared& shared);
  void ZeroGlows() override;
  void Draw(tDib16& frame) override;

  // The brightness a slider held at frame x gives: (x - 404) / 120 * 2.2 + 0.5, within
  // 0.5..2.7.
  static float GammaAt(std::int32_t x);
  bool Pending() const { return VideoChangesPending(Shared.PendingVideo); }

 protected:
  void Tick(tPoint pointer, bool moved, tInputDevice& input) override;
  void StepGlows() override;

 private:
  void Drag(tPoint pointer, tInputDevice& input);
  void SetGamma(float gamma);
  void Choose(std::int32_t item);
  void ApplyChanges();

  tChoiceGlow WaterGlow;
  tChoiceGlow FullScreenGlow;
  std::int32_t PulseTicks = 0;
};

}  // namespace qn2
