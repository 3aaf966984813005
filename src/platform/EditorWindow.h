#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "editor/FileBrowser.h"
#include "editor/LevelEditor.h"
#include "platform/DibTexture.h"
#include "platform/SolveProcess.h"
#include "render/Dib16.h"
#include "render/Rect.h"

struct ImGuiContext;

namespace qn2 {

class tGameEngine;

// The level editor's tool window: a second SDL window with its own renderer and its own
// Dear ImGui context, created hidden with the game window and shown and hidden by F11. It
// draws the editor's controls (EditorPages.cpp) and its file dialog (EditorFileDialog.cpp)
// over the editor's logic, and takes the keys and the mouse the game window passes on while
// the level is edited. Automation reaches it in its own pixels.
class tEditorWindow final : public tEditorHost {
 public:
  static constexpr int Width = 185;
  static constexpr int Height = 460;
  static constexpr int DialogWidth = 400;

  tEditorWindow(tGameEngine& engine, SDL_Window* gameWindow);
  ~tEditorWindow() override;
  tEditorWindow(const tEditorWindow&) = delete;
  tEditorWindow& operator=(const tEditorWindow&) = delete;

  // After the units are registered and the pictures are up; Finalise frees the surfaces.
  void Initialise();
  void Finalise();
  tLevelEditor& Editor() { return Logic; }

  // An event of the tool window (by its window id): true when it was one.
  bool HandleEvent(const SDL_Event& event);
  // The game window's key: true when the editor took it and the game must not see it.
  bool GameKeyDown(std::uint16_t key, bool control);
  // While the level is edited, the game window's mouse goes to the editor.
  bool EditingLevel() const;
  void GameMouseButton(tPoint cell, std::uint16_t button, bool down, bool shift);
  void GameMouseMove(tPoint cell);
  // Every frame event: the status bar and a new picture of the window while it is shown.
  void Refresh(tPoint gameClientSize, tPoint cell);
  // Closing the program: false while unsaved changes wait for an answer (the question is
  // then shown).
  bool MayClose();
  bool HasFocus() const {
    return Shown && (SDL_GetWindowFlags(Window) & SDL_WINDOW_INPUT_FOCUS) != 0;
  }

  // Automation, in the window's own pixels.
  void ScriptClick(int x, int y);
  void ScriptKey(std::uint16_t key, bool down);
  void ScriptText(const std::string& text);
  void ScriptShot(const std::string& fileName);
  // Waits, at most two minutes, until the editor's search has ended.
  void ScriptWaitForSolve();

  void FocusGameWindow() override;
  // Automation runs print the editor's questions and its searches' states on standard
  // output.
  bool TraceQuestions = false;
  // The game cell under a point of the game window's client area ((-1, -1) outside it).
  std::function<tPoint(tPoint)> GameCellAt;

 private:
  void FollowVisibility();
  void Draw();
  void ToolKeyDown(const SDL_KeyboardEvent& key);
  // EditorPages.cpp
  void DrawControls();
  void DrawMenuBar();
  void DrawNotes();
  void DrawTilesPage();
  void DrawOverlayPage();
  void DrawObjectsPage();
  void DrawVarsPage();
  void DrawPalette(tTilePalette& palette, tDib16& surface, tDibTexture& texture, bool overlay);
  void DrawPropertyList(float height);
  void DrawTemplateBox();
  void DrawStatusBar();
  void DrawSolveRow();
  float SolveRowHeight() const;
  float SolveTextHeight(const std::string& text) const;
  std::string SolveText() const;
  void FollowSolve();
  void DrawQuestion();
  std::string QuestionText() const;
  // EditorFileDialog.cpp
  void DrawFileDialog();
  void CloseFileDialog(const std::string& chosen);

  tGameEngine& Engine;
  SDL_Window* GameWindow;
  SDL_Window* Window = nullptr;
  SDL_Renderer* Renderer = nullptr;
  ImGuiContext* Context = nullptr;
  // The editor's searches (before the editor, which stops them when it goes).
  tSolveProcess SolveRunner;
  std::string SolveFolder;
  tLevelEditor Logic;
  bool Shown = false;
  bool Initialised = false;
  std::array<std::string, 3> Status;
  tDib16 TilesSurface{1, 1};
  tDib16 OverlaySurface{1, 1};
  tDib16 TemplateSurface{1, 1};
  tDibTexture TilesTexture, OverlayTexture, TemplateTexture;
  // The property being typed into, and what its writer last refused.
  std::string EditedProperty, EditedText;
  std::string RefusedProperty, Refusal;
  const tUnit* ListedUnit = nullptr;
  // The file dialog.
  bool DialogOpen = false;
  tFileBrowser Browser;
  std::string DialogMessage;
  bool AskOverwrite = false;
  // Automation: the pointer the script placed and the button states of the coming frames.
  std::optional<tPoint> ScriptedPointer;
  std::deque<bool> ScriptedPresses;
  bool ScriptedControl = false, ScriptedShift = false;
  std::vector<std::string> PendingShots;
  // Keys pressed since the last frame, and releases held back until a frame has seen them.
  std::set<SDL_Scancode> KeysDownSinceFrame;
  std::vector<SDL_Event> HeldKeyUps;
  // The search's state and phase last printed (automation runs).
  std::string TracedSolve;
};

}  // namespace qn2
