#pragma once

#include "ui/SlabMenu.h"

namespace qn2 {

// The advanced video menu of engine mode 19: the back buffer in system memory and drawing
// onto the window's surface instead of the accelerated display, both on the video menu's
// pending copies. Its slab sits 8 pixels above the centre.
class tAdvancedVideoMenu : public tSlabMenu {
 public:
  static constexpr std::int32_t Items = 3;
  static constexpr std::int32_t Back = 0;
  static constexpr std::int32_t SystemMemory = 1;
  static constexpr std::int32_t BitBlt = 2;

  explicit tAdvancedVideoMenu(tMenuShared& shared);
  void ZeroGlows() override;
  void Draw(tDib16& frame) override;

 protected:
  void Tick(tPoint pointer, bool moved, tInputDevice& input) override;
  void StepGlows() override;

 private:
  bool& Switch(std::int32_t item);

  tChoiceGlow MemoryGlow;
  tChoiceGlow BitBltGlow;
};

}  // namespace qn2
