#pragma once

#include "support/ScratchFolder.h"

// Helpers for the package tests: scratch folders and zip archives built byte by byte
// from the published zip layout, independently of the game's own writer.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/Stream.h"

namespace qn2::test {

namespace fs = std::filesystem;
using qn2::testing::tScratchFolder;

using tBytes = std::vector<std::uint8_t>;

inline tBytes Bytes(std::string_view text) {
  return tBytes(text.begin(), text.end());
}

inline std::string Text(std::span<const std::uint8_t> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

// Everything from the stream's current position to its end.
inline std::string ReadRest(tStream& stream) {
  std::string text;
  char block[1000];
  while (std::size_t n = stream.Read(block, sizeof block)) text.append(block, n);
  return text;
}

// Bytes that do not compress.
inline tBytes NoiseBytes(std::size_t count, unsigned seed = 1) {
  std::mt19937 random(seed);
  tBytes bytes(count);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

// Text that compresses well but not trivially (words in varying order).
inline std::string WordText(std::size_t words, unsigned seed = 2) {
  static const char* const vocabulary[] = {"Boulder", "Snake", "Key",    "Jewel",  "Exit",
                                           "Water",   "Dirt",  "Pillar", "Spider", "Fireball\r\n"};
  std::mt19937 random(seed);
  std::string text;
  for (std::size_t i = 0; i < words; ++i) (text += vocabulary[random() % 10]) += ' ';
  return text;
}

inline void WriteFile(const fs::path& path, std::span<const std::uint8_t> bytes) {
  if (path.has_parent_path()) fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

inline void WriteFile(const fs::path& path, std::string_view text) {
  WriteFile(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// "[Misc]\r\nName=Quibnar test\r\n" eight times, and its raw deflate stream as another
// zip tool produced it.
inline const std::string DeflateSampleText = [] {
  std::string text;
  for (int i = 0; i < 8; ++i) text += "[Misc]\r\nName=Quibnar test\r\n";
  return text;
}();
inline const tBytes DeflateSampleData = {
    0x8B, 0xF6, 0xCD, 0x2C, 0x4E, 0x8E, 0xE5, 0xE5, 0xF2, 0x4B, 0xCC, 0x4D, 0xB5, 0x0D, 0x2C, 0xCD,
    0x4C, 0xCA, 0x4B, 0x2C, 0x52, 0x28, 0x49, 0x2D, 0x2E, 0xE1, 0xE5, 0x8A, 0x1E, 0xCA, 0x52, 0x00};
inline constexpr std::uint32_t DeflateSampleCrc = 0x0006F48E;

// One entry of a hand-built archive. Data holds the bytes as stored (already deflated
// for method 8).
struct tRawEntry {
  std::string Name;
  tBytes Data;
  std::uint16_t Method = 0;
  std::uint32_t UncompressedSize = 0xFFFFFFFF;  // the data's size unless set
  std::string Extra;                            // central directory extra field
  std::string Comment;
  std::string LocalExtra;  // the local header's own extra field
  std::uint32_t LocalSignature = 0x04034B50;
  std::int64_t CompressedSizeOverride = -1;
};

class tRawZip {
 public:
  void Word(tBytes& out, std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void Long(tBytes& out, std::uint32_t v) {
    Word(out, static_cast<std::uint16_t>(v));
    Word(out, static_cast<std::uint16_t>(v >> 16));
  }
  void Append(tBytes& out, std::string_view s) { out.insert(out.end(), s.begin(), s.end()); }

  // The archive: local headers with data, the central directory, the end record and
  // the archive comment.
  tBytes Build(const std::vector<tRawEntry>& entries, std::string_view archiveComment = "") {
    tBytes out;
    std::vector<std::uint32_t> offsets;
    for (const tRawEntry& e : entries) {
      offsets.push_back(static_cast<std::uint32_t>(out.size()));
      Long(out, e.LocalSignature);
      Word(out, 20);
      Word(out, 0);
      Word(out, e.Method);
      Word(out, 0);
      Word(out, 0);
      Long(out, 0);  // CRC: the game's reader does not look at it
      Long(out, CompressedSize(e));
      Long(out, UncompressedSize(e));
      Word(out, static_cast<std::uint16_t>(e.Name.size()));
      Word(out, static_cast<std::uint16_t>(e.LocalExtra.size()));
      Append(out, e.Name);
      Append(out, e.LocalExtra);
      out.insert(out.end(), e.Data.begin(), e.Data.end());
    }
    const auto directory = static_cast<std::uint32_t>(out.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const tRawEntry& e = entries[i];
      Long(out, 0x02014B50);
      Word(out, 20);
      Word(out, 20);
      Word(out, 0);
      Word(out, e.Method);
      Word(out, 0x1234);
      Word(out, 0x5678);
      Long(out, 0);
      Long(out, CompressedSize(e));
      Long(out, UncompressedSize(e));
      Word(out, static_cast<std::uint16_t>(e.Name.size()));
      Word(out, static_cast<std::uint16_t>(e.Extra.size()));
      Word(out, static_cast<std::uint16_t>(e.Comment.size()));
      Word(out, 0);
      Word(out, 0);
      Long(out, 0);
      Long(out, offsets[i]);
      Append(out, e.Name);
      Append(out, e.Extra);
      Append(out, e.Comment);
    }
    const auto directorySize = static_cast<std::uint32_t>(out.size()) - directory;
    Long(out, 0x06054B50);
    Word(out, 0);
    Word(out, 0);
    Word(out, static_cast<std::uint16_t>(entries.size()));
    Word(out, static_cast<std::uint16_t>(entries.size()));
    Long(out, directorySize);
    Long(out, directory);
    Word(out, static_cast<std::uint16_t>(archiveComment.size()));
    Append(out, archiveComment);
    return out;
  }

 private:
  static std::uint32_t CompressedSize(const tRawEntry& e) {
    return e.CompressedSizeOverride >= 0 ? static_cast<std::uint32_t>(e.CompressedSizeOverride)
                                         : static_cast<std::uint32_t>(e.Data.size());
  }
  static std::uint32_t UncompressedSize(const tRawEntry& e) {
    return e.UncompressedSize != 0xFFFFFFFF ? e.UncompressedSize
                                            : static_cast<std::uint32_t>(e.Data.size());
  }
};

inline tBytes BuildRawZip(const std::vector<tRawEntry>& entries, std::string_view comment = "") {
  return tRawZip().Build(entries, comment);
}

// A stored entry with the text, and a deflated entry with the sample text.
inline tRawEntry StoredEntry(std::string name, std::string_view text) {
  tRawEntry e;
  e.Name = std::move(name);
  e.Data = Bytes(text);
  return e;
}

inline tRawEntry DeflatedSampleEntry(std::string name) {
  tRawEntry e;
  e.Name = std::move(name);
  e.Data = DeflateSampleData;
  e.Method = 8;
  e.UncompressedSize = static_cast<std::uint32_t>(DeflateSampleText.size());
  return e;
}

}  // namespace qn2::test
