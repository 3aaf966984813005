#include "app/FrameTimer.h"

#include "app/WindowMessages.h"
#include "common/Exception.h"

namespace qn2 {

tFrameTimer::tFrameTimer(std::function<void(std::int32_t)> onTimer) : OnTimer(std::move(onTimer)) {}

tFrameTimer::~tFrameTimer() {
  if (TimerId != 0) SDL_RemoveTimer(TimerId);
}

void tFrameTimer::SetPeriod(std::uint32_t milliseconds) {
  PeriodMs = milliseconds;
  Restart();
}

void tFrameTimer::SetEnabled(bool enabled) {
  WantEnabled = enabled;
  Restart();
}

void tFrameTimer::Restart() {
  if (TimerId != 0) {
    SDL_RemoveTimer(TimerId);
    TimerId = 0;
  }
  if (!WantEnabled) return;
  Periods = 0;
  Pending = false;
  TimerId = SDL_AddTimer(PeriodMs, &tFrameTimer::OnPeriod, this);
  if (TimerId == 0) {
    WantEnabled = false;
    throw Exception("Couldn't Create Timer");
  }
}

bool tFrameTimer::Tick(const std::function<bool(std::int32_t)>& post) {
  const std::int32_t periods = ++Periods;
  if (Pending.load()) return true;
  Pending = true;
  if (!post(periods)) {
    Pending = false;
    return false;
  }
  Periods -= periods;
  return true;
}

Uint32 tFrameTimer::OnPeriod(Uint32 interval, void* timer) {
  auto* self = static_cast<tFrameTimer*>(timer);
  self->Tick([](std::int32_t periods) { return PostWindowMessage(wmFrameEvent, periods); });
  return interval;
}

void tFrameTimer::Dispatch(std::int32_t periods) {
  struct tMarkHandled {
    std::atomic<bool>& Flag;
    ~tMarkHandled() { Flag = false; }
  } markHandled{Pending};
  if (Enabled()) OnTimer(periods);
}

}  // namespace qn2
