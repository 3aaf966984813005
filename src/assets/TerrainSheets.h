#pragma once

#include "assets/CellGrid.h"

// The terrain units' own pictures; their small cells are in BaseGfxSheet.h.

namespace qn2::sheets {

// "SpinningThings.jpg": one column per turning thing, one row per frame.
inline constexpr const char* SpinningThings = "SpinningThings.jpg";
inline constexpr tCellGrid SpinningKey{SpinningThings, 0, 0, 32, 24, 1, 32};
inline constexpr tCellGrid SpinningBlueJewel{SpinningThings, 32, 0, 32, 24, 1, 32};
inline constexpr tCellGrid SpinningMagentaJewel{SpinningThings, 64, 0, 32, 24, 1, 16};
inline constexpr tCellGrid SpinningGreenJewel{SpinningThings, 96, 0, 32, 24, 1, 16};
inline constexpr tCellGrid SpinningYellowJewel{SpinningThings, 128, 0, 32, 24, 1, 13};

// "Exits.jpg": one row per kind of exit, one column per opening frame.
inline constexpr const char* Exits = "Exits.jpg";
inline constexpr tCellGrid ExitUpDoorCells{Exits, 0, 0, 32, 64, 7, 1, 16, 16};
inline constexpr tCellGrid ExitDoorCells{Exits, 0, 64, 32, 64, 7, 1, 16, 16};
inline constexpr tCellGrid ExitLeftCells{Exits, 0, 128, 32, 32, 7, 1, 16, 16};
inline constexpr tCellGrid ExitRightCells{Exits, 0, 160, 32, 32, 7, 1, 16, 16};
inline constexpr tCellGrid ExitHatchCells{Exits, 0, 192, 32, 64, 7, 1, 16, 45};

inline constexpr const tCellGrid* TerrainGrids[] = {
    &SpinningKey,         &SpinningBlueJewel, &SpinningMagentaJewel, &SpinningGreenJewel,
    &SpinningYellowJewel, &ExitUpDoorCells,   &ExitDoorCells,        &ExitLeftCells,
    &ExitRightCells,      &ExitHatchCells};

// Pictures read whole: the water's edge templates and ripple noise, and the force-field
// textures (the light one for slow machines).
inline constexpr const char* WaterTemplates = "WaterTemplates.jpg";
inline constexpr const char* WaterNoiseParts[] = {"WaterBWa.jpg", "WaterBWb.jpg"};
inline constexpr const char* ForceField = "ForceField.Jpg";
inline constexpr const char* ForceFieldLite = "ForceFieldLite.Jpg";
inline constexpr const char* ForceFieldRed = "ForceFieldRed.Jpg";
inline constexpr const char* ForceFieldGreen = "ForceFieldGreen.Jpg";
inline constexpr const char* ForceFieldBlue = "ForceFieldBlue.Jpg";

inline constexpr const char* TerrainWholePictures[] = {
    WaterTemplates, WaterNoiseParts[0], WaterNoiseParts[1], ForceField,
    ForceFieldLite, ForceFieldRed,      ForceFieldGreen,    ForceFieldBlue};

}  // namespace qn2::sheets
