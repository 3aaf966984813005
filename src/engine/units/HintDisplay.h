#pragma once

#include <cstdint>
#include <string>

#include "render/Rect.h"

namespace qn2 {

// Shows an info unit's hint: the message window that grows out of a point of the play
// area with a picture and a glowing caption, and waits until the player closes it.
class tHintDisplay {
 public:
  virtual ~tHintDisplay() = default;
  // imageName: the picture's file name, found through the package layer (the caller has
  // checked that it exists). anchor: the point the window grows out of, in pixels of the
  // game surface; the display turns it into screen coordinates through the main window
  // and first makes the desktop visible, so the window can be seen in full-screen mode.
  // captionYOffset: the caption's distance above the picture's bottom edge. Returns when
  // the window has been closed.
  virtual void ShowHint(const std::string& imageName, tPoint anchor, std::int32_t captionYOffset,
                        const std::string& caption) = 0;
};

// The program's hint window, set by the shell once its windows exist; not owned. None
// (the headless simulator, tools) means hints fire without being shown.
extern tHintDisplay* HintDisplay;

}  // namespace qn2
