#include "platform/ProcessorClock.h"

#include <SDL.h>

#include <gtest/gtest.h>

namespace qn2 {
namespace {

TEST(ProcessorClock, CountsOverHalfASecondBecomeMHz) {
  EXPECT_EQ(MHzFromCounterReadings(0, 500000ull * 1000), 1000);
  EXPECT_EQ(MHzFromCounterReadings(123456789, 123456789 + 500000ull * 733 + 499999), 733);
  EXPECT_EQ(MHzFromCounterReadings(5, 5), 0);
}

TEST(ProcessorClock, TheDifferenceIsTakenAsAnUnsigned32BitNumber) {
  // Across the low word's wrap the difference is still right...
  EXPECT_EQ(MHzFromCounterReadings(0xFFFFFF00ull, 0xFFFFFF00ull + 500000ull * 2000), 2000);
  // ...but a difference beyond 32 bits keeps only its low 32 bits.
  EXPECT_EQ(MHzFromCounterReadings(0, (1ull << 32) + 500000ull * 3), 3);
}

TEST(ProcessorClock, MeasuresThisMachineInHalfASecond) {
  const Uint64 start = SDL_GetTicks64();
  const std::int32_t mhz = MeasureProcessorMHz();
  const Uint64 took = SDL_GetTicks64() - start;
  EXPECT_GE(took, 500u);
#if defined(__x86_64__) || defined(__i386__)
  // Every x86-64 processor counts at least 100 MHz; the counter wraps 32 bits above 8.5 GHz.
  EXPECT_GE(mhz, 100);
  EXPECT_LE(mhz, 8590);
#else
  EXPECT_EQ(mhz, 1);
#endif
}

}  // namespace
}  // namespace qn2
