#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "render/Rect.h"

namespace qn2 {

// Stretches the 5-6-5 frame onto a 32-bit 8-8-8 picture of the same or another size (the
// window's own pixels), nearest pixel, one rectangle of the frame at a time. Every target
// row always comes from the same frame row and every target column from the same frame
// column, so a rectangle stretched on its own matches that part of the whole frame
// stretched at once.
class tFrameStretch {
 public:
  tFrameStretch(std::int32_t fromWidth, std::int32_t fromHeight, std::int32_t toWidth,
                std::int32_t toHeight);

  bool Fits(std::int32_t toWidth, std::int32_t toHeight) const {
    return toWidth == ToWidth && toHeight == ToHeight;
  }
  // The target rows [first, second) that show the frame rows [top, bottom).
  std::pair<std::int32_t, std::int32_t> TargetRows(std::int32_t top, std::int32_t bottom) const;
  // The target rectangle that shows the frame rectangle.
  tRect TargetRect(const tRect& frame) const;
  // Writes the target pixels of the frame rectangle. from: the frame's first pixel; to: the
  // target's first pixel (its top left corner); pitches in bytes. Pixels are written as
  // 0xFFRRGGBB, each 5- or 6-bit level widened by repeating its top bits.
  void Stretch(const std::uint8_t* from, std::int32_t fromPitch, std::uint8_t* to,
               std::int32_t toPitch, const tRect& frame) const;
  // The same for whole frame rows [top, bottom).
  void Stretch(const std::uint8_t* from, std::int32_t fromPitch, std::uint8_t* to,
               std::int32_t toPitch, std::int32_t top, std::int32_t bottom) const {
    Stretch(from, fromPitch, to, toPitch, {0, top, FromWidth, bottom});
  }

 private:
  std::int32_t FromWidth, FromHeight, ToWidth, ToHeight;
  std::vector<std::int32_t> Columns;  // the frame column of every target column
};

}  // namespace qn2
