// The game's characters and units: the explorer Zevi with her lantern, the ruin's hostile
// residents, the terrain units of "BaseGfx.bmp", water, force fields, explosions and the
// death pictures. Everything is drawn with cairo into ArtCanvas and written under the
// names the game loads.

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "ArtCanvas.h"
#include "ArtRegistry.h"
#include "Palette.h"

namespace assetgen {
namespace {

namespace pal = palette;
constexpr double Pi = 3.14159265358979323846;

// --- Drawing helpers -------------------------------------------------------------------------

void Set(cairo_t* cr, Rgb c, double alpha = 1.0) {
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

// Fills the current path and outlines it.
void FillLine(cairo_t* cr, Rgb fill, Rgb line = pal::Ink, double width = 1.0) {
  Set(cr, fill);
  cairo_fill_preserve(cr);
  Set(cr, line);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// Fills the current path with a vertical gradient from top to bottom colour.
void FillVertical(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, top.R, top.G, top.B);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.R, bottom.G, bottom.B);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
}

// A soft round light, for additive pictures drawn on black and for opaque scenes.
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

// A faceted jewel seen from the front, turned about its vertical axis by angle.
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

// A brass lantern hanging from (x, y), lit to the given strength (0 dark, 1 full).
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

// --- The explorer ------------------------------------------------------------------------------

enum class Facing { Up, Down, Left, Right };

constexpr Rgb Skin{0.93, 0.74, 0.58};
constexpr Rgb Hair{0.36, 0.20, 0.10};
constexpr Rgb HatTop{0.52, 0.36, 0.18};
constexpr Rgb Trousers{0.40, 0.30, 0.22};
constexpr Rgb Boot{0.22, 0.14, 0.09};
constexpr Rgb Pack{0.48, 0.30, 0.16};

struct Pose {
  double Swing = 0;      // stride, -1..1
  double Lift = 0;       // foot lift, -1..1 (which foot is off the ground)
  double Bob = 0;        // whole body, pixels up
  double LanternUp = 0;  // 0 hanging, 1 raised to the face
  bool Blink = false;
};

void DrawHat(cairo_t* cr, double cx, double top, bool side, bool flipBrim) {
  // Crown, band, then brim.
  RoundRect(cr, cx - 4.5, top, 9, 6, 2.5);
  FillLine(cr, HatTop, pal::Ink, 0.9);
  Set(cr, pal::Brass);
  cairo_rectangle(cr, cx - 4.3, top + 3.6, 8.6, 1.4);
  cairo_fill(cr);
  const double brimX = side ? (flipBrim ? cx + 1 : cx - 1) : cx;
  Ellipse(cr, brimX, top + 5.8, side ? 8 : 8.5, 2.1);
  FillLine(cr, Shade(HatTop, 0.85), pal::Ink, 0.9);
}

void DrawFrontOrBack(cairo_t* cr, bool front, const Pose& p) {
  const double by = -p.Bob;
  // Legs: the lifted foot rises and the other stays planted.
  for (int side = 0; side < 2; ++side) {
    const double x = side == 0 ? 13 : 19;
    const double lift = std::max(0.0, side == 0 ? p.Lift : -p.Lift) * 3;
    const double footY = 48 - lift + by * 0.3;
    RoundRect(cr, x - 2.2, 36 + by, 4.4, footY - 36 - by, 1.5);
    FillLine(cr, Trousers, pal::Ink, 0.9);
    Ellipse(cr, x, footY, 3.0, 1.8);
    FillLine(cr, Boot, pal::Ink, 0.8);
  }
  // The lantern hand: the explorer's right hand, on the viewer's left from the front.
  const double lanternX = front ? 7.5 : 24.5;
  const double armSwing = p.Swing * 1.5;
  const double handY = 36 + by - p.LanternUp * 12;
  const double otherX = front ? 24.5 : 7.5;
  if (!front) {
    Line(cr, 22, 27 + by, otherX, 35 + by - armSwing, pal::Ink, 4.2);
    Line(cr, 22, 27 + by, otherX, 35 + by - armSwing, pal::Moss, 2.8);
  }
  // Torso with a brass-buckled belt.
  RoundRect(cr, 10, 24 + by, 12, 14, 3.5);
  cairo_save(cr);
  FillVertical(cr, 24 + by, 38 + by, pal::MossLight, pal::MossDark);
  Set(cr, pal::Ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
  Set(cr, Pack);
  cairo_rectangle(cr, 10.5, 34 + by, 11, 2);
  cairo_fill(cr);
  Set(cr, pal::BrassLight);
  cairo_rectangle(cr, 15, 33.6 + by, 2, 2.8);
  cairo_fill(cr);
  if (front) {
    // Pack straps over the shoulders.
    Line(cr, 12.5, 25 + by, 13.5, 33 + by, Pack, 1.3);
    Line(cr, 19.5, 25 + by, 18.5, 33 + by, Pack, 1.3);
  } else {
    RoundRect(cr, 11, 25 + by, 10, 10, 2);
    FillLine(cr, Pack, pal::Ink, 0.9);
    Set(cr, pal::Brass);
    cairo_rectangle(cr, 15, 29 + by, 2, 2);
    cairo_fill(cr);
  }
  if (front) {
    Line(cr, 21, 26 + by, otherX, 35 + by + armSwing, pal::Ink, 4.2);
    Line(cr, 21, 26 + by, otherX, 35 + by + armSwing, pal::Moss, 2.8);
  }
  // The lantern arm and the lantern.
  const double shoulderX = front ? 11 : 21;
  Line(cr, shoulderX, 26 + by, lanternX, handY - armSwing, pal::Ink, 4.2);
  Line(cr, shoulderX, 26 + by, lanternX, handY - armSwing, pal::Moss, 2.8);
  Set(cr, Skin);
  cairo_arc(cr, lanternX, handY - armSwing, 1.4, 0, 2 * Pi);
  cairo_fill(cr);
  DrawLantern(cr, lanternX, handY - armSwing, 0.9, 1.0);
  // Head.
  cairo_arc(cr, 16, 19 + by, 5.6, 0, 2 * Pi);
  FillLine(cr, front ? Skin : Hair, pal::Ink, 1);
  if (front) {
    Set(cr, Hair);
    cairo_arc(cr, 16, 17.5 + by, 5.0, Pi * 1.05, Pi * 1.95);
    cairo_fill(cr);
    Set(cr, pal::Ink);
    if (p.Blink) {
      cairo_set_line_width(cr, 0.8);
      cairo_move_to(cr, 12.8, 20 + by);
      cairo_line_to(cr, 14.8, 20 + by);
      cairo_move_to(cr, 17.2, 20 + by);
      cairo_line_to(cr, 19.2, 20 + by);
      cairo_stroke(cr);
    } else {
      cairo_rectangle(cr, 13.2, 19 + by, 1.6, 2);
      cairo_rectangle(cr, 17.2, 19 + by, 1.6, 2);
      cairo_fill(cr);
    }
    Set(cr, {0.70, 0.35, 0.30});
    cairo_rectangle(cr, 15, 22.6 + by, 2, 0.8);
    cairo_fill(cr);
  } else {
    // A braid down the back.
    Line(cr, 16, 23 + by, 16, 27 + by, Hair, 2.2);
  }
  DrawHat(cr, 16, 8.5 + by, false, false);
}

// Facing left; the right-facing pictures are the mirror image.
void DrawSide(cairo_t* cr, const Pose& p) {
  const double by = -p.Bob;
  const double hipX = 16, hipY = 36 + by;
  auto leg = [&](double angle, Rgb colour) {
    const double len = 11.5;
    const double fx = hipX - std::sin(angle) * len, fy = hipY + std::cos(angle) * len;
    Line(cr, hipX, hipY, fx, fy, pal::Ink, 5);
    Line(cr, hipX, hipY, fx, fy, colour, 3.4);
    Ellipse(cr, fx - 1.2, fy + 0.2, 3.0, 1.7);
    FillLine(cr, Boot, pal::Ink, 0.8);
  };
  const double stride = p.Swing * 0.5;
  leg(-stride, Shade(Trousers, 0.75));  // the far leg
  // Far arm swings against the far leg.
  Line(cr, 17, 27 + by, 17 - stride * 9, 35 + by, pal::Ink, 4);
  Line(cr, 17, 27 + by, 17 - stride * 9, 35 + by, pal::MossDark, 2.6);
  // Pack on the back.
  RoundRect(cr, 18, 25 + by, 6, 11, 2);
  FillLine(cr, Pack, pal::Ink, 0.9);
  Set(cr, pal::Brass);
  cairo_rectangle(cr, 22.5, 29 + by, 1.5, 2);
  cairo_fill(cr);
  // Torso.
  RoundRect(cr, 11.5, 24 + by, 9, 14, 3);
  FillVertical(cr, 24 + by, 38 + by, pal::MossLight, pal::MossDark);
  Set(cr, pal::Ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Set(cr, Pack);
  cairo_rectangle(cr, 12, 34 + by, 8, 2);
  cairo_fill(cr);
  leg(stride, Trousers);  // the near leg
  // Near arm, carried forward with the lantern.
  const double handX = 9 + stride * 5 - p.LanternUp * 1, handY = 33 + by - p.LanternUp * 10;
  Line(cr, 15, 26.5 + by, handX, handY, pal::Ink, 4.2);
  Line(cr, 15, 26.5 + by, handX, handY, pal::Moss, 2.8);
  Set(cr, Skin);
  cairo_arc(cr, handX, handY, 1.4, 0, 2 * Pi);
  cairo_fill(cr);
  DrawLantern(cr, handX - 0.5, handY, 0.9, 1.0);
  // Head in profile: hair at the back, nose to the front.
  cairo_arc(cr, 15.5, 19 + by, 5.4, 0, 2 * Pi);
  FillLine(cr, Skin, pal::Ink, 1);
  Set(cr, Hair);
  cairo_arc(cr, 16.5, 18.5 + by, 4.6, -Pi * 0.45, Pi * 0.55);
  cairo_fill(cr);
  Line(cr, 19.5, 22 + by, 21, 26 + by, Hair, 2);
  Set(cr, Skin);
  cairo_arc(cr, 10.2, 20.5 + by, 1.2, 0, 2 * Pi);
  cairo_fill(cr);
  Set(cr, pal::Ink);
  if (p.Blink) {
    cairo_set_line_width(cr, 0.8);
    cairo_move_to(cr, 12, 19.5 + by);
    cairo_line_to(cr, 13.8, 19.5 + by);
    cairo_stroke(cr);
  } else {
    cairo_rectangle(cr, 12.2, 18.6 + by, 1.5, 2);
    cairo_fill(cr);
  }
  DrawHat(cr, 15.5, 8.5 + by, true, false);
}

// Draws the explorer into a 32 x 64 cell whose top left is the current origin.
void DrawExplorer(cairo_t* cr, Facing facing, const Pose& pose) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  switch (facing) {
    case Facing::Down:
      DrawFrontOrBack(cr, true, pose);
      break;
    case Facing::Up:
      DrawFrontOrBack(cr, false, pose);
      break;
    case Facing::Left:
      DrawSide(cr, pose);
      break;
    case Facing::Right:
      cairo_translate(cr, 32, 0);
      cairo_scale(cr, -1, 1);
      DrawSide(cr, pose);
      break;
  }
  cairo_restore(cr);
}

// Columns of the character pictures: x = 0 up, 32 down, 64 left, 96 right.
constexpr std::array<Facing, 4> Columns{Facing::Up, Facing::Down, Facing::Left, Facing::Right};

Pose WalkPose(int frame) {
  const double phase = 2 * Pi * frame / 16.0;
  Pose p;
  p.Swing = std::sin(phase);
  p.Lift = std::sin(phase);
  p.Bob = std::fabs(std::sin(phase)) * 1.2;
  return p;
}

void GenerateWalking(const std::string& outDir) {
  ArtCanvas canvas(128, 64 * 16);
  cairo_t* cr = canvas.Cr();
  for (int frame = 0; frame < 16; ++frame)
    for (int c = 0; c < 4; ++c) {
      cairo_save(cr);
      cairo_translate(cr, 32 * c, 64 * frame);
      DrawExplorer(cr, Columns[static_cast<std::size_t>(c)], WalkPose(frame));
      cairo_restore(cr);
    }
  canvas.SaveJpeg(outDir, "ZeviWalking.jpg");
}

void GenerateStanding(const std::string& outDir) {
  ArtCanvas canvas(128, 64 * 3);
  cairo_t* cr = canvas.Cr();
  for (int variant = 0; variant < 3; ++variant)
    for (int c = 0; c < 4; ++c) {
      Pose p;
      if (variant == 1) p.LanternUp = 1;  // lifts the lantern to look around
      if (variant == 2) {
        p.Blink = true;
        p.Bob = -0.6;
      }
      cairo_save(cr);
      cairo_translate(cr, 32 * c, 64 * variant);
      DrawExplorer(cr, Columns[static_cast<std::size_t>(c)], p);
      cairo_restore(cr);
    }
  canvas.SaveJpeg(outDir, "ZeviStanding.jpg");
}

// 14 frames of 40 x 40, hot spot (20, 22): the explorer topples, the lantern gutters and
// a pale wisp rises and fades until only the hat and lantern are left.
void GenerateDying(const std::string& outDir) {
  ArtCanvas canvas(40, 40 * 14);
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < 14; ++f) {
    cairo_save(cr);
    cairo_translate(cr, 0, 40 * f);
    const double fall = std::min(1.0, f / 5.0);
    const double shrink = f < 6 ? 1.0 : std::max(0.0, 1.0 - (f - 6) / 6.0);
    if (shrink > 0) {
      cairo_save(cr);
      // Pivot at the feet, falling backwards.
      cairo_translate(cr, 20, 34);
      cairo_rotate(cr, fall * Pi / 2 * 0.95);
      cairo_scale(cr, 0.72 * (0.5 + 0.5 * shrink), 0.72 * shrink);
      cairo_translate(cr, -16, -48);
      Pose p;
      p.Blink = true;
      DrawSide(cr, p);
      cairo_restore(cr);
    }
    if (f >= 5) {
      // The hat rolls off and the lantern lies on its side, dimming.
      const double lit = std::max(0.0, 1.0 - (f - 5) / 8.0);
      cairo_save(cr);
      cairo_translate(cr, 7, 30);
      cairo_rotate(cr, Pi / 2);
      DrawLantern(cr, 0, -4, 0.9, lit);
      cairo_restore(cr);
      const double hatX = 24 + std::min(4.0, (f - 5) * 1.0);
      DrawHat(cr, hatX, 27, false, false);
    }
    if (f >= 6 && f <= 12) {
      const double t = (f - 6) / 6.0;
      const double y = 24 - t * 18;
      const double r = 4.5 * (1 - t) + 1.5;
      Ellipse(cr, 20, y, r, r * 1.3);
      FillLine(cr, Mix(pal::Diamond, pal::WaterLight, t), Mix(pal::WaterLight, pal::Water, t), 0.8);
    }
    cairo_restore(cr);
  }
  canvas.SaveJpeg(outDir, "ZeviDying.jpg");
}

// 71 frames of 66 x 30, additive on black: a ring of lantern-gold sparks gathers over the
// start cell, flares, and settles.
void GenerateWarp(const std::string& outDir) {
  constexpr int Frames = 71;
  ArtCanvas canvas(66, 30 * Frames);
  canvas.Fill({0, 0, 0});
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < Frames; ++f) {
    const double t = f / double(Frames - 1);
    const double strength = std::sin(Pi * std::min(1.0, t * 1.15));
    cairo_save(cr);
    cairo_rectangle(cr, 0, 30 * f, 66, 30);
    cairo_clip(cr);
    cairo_translate(cr, 33, 30 * f + 15);
    const double ring = 30 * (1 - t) + 6;
    Glow(cr, 0, 0, 8 + 20 * strength, pal::LanternGlow, 0.55 * strength);
    ArtRandom random(1234);
    for (int s = 0; s < 48; ++s) {
      const double base = random.Range(0, 2 * Pi);
      const double speed = random.Range(0.5, 1.5);
      const double a = base + t * 6 * speed;
      const double rr = ring * random.Range(0.6, 1.0);
      const double x = std::cos(a) * rr, y = std::sin(a) * rr * 0.38 - random.Range(0, 9) * t;
      const Rgb c = s % 3 == 0 ? pal::Diamond : (s % 3 == 1 ? pal::LanternGlow : pal::WaterLight);
      Glow(cr, x, y, 2.6, c, strength * random.Range(0.6, 1.0));
    }
    cairo_restore(cr);
  }
  canvas.SaveJpeg(outDir, "Warp.jpg");
}

// --- Terrain units -----------------------------------------------------------------------------

// A brass key turning about its long axis, in a 32 x 24 cell.
void DrawKey(cairo_t* cr, double angle) {
  const double sy = std::max(0.15, std::fabs(std::cos(angle)));
  const Rgb metal = Mix(pal::BrassDark, pal::BrassLight, 0.5 + 0.5 * std::cos(angle * 2));
  cairo_save(cr);
  cairo_translate(cr, 16, 12);
  cairo_scale(cr, 1, sy);
  cairo_arc(cr, -8, 0, 5.5, 0, 2 * Pi);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, -8, 0, 2.5, 2 * Pi, 0);
  cairo_rectangle(cr, -3, -1.8, 15, 3.6);
  cairo_rectangle(cr, 7, 1.5, 2.5, 4.5);
  cairo_rectangle(cr, 10.5, 1.5, 2, 3.5);
  cairo_restore(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  FillLine(cr, metal, pal::BrassDark, 1);
  Set(cr, pal::Ruby);
  cairo_arc(cr, 8, 12, 1.4 * sy + 0.4, 0, 2 * Pi);
  cairo_fill(cr);
}

void GenerateSpinningThings(const std::string& outDir) {
  ArtCanvas canvas(160, 24 * 32);
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < 32; ++f) {
    cairo_save(cr);
    cairo_translate(cr, 0, 24 * f);
    DrawKey(cr, 2 * Pi * f / 32);
    cairo_restore(cr);
  }
  struct Column {
    int X, Frames;
    Rgb Colour;
    double Width;
  };
  // Blue 50, magenta 100, green 1000, yellow 250.
  const Column columns[] = {{32, 32, pal::Sapphire, 16},
                            {64, 16, {0.80, 0.16, 0.55}, 18},
                            {96, 16, pal::Emerald, 20},
                            {128, 13, pal::Topaz, 19}};
  for (const Column& c : columns)
    for (int f = 0; f < c.Frames; ++f)
      DrawJewel(cr, c.X + 16, 24 * f + 12, c.Width, 19, c.Colour, 2 * Pi * f / c.Frames);
  canvas.SaveJpeg(outDir, "SpinningThings.jpg");
}

