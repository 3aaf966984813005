#include "render/Dib16.h"

#include <algorithm>
#include <cstring>

#include "common/Exception.h"
#include "render/RowWidth.h"

namespace qn2 {

namespace {

void CheckSize(std::int32_t width, std::int32_t height) {
  if (width < 0 || height < 0 || height > tDib16::kMaxRows)
    throw Exception("Dib16 size " + std::to_string(width) + " x " + std::to_string(height) +
                    " out of range");
}

void CopyRow(std::uint16_t* dest, const std::uint16_t* source, std::int32_t count) {
  std::memmove(dest, source, static_cast<std::size_t>(count) * sizeof(std::uint16_t));
}

}  // namespace

tDib16::tDib16(std::int32_t width, std::int32_t height) : tDib16(width, height, true) {}

tDib16::tDib16(std::int32_t width, std::int32_t height, bool createStorage) {
  CheckSize(width, height);
  PixelsWide = width;
  PixelsHigh = height;
  ClipRect = {0, 0, width, height};
  if (createStorage) CreateSurfaces();
}

tDib16::~tDib16() {
  FreeSurfaces();
}

void tDib16::SetWidth(std::int32_t width) {
  Resize(width, PixelsHigh);
}

void tDib16::SetHeight(std::int32_t height) {
  Resize(PixelsWide, height);
}

void tDib16::Resize(std::int32_t width, std::int32_t height) {
  CheckSize(width, height);
  if (ClipRect.Right == PixelsWide) ClipRect.Right = width;
  if (ClipRect.Bottom == PixelsHigh) ClipRect.Bottom = height;
  const bool hadStorage = StorageReady;
  if (hadStorage) FreeSurfaces();
  PixelsWide = width;
  PixelsHigh = height;
  if (hadStorage) CreateSurfaces();
}

void tDib16::CreateSurfaces() {
  FreeSurfaces();
  Rows.assign(static_cast<std::size_t>(PixelsHigh), nullptr);
  AllocateStorage();
  StorageReady = true;
  if (MaskWanted) CreateMask();
}

void tDib16::FreeSurfaces() {
  ReleaseStorage();
  StorageReady = false;
  RowsValid = false;
  Rows = {};
  MaskBytes = {};
  MaskBlocks = {};
}

void tDib16::AllocateStorage() {
  Pixels.assign(static_cast<std::size_t>(PixelsWide) * static_cast<std::size_t>(PixelsHigh), 0);
}

void tDib16::ReleaseStorage() {
  Pixels = {};
}

void tDib16::MakeScanLines() {
  if (!StorageReady) throw Exception("Bitmap " + FileName + " has no surface!");
  for (std::int32_t row = 0; row < PixelsHigh; ++row)
    SetRowPointer(row, Pixels.data() + static_cast<std::size_t>(row) * PixelsWide);
  MarkScanLinesValid();
}

void tDib16::SetHasMask(bool hasMask) {
  MaskWanted = hasMask;
  MaskBytes = {};
  MaskBlocks = {};
  if (hasMask && StorageReady) CreateMask();
}

void tDib16::CreateMask() {
  MaskBytes.assign(static_cast<std::size_t>(PixelsWide) * static_cast<std::size_t>(PixelsHigh), 0);
  MaskBlocks.assign(static_cast<std::size_t>(MaskBlocksWide()) *
                        static_cast<std::size_t>((PixelsHigh + kMaskBlock - 1) / kMaskBlock),
                    0);
  MaskSummaryStale = false;
}

void tDib16::ClearMask() {
  std::fill(MaskBytes.begin(), MaskBytes.end(), std::uint8_t{0});
  std::fill(MaskBlocks.begin(), MaskBlocks.end(), std::uint8_t{0});
  MaskSummaryStale = false;
}

// The blocks a rectangle touches, cut to the surface; false when it touches none.
bool tDib16::MaskBlockSpan(const tRect& rect, tRect& blocks) const {
  const std::int32_t left = std::max(rect.Left, 0), top = std::max(rect.Top, 0);
  const std::int32_t right = std::min(rect.Right, PixelsWide);
  const std::int32_t bottom = std::min(rect.Bottom, PixelsHigh);
  if (MaskBytes.empty() || right <= left || bottom <= top) return false;
  blocks = tRect{left / kMaskBlock, top / kMaskBlock, (right - 1) / kMaskBlock,
                 (bottom - 1) / kMaskBlock};
  return true;
}

void tDib16::SummariseMask() const {
  std::fill(MaskBlocks.begin(), MaskBlocks.end(), std::uint8_t{0});
  for (std::int32_t y = 0; y < PixelsHigh; ++y) {
    const std::uint8_t* row = MaskBytes.data() + static_cast<std::size_t>(y) * PixelsWide;
    std::uint8_t* blocks =
        MaskBlocks.data() + static_cast<std::size_t>(y / kMaskBlock) * MaskBlocksWide();
    for (std::int32_t x = 0; x < PixelsWide; ++x) blocks[x / kMaskBlock] |= row[x] != 0;
  }
  MaskSummaryStale = false;
}

bool tDib16::MaskClearIn(const tRect& rect) const {
  tRect blocks;
  if (!MaskBlockSpan(rect, blocks)) return true;
  if (MaskSummaryStale) SummariseMask();
  for (std::int32_t by = blocks.Top; by <= blocks.Bottom; ++by)
    for (std::int32_t bx = blocks.Left; bx <= blocks.Right; ++bx)
      if (MaskBlocks[static_cast<std::size_t>(by * MaskBlocksWide() + bx)] != 0) return false;
  return true;
}

std::vector<tDib16::tRowBand> tDib16::TakeChangedRows() {
  std::vector<tRowBand> bands;
  for (std::int32_t row = 0; row < PixelsHigh; ++row) {
    if (RowChanged[static_cast<std::size_t>(row)] == 0) continue;
    if (!bands.empty() && bands.back().Bottom == row)
      bands.back().Bottom = row + 1;
    else
      bands.push_back({row, row + 1});
  }
  RowChanged.fill(0);
  return bands;
}

void tDib16::CopyRectFrom(tDib16& source, std::int32_t sourceX, std::int32_t sourceY,
                          std::int32_t destX, std::int32_t destY, std::int32_t width,
                          std::int32_t height) {
  source.BeginDraw();
  BeginDraw();
  if (width > 0) {
    // Within one surface a copy downward runs bottom-up, so no row is overwritten unread.
    const bool bottomUp = &source == this && destY > sourceY;
    for (std::int32_t i = 0; i < height; ++i) {
      const std::int32_t row = bottomUp ? height - 1 - i : i;
      std::uint16_t* dest = ScanLine(destY + row) + destX;
      CopyRow(dest, source.ScanLine(sourceY + row) + sourceX, width);
    }
  }
  EndDraw();
  source.EndDraw();
}

void tDib16::BlitFrom(tDib16& source, std::int32_t sourceX, std::int32_t sourceY,
                      std::int32_t destX, std::int32_t destY, std::int32_t width,
                      std::int32_t height) {
  // The destination start moves in to ClipRect, the source start with it.
  if (destX < ClipRect.Left) {
    const std::int32_t cut = ClipRect.Left - destX;
    sourceX += cut;
    width -= cut;
    destX = ClipRect.Left;
  }
  if (destY < ClipRect.Top) {
    const std::int32_t cut = ClipRect.Top - destY;
    sourceY += cut;
    height -= cut;
    destY = ClipRect.Top;
  }
  width = std::min(width, ClipRect.Right - destX);
  height = std::min(height, ClipRect.Bottom - destY);
  // Then the source must stay inside its own ClipRect.
  const tRect& sourceClip = source.ClipRect;
  if (sourceX < sourceClip.Left) {
    const std::int32_t cut = sourceClip.Left - sourceX;
    destX += cut;
    width -= cut;
    sourceX = sourceClip.Left;
  }
  if (sourceY < sourceClip.Top) {
    const std::int32_t cut = sourceClip.Top - sourceY;
    destY += cut;
    height -= cut;
    sourceY = sourceClip.Top;
  }
  width = std::min(width, sourceClip.Right - sourceX);
  height = std::min(height, sourceClip.Bottom - sourceY);
  if (width > 0 && height > 0) CopyRectFrom(source, sourceX, sourceY, destX, destY, width, height);
}

void tDib16::RestoreDirtyFrom(tDib16& source, std::int32_t offsetX, std::int32_t offsetY) {
  source.BeginDraw();
  BeginDraw();
  for (const tRect& dirty : DirtyRects()) {
    // Kept to both surfaces, so a rectangle listed outside them cannot reach past memory.
    const std::int32_t left = std::max({dirty.Left, 0, -offsetX});
    const std::int32_t top = std::max({dirty.Top, 0, -offsetY});
    const std::int32_t right = std::min({dirty.Right, PixelsWide, source.Width() - offsetX});
    const std::int32_t bottom = std::min({dirty.Bottom, PixelsHigh, source.Height() - offsetY});
    if (right <= left || bottom <= top) continue;
    std::uint16_t* const* dest = ScanLines(top, bottom - top);
    std::uint16_t* const* from = source.ScanLines(top + offsetY, bottom - top);
    if (&source == this) {
      for (std::int32_t r = 0; r < bottom - top; ++r)
        CopyRow(dest[r] + left, from[r] + left + offsetX, right - left);
      continue;
    }
    // Two surfaces never overlap: a plain copy, a whole cell's row inlined.
    WithRowWidth(right - left, [&](auto width) {
      for (std::int32_t r = 0; r < bottom - top; ++r)
        std::memcpy(dest[r] + left, from[r] + left + offsetX, width * sizeof(std::uint16_t));
    });
  }
  ClearDirty();
  EndDraw();
  source.EndDraw();
}

}  // namespace qn2
