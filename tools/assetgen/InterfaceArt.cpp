// The interface art: shared drawing helpers, the level backgrounds and the entry point.

#include "InterfaceArt.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "ArtRegistry.h"
#include "Backdrops.h"
#include "InterfaceArtPages.h"

namespace assetgen {

namespace interface {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

const StoneSet& WarmStone() {
  static const StoneSet set{palette::StoneShadow, palette::StoneDark, palette::Stone,
                            palette::StoneLight, palette::Moss};
  return set;
}

const StoneSet& CisternStone() {
  static const StoneSet set{{0.09, 0.11, 0.11},
                            {0.22, 0.27, 0.27},
                            {0.38, 0.44, 0.42},
                            {0.56, 0.62, 0.58},
                            {0.24, 0.44, 0.26}};
  return set;
}

const StoneSet& SandStone() {
  static const StoneSet set{{0.26, 0.18, 0.11},
                            Shade(palette::Stone, 0.95),
                            palette::StoneLight,
                            palette::Sandstone,
                            palette::MossLight};
  return set;
}

void SetColour(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.R, c.G, c.B, alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  if (r <= 0) {
    cairo_rectangle(cr, x, y, w, h);
    return;
  }
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void Speckle(cairo_t* cr, ArtRandom& rng, double x, double y, double w, double h, int count,
             Rgb colour, double alpha, double size) {
  for (int i = 0; i < count; ++i) {
    SetColour(cr, colour, alpha * rng.Range(0.4, 1.0));
    cairo_rectangle(cr, x + rng.Range(0, w), y + rng.Range(0, h), size, size);
    cairo_fill(cr);
  }
}

void StoneBlock(cairo_t* cr, ArtRandom& rng, double x, double y, double w, double h,
                const StoneSet& set, double wear) {
  const double r = std::min(w, h) * 0.12;
  const Rgb body = Mix(set.Base, rng.Unit() < 0.5 ? set.Dark : set.Light, rng.Range(0.0, 0.35));
  cairo_pattern_t* grad = cairo_pattern_create_linear(x, y, x + w, y + h);
  cairo_pattern_add_color_stop_rgb(grad, 0, Shade(body, 1.12).R, Shade(body, 1.12).G,
                                   Shade(body, 1.12).B);
  cairo_pattern_add_color_stop_rgb(grad, 1, Shade(body, 0.82).R, Shade(body, 0.82).G,
                                   Shade(body, 0.82).B);
  RoundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, r);
  cairo_set_source(cr, grad);
  cairo_fill(cr);
  cairo_pattern_destroy(grad);
  // Bevel: light along the top and left, shade along the bottom and right.
  cairo_set_line_width(cr, 1.0);
  SetColour(cr, set.Light, 0.55);
  cairo_move_to(cr, x + 1.5, y + h - 2);
  cairo_line_to(cr, x + 1.5, y + 1.5);
  cairo_line_to(cr, x + w - 2, y + 1.5);
  cairo_stroke(cr);
  SetColour(cr, set.Mortar, 0.6);
  cairo_move_to(cr, x + 2, y + h - 1.5);
  cairo_line_to(cr, x + w - 1.5, y + h - 1.5);
  cairo_line_to(cr, x + w - 1.5, y + 2);
  cairo_stroke(cr);
  Speckle(cr, rng, x + 2, y + 2, w - 4, h - 4, static_cast<int>(w * h / 14), set.Dark, 0.35, 1);
  Speckle(cr, rng, x + 2, y + 2, w - 4, h - 4, static_cast<int>(w * h / 30), set.Light, 0.3, 1);
  if (rng.Unit() < wear) {
    cairo_save(cr);
    RoundedRect(cr, x + 1, y + 1, w - 2, h - 2, r);
    cairo_clip(cr);
    Crack(cr, rng, x + rng.Range(0.2, 0.8) * w, y + 1, rng.Range(-0.3, 0.3), 1,
          static_cast<int>(h / 4));
    cairo_restore(cr);
  }
}

void MossClump(cairo_t* cr, ArtRandom& rng, double cx, double cy, double radius, int dots) {
  const Rgb shades[] = {palette::MossDark, palette::Moss, palette::MossLight};
  for (int i = 0; i < dots; ++i) {
    const double a = rng.Range(0, 2 * kPi);
    const double d = radius * std::sqrt(rng.Unit());
    const int s = i < dots / 3 ? 0 : (i < 2 * dots / 3 ? 1 : 2);
    SetColour(cr, Mix(shades[s], palette::MossDark, rng.Range(0, 0.3)));
    cairo_arc(cr, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.8, rng.Range(0.7, 1.8), 0,
              2 * kPi);
    cairo_fill(cr);
  }
}

void MossStrand(cairo_t* cr, ArtRandom& rng, double x, double y, double length) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  double px = x;
  double py = y;
  const int steps = std::max(2, static_cast<int>(length / 3));
  for (int i = 0; i < steps; ++i) {
    const double nx = px + rng.Range(-1.2, 1.2);
    const double ny = py + length / steps;
    const double t = static_cast<double>(i) / steps;
    SetColour(cr, Mix(palette::Moss, palette::MossDark, t));
    cairo_set_line_width(cr, 2.6 - 1.4 * t);
    cairo_move_to(cr, px, py);
    cairo_line_to(cr, nx, ny);
    cairo_stroke(cr);
    if (rng.Unit() < 0.5) {
      SetColour(cr, palette::MossLight);
      cairo_arc(cr, nx + rng.Range(-1.5, 1.5), ny, 0.9, 0, 2 * kPi);
      cairo_fill(cr);
    }
    px = nx;
    py = ny;
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

void Crack(cairo_t* cr, ArtRandom& rng, double x, double y, double dx, double dy, int steps) {
  cairo_set_line_width(cr, 1.0);
  SetColour(cr, palette::Ink, 0.8);
  cairo_move_to(cr, x, y);
  for (int i = 0; i < steps; ++i) {
    x += dx * 4 + rng.Range(-1.5, 1.5);
    y += dy * 4 + rng.Range(-1.0, 1.0);
    cairo_line_to(cr, x, y);
  }
  cairo_stroke(cr);
}

void LightPool(cairo_t* cr, double cx, double cy, double radius, Rgb colour, double strength) {
  cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgba(glow, 0, colour.R, colour.G, colour.B, strength);
  cairo_pattern_add_color_stop_rgba(glow, 0.5, colour.R, colour.G, colour.B, strength * 0.35);
  cairo_pattern_add_color_stop_rgba(glow, 1, colour.R, colour.G, colour.B, 0);
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_source(cr, glow);
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_pattern_destroy(glow);
}

void Lantern(cairo_t* cr, double cx, double cy, double size) {
  const double w = size * 0.55;
  const double h = size * 0.7;
  const double top = cy - size / 2;
  // Hook and cap.
  SetColour(cr, palette::BrassDark);
  cairo_set_line_width(cr, std::max(1.0, size / 16));
  cairo_arc(cr, cx, top + size * 0.06, size * 0.06, 0, 2 * kPi);
  cairo_stroke(cr);
  SetColour(cr, palette::Brass);
  cairo_move_to(cr, cx - w * 0.55, top + size * 0.22);
  cairo_line_to(cr, cx, top + size * 0.1);
  cairo_line_to(cr, cx + w * 0.55, top + size * 0.22);
  cairo_close_path(cr);
  cairo_fill(cr);
  // Glass with the flame.
  const double gy = top + size * 0.22;
  cairo_pattern_t* glass =
      cairo_pattern_create_radial(cx, gy + h * 0.55, 0, cx, gy + h * 0.55, w * 0.8);
  cairo_pattern_add_color_stop_rgb(glass, 0, 1.0, 0.95, 0.7);
  cairo_pattern_add_color_stop_rgb(glass, 0.45, palette::LanternGlow.R, palette::LanternGlow.G,
                                   palette::LanternGlow.B);
  cairo_pattern_add_color_stop_rgb(glass, 1, palette::Flame.R * 0.8, palette::Flame.G * 0.7,
                                   palette::Flame.B);
  cairo_rectangle(cr, cx - w / 2, gy, w, h * 0.78);
  cairo_set_source(cr, glass);
  cairo_fill(cr);
  cairo_pattern_destroy(glass);
  // Frame bars.
  SetColour(cr, palette::BrassDark);
  cairo_set_line_width(cr, std::max(1.0, size / 20));
  cairo_rectangle(cr, cx - w / 2, gy, w, h * 0.78);
  cairo_move_to(cr, cx, gy);
  cairo_line_to(cr, cx, gy + h * 0.78);
  cairo_stroke(cr);
  SetColour(cr, palette::Brass);
  cairo_rectangle(cr, cx - w * 0.6, gy + h * 0.78, w * 1.2, size * 0.09);
  cairo_fill(cr);
}

void Jewel(cairo_t* cr, double cx, double cy, double radius, Rgb colour) {
  const int sides = 6;
  cairo_new_path(cr);
  for (int i = 0; i < sides; ++i) {
    const double a = kPi / 2 + 2 * kPi * i / sides;
    cairo_line_to(cr, cx + std::cos(a) * radius, cy - std::sin(a) * radius);
  }
  cairo_close_path(cr);
  SetColour(cr, Shade(colour, 0.55));
  cairo_fill_preserve(cr);
  SetColour(cr, palette::Ink, 0.9);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  // Facets: a lighter table and a bright glint.
  cairo_new_path(cr);
  for (int i = 0; i < sides; ++i) {
    const double a = kPi / 2 + 2 * kPi * i / sides;
    cairo_line_to(cr, cx + std::cos(a) * radius * 0.55, cy - std::sin(a) * radius * 0.55);
  }
  cairo_close_path(cr);
  SetColour(cr, colour);
  cairo_fill(cr);
  SetColour(cr, Mix(colour, {1, 1, 1}, 0.7));
  cairo_arc(cr, cx - radius * 0.25, cy - radius * 0.3, std::max(0.8, radius * 0.16), 0, 2 * kPi);
  cairo_fill(cr);
}

void Grain(ArtCanvas& canvas, ArtRandom& rng, double amount) {
  cairo_surface_t* s = canvas.Surface();
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < canvas.Height(); ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < canvas.Width(); ++x) {
      const std::uint32_t p = row[x];
      if ((p >> 24) != 255) continue;
      const double f = 1.0 + rng.Range(-amount, amount);
      auto ch = [&](int shift) {
        const double v = ((p >> shift) & 255) * f;
        return static_cast<std::uint32_t>(std::clamp(v, 0.0, 255.0)) << shift;
      };
      row[x] = 0xFF000000u | ch(16) | ch(8) | ch(0);
    }
  }
  cairo_surface_mark_dirty(s);
}

void CentredText(cairo_t* cr, const std::string& text, double cx, double cy, double size, Rgb fill,
                 double outline) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
  cairo_text_path(cr, text.c_str());
  if (outline > 0) {
    SetColour(cr, palette::Ink);
    cairo_set_line_width(cr, outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  SetColour(cr, fill);
  cairo_fill(cr);
}

void SaveKeyedJpeg(const ArtCanvas& canvas, const std::string& outDir, const std::string& name) {
  canvas.SaveJpeg(outDir, name);
  const std::vector<std::uint8_t> rgb = canvas.FlattenRgb();
  std::vector<std::uint8_t> mask(rgb.size(), 0);
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
    if (rgb[i] == 255 && rgb[i + 1] == 0 && rgb[i + 2] == 255)
      mask[i] = mask[i + 1] = mask[i + 2] = 255;
  WriteFileBytes(outDir, name + ".mask", EncodeBmp24(mask, canvas.Width(), canvas.Height()));
}

// ---------------------------------------------------------------------------------------
// Backgrounds: the 512 x 480 pictures behind the level grid.

namespace {

struct BackgroundLook {
  const char* Name;
  const StoneSet* Stones;
  int CourseHeight;  // height of a row of wall stones
  int Lanterns;      // lanterns hung along the walls
  double Moss;       // 0 (bare) to 1 (overgrown)
  bool Water;        // a water-stained floor band
  std::uint32_t Seed;
};

void DrawArchRelief(cairo_t* cr, double cx, double baseY, double w, double h, const StoneSet& s) {
  // A blind arch: a dark recess framed by voussoirs.
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w / 2, baseY);
  cairo_line_to(cr, cx - w / 2, baseY - h + w / 2);
  cairo_arc(cr, cx, baseY - h + w / 2, w / 2, kPi, 2 * kPi);
  cairo_line_to(cr, cx + w / 2, baseY);
  cairo_close_path(cr);
  cairo_pattern_t* depth = cairo_pattern_create_linear(cx, baseY - h, cx, baseY);
  cairo_pattern_add_color_stop_rgb(depth, 0, s.Mortar.R, s.Mortar.G, s.Mortar.B);
  cairo_pattern_add_color_stop_rgb(depth, 1, s.Dark.R * 0.7, s.Dark.G * 0.7, s.Dark.B * 0.7);
  cairo_set_source(cr, depth);
  cairo_fill(cr);
  cairo_pattern_destroy(depth);
  const int stones = 9;
  const double r = w / 2;
  for (int i = 0; i < stones; ++i) {
    const double a0 = kPi + kPi * i / stones;
    const double a1 = kPi + kPi * (i + 1) / stones;
    cairo_new_path(cr);
    cairo_arc(cr, cx, baseY - h + r, r + 9, a0 + 0.02, a1 - 0.02);
    cairo_arc_negative(cr, cx, baseY - h + r, r, a1 - 0.02, a0 + 0.02);
    cairo_close_path(cr);
    SetColour(cr, i == stones / 2 ? palette::Brass : Mix(s.Base, s.Light, 0.3 + 0.1 * (i % 2)));
    cairo_fill_preserve(cr);
    SetColour(cr, s.Mortar, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
}

void DrawBackground(const BackgroundLook& look, const std::string& outDir) {
  ArtCanvas canvas(512, 480);
  cairo_t* cr = canvas.Cr();
  ArtRandom rng(look.Seed);
  const StoneSet& s = *look.Stones;
  canvas.Fill(s.Mortar);
  // Wall courses, offset every other row.
  const int ch = look.CourseHeight;
  for (int row = 0; row * ch < 480; ++row) {
    double x = row % 2 ? -ch * 0.9 : 0;
    while (x < 512) {
      const double w = ch * rng.Range(1.4, 2.6);
      StoneBlock(cr, rng, x, row * ch, w, ch, s, 0.25);
      x += w;
    }
  }
  // Blind arches along the wall with lanterns between them.
  const int arches = 3;
  for (int a = 0; a < arches; ++a) DrawArchRelief(cr, 512.0 * (a + 0.5) / arches, 300, 96, 190, s);
  // The ruin darkens toward the top and the floor.
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, 480);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0.55);
  cairo_pattern_add_color_stop_rgba(shade, 0.45, 0, 0, 0, 0.05);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0.45);
  cairo_rectangle(cr, 0, 0, 512, 480);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
  // Floor band.
  for (int x = 0; x < 512; x += 32) {
    for (int y = 320; y < 480; y += 32) StoneBlock(cr, rng, x, y, 32, 32, s, 0.3);
  }
  if (look.Water) {
    for (int i = 0; i < 7; ++i) {
      const double cx = rng.Range(20, 492);
      const double cy = rng.Range(350, 470);
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, rng.Range(30, 60), rng.Range(6, 12));
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      SetColour(cr, palette::WaterDeep, 0.75);
      cairo_fill_preserve(cr);
      SetColour(cr, palette::WaterLight, 0.35);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
    }
  }
  // Moss creeping down from the top and up from the floor, hanging strands.
  const int clumps = static_cast<int>(60 * look.Moss);
  for (int i = 0; i < clumps; ++i) {
    const bool top = rng.Unit() < 0.5;
    MossClump(cr, rng, rng.Range(0, 512), top ? rng.Range(0, 40) : rng.Range(300, 330),
              rng.Range(6, 16), 40);
  }
  const int strands = static_cast<int>(40 * look.Moss);
  for (int i = 0; i < strands; ++i) MossStrand(cr, rng, rng.Range(0, 512), 0, rng.Range(12, 70));
  // Lanterns and their light.
  for (int i = 0; i < look.Lanterns; ++i) {
    const double lx = 512.0 * (i + 1) / (look.Lanterns + 1);
    const double ly = 150 + (i % 2) * 24;
    LightPool(cr, lx, ly + 20, 170, palette::LanternGlow, 0.28);
    SetColour(cr, palette::BrassDark);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, lx, 0);
    cairo_line_to(cr, lx, ly - 12);
    cairo_stroke(cr);
    Lantern(cr, lx, ly, 26);
  }
  Grain(canvas, rng, 0.06);
  canvas.SaveJpeg(outDir, look.Name);
}

}  // namespace