// Stone door frames; frame f opens the doors by f / 6.
void GenerateExits(const std::string& outDir) {
  ArtCanvas canvas(224, 256);
  cairo_t* cr = canvas.Cr();
  auto doorway = [&](double x, double y, double w, double h, double open, bool arch) {
    // The stone surround.
    if (arch) {
      cairo_move_to(cr, x, y + h);
      cairo_line_to(cr, x, y + w / 2);
      cairo_arc(cr, x + w / 2, y + w / 2, w / 2, Pi, 2 * Pi);
      cairo_line_to(cr, x + w, y + h);
      cairo_close_path(cr);
    } else {
      cairo_rectangle(cr, x, y, w, h);
    }
    FillVertical(cr, y, y + h, pal::StoneLight, pal::StoneDark);
    Set(cr, pal::Ink);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The opening, lit from within as it widens.
    const double ix = x + 4, iy = y + (arch ? 5 : 4), iw = w - 8, ih = h - (arch ? 5 : 8);
    cairo_save(cr);
    if (arch) {
      cairo_move_to(cr, ix, iy + ih);
      cairo_line_to(cr, ix, iy + iw / 2);
      cairo_arc(cr, ix + iw / 2, iy + iw / 2, iw / 2, Pi, 2 * Pi);
      cairo_line_to(cr, ix + iw, iy + ih);
      cairo_close_path(cr);
    } else {
      cairo_rectangle(cr, ix, iy, iw, ih);
    }
    cairo_clip_preserve(cr);
    Set(cr, Mix(pal::Ink, pal::LanternGlow, open * 0.85));
    cairo_fill(cr);
    // Two wooden leaves slide apart.
    const double leaf = iw / 2 * (1 - open);
    for (int side = 0; side < 2; ++side) {
      const double lx = side == 0 ? ix : ix + iw - leaf;
      cairo_rectangle(cr, lx, iy, leaf, ih);
      Set(cr, {0.42, 0.26, 0.13});
      cairo_fill_preserve(cr);
      Set(cr, pal::Ink);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
      for (double sy = iy + 4; sy < iy + ih; sy += 7) {
        Set(cr, pal::Brass);
        cairo_arc(cr, side == 0 ? lx + leaf - 2 : lx + 2, sy, 0.9, 0, 2 * Pi);
        cairo_fill(cr);
      }
    }
    cairo_restore(cr);
  };
  for (int f = 0; f < 7; ++f) {
    const double open = f / 6.0;
    const double x = 32 * f;
    doorway(x + 1, 0 + 10, 30, 30, open, true);  // up door: seen beyond steps
    for (int s = 0; s < 3; ++s) {
      cairo_rectangle(cr, x + 3 + s, 40 + 7 * s, 26 - 2 * s, 7);
      FillLine(cr, Shade(pal::Stone, 1.1 - 0.15 * s), pal::StoneShadow, 0.8);
    }
    doorway(x + 1, 64, 30, 44, open, true);  // the door
    cairo_rectangle(cr, x + 1, 108, 30, 6);
    FillLine(cr, pal::Stone, pal::StoneShadow, 0.8);
    doorway(x + 2, 128 + 2, 28, 28, open, false);  // left
    Set(cr, pal::Emerald);
    cairo_move_to(cr, x + 9, 144);
    cairo_line_to(cr, x + 14, 139);
    cairo_line_to(cr, x + 14, 149);
    cairo_close_path(cr);
    cairo_fill(cr);
    doorway(x + 2, 160 + 2, 28, 28, open, false);  // right
    Set(cr, pal::Emerald);
    cairo_move_to(cr, x + 23, 176);
    cairo_line_to(cr, x + 18, 171);
    cairo_line_to(cr, x + 18, 181);
    cairo_close_path(cr);
    cairo_fill(cr);
    // The hatch: a square in the floor whose lid swings up.
    const double hy = 192 + 45 - 16;
    cairo_rectangle(cr, x + 2, hy + 2, 28, 28);
    FillLine(cr, pal::StoneDark, pal::Ink, 1);
    cairo_rectangle(cr, x + 6, hy + 6, 20, 20);
    Set(cr, Mix(pal::Ink, pal::LanternGlow, open * 0.8));
    cairo_fill(cr);
    const double lid = 20 * std::cos(open * Pi / 2);
    const double top = hy + 6 - (20 - lid) * 1.0;
    cairo_rectangle(cr, x + 6, std::min(top, hy + 26 - lid), 20, std::max(lid, 3.0));
    FillLine(cr, {0.45, 0.28, 0.14}, pal::Ink, 0.9);
    Set(cr, pal::Brass);
    cairo_rectangle(cr, x + 14, std::min(top, hy + 26 - lid) + 1, 4, 1.5);
    cairo_fill(cr);
  }
  canvas.SaveJpeg(outDir, "Exits.jpg");
}

