#include "engine/units/Warp.h"

#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "engine/board/Level.h"
#include "engine/board/StateIo.h"
#include "engine/units/PlayerGraphics.h"

namespace qn2 {

namespace {

constexpr std::int32_t LastWarpFrame = WarpFrameCount - 1;  // 70
constexpr std::int32_t SoundFrame = 5;
constexpr std::int32_t VanishFrame = 35;  // the character is gone half way through

}  // namespace

tWarp::tWarp() {
  Temporary = true;
  Layer = 3;
}

// Forwards the shimmer shows frames 1..70, backwards 69..0.
void tWarp::WarpStep() {
  ++WarpFrame;
  if (WarpFrame == SoundFrame)
    Sound().PlaySample(Reverse ? samples::TeleportOut : samples::TeleportIn);
  if (WarpFrame > LastWarpFrame)
    Dead = true;
  else
    Sprite = WarpSprite(Reverse ? LastWarpFrame - WarpFrame : WarpFrame);
}

tResetWarp::tResetWarp() {
  Reverse = true;
}

void tResetWarp::ResetWarpStep() {
  WarpStep();
  if (WarpFrame > VanishFrame && Level != nullptr && Level->Player != nullptr)
    Level->Player->Sprite = nullptr;
  if (WarpFrame > LastWarpFrame) Owner().ResetWarpFinished();
}

void tWarp::StateFields(tStateIo& io) {
  tUnit::StateFields(io);
  io.Field(WarpFrame);
  io.Field(Reverse);
}

}  // namespace qn2
