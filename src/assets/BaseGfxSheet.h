#pragma once

#include "assets/CellGrid.h"

// "BaseGfx.bmp": the small pictures of many units and of the interface, 32 x 32 cells
// unless said otherwise.

namespace qn2::sheets {

inline constexpr const char* BaseGfx = "BaseGfx.bmp";
inline constexpr std::int32_t BaseGfxWidth = 576;
inline constexpr std::int32_t BaseGfxHeight = 480;

// Terrain units.
inline constexpr tCellGrid PillarCells{BaseGfx, 0, 0, 32, 48, 12, 1, 16, 32};
inline constexpr tCellGrid BoulderCell{BaseGfx, 0, 224, 32, 32};
inline constexpr tCellGrid SunkBoulderCell{BaseGfx, 96, 224, 32, 32};
inline constexpr tCellGrid KeyCell{BaseGfx, 0, 288, 32, 32};
inline constexpr tCellGrid JewelCell{BaseGfx, 32, 288, 32, 32};
inline constexpr tCellGrid DirtCell{BaseGfx, 96, 288, 32, 32};
inline constexpr tCellGrid WaterIconCell{BaseGfx, 128, 288, 32, 32};
// One per field colour, in the colours' order.
inline constexpr tCellGrid PushButtonCells{BaseGfx, 0, 352, 32, 32, 8, 1};
inline constexpr tCellGrid FieldOffCells{BaseGfx, 0, 384, 32, 32, 8, 1};
inline constexpr tCellGrid FieldOnCells{BaseGfx, 0, 448, 32, 32, 8, 1};

// Hostiles.
inline constexpr tCellGrid SnakeIconCell{BaseGfx, 0, 256, 32, 32};
inline constexpr tCellGrid FireBallRightCell{BaseGfx, 64, 256, 32, 32};
inline constexpr tCellGrid FireBallLeftCell{BaseGfx, 96, 256, 32, 32, 1, 1, 16, 28};
inline constexpr tCellGrid FireBallHitCells{BaseGfx, 0, 160, 32, 32, 7, 1};
inline constexpr tCellGrid BombLyingCell{BaseGfx, 0, 320, 32, 32};
inline constexpr tCellGrid BombLitCells{BaseGfx, 32, 320, 32, 32, 3, 1};
inline constexpr tCellGrid BombFlashingCells{BaseGfx, 128, 320, 32, 32, 5, 1};
// The first two frames of the blast; the rest are in "FireBall.jpg".
inline constexpr tCellGrid BlastStartCells{BaseGfx, 288, 320, 32, 32, 2, 1};
inline constexpr tCellGrid DroidCells{BaseGfx, 256, 384, 32, 32, 10, 1};

// The interface: the info sign, the mouse pointer (tip at the hot spot) and the side
// panel's menu button, six glow frames down a column and the pressed frame.
inline constexpr tCellGrid InfoIconCell{BaseGfx, 64, 224, 32, 32};
inline constexpr tCellGrid PointerCell{BaseGfx, 32, 192, 32, 32, 1, 1, 2, 2};
inline constexpr tCellGrid MenuButtonGlowCells{BaseGfx, 384, 0, 96, 48, 1, 6};
inline constexpr tCellGrid MenuButtonPressedCell{BaseGfx, 480, 240, 96, 48};

inline constexpr const tCellGrid* BaseGfxGrids[] = {
    &PillarCells,   &BoulderCell,         &SunkBoulderCell,      &KeyCell,          &JewelCell,
    &DirtCell,      &WaterIconCell,       &PushButtonCells,      &FieldOffCells,    &FieldOnCells,
    &SnakeIconCell, &FireBallRightCell,   &FireBallLeftCell,     &FireBallHitCells, &BombLyingCell,
    &BombLitCells,  &BombFlashingCells,   &BlastStartCells,      &DroidCells,       &InfoIconCell,
    &PointerCell,   &MenuButtonGlowCells, &MenuButtonPressedCell};

}  // namespace qn2::sheets
