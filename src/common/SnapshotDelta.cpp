#include "common/SnapshotDelta.h"

#include <cstddef>

#include "common/Exception.h"

namespace qn2 {

namespace {

// A changed run ends at the first stretch of this many equal bytes: a shorter stretch costs
// less kept inside the run than as a run of its own.
constexpr std::size_t EqualStretch = 3;

void PutNumber(std::vector<std::uint8_t>& out, std::size_t value) {
  while (value >= 0x80) {
    out.push_back(static_cast<std::uint8_t>(value | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<std::uint8_t>(value));
}

std::size_t GetNumber(const std::vector<std::uint8_t>& in, std::size_t& pos) {
  std::size_t value = 0;
  for (int shift = 0; shift < 64; shift += 7) {
    if (pos >= in.size()) throw Exception("Snapshot difference ends inside a number");
    const std::uint8_t byte = in[pos++];
    value |= static_cast<std::size_t>(byte & 0x7f) << shift;
    if ((byte & 0x80) == 0) return value;
  }
  throw Exception("Snapshot difference holds an overlong number");
}

std::uint8_t ReferenceAt(const std::vector<std::uint8_t>& reference, std::size_t pos) {
  return pos < reference.size() ? reference[pos] : 0;
}

}  // namespace

std::vector<std::uint8_t> EncodeDelta(const std::vector<std::uint8_t>& reference,
                                      const std::vector<std::uint8_t>& bytes) {
  std::vector<std::uint8_t> out;
  PutNumber(out, bytes.size());
  const std::size_t size = bytes.size();
  auto equal = [&](std::size_t pos) { return bytes[pos] == ReferenceAt(reference, pos); };
  std::size_t pos = 0;
  while (pos < size) {
    const std::size_t equalStart = pos;
    while (pos < size && equal(pos)) ++pos;
    const std::size_t changedStart = pos;
    std::size_t stretch = 0;
    while (pos < size && stretch < EqualStretch) {
      stretch = equal(pos) ? stretch + 1 : 0;
      ++pos;
    }
    const std::size_t changedEnd = pos - stretch;
    pos = changedEnd;
    PutNumber(out, changedStart - equalStart);
    PutNumber(out, changedEnd - changedStart);
    for (std::size_t i = changedStart; i < changedEnd; ++i)
      out.push_back(static_cast<std::uint8_t>(bytes[i] ^ ReferenceAt(reference, i)));
  }
  out.shrink_to_fit();
  return out;
}

void DecodeDelta(const std::vector<std::uint8_t>& reference, const std::vector<std::uint8_t>& delta,
                 std::vector<std::uint8_t>& bytes) {
  std::size_t in = 0;
  const std::size_t size = GetNumber(delta, in);
  if (size > delta.size() * 128 + reference.size())
    throw Exception("Snapshot difference claims an impossible size");
  bytes.resize(size);
  std::size_t pos = 0;
  while (pos < size) {
    const std::size_t same = GetNumber(delta, in);
    const std::size_t changed = GetNumber(delta, in);
    if (same > size - pos || changed > size - pos - same || changed > delta.size() - in)
      throw Exception("Snapshot difference reaches past its snapshot");
    for (const std::size_t end = pos + same; pos < end; ++pos)
      bytes[pos] = ReferenceAt(reference, pos);
    for (const std::size_t end = pos + changed; pos < end; ++pos)
      bytes[pos] = static_cast<std::uint8_t>(delta[in++] ^ ReferenceAt(reference, pos));
  }
  if (in != delta.size()) throw Exception("Snapshot difference has bytes left over");
}

}  // namespace qn2
