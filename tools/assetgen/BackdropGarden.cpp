// The sunken garden: an old green-grey wall overgrown with ivy, ferns and broad leaves
// crowding the foot of it, a still pool with lily pads, and light slanting down from a
// gap far above.

#include <cmath>

#include "Backdrops.h"
#include "InterfaceArt.h"

namespace assetgen::interface {

namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr Rgb Leaf{0.20, 0.36, 0.16};
constexpr Rgb LeafDark{0.08, 0.18, 0.08};
constexpr Rgb LeafLight{0.42, 0.58, 0.26};
constexpr Rgb Sunlight{0.85, 0.90, 0.55};

const StoneSet& GardenStone() {
  static const StoneSet set{{0.06, 0.08, 0.06},
                            {0.18, 0.22, 0.18},
                            {0.29, 0.33, 0.27},
                            {0.40, 0.45, 0.36},
                            palette::Moss};
  return set;
}

// A small pointed leaf at (x, y), pointing along `angle`.
void SmallLeaf(cairo_t* cr, double x, double y, double size, double angle, Rgb colour) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, size * 0.3, -size * 0.35, size * 0.75, -size * 0.3, size, 0);
  cairo_curve_to(cr, size * 0.75, size * 0.3, size * 0.3, size * 0.35, 0, 0);
  SetColour(cr, colour);
  cairo_fill(cr);
  cairo_restore(cr);
}

// A fern frond rising from (x, y): a curved stem with leaflets shrinking toward the tip.
void Frond(cairo_t* cr, ArtRandom& rng, double x, double y, double length, double angle) {
  const double bend = rng.Range(-0.6, 0.6);
  const int leaflets = 14;
  double px = x, py = y;
  for (int i = 0; i < leaflets; ++i) {
    const double t = static_cast<double>(i) / leaflets;
    const double a = angle + bend * t;
    const double nx = px + std::cos(a) * length / leaflets;
    const double ny = py + std::sin(a) * length / leaflets;
    SetColour(cr, LeafDark);
    cairo_set_line_width(cr, 2.0 - 1.2 * t);
    cairo_move_to(cr, px, py);
    cairo_line_to(cr, nx, ny);
    cairo_stroke(cr);
    const double size = length * 0.2 * (1.0 - 0.8 * t);
    const Rgb colour = Mix(Leaf, LeafLight, t * 0.7 + rng.Range(0, 0.2));
    SmallLeaf(cr, nx, ny, size, a - 1.1, colour);
    SmallLeaf(cr, nx, ny, size, a + 1.1, Shade(colour, 0.85));
    px = nx;
    py = ny;
  }
}

// A broad heart-shaped leaf on its stalk, with a pale midrib.
void BroadLeaf(cairo_t* cr, double x, double y, double size, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, -size * 0.7, -size * 0.2, -size * 0.5, -size * 1.0, 0, -size * 1.2);
  cairo_curve_to(cr, size * 0.5, -size * 1.0, size * 0.7, -size * 0.2, 0, 0);
  cairo_pattern_t* shade = cairo_pattern_create_linear(-size * 0.6, 0, size * 0.6, 0);
  cairo_pattern_add_color_stop_rgb(shade, 0, Leaf.R, Leaf.G, Leaf.B);
  cairo_pattern_add_color_stop_rgb(shade, 1, LeafDark.R, LeafDark.G, LeafDark.B);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
  SetColour(cr, LeafLight, 0.6);
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, 0, -size * 0.05);
  cairo_line_to(cr, 0, -size * 1.1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// Ivy climbing from the top: a wandering stem with leaves in pairs.
void Ivy(cairo_t* cr, ArtRandom& rng, double x, double length) {
  double px = x, py = 0;
  for (double done = 0; done < length; done += 9) {
    const double nx = px + rng.Range(-5, 5);
    const double ny = py + 9;
    SetColour(cr, LeafDark);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, px, py);
    cairo_line_to(cr, nx, ny);
    cairo_stroke(cr);
    const Rgb colour = Mix(Leaf, LeafLight, rng.Range(0, 0.5));
    SmallLeaf(cr, nx, ny, rng.Range(6, 10), rng.Range(0.1, 0.9), colour);
    SmallLeaf(cr, nx, ny, rng.Range(6, 10), kPi - rng.Range(0.1, 0.9), Shade(colour, 0.8));
    px = nx;
    py = ny;
  }
}

