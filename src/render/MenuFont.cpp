#include "render/MenuFont.h"

#include <algorithm>

#include "render/DibRegistry.h"

namespace qn2 {

tMenuFont MenuFont;

namespace {

constexpr const char* kBaseName = "MenuFontBase.bmp";
constexpr const char* kGlow1Name = "MenuFontGlow1.Jpg";
constexpr const char* kGlow2Name = "MenuFontGlow2.Jpg";
constexpr int kSpace = 32;
constexpr int kLastGlow1Char = 65;  // 'A'; 'B' and on are in the second glow picture

constexpr int kGlyphWidth = 42;
constexpr int kBaseHeight = 38;
constexpr int kGlowHeight = 50;
// The glyphs are centred this far above the baseline reference.
constexpr int kBaselineRise = 21;

// Widths of the codes 32 (space) to 90 ('Z').
constexpr std::array<std::uint8_t, 59> kWidths = {
    10, 7,  12, 22, 16, 30, 34, 6,  13, 13,               // space ! " # $ % & ' ( )
    16, 19, 8,  10, 8,  16,                               // * + , - . /
    20, 20, 20, 20, 20, 20, 20, 20, 20, 20,               // 0 to 9
    7,  8,  18, 19, 18, 14, 30,                           // : ; < = > ? @
    24, 19, 23, 21, 21, 17, 24, 22, 9,  13, 21, 17, 38,   // A to M
    26, 24, 19, 28, 18, 16, 26, 23, 25, 32, 22, 22, 20};  // N to Z

struct tKernPair {
  char First;
  char Second;
  std::int8_t Amount;
};

constexpr tKernPair kKernPairs[] = {
    {'A', 'C', 1}, {'A', 'G', 1}, {'A', 'O', 1}, {'A', 'T', 3}, {'A', 'V', 5}, {'A', 'W', 3},
    {'A', 'Y', 3}, {'D', 'A', 1}, {'D', 'T', 1}, {'D', 'V', 1}, {'D', 'Y', 1}, {'L', 'C', 2},
    {'L', 'G', 2}, {'L', 'O', 2}, {'L', 'T', 3}, {'L', 'V', 3}, {'L', 'W', 2}, {'L', 'Y', 3},
    {'M', 'A', 1}, {'O', 'A', 1}, {'O', 'T', 1}, {'O', 'V', 2}, {'O', 'Y', 1}, {'P', 'A', 2},
    {'T', 'A', 1}, {'T', 'O', 1}, {'V', 'A', 5}, {'V', 'C', 2}, {'V', 'G', 2}, {'V', 'O', 2},
    {'W', 'A', 3}, {'Y', 'A', 3}, {'Z', 'O', 1}};

using tKerningTable = std::array<std::array<std::int8_t, 26>, 26>;

constexpr tKerningTable kKerning = [] {
  tKerningTable table{};
  for (const tKernPair& pair : kKernPairs) table[pair.First - 'A'][pair.Second - 'A'] = pair.Amount;
  return table;
}();

std::int32_t WidthOfCode(int code) {
  return kWidths[static_cast<std::size_t>(code - kSpace)];
}

std::int32_t KerningOfCodes(int first, int second) {
  if (first < 'A' || first > 'Z' || second < 'A' || second > 'Z') return 0;
  return kKerning[static_cast<std::size_t>(first - 'A')][static_cast<std::size_t>(second - 'A')];
}

int GlowColumnX(int column) {
  return 11 + 64 * column;
}

// Calls place(code, centreX) for each character with the centre of its glyph: each
// character moves in by half its width + 1, less the kerning with the last non-space
// character before it, and then on by the other half.
template <class Place>
void WalkMenuText(std::int32_t x, std::string_view text, Place place) {
  int previous = kSpace;
  for (char c : text) {
    const int code = MenuCharCode(c);
    const std::int32_t half = (WidthOfCode(code) + 1) / 2;
    x += half - KerningOfCodes(previous, code);
    place(code, x);
    x += half;
    if (code != kSpace) previous = code;
  }
}

int GlowFrameOf(std::int32_t level) {
  return std::min(level - 1, MenuGlowFrames - 1);
}

}  // namespace

int MenuCharCode(char c) {
  const int code = static_cast<unsigned char>(c);
  return code >= MenuFontFirstChar && code <= MenuFontLastChar ? code : kSpace;
}

std::int32_t MenuCharWidth(char c) {
  return WidthOfCode(MenuCharCode(c));
}

std::int32_t MenuKerning(char first, char second) {
  return KerningOfCodes(MenuCharCode(first), MenuCharCode(second));
}

void tMenuFont::Load() {
  GetDib(kBaseName, true);
  GetDib(kGlow1Name, false)->NoBrightness = true;
  GetDib(kGlow2Name, false)->NoBrightness = true;
  for (int code = MenuFontFirstChar; code <= MenuFontLastChar; ++code) {
    tMenuGlyph& glyph = Glyph(code);
    const int baseY = 26 + 40 * (code - MenuFontFirstChar);
    for (int look = 0; look < 4; ++look) {
      tSprite& sprite = glyph.Look[static_cast<std::size_t>(look)];
      sprite.SetUp(kBaseName, 11 + 64 * look, baseY, kGlyphWidth, kBaseHeight);
      sprite.DrawMode = dmKeyed;
    }
    glyph.Bright.SetUp(kBaseName, 203, baseY, kGlyphWidth, kBaseHeight);
    glyph.Bright.DrawMode = dmKeyed;
    glyph.Dim.SetUp(kBaseName, 267, baseY, kGlyphWidth, kBaseHeight);
    glyph.Dim.DrawMode = dmKeyed;

    const bool first = code <= kLastGlow1Char;
    const char* glowName = first ? kGlow1Name : kGlow2Name;
    const int glowY = first ? 20 + 60 * (code - MenuFontFirstChar) : 60 * (code - 66);
    for (int frame = 0; frame < MenuGlowFrames; ++frame) {
      tSprite& sprite = glyph.Glow[static_cast<std::size_t>(frame)];
      const int columnA = 5 - frame / 4;
      const int step = frame % 4;
      if (step == 0) {
        sprite.SetUp(glowName, GlowColumnX(columnA), glowY, kGlyphWidth, kGlowHeight);
        sprite.DrawMode = dmAdditive;
      } else {
        // A quarter, a half, then three quarters of the pixels from the next column.
        const int columnB = 4 - frame / 4;
        sprite.SetUpPair(glowName, glowName, GlowColumnX(columnA), glowY, GlowColumnX(columnB),
                         glowY, kGlyphWidth, kGlowHeight);
        sprite.DrawMode = dmAlternate;
        sprite.AltPattern = step == 1 ? 1 : step == 2 ? 0 : 2;
      }
    }
  }
}

void tMenuFont::Free() {
  for (tMenuGlyph& glyph : Glyphs) glyph = tMenuGlyph{};
}

void LoadMenuFont() {
  MenuFont.Load();
}

void FreeMenuFont() {
  MenuFont.Free();
}

std::int32_t MenuTextWidth(std::string_view text) {
  std::int32_t width = 0;
  int previous = kSpace;
  for (char c : text) {
    const int code = MenuCharCode(c);
    width += WidthOfCode(code) + 1 - KerningOfCodes(previous, code);
    if (code != kSpace) previous = code;
  }
  return width;
}

void DrawMenuText(std::int32_t x, std::int32_t y, std::string_view text, std::int32_t level) {
  const int glowFrame = GlowFrameOf(level);
  const int look = std::max(std::min(level / 4, 3), 0);
  WalkMenuText(x, text, [&](int code, std::int32_t centreX) {
    if (code == kSpace) return;
    tMenuGlyph& glyph = MenuFont.Glyph(code);
    const std::int32_t centreY = y - kBaselineRise;
    if (level < 0) {
      glyph.Bright.Draw(centreX, centreY);
      return;
    }
    glyph.Look[static_cast<std::size_t>(look)].Draw(centreX, centreY);
    if (level != 0) glyph.Glow[static_cast<std::size_t>(glowFrame)].Draw(centreX, centreY);
  });
}

void DrawMenuTextCentred(std::int32_t x, std::int32_t y, std::string_view text,
                         std::int32_t level) {
  DrawMenuText(x - MenuTextWidth(text) / 2, y, text, level);
}

void DrawMenuTextAlt(std::int32_t x, std::int32_t y, std::string_view text, std::int32_t level) {
  const int glowFrame = GlowFrameOf(level);
  WalkMenuText(x, text, [&](int code, std::int32_t centreX) {
    if (code == kSpace) return;  // a space's sprites are empty
    tMenuGlyph& glyph = MenuFont.Glyph(code);
    const std::int32_t centreY = y - kBaselineRise;
    (level < 10 ? glyph.Dim : glyph.Bright).Draw(centreX, centreY);
    if (level > 0)
      glyph.Glow[static_cast<std::size_t>(glowFrame)].Draw(centreX, centreY);
    else if (level < 0)
      glyph.Bright.Draw(centreX, centreY);
  });
}

void DrawMenuTextAltCentred(std::int32_t x, std::int32_t y, std::string_view text,
                            std::int32_t level) {
  DrawMenuTextAlt(x - MenuTextWidth(text) / 2, y, text, level);
}

}  // namespace qn2
