#include "platform/Display.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/Exception.h"
#include "common/LastMessage.h"
#include "render/ColourTables.h"
#include "render/DibStack.h"
#include "render/DisplayErrors.h"
#include "render/FrameStretch.h"

namespace qn2 {

namespace {

constexpr const char* DisplayDataKey = "qn2.display";
constexpr std::uint32_t Red565 = 0xF800;
constexpr std::uint32_t Green565 = 0x07E0;
constexpr std::uint32_t Blue565 = 0x001F;

std::string SdlError() {
  return std::string("SDL: ") + SDL_GetError();
}

// Where in the program a display call failed, for the messages that name a location.
[[gnu::noinline]] std::string CallerLocation() {
  return HexAddress(__builtin_return_address(0));
}

SDL_Rect ToSdl(const tRect& r) {
  return {r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top};
}

// Floor division, so points left of or above the frame map to negative pixels.
std::int32_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return static_cast<std::int32_t>(q);
}

}  // namespace

// The frame: a tDib16 whose pixels are an SDL surface in system memory, 5-6-5, so the
// window-surface types can blit it as it is and the renderer types can send its rows up.
class tFrameSurface final : public tDib16 {
 public:
  tFrameSurface(std::int32_t width, std::int32_t height) : tDib16(width, height, false) {
    CreateSurfaces();
  }
  ~tFrameSurface() override { FreeSurfaces(); }

  SDL_Surface* Surface() const { return Storage; }

 protected:
  void AllocateStorage() override {
    Storage = SDL_CreateRGBSurfaceWithFormat(0, Width(), Height(), 16, SDL_PIXELFORMAT_RGB565);
    if (Storage == nullptr)
      throw EDirectDraw(dd::OutOfMemory, "DirectDraw.CreateSurface (windowed backbuffer) Failed",
                        SdlError());
    SDL_FillRect(Storage, nullptr, 0);
  }
  void ReleaseStorage() override {
    SDL_FreeSurface(Storage);
    Storage = nullptr;
  }
  void MakeScanLines() override {
    if (Storage == nullptr) throw ENoSurfaceLock("Couldn't make ScanLinePointers");
    auto* base = static_cast<std::uint8_t*>(Storage->pixels);
    for (std::int32_t row = 0; row < Height(); ++row)
      SetRowPointer(row, reinterpret_cast<std::uint16_t*>(base + row * Storage->pitch));
    MarkScanLinesValid();
  }

 private:
  SDL_Surface* Storage = nullptr;
};

tRect FramePlacement(tPoint client, tPoint frame, bool keepAspect) {
  if (client.X <= 0 || client.Y <= 0 || frame.X <= 0 || frame.Y <= 0) return {};
  if (client == frame || !keepAspect) return {0, 0, client.X, client.Y};
  std::int64_t width = client.X;
  std::int64_t height = width * frame.Y / frame.X;
  if (height > client.Y) {
    height = client.Y;
    width = height * frame.X / frame.Y;
  }
  const auto left = static_cast<std::int32_t>((client.X - width) / 2);
  const auto top = static_cast<std::int32_t>((client.Y - height) / 2);
  return {left, top, left + static_cast<std::int32_t>(width),
          top + static_cast<std::int32_t>(height)};
}

