#pragma once

// The unit pictures, one file per family, and the figures one family lends another (the
// death pictures and "BaseGfx.bmp" reuse the explorer's hat, the hostiles and the terrain
// units). Every figure draws with the current cairo transform.

#include <cairo.h>

#include <cstdint>
#include <string>

#include "ArtCanvas.h"

namespace assetgen {

// The explorer (PlayerArt.cpp): her hat, brim down, its crown's top at top.
void DrawHat(cairo_t* cr, double cx, double top, bool side, bool flipBrim);

// Terrain units (TerrainArt.cpp). The key fills a 32 x 24 cell at the origin; the others
// fill the 32 x 32 (pillar 32 x 48) cell whose top left is (x, y).
void DrawKey(cairo_t* cr, double angle);
void DrawBoulder(cairo_t* cr, double x, double y, bool sunk);
void DrawPillar(cairo_t* cr, double x, double y, int frame);
void DrawFieldTile(ArtCanvas& canvas, double x, double y, Rgb colour, bool on);

// Hostiles (HostileArt.cpp). The snake fills a 32 x 48 cell at the origin facing left; the
// spider is centred at the origin heading along +x; the burst is a fiery light on black,
// t running 0..1 over its life; the droid and the bomb fill the cell at (x, y).
void DrawSnake(cairo_t* cr, double sway);
void DrawSpider(cairo_t* cr, double phase, double scale);
void DrawBurst(cairo_t* cr, double cx, double cy, double size, double t, std::uint32_t seed);
void DrawDroid(cairo_t* cr, double x, double y, int frame);
void DrawBomb(cairo_t* cr, double x, double y, double fuse, double flash);

// The pictures of each family, written into outDir.
void GenerateBaseGfxArt(const std::string& outDir);
void GeneratePlayerArt(const std::string& outDir);
void GenerateTerrainArt(const std::string& outDir);
void GenerateHostileArt(const std::string& outDir);
void GenerateDeathArt(const std::string& outDir);

}  // namespace assetgen
