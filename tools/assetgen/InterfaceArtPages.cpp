// The four instruction pages (full screen: the instructions mode copies a page whole to the
// frame's top left and draws its buttons over the bottom right corner) and the nine bonus
// buttons of the level-pick screen.

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "InterfaceArt.h"
#include "InterfaceArtPages.h"

namespace assetgen::interface {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kPageWide = 640;
constexpr int kPageHigh = 480;

// ---- Text ------------------------------------------------------------------------------

void Font(cairo_t* cr, double size, bool bold) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

// Left-aligned text on a baseline, with a soft dark shadow so it reads over stone.
void Line(cairo_t* cr, const std::string& text, double x, double y, Rgb colour) {
  SetColour(cr, palette::Ink, 0.8);
  cairo_move_to(cr, x + 1, y + 1);
  cairo_show_text(cr, text.c_str());
  SetColour(cr, colour);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

// Word-wrapped text from (x, y) within width; returns the baseline after the last line.
double Paragraph(cairo_t* cr, const std::string& text, double x, double y, double width,
                 double size, Rgb colour) {
  Font(cr, size, false);
  const double step = size * 1.3;
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(start, end - start);
    const std::string trial = line.empty() ? word : line + " " + word;
    cairo_text_extents_t ext;
    cairo_text_extents(cr, trial.c_str(), &ext);
    if (ext.x_advance > width && !line.empty()) {
      Line(cr, line, x, y, colour);
      y += step;
      line = word;
    } else {
      line = trial;
    }
    start = end + 1;
  }
  if (!line.empty()) Line(cr, line, x, y, colour);
  return y + step;
}

// ---- Small pictures of the game's pieces, each drawn in a 40 x 40 box centred on (cx, cy)

void Box(cairo_t* cr, double cx, double cy) {
  RoundedRect(cr, cx - 22, cy - 22, 44, 44, 5);
  SetColour(cr, palette::StoneShadow);
  cairo_fill_preserve(cr);
  SetColour(cr, palette::BrassDark);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void RadialBall(cairo_t* cr, double cx, double cy, double r, Rgb light, Rgb dark) {
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(g, 0, light.R, light.G, light.B);
  cairo_pattern_add_color_stop_rgb(g, 1, dark.R, dark.G, dark.B);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, palette::Ink);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void DrawKey(cairo_t* cr, double cx, double cy) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    SetColour(cr, pass ? palette::BrassLight : palette::BrassDark);
    cairo_set_line_width(cr, pass ? 2.5 : 5);
    cairo_new_path(cr);
    cairo_arc(cr, cx - 9, cy, 6, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - 3, cy);
    cairo_line_to(cr, cx + 14, cy);
    cairo_move_to(cr, cx + 9, cy);
    cairo_line_to(cr, cx + 9, cy + 6);
    cairo_move_to(cr, cx + 14, cy);
    cairo_line_to(cr, cx + 14, cy + 7);
    cairo_stroke(cr);
  }
}

