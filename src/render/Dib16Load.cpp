#include <optional>
#include <vector>

#include "common/Exception.h"
#include "common/KeepAlive.h"
#include "common/LastMessage.h"
#include "common/Text.h"
#include "render/ColourTables.h"
#include "render/Dib16.h"
#include "render/PictureSource.h"
#include "render/PixelFormat.h"

namespace qn2 {

tDib16::tDib16(tNamedPicture, const std::string& name) : tDib16(0, 0, false) {
  FileName = LowerCase(name);
  MaskFileName = name + ".mask";
  IsLoaded = false;
}

tDib16::tDib16(const std::string& name) : tDib16(0, 0, false) {
  FileName = name;
  MaskFileName = name + ".mask";
  IsLoaded = false;
  Load();
}

void tDib16::Load() {
  if (IsLoaded) return;
  LastMessage = "Loading " + FileName;
  KeepAlive();
  tPicture picture;
  {
    const std::vector<std::uint8_t> file = ReadPictureFile(FileName);
    KeepAlive();
    picture = DecodePicture(file, FileName);
  }
  KeepAlive();
  if (!NoBrightness) {
    DoBrightnessChange(picture, GammaTable);
    KeepAlive();
  }
  try {
    FreeSurfaces();
    PixelsWide = picture.Width;
    PixelsHigh = picture.Height;
    CreateSurfaces();
    ClipRect = {0, 0, PixelsWide, PixelsHigh};
    BeginDraw();
    for (std::int32_t y = 0; y < PixelsHigh; ++y) {
      std::uint16_t* d = ScanLine(y);
      const std::uint8_t* s = picture.Row(y);
      for (std::int32_t x = 0; x < PixelsWide; ++x, s += 3) d[x] = MakePixel(s[0], s[1], s[2]);
    }
    EndDraw();
    picture = {};
    KeepAlive();

    // The companion mask: the picture's full name + ".mask", a bitmap of the same size.
    // Per bit, white takes the key colour and black keeps the picture.
    if (const std::optional<std::vector<std::uint8_t>> file =
            ReadPictureFileIfPresent(MaskFileName)) {
      const tPicture mask = DecodeBitmap(*file, MaskFileName);
      if (mask.Width != PixelsWide || mask.Height != PixelsHigh)
        throw EFileError("Mask '" + MaskFileName + "' is " + std::to_string(mask.Width) + " x " +
                         std::to_string(mask.Height) + ", its picture " +
                         std::to_string(PixelsWide) + " x " + std::to_string(PixelsHigh));
      const std::uint16_t key = MakePixel(255, 0, 255);
      BeginDraw();
      for (std::int32_t y = 0; y < PixelsHigh; ++y) {
        std::uint16_t* d = ScanLine(y);
        const std::uint8_t* s = mask.Row(y);
        for (std::int32_t x = 0; x < PixelsWide; ++x, s += 3) {
          const std::uint16_t m = MakePixel(s[0], s[1], s[2]);
          d[x] = static_cast<std::uint16_t>((m & key) | (~m & d[x]));
        }
      }
      EndDraw();
    }
  } catch (...) {
    // No half-loaded picture is left behind.
    FreeSurfaces();
    throw;
  }
  ClearTouchedRows();
  IsLoaded = true;
}

void tDib16::Unload() {
  if (!IsLoaded) return;
  FreeSurfaces();
  IsLoaded = false;
}

}  // namespace qn2
