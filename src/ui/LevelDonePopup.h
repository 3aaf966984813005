#pragma once

#include "render/Sprite.h"
#include "ui/SlabMenu.h"

namespace qn2 {

// The pop-up over a finished level, on the large base: with every jewel taken (engine mode
// 33) the "solved" picture and MOVE ON, PLAY AGAIN, GO TO LEVEL..., MENU; with jewels left
// (mode 34) the "partly solved" picture and WHO CARES?, TRY AGAIN, GO TO LEVEL..., MENU.
// The items lead to the same places in both: the next unsolved entry, the level again, the
// level-pick screen, the main menu. A click outside the pop-up or Back plays the level again.
class tLevelDonePopup : public tSlabMenu {
 public:
  static constexpr std::int32_t Items = 4;
  static constexpr std::int32_t MoveOn = 0;
  static constexpr std::int32_t PlayAgain = 1;
  static constexpr std::int32_t GoToLevel = 2;
  static constexpr std::int32_t Menu = 3;

  explicit tLevelDonePopup(tMenuShared& shared);
  void Draw(tDib16& frame) override;
  // The engine's mode tells which of the two pop-ups shows: solved (33) or partly solved.
  bool AllJewels() const;

 protected:
  void Tick(tPoint pointer, bool moved, tInputDevice& input) override;

 private:
  void Choose(std::int32_t item);
  void PlayLevelAgain();
  void Leave(tGameMode target);

  tSprite Picture;
};

}  // namespace qn2
