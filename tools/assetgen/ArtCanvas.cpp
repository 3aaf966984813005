#include "ArtCanvas.h"

// jpeglib.h needs the standard types declared before it.
#include <jpeglib.h>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace assetgen {

ArtCanvas::ArtCanvas(int width, int height) : PixelsWide(width), PixelsHigh(height) {
  if (width <= 0 || height <= 0) throw std::runtime_error("Empty canvas");
  Image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(Image) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(Image);
    throw std::runtime_error("Cannot create a " + std::to_string(width) + " x " +
                             std::to_string(height) + " canvas");
  }
  Context = cairo_create(Image);
}

ArtCanvas::~ArtCanvas() {
  cairo_destroy(Context);
  cairo_surface_destroy(Image);
}

void ArtCanvas::Fill(Rgb colour) {
  FillRect(0, 0, PixelsWide, PixelsHigh, colour);
}

void ArtCanvas::FillRect(double x, double y, double w, double h, Rgb colour) {
  cairo_save(Context);
  cairo_set_antialias(Context, CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(Context, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_rgb(Context, colour.R, colour.G, colour.B);
  cairo_rectangle(Context, x, y, w, h);
  cairo_fill(Context);
  cairo_restore(Context);
}

void ArtCanvas::ClearRect(double x, double y, double w, double h) {
  cairo_save(Context);
  cairo_set_antialias(Context, CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(Context, CAIRO_OPERATOR_CLEAR);
  cairo_rectangle(Context, x, y, w, h);
  cairo_fill(Context);
  cairo_restore(Context);
}

void ArtCanvas::Blit(const ArtCanvas& source, double x, double y) {
  cairo_save(Context);
  cairo_set_operator(Context, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(Context, source.Image, x, y);
  cairo_rectangle(Context, x, y, source.PixelsWide, source.PixelsHigh);
  cairo_fill(Context);
  cairo_restore(Context);
}

std::vector<std::uint8_t> ArtCanvas::FlattenRgb() const {
  cairo_surface_flush(Image);
  const unsigned char* data = cairo_image_surface_get_data(Image);
  const int stride = cairo_image_surface_get_stride(Image);
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(PixelsWide) * PixelsHigh * 3);
  auto byte = [](double v) { return static_cast<std::uint8_t>(v * 255.0 + 0.5); };
  const std::uint8_t shade[3] = {byte(EdgeShade.R), byte(EdgeShade.G), byte(EdgeShade.B)};
  std::uint8_t* out = rgb.data();
  for (int y = 0; y < PixelsHigh; ++y) {
    const std::uint32_t* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
    for (int x = 0; x < PixelsWide; ++x, out += 3) {
      // Premultiplied ARGB in native order.
      const std::uint32_t p = row[x];
      const unsigned a = p >> 24;
      const unsigned c[3] = {(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF};
      if (a < 128) {
        out[0] = 255, out[1] = 0, out[2] = 255;
      } else {
        for (int i = 0; i < 3; ++i) {
          const unsigned v = c[i] + (shade[i] * (255 - a) + 127) / 255;
          out[i] = static_cast<std::uint8_t>(v > 255 ? 255 : v);
        }
      }
    }
  }
  return rgb;
}

void ArtCanvas::SaveJpeg(const std::string& outDir, const std::string& name) const {
  WriteFileBytes(outDir, name, EncodeJpeg(FlattenRgb(), PixelsWide, PixelsHigh));
}

void ArtCanvas::SaveBmp(const std::string& outDir, const std::string& name) const {
  WriteFileBytes(outDir, name, EncodeBmp24(FlattenRgb(), PixelsWide, PixelsHigh));
}

namespace {

struct JpegFailure {
  char Message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ThrowJpegError(j_common_ptr info) {
  JpegFailure failure;
  (*info->err->format_message)(info, failure.Message);
  throw std::runtime_error(std::string("JPEG encoder: ") + failure.Message);
}

}  // namespace

std::vector<std::uint8_t> EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                     int quality) {
  if (rgb.size() != static_cast<std::size_t>(width) * height * 3)
    throw std::runtime_error("JPEG encoder: pixel buffer does not match the size");
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  errors.error_exit = ThrowJpegError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  std::vector<std::uint8_t> result;
  try {
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    info.dct_method = JDCT_ISLOW;
    info.optimize_coding = TRUE;
    // No chroma subsampling: the key colour's edges stay where they were drawn.
    for (int i = 0; i < info.num_components; ++i) {
      info.comp_info[i].h_samp_factor = 1;
      info.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
      JSAMPROW row =
          const_cast<JSAMPROW>(rgb.data() + static_cast<std::size_t>(info.next_scanline) *
                                                static_cast<std::size_t>(width) * 3);
      jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    result.assign(buffer, buffer + size);
  } catch (...) {
    jpeg_destroy_compress(&info);
    std::free(buffer);
    throw;
  }
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return result;
}

std::vector<std::uint8_t> EncodeBmp24(const std::vector<std::uint8_t>& rgb, int width, int height) {
  if (rgb.size() != static_cast<std::size_t>(width) * height * 3)
    throw std::runtime_error("BMP writer: pixel buffer does not match the size");
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(height);
  const std::uint32_t offset = 14 + 40;
  std::vector<std::uint8_t> out;
  out.reserve(offset + pixelBytes);
  auto u16 = [&out](std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto u32 = [&u16](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  // File header.
  out.push_back('B');
  out.push_back('M');
  u32(offset + pixelBytes);
  u32(0);
  u32(offset);
  // Info header: uncompressed 24 bits, stored bottom-up, 72 dots per inch.
  u32(40);
  u32(static_cast<std::uint32_t>(width));
  u32(static_cast<std::uint32_t>(height));
  u16(1);
  u16(24);
  u32(0);
  u32(pixelBytes);
  u32(2835);
  u32(2835);
  u32(0);
  u32(0);
  for (int y = height - 1; y >= 0; --y) {
    const std::uint8_t* s = rgb.data() + static_cast<std::size_t>(y) * width * 3;
    for (int x = 0; x < width; ++x, s += 3) {
      out.push_back(s[2]);
      out.push_back(s[1]);
      out.push_back(s[0]);
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad)
      out.push_back(0);
  }
  return out;
}

void WriteFileBytes(const std::string& outDir, const std::string& name,
                    const std::vector<std::uint8_t>& bytes) {
  const std::string path = outDir + "/" + name;
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw std::runtime_error("Cannot create '" + path + "'");
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  file.close();
  if (!file) throw std::runtime_error("Cannot write '" + path + "'");
}

}  // namespace assetgen