// The four edge styles: each a 128-wide block of 4 x 4 cells. Within a block the column
// has bit 0 for "no water above" and bit 1 for "no water right"; the row has bit 0 for "no
// water below" and bit 1 for "no water left". Edges get a stone kerb; the animated water
// is pure blue; rounded outer corners show the floor beneath (key colour).
void GenerateWaterTemplates(const std::string& outDir) {
  ArtCanvas canvas(512, 128);
  cairo_t* cr = canvas.Cr();
  for (int style = 0; style < 4; ++style)
    for (int col = 0; col < 4; ++col)
      for (int row = 0; row < 4; ++row) {
        const bool up = col & 1, right = col & 2, down = row & 1, left = row & 2;
        const double x = style * 128 + col * 32, y = row * 32;
        const double kerb = style == 1 ? 5 : (style == 2 ? 3 : 4);
        const double radius = style == 3 ? 0 : (style == 0 ? 10 : (style == 1 ? 14 : 6));
        cairo_save(cr);
        cairo_rectangle(cr, x, y, 32, 32);
        cairo_clip(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        // The basin: rounded where two open edges meet.
        auto basin = [&](double inset) {
          const double x0 = x + (left ? inset : -1), y0 = y + (up ? inset : -1);
          const double x1 = x + 32 - (right ? inset : -1), y1 = y + 32 - (down ? inset : -1);
          const double r = std::max(0.0, radius - inset);
          cairo_new_path(cr);
          cairo_move_to(cr, x0 + ((up && left) ? r : 0), y0);
          if (up && right)
            cairo_arc(cr, x1 - r, y0 + r, r, -Pi / 2, 0);
          else
            cairo_line_to(cr, x1, y0);
          if (down && right)
            cairo_arc(cr, x1 - r, y1 - r, r, 0, Pi / 2);
          else
            cairo_line_to(cr, x1, y1);
          if (down && left)
            cairo_arc(cr, x0 + r, y1 - r, r, Pi / 2, Pi);
          else
            cairo_line_to(cr, x0, y1);
          if (up && left)
            cairo_arc(cr, x0 + r, y0 + r, r, Pi, 3 * Pi / 2);
          else
            cairo_line_to(cr, x0, y0);
          cairo_close_path(cr);
        };
        const Rgb kerbColour = style == 1 ? pal::Moss : (style == 2 ? pal::Brass : pal::StoneLight);
        basin(0);
        Set(cr, kerbColour);
        cairo_fill(cr);
        basin(kerb * 0.5);
        Set(cr, Shade(kerbColour, 0.7));
        cairo_fill(cr);
        basin(kerb);
        Set(cr, pal::WaterMarker);
        cairo_fill(cr);
        cairo_restore(cr);
      }
  canvas.SaveJpeg(outDir, "WaterTemplates.jpg");
}

// Water noise: 30 bands of 64 rows, each band one frame of a slowly changing ripple field
// that tiles every 256 columns and every 64 rows, looping after the last band. Only the
// blue channel is read; the values stay above the water tint's dark threshold.
void GenerateWaterNoise(const std::string& outDir) {
  constexpr int W = 256, Band = 64, Bands = 30, Half = Bands * Band / 2;
  struct Wave {
    int Kx, Ky, Kt;
    double Phase, Amp;
  };
  ArtRandom random(77);
  std::array<Wave, 9> waves{};
  for (Wave& w : waves) {
    w.Kx = static_cast<int>(random.Next() % 7) - 3;
    w.Ky = static_cast<int>(random.Next() % 3) + 1;
    w.Kt = static_cast<int>(random.Next() % 3) + 1;
    w.Phase = random.Range(0, 2 * Pi);
    w.Amp = random.Range(0.5, 1.0);
  }
  for (int part = 0; part < 2; ++part) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(W) * Half * 3);
    for (int yy = 0; yy < Half; ++yy) {
      const int y = part * Half + yy;
      const int band = y / Band, v = y % Band;
      const double time = 2 * Pi * band / Bands;
      for (int x = 0; x < W; ++x) {
        double sum = 0, total = 0;
        for (const Wave& w : waves) {
          sum += w.Amp * std::sin(2 * Pi * (w.Kx * 4.0 * x / W + w.Ky * double(v) / Band) +
                                  w.Kt * time + w.Phase);
          total += w.Amp;
        }
        const double n = sum / total;  // -1..1
        const double value = 150 + 70 * n;
        const std::uint8_t b = static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
        std::uint8_t* p = rgb.data() + (static_cast<std::size_t>(yy) * W + x) * 3;
        p[0] = p[1] = p[2] = b;
      }
    }
    WriteFileBytes(outDir, part == 0 ? "WaterBWa.jpg" : "WaterBWb.jpg", EncodeJpeg(rgb, W, Half));
  }
}

