#pragma once

#include <array>
#include <cstdint>

#include "data/Recorder.h"
#include "engine/board/CarriedItems.h"
#include "engine/board/RunLog.h"

namespace qn2 {

class tUnit;
struct tUnitClass;
class tInputDevice;
class tStateIo;

// The turn clock every unit reads, and the state of the out-of-turn step.
struct tTurnClock {
  std::int32_t FramesPerTurn = 12;  // always 12 + SpeedAdjust
  std::int32_t SpeedAdjust = 0;     // -6..+6, larger is slower
  std::int32_t TurnPhase = 0;       // 0 marks a turn boundary
  float TurnFraction = 0;           // TurnPhase / FramesPerTurn, in [0, 1)
  float PrevTurnFraction = 0;

  bool OOTEnabled = true;
  bool OOTStepActive = false;
  std::int32_t OOTFrames = 0;
  std::int32_t OOTLength = 0;
  float OOTFraction = 0;
  std::int32_t OOTFromX = 0, OOTFromY = 0, OOTToX = 0, OOTToY = 0;
  // The level draws OOTPlayer in place of the real player.
  bool DrawOOTPlayer = false;
  tUnit* OOTPlayer = nullptr;
};

// Keys and jewels placed in the level and collected so far.
struct tLevelCounters {
  std::int32_t KeysInLevel = 0;
  std::int32_t KeysCollected = 0;
  std::int32_t JewelsInLevel = 0;
  std::int32_t JewelsCollected = 0;

  void Clear() { *this = tLevelCounters(); }
};

// Whether the display is too slow to show every walk frame of the player, and the counts
// that decide it.
struct tPlayerCounters {
  bool SlowDisplay = false;
  std::int32_t PlayerFrameSteps = 0;  // tActualPlayer.Move calls
  std::int32_t PlayerDraws = 0;       // player Draw calls
};

// How the player died: most deaths are general, a spider's bite has its own animation.
enum class tDeathCause : std::uint8_t { General = 0, Spider = 1 };

// What the units of a level tell whoever runs it, and the little they ask. The units
// report; the owner (the engine) decides what each report does to the game. A level
// without an owner (tests, tools) ignores the reports.
class tPlayOwner {
 public:
  virtual ~tPlayOwner() = default;
  // A hostile has struck (a shot is on its way, a spider bites): from now on the death
  // animation pass runs instead of the move pass.
  virtual void FatalStrikeStarted() {}
  // The player was killed; the death animation starts.
  virtual void PlayerKilled(const tUnitClass* /*killer*/, tDeathCause /*cause*/) {}
  // The death animation is over and the body lies still.
  virtual void PlayerGone() {}
  // The player stepped into the open exit.
  virtual void LevelFinished() {}
  // The player chose to restart during play; the warp that follows restarts the level.
  virtual void RestartChosen() {}
  // A reset warp has started, and later its animation is over.
  virtual void ResetWarpStarted() {}
  virtual void ResetWarpFinished() {}
  // Asked every frame of the death animation: should the reset warp start now? The key
  // tells whether the player is pressing the action or restart key.
  virtual bool ResetWarpWanted(bool /*warpKeyHeld*/) { return false; }
  // The level is being edited (the editor's editing mode): units show their start look.
  virtual bool EditingLevel() const { return false; }
  // The level editor is open on the level.
  virtual bool EditorOpen() const { return false; }
  // The frame counter that drives water and force-field animation.
  virtual std::int32_t AnimationFrame() const { return 0; }
  // The level's still layers are being painted now, or there is no background picture to
  // hold them and they are drawn with every frame.
  virtual bool PaintingStillLayers() const { return true; }
  // The input device the units read this turn; none outside an engine.
  virtual const tInputDevice* CurrentInput() const { return nullptr; }
};

// The owner of a level that has none: it ignores every report and answers no.
tPlayOwner& NoPlayOwner();

inline constexpr std::size_t ButtonColourCount = 8;

// Everything that belongs to one level in play apart from its cells and units: the turn
// clock, the counters the units keep, the items the player carries and the engine's
// counts of ticks, frames and turns. The level owns it; a snapshot of the level carries it.
struct tPlayState {
  tTurnClock Clock;
  tLevelCounters Counters;
  tCarriedQueue Carried;
  // Unpressed push buttons of each force-field colour, counted afresh every turn.
  std::array<std::int32_t, ButtonColourCount> ButtonsUp{};
  tPlayerCounters PlayerCounters;
  // The turn the bomb-pickup sound last played, so that picking up bombs in quick
  // succession sounds once. Every bomb's Reset puts it back to -9.
  std::int32_t LastPickupTurn = -9;
  // The serial number the next unit the level takes gets.
  std::int32_t NextSerialNumber = 0;
  // Engine ticks, turns and game frames since the level was reset.
  std::int32_t TickCount = 0;
  std::int32_t TurnCount = 0;
  std::int32_t FrameCount = 0;
  // The player's decisions of this attempt, recorded or played back.
  tRecorder Recorder;
  // Every decision of this attempt, recorded or not: the run that becomes the player's best.
  tRunLog RunLog;
  // Who runs the level; none for a level on its own.
  tPlayOwner* Owner = nullptr;

  // Everything above but the owner and the ghost the clock points to, in a snapshot of the
  // play. The recorder and the run log keep their values; the snapshot holds where they
  // stand.
  void StateFields(tStateIo& io);
};

}  // namespace qn2
