#pragma once

#include "render/PictureSource.h"

namespace qn2 {

// The game's pictures when they can be had, and a small blank picture of the right kind
// (bitmap or JPEG, by the name's extension) when they cannot: the simulator draws
// nothing, so a level plays the same without its artwork.
class tBlankPictures : public tPictureFiles {
 public:
  explicit tBlankPictures(tPictureFiles& real) : Real(real) {}
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& name) override;

 private:
  tPictureFiles& Real;
};

}  // namespace qn2
