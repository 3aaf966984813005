#include "platform/ModalWindow.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include "common/Exception.h"
#include "input/InputDevice.h"
#include "platform/Display.h"
#include "platform/GamePad.h"
#include "platform/KeyMap.h"
#include "render/DibStack.h"

namespace qn2 {

namespace {

// A dialog hears the pad as the arrow keys, Enter and Escape.
constexpr tPadKeyNumbers DialogPadKeys{vk::Left, vk::Right,  vk::Up,
                                       vk::Down, vk::Return, vk::Escape};
// A dialog's own window with what draws it; freed in reverse, also when making it fails
// half-way.
struct tWindowParts {
  SDL_Window* Window = nullptr;
  SDL_Renderer* Renderer = nullptr;
  SDL_Texture* Texture = nullptr;

  tWindowParts() = default;
  ~tWindowParts() {
    if (Texture != nullptr) SDL_DestroyTexture(Texture);
    if (Renderer != nullptr) SDL_DestroyRenderer(Renderer);
    if (Window != nullptr) SDL_DestroyWindow(Window);
  }
  tWindowParts(const tWindowParts&) = delete;
  tWindowParts& operator=(const tWindowParts&) = delete;
};

// One showing of a modal content: its window (or its place over the game), the nested
// event loop, and the events held back for the rest of the program.
class tModalRunner {
 public:
  tModalRunner(SDL_Window* owner, tModalContent& content, bool overGame, const std::string& title)
      : Owner(owner),
        Content(content),
        Size(content.Size()),
        Canvas(std::max(Size.X, 1), std::max(Size.Y, 1)) {
    tDisplay* display = overGame ? tDisplay::ForWindow(owner) : nullptr;
    if (display != nullptr && display->Ready() && display->Frame() != nullptr)
      StartOverGame(*display);
    else
      StartWindow(title);
  }

  ~tModalRunner() {
    if (Game != nullptr) {
      tDib16& frame = *Game->Frame();
      frame.CopyRectFrom(*SavedFrame, 0, 0, 0, 0, frame.Width(), frame.Height());
      try {
        Game->Present();
      } catch (const Exception&) {
        // The next frame presents it again.
      }
    }
    for (SDL_Event& event : Held) SDL_PushEvent(&event);
  }
  tModalRunner(const tModalRunner&) = delete;
  tModalRunner& operator=(const tModalRunner&) = delete;

  int Run() {
    const auto TimerPeriodMs = static_cast<Uint32>(std::max(Content.TimerPeriodMs(), 1));
    Uint32 lastTick = SDL_GetTicks();
    Show();
    Pad.Settle();
    while (Content.Result() == 0 && !QuitRequested) {
      const Uint32 elapsed = SDL_GetTicks() - lastTick;
      if (elapsed >= TimerPeriodMs) {
        const Uint32 periods = elapsed / TimerPeriodMs;
        lastTick += periods * TimerPeriodMs;
        Show();
        PollPad();
        Content.Tick(static_cast<int>(periods));
        continue;
      }
      SDL_Event event;
      if (SDL_WaitEventTimeout(&event, static_cast<int>(TimerPeriodMs - elapsed)) != 0)
        Handle(event);
    }
    return Content.Result();
  }

 private:
  void StartWindow(const std::string& title) {
    int x = SDL_WINDOWPOS_CENTERED;
    int y = SDL_WINDOWPOS_CENTERED;
    if (Owner != nullptr) {
      int ownerX = 0, ownerY = 0, ownerW = 0, ownerH = 0;
      SDL_GetWindowPosition(Owner, &ownerX, &ownerY);
      SDL_GetWindowSize(Owner, &ownerW, &ownerH);
      x = ownerX + (ownerW - Size.X) / 2;
      y = ownerY + (ownerH - Size.Y) / 2;
    }
    int w = Canvas.Width(), h = Canvas.Height();
    const std::optional<tRect> placed = Content.WindowRect();
    if (placed) {
      x = placed->Left;
      y = placed->Top;
      w = std::max(placed->Right - placed->Left, 1);
      h = std::max(placed->Bottom - placed->Top, 1);
    }
    Uint32 flags = SDL_WINDOW_ALWAYS_ON_TOP;
    if (title.empty()) flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR;
    Own.Window =
        SDL_CreateWindow(title.empty() ? Content.WindowName() : title.c_str(), x, y, w, h, flags);
    if (Own.Window == nullptr)
      throw EDeviceError(std::string("The dialog window could not be created: ") + SDL_GetError());
    if (placed) Placed = *placed;
    if (Owner != nullptr) SDL_SetWindowModalFor(Own.Window, Owner);
    Own.Renderer = CreateRendererWithFallback(Own.Window);
    if (Own.Renderer == nullptr)
      throw EDeviceError(std::string("The dialog window cannot draw: ") + SDL_GetError());
    CreateTexture();
    SDL_RaiseWindow(Own.Window);
  }

