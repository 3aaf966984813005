#include "platform/WindowShot.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "common/Exception.h"

namespace qn2 {

namespace {

struct tPngFile {
  std::FILE* File = nullptr;
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  ~tPngFile() {
    if (Png != nullptr) png_destroy_write_struct(&Png, Info != nullptr ? &Info : nullptr);
    if (File != nullptr) std::fclose(File);
  }
};

}  // namespace

void SaveRendererPng(SDL_Renderer* renderer, const std::string& path) {
  int width = 0, height = 0;
  if (SDL_GetRendererOutputSize(renderer, &width, &height) != 0 || width <= 0 || height <= 0)
    throw EFileError("The window's size is unknown: " + std::string(SDL_GetError()));
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
  if (SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGB24, pixels.data(), width * 3) != 0)
    throw EFileError("The window's pixels cannot be read: " + std::string(SDL_GetError()));
  tPngFile out;
  out.File = std::fopen(path.c_str(), "wb");
  if (out.File == nullptr) throw EFileError("Cannot write " + path);
  out.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  out.Info = out.Png != nullptr ? png_create_info_struct(out.Png) : nullptr;
  if (out.Info == nullptr) throw EFileError("Cannot write " + path);
  if (setjmp(png_jmpbuf(out.Png))) {
    std::fclose(out.File);
    out.File = nullptr;
    std::remove(path.c_str());
    throw EFileError("Cannot write " + path);
  }
  png_init_io(out.Png, out.File);
  png_set_IHDR(out.Png, out.Info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
               8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(out.Png, out.Info);
  for (int y = 0; y < height; ++y)
    png_write_row(out.Png, pixels.data() + static_cast<std::size_t>(y) * width * 3);
  png_write_end(out.Png, out.Info);
}

}  // namespace qn2