// Force-field textures: 128 x 128, seamless, thin bright filaments on black for the two
// additive passes; the light texture is a few keyed sparks for slow machines.
void GenerateForceFields(const std::string& outDir) {
  constexpr int N = 128;
  auto filaments = [&](std::uint32_t seed, Rgb colour, const std::string& name) {
    ArtRandom random(seed);
    struct Wave {
      int Kx, Ky;
      double Phase;
    };
    std::array<Wave, 5> waves{};
    for (Wave& w : waves) {
      w.Kx = static_cast<int>(random.Next() % 5) - 2;
      w.Ky = static_cast<int>(random.Next() % 4) + 1;
      w.Phase = random.Range(0, 2 * Pi);
    }
    std::vector<std::uint8_t> rgb(N * N * 3);
    for (int y = 0; y < N; ++y)
      for (int x = 0; x < N; ++x) {
        double f = 0;
        for (const Wave& w : waves)
          f += std::sin(2 * Pi * (w.Kx * double(x) + w.Ky * double(y)) / N + w.Phase +
                        1.5 * std::sin(2 * Pi * (w.Ky * double(x) - w.Kx * double(y)) / N));
        const double line = std::pow(std::max(0.0, 1.0 - std::fabs(f) / 1.2), 3.0);
        const double glow = 0.85 * line;
        std::uint8_t* p = rgb.data() + (static_cast<std::size_t>(y) * N + x) * 3;
        p[0] = static_cast<std::uint8_t>(std::clamp(colour.R * glow * 255.0, 0.0, 255.0));
        p[1] = static_cast<std::uint8_t>(std::clamp(colour.G * glow * 255.0, 0.0, 255.0));
        p[2] = static_cast<std::uint8_t>(std::clamp(colour.B * glow * 255.0, 0.0, 255.0));
      }
    WriteFileBytes(outDir, name, EncodeJpeg(rgb, N, N));
  };
  filaments(11, {0.55, 0.60, 0.70}, "ForceField.Jpg");
  filaments(23, {0.85, 0.10, 0.08}, "ForceFieldRed.Jpg");
  filaments(37, {0.10, 0.85, 0.12}, "ForceFieldGreen.Jpg");
  filaments(41, {0.10, 0.20, 0.90}, "ForceFieldBlue.Jpg");

  ArtCanvas lite(N, N);
  cairo_t* cr = lite.Cr();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  ArtRandom random(5);
  for (int s = 0; s < 40; ++s) {
    const double x = std::floor(random.Range(2, N - 2)), y = std::floor(random.Range(2, N - 2));
    const Rgb c = Mix(pal::WaterLight, pal::Diamond, random.Unit());
    Set(cr, c);
    cairo_rectangle(cr, x - 1, y, 3, 1);
    cairo_rectangle(cr, x, y - 1, 1, 3);
    cairo_fill(cr);
  }
  lite.SaveJpeg(outDir, "ForceFieldLite.Jpg");
}

// --- Hostiles ------------------------------------------------------------------------------------

constexpr Rgb SnakeBody{0.36, 0.52, 0.16};

// A coiled snake facing left in a 32 x 48 cell, its neck swaying by sway (-1..1).
void DrawSnake(cairo_t* cr, double sway) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // The coil.
  Ellipse(cr, 16, 40, 11, 5);
  FillLine(cr, Shade(SnakeBody, 0.8), pal::Ink, 1);
  Ellipse(cr, 16, 37.5, 8, 3.8);
  FillLine(cr, SnakeBody, pal::Ink, 1);
  // The neck rises from the coil in an S and the head leans with it.
  const double hx = 12 + sway * 4, hy = 16 + std::fabs(sway) * 1.5;
  cairo_move_to(cr, 19, 37);
  cairo_curve_to(cr, 24, 28, 12 - sway * 3, 28, hx + 3, hy + 4);
  Set(cr, pal::Ink);
  cairo_set_line_width(cr, 6.5);
  cairo_stroke_preserve(cr);
  Set(cr, SnakeBody);
  cairo_set_line_width(cr, 4.8);
  cairo_stroke_preserve(cr);
  // Brass bands along the back.
  Set(cr, pal::Brass);
  cairo_set_line_width(cr, 1.4);
  const double dashes[] = {1.5, 4};
  cairo_set_dash(cr, dashes, 2, 0);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  // Head with ruby eyes and a forked tongue.
  Ellipse(cr, hx, hy, 6, 4);
  FillLine(cr, Shade(SnakeBody, 1.15), pal::Ink, 1);
  Set(cr, pal::Ruby);
  cairo_arc(cr, hx - 1.5, hy - 1.2, 1.2, 0, 2 * Pi);
  cairo_fill(cr);
  Line(cr, hx - 6, hy + 1, hx - 9.5, hy + 1, pal::Ruby, 0.8);
  Line(cr, hx - 9.5, hy + 1, hx - 11, hy - 0.5, pal::Ruby, 0.7);
  Line(cr, hx - 9.5, hy + 1, hx - 11, hy + 2.5, pal::Ruby, 0.7);
}

