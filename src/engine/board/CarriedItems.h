#pragma once

#include <array>
#include <cstddef>

namespace qn2 {

class tUnit;
class tStateIo;

// The keys and cherry bombs the player holds: at most three, first in first out.
// The queue does not own its units.
class tCarriedQueue {
 public:
  static constexpr std::size_t Capacity = 3;

  bool QueueFull() const { return Count == Capacity; }
  // Adds the unit at the end; false (and nothing added) when the queue is full.
  bool QueueAppend(tUnit* unit);
  // Removes and returns the first unit; the others move up. None when empty.
  tUnit* QueueTakeFirst();
  void QueueClear() { Count = 0; }
  // Forgets a unit that is being freed.
  void Remove(const tUnit* unit);

  std::size_t Size() const { return Count; }
  tUnit* Item(std::size_t index) const { return index < Count ? Items[index] : nullptr; }

  // The queue in a snapshot of the play.
  void StateFields(tStateIo& io);

 private:
  std::array<tUnit*, Capacity> Items{};
  std::size_t Count = 0;
};

class tDib16;

// Draws the items into the side panel of CurrentDib, restoring their box from
// the side-panel picture first (none: the box is not restored). Leaves the clip
// rectangle on the play area.
void DrawCarriedItems(const tCarriedQueue& items, tDib16* sidePanel);

}  // namespace qn2
