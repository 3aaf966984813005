#pragma once

#include "assets/CellGrid.h"

// The explorer's pictures and the warp sparkle. The character pictures hold one column
// per facing and one row per frame.

namespace qn2::sheets {

enum tFacingColumn : std::int32_t {
  FacingUpColumn,
  FacingDownColumn,
  FacingLeftColumn,
  FacingRightColumn
};

inline constexpr tCellGrid ZeviWalking{"ZeviWalking.jpg", 0, 0, 32, 64, 4, 16, 16, 34};
inline constexpr tCellGrid ZeviStanding{"ZeviStanding.jpg", 0, 0, 32, 64, 4, 3, 16, 34};
inline constexpr tCellGrid ZeviDying{"ZeviDying.jpg", 0, 0, 40, 40, 1, 14, 20, 22};
inline constexpr tCellGrid WarpCells{"Warp.jpg", 0, 0, 66, 30, 1, 71, 33, 15};

inline constexpr const tCellGrid* PlayerGrids[] = {&ZeviWalking, &ZeviStanding, &ZeviDying,
                                                   &WarpCells};

}  // namespace qn2::sheets
