#include "engine/units/Exit.h"

#include <algorithm>

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "common/Rounding.h"
#include "engine/board/PlayState.h"
#include "engine/board/StateIo.h"
#include "engine/units/Player.h"
#include "engine/units/TerrainGraphics.h"

namespace qn2 {

namespace {

tSprite* ExitPicture(tExitKind kind, std::int32_t frame) {
  const auto k = static_cast<std::size_t>(kind);
  return &TerrainSprites()
              .Exits[k < tTerrainSprites::ExitKinds ? k : 0][static_cast<std::size_t>(frame)];
}

}  // namespace

const std::vector<std::string>& ExitKindNames() {
  static const std::vector<std::string> names{"ExitDoor", "ExitUpDoor", "ExitLeft", "ExitRight",
                                              "ExitHatch"};
  return names;
}

tExit::tExit() {
  SetKind(tExitKind::ExitDoor);
  QuietWhenStill = true;
}

const tPropertyList& tExit::Properties() {
  static const tPropertyList list = [] {
    tPropertyList l = tUnit::Properties();
    Publish<tExit>(l).Enumeration("Kind", ExitKindNames(), &tExit::Kind, &tExit::SetKind);
    return l;
  }();
  return list;
}

void tExit::SetKind(tExitKind kind) {
  Sprite = ExitPicture(kind, 0);
  Kind = kind;
}

bool tExit::QueryPush(tUnit* pusher, tDirection /*direction*/) {
  if (dynamic_cast<tPlayer*>(pusher) != nullptr &&
      Play().Counters.KeysCollected == Play().Counters.KeysInLevel && !Opening) {
    Opening = true;
    Sound().PlaySample(samples::OpeningDoor);
    QuietWhenStill = false;
  }
  return false;
}

void tExit::Reset() {
  tUnit::Reset();
  Opening = false;
  OpenTurns = 0;
  Sprite = ExitPicture(Kind, 0);
  QuietWhenStill = true;
}

// The turns are counted from the first one in which the door has visibly begun to open,
// so the level ends two turns after the opening push.
void tExit::TakeTurn() {
  if (Opening && Sprite != ExitPicture(Kind, 0)) ++OpenTurns;
  if (OpenTurns >= OpeningTurns) {
    Owner().LevelFinished();
    Opening = false;
    OpenTurns = 0;
  }
}

// The seven pictures play over the two turns of the opening.
void tExit::Move() {
  tUnit::Move();
  if (!Opening) return;
  const std::int32_t frame = Trunc((static_cast<double>(OpenTurns) + Play().Clock.TurnFraction) /
                                   OpeningTurns * tTerrainSprites::ExitFrames);
  Sprite = ExitPicture(Kind, std::min(frame, tTerrainSprites::ExitFrames - 1));
}

tSprite* ExitIcon() {
  return ExitPicture(tExitKind::ExitDoor, 0);
}

void tExit::StateFields(tStateIo& io) {
  tPlayerAwareUnit::StateFields(io);
  io.Field(OpenTurns);
  io.Field(Opening);
}

}  // namespace qn2
