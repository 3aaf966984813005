#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "render/Dib16.h"
#include "render/Rect.h"
#include "ui/ModalContent.h"

namespace qn2 {

// Where a hint window of a picture's size ends up: centred on the start point, then moved
// inside the bounds (the main window). The bottom and right edges win over the top and
// left ones when the picture is larger than the bounds.
tRect HintWindowTarget(tPoint pictureSize, tPoint start, tRect bounds);

// The hint window an info unit opens: it grows out of the info unit's cell into a picture
// with a caption over 25 steps of its timer (at most 5 steps a timer event), then the
// caption brightens. A key, or a click on the window's background, closes it once the
// zoom is over and more than 40 steps have passed since it opened; a press on the picture
// closes it as soon as the zoom is over. The picture covers the whole window, so a press
// anywhere in it counts as one on the picture.
//
// Start point and bounds are in one coordinate space, the screen's for a window of its own
// or the frame's when it is drawn over the game; Placement tells where the window stands
// now in that space, and the drawing (of the picture's size) is stretched over it.
class tHintPopUp : public tModalContent {
 public:
  static constexpr std::int32_t ZoomDuration = 25;
  static constexpr std::int32_t MaxStepsPerEvent = 5;
  static constexpr std::int32_t CloseAfterSteps = 40;
  static constexpr int ZoomTimerMs = 16;
  // The window's answer once closed.
  static constexpr int ClosedResult = 1;

  tHintPopUp(std::unique_ptr<tDib16> picture, tPoint start, tRect bounds,
             std::int32_t captionOffset, std::string caption);

  tPoint Size() const override;
  void Open() override;
  void Tick(int periods) override;
  void Draw(tDib16& target) override;
  void KeyDown(int vk) override;
  void MouseDown(int x, int y, int button) override;
  void MouseUp(int x, int y, int button) override;
  void Close() override;
  int Result() const override { return Closed ? ClosedResult : 0; }
  std::optional<tRect> WindowRect() const override { return Placement(); }
  int TimerPeriodMs() const override { return ZoomTimerMs; }
  const char* WindowName() const override { return "QuibNar2 hint"; }

  // The window's rectangle now: 1 x 1 at the start point when shown, the target once the
  // zoom is over.
  tRect Placement() const;
  tRect Target() const { return TargetRect; }
  bool Zooming() const { return IsZooming; }
  // Zoom steps taken, at most the zoom's duration.
  std::int32_t ZoomSteps() const { return Elapsed; }
  // Steps since the window opened.
  std::int32_t StepsShown() const { return Shown; }
  float CaptionGlow() const { return Glow; }

 private:
  bool MayCloseByKey() const { return !IsZooming && Shown > CloseAfterSteps; }

  std::unique_ptr<tDib16> Picture;
  std::string Caption;
  std::int32_t CaptionOffset;
  tPoint Start;
  tRect TargetRect;
  bool IsZooming = false;
  std::int32_t Elapsed = 0;
  std::int32_t Shown = 0;
  float Glow = 0;
  bool Pressed = false;
  bool Closed = false;
};

// Draws source stretched over the rectangle of target (nearest pixel), cut to the target.
void StretchDraw(tDib16& source, tDib16& target, tRect rect);

}  // namespace qn2