void Flower(cairo_t* cr, double x, double y, double size, Rgb colour) {
  for (int petal = 0; petal < 5; ++petal) {
    const double a = 2 * kPi * petal / 5;
    SetColour(cr, colour, 0.8);
    cairo_arc(cr, x + std::cos(a) * size * 0.6, y + std::sin(a) * size * 0.6, size * 0.5, 0,
              2 * kPi);
    cairo_fill(cr);
  }
  SetColour(cr, palette::Topaz, 0.9);
  cairo_arc(cr, x, y, size * 0.35, 0, 2 * kPi);
  cairo_fill(cr);
}

void LilyPad(cairo_t* cr, double x, double y, double size, double notch) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 1.0, 0.45);
  cairo_move_to(cr, 0, 0);
  cairo_arc(cr, 0, 0, size, notch + 0.35, notch + 2 * kPi - 0.35);
  cairo_close_path(cr);
  cairo_restore(cr);
  SetColour(cr, Leaf);
  cairo_fill_preserve(cr);
  SetColour(cr, LeafDark, 0.9);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
}

}  // namespace

void DrawSunkenGarden(ArtCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  ArtRandom rng(0x6A2DE1u);
  const StoneSet& stone = GardenStone();
  canvas.Fill(stone.Mortar);
  for (int row = 0; row * 36 < 380; ++row) {
    double x = row % 2 ? -30 : 0;
    while (x < BackdropWidth) {
      const double w = rng.Range(50, 90);
      StoneBlock(cr, rng, x, row * 36, w, 36, stone, 0.35);
      x += w;
    }
  }
  for (int i = 0; i < 40; ++i)
    MossClump(cr, rng, rng.Range(0, BackdropWidth), rng.Range(0, 380), rng.Range(6, 18), 40);
  LightShaft(cr, 120, 60, 0.35, Sunlight, 0.16);
  LightShaft(cr, 230, 34, 0.35, Sunlight, 0.10);
  for (int i = 0; i < 9; ++i) Ivy(cr, rng, rng.Range(0, BackdropWidth), rng.Range(60, 230));
  // The pool along the foot of the wall.
  cairo_pattern_t* pool = cairo_pattern_create_linear(0, 392, 0, BackdropHeight);
  cairo_pattern_add_color_stop_rgb(pool, 0, 0.10, 0.22, 0.22);
  cairo_pattern_add_color_stop_rgb(pool, 1, 0.04, 0.10, 0.11);
  cairo_rectangle(cr, 0, 392, BackdropWidth, BackdropHeight - 392);
  cairo_set_source(cr, pool);
  cairo_fill(cr);
  cairo_pattern_destroy(pool);
  SetColour(cr, palette::WaterLight, 0.18);
  cairo_set_line_width(cr, 1);
  for (int i = 0; i < 14; ++i) {
    const double x = rng.Range(0, BackdropWidth), y = rng.Range(405, 470);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rng.Range(14, 30), rng.Range(2.5, 4));
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_stroke(cr);
  }
  for (int i = 0; i < 9; ++i)
    LilyPad(cr, rng.Range(10, BackdropWidth - 10), rng.Range(415, 470), rng.Range(12, 22),
            rng.Range(0, 2 * kPi));
  Flower(cr, 140, 440, 5, {0.90, 0.70, 0.80});
  Flower(cr, 380, 455, 4, {0.95, 0.93, 0.85});
  // Ferns and broad leaves crowd the pool's edge.
  for (int i = 0; i < 8; ++i) {
    const double x = 20 + i * 66 + rng.Range(-14, 14);
    BroadLeaf(cr, x + 16, 400, rng.Range(26, 40), rng.Range(-0.6, 0.6));
    for (int f = 0; f < 4; ++f)
      Frond(cr, rng, x, 398, rng.Range(50, 95), -kPi / 2 + rng.Range(-1.0, 1.0));
  }
  for (int i = 0; i < 12; ++i)
    Flower(cr, rng.Range(0, BackdropWidth), rng.Range(330, 390), rng.Range(2.5, 4),
           i % 2 ? Rgb{0.85, 0.55, 0.70} : Rgb{0.92, 0.88, 0.70});
  EdgeShadow(cr, 0.45, 0.25);
  Grain(canvas, rng, 0.05);
}

}  // namespace assetgen::interface
