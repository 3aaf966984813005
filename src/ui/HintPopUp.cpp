#include "ui/HintPopUp.h"

#include <algorithm>

#include "common/Rounding.h"
#include "render/DibStack.h"
#include "render/MenuFont.h"

namespace qn2 {

tRect HintWindowTarget(tPoint pictureSize, tPoint start, tRect bounds) {
  std::int32_t left = start.X - pictureSize.X / 2;
  std::int32_t top = start.Y - pictureSize.Y / 2;
  top = std::max(top, bounds.Top);
  left = std::max(left, bounds.Left);
  if (top + pictureSize.Y > bounds.Bottom) top = bounds.Bottom - pictureSize.Y;
  if (left + pictureSize.X > bounds.Right) left = bounds.Right - pictureSize.X;
  return {left, top, left + pictureSize.X, top + pictureSize.Y};
}

tHintPopUp::tHintPopUp(std::unique_ptr<tDib16> picture, tPoint start, tRect bounds,
                       std::int32_t captionOffset, std::string caption)
    : Picture(std::move(picture)),
      Caption(std::move(caption)),
      CaptionOffset(captionOffset),
      Start(start),
      TargetRect(HintWindowTarget(Size(), start, bounds)) {}

tPoint tHintPopUp::Size() const {
  return Picture ? tPoint{Picture->Width(), Picture->Height()} : tPoint{1, 1};
}

void tHintPopUp::Open() {
  IsZooming = true;
  Elapsed = 0;
  Shown = 0;
  Glow = 0;
  Pressed = false;
  Closed = false;
}

// A slow timer event does not make the window jump: it moves at most five steps.
void tHintPopUp::Tick(int periods) {
  const std::int32_t steps = std::clamp(periods, 0, MaxStepsPerEvent);
  Shown += steps;
  if (IsZooming) {
    Elapsed += steps;
    if (Elapsed > ZoomDuration) {
      IsZooming = false;
      Elapsed = ZoomDuration;
    }
  } else {
    Glow = std::min(Glow + 0.05f, 1.0f);
  }
}

tRect tHintPopUp::Placement() const {
  const double b = static_cast<double>(Elapsed) / ZoomDuration;
  const double c = 1.0 - b;
  const std::int32_t width = TargetRect.Right - TargetRect.Left;
  const std::int32_t height = TargetRect.Bottom - TargetRect.Top;
  const std::int32_t left = Round(c * Start.X + b * TargetRect.Left);
  const std::int32_t top = Round(c * Start.Y + b * TargetRect.Top);
  return {left, top, left + std::max(Round(b * width), 1), top + std::max(Round(b * height), 1)};
}

void tHintPopUp::Draw(tDib16& target) {
  if (!Picture) return;
  target.CopyRectFrom(*Picture, 0, 0, 0, 0, Picture->Width(), Picture->Height());
  tDibTarget drawing(&target);
  DrawMenuTextCentred(Picture->Width() / 2, Picture->Height() - CaptionOffset, Caption,
                      Round(Glow * 29));
}

void tHintPopUp::KeyDown(int) {
  if (MayCloseByKey()) Closed = true;
}

void tHintPopUp::MouseDown(int, int, int) {
  Pressed = true;
  if (!IsZooming) Closed = true;
}

// A click on the background: the button comes up where it went down.
void tHintPopUp::MouseUp(int, int, int) {
  if (Pressed && MayCloseByKey()) Closed = true;
  Pressed = false;
}

void tHintPopUp::Close() {
  Picture.reset();
}

void StretchDraw(tDib16& source, tDib16& target, tRect rect) {
  const std::int32_t width = rect.Right - rect.Left;
  const std::int32_t height = rect.Bottom - rect.Top;
  if (width <= 0 || height <= 0 || source.Width() <= 0 || source.Height() <= 0) return;
  const std::int32_t left = std::max(rect.Left, 0);
  const std::int32_t right = std::min(rect.Right, target.Width());
  const std::int32_t top = std::max(rect.Top, 0);
  const std::int32_t bottom = std::min(rect.Bottom, target.Height());
  for (std::int32_t y = top; y < bottom; ++y) {
    const std::int32_t sy = static_cast<std::int32_t>(static_cast<std::int64_t>(y - rect.Top) *
                                                      source.Height() / height);
    const std::uint16_t* from = source.ScanLine(sy);
    std::uint16_t* to = target.ScanLine(y);
    for (std::int32_t x = left; x < right; ++x)
      to[x] = from[static_cast<std::int64_t>(x - rect.Left) * source.Width() / width];
  }
}

}  // namespace qn2
