#include "data/FileStream.h"

#include "data/DiskFiles.h"

namespace qn2 {

tFileStream::tFileStream(const std::string& fileName, tMode mode) : Name(fileName), Mode(mode) {
  if (mode == tMode::OpenRead) {
    const auto path = FindDiskFile(fileName);
    if (path) File = std::fopen(path->c_str(), "rb");
    if (!File) throw EFileError("Cannot open file \"" + fileName + "\"");
  } else {
    File = std::fopen(DiskPathForWriting(fileName).c_str(), "w+b");
    if (!File) throw EFileError("Cannot create file \"" + fileName + "\"");
  }
}

tFileStream::~tFileStream() {
  if (File) std::fclose(File);
}

std::size_t tFileStream::Read(void* buffer, std::size_t count) {
  if (count == 0) return 0;
  // C streams need a seek between a write and a following read.
  if (LastWasWrite) fseeko(File, 0, SEEK_CUR);
  LastWasWrite = false;
  return std::fread(buffer, 1, count, File);
}

std::size_t tFileStream::Write(const void* buffer, std::size_t count) {
  if (count == 0 || Mode == tMode::OpenRead) return 0;
  if (!LastWasWrite) fseeko(File, 0, SEEK_CUR);
  LastWasWrite = true;
  return std::fwrite(buffer, 1, count, File);
}

std::int64_t tFileStream::Seek(std::int64_t offset, tSeekOrigin origin) {
  int whence = SEEK_SET;
  if (origin == tSeekOrigin::Current) whence = SEEK_CUR;
  if (origin == tSeekOrigin::End) whence = SEEK_END;
  if (fseeko(File, static_cast<off_t>(offset), whence) != 0)
    throw EStreamError("Seek outside the file \"" + Name + "\"");
  LastWasWrite = false;
  return static_cast<std::int64_t>(ftello(File));
}

}  // namespace qn2
