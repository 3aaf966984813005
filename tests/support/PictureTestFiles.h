#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "common/Text.h"
#include "render/ColourTables.h"
#include "render/DibRegistry.h"
#include "render/PictureSource.h"
#include "render/PixelFormat.h"

namespace qn2::test {

using tColourAt = std::function<tRgb(int x, int y)>;

// Picture files held in memory, found without regard to letter case like the package
// layer's; every request is logged with the name as asked.
class tMemoryPictureFiles : public tPictureFiles {
 public:
  void Add(const std::string& name, std::vector<std::uint8_t> contents) {
    Files[LowerCase(name)] = std::move(contents);
  }
  void Remove(const std::string& name) { Files.erase(LowerCase(name)); }

  std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& name) override {
    Requests.push_back(name);
    const auto found = Files.find(LowerCase(name));
    if (found == Files.end()) return std::nullopt;
    return found->second;
  }

  int RequestsFor(const std::string& name) const {
    int count = 0;
    for (const std::string& asked : Requests) count += asked == name ? 1 : 0;
    return count;
  }

  std::vector<std::string> Requests;

 private:
  std::map<std::string, std::vector<std::uint8_t>> Files;
};

// Installs in-memory picture files and leaves an empty registry and the start-up 5-6-5
// tables behind.
struct tPictureFilesScope {
  tPictureFilesScope() {
    ClearDibs();
    PictureFiles = &Files;
  }
  ~tPictureFilesScope() {
    ClearDibs();
    PictureFiles = nullptr;
    Gamma = 1.1f;
    SetupColourValues(0xF800, 0x07E0, 0x001F);
  }
  tMemoryPictureFiles Files;
};

struct tBmpLayout {
  int Width = 1;
  int Height = 1;
  int Bits = 24;           // 8 (palette of the distinct colours), 24 or 32
  bool TopDown = false;    // stored with a negative height
  bool BitFields = false;  // 32-bit with masks red 0xFF, green 0xFF00, blue 0xFF0000
};

inline void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

// A Windows bitmap written byte by byte, with a 40-byte info header.
inline std::vector<std::uint8_t> MakeBmp(const tBmpLayout& layout, const tColourAt& colour) {
  std::vector<tRgb> palette;
  auto index = [&](tRgb c) {
    for (std::size_t i = 0; i < palette.size(); ++i)
      if (palette[i] == c) return static_cast<std::uint8_t>(i);
    palette.push_back(c);
    return static_cast<std::uint8_t>(palette.size() - 1);
  };
  const int stride = (layout.Width * layout.Bits + 31) / 32 * 4;
  std::vector<std::uint8_t> pixels;
  for (int stored = 0; stored < layout.Height; ++stored) {
    const int y = layout.TopDown ? stored : layout.Height - 1 - stored;
    const std::size_t start = pixels.size();
    for (int x = 0; x < layout.Width; ++x) {
      const tRgb c = colour(x, y);
      if (layout.Bits == 8) {
        pixels.push_back(index(c));
      } else if (layout.BitFields) {
        pixels.insert(pixels.end(), {c.R, c.G, c.B, 0x5A});
      } else {
        pixels.insert(pixels.end(), {c.B, c.G, c.R});
        if (layout.Bits == 32) pixels.push_back(0x5A);
      }
    }
    pixels.resize(start + static_cast<std::size_t>(stride), 0);
  }
  const std::uint32_t extra = layout.BitFields ? 12 : layout.Bits == 8 ? 4 * palette.size() : 0;
  const std::uint32_t offset = 14 + 40 + extra;
  std::vector<std::uint8_t> out{'B', 'M'};
  PutU32(out, offset + static_cast<std::uint32_t>(pixels.size()));
  PutU32(out, 0);
  PutU32(out, offset);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(layout.Width));
  PutU32(out, static_cast<std::uint32_t>(layout.TopDown ? -layout.Height : layout.Height));
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint32_t>(layout.Bits));
  PutU32(out, layout.BitFields ? 3 : 0);
  PutU32(out, static_cast<std::uint32_t>(pixels.size()));
  PutU32(out, 2835);
  PutU32(out, 2835);
  PutU32(out, layout.Bits == 8 ? static_cast<std::uint32_t>(palette.size()) : 0);
  PutU32(out, 0);
  if (layout.BitFields) {
    PutU32(out, 0x000000FF);
    PutU32(out, 0x0000FF00);
    PutU32(out, 0x00FF0000);
  }
  for (tRgb c : palette) out.insert(out.end(), {c.B, c.G, c.R, 0});
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

inline std::vector<std::uint8_t> MakeBmp(int width, int height, const tColourAt& colour) {
  return MakeBmp(tBmpLayout{width, height}, colour);
}

// A JPEG made with libjpeg's compressor, baseline unless progressive; grey when components
// is 1.
inline std::vector<std::uint8_t> MakeJpeg(int width, int height, const tColourAt& colour,
                                          int components = 3, bool progressive = false) {
  jpeg_compress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(width * components));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const tRgb c = colour(x, y);
      if (components == 1) {
        row[static_cast<std::size_t>(x)] = c.G;
      } else {
        row[static_cast<std::size_t>(3 * x)] = c.R;
        row[static_cast<std::size_t>(3 * x + 1)] = c.G;
        row[static_cast<std::size_t>(3 * x + 2)] = c.B;
      }
    }
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  jpeg_destroy_compress(&info);
  return out;
}

}  // namespace qn2::test
