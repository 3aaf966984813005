#include "editor/TemplateBox.h"

#include <algorithm>

#include "editor/TilePalette.h"
#include "engine/board/UnitRegistry.h"
#include "render/Dib16.h"
#include "render/DibStack.h"
#include "render/PixelFormat.h"
#include "render/Sprite.h"

namespace qn2 {

void tTemplateBox::SetSize(int width, int height) {
  PixelsWide = std::max(width, 0);
  PixelsHigh = std::max(height, 0);
  ColumnCount = PixelsWide / CellSize;
  RowCount = PixelsHigh / CellSize;
}

std::optional<int> tTemplateBox::IndexAt(int x, int y, std::size_t classCount) const {
  if (x < 0 || y < 0 || ColumnCount == 0) return std::nullopt;
  const int column = x / CellSize;
  const int row = (y - TopMargin) / CellSize;
  if (column >= ColumnCount || row >= RowCount) return std::nullopt;
  int index = column + ColumnCount * row;
  if (index < 0) index = column;
  if (index >= static_cast<int>(classCount)) return std::nullopt;
  return index;
}

void tTemplateBox::Draw(tDib16& target, const tUnitRegistry& registry,
                        std::optional<int> armed) const {
  target.FillSurface(MakePixel(128, 128, 128));
  if (ColumnCount == 0) return;
  tDibTarget into(&target);
  for (std::size_t i = 0; i < registry.Count(); ++i) {
    const int column = static_cast<int>(i) % ColumnCount;
    const int row = static_cast<int>(i) / ColumnCount;
    if (row >= RowCount) break;
    tSprite* icon = registry[i]->Icon;
    if (icon != nullptr && icon->SourceA() != nullptr)
      icon->Draw(CellSize * column + 20, CellSize * row + 30);
  }
  if (armed && *armed >= 0 && *armed < static_cast<int>(registry.Count())) {
    const int column = *armed % ColumnCount, row = *armed / ColumnCount;
    DrawChoiceFrame(target, CellSize * column, CellSize * row + TopMargin, CellSize, -1);
  }
}

}  // namespace qn2
