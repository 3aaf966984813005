// The frame event: engine ticks, drawing, presenting, and what the engine asks of the
// window afterwards (the screen of its mode, videos, the web page, quitting).
#include <SDL.h>

#include <filesystem>
#include <iostream>

#include "app/MainWindow.h"
#include "audio/GameSound.h"
#include "common/Exception.h"
#include "common/KeepAlive.h"
#include "common/LastMessage.h"
#include "data/Recorder.h"
#include "engine/GameEngine.h"
#include "platform/Display.h"
#include "platform/EditorWindow.h"
#include "render/DisplayErrors.h"
#include "render/TextService.h"

namespace qn2 {

void tMainWindow::FrameEvent(std::int32_t periods) {
  ++FrameEvents;
  ApplyScript(FrameEvents);
  if (ReinitAudio) return;
  const bool active = ApplicationActive();
  GameSound->FocusFade(active, active);
  if (!active) {
    WasInactive = true;
    return;
  }
  ProcessPendingMessages();
  PollPad();
  if (QuitRequested) return;
  if (Busy) {
    PaintStatusText(LastMessage);
    return;
  }
  if (VideoPlaying || KeepAliveBusy() || !SetupDone) return;
  if (FrameHint != nullptr) {
    HintFrame(periods);
  } else if (Screens.FrameOwner() != nullptr) {
    RunScreenFrame();
  } else {
    RunEngineFrame(periods);
    AfterFrame();
  }
  PointerMoved = false;
  if (EditorWindow && !Closed) {
    int width = 0, height = 0;
    SDL_GetWindowSize(Window, &width, &height);
    EditorWindow->Refresh({width, height}, MouseCell());
    if (EditorWindow->Editor().QuitAgreed) CloseQuery();
  }
  if (Script) {
    for (const tScriptCommand& command : Script->CommandsAt(FrameEvents))
      if (command.Kind == tScriptCommand::tKind::Shot && !command.Editor)
        TakeScreenshot(command.Text);
  }
  if (Options.Headless || Script) TraceMode();
}

// Automation runs report every change of the game's mode on standard output, so a test
// can follow the game without looking at the picture.
void tMainWindow::TraceMode() {
  if (!Engine || ModeNumber(Engine->GameMode) == TracedMode) return;
  TracedMode = ModeNumber(Engine->GameMode);
  std::cout << "tick " << FrameEvents << " mode " << TracedMode << " entry " << Engine->EntryIndex
            << " turn " << Engine->Play().TurnCount << std::endl;
}

void tMainWindow::RunEngineFrame(std::int32_t periods) {
  try {
    // A level the player solves on its own (--level) starts again instead of being graded
    // against the episode; a recording made of it is still saved.
    if (Options.LevelFile && Engine->GameMode == gmLevelDone &&
        Engine->Play().Recorder.State() == rsIdle) {
      std::cout << "Level solved in " << Engine->Play().TurnCount << " turns" << std::endl;
      Engine->KeepBestRun();
      Engine->RestartLevel();
    }
    Engine->TimerTicks = periods;
    const std::int32_t ticks = TicksForFrame(periods, Engine->Play().TickCount);
    for (std::int32_t i = 0; i < ticks; ++i) Engine->Update();
    const tPoint cell = MouseCell();
    Engine->CursorX = cell.X;
    Engine->CursorY = cell.Y;
    try {
      Engine->DrawFrame();
    } catch (const ENoSurfaceLock&) {
      Engine->FullRedraw = true;
    }
    Engine->FrameSurface().EndDraw();
    PresentFrame();
    LastReportedError.clear();
  } catch (const std::exception& e) {
    // The tick is abandoned; the next frame event runs normally.
    ReportError(e.what());
  }
}

void tMainWindow::PresentFrame() {
  if (!SetupDone) return;
  try {
    Display->Present();
  } catch (const ENoSurfaceLock&) {
    Engine->FullRedraw = true;
  }
}

void tMainWindow::AfterFrame() {
  FollowScreens();
  if (Engine->WebLinkRequested) OpenWebPage();
  // Kept open by the editor's question (unsaved changes): back to the main menu.
  if (Engine->GameMode == gmQuit && !CloseQuery()) Engine->SetGameMode(gmMainMenu);
}

// A screen that runs in place of the engine: one tick of it, and the whole frame.
// A screen that moved the engine on by itself (a video that ended) is followed at once.
void tMainWindow::RunScreenFrame() {
  Screens.Update(CursorPosition(), PointerMoved, Engine->LiveInput);
  if (Screens.For(Engine->GameMode) != Screens.Current()) {
    FollowScreens();
    if (Screens.FrameOwner() == nullptr) return;
  }
  Screens.Draw(Engine->FrameSurface());
  PresentFrame();
}

// The engine's mode may have moved onto or off a screen. A screen that runs in place of the
// engine is drawn at once, under the system pointer; leaving it repaints the game in full
// and puts the system pointer away.
void tMainWindow::FollowScreens() {
  tScreen* const before = Screens.FrameOwner();
  // Entering a screen may move the engine on again (a video that is passed over).
  Screens.Follow(*Engine);
  for (int again = 0; again < 4 && Screens.Current() != nullptr &&
                      Screens.Current() != Screens.For(Engine->GameMode);
       ++again)
    Screens.Follow(*Engine);
  tScreen* const owner = Screens.FrameOwner();
  if (owner == before) return;
  if (before != nullptr) {
    SDL_ShowCursor(SDL_DISABLE);
    Engine->FullRedraw = true;
  }
  if (owner != nullptr) {
    owner->Draw(Engine->FrameSurface());
    SDL_ShowCursor(SDL_ENABLE);
    PresentFrame();
  }
}

void tMainWindow::ApplyScreenResult(const tScreenResult& result) {
  if (result.Hidden) FollowScreens();
  if (result.MovePointerTo) {
    const tPoint target = *result.MovePointerTo;
    if (ScriptedCursor) {
      ScriptedCursor = target;
    } else {
      const tPoint client = Display->FrameToClient(target);
      SDL_WarpMouseInWindow(Window, client.X, client.Y);
    }
  }
}

// The main menu's "GAME FOLDER": the folder the game runs in, where it keeps the
// configuration, the progress, the solutions and the player's own levels, opened by the
// desktop. Automation runs only say which address they would open.
void tMainWindow::OpenWebPage() {
  Engine->WebLinkRequested = false;
  const std::string url = FolderUrl(std::filesystem::current_path().string());
  if (Options.Headless || Script) {
    std::cout << "Game folder requested: " << url << std::endl;
    return;
  }
  SDL_MinimizeWindow(Window);
  if (SDL_OpenURL(url.c_str()) != 0) {
    SDL_RestoreWindow(Window);
    ShowMessage("The game folder could not be opened: " + url);
  }
}

// From the pointer's place on the screen, so that it is right whichever window has the mouse
// (the editor's tool window may hold it); over another window it is on no cell.
tPoint tMainWindow::MouseCell() const {
  if (ScriptedCursor || Options.Headless) return BoardCellAt(CursorPosition());
  int x = 0, y = 0, left = 0, top = 0, width = 0, height = 0;
  SDL_GetGlobalMouseState(&x, &y);
  SDL_GetWindowPosition(Window, &left, &top);
  SDL_GetWindowSize(Window, &width, &height);
  if (x < left || y < top || x >= left + width || y >= top + height) return {-1, -1};
  return BoardCellAt(Display->ClientToFrame({x - left, y - top}));
}

}  // namespace qn2
