#include "editor/EditHistory.h"

namespace qn2 {

void tEditHistory::Record(tEditState before, const std::string& what,
                          const std::string& mergeKind) {
  RedoSteps.clear();
  if (!mergeKind.empty() && mergeKind == LastMergeKind && !UndoSteps.empty()) return;
  LastMergeKind = mergeKind;
  UndoSteps.push_back({std::move(before), what});
  while (UndoSteps.size() > Limit) UndoSteps.pop_front();
}

std::optional<tEditState> tEditHistory::Undo(tEditState present) {
  LastMergeKind.clear();
  if (UndoSteps.empty()) return std::nullopt;
  tStep step = std::move(UndoSteps.back());
  UndoSteps.pop_back();
  RedoSteps.push_back({std::move(present), step.What});
  return std::move(step.State);
}

std::optional<tEditState> tEditHistory::Redo(tEditState present) {
  LastMergeKind.clear();
  if (RedoSteps.empty()) return std::nullopt;
  tStep step = std::move(RedoSteps.back());
  RedoSteps.pop_back();
  UndoSteps.push_back({std::move(present), step.What});
  return std::move(step.State);
}

void tEditHistory::Clear() {
  UndoSteps.clear();
  RedoSteps.clear();
  LastMergeKind.clear();
}

}  // namespace qn2
