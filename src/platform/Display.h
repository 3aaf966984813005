#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "render/Dib16.h"
#include "render/Rect.h"
#include "render/ShownFrame.h"

namespace qn2 {

class tFrameSurface;
class tFrameStretch;

// Shows the game's 640 x 480 frame in the main window, in one of four display types:
//   0 windowed, through a renderer            2 full screen, through a renderer
//   1 windowed, onto the window's surface     3 full screen, onto the window's surface
// The renderer types copy the frame into a streaming RGB565 texture and draw that; the
// window-surface types blit the frame onto the window's own surface. Full screen covers the
// desktop at its own resolution (no mode change) with the frame scaled up, its shape
// kept and black bars beside it.
//
// The frame itself always lives in system memory, in the 5-6-5 layout, and keeps its
// pixels from one frame to the next: the game repaints only what changed. Present sends
// only the rows drawn since the last Present (the frame's RowChanged marks), and when no
// row was drawn it sends and shows nothing. After anything that may have lost the picture
// on show (a new texture or renderer, a window exposed, resized or restored, a new display
// type) the next Present sends the whole frame. With the system-memory back buffer setting
// the rows go up with SDL_UpdateTexture; without it the texture is locked and they are
// copied in. The window-surface types blit and update only the changed rows' rectangles.
//
// A renderer whose OpenGL draws in software (Mesa's llvmpipe on a machine without a
// graphics card) costs far more per window pixel than the window's own surface: types 0
// and 2 then show the frame on the window's surface as types 1 and 3 do.
//
// Scaling. A client area of exactly 640 x 480 gets the frame pixel for pixel. Otherwise
// the frame is stretched (nearest pixel): over the whole client area in a window, as the
// game always did; in full screen to the largest 4:3 rectangle, centred. ClientToFrame
// maps the mouse through the same rectangle.
class tDisplay {
 public:
  static constexpr std::int32_t FrameWidth = 640;
  static constexpr std::int32_t FrameHeight = 480;

  // The display of a main window; the window stays the caller's. Windowed, onto the window's
  // surface.
  explicit tDisplay(SDL_Window* window);
  ~tDisplay();
  tDisplay(const tDisplay&) = delete;
  tDisplay& operator=(const tDisplay&) = delete;

  // The display of a window, or null; modal windows use it to draw over the game.
  static tDisplay* ForWindow(SDL_Window* window);

  std::int32_t DisplayType() const { return Type; }
  // Stores the type (0..3): a sizeable border for 0 and 1, none for 2 and 3.
  void SetDisplayType(std::int32_t type);
  // The desktop runs at 16 bits per pixel.
  bool Desktop16Bit() const;

  // Checks that the window system can show the frame at all: raises EDirectDraw with
  // "Couldn't Create a DirectDraw Object" without a video system and "Couldn't Create a
  // DirectDraw2 Object" without any renderer.
  void InitDirectDraw();
  // Frees the renderer and texture if still held.
  void ReleaseDirectDraw();

  // Brings up the display for the type, logging each step in the last-operation text:
  // sets the 5-6-5 pixel mode, goes full screen or back to the window (the window is put
  // back where it was before it went full screen), and creates the frame surface with
  // what presents it. The frame tracks dirty rectangles, has a mask, becomes CurrentDib,
  // and belongs to the display until ReleaseDisplay. Failures raise EDirectDraw.
  tDib16& InitDisplay(std::int32_t type, bool systemMemoryBackBuffer, bool forceExclusive);
  // Frees the frame (CurrentDib is cleared first when it is the frame), the texture and
  // the renderer. The window keeps its full-screen state.
  void ReleaseDisplay();

  // Shows what changed of the frame (see above). Nothing happens before InitDisplay.
  // Raises ENoSurfaceLock when a lost renderer or texture cannot be made again,
  // EDirectDraw when the copy fails; the next Present then sends the whole frame.
  void Present();
  // The next Present sends and shows the whole frame, changed or not.
  void ShowAllNext() { ShowAll = true; }

