#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "render/Dib16.h"

namespace qn2 {

// The names the sound-device menu shows, written once in the menu font at double size and
// halved: one image of the three output types and one of each type's drivers, each name a
// row 29 pixels high.
class tSoundNameImages {
 public:
  static constexpr std::int32_t RowHeight = 29;
  static constexpr std::int32_t Width = 354;
  static constexpr std::array<const char*, 3> DeviceNames{"NO SOUND", "WAVEOUT", "DIRECTSOUND"};

  // Writes every image; driverNames gives the drivers of an output type.
  void Generate(const std::function<std::vector<std::string>(int)>& driverNames);
  bool Ready() const { return Devices != nullptr; }
  tDib16& DeviceImage() { return *Devices; }
  tDib16& DriverImage(std::int32_t device) { return *Drivers[static_cast<std::size_t>(device)]; }

 private:
  std::unique_ptr<tDib16> Devices;
  std::array<std::unique_ptr<tDib16>, 3> Drivers;
};

// Draws row newRow of a name image at (x, y) sliding in over row oldRow: with slide t (1 at
// the change, falling toward 0) and e = round(W * t), odd pixel rows show the old name's
// first e columns at x + W - e and the new name from column e on at x; even rows show the
// new name's first W - e columns at x + e and the old name from column W - e on at x.
void DrawSlidingName(tDib16& target, tDib16& image, std::int32_t x, std::int32_t y,
                     std::int32_t newRow, std::int32_t oldRow, float t);

}  // namespace qn2
