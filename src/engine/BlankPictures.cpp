#include "engine/BlankPictures.h"

#include <cstdio>

#include <jpeglib.h>

namespace qn2 {

namespace {

std::vector<std::uint8_t> BlankBitmap() {
  // 1 x 1, 24 bits, black.
  std::vector<std::uint8_t> b(58, 0);
  auto put32 = [&b](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
      b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, 58);
  put32(10, 54);
  put32(14, 40);
  put32(18, 1);
  put32(22, 1);
  b[26] = 1;
  b[28] = 24;
  put32(34, 4);
  return b;
}

std::vector<std::uint8_t> BlankJpeg() {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = 8;
  info.image_height = 8;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  unsigned char row[8 * 3] = {};
  JSAMPROW rows[1] = {row};
  while (info.next_scanline < info.image_height) jpeg_write_scanlines(&info, rows, 1);
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> bytes(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> tBlankPictures::ReadFile(const std::string& name) {
  if (auto bytes = Real.ReadFile(name)) return bytes;
  if (name.ends_with(".mask")) return std::nullopt;  // masks are optional anyway
  return IsBitmapName(name) ? BlankBitmap() : BlankJpeg();
}

}  // namespace qn2
