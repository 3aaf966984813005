// The ruin's hostile residents: the snake and its fire, the spider, explosions, the cherry bomb and
// the seeker droid.

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "UnitArt.h"
#include "UnitArtDrawing.h"
#include "assets/HostileSheets.h"

namespace assetgen {
namespace {

namespace sheets = qn2::sheets;

constexpr Rgb SnakeBody{0.36, 0.52, 0.16};

void GenerateSnake(const std::string& outDir) {
  ArtCanvas canvas(sheets::SnakeSway.Right(), sheets::SnakeSway.Bottom());
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < sheets::SnakeSway.Rows; ++f) {
    const double sway = std::sin(2 * Pi * f / sheets::SnakeSway.Rows);
    // The right-facing column mirrors the left-facing one.
    cairo_save(cr);
    cairo_translate(cr, sheets::SnakeSway.X(sheets::SnakeFacingLeftColumn), sheets::SnakeSway.Y(f));
    DrawSnake(cr, sway);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr,
                    sheets::SnakeSway.X(sheets::SnakeFacingRightColumn) + sheets::SnakeSway.Width,
                    sheets::SnakeSway.Y(f));
    cairo_scale(cr, -1, 1);
    DrawSnake(cr, sway);
    cairo_restore(cr);
  }
  canvas.SaveJpeg(outDir, sheets::SnakeSway.Picture);
}

void GenerateSpider(const std::string& outDir) {
  ArtCanvas canvas(sheets::SpiderCells.Right(), sheets::SpiderCells.Bottom());
  cairo_t* cr = canvas.Cr();
  const struct {
    int Top;
    double Angle;
  } rows[] = {{sheets::SpiderCells.Y(sheets::SpiderLeftRow), Pi},
              {sheets::SpiderCells.Y(sheets::SpiderRightRow), 0},
              {sheets::SpiderCells.Y(sheets::SpiderUpRow), -Pi / 2},
              {sheets::SpiderCells.Y(sheets::SpiderDownRow), Pi / 2}};
  for (const auto& row : rows)
    for (int f = 0; f < sheets::SpiderCells.Columns; ++f) {
      cairo_save(cr);
      cairo_rectangle(cr, sheets::SpiderCells.X(f), row.Top, sheets::SpiderCells.Width,
                      sheets::SpiderCells.Height);
      cairo_clip(cr);
      cairo_translate(cr, sheets::SpiderCells.X(f) + sheets::SpiderCells.Width / 2,
                      row.Top + sheets::SpiderCells.Height / 2);
      cairo_rotate(cr, row.Angle);
      const bool vertical = std::fabs(std::sin(row.Angle)) > 0.5;
      DrawSpider(cr, 2 * Pi * f / sheets::SpiderCells.Columns, vertical ? 0.95 : 1.05);
      cairo_restore(cr);
    }
  canvas.SaveJpeg(outDir, sheets::SpiderCells.Picture);
}

void GenerateExplosion(const std::string& outDir) {
  ArtCanvas canvas(sheets::ExplosionCells.Right(), sheets::ExplosionCells.Bottom());
  canvas.Fill({0, 0, 0});
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < sheets::ExplosionCells.Columns; ++f) {
    cairo_save(cr);
    cairo_rectangle(cr, sheets::ExplosionCells.X(f), sheets::ExplosionCells.Top,
                    sheets::ExplosionCells.Width, sheets::ExplosionCells.Height);
    cairo_clip(cr);
    DrawBurst(cr, sheets::ExplosionCells.X(f) + sheets::ExplosionCells.Width / 2, 28, 25, f / 26.0,
              99);
    cairo_restore(cr);
  }
  canvas.SaveJpeg(outDir, sheets::ExplosionCells.Picture);
}

// The cherry bomb's blast, frames 2..27: a cross of flame over the bomb's cell and its
// neighbours, with a plume rising. 160 x 132 cells, hot spot (78, 85).
void GenerateBlast(const std::string& outDir) {
  ArtCanvas canvas(sheets::BlastCells.Right(), sheets::BlastCells.Bottom());
  canvas.Fill({0, 0, 0});
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < sheets::BlastCells.Rows; ++f) {
    const double t = f / 25.0;
    cairo_save(cr);
    cairo_rectangle(cr, sheets::BlastCells.Left, sheets::BlastCells.Y(f), sheets::BlastCells.Width,
                    sheets::BlastCells.Height);
    cairo_clip(cr);
    const double cx = sheets::BlastCells.HotX,
                 cy = sheets::BlastCells.Y(f) + sheets::BlastCells.HotY;
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
  canvas.SaveJpeg(outDir, sheets::BlastCells.Picture);
}

}  // namespace

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
  const Rgb body = Mix({0.62, 0.08, 0.10}, {1.0, 0.75, 0.55}, flash);
  FillRadial(cr, x + 12, y + 15, 1, x + 15, y + 19, 10, {1, 0.7, 0.7}, body);
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

void GenerateHostileArt(const std::string& outDir) {
  GenerateSnake(outDir);
  GenerateSpider(outDir);
  GenerateExplosion(outDir);
  GenerateBlast(outDir);
}

}  // namespace assetgen
