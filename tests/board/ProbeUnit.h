#pragma once

#include <functional>

#include "engine/board/Level.h"
#include "engine/board/PlayState.h"
#include "engine/board/Unit.h"

namespace qn2::testing {

// A unit whose answers and decisions a test sets, counting what the level asks of it.
class tProbe : public tUnit {
  QN2_UNIT_CLASS(tProbe)
 public:
  bool Allow = true;
  bool PushOk = true;
  int AllowAsked = 0, PushAsked = 0, Pushed = 0, BeginTurns = 0, TakeTurns = 0;
  std::function<void(tProbe&)> OnTakeTurn;

  bool AllowsEntry(tUnit*) override {
    ++AllowAsked;
    return Allow;
  }
  bool QueryPush(tUnit*, tDirection) override {
    ++PushAsked;
    return PushOk;
  }
  void DoPush(tUnit*, tDirection direction) override {
    ++Pushed;
    Direction = direction;
    StartMove(direction);
  }
  void BeginTurn() override { ++BeginTurns; }
  void TakeTurn() override {
    ++TakeTurns;
    if (OnTakeTurn) OnTakeTurn(*this);
  }

  // Walks one cell in the direction when the cell can be entered.
  void WalkIfFree(tDirection d) {
    const tCellOffset o = DirectionOffset(d);
    if (CanEnter(GridX + o.DX, GridY + o.DY)) {
      Direction = d;
      StartMove(d);
    }
  }
};

class tOtherProbe : public tProbe {
  QN2_UNIT_CLASS(tOtherProbe)
};

// Places a probe on a level at a start cell, reset and ready.
inline tProbe* Place(tLevel& level, int x, int y, bool isPlayer = false) {
  auto probe = std::make_unique<tProbe>();
  probe->SetInitialX(x);
  probe->SetInitialY(y);
  probe->Reset();
  tProbe* p = static_cast<tProbe*>(level.AddUnit(std::move(probe)));
  if (isPlayer) level.Player = p;
  return p;
}

// One turn as the engine plays it: the boundary, the decisions, then the frames.
inline void PlayTurn(tLevel& level) {
  level.ReindexRows();
  level.TakeTurns();
  for (int i = 0; i < level.Play.Clock.FramesPerTurn; ++i) level.MoveAll();
}

}  // namespace qn2::testing
