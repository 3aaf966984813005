#pragma once

#include <cstdint>

#include "ui/Screen.h"

namespace qn2 {

class tGameEngine;

// The credits of engine mode 26: the credits slab with a window in which the credits text
// scrolls up, one pixel row every two ticks, faded toward the window's top and bottom
// edges. The text comes in from below when the screen opens and again each time its last
// row has left the top. Any key goes back to the main menu.
class tCreditsScreen : public tScreen {
 public:
  static constexpr std::int32_t WindowLeft = 159;
  static constexpr std::int32_t WindowTop = 104;
  static constexpr std::int32_t WindowWidth = 320;
  static constexpr std::int32_t WindowHeight = 270;
  static constexpr std::int32_t FadeRows = 16;
  // The counter the scroll starts again from.
  static constexpr std::int32_t RestartCounter = 2;

  void Entered(tGameEngine& engine) override;
  void Update(tPoint pointer, bool moved, tInputDevice& input) override;
  void Draw(tDib16& frame) override;

  std::int32_t Counter() const { return ScrollCounter; }
  // The text row at the window's top for a counter: negative while the text still comes up
  // from below.
  static std::int32_t FirstRow(std::int32_t counter) { return counter / 2 - (WindowHeight + 1); }
  // Where the text shows for a counter: from window row WindowRow, text rows TextRow on,
  // Rows of them (none when Rows <= 0).
  struct tPlacement {
    std::int32_t WindowRow, TextRow, Rows;
  };
  static tPlacement Placement(std::int32_t counter, std::int32_t textHeight);

 private:
  void DrawText(tDib16& frame, tDib16& text);
  static void FadeEdges(tDib16& frame);

  tGameEngine* Engine = nullptr;
  std::int32_t ScrollCounter = 0;
};

}  // namespace qn2
