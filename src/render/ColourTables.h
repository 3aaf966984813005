#pragma once

#include <array>
#include <cstdint>

namespace qn2 {

struct tPicture;

// A look-up table from one 16-bit pixel to another, indexed by the pixel itself.
using tPixelTable = std::array<std::uint16_t, 65536>;
using tGammaTable = std::array<std::uint8_t, 256>;

// Colour tables of the current pixel layout, so no pixel operation computes a power or a
// logarithm. They are rebuilt whenever the layout or the brightness changes.
//  GammaTable: brightness, applied to every image as it loads.
//  FadeTable: each pixel at half its light (dimmed backgrounds behind menus and pop-ups).
//  DarkenTable: each channel lowered by one eighth of its range.
//  WaterTable: the animated water tint, indexed by the sum of four 8-bit noise samples.
extern tGammaTable GammaTable;
extern tPixelTable FadeTable;
extern tPixelTable DarkenTable;
extern std::array<std::uint16_t, 1024> WaterTable;

// The brightness setting (the configuration accepts 0.5 to 2.7).
extern float Gamma;
// Water colour, red in the low byte, green in the next, blue in the third.
extern std::uint32_t WaterColour;
constexpr std::uint32_t DefaultWaterColour = 255 | (128 << 8) | (160 << 16);

// Sets the pixel layout from the three channel masks and rebuilds every table.
void SetupColourValues(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask);
// Switches the game to the display's pixel layout: SetupColourValues, then every loaded
// registered picture (DibRegistry.h) is loaded again, so its pixels are in the new layout
// and brightness. Registered pictures that are not loaded stay unloaded.
void SetPixelMode(std::uint32_t redMask, std::uint32_t greenMask, std::uint32_t blueMask);
// Fills a brightness table; gammas below 0.1 count as 0.1.
void MakeGamma(tGammaTable& table, float gamma);
// Applies the brightness table to a 24-bit picture in place, snapping near-magenta to the
// exact key colour and near-blue to pure blue. Raises "Non-24bit bitmap encountered in
// DoBrightnessChange" for any other depth.
void DoBrightnessChange(tPicture& picture, const tGammaTable& table);
// Stores the colour and rebuilds WaterTable with the current GammaTable.
void SetWaterColour(std::uint32_t colour);
// Maps each byte of a packed 24-bit colour through GammaTable (text colours, so drawn
// text matches the brightness of the pictures).
std::uint32_t ApplyGamma(std::uint32_t colour);

}  // namespace qn2
