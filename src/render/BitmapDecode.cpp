#include <bit>
#include <cstdint>
#include <string>

#include "common/Exception.h"
#include "render/PictureSource.h"

// Windows bitmaps, read straight from memory. Every read is checked against the end of
// the data, so a damaged or cut-off file fails with a message instead of reading past it.

namespace qn2 {

namespace {

constexpr std::uint32_t kPlainRgb = 0;   // uncompressed
constexpr std::uint32_t kBitFields = 3;  // uncompressed, channels given by masks

class tBitmapReader {
 public:
  tBitmapReader(std::span<const std::uint8_t> data, const std::string& name)
      : Data(data), Name(name) {}

  [[noreturn]] void Fail(const std::string& reason) const {
    throw EFileError("Bitmap '" + Name + "' " + reason);
  }
  void Need(std::uint64_t offset, std::uint64_t count) const {
    if (offset + count > Data.size()) Fail("is truncated");
  }
  std::uint32_t U16(std::uint64_t offset) const {
    Need(offset, 2);
    return Data[offset] | static_cast<std::uint32_t>(Data[offset + 1]) << 8;
  }
  std::uint32_t U32(std::uint64_t offset) const {
    Need(offset, 4);
    return U16(offset) | U16(offset + 2) << 16;
  }
  std::int32_t I32(std::uint64_t offset) const { return static_cast<std::int32_t>(U32(offset)); }
  const std::uint8_t* At(std::uint64_t offset) const { return Data.data() + offset; }

 private:
  std::span<const std::uint8_t> Data;
  const std::string& Name;
};

// One channel of a 32-bit pixel described by a mask, scaled to 8 bits.
struct tChannelField {
  std::uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;

  std::uint8_t Of(std::uint32_t pixel) const {
    const std::uint32_t level = (pixel & Mask) >> Shift;
    if (Bits >= 8) return static_cast<std::uint8_t>(level >> (Bits - 8));
    return static_cast<std::uint8_t>(level * 255 / ((1u << Bits) - 1));
  }
};

tChannelField FieldOf(const tBitmapReader& reader, std::uint32_t mask) {
  tChannelField field{mask, std::countr_zero(mask), std::popcount(mask)};
  // One unbroken run of bits.
  if (mask == 0 || (mask >> field.Shift) != (1ull << field.Bits) - 1)
    reader.Fail("has an unusable channel mask");
  return field;
}

}  // namespace

tPicture DecodeBitmap(std::span<const std::uint8_t> data, const std::string& name) {
  const tBitmapReader in(data, name);
  constexpr std::uint64_t kInfo = 14;  // the info header follows the 14-byte file header
  in.Need(0, kInfo + 4);
  if (data[0] != 'B' || data[1] != 'M') in.Fail("is not a Windows bitmap");
  const std::uint32_t pixelOffset = in.U32(10);
  const std::uint32_t infoSize = in.U32(kInfo);
  if (infoSize != 40 && infoSize != 52 && infoSize != 56 && infoSize != 108 && infoSize != 124)
    in.Fail("has an unsupported header of " + std::to_string(infoSize) + " bytes");
  in.Need(kInfo, infoSize);

  const std::int32_t width = in.I32(kInfo + 4);
  const std::int64_t storedHeight = in.I32(kInfo + 8);
  const std::uint32_t bits = in.U16(kInfo + 14);
  const std::uint32_t compression = in.U32(kInfo + 16);
  const std::uint32_t coloursUsed = in.U32(kInfo + 32);
  const bool topDown = storedHeight < 0;
  const std::int64_t height = topDown ? -storedHeight : storedHeight;

  if (width <= 0 || height == 0) in.Fail("has no pixels");
  if (width > MaxPictureWidth || height > MaxPictureHeight || width * height > MaxPicturePixels)
    in.Fail("is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")");
  if (bits != 8 && bits != 24 && bits != 32)
    in.Fail("has " + std::to_string(bits) + " bits per pixel; only 8, 24 and 32 are read");
  if (compression != kPlainRgb && !(bits == 32 && compression == kBitFields))
    in.Fail("is compressed (method " + std::to_string(compression) + ")");

  // Channel masks of a 32-bit picture: the defaults, or those of the header (from 52
  // bytes on) or of the three words right after a 40-byte header.
  tChannelField fields[3] = {{0x00FF0000, 16, 8}, {0x0000FF00, 8, 8}, {0x000000FF, 0, 8}};
  std::uint64_t paletteOffset = kInfo + infoSize;
  if (compression == kBitFields) {
    const std::uint64_t masks = infoSize >= 52 ? kInfo + 40 : kInfo + infoSize;
    for (int c = 0; c < 3; ++c) fields[c] = FieldOf(in, in.U32(masks + 4 * c));
    if (infoSize < 52) paletteOffset += 12;
  }

  // Palette of an 8-bit picture: 4 bytes an entry, blue, green, red, unused.
  std::uint32_t paletteSize = 0;
  if (bits == 8) {
    paletteSize = coloursUsed == 0 ? 256 : coloursUsed;
    if (paletteSize > 256) in.Fail("has a palette of " + std::to_string(paletteSize) + " colours");
    in.Need(paletteOffset, 4ull * paletteSize);
  }

  // Rows are padded to whole 32-bit words; the last row's padding may be missing.
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  const std::uint64_t usedBytes = static_cast<std::uint64_t>(width) * (bits / 8);
  in.Need(pixelOffset, stride * static_cast<std::uint64_t>(height - 1) + usedBytes);

  tPicture picture;
  picture.Width = width;
  picture.Height = static_cast<std::int32_t>(height);
  picture.BitsPerPixel = 24;
  picture.Bytes.resize(picture.RowBytes() * static_cast<std::size_t>(height));
  for (std::int32_t y = 0; y < picture.Height; ++y) {
    const std::int64_t storedRow = topDown ? y : height - 1 - y;
    const std::uint8_t* s = in.At(pixelOffset + stride * static_cast<std::uint64_t>(storedRow));
    std::uint8_t* d = picture.Row(y);
    for (std::int32_t x = 0; x < width; ++x, d += 3) {
      if (bits == 8) {
        if (s[x] >= paletteSize) in.Fail("uses a colour outside its palette");
        const std::uint8_t* entry = in.At(paletteOffset + 4ull * s[x]);
        d[0] = entry[2];
        d[1] = entry[1];
        d[2] = entry[0];
      } else if (bits == 24) {
        const std::uint8_t* p = s + 3 * x;
        d[0] = p[2];
        d[1] = p[1];
        d[2] = p[0];
      } else {
        const std::uint8_t* p = s + 4 * x;
        const std::uint32_t pixel =
            p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        for (int c = 0; c < 3; ++c) d[c] = fields[c].Of(pixel);
      }
    }
  }
  return picture;
}

}  // namespace qn2
