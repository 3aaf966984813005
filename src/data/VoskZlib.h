#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <zlib.h>

#include "common/Exception.h"
#include "data/Stream.h"

namespace qn2 {

class EVoskZlibError : public Exception {
 public:
  using Exception::Exception;
};

class EVoskCompressionError : public EVoskZlibError {
 public:
  using EVoskZlibError::EVoskZlibError;
};

class EVoskDecompressionError : public EVoskZlibError {
 public:
  using EVoskZlibError::EVoskZlibError;
};

// The common part of the zlib streams: the stream the data comes from, where in it we
// last were, a progress event and zlib's own state with an input buffer.
class TVoskCustomZlibStream : public tStream {
 public:
  using tProgressEvent = std::function<void(TVoskCustomZlibStream& sender)>;

  static constexpr std::size_t InputBufferSize = 8192;

  // Called each time a block of input has been taken from the source.
  tProgressEvent OnProgress;

 protected:
  explicit TVoskCustomZlibStream(tStream& source);

  // Calls OnProgress when it is set.
  virtual void Progress();

  tStream& Source;
  std::int64_t SourcePosition;
  z_stream ZRec{};
  std::array<Bytef, InputBufferSize> InputBuffer{};
};

// Inflates raw deflate data (no zlib or gzip header) read from the source, which is
// read from where it stood when this stream was created. Reading only goes forwards.
class TPKDecompressionStream : public TVoskCustomZlibStream {
 public:
  // Raises EVoskDecompressionError "error" if zlib cannot be set up.
  explicit TPKDecompressionStream(tStream& source);
  ~TPKDecompressionStream() override;

  // Inflates up to count bytes. Returns fewer when the source runs out or the deflate
  // data ends. Damaged data raises EVoskDecompressionError "error".
  std::size_t Read(void* buffer, std::size_t count) override;
  // Raises EVoskDecompressionError "Invalid stream operation".
  std::size_t Write(const void* buffer, std::size_t count) override;
  // Offset 0 from the beginning starts again; a forward move from the current position,
  // or to a place from the beginning beyond the bytes produced so far, reads and
  // discards. Everything else raises "Invalid stream operation". Returns the number of
  // bytes produced so far.
  std::int64_t Seek(std::int64_t offset, tSeekOrigin origin) override;

 private:
  void Skip(std::int64_t count);

  std::int64_t SourceStart;
  bool StreamEnded = false;
};

}  // namespace qn2
