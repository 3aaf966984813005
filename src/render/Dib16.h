#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "render/ColourTables.h"
#include "render/Rect.h"

namespace qn2 {

// A 16-bit picture in the current pixel layout (PixelFormat.h): the surface every frame is
// composed in, and every loaded image. Pixels are reached row by row through ScanLine;
// drawing is limited to ClipRect, and what was drawn since the last frame is listed in
// DirtyRects so the frame can be restored cheaply.
//
// Storage. By default the pixels live in system memory: one row-major vector of
// Width x Height words, with one row pointer per row into it. A surface whose pixels live
// elsewhere (the screen surface, for example a texture that must be locked before its
// pixels can be written) derives from tDib16 and overrides:
//   AllocateStorage / ReleaseStorage  create and free its own pixels;
//   MakeScanLines    lock them and set every row pointer (SetRowPointer, with the
//                    storage's own pitch), then MarkScanLinesValid;
//   BeginDraw        make sure the storage is usable (recover a lost surface);
//   EndDraw          unlock and InvalidateScanLines, so the next ScanLine locks again.
// Pixel loops fetch one row pointer per row and then work on raw memory, so none of this
// is called per pixel. The base class's constructor and destructor run the base versions
// only: a derived surface constructs with createStorage false and calls CreateSurfaces
// itself, and frees its storage in its own destructor.
class tDib16 {
 public:
  static constexpr std::int32_t kMaxRows = 4097;
  static constexpr std::int32_t kDirtySlots = 1024;  // at most kDirtySlots - 1 are filled

  // A blank surface in system memory, every pixel 0, ClipRect the whole surface. It counts
  // as loaded and is not registered.
  tDib16(std::int32_t width, std::int32_t height);
  // The picture file of that name, loaded at once (raising if that fails); FileName keeps
  // the name's case. Not registered: the caller owns it.
  explicit tDib16(const std::string& name);
  // A picture in the named-picture registry (DibRegistry.h), which owns it: FileName is
  // the name lower-cased, MaskFileName the name as given + ".mask". Raises "Dib16 name
  // 'NAME' Registered twice" when the name is taken. Loaded at once when loadNow is set;
  // if that fails the picture stays registered, unloaded, and the failure is raised.
  static tDib16* CreateNamed(const std::string& name, bool loadNow);
  virtual ~tDib16();
  tDib16(const tDib16&) = delete;
  tDib16& operator=(const tDib16&) = delete;

  std::int32_t Width() const { return PixelsWide; }
  std::int32_t Height() const { return PixelsHigh; }
  // Change the size. ClipRect.Right (Bottom) follows only when it was the old width
  // (height). Existing storage is created again, blank.
  void SetWidth(std::int32_t width);
  void SetHeight(std::int32_t height);
  bool HasStorage() const { return StorageReady; }

  // The pixels of one row; marks the row in RowTouched and RowChanged.
  std::uint16_t* ScanLine(std::int32_t row) {
    if (!RowsValid) MakeScanLines();
    RowTouched[static_cast<std::size_t>(row)] = 1;
    RowChanged[static_cast<std::size_t>(row)] = 1;
    return Rows[static_cast<std::size_t>(row)];
  }
  // The row pointers of rows [top, top + count), all marked as ScanLine marks them: for
  // loops over many rows, which then fetch nothing but the pointer per row.
  std::uint16_t* const* ScanLines(std::int32_t top, std::int32_t count) {
    if (!RowsValid) MakeScanLines();
    const auto first = static_cast<std::size_t>(top);
    std::fill_n(RowTouched.begin() + first, count, std::uint8_t{1});
    std::fill_n(RowChanged.begin() + first, count, std::uint8_t{1});
    return Rows.data() + first;
  }
  void ClearTouchedRows() { RowTouched.fill(0); }

  // The runs of rows reached through ScanLine since the last call, top to bottom, each
  // [Top, Bottom): what may have changed since the surface was last shown. The marks start
  // afresh; RowTouched is left alone.
  struct tRowBand {
    std::int32_t Top, Bottom;
    bool operator==(const tRowBand&) const = default;
  };
  std::vector<tRowBand> TakeChangedRows();

  // Bracket direct pixel work; nothing to do for system memory.
  virtual void BeginDraw() {}
  virtual void EndDraw() {}

  // Appends the rectangle when TrackDirty is set and SuspendDirty is clear; once
  // kDirtySlots - 1 are listed, further ones are dropped without notice.
  void AddDirtyRect(const tRect& rect) {
    if (!TrackDirty || SuspendDirty || DirtyCount >= kDirtySlots - 1) return;
    DirtySlots[static_cast<std::size_t>(DirtyCount++)] = rect;
  }
  void ClearDirty() { DirtyCount = 0; }
  std::span<const tRect> DirtyRects() const {
    return {DirtySlots.data(), static_cast<std::size_t>(DirtyCount)};
  }

  // Occlusion mask: one byte per pixel, row-major, 0 = free, non-zero = covered. It exists
  // only while HasMask is set and the surface has storage.
  bool HasMask() const { return MaskWanted; }
  void SetHasMask(bool hasMask);
  // The non-const form is for writing the mask: the pointer serves until the next drawing
  // call. Reading goes through the const form (std::as_const on a non-const surface).
  std::uint8_t* Mask() {
    MaskSummaryStale = true;
    return MaskBytes.empty() ? nullptr : MaskBytes.data();
  }
  const std::uint8_t* Mask() const { return MaskBytes.empty() ? nullptr : MaskBytes.data(); }
  bool HasMaskBytes() const { return !MaskBytes.empty(); }
  void ClearMask();
  // No pixel of the rectangle is covered, so drawing there need not read the mask. Answered
  // from a summary per 32 x 32 block, made again after the mask was last written.
  bool MaskClearIn(const tRect& rect) const;

