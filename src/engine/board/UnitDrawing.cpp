#include "common/Rounding.h"
#include "engine/board/Board.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/Unit.h"
#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/Sprite.h"

namespace qn2 {

void tUnit::DrawSpriteAt(int centreX, int centreY) const {
  if (Sprite != nullptr) Sprite->Draw(centreX, centreY);
}

// A unit that is quiet when still only adds its picture to the repaint list while it moves.
void tUnit::Draw() {
  if (QuietWhenStill) CurrentDib->TrackDirty = Moving;
  DrawSpriteAt(Round(X * 32) + PlayAreaOffset + 16, Round(Y * 32) + 16);
  if (QuietWhenStill) CurrentDib->TrackDirty = true;
}

void tUnit::DrawAtInitialPosition() {
  DrawSpriteAt(InitialX * 32 + PlayAreaOffset + 16, InitialY * 32 + 16);
}

// The carried items sit in a box of the side panel; the box is repainted from the panel
// picture first, then the items are drawn left to right in queue order.
void DrawCarriedItems(const tCarriedQueue& items, tDib16* sidePanel) {
  tDib16& frame = *CurrentDib;
  frame.ClipRect = tRect{0, 0, frame.Width(), frame.Height()};
  frame.TrackDirty = false;
  if (sidePanel != nullptr) frame.CopyRectFrom(*sidePanel, 20, 356, 20, 356, 100, 40);
  constexpr int row = 376;
  static constexpr int columns[3][3] = {{64, 0, 0}, {48, 80, 0}, {40, 64, 88}};
  const std::size_t count = items.Size();
  for (std::size_t i = 0; i < count; ++i) {
    tUnit* item = items.Item(i);
    if (item->Sprite != nullptr) item->Sprite->Draw(columns[count - 1][i], row);
  }
  frame.TrackDirty = true;
  frame.ClipRect = tRect{SidePanelWidth, 0, FrameWidth, FrameHeight};
}

}  // namespace qn2
