#include "render/PictureSource.h"

#include <utility>

#include "common/Exception.h"
#include "common/Text.h"

namespace qn2 {

tPictureFiles* PictureFiles = nullptr;

std::optional<std::vector<std::uint8_t>> ReadPictureFileIfPresent(const std::string& name) {
  if (PictureFiles == nullptr) throw Exception("No picture files to read '" + name + "' from");
  return PictureFiles->ReadFile(name);
}

std::vector<std::uint8_t> ReadPictureFile(const std::string& name) {
  std::optional<std::vector<std::uint8_t>> contents = ReadPictureFileIfPresent(name);
  if (!contents) throw EFileError("File Missing '" + name + "'.");
  return std::move(*contents);
}

bool IsBitmapName(const std::string& name) {
  // The extension starts at the last dot after the last folder separator.
  const std::size_t dot = name.rfind('.');
  const std::size_t separator = name.find_last_of("\\/");
  if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return false;
  return LowerCase(std::string_view(name).substr(dot)) == ".bmp";
}

tPicture DecodePicture(std::span<const std::uint8_t> data, const std::string& name) {
  return IsBitmapName(name) ? DecodeBitmap(data, name) : DecodeJpeg(data, name);
}

}  // namespace qn2
