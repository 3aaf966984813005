#pragma once

#include "engine/EngineHooks.h"
#include "ui/MenuShared.h"

namespace qn2 {

class tScreens;

// The engine's menu hooks, served by the game's screens: each menu, pop-up or all-solved
// tick and each drawing of such a screen goes to the screen of the engine's mode, entered
// first when the mode has just moved onto it. The menus' shared moments (glows, selections,
// closing back to the game) go to every screen.
class tScreenMenuHooks : public tMenuHooks {
 public:
  explicit tScreenMenuHooks(tScreens& screens) : Screens(screens) {}

  void MainMenuTick(tGameEngine& engine) override;
  void SlabMenuTick(tGameEngine& engine, tGameMode) override;
  void PopupTick(tGameEngine& engine, tGameMode) override;
  void DrawScreen(tGameEngine& engine) override;
  void ZeroGlows() override;
  void ZeroSelections() override;
  void ResetTransientState() override;
  void SetStartCaption(const std::string& caption) override;

  // The state the menus share, handed to them when they are registered.
  tMenuShared& Shared() { return MenuState; }

 private:
  void Tick(tGameEngine& engine);

  tScreens& Screens;
  tMenuShared MenuState;
};

}  // namespace qn2
