// The terrain units: keys and jewels, exits, water, force fields, boulders, pillars and field
// tiles.

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "UnitArt.h"
#include "UnitArtDrawing.h"
#include "assets/TerrainSheets.h"

namespace assetgen {
namespace {

namespace sheets = qn2::sheets;

void GenerateSpinningThings(const std::string& outDir) {
  ArtCanvas canvas(sheets::SpinningYellowJewel.Right(), sheets::SpinningKey.Bottom());
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < sheets::SpinningKey.Rows; ++f) {
    cairo_save(cr);
    cairo_translate(cr, sheets::SpinningKey.Left, sheets::SpinningKey.Y(f));
    DrawKey(cr, 2 * Pi * f / sheets::SpinningKey.Rows);
    cairo_restore(cr);
  }
  struct Column {
    const sheets::tCellGrid& Cells;
    Rgb Colour;
    double Width;
  };
  // Blue 50, magenta 100, green 1000, yellow 250.
  const Column columns[] = {{sheets::SpinningBlueJewel, pal::Sapphire, 16},
                            {sheets::SpinningMagentaJewel, {0.80, 0.16, 0.55}, 18},
                            {sheets::SpinningGreenJewel, pal::Emerald, 20},
                            {sheets::SpinningYellowJewel, pal::Topaz, 19}};
  for (const Column& c : columns)
    for (int f = 0; f < c.Cells.Rows; ++f)
      DrawJewel(cr, c.Cells.Left + c.Cells.Width / 2, c.Cells.Y(f) + c.Cells.Height / 2, c.Width,
                19, c.Colour, 2 * Pi * f / c.Cells.Rows);
  canvas.SaveJpeg(outDir, sheets::SpinningThings);
}

// Stone door frames; frame f opens the doors by f / 6.
void GenerateExits(const std::string& outDir) {
  ArtCanvas canvas(sheets::ExitHatchCells.Right(), sheets::ExitHatchCells.Bottom());
  cairo_t* cr = canvas.Cr();
  // A round-topped or square opening as the path.
  auto doorPath = [&](double x, double y, double w, double h, bool arch) {
    if (arch) {
      cairo_move_to(cr, x, y + h);
      cairo_line_to(cr, x, y + w / 2);
      cairo_arc(cr, x + w / 2, y + w / 2, w / 2, Pi, 2 * Pi);
      cairo_line_to(cr, x + w, y + h);
      cairo_close_path(cr);
    } else {
      cairo_rectangle(cr, x, y, w, h);
    }
  };
  // A green arrow head pointing to (tipX, tipY) from its base at baseX.
  auto arrow = [&](double tipX, double tipY, double baseX) {
    Set(cr, pal::Emerald);
    cairo_move_to(cr, tipX, tipY);
    cairo_line_to(cr, baseX, tipY - 5);
    cairo_line_to(cr, baseX, tipY + 5);
    cairo_close_path(cr);
    cairo_fill(cr);
  };
  auto doorway = [&](double x, double y, double w, double h, double open, bool arch) {
    // The stone surround.
    doorPath(x, y, w, h, arch);
    FillVertical(cr, y, y + h, pal::StoneLight, pal::StoneDark);
    Set(cr, pal::Ink);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // The opening, lit from within as it widens.
    const double ix = x + 4, iy = y + (arch ? 5 : 4), iw = w - 8, ih = h - (arch ? 5 : 8);
    cairo_save(cr);
    doorPath(ix, iy, iw, ih, arch);
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
  for (int f = 0; f < sheets::ExitDoorCells.Columns; ++f) {
    const double open = f / 6.0;
    const double x = sheets::ExitDoorCells.X(f);
    doorway(x + 1, sheets::ExitUpDoorCells.Top + 10, 30, 30, open,
            true);  // up door: seen beyond steps
    for (int s = 0; s < 3; ++s) {
      cairo_rectangle(cr, x + 3 + s, 40 + 7 * s, 26 - 2 * s, 7);
      FillLine(cr, Shade(pal::Stone, 1.1 - 0.15 * s), pal::StoneShadow, 0.8);
    }
    doorway(x + 1, sheets::ExitDoorCells.Top, 30, 44, open, true);  // the door
    cairo_rectangle(cr, x + 1, 108, 30, 6);
    FillLine(cr, pal::Stone, pal::StoneShadow, 0.8);
    doorway(x + 2, sheets::ExitLeftCells.Top + 2, 28, 28, open, false);  // left
    arrow(x + 9, sheets::ExitLeftCells.Top + 16, x + 14);
    doorway(x + 2, sheets::ExitRightCells.Top + 2, 28, 28, open, false);  // right
    arrow(x + 23, sheets::ExitRightCells.Top + 16, x + 18);
    // The hatch: a square in the floor whose lid swings up.
    const double hy = sheets::ExitHatchCells.Top + sheets::ExitHatchCells.HotY - 16;
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
  canvas.SaveJpeg(outDir, sheets::Exits);
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
  canvas.SaveJpeg(outDir, sheets::WaterTemplates);
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
    WriteFileBytes(outDir, sheets::WaterNoiseParts[part], EncodeJpeg(rgb, W, Half));
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
  filaments(11, {0.55, 0.60, 0.70}, sheets::ForceField);
  filaments(23, {0.85, 0.10, 0.08}, sheets::ForceFieldRed);
  filaments(37, {0.10, 0.85, 0.12}, sheets::ForceFieldGreen);
  filaments(41, {0.10, 0.20, 0.90}, sheets::ForceFieldBlue);

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
  lite.SaveJpeg(outDir, sheets::ForceFieldLite);
}

}  // namespace

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
  FillRadial(cr, x + 12, y + 10, 2, x + 16, y + 16, 16, pal::StoneLight, pal::StoneDark);
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

void GenerateTerrainArt(const std::string& outDir) {
  GenerateSpinningThings(outDir);
  GenerateExits(outDir);
  GenerateWaterTemplates(outDir);
  GenerateWaterNoise(outDir);
  GenerateForceFields(outDir);
}

}  // namespace assetgen