void DrawExit(cairo_t* cr, double cx, double cy, bool open) {
  ArtRandom rng(41);
  for (int i = 0; i < 3; ++i)
    StoneBlock(cr, rng, cx - 18, cy - 18 + 12 * i, 36, 12, WarmStone(), 0.1);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 10, cy + 18);
  cairo_line_to(cr, cx - 10, cy - 4);
  cairo_arc(cr, cx, cy - 4, 10, kPi, 2 * kPi);
  cairo_line_to(cr, cx + 10, cy + 18);
  cairo_close_path(cr);
  SetColour(cr, open ? palette::Ink : palette::BrassDark);
  cairo_fill_preserve(cr);
  SetColour(cr, palette::Brass);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  if (open) {
    LightPool(cr, cx, cy + 6, 10, palette::LanternGlow, 0.5);
  } else {
    SetColour(cr, palette::Ink);
    cairo_arc(cr, cx + 5, cy + 6, 1.6, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void DrawBoulder(cairo_t* cr, double cx, double cy) {
  RadialBall(cr, cx, cy + 1, 15, palette::StoneLight, palette::StoneShadow);
  SetColour(cr, palette::StoneShadow, 0.7);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, cx - 6, cy - 4);
  cairo_line_to(cr, cx - 1, cy + 2);
  cairo_line_to(cr, cx + 5, cy + 1);
  cairo_stroke(cr);
}

void DrawDirt(cairo_t* cr, double cx, double cy) {
  ArtRandom rng(77);
  SetColour(cr, {0.36, 0.25, 0.15});
  RoundedRect(cr, cx - 17, cy - 17, 34, 34, 4);
  cairo_fill(cr);
  for (int i = 0; i < 14; ++i) {
    const double x = cx + rng.Range(-13, 13), y = cy + rng.Range(-13, 13);
    SetColour(cr, Mix({0.24, 0.16, 0.09}, {0.60, 0.46, 0.30}, rng.Unit()));
    cairo_arc(cr, x, y, rng.Range(1.5, 4), 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void DrawWater(cairo_t* cr, double cx, double cy) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - 17, 0, cy + 17);
  cairo_pattern_add_color_stop_rgb(g, 0, palette::Water.R, palette::Water.G, palette::Water.B);
  cairo_pattern_add_color_stop_rgb(g, 1, palette::WaterDeep.R, palette::WaterDeep.G,
                                   palette::WaterDeep.B);
  RoundedRect(cr, cx - 17, cy - 17, 34, 34, 4);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, palette::WaterLight);
  cairo_set_line_width(cr, 1.5);
  for (int row = 0; row < 3; ++row) {
    const double y = cy - 8 + row * 8;
    cairo_move_to(cr, cx - 13, y);
    for (double x = -13; x <= 13; x += 1)
      cairo_line_to(cr, cx + x, y + 2 * std::sin(x * 0.5 + row));
    cairo_stroke(cr);
  }
}

void DrawPushButton(cairo_t* cr, double cx, double cy, Rgb colour) {
  RoundedRect(cr, cx - 15, cy - 15, 30, 30, 4);
  SetColour(cr, palette::StoneDark);
  cairo_fill_preserve(cr);
  SetColour(cr, palette::BrassDark);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  RadialBall(cr, cx, cy, 9, Mix(colour, {1, 1, 1}, 0.55), Shade(colour, 0.6));
}

void DrawForceField(cairo_t* cr, double cx, double cy, Rgb colour) {
  RoundedRect(cr, cx - 17, cy - 17, 34, 34, 3);
  SetColour(cr, Shade(colour, 0.35));
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.5);
  for (int i = 0; i < 6; ++i) {
    SetColour(cr, Mix(colour, {1, 1, 1}, 0.3 + 0.1 * (i % 3)), 0.8);
    const double y = cy - 14 + i * 5.5;
    cairo_move_to(cr, cx - 15, y);
    for (double x = -15; x <= 15; x += 1)
      cairo_line_to(cr, cx + x, y + 1.5 * std::sin(x * 0.7 + i));
    cairo_stroke(cr);
  }
  SetColour(cr, palette::Brass);
  cairo_rectangle(cr, cx - 19, cy - 18, 4, 36);
  cairo_rectangle(cr, cx + 15, cy - 18, 4, 36);
  cairo_fill(cr);
}

void DrawPillar(cairo_t* cr, double cx, double cy, double risen) {
  const double top = cy + 14 - 30 * risen;
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - 9, 0, cx + 9, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, palette::StoneLight.R, palette::StoneLight.G,
                                   palette::StoneLight.B);
  cairo_pattern_add_color_stop_rgb(g, 1, palette::StoneShadow.R, palette::StoneShadow.G,
                                   palette::StoneShadow.B);
  cairo_rectangle(cr, cx - 9, top, 18, cy + 16 - top);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  SetColour(cr, palette::StoneLight);
  cairo_save(cr);
  cairo_translate(cr, cx, top);
  cairo_scale(cr, 1, 0.35);
  cairo_arc(cr, 0, 0, 9, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_fill(cr);
  SetColour(cr, palette::StoneDark);
  cairo_rectangle(cr, cx - 13, cy + 14, 26, 4);
  cairo_fill(cr);
}

void DrawSnake(cairo_t* cr, double cx, double cy) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; ++pass) {
    SetColour(cr, pass ? palette::Moss : palette::MossDark);
    cairo_set_line_width(cr, pass ? 5 : 8);
    cairo_move_to(cr, cx - 14, cy + 12);
    cairo_curve_to(cr, cx - 2, cy + 16, cx + 6, cy + 8, cx - 4, cy + 2);
    cairo_curve_to(cr, cx - 14, cy - 4, cx - 6, cy - 12, cx + 6, cy - 8);
    cairo_stroke(cr);
  }
  RadialBall(cr, cx + 9, cy - 8, 6, palette::MossLight, palette::MossDark);
  SetColour(cr, palette::Topaz);
  cairo_arc(cr, cx + 11, cy - 10, 1.6, 0, 2 * kPi);
  cairo_fill(cr);
  // A fireball on its way along the row.
  RadialBall(cr, cx + 17, cy + 4, 3, palette::BrassLight, palette::Flame);
}

