#pragma once

#include <cstdint>
#include <memory>

#include "engine/units/Player.h"

namespace qn2 {

// The ghost of the early step: when a direction is pressed near the end of a step, the
// engine puts the ghost on the player's cell, lets it choose a step as the player would,
// and shows it walking ahead while the real turns catch up. It belongs to no level, is
// made once for the whole run, pushes nothing, reserves nothing and cannot die.
class tOOTPlayer : public tPlayer {
  QN2_UNIT_CLASS(tOOTPlayer)
 public:
  // Layer 0, no serial number, reserves no cell.
  tOOTPlayer();

  // The engine places the ghost each frame; this only picks its walking picture.
  void Move() override;
  // Chooses the step from the ghost's cell; a target equal to that cell means no step.
  void TakeTurn() override;
  void Kill(std::uint8_t /*kind*/, const tUnitClass* /*killer*/) override {}
};

// The ghost the engine keeps for the whole run.
std::unique_ptr<tOOTPlayer> CreateOOTPlayer();

}  // namespace qn2
