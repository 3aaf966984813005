#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "common/Exception.h"

namespace qn2 {

// An in-memory byte stream for snapshots of the running game (unit movement state and
// the like). It is never written to disk, so values are stored in the machine's layout.
class tSnapshotStream {
 public:
  template <class T>
  void Write(const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&value);
    Bytes.insert(Bytes.end(), bytes, bytes + sizeof(T));
  }

  template <class T>
  T Read() {
    static_assert(std::is_trivially_copyable_v<T>);
    if (Bytes.size() - ReadPos < sizeof(T)) throw Exception("Snapshot stream read past its end");
    T value;
    std::memcpy(&value, Bytes.data() + ReadPos, sizeof(T));
    ReadPos += sizeof(T);
    return value;
  }

  std::size_t Size() const { return Bytes.size(); }
  const std::vector<std::uint8_t>& Data() const { return Bytes; }
  std::size_t Position() const { return ReadPos; }
  void Rewind() { ReadPos = 0; }
  // Empties the stream for the next snapshot, keeping its memory.
  void Clear() {
    Bytes.clear();
    ReadPos = 0;
  }
  // The bytes to read from, for a snapshot kept elsewhere.
  std::vector<std::uint8_t>& Buffer() {
    ReadPos = 0;
    return Bytes;
  }

 private:
  std::vector<std::uint8_t> Bytes;
  std::size_t ReadPos = 0;
};

}  // namespace qn2
