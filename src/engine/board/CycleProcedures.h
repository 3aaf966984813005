#pragma once

#include <functional>
#include <vector>

#include "engine/board/PlayState.h"

namespace qn2 {

// Procedures run on a level's play state at the start of every turn and at every reset of the
// units, in the order they were added. At most 17.
class tCycleProcedures {
 public:
  static constexpr std::size_t Capacity = 17;

  // Raises "Too many cycle Procedures!" when 17 are already held.
  void Add(std::function<void(tPlayState&)> procedure);
  void Run(tPlayState& play) const;
  void Clear() { Procedures.clear(); }
  std::size_t Count() const { return Procedures.size(); }

 private:
  std::vector<std::function<void(tPlayState&)>> Procedures;
};

extern tCycleProcedures CycleProcedures;

}  // namespace qn2
