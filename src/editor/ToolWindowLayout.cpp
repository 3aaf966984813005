#include "editor/ToolWindowLayout.h"

namespace qn2 {

tPoint ToolWindowPlace(tPoint mainTopLeft, tPoint mainSize, int toolWidth, int screenWidth,
                       tPoint toolTopLeft) {
  if (mainTopLeft.X - toolWidth > 0) return {mainTopLeft.X - toolWidth, mainTopLeft.Y};
  if (mainTopLeft.X + mainSize.X + toolWidth < screenWidth)
    return {mainTopLeft.X + mainSize.X, mainTopLeft.Y};
  return {toolTopLeft.X, mainTopLeft.Y};
}

std::array<std::string, 3> StatusPanels(tPoint clientSize, tPoint cell, std::int32_t timerTicks) {
  return {std::to_string(clientSize.X) + "," + std::to_string(clientSize.Y),
          cell.X < 0 ? std::string() : std::to_string(cell.X) + "," + std::to_string(cell.Y),
          std::to_string(timerTicks)};
}

}  // namespace qn2
