#include "engine/board/Unit.h"

#include "common/Exception.h"
#include "common/Rounding.h"
#include "engine/board/Board.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/Level.h"
#include "engine/board/PlayState.h"
#include "engine/board/StateIo.h"

namespace qn2 {

tUnit::tUnit() = default;

tPlayState& tUnit::Play() const {
  if (Level == nullptr) throw Exception("A unit on no level has no play state");
  return Level->Play;
}

tPlayOwner& tUnit::Owner() const {
  return Level != nullptr ? Level->Owner() : NoPlayOwner();
}

const tPropertyList& tUnit::Properties() {
  static const tPropertyList list = [] {
    tPropertyList l;
    Publish<tUnit>(l)
        .Integer("InitialX", &tUnit::InitialX, &tUnit::SetInitialX)
        .Integer("InitialY", &tUnit::InitialY, &tUnit::SetInitialY);
    return l;
  }();
  return list;
}

void tUnit::SetInitialX(std::int32_t value) {
  if (value >= 0 && value < BoardColumns) InitialX = value;
}

void tUnit::SetInitialY(std::int32_t value) {
  if (value >= 0 && value < BoardRows) InitialY = value;
}

int tUnit::RoundX() const {
  return Round(X);
}
int tUnit::RoundY() const {
  return Round(Y);
}

void tUnit::PickUp() {
  if (Play().Carried.QueueAppend(this)) Carried = true;
}

void tUnit::Move() {
  X += StepX;
  Y += StepY;
}

void tUnit::Reset() {
  X = static_cast<float>(InitialX);
  Y = static_cast<float>(InitialY);
  GridX = TargetX = InitialX;
  GridY = TargetY = InitialY;
  Dead = false;
  Present = true;
  Carried = false;
  Direction = InitialDirection;
}

void tUnit::StopMoving() {
  StepX = 0;
  StepY = 0;
  Moving = false;
}

// The snapshot holds the movement state. The sprite is kept as the pointer value,
// which is only meaningful inside the running program.
void tUnit::SaveState(tSnapshotStream& stream) {
  stream.Write<std::uint8_t>(QuietWhenStill);
  stream.Write(GridX);
  stream.Write(GridY);
  stream.Write(StepX);
  stream.Write(StepY);
  stream.Write(TargetX);
  stream.Write(TargetY);
  stream.Write(static_cast<std::uint8_t>(Direction));
  stream.Write(Layer);
  stream.Write<std::uint8_t>(Dead);
  stream.Write<std::uint8_t>(Temporary);
  stream.Write(Sprite);
  SavedX = X;
  SavedY = Y;
}

void tUnit::LoadState(tSnapshotStream& stream) {
  QuietWhenStill = stream.Read<std::uint8_t>() != 0;
  GridX = stream.Read<std::int32_t>();
  GridY = stream.Read<std::int32_t>();
  StepX = stream.Read<float>();
  StepY = stream.Read<float>();
  TargetX = stream.Read<std::int32_t>();
  TargetY = stream.Read<std::int32_t>();
  Direction = static_cast<tDirection>(stream.Read<std::uint8_t>() & 3);
  Layer = stream.Read<std::uint8_t>();
  Dead = stream.Read<std::uint8_t>() != 0;
  Temporary = stream.Read<std::uint8_t>() != 0;
  Sprite = stream.Read<tSprite*>();
  X = SavedX;
  Y = SavedY;
}

void tUnit::StateFields(tStateIo& io) {
  io.Field(InitialX);
  io.Field(InitialY);
  io.Field(InitialDirection);
  io.Field(Present);
  io.Field(SavedX);
  io.Field(SavedY);
  io.Field(ReservesCell);
  io.Field(Carried);
  io.Field(Moving);
  io.Field(QuietWhenStill);
  io.Field(X);
  io.Field(Y);
  io.Field(GridX);
  io.Field(GridY);
  io.Field(StepX);
  io.Field(StepY);
  io.Field(TargetX);
  io.Field(TargetY);
  io.Field(Direction);
  io.Field(Layer);
  io.Field(Dead);
  io.Field(Temporary);
  io.Look(Sprite);
}

bool tUnit::IsBlocked(int x, int y) const {
  if (!InsideBoard(x, y)) return true;
  return Level != nullptr && Level->Cell(x, y).Solid;
}

bool tUnit::CanEnter(int x, int y) {
  if (!InsideBoard(x, y) || Level == nullptr) return false;
  for (tUnit* unit : Level->Rows[y]) {
    if (unit->IsLive() && unit->RoundX() == x && unit->RoundY() == y && !unit->AllowsEntry(this))
      return false;
  }
  return !Level->Cell(x, y).Solid && !Level->IsReserved(x, y);
}

bool tUnit::CanPushInto(int x, int y) {
  if (IsBlocked(x, y)) return false;
  if (Level->IsReserved(x, y)) return false;
  for (tUnit* unit : Level->Rows[y]) {
    if (unit->IsLive() && unit->RoundX() == x && unit->RoundY() == y && unit->TargetX == x &&
        unit->TargetY == y && !unit->QueryPush(this, Direction))
      return false;
  }
  return true;
}

void tUnit::PushInto(int x, int y) {
  if (Level == nullptr || y < 0 || y >= BoardRows) return;
  // A push starts the pushed unit's own move, so its target no longer is this cell.
  const auto& row = Level->Rows[y];
  for (std::size_t i = 0; i < row.size(); ++i) {
    tUnit* unit = row[i];
    if (unit->IsLive() && unit->RoundX() == x && unit->RoundY() == y && unit->TargetX == x &&
        unit->TargetY == y)
      unit->DoPush(this, Direction);
  }
}

void tUnit::StartMove(tDirection direction) {
  const tCellOffset offset = DirectionOffset(direction);
  TargetX = GridX + offset.DX;
  TargetY = GridY + offset.DY;
  if (ReservesCell && Level != nullptr) Level->Reserve(TargetX, TargetY);
  StepX = static_cast<float>(offset.DX) / static_cast<float>(Play().Clock.FramesPerTurn);
  StepY = static_cast<float>(offset.DY) / static_cast<float>(Play().Clock.FramesPerTurn);
  Moving = true;
}

void tUnit::StartMoveTo(int x, int y) {
  TargetX = x;
  TargetY = y;
  if (Level != nullptr) Level->Reserve(x, y);
  StepX = static_cast<float>(x - GridX) / static_cast<float>(Play().Clock.FramesPerTurn);
  StepY = static_cast<float>(y - GridY) / static_cast<float>(Play().Clock.FramesPerTurn);
  Moving = true;
}

}  // namespace qn2
