#pragma once

#include <SDL.h>

#include <atomic>
#include <cstdint>
#include <functional>

namespace qn2 {

// The periodic frame timer. On SDL's timer thread it only counts periods and, when the
// previous frame event has been handled, posts one frame event carrying the count; so
// slow frames make the next event carry several periods instead of queueing events.
// On the window's thread, Dispatch runs the handler with that count.
class tFrameTimer {
 public:
  explicit tFrameTimer(std::function<void(std::int32_t periods)> onTimer);
  ~tFrameTimer();
  tFrameTimer(const tFrameTimer&) = delete;
  tFrameTimer& operator=(const tFrameTimer&) = delete;

  // Changing the period or the enabled state stops the running timer and starts a new
  // one. Raises "Couldn't Create Timer" when SDL cannot start it.
  void SetPeriod(std::uint32_t milliseconds);
  std::uint32_t Period() const { return PeriodMs; }
  void SetEnabled(bool enabled);
  bool Enabled() const { return TimerId != 0; }

  // A frame event taken from the queue: runs the handler with its periods (when the
  // timer is enabled) and marks the event handled, even when the handler throws.
  void Dispatch(std::int32_t periods);

  // The timer thread's step, public for tests: counts one period and posts a frame event
  // through post when none is pending; false when the post failed.
  bool Tick(const std::function<bool(std::int32_t)>& post);
  bool EventPending() const { return Pending.load(); }

 private:
  static Uint32 OnPeriod(Uint32 interval, void* timer);
  void Restart();

  std::function<void(std::int32_t)> OnTimer;
  std::uint32_t PeriodMs = 20;
  SDL_TimerID TimerId = 0;
  bool WantEnabled = false;
  std::atomic<std::int32_t> Periods{0};
  std::atomic<bool> Pending{false};
};

}  // namespace qn2
