#include "UnitArtDrawing.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

void Set(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.R, c.G, c.B, alpha);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
  cairo_restore(cr);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -Pi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, Pi / 2);
  cairo_arc(cr, x + r, y + h - r, r, Pi / 2, Pi);
  cairo_arc(cr, x + r, y + r, r, Pi, 3 * Pi / 2);
  cairo_close_path(cr);
}

void FillLine(cairo_t* cr, Rgb fill, Rgb line, double width) {
  Set(cr, fill);
  cairo_fill_preserve(cr);
  Set(cr, line);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void FillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, top.R, top.G, top.B);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.R, bottom.G, bottom.B);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
}

void FillRadial(cairo_t* cr, double x0, double y0, double r0, double x1, double y1, double r1,
                Rgb inner, Rgb outer) {
  cairo_pattern_t* g = cairo_pattern_create_radial(x0, y0, r0, x1, y1, r1);
  cairo_pattern_add_color_stop_rgb(g, 0, inner.R, inner.G, inner.B);
  cairo_pattern_add_color_stop_rgb(g, 1, outer.R, outer.G, outer.B);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
}

void Glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha) {
  if (r <= 0 || alpha <= 0) return;
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(g, 0, c.R, c.G, c.B, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.45, c.R, c.G, c.B, alpha * 0.55);
  cairo_pattern_add_color_stop_rgba(g, 1, c.R, c.G, c.B, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void Line(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb c, double width) {
  Set(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_stroke(cr);
}

void DrawJewel(cairo_t* cr, double cx, double cy, double w, double h, Rgb c, double angle) {
  const double sx = std::max(0.12, std::fabs(std::cos(angle)));
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, sx, 1);
  cairo_move_to(cr, -w / 2, -h * 0.15);
  cairo_line_to(cr, -w * 0.28, -h / 2);
  cairo_line_to(cr, w * 0.28, -h / 2);
  cairo_line_to(cr, w / 2, -h * 0.15);
  cairo_line_to(cr, 0, h / 2);
  cairo_close_path(cr);
  cairo_restore(cr);
  Set(cr, c);
  cairo_fill_preserve(cr);
  Set(cr, Shade(c, 0.45));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // Facets: a lighter crown and a highlight that travels as the jewel turns.
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, sx, 1);
  cairo_move_to(cr, -w * 0.28, -h / 2);
  cairo_line_to(cr, w * 0.28, -h / 2);
  cairo_line_to(cr, w * 0.16, -h * 0.15);
  cairo_line_to(cr, -w * 0.16, -h * 0.15);
  cairo_close_path(cr);
  cairo_restore(cr);
  Set(cr, Mix(c, {1, 1, 1}, 0.45));
  cairo_fill(cr);
  const double shine = std::sin(angle);
  Set(cr, {1, 1, 1}, 0.85);
  Ellipse(cr, cx + shine * w * 0.25 * sx, cy - h * 0.05, 1.4, 2.2);
  cairo_fill(cr);
}

void DrawLantern(cairo_t* cr, double x, double y, double scale, double lit) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_set_line_width(cr, 0.9);
  Set(cr, pal::BrassDark);
  cairo_arc(cr, 0, 1.5, 1.6, Pi, 2 * Pi);
  cairo_stroke(cr);
  RoundRect(cr, -2.6, 1.5, 5.2, 1.6, 0.6);
  FillLine(cr, pal::Brass, pal::BrassDark, 0.6);
  RoundRect(cr, -2.2, 3.0, 4.4, 4.6, 0.8);
  FillLine(cr, Mix(pal::StoneDark, pal::LanternGlow, lit), pal::BrassDark, 0.8);
  Set(cr, Mix({0.5, 0.3, 0.1}, {1, 0.97, 0.8}, lit));
  Ellipse(cr, 0, 5.3, 0.9, 1.5);
  cairo_fill(cr);
  RoundRect(cr, -2.6, 7.4, 5.2, 1.4, 0.5);
  FillLine(cr, pal::Brass, pal::BrassDark, 0.6);
  cairo_restore(cr);
}

}  // namespace assetgen
