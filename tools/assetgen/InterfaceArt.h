#pragma once

// Shared drawing helpers of the interface art (tiles, backgrounds, side panel, font,
// menus). Everything draws with cairo onto ArtCanvas pictures in the look of Palette.h.

#include <cairo.h>

#include <string>

#include "ArtCanvas.h"
#include "Palette.h"

namespace assetgen::interface {

// The colours of one kind of masonry: tile sets and backgrounds come in several stones.
struct StoneSet {
  Rgb Mortar;
  Rgb Dark;
  Rgb Base;
  Rgb Light;
  Rgb Moss;
};

const StoneSet& WarmStone();
const StoneSet& CisternStone();
const StoneSet& SandStone();

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);
// A rectangle, optionally with rounded corners.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// One dressed stone: body, bevel light on the top-left, shade on the bottom-right, speckle.
void StoneBlock(cairo_t* cr, ArtRandom& rng, double x, double y, double w, double h,
                const StoneSet& set, double wear);
// Fine speckle over a rectangle.
void Speckle(cairo_t* cr, ArtRandom& rng, double x, double y, double w, double h, int count,
             Rgb colour, double alpha, double size);
// A clump of moss: overlapping dots of the set's moss shades around (cx, cy).
void MossClump(cairo_t* cr, ArtRandom& rng, double cx, double cy, double radius, int dots);
// A hanging strand of moss from (x, y) down by length.
void MossStrand(cairo_t* cr, ArtRandom& rng, double x, double y, double length);
// A crack: a jagged dark line.
void Crack(cairo_t* cr, ArtRandom& rng, double x, double y, double dx, double dy, int steps);
// A soft pool of warm light (added over what is there).
void LightPool(cairo_t* cr, double cx, double cy, double radius, Rgb colour, double strength);
// A brass lantern with its flame, centred at (cx, cy), about size pixels high.
void Lantern(cairo_t* cr, double cx, double cy, double size);
// A faceted jewel centred at (cx, cy).
void Jewel(cairo_t* cr, double cx, double cy, double radius, Rgb colour);
// Multiplies every opaque pixel by a random factor near 1 (grain that survives JPEG).
void Grain(ArtCanvas& canvas, ArtRandom& rng, double amount);
// Text in DejaVu Sans Bold, centred on (cx, cy), with an optional dark outline.
void CentredText(cairo_t* cr, const std::string& text, double cx, double cy, double size, Rgb fill,
                 double outline);
// Saves a JPEG with key-coloured areas and its companion mask (the name + ".mask"), a
// bitmap that is white exactly where the picture is the key colour, so the game restores
// the key colour that JPEG compression blurs.
void SaveKeyedJpeg(const ArtCanvas& canvas, const std::string& outDir, const std::string& name);

// Stone slab with a carved border, brass corners and moss, key colour outside; title
// carved at the top when not empty.
void DrawSlab(ArtCanvas& canvas, ArtRandom& rng, const std::string& title, bool keyedOutside);

// The pictures, by group.
void GenerateTileSheets(const std::string& outDir);
void GenerateBackgrounds(const std::string& outDir);
void GenerateSidePanelArt(const std::string& outDir);
void GenerateMenuFontArt(const std::string& outDir);
void GenerateMenuArt(const std::string& outDir);
// The level-pick screen: caption, level and bonus buttons, the two picture buttons
// (InterfaceArtLevelPick.cpp).
void GenerateLevelPickArt(const std::string& outDir);
// The info markers' hint pictures (InterfaceArtHints.cpp).
void GenerateHintArt(const std::string& outDir);

}  // namespace assetgen::interface
