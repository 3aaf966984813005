// The editor's File menu: new, open, save, save as, the question about unsaved changes,
// and the checks made before every save.
#include <filesystem>

#include "common/Exception.h"
#include "data/LevelFile.h"
#include "data/LevelKey.h"
#include "editor/LevelChecks.h"
#include "editor/LevelEditor.h"
#include "editor/RelativePath.h"
#include "engine/GameEngine.h"

namespace qn2 {

namespace {

std::string CurrentFolder() {
  std::error_code error;
  return std::filesystem::current_path(error).string();
}

}  // namespace

void tLevelEditor::AfterLoad() {
  Steps.Clear();
  Serial = SavedSerial = NextSerial++;
  Selected = nullptr;
  Stroke = {};
  TestPlayDesign.reset();
  LastError.clear();
  for (const std::string& problem : Engine.LevelLoadProblems)
    LastError += (LastError.empty() ? "" : "; ") + problem;
}

void tLevelEditor::New() {
  tEditState before = Present();
  const std::string oldName = Engine.LevelFileName;
  Loading = true;
  try {
    Engine.NewLevel();
  } catch (const Exception& e) {
    Loading = false;
    Engine.LevelFileName = oldName;
    Restore(before);
    LastError = e.message();
    return;
  }
  Loading = false;
  AfterLoad();
  ShowLevelTexts();
  Host.FocusGameWindow();
}

bool tLevelEditor::Open(const std::string& path) {
  tEditState before = Present();
  const std::string oldName = Engine.LevelFileName;
  Loading = true;
  try {
    Engine.LoadLevel(RelativePath(path, CurrentFolder()));
  } catch (const Exception& e) {
    // What was read so far goes: the level is as it was.
    Loading = false;
    Engine.LevelFileName = oldName;
    Restore(before);
    LastError = "Cannot open " + path + ": " + e.message();
    return false;
  }
  Loading = false;
  AfterLoad();
  ShowLevelTexts();
  Host.FocusGameWindow();
  return true;
}

bool tLevelEditor::Save() {
  const std::string name = TestPlayDesign ? TestPlayFileName : Engine.LevelFileName;
  if (name.empty()) {
    DialogWanted = tFileBrowser::tPurpose::Save;
    return false;
  }
  // While the level is played for a test, what is saved is the level as it was edited.
  tLevel scratch;
  const tLevel* level = &Level();
  if (TestPlayDesign) {
    TestPlayDesign->ApplyTo(scratch);
    level = &scratch;
  }
  CheckNotes = CheckLevel(*level);
  try {
    SaveLevelToFile(*level, name);
  } catch (const Exception& e) {
    LastError = "Cannot save " + name + ": " + e.message();
    return false;
  }
  LastError.clear();
  SavedSerial = Serial;
  // The file holds the level as edited again: runs of it count for the saved file.
  try {
    Engine.LevelKey = LevelFileKey(name);
  } catch (const Exception&) {
    Engine.LevelKey.reset();
  }
  return true;
}

bool tLevelEditor::SaveAs(const std::string& path) {
  const std::string name = RelativePath(path, StartFolder);
  std::string& fileName = TestPlayDesign ? TestPlayFileName : Engine.LevelFileName;
  const std::string oldName = fileName;
  fileName = name;
  if (!Save()) {
    fileName = oldName;
    return false;
  }
  if (TestPlayDesign) return true;
  // The level is read again under its new name.
  const int selected = Selected == nullptr ? -1 : Level().Units.IndexOf(SelectedUnit());
  Loading = true;
  try {
    Engine.LoadLevel(name);
  } catch (const Exception& e) {
    LastError = "Saved, but cannot read " + name + " again: " + e.message();
  }
  Loading = false;
  ShowLevelTexts();
  Selected = selected >= 0 && selected < static_cast<int>(Level().Units.Count())
                 ? Level().Units[static_cast<std::size_t>(selected)]
                 : nullptr;
  return true;
}

std::string tLevelEditor::WindowTitle() const {
  const std::string& name = TestPlayDesign ? TestPlayFileName : Engine.LevelFileName;
  return "Level editor - " + (name.empty() ? std::string("(no level)") : name) +
         (Modified() ? " *" : "");
}

// --- Questions and the dialog ---------------------------------------------------------------

void tLevelEditor::Request(tFileAction action) {
  if (action == tFileAction::None) return;
  if (Modified())
    Question = action;
  else
    Proceed(action);
}

void tLevelEditor::Reply(tReply reply) {
  const tFileAction action = Question;
  Question = tFileAction::None;
  if (reply == tReply::Cancel || action == tFileAction::None) return;
  if (reply == tReply::Discard) {
    Proceed(action);
    return;
  }
  if (Save()) {
    Proceed(action);
  } else if (DialogWanted) {
    AfterSaveAs = action;  // once the dialog has given the file a name
  }
}

void tLevelEditor::Proceed(tFileAction action) {
  switch (action) {
    case tFileAction::New:
      New();
      break;
    case tFileAction::Open:
      DialogWanted = tFileBrowser::tPurpose::Open;
      break;
    case tFileAction::Quit:
      QuitAgreed = true;
      break;
    case tFileAction::None:
      break;
  }
}

void tLevelEditor::DialogDone(const std::string& path) {
  const auto purpose = DialogWanted;
  DialogWanted.reset();
  const tFileAction after = AfterSaveAs;
  AfterSaveAs = tFileAction::None;
  if (path.empty() || !purpose) return;
  if (*purpose == tFileBrowser::tPurpose::Open) {
    Open(path);
  } else if (SaveAs(path)) {
    Proceed(after);
  }
}

}  // namespace qn2
