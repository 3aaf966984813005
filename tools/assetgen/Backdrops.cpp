// The shared pieces of the place backdrops and the list of them.

#include "Backdrops.h"

#include <cmath>

#include "InterfaceArt.h"

namespace assetgen::interface {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

void EdgeShadow(cairo_t* cr, double top, double bottom) {
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, BackdropHeight);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, top);
  cairo_pattern_add_color_stop_rgba(shade, 0.4, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(shade, 0.7, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, bottom);
  cairo_rectangle(cr, 0, 0, BackdropWidth, BackdropHeight);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
}

void SkyFill(cairo_t* cr, Rgb top, Rgb bottom) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, BackdropHeight);
  cairo_pattern_add_color_stop_rgb(sky, 0, top.R, top.G, top.B);
  cairo_pattern_add_color_stop_rgb(sky, 1, bottom.R, bottom.G, bottom.B);
  cairo_rectangle(cr, 0, 0, BackdropWidth, BackdropHeight);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
}

void Boulder(cairo_t* cr, ArtRandom& rng, double cx, double cy, double radius, int corners,
             Rgb light, Rgb dark) {
  cairo_new_path(cr);
  const double turn = rng.Range(0, 2 * kPi);
  for (int i = 0; i < corners; ++i) {
    const double a = turn + 2 * kPi * (i + rng.Range(-0.25, 0.25)) / corners;
    const double r = radius * rng.Range(0.75, 1.1);
    cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r * 0.85);
  }
  cairo_close_path(cr);
  cairo_pattern_t* face =
      cairo_pattern_create_linear(cx - radius, cy - radius, cx + radius, cy + radius);
  cairo_pattern_add_color_stop_rgb(face, 0, light.R, light.G, light.B);
  cairo_pattern_add_color_stop_rgb(face, 1, dark.R, dark.G, dark.B);
  cairo_set_source(cr, face);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(face);
  SetColour(cr, Shade(dark, 0.5), 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void LightShaft(cairo_t* cr, double x, double width, double slant, Rgb colour, double strength) {
  const double h = BackdropHeight;
  cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgba(fade, 0, colour.R, colour.G, colour.B, strength);
  cairo_pattern_add_color_stop_rgba(fade, 1, colour.R, colour.G, colour.B, 0);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_move_to(cr, x, 0);
  cairo_line_to(cr, x + width, 0);
  cairo_line_to(cr, x + width * 1.6 + slant * h, h);
  cairo_line_to(cr, x - width * 0.6 + slant * h, h);
  cairo_close_path(cr);
  cairo_set_source(cr, fade);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_pattern_destroy(fade);
}

void GenerateBackdrops(const std::string& outDir) {
  struct Backdrop {
    const char* Name;
    void (*Draw)(ArtCanvas&);
  };
  const Backdrop backdrops[] = {
      {"Frostvault.jpg", DrawFrostVault},
      {"Emberforge.jpg", DrawEmberForge},
      {"Sunkengarden.jpg", DrawSunkenGarden},
      {"Starlitruin.jpg", DrawStarlitRuin},
  };
  for (const Backdrop& backdrop : backdrops) {
    ArtCanvas canvas(BackdropWidth, BackdropHeight);
    backdrop.Draw(canvas);
    canvas.SaveJpeg(outDir, backdrop.Name);
  }
}

}  // namespace assetgen::interface
