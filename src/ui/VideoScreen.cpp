#include "ui/VideoScreen.h"

#include <utility>

#include "audio/SoundPort.h"
#include "data/MessageSink.h"
#include "engine/GameEngine.h"
#include "render/Dib16.h"

namespace qn2 {

tVideoScreen::tVideoScreen(tVideoOpener open) : Open(std::move(open)) {}

tVideoScreen::~tVideoScreen() = default;

void tVideoScreen::Entered(tGameEngine& engine) {
  Engine = &engine;
  Start();
}

void tVideoScreen::Left() {
  Source.reset();
}

std::int64_t tVideoScreen::Now() const {
  return Clock ? Clock() : Ticks * TickMilliseconds;
}

void tVideoScreen::Start() {
  Source.reset();
  Ticks = 0;
  ElapsedMs = 0;
  FileName = Engine->VideoFileName;
  if (!Enabled) {
    Finish();
    return;
  }
  Sound().StopMusic();
  StartedAt = Now();
  bool going = false;
  try {
    Source = Open(FileName);
    going = Source->AdvanceTo(0);
  } catch (const Exception& e) {
    Fail(e.what());
    return;
  }
  if (!going) Finish();
}

void tVideoScreen::Finish() {
  Source.reset();
  Engine->NextEntry();
  if (Engine->GameMode == gmVideo) Start();
}

void tVideoScreen::Fail(const std::string& reason) {
  Source.reset();
  if (Engine->Messages != nullptr)
    Engine->Messages->ShowMessage("The video " + FileName + " could not be played: " + reason);
  Finish();
}

void tVideoScreen::Update(tPoint, bool, tInputDevice&) {
  if (!Source) return;
  ++Ticks;
  ElapsedMs = Now() - StartedAt;
  try {
    if (!Source->AdvanceTo(ElapsedMs)) Finish();
  } catch (const Exception& e) {
    Fail(e.what());
  }
}

void tVideoScreen::Draw(tDib16& frame) {
  if (!Source) {
    frame.FillSurface(0);
    return;
  }
  try {
    Source->Draw(frame);
  } catch (const Exception& e) {
    frame.FillSurface(0);
    Fail(e.what());
  }
}

tScreenResult tVideoScreen::KeyDown(int) {
  if (Source) Finish();
  return {.Hidden = true, .MovePointerTo = {}};
}

tScreenResult tVideoScreen::MouseDown(int, int, int) {
  if (Source) Finish();
  return {.Hidden = true, .MovePointerTo = {}};
}

}  // namespace qn2
