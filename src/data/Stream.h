#pragma once

#include <cstddef>
#include <cstdint>

#include "common/Exception.h"

namespace qn2 {

// Failures of a stream itself (short reads, short writes, impossible seeks).
class EStreamError : public EFileError {
 public:
  using EFileError::EFileError;
};

// Raised by ReadBuffer when the stream ends before the requested bytes arrived.
class EReadError : public EStreamError {
 public:
  EReadError() : EStreamError("Stream read error") {}
};

// Raised by WriteBuffer when the stream took fewer bytes than offered.
class EWriteError : public EStreamError {
 public:
  EWriteError() : EStreamError("Stream write error") {}
};

enum class tSeekOrigin : std::uint8_t { Beginning, Current, End };

// A byte stream with a position. Every data file the game reads comes through one of
// these: level files, pictures, samples and music are all read via this interface.
class tStream {
 public:
  tStream() = default;
  tStream(const tStream&) = delete;
  tStream& operator=(const tStream&) = delete;
  virtual ~tStream() = default;

  // Reads up to count bytes; returns how many were read (0 at the end of the stream).
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes up to count bytes; returns how many were written.
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  // Moves the position; returns the new position.
  virtual std::int64_t Seek(std::int64_t offset, tSeekOrigin origin) = 0;

  virtual std::int64_t Position() { return Seek(0, tSeekOrigin::Current); }
  void SetPosition(std::int64_t position) { Seek(position, tSeekOrigin::Beginning); }
  // The total number of bytes; the default finds the end and comes back.
  virtual std::int64_t Size();

  // Reads exactly count bytes or raises EReadError.
  void ReadBuffer(void* buffer, std::size_t count);
  // Writes exactly count bytes or raises EWriteError.
  void WriteBuffer(const void* buffer, std::size_t count);
  // Copies exactly count bytes from source to this stream (EReadError on a short read).
  void CopyFrom(tStream& source, std::int64_t count);
};

}  // namespace qn2