void GenerateBackgrounds(const std::string& outDir) {
  const BackgroundLook looks[] = {
      {"Hollowmere.jpg", &WarmStone(), 28, 3, 0.6, false, 0x4F11A3u},
      {"Cistern.jpg", &CisternStone(), 24, 2, 0.8, true, 0xC157E2u},
      {"Lanternhall.jpg", &SandStone(), 32, 5, 0.25, false, 0x1A47E0u},
      {"Mossgate.jpg", &WarmStone(), 30, 2, 1.0, false, 0x305A7Bu},
  };
  for (const BackgroundLook& look : looks) DrawBackground(look, outDir);
  GenerateBackdrops(outDir);
}

}  // namespace interface

void GenerateInterfaceArt(const std::string& outDir) {
  interface::GenerateTileSheets(outDir);
  // Level backdrops live in the package's "BackDrops" folder, where the editor lists them
  // and where a level's Background= name is looked up.
  std::filesystem::create_directories(outDir + "/BackDrops");
  interface::GenerateBackgrounds(outDir + "/BackDrops");
  interface::GenerateSidePanelArt(outDir);
  interface::GenerateMenuFontArt(outDir);
  interface::GenerateMenuArt(outDir);
  interface::GenerateInstructionArt(outDir);
  interface::GenerateLevelPickArt(outDir);
  interface::GenerateHintArt(outDir);
}

}  // namespace assetgen
