#include "engine/units/Info.h"

#include "assets/BaseGfxSheet.h"
#include "common/Text.h"
#include "data/PackageFiles.h"
#include "data/Recorder.h"
#include "engine/board/Board.h"
#include "engine/board/PlayState.h"
#include "engine/board/StateIo.h"
#include "engine/units/HintDisplay.h"
#include "engine/units/Player.h"
#include "render/DibRegistry.h"
#include "render/Sprite.h"

namespace qn2 {
namespace {

tSprite InfoIconSprite;

}  // namespace

tSprite* InfoIcon() {
  return &InfoIconSprite;
}

void LoadInfoGraphicsData() {
  GetDib(sheets::BaseGfx, false);
  InfoIconSprite.SetUp(sheets::InfoIconCell.Picture, sheets::InfoIconCell.Left,
                       sheets::InfoIconCell.Top, sheets::InfoIconCell.Width,
                       sheets::InfoIconCell.Height);
  InfoIconSprite.DrawMode = dmAdditive;
}

tInfo::tInfo() {
  Present = false;
}

const tPropertyList& tInfo::Properties() {
  static const tPropertyList list = [] {
    tPropertyList l = tUnit::Properties();
    Publish<tInfo>(l)
        .Integer("CaptionYOffset", &tInfo::CaptionYOffset, &tInfo::CaptionYOffset)
        .String("ImageName", &tInfo::ImageName, &tInfo::ImageName)
        .String("Trigger", &tInfo::Trigger, &tInfo::SetTrigger)
        .Integer("TriggerDelay", &tInfo::TriggerDelay, &tInfo::TriggerDelay)
        .String("Caption", &tInfo::Caption, &tInfo::SetCaption)
        .Enumeration("PopupOnce", BooleanNames(), &tInfo::PopupOnce, &tInfo::PopupOnce);
    return l;
  }();
  return list;
}

void tInfo::SetTrigger(const std::string& text) {
  Conditions.clear();
  Trigger = text;
  Conditions = ParseTrigger(text);
}

void tInfo::SetCaption(const std::string& text) {
  Caption = UpperCase(text);
}

void tInfo::Reset() {
  tUnit::Reset();
  Triggered = false;
  Present = false;
}

void tInfo::SaveState(tSnapshotStream& stream) {
  tUnit::SaveState(stream);
  stream.Write<std::uint8_t>(Triggered);
}

void tInfo::LoadState(tSnapshotStream& stream) {
  tUnit::LoadState(stream);
  Triggered = stream.Read<std::uint8_t>() != 0;
}

// The editor shows the marker; editing the level lets its hint be seen again.
void tInfo::DrawAtInitialPosition() {
  PoppedUp = false;
  Sprite = InfoIcon();
  tUnit::DrawAtInitialPosition();
}

void tInfo::TakeTurn() {
  if (PopupOnce && PoppedUp) return;
  // Hints would stop a recording or its playback with a window.
  if (Play().Recorder.State() == rsRecording || Play().Recorder.State() == rsPlaying) return;

  if (Triggered && DelayLeft > 0) --DelayLeft;

  // The delay starts on the turn the condition is first met; a condition that goes on
  // holding does not start it again.
  if (!Triggered) {
    const tPlayer* player = Player();
    const bool met = Conditions.empty()
                         ? player != nullptr && player->GridX == GridX && player->GridY == GridY
                         : ExpressionHolds(Conditions, Play().Counters, player);
    if (met) {
      Triggered = true;
      DelayLeft = TriggerDelay;
    }
  }

  // A negative delay counts as none.
  if (Triggered && DelayLeft <= 0) Fire();
}

void tInfo::Fire() {
  Dead = true;
  if (ImageName.empty() || !PackagedFileExists(ImageName)) return;
  PoppedUp = true;
  if (HintDisplay == nullptr) return;
  const tPoint anchor{CellSize * GridX + CellSize / 2 + PlayAreaOffset,
                      CellSize * GridY + CellSize / 2};
  HintDisplay->ShowHint(ImageName, anchor, CaptionYOffset, Caption);
}

void tInfo::StateFields(tStateIo& io) {
  tPlayerAwareUnit::StateFields(io);
  io.Field(Triggered);
  io.Field(DelayLeft);
  io.Field(PoppedUp);
}

}  // namespace qn2
