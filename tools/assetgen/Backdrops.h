#pragma once

// The level backdrops that are places of their own rather than another stretch of the
// ruin's masonry: a frozen cavern, a forge, a sunken garden and the ruin under the night sky
// (one file each), with the pieces they share. Each is 512 x 480, the size of the board, and kept
// dark and soft so that the units in front stay easy to read.

#include <cairo.h>

#include <string>

#include "ArtCanvas.h"
#include "Palette.h"

namespace assetgen::interface {

inline constexpr int BackdropWidth = 512;
inline constexpr int BackdropHeight = 480;

// Darkens the top and the bottom of the picture (strength 0..1 at the very edges).
void EdgeShadow(cairo_t* cr, double top, double bottom);
// A vertical gradient over the whole picture, from `top` to `bottom`.
void SkyFill(cairo_t* cr, Rgb top, Rgb bottom);
// A rough boulder face: a jittered polygon of `corners` around (cx, cy), shaded from
// `light` at the top left to `dark`, with a thin dark rim.
void Boulder(cairo_t* cr, ArtRandom& rng, double cx, double cy, double radius, int corners,
             Rgb light, Rgb dark);
// A soft shaft of light falling from (x, 0) at `slant` pixels across per pixel down.
void LightShaft(cairo_t* cr, double x, double width, double slant, Rgb colour, double strength);

// The places (BackdropFrost.cpp, BackdropForge.cpp, BackdropGarden.cpp, BackdropNight.cpp).
void DrawFrostVault(ArtCanvas& canvas);
void DrawEmberForge(ArtCanvas& canvas);
void DrawSunkenGarden(ArtCanvas& canvas);
void DrawStarlitRuin(ArtCanvas& canvas);

// Draws and writes every backdrop of this family.
void GenerateBackdrops(const std::string& outDir);

}  // namespace assetgen::interface
