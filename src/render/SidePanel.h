#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/Sprite.h"

namespace qn2 {

class tDib16;

// The 128-pixel strip at the left of the screen: the level code, the keys and jewels
// counters, the word-wrapped hint text, and the glowing button that opens the menu.
// Everything is drawn into CurrentDib; only what changed since the last frame is drawn
// again, except the button and the level code, which are drawn every frame.
class tSidePanel {
 public:
  // What the panel shows, written by the engine before each DrawSidePanel.
  std::string LevelCode;  // two characters: digits, "B", anything else blank
  std::int32_t KeysCollected = 0;
  std::int32_t KeysInLevel = 0;
  std::int32_t JewelsCollected = 0;
  std::int32_t JewelsInLevel = 0;
  std::string HintText;

  // Registers the panel's pictures ("KeysDigits.bmp" and "GemsDigits.bmp" loaded at once,
  // the rest on first draw) and sets up its sprites.
  void Load();
  // Forgets the pictures: drawing the panel afterwards raises instead of reading freed
  // memory.
  void Free();
  // Copies the whole panel picture to the panel's place in CurrentDib, whatever
  // CurrentDib's ClipRect (which is kept).
  void DrawBackground();
  // The next Draw redraws the hint and both counters.
  void Forget();
  // Once per tick: the mouse position in frame pixels, whether a click began this tick,
  // and whether the button is held now.
  void UpdateButton(std::int32_t mouseX, std::int32_t mouseY, bool clickNow, bool buttonHeld);
  // True once for each click that was both pressed and released on the button.
  bool TakeButtonClick();
  // Forgets the glow, the hover, a press in progress and an untaken click (a level reset).
  void ResetButton();
  // Once per frame, after the play area: the hint (when changed), the button, the level
  // code and the counters (when the collected count changed). Leaves CurrentDib's
  // ClipRect on the play area, right of the panel.
  void Draw();

 private:
  // Glyph sets of a counter picture: three columns of eleven glyphs (digits 0 to 9, then
  // blank) for the collected count and three for the total.
  struct tCounterGlyphs {
    std::array<std::array<tSprite, 11>, 3> Count;
    std::array<std::array<tSprite, 11>, 3> Total;
  };

  void SetUpCounter(tCounterGlyphs& glyphs, const std::string& name);
  void DrawHint(tDib16& target);
  void DrawButton();
  void DrawLevelCode();
  static void DrawCounter(tDib16& target, tCounterGlyphs& glyphs, std::int32_t y,
                          std::int32_t collected, std::int32_t total);

  std::array<tSprite, 6> ButtonGlowFrames;
  tSprite ButtonPressed;
  std::array<std::array<tSprite, 12>, 2> LevelDigits;  // per place: 0 to 9, blank, "B"
  tCounterGlyphs KeyDigits;
  tCounterGlyphs GemDigits;

  // What the panel shows now; empty after Forget.
  std::optional<std::string> DrawnHintText;
  std::optional<std::int32_t> DrawnKeysCollected;
  std::optional<std::int32_t> DrawnJewelsCollected;

  float ButtonGlow = 0;  // 0 to 1
  bool Hovering = false;
  bool PressedInside = false;
  bool WasHeld = false;
  bool Clicked = false;
};

// The one side panel of the game.
extern tSidePanel SidePanel;

// The hint's lines: words separated by spaces join a line while its width (through the
// text service) stays within 115 pixels; a longer word stands on its own line, unbroken.
std::vector<std::string> WrapHint(std::string_view text);
// The hint band holds this many lines of the 20-pixel text; more spill over the counters.
inline constexpr std::size_t HintMaxLines = 4;

// The game's names for the services of SidePanel.
void LoadSidePanel();
void FreeSidePanel();
void DrawSidePanelBackground();
void ForgetSidePanel();
void UpdatePanelButton(std::int32_t mouseX, std::int32_t mouseY, bool clickNow, bool buttonHeld);
bool TakePanelButtonClick();
void ResetPanelButton();
void DrawSidePanel();

}  // namespace qn2
