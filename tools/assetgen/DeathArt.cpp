// The death pictures: what is left of the explorer after each way of losing a life.

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "UnitArt.h"
#include "UnitArtDrawing.h"
#include "assets/DeathPictureNames.h"

namespace assetgen {
namespace {

namespace sheets = qn2::sheets;

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
  auto save = [&](ArtCanvas& canvas, const sheets::tDeathPictureSet& set, int n) {
    canvas.SaveJpeg(outDir, sheets::DeathPictureName(set.Prefix, n));
  };
  for (int n = 1; n <= sheets::GeneralDeaths.Count; ++n) {
    ArtCanvas canvas(sheets::DeathPictureWidth, sheets::DeathPictureHeight);
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
    save(canvas, sheets::GeneralDeaths, n);
  }
  // The killers' sets are drawn side by side, one picture of each per round.
  static_assert(sheets::SnakeDeaths.Count == sheets::BombDeaths.Count &&
                sheets::SpiderDeaths.Count == sheets::BombDeaths.Count &&
                sheets::RobotDeaths.Count == sheets::BombDeaths.Count);
  for (int n = 1; n <= sheets::BombDeaths.Count; ++n) {
    const double shift = (n - 2) * 70.0;
    {  // The bomb: a scorched crater, smoke and the hat in the air.
      ArtCanvas canvas(sheets::DeathPictureWidth, sheets::DeathPictureHeight);
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
      save(canvas, sheets::BombDeaths, n);
    }
    {  // The snake, coiled and content, beside what is left.
      ArtCanvas canvas(sheets::DeathPictureWidth, sheets::DeathPictureHeight);
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
      save(canvas, sheets::SnakeDeaths, n);
    }
    {  // The spider in its web over the hat.
      ArtCanvas canvas(sheets::DeathPictureWidth, sheets::DeathPictureHeight);
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
      save(canvas, sheets::SpiderDeaths, n);
    }
    {  // The seeker droid, still crackling.
      ArtCanvas canvas(sheets::DeathPictureWidth, sheets::DeathPictureHeight);
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
      save(canvas, sheets::RobotDeaths, n);
    }
  }
}

}  // namespace

void GenerateDeathArt(const std::string& outDir) {
  GenerateDeathPictures(outDir);
}

}  // namespace assetgen
