#include "ui/DeathPopup.h"

#include <array>

#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/DibStack.h"
#include "render/Sprite.h"
#include "ui/DeathPictures.h"
#include "ui/PopupPictures.h"

namespace qn2 {

namespace {

constexpr std::int32_t BaseHeight = 340;
constexpr tSpan Column{204, 462};
constexpr std::array<tSpan, tDeathPopup::Items> Rows{{{248, 282}, {288, 318}, {326, 356}}};
constexpr tBox ClickBox{{204, 462}, {246, 357}};

}  // namespace

tDeathPopup::tDeathPopup(tMenuShared& shared) : tSlabMenu(shared, SmallPopupBase, Items) {}

void tDeathPopup::Tick(tPoint pointer, bool moved, tInputDevice& input) {
  if (moved) {
    const std::int32_t row = RowAt(pointer, Column, Rows);
    if (row >= 0) SetSelection(row);
  }
  StepByKeys(input, Items);
  if (input.WasPressed(iaBack) || (input.WasPressed(iaClick) && !ClickBox.Contains(pointer)))
    return Choose(Menu);
  if (input.WasPressed(iaSelect) || input.WasPressed(iaClick)) Choose(Selection());
}

// Back under the pop-up the player lies dead (mode 9); mode 12 lets the body's animation
// start the reset warp, which then does what was chosen.
void tDeathPopup::Choose(std::int32_t item) {
  static constexpr std::array<std::int32_t, Items> Actions{WarpRestart, WarpToLevelPick,
                                                           WarpToMenu};
  Engine->CloseMenu();
  Engine->WarpAction = Actions[static_cast<std::size_t>(item)];
  Engine->SetGameMode(gmPopupClosed);
}

void tDeathPopup::Draw(tDib16& frame) {
  DrawSlab(frame);
  tDibTarget target(&frame);
  if (tSprite* picture = CurrentDeathPicture()) DrawPictureOnBase(*picture, BaseHeight);
  Centred(323, 287, "TRY AGAIN", Glow(TryAgain));
  Centred(332, 325, "GO TO LEVEL...", Glow(GoToLevel));
  Centred(320, 363, "MENU", Glow(Menu));
}

}  // namespace qn2
