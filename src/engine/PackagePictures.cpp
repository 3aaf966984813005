#include "engine/PackagePictures.h"

#include "data/PackageFiles.h"

namespace qn2 {

tPackagePictures PackagePictures;

std::optional<std::vector<std::uint8_t>> tPackagePictures::ReadFile(const std::string& name) {
  if (!PackagedFileExists(name)) return std::nullopt;
  auto stream = OpenPackagedFile(name);
  const auto bytes = stream->Data();
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace qn2
