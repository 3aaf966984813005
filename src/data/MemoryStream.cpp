#include "data/MemoryStream.h"

#include <algorithm>
#include <cstring>

namespace qn2 {

std::size_t tMemoryStream::Read(void* buffer, std::size_t count) {
  const auto size = static_cast<std::int64_t>(Bytes.size());
  if (Pos >= size || count == 0) return 0;
  const auto n = static_cast<std::size_t>(std::min<std::int64_t>(size - Pos, count));
  std::memcpy(buffer, Bytes.data() + Pos, n);
  Pos += static_cast<std::int64_t>(n);
  return n;
}

std::size_t tMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  const auto end = static_cast<std::size_t>(Pos) + count;
  if (end > Bytes.size()) Bytes.resize(end);
  std::memcpy(Bytes.data() + Pos, buffer, count);
  Pos = static_cast<std::int64_t>(end);
  return count;
}

std::int64_t tMemoryStream::Seek(std::int64_t offset, tSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == tSeekOrigin::Current) base = Pos;
  if (origin == tSeekOrigin::End) base = static_cast<std::int64_t>(Bytes.size());
  std::int64_t target = 0;
  if (__builtin_add_overflow(base, offset, &target) || target < 0)
    throw EStreamError("Seek outside the stream");
  Pos = target;
  return Pos;
}

void tMemoryStream::SetSize(std::size_t size) {
  Bytes.resize(size);
  Pos = std::min<std::int64_t>(Pos, static_cast<std::int64_t>(size));
}

void tMemoryStream::Clear() {
  Bytes.clear();
  Bytes.shrink_to_fit();
  Pos = 0;
}

}  // namespace qn2