void DrawSpider(cairo_t* cr, double cx, double cy) {
  SetColour(cr, palette::Ink);
  cairo_set_line_width(cr, 1.8);
  for (int side = -1; side <= 1; side += 2)
    for (int leg = 0; leg < 4; ++leg) {
      const double a = (leg - 1.5) * 0.45;
      cairo_move_to(cr, cx, cy + 2);
      cairo_line_to(cr, cx + side * 10 * std::cos(a), cy + 2 + 10 * std::sin(a) - 5);
      cairo_line_to(cr, cx + side * 17 * std::cos(a), cy + 2 + 17 * std::sin(a) + 4);
      cairo_stroke(cr);
    }
  RadialBall(cr, cx, cy + 4, 8, {0.45, 0.30, 0.35}, {0.12, 0.06, 0.08});
  RadialBall(cr, cx, cy - 6, 5, {0.45, 0.30, 0.35}, {0.12, 0.06, 0.08});
  SetColour(cr, palette::Ruby);
  cairo_arc(cr, cx - 2, cy - 7, 1.2, 0, 2 * kPi);
  cairo_arc(cr, cx + 2, cy - 7, 1.2, 0, 2 * kPi);
  cairo_fill(cr);
}

void DrawCherryBomb(cairo_t* cr, double cx, double cy) {
  SetColour(cr, palette::MossDark);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, cx - 6, cy + 2);
  cairo_curve_to(cr, cx - 4, cy - 8, cx, cy - 12, cx + 2, cy - 14);
  cairo_move_to(cr, cx + 7, cy + 4);
  cairo_curve_to(cr, cx + 6, cy - 6, cx + 4, cy - 10, cx + 2, cy - 14);
  cairo_stroke(cr);
  RadialBall(cr, cx - 7, cy + 8, 8, {1.0, 0.45, 0.45}, Shade(palette::Ruby, 0.6));
  RadialBall(cr, cx + 8, cy + 10, 8, {1.0, 0.45, 0.45}, Shade(palette::Ruby, 0.6));
  // The spark of the fuse.
  for (int i = 0; i < 6; ++i) {
    const double a = i * kPi / 3;
    SetColour(cr, palette::BrassLight);
    cairo_move_to(cr, cx + 2, cy - 14);
    cairo_line_to(cr, cx + 2 + 5 * std::cos(a), cy - 14 + 5 * std::sin(a));
    cairo_stroke(cr);
  }
}

void DrawSeekerDroid(cairo_t* cr, double cx, double cy) {
  RoundedRect(cr, cx - 13, cy - 2, 26, 16, 4);
  SetColour(cr, {0.42, 0.45, 0.50});
  cairo_fill_preserve(cr);
  SetColour(cr, palette::Ink);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy - 2, 11, kPi, 2 * kPi);
  cairo_close_path(cr);
  SetColour(cr, {0.66, 0.70, 0.76});
  cairo_fill_preserve(cr);
  SetColour(cr, palette::Ink);
  cairo_stroke(cr);
  LightPool(cr, cx, cy - 6, 8, {1, 0.2, 0.1}, 0.8);
  SetColour(cr, {1, 0.25, 0.15});
  cairo_arc(cr, cx, cy - 6, 3, 0, 2 * kPi);
  cairo_fill(cr);
  SetColour(cr, palette::Ink);
  for (int i = -1; i <= 1; i += 2) {
    cairo_arc(cr, cx + 8 * i, cy + 15, 3, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

void DrawInfoMarker(cairo_t* cr, double cx, double cy) {
  RadialBall(cr, cx, cy, 14, palette::WaterLight, palette::Sapphire);
  CentredText(cr, "i", cx, cy + 1, 20, palette::Parchment, 2);
}

// ---- Page layout -----------------------------------------------------------------------

// A keyboard key cap with its label; returns its width.
double KeyCap(cairo_t* cr, const std::string& label, double x, double cy) {
  Font(cr, 12, true);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, label.c_str(), &ext);
  const double w = std::max(26.0, ext.x_advance + 14);
  RoundedRect(cr, x, cy - 13, w, 26, 4);
  SetColour(cr, palette::StoneLight);
  cairo_fill_preserve(cr);
  SetColour(cr, palette::Ink);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  RoundedRect(cr, x + 3, cy - 11, w - 6, 19, 3);
  SetColour(cr, palette::Sandstone);
  cairo_fill(cr);
  SetColour(cr, palette::Ink);
  cairo_move_to(cr, x + (w - ext.x_advance) / 2, cy + 3);
  cairo_show_text(cr, label.c_str());
  return w;
}

// One control: key caps (joined by "or"), then what they do.
void ControlRow(cairo_t* cr, const std::vector<std::string>& keys, const std::string& what,
                double y) {
  double x = 56;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i] == "or" || keys[i] == "/") {
      Font(cr, 12, false);
      Line(cr, keys[i], x + 2, y + 4, palette::Parchment);
      x += keys[i] == "or" ? 22 : 12;
      continue;
    }
    x += KeyCap(cr, keys[i], x, y) + 4;
  }
  Paragraph(cr, what, 216, y + 5, 380, 14, palette::Parchment);
}

