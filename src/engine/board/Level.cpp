#include "engine/board/Level.h"

#include <algorithm>

#include "common/Rounding.h"
#include "engine/board/CycleProcedures.h"

namespace qn2 {

tPlayOwner& NoPlayOwner() {
  static tPlayOwner none;
  return none;
}

tLevel::~tLevel() {
  FreeUnits();
}

bool tLevel::IsReserved(int x, int y) const {
  if (!InsideBoard(x, y)) return false;
  return Reserved[static_cast<std::size_t>(x * BoardRows + y)] != 0;
}

void tLevel::Reserve(int x, int y) {
  if (InsideBoard(x, y)) Reserved[static_cast<std::size_t>(x * BoardRows + y)] = 1;
}

void tLevel::ClearCells() {
  Cells.fill(tCell{});
}

tUnit* tLevel::AddUnit(std::unique_ptr<tUnit> unit) {
  unit->Level = this;
  unit->SerialNumber = Play.NextSerialNumber++;
  return Units.Add(std::move(unit));
}

template <class Pred>
void tLevel::FreeUnitsWhere(Pred pred) {
  auto doomed = [&](const tUnit* u) { return pred(*u); };
  for (auto& row : Rows) std::erase_if(row, doomed);
  std::erase_if(DrawList, doomed);
  for (const auto& unit : Units)
    if (pred(*unit)) Play.Carried.Remove(unit.get());
  if (Player != nullptr && pred(*Player)) Player = nullptr;
  Units.DeleteIf(pred);
}

void tLevel::FreeUnits() {
  FreeUnitsWhere([](const tUnit&) { return true; });
}

void tLevel::FreeUnit(const tUnit* unit) {
  FreeUnitsWhere([unit](const tUnit& u) { return &u == unit; });
}

tUnit* tLevel::UnitAt(int x, int y) const {
  if (y < 0 || y >= BoardRows) return nullptr;
  for (tUnit* unit : Rows[y])
    if (unit->IsLive() && unit->RoundX() == x && unit->RoundY() == y) return unit;
  return nullptr;
}

void tLevel::UnitsAt(int x, int y, std::vector<tUnit*>& list) const {
  if (y < 0 || y >= BoardRows) return;
  for (tUnit* unit : Rows[y])
    if (unit->IsLive() && unit->RoundX() == x && unit->RoundY() == y) list.push_back(unit);
}

// The target row is not compared: a unit leaving the cell vertically is still listed
// in this row and heads for this column.
tUnit* tLevel::UnitHeadingTo(int x, int y) const {
  if (y < 0 || y >= BoardRows) return nullptr;
  for (tUnit* unit : Rows[y])
    if (unit->IsLive() && unit->TargetX == x) return unit;
  return nullptr;
}

void tLevel::UnitsHeadingTo(int x, int y, std::vector<tUnit*>& list) const {
  if (y < 0 || y >= BoardRows) return;
  for (tUnit* unit : Rows[y])
    if (unit->IsLive() && unit->TargetX == x) list.push_back(unit);
}

tUnit* tLevel::UnitOfClassAt(int x, int y, const tUnitClass& unitClass) const {
  if (y < 0 || y >= BoardRows) return nullptr;
  for (tUnit* unit : Rows[y])
    if (unit->IsLive() && unit->GridX == x && &unit->ClassType() == &unitClass) return unit;
  return nullptr;
}

tUnit* tLevel::UnitStartingAt(int x, int y) const {
  for (const auto& unit : Units)
    if (unit->InitialX == x && unit->InitialY == y) return unit.get();
  return nullptr;
}

bool tLevel::AnyHoldsPlayerTurn() const {
  for (const auto& unit : Units)
    if (unit->HoldsPlayerTurn()) return true;
  return false;
}

void tLevel::MuteAll() {
  for (const auto& unit : Units) unit->MuteSounds();
}

void tLevel::UnmuteAll() {
  for (const auto& unit : Units) unit->UnmuteSounds();
}

// Each pass takes the number of units before it starts, so a unit created during the pass
// (a warp, a shot) joins in from the next pass on.
void tLevel::MoveAll() {
  Reserved.fill(0);
  const std::size_t count = Units.Count();
  for (std::size_t i = 0; i < count; ++i) Units[i]->Move();
  RebuildDrawList();
}

void tLevel::DeathAnimAll() {
  const std::size_t count = Units.Count();
  for (std::size_t i = 0; i < count; ++i) {
    tUnit* unit = Units[i];
    unit->DeathAnimMove();
    unit->GridX = unit->RoundX();
    unit->GridY = unit->RoundY();
  }
  RebuildDrawList();
}

void tLevel::ReindexRows() {
  for (auto& row : Rows) row.clear();
  for (const auto& unit : Units) {
    unit->StopMoving();
    unit->GridX = unit->RoundX();
    unit->GridY = unit->RoundY();
    // Units only ever move inside the board; a unit found elsewhere is not listed.
    if (unit->GridY >= 0 && unit->GridY < BoardRows)
      Rows[static_cast<std::size_t>(unit->GridY)].push_back(unit.get());
  }
}

// Each pass takes the number of units before it starts: units created during a pass
// (shots, explosions) act from the next pass on.
void tLevel::TakeTurns() {
  if (Player == nullptr) return;
  CycleProcedures.Run(Play);
  Player->BeginTurn();
  const std::size_t beginCount = Units.Count();
  for (std::size_t i = 0; i < beginCount; ++i) {
    tUnit* unit = Units[i];
    if (!unit->Dead && unit != Player) unit->BeginTurn();
  }
  Player->TakeTurn();
  const std::size_t takeCount = Units.Count();
  for (std::size_t i = 0; i < takeCount; ++i) {
    tUnit* unit = Units[i];
    if (!unit->Dead && unit != Player) unit->TakeTurn();
  }
}

void tLevel::ResetAll() {
  Play.Counters.Clear();
  Play.RunLog.Clear();
  ReindexRows();
  ResetUnits();
  ApplyWaterTint();
}

void tLevel::ResetUnits() {
  RemoveTemporary();
  CycleProcedures.Run(Play);
  // The player's reset adds its warp-in shimmer, which starts where it was put.
  const std::size_t count = Units.Count();
  for (std::size_t i = 0; i < count; ++i) Units[i]->Reset();
  RebuildDrawList();
}

void tLevel::RemoveTemporary() {
  FreeUnitsWhere([](const tUnit& u) { return u.Temporary; });
}

void tLevel::RemoveDeadTemporary() {
  FreeUnitsWhere([](const tUnit& u) { return u.Temporary && u.Dead; });
}

void tLevel::RebuildDrawList() {
  DrawList.clear();
  for (const auto& unit : Units) DrawList.push_back(unit.get());
  const auto drawnBefore = [](const tUnit* a, const tUnit* b) {
    if (a->Layer != b->Layer) return a->Layer < b->Layer;
    return a->RoundY() < b->RoundY();
  };
  // Most turns leave the units in drawing order already.
  if (!std::is_sorted(DrawList.begin(), DrawList.end(), drawnBefore))
    std::stable_sort(DrawList.begin(), DrawList.end(), drawnBefore);
}

}  // namespace qn2
