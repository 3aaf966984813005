#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qn2 {

// Where picture files come from. The shell plugs in the package layer (loose files on
// disk first, then the mounted packages), so the drawing code needs no file access of its
// own; tests plug in files made in memory.
class tPictureFiles {
 public:
  virtual ~tPictureFiles() = default;
  // The whole file, or nullopt when no file of that name exists. Any other failure (a
  // damaged package entry, a read error) is raised by the implementation.
  virtual std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& name) = 0;
};

// The program-wide picture source, set by the shell before the first picture loads and
// cleared when it goes away; not owned.
extern tPictureFiles* PictureFiles;

// The file's contents; raises EFileError "File Missing 'NAME'." when there is no such file.
std::vector<std::uint8_t> ReadPictureFile(const std::string& name);
// The file's contents, or nullopt when there is no such file (companion masks are optional).
std::optional<std::vector<std::uint8_t>> ReadPictureFileIfPresent(const std::string& name);

// A decoded picture in memory: rows top to bottom without padding, each pixel its bytes
// in red, green, blue (and, for 32 bits, a fourth unused) order. The decoders always give
// 24 bits per pixel.
struct tPicture {
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  std::int32_t BitsPerPixel = 24;
  std::vector<std::uint8_t> Bytes;

  std::size_t RowBytes() const {
    return static_cast<std::size_t>(Width) * static_cast<std::size_t>(BitsPerPixel / 8);
  }
  std::uint8_t* Row(std::int32_t y) {
    return Bytes.data() + static_cast<std::size_t>(y) * RowBytes();
  }
  const std::uint8_t* Row(std::int32_t y) const {
    return Bytes.data() + static_cast<std::size_t>(y) * RowBytes();
  }
};

// The largest picture the game reads; taller pictures would not fit a surface's row table
// anyway, and the width limit keeps a damaged header from asking for gigabytes.
inline constexpr std::int32_t MaxPictureWidth = 16384;
inline constexpr std::int32_t MaxPictureHeight = 4097;
// The most pixels one picture may hold. The largest pictures the game ships hold about
// 770,000 (the 384 x 2000 menu font glow, the 160 x 3432 fireball strip; backdrops are
// 640 x 480); five times that leaves room for new art, while a damaged or hostile header
// can no longer make the decoder ask for hundreds of megabytes.
inline constexpr std::int64_t MaxPicturePixels = 2048 * 2048;
// The most scans a progressive JPEG may have. Our own pictures are baseline (one scan) and
// a progressive encoder writes about ten; a file with hundreds of scans, each one passing
// over the whole picture again, only wastes time.
inline constexpr int MaxJpegScans = 256;

// True when the name's extension, lower-cased, is ".bmp".
bool IsBitmapName(const std::string& name);

// Windows bitmaps: uncompressed 8-bit palettised, 24-bit and 32-bit (plain or with
// channel bit fields), stored bottom-up or top-down. Anything else, a picture over the
// size limits and data that ends before the pixels do raise EFileError naming the file.
tPicture DecodeBitmap(std::span<const std::uint8_t> data, const std::string& name);
// JPEG pictures of any colour space the decoder can turn into RGB; damaged or truncated
// data, a picture over the size limits and one with more than MaxJpegScans scans raise
// EFileError naming the file.
tPicture DecodeJpeg(std::span<const std::uint8_t> data, const std::string& name);
// A bitmap when IsBitmapName, otherwise a JPEG.
tPicture DecodePicture(std::span<const std::uint8_t> data, const std::string& name);

}  // namespace qn2
