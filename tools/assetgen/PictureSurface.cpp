#include "PictureSurface.h"

#include <cstdint>

#include "common/Text.h"

namespace assetgen {

bool IsPictureName(const std::string& name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string ext = qn2::LowerCase(std::string_view(name).substr(dot));
  return ext == ".bmp" || ext == ".jpg";
}

cairo_surface_t* PictureToSurface(const qn2::tPicture& picture) {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.Width, picture.Height);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (std::int32_t y = 0; y < picture.Height; ++y) {
    const std::uint8_t* s = picture.Row(y);
    auto* d = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (std::int32_t x = 0; x < picture.Width; ++x, s += 3)
      d[x] = (std::uint32_t{s[0]} << 16) | (std::uint32_t{s[1]} << 8) | s[2];
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

}  // namespace assetgen
