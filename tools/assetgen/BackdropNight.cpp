// The starlit ruin: a night sky full of stars over dark hills, a crescent moon, and the
// black shapes of a broken colonnade with moonlight on its edges; fireflies in the grass.

#include <cmath>

#include "Backdrops.h"
#include "InterfaceArt.h"

namespace assetgen::interface {

namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr Rgb Night{0.08, 0.09, 0.19};
constexpr Rgb Dusk{0.27, 0.22, 0.38};
constexpr Rgb Moonlight{0.78, 0.84, 0.95};
constexpr Rgb Ruin{0.10, 0.10, 0.16};

void Moon(cairo_t* cr, double cx, double cy, double radius) {
  LightPool(cr, cx, cy, radius * 5, {0.35, 0.4, 0.55}, 0.3);
  cairo_push_group(cr);
  SetColour(cr, Moonlight);
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_arc(cr, cx + radius * 0.45, cy - radius * 0.2, radius * 0.9, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

// A ridge of hills from the left edge to the right around `baseY`, filled down to the
// bottom.
void Hills(cairo_t* cr, ArtRandom& rng, double baseY, double roughness, Rgb colour) {
  cairo_move_to(cr, 0, BackdropHeight);
  double y = baseY;
  for (double x = 0; x <= BackdropWidth + 8; x += 8) {
    y += rng.Range(-roughness, roughness) + (baseY - y) * 0.08;
    cairo_line_to(cr, x, y);
  }
  cairo_line_to(cr, BackdropWidth, BackdropHeight);
  cairo_close_path(cr);
  SetColour(cr, colour);
  cairo_fill(cr);
}

// A column standing on the ground at `x`, `height` tall; broken columns end in a jagged
// stump, whole ones in a capital. The moon, up on the right, lights the right edge.
void Column(cairo_t* cr, ArtRandom& rng, double x, double groundY, double width, double height,
            bool broken) {
  const double top = groundY - height;
  cairo_move_to(cr, x, groundY);
  cairo_line_to(cr, x + width * 0.05, top);
  if (broken) {
    for (int step = 1; step < 5; ++step)
      cairo_line_to(cr, x + width * step / 5.0, top - rng.Range(-4, 10));
  }
  cairo_line_to(cr, x + width * 0.95, top);
  cairo_line_to(cr, x + width, groundY);
  cairo_close_path(cr);
  SetColour(cr, Ruin);
  cairo_fill(cr);
  if (!broken) {
    cairo_rectangle(cr, x - width * 0.2, top - 8, width * 1.4, 8);
    cairo_fill(cr);
  }
  SetColour(cr, Moonlight, 0.18);
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, x + width * 0.97, groundY);
  cairo_line_to(cr, x + width * 0.93, top + 2);
  cairo_stroke(cr);
  // Flutes down the shaft.
  SetColour(cr, Shade(Moonlight, 0.5), 0.06);
  cairo_set_line_width(cr, 1);
  for (double f = 0.3; f < 0.9; f += 0.2) {
    cairo_move_to(cr, x + width * f, groundY - 4);
    cairo_line_to(cr, x + width * f, top + 6);
  }
  cairo_stroke(cr);
}

}  // namespace

void DrawStarlitRuin(ArtCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  ArtRandom rng(0x57A2F1u);
  SkyFill(cr, Night, Dusk);
  // A faint band of the galaxy across the sky, then the stars.
  cairo_save(cr);
  cairo_translate(cr, 256, 170);
  cairo_rotate(cr, -0.5);
  cairo_scale(cr, 4.0, 1.0);
  LightPool(cr, 0, 0, 90, {0.3, 0.3, 0.45}, 0.18);
  cairo_restore(cr);
  for (int i = 0; i < 320; ++i) {
    const double x = rng.Range(0, BackdropWidth);
    const double y = std::pow(rng.Unit(), 1.4) * 380;
    const double bright = rng.Unit();
    SetColour(cr, Mix(Moonlight, {1.0, 0.92, 0.75}, rng.Unit()), 0.2 + 0.5 * bright);
    cairo_arc(cr, x, y, 0.5 + bright * bright * 1.1, 0, 2 * kPi);
    cairo_fill(cr);
  }
  Moon(cr, 412, 86, 24);
  Hills(cr, rng, 330, 5, {0.16, 0.15, 0.26});
  Hills(cr, rng, 372, 3, {0.12, 0.12, 0.20});
  // The colonnade: a row of columns, some whole under a length of beam, most broken.
  const double ground = 430;
  const double heights[] = {150, 230, 238, 90, 200, 60, 170, 226, 120};
  for (int i = 0; i < 9; ++i) {
    const double x = 14 + i * 56 + rng.Range(-6, 6);
    const bool whole = i == 1 || i == 2 || i == 7;
    Column(cr, rng, x, ground, 26, heights[i], !whole);
  }
  SetColour(cr, Ruin);
  cairo_rectangle(cr, 60, ground - 260, 150, 16);  // the beam over the two whole columns
  cairo_fill(cr);
  SetColour(cr, Moonlight, 0.15);
  cairo_move_to(cr, 60, ground - 260);
  cairo_line_to(cr, 210, ground - 260);
  cairo_stroke(cr);
  // Fallen drums of a column on the ground.
  for (double x : {300.0, 334.0}) {
    SetColour(cr, Ruin);
    cairo_rectangle(cr, x, ground - 18, 30, 18);
    cairo_fill(cr);
  }
  // The ground with grass, and fireflies.
  SetColour(cr, {0.07, 0.08, 0.09});
  cairo_rectangle(cr, 0, ground, BackdropWidth, BackdropHeight - ground);
  cairo_fill(cr);
  SetColour(cr, {0.12, 0.16, 0.13});
  cairo_set_line_width(cr, 1.2);
  for (int i = 0; i < 260; ++i) {
    const double x = rng.Range(0, BackdropWidth);
    const double y = rng.Range(ground - 4, BackdropHeight);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + rng.Range(-3, 3), y - rng.Range(4, 12));
  }
  cairo_stroke(cr);
  for (int i = 0; i < 16; ++i) {
    const double x = rng.Range(10, BackdropWidth - 10);
    const double y = rng.Range(330, 470);
    LightPool(cr, x, y, 8, {0.75, 0.9, 0.35}, 0.35);
    SetColour(cr, {0.9, 1.0, 0.6}, 0.8);
    cairo_arc(cr, x, y, 1.1, 0, 2 * kPi);
    cairo_fill(cr);
  }
  EdgeShadow(cr, 0.2, 0.3);
  Grain(canvas, rng, 0.04);
}

}  // namespace assetgen::interface
