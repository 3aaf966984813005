#include "engine/board/StateIo.h"

#include "engine/board/Unit.h"

namespace qn2 {

void tStateIo::UnitRef(tUnit*& unit) {
  if (Mode == tMode::Load) {
    PendingRefs.emplace_back(&unit, Stream->Read<std::int32_t>());
    unit = nullptr;
    return;
  }
  std::int32_t serial = unit != nullptr ? unit->SerialNumber : -1;
  Field(serial);
}

// 64-bit FNV-1a.
void tStateIo::Mix(const void* bytes, std::size_t size) {
  const auto* p = static_cast<const std::uint8_t*>(bytes);
  for (std::size_t i = 0; i < size; ++i) {
    HashValue ^= p[i];
    HashValue *= 0x100000001b3u;
  }
}

}  // namespace qn2
