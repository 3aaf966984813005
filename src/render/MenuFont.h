#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "render/Sprite.h"

namespace qn2 {

// The menu font: upper-case glyphs '!' to 'Z' cut from "MenuFontBase.bmp", with
// proportional widths, letter-pair kerning and an animated glow from "MenuFontGlow1.Jpg"
// and "MenuFontGlow2.Jpg". Every menu item and pop-up button is written with it.
//
// Glow level, given with each text: 0 is plain; 1 and up add glow frame
// min(level - 1, 20) over base look min(level div 4, 3); below 0 marks a disabled item.

inline constexpr int MenuFontFirstChar = 33;  // '!'
inline constexpr int MenuFontLastChar = 90;   // 'Z'
inline constexpr int MenuGlowFrames = 21;

// The sprites of one character.
struct tMenuGlyph {
  std::array<tSprite, 4> Look;  // base looks 0 to 3
  tSprite Bright;               // the same rectangle as look 3
  tSprite Dim;
  // Frame 0 is glow column 5 alone; each later frame moves a quarter of the pixels on
  // toward column 0, which frame 20 shows alone.
  std::array<tSprite, MenuGlowFrames> Glow;
};

class tMenuFont {
 public:
  // Registers the three pictures (the base loaded at once, the glows with NoBrightness,
  // loaded on first use) and sets up every glyph.
  void Load();
  // Forgets the pictures: a glyph drawn afterwards raises instead of reading freed memory.
  void Free();
  // The glyph of a character code from MenuFontFirstChar to MenuFontLastChar.
  tMenuGlyph& Glyph(int code) { return Glyphs[static_cast<std::size_t>(code - MenuFontFirstChar)]; }

 private:
  std::array<tMenuGlyph, MenuFontLastChar - MenuFontFirstChar + 1> Glyphs{};
};

extern tMenuFont MenuFont;

// The character code the font uses for a text character: anything outside '!' to 'Z'
// (lower-case letters included) is a space, 32.
int MenuCharCode(char c);
// Advance width of a character, without the one pixel of spacing.
std::int32_t MenuCharWidth(char c);
// Pixels a letter pair moves together; 0 unless both are 'A' to 'Z'.
std::int32_t MenuKerning(char first, char second);

void LoadMenuFont();
void FreeMenuFont();
// Width of the text in pixels: each character's width + 1, less the kerning of each
// character with the one before it (across spaces, the last letter before them).
std::int32_t MenuTextWidth(std::string_view text);
// The text with its left edge at x; y is the baseline reference (glyphs are centred 21
// pixels above it).
void DrawMenuText(std::int32_t x, std::int32_t y, std::string_view text, std::int32_t level);
void DrawMenuTextCentred(std::int32_t x, std::int32_t y, std::string_view text, std::int32_t level);
// The second style: the dim look below level 10, the bright one from 10 up, with the glow
// on top; a negative level draws the bright look twice.
void DrawMenuTextAlt(std::int32_t x, std::int32_t y, std::string_view text, std::int32_t level);
void DrawMenuTextAltCentred(std::int32_t x, std::int32_t y, std::string_view text,
                            std::int32_t level);

}  // namespace qn2
