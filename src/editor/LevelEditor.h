#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/EditHistory.h"
#include "editor/FileBrowser.h"
#include "editor/LevelDesign.h"
#include "editor/LevelSolve.h"
#include "editor/PackageLists.h"
#include "editor/TemplateBox.h"
#include "editor/TilePalette.h"
#include "engine/GameModes.h"
#include "render/Rect.h"

namespace qn2 {

class tGameEngine;
class tUnit;

// What the editor asks of the windows around it.
class tEditorHost {
 public:
  virtual ~tEditorHost() = default;
  virtual void FocusGameWindow() {}
};

// The level editor without its window: the choices of the tool window (pages, palettes,
// templates, layer, the check boxes), the clicks and keys on the game picture, the
// selected unit and its properties, the level's title, backdrop and music, the file menu
// with its questions, the undo history, the checks before saving and the test play. It
// edits the level the engine holds.
class tLevelEditor {
 public:
  static constexpr std::uint16_t KeyA = 65;
  static constexpr std::uint16_t KeyDelete = 46;
  static constexpr std::uint16_t KeyF11 = 122;
  static constexpr std::uint16_t KeyY = 89;
  static constexpr std::uint16_t KeyZ = 90;
  static constexpr int LayerNone = -100;
  enum tPage { PageNone = 0, PageTiles = 1, PageOverlay = 2, PageObjects = 3 };
  enum class tButton { Left, Right };
  enum class tFileAction { None, New, Open, Quit };
  enum class tReply { Save, Discard, Cancel };

  tLevelEditor(tGameEngine& engine, tEditorHost& host);
  ~tLevelEditor();
  tLevelEditor(const tLevelEditor&) = delete;
  tLevelEditor& operator=(const tLevelEditor&) = delete;

  // After the units are registered: the lists from the package's file names, the palette
  // sizes, and the engine's level-loaded event.
  void Initialise(const std::vector<std::string>& packageNames);
  void LevelLoaded();

  // --- The tool window's state ----------------------------------------------------------
  tUnit* SelectedUnit() const;
  int TemplateIndex = 0;
  bool TemplateArmed = false;
  int SelectedTile = 16;
  int SelectedOverlay = 0;
  int TileLayer = 0;
  int EditPage = PageNone;
  tGameMode SavedMode = gmNone;
  bool EditingBox = false;
  bool ShowSolidBox = false;
  bool SolidBox = true;
  bool Visible = false;
  bool StayOnTop = true;
  tTilePalette TilePalette;
  tTilePalette OverlayPalette;
  tTemplateBox Templates;
  tPackageLists Lists;
  // The texts of the "Vars" page.
  std::string TitleText, BackgroundText, MusicText;
  // The folder that was current when the program started (Save As paths are made relative
  // to it).
  std::string StartFolder;

  // --- The tool window's controls -------------------------------------------------------
  void SetEditing(bool on);
  void Show();
  void Hide();
  void ToggleVisible();
  void SetShowSolid(bool on);
  void SetPage(const std::string& caption);
  void ChooseTile(int index);
  void ChooseOverlay(int index);
  // A click on the template box at a pixel of it.
  void ClickTemplateBox(int x, int y);
  void SetTemplateArmed(bool armed);
  void SelectUnit(tUnit* unit);
  // "Player at 3,4 (2 of 7)", or "(none)".
  std::string SelectedUnitLabel() const;
  // Writes a property of the selected unit; the writer's refusal comes back as a message.
  std::optional<std::string> SetProperty(const std::string& name, const std::string& text);
  void SetTitle(const std::string& text);
  // False (and nothing changed) when the text names no item of its list.
  bool ChooseBackground(const std::string& text);
  bool ChooseMusic(const std::string& text);

