#include "platform/ProcessorClock.h"

#include <SDL.h>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define QN2_HAS_TIME_STAMP_COUNTER 1
#endif

namespace qn2 {

namespace {

constexpr Uint32 SettleMs = 10;
constexpr Uint32 MeasureMs = 500;
constexpr std::uint32_t CountsPerMHz = 500000;  // counts in 500 ms at 1 MHz

}  // namespace

std::int32_t MHzFromCounterReadings(std::uint64_t first, std::uint64_t second) {
  const auto difference = static_cast<std::uint32_t>(second - first);
  return static_cast<std::int32_t>(difference / CountsPerMHz);
}

std::int32_t MeasureProcessorMHz() {
#ifdef QN2_HAS_TIME_STAMP_COUNTER
  // As high as the system lets this process go; refused quietly without the right.
  SDL_SetThreadPriority(SDL_THREAD_PRIORITY_HIGH);
  SDL_Delay(SettleMs);
  const std::uint64_t first = __rdtsc();
  SDL_Delay(MeasureMs);
  const std::uint64_t second = __rdtsc();
  SDL_SetThreadPriority(SDL_THREAD_PRIORITY_NORMAL);
  return MHzFromCounterReadings(first, second);
#else
  return 1;
#endif
}

}  // namespace qn2
