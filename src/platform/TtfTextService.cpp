#include "platform/TtfTextService.h"

#include "common/Exception.h"
#include "render/Dib16.h"

namespace qn2 {

namespace {

constexpr const char* kFontFolder = "/usr/share/fonts/truetype/dejavu/";

std::string TtfError() {
  return TTF_GetError();
}

// The text's coverage from a 32-bit surface drawn in white: its alpha channel.
tTextCoverage CoverageOf(SDL_Surface& surface) {
  const SDL_PixelFormat& format = *surface.format;
  if (format.BytesPerPixel != 4 || format.Amask == 0)
    throw Exception("Text was drawn in an unexpected pixel format");
  tTextCoverage coverage;
  coverage.Width = surface.w;
  coverage.Height = surface.h;
  coverage.Alpha.resize(static_cast<std::size_t>(surface.w) * static_cast<std::size_t>(surface.h));
  if (SDL_MUSTLOCK(&surface) && SDL_LockSurface(&surface) != 0)
    throw EDeviceError("Text surface could not be locked: " + std::string(SDL_GetError()));
  std::uint8_t* alpha = coverage.Alpha.data();
  for (int y = 0; y < surface.h; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(
        static_cast<const std::uint8_t*>(surface.pixels) +
        static_cast<std::size_t>(y) * static_cast<std::size_t>(surface.pitch));
    for (int x = 0; x < surface.w; ++x)
      *alpha++ = static_cast<std::uint8_t>((row[x] & format.Amask) >> format.Ashift);
  }
  if (SDL_MUSTLOCK(&surface)) SDL_UnlockSurface(&surface);
  return coverage;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view text) {
  std::string utf8;
  utf8.reserve(text.size() * 2);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

std::vector<std::string> tTtfTextService::DefaultFontFiles() {
  std::vector<std::string> files;
  for (const char* name : {"DejaVuSans-Bold.ttf", "DejaVuSansCondensed-Bold.ttf", "DejaVuSans.ttf",
                           "DejaVuSansCondensed.ttf", "DejaVuSerif-Bold.ttf",
                           "DejaVuSansMono-Bold.ttf", "DejaVuSerif.ttf", "DejaVuSansMono.ttf"})
    files.push_back(std::string(kFontFolder) + name);
  return files;
}

tTtfTextService::tTtfTextService(const std::vector<std::string>& fontFiles,
                                 std::int32_t lineHeight) {
  if (TTF_Init() != 0) throw EDeviceError("The font renderer could not start: " + TtfError());
  std::string tried;
  for (const std::string& file : fontFiles) {
    Font = TTF_OpenFont(file.c_str(), lineHeight);
    if (Font != nullptr) {
      OpenedFile = file;
      break;
    }
    tried += (tried.empty() ? "'" : ", '") + file + "' (" + TtfError() + ")";
  }
  if (Font == nullptr) {
    TTF_Quit();
    throw Exception("No font for the game's text could be opened; tried " +
                    (tried.empty() ? std::string("no files") : tried));
  }
  if (OpenedFile.find("Bold") == std::string::npos) TTF_SetFontStyle(Font, TTF_STYLE_BOLD);
  // The point size whose line height comes closest to the wanted one without passing it.
  for (int points = lineHeight; TTF_FontHeight(Font) > lineHeight && points > 4;)
    TTF_SetFontSize(Font, --points);
}

tTtfTextService::~tTtfTextService() {
  TTF_CloseFont(Font);
  TTF_Quit();
}

tPoint tTtfTextService::TextExtent(std::string_view text) {
  if (text.empty()) return {0, FontHeight()};
  int width = 0;
  int height = 0;
  if (TTF_SizeUTF8(Font, Latin1ToUtf8(text).c_str(), &width, &height) != 0)
    throw Exception("Text could not be measured: " + TtfError());
  return {width, height};
}

std::int32_t tTtfTextService::FontHeight() {
  return TTF_FontHeight(Font);
}

void tTtfTextService::DrawText(tDib16& target, std::int32_t left, std::int32_t top,
                               std::string_view text, std::uint32_t colour) {
  if (text.empty()) return;
  const SDL_Color white{255, 255, 255, 255};
  SDL_Surface* surface = TTF_RenderUTF8_Blended(Font, Latin1ToUtf8(text).c_str(), white);
  if (surface == nullptr) throw Exception("Text could not be drawn: " + TtfError());
  tTextCoverage coverage;
  try {
    coverage = CoverageOf(*surface);
  } catch (...) {
    SDL_FreeSurface(surface);
    throw;
  }
  SDL_FreeSurface(surface);
  DrawTextCoverage(target, left, top, coverage, colour);
}

}  // namespace qn2
