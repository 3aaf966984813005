#include "ui/SoundNameImages.h"

#include <algorithm>

#include "common/LastMessage.h"
#include "common/Rounding.h"
#include "render/DibStack.h"
#include "render/MenuFont.h"
#include "render/PixelFormat.h"

namespace qn2 {

namespace {

constexpr std::int32_t FullWidth = 2 * tSoundNameImages::Width;
constexpr std::int32_t FullRow = 2 * tSoundNameImages::RowHeight;
constexpr std::int32_t FirstBaseline = 54;
constexpr std::int32_t BrightestLevel = 29;

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

// The names, one per double-height row, halved.
std::unique_ptr<tDib16> NameImage(const std::vector<std::string>& names) {
  const auto rows = static_cast<std::int32_t>(std::max<std::size_t>(1, names.size()));
  tDib16 full(FullWidth, FullRow * rows);
  full.FillSurface(MakePixel(105, 76, 27));
  {
    tDibTarget target(&full);
    for (std::size_t k = 0; k < names.size(); ++k)
      DrawMenuTextCentred(FullWidth / 2, FirstBaseline + FullRow * static_cast<std::int32_t>(k),
                          Upper(names[k]), BrightestLevel);
  }
  auto half = std::make_unique<tDib16>(FullWidth / 2, FullRow * rows / 2);
  half->MakeHalfSizeFrom(full);
  return half;
}

// Copies columns [from, from + count) of an image row to (x, y) of the target, one pixel row.
void CopyRowPart(tDib16& target, tDib16& image, std::int32_t imageRow, std::int32_t from,
                 std::int32_t count, std::int32_t x, std::int32_t y) {
  if (count <= 0 || y < 0 || y >= target.Height() || imageRow < 0 || imageRow >= image.Height())
    return;
  const std::uint16_t* source = image.ScanLine(imageRow);
  std::uint16_t* dest = target.ScanLine(y);
  for (std::int32_t i = 0; i < count; ++i) {
    const std::int32_t dx = x + i;
    const std::int32_t sx = from + i;
    if (dx >= 0 && dx < target.Width() && sx >= 0 && sx < image.Width()) dest[dx] = source[sx];
  }
}

}  // namespace

void tSoundNameImages::Generate(const std::function<std::vector<std::string>(int)>& driverNames) {
  DebugMessage("GenerateSoundTextDib Begins");
  Devices = NameImage({DeviceNames.begin(), DeviceNames.end()});
  for (std::size_t device = 0; device < Drivers.size(); ++device)
    Drivers[device] =
        NameImage(driverNames ? driverNames(static_cast<int>(device)) : std::vector<std::string>{});
  DebugMessage("GenerateSoundTextDib Ends");
}

void DrawSlidingName(tDib16& target, tDib16& image, std::int32_t x, std::int32_t y,
                     std::int32_t newRow, std::int32_t oldRow, float t) {
  const std::int32_t w = image.Width();
  const std::int32_t h = tSoundNameImages::RowHeight;
  const std::int32_t e = std::clamp(Round(static_cast<double>(w) * t), 0, w);
  for (std::int32_t row = 0; row < h; ++row) {
    const std::int32_t newLine = newRow * h + row;
    const std::int32_t oldLine = oldRow * h + row;
    if (row % 2 == 1) {
      CopyRowPart(target, image, oldLine, 0, e, x + w - e, y + row);
      CopyRowPart(target, image, newLine, e, w - e, x, y + row);
    } else {
      CopyRowPart(target, image, newLine, 0, w - e, x + e, y + row);
      CopyRowPart(target, image, oldLine, w - e, e, x, y + row);
    }
  }
  target.AddDirtyRect(tRect{x, y, x + w, y + h});
}

}  // namespace qn2
