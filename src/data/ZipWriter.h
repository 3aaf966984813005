#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "data/Stream.h"

namespace qn2 {

// Writes a zip archive that the game's reader and ordinary zip tools both read: local
// headers, the central directory and the end record, with no archive comment. Every
// entry carries the same fixed time stamp, so the same files give the same bytes.
class tZipWriter {
 public:
  enum class tMethod : std::uint8_t {
    Smallest,  // raw deflate, or stored when deflating does not make the entry smaller
    Stored,
    Deflated,
  };

  // Time stamp of every entry: 1 January 1980, 00:00, in MS-DOS form.
  static constexpr std::uint16_t FixedTime = 0;
  static constexpr std::uint16_t FixedDate = (0 << 9) | (1 << 5) | 1;

  // Writes to out, starting at its current position (which must be 0 for other tools to
  // find the entries).
  explicit tZipWriter(tStream& out) : Out(out) {}

  // Adds one entry; the name uses "/" between folders. Raises EZipError when the entry
  // or the archive would outgrow the zip format's 32-bit sizes or 65535 entries, and
  // EVoskCompressionError "error" when zlib fails.
  void Add(const std::string& name, std::span<const std::uint8_t> data,
           tMethod method = tMethod::Smallest);
  // Writes the central directory and the end record. Nothing may be added afterwards.
  void Finish();

 private:
  struct tEntry {
    std::string Name;
    std::uint16_t Method;
    std::uint16_t Flags;
    std::uint32_t Crc;
    std::uint32_t CompressedSize;
    std::uint32_t UncompressedSize;
    std::uint32_t Offset;
  };

  std::uint32_t OffsetNow() const;

  tStream& Out;
  std::vector<tEntry> Entries;
  std::uint64_t Written = 0;
  bool Finished = false;
};

// Raw deflate (no zlib or gzip header) of the whole block, at the best compression.
std::vector<std::uint8_t> DeflateRaw(std::span<const std::uint8_t> data);

}  // namespace qn2
