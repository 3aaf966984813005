#pragma once

#include "render/PictureSource.h"

namespace qn2 {

// Pictures read the way every game file is read: loose files first, then the packages.
class tPackagePictures : public tPictureFiles {
 public:
  std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& name) override;
};

// The package-backed picture source the engine installs when the program has set none.
extern tPackagePictures PackagePictures;

}  // namespace qn2
