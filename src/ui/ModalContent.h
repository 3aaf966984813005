#pragma once

#include <optional>

#include "render/Dib16.h"
#include "render/Rect.h"

namespace qn2 {

// What a modal window shows and how it answers: the clear-progress dialog, the display
// question. The platform runs it in a window of its own (or over the game when full
// screen hides other windows), feeding it the timer, the keys and the mouse in client
// coordinates, until Result is not 0.
class tModalContent {
 public:
  virtual ~tModalContent() = default;
  // The client area, in pixels.
  virtual tPoint Size() const = 0;
  // Showing: load what is drawn, start from the remembered selection.
  virtual void Open() {}
  // One event of the window's 20 ms timer, carrying the periods since the last one.
  virtual void Tick(int periods) = 0;
  // Draws the whole client area into target (of Size()).
  virtual void Draw(tDib16& target) = 0;
  // Keys are the game's virtual-key numbers; buttons 1 left, 2 right, 4 middle.
  virtual void KeyDown(int /*vk*/) {}
  virtual void KeyUp(int /*vk*/) {}
  virtual void MouseMove(int /*x*/, int /*y*/) {}
  virtual void MouseDown(int /*x*/, int /*y*/, int /*button*/) {}
  virtual void MouseUp(int /*x*/, int /*y*/, int /*button*/) {}
  // Closing: free what Open loaded.
  virtual void Close() {}
  // 0 while the window stays open; otherwise the window's answer.
  virtual int Result() const = 0;
  // A window that moves and sizes itself: where it stands now, in screen coordinates (the
  // drawing is stretched over it). None: centred on its owner at Size().
  virtual std::optional<tRect> WindowRect() const { return std::nullopt; }
  // The period of the window's timer.
  virtual int TimerPeriodMs() const { return 20; }
  // The name a borderless window still carries for the desktop's window list.
  virtual const char* WindowName() const { return ""; }
};

}  // namespace qn2
