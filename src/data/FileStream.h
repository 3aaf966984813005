#pragma once

#include <cstdio>
#include <string>

#include "data/Stream.h"

namespace qn2 {

// A stream on a disk file. Names are given the game's way ("\" or "/", any letter case)
// and found as FindDiskFile finds them.
class tFileStream : public tStream {
 public:
  enum class tMode : std::uint8_t {
    OpenRead,  // an existing file, read only
    Create,    // a new or emptied file, read and write
  };

  // Raises EFileError "Cannot open file "NAME"" or "Cannot create file "NAME"".
  tFileStream(const std::string& fileName, tMode mode);
  ~tFileStream() override;

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, tSeekOrigin origin) override;

  const std::string& FileName() const { return Name; }

 private:
  std::string Name;
  std::FILE* File = nullptr;
  tMode Mode;
  bool LastWasWrite = false;
};

}  // namespace qn2
