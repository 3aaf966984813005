// The info markers' hint pictures, 366 x 285: a picture on a dark stone ground, with a
// dark band at the bottom where the game writes the hint's caption.
#include <cmath>

#include "InterfaceArt.h"

namespace assetgen::interface {

namespace {

constexpr int HintWidth = 366;
constexpr int HintHeight = 285;

// The hint's frame: stone, an inked panel, a lantern light, and the caption band.
void HintGround(ArtCanvas& canvas, ArtRandom& rng, const char* title) {
  DrawSlab(canvas, rng, "", false);
  cairo_t* cr = canvas.Cr();
  SetColour(cr, palette::Ink);
  RoundedRect(cr, 18, 18, HintWidth - 36, HintHeight - 36, 10);
  cairo_fill(cr);
  LightPool(cr, HintWidth / 2.0, 110, 170, palette::LanternGlow, 0.35);
  CentredText(cr, title, HintWidth / 2.0, 40, 16, palette::Parchment, 2);
  SetColour(cr, palette::StoneShadow);
  RoundedRect(cr, 40, HintHeight - 66, HintWidth - 80, 42, 8);
  cairo_fill(cr);
}

// A key cap with an arrow pointing at angle (radians, 0 = right).
void ArrowKey(cairo_t* cr, double cx, double cy, double angle) {
  SetColour(cr, palette::StoneLight);
  RoundedRect(cr, cx - 22, cy - 22, 44, 44, 7);
  cairo_fill(cr);
  SetColour(cr, palette::Stone);
  RoundedRect(cr, cx - 17, cy - 19, 34, 32, 5);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, cx, cy - 3);
  cairo_rotate(cr, angle);
  SetColour(cr, palette::Ink);
  cairo_move_to(cr, 11, 0);
  cairo_line_to(cr, -7, -10);
  cairo_line_to(cr, -7, 10);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
}

void WalkHint(const std::string& outDir, ArtRandom& rng) {
  ArtCanvas canvas(HintWidth, HintHeight);
  HintGround(canvas, rng, "ARROW KEYS WALK");
  cairo_t* cr = canvas.Cr();
  const double pi = std::acos(-1.0);
  ArrowKey(cr, 110, 110, -pi / 2);
  ArrowKey(cr, 62, 160, pi);
  ArrowKey(cr, 110, 160, pi / 2);
  ArrowKey(cr, 158, 160, 0);
  // The way out: an arched door with a lantern beside it.
  SetColour(cr, palette::BrassDark);
  cairo_move_to(cr, 236, 190);
  cairo_line_to(cr, 236, 110);
  cairo_arc(cr, 268, 110, 32, pi, 2 * pi);
  cairo_line_to(cr, 300, 190);
  cairo_close_path(cr);
  cairo_fill(cr);
  SetColour(cr, palette::Brass);
  cairo_arc(cr, 290, 152, 4, 0, 2 * pi);
  cairo_fill(cr);
  Lantern(cr, 322, 96, 34);
  Grain(canvas, rng, 0.04);
  canvas.SaveJpeg(outDir, "Hint_Walk.jpg");
}

void CarefulHint(const std::string& outDir, ArtRandom& rng) {
  ArtCanvas canvas(HintWidth, HintHeight);
  HintGround(canvas, rng, "SNAKES FIRE ALONG THEIR ROW");
  cairo_t* cr = canvas.Cr();
  const double pi = std::acos(-1.0);
  // A snake coiled on the right, looking left.
  for (int i = 0; i < 9; ++i) {
    const double a = i * 0.75;
    SetColour(cr, i % 2 == 0 ? palette::Moss : palette::MossLight);
    cairo_arc(cr, 290 + 22 * std::cos(a) * (1 - i / 14.0), 150 + 18 * std::sin(a), 13 - i * 0.6, 0,
              2 * pi);
    cairo_fill(cr);
  }
  SetColour(cr, palette::MossDark);
  cairo_arc(cr, 262, 140, 15, 0, 2 * pi);
  cairo_fill(cr);
  SetColour(cr, palette::Topaz);
  cairo_arc(cr, 256, 135, 3, 0, 2 * pi);
  cairo_fill(cr);
  // Its fireball flying along the row, and the boulder that stops it.
  for (int i = 0; i < 4; ++i) {
    SetColour(cr, palette::Flame, 0.25 + 0.2 * i);
    cairo_arc(cr, 200 - 14 * (3 - i), 142, 6 + 2 * i, 0, 2 * pi);
    cairo_fill(cr);
  }
  SetColour(cr, palette::LanternGlow);
  cairo_arc(cr, 200, 142, 9, 0, 2 * pi);
  cairo_fill(cr);
  SetColour(cr, palette::StoneDark);
  cairo_arc(cr, 110, 146, 30, 0, 2 * pi);
  cairo_fill(cr);
  SetColour(cr, palette::StoneLight);
  cairo_arc(cr, 100, 134, 12, 0, 2 * pi);
  cairo_fill(cr);
  Grain(canvas, rng, 0.04);
  canvas.SaveJpeg(outDir, "Hint_Careful.jpg");
}

}  // namespace

void GenerateHintArt(const std::string& outDir) {
  ArtRandom rng(0x41A7);
  WalkHint(outDir, rng);
  CarefulHint(outDir, rng);
}

}  // namespace assetgen::interface
