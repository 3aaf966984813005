// The tile sheets: "BasicTiles.jpg" (ground and walls) and "BasicOverlay.jpg" (arches,
// ledges and hanging moss drawn in front of the units). Both are 512 x 512: four strips of
// 128 pixels, each four tiles wide and sixteen high, numbered row by row within a strip.
// TILES.md lists what each number holds.

#include <cmath>
#include <functional>

#include "InterfaceArt.h"

namespace assetgen::interface {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kTile = 32;

// Top-left corner of tile n on a sheet.
void TileOrigin(int n, double& x, double& y) {
  x = kTile * (n % 4 + 4 * (n / 64));
  y = kTile * ((n / 4) % 16);
}

// Runs draw with the origin at tile n's corner, clipped to the tile.
void InTile(cairo_t* cr, int n, const std::function<void()>& draw) {
  double x = 0;
  double y = 0;
  TileOrigin(n, x, y);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rectangle(cr, 0, 0, kTile, kTile);
  cairo_clip(cr);
  draw();
  cairo_restore(cr);
}

void Flagstones(cairo_t* cr, ArtRandom& rng, const StoneSet& s, int variant) {
  SetColour(cr, s.Mortar);
  cairo_rectangle(cr, 0, 0, kTile, kTile);
  cairo_fill(cr);
  switch (variant % 4) {
    case 0:
      StoneBlock(cr, rng, 0, 0, 32, 32, s, 0.1);
      break;
    case 1:
      StoneBlock(cr, rng, 0, 0, 16, 32, s, 0.2);
      StoneBlock(cr, rng, 16, 0, 16, 32, s, 0.2);
      break;
    case 2:
      StoneBlock(cr, rng, 0, 0, 32, 14, s, 0.2);
      StoneBlock(cr, rng, 0, 14, 20, 18, s, 0.2);
      StoneBlock(cr, rng, 20, 14, 12, 18, s, 0.2);
      break;
    default:
      for (int i = 0; i < 4; ++i) StoneBlock(cr, rng, 16 * (i % 2), 16 * (i / 2), 16, 16, s, 0.3);
      break;
  }
}

void Cobbles(cairo_t* cr, ArtRandom& rng, const StoneSet& s) {
  SetColour(cr, s.Mortar);
  cairo_rectangle(cr, 0, 0, kTile, kTile);
  cairo_fill(cr);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 5; ++col) {
      const double x = col * 8 - (row % 2) * 4 + rng.Range(-0.5, 0.5);
      StoneBlock(cr, rng, x, row * 8, 8, 8, s, 0);
    }
}

void Earth(cairo_t* cr, ArtRandom& rng, const StoneSet& s, bool ferns) {
  SetColour(cr, Mix(s.Mortar, palette::MossDark, 0.4));
  cairo_rectangle(cr, 0, 0, kTile, kTile);
  cairo_fill(cr);
  Speckle(cr, rng, 0, 0, 32, 32, 90, s.Dark, 0.8, 1);
  MossClump(cr, rng, 16, 16, 18, ferns ? 160 : 70);
  if (ferns) {
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 5; ++i) {
      const double a = -kPi / 2 + rng.Range(-1.2, 1.2);
      SetColour(cr, palette::MossLight);
      cairo_move_to(cr, 16, 24);
      cairo_curve_to(cr, 16, 18, 16 + std::cos(a) * 8, 24 + std::sin(a) * 8, 16 + std::cos(a) * 14,
                     24 + std::sin(a) * 14);
      cairo_stroke(cr);
    }
  }
}

void Ashlar(cairo_t* cr, ArtRandom& rng, const StoneSet& s, double moss) {
  SetColour(cr, s.Mortar);
  cairo_rectangle(cr, 0, 0, kTile, kTile);
  cairo_fill(cr);
  for (int row = 0; row < 4; ++row) {
    const double off = row % 2 ? -8 : 0;
    for (double x = off; x < 32; x += 16) StoneBlock(cr, rng, x, row * 8, 16, 8, s, 0.05);
  }
  // The face of a wall is darker than the floor.
  SetColour(cr, palette::Ink, 0.18);
  cairo_rectangle(cr, 0, 0, kTile, kTile);
  cairo_fill(cr);
  if (moss > 0) {
    MossClump(cr, rng, rng.Range(4, 28), rng.Range(0, 8), 10, static_cast<int>(80 * moss));
    if (moss > 0.5) MossStrand(cr, rng, rng.Range(6, 26), 0, rng.Range(10, 26));
  }
}

