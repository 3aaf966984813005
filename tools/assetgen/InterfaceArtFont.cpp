// The menu font ("MenuFontBase.bmp" and the two glow pictures), the side panel and its
// digit glyphs.

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "InterfaceArt.h"

namespace assetgen::interface {

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---- Menu font ----

constexpr int kFirstChar = 33;
constexpr int kLastChar = 90;
constexpr int kGlyphW = 42;
constexpr int kBaseH = 38;
constexpr int kGlowH = 50;
// The baseline inside a base cell; glow cells are 12 pixels taller, centred on the same point.
constexpr double kBaseline = 31;
constexpr double kFontSize = 32;

// The game's advance widths for codes 33 to 90; each glyph's ink is fitted to its width.
constexpr std::array<int, 58> kWidths = {
    7,  12, 22, 16, 30, 34, 6,  13, 13,                   // ! " # $ % & ' ( )
    16, 19, 8,  10, 8,  16,                               // * + , - . /
    20, 20, 20, 20, 20, 20, 20, 20, 20, 20,               // 0 to 9
    7,  8,  18, 19, 18, 14, 30,                           // : ; < = > ? @
    24, 19, 23, 21, 21, 17, 24, 22, 9,  13, 21, 17, 38,   // A to M
    26, 24, 19, 28, 18, 16, 26, 23, 25, 32, 22, 22, 20};  // N to Z

// The glyph's outline path, horizontally fitted to the width table and centred on
// (cx, baseline).
void GlyphPath(cairo_t* cr, int code, double cx, double baseline) {
  const char text[2] = {static_cast<char>(code), 0};
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, kFontSize);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  const double target = kWidths[static_cast<std::size_t>(code - kFirstChar)] - 2.0;
  const double sx = std::clamp(target / std::max(1.0, e.width), 0.55, 1.6);
  cairo_save(cr);
  cairo_translate(cr, cx, baseline);
  cairo_scale(cr, sx, 1.0);
  cairo_new_path(cr);
  cairo_move_to(cr, -e.x_bearing - e.width / 2, 0);
  cairo_text_path(cr, text);
  cairo_restore(cr);
}

struct GlyphLook {
  Rgb Top;
  Rgb Bottom;
};

void DrawBaseGlyph(cairo_t* cr, int code, double cellX, double cellY, const GlyphLook& look) {
  GlyphPath(cr, code, cellX + kGlyphW / 2.0, cellY + kBaseline);
  SetColour(cr, palette::Ink);
  cairo_set_line_width(cr, 2.6);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cellY + 8, 0, cellY + kBaseline);
  cairo_pattern_add_color_stop_rgb(g, 0, look.Top.R, look.Top.G, look.Top.B);
  cairo_pattern_add_color_stop_rgb(g, 1, look.Bottom.R, look.Bottom.G, look.Bottom.B);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// Three box-blur passes over a w x h float field, in place.
void Blur(std::vector<double>& field, int w, int h, int radius) {
  std::vector<double> tmp(field.size());
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        double sum = 0;
        for (int d = -radius; d <= radius; ++d) sum += field[y * w + std::clamp(x + d, 0, w - 1)];
        tmp[y * w + x] = sum / (2 * radius + 1);
      }
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        double sum = 0;
        for (int d = -radius; d <= radius; ++d) sum += tmp[std::clamp(y + d, 0, h - 1) * w + x];
        field[y * w + x] = sum / (2 * radius + 1);
      }
  }
}

// The glyph's coverage in a glow cell (kGlyphW x kGlowH), 0 to 1.
std::vector<double> GlyphCoverage(int code) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, kGlyphW, kGlowH);
  cairo_t* cr = cairo_create(s);
  GlyphPath(cr, code, kGlyphW / 2.0, kBaseline + (kGlowH - kBaseH) / 2.0);
  cairo_set_line_width(cr, 2.6);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  cairo_destroy(cr);
  cairo_surface_flush(s);
  std::vector<double> cover(kGlyphW * kGlowH);
  const unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < kGlowH; ++y)
    for (int x = 0; x < kGlyphW; ++x) cover[y * kGlyphW + x] = data[y * stride + x] / 255.0;
  cairo_surface_destroy(s);
  return cover;
}

