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

void tScreenMenuHooks::DrawScreen(tGameEngine& engine) {
  Screens.Follow(engine);
  Screens.Draw(engine.FrameSurface());
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
