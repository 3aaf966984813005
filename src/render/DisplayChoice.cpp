#include "render/DisplayChoice.h"

namespace qn2 {

std::int32_t DisplayModeFromSettings(bool fullScreen, bool bitBlt) {
  if (bitBlt) return fullScreen ? FullScreenBitmapDisplay : WindowedBitmapDisplay;
  return fullScreen ? FullScreenDisplay : WindowedDisplay;
}

std::int32_t ChooseDisplayType(std::int32_t requested, bool desktop16Bit, bool compatibility,
                               const std::function<std::int32_t()>& measureMHz,
                               const std::function<int()>& askQuestion) {
  if (requested != WindowedDisplay || desktop16Bit) return requested;
  if (compatibility) return WindowedBitmapDisplay;
  if (measureMHz() > FastProcessorMHz) return WindowedBitmapDisplay;
  return askQuestion() == RunWindowedAnswer ? WindowedBitmapDisplay : FullScreenDisplay;
}

}  // namespace qn2