void GenerateSnake(const std::string& outDir) {
  ArtCanvas canvas(64, 48 * 31);
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < 31; ++f) {
    const double sway = std::sin(2 * Pi * f / 31);
    // Column 0 faces left, column 32 faces right.
    cairo_save(cr);
    cairo_translate(cr, 0, 48 * f);
    DrawSnake(cr, sway);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, 64, 48 * f);
    cairo_scale(cr, -1, 1);
    DrawSnake(cr, sway);
    cairo_restore(cr);
  }
  canvas.SaveJpeg(outDir, "Snake1.jpg");
}

// A cave spider seen from above, heading along +x, centred at the origin.
void DrawSpider(cairo_t* cr, double phase, double scale) {
  cairo_save(cr);
  cairo_scale(cr, scale, scale);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int side = -1; side <= 1; side += 2)
    for (int leg = 0; leg < 4; ++leg) {
      const double base = -4.5 + leg * 3;
      const double step = std::sin(phase + leg * Pi / 2 + (side > 0 ? Pi : 0)) * 2.2;
      const double kneeX = base + (leg - 1.5) * 2 + step * 0.5, kneeY = side * 7;
      const double footX = base + (leg - 1.5) * 4 + step, footY = side * 11;
      cairo_move_to(cr, base * 0.4, side * 2);
      cairo_line_to(cr, kneeX, kneeY);
      cairo_line_to(cr, footX, footY);
      Set(cr, pal::Ink);
      cairo_set_line_width(cr, 2.2);
      cairo_stroke_preserve(cr);
      Set(cr, {0.42, 0.30, 0.36});
      cairo_set_line_width(cr, 1.1);
      cairo_stroke(cr);
    }
  Ellipse(cr, -5, 0, 6.5, 5.2);  // abdomen
  FillLine(cr, {0.30, 0.20, 0.28}, pal::Ink, 1);
  Set(cr, pal::Amethyst);
  Ellipse(cr, -5.5, 0, 2.8, 1.6);
  cairo_fill(cr);
  Ellipse(cr, 3, 0, 4, 3.4);  // head
  FillLine(cr, {0.38, 0.26, 0.34}, pal::Ink, 1);
  Set(cr, pal::Ruby);
  for (double e : {-1.3, 1.3}) {
    cairo_arc(cr, 5.2, e, 0.9, 0, 2 * Pi);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void GenerateSpider(const std::string& outDir) {
  ArtCanvas canvas(360, 104);
  cairo_t* cr = canvas.Cr();
  // Row tops: left 0, right 26, up 52, down 78.
  const struct {
    int Top;
    double Angle;
  } rows[] = {{0, Pi}, {26, 0}, {52, -Pi / 2}, {78, Pi / 2}};
  for (const auto& row : rows)
    for (int f = 0; f < 10; ++f) {
      cairo_save(cr);
      cairo_rectangle(cr, 36 * f, row.Top, 36, 26);
      cairo_clip(cr);
      cairo_translate(cr, 36 * f + 18, row.Top + 13);
      cairo_rotate(cr, row.Angle);
      const bool vertical = std::fabs(std::sin(row.Angle)) > 0.5;
      DrawSpider(cr, 2 * Pi * f / 10, vertical ? 0.95 : 1.05);
      cairo_restore(cr);
    }
  canvas.SaveJpeg(outDir, "Spider.jpg");
}

// A fiery burst on black for the additive pictures; t runs 0..1 over its life.
void DrawBurst(cairo_t* cr, double cx, double cy, double size, double t, std::uint32_t seed) {
  const double grow = std::min(1.0, t * 3);
  const double fade = t < 0.3 ? 1.0 : std::max(0.0, 1.0 - (t - 0.3) / 0.7);
  Glow(cr, cx, cy, size * (0.4 + 0.6 * grow), pal::Flame, 0.9 * fade);
  Glow(cr, cx, cy, size * 0.55 * grow, pal::LanternGlow, fade);
  Glow(cr, cx, cy, size * 0.3 * (1 - t), {1, 1, 0.9}, 1.0 - t);
  ArtRandom random(seed);
  for (int i = 0; i < 14; ++i) {
    const double a = random.Range(0, 2 * Pi), d = random.Range(0.3, 1.0) * size * grow;
    const double r = size * random.Range(0.12, 0.25) * (1 - 0.5 * t);
    Glow(cr, cx + std::cos(a) * d, cy + std::sin(a) * d - t * size * 0.3, r,
         i % 2 ? pal::Flame : pal::Ruby, 0.8 * fade);
  }
}

void GenerateExplosion(const std::string& outDir) {
  ArtCanvas canvas(52 * 27, 54);
  canvas.Fill({0, 0, 0});
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < 27; ++f) {
    cairo_save(cr);
    cairo_rectangle(cr, 52 * f, 0, 52, 54);
    cairo_clip(cr);
    DrawBurst(cr, 52 * f + 26, 28, 25, f / 26.0, 99);
    cairo_restore(cr);
  }
  canvas.SaveJpeg(outDir, "Explosion1.jpg");
}

// The cherry bomb's blast, frames 2..27: a cross of flame over the bomb's cell and its
// neighbours, with a plume rising. 160 x 132 cells, hot spot (78, 85).
void GenerateBlast(const std::string& outDir) {
  ArtCanvas canvas(160, 132 * 26);
  canvas.Fill({0, 0, 0});
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < 26; ++f) {
    const double t = f / 25.0;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 132 * f, 160, 132);
    cairo_clip(cr);
    const double cx = 78, cy = 132 * f + 85;
    const double reach = 40 * std::min(1.0, t * 4);
    const double fade = t < 0.35 ? 1.0 : std::max(0.0, 1.0 - (t - 0.35) / 0.65);
    for (int d = 0; d < 4; ++d) {
      const double dx = d == 0 ? 1 : (d == 1 ? -1 : 0), dy = d == 2 ? 1 : (d == 3 ? -1 : 0);
      for (int k = 1; k <= 4; ++k)
        Glow(cr, cx + dx * reach * k / 4, cy + dy * reach * k / 4, 16 - k * 1.5, pal::Flame,
             0.8 * fade);
    }
    DrawBurst(cr, cx, cy - t * 30, 34, t, 1000 + static_cast<std::uint32_t>(f % 3));
    cairo_restore(cr);
  }
  canvas.SaveJpeg(outDir, "FireBall.jpg");
}

// --- BaseGfx.bmp ------------------------------------------------------------------------------

// The eight field colours: dark grey, red, green, yellow, blue, magenta, cyan, light grey.
const std::array<Rgb, 8> FieldColours{{{0.35, 0.35, 0.38},
                                       {0.85, 0.15, 0.12},
                                       {0.15, 0.75, 0.20},
                                       {0.92, 0.80, 0.15},
                                       {0.18, 0.35, 0.90},
                                       {0.75, 0.20, 0.70},
                                       {0.15, 0.78, 0.80},
                                       {0.78, 0.78, 0.80}}};

void DrawBoulder(cairo_t* cr, double x, double y, bool sunk) {
  if (sunk) {
    Ellipse(cr, x + 16, y + 18, 13, 9);
    FillLine(cr, pal::WaterDeep, pal::Water, 1.5);
    Ellipse(cr, x + 16, y + 16, 10, 5);
    FillVertical(cr, y + 11, y + 21, pal::Stone, pal::StoneDark);
    Set(cr, pal::Ink);
    cairo_stroke(cr);
    return;
  }
  cairo_move_to(cr, x + 5, y + 24);
  cairo_curve_to(cr, x + 1, y + 14, x + 6, y + 4, x + 16, y + 3);
  cairo_curve_to(cr, x + 26, y + 3, x + 31, y + 13, x + 28, y + 23);
  cairo_curve_to(cr, x + 25, y + 30, x + 9, y + 31, x + 5, y + 24);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(x + 12, y + 10, 2, x + 16, y + 16, 16);
  cairo_pattern_add_color_stop_rgb(g, 0, pal::StoneLight.R, pal::StoneLight.G, pal::StoneLight.B);
  cairo_pattern_add_color_stop_rgb(g, 1, pal::StoneDark.R, pal::StoneDark.G, pal::StoneDark.B);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  Set(cr, pal::Ink);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  Set(cr, pal::Moss);
  Ellipse(cr, x + 20, y + 7, 5, 2.2);
  cairo_fill(cr);
  Line(cr, x + 9, y + 19, x + 14, y + 22, pal::StoneShadow, 0.8);
}