// Writes the six glow columns of one character into the canvas row at y.
void DrawGlowRow(ArtCanvas& canvas, int code, int rowY) {
  const std::vector<double> cover = GlyphCoverage(code);
  cairo_surface_t* s = canvas.Surface();
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int column = 0; column < 6; ++column) {
    // Column 0 is the strongest glow, column 5 the faintest.
    const double strength = 1.0 - column / 6.5;
    std::vector<double> halo = cover;
    Blur(halo, kGlyphW, kGlowH, 2 + (5 - column) / 2);
    for (int y = 0; y < kGlowH; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(data + (rowY + y) * stride);
      for (int x = 0; x < kGlyphW; ++x) {
        // Fade toward the cell border so the halo never ends in a hard line.
        const double ex = std::min(x + 1, kGlyphW - x) / 5.0;
        const double ey = std::min(y + 1, kGlowH - y) / 5.0;
        const double edge = std::clamp(std::min(ex, ey), 0.0, 1.0);
        const double v = std::clamp(halo[y * kGlyphW + x] * 2.0 * strength * edge, 0.0, 1.0);
        // Amber at the rim, nearly white where the halo is densest.
        const Rgb c = Mix(palette::Flame, palette::LanternGlow, std::min(1.0, v * 1.5));
        const Rgb core = Mix(c, {1.0, 0.97, 0.85}, std::max(0.0, v - 0.6) * 2);
        auto channel = [&](double ch) {
          return static_cast<std::uint32_t>(std::clamp(ch * v * 255.0, 0.0, 255.0));
        };
        row[11 + 64 * column + x] =
            0xFF000000u | channel(core.R) << 16 | channel(core.G) << 8 | channel(core.B);
      }
    }
  }
  cairo_surface_mark_dirty(s);
}

void GenerateMenuFont(const std::string& outDir) {
  const GlyphLook looks[5] = {
      {Mix(palette::StoneLight, palette::Sandstone, 0.5), palette::Stone},
      {palette::Sandstone, Mix(palette::Brass, palette::Stone, 0.4)},
      {palette::BrassLight, palette::Brass},
      {{1.0, 0.97, 0.86}, palette::LanternGlow},
      {Shade(palette::Stone, 0.85), palette::StoneDark},
  };
  ArtCanvas base(320, 26 + 40 * (kLastChar - kFirstChar + 1));
  cairo_t* cr = base.Cr();
  for (int code = kFirstChar; code <= kLastChar; ++code)
    for (int look = 0; look < 5; ++look)
      DrawBaseGlyph(cr, code, 11 + 64 * look, 26 + 40 * (code - kFirstChar), looks[look]);
  base.SetEdgeShade(palette::Ink);
  base.SaveBmp(outDir, "MenuFontBase.bmp");

  ArtCanvas glow1(384, 20 + 60 * 33);
  glow1.Fill({0, 0, 0});
  for (int code = kFirstChar; code <= 'A'; ++code) DrawGlowRow(glow1, code, 20 + 60 * (code - 33));
  glow1.SaveJpeg(outDir, "MenuFontGlow1.Jpg");
  ArtCanvas glow2(384, 60 * 25);
  glow2.Fill({0, 0, 0});
  for (int code = 'B'; code <= kLastChar; ++code) DrawGlowRow(glow2, code, 60 * (code - 66));
  glow2.SaveJpeg(outDir, "MenuFontGlow2.Jpg");
}

// ---- Side panel ----

constexpr int kDigitW = 18;
constexpr int kDigitH = 28;
// The flat fill of the digit boxes: the digit glyphs are drawn opaque over it.
constexpr Rgb kBoxFill{0.10, 0.07, 0.05};

// Where the panel's digit boxes are (the game centres glyphs at these points).
constexpr int kLevelDigitY = 74;
constexpr int kKeysY = 228;
constexpr int kJewelsY = 302;

void InsetBox(cairo_t* cr, double x, double y, double w, double h) {
  SetColour(cr, palette::BrassDark);
  cairo_rectangle(cr, x - 3, y - 3, w + 6, h + 6);
  cairo_fill(cr);
  SetColour(cr, palette::Brass);
  cairo_rectangle(cr, x - 2, y - 2, w + 4, h + 4);
  cairo_fill(cr);
  SetColour(cr, palette::BrassLight);
  cairo_rectangle(cr, x - 2, y - 2, w + 4, 1);
  cairo_fill(cr);
  SetColour(cr, kBoxFill);
  cairo_rectangle(cr, x, y, w, h);
  cairo_fill(cr);
}

