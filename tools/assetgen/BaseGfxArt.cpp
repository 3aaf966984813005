// The small pictures of "BaseGfx.bmp": terrain and hostile cells, the info sign, the pointer and
// the side panel's menu button.

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "UnitArt.h"
#include "UnitArtDrawing.h"
#include "assets/BaseGfxSheet.h"

namespace assetgen {
namespace {

namespace sheets = qn2::sheets;

// The eight field colours: dark grey, red, green, yellow, blue, magenta, cyan, light grey.
const std::array<Rgb, 8> FieldColours{{{0.35, 0.35, 0.38},
                                       {0.85, 0.15, 0.12},
                                       {0.15, 0.75, 0.20},
                                       {0.92, 0.80, 0.15},
                                       {0.18, 0.35, 0.90},
                                       {0.75, 0.20, 0.70},
                                       {0.15, 0.78, 0.80},
                                       {0.78, 0.78, 0.80}}};

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
  ArtCanvas canvas(sheets::BaseGfxWidth, sheets::BaseGfxHeight);
  cairo_t* cr = canvas.Cr();
  for (int f = 0; f < sheets::PillarCells.Columns; ++f)
    DrawPillar(cr, sheets::PillarCells.X(f), sheets::PillarCells.Top, f);
  // The side-panel menu button: six glow frames and the pressed frame.
  for (int k = 0; k < sheets::MenuButtonGlowCells.Rows; ++k)
    DrawMenuButtonFrame(canvas, sheets::MenuButtonGlowCells.Left, sheets::MenuButtonGlowCells.Y(k),
                        std::sin(Pi * k / 5.0 * 0.5 + 0.0) * 0.2 + k / 6.0, false);
  DrawMenuButtonFrame(canvas, sheets::MenuButtonPressedCell.Left, sheets::MenuButtonPressedCell.Top,
                      1.0, true);

  // Additive cells: black where nothing is added.
  auto blackCell = [&](double x, double y) { canvas.FillRect(x, y, 32, 32, {0, 0, 0}); };
  const sheets::tCellGrid& hit = sheets::FireBallHitCells;
  for (int i = 0; i < hit.Columns; ++i) {
    blackCell(hit.X(i), hit.Top);
    cairo_save(cr);
    cairo_rectangle(cr, hit.X(i), hit.Top, hit.Width, hit.Height);
    cairo_clip(cr);
    DrawBurst(cr, hit.X(i) + hit.Width / 2, hit.Top + hit.Height / 2, 14, i / 6.0, 7);
    cairo_restore(cr);
  }
  // The pointer: a brass arrow with its tip at the cell's hot spot.
  const double tipX = sheets::PointerCell.Left + sheets::PointerCell.HotX;
  const double tipY = sheets::PointerCell.Top + sheets::PointerCell.HotY;
  cairo_move_to(cr, tipX, tipY);
  cairo_line_to(cr, tipX, tipY + 22);
  cairo_line_to(cr, tipX + 6, tipY + 16);
  cairo_line_to(cr, tipX + 11, tipY + 26);
  cairo_line_to(cr, tipX + 15, tipY + 24);
  cairo_line_to(cr, tipX + 10, tipY + 14);
  cairo_line_to(cr, tipX + 18, tipY + 14);
  cairo_close_path(cr);
  FillVertical(cr, tipY, tipY + 26, pal::BrassLight, pal::Brass);
  Set(cr, pal::Ink);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);

  DrawBoulder(cr, sheets::BoulderCell.Left, sheets::BoulderCell.Top, false);
  // The slider knob.
  cairo_arc(cr, 48, 240, 10, 0, 2 * Pi);
  FillVertical(cr, 230, 250, pal::BrassLight, pal::BrassDark);
  Set(cr, pal::Ink);
  cairo_stroke(cr);
  cairo_arc(cr, 48, 240, 4, 0, 2 * Pi);
  Set(cr, pal::Ruby);
  cairo_fill(cr);
  // The info icon (additive): a glowing "i" in a ring.
  blackCell(sheets::InfoIconCell.Left, sheets::InfoIconCell.Top);
  Glow(cr, 80, 240, 14, pal::Sapphire, 0.6);
  cairo_arc(cr, 80, 240, 11, 0, 2 * Pi);
  Set(cr, pal::WaterLight);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_arc(cr, 80, 234, 1.8, 0, 2 * Pi);
  Set(cr, pal::Diamond);
  cairo_fill(cr);
  Line(cr, 80, 238.5, 80, 246, pal::Diamond, 3);
  DrawBoulder(cr, sheets::SunkBoulderCell.Left, sheets::SunkBoulderCell.Top, true);

