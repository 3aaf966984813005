#include "engine/PlayHistory.h"

namespace qn2 {

void tPlayHistory::Clear() {
  Turns.clear();
  Current = 0;
}

void tPlayHistory::Record(tSnapshotStream snapshot, tPlayerMark mark) {
  // Play went on from the turn it was put back to: what came after it the first time is gone.
  if (InThePast()) Turns.resize(Current + 1);
  Turns.push_back({std::move(snapshot), mark});
  Current = Turns.size();
}

std::size_t tPlayHistory::Bytes() const {
  std::size_t bytes = Turns.capacity() * sizeof(tTurn);
  for (const tTurn& turn : Turns) bytes += turn.Snapshot.Data().capacity();
  return bytes;
}

tSnapshotStream* tPlayHistory::Back(const tSnapshotStream& live, tPlayerMark liveMark) {
  if (!InThePast()) {
    Turns.push_back({live, liveMark});
    Current = Turns.size() - 1;
  }
  for (std::size_t i = Current; i-- > 0;) {
    if (Acted(i)) {
      Current = i;
      return &Turns[i].Snapshot;
    }
  }
  return nullptr;
}

tSnapshotStream* tPlayHistory::Forward() {
  if (!InThePast() || Current + 1 >= Turns.size()) return nullptr;
  std::size_t i = Current + 1;
  while (i + 1 < Turns.size() && !Acted(i)) ++i;
  Current = i;
  return &Turns[Current].Snapshot;
}

}  // namespace qn2
