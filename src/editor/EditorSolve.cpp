// The editor's Solve button: a search of the level as it is edited, and the solution it
// finds played back in a test play.
#include "common/Exception.h"
#include "editor/LevelEditor.h"
#include "engine/GameEngine.h"

namespace qn2 {

void tLevelEditor::SetUpSolve(tSolveRunner& runner, const std::string& folder) {
  Solving = std::make_unique<tLevelSolve>(runner, folder);
}

bool tLevelEditor::CanSolve() const {
  return Solving && EditingBox && Engine.Editing &&
         Solving->State() != tLevelSolve::tState::Running;
}

void tLevelEditor::Solve() {
  if (!CanSolve()) return;
  SolvedSerial = Serial;
  Solving->Start(tLevelDesign::Capture(Level()));
}

void tLevelEditor::CancelSolve() {
  if (Solving) Solving->Stop();
}

void tLevelEditor::PollSolve() {
  if (!Solving) return;
  if (Serial != SolvedSerial) Solving->Stop();
  if (Solving->Poll()) PlaySolution();
}

// Out of editing into a test play from the level's start; a test play already under way
// goes back to the level as it was edited first.
void tLevelEditor::PlaySolution() {
  if (!EditingBox && !TestPlayDesign) return;
  if (!EditingBox) SetEditing(true);
  SetEditing(false);
  try {
    Engine.PlaySolutionFile(Solving->SolutionFile());
  } catch (const Exception& e) {
    LastError = "The solution cannot be played: " + e.message();
  }
}

}  // namespace qn2
