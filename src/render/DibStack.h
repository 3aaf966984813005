#pragma once

#include <cstdint>

namespace qn2 {

class tDib16;

// The surface every sprite draw and drawing primitive of the engine goes to.
extern tDib16* CurrentDib;

// Saves CurrentDib on an eight-deep stack; the caller then sets the new target. A ninth
// push raises "dibStack overflow".
void PushDib();
// Makes the last saved surface current again; raises "dibStack underflow" when none is saved.
void PopDib();
std::int32_t DibStackDepth();

// Draws into another surface for the lifetime of the object: pushes CurrentDib, sets the
// target, and pops on leaving the scope.
class tDibTarget {
 public:
  explicit tDibTarget(tDib16* target) {
    PushDib();
    CurrentDib = target;
  }
  ~tDibTarget() { PopDib(); }
  tDibTarget(const tDibTarget&) = delete;
  tDibTarget& operator=(const tDibTarget&) = delete;
};

}  // namespace qn2