  // Snake icon: the snake scaled into a square.
  cairo_save(cr);
  cairo_translate(cr, sheets::SnakeIconCell.Left + 5, sheets::SnakeIconCell.Top);
  cairo_scale(cr, 0.67, 0.67);
  DrawSnake(cr, 0.3);
  cairo_restore(cr);
  // Fireballs (additive), flying right and left.
  for (int d = 0; d < 2; ++d) {
    const double x = (d == 0 ? sheets::FireBallRightCell : sheets::FireBallLeftCell).Left;
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
  cairo_translate(cr, sheets::KeyCell.Left, sheets::KeyCell.Top + 4);
  DrawKey(cr, 0);
  cairo_restore(cr);
  DrawJewel(cr, sheets::JewelCell.Left + 16, sheets::JewelCell.Top + 16, 18, 19, {0.80, 0.16, 0.55},
            0.3);
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
  DrawBomb(cr, sheets::BombLyingCell.Left, sheets::BombLyingCell.Top, 0, 0);
  const sheets::tCellGrid& lit = sheets::BombLitCells;
  for (int i = 0; i < lit.Columns; ++i) DrawBomb(cr, lit.X(i), lit.Top, 0.4 + 0.3 * i, 0);
  const sheets::tCellGrid& flashing = sheets::BombFlashingCells;
  for (int i = 0; i < flashing.Columns; ++i)
    DrawBomb(cr, flashing.X(i), flashing.Top, 1, i % 2 == 0 ? 0.8 : 0.1);
  const sheets::tCellGrid& blast = sheets::BlastStartCells;
  for (int i = 0; i < blast.Columns; ++i) {
    const double x = blast.X(i), y = blast.Top;
    cairo_arc(cr, x + 16, y + 16, 7 + 6 * i, 0, 2 * Pi);
    Set(cr, pal::Flame);
    cairo_fill(cr);
    cairo_arc(cr, x + 16, y + 16, 4 + 4 * i, 0, 2 * Pi);
    Set(cr, {1, 0.95, 0.7});
    cairo_fill(cr);
  }

  // Push buttons, fields off and on, per colour.
  for (int c = 0; c < sheets::PushButtonCells.Columns; ++c) {
    const Rgb colour = FieldColours[static_cast<std::size_t>(c)];
    const double x = sheets::PushButtonCells.X(c);
    cairo_arc(cr, x + 16, 368, 12, 0, 2 * Pi);
    FillVertical(cr, 356, 380, pal::BrassLight, pal::BrassDark);
    Set(cr, pal::Ink);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_arc(cr, x + 16, 367, 7, 0, 2 * Pi);
    FillVertical(cr, 360, 374, Mix(colour, {1, 1, 1}, 0.4), Shade(colour, 0.6));
    Set(cr, Shade(colour, 0.4));
    cairo_stroke(cr);
    DrawFieldTile(canvas, sheets::FieldOffCells.X(c), sheets::FieldOffCells.Top, colour, false);
    DrawFieldTile(canvas, sheets::FieldOnCells.X(c), sheets::FieldOnCells.Top, colour, true);
  }
  for (int i = 0; i < sheets::DroidCells.Columns; ++i)
    DrawDroid(cr, sheets::DroidCells.X(i), sheets::DroidCells.Top, i);
  canvas.SaveBmp(outDir, sheets::BaseGfx);
}

}  // namespace

void GenerateBaseGfxArt(const std::string& outDir) {
  GenerateBaseGfx(outDir);
}

}  // namespace assetgen
