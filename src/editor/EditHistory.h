#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "editor/LevelDesign.h"

namespace qn2 {

// A state of the level the history can go back or forward to: the design, which unit was
// selected (its place in the unit list, -1 for none) and the number that names the state
// (the editor compares it with the state last saved).
struct tEditState {
  tLevelDesign Design;
  int Selected = -1;
  std::uint64_t Serial = 0;
};

// Undo and redo of the editor's changes, each step a whole design (a level is small). The
// oldest steps are forgotten beyond Limit. Steps of one kind that follow each other without
// anything between (the letters typed into the title) merge into one.
class tEditHistory {
 public:
  static constexpr std::size_t Limit = 256;

  // Called with the state before a change and what the change was; the redo steps go.
  // A change of the same merging kind as the last one adds no step.
  void Record(tEditState before, const std::string& what, const std::string& mergeKind = {});
  // Ends merging: the next change is a step of its own.
  void BreakMerge() { LastMergeKind.clear(); }
  // The state to go back to, given the present one (which becomes a redo step); none when
  // there is nothing to undo.
  std::optional<tEditState> Undo(tEditState present);
  std::optional<tEditState> Redo(tEditState present);
  void Clear();

  bool CanUndo() const { return !UndoSteps.empty(); }
  bool CanRedo() const { return !RedoSteps.empty(); }
  std::size_t UndoCount() const { return UndoSteps.size(); }
  std::size_t RedoCount() const { return RedoSteps.size(); }
  // What the next undo and redo would take back ("paint tiles", "move Boulder", ...).
  std::string UndoName() const { return UndoSteps.empty() ? "" : UndoSteps.back().What; }
  std::string RedoName() const { return RedoSteps.empty() ? "" : RedoSteps.back().What; }

 private:
  struct tStep {
    tEditState State;
    std::string What;
  };
  std::deque<tStep> UndoSteps;
  std::deque<tStep> RedoSteps;
  std::string LastMergeKind;
};

}  // namespace qn2
