#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/units/PlayerAwareUnit.h"
#include "engine/units/TriggerExpression.h"

namespace qn2 {

class tStateIo;

class tSprite;

// An invisible marker that shows a hint picture with a caption during play. It fires when
// the player stands on its cell or, with a trigger expression, when every condition of
// the expression holds; after TriggerDelay turns the hint window opens. A hint shown once
// stays away for the rest of the loaded level unless PopupOnce is off. Hints never fire
// while a solution is recorded or played back. Level files and the editor call it "Info".
class tInfo : public tPlayerAwareUnit {
  QN2_UNIT_CLASS(tInfo)

 public:
  tInfo();
  void StateFields(tStateIo& io) override;

  static const tPropertyList& Properties();
  const tPropertyList& PublishedProperties() const override { return Properties(); }

  std::int32_t CaptionYOffset = 45;  // caption's distance above the picture's bottom
  std::string ImageName;             // the hint picture's file name
  bool Triggered = false;            // the condition has been met; the delay is counting
  std::string Trigger;               // the expression as written
  std::int32_t TriggerDelay = 0;     // turns from meeting the condition to the hint
  std::string Caption;               // upper case
  bool PopupOnce = true;
  std::vector<tTriggerCondition> Conditions;  // the parsed Trigger
  std::int32_t DelayLeft = 0;
  bool PoppedUp = false;  // the hint has been shown; survives level restarts

  // Keeps the text and parses it. A text that does not parse raises its error and leaves
  // no conditions, so the marker then fires on its own cell.
  void SetTrigger(const std::string& text);
  void SetCaption(const std::string& text);

  void Reset() override;
  void SaveState(tSnapshotStream& stream) override;
  void LoadState(tSnapshotStream& stream) override;
  void Draw() override {}
  void DrawAtInitialPosition() override;
  bool QueryPush(tUnit* /*pusher*/, tDirection /*direction*/) override { return true; }
  void TakeTurn() override;

 private:
  // Marks the unit fired and shows the hint when its picture exists.
  void Fire();
};

// The editor's picture of an info unit (the same one the unit shows in the editor).
tSprite* InfoIcon();

// Registers the info unit's picture and cuts its icon. Called once when the graphics load.
void LoadInfoGraphicsData();

}  // namespace qn2
