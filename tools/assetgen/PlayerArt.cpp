// The explorer Zevi with her lantern: walking, standing, dying, and the warp sparkle.

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "UnitArt.h"
#include "UnitArtDrawing.h"
#include "assets/PlayerSheets.h"

namespace assetgen {
namespace {

namespace sheets = qn2::sheets;

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
  ArtCanvas canvas(sheets::ZeviWalking.Right(), sheets::ZeviWalking.Bottom());
  cairo_t* cr = canvas.Cr();
  for (int frame = 0; frame < sheets::ZeviWalking.Rows; ++frame)
    for (int c = 0; c < sheets::ZeviWalking.Columns; ++c) {
      cairo_save(cr);
      cairo_translate(cr, sheets::ZeviWalking.X(c), sheets::ZeviWalking.Y(frame));
      DrawExplorer(cr, Columns[static_cast<std::size_t>(c)], WalkPose(frame));
      cairo_restore(cr);
    }
  canvas.SaveJpeg(outDir, sheets::ZeviWalking.Picture);
}

void GenerateStanding(const std::string& outDir) {
  ArtCanvas canvas(sheets::ZeviStanding.Right(), sheets::ZeviStanding.Bottom());
  cairo_t* cr = canvas.Cr();
  for (int variant = 0; variant < sheets::ZeviStanding.Rows; ++variant)
    for (int c = 0; c < sheets::ZeviStanding.Columns; ++c) {
      Pose p;
      if (variant == 1) p.LanternUp = 1;  // lifts the lantern to look around
      if (variant == 2) {
        p.Blink = true;
        p.Bob = -0.6;
      }
      cairo_save(cr);
      cairo_translate(cr, sheets::ZeviStanding.X(c), sheets::ZeviStanding.Y(variant));
      DrawExplorer(cr, Columns[static_cast<std::size_t>(c)], p);
      cairo_restore(cr);
    }
  canvas.SaveJpeg(outDir, sheets::ZeviStanding.Picture);
}

// 14 frames of 40 x 40, hot spot (20, 22): the explorer topples, the lantern gutters and
// a pale wisp rises and fades until only the hat and lantern are left.
void GenerateDying(const std::string& outDir) {
  ArtCanvas canvas(sheets::ZeviDying.Right(), sheets::ZeviDying.Bottom());
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < sheets::ZeviDying.Rows; ++f) {
    cairo_save(cr);
    cairo_translate(cr, sheets::ZeviDying.Left, sheets::ZeviDying.Y(f));
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
  canvas.SaveJpeg(outDir, sheets::ZeviDying.Picture);
}

// 71 frames of 66 x 30, additive on black: a ring of lantern-gold sparks gathers over the
// start cell, flares, and settles.
void GenerateWarp(const std::string& outDir) {
  constexpr int Frames = sheets::WarpCells.Rows;
  ArtCanvas canvas(sheets::WarpCells.Right(), sheets::WarpCells.Bottom());
  canvas.Fill({0, 0, 0});
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < Frames; ++f) {
    const double t = f / double(Frames - 1);
    const double strength = std::sin(Pi * std::min(1.0, t * 1.15));
    cairo_save(cr);
    cairo_rectangle(cr, sheets::WarpCells.Left, sheets::WarpCells.Y(f), sheets::WarpCells.Width,
                    sheets::WarpCells.Height);
    cairo_clip(cr);
    cairo_translate(cr, sheets::WarpCells.HotX, sheets::WarpCells.Y(f) + sheets::WarpCells.HotY);
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
  canvas.SaveJpeg(outDir, sheets::WarpCells.Picture);
}

}  // namespace

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

void GeneratePlayerArt(const std::string& outDir) {
  GenerateWalking(outDir);
  GenerateStanding(outDir);
  GenerateDying(outDir);
  GenerateWarp(outDir);
}

}  // namespace assetgen
