#pragma once

#include <cstdint>
#include <memory>

#include "common/Direction.h"
#include "common/Properties.h"
#include "common/SnapshotStream.h"
#include "engine/board/UnitClass.h"

namespace qn2 {

class tLevel;
struct tPlayState;
class tPlayOwner;
class tSprite;
class tStateIo;

// The base of everything on the board apart from tiles. The level drives units through
// the virtual operations; units move with the movement primitives below, one cell per
// turn, spread over the frames of the turn.
class tUnit : public tPersistent {
 public:
  static inline const tUnitClass Class{"tUnit", &CreateUnitOf<tUnit>};
  virtual const tUnitClass& ClassType() const { return Class; }

  tUnit();
  ~tUnit() override = default;
  tUnit(const tUnit&) = delete;
  tUnit& operator=(const tUnit&) = delete;

  // Published properties of tUnit: InitialX and InitialY.
  static const tPropertyList& Properties();
  const tPropertyList& PublishedProperties() const override { return Properties(); }

  // Start cell; values outside the board are ignored.
  std::int32_t InitialX = 0;
  std::int32_t InitialY = 0;
  void SetInitialX(std::int32_t value);
  void SetInitialY(std::int32_t value);
  tDirection InitialDirection = tDirection::Up;

  bool Present = false;
  float SavedX = 0, SavedY = 0;
  std::int32_t SerialNumber = 0;
  bool ReservesCell = true;
  bool Carried = false;
  bool Moving = false;
  bool QuietWhenStill = false;
  float X = 0, Y = 0;
  std::int32_t GridX = 0, GridY = 0;
  float StepX = 0, StepY = 0;
  std::int32_t TargetX = 0, TargetY = 0;
  tDirection Direction = tDirection::Up;
  std::uint8_t Layer = 1;
  bool Dead = false;
  bool Temporary = false;
  tSprite* Sprite = nullptr;  // not owned

  // The level the unit lives in; set when the level takes the unit.
  tLevel* Level = nullptr;
  // The play state of the unit's level and whoever runs it. A unit on no level has
  // neither: asking for them raises an exception.
  tPlayState& Play() const;
  tPlayOwner& Owner() const;

  // --- Virtual operations -------------------------------------------------------
  virtual bool DrawnInBackground() { return false; }
  virtual bool LetsShotPass(tUnit* /*shooter*/) { return false; }
  virtual bool AllowsEntry(tUnit* /*mover*/) { return false; }
  virtual void DrawAtInitialPosition();
  virtual void PickUp();
  virtual void Drop() { Carried = false; }
  virtual void Draw();
  virtual void DrawEffects() {}
  virtual void Move();
  virtual void DeathAnimMove() {}
  virtual void BeginTurn() {}
  virtual void TakeTurn() {}
  virtual void DoPush(tUnit* /*pusher*/, tDirection /*direction*/) {}
  virtual bool QueryPush(tUnit* /*pusher*/, tDirection /*direction*/) { return false; }
  virtual bool HoldsPlayerTurn() { return false; }
  virtual void Reset();
  virtual void StopMoving();
  virtual void MuteSounds() {}
  virtual void UnmuteSounds() {}
  virtual void SaveState(tSnapshotStream& stream);
  virtual void LoadState(tSnapshotStream& stream);
  // Every field that play changes, for a snapshot of the whole level: the class's own after
  // its base class's. Derived classes with state of their own extend it.
  virtual void StateFields(tStateIo& io);
  // Called on every unit once a level snapshot has been put back, for what lives outside
  // the unit (a sound that should or should not be playing).
  virtual void StateRestored() {}

  // --- Movement primitives -----------------------------------------------------
  // Outside the board, or a solid cell.
  bool IsBlocked(int x, int y) const;
  // May this unit walk into the cell? Every live unit standing there must allow it,
  // and the cell must be neither solid nor reserved.
  bool CanEnter(int x, int y);
  // May this unit move into the cell, pushing what stands there? Units leaving the
  // cell this turn are not asked.
  bool CanPushInto(int x, int y);
  // Pushes every live unit standing on the cell that is not leaving it.
  void PushInto(int x, int y);
  // Starts a one-cell move; the caller has checked the target and sets Direction.
  void StartMove(tDirection direction);
  // Starts a move to any cell of the board (longer or diagonal moves); always reserves.
  void StartMoveTo(int x, int y);
  void StartMoveForward() { StartMove(Direction); }
  bool HasArrived() const { return GridX == TargetX && GridY == TargetY; }
  bool IsLive() const { return !Dead && Present && !Carried; }

  // Rounded current position.
  int RoundX() const;
  int RoundY() const;

 protected:
  // Draws the sprite centred on a pixel of the frame.
  void DrawSpriteAt(int centreX, int centreY) const;
};

}  // namespace qn2
