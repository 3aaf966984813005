#include "engine/units/Snake.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/LookRandom.h"
#include "engine/board/StateIo.h"
#include "engine/units/FireBall.h"
#include "engine/units/HostileGraphics.h"
#include "engine/units/Player.h"

namespace qn2 {

tSnake::tSnake() {
  Sprite = SnakeIcon();
  Layer = 2;
}

void tSnake::Reset() {
  tUnit::Reset();
  AnimPos = LookRandom.Below(15);
  AnimStep = 1;
}

void tSnake::Move() {
  tUnit::Move();
  AnimPos += AnimStep;
  if (AnimPos == SnakeSwayFrames - 1 || AnimPos == 0) AnimStep = -AnimStep;
  Sprite = SnakeSwaySprite(FacingLeft, AnimPos);
}

bool tSnake::CanSeeAlongRow(int playerX) {
  if (Level == nullptr) return false;
  const int from = std::min(GridX, playerX) + 1;
  const int to = std::max(GridX, playerX);
  std::vector<tUnit*> units;
  for (int x = from; x < to; ++x) {
    if (IsBlocked(x, GridY)) return false;
    units.clear();
    Level->UnitsAt(x, GridY, units);
    for (tUnit* unit : units)
      if (!unit->LetsShotPass(this)) return false;
  }
  return true;
}

void tSnake::TakeTurn() {
  tPlayer* player = Player();
  if (player == nullptr) return;
  if (player->GridX < GridX) FacingLeft = true;
  if (player->GridX > GridX) FacingLeft = false;
  if (player->GridY != GridY || !CanSeeAlongRow(player->GridX)) return;

  Sound().PlaySample(samples::SnakeAngry);
  Sound().PlaySample(samples::SnakeFire);
  auto shot = std::make_unique<tFireBall>();
  shot->X = X;
  shot->Y = Y;
  shot->GridX = shot->TargetX = GridX;
  shot->GridY = shot->TargetY = GridY;
  Level->AddUnit(std::move(shot));
  // From now on the engine runs the death animation pass instead of the move pass.
  Owner().FatalStrikeStarted();
}

void tSnake::StateFields(tStateIo& io) {
  tPlayerAwareUnit::StateFields(io);
  io.Look(AnimPos);
  io.Look(AnimStep);
  io.Field(FacingLeft);
}

}  // namespace qn2
