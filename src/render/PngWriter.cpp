#include "render/PngWriter.h"

#include <png.h>

#include <cstdint>
#include <vector>

#include "common/Exception.h"
#include "render/Dib16.h"
#include "render/PixelFormat.h"

namespace qn2 {

void SavePng(tDib16& dib, const std::string& path) {
  const std::int32_t width = dib.Width(), height = dib.Height();
  if (width <= 0 || height <= 0 || !dib.HasStorage())
    throw EFileError("Couldn't write PNG '" + path + "': the picture has no pixels");

  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                                3);
  const auto touched = dib.RowTouched;
  const auto changed = dib.RowChanged;
  dib.BeginDraw();
  std::uint8_t* out = rgb.data();
  for (std::int32_t y = 0; y < height; ++y) {
    const std::uint16_t* row = dib.ScanLine(y);
    for (std::int32_t x = 0; x < width; ++x) {
      const tRgb c = SplitPixel(row[x]);
      *out++ = c.R;
      *out++ = c.G;
      *out++ = c.B;
    }
  }
  dib.EndDraw();
  dib.RowTouched = touched;
  dib.RowChanged = changed;

  // libpng's simplified interface removes the file again when writing fails.
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) == 0) {
    const std::string reason = image.message;
    png_image_free(&image);
    throw EFileError("Couldn't write PNG '" + path + "': " + reason);
  }
}

}  // namespace qn2
