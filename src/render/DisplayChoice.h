#pragma once

#include <cstdint>
#include <functional>

namespace qn2 {

// Display types: 0 windowed through the renderer, 1 windowed through a bitmap blit,
// 2 full screen through the renderer, 3 full screen through a bitmap blit.
inline constexpr std::int32_t WindowedDisplay = 0;
inline constexpr std::int32_t WindowedBitmapDisplay = 1;
inline constexpr std::int32_t FullScreenDisplay = 2;
inline constexpr std::int32_t FullScreenBitmapDisplay = 3;

// The answers of the display-mode question.
inline constexpr int RunFullScreenAnswer = 100;
inline constexpr int RunWindowedAnswer = 101;

// Above this clock rate the machine is fast enough to run windowed on a desktop that is
// not 16-bit without asking.
inline constexpr std::int32_t FastProcessorMHz = 700;

// The display type the settings ask for: BitBlt and FullScreen 3, BitBlt alone 1,
// FullScreen alone 2, neither 0.
std::int32_t DisplayModeFromSettings(bool fullScreen, bool bitBlt);

// The display type to run. Only type 0 on a desktop that is not 16-bit is replaced:
// with the compatibility setting it becomes 1; otherwise the processor is measured
// (measureMHz) and above FastProcessorMHz it becomes 1; otherwise the player is asked
// (askQuestion): RunWindowedAnswer gives 1, any other answer 2. Neither callback is
// called when its answer is not needed.
std::int32_t ChooseDisplayType(std::int32_t requested, bool desktop16Bit, bool compatibility,
                               const std::function<std::int32_t()>& measureMHz,
                               const std::function<int()>& askQuestion);

}  // namespace qn2