void DrawPillar(cairo_t* cr, double x, double y, int frame) {
  const double rise = frame * 16.0 / 11.0;
  const double top = y + 16 - rise;
  // The shaft below the top face, then the carved top.
  if (rise > 0) {
    cairo_rectangle(cr, x + 2, top + 30, 28, y + 48 - (top + 30));
    FillVertical(cr, top + 30, y + 48, pal::Stone, pal::StoneShadow);
    Set(cr, pal::Ink);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (double ly = top + 34; ly < y + 46; ly += 6)
      Line(cr, x + 3, ly, x + 29, ly, pal::StoneDark, 0.7);
  }
  cairo_rectangle(cr, x + 2, top + 2, 28, 28);
  FillVertical(cr, top + 2, top + 30, pal::Sandstone, pal::Stone);
  Set(cr, pal::Ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, x + 7, top + 7, 18, 18);
  Set(cr, pal::StoneDark);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Set(cr, pal::Brass);
  cairo_arc(cr, x + 16, top + 16, 3, 0, 2 * Pi);
  cairo_fill(cr);
}

void DrawFieldTile(ArtCanvas& canvas, double x, double y, Rgb colour, bool on) {
  cairo_t* cr = canvas.Cr();
  canvas.FillRect(x, y, 32, 32, pal::StoneDark);
  cairo_rectangle(cr, x + 1, y + 1, 30, 30);
  Set(cr, pal::StoneShadow);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (on) {
    cairo_rectangle(cr, x + 3, y + 3, 26, 26);
    Set(cr, Shade(colour, 0.45));
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
      const double yy = y + 6 + i * 6.5;
      cairo_move_to(cr, x + 4, yy);
      cairo_curve_to(cr, x + 12, yy - 3, x + 20, yy + 3, x + 28, yy);
      Set(cr, Mix(colour, {1, 1, 1}, 0.35), 0.8);
      cairo_set_line_width(cr, 1.3);
      cairo_stroke(cr);
    }
  }
  // Brass emitters at the corners with the field's jewel.
  for (double cx : {x + 4.5, x + 27.5})
    for (double cy : {y + 4.5, y + 27.5}) {
      cairo_arc(cr, cx, cy, 3.2, 0, 2 * Pi);
      FillLine(cr, pal::Brass, pal::BrassDark, 0.8);
      Set(cr, on ? Mix(colour, {1, 1, 1}, 0.3) : Shade(colour, 0.6));
      cairo_arc(cr, cx, cy, 1.6, 0, 2 * Pi);
      cairo_fill(cr);
    }
}

void DrawDroid(cairo_t* cr, double x, double y, int frame) {
  const double t = 2 * Pi * frame / 10;
  const double hover = std::sin(t) * 1.2;
  cairo_save(cr);
  cairo_translate(cr, x + 16, y + 16 + hover);
  cairo_arc(cr, 0, 0, 10, 0, 2 * Pi);
  FillVertical(cr, -10, 10, pal::BrassLight, pal::BrassDark);
  Set(cr, pal::Ink);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // A band of rivets that turns, and a seeking eye.
  for (int i = 0; i < 6; ++i) {
    const double a = t + i * Pi / 3;
    if (std::cos(a) < 0) continue;
    Set(cr, pal::BrassDark);
    cairo_arc(cr, std::sin(a) * 9, 2, 1, 0, 2 * Pi);
    cairo_fill(cr);
  }
  cairo_arc(cr, 0, -2, 4.5, 0, 2 * Pi);
  FillLine(cr, pal::Ink, pal::BrassDark, 1);
  Set(cr, Mix(pal::Ruby, {1, 0.6, 0.5}, 0.5 + 0.5 * std::sin(t * 2)));
  cairo_arc(cr, std::sin(t) * 1.5, -2, 2.2, 0, 2 * Pi);
  cairo_fill(cr);
  // Little vanes.
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, side * 9, -4);
    cairo_line_to(cr, side * 14, -7 + std::sin(t * 2) * 1.5);
    cairo_line_to(cr, side * 10, 2);
    cairo_close_path(cr);
    FillLine(cr, pal::Brass, pal::Ink, 0.9);
  }
  cairo_restore(cr);
}

void DrawBomb(cairo_t* cr, double x, double y, double fuse, double flash) {
  cairo_arc(cr, x + 15, y + 19, 9, 0, 2 * Pi);
  cairo_pattern_t* g = cairo_pattern_create_radial(x + 12, y + 15, 1, x + 15, y + 19, 10);
  const Rgb body = Mix({0.62, 0.08, 0.10}, {1.0, 0.75, 0.55}, flash);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.7, 0.7);
  cairo_pattern_add_color_stop_rgb(g, 1, body.R, body.G, body.B);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  Set(cr, pal::Ink);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // Stalk and fuse.
  cairo_move_to(cr, x + 16, y + 10);
  cairo_curve_to(cr, x + 17, y + 6, x + 21, y + 4, x + 24, y + 4 + (1 - fuse) * 2);
  Set(cr, Mix(pal::MossDark, pal::Moss, 0.5));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  Ellipse(cr, x + 20, y + 7, 3, 1.5);
  Set(cr, pal::Moss);
  cairo_fill(cr);
  if (fuse > 0) {
    Set(cr, pal::LanternGlow);
    cairo_arc(cr, x + 24, y + 4, 1.5 + fuse, 0, 2 * Pi);
    cairo_fill(cr);
    Set(cr, {1, 1, 0.85});
    cairo_arc(cr, x + 24, y + 4, 0.9 + fuse * 0.5, 0, 2 * Pi);
    cairo_fill(cr);
  }
}

void DrawMenuButtonFrame(ArtCanvas& canvas, double x, double y, double glow, bool pressed) {
  cairo_t* cr = canvas.Cr();
  canvas.FillRect(x, y, 96, 48, pal::StoneShadow);
  RoundRect(cr, x + 2, y + 2, 92, 44, 8);
  FillVertical(cr, y + 2, y + 46, pressed ? pal::BrassDark : pal::BrassLight,
               pressed ? pal::Brass : pal::BrassDark);
  Set(cr, pal::Ink);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  RoundRect(cr, x + 8, y + 8, 80, 32, 5);
  FillVertical(cr, y + 8, y + 40, pressed ? pal::StoneShadow : pal::StoneDark, pal::StoneShadow);
  Set(cr, Mix(pal::BrassDark, pal::LanternGlow, glow));
  cairo_set_line_width(cr, 1.2 + glow * 1.5);
  cairo_stroke(cr);
  // A jewel on each side, brightening with the glow.
  for (double jx : {x + 4.5, x + 91.5}) {
    cairo_arc(cr, jx, y + 24, 2.6, 0, 2 * Pi);
    Set(cr, Mix(Shade(pal::Emerald, 0.6), Mix(pal::Emerald, {1, 1, 1}, 0.4), glow));
    cairo_fill(cr);
  }
}

