// The level-pick screen: its caption, the level button (two faces side by side), the nine
// bonus buttons and the back-to-menu and clear-progress buttons in their three states.

#include <string>

#include "InterfaceArt.h"

namespace assetgen::interface {

namespace {

constexpr double kPi = 3.14159265358979323846;

// The game writes each level number in the glowing menu font at (36, 52) of a 72 x 70 face:
// the digits stand on rows 19..43, their glow on rows 6..56.
constexpr int kFaceWidth = 72;
constexpr int kFaceHeight = 70;

const Rgb kJewels[] = {palette::Sapphire, palette::Emerald, palette::Ruby,
                       palette::Amethyst, palette::Topaz,   palette::Diamond,
                       palette::Emerald,  palette::Ruby,    palette::Sapphire};

void Stud(cairo_t* cr, double x, double y, double r) {
  SetColour(cr, palette::BrassDark);
  cairo_arc(cr, x, y, r, 0, 2 * kPi);
  cairo_fill(cr);
  SetColour(cr, palette::BrassLight, 0.9);
  cairo_arc(cr, x - r * 0.3, y - r * 0.3, r * 0.45, 0, 2 * kPi);
  cairo_fill(cr);
}

// A dark plaque sunk into the stone: shade along its top and left, light along the rest.
void SunkPlaque(cairo_t* cr, double x, double y, double w, double h, double r, double depth) {
  RoundedRect(cr, x, y, w, h, r);
  SetColour(cr, palette::Ink, depth);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, palette::Ink, 0.8);
  cairo_move_to(cr, x + 1, y + h - r);
  cairo_line_to(cr, x + 1, y + 1);
  cairo_line_to(cr, x + w - r, y + 1);
  cairo_stroke(cr);
  SetColour(cr, palette::StoneLight, 0.45);
  cairo_move_to(cr, x + w - 0.5, y + r);
  cairo_line_to(cr, x + w - 0.5, y + h - 0.5);
  cairo_line_to(cr, x + r, y + h - 0.5);
  cairo_stroke(cr);
}

// One face of the level button. The right face (pressed, or solved with every jewel) is
// sunk deeper, lit by a lantern and ringed in brass, with a jewel set in its corner.
void LevelFace(cairo_t* cr, ArtRandom& rng, double left, bool lit) {
  StoneBlock(cr, rng, left + 1, 1, kFaceWidth - 2, kFaceHeight - 2, WarmStone(), 0);
  // The ruin's gloom settles toward the bottom of the stone.
  cairo_pattern_t* gloom = cairo_pattern_create_linear(0, 0, 0, kFaceHeight);
  cairo_pattern_add_color_stop_rgba(gloom, 0, 0, 0, 0, 0.1);
  cairo_pattern_add_color_stop_rgba(gloom, 1, 0, 0, 0, 0.4);
  cairo_rectangle(cr, left + 1, 1, kFaceWidth - 2, kFaceHeight - 2);
  cairo_set_source(cr, gloom);
  cairo_fill(cr);
  cairo_pattern_destroy(gloom);
  if (lit) LightPool(cr, left + 36, 31, 44, palette::LanternGlow, 0.28);
  SunkPlaque(cr, left + 9, 11, 54, 40, 7, lit ? 0.72 : 0.55);
  MossClump(cr, rng, left + rng.Range(8, 64), 3, 5, 14);
  if (lit) {
    RoundedRect(cr, left + 2.5, 2.5, kFaceWidth - 5, kFaceHeight - 5, 5);
    SetColour(cr, palette::Brass);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Jewel(cr, left + 62, 60, 5, palette::Emerald);
    Stud(cr, left + 10, 60, 2.2);
  } else {
    Stud(cr, left + 10, 60, 2.2);
    Stud(cr, left + 62, 60, 2.2);
  }
}

void LevelButton(const std::string& outDir) {
  ArtRandom rng(0x1E7E1u);
  ArtCanvas button(2 * kFaceWidth, kFaceHeight);
  button.Fill(palette::StoneShadow);
  LevelFace(button.Cr(), rng, 0, false);
  LevelFace(button.Cr(), rng, kFaceWidth, true);
  Grain(button, rng, 0.04);
  button.SaveJpeg(outDir, "LevelPickButton.jpg");
}

// The caption: a stone lintel with two lanterns either side of the title and a niche under
// each of the two picture buttons, which the game draws at (8, 8) and (492, 8).
void Caption(const std::string& outDir) {
  ArtRandom rng(0xCA971u);
  ArtCanvas caption(640, 40);
  cairo_t* cr = caption.Cr();
  caption.Fill(WarmStone().Mortar);
  double x = -12;
  while (x < 640) {
    const double w = rng.Range(48, 84);
    StoneBlock(cr, rng, x, 1, w, 36, WarmStone(), 0.15);
    x += w;
  }
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, 40);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0.35);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0.05);
  cairo_rectangle(cr, 0, 0, 640, 40);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
  for (double niche : {5.0, 489.0}) SunkPlaque(cr, niche, 5, 146, 30, 4, 0.7);
  for (double lantern : {188.0, 452.0}) {
    LightPool(cr, lantern, 22, 70, palette::LanternGlow, 0.35);
    SetColour(cr, palette::BrassDark);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, lantern, 0);
    cairo_line_to(cr, lantern, 6);
    cairo_stroke(cr);
    Lantern(cr, lantern, 21, 30);
  }
  for (int i = 0; i < 10; ++i) MossStrand(cr, rng, rng.Range(160, 480), 0, rng.Range(4, 12));
  CentredText(cr, "PICK A LEVEL", 320, 20, 22, palette::BrassLight, 4);
  // A brass trim along the bottom edge, over the top of the button grid.
  caption.FillRect(0, 37, 640, 1, palette::BrassLight);
  caption.FillRect(0, 38, 640, 2, palette::BrassDark);
  Grain(caption, rng, 0.03);
  caption.SaveJpeg(outDir, "PickALevelCaption.jpg");
}

