#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/SnapshotStream.h"

namespace qn2 {

// The turns of one attempt at a level, as snapshots taken just before each turn begins, so
// that the player can take moves back and play them again. Each snapshot carries a mark of
// where the player stood and what it carried, which tells the turns in which the player did
// something from the idle ones.
class tPlayHistory {
 public:
  struct tPlayerMark {
    std::int32_t X = 0, Y = 0;
    std::size_t Carried = 0;
    bool operator==(const tPlayerMark&) const = default;
  };

  // Forgets every turn (a level loaded or restarted).
  void Clear();
  // A turn is about to begin in live play: anything taken back and not played again is
  // forgotten, and the snapshot becomes the newest turn.
  void Record(tSnapshotStream snapshot, tPlayerMark mark);
  // Whether the play is back in its history (an undo happened and play has not gone on).
  bool InThePast() const { return Current < Turns.size(); }
  std::size_t Count() const { return Turns.size(); }
  // The bytes the snapshots hold, for the memory they cost.
  std::size_t Bytes() const;

  // Undo: the snapshot to return to, before the last turn in which the player did something
  // (idle turns after it go with it); null when there is none. When the play is live, its
  // state is kept first as the newest entry, so that redo can return to it.
  tSnapshotStream* Back(const tSnapshotStream& live, tPlayerMark liveMark);
  // Redo: the move taken back last is played again with the idle turns after it: the
  // snapshot before the next turn in which the player did something, or the newest one;
  // null when the play is not in its history or at its newest point already.
  tSnapshotStream* Forward();

 private:
  struct tTurn {
    tSnapshotStream Snapshot;
    tPlayerMark Mark;
  };
  // The player did something in the turn that begins at the index.
  bool Acted(std::size_t index) const { return Turns[index].Mark != Turns[index + 1].Mark; }

  std::vector<tTurn> Turns;
  // The entry the play was put back to; Turns.size() while the play is live.
  std::size_t Current = 0;
};

}  // namespace qn2
