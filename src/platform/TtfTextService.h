#pragma once

#include <SDL_ttf.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "render/TextService.h"

namespace qn2 {

// The game's text face drawn with SDL2_ttf: a bold sans serif TrueType font sized so a
// line is at most 20 pixels high, like the bold "MS Sans Serif" the game was drawn with.
class tTtfTextService final : public tTextService {
 public:
  static constexpr std::int32_t LineHeight = 20;

  // Opens the first of the font files that opens (a file without "Bold" in its name is
  // drawn emboldened). Raises Exception naming the files tried when none opens, and
  // EDeviceError when the font renderer cannot start.
  explicit tTtfTextService(const std::vector<std::string>& fontFiles = DefaultFontFiles(),
                           std::int32_t lineHeight = LineHeight);
  ~tTtfTextService() override;
  tTtfTextService(const tTtfTextService&) = delete;
  tTtfTextService& operator=(const tTtfTextService&) = delete;

  tPoint TextExtent(std::string_view text) override;
  std::int32_t FontHeight() override;
  void DrawText(tDib16& target, std::int32_t left, std::int32_t top, std::string_view text,
                std::uint32_t colour) override;

  // The font file in use.
  const std::string& FontFile() const { return OpenedFile; }

  // DejaVu Sans Bold, then other DejaVu faces.
  static std::vector<std::string> DefaultFontFiles();

 private:
  TTF_Font* Font = nullptr;
  std::string OpenedFile;
};

// The game's 8-bit texts are Latin-1: every byte is the code point of the same number.
std::string Latin1ToUtf8(std::string_view text);

}  // namespace qn2
