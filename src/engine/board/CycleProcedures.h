#pragma once

#include <functional>
#include <vector>

namespace qn2 {

// Procedures run at the start of every turn and at every reset of the units, in the
// order they were added. At most 17.
class tCycleProcedures {
 public:
  static constexpr std::size_t Capacity = 17;

  // Raises "Too many cycle Procedures!" when 17 are already held.
  void Add(std::function<void()> procedure);
  void Run() const;
  void Clear() { Procedures.clear(); }
  std::size_t Count() const { return Procedures.size(); }

 private:
  std::vector<std::function<void()>> Procedures;
};

extern tCycleProcedures CycleProcedures;

}  // namespace qn2