void WallTop(cairo_t* cr, ArtRandom& rng, const StoneSet& s, int variant) {
  SetColour(cr, s.Mortar);
  cairo_rectangle(cr, 0, 0, kTile, kTile);
  cairo_fill(cr);
  StoneBlock(cr, rng, 2, 2, 28, 28, s, 0.1);
  SetColour(cr, s.Light, 0.35);
  cairo_set_line_width(cr, 2);
  if (variant == 0 || variant == 2) {
    cairo_move_to(cr, 0, 16);
    cairo_line_to(cr, 32, 16);
  }
  if (variant == 1 || variant == 2) {
    cairo_move_to(cr, 16, 0);
    cairo_line_to(cr, 16, 32);
  }
  cairo_stroke(cr);
  if (variant == 3) {
    SetColour(cr, palette::Brass);
    cairo_arc(cr, 16, 16, 4, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void Pillar(cairo_t* cr, ArtRandom& rng, const StoneSet& s, bool brass) {
  Flagstones(cr, rng, s, 0);
  SetColour(cr, palette::Ink, 0.45);
  cairo_arc(cr, 18, 18, 13, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(12, 12, 1, 16, 16, 14);
  cairo_pattern_add_color_stop_rgb(g, 0, s.Light.R, s.Light.G, s.Light.B);
  cairo_pattern_add_color_stop_rgb(g, 1, s.Dark.R, s.Dark.G, s.Dark.B);
  cairo_arc(cr, 16, 16, 13, 0, 2 * kPi);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  if (brass) {
    SetColour(cr, palette::Brass);
    cairo_set_line_width(cr, 2.5);
    cairo_arc(cr, 16, 16, 10, 0, 2 * kPi);
    cairo_stroke(cr);
  }
}

void Grate(cairo_t* cr, ArtRandom& rng, const StoneSet& s) {
  Flagstones(cr, rng, s, 0);
  SetColour(cr, palette::Ink);
  cairo_rectangle(cr, 6, 6, 20, 20);
  cairo_fill(cr);
  SetColour(cr, palette::Brass);
  cairo_set_line_width(cr, 2);
  cairo_rectangle(cr, 6, 6, 20, 20);
  for (int i = 1; i < 4; ++i) {
    cairo_move_to(cr, 6 + 5 * i, 6);
    cairo_line_to(cr, 6 + 5 * i, 26);
  }
  cairo_stroke(cr);
}

void Mosaic(cairo_t* cr, ArtRandom& rng, const StoneSet& s, Rgb jewel) {
  SetColour(cr, s.Mortar);
  cairo_rectangle(cr, 0, 0, kTile, kTile);
  cairo_fill(cr);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const bool inlay = (x == 1 || x == 2) && (y == 1 || y == 2);
      SetColour(
          cr, inlay ? Shade(jewel, rng.Range(0.7, 1.0)) : Mix(s.Base, s.Light, rng.Range(0, 0.5)));
      cairo_rectangle(cr, x * 8 + 0.5, y * 8 + 0.5, 7, 7);
      cairo_fill(cr);
    }
  SetColour(cr, palette::Brass);
  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 8, 8, 16, 16);
  cairo_stroke(cr);
}

void Planks(cairo_t* cr, ArtRandom& rng) {
  const Rgb wood{0.45, 0.29, 0.16};
  for (int i = 0; i < 4; ++i) {
    SetColour(cr, Shade(wood, rng.Range(0.8, 1.15)));
    cairo_rectangle(cr, 0, i * 8, 32, 8);
    cairo_fill(cr);
    SetColour(cr, palette::Ink, 0.7);
    cairo_rectangle(cr, 0, i * 8 + 7, 32, 1);
    cairo_fill(cr);
    SetColour(cr, Shade(wood, 0.6), 0.6);
    cairo_move_to(cr, 0, i * 8 + 3.5);
    cairo_curve_to(cr, 10, i * 8 + 2, 20, i * 8 + 5, 32, i * 8 + 3.5);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
    SetColour(cr, palette::BrassDark);
    cairo_rectangle(cr, (i % 2) ? 4 : 26, i * 8 + 3, 2, 2);
    cairo_fill(cr);
  }
}

void Steps(cairo_t* cr, ArtRandom& rng, const StoneSet& s) {
  for (int i = 0; i < 4; ++i) {
    StoneBlock(cr, rng, 0, i * 8, 32, 8, s, 0);
    SetColour(cr, palette::Ink, 0.15 * i);
    cairo_rectangle(cr, 0, i * 8, 32, 8);
    cairo_fill(cr);
  }
}

void Pit(cairo_t* cr, ArtRandom& rng, const StoneSet& s) {
  Flagstones(cr, rng, s, 0);
  cairo_pattern_t* g = cairo_pattern_create_radial(16, 16, 2, 16, 16, 14);
  cairo_pattern_add_color_stop_rgb(g, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgb(g, 1, s.Mortar.R, s.Mortar.G, s.Mortar.B);
  RoundedRect(cr, 3, 3, 26, 26, 6);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// Kerb along one edge (0 north, 1 east, 2 south, 3 west); the rest stays transparent.
void Kerb(cairo_t* cr, ArtRandom& rng, const StoneSet& s, int edge, bool corner) {
  cairo_save(cr);
  cairo_translate(cr, 16, 16);
  cairo_rotate(cr, edge * kPi / 2);
  cairo_translate(cr, -16, -16);
  StoneBlock(cr, rng, 0, 0, 32, 9, s, 0);
  if (corner) StoneBlock(cr, rng, 23, 0, 9, 32, s, 0);
  MossClump(cr, rng, rng.Range(6, 26), 8, 4, 14);
  cairo_restore(cr);
}

// Half a wall: the wall fills the half toward the given edge.
void HalfWall(cairo_t* cr, ArtRandom& rng, const StoneSet& s, int edge) {
  cairo_save(cr);
  cairo_translate(cr, 16, 16);
  cairo_rotate(cr, edge * kPi / 2);
  cairo_translate(cr, -16, -16);
  SetColour(cr, s.Mortar);
  cairo_rectangle(cr, 0, 0, 32, 16);
  cairo_fill(cr);
  for (int row = 0; row < 2; ++row)
    for (double x = row % 2 ? -8 : 0; x < 32; x += 16) StoneBlock(cr, rng, x, row * 8, 16, 8, s, 0);
  cairo_restore(cr);
}

void Decal(cairo_t* cr, ArtRandom& rng, const StoneSet& s, int kind) {
  switch (kind) {
    case 0:
      MossClump(cr, rng, 16, 18, 10, 90);
      break;
    case 1:
      for (int i = 0; i < 7; ++i) {
        const double r = rng.Range(3, 6);
        StoneBlock(cr, rng, rng.Range(4, 28 - r * 2), rng.Range(8, 28 - r * 2), r * 2, r * 2, s, 0);
      }
      break;
    case 2:
      cairo_save(cr);
      cairo_translate(cr, 16, 18);
      cairo_scale(cr, 13, 7);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      SetColour(cr, palette::WaterDeep);
      cairo_fill_preserve(cr);
      SetColour(cr, palette::WaterLight);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      break;
    default:
      cairo_set_line_width(cr, 2);
      Crack(cr, rng, 4, 6, 1, 0.6, 7);
      Crack(cr, rng, 16, 12, 0.2, 1, 4);
      break;
  }
}

void LanternNiche(cairo_t* cr, ArtRandom& rng, const StoneSet& s) {
  Ashlar(cr, rng, s, 0);
  SetColour(cr, palette::Ink);
  cairo_move_to(cr, 7, 30);
  cairo_line_to(cr, 7, 12);
  cairo_arc(cr, 16, 12, 9, kPi, 2 * kPi);
  cairo_line_to(cr, 25, 30);
  cairo_close_path(cr);
  cairo_fill(cr);
  LightPool(cr, 16, 18, 16, palette::LanternGlow, 0.5);
  Lantern(cr, 16, 18, 20);
}

void Doorway(cairo_t* cr, ArtRandom& rng, const StoneSet& s) {
  Ashlar(cr, rng, s, 0.2);
  SetColour(cr, {0.30, 0.19, 0.10});
  cairo_move_to(cr, 5, 32);
  cairo_line_to(cr, 5, 14);
  cairo_arc(cr, 16, 14, 11, kPi, 2 * kPi);
  cairo_line_to(cr, 27, 32);
  cairo_close_path(cr);
  cairo_fill_preserve(cr);
  SetColour(cr, palette::Brass);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  SetColour(cr, palette::Ink, 0.6);
  for (int x = 10; x < 24; x += 5) {
    cairo_rectangle(cr, x, 8, 1, 24);
    cairo_fill(cr);
  }
  SetColour(cr, palette::BrassLight);
  cairo_arc(cr, 22, 22, 1.5, 0, 2 * kPi);
  cairo_fill(cr);
}

void Window(cairo_t* cr, ArtRandom& rng, const StoneSet& s) {
  Ashlar(cr, rng, s, 0);
  SetColour(cr, {0.22, 0.14, 0.06});
  RoundedRect(cr, 9, 6, 14, 20, 6);
  cairo_fill(cr);
  LightPool(cr, 16, 16, 12, palette::LanternGlow, 0.85);
  SetColour(cr, palette::BrassDark);
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, 16, 6);
  cairo_line_to(cr, 16, 26);
  cairo_move_to(cr, 9, 16);
  cairo_line_to(cr, 23, 16);
  cairo_stroke(cr);
}

void Relief(cairo_t* cr, ArtRandom& rng, const StoneSet& s, Rgb jewel) {
  StoneBlock(cr, rng, 0, 0, 32, 32, s, 0);
  SetColour(cr, s.Dark);
  cairo_set_line_width(cr, 2);
  cairo_arc(cr, 16, 16, 11, 0, 2 * kPi);
  cairo_stroke(cr);
  for (int i = 0; i < 8; ++i) {
    const double a = i * kPi / 4;
    cairo_move_to(cr, 16 + std::cos(a) * 6, 16 + std::sin(a) * 6);
    cairo_line_to(cr, 16 + std::cos(a) * 11, 16 + std::sin(a) * 11);
  }
  cairo_stroke(cr);
  Jewel(cr, 16, 16, 5, jewel);
}

void BrassPlate(cairo_t* cr, ArtRandom& rng, const StoneSet& s) {
  Flagstones(cr, rng, s, 0);
  cairo_pattern_t* g = cairo_pattern_create_linear(4, 4, 28, 28);
  cairo_pattern_add_color_stop_rgb(g, 0, palette::BrassLight.R, palette::BrassLight.G,
                                   palette::BrassLight.B);
  cairo_pattern_add_color_stop_rgb(g, 1, palette::BrassDark.R, palette::BrassDark.G,
                                   palette::BrassDark.B);
  RoundedRect(cr, 4, 4, 24, 24, 3);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, palette::Ink, 0.8);
  for (int i = 0; i < 4; ++i) {
    cairo_arc(cr, 7 + 18 * (i % 2), 7 + 18 * (i / 2), 1.2, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void Dais(cairo_t* cr, ArtRandom& rng, const StoneSet& s) {
  Flagstones(cr, rng, s, 3);
  SetColour(cr, palette::Ink, 0.35);
  cairo_rectangle(cr, 0, 28, 32, 4);
  cairo_rectangle(cr, 28, 0, 4, 32);
  cairo_fill(cr);
  SetColour(cr, s.Light, 0.5);
  cairo_rectangle(cr, 0, 0, 32, 2);
  cairo_rectangle(cr, 0, 0, 2, 32);
  cairo_fill(cr);
}

void Well(cairo_t* cr, ArtRandom& rng, const StoneSet& s) {
  Flagstones(cr, rng, s, 2);
  SetColour(cr, s.Light);
  cairo_arc(cr, 16, 16, 13, 0, 2 * kPi);
  cairo_fill(cr);
  SetColour(cr, palette::WaterDeep);
  cairo_arc(cr, 16, 16, 9, 0, 2 * kPi);
  cairo_fill(cr);
  SetColour(cr, palette::WaterLight, 0.8);
  cairo_set_line_width(cr, 1);
  cairo_arc(cr, 14, 14, 4, kPi, 1.5 * kPi);
  cairo_stroke(cr);
}

// The 64 tiles of one strip in the given stone; k is the number within the strip.
void DrawGroundTile(cairo_t* cr, ArtRandom& rng, const StoneSet& s, int k) {
  const Rgb jewels[] = {palette::Ruby, palette::Emerald, palette::Sapphire, palette::Amethyst};
  if (k < 4) return Flagstones(cr, rng, s, k);
  if (k < 8) {
    Flagstones(cr, rng, s, k);
    MossClump(cr, rng, rng.Range(6, 26), rng.Range(6, 26), 10, 50 + 15 * (k - 4));
    return;
  }
  if (k < 12) return Cobbles(cr, rng, s);
  if (k == 12) {
    Flagstones(cr, rng, s, 0);
    Crack(cr, rng, 3, 4, 1, 0.8, 7);
    Crack(cr, rng, 28, 6, -0.6, 1, 6);
    return;
  }
  if (k == 13) {
    Flagstones(cr, rng, s, 3);
    return Decal(cr, rng, s, 1);
  }
  if (k == 14) return Grate(cr, rng, s);
  if (k == 15) return Mosaic(cr, rng, s, jewels[rng.Next() % 4]);
  if (k < 20) return Earth(cr, rng, s, k >= 18);
  if (k == 20) return Steps(cr, rng, s);
  if (k == 21) return Pit(cr, rng, s);
  if (k == 22) return Planks(cr, rng);
  if (k == 23) return Mosaic(cr, rng, s, palette::Topaz);
  if (k < 28) return Ashlar(cr, rng, s, 0);
  if (k < 32) return Ashlar(cr, rng, s, 0.3 + 0.2 * (k - 28));
  if (k < 36) return WallTop(cr, rng, s, k - 32);
  if (k == 36) return Pillar(cr, rng, s, false);
  if (k == 37) return Pillar(cr, rng, s, true);
  if (k == 38) return Relief(cr, rng, s, jewels[k % 4]);
  if (k == 39) return LanternNiche(cr, rng, s);
  if (k < 44) return Kerb(cr, rng, s, k - 40, false);
  if (k < 48) return Kerb(cr, rng, s, k - 44, true);
  if (k < 52) return Decal(cr, rng, s, k - 48);
  if (k < 56) return HalfWall(cr, rng, s, k - 52);
  if (k == 56) return BrassPlate(cr, rng, s);
  if (k == 57) return Relief(cr, rng, s, palette::Emerald);
  if (k == 58) return Well(cr, rng, s);
  if (k == 59) return Dais(cr, rng, s);
  if (k == 60) return Doorway(cr, rng, s);
  if (k == 61) return Relief(cr, rng, s, palette::Ruby);
  if (k == 62) return Window(cr, rng, s);
  // 63: a dark alcove.
  Ashlar(cr, rng, s, 0.4);
  SetColour(cr, palette::Ink);
  RoundedRect(cr, 6, 6, 20, 26, 8);
  cairo_fill(cr);
}

// ---- Overlay tiles (in front of the units) ----

void ArchPiece(cairo_t* cr, ArtRandom& rng, const StoneSet& s, int piece) {
  // An arch spanning three tiles: piece 0 left spring, 1 keystone, 2 right spring.
  cairo_save(cr);
  cairo_translate(cr, -32.0 * piece, 0);
  const double cx = 48;
  const double cy = 46;
  const int stones = 9;
  for (int i = 0; i < stones; ++i) {
    const double a0 = kPi + kPi * i / stones;
    const double a1 = kPi + kPi * (i + 1) / stones;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 44, a0 + 0.015, a1 - 0.015);
    cairo_arc_negative(cr, cx, cy, 32, a1 - 0.015, a0 + 0.015);
    cairo_close_path(cr);
    SetColour(cr, i == stones / 2 ? palette::Brass : Mix(s.Base, s.Light, 0.2 + 0.15 * (i % 2)));
    cairo_fill_preserve(cr);
    SetColour(cr, s.Mortar);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  MossStrand(cr, rng, rng.Range(8, 24), 12, rng.Range(6, 14));
}

void Ledge(cairo_t* cr, ArtRandom& rng, const StoneSet& s, int piece) {
  StoneBlock(cr, rng, piece == 0 ? 4 : 0, 0, piece == 2 ? 28 : (piece == 0 ? 28 : 32), 10, s, 0);
  SetColour(cr, palette::Ink, 0.9);
  cairo_rectangle(cr, piece == 0 ? 6 : 0, 10, piece == 1 ? 32 : 24, 2);
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) MossStrand(cr, rng, rng.Range(4, 28), 9, rng.Range(4, 16));
}

void HangingMoss(cairo_t* cr, ArtRandom& rng, int variant) {
  MossClump(cr, rng, 16, 2, 16, 70);
  const int strands = 4 + 2 * variant;
  for (int i = 0; i < strands; ++i) MossStrand(cr, rng, rng.Range(2, 30), 2, rng.Range(8, 30));
}

void DrawOverlayTile(cairo_t* cr, ArtRandom& rng, const StoneSet& s, int k) {
  if (k == 0) return;  // 0 is the empty overlay
  if (k <= 3) return ArchPiece(cr, rng, s, k - 1);
  if (k <= 6) return Ledge(cr, rng, s, k - 4);
  if (k <= 10) return HangingMoss(cr, rng, k - 7);
  if (k == 11) {  // hanging lantern on a chain
    SetColour(cr, palette::BrassDark);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 16, 0);
    cairo_line_to(cr, 16, 8);
    cairo_stroke(cr);
    return Lantern(cr, 16, 19, 22);
  }
  if (k == 12) {  // cobweb in the upper-left corner
    SetColour(cr, {0.85, 0.82, 0.76});
    cairo_set_line_width(cr, 1);
    for (int i = 0; i < 5; ++i) {
      const double a = i * kPi / 8;
      cairo_move_to(cr, 0, 0);
      cairo_line_to(cr, std::cos(a) * 26, std::sin(a) * 26);
    }
    for (int r = 7; r < 26; r += 6) {
      cairo_move_to(cr, r, 0);
      for (int i = 1; i < 5; ++i)
        cairo_line_to(cr, std::cos(i * kPi / 8) * r, std::sin(i * kPi / 8) * r);
    }
    cairo_stroke(cr);
    return;
  }
  if (k == 13) {  // banner in jewel red with brass rod
    SetColour(cr, palette::Brass);
    cairo_rectangle(cr, 2, 1, 28, 3);
    cairo_fill(cr);
    SetColour(cr, palette::Ruby);
    cairo_move_to(cr, 6, 4);
    cairo_line_to(cr, 26, 4);
    cairo_line_to(cr, 26, 30);
    cairo_line_to(cr, 16, 24);
    cairo_line_to(cr, 6, 30);
    cairo_close_path(cr);
    cairo_fill(cr);
    return Jewel(cr, 16, 13, 4, palette::Topaz);
  }
  if (k == 14) {  // dripping stalactites
    for (int i = 0; i < 4; ++i) {
      const double x = 3 + i * 8;
      const double len = rng.Range(10, 26);
      SetColour(cr, Mix(s.Base, s.Light, rng.Range(0, 0.5)));
      cairo_move_to(cr, x - 3, 0);
      cairo_line_to(cr, x + 3, 0);
      cairo_line_to(cr, x + 0.5, len);
      cairo_close_path(cr);
      cairo_fill(cr);
    }
    return;
  }
  if (k == 15) {  // low wall parapet across the bottom
    for (double x = 0; x < 32; x += 16) StoneBlock(cr, rng, x, 22, 16, 10, s, 0);
    return MossClump(cr, rng, 10, 23, 5, 20);
  }
  if (k == 16) {  // pillar front, full height
    cairo_pattern_t* g = cairo_pattern_create_linear(6, 0, 26, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, s.Dark.R, s.Dark.G, s.Dark.B);
    cairo_pattern_add_color_stop_rgb(g, 0.35, s.Light.R, s.Light.G, s.Light.B);
    cairo_pattern_add_color_stop_rgb(g, 1, s.Mortar.R, s.Mortar.G, s.Mortar.B);
    cairo_rectangle(cr, 7, 0, 18, 32);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    return;
  }
  if (k <= 19) {  // vines climbing up from the bottom edge, three kinds
    for (int i = 0; i < 3 + (k - 17); ++i) {
      SetColour(cr, palette::Moss);
      cairo_set_line_width(cr, 1.5);
      double x = rng.Range(4, 28);
      cairo_move_to(cr, x, 32);
      for (double y = 32; y > 4; y -= 4) {
        x += rng.Range(-2, 2);
        cairo_line_to(cr, x, y);
        MossClump(cr, rng, x, y, 2.5, 3);
      }
      SetColour(cr, palette::Moss);
      cairo_stroke(cr);
    }
    return;
  }
}

}  // namespace

void GenerateTileSheets(const std::string& outDir) {
  const StoneSet* sets[] = {&WarmStone(), &CisternStone(), &SandStone()};
  {
    ArtCanvas tiles(512, 512);
    cairo_t* cr = tiles.Cr();
    ArtRandom rng(0x7115EEDu);
    for (int n = 1; n < 64 * 3; ++n)
      InTile(cr, n, [&] { DrawGroundTile(cr, rng, *sets[n / 64], n % 64); });
    Grain(tiles, rng, 0.04);
    SaveKeyedJpeg(tiles, outDir, "BasicTiles.jpg");
  }
  {
    ArtCanvas overlay(512, 512);
    cairo_t* cr = overlay.Cr();
    ArtRandom rng(0x0FE51A7u);
    for (int n = 1; n < 64 * 3; ++n)
      InTile(cr, n, [&] { DrawOverlayTile(cr, rng, *sets[n / 64], n % 64); });
    SaveKeyedJpeg(overlay, outDir, "BasicOverlay.jpg");
  }
}

}  // namespace assetgen::interface