  void StartOverGame(tDisplay& display) {
    Game = &display;
    tDib16& frame = *display.Frame();
    SavedFrame = std::make_unique<tDib16>(frame.Width(), frame.Height());
    SavedFrame->CopyRectFrom(frame, 0, 0, 0, 0, frame.Width(), frame.Height());
    Origin = {(frame.Width() - Size.X) / 2, (frame.Height() - Size.Y) / 2};
  }

  void CreateTexture() {
    Own.Texture = SDL_CreateTexture(Own.Renderer, SDL_PIXELFORMAT_RGB565,
                                    SDL_TEXTUREACCESS_STREAMING, Canvas.Width(), Canvas.Height());
    if (Own.Texture == nullptr)
      throw EDeviceError(std::string("The dialog window cannot draw: ") + SDL_GetError());
  }

  void Show() {
    {
      tDibTarget target(&Canvas);
      Content.Draw(Canvas);
    }
    if (Game != nullptr) {
      ShowOverGame();
    } else {
      FollowPlacement();
      ShowInWindow();
    }
  }

  // A window that moves and sizes itself goes where the content says.
  void FollowPlacement() {
    const std::optional<tRect> placed = Content.WindowRect();
    if (!placed || *placed == Placed) return;
    if (placed->Left != Placed.Left || placed->Top != Placed.Top)
      SDL_SetWindowPosition(Own.Window, placed->Left, placed->Top);
    SDL_SetWindowSize(Own.Window, std::max(placed->Right - placed->Left, 1),
                      std::max(placed->Bottom - placed->Top, 1));
    Placed = *placed;
  }

  void ShowOverGame() {
    tDib16& frame = *Game->Frame();
    // Whatever of the content lies on the frame.
    const std::int32_t left = std::max(Origin.X, 0);
    const std::int32_t top = std::max(Origin.Y, 0);
    const std::int32_t right = std::min(Origin.X + Canvas.Width(), frame.Width());
    const std::int32_t bottom = std::min(Origin.Y + Canvas.Height(), frame.Height());
    if (right > left && bottom > top)
      frame.CopyRectFrom(Canvas, left - Origin.X, top - Origin.Y, left, top, right - left,
                         bottom - top);
    Game->Present();
  }

  void ShowInWindow() {
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(Own.Texture, nullptr, &pixels, &pitch) != 0) return;
    const auto rowBytes = static_cast<std::size_t>(Canvas.Width()) * sizeof(std::uint16_t);
    for (std::int32_t row = 0; row < Canvas.Height(); ++row)
      std::memcpy(static_cast<std::uint8_t*>(pixels) + row * pitch, Canvas.ScanLine(row), rowBytes);
    SDL_UnlockTexture(Own.Texture);
    SDL_RenderClear(Own.Renderer);
    SDL_RenderCopy(Own.Renderer, Own.Texture, nullptr, nullptr);
    SDL_RenderPresent(Own.Renderer);
  }

  void PollPad() {
    Pad.Poll(DialogPadKeys, [this](std::uint16_t key, bool down) {
      if (down)
        Content.KeyDown(key);
      else
        Content.KeyUp(key);
    });
  }

  void Hold(const SDL_Event& event) { Held.push_back(event); }

  void Escape() {
    Content.KeyDown(vk::Escape);
    Content.KeyUp(vk::Escape);
  }