// The bonus buttons read 72 x 20 cells: column 0 up, column 72 pressed or solved with every
// jewel; rows 0 solved with every jewel, 20 partly solved, 40 unsolved, 60 the lantern-lit
// look the selected button flickers to.
void BonusCell(cairo_t* cr, ArtRandom& rng, int n, int column, int row) {
  const double x = 72.0 * column;
  const double y = 20.0 * row;
  const bool sunk = column == 1;
  StoneBlock(cr, rng, x + 1, y + 1, 70, 18, WarmStone(), 0);
  if (row == 3) LightPool(cr, x + 36, y + 10, 40, palette::LanternGlow, 0.45);
  if (sunk) {
    SetColour(cr, palette::Ink, 0.35);
    cairo_rectangle(cr, x + 2, y + 2, 68, 3);
    cairo_fill(cr);
  }
  const Rgb rim = row == 0 ? palette::BrassLight : row == 3 ? palette::LanternGlow : palette::Brass;
  RoundedRect(cr, x + 2.5, y + 2.5, 67, 15, 3);
  SetColour(cr, row == 2 ? palette::StoneDark : rim);
  cairo_set_line_width(cr, row == 3 ? 2 : 1.2);
  cairo_stroke(cr);
  const double shift = sunk ? 1 : 0;
  const Rgb ink = row == 2   ? palette::Parchment
                  : row == 3 ? Rgb{1, 0.97, 0.86}
                             : palette::BrassLight;
  CentredText(cr, "BONUS " + std::to_string(n), x + 29 + shift, y + 10.5 + shift, 9.5, ink, 2.5);
  // The jewel socket at the right: full for every jewel, half for partly solved, empty
  // otherwise.
  const double jx = x + 63 + shift;
  const double jy = y + 10 + shift;
  SetColour(cr, palette::Ink, 0.85);
  cairo_arc(cr, jx, jy, 5, 0, 2 * kPi);
  cairo_fill(cr);
  if (row == 0) {
    Jewel(cr, jx, jy, 4.5, kJewels[n - 1]);
  } else if (row == 1) {
    cairo_save(cr);
    cairo_rectangle(cr, jx - 6, jy - 6, 6, 12);
    cairo_clip(cr);
    Jewel(cr, jx, jy, 4.5, kJewels[n - 1]);
    cairo_restore(cr);
  } else {
    SetColour(cr, row == 3 ? palette::LanternGlow : palette::StoneDark, 0.9);
    cairo_set_line_width(cr, 1);
    cairo_arc(cr, jx, jy, 3.5, 0, 2 * kPi);
    cairo_stroke(cr);
  }
}

