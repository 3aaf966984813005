#include "TitleCards.h"

#include <cairo.h>

#include <cmath>

#include "ArtCanvas.h"
#include "Palette.h"

namespace vidgen {

namespace {

using assetgen::ArtCanvas;
using assetgen::ArtRandom;
using assetgen::Rgb;
namespace palette = assetgen::palette;

constexpr int Width = 640;
constexpr int Height = 480;

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0) {
  cairo_set_source_rgba(cr, c.R, c.G, c.B, alpha);
}

// Dark stone lit from the middle, with faint courses of blocks.
void PaintBackdrop(ArtCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  cairo_pattern_t* glow = cairo_pattern_create_radial(Width / 2.0, Height / 2.0, 40, Width / 2.0,
                                                      Height / 2.0, Width * 0.7);
  cairo_pattern_add_color_stop_rgb(glow, 0, palette::StoneDark.R, palette::StoneDark.G,
                                   palette::StoneDark.B);
  cairo_pattern_add_color_stop_rgb(glow, 1, palette::Ink.R, palette::Ink.G, palette::Ink.B);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);
  SetColour(cr, palette::StoneShadow, 0.5);
  cairo_set_line_width(cr, 2);
  for (int row = 0; row * 40 < Height; ++row) {
    cairo_move_to(cr, 0, row * 40);
    cairo_line_to(cr, Width, row * 40);
    for (int x = (row % 2) * 40; x < Width; x += 80) {
      cairo_move_to(cr, x, row * 40);
      cairo_line_to(cr, x, row * 40 + 40);
    }
  }
  cairo_stroke(cr);
}

// A cut jewel: a diamond shape with a lit facet.
void PaintJewel(cairo_t* cr, double x, double y, double size, Rgb colour) {
  cairo_move_to(cr, x, y - size);
  cairo_line_to(cr, x + size * 0.8, y);
  cairo_line_to(cr, x, y + size);
  cairo_line_to(cr, x - size * 0.8, y);
  cairo_close_path(cr);
  SetColour(cr, colour);
  cairo_fill_preserve(cr);
  SetColour(cr, assetgen::Shade(colour, 0.5));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_move_to(cr, x, y - size);
  cairo_line_to(cr, x + size * 0.8, y);
  cairo_line_to(cr, x, y);
  cairo_close_path(cr);
  SetColour(cr, palette::Diamond, 0.45);
  cairo_fill(cr);
}

// Text centred on x, with a dark shadow under it.
void PaintCentredText(cairo_t* cr, const std::string& text, double size, double y, Rgb colour) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  // A long line is made smaller to keep a margin on either side.
  constexpr double widest = Width - 80;
  if (extents.width > widest) {
    size *= widest / extents.width;
    cairo_set_font_size(cr, size);
    cairo_text_extents(cr, text.c_str(), &extents);
  }
  const double x = (Width - extents.width) / 2 - extents.x_bearing;
  SetColour(cr, palette::Ink, 0.85);
  cairo_move_to(cr, x + size / 16, y + size / 16);
  cairo_show_text(cr, text.c_str());
  SetColour(cr, colour);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

}  // namespace

std::vector<std::uint8_t> DrawTitleCard(const std::string& heading, const std::string& line,
                                        std::uint32_t seed) {
  ArtCanvas canvas(Width, Height);
  PaintBackdrop(canvas);
  cairo_t* cr = canvas.Cr();
  ArtRandom random(seed);
  const Rgb jewels[] = {palette::Ruby, palette::Emerald, palette::Sapphire, palette::Amethyst,
                        palette::Topaz};
  for (int i = 0; i < 14; ++i) {
    const double x = random.Range(30, Width - 30);
    // Kept out of the band the text sits in.
    double y = random.Range(30, Height - 30);
    if (y > 150 && y < 330) y = y < 240 ? y - 120 : y + 120;
    PaintJewel(cr, x, y, random.Range(8, 18), jewels[random.Next() % 5]);
  }
  cairo_set_source_rgba(cr, palette::BrassDark.R, palette::BrassDark.G, palette::BrassDark.B, 0.9);
  cairo_set_line_width(cr, 3);
  cairo_move_to(cr, 120, 268);
  cairo_line_to(cr, Width - 120, 268);
  cairo_stroke(cr);
  PaintCentredText(cr, heading, 64, 245, palette::BrassLight);
  PaintCentredText(cr, line, 24, 310, palette::Parchment);
  return canvas.FlattenRgb();
}

}  // namespace vidgen
