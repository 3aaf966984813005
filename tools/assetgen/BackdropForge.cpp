// The ember forge: a smoke-dark brick hall crossed by copper steam pipes with flanges,
// gauges and a valve wheel, a furnace glowing at the foot of the wall and embers drifting
// up through the haze.

#include <cmath>

#include "Backdrops.h"
#include "InterfaceArt.h"

namespace assetgen::interface {

namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr Rgb Copper{0.62, 0.34, 0.18};
constexpr Rgb CopperDark{0.22, 0.11, 0.06};
constexpr Rgb Iron{0.20, 0.19, 0.19};
constexpr Rgb Ember{1.00, 0.52, 0.14};
constexpr Rgb FireCore{0.74, 0.50, 0.24};

const StoneSet& SootyBrick() {
  static const StoneSet set{{0.06, 0.04, 0.03},
                            {0.18, 0.09, 0.06},
                            {0.30, 0.15, 0.10},
                            {0.42, 0.24, 0.16},
                            {0.20, 0.18, 0.12}};
  return set;
}

// A length of pipe from (x0, y0) to (x1, y1), lit along its middle, with a flange every
// `flangeEvery` pixels.
void Pipe(cairo_t* cr, double x0, double y0, double x1, double y1, double thickness,
          double flangeEvery) {
  const double length = std::hypot(x1 - x0, y1 - y0);
  cairo_save(cr);
  cairo_translate(cr, x0, y0);
  cairo_rotate(cr, std::atan2(y1 - y0, x1 - x0));
  cairo_pattern_t* round = cairo_pattern_create_linear(0, -thickness / 2, 0, thickness / 2);
  cairo_pattern_add_color_stop_rgb(round, 0, CopperDark.R, CopperDark.G, CopperDark.B);
  cairo_pattern_add_color_stop_rgb(round, 0.35, Copper.R, Copper.G, Copper.B);
  cairo_pattern_add_color_stop_rgb(round, 1, CopperDark.R * 0.6, CopperDark.G * 0.6,
                                   CopperDark.B * 0.6);
  cairo_rectangle(cr, 0, -thickness / 2, length, thickness);
  cairo_set_source(cr, round);
  cairo_fill(cr);
  for (double at = flangeEvery / 2; at < length; at += flangeEvery) {
    cairo_rectangle(cr, at - 5, -thickness / 2 - 4, 10, thickness + 8);
    cairo_set_source(cr, round);
    cairo_fill_preserve(cr);
    SetColour(cr, CopperDark, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (double side : {-1.0, 1.0}) {
      SetColour(cr, Shade(Copper, 1.2));
      cairo_arc(cr, at, side * (thickness / 2 + 1), 1.6, 0, 2 * kPi);
      cairo_fill(cr);
    }
  }
  cairo_pattern_destroy(round);
  cairo_restore(cr);
}

void Gauge(cairo_t* cr, double cx, double cy, double radius, double needle) {
  SetColour(cr, palette::BrassDark);
  cairo_arc(cr, cx, cy, radius + 3, 0, 2 * kPi);
  cairo_fill(cr);
  SetColour(cr, Shade(palette::Parchment, 0.55));
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_fill(cr);
  SetColour(cr, palette::Ink, 0.8);
  cairo_set_line_width(cr, 1);
  for (int tick = 0; tick <= 8; ++tick) {
    const double a = kPi * 0.75 + tick * kPi * 1.5 / 8;
    cairo_move_to(cr, cx + std::cos(a) * radius * 0.7, cy + std::sin(a) * radius * 0.7);
    cairo_line_to(cr, cx + std::cos(a) * radius * 0.9, cy + std::sin(a) * radius * 0.9);
  }
  cairo_stroke(cr);
  const double a = kPi * 0.75 + needle * kPi * 1.5;
  SetColour(cr, palette::Ruby);
  cairo_set_line_width(cr, 1.5);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + std::cos(a) * radius * 0.8, cy + std::sin(a) * radius * 0.8);
  cairo_stroke(cr);
}

void ValveWheel(cairo_t* cr, double cx, double cy, double radius) {
  SetColour(cr, Iron);
  cairo_set_line_width(cr, 4);
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 2.5);
  for (int spoke = 0; spoke < 5; ++spoke) {
    const double a = 2 * kPi * spoke / 5 + 0.3;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + std::cos(a) * radius, cy + std::sin(a) * radius);
  }
  cairo_stroke(cr);
  SetColour(cr, Shade(Iron, 1.8));
  cairo_arc(cr, cx, cy, 4, 0, 2 * kPi);
  cairo_fill(cr);
}

