#pragma once

#include <compare>
#include <cstdint>
#include <set>
#include <string>

#include "render/PixelFormat.h"

namespace qn2 {

class tDib16;

// How a sprite's pixels meet the target (s: source pixel, d: target pixel, k: key colour).
enum tDrawMode : std::uint8_t {
  dmKeyed = 0,      // d := s where s is not k
  dmOpaque = 1,     // d := s everywhere
  dmAdditive = 2,   // d := saturating sum of s and d where s is not k
  dmAlternate = 3,  // s from source A or B by AltPattern, then as dmAdditive
  dmNone = 4,       // nothing is drawn
};

// A rectangle of a picture with a hot spot, drawn into CurrentDib (DibStack.h). The
// pictures are not owned; those not yet loaded load on the first draw.
// A rectangle some sprite cuts from a named picture. Every cut by name is remembered, so
// the game's data can be checked against what the code takes from each picture.
struct tSpriteCut {
  std::string Picture;  // lower case, as registered
  std::int32_t X, Y, Width, Height;
  auto operator<=>(const tSpriteCut&) const = default;
};
const std::set<tSpriteCut>& SpriteCuts();

class tSprite {
 public:
  // The same, with pictures of the named-picture registry (DibRegistry.h). The names must
  // be registered already (normally by GetDib); an unregistered name raises.
  void SetUp(const std::string& name, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height);
  void SetUpPair(const std::string& nameA, const std::string& nameB, std::int32_t ax,
                 std::int32_t ay, std::int32_t bx, std::int32_t by, std::int32_t width,
                 std::int32_t height);
  // Source A is the picture's rectangle at (x, y); the hot spot is its centre.
  void SetUp(tDib16* source, std::int32_t x, std::int32_t y, std::int32_t width,
             std::int32_t height);
  // Two pictures of the same size for dmAlternate.
  void SetUpPair(tDib16* sourceA, tDib16* sourceB, std::int32_t ax, std::int32_t ay,
                 std::int32_t bx, std::int32_t by, std::int32_t width, std::int32_t height);

  // Loads the sources if needed, then draws with the hot spot at (x, y), cut to the
  // target's ClipRect and to the sources' own size; the cut rectangle is listed as dirty
  // even when nothing of the sprite is inside. While the target's mask is active, covered
  // pixels are left alone and the additive modes draw source A only, skipping black as
  // well as the key colour.
  void Draw(std::int32_t x, std::int32_t y);
  // Covers the target's mask under every pixel of source A that is not the key colour,
  // with the clipping of Draw (loading source A first if needed).
  void StampMask(std::int32_t x, std::int32_t y);

  tDib16* SourceA() const { return A; }
  tDib16* SourceB() const { return B; }
  std::int32_t Width() const { return SpriteWidth; }
  std::int32_t Height() const { return SpriteHeight; }

  std::int32_t HotX = 0;
  std::int32_t HotY = 0;
  tDrawMode DrawMode = dmKeyed;
  // Which source dmAlternate takes, counting row and column from the first drawn pixel:
  // 0: B where row + column is even; 1: B where the row is even and the column odd;
  // 2: A where the row is even and the column odd, B elsewhere. Any other value: A only.
  std::uint8_t AltPattern = 0;
  tRgb KeyColour{255, 0, 255};

 private:
  // The part of the sprite inside the target's ClipRect.
  struct tPlacement {
    std::int32_t DestX, DestY, AX, AY, BX, BY, Width, Height;
    bool Empty() const { return Width <= 0 || Height <= 0; }
  };
  tPlacement Place(const tDib16& target, std::int32_t x, std::int32_t y) const;
  void DrawPlain(tDib16& target, const tPlacement& at) const;
  void DrawMasked(tDib16& target, const tPlacement& at) const;

  tDib16* A = nullptr;
  tDib16* B = nullptr;
  std::int32_t AX = 0, AY = 0, BX = 0, BY = 0;
  std::int32_t SpriteWidth = 0;
  std::int32_t SpriteHeight = 0;
};

}  // namespace qn2
