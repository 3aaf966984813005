#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tStateIo;

// Which hand a spider keeps on the wall.
enum class tWallFollowing : std::uint8_t { LeftWall = 0, RightWall = 1 };

// Identifiers of the wall sides as level files store them.
const std::vector<std::string>& WallFollowingNames();

// A spider crawls along walls, pounces on a player next to it, and when it has nowhere to
// go for long enough it blows up, taking the boulders and bombs around it along.
class tSpider : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tSpider)
 public:
  // SpiderState values.
  static constexpr std::uint8_t ssRoaming = 0;
  static constexpr std::uint8_t ssTrapped = 2;
  static constexpr std::uint8_t ssExploding = 3;
  static constexpr std::uint8_t ssVanishing = 4;
  static constexpr std::uint8_t ssAttacking = 5;
  static constexpr std::uint8_t ssGone = 6;

  tSpider();
  void StateFields(tStateIo& io) override;

  // Published: InitialX, InitialY, InitialDirection and WallFollowing.
  static const tPropertyList& Properties();
  const tPropertyList& PublishedProperties() const override { return Properties(); }

  tWallFollowing WallFollowing = tWallFollowing::LeftWall;
  std::uint8_t SpiderState = ssRoaming;
  std::int32_t Patience = 0;    // blocked turns left before a trapped spider explodes
  std::int32_t MunchDelay = 0;  // frames on the player before the munching sound
  std::int32_t TurnBudget = 0;  // while >= 0 the spider first turns towards its wall side

  bool QueryPush(tUnit* pusher, tDirection direction) override;
  bool HoldsPlayerTurn() override;
  void Reset() override;
  void TakeTurn() override;
  void Move() override;
  void DeathAnimMove() override;
  void SaveState(tSnapshotStream& stream) override;
  void LoadState(tSnapshotStream& stream) override;

 private:
  void Attack(tPlayer& player);
  void Roam();
  bool CanEnterAhead();
  void BlastNeighbours();
};

}  // namespace qn2