// An "accelerated" renderer whose OpenGL is the processor drawing (Mesa's llvmpipe, softpipe
// or swrast, as on a machine without a graphics card): it spends far more on every pixel
// of the window than copying the frame onto the window's own surface does.
bool RendererIsEmulated(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr ||
      std::strncmp(info.name, "opengl", 6) != 0)
    return false;
  using tGetString = const unsigned char* (*)(unsigned);
  const auto getString = reinterpret_cast<tGetString>(SDL_GL_GetProcAddress("glGetString"));
  if (getString == nullptr) return false;
  const auto* name = reinterpret_cast<const char*>(getString(0x1F01));  // GL_RENDERER
  if (name == nullptr) return false;
  for (const char* software : {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"})
    if (std::strstr(name, software) != nullptr) return true;
  return false;
}

SDL_Renderer* CreateRendererWithFallback(SDL_Window* window) {
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  return renderer;
}

tDisplay::tDisplay(SDL_Window* window) : Window(window) {
  // The window-surface types draw on the window's own surface. Left to itself SDL may back that
  // surface with a renderer of its own, which would keep the renderer types from ever
  // making theirs on the same window; the system's plain framebuffer avoids that.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  SDL_SetWindowData(Window, DisplayDataKey, this);
  RememberWindowPlacement();
}

tDisplay::~tDisplay() {
  ReleaseDisplay();
  if (ForWindow(Window) == this) SDL_SetWindowData(Window, DisplayDataKey, nullptr);
}

tDisplay* tDisplay::ForWindow(SDL_Window* window) {
  if (window == nullptr) return nullptr;
  return static_cast<tDisplay*>(SDL_GetWindowData(window, DisplayDataKey));
}

void tDisplay::SetDisplayType(std::int32_t type) {
  if (type < 0 || type > 3) throw Exception("Display type " + std::to_string(type) + " unknown");
  Type = type;
  ApplyBorder();
}

// SDL leaves the border alone while the window is full screen, so leaving full screen
// applies it again.
void tDisplay::ApplyBorder() {
  const SDL_bool windowed = FullScreen() ? SDL_FALSE : SDL_TRUE;
  SDL_SetWindowBordered(Window, windowed);
  SDL_SetWindowResizable(Window, windowed);
}

bool tDisplay::Desktop16Bit() const {
  int index = SDL_GetWindowDisplayIndex(Window);
  if (index < 0) index = 0;
  SDL_DisplayMode mode{};
  if (SDL_GetDesktopDisplayMode(index, &mode) != 0) return false;
  return SDL_BITSPERPIXEL(mode.format) == 16;
}

void tDisplay::InitDirectDraw() {
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0 || Window == nullptr)
    throw EDirectDraw(dd::NoDirectDrawHardware, "Couldn't Create a DirectDraw Object",
                      "SDL: the video system is not running");
  if (SDL_GetNumRenderDrivers() <= 0)
    throw EDirectDraw(dd::NoDirectDrawHardware, "Couldn't Create a DirectDraw2 Object", SdlError());
}

void tDisplay::ReleaseDirectDraw() {
  DestroyRenderer();
}

tDib16& tDisplay::InitDisplay(std::int32_t type, bool systemMemoryBackBuffer, bool forceExclusive) {
  ReleaseDisplay();
  SetDisplayType(type);
  SystemMemoryBackBuffer = systemMemoryBackBuffer;
  DebugMessage("Attempting to init DirectDraw");
  InitDirectDraw();
  DebugMessage("DirectDraw init done");
  SetPixelMode(Red565, Green565, Blue565);
  DebugMessage("Attempting to init Display");
  SetModeForType(forceExclusive);
  DebugMessage("Display init done");
  IsReady = true;
  return *FrameSurface;
}

