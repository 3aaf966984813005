// Menu slabs, pop-up bases and pictures, the level-pick screen's buttons and caption, the
// credits and the instruction buttons.

#include <cmath>
#include <iterator>
#include <string>

#include "InterfaceArt.h"

namespace assetgen::interface {

namespace {

constexpr double kPi = 3.14159265358979323846;

void SlabPath(cairo_t* cr, double w, double h, double cut) {
  // An octagonal slab with its corners knocked off.
  cairo_new_path(cr);
  cairo_move_to(cr, cut, 1);
  cairo_line_to(cr, w - cut, 1);
  cairo_line_to(cr, w - 1, cut);
  cairo_line_to(cr, w - 1, h - cut);
  cairo_line_to(cr, w - cut, h - 1);
  cairo_line_to(cr, cut, h - 1);
  cairo_line_to(cr, 1, h - cut);
  cairo_line_to(cr, 1, cut);
  cairo_close_path(cr);
}

void BrassButton(cairo_t* cr, double x, double y, double w, double h, const std::string& label,
                 double lit, bool down) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  const Rgb top = Mix(palette::Brass, palette::BrassLight, lit);
  const Rgb bottom = Shade(palette::BrassDark, down ? 0.7 : 1.0);
  cairo_pattern_add_color_stop_rgb(g, 0, down ? bottom.R : top.R, down ? bottom.G : top.G,
                                   down ? bottom.B : top.B);
  cairo_pattern_add_color_stop_rgb(g, 1, down ? top.R : bottom.R, down ? top.G : bottom.G,
                                   down ? top.B : bottom.B);
  RoundedRect(cr, x, y, w, h, 3);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, palette::Ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  CentredText(cr, label, x + w / 2 + (down ? 1 : 0), y + h / 2 + (down ? 1 : 0), h * 0.5,
              lit > 0.5 ? Rgb{1, 0.97, 0.86} : palette::Parchment, 2.5);
}

}  // namespace

void DrawSlab(ArtCanvas& canvas, ArtRandom& rng, const std::string& title, bool keyedOutside) {
  cairo_t* cr = canvas.Cr();
  const double w = canvas.Width();
  const double h = canvas.Height();
  const double cut = keyedOutside ? 22 : 0;
  const StoneSet& s = WarmStone();
  if (!keyedOutside) canvas.Fill(s.Mortar);
  cairo_save(cr);
  SlabPath(cr, w, h, cut);
  cairo_clip(cr);
  SetColour(cr, s.Mortar);
  cairo_paint(cr);
  for (int row = 0; row * 26 < h; ++row) {
    double x = row % 2 ? -30 : 0;
    while (x < w) {
      const double bw = rng.Range(50, 90);
      StoneBlock(cr, rng, x, row * 26, bw, 26, s, 0.2);
      x += bw;
    }
  }
  // The slab's face is sunk: a dark inner panel the items glow over.
  SetColour(cr, palette::Ink, 0.55);
  RoundedRect(cr, 26, 64, w - 52, h - 96, 10);
  cairo_fill(cr);
  LightPool(cr, w / 2, 28, w * 0.45, palette::LanternGlow, 0.2);
  for (int i = 0; i < 14; ++i) MossClump(cr, rng, rng.Range(0, w), rng.Range(0, 14), 12, 40);
  for (int i = 0; i < 8; ++i) MossStrand(cr, rng, rng.Range(10, w - 10), 4, rng.Range(10, 40));
  for (int i = 0; i < 10; ++i) MossClump(cr, rng, rng.Range(0, w), h - rng.Range(0, 14), 10, 30);
  cairo_restore(cr);
  // Brass rim and corner jewels.
  SlabPath(cr, w, h, cut);
  SetColour(cr, palette::BrassDark);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  SlabPath(cr, w, h, cut);
  SetColour(cr, palette::Brass);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  const Rgb jewels[] = {palette::Ruby, palette::Emerald, palette::Sapphire, palette::Amethyst};
  for (int i = 0; i < 4; ++i)
    Jewel(cr, i % 2 ? w - cut - 6 : cut + 6, i / 2 ? h - 14 : 14, 7, jewels[i]);
  if (!title.empty()) CentredText(cr, title, w / 2, 36, 24, palette::BrassLight, 4);
}

