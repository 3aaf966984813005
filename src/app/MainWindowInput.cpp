// Events: the window messages, the keyboard, characters and the mouse, and the script's
// input in automation runs.
#include <SDL.h>

#include <iostream>

#include "app/MainWindow.h"
#include "app/WindowMessages.h"
#include "common/Exception.h"
#include "engine/GameEngine.h"
#include "engine/units/Player.h"
#include "platform/Display.h"
#include "platform/EditorWindow.h"
#include "render/DisplayChoice.h"
#include "render/PngWriter.h"

namespace qn2 {

namespace {

constexpr std::uint16_t VkBackspace = 8;
constexpr std::uint16_t VkControl = 17;
constexpr std::uint16_t VkPause = 19;
constexpr std::uint16_t VkF1 = 112;
constexpr std::uint16_t VkF2 = 113;
constexpr std::uint16_t VkF9 = 120;

}  // namespace

// Every event runs inside the game's one error boundary: an error raised by a file, a level
// or a unit while the game runs is shown to the player and the game goes on, so nothing the
// player has (settings, progress, a recording) is lost to it.
void tMainWindow::HandleEvent(const SDL_Event& event) {
  try {
    DispatchEvent(event);
  } catch (const std::exception& e) {
    ReportError(e.what());
  }
}

void tMainWindow::DispatchEvent(const SDL_Event& event) {
  if (EditorWindow && EditorWindow->HandleEvent(event)) return;
  switch (event.type) {
    case SDL_QUIT:
      CloseQuery();
      break;
    case SDL_WINDOWEVENT:
      // The display learns first that the picture on show was spoilt, so the present an
      // exposed window gets sends the whole frame.
      if (Display && Display->HandleEvent(event) && Engine) Engine->FullRedraw = true;
      HandleWindowEvent(event.window);
      break;
    case SDL_KEYDOWN: {
      const std::uint16_t keyCode = VirtualKeyFromSdl(event.key.keysym.sym);
      if (keyCode != 0) {
        KeyDown(keyCode);
        TypeKeyCharacter(keyCode);
      }
      break;
    }
    case SDL_KEYUP: {
      const std::uint16_t keyCode = VirtualKeyFromSdl(event.key.keysym.sym);
      if (keyCode != 0) KeyUp(keyCode);
      break;
    }
    case SDL_TEXTINPUT:
      for (const char* c = event.text.text; *c != '\0'; ++c) CharTyped(*c);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      ScriptedCursor.reset();
      const std::uint16_t button = VirtualKeyFromMouseButton(event.button.button);
      if (button != 0) MouseButton(button, event.type == SDL_MOUSEBUTTONDOWN);
      break;
    }
    case SDL_MOUSEMOTION:
      ScriptedCursor.reset();
      MouseMoved();
      break;
    case SDL_JOYDEVICEADDED:
      Pad.Reopen();
      break;
    default:
      if (event.type == WindowMessageType()) {
        HandleWindowMessage(event.user);
      } else if (Display && Display->HandleEvent(event) && Engine) {
        Engine->FullRedraw = true;
      }
      break;
  }
}

void tMainWindow::HandleWindowMessage(const SDL_UserEvent& message) {
  const auto parameter = static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(message.data1));
  switch (message.code) {
    case wmFrameEvent:
      Timer.Dispatch(parameter);
      break;
    case wmDeferredStartup:
      DeferredStartup();
      break;
    case wmChangeDisplayMode:
      ChangeDisplayMode(parameter);
      break;
    case wmReloadData:
      ReloadData();
      break;
    case wmReinitAudio:
      ReinitialiseAudio();
      break;
    default:
      break;
  }
}

void tMainWindow::HandleWindowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_SHOWN:
      Activated();
      break;
    case SDL_WINDOWEVENT_CLOSE:
      CloseQuery();
      break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      if (Engine) Engine->FullRedraw = true;
      PresentFrame();
      break;
    case SDL_WINDOWEVENT_DISPLAY_CHANGED:
      DisplayChanged();
      break;
    default:
      break;
  }
}

// Pending events are handled now, frame events included (the timer posts none while one
// is pending, so a frame never runs inside itself).
void tMainWindow::ProcessPendingMessages() {
  SDL_Event event;
  while (!Closed && SDL_PollEvent(&event) == 1) HandleEvent(event);
}

