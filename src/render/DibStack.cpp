#include "render/DibStack.h"

#include <array>

#include "common/Exception.h"

namespace qn2 {

tDib16* CurrentDib = nullptr;

namespace {

std::array<tDib16*, 8> DibStack{};
std::int32_t Depth = 0;

}  // namespace

void PushDib() {
  if (Depth == static_cast<std::int32_t>(DibStack.size())) throw Exception("dibStack overflow");
  DibStack[static_cast<std::size_t>(Depth++)] = CurrentDib;
}

void PopDib() {
  if (Depth == 0) throw Exception("dibStack underflow");
  CurrentDib = DibStack[static_cast<std::size_t>(--Depth)];
}

std::int32_t DibStackDepth() {
  return Depth;
}

}  // namespace qn2