void KeyIcon(cairo_t* cr, double cx, double cy) {
  SetColour(cr, palette::Ink);
  cairo_set_line_width(cr, 5);
  cairo_arc(cr, cx - 8, cy, 5, 0, 2 * kPi);
  cairo_move_to(cr, cx - 3, cy);
  cairo_line_to(cr, cx + 11, cy);
  cairo_stroke(cr);
  SetColour(cr, palette::BrassLight);
  cairo_set_line_width(cr, 2.5);
  cairo_arc(cr, cx - 8, cy, 5, 0, 2 * kPi);
  cairo_move_to(cr, cx - 3, cy);
  cairo_line_to(cr, cx + 11, cy);
  cairo_move_to(cr, cx + 6, cy);
  cairo_line_to(cr, cx + 6, cy + 5);
  cairo_move_to(cr, cx + 10, cy);
  cairo_line_to(cr, cx + 10, cy + 4);
  cairo_stroke(cr);
}

void DrawPanel(ArtCanvas& canvas) {
  cairo_t* cr = canvas.Cr();
  ArtRandom rng(0x51DE9A7u);
  const StoneSet& s = WarmStone();
  canvas.Fill(s.Mortar);
  for (int row = 0; row * 20 < 480; ++row) {
    double x = row % 2 ? -14 : 0;
    while (x < 128) {
      const double w = rng.Range(26, 44);
      StoneBlock(cr, rng, x, row * 20, w, 20, s, 0.15);
      x += w;
    }
  }
  SetColour(cr, palette::Ink, 0.25);
  cairo_rectangle(cr, 0, 0, 128, 480);
  cairo_fill(cr);
  for (int i = 0; i < 10; ++i) MossClump(cr, rng, rng.Range(0, 128), rng.Range(0, 18), 10, 40);
  for (int i = 0; i < 6; ++i) MossStrand(cr, rng, rng.Range(4, 124), 0, rng.Range(8, 36));
  for (int i = 0; i < 8; ++i) MossClump(cr, rng, rng.Range(0, 128), rng.Range(466, 480), 9, 30);
  Grain(canvas, rng, 0.05);
  // Brass rail along the edge toward the play area.
  SetColour(cr, palette::BrassDark);
  cairo_rectangle(cr, 124, 0, 4, 480);
  cairo_fill(cr);
  SetColour(cr, palette::Brass);
  cairo_rectangle(cr, 125, 0, 2, 480);
  cairo_fill(cr);
  // Crest: a lantern between two jewels.
  LightPool(cr, 64, 30, 40, palette::LanternGlow, 0.35);
  Lantern(cr, 64, 28, 34);
  Jewel(cr, 24, 30, 8, palette::Ruby);
  Jewel(cr, 104, 30, 8, palette::Emerald);

  // Level code: label and a box behind the two digits centred at x 90 and 108.
  CentredText(cr, "LEVEL", 42, kLevelDigitY, 15, palette::BrassLight, 3);
  InsetBox(cr, 81, kLevelDigitY - 14, 36, 28);

  // The hint plaque: parchment set in brass.
  SetColour(cr, palette::BrassDark);
  cairo_rectangle(cr, 2, 96, 122, 96);
  cairo_fill(cr);
  SetColour(cr, palette::Brass);
  cairo_rectangle(cr, 3, 97, 120, 94);
  cairo_fill(cr);
  cairo_pattern_t* paper = cairo_pattern_create_radial(64, 144, 10, 64, 144, 80);
  cairo_pattern_add_color_stop_rgb(paper, 0, palette::Parchment.R, palette::Parchment.G,
                                   palette::Parchment.B);
  cairo_pattern_add_color_stop_rgb(paper, 1, palette::Sandstone.R, palette::Sandstone.G,
                                   palette::Sandstone.B);
  cairo_rectangle(cr, 6, 100, 114, 88);
  cairo_set_source(cr, paper);
  cairo_fill(cr);
  cairo_pattern_destroy(paper);
  Speckle(cr, rng, 6, 100, 114, 88, 220, palette::StoneLight, 0.25, 1);
  for (int i = 0; i < 4; ++i) {
    SetColour(cr, palette::BrassLight);
    cairo_arc(cr, 9 + 108 * (i % 2), 103 + 82 * (i / 2), 1.6, 0, 2 * kPi);
    cairo_fill(cr);
  }

  // Keys and jewels: a label with its emblem above each counter box.
  KeyIcon(cr, 24, kKeysY - 26);
  CentredText(cr, "KEYS", 78, kKeysY - 26, 14, palette::BrassLight, 3);
  InsetBox(cr, 3, kKeysY - 14, 121, 28);
  Jewel(cr, 24, kJewelsY - 26, 8, palette::Emerald);
  CentredText(cr, "JEWELS", 78, kJewelsY - 26, 14, palette::BrassLight, 3);
  InsetBox(cr, 3, kJewelsY - 14, 121, 28);
  // The stroke between the collected count and the total.
  for (int y : {kKeysY, kJewelsY}) {
    SetColour(cr, palette::Brass);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 60, y + 9);
    cairo_line_to(cr, 66, y - 9);
    cairo_stroke(cr);
  }

  // The box the carried items are shown in.
  CentredText(cr, "CARRIED", 64, 344, 12, palette::BrassLight, 3);
  InsetBox(cr, 20, 356, 100, 40);
  // The recess behind the menu button.
  SetColour(cr, palette::Ink, 0.7);
  RoundedRect(cr, 12, 411, 104, 56, 8);
  cairo_fill(cr);
}

