#pragma once

#include <functional>

namespace qn2 {

// Keeps the window responsive during long work (picture loading, the brightness pass):
// the shell installs a handler that processes pending window messages and runs its idle
// work. Without a handler KeepAlive does nothing, which is what tests and tools want.
void SetKeepAliveHandler(std::function<void()> handler);

// Runs the handler with KeepAliveBusy set around it. A call made from inside the handler
// returns at once, so the handler never re-enters itself.
void KeepAlive();

// True while the handler runs; the frame event does nothing while it is set, so no frame
// is drawn in the middle of a load.
bool KeepAliveBusy();

}  // namespace qn2