  // Copies width x height pixels row by row, without any clipping.
  void CopyRectFrom(tDib16& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t destX,
                    std::int32_t destY, std::int32_t width, std::int32_t height);
  // The same copy cut to this surface's ClipRect and to the source's ClipRect.
  void BlitFrom(tDib16& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t destX,
                std::int32_t destY, std::int32_t width, std::int32_t height);
  // Copies back every listed dirty rectangle from the source, offset by (offsetX, offsetY)
  // in the source, and empties the list.
  void RestoreDirtyFrom(tDib16& source, std::int32_t offsetX, std::int32_t offsetY);

  // Whole-surface effects.
  // Every pixel pair; an odd last column is left as it was.
  void FillSurface(std::uint16_t colour);
  // Pattern 2: every pixel through the table; 0: pixels whose column + row is even;
  // 1: those where it is odd (each row handles Width div 2 pixels).
  void DarkenSurface(std::int32_t pattern, const tPixelTable& table = DarkenTable);
  void FadeSurface(const tPixelTable& table = FadeTable);
  // Grey of each pixel's green level.
  void MakeGreyscale();
  // This surface becomes the source at half size, each pixel the squared average of four.
  void MakeHalfSizeFrom(tDib16& source);
  // Adds the colour (saturating) to every pixel of the rectangle inside ClipRect; the
  // whole rectangle is listed as dirty.
  void AddColourRect(const tRect& rect, std::uint16_t colour);

  // Lines in PenColour, clipped to ClipRect, both end points drawn.
  void DrawLine(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  void LineTo(std::int32_t x, std::int32_t y) { DrawLine(PenPos.X, PenPos.Y, x, y); }
  // Outline of the rectangle (right and bottom excluded), listed as one dirty rectangle.
  void FrameRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom);

  // Picture files. Load reads FileName through PictureFiles (PictureSource.h): a ".bmp"
  // name (any case) as a Windows bitmap, any other as a JPEG; runs DoBrightnessChange with
  // GammaTable unless NoBrightness is set; converts it to the current pixel layout; makes
  // ClipRect the whole picture; and, when a file named MaskFileName exists, reads it as a
  // bitmap of the same size whose white pixels turn the picture's pixels into the key
  // colour (magenta). LastMessage becomes "Loading " + FileName and KeepAlive runs between
  // the steps. Does nothing when already loaded. A missing or damaged file raises and
  // leaves the surface unloaded, so a later Load tries again.
  void Load();
  // Frees the pixels of a loaded surface; it can be loaded again.
  void Unload();
  bool Loaded() const { return IsLoaded; }

  // Name of the picture file: lower-cased for registered pictures; empty for blank surfaces.
  std::string FileName;
  // Name of the companion mask file: the picture's name as given + ".mask".
  std::string MaskFileName;
  // Loading skips the brightness pass.
  bool NoBrightness = false;
  // Drawing limit: Left and Top are the first drawable column and row, Right and Bottom
  // the first excluded ones. It must lie inside the surface.
  tRect ClipRect;
  std::uint16_t PenColour = 0;
  tPoint PenPos;
  std::array<std::uint8_t, kMaxRows> RowTouched{};
  // Kept apart from RowTouched, which the frame's composer clears for its own bookkeeping.
  std::array<std::uint8_t, kMaxRows> RowChanged{};
  bool MaskActive = false;
  bool TrackDirty = false;
  bool SuspendDirty = false;

 protected:
  tDib16(std::int32_t width, std::int32_t height, bool createStorage);

  // Frees any storage, then creates it for the current size (and the mask, if wanted).
  void CreateSurfaces();
  // Frees the storage and the mask; the row table becomes invalid.
  void FreeSurfaces();

  virtual void AllocateStorage();
  virtual void ReleaseStorage();
  virtual void MakeScanLines();

  void SetRowPointer(std::int32_t row, std::uint16_t* pixels) {
    Rows[static_cast<std::size_t>(row)] = pixels;
  }
  void MarkScanLinesValid() { RowsValid = true; }
  void InvalidateScanLines() { RowsValid = false; }

 private:
  void Resize(std::int32_t width, std::int32_t height);
  void CreateMask();
  static constexpr std::int32_t kMaskBlock = 32;
  std::int32_t MaskBlocksWide() const { return (PixelsWide + kMaskBlock - 1) / kMaskBlock; }
  bool MaskBlockSpan(const tRect& rect, tRect& blocks) const;
  void SummariseMask() const;

  // A registered picture, not yet loaded.
  struct tNamedPicture {};
  tDib16(tNamedPicture, const std::string& name);

  bool IsLoaded = true;
  std::int32_t PixelsWide = 0;
  std::int32_t PixelsHigh = 0;
  std::array<tRect, kDirtySlots> DirtySlots{};
  std::int32_t DirtyCount = 0;
  std::vector<std::uint16_t*> Rows;
  bool RowsValid = false;
  bool StorageReady = false;
  bool MaskWanted = false;
  std::vector<std::uint16_t> Pixels;
  std::vector<std::uint8_t> MaskBytes;
  // Per block of the mask, whether any of its pixels is covered; stale after writing.
  mutable std::vector<std::uint8_t> MaskBlocks;
  mutable bool MaskSummaryStale = true;
};

}  // namespace qn2
