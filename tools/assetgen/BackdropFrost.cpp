// The frozen vault: a cavern of blue-grey rock, a frozen waterfall down the back wall,
// icicles along the roof and clusters of ice crystals growing from the floor, lit by a
// cold glow.

#include <cmath>

#include "Backdrops.h"
#include "InterfaceArt.h"

namespace assetgen::interface {

namespace {

constexpr double kPi = 3.14159265358979323846;

constexpr Rgb RockDark{0.09, 0.12, 0.17};
constexpr Rgb RockLight{0.28, 0.35, 0.43};
constexpr Rgb Ice{0.55, 0.78, 0.88};
constexpr Rgb IceDeep{0.16, 0.36, 0.48};
constexpr Rgb Frost{0.80, 0.90, 0.96};

// A crystal: a six-sided prism seen from the side, leaning `angle` from upright, with a
// lit face, a shaded face and a pointed tip.
void Crystal(cairo_t* cr, double x, double y, double length, double width, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  const double tip = width * 1.1;
  // Shaded right face, lit left face.
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, width / 2, -width * 0.15);
  cairo_line_to(cr, width / 2, -length + tip);
  cairo_line_to(cr, 0, -length);
  cairo_close_path(cr);
  SetColour(cr, IceDeep, 0.85);
  cairo_fill(cr);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, -width / 2, -width * 0.15);
  cairo_line_to(cr, -width / 2, -length + tip);
  cairo_line_to(cr, 0, -length);
  cairo_close_path(cr);
  cairo_pattern_t* lit = cairo_pattern_create_linear(0, 0, 0, -length);
  cairo_pattern_add_color_stop_rgba(lit, 0, IceDeep.R, IceDeep.G, IceDeep.B, 0.9);
  cairo_pattern_add_color_stop_rgba(lit, 1, Ice.R, Ice.G, Ice.B, 0.9);
  cairo_set_source(cr, lit);
  cairo_fill(cr);
  cairo_pattern_destroy(lit);
  // The ridge between the faces catches the light.
  SetColour(cr, Frost, 0.55);
  cairo_set_line_width(cr, 1.0);
  cairo_move_to(cr, 0, -2);
  cairo_line_to(cr, 0, -length + 1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void CrystalCluster(cairo_t* cr, ArtRandom& rng, double x, double y, double size) {
  LightPool(cr, x, y - size * 0.4, size * 1.3, {0.25, 0.45, 0.6}, 0.18);
  const int count = 3 + static_cast<int>(rng.Unit() * 4);
  for (int i = 0; i < count; ++i) {
    const double lean = rng.Range(-0.7, 0.7);
    const double length = size * rng.Range(0.45, 1.0) * (1.0 - 0.4 * std::fabs(lean));
    Crystal(cr, x + rng.Range(-size * 0.2, size * 0.2), y, length, size * rng.Range(0.16, 0.24),
            lean);
  }
}

void Icicle(cairo_t* cr, double x, double width, double length) {
  cairo_pattern_t* melt = cairo_pattern_create_linear(0, 0, 0, length);
  cairo_pattern_add_color_stop_rgba(melt, 0, Frost.R, Frost.G, Frost.B, 0.55);
  cairo_pattern_add_color_stop_rgba(melt, 1, Ice.R, Ice.G, Ice.B, 0.15);
  cairo_move_to(cr, x - width / 2, 0);
  cairo_curve_to(cr, x - width / 3, length * 0.5, x - 1, length * 0.8, x, length);
  cairo_curve_to(cr, x + 1, length * 0.8, x + width / 3, length * 0.5, x + width / 2, 0);
  cairo_close_path(cr);
  cairo_set_source(cr, melt);
  cairo_fill(cr);
  cairo_pattern_destroy(melt);
}

// The frozen waterfall: pale streaks of ice over the back wall, wider at the foot.
void FrozenFall(cairo_t* cr, ArtRandom& rng, double cx, double width) {
  for (int i = 0; i < 26; ++i) {
    const double x = cx + rng.Range(-width / 2, width / 2);
    const double spread = (x - cx) * 0.35;
    SetColour(cr, Mix(Ice, Frost, rng.Unit()), rng.Range(0.08, 0.22));
    cairo_set_line_width(cr, rng.Range(2, 7));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x, rng.Range(0, 30));
    cairo_curve_to(cr, x + rng.Range(-6, 6), 140, x + spread, 260, x + spread * 1.6, 400);
    cairo_stroke(cr);
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// A four-pointed glint of frost.
void Glint(cairo_t* cr, double x, double y, double size, double alpha) {
  SetColour(cr, Frost, alpha);
  cairo_move_to(cr, x - size, y);
  cairo_line_to(cr, x, y - size * 0.2);
  cairo_line_to(cr, x + size, y);
  cairo_line_to(cr, x, y + size * 0.2);
  cairo_close_path(cr);
  cairo_move_to(cr, x, y - size);
  cairo_line_to(cr, x + size * 0.2, y);
  cairo_line_to(cr, x, y + size);
  cairo_line_to(cr, x - size * 0.2, y);
  cairo_close_path(cr);
  cairo_fill(cr);
}

}  // namespace

void DrawFrostVault(ArtCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  ArtRandom rng(0xF205D7u);
  SkyFill(cr, {0.05, 0.07, 0.10}, {0.10, 0.14, 0.19});
  // The cavern's rock: large boulder faces packed over the wall, smaller toward the roof.
  for (int i = 0; i < 90; ++i) {
    const double y = rng.Range(-20, 420);
    const double x = rng.Range(-20, BackdropWidth + 20);
    const double radius = 22 + 0.08 * y + rng.Range(0, 18);
    const Rgb light = Mix(RockLight, RockDark, rng.Range(0.1, 0.6));
    Boulder(cr, rng, x, y, radius, 7, light, RockDark);
    // Rime on its upper edge.
    cairo_save(cr);
    cairo_translate(cr, x - radius * 0.1, y - radius * 0.62);
    cairo_scale(cr, radius * rng.Range(0.4, 0.7), radius * 0.12);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    SetColour(cr, Frost, 0.16);
    cairo_fill(cr);
  }
  // Frost settles on the boulders' upper edges.
  Speckle(cr, rng, 0, 0, BackdropWidth, 380, 900, Frost, 0.18, 1.5);
  FrozenFall(cr, rng, 372, 90);
  LightPool(cr, 372, 250, 200, {0.2, 0.4, 0.55}, 0.22);
  LightPool(cr, 110, 200, 160, {0.15, 0.3, 0.45}, 0.16);
  // A sheet of old ice over the floor, cracked.
  cairo_pattern_t* floor = cairo_pattern_create_linear(0, 380, 0, BackdropHeight);
  cairo_pattern_add_color_stop_rgba(floor, 0, IceDeep.R, IceDeep.G, IceDeep.B, 0.0);
  cairo_pattern_add_color_stop_rgba(floor, 0.25, IceDeep.R, IceDeep.G, IceDeep.B, 0.7);
  cairo_pattern_add_color_stop_rgba(floor, 1, 0.10, 0.20, 0.27, 0.9);
  cairo_rectangle(cr, 0, 380, BackdropWidth, BackdropHeight - 380);
  cairo_set_source(cr, floor);
  cairo_fill(cr);
  cairo_pattern_destroy(floor);
  for (int i = 0; i < 9; ++i)
    Crack(cr, rng, rng.Range(0, BackdropWidth), rng.Range(410, 470), rng.Range(-1, 1),
          rng.Range(-0.3, 0.3), 8);
  // Ice crystals grow along the foot of the wall and in a few hollows above.
  for (int i = 0; i < 7; ++i)
    CrystalCluster(cr, rng, 40 + i * 72 + rng.Range(-16, 16), rng.Range(395, 430),
                   rng.Range(48, 80));
  CrystalCluster(cr, rng, 180, 190, 40);
  CrystalCluster(cr, rng, 470, 140, 34);
  CrystalCluster(cr, rng, 60, 300, 36);
  CrystalCluster(cr, rng, 280, 110, 30);
  // Icicles hang from the roof.
  for (double x = 4; x < BackdropWidth; x += rng.Range(10, 26))
    Icicle(cr, x, rng.Range(5, 14), rng.Range(14, 80));
  for (int i = 0; i < 40; ++i)
    Glint(cr, rng.Range(0, BackdropWidth), rng.Range(0, BackdropHeight), rng.Range(1.5, 4),
          rng.Range(0.2, 0.5));
  EdgeShadow(cr, 0.45, 0.35);
  Grain(canvas, rng, 0.05);
}

}  // namespace assetgen::interface
