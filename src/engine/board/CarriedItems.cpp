#include "engine/board/CarriedItems.h"

#include "common/Exception.h"
#include "engine/board/StateIo.h"

namespace qn2 {

bool tCarriedQueue::QueueAppend(tUnit* unit) {
  if (QueueFull()) return false;
  Items[Count++] = unit;
  return true;
}

tUnit* tCarriedQueue::QueueTakeFirst() {
  if (Count == 0) return nullptr;
  tUnit* first = Items[0];
  for (std::size_t i = 1; i < Count; ++i) Items[i - 1] = Items[i];
  --Count;
  return first;
}

void tCarriedQueue::Remove(const tUnit* unit) {
  std::size_t kept = 0;
  for (std::size_t i = 0; i < Count; ++i)
    if (Items[i] != unit) Items[kept++] = Items[i];
  Count = kept;
}

void tCarriedQueue::StateFields(tStateIo& io) {
  io.Field(Count);
  if (Count > Capacity) throw Exception("Snapshot holds more carried items than fit");
  for (std::size_t i = 0; i < Count; ++i) io.UnitRef(Items[i]);
  if (io.IsLoading())
    for (std::size_t i = Count; i < Capacity; ++i) Items[i] = nullptr;
}

}  // namespace qn2
