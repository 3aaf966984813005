#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tStateIo;

class tSprite;

enum class tJewelKind : std::uint8_t {
  Blue_50 = 0,
  Magenta_100 = 1,
  Yellow_250 = 2,
  Green_1000 = 3
};

// Identifiers of the jewel kinds, as level files store them.
const std::vector<std::string>& JewelKindNames();
// The last picture of each kind's spin: 31, 15, 12, 15.
std::int32_t LastJewelFrame(tJewelKind kind);

// A spinning jewel. Every jewel of a level counts into JewelsInLevel when reset and into
// JewelsCollected when the player takes it; a level finished with every jewel counts as
// fully solved. Level files and the editor call it "Jewel".
class tJewel : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tJewel)

 public:
  tJewel();
  void StateFields(tStateIo& io) override;

  static const tPropertyList& Properties();
  const tPropertyList& PublishedProperties() const override { return Properties(); }

  tJewelKind Kind = tJewelKind::Blue_50;
  std::int32_t SpinFrame = 0;  // three game frames per picture

  bool QueryPush(tUnit* pusher, tDirection direction) override;
  void Reset() override;
  // Taken in the turn after the player has arrived on the cell.
  void TakeTurn() override;
  void Move() override;
};

// The editor's picture of a jewel: Magenta_100, spin frame 5.
tSprite* JewelIcon();

}  // namespace qn2
