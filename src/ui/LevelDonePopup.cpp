#include "ui/LevelDonePopup.h"

#include <array>

#include "assets/SampleNames.h"
#include "engine/GameEngine.h"
#include "input/InputDevice.h"
#include "render/DibRegistry.h"
#include "render/DibStack.h"
#include "ui/PopupPictures.h"

namespace qn2 {

namespace {

constexpr std::int32_t BaseHeight = 364;
constexpr std::int32_t PictureWidth = 448;
constexpr std::int32_t PictureHeight = 164;
constexpr tSpan Column{210, 446};
constexpr std::array<tSpan, tLevelDonePopup::Items> Rows{
    {{238, 266}, {274, 304}, {312, 344}, {352, 382}}};

// 210 <= x < 450 and 235 < y < 380.
bool InClickBox(tPoint p) {
  return p.X >= 210 && p.X < 450 && p.Y > 235 && p.Y < 380;
}

}  // namespace

tLevelDonePopup::tLevelDonePopup(tMenuShared& shared) : tSlabMenu(shared, LargePopupBase, Items) {}

bool tLevelDonePopup::AllJewels() const {
  return Engine == nullptr || Engine->GameMode != gmPartlySolvedPopup;
}

void tLevelDonePopup::Tick(tPoint pointer, bool moved, tInputDevice& input) {
  if (moved) {
    const std::int32_t row = RowAt(pointer, Column, Rows);
    if (row >= 0) SetSelection(row);
  }
  StepByKeys(input, Items);
  if (input.WasPressed(iaBack) || (input.WasPressed(iaClick) && !InClickBox(pointer))) {
    PlaySound(samples::MenuClose);
    return PlayLevelAgain();
  }
  if (input.WasPressed(iaSelect) || input.WasPressed(iaClick)) {
    PlaySound(samples::MenuSelect);
    Choose(Selection());
  }
}

void tLevelDonePopup::Choose(std::int32_t item) {
  switch (item) {
    case MoveOn:
      Engine->CloseMenu();
      Engine->FadeToGameMode(gmNextUnsolved);
      break;
    case PlayAgain:
      PlayLevelAgain();
      break;
    case GoToLevel:
      Leave(gmPickLevel);
      break;
    case Menu:
      Leave(gmMainMenu);
      break;
    default:
      break;
  }
}

// The restart happens at the end of this tick.
void tLevelDonePopup::PlayLevelAgain() {
  Engine->CloseMenu();
  Engine->RestartRequested = true;
  Engine->FullRedraw = true;
}

// The game in progress ends; the level-pick screen or the main menu opens after a fade.
void tLevelDonePopup::Leave(tGameMode target) {
  Engine->CloseMenu();
  Engine->GameInProgress = false;
  Engine->FrameSurface().MaskActive = false;
  Engine->FadeToGameMode(target);
}

void tLevelDonePopup::Draw(tDib16& frame) {
  DrawSlab(frame);
  tDibTarget target(&frame);
  const bool partly = !AllJewels();
  const char* name = partly ? PartialPicture : SolvedPicture;
  Picture.SetUp(GetDib(name, false), 0, 0, PictureWidth, PictureHeight);
  DrawPictureOnBase(Picture, BaseHeight);
  Centred(320, 275, partly ? "WHO CARES?" : "MOVE ON", Glow(MoveOn));
  Centred(partly ? 320 : 324, 311, partly ? "TRY AGAIN" : "PLAY AGAIN", Glow(PlayAgain));
  Centred(partly ? 332 : 336, 349, "GO TO LEVEL...", Glow(GoToLevel));
  Centred(320, 387, "MENU", Glow(Menu));
}

}  // namespace qn2
