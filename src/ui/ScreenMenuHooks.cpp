#include "ui/ScreenMenuHooks.h"

#include "engine/GameEngine.h"
#include "ui/Screens.h"

namespace qn2 {

void tScreenMenuHooks::MainMenuTick(tGameEngine& engine) {
  Tick(engine);
}

void tScreenMenuHooks::SlabMenuTick(tGameEngine& engine, tGameMode) {
  Tick(engine);
}

void tScreenMenuHooks::PopupTick(tGameEngine& engine, tGameMode) {
  Tick(engine);
}

void tScreenMenuHooks::Tick(tGameEngine& engine) {
  Screens.Follow(engine);
  Screens.Update({engine.MouseX, engine.MouseY}, engine.MouseMoved, *engine.CurrentInput);
}

// Menus draw over the whole frame, side panel included, whatever clipping the game's
// picture left behind.
void tScreenMenuHooks::DrawScreen(tGameEngine& engine) {
  Screens.Follow(engine);
  tDib16& frame = engine.FrameSurface();
  const tRect clip = frame.ClipRect;
  frame.ClipRect = tRect{0, 0, frame.Width(), frame.Height()};
  Screens.Draw(frame);
  frame.ClipRect = clip;
}

void tScreenMenuHooks::ZeroGlows() {
  Screens.ForEach([](tScreen& screen) { screen.ZeroGlows(); });
}

void tScreenMenuHooks::ZeroSelections() {
  Screens.ForEach([](tScreen& screen) { screen.ZeroSelection(); });
}

void tScreenMenuHooks::ResetTransientState() {
  Screens.ForEach([](tScreen& screen) { screen.MenuClosed(); });
}

void tScreenMenuHooks::SetStartCaption(const std::string& caption) {
  MenuState.StartCaption = caption;
}

}  // namespace qn2
