#pragma once

#include "assets/CellGrid.h"

// The hostiles' own pictures; their small cells are in BaseGfxSheet.h.

namespace qn2::sheets {

// One column per facing, one row per sway frame.
enum tSnakeColumn : std::int32_t { SnakeFacingLeftColumn, SnakeFacingRightColumn };
inline constexpr tCellGrid SnakeSway{"Snake1.jpg", 0, 0, 32, 48, 2, 31, 16, 32};

// One row per heading, one column per frame.
enum tSpiderRow : std::int32_t { SpiderLeftRow, SpiderRightRow, SpiderUpRow, SpiderDownRow };
inline constexpr tCellGrid SpiderCells{"Spider.jpg", 0, 0, 36, 26, 10, 4};

inline constexpr tCellGrid ExplosionCells{"Explosion1.jpg", 0, 0, 52, 54, 27, 1};

// The cherry bomb's blast from its third frame on, centred on the bomb's cell at the hot
// spot.
inline constexpr tCellGrid BlastCells{"FireBall.jpg", 0, 0, 160, 132, 1, 26, 78, 85};

inline constexpr const tCellGrid* HostileGrids[] = {&SnakeSway, &SpiderCells, &ExplosionCells,
                                                    &BlastCells};

}  // namespace qn2::sheets
