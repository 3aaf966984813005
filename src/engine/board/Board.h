#pragma once

#include <cstdint>

namespace qn2 {

// Board geometry: 16 columns by 15 rows of 32 x 32 pixel cells, drawn right of the
// 128-pixel side panel in a 640 x 480 frame.
constexpr int BoardColumns = 16;
constexpr int BoardRows = 15;
constexpr int CellSize = 32;
constexpr int FrameWidth = 640;
constexpr int FrameHeight = 480;
constexpr int SidePanelWidth = 128;

constexpr bool InsideBoard(int x, int y) {
  return x >= 0 && x < BoardColumns && y >= 0 && y < BoardRows;
}

// Left pixel column of the play area: 128 during play, 0 while the level's
// background picture is painted.
inline std::int32_t PlayAreaOffset = SidePanelWidth;

}  // namespace qn2
