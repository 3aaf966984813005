#include "engine/units/PlayerAwareUnit.h"

#include "engine/units/Player.h"

namespace qn2 {

tPlayer* tPlayerAwareUnit::Player() const {
  return Level != nullptr ? static_cast<tPlayer*>(Level->Player) : nullptr;
}

}  // namespace qn2