void BonusButtons(const std::string& outDir) {
  ArtRandom rng(0xB0B06u);
  for (int n = 1; n <= 9; ++n) {
    ArtCanvas sheet(144, 80);
    sheet.Fill(palette::StoneShadow);
    for (int column = 0; column < 2; ++column)
      for (int row = 0; row < 4; ++row) BonusCell(sheet.Cr(), rng, n, column, row);
    sheet.SaveJpeg(outDir, "Bonus" + std::to_string(n) + "Button.jpg");
  }
}

// A brass plate of 140 x 24 with its label: dull at rest, bright with a lantern glow when the
// pointer is over it, and pressed in when held down.
void Plate(const std::string& outDir, const std::string& name, const std::string& label, bool lit,
           bool down) {
  ArtCanvas plate(140, 24);
  cairo_t* cr = plate.Cr();
  plate.Fill(palette::Ink);
  const Rgb top = lit ? palette::BrassLight : Mix(palette::Brass, palette::BrassDark, 0.35);
  const Rgb bottom = Shade(palette::BrassDark, lit ? 1.0 : 0.8);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 1, 0, 23);
  const Rgb first = down ? bottom : top;
  const Rgb last = down ? top : bottom;
  cairo_pattern_add_color_stop_rgb(g, 0, first.R, first.G, first.B);
  cairo_pattern_add_color_stop_rgb(g, 1, last.R, last.G, last.B);
  RoundedRect(cr, 1, 1, 138, 22, 4);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  if (lit) LightPool(cr, 70, 12, 70, palette::LanternGlow, down ? 0.2 : 0.35);
  RoundedRect(cr, 1.5, 1.5, 137, 21, 4);
  SetColour(cr, down ? palette::Ink : palette::BrassLight, lit ? 0.9 : 0.5);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (double sx : {8.0, 132.0}) Stud(cr, sx + (down ? 1 : 0), 12 + (down ? 1 : 0), 2.5);
  const double shift = down ? 1 : 0;
  CentredText(cr, label, 70 + shift, 12 + shift, 11.5,
              lit ? Rgb{1, 0.97, 0.86} : palette::Parchment, 2.5);
  plate.SaveJpeg(outDir, name);
}

void PictureButtons(const std::string& outDir) {
  const std::pair<const char*, const char*> buttons[] = {{"BackToMenuButton", "BACK TO MENU"},
                                                         {"ClearProgressButton", "CLEAR PROGRESS"}};
  for (const auto& [base, label] : buttons) {
    Plate(outDir, std::string(base) + ".jpg", label, false, false);
    Plate(outDir, std::string(base) + "_Lit.jpg", label, true, false);
    Plate(outDir, std::string(base) + "_LitDown.jpg", label, true, true);
  }
}

}  // namespace

void GenerateLevelPickArt(const std::string& outDir) {
  LevelButton(outDir);
  Caption(outDir);
  BonusButtons(outDir);
  PictureButtons(outDir);
}

}  // namespace assetgen::interface
