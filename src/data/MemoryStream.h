#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "data/Stream.h"

namespace qn2 {

// A stream over a growable block of memory. Writing past the end grows it; seeking
// past the end is allowed (reads there return nothing, a write fills the gap with 0).
class tMemoryStream : public tStream {
 public:
  tMemoryStream() = default;
  explicit tMemoryStream(std::vector<std::uint8_t> bytes) : Bytes(std::move(bytes)) {}

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, tSeekOrigin origin) override;
  std::int64_t Position() override { return Pos; }
  std::int64_t Size() override { return static_cast<std::int64_t>(Bytes.size()); }

  // Changes the size, keeping the leading bytes; new bytes are 0. The position stays
  // unless it would lie beyond the new end.
  void SetSize(std::size_t size);
  // Reserves room so that writes up to this size do not move the block.
  void Reserve(std::size_t size) { Bytes.reserve(size); }
  void Clear();

  std::uint8_t* Memory() { return Bytes.data(); }
  const std::uint8_t* Memory() const { return Bytes.data(); }
  std::span<const std::uint8_t> Data() const { return Bytes; }

 private:
  std::vector<std::uint8_t> Bytes;
  std::int64_t Pos = 0;
};

}  // namespace qn2
