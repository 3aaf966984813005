#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "common/SnapshotStream.h"

namespace qn2 {

class tUnit;

// Writes the state of a level in play into a snapshot, reads it back, or hashes it. Each
// class lists its fields once, in one function that serves every direction, so that what
// is saved and what is loaded cannot drift apart. A unit refers to another by serial
// number; on loading, those references are put back once every unit of the snapshot exists
// again.
//
// Fields given as Look only shape the picture (animation phases, sprites, counts of time).
// They are saved and loaded like the others, but the hash leaves them out, so that two
// moments of play that will go on the same way hash the same.
class tStateIo {
 public:
  static tStateIo Saving(tSnapshotStream& stream) { return tStateIo(&stream, tMode::Save); }
  static tStateIo Loading(tSnapshotStream& stream) { return tStateIo(&stream, tMode::Load); }
  static tStateIo Hashing() { return tStateIo(nullptr, tMode::Hash); }

  bool IsLoading() const { return Mode == tMode::Load; }
  bool IsHashing() const { return Mode == tMode::Hash; }

  // Values are kept byte for byte, so that equal states give equal snapshots: a struct
  // with padding between its members must be given member by member.
  template <class T>
  void Field(T& value) {
    static_assert(std::has_unique_object_representations_v<T> || std::is_floating_point_v<T>,
                  "give a padded struct member by member");
    switch (Mode) {
      case tMode::Save:
        Stream->Write(value);
        break;
      case tMode::Load:
        value = Stream->Read<T>();
        break;
      case tMode::Hash:
        Mix(&value, sizeof(T));
        break;
    }
  }

  template <class T>
  void Look(T& value) {
    if (Mode != tMode::Hash) Field(value);
  }

  // A unit of the same level, or none.
  void UnitRef(tUnit*& unit);

  // Loading: points every reference read so far at the unit the lookup finds for its
  // serial number (none when it finds none), and forgets them.
  template <class Lookup>
  void ResolveUnitRefs(Lookup&& find) {
    for (auto& [ref, serial] : PendingRefs) *ref = serial < 0 ? nullptr : find(serial);
    PendingRefs.clear();
  }

  // Hashing: the hash of everything given so far.
  std::uint64_t Hash() const { return HashValue; }

 private:
  enum class tMode : std::uint8_t { Save, Load, Hash };
  tStateIo(tSnapshotStream* stream, tMode mode) : Stream(stream), Mode(mode) {}

  void Mix(const void* bytes, std::size_t size);

  tSnapshotStream* Stream;
  tMode Mode;
  std::uint64_t HashValue = 0xcbf29ce484222325u;
  std::vector<std::pair<tUnit**, std::int32_t>> PendingRefs;
};

}  // namespace qn2
