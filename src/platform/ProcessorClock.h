#pragma once

#include <cstdint>

namespace qn2 {

// The processor's clock rate in MHz, measured with its time-stamp counter over half a
// second at raised priority: 10 ms of sleep to start on a fresh time slice, a reading,
// 500 ms of sleep, a second reading. Takes about 510 ms. A processor without a
// time-stamp counter gives 1.
std::int32_t MeasureProcessorMHz();

// The clock rate of two counter readings taken 500 ms apart: their difference as an
// unsigned 32-bit number (so it survives the low word wrapping) divided by 500 000.
std::int32_t MHzFromCounterReadings(std::uint64_t first, std::uint64_t second);

}  // namespace qn2
