#include "render/Sprite.h"

#include <algorithm>
#include <cstring>

#include "common/Exception.h"
#include "render/Dib16.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "render/RowWidth.h"

namespace qn2 {

namespace {

tDib16& Target() {
  if (CurrentDib == nullptr) throw Exception("Sprite drawn with no CurrentDib");
  return *CurrentDib;
}

void RequireSource(const tDib16* source) {
  if (source == nullptr) throw Exception("Sprite drawn before SetUp");
}

tDib16* Registered(const std::string& name) {
  tDib16* dib = FindDib(name);
  if (dib == nullptr) throw Exception("Sprite picture '" + name + "' is not registered");
  return dib;
}

void LoadSource(tDib16* source) {
  if (source != nullptr) source->Load();
}

const std::uint8_t* MaskRow(const tDib16& target, std::int32_t x, std::int32_t y) {
  return target.Mask() + static_cast<std::size_t>(y) * static_cast<std::size_t>(target.Width()) +
         static_cast<std::size_t>(x);
}

}  // namespace

void tSprite::SetUp(tDib16* source, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height) {
  SetUpPair(source, nullptr, x, y, 0, 0, width, height);
}

void tSprite::SetUpPair(tDib16* sourceA, tDib16* sourceB, std::int32_t ax, std::int32_t ay,
                        std::int32_t bx, std::int32_t by, std::int32_t width, std::int32_t height) {
  A = sourceA;
  B = sourceB;
  AX = ax;
  AY = ay;
  BX = bx;
  BY = by;
  SpriteWidth = width;
  SpriteHeight = height;
  HotX = width / 2;
  HotY = height / 2;
}

namespace {
std::set<tSpriteCut> Cuts;
}  // namespace

const std::set<tSpriteCut>& SpriteCuts() {
  return Cuts;
}

void tSprite::SetUp(const std::string& name, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height) {
  SetUp(Registered(name), x, y, width, height);
  Cuts.insert({A->FileName, x, y, width, height});
}

void tSprite::SetUpPair(const std::string& nameA, const std::string& nameB, std::int32_t ax,
                        std::int32_t ay, std::int32_t bx, std::int32_t by, std::int32_t width,
                        std::int32_t height) {
  SetUpPair(Registered(nameA), Registered(nameB), ax, ay, bx, by, width, height);
  Cuts.insert({A->FileName, ax, ay, width, height});
  Cuts.insert({B->FileName, bx, by, width, height});
}

tSprite::tPlacement tSprite::Place(const tDib16& target, std::int32_t x, std::int32_t y) const {
  tPlacement at{x - HotX, y - HotY, AX, AY, BX, BY, SpriteWidth, SpriteHeight};
  const tRect& clip = target.ClipRect;
  if (at.DestY < clip.Top) {
    const std::int32_t cut = clip.Top - at.DestY;
    at.AY += cut;
    at.BY += cut;
    at.Height -= cut;
    at.DestY = clip.Top;
  }
  if (at.DestX < clip.Left) {
    const std::int32_t cut = clip.Left - at.DestX;
    at.AX += cut;
    at.BX += cut;
    at.Width -= cut;
    at.DestX = clip.Left;
  }
  at.Height = std::min(at.Height, clip.Bottom - at.DestY);
  at.Width = std::min(at.Width, clip.Right - at.DestX);
  // A rectangle reaching outside its picture (a picture file smaller than the game
  // expects) is cut to the picture, so no pixel is read from outside it.
  auto keepInside = [&at](const tDib16* source, std::int32_t tPlacement::*sourceX,
                          std::int32_t tPlacement::*sourceY) {
    if (source == nullptr) return;
    if (at.*sourceX < 0) {
      const std::int32_t cut = -(at.*sourceX);
      at.AX += cut;
      at.BX += cut;
      at.DestX += cut;
      at.Width -= cut;
    }
    if (at.*sourceY < 0) {
      const std::int32_t cut = -(at.*sourceY);
      at.AY += cut;
      at.BY += cut;
      at.DestY += cut;
      at.Height -= cut;
    }
    at.Width = std::min(at.Width, source->Width() - at.*sourceX);
    at.Height = std::min(at.Height, source->Height() - at.*sourceY);
  };
  keepInside(A, &tPlacement::AX, &tPlacement::AY);
  if (DrawMode == dmAlternate) keepInside(B, &tPlacement::BX, &tPlacement::BY);
  return at;
}

void tSprite::Draw(std::int32_t x, std::int32_t y) {
  tDib16& target = Target();
  // Loaded before the target is opened for drawing, so a failed load leaves it closed.
  LoadSource(A);
  LoadSource(B);
  target.BeginDraw();
  const tPlacement at = Place(target, x, y);
  const tRect area{at.DestX, at.DestY, at.DestX + at.Width, at.DestY + at.Height};
  target.AddDirtyRect(area);
  if (!at.Empty() && DrawMode != dmNone) {
    RequireSource(A);
    // Keyed and opaque sprites draw alike with and without a mask that covers nothing here.
    const bool maskMatters =
        (DrawMode != dmKeyed && DrawMode != dmOpaque) || !target.MaskClearIn(area);
    if (target.HasMask() && target.MaskActive && target.HasMaskBytes() && maskMatters)
      DrawMasked(target, at);
    else
      DrawPlain(target, at);
  }
  target.EndDraw();
}

void tSprite::DrawPlain(tDib16& target, const tPlacement& at) const {
  const std::uint16_t key = MakePixel(KeyColour);
  const std::int32_t w = at.Width;
  switch (DrawMode) {
    case dmKeyed: {
      std::uint16_t* const* dest = target.ScanLines(at.DestY, at.Height);
      std::uint16_t* const* source = A->ScanLines(at.AY, at.Height);
      WithRowWidth(w, [&](auto width) {
        for (std::int32_t r = 0; r < at.Height; ++r) {
          std::uint16_t* __restrict d = dest[r] + at.DestX;
          const std::uint16_t* __restrict s = source[r] + at.AX;
          for (std::int32_t i = 0; i < width; ++i) d[i] = PickPixel(s[i] != key, s[i], d[i]);
        }
      });
      break;
    }
    case dmOpaque: {
      std::uint16_t* const* dest = target.ScanLines(at.DestY, at.Height);
      std::uint16_t* const* source = A->ScanLines(at.AY, at.Height);
      if (A == &target) {
        // A picture drawn onto itself: rows may overlap.
        for (std::int32_t r = 0; r < at.Height; ++r)
          std::memmove(dest[r] + at.DestX, source[r] + at.AX, static_cast<std::size_t>(w) * 2);
        break;
      }
      WithRowWidth(w, [&](auto width) {
        for (std::int32_t r = 0; r < at.Height; ++r)
          std::memcpy(dest[r] + at.DestX, source[r] + at.AX, width * sizeof(std::uint16_t));
      });
      break;
    }
    case dmAdditive: {
      std::uint16_t* const* dest = target.ScanLines(at.DestY, at.Height);
      std::uint16_t* const* source = A->ScanLines(at.AY, at.Height);
      WithSaturatingSum([&](auto sum) {
        WithRowWidth(w, [&](auto width) {
          for (std::int32_t r = 0; r < at.Height; ++r) {
            std::uint16_t* __restrict d = dest[r] + at.DestX;
            const std::uint16_t* __restrict s = source[r] + at.AX;
            for (std::int32_t i = 0; i < width; ++i)
              d[i] = PickPixel(s[i] != key, sum(s[i], d[i]), d[i]);
          }
        });
      });
      break;
    }
    case dmAlternate: {
      RequireSource(B);
      std::uint16_t* const* dest = target.ScanLines(at.DestY, at.Height);
      std::uint16_t* const* sourceA = A->ScanLines(at.AY, at.Height);
      std::uint16_t* const* sourceB = B->ScanLines(at.BY, at.Height);
      WithSaturatingSum([&](auto sum) {
        for (std::int32_t r = 0; r < at.Height; ++r) {
          const std::uint16_t* a = sourceA[r] + at.AX;
          const std::uint16_t* b = sourceB[r] + at.BX;
          // The sources for the even and the odd columns of this row.
          const bool evenRow = r % 2 == 0;
          const std::uint16_t* onEven = a;
          const std::uint16_t* onOdd = a;
          if (AltPattern == 0) {
            onEven = evenRow ? b : a;
            onOdd = evenRow ? a : b;
          } else if (AltPattern == 1) {
            onOdd = evenRow ? b : a;
          } else if (AltPattern == 2) {
            onEven = b;
            onOdd = evenRow ? a : b;
          }
          std::uint16_t* d = dest[r] + at.DestX;
          for (std::int32_t i = 0; i < w; ++i) {
            const std::uint16_t s = ((i & 1) != 0 ? onOdd : onEven)[i];
            if (s != key) d[i] = sum(s, d[i]);
          }
        }
      });
      break;
    }
    case dmNone:
      break;
  }
}

void tSprite::DrawMasked(tDib16& target, const tPlacement& at) const {
  const std::uint16_t key = MakePixel(KeyColour);
  const std::int32_t w = at.Width;
  switch (DrawMode) {
    case dmKeyed:
    case dmOpaque: {
      const bool keyed = DrawMode == dmKeyed;
      std::uint16_t* const* dest = target.ScanLines(at.DestY, at.Height);
      std::uint16_t* const* source = A->ScanLines(at.AY, at.Height);
      const std::uint8_t* mask = MaskRow(target, at.DestX, at.DestY);
      WithRowWidth(w, [&](auto width) {
        for (std::int32_t r = 0; r < at.Height; ++r) {
          std::uint16_t* __restrict d = dest[r] + at.DestX;
          const std::uint16_t* __restrict s = source[r] + at.AX;
          const std::uint8_t* __restrict m = mask + static_cast<std::size_t>(r) * target.Width();
          for (std::int32_t i = 0; i < width; ++i)
            d[i] = PickPixel((m[i] == 0) & (!keyed | (s[i] != key)), s[i], d[i]);
        }
      });
      break;
    }
    case dmAdditive:
    case dmAlternate: {
      std::uint16_t* const* dest = target.ScanLines(at.DestY, at.Height);
      std::uint16_t* const* source = A->ScanLines(at.AY, at.Height);
      const std::uint8_t* mask = MaskRow(target, at.DestX, at.DestY);
      WithSaturatingSum([&](auto sum) {
        WithRowWidth(w, [&](auto width) {
          for (std::int32_t r = 0; r < at.Height; ++r) {
            std::uint16_t* __restrict d = dest[r] + at.DestX;
            const std::uint16_t* __restrict s = source[r] + at.AX;
            const std::uint8_t* __restrict m = mask + static_cast<std::size_t>(r) * target.Width();
            for (std::int32_t i = 0; i < width; ++i)
              d[i] = PickPixel((m[i] == 0) & (s[i] != key) & (s[i] != 0), sum(s[i], d[i]), d[i]);
          }
        });
      });
      break;
    }
    case dmNone:
      break;
  }
}

void tSprite::StampMask(std::int32_t x, std::int32_t y) {
  tDib16& target = Target();
  LoadSource(A);
  const tPlacement at = Place(target, x, y);
  std::uint8_t* mask = target.Mask();
  if (!at.Empty() && mask != nullptr) {
    RequireSource(A);
    const std::uint16_t key = MakePixel(KeyColour);
    for (std::int32_t r = 0; r < at.Height; ++r) {
      const std::uint16_t* s = A->ScanLine(at.AY + r) + at.AX;
      std::uint8_t* m = mask + static_cast<std::size_t>(at.DestY + r) * target.Width() + at.DestX;
      for (std::int32_t i = 0; i < at.Width; ++i)
        if (s[i] != key) m[i] = 1;
    }
  }
  target.EndDraw();
}

}  // namespace qn2