void tDisplay::SetModeForType(bool forceExclusive) {
  const bool wasFullScreen = (SDL_GetWindowFlags(Window) & SDL_WINDOW_FULLSCREEN) != 0;
  if (FullScreen()) {
    // The desktop keeps its resolution, so exclusive and shared full screen are the same
    // window covering the desktop.
    if (!Desktop16Bit() || forceExclusive) {
      DebugMessage("Going Exclusive");
      DebugMessage("Exclusive");
    }
    if (!wasFullScreen) RememberWindowPlacement();
    DebugMessage("Setting display mode");
    if (SDL_SetWindowFullscreen(Window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)
      throw EDirectDraw(dd::InvalidMode, "DirectDraw.SetDisplayMode failed at " + CallerLocation(),
                        SdlError());
    SDL_PumpEvents();
    DebugMessage("Mode should be changed");
  } else {
    DebugMessage("DirectDraw.SetCooperativeLevel(handle,DDSCL_Normal)");
    if (wasFullScreen) {
      if (SDL_SetWindowFullscreen(Window, 0) != 0)
        throw EDirectDraw(dd::Generic,
                          "DirectDraw.SetCooperativeLevel failed at " + CallerLocation(),
                          SdlError());
      ApplyBorder();
      SDL_SetWindowSize(Window, WindowedPlacement.w, WindowedPlacement.h);
      SDL_SetWindowPosition(Window, WindowedPlacement.x, WindowedPlacement.y);
    }
  }
  CreateFrameSurface();
}

void tDisplay::CreateFrameSurface() {
  switch (Type) {
    case 0:
      DebugMessage("Creating windowed DirectDraw framebuffer");
      break;
    case 2:
      DebugMessage("Creating FullScreen DirectDraw framebuffer");
      break;
    default:
      DebugMessage("Using a DIB for a framebuffer");
      break;
  }
  FrameSurface = std::make_unique<tFrameSurface>(FrameWidth, FrameHeight);
  OnWindowSurface = false;
  if (UsesRenderer()) {
    GameRenderer = CreateRendererWithFallback(Window);
    if (GameRenderer == nullptr)
      throw EDirectDraw(dd::Generic, "DirectDraw.CreateSurface (primary surface) failed",
                        SdlError());
    if (RendererIsEmulated(GameRenderer)) {
      DebugMessage("The renderer draws in software: using the window's surface");
      DestroyRenderer();
      OnWindowSurface = true;
    } else {
      CreateTexture();
    }
  }
  if (!UsesRenderer() && SDL_GetWindowSurface(Window) == nullptr)
    throw EDirectDraw(dd::Generic, "DirectDraw.CreateSurface (primary surface) failed", SdlError());
  FrameSurface->TrackDirty = true;
  FrameSurface->SetHasMask(true);
  CurrentDib = FrameSurface.get();
  ShowAll = true;
}

void tDisplay::CreateTexture() {
  FrameTexture = SDL_CreateTexture(GameRenderer, SDL_PIXELFORMAT_RGB565,
                                   SDL_TEXTUREACCESS_STREAMING, FrameWidth, FrameHeight);
  if (FrameTexture == nullptr)
    throw EDirectDraw(dd::OutOfVideoMemory, "DirectDraw.CreateSurface (windowed backbuffer) Failed",
                      SdlError());
  SDL_SetTextureScaleMode(FrameTexture, SDL_ScaleModeNearest);
  SDL_SetTextureBlendMode(FrameTexture, SDL_BLENDMODE_NONE);
}

void tDisplay::DestroyRenderer() {
  if (FrameTexture != nullptr) SDL_DestroyTexture(FrameTexture);
  FrameTexture = nullptr;
  if (GameRenderer != nullptr) SDL_DestroyRenderer(GameRenderer);
  GameRenderer = nullptr;
  DeviceLost = false;
}

void tDisplay::ReleaseDisplay() {
  IsReady = false;
  if (FrameSurface && CurrentDib == FrameSurface.get()) CurrentDib = nullptr;
  FrameSurface.reset();
  DestroyRenderer();
}

tDib16* tDisplay::Frame() const {
  return FrameSurface.get();
}

// A reset device keeps the renderer but loses its textures; when even a new texture
// cannot be made, the renderer is made again too.
void tDisplay::RestoreRenderer() {
  if (FrameTexture != nullptr) SDL_DestroyTexture(FrameTexture);
  FrameTexture = nullptr;
  if (GameRenderer != nullptr) {
    try {
      CreateTexture();
      DeviceLost = false;
      return;
    } catch (const EDirectDraw&) {
      SDL_DestroyRenderer(GameRenderer);
      GameRenderer = nullptr;
    }
  }
  GameRenderer = CreateRendererWithFallback(Window);
  if (GameRenderer == nullptr) throw ENoSurfaceLock("Viewing Surface Gone");
  try {
    CreateTexture();
  } catch (const EDirectDraw&) {
    throw ENoSurfaceLock("Drawing Surface Gone");
  }
  DeviceLost = false;
}

void tDisplay::Present() {
  if (!IsReady || !FrameSurface) return;
  FrameSurface->EndDraw();
  const tBands changed = FrameSurface->TakeChangedRows();
  const bool all = ShowAll || OutputChanged();
  if (!all && changed.empty()) return;
  const SDL_Surface* source = FrameSurface->Surface();
  const auto* pixels = static_cast<const std::uint8_t*>(source->pixels);
  tRects rects;
  if (all) {
    Shown.ShowAll(pixels, source->pitch, FrameWidth, FrameHeight);
    rects = {{0, 0, FrameWidth, FrameHeight}};
  } else {
    rects = Shown.Changes(pixels, source->pitch, FrameWidth, FrameHeight, changed);
    if (rects.empty()) return;
  }
  // Should the present fail half way, the next one sends everything.
  ShowAll = true;
  if (UsesRenderer())
    PresentThroughRenderer(rects);
  else
    PresentThroughWindowSurface(rects, all);
  ShowAll = false;
}

// What the frame is shown on is not what it was last shown on: another window surface (the
// window was resized) or another output size. The picture there is then incomplete.
bool tDisplay::OutputChanged() const {
  if (UsesRenderer()) {
    int width = 0;
    int height = 0;
    if (GameRenderer == nullptr || SDL_GetRendererOutputSize(GameRenderer, &width, &height) != 0)
      return true;
    return tPoint{width, height} != ShownSize;
  }
  SDL_Surface* screen = SDL_GetWindowSurface(Window);
  return screen == nullptr || screen != ShownSurface || tPoint{screen->w, screen->h} != ShownSize;
}

void tDisplay::UploadRects(const tRects& rects) {
  const SDL_Surface* source = FrameSurface->Surface();
  const auto* pixels = static_cast<const std::uint8_t*>(source->pixels);
  for (const tRect& rect : rects) {
    const SDL_Rect area = ToSdl(rect);
    const std::uint8_t* first =
        pixels + rect.Top * source->pitch + rect.Left * static_cast<int>(sizeof(std::uint16_t));
    if (SystemMemoryBackBuffer) {
      if (SDL_UpdateTexture(FrameTexture, &area, first, source->pitch) != 0)
        throw ENoSurfaceLock("Drawing Surface Gone");
      continue;
    }
    void* locked = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(FrameTexture, &area, &locked, &pitch) != 0)
      throw ENoSurfaceLock("Drawing Surface Gone");
    const auto rowBytes = static_cast<std::size_t>(area.w) * sizeof(std::uint16_t);
    for (std::int32_t row = 0; row < area.h; ++row)
      std::memcpy(static_cast<std::uint8_t*>(locked) + row * pitch, first + row * source->pitch,
                  rowBytes);
    SDL_UnlockTexture(FrameTexture);
  }
}

