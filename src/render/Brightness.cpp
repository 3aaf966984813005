#include "common/Exception.h"
#include "common/KeepAlive.h"
#include "render/ColourTables.h"
#include "render/PictureSource.h"

namespace qn2 {

void DoBrightnessChange(tPicture& picture, const tGammaTable& table) {
  if (picture.BitsPerPixel != 24)
    throw Exception("Non-24bit bitmap encountered in DoBrightnessChange");
  for (std::int32_t y = 0; y < picture.Height; ++y) {
    KeepAlive();
    std::uint8_t* p = picture.Row(y);
    for (std::int32_t x = 0; x < picture.Width; ++x, p += 3) {
      const std::uint8_t r = p[0], g = p[1], b = p[2];
      // Near-key colours snap to the exact key (magenta) or to pure blue instead of being
      // brightened, so JPEG noise around transparent areas leaves no visible fringe.
      if (g <= 32 && b > 208 && r > 208) {
        p[0] = 255, p[1] = 0, p[2] = 255;
      } else if (g <= 32 && b > 208 && r <= 32) {
        p[0] = 0, p[1] = 0, p[2] = 255;
      } else {
        p[0] = table[r], p[1] = table[g], p[2] = table[b];
      }
    }
  }
}

}  // namespace qn2