using Picture = void (*)(cairo_t* cr, double cx, double cy);

struct Entry {
  std::vector<Picture> Pictures;
  const char* Name;
  const char* Text;
};

// One element: its pictures in boxes on the left, its name in brass, then the explanation.
double ElementRow(cairo_t* cr, const Entry& entry, double y) {
  double cx = 66;
  for (Picture draw : entry.Pictures) {
    Box(cr, cx, y + 22);
    draw(cr, cx, y + 22);
    cx += 48;
  }
  const double textX = 66 + 48 * 2 - 6;
  Font(cr, 15, true);
  Line(cr, entry.Name, textX, y + 10, palette::BrassLight);
  const double end =
      Paragraph(cr, entry.Text, textX, y + 29, 560 - textX + 20, 12.5, palette::Parchment);
  return std::max(end, y + 50) + 8;
}

void PageFooter(cairo_t* cr, int page) {
  Font(cr, 12, false);
  Line(cr, "PAGE " + std::to_string(page) + " OF 4", 44, 458, palette::StoneLight);
}

void SavePage(ArtCanvas& page, ArtRandom& rng, int n, const std::string& outDir) {
  PageFooter(page.Cr(), n);
  Grain(page, rng, 0.03);
  page.SaveJpeg(outDir, "Instructions(Page" + std::to_string(n) + ").jpg");
}

void ControlsPage(const std::string& outDir, ArtRandom& rng) {
  ArtCanvas page(kPageWide, kPageHigh);
  DrawSlab(page, rng, "HOW TO PLAY", false);
  cairo_t* cr = page.Cr();
  Paragraph(cr,
            "Guide Zevi through the lantern-lit ruins of Hollowmere: gather every key to open "
            "the exit, pick up the jewels on the way, and keep clear of what lurks in the dark. "
            "You carry up to three keys and cherry bombs; they are dropped oldest first.",
            48, 86, 544, 14, palette::Parchment);
  double y = 170;
  const double step = 31;
  ControlRow(cr, {"\xE2\x86\x91", "\xE2\x86\x93", "\xE2\x86\x90", "\xE2\x86\x92"},
             "Walk; walk into a boulder to push it.", y);
  ControlRow(cr, {"SPACE", "or", "ENTER"}, "Drop the oldest item you carry.", y += step);
  ControlRow(cr, {"BACKSPACE"}, "Take a turn back; with Shift, redo it.", y += step);
  ControlRow(cr, {"F6", "or", "R"}, "Restart the level.", y += step);
  ControlRow(cr, {"F9"}, "Watch your best run; an arrow takes over.", y += step);
  ControlRow(cr, {"ESC", "or", "MENU"}, "Open the menu (or the side panel's button).", y += step);
  ControlRow(cr, {"+", "/", "-"}, "Keypad plus and minus: faster or slower.", y += step);
  ControlRow(cr, {"PAUSE"}, "Pause; in a playback, \xE2\x86\x92 steps a turn.", y += step);
  ControlRow(cr, {"F11"}, "Open the level editor beside the game.", y += step);
  SavePage(page, rng, 1, outDir);
}

void ElementPage(const std::string& outDir, ArtRandom& rng, int n, const char* title,
                 const std::vector<Entry>& entries) {
  ArtCanvas page(kPageWide, kPageHigh);
  DrawSlab(page, rng, title, false);
  cairo_t* cr = page.Cr();
  double y = 78;
  for (const Entry& entry : entries) y = ElementRow(cr, entry, y);
  SavePage(page, rng, n, outDir);
}

