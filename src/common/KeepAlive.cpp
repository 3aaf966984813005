#include "common/KeepAlive.h"

#include <utility>

namespace qn2 {

namespace {

// The shell's handler and the busy flag, owned together.
struct tKeepAliveState {
  std::function<void()> Handler;
  bool Busy = false;
};

tKeepAliveState& State() {
  static tKeepAliveState state;
  return state;
}

}  // namespace

void SetKeepAliveHandler(std::function<void()> handler) {
  State().Handler = std::move(handler);
}

void KeepAlive() {
  tKeepAliveState& state = State();
  if (state.Busy || !state.Handler) return;
  struct tBusyScope {
    bool& Flag;
    explicit tBusyScope(bool& flag) : Flag(flag) { Flag = true; }
    ~tBusyScope() { Flag = false; }
  } busy(state.Busy);
  // A copy, so a handler that installs another one does not destroy itself while it runs.
  const std::function<void()> handler = state.Handler;
  handler();
}

bool KeepAliveBusy() {
  return State().Busy;
}

}  // namespace qn2