  // --- Keys and the mouse on the game picture -----------------------------------------------
  // A key from the tool window or the game window; true when the editor used it.
  bool KeyDown(std::uint16_t key, bool toolWindowActive, bool control = false);
  // The cell under the mouse: (-1, -1) off the board.
  void MouseDown(tPoint cell, tButton button, bool shift);
  void MouseMove(tPoint cell);
  void MouseUp();
  bool Dragging() const { return Stroke.Active; }

  // --- Undo ----------------------------------------------------------------------------------
  bool Undo();
  bool Redo();
  const tEditHistory& History() const { return Steps; }
  bool Modified() const { return Serial != SavedSerial; }

  // --- Files ---------------------------------------------------------------------------------
  void New();
  // Loads the level at the path (made relative to the current folder); false and LastError
  // when it cannot be read, the level then being as it was.
  bool Open(const std::string& path);
  // False when the level has no file name yet (Save As is needed) or writing fails.
  bool Save();
  bool SaveAs(const std::string& path);
  std::string LastError;
  // The checks of the last save.
  std::vector<std::string> CheckNotes;
  // "Level editor - NAME", with " *" while there are unsaved changes.
  std::string WindowTitle() const;

  // New, Open and closing the program ask first while there are unsaved changes.
  void Request(tFileAction action);
  void Reply(tReply reply);
  // The question is up.
  bool Asking() const { return Question != tFileAction::None; }
  tFileAction Pending() const { return Question; }
  // The window shows the dialog for this purpose when set (and clears it).
  std::optional<tFileBrowser::tPurpose> DialogWanted;
  // A file was chosen in the dialog (or it was cancelled: empty path).
  void DialogDone(const std::string& path);
  // Closing the program has been agreed to.
  bool QuitAgreed = false;

  // --- Solve (EditorSolve.cpp) -------------------------------------------------------------
  // The Solve button runs its searches with the runner, writing its files in the folder;
  // without it there is no Solve button.
  void SetUpSolve(tSolveRunner& runner, const std::string& folder);
  // While the level is edited and no search runs.
  bool CanSolve() const;
  // Searches the level as it is now, unsaved changes and all.
  void Solve();
  void CancelSolve();
  // Every frame: takes in what the search found, and plays a solution back at once in a
  // test play (with the replay controls). Any change to the level forgets the result, and
  // ends a search of the level as it was.
  void PollSolve();
  const tLevelSolve* Search() const { return Solving.get(); }

 private:
  struct tStroke {
    bool Active = false;
    bool Moved = false;
    tButton Button = tButton::Left;
    bool Rectangle = false;
    tPoint Start{-1, -1};
    tEditState Before;
    std::string What;
  };

  tLevel& Level() const;
  void ShowLevelTexts();
  void SetEngineEditing(bool on);
  tEditState Present() const;
  void Restore(const tEditState& state);
  // A change is about to be made; Commit records it when the design did change.
  void Commit(tEditState before, const std::string& what, const std::string& mergeKind = {});
  void ResetAll();
  void LevelChanged();
  void PaintCell(tPoint cell, tButton button);
  void PaintRectangle(tPoint from, tPoint to, tButton button);
  void PlaceUnit(tPoint cell);
  void DeleteSelected();
  void AfterLoad();
  void Proceed(tFileAction action);
  void StartTestPlay();
  void EndTestPlay();
  void PlaySolution();

  tGameEngine& Engine;
  tEditorHost& Host;
  tUnit* Selected = nullptr;
  tStroke Stroke;
  tPoint LastRectangleCorner{-1, -1};
  tEditHistory Steps;
  std::uint64_t Serial = 0, SavedSerial = 0, NextSerial = 1;
  tFileAction Question = tFileAction::None;
  tFileAction AfterSaveAs = tFileAction::None;
  // The level as it was edited, kept while it is played for a test.
  std::optional<tLevelDesign> TestPlayDesign;
  std::string TestPlayFileName;
  int TestPlaySelected = -1;
  bool Loading = false;
  std::unique_ptr<tLevelSolve> Solving;
  // The state of the level the search was started on.
  std::uint64_t SolvedSerial = 0;
};

}  // namespace qn2
