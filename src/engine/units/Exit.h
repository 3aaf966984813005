#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tStateIo;

class tSprite;

enum class tExitKind : std::uint8_t {
  ExitDoor = 0,
  ExitUpDoor = 1,
  ExitLeft = 2,
  ExitRight = 3,
  ExitHatch = 4,
};

// Identifiers of the exit kinds, as level files store them.
const std::vector<std::string>& ExitKindNames();

// The way out of a level. Nothing ever enters its cell: the player walking against it
// once every key is collected opens it, and two turns later the level is done.
// Level files and the editor call it "Exit".
class tExit : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tExit)

 public:
  static constexpr std::int32_t OpeningTurns = 2;

  tExit();
  void StateFields(tStateIo& io) override;

  static const tPropertyList& Properties();
  const tPropertyList& PublishedProperties() const override { return Properties(); }

  tExitKind Kind = tExitKind::ExitDoor;
  std::int32_t OpenTurns = 0;  // turns of the opening animation so far
  bool Opening = false;

  void SetKind(tExitKind kind);

  // Always false; a player pushing against the exit with every key collected opens it.
  bool QueryPush(tUnit* pusher, tDirection direction) override;
  void Reset() override;
  void TakeTurn() override;
  void Move() override;
};

// The editor's picture of an exit: the closed door.
tSprite* ExitIcon();

}  // namespace qn2