void GenerateBaseGfx(const std::string& outDir) {
  ArtCanvas canvas(576, 480);
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < 12; ++f) DrawPillar(cr, 32 * f, 0, f);
  // The side-panel menu button: six glow frames and the pressed frame.
  for (int k = 0; k < 6; ++k)
    DrawMenuButtonFrame(canvas, 384, 48 * k, std::sin(Pi * k / 5.0 * 0.5 + 0.0) * 0.2 + k / 6.0,
                        false);
  DrawMenuButtonFrame(canvas, 480, 240, 1.0, true);

  // Additive cells: black where nothing is added.
  auto blackCell = [&](double x, double y) { canvas.FillRect(x, y, 32, 32, {0, 0, 0}); };
  for (int i = 0; i < 7; ++i) {
    blackCell(32 * i, 160);
    cairo_save(cr);
    cairo_rectangle(cr, 32 * i, 160, 32, 32);
    cairo_clip(cr);
    DrawBurst(cr, 32 * i + 16, 176, 14, i / 6.0, 7);
    cairo_restore(cr);
  }
  // The pointer: a brass arrow with its tip at (2, 2) of the cell.
  cairo_move_to(cr, 34, 194);
  cairo_line_to(cr, 34, 216);
  cairo_line_to(cr, 40, 210);
  cairo_line_to(cr, 45, 220);
  cairo_line_to(cr, 49, 218);
  cairo_line_to(cr, 44, 208);
  cairo_line_to(cr, 52, 208);
  cairo_close_path(cr);
  FillVertical(cr, 194, 220, pal::BrassLight, pal::Brass);
  Set(cr, pal::Ink);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);

  DrawBoulder(cr, 0, 224, false);
  // The slider knob.
  cairo_arc(cr, 48, 240, 10, 0, 2 * Pi);
  FillVertical(cr, 230, 250, pal::BrassLight, pal::BrassDark);
  Set(cr, pal::Ink);
  cairo_stroke(cr);
  cairo_arc(cr, 48, 240, 4, 0, 2 * Pi);
  Set(cr, pal::Ruby);
  cairo_fill(cr);
  // The info icon (additive): a glowing "i" in a ring.
  blackCell(64, 224);
  Glow(cr, 80, 240, 14, pal::Sapphire, 0.6);
  cairo_arc(cr, 80, 240, 11, 0, 2 * Pi);
  Set(cr, pal::WaterLight);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_arc(cr, 80, 234, 1.8, 0, 2 * Pi);
  Set(cr, pal::Diamond);
  cairo_fill(cr);
  Line(cr, 80, 238.5, 80, 246, pal::Diamond, 3);
  DrawBoulder(cr, 96, 224, true);

  // Snake icon: the snake scaled into a square.
  cairo_save(cr);
  cairo_translate(cr, 5, 256);
  cairo_scale(cr, 0.67, 0.67);
  DrawSnake(cr, 0.3);
  cairo_restore(cr);
  // Fireballs (additive), flying right and left.
  for (int d = 0; d < 2; ++d) {
    const double x = 64 + 32 * d;
    blackCell(x, 256);
    cairo_save(cr);
    cairo_rectangle(cr, x, 256, 32, 32);
    cairo_clip(cr);
    const double dir = d == 0 ? 1 : -1;
    for (int k = 4; k >= 0; --k)
      Glow(cr, x + 16 - dir * k * 3.2, 256 + (d == 0 ? 16 : 28) - 12 * (d == 1) * 0, 8 - k,
           k == 0 ? pal::LanternGlow : pal::Flame, 0.9 - k * 0.15);
    Glow(cr, x + 16, 256 + (d == 0 ? 16 : 28), 4, {1, 1, 0.9}, 1);
    cairo_restore(cr);
  }

  // Key, jewel, dirt, water icon.
  cairo_save(cr);
  cairo_translate(cr, 0, 292);
  DrawKey(cr, 0);
  cairo_restore(cr);
  DrawJewel(cr, 48, 304, 18, 19, {0.80, 0.16, 0.55}, 0.3);
  ArtRandom rubble(300);
  for (int i = 0; i < 9; ++i) {
    ArtRandom& random = rubble;
    const double cx = 100 + random.Range(0, 24), cy = 294 + random.Range(4, 22);
    Ellipse(cr, cx, cy, random.Range(3, 6), random.Range(2.5, 4.5));
    FillLine(cr, Mix(pal::StoneDark, pal::Stone, random.Unit()), pal::StoneShadow, 0.8);
  }
  Set(cr, pal::Moss);
  Ellipse(cr, 106, 296, 3, 1.5);
  cairo_fill(cr);
  RoundRect(cr, 130, 290, 28, 28, 7);
  FillLine(cr, pal::Water, pal::StoneLight, 2.5);
  for (int i = 0; i < 3; ++i) {
    cairo_move_to(cr, 135, 298 + i * 6);
    cairo_curve_to(cr, 140, 295 + i * 6, 146, 301 + i * 6, 152, 298 + i * 6);
    Set(cr, pal::WaterLight);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }

  // The cherry bomb: lying, lit, flashing, then the first two blast frames.
  DrawBomb(cr, 0, 320, 0, 0);
  for (int i = 0; i < 3; ++i) DrawBomb(cr, 32 + 32 * i, 320, 0.4 + 0.3 * i, 0);
  for (int i = 0; i < 5; ++i) DrawBomb(cr, 128 + 32 * i, 320, 1, i % 2 == 0 ? 0.8 : 0.1);
  for (int i = 0; i < 2; ++i) {
    const double x = 288 + 32 * i;
    cairo_arc(cr, x + 16, 336, 7 + 6 * i, 0, 2 * Pi);
    Set(cr, pal::Flame);
    cairo_fill(cr);
    cairo_arc(cr, x + 16, 336, 4 + 4 * i, 0, 2 * Pi);
    Set(cr, {1, 0.95, 0.7});
    cairo_fill(cr);
  }

  // Push buttons, fields off and on, per colour.
  for (int c = 0; c < 8; ++c) {
    const Rgb colour = FieldColours[static_cast<std::size_t>(c)];
    const double x = 32 * c;
    cairo_arc(cr, x + 16, 368, 12, 0, 2 * Pi);
    FillVertical(cr, 356, 380, pal::BrassLight, pal::BrassDark);
    Set(cr, pal::Ink);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, x + 16, 367, 7, 0, 2 * Pi);
    FillVertical(cr, 360, 374, Mix(colour, {1, 1, 1}, 0.4), Shade(colour, 0.6));
    Set(cr, Shade(colour, 0.4));
    cairo_stroke(cr);
    DrawFieldTile(canvas, x, 384, colour, false);
    DrawFieldTile(canvas, x, 448, colour, true);
  }
  for (int i = 0; i < 10; ++i) DrawDroid(cr, 256 + 32 * i, 384, i);
  canvas.SaveBmp(outDir, "BaseGfx.bmp");
}

// --- Death pictures
// -------------------------------------------------------------------------------

// A lantern-lit ruin wall behind every death picture.
void DrawRuinBackdrop(ArtCanvas& canvas, std::uint32_t seed, double lightX) {
  cairo_t* cr = canvas.Cr();
  canvas.Fill(pal::StoneShadow);
  ArtRandom random(seed);
  for (int row = 0; row < 8; ++row) {
    double x = -random.Range(0, 40);
    while (x < 448) {
      const double w = random.Range(40, 80);
      RoundRect(cr, x + 1, row * 20 + 1, w - 2, 18, 3);
      Set(cr, Mix(pal::StoneDark, pal::Stone, random.Range(0.1, 0.6)));
      cairo_fill(cr);
      x += w;
    }
  }
  // Moss creeping down from the top.
  for (int i = 0; i < 30; ++i) {
    const double x = random.Range(0, 448);
    Ellipse(cr, x, random.Range(0, 20), random.Range(8, 20), random.Range(4, 10));
    Set(cr, Mix(pal::MossDark, pal::Moss, random.Unit()), 0.9);
    cairo_fill(cr);
  }
  // Floor.
  cairo_rectangle(cr, 0, 150, 448, 30);
  FillVertical(cr, 150, 180, pal::Stone, pal::StoneShadow);
  cairo_new_path(cr);
  // Lantern light falling on the scene, and darkness at the edges.
  Glow(cr, lightX, 120, 220, pal::LanternGlow, 0.35);
  cairo_pattern_t* v = cairo_pattern_create_radial(224, 90, 120, 224, 90, 300);
  cairo_pattern_add_color_stop_rgba(v, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.75);
  cairo_set_source(cr, v);
  cairo_paint(cr);
  cairo_pattern_destroy(v);
}

// The explorer's hat and lantern left behind, at a scale and place.
void DrawLeftBehind(cairo_t* cr, double x, double y, double scale, double lit, double tilt) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_save(cr);
  cairo_rotate(cr, tilt);
  DrawHat(cr, 0, -8, false, false);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, 14, -4);
  cairo_rotate(cr, Pi / 2);
  if (lit > 0) Glow(cr, 5, 0, 12, pal::LanternGlow, 0.5 * lit);
  DrawLantern(cr, 0, -4, 1, lit);
  cairo_restore(cr);
  cairo_restore(cr);
}

