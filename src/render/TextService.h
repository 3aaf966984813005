#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "render/Rect.h"

namespace qn2 {

class tDib16;

// The game's one text face: the bold 20-pixel sans serif of the side panel's hint, the
// game-speed message and the dialogs. Texts are the game's 8-bit texts (Latin-1). The
// platform layer provides it; the drawing code never sees how the glyphs are made.
class tTextService {
 public:
  virtual ~tTextService() = default;
  // Width (X) and height (Y) of the text's box in pixels.
  virtual tPoint TextExtent(std::string_view text) = 0;
  // Height of one line of text.
  virtual std::int32_t FontHeight() = 0;
  // Draws the text with its box's top-left at (left, top) in the colour (red in the low
  // byte, then green, then blue), leaving the background as it is. Only the part inside
  // the target's ClipRect is drawn, and that part is listed as dirty.
  virtual void DrawText(tDib16& target, std::int32_t left, std::int32_t top, std::string_view text,
                        std::uint32_t colour) = 0;
};

// The program-wide text face, set by the shell and not owned. While it is null no text is
// drawn and every text measures 0 by 0.
extern tTextService* TextService;

// The same three services through TextService, honouring a null TextService.
tPoint GameTextExtent(std::string_view text);
std::int32_t GameFontHeight();
void DrawGameText(tDib16& target, std::int32_t left, std::int32_t top, std::string_view text,
                  std::uint32_t colour);

// A rendered text as coverage: one byte per pixel, row-major, 0 = background, 255 = fully
// covered by the glyphs.
struct tTextCoverage {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::vector<std::uint8_t> Alpha;
};

// Blends the colour (red in the low byte) into the target by the coverage, whose top-left
// lands at (left, top): fully covered pixels take the colour exactly, uncovered ones stay.
// Cut to the target's ClipRect (and the target itself); the drawn rectangle is listed as
// dirty when anything of it is inside.
void DrawTextCoverage(tDib16& target, std::int32_t left, std::int32_t top,
                      const tTextCoverage& coverage, std::uint32_t colour);

}  // namespace qn2
