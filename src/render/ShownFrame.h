#pragma once

#include <cstdint>
#include <vector>

#include "render/Dib16.h"
#include "render/Rect.h"

namespace qn2 {

// A copy of the frame as the screen last showed it. Of the rows drawn on since, only the
// pixels that really differ from the copy need to go to the screen again: a cell that was
// put back and drawn the same, or water between two steps of its ripple, costs nothing to
// show.
class tShownFrame {
 public:
  using tBands = std::vector<tDib16::tRowBand>;

  // Takes the whole frame as shown (after it was sent whole).
  void ShowAll(const std::uint8_t* pixels, std::int32_t pitch, std::int32_t width,
               std::int32_t height);
  // The rectangles of the rows in bands where the frame differs from the copy, the copy
  // brought up to date. Rows next to each other whose changes lie near each other share
  // one rectangle. Without a copy of this size yet (nothing shown), the bands come back
  // whole.
  std::vector<tRect> Changes(const std::uint8_t* pixels, std::int32_t pitch, std::int32_t width,
                             std::int32_t height, const tBands& bands);

 private:
  std::int32_t Width = 0, Height = 0;
  std::vector<std::uint16_t> Copy;
};

}  // namespace qn2