  // A mouse position in the content's coordinates, or false when the event is not over
  // the content's window (or, over the game, the owner).
  bool ContentPoint(Uint32 windowId, int x, int y, tPoint& point) const {
    if (Own.Window != nullptr && windowId == SDL_GetWindowID(Own.Window)) {
      point = {x, y};
      return true;
    }
    if (Game != nullptr && Owner != nullptr && windowId == SDL_GetWindowID(Owner)) {
      const tPoint frame = Game->ClientToFrame({x, y});
      point = {frame.X - Origin.X, frame.Y - Origin.Y};
      return true;
    }
    return false;
  }

  void Handle(const SDL_Event& event) {
    tPoint point;
    switch (event.type) {
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        if (const std::uint16_t key = VirtualKeyFromSdl(event.key.keysym.sym); key != 0) {
          if (event.type == SDL_KEYDOWN)
            Content.KeyDown(key);
          else
            Content.KeyUp(key);
        }
        break;
      case SDL_MOUSEMOTION:
        if (ContentPoint(event.motion.windowID, event.motion.x, event.motion.y, point))
          Content.MouseMove(point.X, point.Y);
        break;
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP:
        if (const std::uint16_t button = VirtualKeyFromMouseButton(event.button.button);
            button != 0 &&
            ContentPoint(event.button.windowID, event.button.x, event.button.y, point)) {
          if (event.type == SDL_MOUSEBUTTONDOWN)
            Content.MouseDown(point.X, point.Y, button);
          else
            Content.MouseUp(point.X, point.Y, button);
        }
        break;
      case SDL_WINDOWEVENT:
        if (Own.Window != nullptr && event.window.windowID == SDL_GetWindowID(Own.Window)) {
          if (event.window.event == SDL_WINDOWEVENT_CLOSE) Escape();
        } else {
          Hold(event);
        }
        break;
      case SDL_QUIT:
        Hold(event);
        Escape();
        QuitRequested = true;
        break;
      case SDL_RENDER_TARGETS_RESET:
      case SDL_RENDER_DEVICE_RESET:
        if (Game != nullptr) Game->HandleEvent(event);
        if (Own.Texture != nullptr && event.type == SDL_RENDER_DEVICE_RESET) {
          SDL_DestroyTexture(Own.Texture);
          Own.Texture = nullptr;
          CreateTexture();
        }
        Hold(event);
        break;
      // Typing, the wheel and the joystick's own events mean nothing here (the joystick
      // is polled); the keys above carry what a dialog needs.
      case SDL_TEXTINPUT:
      case SDL_TEXTEDITING:
      case SDL_MOUSEWHEEL:
      case SDL_JOYAXISMOTION:
      case SDL_JOYBALLMOTION:
      case SDL_JOYHATMOTION:
      case SDL_JOYBUTTONDOWN:
      case SDL_JOYBUTTONUP:
      case SDL_CONTROLLERAXISMOTION:
      case SDL_CONTROLLERBUTTONDOWN:
      case SDL_CONTROLLERBUTTONUP:
        break;
      default:
        Hold(event);
        break;
    }
  }

  SDL_Window* Owner;
  tModalContent& Content;
  tPoint Size;
  tDib16 Canvas;
  // A window of its own...
  tWindowParts Own;
  tRect Placed;
  // ...or a place on the game's frame.
  tDisplay* Game = nullptr;
  std::unique_ptr<tDib16> SavedFrame;
  tPoint Origin;
  tGamePad Pad;
  std::vector<SDL_Event> Held;
  bool QuitRequested = false;
};

// Close runs however the loop ends.
class tOpened {
 public:
  explicit tOpened(tModalContent& content) : Content(content) { Content.Open(); }
  ~tOpened() { Content.Close(); }
  tOpened(const tOpened&) = delete;
  tOpened& operator=(const tOpened&) = delete;

 private:
  tModalContent& Content;
};

}  // namespace

int RunModal(SDL_Window* owner, tModalContent& content, bool overGame, const std::string& title) {
  tModalRunner runner(owner, content, overGame, title);
  tOpened opened(content);
  return runner.Run();
}

}  // namespace qn2
