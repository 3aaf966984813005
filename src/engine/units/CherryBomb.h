#pragma once

#include <cstdint>

#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tStateIo;

// A cherry bomb lies until the player picks it up; dropped, its fuse burns for 20 turns,
// then it explodes and its blast takes everything around it, diagonals included: the
// player dies, boulders, dirt, spiders and snakes blow up, and other bombs go off too.
class tCherryBomb : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tCherryBomb)
 public:
  // BombState values.
  static constexpr std::uint8_t bsLying = 0;
  static constexpr std::uint8_t bsLit = 1;
  static constexpr std::uint8_t bsFuseNearlyOut = 2;
  static constexpr std::uint8_t bsExploding = 3;
  static constexpr std::uint8_t bsBlasting = 4;

  static constexpr std::int32_t FuseTurns = 20;

  tCherryBomb();
  void StateFields(tStateIo& io) override;
  void StateRestored() override;
  ~tCherryBomb() override;

  std::int32_t Fuse = FuseTurns;  // turns left on the fuse
  std::int32_t FuseFrame = 0;     // 0..2, burning-fuse picture
  std::int32_t FlashCount = 0;    // flicker timing while the fuse is nearly out
  std::int32_t BlastFrame = 0;
  std::int32_t BlastTurns = 0;
  std::uint8_t BombState = bsLying;
  std::int32_t FuseChannel = -1;  // sound channel of the fuse, -1 when none

  bool QueryPush(tUnit* pusher, tDirection direction) override;
  bool HoldsPlayerTurn() override;
  void Reset() override;
  void TakeTurn() override;
  void Move() override;
  void DeathAnimMove() override;
  void Draw() override;
  // The player puts the bomb down: its fuse is lit.
  void Drop() override;
  void MuteSounds() override;
  void UnmuteSounds() override;
  void SaveState(tSnapshotStream& stream) override;
  void LoadState(tSnapshotStream& stream) override;

  // Sets the bomb off at once.
  void Explode();

 private:
  void StopFuseSound();
  void BurnFuse();
  void Blast();
  // Within one cell of the bomb, diagonals included.
  bool WithinReach(const tUnit& unit) const;
};

}  // namespace qn2
