// The info units' hint window: a window of its own that zooms out of the info unit's cell,
// or, in full screen and in automation runs, the same window drawn over the game's frame,
// run by the frame events so that a script's keys and clicks reach it.
#include <SDL.h>

#include <iostream>

#include "app/MainWindow.h"
#include "common/Exception.h"
#include "engine/GameEngine.h"
#include "platform/Display.h"
#include "platform/ModalWindow.h"
#include "ui/HintPopUp.h"

namespace qn2 {

void tMainWindow::ShowHint(const std::string& imageName, tPoint anchor, std::int32_t captionYOffset,
                           const std::string& caption) {
  std::unique_ptr<tDib16> picture;
  try {
    picture = std::make_unique<tDib16>(imageName);
  } catch (const Exception& e) {
    ShowMessage(std::string("The hint picture could not be shown: ") + e.what());
    return;
  }
  const bool inFrame = Options.Headless || Script || ActiveDisplayMode >= 2 || !SetupDone;
  if (inFrame) {
    tHintPopUp hint(std::move(picture), anchor, tRect{0, 0, 640, 480}, captionYOffset, caption);
    RunHintInFrame(hint);
  } else {
    // The cell and the main window's client area in screen coordinates.
    int left = 0, top = 0, width = 0, height = 0;
    SDL_GetWindowPosition(Window, &left, &top);
    SDL_GetWindowSize(Window, &width, &height);
    const tPoint client = Display->FrameToClient(anchor);
    tHintPopUp hint(std::move(picture), {left + client.X, top + client.Y},
                    tRect{left, top, left + width, top + height}, captionYOffset, caption);
    RunModal(Window, hint, false);
    // The keyboard comes back to the game's window, also under window managers that do
    // not hand it on when the hint window goes.
    SDL_RaiseWindow(Window);
    SDL_SetWindowInputFocus(Window);
  }
  // The game takes the keyboard back and goes on.
  Activated();
  Engine->FullRedraw = true;
}

// The frame events go on while the hint is up: they tick and draw the hint instead of the
// game (back to back when headless, by the clock otherwise), until it closes.
void tMainWindow::RunHintInFrame(tHintPopUp& hint) {
  tDib16& frame = Engine->FrameSurface();
  UnderHint = std::make_unique<tDib16>(frame.Width(), frame.Height());
  UnderHint->CopyRectFrom(frame, 0, 0, 0, 0, frame.Width(), frame.Height());
  HintCanvas = std::make_unique<tDib16>(hint.Size().X, hint.Size().Y);
  hint.Open();
  FrameHint = &hint;
  const bool traced = Options.Headless || Script;
  if (traced) std::cout << "tick " << FrameEvents << " hint shown" << std::endl;
  const std::optional<std::int64_t> limit = Options.TickLimit();
  Uint32 lastTick = SDL_GetTicks();
  while (hint.Result() == 0 && !Closed && !QuitRequested && (!limit || FrameEvents < *limit)) {
    if (Options.Headless) {
      ProcessPendingMessages();
      FrameEvent(1);
      continue;
    }
    const Uint32 period = SlowTimer ? SlowFramePeriodMs : FramePeriodMs;
    const Uint32 elapsed = SDL_GetTicks() - lastTick;
    if (elapsed >= period) {
      lastTick += elapsed / period * period;
      FrameEvent(static_cast<std::int32_t>(elapsed / period));
      continue;
    }
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, static_cast<int>(period - elapsed)) != 0) HandleEvent(event);
  }
  if (traced) std::cout << "tick " << FrameEvents << " hint closed" << std::endl;
  FrameHint = nullptr;
  hint.Close();
  if (!Closed) frame.CopyRectFrom(*UnderHint, 0, 0, 0, 0, frame.Width(), frame.Height());
  UnderHint.reset();
  HintCanvas.reset();
}

// One frame event while the hint is drawn over the game: its timer step, then the game's
// last frame with the hint stretched over its place.
void tMainWindow::HintFrame(std::int32_t periods) {
  FrameHint->Tick(periods);
  if (FrameHint->Result() != 0) return;
  tDib16& frame = Engine->FrameSurface();
  frame.CopyRectFrom(*UnderHint, 0, 0, 0, 0, frame.Width(), frame.Height());
  FrameHint->Draw(*HintCanvas);
  StretchDraw(*HintCanvas, frame, FrameHint->Placement());
  frame.EndDraw();
  PresentFrame();
}

// Keys and mouse buttons go to the hint while it is drawn over the game; the game does not
// see them.
bool tMainWindow::HintInput(std::uint16_t key, bool down) {
  if (FrameHint == nullptr) return false;
  if (key == vk::LButton || key == vk::RButton || key == vk::MButton) {
    const tPoint at = CursorPosition();
    const tRect place = FrameHint->Placement();
    if (at.X < place.Left || at.X >= place.Right || at.Y < place.Top || at.Y >= place.Bottom)
      return true;
    if (down)
      FrameHint->MouseDown(at.X - place.Left, at.Y - place.Top, key);
    else
      FrameHint->MouseUp(at.X - place.Left, at.Y - place.Top, key);
    return true;
  }
  if (down)
    FrameHint->KeyDown(key);
  else
    FrameHint->KeyUp(key);
  return true;
}

}  // namespace qn2
