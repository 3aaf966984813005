#include "engine/units/Boulder.h"

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "engine/units/Player.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2 {

tBoulder::tBoulder() {
  Sprite = &TerrainSprites().Boulder;
  QuietWhenStill = true;
}

bool tBoulder::QueryPush(tUnit* pusher, tDirection direction) {
  if (dynamic_cast<tPlayer*>(pusher) == nullptr) return false;
  const tCellOffset o = DirectionOffset(direction);
  return CanPushInto(GridX + o.DX, GridY + o.DY);
}

void tBoulder::DoPush(tUnit* pusher, tDirection direction) {
  if (dynamic_cast<tPlayer*>(pusher) == nullptr) return;
  const tCellOffset o = DirectionOffset(direction);
  Direction = direction;
  PushInto(GridX + o.DX, GridY + o.DY);
  StartMove(direction);
  Sound().PlaySample(samples::SlideStone);
}

// B is the cell as far beyond the boulder as the player stands before it, on the same
// row or column. Anything still arriving on B or just above or below it could change
// whether the boulder can go there.
bool tBoulder::HoldsPlayerTurn() {
  const tPlayer* player = Player();
  if (player == nullptr || Level == nullptr) return false;
  const int dx = GridX - player->GridX;
  const int dy = GridY - player->GridY;
  if (dx != 0 && dy != 0) return false;
  const int bx = GridX + dx;
  const int by = GridY + dy;
  for (const int y : {by - 1, by + 1, by}) {
    const tUnit* unit = Level->UnitHeadingTo(bx, y);
    if (unit != nullptr && !unit->HasArrived()) return true;
  }
  return false;
}

tSprite* BoulderIcon() {
  return &TerrainSprites().Boulder;
}

}  // namespace qn2
