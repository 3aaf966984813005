#pragma once

#include "ui/SlabMenu.h"

namespace qn2 {

// The pop-up over the dead player (engine mode 35): the picture of this death on the small
// base, and TRY AGAIN, GO TO LEVEL... and MENU. A choice closes the pop-up without a sound
// and tells the engine what the reset warp that takes the body away leads to; a click
// outside the pop-up or Back counts as MENU.
class tDeathPopup : public tSlabMenu {
 public:
  static constexpr std::int32_t Items = 3;
  static constexpr std::int32_t TryAgain = 0;
  static constexpr std::int32_t GoToLevel = 1;
  static constexpr std::int32_t Menu = 2;

  explicit tDeathPopup(tMenuShared& shared);
  void Draw(tDib16& frame) override;

 protected:
  void Tick(tPoint pointer, bool moved, tInputDevice& input) override;

 private:
  void Choose(std::int32_t item);
};

}  // namespace qn2
