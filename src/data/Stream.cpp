#include "data/Stream.h"

#include <algorithm>
#include <array>

namespace qn2 {

std::int64_t tStream::Size() {
  const std::int64_t position = Seek(0, tSeekOrigin::Current);
  const std::int64_t size = Seek(0, tSeekOrigin::End);
  Seek(position, tSeekOrigin::Beginning);
  return size;
}

void tStream::ReadBuffer(void* buffer, std::size_t count) {
  auto* out = static_cast<std::uint8_t*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const std::size_t n = Read(out + done, count - done);
    if (n == 0) throw EReadError();
    done += n;
  }
}

void tStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (count == 0) return;
  if (Write(buffer, count) != count) throw EWriteError();
}

void tStream::CopyFrom(tStream& source, std::int64_t count) {
  std::array<std::uint8_t, 65536> block;
  while (count > 0) {
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(count, block.size()));
    source.ReadBuffer(block.data(), n);
    WriteBuffer(block.data(), n);
    count -= static_cast<std::int64_t>(n);
  }
}

}  // namespace qn2
