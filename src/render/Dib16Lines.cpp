// Lines and outlines of tDib16.
#include <algorithm>
#include <cstdlib>

#include "common/Rounding.h"
#include "render/Dib16.h"

namespace qn2 {

namespace {

enum : int { kLeftOf = 1, kRightOf = 2, kAbove = 4, kBelow = 8 };

int OutCode(const tRect& clip, std::int32_t x, std::int32_t y) {
  int code = 0;
  if (x < clip.Left)
    code |= kLeftOf;
  else if (x > clip.Right - 1)
    code |= kRightOf;
  if (y < clip.Top)
    code |= kAbove;
  else if (y > clip.Bottom - 1)
    code |= kBelow;
  return code;
}

// Cohen-Sutherland: moves the end points onto the clip rectangle along the segment, each
// intersection rounded to the nearest pixel. False when nothing of the segment is inside.
bool ClipSegment(const tRect& clip, std::int32_t& x1, std::int32_t& y1, std::int32_t& x2,
                 std::int32_t& y2) {
  if (clip.Empty()) return false;
  int code1 = OutCode(clip, x1, y1);
  int code2 = OutCode(clip, x2, y2);
  // Each round puts one end point on an edge, and a decision comes within four rounds; the
  // limit only keeps rounding near a corner from moving an end point back and forth.
  for (int round = 0; round < 16; ++round) {
    if ((code1 | code2) == 0) return true;
    if ((code1 & code2) != 0) return false;
    const bool first = code1 != 0;
    const int code = first ? code1 : code2;
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    double x;
    double y;
    if (code & kLeftOf) {
      x = clip.Left;
      y = y1 + dy * (x - x1) / dx;
    } else if (code & kRightOf) {
      x = clip.Right - 1;
      y = y1 + dy * (x - x1) / dx;
    } else if (code & kAbove) {
      y = clip.Top;
      x = x1 + dx * (y - y1) / dy;
    } else {
      y = clip.Bottom - 1;
      x = x1 + dx * (y - y1) / dy;
    }
    if (first) {
      x1 = Round(x);
      y1 = Round(y);
      code1 = OutCode(clip, x1, y1);
    } else {
      x2 = Round(x);
      y2 = Round(y);
      code2 = OutCode(clip, x2, y2);
    }
  }
  return false;
}

}  // namespace

void tDib16::DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  PenPos = {x2, y2};
  if (!ClipSegment(ClipRect, x1, y1, x2, y2)) return;
  BeginDraw();
  AddDirtyRect({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1});
  // Bresenham over all octants, both end points included.
  const std::int32_t dx = std::abs(x2 - x1);
  const std::int32_t dy = -std::abs(y2 - y1);
  const std::int32_t stepX = x1 < x2 ? 1 : -1;
  const std::int32_t stepY = y1 < y2 ? 1 : -1;
  std::int32_t error = dx + dy;
  std::int32_t x = x1;
  std::int32_t y = y1;
  std::uint16_t* row = ScanLine(y);
  for (;;) {
    row[x] = PenColour;
    if (x == x2 && y == y2) break;
    const std::int32_t twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
      row = ScanLine(y);
    }
  }
  EndDraw();
}

void tDib16::FrameRect(std::int32_t left, std::int32_t top, std::int32_t right,
                       std::int32_t bottom) {
  SuspendDirty = true;
  DrawLine(left, top, right - 1, top);
  LineTo(right - 1, bottom - 1);
  LineTo(left, bottom - 1);
  LineTo(left, top);
  SuspendDirty = false;
  AddDirtyRect({left, top, right, bottom});
}

}  // namespace qn2
