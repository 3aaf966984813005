#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Palette.h"

namespace assetgen {

// The quality every JPEG is written at (chroma is never subsampled, so the key colour and
// the water marker keep sharp edges).
inline constexpr int JpegQuality = 94;

// A cairo ARGB drawing surface, cleared to fully transparent. Draw with Cr() (anti-aliased
// by default). When the picture is written, every pixel less than half covered becomes the
// exact key colour (255, 0, 255) with a hard edge, and partly covered pixels above that are
// made opaque over a dark outline shade, so no blended near-magenta fringe reaches the game.
// Pictures that should be fully opaque simply paint every pixel.
class ArtCanvas {
 public:
  ArtCanvas(int width, int height);
  ~ArtCanvas();
  ArtCanvas(const ArtCanvas&) = delete;
  ArtCanvas& operator=(const ArtCanvas&) = delete;

  int Width() const { return PixelsWide; }
  int Height() const { return PixelsHigh; }
  cairo_t* Cr() { return Context; }
  cairo_surface_t* Surface() { return Image; }

  // Paints the whole canvas (or a rectangle) with a flat colour, anti-aliasing off.
  void Fill(Rgb colour);
  void FillRect(double x, double y, double w, double h, Rgb colour);
  // Makes a rectangle transparent again (it will be written as the key colour).
  void ClearRect(double x, double y, double w, double h);

  // Copies another canvas onto this one at (x, y), as it is (transparent pixels included).
  void Blit(const ArtCanvas& source, double x, double y);

  // The shade partly covered edge pixels are flattened over; dark brown unless changed.
  void SetEdgeShade(Rgb shade) { EdgeShade = shade; }

  // The flattened picture: rows top to bottom, 3 bytes per pixel in red, green, blue order.
  std::vector<std::uint8_t> FlattenRgb() const;

  // Writes outDir + "/" + name; raise std::runtime_error on failure.
  void SaveJpeg(const std::string& outDir, const std::string& name) const;
  void SaveBmp(const std::string& outDir, const std::string& name) const;

 private:
  int PixelsWide;
  int PixelsHigh;
  cairo_surface_t* Image = nullptr;
  cairo_t* Context = nullptr;
  Rgb EdgeShade{0.12, 0.08, 0.05};
};

// Encoders used by the canvas, exposed for pictures built pixel by pixel (noise maps).
// rgb holds width * height * 3 bytes, rows top to bottom.
std::vector<std::uint8_t> EncodeJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                     int quality = JpegQuality);
std::vector<std::uint8_t> EncodeBmp24(const std::vector<std::uint8_t>& rgb, int width, int height);
void WriteFileBytes(const std::string& outDir, const std::string& name,
                    const std::vector<std::uint8_t>& bytes);

// A small deterministic random source (xorshift) for texture and noise; never seeded
// from the clock.
class ArtRandom {
 public:
  explicit ArtRandom(std::uint32_t seed) : State(seed ? seed : 0x9E3779B9u) {}
  std::uint32_t Next() {
    State ^= State << 13;
    State ^= State >> 17;
    State ^= State << 5;
    return State;
  }
  // Uniform in [0, 1).
  double Unit() { return (Next() >> 8) * (1.0 / 16777216.0); }
  // Uniform in [lo, hi).
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

 private:
  std::uint32_t State;
};

}  // namespace assetgen
