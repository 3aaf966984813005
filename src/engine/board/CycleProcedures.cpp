#include "engine/board/CycleProcedures.h"

#include "common/Exception.h"

namespace qn2 {

tCycleProcedures CycleProcedures;

void tCycleProcedures::Add(std::function<void()> procedure) {
  if (Procedures.size() >= Capacity) throw Exception("Too many cycle Procedures!");
  Procedures.push_back(std::move(procedure));
}

void tCycleProcedures::Run() const {
  for (const auto& procedure : Procedures) procedure();
}

}  // namespace qn2