void DrawJewelBlue(cairo_t* cr, double cx, double cy) {
  Jewel(cr, cx, cy, 12, palette::Sapphire);
}
void DrawJewelGreen(cairo_t* cr, double cx, double cy) {
  Jewel(cr, cx, cy, 12, palette::Emerald);
}
void DrawKeyPicture(cairo_t* cr, double cx, double cy) {
  DrawKey(cr, cx, cy);
}
void DrawExitShut(cairo_t* cr, double cx, double cy) {
  DrawExit(cr, cx, cy, false);
}
void DrawRedButton(cairo_t* cr, double cx, double cy) {
  DrawPushButton(cr, cx, cy, palette::Ruby);
}
void DrawRedField(cairo_t* cr, double cx, double cy) {
  DrawForceField(cr, cx, cy, palette::Ruby);
}
void DrawPillarLow(cairo_t* cr, double cx, double cy) {
  DrawPillar(cr, cx, cy, 0.1);
}
void DrawPillarRisen(cairo_t* cr, double cx, double cy) {
  DrawPillar(cr, cx, cy, 1.0);
}
void DrawWaterFilled(cairo_t* cr, double cx, double cy) {
  DrawWater(cr, cx, cy);
  DrawBoulder(cr, cx, cy);
}

void InstructionPages(const std::string& outDir) {
  ArtRandom rng(0x1A57C0DEu);
  ControlsPage(outDir, rng);
  ElementPage(
      outDir, rng, 2, "KEYS, JEWELS AND GROUND",
      {{{DrawKeyPicture, DrawExitShut},
        "KEYS AND EXITS",
        "Walk over a key to pick it up. When you hold every key of the level, the exit opens: "
        "step through it to finish."},
       {{DrawJewelBlue, DrawJewelGreen},
        "JEWELS",
        "Walk over jewels to collect them. Blue, magenta, yellow and green are worth more in "
        "turn. Leave one behind and the level counts as only partly solved."},
       {{DrawBoulder, DrawDirt},
        "BOULDERS AND DIRT",
        "Walk into a boulder to push it one cell, if the cell beyond is free. Dirt is cleared "
        "away when you walk through it."},
       {{DrawWater, DrawWaterFilled},
        "WATER",
        "You cannot wade through water. Push a boulder into it: the boulder sinks and fills the "
        "cell, and you can walk across."}});
  ElementPage(
      outDir, rng, 3, "SWITCHES, HINTS AND LEVELS",
      {{{DrawRedButton, DrawRedField},
        "PUSH BUTTONS AND FORCE FIELDS",
        "A force field blocks the way while any push button of its colour is up. Hold every "
        "button of that colour down - stand on it, or leave a boulder or a creature on it - "
        "and the field switches off."},
       {{DrawPillarLow, DrawPillarRisen},
        "PILLARS",
        "A pillar lies flat in the floor until something steps onto it and off again; then it "
        "rises and blocks the cell for good. You can cross each pillar only once."},
       {{DrawInfoMarker},
        "INFO MARKERS",
        "Step onto an info marker to see a hint. Some markers show their hint by themselves "
        "when the moment comes."},
       {{DrawExitShut, DrawJewelGreen},
        "THE EPISODE",
        "Fifty-three levels, then nine bonus levels, B1 to B9, the hardest of all. Pick any "
        "level on the level pick; your best run of each is kept and shown there."}});
  ElementPage(
      outDir, rng, 4, "DANGERS",
      {{{DrawSnake},
        "SNAKES",
        "A snake spits a fireball along its row. Do not stand in its line, or put a boulder "
        "between you."},
       {{DrawSpider},
        "SPIDERS",
        "Spiders crawl along the walls and pounce on you if you stand next to them."},
       {{DrawCherryBomb},
        "CHERRY BOMBS",
        "Pick a cherry bomb up and carry it; drop it where you need a blast, then get away "
        "before it goes off."},
       {{DrawSeekerDroid},
        "SEEKER DROIDS",
        "A seeker droid steps after you and zaps you when it catches you. Lead it astray "
        "around boulders and walls."}});
}

}  // namespace

void GenerateInstructionArt(const std::string& outDir) {
  InstructionPages(outDir);
}

}  // namespace assetgen::interface