  // Renderer resets (targets or device): the texture is made again and true is returned,
  // so the game redraws the whole frame. Window events that may have spoilt the picture
  // on show (exposed, resized, shown, restored) make the next Present send the whole
  // frame. Other events: false.
  bool HandleEvent(const SDL_Event& event);

  // The window's client area, in window coordinates.
  tPoint ClientSize() const;
  // A client-area pixel as a frame pixel, through the rectangle the frame is shown in.
  // Points beside the frame (on the black bars) fall outside 0..639 x 0..479.
  tPoint ClientToFrame(tPoint client) const;
  // The first client-area pixel showing a frame pixel (the inverse of ClientToFrame, for
  // putting the pointer on a frame position).
  tPoint FrameToClient(tPoint frame) const;
  // Where the frame is shown in the client area at its present size.
  tRect PresentedRect() const;

  // The frame surface between InitDisplay and ReleaseDisplay, else null.
  tDib16* Frame() const;
  bool Ready() const { return IsReady; }
  // The renderer of types 0 and 2 once the display is up, else null (also when it drew in
  // software and the frame goes onto the window's surface instead).
  SDL_Renderer* Renderer() const { return GameRenderer; }
  // Notes the window's position and size as the place to return to from full screen.
  void RememberWindowPlacement();

 private:
  bool UsesRenderer() const { return (Type == 0 || Type == 2) && !OnWindowSurface; }
  bool FullScreen() const { return Type >= 2; }
  void ApplyBorder();
  void SetModeForType(bool forceExclusive);
  void CreateFrameSurface();
  void CreateTexture();
  void RestoreRenderer();
  void DestroyRenderer();
  using tBands = std::vector<tDib16::tRowBand>;
  using tRects = std::vector<tRect>;
  bool OutputChanged() const;
  void UploadRects(const tRects& rects);
  void PresentThroughRenderer(const tRects& rects);
  void PresentThroughWindowSurface(const tRects& rects, bool all);
  void BlitRects(SDL_Surface* screen, const SDL_Rect& target, const tRects& rects,
                 std::vector<SDL_Rect>& sent);
  void StretchRects(SDL_Surface* screen, const SDL_Rect& target, const tRects& rects,
                    std::vector<SDL_Rect>& sent);
  void BlitScaledFrame(SDL_Surface* screen, const SDL_Rect& target, const tRects& rects,
                       std::vector<SDL_Rect>& sent);

  SDL_Window* Window;
  std::int32_t Type = 1;
  bool IsReady = false;
  bool SystemMemoryBackBuffer = true;
  bool DeviceLost = false;
  bool ShowAll = true;
  // A renderer type whose renderer turned out to draw in software shows the frame on the
  // window's surface instead, as the window-surface types do.
  bool OnWindowSurface = false;
  std::unique_ptr<tFrameStretch> Stretch;
  // The frame as the screen shows it, so only pixels that really changed are sent.
  tShownFrame Shown;
  // What the last Present drew on: the window surface (window-surface types) and the size
  // of the surface or the renderer's output.
  SDL_Surface* ShownSurface = nullptr;
  tPoint ShownSize;
  SDL_Rect WindowedPlacement{};
  std::unique_ptr<tFrameSurface> FrameSurface;
  SDL_Renderer* GameRenderer = nullptr;
  SDL_Texture* FrameTexture = nullptr;
};

// The rectangle a frame of the given size is shown in within a client area: the frame
// itself at (0, 0) when the sizes match; else the whole client area, or with keepAspect
// the largest rectangle of the frame's shape, centred. Empty for an empty client area.
tRect FramePlacement(tPoint client, tPoint frame, bool keepAspect);

// An accelerated renderer for the window, or the software one when there is none (as
// with the dummy video driver). Null when neither can be made.
SDL_Renderer* CreateRendererWithFallback(SDL_Window* window);

}  // namespace qn2
