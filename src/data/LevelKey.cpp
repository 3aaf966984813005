#include "data/LevelKey.h"

#include <charconv>

#include "data/PackageFiles.h"

namespace qn2 {

namespace {

constexpr std::uint64_t FnvOffsetBasis = 0xcbf29ce484222325u;
constexpr std::uint64_t FnvPrime = 0x100000001b3u;
constexpr std::size_t KeyDigits = 16;

}  // namespace

std::uint64_t LevelContentKey(std::span<const std::uint8_t> bytes) {
  std::uint64_t hash = FnvOffsetBasis;
  for (std::uint8_t byte : bytes) {
    hash ^= byte;
    hash *= FnvPrime;
  }
  return hash;
}

std::uint64_t LevelFileKey(const std::string& levelFileName) {
  const std::unique_ptr<tPackageFileStream> stream = OpenPackagedFile(levelFileName);
  return LevelContentKey(stream->Data());
}

std::string KeyText(std::uint64_t key) {
  static constexpr char Digits[] = "0123456789abcdef";
  std::string text(KeyDigits, '0');
  for (std::size_t i = KeyDigits; i-- > 0; key >>= 4) text[i] = Digits[key & 0xF];
  return text;
}

std::optional<std::uint64_t> ParseKeyText(std::string_view text) {
  if (text.empty() || text.size() > KeyDigits) return std::nullopt;
  std::uint64_t key = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), key, 16);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return key;
}

}  // namespace qn2
