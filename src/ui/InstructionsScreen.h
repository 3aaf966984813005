#pragma once

#include <array>
#include <cstdint>

#include "ui/Screen.h"

namespace qn2 {

class tGameEngine;

// The instructions of engine mode 25: four whole-frame pages with "previous", "next" and
// "done" buttons that glow under the mouse. Any key turns a page forward (Escape goes back
// to the main menu); the left key or the "previous" button turns back. A turned page
// ignores keys for a moment, and so does the first page when it opens.
class tInstructionsScreen : public tScreen {
 public:
  static constexpr std::int32_t Pages = 4;
  static constexpr std::int32_t OpeningPause = 15;
  static constexpr std::int32_t TurnPause = 20;

  void Entered(tGameEngine& engine) override;
  void Update(tPoint pointer, bool moved, tInputDevice& input) override;
  void Draw(tDib16& frame) override;
  void ZeroGlows() override;
  void MenuClosed() override;

  std::int32_t Page() const { return CurrentPage; }
  std::int32_t Pause() const { return PauseTicks; }
  float PreviousGlow() const { return Glows[0]; }
  float NextGlow() const { return Glows[1]; }

 private:
  void Turn(std::int32_t step);
  void BackToMainMenu();
  static void StepGlow(float& glow, bool hovered);

  tGameEngine* Engine = nullptr;
  std::int32_t CurrentPage = 1;
  std::int32_t PauseTicks = 0;
  // The previous button's glow, and the glow of next or done.
  std::array<float, 2> Glows{};
};

}  // namespace qn2
