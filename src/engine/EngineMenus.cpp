#include "assets/SampleNames.h"
#include "audio/SoundPort.h"
#include "engine/GameEngine.h"

namespace qn2 {

// The menu over a running game shows the game's last frame, dimmed, behind it; without a
// game in progress the backdrop is black.
void tGameEngine::OpenMenu() {
  Menus->ZeroSelections();
  if (GameInProgress) {
    MenuItem = 0;
    RestorePointerBackground();
    PushGameMode();
    MenuBackdrop = std::make_unique<tDib16>(Frame->Width(), Frame->Height());
    MenuBackdrop->CopyRectFrom(*Frame, 0, 0, 0, 0, Frame->Width(), Frame->Height());
    MenuBackdrop->FadeSurface();
    Frame->MaskActive = false;
    Level.MuteAll();
  } else {
    MenuItem = 1;
    MenuBackdrop = std::make_unique<tDib16>(Frame->Width(), Frame->Height());
    MenuBackdrop->FillSurface(0);
  }
  FullRedraw = true;
  SetGameMode(gmMainMenu);
  CurrentInput->Consume(AllActionsMask);
}

void tGameEngine::OpenMenuWithSound() {
  Sound().PlaySample(samples::MainMenuOpen);
  OpenMenu();
}

void tGameEngine::CloseMenu() {
  if (GameInProgress) {
    PopGameMode();
    Frame->MaskActive = Frame->HasMask();
    Menus->ResetTransientState();
    Level.UnmuteAll();
  }
  CurrentInput->Consume(AllActionsMask);
  MenuBackdrop.reset();
  FullRedraw = true;
}

void tGameEngine::CloseMenuWithSound() {
  Sound().PlaySample(samples::MainMenuClose);
  CloseMenu();
}

}  // namespace qn2
