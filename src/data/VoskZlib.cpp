#include "data/VoskZlib.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace qn2 {

namespace {

constexpr const char* InvalidOperation = "Invalid stream operation";

// zlib allocates through the program's allocator.
voidpf ZAlloc(voidpf, uInt items, uInt size) {
  return std::calloc(items, size);
}
void ZFree(voidpf, voidpf address) {
  std::free(address);
}

int DCheck(int code) {
  if (code < 0) throw EVoskDecompressionError("error");
  return code;
}

}  // namespace

TVoskCustomZlibStream::TVoskCustomZlibStream(tStream& source)
    : Source(source), SourcePosition(source.Position()) {
  ZRec.zalloc = ZAlloc;
  ZRec.zfree = ZFree;
  ZRec.opaque = nullptr;
  ZRec.next_in = InputBuffer.data();
  ZRec.avail_in = 0;
}

void TVoskCustomZlibStream::Progress() {
  if (OnProgress) OnProgress(*this);
}

TPKDecompressionStream::TPKDecompressionStream(tStream& source)
    : TVoskCustomZlibStream(source), SourceStart(SourcePosition) {
  DCheck(inflateInit2(&ZRec, -MAX_WBITS));
}

TPKDecompressionStream::~TPKDecompressionStream() {
  inflateEnd(&ZRec);
}

std::size_t TPKDecompressionStream::Read(void* buffer, std::size_t count) {
  if (count == 0 || StreamEnded) return 0;
  if (Source.Position() != SourcePosition) Source.Seek(SourcePosition, tSeekOrigin::Beginning);
  auto* out = static_cast<Bytef*>(buffer);
  std::size_t remaining = count;
  while (remaining > 0) {
    if (ZRec.avail_in == 0) {
      const std::size_t n = Source.Read(InputBuffer.data(), InputBuffer.size());
      if (n == 0) return count - remaining;
      ZRec.next_in = InputBuffer.data();
      ZRec.avail_in = static_cast<uInt>(n);
      SourcePosition = Source.Position();
      Progress();
    }
    const auto chunk = static_cast<uInt>(std::min<std::size_t>(remaining, UINT_MAX));
    ZRec.next_out = out;
    ZRec.avail_out = chunk;
    const int code = DCheck(inflate(&ZRec, Z_NO_FLUSH));
    const std::size_t produced = chunk - ZRec.avail_out;
    out += produced;
    remaining -= produced;
    // The deflate data is complete: whatever follows it in the source is not ours, and
    // asking zlib for more would make no progress.
    if (code == Z_STREAM_END) {
      StreamEnded = true;
      break;
    }
  }
  return count - remaining;
}

std::size_t TPKDecompressionStream::Write(const void*, std::size_t) {
  throw EVoskDecompressionError(InvalidOperation);
}

void TPKDecompressionStream::Skip(std::int64_t count) {
  std::array<Bytef, 4096> block;
  while (count > 0) {
    const auto want = static_cast<std::size_t>(std::min<std::int64_t>(count, block.size()));
    const std::size_t n = Read(block.data(), want);
    if (n == 0) break;
    count -= static_cast<std::int64_t>(n);
  }
}

std::int64_t TPKDecompressionStream::Seek(std::int64_t offset, tSeekOrigin origin) {
  const auto produced = static_cast<std::int64_t>(ZRec.total_out);
  if (offset == 0 && origin == tSeekOrigin::Beginning) {
    DCheck(inflateReset(&ZRec));
    ZRec.next_in = InputBuffer.data();
    ZRec.avail_in = 0;
    StreamEnded = false;
    SourcePosition = SourceStart;
    Source.Seek(SourceStart, tSeekOrigin::Beginning);
  } else if (offset >= 0 && origin == tSeekOrigin::Current) {
    Skip(offset);
  } else if (origin == tSeekOrigin::Beginning && offset > produced) {
    Skip(offset - produced);
  } else {
    throw EVoskDecompressionError(InvalidOperation);
  }
  return static_cast<std::int64_t>(ZRec.total_out);
}

}  // namespace qn2
