#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "common/Exception.h"
#include "common/OwnerList.h"
#include "data/MemoryStream.h"
#include "data/Stream.h"

namespace qn2 {

// The archive has no end-of-directory record in its last 22 bytes.
class ENotZipFile : public Exception {
 public:
  using Exception::Exception;
};

// A damaged entry (bad local header, unsupported compression).
class EZipError : public Exception {
 public:
  using Exception::Exception;
};

class tZip;

// One entry of a zip directory: its 46-byte central directory header, name and comment.
class tZippedFile {
 public:
  static constexpr std::size_t HeaderSize = 46;

  explicit tZippedFile(tZip& owner) : Owner(&owner) {}

  std::array<std::uint8_t, HeaderSize> Header{};
  std::string Name;
  std::string Comment;
  tZip* Owner;

  std::uint16_t VersionMadeBy() const { return Word(4); }
  std::uint16_t VersionNeeded() const { return Word(6); }
  std::uint16_t Flags() const { return Word(8); }
  // 0 = stored, 8 = raw deflate.
  std::uint16_t CompressionMethod() const { return Word(10); }
  std::uint16_t ModificationTime() const { return Word(12); }
  std::uint16_t ModificationDate() const { return Word(14); }
  std::uint32_t Crc32() const { return Long(16); }
  std::uint32_t CompressedSize() const { return Long(20); }
  std::uint32_t UncompressedSize() const { return Long(24); }
  std::uint16_t NameLength() const { return Word(28); }
  std::uint16_t ExtraLength() const { return Word(30); }
  std::uint16_t CommentLength() const { return Word(32); }
  std::uint32_t ExternalAttributes() const { return Long(38); }
  std::uint32_t LocalHeaderOffset() const { return Long(42); }

 private:
  std::uint16_t Word(std::size_t at) const;
  std::uint32_t Long(std::size_t at) const;
};

// A zip archive's directory. Subclasses say where the archive's bytes come from.
class tZip {
 public:
  tZip() = default;
  tZip(const tZip&) = delete;
  tZip& operator=(const tZip&) = delete;
  virtual ~tZip() = default;

  // Reads the directory from the archive: raises ENotZipFile "File is not Zip file." when
  // the last 22 bytes are not an end-of-directory record, EReadError when the directory
  // is cut short.
  virtual void ReadDirectory(tStream& stream);
  // A new stream on the whole archive.
  virtual std::unique_ptr<tStream> OpenArchive() = 0;

  tOwnerList<tZippedFile> Entries;
};

// An archive in a disk file. The file is opened only while it is read.
class tZipFile : public tZip {
 public:
  // Reads the directory (raising as ReadDirectory does, or EFileError when the file
  // cannot be opened).
  explicit tZipFile(std::string fileName);

  std::unique_ptr<tStream> OpenArchive() override;

  const std::string& FileName() const { return Name; }

 private:
  std::string Name;
};

// The first entry, in directory order, whose name equals the name with "\" read as "/",
// ignoring ASCII letter case; none if there is no such entry.
tZippedFile* FindEntry(const tZip& zip, std::string_view name);

// The uncompressed contents of one entry. The compressed bytes are copied into memory
// when the stream is created, so the archive is closed again at once.
class tZippedStream : public tStream {
 public:
  // Raises EZipError "LocalFile Signature not found" for a damaged local header,
  // EZipError for a compression method other than stored and deflate, and EReadError
  // when the archive ends before the entry's data.
  explicit tZippedStream(const tZippedFile& entry);

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, tSeekOrigin origin) override;
  // The entry's uncompressed size.
  std::int64_t Size() override { return FileSize; }

 private:
  std::unique_ptr<tMemoryStream> Compressed;
  std::unique_ptr<tStream> Inflater;  // reads Compressed: declared after it, so freed first
  tStream* Data = nullptr;
  std::uint32_t FileSize;
};

}  // namespace qn2
