#pragma once

// The cairo drawing pieces every unit picture is built from: colours, shapes, fills and
// lights, and the two objects that turn up in many pictures, the jewel and the lantern.

#include <cairo.h>

#include "Palette.h"

namespace assetgen {

namespace pal = palette;
inline constexpr double Pi = 3.14159265358979323846;

void Set(cairo_t* cr, Rgb c, double alpha = 1.0);
// Adds a closed ellipse to the path.
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
// Adds a rounded rectangle to the path.
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
// Fills the current path and outlines it.
void FillLine(cairo_t* cr, Rgb fill, Rgb line = pal::Ink, double width = 1.0);
// Fills the current path with a vertical gradient from top to bottom colour.
void FillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom);
// Fills the current path (keeping it) with a radial gradient from the inner circle's
// colour to the outer circle's.
void FillRadial(cairo_t* cr, double x0, double y0, double r0, double x1, double y1, double r1,
                Rgb inner, Rgb outer);
// A soft round light, for additive pictures drawn on black and for opaque scenes.
void Glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double alpha);
// A straight stroke with round ends.
void Line(cairo_t* cr, double x0, double y0, double x1, double y1, Rgb c, double width);
// A faceted jewel seen from the front, turned about its vertical axis by angle.
void DrawJewel(cairo_t* cr, double cx, double cy, double w, double h, Rgb c, double angle);
// A brass lantern hanging from (x, y), lit to the given strength (0 dark, 1 full).
void DrawLantern(cairo_t* cr, double x, double y, double scale, double lit);

}  // namespace assetgen
