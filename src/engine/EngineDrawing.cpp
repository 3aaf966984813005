#include <algorithm>

#include "common/Rounding.h"
#include "engine/GameEngine.h"
#include "render/DibStack.h"

namespace qn2 {

// One frame of the current mode into the frame surface.
void tGameEngine::DrawFrame() {
  RestorePointerBackground();
  ++AnimCounter;
  if (IsMenuMode(GameMode) && FullRedraw && MenuBackdrop) {
    Frame->CopyRectFrom(*MenuBackdrop, 0, 0, 0, 0, Frame->Width(), Frame->Height());
    FullRedraw = false;
  }
  switch (GameMode) {
    case gmFadeOut:
      FadeStep();
      break;
    case gmIntro:
      IntroReveal();
      break;
    case tGameMode{28}:
    case gmPickLevel:
    case tGameMode{31}:
      break;  // the main window draws its own screens
    default:
      if (GameMode == gmAllSolved || IsMenuMode(GameMode)) {
        Frames->DrawMenuScreen(*this);
      } else {
        tDibTarget target(Frame);
        Frames->DrawGamePicture(*this);
        if (GameMode == gmVideo) Frame->FillSurface(0);
      }
      break;
  }
  Frames->DrawMessageAndPointer(*this);
}

void tGameEngine::RestorePointerBackground() {
  Frames->RestoreUnderPointer(*Frame);
}

void tGameEngine::FadeToGameMode(tGameMode mode) {
  Frame->ClearDirty();
  Frame->MaskActive = false;
  FadeTarget = mode;
  SetGameMode(gmFadeOut);
  FadeTicks = 0;
}

// The picture darkens in a checkerboard rhythm, alternate pixels on alternate frames, for
// 17 drawn frames whatever the game speed; then the fade's target mode begins.
void tGameEngine::FadeStep() {
  if (FadeTicks == 0 || !FadeSnapshot) {
    FadeSnapshot = std::make_unique<tDib16>(Frame->Width(), Frame->Height());
    FadeSnapshot->CopyRectFrom(*Frame, 0, 0, 0, 0, Frame->Width(), Frame->Height());
  }
  FadeSnapshot->DarkenSurface(FadeTicks & 1);
  Frame->CopyRectFrom(*FadeSnapshot, 0, 0, 0, 0, Frame->Width(), Frame->Height());
  ++FadeTicks;
  if (FadeTicks > 16) {
    FadeSnapshot.reset();
    if (FadeTarget == gmMainMenu || FadeTarget == gmPickLevel) OpenMenu();
    SetGameMode(FadeTarget);
  }
}

// Each frame of the intro slides more of the level's first picture in, odd rows from the
// right and even rows from the left, the lowest even rows and highest odd rows first.
void tGameEngine::IntroReveal() {
  if (IntroTicks == 0 || !IntroSnapshot) return;
  const std::int32_t w = Frame->Width();
  const std::int32_t h = Frame->Height();
  const double t = IntroTicks;
  for (std::int32_t i = 0; i < h; ++i) {
    const bool odd = (i & 1) != 0;
    const double rowShare = odd ? (h - i) / 5.0 : i / 5.0;
    const std::int32_t v = Round(rowShare - h / 5.0 + 1.5 * t);
    std::int32_t n = 0;
    if (v > 32)
      n = w;
    else if (v > 0)
      n = std::clamp(w - Round(static_cast<double>(w) / v - 20), 0, w);
    if (n == 0) continue;
    const std::uint16_t* from = IntroSnapshot->ScanLine(i);
    std::uint16_t* to = Frame->ScanLine(i);
    if (odd)
      std::copy(from, from + n, to + (w - n));
    else
      std::copy(from + (w - n), from + w, to);
  }
}

}  // namespace qn2