// The texture keeps what was sent before, so only the changed pixels go up; the renderer's
// picture is drawn whole, as a renderer's back buffer holds nothing from one present to
// the next.
void tDisplay::PresentThroughRenderer(const tRects& rects) {
  if (DeviceLost || GameRenderer == nullptr || FrameTexture == nullptr) {
    RestoreRenderer();
    UploadRects({{0, 0, FrameWidth, FrameHeight}});
  } else {
    UploadRects(rects);
  }
  int width = 0;
  int height = 0;
  if (SDL_GetRendererOutputSize(GameRenderer, &width, &height) != 0)
    throw ENoSurfaceLock("Viewing Surface Gone");
  const SDL_Rect target =
      ToSdl(FramePlacement({width, height}, {FrameWidth, FrameHeight}, FullScreen()));
  // Black bars only where the frame leaves room for them.
  if (target.x > 0 || target.y > 0 || target.w < width || target.h < height) {
    SDL_SetRenderDrawColor(GameRenderer, 0, 0, 0, 255);
    SDL_RenderClear(GameRenderer);
  }
  if (SDL_RenderCopy(GameRenderer, FrameTexture, nullptr, &target) != 0)
    throw EDirectDraw(dd::Generic, "Couldn't blit pageflip", SdlError());
  SDL_RenderPresent(GameRenderer);
  ShownSize = {width, height};
}

// The window's surface keeps its pixels while the window keeps its size, so only the
// changed pixels are put on it and sent on. Onto a 32-bit surface the game widens (and,
// scaled, stretches) the changed rectangles itself: every screen pixel always comes from
// the same frame pixel. Onto any other surface SDL blits them at the frame's own size, or
// stretches the whole frame and only the changed rows' rectangles (a row wider each way
// for the rounding) are sent.
void tDisplay::PresentThroughWindowSurface(const tRects& rects, bool all) {
  SDL_Surface* screen = SDL_GetWindowSurface(Window);
  if (screen == nullptr) throw ENoSurfaceLock("Viewing Surface Gone");
  const SDL_Rect target =
      ToSdl(FramePlacement({screen->w, screen->h}, {FrameWidth, FrameHeight}, FullScreen()));
  const bool unscaled = target.w == FrameWidth && target.h == FrameHeight;
  if (all && (target.w != screen->w || target.h != screen->h))
    SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
  std::vector<SDL_Rect> sent;
  if (screen->format->BytesPerPixel == 4 && screen->format->Rmask == 0xFF0000 &&
      screen->format->Gmask == 0xFF00 && screen->format->Bmask == 0xFF)
    StretchRects(screen, target, rects, sent);
  else if (unscaled)
    BlitRects(screen, target, rects, sent);
  else
    BlitScaledFrame(screen, target, rects, sent);
  if (all) sent = {{0, 0, screen->w, screen->h}};
  if (SDL_UpdateWindowSurfaceRects(Window, sent.data(), static_cast<int>(sent.size())) != 0)
    throw EDirectDraw(dd::Generic, "Couldn't blit pageflip", SdlError());
  ShownSurface = screen;
  ShownSize = {screen->w, screen->h};
}

