#include "data/ZipFiles.h"

#include <algorithm>

#include "common/Text.h"
#include "data/FileStream.h"
#include "data/VoskZlib.h"

namespace qn2 {

namespace {

constexpr std::uint32_t EndOfDirectorySignature = 0x06054B50;
constexpr std::uint32_t LocalHeaderSignature = 0x04034B50;
constexpr std::size_t EndOfDirectorySize = 22;
constexpr std::size_t LocalHeaderSize = 30;
// No file of the game comes near this; a bigger claim is a damaged or hostile package.
constexpr std::uint32_t LargestEntry = 256u << 20;

std::uint16_t GetWord(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t GetLong(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::string ReadString(tStream& stream, std::size_t length) {
  std::string text(length, '\0');
  stream.ReadBuffer(text.data(), length);
  return text;
}

}  // namespace

std::uint16_t tZippedFile::Word(std::size_t at) const {
  return GetWord(Header.data() + at);
}
std::uint32_t tZippedFile::Long(std::size_t at) const {
  return GetLong(Header.data() + at);
}

void tZip::ReadDirectory(tStream& stream) {
  // An archive comment is not supported: the end record must be the last 22 bytes.
  if (stream.Size() < static_cast<std::int64_t>(EndOfDirectorySize))
    throw ENotZipFile("File is not Zip file.");
  stream.Seek(-static_cast<std::int64_t>(EndOfDirectorySize), tSeekOrigin::End);
  std::array<std::uint8_t, EndOfDirectorySize> end;
  stream.ReadBuffer(end.data(), end.size());
  if (GetLong(end.data()) != EndOfDirectorySignature) throw ENotZipFile("File is not Zip file.");
  const std::uint16_t count = GetWord(end.data() + 8);
  const std::int64_t directory = GetLong(end.data() + 16);
  if (directory + static_cast<std::int64_t>(count) * tZippedFile::HeaderSize > stream.Size())
    throw EZipError("The zip directory lies outside the file");
  stream.Seek(directory, tSeekOrigin::Beginning);
  for (std::uint16_t i = 0; i < count; ++i) {
    tZippedFile* entry = Entries.Add(std::make_unique<tZippedFile>(*this));
    stream.ReadBuffer(entry->Header.data(), entry->Header.size());
    entry->Name = ReadString(stream, entry->NameLength());
    stream.Seek(entry->ExtraLength(), tSeekOrigin::Current);
    entry->Comment = ReadString(stream, entry->CommentLength());
  }
}

tZipFile::tZipFile(std::string fileName) : Name(std::move(fileName)) {
  std::unique_ptr<tStream> archive = OpenArchive();
  ReadDirectory(*archive);
}

std::unique_ptr<tStream> tZipFile::OpenArchive() {
  return std::make_unique<tFileStream>(Name, tFileStream::tMode::OpenRead);
}

tZippedFile* FindEntry(const tZip& zip, std::string_view name) {
  for (std::size_t i = 0; i < zip.Entries.Count(); ++i) {
    const tZippedFile* entry = zip.Entries[i];
    const std::string& entryName = entry->Name;
    if (entryName.size() != name.size()) continue;
    bool same = true;
    for (std::size_t k = 0; same && k < name.size(); ++k) {
      const char wanted = name[k] == '\\' ? '/' : name[k];
      same = LowerAscii(entryName[k]) == LowerAscii(wanted);
    }
    if (same) return zip.Entries[i];
  }
  return nullptr;
}

tZippedStream::tZippedStream(const tZippedFile& entry) : FileSize(entry.UncompressedSize()) {
  const std::uint16_t method = entry.CompressionMethod();
  if (method != 0 && method != 8)
    throw EZipError("Compression method " + std::to_string(method) + " not supported");
  const std::string named = "Zip entry \"" + entry.Name + "\" ";
  if (entry.UncompressedSize() > LargestEntry || entry.CompressedSize() > LargestEntry)
    throw EZipError(named + "claims " +
                    std::to_string(std::max(entry.UncompressedSize(), entry.CompressedSize())) +
                    " bytes, more than the 256 MiB a game file may hold");
  {
    std::unique_ptr<tStream> archive = entry.Owner->OpenArchive();
    const std::int64_t archiveSize = archive->Size();
    if (std::int64_t{entry.LocalHeaderOffset()} + std::int64_t{LocalHeaderSize} > archiveSize)
      throw EZipError(named + "starts outside the zip file");
    archive->Seek(entry.LocalHeaderOffset(), tSeekOrigin::Beginning);
    std::array<std::uint8_t, LocalHeaderSize> local;
    archive->ReadBuffer(local.data(), local.size());
    if (GetLong(local.data()) != LocalHeaderSignature)
      throw EZipError("LocalFile Signature not found");
    archive->Seek(GetWord(local.data() + 26) + GetWord(local.data() + 28), tSeekOrigin::Current);
    if (archive->Position() + std::int64_t{entry.CompressedSize()} > archiveSize)
      throw EZipError(named + "reaches past the end of the zip file");
    Compressed = std::make_unique<tMemoryStream>();
    Compressed->CopyFrom(*archive, entry.CompressedSize());
    Compressed->SetPosition(0);
  }
  if (method == 0) {
    Data = Compressed.get();
  } else {
    Inflater = std::make_unique<TPKDecompressionStream>(*Compressed);
    Data = Inflater.get();
  }
}

std::size_t tZippedStream::Read(void* buffer, std::size_t count) {
  return Data->Read(buffer, count);
}

std::size_t tZippedStream::Write(const void* buffer, std::size_t count) {
  return Data->Write(buffer, count);
}

std::int64_t tZippedStream::Seek(std::int64_t offset, tSeekOrigin origin) {
  return Data->Seek(offset, origin);
}

}  // namespace qn2
