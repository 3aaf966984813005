#include "ui/PopupPictures.h"

#include "render/DibRegistry.h"
#include "render/Sprite.h"
#include "ui/DeathPictures.h"

namespace qn2 {

void LoadEndOfLevelPopupGraphics() {
  GetDib(LargePopupBase, true);
  GetDib(SmallPopupBase, true);
  for (const char* name : {SolvedPicture, PartialPicture, CongratsPicture}) GetDib(name, false);
  LoadDeathPictureData();
}

void DrawPictureOnBase(tSprite& picture, int baseHeight) {
  constexpr int FrameCentreX = 320;
  constexpr int FrameCentreY = 240;
  const int baseTop = FrameCentreY - baseHeight / 2;
  picture.Draw(FrameCentreX - picture.Width() / 2 + picture.HotX, baseTop + picture.HotY);
}

}  // namespace qn2
