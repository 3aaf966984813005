#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

#include "common/SnapshotStream.h"

namespace qn2 {

class tUnit;

// Writes the state of a level in play into a snapshot, or reads it back. Each class lists
// its fields once, in one function that serves both directions, so that what is saved and
// what is loaded cannot drift apart. A unit refers to another by serial number; on loading,
// those references are put back once every unit of the snapshot exists again.
class tStateIo {
 public:
  static tStateIo Saving(tSnapshotStream& stream) { return tStateIo(stream, false); }
  static tStateIo Loading(tSnapshotStream& stream) { return tStateIo(stream, true); }

  bool IsLoading() const { return Load; }

  // Values are kept byte for byte, so that equal states give equal snapshots: a struct
  // with padding between its members must be given member by member.
  template <class T>
  void Field(T& value) {
    static_assert(std::has_unique_object_representations_v<T> || std::is_floating_point_v<T>,
                  "give a padded struct member by member");
    if (Load)
      value = Stream.Read<T>();
    else
      Stream.Write(value);
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

 private:
  tStateIo(tSnapshotStream& stream, bool loading) : Stream(stream), Load(loading) {}

  tSnapshotStream& Stream;
  bool Load;
  std::vector<std::pair<tUnit**, std::int32_t>> PendingRefs;
};

}  // namespace qn2