// The furnace mouth: an arched opening in heavy stone, fire inside behind a grate.
void Furnace(cairo_t* cr, double cx, double baseY, double w, double h) {
  const double r = w / 2;
  auto mouth = [&](double grow) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r - grow, baseY);
    cairo_line_to(cr, cx - r - grow, baseY - h + r);
    cairo_arc(cr, cx, baseY - h + r, r + grow, kPi, 2 * kPi);
    cairo_line_to(cr, cx + r + grow, baseY);
    cairo_close_path(cr);
  };
  mouth(16);
  SetColour(cr, {0.16, 0.13, 0.12});
  cairo_fill(cr);
  mouth(0);
  cairo_pattern_t* fire = cairo_pattern_create_radial(cx, baseY - 10, 4, cx, baseY - 10, h);
  cairo_pattern_add_color_stop_rgb(fire, 0, FireCore.R, FireCore.G, FireCore.B);
  cairo_pattern_add_color_stop_rgb(fire, 0.35, Ember.R * 0.7, Ember.G * 0.55, Ember.B * 0.8);
  cairo_pattern_add_color_stop_rgb(fire, 1, 0.25, 0.04, 0.02);
  cairo_set_source(cr, fire);
  cairo_fill(cr);
  cairo_pattern_destroy(fire);
  SetColour(cr, {0.08, 0.06, 0.05});
  for (double x = cx - r + 10; x < cx + r; x += 16) {
    cairo_rectangle(cr, x, baseY - h + 18, 5, h - 18);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, cx - r, baseY - h * 0.45, w, 5);
  cairo_fill(cr);
}

}  // namespace

void DrawEmberForge(ArtCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  ArtRandom rng(0xE3B6F0u);
  const StoneSet& brick = SootyBrick();
  canvas.Fill(brick.Mortar);
  for (int row = 0; row * 14 < 400; ++row) {
    double x = row % 2 ? -15 : 0;
    while (x < BackdropWidth) {
      StoneBlock(cr, rng, x, row * 14, 30, 14, brick, 0.1);
      x += 30;
    }
  }
  // An iron floor of riveted plates.
  for (int x = 0; x < BackdropWidth; x += 64) {
    StoneBlock(
        cr, rng, x, 400, 64, 80,
        {{0.04, 0.04, 0.04}, {0.13, 0.12, 0.12}, {0.19, 0.18, 0.17}, {0.26, 0.24, 0.22}, Iron},
        0.0);
    SetColour(cr, {0.36, 0.34, 0.32}, 0.7);
    for (double rx : {x + 6.0, x + 58.0})
      for (double ry : {406.0, 474.0}) {
        cairo_arc(cr, rx, ry, 1.8, 0, 2 * kPi);
        cairo_fill(cr);
      }
  }
  Furnace(cr, 256, 400, 150, 150);
  LightPool(cr, 256, 370, 260, Ember, 0.2);
  // Steam pipes: one along the top, two down the walls with their joints.
  Pipe(cr, 0, 70, BackdropWidth, 70, 26, 128);
  Pipe(cr, 60, 70, 60, 400, 22, 110);
  Pipe(cr, 452, 70, 452, 400, 22, 110);
  Pipe(cr, 452, 250, BackdropWidth, 250, 16, 80);
  Pipe(cr, 0, 180, 60, 180, 16, 80);
  Gauge(cr, 60, 132, 14, 0.7);
  Gauge(cr, 452, 150, 12, 0.35);
  ValveWheel(cr, 452, 318, 17);
  ValveWheel(cr, 60, 290, 14);
  // Smoke hangs under the roof.
  for (int i = 0; i < 30; ++i) {
    const double x = rng.Range(-40, BackdropWidth + 40);
    const double y = rng.Range(-20, 60);
    cairo_pattern_t* puff = cairo_pattern_create_radial(x, y, 0, x, y, 70);
    cairo_pattern_add_color_stop_rgba(puff, 0, 0.03, 0.02, 0.02, 0.35);
    cairo_pattern_add_color_stop_rgba(puff, 1, 0.03, 0.02, 0.02, 0);
    cairo_set_source(cr, puff);
    cairo_arc(cr, x, y, 70, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(puff);
  }
  // Embers rise from the furnace and drift across the hall.
  for (int i = 0; i < 70; ++i) {
    const double spread = rng.Unit();
    const double x = 256 + rng.Range(-1, 1) * (60 + 200 * spread);
    const double y = 360 - rng.Unit() * (80 + 280 * spread);
    const double size = rng.Range(0.8, 2.0);
    LightPool(cr, x, y, size * 5, Ember, 0.25);
    SetColour(cr, Mix(Ember, FireCore, rng.Unit()), rng.Range(0.5, 0.9));
    cairo_arc(cr, x, y, size, 0, 2 * kPi);
    cairo_fill(cr);
  }
  EdgeShadow(cr, 0.5, 0.3);
  Grain(canvas, rng, 0.05);
}

}  // namespace assetgen::interface
