#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "render/Rect.h"

namespace qn2 {

// Where the tool window goes when it is shown: to the left of the game window when there is
// room (main left - tool width > 0), else to its right when that fits on the screen, else
// where it is; its top is the game window's top.
tPoint ToolWindowPlace(tPoint mainTopLeft, tPoint mainSize, int toolWidth, int screenWidth,
                       tPoint toolTopLeft);

// The three panels of the status bar: the game window's client size "W,H", the cell under
// the mouse "X,Y" (empty off the board) and the engine's timer ticks.
std::array<std::string, 3> StatusPanels(tPoint clientSize, tPoint cell, std::int32_t timerTicks);

}  // namespace qn2
