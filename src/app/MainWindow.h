#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/AutomationScript.h"
#include "app/FrameTimer.h"
#include "app/ProgramOptions.h"
#include "data/ConfigFile.h"
#include "data/MessageSink.h"
#include "engine/EngineHooks.h"
#include "engine/FrameComposer.h"
#include "engine/units/HintDisplay.h"
#include "input/InputDevice.h"
#include "platform/GamePad.h"
#include "platform/KeyMap.h"
#include "ui/ScreenMenuHooks.h"
#include "ui/Screens.h"

namespace qn2 {

class tDisplay;
class tEditorWindow;
class tHintPopUp;
class tGameEngine;
class tGameSound;
class tSoundLibrary;
class tTtfTextService;
class tUnit;
class tVideoScreen;

// The application: one SDL window showing the 640 x 480 frame. It mounts the game's files,
// reads the configuration, owns the engine, brings up display and sound, loads every
// graphic in a fixed, logged order, and then drives the game from the frame timer: each
// frame event runs one to four engine ticks, draws one frame and presents it. It routes
// keys, characters and the mouse to the engine and to the screen of the engine's mode, and
// runs the screens that take the engine's place.
class tMainWindow final : public tMessageSink, public tPointerSource, public tHintDisplay {
 public:
  static constexpr std::uint32_t FramePeriodMs = 20;
  static constexpr std::uint32_t SlowFramePeriodMs = 40;
  static constexpr std::int32_t MaxTicksPerFrame = 4;

  // Window creation: package, search folders, sound file access, configuration, the
  // window switches, the engine and its episode. Raises on failure.
  explicit tMainWindow(const tProgramOptions& options);
  ~tMainWindow() override;
  tMainWindow(const tMainWindow&) = delete;
  tMainWindow& operator=(const tMainWindow&) = delete;

  // Posts the deferred start-up and runs the message loop (or, in automation, the
  // scripted frame events) until the window closes. Returns the program's exit status.
  int Run();

  // Message boxes: a modal box on screen, standard error when headless.
  void ShowMessage(const std::string& text) override;

  // Where the pointer is, in frame pixels (the display maps the window's client area).
  tPoint CursorPosition() const override;
  tPoint ClientSize() const override;

  // The info units' hint window (MainWindowHint.cpp): returns once it is closed.
  void ShowHint(const std::string& imageName, tPoint anchor, std::int32_t captionYOffset,
                const std::string& caption) override;

 private:
  // Start-up and shutdown (MainWindowSetup.cpp).
  void DeferredStartup();
  void SetUpEverything();
  void LoadGraphics();
  void FreeEverything();
  void StartRequestedPlay();
  void ChangeDisplayMode(std::int32_t mode);
  void ReloadData();
  void ReinitialiseAudio();
  void DisplayChanged();
  // The display mode the settings ask for (full screen, drawing onto the window's surface).
  std::int32_t SettingsDisplayMode() const;
  bool SetUpAgain(std::int32_t mode);
  std::int32_t ChooseDisplay();
  void FitWindowToScreen();
  // Asks the editor about unsaved changes first unless told not to (a run's tick limit).
  bool CloseQuery(bool askEditor = true);
  void PaintStatusText(const std::string& text);

  // The frame (MainWindowFrame.cpp).
  void FrameEvent(std::int32_t periods);
  void RunEngineFrame(std::int32_t periods);
  void PresentFrame();
  void AfterFrame();
  void RunScreenFrame();
  void FollowScreens();
  void ApplyScreenResult(const tScreenResult& result);
  void OpenWebPage();
  tPoint MouseCell() const;
  void TraceMode();

  // The hint window drawn over the game (MainWindowHint.cpp).
  void RunHintInFrame(tHintPopUp& hint);
  void HintFrame(std::int32_t periods);
  bool HintInput(std::uint16_t key, bool down);

  // Events and input (MainWindowInput.cpp).
  void HandleEvent(const SDL_Event& event);
  void DispatchEvent(const SDL_Event& event);
  // Shows an error raised while the game runs; the same error again and again (a frame that
  // fails each time) is shown once until something else happens.
  void ReportError(const std::string& text);
  std::string LastReportedError;
  void HandleWindowMessage(const SDL_UserEvent& message);
  void HandleWindowEvent(const SDL_WindowEvent& event);
  void ProcessPendingMessages();
  void KeyDown(std::uint16_t keyCode);
  void KeyUp(std::uint16_t keyCode);
  void CharTyped(char c);
  void TypeKeyCharacter(std::uint16_t keyCode);
  void MouseButton(std::uint16_t button, bool down);
  void MouseMoved();
  bool InputToScreen(const std::function<tScreenResult()>& route);
  void PollPad();
  void Activated();
  void ApplyScript(std::int64_t tick);
  void ApplyEditorScript(const tScriptCommand& command);
  void TakeScreenshot(const std::string& fileName);
  int RunScripted(std::int64_t limit);
  bool ApplicationActive() const;

  tProgramOptions Options;
  std::optional<tAutomationScript> Script;
  tStartupOptions Startup;
  SDL_Window* Window = nullptr;
  std::unique_ptr<tTtfTextService> Text;
  std::unique_ptr<tSoundLibrary> SoundLibrary;
  std::unique_ptr<tGameSound> GameSound;
  std::unique_ptr<tDisplay> Display;
  std::unique_ptr<tGameEngine> Engine;
  std::unique_ptr<tUnit> Ghost;                 // the player's out-of-turn ghost
  std::unique_ptr<tEditorWindow> EditorWindow;  // the level editor's tool window
  tFrameComposer Composer;
  tFrameTimer Timer;
  tScreens Screens;
  tScreenMenuHooks MenuScreens{Screens};
  tVideoScreen* VideoScreen = nullptr;  // owned by Screens
  tSdlKeyState KeyState;
  tGamePad Pad;

  std::int32_t DisplayMode = 0;
  std::int32_t ActiveDisplayMode = 1;
  bool Desktop16Bit = false;
  bool ForceExclusive = true;
  bool Busy = false;
  bool ShuttingDown = false;
  bool SetupDone = false;
  bool ReinitAudio = false;
  bool VideoPlaying = false;
  bool SlowTimer = false;
  bool WasInactive = false;
  bool AcceptsInput = false;
  bool QuitRequested = false;
  bool Closed = false;
  bool StartedRequestedPlay = false;
  bool AltHeld = false;
  bool CtrlHeld = false;
  bool ShiftHeld = false;
  // The mouse moved since the last frame event.
  bool PointerMoved = false;
  // A pointer the script placed, in frame pixels; the real mouse otherwise.
  std::optional<tPoint> ScriptedCursor;
  std::int64_t FrameEvents = 0;
  std::int32_t TracedMode = -1;
  int ExitStatus = 0;
  // The hint drawn over the game while it is up, the game's frame under it, its drawing.
  tHintPopUp* FrameHint = nullptr;
  std::unique_ptr<tDib16> UnderHint;
  std::unique_ptr<tDib16> HintCanvas;
};

// The ticks one frame event runs: the periods it carries, at most 4, and one while the
// level has just been reset (TickCount <= 1).
std::int32_t TicksForFrame(std::int32_t periods, std::int32_t tickCount);

// The board cell under a frame pixel; (-1, -1) off the board (the side panel included).
tPoint BoardCellAt(tPoint framePixel);

// The file address of a folder (an absolute path), for the desktop to open: every byte
// outside the unreserved characters and "/" is percent-encoded.
std::string FolderUrl(const std::string& absolutePath);

}  // namespace qn2
