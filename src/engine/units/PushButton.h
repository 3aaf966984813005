#pragma once

#include "engine/units/ForceField.h"
#include "engine/units/PlayerAwareUnit.h"

namespace qn2 {

class tSprite;

// A pressure plate in the floor. Anything standing on it that is not flat on the ground
// (the player, boulders, monsters, keys, jewels, risen pillars) holds it down; the force
// fields of its colour are off while every button of that colour is held down.
// Level files and the editor call it "PushButton".
class tPushButton : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tPushButton)

 public:
  tPushButton();

  static const tPropertyList& Properties();
  const tPropertyList& PublishedProperties() const override { return Properties(); }

  tForceFieldColor Color = tForceFieldColor::Blue;

  void SetColor(tForceFieldColor colour);
  // Counts itself into the play state's ButtonsUp when nothing holds it down.
  void BeginTurn() override;

  bool QueryPush(tUnit* /*pusher*/, tDirection /*direction*/) override { return true; }
  bool AllowsEntry(tUnit* /*mover*/) override { return true; }
  bool LetsShotPass(tUnit* /*shooter*/) override { return true; }
};

// The editor's picture of a push button: the blue one.
tSprite* PushButtonIcon();

}  // namespace qn2
