// Little-endian byte output for the file writers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

struct tByteWriter {
  std::vector<std::uint8_t> Bytes;

  void U8(std::uint8_t v) { Bytes.push_back(v); }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v & 0xFF));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v & 0xFFFF));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void Text(const std::string& s) { Bytes.insert(Bytes.end(), s.begin(), s.end()); }
  // A fixed-width text field, cut or padded with `pad`.
  void Field(const std::string& s, size_t width, std::uint8_t pad = 0) {
    for (size_t i = 0; i < width; ++i) U8(i < s.size() ? static_cast<std::uint8_t>(s[i]) : pad);
  }
  void Zeros(size_t n) { Bytes.insert(Bytes.end(), n, 0); }
  size_t Size() const { return Bytes.size(); }
  void PatchU32(size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
      Bytes[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
  }
};

}  // namespace soundgen
