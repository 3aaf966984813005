#include "engine/board/CycleProcedures.h"

#include "common/Exception.h"

namespace qn2 {

tCycleProcedures CycleProcedures;

void tCycleProcedures::Add(std::function<void(tPlayState&)> procedure) {
  if (Procedures.size() >= Capacity) throw Exception("Too many cycle Procedures!");
  Procedures.push_back(std::move(procedure));
}

void tCycleProcedures::Run(tPlayState& play) const {
  for (const auto& procedure : Procedures) procedure(play);
}

}  // namespace qn2