void GenerateDeathPictures(const std::string& outDir) {
  auto save = [&](ArtCanvas& canvas, const std::string& name) { canvas.SaveJpeg(outDir, name); };
  for (int n = 1; n <= 6; ++n) {
    ArtCanvas canvas(448, 180);
    cairo_t* cr = canvas.Cr();
    DrawRuinBackdrop(canvas, 100 + static_cast<std::uint32_t>(n), 120 + 40 * n);
    const double lit = (n % 3 == 0) ? 0.0 : 1.0 - 0.15 * n;
    switch (n) {
      case 1:  // the hat and lantern on the floor
        DrawLeftBehind(cr, 224, 160, 4.5, lit, 0.2);
        break;
      case 2:  // crushed by a boulder, the hat peeping out
        DrawLeftBehind(cr, 150, 160, 4.0, lit, -0.4);
        cairo_save(cr);
        cairo_translate(cr, 200, 40);
        cairo_scale(cr, 4, 4);
        DrawBoulder(cr, 0, 0, false);
        cairo_restore(cr);
        break;
      case 3:  // the lantern gone out in the dark
        DrawLeftBehind(cr, 260, 162, 3.5, 0, 0.5);
        break;
      case 4:  // a tumble down the steps
        for (int s = 0; s < 4; ++s) {
          cairo_rectangle(cr, 60 + s * 40, 70 + s * 22, 448, 22);
          FillVertical(cr, 70 + s * 22, 92 + s * 22, pal::StoneLight, pal::StoneDark);
        }
        DrawLeftBehind(cr, 330, 160, 4.0, lit, 1.0);
        break;
      case 5:  // sunk in the water, only the hat afloat
        cairo_rectangle(cr, 0, 120, 448, 60);
        FillVertical(cr, 120, 180, pal::Water, pal::WaterDeep);
        cairo_new_path(cr);
        for (int i = 0; i < 4; ++i) {
          Ellipse(cr, 224, 130, 30 + 25 * i, 6 + 4 * i);
          Set(cr, pal::WaterLight, 0.6 - i * 0.12);
          cairo_set_line_width(cr, 2);
          cairo_stroke(cr);
        }
        cairo_save(cr);
        cairo_translate(cr, 224, 130);
        cairo_scale(cr, 4, 4);
        DrawHat(cr, 0, -8, false, false);
        cairo_restore(cr);
        break;
      default:  // a cairn with the hat on top
        for (int r = 0; r < 4; ++r)
          for (int k = 0; k <= 3 - r; ++k) {
            Ellipse(cr, 224 - (3 - r) * 16 + k * 32, 160 - r * 22, 17, 12);
            FillLine(cr, Mix(pal::StoneDark, pal::StoneLight, 0.3 + 0.15 * r), pal::Ink, 1.5);
          }
        cairo_save(cr);
        cairo_translate(cr, 224, 90);
        cairo_scale(cr, 3, 3);
        DrawHat(cr, 0, -8, false, false);
        cairo_restore(cr);
        break;
    }
    save(canvas, "Popup_GeneralDeath" + std::to_string(n) + ".Jpg");
  }
  for (int n = 1; n <= 3; ++n) {
    const double shift = (n - 2) * 70.0;
    {  // The bomb: a scorched crater, smoke and the hat in the air.
      ArtCanvas canvas(448, 180);
      cairo_t* cr = canvas.Cr();
      DrawRuinBackdrop(canvas, 200 + static_cast<std::uint32_t>(n), 224 + shift);
      Ellipse(cr, 224 + shift, 160, 90, 14);
      Set(cr, pal::Ink, 0.85);
      cairo_fill(cr);
      for (int i = 0; i < 8; ++i)
        Glow(cr, 224 + shift + (i - 4) * 18, 110 - i % 3 * 20, 40, {0.45, 0.40, 0.36}, 0.5);
      DrawBurst(cr, 224 + shift, 140, 50, 0.3 + 0.2 * n, 50 + static_cast<std::uint32_t>(n));
      cairo_save(cr);
      cairo_translate(cr, 224 - shift, 40);
      cairo_rotate(cr, 0.6 * n);
      cairo_scale(cr, 3, 3);
      DrawHat(cr, 0, -4, false, false);
      cairo_restore(cr);
      save(canvas, "Popup_BombDeath" + std::to_string(n) + ".Jpg");
    }
    {  // The snake, coiled and content, beside what is left.
      ArtCanvas canvas(448, 180);
      cairo_t* cr = canvas.Cr();
      DrawRuinBackdrop(canvas, 300 + static_cast<std::uint32_t>(n), 224 - shift);
      cairo_save(cr);
      cairo_translate(cr, 224 + shift - 60, -15);
      cairo_scale(cr, 3.8, 3.8);
      if (n == 2) {
        cairo_translate(cr, 32, 0);
        cairo_scale(cr, -1, 1);
      }
      DrawSnake(cr, 0.5 * (n - 2));
      cairo_restore(cr);
      DrawLeftBehind(cr, 224 - shift + (n == 2 ? 120 : 0), 162, 3.0, 0.6, 0.3);
      save(canvas, "Popup_SnakeDeath" + std::to_string(n) + ".Jpg");
    }
    {  // The spider in its web over the hat.
      ArtCanvas canvas(448, 180);
      cairo_t* cr = canvas.Cr();
      DrawRuinBackdrop(canvas, 400 + static_cast<std::uint32_t>(n), 224 + shift);
      const double wx = 224 + shift, wy = 60;
      Set(cr, pal::Parchment, 0.45);
      cairo_set_line_width(cr, 1.2);
      for (int s = 0; s < 12; ++s) {
        cairo_move_to(cr, wx, wy);
        cairo_line_to(cr, wx + std::cos(s * Pi / 6) * 200, wy + std::sin(s * Pi / 6) * 200);
      }
      cairo_stroke(cr);
      for (int r = 1; r <= 6; ++r) {
        cairo_arc(cr, wx, wy, r * 28, 0, 2 * Pi);
        cairo_stroke(cr);
      }
      DrawLeftBehind(cr, wx - 40, 162, 3.0, 0.4, -0.2);
      cairo_save(cr);
      cairo_translate(cr, wx, wy + 20);
      cairo_rotate(cr, Pi / 2 + 0.2 * (n - 2));
      DrawSpider(cr, n * 0.7, 4.5);
      cairo_restore(cr);
      save(canvas, "Popup_SpiderDeath" + std::to_string(n) + ".Jpg");
    }
    {  // The seeker droid, still crackling.
      ArtCanvas canvas(448, 180);
      cairo_t* cr = canvas.Cr();
      DrawRuinBackdrop(canvas, 500 + static_cast<std::uint32_t>(n), 224 - shift);
      const double dx = 224 - shift;
      cairo_save(cr);
      cairo_translate(cr, dx - 64, 10);
      cairo_scale(cr, 4, 4);
      DrawDroid(cr, 0, 0, n * 3);
      cairo_restore(cr);
      ArtRandom random(600 + static_cast<std::uint32_t>(n));
      for (int bolt = 0; bolt < 3; ++bolt) {
        double x = dx - 4, y = 100;
        cairo_move_to(cr, x, y);
        for (int k = 0; k < 6; ++k) {
          x += random.Range(-16, 16) + (bolt - 1) * 10;
          y += 10;
          cairo_line_to(cr, x, y);
        }
        Set(cr, pal::WaterLight);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
      }
      DrawLeftBehind(cr, dx + 10, 164, 2.6, 0.2, 0.1 * n);
      save(canvas, "Popup_RobotDeath" + std::to_string(n) + ".Jpg");
    }
  }
}

}  // namespace

void GenerateUnitArt(const std::string& outDir) {
  GenerateBaseGfx(outDir);
  GenerateWalking(outDir);
  GenerateStanding(outDir);
  GenerateDying(outDir);
  GenerateWarp(outDir);
  GenerateSpinningThings(outDir);
  GenerateExits(outDir);
  GenerateWaterTemplates(outDir);
  GenerateWaterNoise(outDir);
  GenerateForceFields(outDir);
  GenerateSnake(outDir);
  GenerateSpider(outDir);
  GenerateExplosion(outDir);
  GenerateBlast(outDir);
  GenerateDeathPictures(outDir);
}

}  // namespace assetgen