// A digit glyph over the flat box fill, in a cell at (x, y).
void DigitCell(cairo_t* cr, double x, double y, char c, Rgb top, Rgb bottom) {
  SetColour(cr, kBoxFill);
  cairo_rectangle(cr, x, y, kDigitW, kDigitH);
  cairo_fill(cr);
  if (c == ' ') return;
  const char text[2] = {c, 0};
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 22);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, kDigitW, kDigitH);
  cairo_clip(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, x + kDigitW / 2.0 - e.width / 2 - e.x_bearing,
                y + kDigitH / 2.0 - e.height / 2 - e.y_bearing);
  cairo_text_path(cr, text);
  SetColour(cr, palette::Ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y + 4, 0, y + kDigitH - 4);
  cairo_pattern_add_color_stop_rgb(g, 0, top.R, top.G, top.B);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.R, bottom.G, bottom.B);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void GenerateDigits(const std::string& outDir) {
  {
    // Two places of twelve glyphs: 0 to 9, blank, "B".
    ArtCanvas level(2 * kDigitW, 12 * kDigitH);
    level.Fill(kBoxFill);
    for (int place = 0; place < 2; ++place)
      for (int g = 0; g < 12; ++g) {
        const char c = g < 10 ? static_cast<char>('0' + g) : (g == 10 ? ' ' : 'B');
        DigitCell(level.Cr(), kDigitW * place, kDigitH * g, c, {1.0, 0.93, 0.7}, palette::Flame);
      }
    level.SaveBmp(outDir, "LevelDigits.bmp");
  }
  struct Counter {
    const char* Name;
    Rgb Top;
    Rgb Bottom;
  };
  const Counter counters[] = {{"KeysDigits.bmp", palette::BrassLight, palette::Brass},
                              {"GemsDigits.bmp", {0.70, 1.0, 0.82}, palette::Emerald}};
  for (const Counter& counter : counters) {
    // The "count" set at x 0, 18, 36 and the "total" set at x 67, 85, 103.
    ArtCanvas digits(67 + 3 * kDigitW, 11 * kDigitH);
    digits.Fill(kBoxFill);
    for (int left : {0, 18, 36, 67, 85, 103})
      for (int g = 0; g < 11; ++g)
        DigitCell(digits.Cr(), left, kDigitH * g, g < 10 ? static_cast<char>('0' + g) : ' ',
                  counter.Top, counter.Bottom);
    digits.SaveBmp(outDir, counter.Name);
  }
}

}  // namespace

void GenerateMenuFontArt(const std::string& outDir) {
  GenerateMenuFont(outDir);
}

void GenerateSidePanelArt(const std::string& outDir) {
  ArtCanvas panel(128, 480);
  DrawPanel(panel);
  panel.SaveJpeg(outDir, "SidePanel.jpg");
  GenerateDigits(outDir);
}

}  // namespace assetgen::interface