bool tMainWindow::ApplicationActive() const {
  // Scripted runs play on whether or not the window has the focus.
  if (Options.Headless || Script) return true;
  if (EditorWindow && EditorWindow->HasFocus()) return true;
  return (SDL_GetWindowFlags(Window) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void tMainWindow::Activated() {
  if (!Engine) return;
  if (WasInactive && ActiveDisplayMode >= 2) {
    // Full screen: take the screen back.
    SDL_MaximizeWindow(Window);
    SDL_RestoreWindow(Window);
  }
  WasInactive = false;
  Engine->LiveInput.Resync(KeyState);
}

void tMainWindow::KeyDown(std::uint16_t keyCode) {
  if (keyCode == vk::Alt) AltHeld = true;
  if (keyCode == VkControl) CtrlHeld = true;
  if (keyCode == vk::Shift) ShiftHeld = true;
  if (!Engine || HintInput(keyCode, true)) return;
  if (AltHeld && keyCode == vk::Return && Engine->GameMode == gmPlaying) {
    Settings.FullScreen = !Settings.FullScreen;
    PostWindowMessage(wmChangeDisplayMode, SettingsDisplayMode());
    return;
  }
  if (CtrlHeld && keyCode == VkF1) {
    Engine->Play().PlayerCounters.SlowDisplay = !Engine->Play().PlayerCounters.SlowDisplay;
    return;
  }
  if (CtrlHeld && keyCode == VkF2) {
    SlowTimer = !SlowTimer;
    Timer.SetPeriod(SlowTimer ? SlowFramePeriodMs : FramePeriodMs);
    return;
  }
  // Every key goes to the editor (F11 shows and hides it); while it edits the level, only there.
  if (EditorWindow && EditorWindow->GameKeyDown(keyCode, CtrlHeld)) return;
  if (InputToScreen([&] { return Screens.KeyDown(keyCode); })) return;
  if (!AcceptsInput) return;
  // Backspace or Ctrl+Z takes a move back; Shift+Backspace or Ctrl+Y plays it again.
  const bool backspace = keyCode == VkBackspace;
  if (((backspace && !ShiftHeld) || (CtrlHeld && keyCode == 'Z')) && Engine->UndoMove()) return;
  if (((backspace && ShiftHeld) || (CtrlHeld && keyCode == 'Y')) && Engine->RedoMove()) return;
  if (keyCode == VkF9 && Engine->GameMode == gmPlaying) {
    Engine->PlayBestSolution();
    return;
  }
  Engine->LiveInput.KeyDown(keyCode);
  if (Engine->GameMode == gmPlaying && keyCode == VkPause) Engine->Paused = !Engine->Paused;
}

void tMainWindow::KeyUp(std::uint16_t keyCode) {
  if (keyCode == vk::Alt) AltHeld = false;
  if (keyCode == VkControl) CtrlHeld = false;
  if (keyCode == vk::Shift) ShiftHeld = false;
  if (HintInput(keyCode, false)) return;
  if (Engine && AcceptsInput) Engine->LiveInput.KeyUp(keyCode);
}

// Enter, Escape and Backspace type their characters without a text event of their own.
void tMainWindow::TypeKeyCharacter(std::uint16_t keyCode) {
  if (keyCode == vk::Return)
    CharTyped('\r');
  else if (keyCode == vk::Escape)
    CharTyped('\x1b');
  else if (keyCode == VkBackspace)
    CharTyped('\b');
}

void tMainWindow::CharTyped(char c) {
  if (!Engine || !AcceptsInput || FrameHint != nullptr) return;
  if (InputToScreen([&] { return Screens.CharTyped(c); })) return;
  Engine->LiveInput.CharTyped(c);
}

void tMainWindow::MouseButton(std::uint16_t button, bool down) {
  if (!Engine || HintInput(button, down)) return;
  if (EditorWindow && EditorWindow->EditingLevel()) {
    const bool shift = ShiftHeld || (SDL_GetModState() & KMOD_SHIFT) != 0;
    EditorWindow->GameMouseButton(MouseCell(), button, down, shift);
    return;
  }
  const tPoint at = CursorPosition();
  if (InputToScreen([&] {
        return down ? Screens.MouseDown(at.X, at.Y, button) : Screens.MouseUp(at.X, at.Y, button);
      }))
    return;
  if (down)
    Engine->LiveInput.KeyDown(button);
  else
    Engine->LiveInput.KeyUp(button);
}

// The pad plays through the joystick numbers of the bindings; its second button is Escape.
void tMainWindow::PollPad() {
  constexpr tPadKeyNumbers padKeys{vk::JoyLeft, vk::JoyRight,  vk::JoyUp,
                                   vk::JoyDown, vk::JoyButton, vk::Escape};
  Pad.Poll(padKeys, [this](std::uint16_t key, bool down) {
    if (down)
      KeyDown(key);
    else
      KeyUp(key);
  });
}

void tMainWindow::MouseMoved() {
  if (!Engine) return;
  PointerMoved = true;
  if (EditorWindow && EditorWindow->EditingLevel()) EditorWindow->GameMouseMove(MouseCell());
  const tPoint at = CursorPosition();
  ApplyScreenResult(Screens.MouseMove(at.X, at.Y));
}

// Raw input goes to the screen of the engine's mode first. True when that screen runs in
// place of the engine, which then does not see the input.
bool tMainWindow::InputToScreen(const std::function<tScreenResult()>& route) {
  const bool screenOnly = Screens.FrameOwner() != nullptr;
  ApplyScreenResult(route());
  return screenOnly;
}

// The script's input for this frame event, fed through the same routes as real events.
void tMainWindow::ApplyScript(std::int64_t tick) {
  if (!Script) return;
  for (const tScriptCommand& command : Script->CommandsAt(tick)) {
    if (command.Editor) {
      ApplyEditorScript(command);
      continue;
    }
    switch (command.Kind) {
      case tScriptCommand::tKind::Down:
      case tScriptCommand::tKind::Up: {
        const auto key = static_cast<std::uint16_t>(command.Key);
        const bool down = command.Kind == tScriptCommand::tKind::Down;
        if (key == vk::LButton || key == vk::RButton || key == vk::MButton)
          MouseButton(key, down);
        else if (down)
          KeyDown(key);
        else
          KeyUp(key);
        if (down) TypeKeyCharacter(key);
        break;
      }
      case tScriptCommand::tKind::Text:
        for (char c : command.Text) CharTyped(c);
        break;
      case tScriptCommand::tKind::Move:
      case tScriptCommand::tKind::Click:
        ScriptedCursor = tPoint{command.X, command.Y};
        MouseMoved();
        if (command.Kind == tScriptCommand::tKind::Click) {
          MouseButton(vk::LButton, true);
          MouseButton(vk::LButton, false);
        }
        break;
      case tScriptCommand::tKind::Shot:
        break;  // taken once the frame is drawn
      case tScriptCommand::tKind::Solve:
      case tScriptCommand::tKind::Cancel:
      case tScriptCommand::tKind::Wait:
        break;  // the editor's only
    }
  }
}

void tMainWindow::ApplyEditorScript(const tScriptCommand& command) {
  switch (command.Kind) {
    case tScriptCommand::tKind::Down:
    case tScriptCommand::tKind::Up:
      EditorWindow->ScriptKey(static_cast<std::uint16_t>(command.Key),
                              command.Kind == tScriptCommand::tKind::Down);
      break;
    case tScriptCommand::tKind::Text:
      EditorWindow->ScriptText(command.Text);
      break;
    case tScriptCommand::tKind::Click:
      EditorWindow->ScriptClick(command.X, command.Y);
      break;
    case tScriptCommand::tKind::Shot:
      EditorWindow->ScriptShot(command.Text);
      break;
    case tScriptCommand::tKind::Solve:
      EditorWindow->Editor().Solve();
      break;
    case tScriptCommand::tKind::Cancel:
      EditorWindow->Editor().CancelSolve();
      break;
    case tScriptCommand::tKind::Wait:
      EditorWindow->ScriptWaitForSolve();
      break;
    case tScriptCommand::tKind::Move:
      break;
  }
}

void tMainWindow::TakeScreenshot(const std::string& fileName) {
  try {
    SavePng(Engine->FrameSurface(), fileName);
  } catch (const std::exception& e) {
    ShowMessage("Screenshot " + fileName + " failed: " + e.what());
  }
}

}  // namespace qn2