void GenerateMenuArt(const std::string& outDir) {
  ArtRandom rng(0x3E7A5ABu);
  struct Slab {
    const char* Name;
    int W;
    int H;
    const char* Title;
    bool Keyed;
  };
  const Slab slabs[] = {
      {"Menu_Main.Jpg", 470, 422, "MAIN MENU", true},
      {"Menu_Options.jpg", 550, 310, "OPTIONS", true},
      {"Menu_Sound.jpg", 518, 406, "SOUND", true},
      {"Menu_AdvSound.jpg", 550, 358, "SOUND DEVICE", true},
      {"Menu_Video.jpg", 550, 422, "VIDEO", true},
      {"Menu_AdvVideo.jpg", 566, 342, "ADVANCED VIDEO", true},
      {"CreditsSlab.jpg", 440, 392, "CREDITS", true},
      {"PopupBase_Large.jpg", 448, 364, "", false},
      {"PopupBase_Small.jpg", 448, 340, "", false},
      {"Popup_ConfirmCP.jpg", 402, 304, "CLEAR ALL PROGRESS?", false},
  };
  for (const Slab& slab : slabs) {
    ArtCanvas canvas(slab.W, slab.H);
    DrawSlab(canvas, rng, slab.Title, slab.Keyed);
    if (std::string(slab.Name) == "CreditsSlab.jpg") {
      // The window the credits scroll in: 320 x 270 at (159, 104) of the frame, black like
      // the credits picture, so the text rises out of the dark.
      cairo_t* cr = canvas.Cr();
      SetColour(cr, {0, 0, 0});
      cairo_rectangle(cr, 159 - (640 - slab.W) / 2, 104 - (480 - slab.H) / 2, 320, 270);
      cairo_fill(cr);
    }
    if (slab.Keyed)
      SaveKeyedJpeg(canvas, outDir, slab.Name);
    else
      canvas.SaveJpeg(outDir, slab.Name);
  }

  // Level-finished pictures, 448 x 164: a lantern-lit chamber with a heap of jewels.
  for (int solved = 0; solved < 2; ++solved) {
    ArtCanvas pic(448, 164);
    cairo_t* cr = pic.Cr();
    DrawSlab(pic, rng, "", false);
    SetColour(cr, palette::Ink);
    RoundedRect(cr, 24, 16, 400, 132, 12);
    cairo_fill(cr);
    LightPool(cr, 224, 96, 180, palette::LanternGlow, solved ? 0.55 : 0.3);
    const Rgb jewels[] = {palette::Ruby,     palette::Emerald, palette::Sapphire,
                          palette::Amethyst, palette::Topaz,   palette::Diamond};
    const int count = solved ? 22 : 9;
    for (int i = 0; i < count; ++i)
      Jewel(cr, 224 + rng.Range(-70, 70) * (1 - i / 40.0), 128 - rng.Range(0, 26), 7,
            jewels[i % 6]);
    Lantern(cr, 80, 70, 40);
    Lantern(cr, 368, 70, 40);
    CentredText(cr, solved ? "LEVEL SOLVED!" : "SOLVED - JEWELS MISSED", 224, 44, 24,
                palette::BrassLight, 4);
    pic.SaveJpeg(outDir, solved ? "Popup_Solved.jpg" : "Popup_Partial.jpg");
  }

  // Every level solved: the whole screen.
  {
    ArtCanvas congrats(640, 480);
    DrawSlab(congrats, rng, "", false);
    cairo_t* cr = congrats.Cr();
    LightPool(cr, 320, 240, 300, palette::LanternGlow, 0.45);
    for (int i = 0; i < 5; ++i) Lantern(cr, 80 + 120 * i, 110, 44);
    CentredText(cr, "CONGRATULATIONS!", 320, 220, 40, palette::BrassLight, 5);
    CentredText(cr, "EVERY LEVEL OF HOLLOWMERE IS SOLVED", 320, 280, 20, palette::Parchment, 3);
    const Rgb jewels[] = {palette::Ruby,     palette::Emerald, palette::Sapphire,
                          palette::Amethyst, palette::Topaz,   palette::Diamond};
    for (int i = 0; i < 12; ++i) Jewel(cr, 100 + 40 * i, 360, 12, jewels[i % 6]);
    congrats.SaveJpeg(outDir, "Congrats.jpg");
  }

  // Scrolling credits, 320 wide (the window's width), light text on black.
  {
    const char* lines[] = {"QUIBNAR 2",
                           "",
                           "53 LEVELS",
                           "AND 9 BONUS LEVELS",
                           "",
                           "DESIGN AND CODE",
                           "THE QUIBNAR TEAM",
                           "",
                           "LEVEL DESIGN",
                           "THE QUIBNAR TEAM",
                           "CHECKED BY OUR SOLVER",
                           "",
                           "ART AND VIDEO",
                           "MADE BY OUR OWN TOOLS",
                           "",
                           "MUSIC AND SOUND",
                           "OUR OWN TRACKER TUNES",
                           "",
                           "LEVEL EDITOR",
                           "F11 DURING PLAY",
                           "",
                           "THANK YOU FOR PLAYING!"};
    ArtCanvas credits(320, 40 * static_cast<int>(std::size(lines)) + 20);
    credits.Fill({0, 0, 0});
    cairo_t* cr = credits.Cr();
    double y = 40;
    for (const char* line : lines) {
      if (*line) CentredText(cr, line, 160, y, 18, palette::BrassLight, 0);
      y += 40;
    }
    credits.SaveJpeg(outDir, "Credits.jpg");
  }

  // Instruction buttons: rows "next" (y 0), "previous" (y 32), "done" (y 64), ten glow
  // frames of 48 x 32 across.
  {
    ArtCanvas buttons(480, 96);
    buttons.Fill(palette::StoneShadow);
    const char* labels[] = {"NEXT", "BACK", "DONE"};
    for (int row = 0; row < 3; ++row)
      for (int frame = 0; frame < 10; ++frame)
        BrassButton(buttons.Cr(), 48 * frame + 1, 32 * row + 4, 46, 24, labels[row], frame / 9.0,
                    false);
    buttons.SaveJpeg(outDir, "InstructionButtons.jpg");
  }
  (void)kPi;
}

}  // namespace assetgen::interface
