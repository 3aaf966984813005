#include "data/Recorder.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <filesystem>
#include <memory>
#include <vector>

#include "common/Exception.h"
#include "data/DiskFiles.h"
#include "data/MemoryStream.h"
#include "data/PackageFiles.h"
#include "data/ProgressFile.h"

namespace qn2 {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t ValueSize = 4;

// Reads until count bytes arrived or the stream ends; returns how many arrived.
std::size_t ReadUpTo(tStream& stream, void* buffer, std::size_t count) {
  auto* out = static_cast<std::uint8_t*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const std::size_t n = stream.Read(out + done, count - done);
    if (n == 0) break;
    done += n;
  }
  return done;
}

std::int32_t DecodeValue(const std::uint8_t* bytes) {
  const std::uint32_t u =
      static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
      (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
  return static_cast<std::int32_t>(u);
}

void EncodeValue(std::int32_t value, std::uint8_t* bytes) {
  const auto u = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < ValueSize; ++i) bytes[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

// Where the file name part of a game-style name ("\" or "/" between folders) begins.
std::size_t NameStart(const std::string& fileName) {
  const std::size_t separator = fileName.find_last_of("\\/");
  return separator == std::string::npos ? 0 : separator + 1;
}

// The name without its extension; a "." in a folder name is not an extension.
std::string WithoutExtension(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string::npos || dot < NameStart(fileName)) return fileName;
  return fileName.substr(0, dot);
}

}  // namespace

void tRecorder::Clear() {
  Values.fill(0);
  Pos = 0;
  ValueCount = 0;
  RecState = rsIdle;
}

void tRecorder::PlaceValue(std::int32_t position, std::int32_t value) {
  if (position >= 0 && position < RecorderCapacity)
    Values[static_cast<std::size_t>(position)] = value;
}

void tRecorder::RestorePlace(tRecorderState state, std::int32_t position, std::int32_t count) {
  RecState = state;
  Pos = std::clamp(position, 0, RecorderTableSize);
  ValueCount = std::clamp(count, 0, RecorderTableSize);
}

void tRecorder::Stop() {
  Pos = 0;
  RecState = rsStopped;
}

void tRecorder::StartRecording() {
  Clear();
  RecState = rsRecording;
}

void tRecorder::StartPlayback() {
  Stop();
  RecState = rsPlaying;
}

void tRecorder::RecordValue(std::int32_t value) {
  if (RecState != rsRecording)
    throw Exception("RecordValue called while the recorder wasn't recording.");
  if (Pos >= RecorderCapacity) return;
  Values[static_cast<std::size_t>(Pos)] = value;
  ++Pos;
  ValueCount = std::max(ValueCount, Pos);
}

std::int32_t tRecorder::PlayBackValue() {
  if (RecState != rsPlaying)
    throw Exception("PlayBackValue called while the recorder wasn't Playing.");
  if (Pos >= RecorderTableSize) return 0;
  return Values[static_cast<std::size_t>(Pos++)];
}

void tRecorder::LoadFromStream(tStream& stream) {
  char signature[RecordSignatureSize];
  if (ReadUpTo(stream, signature, RecordSignatureSize) != RecordSignatureSize ||
      std::memcmp(signature, RecordSignature, RecordSignatureSize) != 0)
    throw Exception("Not a QuibNar Record file!");

  std::uint8_t countBytes[ValueSize] = {};
  const bool haveCount = ReadUpTo(stream, countBytes, ValueSize) == ValueSize;
  // A count the table cannot hold would be cut silently: such a file is refused whole.
  const std::int32_t count = haveCount ? DecodeValue(countBytes) : 0;
  if (count < 0 || count > RecorderTableSize)
    throw Exception("This solution claims " + std::to_string(count) +
                    " recorded values; a recording holds 0 to " +
                    std::to_string(RecorderTableSize) + ".");
  ValueCount = count;

  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(ValueCount) * ValueSize);
  const std::size_t delivered = ReadUpTo(stream, bytes.data(), bytes.size()) / ValueSize;
  for (std::size_t i = 0; i < delivered; ++i) Values[i] = DecodeValue(&bytes[i * ValueSize]);
}

void tRecorder::SaveToStream(tStream& stream) const {
  std::vector<std::uint8_t> bytes(RecordSignatureSize + ValueSize * (1 + ValueCount));
  std::memcpy(bytes.data(), RecordSignature, RecordSignatureSize);
  std::uint8_t* out = bytes.data() + RecordSignatureSize;
  EncodeValue(ValueCount, out);
  for (std::int32_t i = 0; i < ValueCount; ++i)
    EncodeValue(Values[static_cast<std::size_t>(i)], out + ValueSize * (1 + i));
  stream.WriteBuffer(bytes.data(), bytes.size());
}

void tRecorder::LoadFromFile(const std::string& fileName) {
  std::unique_ptr<tPackageFileStream> stream = OpenPackagedFile(fileName);
  LoadFromStream(*stream);
}

void tRecorder::SaveToFile(const std::string& fileName) const {
  // Built in memory and handed over whole, so a failed write is reported and never
  // leaves half a solution in place of a good one.
  tMemoryStream contents;
  SaveToStream(contents);
  const auto data = contents.Data();
  WriteDiskFile(fileName,
                std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
}

std::string NewSolutionFileName(const std::string& levelFileName) {
  try {
    const std::string full =
        fs::absolute(fs::path(ToDiskSeparators(levelFileName))).lexically_normal().string();
    const std::string solution = WithoutExtension(full) + ".Solution";
    const std::size_t folderEnd = NameStart(solution);
    // A solution that cannot get its folder is still kept, in the current directory.
    if (folderEnd == 0 || ForceDirectories(solution.substr(0, folderEnd))) return solution;
  } catch (const std::exception&) {
  }
  return WithoutExtension(levelFileName.substr(NameStart(levelFileName))) + ".Solution";
}

std::string StoredSolutionName(const std::string& levelFileName) {
  return "Solutions\\" + WithoutExtension(levelFileName) + ".Solution";
}

}  // namespace qn2