void tDisplay::BlitRects(SDL_Surface* screen, const SDL_Rect& target, const tRects& rects,
                         std::vector<SDL_Rect>& sent) {
  for (const tRect& rect : rects) {
    SDL_Rect from = ToSdl(rect);
    SDL_Rect to{target.x + from.x, target.y + from.y, from.w, from.h};
    if (SDL_BlitSurface(FrameSurface->Surface(), &from, screen, &to) != 0)
      throw EDirectDraw(dd::Generic, "Couldn't blit pageflip", SdlError());
    sent.push_back(to);
  }
}

void tDisplay::StretchRects(SDL_Surface* screen, const SDL_Rect& target, const tRects& rects,
                            std::vector<SDL_Rect>& sent) {
  if (!Stretch || !Stretch->Fits(target.w, target.h))
    Stretch = std::make_unique<tFrameStretch>(FrameWidth, FrameHeight, target.w, target.h);
  if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) != 0)
    throw ENoSurfaceLock("Viewing Surface Gone");
  const SDL_Surface* source = FrameSurface->Surface();
  auto* corner =
      static_cast<std::uint8_t*>(screen->pixels) + target.y * screen->pitch + target.x * 4;
  for (const tRect& rect : rects) {
    Stretch->Stretch(static_cast<const std::uint8_t*>(source->pixels), source->pitch, corner,
                     screen->pitch, rect);
    const tRect shown = Stretch->TargetRect(rect);
    if (!shown.Empty())
      sent.push_back({target.x + shown.Left, target.y + shown.Top, shown.Right - shown.Left,
                      shown.Bottom - shown.Top});
  }
  if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
}

void tDisplay::BlitScaledFrame(SDL_Surface* screen, const SDL_Rect& target, const tRects& rects,
                               std::vector<SDL_Rect>& sent) {
  SDL_Rect to = target;
  if (SDL_BlitScaled(FrameSurface->Surface(), nullptr, screen, &to) != 0)
    throw EDirectDraw(dd::Generic, "Couldn't blit pageflip", SdlError());
  for (const tRect& rect : rects) {
    const int top = std::max(target.y + rect.Top * target.h / FrameHeight - 1, 0);
    const int bottom = std::min(
        target.y + (rect.Bottom * target.h + FrameHeight - 1) / FrameHeight + 1, screen->h);
    sent.push_back({target.x, top, target.w, bottom - top});
  }
}

bool tDisplay::HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESIZED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_MAXIMIZED:
          ShowAll = true;
          break;
        default:
          break;
      }
      return false;
    case SDL_RENDER_TARGETS_RESET:
      return GameRenderer != nullptr;
    case SDL_RENDER_DEVICE_RESET:
      if (GameRenderer == nullptr) return false;
      DeviceLost = true;
      try {
        RestoreRenderer();
      } catch (const Exception&) {
        // Present tries again and reports it.
      }
      return true;
    default:
      return false;
  }
}

tPoint tDisplay::ClientSize() const {
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(Window, &width, &height);
  return {width, height};
}

tRect tDisplay::PresentedRect() const {
  return FramePlacement(ClientSize(), {FrameWidth, FrameHeight}, FullScreen());
}

tPoint tDisplay::ClientToFrame(tPoint client) const {
  const tRect shown = PresentedRect();
  if (shown.Empty()) return client;
  return {FloorDiv(static_cast<std::int64_t>(client.X - shown.Left) * FrameWidth,
                   shown.Right - shown.Left),
          FloorDiv(static_cast<std::int64_t>(client.Y - shown.Top) * FrameHeight,
                   shown.Bottom - shown.Top)};
}

tPoint tDisplay::FrameToClient(tPoint frame) const {
  const tRect shown = PresentedRect();
  if (shown.Empty()) return frame;
  // Rounded up: the first client pixel whose frame pixel is this one.
  auto up = [](std::int64_t a, std::int64_t b) { return -FloorDiv(-a, b); };
  return {
      shown.Left + up(static_cast<std::int64_t>(frame.X) * (shown.Right - shown.Left), FrameWidth),
      shown.Top + up(static_cast<std::int64_t>(frame.Y) * (shown.Bottom - shown.Top), FrameHeight)};
}

void tDisplay::RememberWindowPlacement() {
  SDL_GetWindowPosition(Window, &WindowedPlacement.x, &WindowedPlacement.y);
  SDL_GetWindowSize(Window, &WindowedPlacement.w, &WindowedPlacement.h);
}

}  // namespace qn2
