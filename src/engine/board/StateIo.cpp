#include "engine/board/StateIo.h"

#include "engine/board/Unit.h"

namespace qn2 {

void tStateIo::UnitRef(tUnit*& unit) {
  if (Load) {
    PendingRefs.emplace_back(&unit, Stream.Read<std::int32_t>());
    unit = nullptr;
  } else {
    Stream.Write<std::int32_t>(unit != nullptr ? unit->SerialNumber : -1);
  }
}

}  // namespace qn2
