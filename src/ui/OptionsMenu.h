#pragma once

#include "ui/SlabMenu.h"

namespace qn2 {

// The options menu of engine mode 17: back to the main menu, the sound and video menus, and
// whether the end-of-level and death pop-ups show ("IN-GAME MENUS").
class tOptionsMenu : public tSlabMenu {
 public:
  static constexpr std::int32_t Items = 4;
  static constexpr std::int32_t Back = 0;
  static constexpr std::int32_t Sound = 1;
  static constexpr std::int32_t Video = 2;
  static constexpr std::int32_t InGameMenus = 3;

  explicit tOptionsMenu(tMenuShared& shared);
  void ZeroGlows() override;
  void Draw(tDib16& frame) override;

 protected:
  void Tick(tPoint pointer, bool moved, tInputDevice& input) override;
  void StepGlows() override;

 private:
  void Choose(std::int32_t item);
  void OpenVideo();

  tChoiceGlow DialogsGlow;
};

}  // namespace qn2
