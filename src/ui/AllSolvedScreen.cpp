#include "ui/AllSolvedScreen.h"

#include "render/Dib16.h"
#include "render/DibRegistry.h"
#include "ui/PopupPictures.h"
#include "ui/SlabMenu.h"

namespace qn2 {

void tAllSolvedScreen::Draw(tDib16& frame) {
  tDib16* picture = GetDib(CongratsPicture, true);
  frame.CopyRectFrom(*picture, 0, 0, 0, 0, picture->Width(), picture->Height());
}

void tAllSolvedScreen::Left() {
  UnloadPicture(CongratsPicture);
}

}  // namespace qn2
