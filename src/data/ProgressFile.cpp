#include "data/ProgressFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/Exception.h"
#include "data/DiskFiles.h"
#include "data/DiskWrite.h"

namespace qn2 {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t ValueSize = 4;

std::int32_t DecodeValue(const unsigned char* bytes) {
  const std::uint32_t u =
      static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
      (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
  return static_cast<std::int32_t>(u);
}

void EncodeValue(std::int32_t value, std::string& out) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((u >> shift) & 0xFF);
}

bool IsProgressValue(std::int32_t value) {
  return value >= ProgressNotSolved && value <= ProgressSolvedAllJewels;
}

}  // namespace

std::string ProgressFileName(const std::string& setFileName) {
  const std::size_t folderEnd = setFileName.find_last_of("\\/");
  const std::size_t nameStart = folderEnd == std::string::npos ? 0 : folderEnd + 1;
  const std::size_t dot = setFileName.rfind('.');
  const bool hasExtension = dot != std::string::npos && dot >= nameStart;
  return (hasExtension ? setFileName.substr(0, dot) : setFileName) + ".Progress";
}

tProgressRead ReadProgressFile(const std::string& fileName, std::vector<std::int32_t>& values) {
  const auto path = FindDiskFile(fileName);
  if (!path) return tProgressRead::Missing;

  std::error_code ec;
  const std::uintmax_t size = fs::file_size(*path, ec);
  if (ec) throw EFileError("Cannot open file \"" + fileName + "\"");
  if (size > ValueSize * values.size()) return tProgressRead::TooLong;

  std::ifstream in(*path, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
    throw EFileError("Cannot read file \"" + fileName + "\"");

  const std::size_t count = bytes.size() / ValueSize;
  const auto* raw = reinterpret_cast<const unsigned char*>(bytes.data());
  bool damaged = bytes.size() % ValueSize != 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::int32_t value = DecodeValue(raw + i * ValueSize);
    damaged = damaged || !IsProgressValue(value);
    values[i] = IsProgressValue(value) ? value : ProgressNotSolved;
  }
  return damaged ? tProgressRead::Damaged : tProgressRead::Read;
}

void WriteProgressFile(const std::string& fileName, const std::vector<std::int32_t>& values) {
  if (values.empty()) return;
  std::string bytes;
  bytes.reserve(ValueSize * values.size());
  for (const std::int32_t value : values) EncodeValue(value, bytes);
  WriteDiskFile(fileName, bytes);
}

std::string LoadProgress(const std::string& fileName, std::vector<std::int32_t>& values) {
  const tProgressRead read = ReadProgressFile(fileName, values);
  if (read == tProgressRead::Missing) {
    std::fill(values.begin(), values.end(), ProgressNotSolved);
    WriteProgressFile(fileName, values);
    return {};
  }
  if (read == tProgressRead::Read) return {};
  const std::string problem = read == tProgressRead::TooLong
                                  ? "holds more entries than the episode has and is not used"
                                  : "is damaged; what could be read is used";
  const std::string keptAs = KeepDamagedFileAside(fileName);
  return "The progress file \"" + fileName + "\" " + problem +
         (keptAs.empty() ? ". It could not be copied aside."
                         : ". The file is kept as \"" + keptAs + "\".");
}

bool ForceDirectories(const std::string& path) {
  if (path.empty()) throw EFileError("Unable to create directory");
  std::string name = ToDiskSeparators(path);
  while (name.size() > 1 && name.back() == '/') name.pop_back();
  const fs::path folder = DiskPathForWriting(name);
  std::error_code ec;
  if (fs::is_directory(folder, ec)) return true;
  fs::create_directories(folder, ec);
  return !ec && fs::is_directory(folder, ec);
}

bool DirectoryExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return fs::is_directory(DiskPathForWriting(path), ec);
}

}  // namespace qn2
